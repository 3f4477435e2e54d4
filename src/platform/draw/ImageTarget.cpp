#include "platform/draw/ImageTarget.h"

#include <cmath>

namespace talur {

ImageTarget::ImageTarget(double widthMm, double heightMm, double dpi)
    : m_widthMm(widthMm), m_heightMm(heightMm), m_dpi(dpi),
      m_image(static_cast<int>(std::lround(widthMm * dpi / 25.4)), static_cast<int>(std::lround(heightMm * dpi / 25.4)),
              QImage::Format_ARGB32_Premultiplied) {
    const int dpm = static_cast<int>(std::lround(dpi / 0.0254));
    m_image.setDotsPerMeterX(dpm);
    m_image.setDotsPerMeterY(dpm);
    m_image.fill(Qt::white);
}

ImageTarget::~ImageTarget() { flush(); }

const QImage& ImageTarget::image() {
    flush();
    return m_image;
}

bool ImageTarget::savePng(const QString& path) {
    flush();
    return m_image.save(path, "PNG");
}

} // namespace talur
