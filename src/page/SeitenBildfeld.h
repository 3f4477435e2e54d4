#pragma once
// A picture box of the output page. It keeps its screen resolution at hand: measured when the box is
// made and again when it moves to another screen, instead of asking the screen for every primitive,
// which the diagrams' thousands of line pieces would otherwise do.
#include "platform/draw/PictureBox.h"

namespace talur {

class SeitenBildfeld : public PictureBox {
    Q_OBJECT
public:
    explicit SeitenBildfeld(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    double pixelsPerMm() const override { return m_pixelProMm; }

private:
    void aufloesungMessen();

    double m_pixelProMm = 96.0 / 25.4;
};

} // namespace talur
