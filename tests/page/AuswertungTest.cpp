// The evaluation menu: enabled items by the current records, "&Berechnen" and "&Neuberechnen" with the
// page they load, the progress they show and the state they reset.
#include "graphics/clsGRAFIK.h"
#include "page/Auswertung.h"
#include "page/SeitenFixture.h"
#include "page/mdiSEITE1.h"

namespace talur::test {
namespace {

class AuswertungTest : public SeitenTest {
protected:
    AuswertungsUmgebung umgebung() {
        AuswertungsUmgebung u;
        u.fortschritt = [this](int w) { m_fortschritt.push_back(w); };
        u.fortschrittSichtbar = [this](bool s) { m_sichtbar.push_back(s); };
        u.beschaeftigt = [this](bool b) { m_beschaeftigt = b; };
        u.seiteErzeugen = [this] {
            m_seiten.push_back(std::make_unique<mdiSEITE1>(m_kontext));
            return m_seiten.back().get();
        };
        u.seiteZeigen = [this](mdiSEITE1& s) { m_gezeigt = &s; };
        u.befehlsfelderZeigen = [this](const QList<int>& f) { m_felder = f; };
        return u;
    }

    std::vector<int> m_fortschritt;
    std::vector<bool> m_sichtbar;
    bool m_beschaeftigt = false;
    std::vector<std::unique_ptr<mdiSEITE1>> m_seiten;
    mdiSEITE1* m_gezeigt = nullptr;
    QList<int> m_felder;
};

TEST_F(AuswertungTest, MenuStatesFollowTheCurrentRecords) {
    struct Fall {
        const char* name;
        std::vector<Datensatz> datensaetze;
        AuswertenMenue erwartet;
        bool a1Angelegt;
    };
    Datensatz nieAusgewertet, ausgewertet, neu, inaktiv, zweiter;
    nieAusgewertet.a1.reset();
    ausgewertet.a1 = A1Zeile{false, 0, 0};
    neu.a1 = A1Zeile{true, 0, 0};
    inaktiv.aktiv = false;
    zweiter.KEN = QStringLiteral("K2");
    const Fall faelle[] = {
        {"none current", {inaktiv}, {}, false},
        {"never evaluated", {nieAusgewertet}, {false, false, false, false, true}, true},
        {"evaluated", {ausgewertet}, {false, true, false, false, true}, false},
        {"reset pending", {neu}, {false, false, false, false, true}, false},
        {"two current", {ausgewertet, zweiter}, {}, false},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        for (const char* tabelle : {"E1", "E2", "E3", "A1"})
            ausfuehren(QStringLiteral("DELETE FROM %1").arg(QString::fromLatin1(tabelle)));
        m_naechsteId = 1;
        for (const Datensatz& d : fall.datensaetze)
            anlegen(d);
        const double a1Vorher = *wert(QStringLiteral("SELECT COUNT(*) FROM A1"));
        Auswertung auswertung(m_kontext, umgebung());
        EXPECT_EQ(auswertung.menueOeffnen(), fall.erwartet);
        if (fall.a1Angelegt) {
            EXPECT_EQ(wert(QStringLiteral("SELECT BONEU=1 FROM A1 WHERE ID=1")), 1);
            EXPECT_EQ(wert(QStringLiteral("SELECT COUNT(*) FROM A1")), 1);
        } else {
            EXPECT_EQ(wert(QStringLiteral("SELECT COUNT(*) FROM A1")), a1Vorher);
        }
        EXPECT_FALSE(m_beschaeftigt);
    }
    EXPECT_TRUE(m_dialoge.transcript().isEmpty()) << meldungen().join('\n').toStdString();
}

TEST_F(AuswertungTest, ComputeShowsThePageWithTheStoredSettings) {
    Datensatz d;
    d.SIV = {0.2f};
    d.a1 = A1Zeile{false, 0, 0};
    const int32_t id = anlegen(d);
    ausfuehren(QStringLiteral("INSERT INTO G0 (ID, IDOBJEKT, OX, OY, RL, RR, RO, RU, XMIN, MYMX, MX, MY) "
                              "VALUES (%1, 11, 1, -1, 20, 4.5, 10, 4, 0, 0, 0, 0)")
                   .arg(id));
    Auswertung auswertung(m_kontext, umgebung());
    const AuswertungsErgebnis e = auswertung.berechnen();
    EXPECT_TRUE(e.seiteGezeigt);
    EXPECT_TRUE(e.geaendert);
    EXPECT_TRUE(e.dateiMenueAus);
    ASSERT_EQ(m_seiten.size(), 1u);
    EXPECT_EQ(m_gezeigt, m_seiten.front().get());
    EXPECT_EQ(m_felder, (QList<int>{10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(m_fortschritt, (std::vector<int>{5, 20, 50, 65, 70, 80, 90, 100, 100, 0}));
    EXPECT_EQ(m_sichtbar, (std::vector<bool>{true, false}));
    EXPECT_FALSE(m_beschaeftigt);
    EXPECT_EQ(g0(id, 11, "RL"), 20);
    EXPECT_EQ(m_gezeigt->seite().daten().KEN, QStringLiteral("K1"));
}

TEST_F(AuswertungTest, RecomputeResetsDisplayOptionsAndGraphicSettings) {
    Datensatz d;
    d.SIV = {0.2f, 0.5f};
    d.a1 = A1Zeile{false, 2, 1};
    const int32_t id = anlegen(d);
    // Settings of an earlier evaluation with the void-ratio axis, then customised.
    ausfuehren(QStringLiteral("INSERT INTO G0 (ID, IDOBJEKT, OX, OY, RL, RR, RO, RU, XMIN, MYMX, MX, MY) VALUES "
                              "(%1, 11, -1, 1, 25, 9, 9, 9, 0.2, 0, 0.01, 0.002), "
                              "(%1, 12, -1, -1, 25, 9, 9, 9, 0.2, 3, 0.01, 0.002)")
                   .arg(id));
    Auswertung auswertung(m_kontext, umgebung());
    const AuswertungsErgebnis e = auswertung.neuberechnen();
    EXPECT_TRUE(e.seiteGezeigt);
    EXPECT_TRUE(m_dialoge.transcript().isEmpty()) << meldungen().join('\n').toStdString();

    // One fresh A1 row: evaluated, without display options.
    EXPECT_EQ(wert(QStringLiteral("SELECT COUNT(*) FROM A1 WHERE ID=%1").arg(id)), 1);
    EXPECT_EQ(wert(QStringLiteral("SELECT BONEU=1 FROM A1 WHERE ID=%1").arg(id)), 0);
    EXPECT_EQ(wert(QStringLiteral("SELECT EPSE FROM A1 WHERE ID=%1").arg(id)), std::nullopt);
    EXPECT_EQ(wert(QStringLiteral("SELECT GER FROM A1 WHERE ID=%1").arg(id)), std::nullopt);

    // Defaults again, strains downwards, and scales derived anew.
    for (int bild : {11, 12}) {
        EXPECT_EQ(g0(id, bild, "OX"), 1) << bild;
        EXPECT_EQ(g0(id, bild, "RL"), 10) << bild;
        EXPECT_EQ(g0(id, bild, "RR"), 4.5) << bild;
        EXPECT_EQ(g0(id, bild, "XMIN"), 0) << bild;
    }
    EXPECT_EQ(g0(id, 11, "OY"), -1);
    EXPECT_EQ(g0(id, 12, "MYMX"), 1);
    const clsGRAFIK* bild11 = m_gezeigt->seite().grafik(11);
    ASSERT_NE(bild11, nullptr);
    EXPECT_NE(g0(id, 11, "MY"), 0.002);
    EXPECT_TRUE(m_gezeigt->seite().mohr().branchLines.size() == 2);

    EXPECT_EQ(m_fortschritt.front(), 0); // the calculation object sets the bar back first
    EXPECT_EQ(m_fortschritt.back(), 0);
    EXPECT_EQ(m_sichtbar, (std::vector<bool>{true, false}));
    EXPECT_EQ(m_felder, (QList<int>{10, 11, 12, 13, 14, 15}));

    // Afterwards "&Berechnen" is available.
    EXPECT_EQ(auswertung.menueOeffnen(), (AuswertenMenue{false, true, false, false, true}));
}

TEST_F(AuswertungTest, RecomputeWithoutCurrentRecordDoesNothing) {
    Datensatz d;
    d.aktiv = false;
    anlegen(d);
    Auswertung auswertung(m_kontext, umgebung());
    const AuswertungsErgebnis e = auswertung.neuberechnen();
    EXPECT_FALSE(e.seiteGezeigt);
    EXPECT_FALSE(e.geaendert);
    EXPECT_TRUE(m_seiten.empty());
    EXPECT_EQ(wert(QStringLiteral("SELECT COUNT(*) FROM A1 WHERE ID=0")), 0);
    EXPECT_EQ(m_sichtbar, (std::vector<bool>{true, false}));
}

// A failing handler reports under its menu caption in the user's language with the English prefix;
// Cancel leaves it without a page, with the progress bar hidden and nothing marked as changed.
TEST_F(AuswertungTest, FailuresAreReportedUnderTheMenuCaptionAndCancelStops) {
    enum class Befehl { Menue, Berechnen, Neuberechnen };
    struct Fall {
        Befehl befehl;
        int sprache;
        const char* titel;
    };
    const Fall faelle[] = {
        {Befehl::Menue, 3, "&Auswerten"},        {Befehl::Menue, 1, "&Evaluate"},
        {Befehl::Berechnen, 3, "&Berechnen"},    {Befehl::Berechnen, 1, "&Calculate"},
        {Befehl::Neuberechnen, 3, "&Neuberechnen"}, {Befehl::Neuberechnen, 1, "Calculate &First"},
    };
    Datensatz d;
    d.a1 = A1Zeile{false, 0, 0};
    anlegen(d);
    // Reading or resetting the evaluation state fails without its table.
    ausfuehren(QStringLiteral("DROP TABLE A1"));
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        m_kontext.setLanguage(fall.sprache, QStringLiteral(","));
        m_dialoge.clearTranscript();
        m_dialoge.queueAnswer(MsgAnswer::Cancel);
        m_sichtbar.clear();
        AuswertungsUmgebung u = umgebung();
        // Compute does not read the state; its page cannot be made instead.
        u.seiteErzeugen = [] { return static_cast<mdiSEITE1*>(nullptr); };
        Auswertung auswertung(m_kontext, u);
        AuswertungsErgebnis e;
        if (fall.befehl == Befehl::Menue)
            auswertung.menueOeffnen();
        else
            e = fall.befehl == Befehl::Berechnen ? auswertung.berechnen() : auswertung.neuberechnen();
        ASSERT_EQ(m_dialoge.transcript().size(), 1) << meldungen().join('\n').toStdString();
        EXPECT_EQ(m_dialoge.transcript().first().title, QString::fromUtf8(fall.titel));
        EXPECT_TRUE(m_dialoge.transcript().first().text.startsWith(QStringLiteral("VB-Error: ")));
        EXPECT_FALSE(m_beschaeftigt);
        EXPECT_FALSE(e.seiteGezeigt);
        EXPECT_FALSE(e.geaendert);
        EXPECT_FALSE(e.dateiMenueAus);
        if (fall.befehl != Befehl::Menue) {
            ASSERT_FALSE(m_sichtbar.empty());
            EXPECT_FALSE(m_sichtbar.back());
        }
    }
    EXPECT_TRUE(m_seiten.empty());
}

} // namespace
} // namespace talur::test
