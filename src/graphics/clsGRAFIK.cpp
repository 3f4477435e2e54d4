#include "graphics/clsGRAFIK.h"

#include "platform/core/ErrorRunner.h"
#include "platform/core/RunError.h"
#include "records/RunContext.h"

#include <QScrollBar>
#include <cmath>

namespace talur {

namespace {

constexpr double kTwipsPerMm = 56.7;

float toSingle(double v) {
    if (!std::isfinite(v) || std::fabs(v) > 3.402823466e38)
        throw runError(err::Overflow);
    return static_cast<float>(v);
}

} // namespace

clsGRAFIK::clsGRAFIK(RunContext& context) : m_context(context) {
    setELX(0);
    setELY(0);
    ErrorRunner runner(QStringLiteral("Grafikobjekt"));
    runner.step([&] { m_EID = ersteAktiveId(); });
}

clsGRAFIK::~clsGRAFIK() = default;

int32_t clsGRAFIK::ersteAktiveId() const {
    Recordset rs;
    rs.open(QStringLiteral("SELECT [ID] FROM [E1] WHERE [AKT]=true"), m_context.cnnX);
    int32_t id = 0;
    if (!rs.eof())
        id = rs.value(0).toInt32();
    rs.close();
    return id;
}

double clsGRAFIK::LG(double x) { return x > 0 ? std::log10(x) : 0.0; }

void clsGRAFIK::setEOBJEKT(DrawTarget* target) {
    m_target = target;
    if (!target)
        return;
    // Pixels per scale unit; the targets report their pixel size without switching their scale.
    m_ppuX = target->scaleWidth() != 0 ? target->pixelWidth() / std::fabs(target->scaleWidth()) : 1.0;
    m_ppuY = target->scaleHeight() != 0 ? target->pixelHeight() / std::fabs(target->scaleHeight()) : 1.0;
    setELX(static_cast<float>(target->twipsWidth() / kTwipsPerMm));
    setELY(static_cast<float>(target->twipsHeight() / kTwipsPerMm));
    SCHRIFTEINSTELLUNGEN(QString(), 0, 0, 0, 0, 0);
}

void clsGRAFIK::setELX(float mm) {
    m_ELX = mm;
    m_ELXMIN = {0.0, mm};
    m_ELXDIFF = {mm};
    m_ELXIT = {1};
    m_ELXGIT = {0};
    m_ELXZL = {0};
}

void clsGRAFIK::setELY(float mm) {
    m_ELY = mm;
    m_ELYMIN = {0.0, mm};
    m_ELYDIFF = {mm};
    m_ELYIT = {1};
    m_ELYGIT = {0};
    m_ELYZL = {0};
}

void clsGRAFIK::setELXGIT(std::vector<int> v) {
    m_ELXZL = v;
    m_ELXGIT = std::move(v);
}

void clsGRAFIK::setELYGIT(std::vector<int> v) {
    m_ELYZL = v;
    m_ELYGIT = std::move(v);
}

void clsGRAFIK::setEXYIT(float v) { m_EXYIT = static_cast<int16_t>(std::nearbyint(v)); }

QRectF clsGRAFIK::plotBox() const {
    const double left = m_EXDL + m_zeile.RL;
    const double top = m_EYDO + m_zeile.RO;
    const double right = m_EXDL + m_ELX - m_zeile.RR;
    const double bottom = m_EYDO + m_ELY - m_zeile.RU;
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

void clsGRAFIK::LINIENEINSTELLUNGEN(int16_t LINIENART, float LINIENBREITE, ColorRef FARBE) {
    ErrorRunner runner(QStringLiteral("Linieneinstellungen"));
    if (!m_target) {
        runner.step([] { throw runError(err::ObjectNotSet); });
        return;
    }
    int width = 1;
    runner.run({
        [&] {
            // A pen narrower than half a pixel still draws one pixel.
            if (LINIENBREITE != 0)
                width = std::max(1, static_cast<int>(std::nearbyint(LINIENBREITE * m_ppuX)));
        },
        [&] { m_target->setDrawStyle(LINIENART); },
        [&] { m_target->setDrawWidth(width); },
        [&] { m_target->setDrawMode(13); },
        [&] { m_target->setForeColor(FARBE == 0 ? 0 : FARBE); },
    });
}

void clsGRAFIK::SCHRIFTEINSTELLUNGEN(const QString& SCHRIFTART, int16_t SCHRIFTGROESSE, int16_t FETT,
                                     int16_t UNTERSTRICHEN, int16_t KURSIV, ColorRef FARBE) {
    ErrorRunner runner(QStringLiteral("Schrifteinstellungen"), ErrorPrefix::GermanNoBlank);
    if (!m_target) {
        runner.step([] { throw runError(err::ObjectNotSet); });
        return;
    }
    if (!runner.step([&] {
            FontSpec f = m_target->font();
            f.name = SCHRIFTART.isEmpty() ? QStringLiteral("Arial") : SCHRIFTART;
            f.size = SCHRIFTGROESSE <= 0 ? 8.0 : SCHRIFTGROESSE;
            f.bold = FETT != 0;
            f.weight = f.bold ? 700 : 400;
            f.underline = UNTERSTRICHEN != 0;
            f.italic = KURSIV != 0;
            m_target->setFont(f);
        }))
        return;
    if (!runner.step([&] { m_target->setForeColor(FARBE <= 0 ? 0 : FARBE); }))
        return;
    for (int slot = 1; slot < FontSlots::kCount; ++slot)
        if (!runner.step([&] { m_slots.set(slot, FontSlots::derive(m_target->font(), slot)); }))
            return;
}

void clsGRAFIK::KOORDTRANS(float X, float Y, float& XP, float& YP) {
    ErrorRunner runner(QStringLiteral("Koordinatentransformation"));
    const G0Zeile& z = m_zeile;
    runner.run({
        [&] {
            if (z.MX == 0)
                throw runError(err::DivisionByZero);
            const double base = double(m_EXDL) + m_xOffset + z.RL;
            XP = toSingle(z.OX == 1 ? base + (double(X) - z.XMIN) / z.MX : base + (double(z.XMAX) - X) / z.MX);
        },
        [&] {
            if (z.MY == 0)
                throw runError(err::DivisionByZero);
            const double base = double(m_EYDO) + m_yOffset + z.RO;
            YP = toSingle(z.OY == 1 ? base + (double(z.YMAX) - Y) / z.MY : base + (double(Y) - z.YMIN) / z.MY);
        },
    });
}

void clsGRAFIK::KOORDTRANSINV(float XP, float YP, float& X, float& Y, int16_t SKTX, int16_t SKTY) {
    ErrorRunner runner(QStringLiteral("Inverse Koordinatentransformation"));
    const G0Zeile& z = m_zeile;
    const double left = double(m_EXDL) + m_xOffset + z.RL;
    const double top = double(m_EYDO) + m_yOffset + z.RO;
    runner.run({
        [&] {
            X = toSingle(z.OX == 1 ? z.MX * (XP - left) + z.XMIN : (left - XP) * z.MX + z.XMAX);
        },
        [&] {
            Y = toSingle(z.OY == 1 ? z.MY * (top - YP) + z.YMAX : (YP - top) * z.MY + z.YMIN);
        },
        [&] {
            if (SKTX == 1)
                X = toSingle(std::pow(10.0, double(X)));
        },
        [&] {
            if (SKTY == 1)
                Y = toSingle(std::pow(10.0, double(Y)));
        },
    });
}

} // namespace talur
