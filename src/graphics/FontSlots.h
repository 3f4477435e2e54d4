#pragma once
// The six font slots of a text-drawing object. Slot 0 keeps the target's own font while a markup text
// is drawn; slots 1 to 5 are derived from the target's font:
//   1 target font (spare copy), 2 target font (plain text), 3 "Symbol" (Greek),
//   4 target font at size / 1.175 (raised and lowered), 5 "Symbol" at size / 1.175.
#include "platform/draw/DrawTarget.h"

#include <array>
#include <optional>

namespace talur {

class FontSlots {
public:
    static constexpr int kCount = 6;

    // Rebuilds slots 1 to 5 from the given font (bold, italic, strikethrough, underline and weight are
    // copied; sizes of slots 4 and 5 are rounded to whole points, halves to the even number).
    void build(const FontSpec& base);
    // The font of one slot of `base`, as build() makes it.
    static FontSpec derive(const FontSpec& base, int slot);
    // Small size: size / 1.175 rounded to whole points, halves to even.
    static double smallSize(double size);

    bool has(int slot) const;
    const FontSpec& at(int slot) const; // the slot must be set
    void set(int slot, const FontSpec& font);
    void clear();

private:
    std::array<std::optional<FontSpec>, kCount> m_slots;
};

} // namespace talur
