#pragma once
// A rectangle of another target that behaves as a picture box of its own: coordinates start at the
// rectangle's top-left corner and the scale extent is the rectangle's size. On a printer page it stays
// a printer target, on every other target it is a picture box, so tables with scroll bars are drawn
// on a sheet as they are on the output page and on its print.
#include "platform/draw/DrawTarget.h"

namespace talur::sheet {

class Teilbild : public DrawTarget {
public:
    Teilbild(DrawTarget& inner, double left, double top, double width, double height, QString name);

    TargetKind kind() const override {
        return m_inner.kind() == TargetKind::Printer ? TargetKind::Printer : TargetKind::PictureBox;
    }
    QString name() const override { return m_name; }

    double scaleLeft() const override { return 0.0; }
    double scaleTop() const override { return 0.0; }
    double scaleWidth() const override { return m_width; }
    double scaleHeight() const override { return m_height; }
    void setScale(double, double, double, double) override {} // always millimetres
    void setScaleMillimetres() override {}
    int pixelWidth() const override;
    int pixelHeight() const override;
    double twipsWidth() const override;
    double twipsHeight() const override;

    void setDrawStyle(int style) override { m_inner.setDrawStyle(style); }
    void setDrawWidth(int pixels) override { m_inner.setDrawWidth(pixels); }
    void setDrawMode(int mode) override { m_inner.setDrawMode(mode); }
    void setForeColor(ColorRef color) override { m_inner.setForeColor(color); }
    int drawStyle() const override { return m_inner.drawStyle(); }
    int drawWidth() const override { return m_inner.drawWidth(); }
    ColorRef foreColor() const override { return m_inner.foreColor(); }
    void setFillStyle(int style) override { m_inner.setFillStyle(style); }
    void setFillColor(ColorRef color) override { m_inner.setFillColor(color); }
    void setBackColor(ColorRef color) override { m_inner.setBackColor(color); }
    ColorRef backColor() const override { return m_inner.backColor(); }
    void setFont(const FontSpec& font) override { m_inner.setFont(font); }
    FontSpec font() const override { return m_inner.font(); }

    double currentX() const override { return m_inner.currentX() - m_left; }
    double currentY() const override { return m_inner.currentY() - m_top; }
    void setCurrentX(double x) override { m_inner.setCurrentX(x + m_left); }
    void setCurrentY(double y) override { m_inner.setCurrentY(y + m_top); }
    void print(const QString& text, double angleDegrees = 0.0) override { m_inner.print(text, angleDegrees); }
    double textWidth(const QString& text) const override { return m_inner.textWidth(text); }
    double textHeight(const QString& text) const override { return m_inner.textHeight(text); }

    void line(double x1, double y1, double x2, double y2, ColorRef color = -1) override;
    void box(double x1, double y1, double x2, double y2, ColorRef color = -1) override;
    void filledBox(double x1, double y1, double x2, double y2, ColorRef color = -1) override;
    void circle(double x, double y, double radius, ColorRef color = -1) override;
    void dot(double x, double y, ColorRef color = -1) override;
    void clear() override; // fills the rectangle with the back colour
    void setClip(double x1, double y1, double x2, double y2) override;
    void clearClip() override { m_inner.clearClip(); }

private:
    double pixelsPerMm() const;

    DrawTarget& m_inner;
    double m_left;
    double m_top;
    double m_width;
    double m_height;
    QString m_name;
};

} // namespace talur::sheet
