#pragma once
// A drawing target for tests: keeps every primitive with its coordinates, pen, fill, font and text.
//
// Text metric (deterministic, independent of installed fonts), with s = font size in millimetres
// (points × 25.4 / 72):
//   width  = 0.6 × s × number of characters
//   height = 1.15 × s (for any text, also the empty one)
// Texts in the "Symbol" font are kept as sent (`text`) and as a painter would show them (`shown`, Greek).
#include "platform/draw/DrawTarget.h"

#include <QList>

namespace talur {

struct Primitive {
    enum class Kind { Line, Box, FilledBox, Circle, Dot, Text, Clear, Clip, ClearClip };
    Kind kind = Kind::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // line/box corners; circle, dot and text use x1, y1
    double radius = 0;
    ColorRef color = 0;  // colour of the stroke (fore colour unless given)
    int drawStyle = 0;
    int drawWidth = 1;
    int drawMode = 13;
    int fillStyle = 1;
    ColorRef fillColor = 0;
    FontSpec font;
    QString text;  // as sent
    QString shown; // as drawn (Greek for the "Symbol" font)
    double angle = 0; // degrees, counter-clockwise
};

class RecordingTarget : public DrawTarget {
public:
    // Size in millimetres; pixels per millimetre of the imagined device (96 dpi by default).
    explicit RecordingTarget(double widthMm = 100.0, double heightMm = 100.0, double pixelsPerMm = 96.0 / 25.4);
    static RecordingTarget fromTwips(double widthTwips, double heightTwips, double pixelsPerMm = 96.0 / 25.4);

    TargetKind kind() const override { return m_kind; }
    void setKind(TargetKind kind) { m_kind = kind; }
    QString name() const override { return m_name; }
    void setName(const QString& name) { m_name = name; }

    double scaleLeft() const override { return m_scaleLeft; }
    double scaleTop() const override { return m_scaleTop; }
    double scaleWidth() const override { return m_scaleWidth; }
    double scaleHeight() const override { return m_scaleHeight; }
    void setScale(double left, double top, double width, double height) override;
    void setScaleMillimetres() override;
    int pixelWidth() const override;
    int pixelHeight() const override;
    double twipsWidth() const override;
    double twipsHeight() const override;

    void setDrawStyle(int style) override { m_drawStyle = style; }
    void setDrawWidth(int pixels) override { m_drawWidth = pixels; }
    void setDrawMode(int mode) override { m_drawMode = mode; }
    void setForeColor(ColorRef color) override { m_foreColor = color; }
    int drawStyle() const override { return m_drawStyle; }
    int drawWidth() const override { return m_drawWidth; }
    int drawMode() const { return m_drawMode; }
    ColorRef foreColor() const override { return m_foreColor; }
    void setFillStyle(int style) override { m_fillStyle = style; }
    void setFillColor(ColorRef color) override { m_fillColor = color; }
    int fillStyle() const { return m_fillStyle; }
    ColorRef fillColor() const { return m_fillColor; }
    void setBackColor(ColorRef color) override { m_backColor = color; }
    ColorRef backColor() const override { return m_backColor; }

    void setFont(const FontSpec& font) override { m_font = font; }
    FontSpec font() const override { return m_font; }

    double currentX() const override { return m_currentX; }
    double currentY() const override { return m_currentY; }
    void setCurrentX(double x) override { m_currentX = x; }
    void setCurrentY(double y) override { m_currentY = y; }

    void print(const QString& text, double angleDegrees = 0.0) override;
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text) const override;

    void line(double x1, double y1, double x2, double y2, ColorRef color = -1) override;
    void box(double x1, double y1, double x2, double y2, ColorRef color = -1) override;
    void filledBox(double x1, double y1, double x2, double y2, ColorRef color = -1) override;
    void circle(double x, double y, double radius, ColorRef color = -1) override;
    void dot(double x, double y, ColorRef color = -1) override;
    void clear() override;
    void setClip(double x1, double y1, double x2, double y2) override;
    void clearClip() override;

    // The recording.
    const QList<Primitive>& primitives() const { return m_primitives; }
    QList<Primitive> primitives(Primitive::Kind kind) const;
    QList<Primitive> texts() const { return primitives(Primitive::Kind::Text); }
    QList<Primitive> lines() const { return primitives(Primitive::Kind::Line); }
    void reset() { m_primitives.clear(); }

    // The metric above, for tests that compute expected positions.
    static double textWidthFor(const FontSpec& font, const QString& text);
    static double textHeightFor(const FontSpec& font);

private:
    Primitive make(Primitive::Kind kind, ColorRef color) const;
    void recordTwoPoints(Primitive::Kind kind, double x1, double y1, double x2, double y2, ColorRef color);

    TargetKind m_kind = TargetKind::Other;
    QString m_name;
    double m_widthMm;
    double m_heightMm;
    double m_pixelsPerMm;
    double m_scaleLeft = 0, m_scaleTop = 0, m_scaleWidth, m_scaleHeight;
    int m_drawStyle = 0, m_drawWidth = 1, m_drawMode = 13, m_fillStyle = 1;
    ColorRef m_foreColor = 0, m_fillColor = 0, m_backColor = 0xFFFFFF;
    FontSpec m_font;
    double m_currentX = 0, m_currentY = 0;
    QList<Primitive> m_primitives;
};

} // namespace talur
