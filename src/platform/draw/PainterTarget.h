#pragma once
// The common base of the drawing targets that paint with QPainter: scale, pen, fill, font, current
// position and the primitives. A derived target supplies the paint device and its size; the painter
// is begun lazily and kept open until the target ends it (flush), so a picture of many primitives
// costs one begin/end.
//
// Text: the current position is the top-left corner of the text cell (the baseline lies one ascent
// below). Fonts named "Arial" or "Symbol" are drawn in Liberation Sans; text in the "Symbol" font is
// mapped to Greek first.
#include "platform/core/QtColor.h"
#include "platform/draw/DrawTarget.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <QRectF>
#include <memory>
#include <optional>

class QPaintDevice;

namespace talur {

class PainterTarget : public DrawTarget {
public:
    ~PainterTarget() override;

    double scaleLeft() const override { return m_scaleLeft; }
    double scaleTop() const override { return m_scaleTop; }
    double scaleWidth() const override;
    double scaleHeight() const override;
    void setScale(double left, double top, double width, double height) override;
    void setScaleMillimetres() override;
    int pixelWidth() const override;
    int pixelHeight() const override;
    double twipsWidth() const override;
    double twipsHeight() const override;

    void setDrawStyle(int style) override { m_drawStyle = style; }
    void setDrawWidth(int pixels) override { m_drawWidth = pixels < 1 ? 1 : pixels; }
    void setDrawMode(int mode) override { m_drawMode = mode; }
    void setForeColor(ColorRef color) override { m_foreColor = color; }
    int drawStyle() const override { return m_drawStyle; }
    int drawWidth() const override { return m_drawWidth; }
    ColorRef foreColor() const override { return m_foreColor; }
    void setFillStyle(int style) override { m_fillStyle = style; }
    void setFillColor(ColorRef color) override { m_fillColor = color; }
    void setBackColor(ColorRef color) override { m_backColor = color; }
    ColorRef backColor() const override { return m_backColor; }

    void setFont(const FontSpec& font) override;
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

    // Ends the painter so that the device holds everything drawn so far.
    void flush();

protected:
    PainterTarget();
    // The device to paint on; nullptr when there is none (then drawing does nothing).
    virtual QPaintDevice* device() const = 0;
    // Physical size of the surface in millimetres and its device pixels per millimetre.
    virtual double deviceWidthMm() const = 0;
    virtual double deviceHeightMm() const = 0;
    virtual double pixelsPerMm() const = 0;
    // Called after each primitive (the picture box schedules a repaint).
    virtual void changed() {}
    // Called by clear() with the painter begun; the default fills the device with the back colour.
    virtual void fillBackground(QPainter& p);

    // User units to device pixels.
    QPointF toDevice(double x, double y) const;
    double unitsToPixelsX() const;
    double unitsToPixelsY() const;
    QPainter* painter(); // begun lazily; nullptr without a device

private:
    void applyPen(QPainter& p, ColorRef color) const;
    void applyBrush(QPainter& p) const;
    const QFont& qfont() const;
    const QFontMetricsF& metrics() const;

    std::unique_ptr<QPainter> m_painter;
    bool m_millimetres = true;
    double m_scaleLeft = 0, m_scaleTop = 0, m_scaleWidth = 0, m_scaleHeight = 0;
    int m_drawStyle = 0, m_drawWidth = 1, m_drawMode = 13, m_fillStyle = 1;
    ColorRef m_foreColor = 0, m_fillColor = 0, m_backColor = 0xFFFFFF;
    FontSpec m_font;
    double m_currentX = 0, m_currentY = 0;
    std::optional<QRectF> m_clip; // device pixels
    // The font as drawn and its metrics, rebuilt after a font change.
    mutable std::optional<QFont> m_qfont;
    mutable std::optional<QFontMetricsF> m_metrics;
};

} // namespace talur
