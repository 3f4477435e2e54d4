// Axis scales of the graphic object: bounds from the data and the picture's settings row, the scale,
// scroll bars and the drawing of axes, ticks, grid lines, labels and titles.
#include "graphics/clsGRAFIK.h"

#include "platform/core/DialogService.h"
#include "platform/core/ErrorRunner.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/RunError.h"
#include "records/clsDATEN.h"

#include <QScrollBar>
#include <cmath>
#include <memory>

namespace talur {

namespace {

const QString kTitle = QStringLiteral("Skalen");

float round3(double v) { return static_cast<float>(std::nearbyint(v * 1000.0) / 1000.0); }

// Label of a logarithmic grid position: the power of ten in the axis format, without a trailing
// decimal point.
QString logLabel(float position, const QString& picture) {
    QString text = formatNumber(std::pow(10.0, double(position)), picture);
    if (text.endsWith(QLatin1Char('.')) || text.endsWith(regionalSettings().decimalSeparator))
        text.chop(1);
    return text;
}

} // namespace

void clsGRAFIK::SKALEN(int16_t NR, const SkalenFeld& X, const SkalenFeld& Y) {
    if (!X.missing() && !X.isSingleArray()) {
        dialogs().message(QStringLiteral("Datenfehler: Sie Müssen ein Single-Feld für X übergeben!"), MsgButtons::Ok,
                          MsgIcon::Exclamation, kTitle);
        return;
    }
    if (!Y.missing() && !Y.isSingleArray()) {
        dialogs().message(QStringLiteral("Datenfehler: Sie Müssen ein Single-Feld für Y übergeben!"), MsgButtons::Ok,
                          MsgIcon::Exclamation, kTitle);
        return;
    }
    const SingleArray xs = X.missing() ? SingleArray{0.0f} : X.array();
    const SingleArray ys = Y.missing() ? SingleArray{0.0f} : Y.array();
    ErrorRunner runner(kTitle, ErrorPrefix::GermanNoBlank);
    std::unique_ptr<clsDATEN> daten;
    // A settings value that cannot be read ends the routine, whatever the answer to the box.
    bool read = false;
    runner.step([&] {
        daten = std::make_unique<clsDATEN>(m_context);
        daten->setETABELLE(QStringLiteral("G0"));
        daten->setESPIDW(m_EID);
        read = leseZeile(*daten);
    });
    if (!read)
        return;
    G0Zeile& z = m_zeile;
    const bool divided = runner.run({
        [&] {
            m_xTeilung = {};
            if (!m_ELXMIN.empty())
                TEILUNG(NR, true, m_EBOXMIN, m_EBOXMAX, xs);
        },
        [&] {
            m_yTeilung = {};
            if (!m_ELYMIN.empty())
                TEILUNG(NR, false, m_EBOYMIN, m_EBOYMAX, ys);
        },
        [&] { gleicheMassstaebe(xs, ys); },
        [&] { speichereGrenzen(*daten); },
    });
    if (!divided || NR == 1 || NR == 2)
        return;

    if (m_ESKTX == 1) {
        z.XMIN = static_cast<float>(LG(z.XMIN));
        z.XMAX = static_cast<float>(LG(z.XMAX));
    }
    if (m_ESKTY == 1) {
        z.YMIN = static_cast<float>(LG(z.YMIN));
        z.YMAX = static_cast<float>(LG(z.YMAX));
    }
    read = false;
    runner.step([&] { read = leseMassstab(*daten); });
    if (!read)
        return;
    if (z.MX == 0 || z.MY == 0) {
        if (!runner.step([&] { MASSSTAB(); }))
            return;
        if (!runner.step([&] {
                schreibeWert(*daten, QStringLiteral("MX"), z.MX);
                schreibeWert(*daten, QStringLiteral("MY"), z.MY);
            }))
            return;
    }
    if (!runner.step([&] { rollbalken(); }))
        return;
    if (balkenSichtbar())
        return;

    if (!m_target) {
        runner.step([] {
            throw runError(err::ObjectNotSet);
        });
        return;
    }
    float xa = 0, ya = 0, xb = 0, yb = 0;
    KOORDTRANS(z.XMIN, z.YMIN, xa, ya);
    KOORDTRANS(z.XMAX, z.YMAX, xb, yb);
    if (m_EAXEX != 0 && !runner.step([&] { zeichneXAchse(xa, ya, xb, yb); }))
        return;
    if (m_EAXEY != 0)
        runner.step([&] { zeichneYAchse(xa, ya, xb, yb); });
}

// ---- Settings row -----------------------------------------------------------------------------------

namespace {

Selection zeilenAuswahl(int16_t picture) {
    Selection sel;
    sel.SPI1 = QStringLiteral("IDOBJEKT");
    sel.SPI1W = Variant(picture);
    return sel;
}

} // namespace

bool clsGRAFIK::leseZeile(clsDATEN& d) {
    const Selection sel = zeilenAuswahl(m_EIDOBJEKT);
    G0Zeile& z = m_zeile;
    return d.DTVI(QStringLiteral("OX"), z.OX, sel) && d.DTVI(QStringLiteral("OY"), z.OY, sel) &&
           d.DTVS(QStringLiteral("RL"), z.RL, sel) && d.DTVS(QStringLiteral("RR"), z.RR, sel) &&
           d.DTVS(QStringLiteral("RO"), z.RO, sel) && d.DTVS(QStringLiteral("RU"), z.RU, sel) &&
           d.DTVS(QStringLiteral("XMIN"), z.XMIN, sel) && d.DTVS(QStringLiteral("XMAX"), z.XMAX, sel) &&
           d.DTVS(QStringLiteral("YMIN"), z.YMIN, sel) && d.DTVS(QStringLiteral("YMAX"), z.YMAX, sel);
}

bool clsGRAFIK::leseMassstab(clsDATEN& d) {
    const Selection sel = zeilenAuswahl(m_EIDOBJEKT);
    return d.DTVS(QStringLiteral("MYMX"), m_zeile.MYMX, sel) && d.DTVS(QStringLiteral("MX"), m_zeile.MX, sel) &&
           d.DTVS(QStringLiteral("MY"), m_zeile.MY, sel);
}

void clsGRAFIK::schreibeWert(clsDATEN& d, const QString& column, float value) {
    d.DVTS(column, value, zeilenAuswahl(m_EIDOBJEKT));
}

// ---- Division and scale -----------------------------------------------------------------------------

void clsGRAFIK::gleicheMassstaebe(const SingleArray& xs, const SingleArray& ys) {
    // The range of one axis follows from the other's and the plot box's shape.
    G0Zeile& z = m_zeile;
    if (m_EXYIT == 1) {
        const double w = double(m_ELX) - z.RL - z.RR;
        if (w == 0)
            throw runError(err::DivisionByZero);
        z.YMAX = static_cast<float>(z.YMIN + (double(z.XMAX) - z.XMIN) * (double(m_ELY) - z.RO - z.RU) / w);
        if (!m_ELYMIN.empty())
            TEILUNG(0, false, 0, 0, ys);
    } else if (m_EXYIT == 2) {
        const double h = double(m_ELY) - z.RO - z.RU;
        if (h == 0)
            throw runError(err::DivisionByZero);
        z.XMAX = static_cast<float>(z.XMIN + (double(z.YMAX) - z.YMIN) * (double(m_ELX) - z.RL - z.RR) / h);
        if (!m_ELXMIN.empty())
            TEILUNG(0, true, 0, 0, xs);
    }
}

void clsGRAFIK::speichereGrenzen(clsDATEN& daten) {
    if (m_EBOXMIN == -1)
        schreibeWert(daten, QStringLiteral("XMIN"), m_zeile.XMIN);
    if (m_EBOXMAX == -1)
        schreibeWert(daten, QStringLiteral("XMAX"), m_zeile.XMAX);
    if (m_EBOYMIN == -1)
        schreibeWert(daten, QStringLiteral("YMIN"), m_zeile.YMIN);
    if (m_EBOYMAX == -1)
        schreibeWert(daten, QStringLiteral("YMAX"), m_zeile.YMAX);
}

void clsGRAFIK::TEILUNG(int16_t NR, bool xAchse, int16_t loFlag, int16_t hiFlag, const SingleArray& data) {
    TeilungsArt art;
    art.NR = NR;
    art.loFlag = loFlag;
    art.hiFlag = hiFlag;
    art.logarithmic = (xAchse ? m_ESKTX : m_ESKTY) == 1;
    const TeilungsListen listen = xAchse ? TeilungsListen{m_ELXMIN, m_ELXDIFF, m_ELXIT, m_ELXGIT, m_ELXZL}
                                         : TeilungsListen{m_ELYMIN, m_ELYDIFF, m_ELYIT, m_ELYGIT, m_ELYZL};
    float& lo = xAchse ? m_zeile.XMIN : m_zeile.YMIN;
    float& hi = xAchse ? m_zeile.XMAX : m_zeile.YMAX;
    AchsenTeilung& out = xAchse ? m_xTeilung : m_yTeilung;
    out = teileAchse(art, listen, data, lo, hi);
}

void clsGRAFIK::MASSSTAB() {
    G0Zeile& z = m_zeile;
    const auto divide = [](double a, double b) {
        if (b == 0)
            throw runError(err::DivisionByZero);
        return static_cast<float>(a / b);
    };
    if (z.MX == 0)
        z.MX = divide(double(z.XMAX) - z.XMIN, double(m_ELX) - z.RL - z.RR);
    if (z.MY == 0)
        z.MY = divide(double(z.YMAX) - z.YMIN, double(m_ELY) - z.RO - z.RU);
    if (z.MYMX > 0) {
        if (z.MX > z.MY)
            z.MY = z.MYMX * z.MX;
        else
            z.MX = z.MY / z.MYMX;
    }
}

// ---- Scroll bars ------------------------------------------------------------------------------------

void clsGRAFIK::rollbalken() {
    if ((!m_xBalken && !m_yBalken) || !m_target)
        return;
    const G0Zeile& z = m_zeile;
    const bool picture = m_target->kind() == TargetKind::PictureBox;
    const double sw = m_target->scaleWidth();
    const double sh = m_target->scaleHeight();
    // One direction: available and needed length, the bar's place in mm, the printable length.
    const auto follow = [&](QScrollBar* bar, double avail, double need, QRectF place, double printable) -> float {
        if (!bar)
            return 0.0f;
        if (picture) {
            if (avail > need) {
                bar->setValue(0);
                bar->hide();
                return 0.0f;
            }
            bar->setGeometry(static_cast<int>(std::lround(place.left() * m_ppuX)),
                             static_cast<int>(std::lround(place.top() * m_ppuY)),
                             static_cast<int>(std::lround(place.width() * m_ppuX)),
                             static_cast<int>(std::lround(place.height() * m_ppuY)));
            bar->setMinimum(0);
            bar->setMaximum(10000);
            const int large = static_cast<int>(std::nearbyint((1.0 - (need - avail) / need) * 10000.0));
            bar->setPageStep(large);
            bar->setSingleStep(static_cast<int>(std::nearbyint(large / 50.0)));
            bar->show();
            return bar->value() == 0 ? 0.0f : static_cast<float>(round3(bar->value() / 10000.0) * (avail - need));
        }
        return static_cast<float>(round3(bar->value() / 10000.0) * printable);
    };
    if (m_xBalken) {
        if (z.MX == 0)
            throw runError(err::DivisionByZero);
        const double need = (double(z.XMAX) - z.XMIN) / z.MX;
        m_xBalken->setOrientation(Qt::Horizontal);
        m_xOffset = follow(m_xBalken, 1.01 * sw - z.RL - z.RR, need, QRectF(0, sh - 5, sw - 5, 5),
                           double(m_ELX) - need - z.RL - z.RR);
    }
    if (m_yBalken) {
        if (z.MY == 0)
            throw runError(err::DivisionByZero);
        const double need = (double(z.YMAX) - z.YMIN) / z.MY;
        m_yBalken->setOrientation(Qt::Vertical);
        m_yOffset = follow(m_yBalken, 1.01 * sh - z.RO - z.RU, need, QRectF(sw - 5, 0, 5, sh - 5),
                           double(m_ELY) - need - z.RO - z.RU);
    }
}

bool clsGRAFIK::balkenSichtbar() const {
    return (m_xBalken && !m_xBalken->isHidden()) || (m_yBalken && !m_yBalken->isHidden());
}

// ---- Axes -------------------------------------------------------------------------------------------

void clsGRAFIK::achsenText(float x, float y, const QString& text, int16_t angle, int16_t ary) {
    QString label = text;
    TEXT(x, y, label, 0, angle, 1, ary);
}

void clsGRAFIK::zeichneXAchse(float xa, float ya, float xb, float yb) {
    const G0Zeile& z = m_zeile;
    const int off = m_EAXEX;
    const bool up = z.OY == 1;
    float worldY = 0;
    int s = 1;
    if (off == 1 || off >= 2) {
        worldY = up ? z.YMIN : z.YMAX;
        if (off >= 2)
            worldY = up ? z.YMIN - off * z.MY : z.YMAX + off * z.MY;
    } else {
        s = -1;
        worldY = up ? z.YMAX : z.YMIN;
        if (off <= -2)
            worldY = up ? z.YMAX - off * z.MY : z.YMIN + off * z.MY;
    }
    const int16_t ary = s > 0 ? 0 : 2;
    float lineY = 0;
    float dummy = 0;
    KOORDTRANS(z.XMIN, worldY, dummy, lineY);
    m_target->line(xa, lineY, xb, lineY);

    const AchsenTeilung& t = m_xTeilung;
    const bool log = m_ESKTX == 1;
    size_t gridIndex = 0;
    int nextGrid = 0;
    int nextLabel = 0;
    float Y = lineY;
    for (int k = 0; k <= t.N && k < static_cast<int>(t.ticks.size()); ++k) {
        float tx = 0;
        KOORDTRANS(t.ticks[static_cast<size_t>(k)], worldY, tx, Y);
        m_target->line(tx, Y, tx, Y + 1.5f * s);
        if (!log) {
            if (t.G != 0 && k == nextGrid) {
                m_target->line(tx, ya, tx, yb);
                nextGrid = k + static_cast<int>(std::nearbyint(double(t.N) / t.G));
            }
            if (t.Z != 0 && k == nextLabel) {
                achsenText(tx, Y + 2.0f * s, formatNumber(t.ticks[static_cast<size_t>(k)], m_ESKZX), 0, ary);
                nextLabel = k + static_cast<int>(std::nearbyint(double(t.N) / t.Z));
            }
        } else if (gridIndex < t.grid.size()) {
            const float g = t.grid[gridIndex++];
            float gx = 0;
            float gy = 0;
            KOORDTRANS(g, worldY, gx, gy);
            if (t.G != 0)
                m_target->line(gx, ya, gx, yb);
            if (t.Z != 0 && t.Z == t.G)
                achsenText(gx, Y + 2.0f * s, logLabel(g, m_ESKZX), 0, ary);
        }
    }
    const float mid = (z.OX == 1 ? xa : xb) + std::fabs(xb - xa) / 2;
    achsenText(mid, Y + (t.Z > 1 ? 6.0f : 2.0f) * s, m_ETEXTX, 0, ary);
}

void clsGRAFIK::zeichneYAchse(float xa, float ya, float xb, float yb) {
    const G0Zeile& z = m_zeile;
    const int off = m_EAXEY;
    const bool right = z.OX == 1;
    float worldX = 0;
    int s = -1;
    if (off == 1 || off >= 2) {
        worldX = right ? z.XMIN : z.XMAX;
        if (off >= 2)
            worldX = right ? z.XMIN - off * z.MX : z.XMAX + off * z.MX;
    } else {
        s = 1;
        worldX = right ? z.XMAX : z.XMIN;
        if (off <= -2)
            worldX = right ? z.XMAX - off * z.MX : z.XMIN + off * z.MX;
    }
    const int16_t ary = s < 0 ? 2 : 0;
    float lineX = 0;
    float dummy = 0;
    KOORDTRANS(worldX, z.YMIN, lineX, dummy);
    m_target->line(lineX, ya, lineX, yb);

    const AchsenTeilung& t = m_yTeilung;
    const bool log = m_ESKTY == 1;
    size_t gridIndex = 0;
    int nextGrid = 0;
    int nextLabel = 0;
    float X = lineX;
    for (int k = 0; k <= t.N && k < static_cast<int>(t.ticks.size()); ++k) {
        float ty = 0;
        KOORDTRANS(worldX, t.ticks[static_cast<size_t>(k)], X, ty);
        m_target->line(X, ty, X + 1.5f * s, ty);
        if (!log) {
            if (t.G != 0 && k == nextGrid) {
                m_target->line(xa, ty, xb, ty);
                nextGrid = k + static_cast<int>(std::nearbyint(double(t.N) / t.G));
            }
            if (t.Z != 0 && k == nextLabel) {
                achsenText(X + 2.0f * s, ty, formatNumber(t.ticks[static_cast<size_t>(k)], m_ESKZY), 90, ary);
                nextLabel = k + static_cast<int>(std::nearbyint(double(t.N) / t.Z));
            }
        } else if (gridIndex < t.grid.size()) {
            const float g = t.grid[gridIndex++];
            float gx = 0;
            float gy = 0;
            KOORDTRANS(worldX, g, gx, gy);
            if (t.G != 0)
                m_target->line(xa, gy, xb, gy);
            if (t.Z != 0 && t.Z == t.G)
                achsenText(X + 2.0f * s, gy, logLabel(g, m_ESKZY), 90, ary);
        }
    }
    const float mid = (z.OY == 1 ? yb : ya) + std::fabs(yb - ya) / 2;
    achsenText(X + (t.Z > 1 ? 6.0f : 2.0f) * s, mid, m_ETEXTY, 90, ary);
}

} // namespace talur
