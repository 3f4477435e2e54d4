#include "platform/draw/SvgTarget.h"

#include <QSvgGenerator>
#include <cmath>

namespace talur {

SvgTarget::SvgTarget(const QString& path, double widthMm, double heightMm, double dpi)
    : m_widthMm(widthMm), m_heightMm(heightMm), m_dpi(dpi), m_generator(std::make_unique<QSvgGenerator>()) {
    const QSize px(static_cast<int>(std::lround(widthMm * dpi / 25.4)), static_cast<int>(std::lround(heightMm * dpi / 25.4)));
    m_generator->setFileName(path);
    m_generator->setResolution(static_cast<int>(std::lround(dpi)));
    m_generator->setSize(px);
    m_generator->setViewBox(QRectF(0, 0, widthMm * dpi / 25.4, heightMm * dpi / 25.4));
}

SvgTarget::~SvgTarget() { finish(); }

void SvgTarget::finish() {
    flush();
    m_finished = true;
}

QPaintDevice* SvgTarget::device() const { return m_finished ? nullptr : m_generator.get(); }

} // namespace talur
