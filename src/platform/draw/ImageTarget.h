#pragma once
// An offscreen picture: a white image of a given size in millimetres at a given resolution, saved as PNG.
#include "platform/draw/PainterTarget.h"

#include <QImage>

namespace talur {

class ImageTarget : public PainterTarget {
public:
    ImageTarget(double widthMm, double heightMm, double dpi = 300.0);
    ~ImageTarget() override;

    // The picture so far (ends the painter).
    const QImage& image();
    // Saves as PNG; false when the file cannot be written.
    bool savePng(const QString& path);

protected:
    QPaintDevice* device() const override { return const_cast<QImage*>(&m_image); }
    double deviceWidthMm() const override { return m_widthMm; }
    double deviceHeightMm() const override { return m_heightMm; }
    double pixelsPerMm() const override { return m_dpi / 25.4; }

private:
    double m_widthMm;
    double m_heightMm;
    double m_dpi;
    QImage m_image;
};

} // namespace talur
