#pragma once
// A graphic object with a fixed mapping for the polyline tests: drawing area 100 x 80 mm, plot box
// from (10, 10) to (90, 70) mm, world x 0..80 and y 0..60 at 1 unit per mm, so the world point (x, y)
// lies at (10 + x, 70 - y) on the target.
#include "grafik_fixture.h"

#include <QList>
#include <cmath>

namespace talur::test {

class PolygonFixture : public GrafikFixture {
protected:
    void SetUp() override {
        GrafikFixture::SetUp();
        g = grafik();
        G0Zeile z;
        z.RL = 10;
        z.RR = 10;
        z.RO = 10;
        z.RU = 10;
        z.XMIN = 0;
        z.XMAX = 80;
        z.YMIN = 0;
        z.YMAX = 60;
        z.MX = 1;
        z.MY = 1;
        g->setZeile(z);
        target.reset();
    }

    static double tx(double x) { return 10.0 + x; }
    static double ty(double y) { return 70.0 - y; }

    // Polyline call with the arguments most tests leave at their neutral value.
    void polygon(SingleArray& x, SingleArray& y, int psit = 0, int pstyp = 0, int pnr = 0, QString text = {},
                 int lageText = -1, int lagePfeil = 0, int farben = 0,
                 const std::vector<int16_t>* bol = nullptr) {
        g->POLYGON(x, y, int16_t(psit), int16_t(pstyp), int16_t(pnr), text, int16_t(lageText),
                   int16_t(lagePfeil), int16_t(farben), bol);
    }

    QList<Primitive> of(Primitive::Kind kind) const { return target.primitives(kind); }

    std::unique_ptr<clsGRAFIK> g;
};

inline bool near(double a, double b, double tol = 1e-3) {
    return std::fabs(a - b) <= tol;
}

} // namespace talur::test
