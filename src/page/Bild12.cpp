// Picture 12: the Mohr failure curves of first loading, of the unloading branches and of the residual
// state, the fitted Coulomb lines when the record asks for them, and the legend.
#include "graphics/clsGRAFIK.h"
#include "page/AusgabeSeite.h"
#include "page/SeitenFarben.h"
#include "page/SeitenLayout.h"
#include "platform/core/ErrorRunner.h"
#include "records/clsDATEN.h"

#include <cmath>

namespace talur {

using seite::g0Zeile;
using seite::vorhanden;

namespace {

constexpr double kGradNachBogen = 0.017453292;

void achsen12(clsGRAFIK& g, const clsGRAFIK& bild11) {
    g.setEBOXMIN(0);
    g.setEBOXMAX(0);
    g.setEAXEX(1);
    g.setESKTX(0);
    // Same stress axis as picture 11.
    g.setELXMIN(bild11.ELXMIN());
    g.setELXDIFF(bild11.ELXDIFF());
    g.setELXIT(bild11.ELXIT());
    g.setELXGIT(bild11.ELXGIT());
    g.setELXZL(bild11.ELXZL());
    g.setETEXTX(bild11.ETEXTX());
    g.setESKZX(bild11.ESKZX());
    g.setEBOYMIN(0);
    g.setEBOYMAX(0);
    g.setEAXEY(1);
    g.setELYMIN({0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.8, 1,  2,  3,  4,  5, 10,
                 15, 20, 25,  30,  35,  40,  45,  50,  60, 70, 80, 90, 100});
    g.setELYDIFF({0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.8, 1,  2,  3,  4,  5,  10,
                  15,  20,  25,  30,  35,  40,  45,  50, 60, 70, 80, 90, 100});
    const std::vector<int> yTicks{1, 2, 3, 4, 5, 3, 4, 5, 2, 3, 4, 5, 5, 3, 4, 5, 6, 7, 4, 3, 5, 3, 7, 4, 6, 5};
    g.setELYIT(yTicks);
    g.setELYGIT(std::vector<int>(26, 1));
    g.setELYZL(yTicks);
    g.setETEXTY(QStringLiteral("{g,1}t [MN/m²]"));
    g.setESKZY(QStringLiteral("#0.0"));
    g.setEPTYP(0);
}

void kurve(clsGRAFIK& g, std::vector<float> x, std::vector<float> y, const QString& text = {}, int16_t lage = 0) {
    SingleArray X(std::move(x));
    SingleArray Y(std::move(y));
    QString beschriftung = text;
    g.POLYGON(X, Y, 0, 0, 0, beschriftung, lage, 0, 0);
}

// A Coulomb line over the whole stress axis of picture 11, from 0 to XMAX.
void coulombLinie(clsGRAFIK& g, const CoulombLine& linie, float XMAX) {
    const float c = linie.c / 1000.0f;
    const float tau = c + XMAX * static_cast<float>(std::tan(linie.phi * kGradNachBogen));
    kurve(g, {0.0f, XMAX}, {c, tau});
}

void standardwerte(clsDATEN& g0, const Selection& bild12) {
    g0.DVTI(QStringLiteral("OX"), 1, bild12);
    g0.DVTI(QStringLiteral("OY"), 1, bild12);
    g0.DVTS(QStringLiteral("RL"), 10.0f, bild12);
    g0.DVTS(QStringLiteral("RR"), 4.5f, bild12);
    g0.DVTS(QStringLiteral("RO"), 9.5f, bild12);
    g0.DVTS(QStringLiteral("RU"), 11.0f, bild12);
    g0.DVTS(QStringLiteral("MYMX"), 1.0f, bild12);
    g0.DVTS(QStringLiteral("XMIN"), 0.0f, bild12);
    g0.DVTS(QStringLiteral("YMIN"), 0.0f, bild12);
}

// The unloading curves in row order, each followed by its Coulomb line when asked for. True when the
// run ended at a preloading stress above σ_max, which ends the picture.
bool zweige(clsGRAFIK& g, const MohrResult& mohr, int16_t GER, float XMAX) {
    for (const MohrBranch& zweig : mohr.branches) {
        g.LINIENEINSTELLUNGEN(0, 0, seite::kRot);
        kurve(g, zweig.stress, zweig.tau);
        const CoulombLine linie = zweig.row < mohr.branchLines.size() ? mohr.branchLines[zweig.row] : CoulombLine{};
        if (GER == 1 && linie.state == FitState::Fitted) {
            g.LINIENEINSTELLUNGEN(0, 0, seite::kGruen);
            coulombLinie(g, linie, XMAX);
        }
    }
    return mohr.stoppedAt.has_value();
}

// Three entries at 45, 41 and 37 mm above the stress axis, 5 to 15 mm from its start.
void legende(clsGRAFIK& g, float MX, float MY) {
    struct Eintrag {
        float hoehe;
        float breite;
        ColorRef farbe;
        const char* text;
    };
    static const Eintrag eintraege[] = {
        {45, 0.3f, seite::kSchwarz, "{g,1}t{t,1}f Erstbelastung"},
        {41, 0.0f, seite::kRot, "{g,1}t{t,1}f Ent- und Wiederbelastung"},
        {37, 0.0f, seite::kBlau, "{g,1}t{t,1}r"},
    };
    for (const Eintrag& e : eintraege) {
        g.LINIENEINSTELLUNGEN(0, e.breite, e.farbe);
        kurve(g, {5 * MX, 15 * MX}, {e.hoehe * MY, e.hoehe * MY}, QString::fromUtf8(e.text), 3);
    }
}

} // namespace

void AusgabeSeite::BILD12(int16_t ziel, float EXDL, float EYDO) {
    zeichneBild12(zielFuer(ziel, static_cast<int>(seite::Bildfeld::BILD12)), ziel == kDrucker, EXDL, EYDO);
}

void AusgabeSeite::zeichneBild12(DrawTarget* ziel, bool drucker, float EXDL, float EYDO) {
    const Selection bild12 = g0Zeile(12);
    const seite::BildRechteck& feld = seite::bildfeld(seite::Bildfeld::BILD12);
    int16_t GER = 0;
    bool ende = false;
    bool gerechnet = false;
    clsGRAFIK* g = nullptr;
    ErrorRunner runner(QStringLiteral("Bild 12"));
    runner.run({
        [&] {
            vorhanden(ziel);
            if (!drucker)
                ziel->clear();
            m_grafik12 = std::make_unique<clsGRAFIK>(m_kontext);
            g = m_grafik12.get();
        },
        [&] {
            if (m_BONEU)
                standardwerte(vorhanden(m_g0.get()), bild12);
        },
        [&] {
            // Same range as picture 11 and half of it upwards: equal scales on both axes.
            clsDATEN& g0 = vorhanden(m_g0.get());
            g0.DVTS(QStringLiteral("XMAX"), m_XMAX11, bild12);
            g0.DVTS(QStringLiteral("YMAX"), m_XMAX11 / 2.0f, bild12);
            g0.DVTS(QStringLiteral("MX"), 0.0f, bild12);
            g0.DVTS(QStringLiteral("MY"), 0.0f, bild12);
        },
        [&] {
            vorhanden(m_a1.get()).DTVI(QStringLiteral("GER"), GER);
            clsDATEN& e2 = vorhanden(m_e2.get());
            e2.DTVS(QStringLiteral("SI1"), m_SI1);
            e2.DTVS(QStringLiteral("SI2"), m_SI2);
        },
        [&] {
            clsGRAFIK& gr = vorhanden(g);
            gr.setEID(m_daten.ID);
            gr.setEIDOBJEKT(12);
            gr.setEOBJEKT(ziel);
            if (drucker) {
                gr.setEXDL(static_cast<float>(feld.leftMm()) + EXDL);
                gr.setEYDO(static_cast<float>(feld.topMm()) + EYDO);
                gr.setELX(static_cast<float>(feld.widthMm()));
                gr.setELY(static_cast<float>(feld.heightMm()));
                clsDATEN& g0 = vorhanden(m_g0.get());
                g0.DVTS(QStringLiteral("MX"), 0.0f, bild12);
                g0.DVTS(QStringLiteral("MY"), 0.0f, bild12);
            } else {
                gr.setEXDL(0);
                gr.setEYDO(0);
            }
        },
        [&] { achsen12(vorhanden(g), vorhanden(m_grafik11.get())); },
        [&] {
            clsGRAFIK& gr = vorhanden(g);
            gr.LINIENEINSTELLUNGEN(0, 0, seite::kSchwarz);
            gr.SCHRIFTEINSTELLUNGEN(QString(), 9, -1, 0, 0, 0);
            gr.TEXT(1, 1, QStringLiteral("Mohrsche Bruchkurven"), 2, 0, 0, 0);
            gr.SCHRIFTEINSTELLUNGEN(QString(), 8, 0, 0, 0, 0);
        },
        [&] {
            // Needs the compression curves of this drawing; their failure was reported by picture 11.
            if (!m_kompressionGueltig) {
                m_mohr = MohrResult{};
                return;
            }
            m_mohr = withRunErrors(
                [&] { return BRUCHKURVEN(mohrEingabe(), m_kompression, m_daten.SIV, m_mohr, m_meldungen); });
            gerechnet = true;
        },
        [&] {
            if (!gerechnet)
                return;
            clsGRAFIK& gr = vorhanden(g);
            gr.SKALEN(-1, m_kompression.SIG, m_mohr.TAUE);
            gr.LINIENEINSTELLUNGEN(0, 0.3f, seite::kSchwarz);
            kurve(gr, m_kompression.SIG, m_mohr.TAUE);
            gr.LINIENEINSTELLUNGEN(0, 0, seite::kBlau);
            kurve(gr, m_kompression.SIG, m_mohr.TAUR);
        },
        [&] {
            // A preloading stress above σ_max ends the picture after its branches, without a message.
            if (gerechnet)
                ende = zweige(vorhanden(g), m_mohr, GER, m_XMAX11);
        },
        [&] {
            if (!gerechnet || ende || GER != 1)
                return;
            clsGRAFIK& gr = vorhanden(g);
            gr.LINIENEINSTELLUNGEN(0, 0, seite::kGruen);
            if (m_mohr.E.state == FitState::Fitted)
                coulombLinie(gr, m_mohr.E, m_XMAX11);
            if (m_mohr.R.state == FitState::Fitted)
                coulombLinie(gr, m_mohr.R, m_XMAX11);
        },
        [&] {
            if (!gerechnet || ende)
                return;
            // The scales that the scale routine stored for this drawing.
            float MX = 0, MY = 0;
            clsDATEN& g0 = vorhanden(m_g0.get());
            g0.DTVS(QStringLiteral("MX"), MX, bild12);
            g0.DTVS(QStringLiteral("MY"), MY, bild12);
            legende(vorhanden(g), MX, MY);
        },
        [&] { g = nullptr; },
    });
}

} // namespace talur
