// The two diagrams of the sample sheet.
#include "graphics/clsGRAFIK.h"
#include "graphics/sheet/Musterblatt.h"
#include "records/RunContext.h"

#include <cmath>
#include <numbers>

namespace talur::sheet {

namespace {

constexpr double kGrad = std::numbers::pi / 180.0;

// The picture's area on the sheet, framed like a picture box.
void bildbereich(clsGRAFIK& g, DrawTarget& target, float left, float top, float width, float height) {
    g.setEOBJEKT(&target);
    g.setEXDL(left);
    g.setEYDO(top);
    g.setELX(width);
    g.setELY(height);
    g.LINIENEINSTELLUNGEN(0, 0, 0xC0C0C0);
    target.box(left, top, left + width, top + height);
    g.LINIENEINSTELLUNGEN(0, 0, 0);
}

void kurve(clsGRAFIK& g, std::vector<float> x, std::vector<float> y, int psit, int pstyp, int pnr,
           const QString& text, int lageText, int lagePfeil) {
    SingleArray xs(std::move(x));
    SingleArray ys(std::move(y));
    QString label = text;
    g.POLYGON(xs, ys, int16_t(psit), int16_t(pstyp), int16_t(pnr), label, int16_t(lageText),
              int16_t(lagePfeil), -1);
}

// First loading of the compression example: strain in % for a stress in MN/m².
double dehnung(double sigma) {
    return 100.0 * (1.0 - std::pow(sigma / 0.01, -0.025));
}

} // namespace

// Linear axes: a curved failure line with markers, a Coulomb line that runs out of the box, a residual
// line of dots with triangles and a Mohr circle labelled along its top.
void zeichneMohrDiagramm(DrawTarget& target, RunContext& context) {
    clsGRAFIK g(context);
    g.setEIDOBJEKT(11);
    bildbereich(g, target, 10, 20, 135, 100);
    g.setELXMIN({0, 1, 2, 3, 4, 5});
    g.setELXDIFF({1, 2, 3, 4, 5});
    g.setELXIT({2, 4, 3, 4, 5});
    g.setELXGIT({2, 4, 3, 4, 5}); // labels: the same list
    g.setELYMIN({0, 1, 2, 3, 4});
    g.setELYDIFF({1, 2, 3, 4});
    g.setELYIT({2, 4, 6, 4});
    g.setELYGIT({2, 4, 6, 4});
    g.setESKZX(QStringLiteral("#0.0"));
    g.setESKZY(QStringLiteral("#0.0"));
    g.setETEXTX(QStringLiteral("{g,1}s' [MN/m²]"));
    g.setETEXTY(QStringLiteral("{g,1}t [MN/m²]"));
    g.SKALEN(-1);

    g.LINIENEINSTELLUNGEN(0, 0.35f, 0);
    std::vector<float> s, tf, tr;
    for (int i = 0; i <= 20; ++i) {
        const double sigma = 0.2 * i;
        const double phi = (40.0 - 8.0 * std::log10(1.0 + 3.0 * sigma)) * kGrad;
        s.push_back(float(sigma));
        tf.push_back(float(sigma * std::tan(phi)));
        tr.push_back(float(sigma * std::tan(24.0 * kGrad)));
    }
    kurve(g, s, tf, 5, 3, 0, QStringLiteral("{g,1}t{t,1}f Erstbelastung"), 0, 0);
    g.setEPTYP(3);
    kurve(g, s, tr, -2, 5, 0, QStringLiteral("{g,1}t{t,1}r"), 3, 0);
    g.setEPTYP(0);
    const double c = 0.08;
    const double phi = 33.0 * kGrad;
    kurve(g, {0.0f, 5.0f}, {float(c), float(c + 5.0 * std::tan(phi))}, 0, 0, 0,
          QStringLiteral("c' = 80 kN/m², {g,1}f' = 33°"), 5, 1);

    std::vector<float> kx, ky;
    for (int i = 0; i <= 36; ++i) {
        kx.push_back(float(2.6 + 0.7 * std::cos(i * 5.0 * kGrad)));
        ky.push_back(float(0.7 * std::sin(i * 5.0 * kGrad)));
    }
    kurve(g, kx, ky, 0, 6, 0, QStringLiteral("Mohrscher Kreis"), 10, 0);
}

// Logarithmic stress axis, strain growing downward: the first-loading curve with open circles and three
// unloading branches with arrowheads in the direction of unloading and point numbers.
void zeichneDrucksetzung(DrawTarget& target, RunContext& context) {
    clsGRAFIK g(context);
    g.setEIDOBJEKT(12);
    bildbereich(g, target, 152, 20, 135, 100);
    g.setEAXEX(-1);
    g.setESKTX(1);
    g.setELXMIN({0.01, 0.1, 1, 10});
    g.setELXDIFF({10});
    g.setELXIT({10});
    g.setELXGIT({1});
    g.setELYMIN({0, 5, 10, 15, 20, 25});
    g.setELYDIFF({5, 10, 15, 20, 25});
    g.setELYIT({5, 5, 3, 4, 5});
    g.setELYGIT({5, 5, 3, 4, 5});
    g.setESKZX(QStringLiteral("#0.0#"));
    g.setESKZY(QStringLiteral("#0"));
    g.setETEXTY(QStringLiteral("{g,1}e [%]"));
    g.SKALEN(-1);
    // With one label per decade the axis would put its title on the row of numbers; it goes above them.
    const QRectF box = g.plotBox();
    g.TEXT(float(box.center().x()), float(box.top() - 7.0), QStringLiteral("{g,1}s'{t,1}v [MN/m²]"), 0, 0, 1,
           2);

    // The range of the preloading stresses, marked by a filled band at the bottom of the plot box.
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    g.KOORDTRANS(float(std::log10(0.2)), 17.5f, x1, y1);
    g.KOORDTRANS(float(std::log10(5.0)), 20.0f, x2, y2);
    g.LINIE(x1, y1, x2, y2, 0xF5E6D2);
    g.TEXT((x1 + x2) / 2, float(box.bottom() - 1.0),
           QStringLiteral("Vorbelastungen {g,1}s{t,2}v1 bis {g,1}s{t,2}v3"), 0, 0, 1, 2);

    g.LINIENEINSTELLUNGEN(0, 0.35f, 0);
    std::vector<float> s, e;
    for (int i = 0; i <= 30; ++i) {
        const double sigma = 0.01 * std::pow(10.0, i / 10.0);
        s.push_back(float(sigma));
        e.push_back(float(dehnung(sigma)));
    }
    kurve(g, s, e, 7, 4, 0, QStringLiteral("Erstbelastung"), 12, 0);

    const double vor[] = {0.2, 1.0, 5.0};
    for (int k = 0; k < 3; ++k) {
        std::vector<float> su, eu;
        for (int i = 0; i <= 10; ++i) {
            const double sigma = vor[k] * std::pow(10.0, -0.2 * i);
            su.push_back(float(sigma));
            eu.push_back(float(dehnung(vor[k]) - 1.1 * std::log10(vor[k] / sigma)));
        }
        const QString label = QStringLiteral("{g,1}s{t,2}v%1").arg(k + 1);
        kurve(g, su, eu, 0, 0, k == 2 ? 2 : 0, label, 9, 1);
    }
}

} // namespace talur::sheet
