#pragma once
// The picture box: a widget that is a drawing target in millimetres. It keeps its drawing in a
// backing image at screen resolution (a repaint only copies the image), carries a Tag text, and can
// hold a vertical scroll bar inside its right edge.
//
// As a DrawTarget, font() and setFont() are the target's; the widget's own font is QWidget::font().
#include "platform/draw/PainterTarget.h"

#include <QImage>
#include <QWidget>

class QScrollBar;

namespace talur {

class PictureBox : public QWidget, public PainterTarget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    using PainterTarget::font;
    using PainterTarget::setFont;

    TargetKind kind() const override { return TargetKind::PictureBox; }
    QString name() const override { return objectName(); }

    QString tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

    // The vertical scroll bar inside the right edge, created hidden on first use.
    QScrollBar* verticalBar();
    bool hasVerticalBar() const { return m_verticalBar != nullptr; }

    // The picture as drawn so far.
    const QImage& image();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

    QPaintDevice* device() const override;
    double deviceWidthMm() const override { return width() / pixelsPerMm(); }
    double deviceHeightMm() const override { return height() / pixelsPerMm(); }
    // Kept at hand: asking the screen for every primitive made a diagram's thousands of line pieces slow.
    double pixelsPerMm() const override { return m_pixelsPerMm; }
    void changed() override { update(); }

private:
    // A hidden widget learns of its new size only when shown; the image follows the widget's size
    // whenever it is used, keeping what was drawn.
    void fitImage();
    void measureResolution();

    double m_pixelsPerMm = 96.0 / 25.4;
    QImage m_image;
    QString m_tag;
    QScrollBar* m_verticalBar = nullptr;
};

} // namespace talur
