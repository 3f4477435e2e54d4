// The page frame on the screen, the page options, and printing: header and footer, placement of the
// pictures on the sheet, the screen after printing, and a cancelled print job.
#include "page/SeitenFarben.h"
#include "page/SeitenFixture.h"

#include <cmath>

namespace talur::test {
namespace {

class SeiteRahmenDruck : public SeitenTest {
protected:
    void SetUp() override {
        SeitenTest::SetUp();
        Datensatz d;
        d.KEN = QStringLiteral("BS-12");
        d.KOM = QStringLiteral("Ton, steif");
        d.SIV = {0.2f, 0.5f};
        d.a1 = A1Zeile{true, 0, 1};
        anlegen(d);
        m_seite = std::make_unique<AusgabeSeite>(m_kontext, m_a.flaechen());
        m_seite->setJetzt([] { return QDateTime(QDate(2024, 3, 5), QTime(14, 30)); });
        m_seite->laden();
    }

    static bool hatText(const QList<Primitive>& liste, const QString& text) {
        for (const Primitive& p : liste)
            if (p.kind == Primitive::Kind::Text && p.text == text)
                return true;
        return false;
    }

    // A comparable form of what a target shows.
    static QStringList signatur(const QList<Primitive>& liste) {
        QStringList s;
        for (const Primitive& p : liste)
            s << QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                     .arg(int(p.kind))
                     .arg(p.x1, 0, 'f', 4)
                     .arg(p.y1, 0, 'f', 4)
                     .arg(p.x2, 0, 'f', 4)
                     .arg(p.y2, 0, 'f', 4)
                     .arg(p.color)
                     .arg(p.text);
        return s;
    }

    Aufzeichnungen m_a;
    std::unique_ptr<AusgabeSeite> m_seite;
};

TEST_F(SeiteRahmenDruck, ScreenFrameCarriesRecordProjectAndPerson) {
    const QList<Primitive> rahmen = seitDemLoeschen(m_a.seite);
    for (const char* text : {"Verolan Sedimo", "Datensatz BS-12", "Ton, steif", "Projekt TE0000.00", "Seite 1/1",
                             "Bearbeiter: Dr. Weber", "05.03.24", "14:30"})
        EXPECT_TRUE(hatText(rahmen, QString::fromUtf8(text))) << text;
    // On the screen the header starts 7.5 mm from the top and the footer ends 7.5 mm above the bottom.
    for (const Primitive& p : rahmen) {
        if (p.text == QStringLiteral("Verolan Sedimo")) {
            EXPECT_NEAR(p.y1, 7.5, 1e-9);
        }
        if (p.text == QStringLiteral("Bearbeiter: Dr. Weber")) {
            EXPECT_NEAR(p.y1 + RecordingTarget::textHeightFor(p.font), 210 - 7.5, 1e-9);
        }
    }
}

TEST_F(SeiteRahmenDruck, PageOptionsRedrawWithoutFrameOrNumbering) {
    m_seite->KONTEXT(false, false);
    EXPECT_TRUE(seitDemLoeschen(m_a.seite).isEmpty());
    EXPECT_FALSE(seitDemLoeschen(m_a.bild(0)).isEmpty());
    EXPECT_FALSE(seitDemLoeschen(m_a.bild(4)).isEmpty());

    m_seite->KONTEXT(true, false);
    const QList<Primitive> rahmen = seitDemLoeschen(m_a.seite);
    EXPECT_TRUE(hatText(rahmen, QStringLiteral("Projekt TE0000.00")));
    EXPECT_FALSE(hatText(rahmen, QStringLiteral("Seite 1/1")));
}

TEST_F(SeiteRahmenDruck, PrintedSheetPlacesFrameAndPicturesAndLeavesTheScreenAsItWas) {
    std::array<QStringList, 5> vorher;
    for (int i = 0; i < 5; ++i)
        vorher[i] = signatur(seitDemLoeschen(m_a.bild(i)));
    for (int i = 0; i < 5; ++i)
        m_a.bild(i).reset();

    RecordingTarget blatt(297, 210);
    blatt.setKind(TargetKind::Printer);
    bool eingerichtet = false, beendet = false;
    Druckauftrag auftrag;
    auftrag.ziel = &blatt;
    auftrag.einrichten = [&] { eingerichtet = true; };
    auftrag.beenden = [&] { beendet = true; };
    ASSERT_TRUE(m_seite->DRUCKEN(auftrag));
    EXPECT_TRUE(eingerichtet);
    EXPECT_TRUE(beendet);

    const QList<Primitive>& alles = blatt.primitives();
    EXPECT_TRUE(hatText(alles, QStringLiteral("Datensatz BS-12")));
    // Printer margins are 15 mm on every side.
    for (const Primitive& p : alles) {
        if (p.text == QStringLiteral("Verolan Sedimo")) {
            EXPECT_NEAR(p.y1, 15, 1e-9);
        }
    }
    // Diagrams at 15 mm from the left, 40 to 177 mm from the top; tables from 154 mm.
    for (const Primitive& p : blatt.lines()) {
        const double x = std::min(p.x1, p.x2), rechts = std::max(p.x1, p.x2);
        const double y = std::min(p.y1, p.y2), unten = std::max(p.y1, p.y2);
        if (rechts <= 130 + 1e-6) {
            EXPECT_GE(x, 15 - 1e-6);
            EXPECT_GE(y, 40 - 1e-6);
            EXPECT_LE(unten, 177 + 1e-6);
        } else {
            EXPECT_GE(x, 154 - 1e-6) << x << " " << y;
            EXPECT_LE(rechts, 274 + 1e-6);
            EXPECT_GE(y, 40 - 1e-6);
            EXPECT_LE(unten, 179 + 1e-6);
        }
    }
    EXPECT_FALSE(linienInFarbe(blatt, seite::kRot).isEmpty());

    // The screen pictures were drawn again, exactly as before. Tables 13 to 16 are not cleared first.
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(signatur(seitDemLoeschen(m_a.bild(i))), vorher[i]) << "picture box " << i;
}

TEST_F(SeiteRahmenDruck, SheetWithoutFrameWhenTheFrameIsSwitchedOff) {
    m_seite->KONTEXT(false, true);
    RecordingTarget blatt(297, 210);
    blatt.setKind(TargetKind::Printer);
    Druckauftrag auftrag;
    auftrag.ziel = &blatt;
    ASSERT_TRUE(m_seite->druckblatt(auftrag));
    EXPECT_FALSE(hatText(blatt.primitives(), QStringLiteral("Datensatz BS-12")));
    EXPECT_FALSE(hatText(blatt.primitives(), QStringLiteral("Projekt TE0000.00")));
    EXPECT_FALSE(blatt.lines().isEmpty());
}

TEST_F(SeiteRahmenDruck, CancelAfterAPrintErrorKillsTheJobAndKeepsTheScreen) {
    for (int i = 0; i < 5; ++i)
        m_a.bild(i).reset();
    bool abgebrochen = false, beendet = false;
    Druckauftrag auftrag; // no sheet: the first step fails
    auftrag.beenden = [&] { beendet = true; };
    auftrag.abbrechen = [&] { abgebrochen = true; };
    m_dialoge.clearTranscript();
    m_dialoge.queueAnswer(MsgAnswer::Cancel);
    EXPECT_FALSE(m_seite->DRUCKEN(auftrag));
    EXPECT_TRUE(abgebrochen);
    EXPECT_FALSE(beendet);
    ASSERT_EQ(m_dialoge.transcript().size(), 1);
    EXPECT_EQ(m_dialoge.transcript().first().title, QStringLiteral("Drucken von Seite 1"));
    EXPECT_TRUE(m_dialoge.transcript().first().text.startsWith(QStringLiteral("VB-Fehler: 91\n")));
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(m_a.bild(i).primitives().isEmpty()) << i;
}

} // namespace
} // namespace talur::test
