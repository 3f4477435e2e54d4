#include "graphics/FontSlots.h"

#include "platform/core/RunError.h"

#include <cmath>

namespace talur {

double FontSlots::smallSize(double size) { return std::nearbyint(size / 1.175); }

FontSpec FontSlots::derive(const FontSpec& base, int slot) {
    FontSpec f = base;
    if (slot == 3 || slot == 5)
        f.name = QStringLiteral("Symbol");
    if (slot == 4 || slot == 5)
        f.size = smallSize(base.size);
    return f;
}

void FontSlots::build(const FontSpec& base) {
    for (int slot = 1; slot < kCount; ++slot)
        m_slots[static_cast<size_t>(slot)] = derive(base, slot);
}

bool FontSlots::has(int slot) const {
    return slot >= 0 && slot < kCount && m_slots[static_cast<size_t>(slot)].has_value();
}

const FontSpec& FontSlots::at(int slot) const {
    if (!has(slot))
        throw runError(err::ObjectNotSet);
    return *m_slots[static_cast<size_t>(slot)];
}

void FontSlots::set(int slot, const FontSpec& font) {
    if (slot < 0 || slot >= kCount)
        throw runError(err::SubscriptOutOfRange);
    m_slots[static_cast<size_t>(slot)] = font;
}

void FontSlots::clear() {
    for (auto& s : m_slots)
        s.reset();
}

} // namespace talur
