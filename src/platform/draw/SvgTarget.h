#pragma once
// A picture written as an SVG file of a given size in millimetres.
#include "platform/draw/PainterTarget.h"

#include <QString>
#include <memory>

class QSvgGenerator;

namespace talur {

class SvgTarget : public PainterTarget {
public:
    SvgTarget(const QString& path, double widthMm, double heightMm, double dpi = 96.0);
    ~SvgTarget() override;
    // Ends the document; nothing can be drawn afterwards.
    void finish();

protected:
    QPaintDevice* device() const override;
    double deviceWidthMm() const override { return m_widthMm; }
    double deviceHeightMm() const override { return m_heightMm; }
    double pixelsPerMm() const override { return m_dpi / 25.4; }

private:
    double m_widthMm;
    double m_heightMm;
    double m_dpi;
    std::unique_ptr<QSvgGenerator> m_generator;
    bool m_finished = false;
};

} // namespace talur
