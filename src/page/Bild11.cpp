// Picture 11: the compression curves, stress against strain or void ratio, with the unloading branches.
#include "graphics/clsGRAFIK.h"
#include "page/AusgabeSeite.h"
#include "page/SeitenFarben.h"
#include "page/SeitenLayout.h"
#include "platform/core/ErrorRunner.h"
#include "records/clsDATEN.h"

#include <optional>

namespace talur {

using seite::g0Zeile;
using seite::vorhanden;

namespace {

void achsen11(clsGRAFIK& g, int16_t EPSE) {
    g.setEBOXMIN(0);
    g.setEBOXMAX(-1);
    g.setEAXEX(-1);
    g.setESKTX(0);
    g.setELXMIN({0, 0.2, 0.4, 0.6, 0.8, 1, 2, 4, 6, 8, 10});
    g.setELXDIFF({0.2, 0.4, 0.6, 0.8, 1, 2, 4, 6, 8, 10});
    const std::vector<int> xTicks{2, 4, 3, 4, 5, 4, 4, 3, 4, 5};
    g.setELXIT(xTicks);
    g.setELXGIT(std::vector<int>(10, 1));
    g.setELXZL(xTicks);
    g.setETEXTX(QStringLiteral("{g,1}s' [MN/m²]"));
    g.setESKZX(QStringLiteral("#0.0"));
    g.setEBOYMIN(-1);
    g.setEBOYMAX(-1);
    g.setEAXEY(1);
    g.setESKTY(0);
    g.setELYMIN({0,  0.2, 0.4, 0.5, 0.6, 0.8, 1,  1.1, 1.2, 1.4, 1.5, 1.6, 1.8, 2,  3, 4,
                 5,  10,  15,  20,  25,  30,  35, 40,  45,  50,  60,  70,  80,  90, 100});
    g.setELYDIFF({0.2, 0.4, 0.5, 0.6, 0.8, 1,  1.1, 1.2, 1.4, 1.5, 1.6, 1.8, 2,  3,  4,
                  5,   10,  15,  20,  25,  30, 35,  40,  45,  50,  60,  70,  80, 90, 100});
    const std::vector<int> yTicks{2, 4, 5, 3, 4, 5, 1, 4, 7, 5, 4, 2, 2, 3, 4,
                                  5, 5, 3, 4, 5, 6, 7, 4, 3, 5, 3, 7, 4, 6, 5};
    g.setELYIT(yTicks);
    g.setELYGIT(std::vector<int>(30, 1));
    g.setELYZL(yTicks);
    switch (EPSE) {
    case 0: g.setETEXTY(QStringLiteral("{g,1}e [%]")); break;
    case 1: g.setETEXTY(QStringLiteral("{g,1}e' [%]")); break;
    case 2: g.setETEXTY(QStringLiteral("e [-]")); break;
    default: break;
    }
    g.setESKZY(QStringLiteral("#0.0"));
    g.setEPTYP(0);
}

// A curve without markers, labels or arrows.
void kurve(clsGRAFIK& g, const std::vector<float>& x, const std::vector<float>& y) {
    SingleArray X(x);
    SingleArray Y(y);
    QString ohneText;
    g.POLYGON(X, Y, 0, 0, 0, ohneText, 0, 0, 0);
}

void standardwerte(clsDATEN& g0, const Selection& bild11) {
    g0.DVTI(QStringLiteral("OX"), 1, bild11);
    g0.DVTS(QStringLiteral("RL"), 10.0f, bild11);
    g0.DVTS(QStringLiteral("RR"), 4.5f, bild11);
    g0.DVTS(QStringLiteral("RO"), 10.0f, bild11);
    g0.DVTS(QStringLiteral("RU"), 4.0f, bild11);
    g0.DVTS(QStringLiteral("MYMX"), 0.0f, bild11);
    g0.DVTS(QStringLiteral("XMIN"), 0.0f, bild11);
    // A reset derives the scale again; a scale kept from another strain measure would put the curves
    // outside the plot.
    g0.DVTS(QStringLiteral("MX"), 0.0f, bild11);
    g0.DVTS(QStringLiteral("MY"), 0.0f, bild11);
}

// The series of the strain measure: conventional strain, natural strain in %, void ratio; none for
// another choice.
std::optional<std::vector<float>> reihe(const CompressionResult& r, int16_t EPSE) {
    switch (EPSE) {
    case 0: return r.EPSK;
    case 1: {
        std::vector<float> prozent = r.EPSN;
        for (float& wert : prozent)
            wert *= 100.0f;
        return prozent;
    }
    case 2: return r.EPOR;
    default: return std::nullopt;
    }
}

} // namespace

void AusgabeSeite::BILD11(int16_t ziel, float EXDL, float EYDO) {
    zeichneBild11(zielFuer(ziel, static_cast<int>(seite::Bildfeld::BILD11)), ziel == kDrucker, EXDL, EYDO);
}

void AusgabeSeite::zeichneBild11(DrawTarget* ziel, bool drucker, float EXDL, float EYDO) {
    const Selection bild11 = g0Zeile(11);
    const seite::BildRechteck& feld = seite::bildfeld(seite::Bildfeld::BILD11);
    int16_t EPSE = 0;
    float SIMAX = 0;
    clsGRAFIK* g = nullptr;
    ErrorRunner runner(QStringLiteral("Bild 11"));
    runner.run({
        [&] {
            vorhanden(ziel);
            if (!drucker)
                ziel->clear();
            m_grafik11 = std::make_unique<clsGRAFIK>(m_kontext);
            g = m_grafik11.get();
        },
        [&] {
            if (m_BONEU)
                standardwerte(vorhanden(m_g0.get()), bild11);
        },
        [&] {
            vorhanden(m_a1.get()).DTVI(QStringLiteral("EPSE"), EPSE);
            // Strains grow downwards, void ratios upwards.
            vorhanden(m_g0.get()).DVTI(QStringLiteral("OY"), EPSE == 2 ? 1 : -1, bild11);
        },
        [&] { vorhanden(m_e2.get()).DTVS(QStringLiteral("SIMAX"), SIMAX); },
        [&] {
            clsGRAFIK& gr = vorhanden(g);
            gr.setEID(m_daten.ID);
            gr.setEIDOBJEKT(11);
            gr.setEOBJEKT(ziel);
            if (drucker) {
                gr.setEXDL(static_cast<float>(feld.leftMm()) + EXDL);
                gr.setEYDO(static_cast<float>(feld.topMm()) + EYDO);
                gr.setELX(static_cast<float>(feld.widthMm()));
                gr.setELY(static_cast<float>(feld.heightMm()));
            } else {
                gr.setEXDL(0);
                gr.setEYDO(0);
            }
        },
        [&] { achsen11(vorhanden(g), EPSE); },
        [&] {
            clsGRAFIK& gr = vorhanden(g);
            gr.LINIENEINSTELLUNGEN(0, 0, seite::kSchwarz);
            gr.SCHRIFTEINSTELLUNGEN(QString(), 9, -1, 0, 0, 0);
            gr.TEXT(1, 1, QStringLiteral("Kompressionskurven"), 2, 0, 0, 0);
            gr.SCHRIFTEINSTELLUNGEN(QString(), 8, 0, 0, 0, 0);
        },
        [&] {
            m_kompressionGueltig = false;
            m_kompression = withRunErrors([&] { return KOMPRESSION(kompressionsEingabe(SIMAX), m_meldungen); });
            m_kompressionGueltig = true;
        },
        [&] {
            // Without a computed result there is nothing to draw (the failure was reported above).
            if (!m_kompressionGueltig)
                return;
            clsGRAFIK& gr = vorhanden(g);
            const std::optional<std::vector<float>> daten = reihe(m_kompression, EPSE);
            if (!daten)
                return;
            gr.SKALEN(-1, m_kompression.SIG, *daten);
            gr.LINIENEINSTELLUNGEN(0, 0.3f, seite::kSchwarz);
            kurve(gr, m_kompression.SIG, *daten);
        },
        [&] { vorhanden(m_g0.get()).DTVS(QStringLiteral("XMAX"), m_XMAX11, bild11); },
        [&] { vorhanden(g).LINIENEINSTELLUNGEN(0, 0, seite::kRot); },
        [&] {
            if (!m_kompressionGueltig)
                return;
            clsGRAFIK& gr = vorhanden(g);
            const StrainMeasure mass = EPSE == 1 ? StrainMeasure::Natural : StrainMeasure::Conventional;
            // Reports "Sigma max (...) muß größer oder gleich Sigma v (...) sein." at the stop.
            const UnloadingBranches zweige =
                withRunErrors([&] { return unloadingBranches(m_kompression, m_daten.SIV, mass, m_meldungen); });
            for (const BranchRow& zeile : zweige.rows) {
                if (!zeile.branch || EPSE < 0 || EPSE > 2)
                    continue;
                kurve(gr, zeile.branch->stress, EPSE == 2 ? zeile.branch->voidRatio : zeile.branch->strain);
            }
        },
        [&] { g = nullptr; },
    });
}

} // namespace talur
