// The parameter tables of the page: table 17's rows and scrolling, the residual "-", and that the printed
// sheet shows the same rows as the screen.
#include "graphics/clsTABELLE.h"
#include "page/SeitenFixture.h"
#include "page/SeitenLayout.h"
#include "platform/core/NumberFormat.h"

#include <cmath>

namespace talur::test {
namespace {

class SeiteTabellen : public SeitenTest {
protected:
    std::unique_ptr<AusgabeSeite> laden(Aufzeichnungen& a) {
        auto s = std::make_unique<AusgabeSeite>(m_kontext, a.flaechen());
        s->laden();
        return s;
    }

    // The texts drawn in a horizontal band of a recording (one table row), left to right.
    static QStringList zeile(const RecordingTarget& ziel, double oben, double unten, double links, double rechts) {
        QList<Primitive> treffer;
        for (const Primitive& p : seitDemLoeschen(ziel))
            if (p.kind == Primitive::Kind::Text && p.y1 >= oben && p.y1 < unten && p.x1 >= links && p.x1 < rechts)
                treffer << p;
        std::sort(treffer.begin(), treffer.end(), [](const Primitive& a, const Primitive& b) { return a.x1 < b.x1; });
        QStringList texte;
        for (const Primitive& p : treffer)
            texte << p.shown;
        return texte;
    }

    // A text drawn since the target was last cleared.
    static std::optional<Primitive> text(const RecordingTarget& ziel, const QString& t, double linksAb = 0,
                                         double bis = 1e9) {
        for (const Primitive& p : seitDemLoeschen(ziel))
            if (p.kind == Primitive::Kind::Text && p.shown == t && p.x1 >= linksAb && p.x1 < bis)
                return p;
        return std::nullopt;
    }
};

TEST_F(SeiteTabellen, EachTableSitsInItsBoxWithItsTitleAndHead) {
    Datensatz d;
    d.SIV = {0.2f};
    anlegen(d);
    Aufzeichnungen a;
    auto s = laden(a);
    struct Fall {
        int bild;
        int box;
        double links, oben; // ERL, ERO
        const char* titel;  // "" for none
        const char* kopf;   // the first head cell drawn as text
    } faelle[] = {
        {13, 2, 2.5, 7, "Ohdesche Parameter", "[MN/m²]"},
        {14, 2, 62, 7, "Bezugswerte", "[-]"},
        {15, 3, 2.5, 7, "Mohrsche Scherparameter", "[°]"},
        {16, 3, 62, 7, "Bezugswerte", "[-]"},
        {17, 4, 2.5, 7, "Coulombsche Scherparameter", "[kN/m²]"},
        {18, 4, 62, 7, "", "[kN/m²]"},
        {19, 4, 62, 36, "Spannungsgrenzen", "[MN/m²]"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.bild);
        const QList<Primitive> box = seitDemLoeschen(a.bild(f.box));
        // The outer outline of the head block starts 0.5 mm outside the table's corner.
        bool rahmen = false;
        for (const Primitive& p : box)
            rahmen = rahmen || (p.kind == Primitive::Kind::Box && std::abs(p.x1 - (f.links - 0.5)) < 1e-3 &&
                                std::abs(p.y1 - (f.oben - 0.5)) < 1e-3);
        EXPECT_TRUE(rahmen);
        if (*f.titel) {
            const std::optional<Primitive> titel = text(a.bild(f.box), QString::fromUtf8(f.titel), f.links - 0.01,
                                                        f.links + 0.01);
            ASSERT_TRUE(titel.has_value());
            EXPECT_LT(titel->y1, f.oben);
            EXPECT_TRUE(titel->font.bold);
            EXPECT_EQ(titel->font.size, 9);
        }
        bool kopf = false;
        for (const Primitive& p : box)
            kopf = kopf || (p.kind == Primitive::Kind::Text && p.shown == QString::fromUtf8(f.kopf) &&
                            p.x1 > f.links && p.y1 > f.oben && p.y1 < f.oben + 15);
        EXPECT_TRUE(kopf);
        const clsTABELLE* t = s->tabellenObjekt(f.bild);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->ERL(), static_cast<float>(f.links));
        EXPECT_EQ(t->ERO(), static_cast<float>(f.oben));
    }
    // Table 18 has no title of its own.
    EXPECT_FALSE(text(a.bild(4), QStringLiteral("Bezugswerte")).has_value());
}

TEST_F(SeiteTabellen, CoulombTableHasOneRowPerPreloadingStressAfterTheFirstLoadingRow) {
    Datensatz d;
    d.SIV = {0.2f, 0.4f, 0.6f};
    anlegen(d);
    Aufzeichnungen a;
    auto s = laden(a);
    const clsTABELLE* t17 = s->tabellenObjekt(17);
    ASSERT_NE(t17, nullptr);
    EXPECT_EQ(t17->EEZ(), 0);
    EXPECT_EQ(t17->ELZ(), 3);
    EXPECT_FALSE(a.balken->isVisibleTo(&a.halter));

    // Column 1 of table 17 (left 2.5 mm, 15 mm wide): σ_A first, then the preloading stresses downwards.
    const std::optional<Primitive> sia = text(a.bild(4), QStringLiteral("0,01"), 2.5, 17.5);
    ASSERT_NE(sia, std::nullopt);
    double vorher = sia->y1;
    for (const char* siv : {"0,20", "0,40", "0,60"}) {
        const std::optional<Primitive> p = text(a.bild(4), QString::fromLatin1(siv), 2.5, 17.5);
        ASSERT_NE(p, std::nullopt) << siv;
        EXPECT_GT(p->y1, vorher) << siv;
        vorher = p->y1;
    }
    // The first-loading row carries c'_E and φ'_E of this run.
    const QStringList erste = zeile(a.bild(4), sia->y1 - 0.1, sia->y1 + 0.1, 0, 50);
    ASSERT_EQ(erste.size(), 3) << erste.join(" | ").toStdString();
    EXPECT_EQ(erste[1], formatNumber(s->mohr().E.c, QStringLiteral("#0.00")));
    EXPECT_EQ(erste[2], formatNumber(s->mohr().E.phi, QStringLiteral("#0.00")));
}

TEST_F(SeiteTabellen, FirstPreloadingStressZeroLeavesTheRowsEmpty) {
    Datensatz d;
    d.SIV = {0.0f, 0.4f};
    anlegen(d);
    Aufzeichnungen a;
    auto s = laden(a);
    const TabellenInhalt t = tabellenInhalt(17, s->daten(), s->tabellenErgebnisse());
    ASSERT_EQ(t.koerper.size(), 3u);
    for (size_t r = 1; r < 3; ++r)
        for (const Variant& zelle : t.koerper[r])
            EXPECT_EQ(zelle.toText(), QString());
    EXPECT_EQ(text(a.bild(4), QStringLiteral("0,40"), 2.5, 17.5), std::nullopt);
}

TEST_F(SeiteTabellen, ResidualRowShowsADashForTheMissingCoefficient) {
    Datensatz d;
    d.SIV = {0.2f};
    anlegen(d);
    Aufzeichnungen a;
    laden(a);
    // Table 15 in picBILD14: columns 10, 15, 15, 15 mm from 2.5 mm; b is centred at 35 mm.
    const std::optional<Primitive> strich = text(a.bild(3), QStringLiteral("-"));
    ASSERT_NE(strich, std::nullopt);
    EXPECT_NEAR(strich->x1 + RecordingTarget::textWidthFor(strich->font, QStringLiteral("-")) / 2, 35.0, 1e-6);
    const QStringList rest = zeile(a.bild(3), strich->y1 - 0.1, strich->y1 + 0.1, 0, 62);
    EXPECT_EQ(rest, (QStringList{QStringLiteral("20,00"), QStringLiteral("-"), QStringLiteral("-1,00")}));
}

TEST_F(SeiteTabellen, LongCoulombTableScrollsAndPrintsTheRowsInView) {
    Datensatz d;
    for (int i = 1; i <= 19; ++i)
        d.SIV.push_back(0.05f * i);
    anlegen(d);
    Aufzeichnungen a;
    auto s = laden(a);
    ASSERT_TRUE(a.balken->isVisibleTo(&a.halter));
    EXPECT_EQ(s->tabellenObjekt(17)->EEZ(), 0);
    EXPECT_LT(s->tabellenObjekt(17)->ELZ(), 19);

    a.balken->setValue(a.balken->maximum());
    s->BILD17();
    s->BILD18();
    s->BILD19();
    const int erste = s->tabellenObjekt(17)->EEZ();
    const int letzte = s->tabellenObjekt(17)->ELZ();
    EXPECT_GT(erste, 0);
    EXPECT_EQ(letzte, 19);
    EXPECT_NE(text(a.bild(4), QStringLiteral("0,95"), 2.5, 17.5), std::nullopt);
    EXPECT_EQ(text(a.bild(4), QStringLiteral("0,05"), 2.5, 17.5), std::nullopt);

    RecordingTarget blatt(297, 210);
    blatt.setKind(TargetKind::Printer);
    Druckauftrag auftrag;
    auftrag.ziel = &blatt;
    ASSERT_TRUE(s->druckblatt(auftrag));
    EXPECT_EQ(s->tabellenObjekt(17)->EEZ(), erste);
    EXPECT_EQ(s->tabellenObjekt(17)->ELZ(), letzte);
    // On the sheet, picBILD15 sits at 135 + 19 mm from the left.
    const double links = seite::bildfeld(seite::Bildfeld::BILD15).leftMm() + 19;
    EXPECT_NE(text(blatt, QStringLiteral("0,95"), links + 2.5, links + 17.5), std::nullopt);
    EXPECT_EQ(text(blatt, QStringLiteral("0,05"), links + 2.5, links + 17.5), std::nullopt);
}

} // namespace
} // namespace talur::test
