#pragma once
// Markup text: one-line labels with embedded blocks "{command,count}" that switch the font for the next
// count characters: g Greek, t lowered, h raised, gt/gh lowered/raised Greek, c one character by its
// Windows-1252 code, s a marker symbol. Used by clsGRAFIK::TEXT and by the tables, which draw their
// cell texts by the same rules.
//
// Coordinates are target millimetres; the start point is the top-left corner of the text before
// rotation; angles are whole degrees, counter-clockwise.
#include "graphics/FontSlots.h"
#include "platform/core/ErrorRunner.h"
#include "platform/draw/DrawTarget.h"

#include <QList>
#include <QPointF>
#include <QString>

namespace talur {

// One piece of a label as the segment loop cuts it.
struct MarkupSegment {
    enum class Kind { Plain, Command, Character, Marker };
    Kind kind = Kind::Plain;
    QString command; // "g", "t", ... ("" for plain text)
    QString text; // characters to print; Character: the one character (empty for a code beyond 0..255);
                  // Marker: the count characters
    int value = 0; // Character: the code; Marker: the symbol number (the value of the count characters)
};

struct MarkupExtent {
    double width = 0;
    double height = 0;
};

class MarkupRenderer {
public:
    // errorTitle: the title of the error box ("Text" for the graphic object).
    MarkupRenderer(DrawTarget& target, FontSlots& fontSlots, QString errorTitle = QStringLiteral("Text"),
                   ErrorPrefix prefix = ErrorPrefix::German);

    // A label that is wholly numeric and has an exponent: "2E+05" -> "2*10{h,3}+05". Others unchanged.
    static QString rewriteNumeric(const QString& label);
    // The label with every markup block removed ("{g,1}s{t,1}v" -> "sv").
    static QString stripMarkup(const QString& label);
    // The segments in drawing order. A block without "," or "}" ends the label there.
    static QList<MarkupSegment> segments(const QString& label);
    // Font slot of a command; -1 keeps the slot of the previous segment.
    static int slotFor(const QString& command);
    // Leading numeric value of a text, as a classic Val() reads it ("3a" -> 3, "" -> 0).
    static double leadingValue(const QString& text);

    // Width and height of the stripped label in the target's current font.
    MarkupExtent measure(const QString& label) const;
    // Top-left start of the text for an anchor, alignment (arx 0 start, 1 centre, 2 end; ary 0 top,
    // 1 centre, 2 bottom) and angle.
    static QPointF startPoint(double x, double y, const MarkupExtent& extent, int angleDegrees, int arx, int ary);

    // Keeps the target's current font in slot 0 (call before drawing segments).
    void saveTargetFont();
    // Draws the segments from the start point; the target's font is restored from slot 0 after each.
    // Returns false when the user cancelled an error box.
    bool drawSegments(const QString& label, double x0, double y0, int angleDegrees);
    // The whole label at an anchor in target millimetres, without clipping: numeric rewrite (written
    // back into `label`), measuring, alignment, segments. An empty label draws nothing.
    bool draw(QString& label, double x, double y, int angleDegrees, int arx, int ary);

    ErrorRunner& runner() { return m_runner; }

private:
    void selectSlot(int slot);
    double shiftFor(const MarkupSegment& seg) const;
    void output(const MarkupSegment& seg, double px, double py, int angleDegrees);

    DrawTarget& m_target;
    FontSlots& m_slots;
    ErrorRunner m_runner;
};

} // namespace talur
