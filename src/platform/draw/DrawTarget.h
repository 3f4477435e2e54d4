#pragma once
// The drawing surface of the graphics library: a picture box, the printer page, an image, an SVG file
// or a recording. Coordinates are in the target's scale units (millimetres on every target the program
// uses); the scale origin and extent can be changed. Text positions follow the convention that the
// current position is the top-left corner of the text cell.
#include "platform/core/DialogService.h" // ColorRef

#include <QString>

namespace talur {

struct FontSpec {
    QString name = QStringLiteral("Arial");
    double size = 8.0; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int weight = 400; // 400 regular, 700 bold
};

// What a target stands for, where callers behave differently (scroll bars exist only on picture boxes
// and are followed on the printer).
enum class TargetKind { Other, PictureBox, Printer };

class DrawTarget {
public:
    virtual ~DrawTarget() = default;

    virtual TargetKind kind() const { return TargetKind::Other; }
    // The name of the target as messages show it (the picture box's objectName).
    virtual QString name() const { return {}; }

    // Scale: origin (left, top) and extent (width, height) in user units; the default is millimetres
    // with origin (0, 0). Negative extents flip the axis.
    virtual double scaleLeft() const = 0;
    virtual double scaleTop() const = 0;
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;
    virtual void setScale(double left, double top, double width, double height) = 0;
    virtual void setScaleMillimetres() = 0; // origin 0, extent = size in mm
    // Size of the drawing surface in device pixels and in twips (56.7 twips per millimetre).
    virtual int pixelWidth() const = 0;
    virtual int pixelHeight() const = 0;
    virtual double twipsWidth() const = 0;
    virtual double twipsHeight() const = 0;

    // Pen: draw style 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 transparent, 6 inside solid;
    // width in pixels; draw mode 13 = copy pen (others as the raster operations number them).
    virtual void setDrawStyle(int style) = 0;
    virtual void setDrawWidth(int pixels) = 0;
    virtual void setDrawMode(int mode) = 0;
    virtual void setForeColor(ColorRef color) = 0;
    virtual int drawStyle() const = 0;
    virtual int drawWidth() const = 0;
    virtual ColorRef foreColor() const = 0;
    // Fill for boxes and circles: style 0 solid, 1 transparent, 2.. hatches; colour.
    virtual void setFillStyle(int style) = 0;
    virtual void setFillColor(ColorRef color) = 0;
    virtual void setBackColor(ColorRef color) = 0;
    virtual ColorRef backColor() const = 0;

    virtual void setFont(const FontSpec& font) = 0;
    virtual FontSpec font() const = 0;

    // Current position, moved by text output and lines.
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;

    // Text output without line break at the current position (top-left of the cell); afterwards
    // currentX is at the end of the text and currentY unchanged. angleDegrees rotates counter-clockwise
    // around the top-left corner.
    virtual void print(const QString& text, double angleDegrees = 0.0) = 0;
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text) const = 0;

    // Primitives in the fore colour unless a colour is given (a negative colour = fore colour).
    virtual void line(double x1, double y1, double x2, double y2, ColorRef color = -1) = 0;
    virtual void box(double x1, double y1, double x2, double y2, ColorRef color = -1) = 0;       // outline
    virtual void filledBox(double x1, double y1, double x2, double y2, ColorRef color = -1) = 0; // filled
    virtual void circle(double x, double y, double radius, ColorRef color = -1) = 0; // filled per fill style
    virtual void dot(double x, double y, ColorRef color = -1) = 0;
    virtual void clear() = 0; // back colour, current position to the origin

    // Clipping to a rectangle in user units; clearClip ends it.
    virtual void setClip(double x1, double y1, double x2, double y2) = 0;
    virtual void clearClip() = 0;
};

} // namespace talur
