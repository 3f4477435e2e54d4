// Polylines, clipped segments and arrowheads of clsGRAFIK.
#include "graphics/Markers.h"
#include "graphics/PolygonGeometry.h"
#include "graphics/clsGRAFIK.h"
#include "platform/core/DialogService.h"
#include "platform/core/ErrorRunner.h"
#include "platform/core/RunError.h"

#include <QString>
#include <algorithm>
#include <array>
#include <vector>

namespace talur {

namespace {

constexpr ColorRef rgb(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

// Curve colours by marker type when the caller asks for coloured curves.
constexpr std::array<ColorRef, 8> kKurvenFarben = {rgb(0, 0, 255), rgb(0, 215, 0),   rgb(0, 255, 255),
                                                   rgb(255, 0, 0), rgb(255, 0, 255), rgb(0, 180, 0),
                                                   rgb(0, 0, 180), rgb(0, 0, 0)};

DrawTarget& targetOf(const clsGRAFIK& g) {
    if (!g.EOBJEKT())
        throw runError(err::ObjectNotSet);
    return *g.EOBJEKT();
}

// The mapped points of one series and the base point of the closed line types.
struct Kurve {
    std::vector<double> xd;
    std::vector<double> yd;
    double xb = 0;
    double yb = 0;
    int n() const { return int(xd.size()); }
};

// Draws the line of one type; every piece goes through LINIE so that it is clipped to the plot box.
class Linienzug {
public:
    Linienzug(clsGRAFIK& g, const Kurve& k) : m_g(g), m_k(k) {}

    void zeichne(int typ, const std::vector<int16_t>* bol) {
        switch (typ) {
        case 0:
            polylinie(bol);
            break;
        case 1:
            stufenX();
            break;
        case 2:
            stufenY();
            break;
        case 3:
            punkte();
            break;
        case 4:
            treppeSenkrecht();
            break;
        case 5:
            treppeWaagerecht();
            break;
        default:
            break;
        }
    }

private:
    void strecke(double x1, double y1, double x2, double y2) {
        m_g.LINIE(float(x1), float(y1), float(x2), float(y2), 0);
    }
    double x(int i) const { return m_k.xd[size_t(i)]; }
    double y(int i) const { return m_k.yd[size_t(i)]; }

    void polylinie(const std::vector<int16_t>* bol) {
        for (int k = 0; k + 1 < m_k.n(); ++k) {
            if (bol && (size_t(k) >= bol->size() || (*bol)[size_t(k)] != 1))
                continue;
            strecke(x(k), y(k), x(k + 1), y(k + 1));
        }
    }

    // Steps half-way between the points, closed down to the x base line.
    void stufenX() {
        const int n = m_k.n();
        if (n < 2)
            return;
        auto mitte = [&](int i) { return (x(i) + x(i + 1)) / 2.0; };
        const double links = x(0) - (x(1) - x(0)) / 2.0;
        strecke(links, m_k.yb, links, y(0));
        strecke(links, y(0), mitte(0), y(0));
        for (int i = 1; i < n - 1; ++i) {
            strecke(mitte(i - 1), y(i), mitte(i), y(i));
            strecke(mitte(i - 1), y(i - 1), mitte(i - 1), y(i));
        }
        const double rechts = x(n - 1) + (x(n - 1) - x(n - 2)) / 2.0;
        strecke(mitte(n - 2), y(n - 2), mitte(n - 2), y(n - 1));
        strecke(mitte(n - 2), y(n - 1), rechts, y(n - 1));
        strecke(rechts, y(n - 1), rechts, m_k.yb);
    }

    // The same with x and y exchanged, closed towards the y base line.
    void stufenY() {
        const int n = m_k.n();
        if (n < 2)
            return;
        auto mitte = [&](int i) { return (y(i) + y(i + 1)) / 2.0; };
        const double oben = y(0) - (y(1) - y(0)) / 2.0;
        strecke(m_k.xb, oben, x(0), oben);
        strecke(x(0), oben, x(0), mitte(0));
        for (int i = 1; i < n - 1; ++i) {
            strecke(x(i), mitte(i - 1), x(i), mitte(i));
            strecke(x(i - 1), mitte(i - 1), x(i), mitte(i - 1));
        }
        const double unten = y(n - 1) + (y(n - 1) - y(n - 2)) / 2.0;
        strecke(x(n - 2), mitte(n - 2), x(n - 1), mitte(n - 2));
        strecke(x(n - 1), mitte(n - 2), x(n - 1), unten);
        strecke(x(n - 1), unten, m_k.xb, unten);
    }

    // Dots only strictly inside the plot box: a dot on the edge would stick out of it.
    void punkte() {
        const QRectF r = m_g.plotBox();
        const polygon::Box box{r.left(), r.top(), r.right(), r.bottom()};
        DrawTarget& t = targetOf(m_g);
        for (int i = 0; i < m_k.n(); ++i) {
            if (box.containsStrictly({x(i), y(i)}))
                t.dot(x(i), y(i));
        }
    }

    void treppeSenkrecht() {
        const int n = m_k.n();
        if (n < 1)
            return;
        strecke(m_k.xb, m_k.yb, m_k.xb, y(0));
        strecke(m_k.xb, y(0), x(0), y(0));
        for (int i = 0; i < n - 1; ++i) {
            strecke(x(i), y(i), x(i), y(i + 1));
            strecke(x(i), y(i + 1), x(i + 1), y(i + 1));
        }
        strecke(x(n - 1), y(n - 1), x(n - 1), m_k.yb);
    }

    void treppeWaagerecht() {
        const int n = m_k.n();
        if (n < 1)
            return;
        strecke(m_k.xb, m_k.yb, x(0), m_k.yb);
        strecke(x(0), m_k.yb, x(0), y(0));
        for (int i = 0; i < n - 1; ++i) {
            strecke(x(i), y(i), x(i + 1), y(i));
            strecke(x(i + 1), y(i), x(i + 1), y(i + 1));
        }
        strecke(x(n - 1), y(n - 1), m_k.xb, y(n - 1));
    }

    clsGRAFIK& m_g;
    const Kurve& m_k;
};

// Replaces the values of the series (and a base point at -1) by their decimal logarithms.
void logarithmiere(SingleArray& a, int n) {
    for (int i = std::min(a.lower(), 0); i < n; ++i)
        a[i] = float(clsGRAFIK::LG(a[i]));
}

// Target positions of the points 0..n-1 and of the base point.
Kurve abbilden(clsGRAFIK& g, const SingleArray& X, const SingleArray& Y, int n) {
    Kurve k;
    const G0Zeile& z = g.zeile();
    float xp = 0;
    float yp = 0;
    const bool eigeneBasis = (g.EPTYP() == 4 || g.EPTYP() == 5) && X.lower() == -1 && Y.lower() == -1;
    if (eigeneBasis)
        g.KOORDTRANS(X[-1], Y[-1], xp, yp);
    else
        g.KOORDTRANS(z.XMIN, z.YMIN, xp, yp);
    k.xb = xp;
    k.yb = yp;
    for (int i = 0; i < n; ++i) {
        xp = 0;
        yp = 0;
        g.KOORDTRANS(X[i], Y[i], xp, yp);
        k.xd.push_back(xp);
        k.yd.push_back(yp);
    }
    return k;
}

void pfeile(clsGRAFIK& g, const Kurve& k, int lage) {
    const int n = k.n();
    if (n < 2 || lage < 1 || lage > 6)
        return;
    auto pfeil = [&](int von, int nach) {
        g.PFEIL(float(k.xd[size_t(von)]), float(k.yd[size_t(von)]), float(k.xd[size_t(nach)]),
                float(k.yd[size_t(nach)]));
    };
    if (lage == 1 || lage == 3)
        pfeil(n - 2, n - 1);
    if (lage == 2 || lage == 3)
        pfeil(1, 0);
    for (int i = 1; lage >= 4 && i < n; ++i) {
        if (lage != 5)
            pfeil(i - 1, i);
        if (lage != 4)
            pfeil(i, i - 1);
    }
}

} // namespace

double clsGRAFIK::RICHTUNG(double x1, double y1, double x2, double y2) {
    return polygon::direction(x1, y1, x2, y2);
}

void clsGRAFIK::LINIE(float X1, float Y1, float X2, float Y2, ColorRef FB) {
    try {
        DrawTarget& t = targetOf(*this);
        const QRectF r = plotBox();
        const polygon::Box box{r.left(), r.top(), r.right(), r.bottom()};
        const auto piece = polygon::clipSegment(box, {X1, Y1}, {X2, Y2});
        if (!piece)
            return;
        if (FB == 0)
            t.line(piece->a.x, piece->a.y, piece->b.x, piece->b.y);
        else
            t.filledBox(piece->a.x, piece->a.y, piece->b.x, piece->b.y, FB);
    } catch (const RunError& e) {
        const QString text = QStringLiteral("VB-Fehler: ") + kLineBreak + QStringLiteral("FehlerNr. ") +
                             QString::number(e.number()) + kLineBreak + e.description();
        dialogs().message(text, MsgButtons::OkCancel, MsgIcon::Exclamation, QStringLiteral("Strecke"));
    }
}

void clsGRAFIK::PFEIL(float PX1, float PY1, float PX2, float PY2) {
    ErrorRunner runner(QStringLiteral("Pfeil"));
    polygon::Barbs barbs;
    if (!runner.step([&] { barbs = polygon::arrowBarbs({PX1, PY1}, {PX2, PY2}); }))
        return;
    runner.step([&] {
        targetOf(*this);
        LINIE(PX2, PY2, float(barbs.b1.x), float(barbs.b1.y), 0);
        LINIE(PX2, PY2, float(barbs.b2.x), float(barbs.b2.y), 0);
        LINIE(float(barbs.b1.x), float(barbs.b1.y), float(barbs.b2.x), float(barbs.b2.y), 0);
    });
}

void clsGRAFIK::POLYGON(SingleArray& X, SingleArray& Y, int16_t PSIT, int16_t PSTYP, int16_t PNR,
                        QString& TEXT, int16_t LAGETEXT, int16_t LAGEPFEIL, int16_t FARBEN,
                        const std::vector<int16_t>* BOL) {
    ErrorRunner runner(QStringLiteral("Polygon"));
    const int n = X.upper() + 1;
    ColorRef vorher = 0;
    Kurve k;
    runner.run({
        [&] { vorher = targetOf(*this).foreColor(); },
        [&] {
            if (Y.upper() < n - 1 || Y.lower() > std::min(X.lower(), 0))
                throw runError(err::SubscriptOutOfRange);
            if (ESKTX() == 1)
                logarithmiere(X, n);
            if (ESKTY() == 1)
                logarithmiere(Y, n);
        },
        [&] {
            if (FARBEN == -1 && PSTYP >= 0 && PSTYP <= 7)
                targetOf(*this).setForeColor(kKurvenFarben[size_t(PSTYP)]);
        },
        [&] { k = abbilden(*this, X, Y, n); },
        [&] { Linienzug(*this, k).zeichne(EPTYP(), BOL); },
        [&] {
            DrawTarget& t = targetOf(*this);
            for (int i : polygon::selectedPoints(PSIT, k.n()))
                drawMarker(t, PSTYP, k.xd[size_t(i)], k.yd[size_t(i)]);
        },
        [&] {
            for (int i : polygon::selectedPoints(PNR, k.n()))
                this->TEXT(float(k.xd[size_t(i)] + 1.0), float(k.yd[size_t(i)] - 1.0), QString::number(i), 0,
                           0, 0, 0);
        },
        [&] {
            if (TEXT.isEmpty())
                return;
            if (const auto lage = polygon::labelPlacement(LAGETEXT, k.xd, k.yd))
                this->TEXT(float(lage->anchor.x), float(lage->anchor.y), TEXT, 0, int16_t(lage->angle),
                           int16_t(lage->arx), int16_t(lage->ary));
        },
        [&] { pfeile(*this, k, LAGEPFEIL); },
        [&] { targetOf(*this).setForeColor(vorher); },
    });
}

} // namespace talur
