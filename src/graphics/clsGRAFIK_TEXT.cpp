// Markup labels of the graphic object.
#include "graphics/Markup.h"
#include "graphics/clsGRAFIK.h"
#include "platform/core/RunError.h"

#include <cmath>

namespace talur {

void clsGRAFIK::TEXT(float X, float Y, const QString& label, int16_t KO, int16_t AL, int16_t ARX, int16_t ARY) {
    QString copy = label;
    TEXT(X, Y, copy, KO, AL, ARX, ARY);
}

void clsGRAFIK::TEXT(float X, float Y, QString& label, int16_t KO, int16_t AL, int16_t ARX, int16_t ARY) {
    if (label.isEmpty())
        return;
    if (!m_target) {
        ErrorRunner(QStringLiteral("Text")).step([] {
            throw runError(err::ObjectNotSet);
        });
        return;
    }
    MarkupRenderer renderer(*m_target, m_slots, QStringLiteral("Text"));
    ErrorRunner& runner = renderer.runner();
    const double a = AL * 0.017453292;
    double x = X;
    double y = Y;
    MarkupExtent extent;
    bool inside = true;
    QPointF start;
    const bool ok = runner.run({
        [&] {
            if (KO == 1) {
                float xp = 0;
                float yp = 0;
                KOORDTRANS(static_cast<float>(m_ESKTX == 1 ? LG(X) : X),
                           static_cast<float>(m_ESKTY == 1 ? LG(Y) : Y), xp, yp);
                x = xp;
                y = yp;
            } else if (KO == 2) {
                x = double(X) + m_EXDL + m_xOffset;
                y = double(Y) + m_EYDO + m_yOffset;
            }
        },
        [&] { renderer.saveTargetFont(); },
        [&] { label = MarkupRenderer::rewriteNumeric(label); },
        [&] { extent = renderer.measure(label); },
        [&] {
            if (KO != 1)
                return;
            // Clip box: the plot box widened by 1 mm, narrowed by the text's extent.
            const double wc = extent.width * std::cos(a);
            const double hc = extent.height * std::cos(a);
            double left = double(m_EXDL) + m_zeile.RL - 1;
            double top = double(m_EYDO) + m_zeile.RO - 1;
            double right = double(m_EXDL) + m_ELX - m_zeile.RR + 1;
            double bottom = double(m_EYDO) + m_ELY - m_zeile.RU + 1;
            if (ARX == 0) {
                right -= wc;
            } else if (ARX == 1) {
                left += wc / 2;
                right -= wc / 2;
            } else if (ARX == 2) {
                left += wc;
            }
            if (ARY == 0) {
                bottom -= hc;
            } else if (ARY == 1) {
                top += hc / 2;
                bottom -= hc / 2;
            } else if (ARY == 2) {
                top += hc;
            }
            inside = left < x && x < right && top < y && y < bottom;
        },
        [&] { start = MarkupRenderer::startPoint(x, y, extent, AL, ARX, ARY); },
    });
    if (!ok || !inside)
        return;
    renderer.drawSegments(label, start.x(), start.y(), AL);
}

} // namespace talur
