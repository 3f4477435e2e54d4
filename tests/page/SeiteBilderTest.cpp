// The diagrams of the output page on recording surfaces: which curves, axis titles, branches, the
// "Sigma max" stop, Coulomb lines and legend, and the graphic settings in G0.
#include "curves/Compression.h"
#include "graphics/clsGRAFIK.h"
#include "graphics/clsTABELLE.h"
#include "page/SeitenFarben.h"
#include "page/SeitenFixture.h"

#include <cmath>

namespace talur::test {
namespace {

using seite::kBlau;
using seite::kGruen;
using seite::kRot;
using seite::kSchwarz;

class SeiteBilder : public SeitenTest {
protected:
    std::unique_ptr<AusgabeSeite> laden(Aufzeichnungen& a) {
        auto s = std::make_unique<AusgabeSeite>(m_kontext, a.flaechen());
        s->setJetzt([] { return QDateTime(QDate(2024, 3, 5), QTime(14, 30)); });
        s->laden();
        return s;
    }

    // Is the world point of picture `bild` an end point of one of the lines?
    static bool aufLinie(AusgabeSeite& s, int bild, const QList<Primitive>& linien, float x, float y) {
        float xp = 0, yp = 0;
        s.grafik(bild)->KOORDTRANS(x, y, xp, yp);
        for (const Primitive& l : linien)
            if ((std::abs(l.x1 - xp) < 1e-3 && std::abs(l.y1 - yp) < 1e-3) ||
                (std::abs(l.x2 - xp) < 1e-3 && std::abs(l.y2 - yp) < 1e-3))
                return true;
        return false;
    }

    static CompressionResult rechnen(const Datensatz& d) {
        CompressionInput in;
        in.A1 = d.A1, in.C1S = d.C1S, in.C1 = d.C1, in.A2 = d.A2, in.C2S = d.C2S, in.C2 = d.C2;
        in.SIBK = d.SIBK, in.SI0 = d.SI0, in.E0 = d.E0, in.SIA = d.SIA, in.SIMAX = d.SIMAX, in.N = d.N;
        CollectingMessageSink sink;
        return KOMPRESSION(in, sink);
    }
};

TEST_F(SeiteBilder, RecordWithoutPreloadingStressesDrawsNoBranches) {
    Datensatz d;
    d.SIV = {};
    anlegen(d);
    Aufzeichnungen a;
    auto s = laden(a);
    EXPECT_EQ(s->daten().e3Zeilen, 0);
    EXPECT_EQ(s->daten().SIV, std::vector<float>{0.0f});
    EXPECT_TRUE(linienInFarbe(a.bild(0), kRot).isEmpty());
    // In picture 12 only the legend's red entry, 10 mm long.
    const QList<Primitive> rot12 = linienInFarbe(a.bild(1), kRot);
    ASSERT_EQ(rot12.size(), 1);
    EXPECT_NEAR(std::abs(rot12.first().x2 - rot12.first().x1), 10.0, 1e-3);
    EXPECT_FALSE(linienInFarbe(a.bild(1), kBlau).isEmpty()); // the residual curve is there
    EXPECT_EQ(s->tabellenObjekt(17)->ELZ(), 0);             // only the first-loading row
    EXPECT_TRUE(meldungen().isEmpty()) << meldungen().join('\n').toStdString();
}

TEST_F(SeiteBilder, StrainMeasureChoosesAxisTitleDirectionAndSeries) {
    struct Fall {
        int16_t EPSE;
        const char* titel;
        int OY;
    } faelle[] = {{0, "ε [%]", -1}, {1, "ε' [%]", -1}, {2, "e [-]", 1}};
    for (const Fall& fall : faelle) {
        m_naechsteId = 1;
        ausfuehren(QStringLiteral("DELETE FROM E1"));
        ausfuehren(QStringLiteral("DELETE FROM E2"));
        ausfuehren(QStringLiteral("DELETE FROM E3"));
        ausfuehren(QStringLiteral("DELETE FROM G0"));
        Datensatz d;
        d.SIV = {0.2f, 0.5f};
        d.a1 = A1Zeile{true, fall.EPSE, 0};
        const int32_t id = anlegen(d);
        Aufzeichnungen a;
        auto s = laden(a);
        SCOPED_TRACE(fall.EPSE);
        EXPECT_EQ(g0(id, 11, "OY"), fall.OY);
        EXPECT_TRUE(gezeigteTexte(a.bild(0)).contains(QString::fromUtf8(fall.titel)))
            << gezeigteTexte(a.bild(0)).join(" | ").toStdString();

        const CompressionResult r = rechnen(d);
        std::vector<float> konventionell = r.EPSK, natuerlich = r.EPSN, poren = r.EPOR;
        for (float& v : natuerlich)
            v *= 100.0f;
        const std::vector<float>* reihen[] = {&konventionell, &natuerlich, &poren};
        const QList<Primitive> schwarz = linienInFarbe(a.bild(0), kSchwarz);
        for (int reihe = 0; reihe < 3; ++reihe) {
            const float y = (*reihen[reihe])[60];
            EXPECT_EQ(aufLinie(*s, 11, schwarz, r.SIG[60], y), reihe == fall.EPSE) << "series " << reihe;
        }
        // Every branch ends on the drawn first-loading curve at its preloading stress.
        const QList<Primitive> rot = linienInFarbe(a.bild(0), kRot);
        CollectingMessageSink sink;
        const StrainMeasure mass = fall.EPSE == 1 ? StrainMeasure::Natural : StrainMeasure::Conventional;
        for (float siv : d.SIV) {
            const std::optional<Branch> b = ENTLASTUNG(r, siv, mass, sink);
            ASSERT_TRUE(b.has_value());
            const float y = fall.EPSE == 2 ? b->voidRatio.back() : b->strain.back();
            EXPECT_TRUE(aufLinie(*s, 11, rot, b->stress.back(), y)) << siv;
            EXPECT_TRUE(aufLinie(*s, 11, rot, b->stress.front(), fall.EPSE == 2 ? b->voidRatio.front()
                                                                                 : b->strain.front()))
                << siv;
        }
    }
}

TEST_F(SeiteBilder, PreloadingStressAboveSigmaMaxStopsBothDiagrams) {
    Datensatz d;
    d.SIMAX = 0.8f;
    d.SIV = {0.3f, 1.25f, 0.5f};
    d.a1 = A1Zeile{true, 0, 1};
    anlegen(d);
    Aufzeichnungen a;
    auto s = laden(a);

    ASSERT_EQ(m_dialoge.transcript().size(), 1) << meldungen().join('\n').toStdString();
    const DialogRecord& box = m_dialoge.transcript().first();
    EXPECT_EQ(box.title, QStringLiteral("Sigma max"));
    EXPECT_EQ(box.text, QStringLiteral("Sigma max (0,8) muß größer oder gleich Sigma v (1,25) sein."));
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);

    // Picture 11: only the first branch, which ends at 0.3.
    float xp = 0, yp = 0;
    s->grafik(11)->KOORDTRANS(0.3f, 0.0f, xp, yp);
    const QList<Primitive> rot11 = linienInFarbe(a.bild(0), kRot);
    ASSERT_FALSE(rot11.isEmpty());
    for (const Primitive& l : rot11)
        EXPECT_LE(std::max(l.x1, l.x2), xp + 1e-3);

    // Picture 12: curves, the first branch with its Coulomb line, and nothing after the stop: no
    // first-loading or residual line and no legend.
    EXPECT_FALSE(linienInFarbe(a.bild(1), kRot).isEmpty());
    const QList<Primitive> gruen = linienInFarbe(a.bild(1), kGruen);
    ASSERT_EQ(gruen.size(), 1);
    const CoulombLine erste = s->mohr().branchLines.at(0);
    ASSERT_EQ(erste.state, FitState::Fitted);
    EXPECT_TRUE(aufLinie(*s, 12, gruen, 0.0f, erste.c / 1000.0f));
    for (const QString& t : gezeigteTexte(a.bild(1)))
        EXPECT_FALSE(t.contains(QStringLiteral("Erstbelastung"))) << t.toStdString();

    // Table 17: the rows of the stopped stresses show no Coulomb values.
    const TabellenInhalt t17 = tabellenInhalt(17, s->daten(), s->tabellenErgebnisse());
    ASSERT_EQ(t17.koerper.size(), 4u);
    EXPECT_EQ(t17.koerper[1][1].type(), Variant::Type::Single);
    for (size_t zeile : {2u, 3u}) {
        EXPECT_EQ(t17.koerper[zeile][0].toSingle(), d.SIV[zeile - 1]);
        EXPECT_EQ(t17.koerper[zeile][1].toText(), QStringLiteral("-"));
        EXPECT_EQ(t17.koerper[zeile][2].toText(), QStringLiteral("-"));
    }
}

TEST_F(SeiteBilder, CoulombLinesOnlyWhenAskedForAndAcrossTheWholeAxis) {
    for (int16_t GER : {int16_t(0), int16_t(1)}) {
        m_naechsteId = 1;
        ausfuehren(QStringLiteral("DELETE FROM E1"));
        ausfuehren(QStringLiteral("DELETE FROM E2"));
        ausfuehren(QStringLiteral("DELETE FROM E3"));
        Datensatz d;
        d.SIV = {0.2f, 0.5f};
        d.a1 = A1Zeile{true, 0, GER};
        anlegen(d);
        Aufzeichnungen a;
        auto s = laden(a);
        SCOPED_TRACE(GER);
        const QList<Primitive> gruen = linienInFarbe(a.bild(1), kGruen);
        if (GER == 0) {
            EXPECT_TRUE(gruen.isEmpty());
        } else {
            // Two branch lines, first loading and residual state, each from σ = 0 to the axis end.
            ASSERT_EQ(gruen.size(), 4);
            const QRectF box = s->grafik(12)->plotBox();
            for (const Primitive& l : gruen) {
                EXPECT_NEAR(std::min(l.x1, l.x2), box.left(), 1e-3);
                EXPECT_LE(std::max(l.x1, l.x2), box.right() + 1e-3);
            }
        }
        const QStringList texte = gezeigteTexte(a.bild(1));
        for (const char* eintrag : {"τf Erstbelastung", "τf Ent- und Wiederbelastung", "τr"})
            EXPECT_TRUE(texte.contains(QString::fromUtf8(eintrag))) << eintrag << texte.join(" | ").toStdString();
        // The fits are computed either way for the tables.
        EXPECT_EQ(s->mohr().E.state, FitState::Fitted);
        EXPECT_EQ(s->mohr().branchLines.size(), 2u);
    }
}

TEST_F(SeiteBilder, DefaultSettingsAreStoredOnResetAndKeptAfterwards) {
    Datensatz d;
    d.SIV = {0.2f};
    d.a1 = A1Zeile{true, 0, 0};
    const int32_t id = anlegen(d);
    Aufzeichnungen a;
    auto s = laden(a);
    struct Wert {
        int bild;
        const char* spalte;
        double wert;
    } standard[] = {{11, "OX", 1},  {11, "OY", -1},  {11, "RL", 10},   {11, "RR", 4.5}, {11, "RO", 10},
                    {11, "RU", 4},  {11, "MYMX", 0}, {11, "XMIN", 0},  {12, "OX", 1},   {12, "OY", 1},
                    {12, "RL", 10}, {12, "RR", 4.5}, {12, "RO", 9.5},  {12, "RU", 11},  {12, "MYMX", 1},
                    {12, "XMIN", 0}, {12, "YMIN", 0}};
    for (const Wert& w : standard)
        EXPECT_EQ(g0(id, w.bild, w.spalte), w.wert) << w.bild << " " << w.spalte;
    EXPECT_FALSE(s->BONEU());
    // Picture 12 spans picture 11's stress range and half of it upwards.
    EXPECT_EQ(g0(id, 12, "XMAX"), g0(id, 11, "XMAX"));
    EXPECT_NEAR(*g0(id, 12, "YMAX"), *g0(id, 11, "XMAX") / 2, 1e-6);
    EXPECT_GT(*g0(id, 12, "MX"), 0); // derived again by the scale routine

    // Settings the user stored survive a redraw and a new load of an evaluated record.
    ausfuehren(QStringLiteral("UPDATE G0 SET RL=20 WHERE ID=%1").arg(id));
    s->BILD11();
    s->BILD12();
    EXPECT_EQ(g0(id, 11, "RL"), 20);
    a1Setzen(id, A1Zeile{false, 0, 0});
    Aufzeichnungen b;
    laden(b);
    EXPECT_EQ(g0(id, 11, "RL"), 20);
    EXPECT_EQ(g0(id, 12, "RL"), 20);
    EXPECT_EQ(wert(QStringLiteral("SELECT COUNT(*) FROM G0 WHERE ID=%1").arg(id)), 2);
}

} // namespace
} // namespace talur::test
