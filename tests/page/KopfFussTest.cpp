// Header and footer: identifier line with its cut, positions of the header and footer texts, page
// numbering, margins by name, date and time.
#include "page/clsKOPFFUSS.h"
#include "platform/core/ScriptedDialogService.h"
#include "platform/draw/RecordingTarget.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <optional>

namespace talur {
namespace {

constexpr double kPt = 25.4 / 72.0;

double breite(const QString& text, double punkte) {
    FontSpec f;
    f.size = punkte;
    return RecordingTarget::textWidthFor(f, text);
}

double hoehe(double punkte) {
    FontSpec f;
    f.size = punkte;
    return RecordingTarget::textHeightFor(f);
}

std::optional<Primitive> textMit(const RecordingTarget& ziel, const QString& text) {
    for (const Primitive& p : ziel.texts())
        if (p.text == text)
            return p;
    return std::nullopt;
}

class KopfFuss : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    void zeichnen(RecordingTarget& ziel, const QStringList& kennzeichen, bool seitenzahl = true,
                  const QString& kommentar = QStringLiteral("Probe aus Bohrung 3")) {
        clsKOPFFUSS kf;
        kf.AUSGABEOBJEKT(ziel, ziel);
        kf.setUEBERSCHRIFT(QStringLiteral("Verolan Sedimo"));
        kf.setKENNZEICHNUNG(kennzeichen);
        kf.setKOMMENTAR(kommentar);
        kf.setPROJEKT(QStringLiteral("TE0000.00"));
        kf.setEBOKFS(seitenzahl);
        kf.setBEARBEITER(QStringLiteral("Dr. Weber"));
        kf.setPROGRAMMIERER(QStringLiteral("Arbeitsgruppe"));
        kf.setCOPYRIGHT(QStringLiteral("Copyright 2002 Quenvarra"));
        kf.setDATUM(QDate(2024, 3, 5));
        kf.setUHRZEIT(QTime(9, 5, 42));
        kf.KOPFFUSSZEILE();
    }

    ScopedScriptedDialogs m_dialoge;
};

TEST_F(KopfFuss, IdentifierLineListsWhatFitsAndEndsWithDotsOtherwise) {
    struct Fall {
        double seitenbreite;
        QStringList kennzeichen;
        QString zeile;
    } faelle[] = {
        {297, {"K1"}, "Datensatz K1"},
        {297, {"K1", "K2", "K3"}, "Datensätze K1, K2, K3"},
        // 100 mm: 48.8 mm remain for the list; the third identifier would need 50.8 mm.
        {100, {"B1-0001", "B1-0002", "B1-0003", "B1-0004"}, "Datensätze B1-0001, B1-0002, ..."},
        // The first identifier is always shown, however long it is.
        {60, {"SEHRLANG", "K2"}, "Datensätze SEHRLANG, ..."},
    };
    for (const Fall& fall : faelle) {
        RecordingTarget ziel(fall.seitenbreite, 210);
        zeichnen(ziel, fall.kennzeichen);
        const std::optional<Primitive> zeile = textMit(ziel, fall.zeile);
        ASSERT_NE(zeile, std::nullopt) << fall.zeile.toStdString();
        EXPECT_NEAR(zeile->x1, 15.0, 1e-9);
        EXPECT_NEAR(zeile->y1, 15.0 + 9.0, 1e-9);
        EXPECT_EQ(zeile->font.size, 10.0);
    }
    EXPECT_TRUE(m_dialoge.transcript().isEmpty());
}

TEST_F(KopfFuss, HeaderAndFooterSitOnTheMarginsAndThePageExtent) {
    RecordingTarget ziel(297, 210);
    zeichnen(ziel, {QStringLiteral("K1")});
    const double T = hoehe(16), h = hoehe(10);
    for (const DialogRecord& r : m_dialoge.transcript())
        ADD_FAILURE() << r.title.toStdString() << ": " << r.text.toStdString();

    const std::optional<Primitive> titel = textMit(ziel, QStringLiteral("Verolan Sedimo"));
    ASSERT_NE(titel, std::nullopt);
    EXPECT_NEAR(titel->x1, 15, 1e-9);
    EXPECT_NEAR(titel->y1, 15, 1e-9);
    EXPECT_TRUE(titel->font.bold);
    EXPECT_EQ(titel->font.size, 16);

    const std::optional<Primitive> kommentar = textMit(ziel, QStringLiteral("Probe aus Bohrung 3"));
    ASSERT_NE(kommentar, std::nullopt);
    EXPECT_NEAR(kommentar->y1, 24 + 1.5 * h, 1e-9);

    // The project line sits on the bottom of the title, right-aligned at the right margin.
    const QString projekt = QStringLiteral("Projekt TE0000.00");
    const std::optional<Primitive> p = textMit(ziel, projekt);
    ASSERT_NE(p, std::nullopt);
    EXPECT_NEAR(p->x1, 297 - 15 - breite(projekt, 10), 1e-9);
    EXPECT_NEAR(p->y1, 15 + T - h, 1e-9);
    const std::optional<Primitive> s = textMit(ziel, QStringLiteral("Seite 1/1"));
    ASSERT_NE(s, std::nullopt);
    EXPECT_NEAR(s->x1, p->x1 - breite(QString(15, QLatin1Char(' ')) + QStringLiteral("Seite 1/1"), 10), 1e-9);
    EXPECT_NEAR(s->y1, p->y1, 1e-9);

    // Footer: bottoms of the first line on the bottom margin, the second one line lower.
    const double f = hoehe(7);
    const QString entwickler = QStringLiteral("Programmentwicklung: Arbeitsgruppe");
    const QString copyright = QStringLiteral("Copyright 2002 Quenvarra");
    const double rechts = 297 - 15 - std::max(breite(entwickler, 7), breite(copyright, 7));
    const std::optional<Primitive> d = textMit(ziel, entwickler);
    const std::optional<Primitive> c = textMit(ziel, copyright);
    ASSERT_TRUE(d && c);
    EXPECT_NEAR(d->x1, rechts, 1e-9);
    EXPECT_NEAR(d->y1 + f, 210 - 15, 1e-9);
    EXPECT_NEAR(c->x1, rechts, 1e-9);
    EXPECT_NEAR(c->y1 + f, 210 - 15 + f, 1e-9);
    EXPECT_EQ(d->font.size, 7);

    const QString bearbeiter = QStringLiteral("Bearbeiter: Dr. Weber");
    const std::optional<Primitive> b = textMit(ziel, bearbeiter);
    ASSERT_NE(b, std::nullopt);
    EXPECT_NEAR(b->x1, 15, 1e-9);
    EXPECT_NEAR(b->y1 + f, 195, 1e-9);

    // Date and time centred between the left column and the legal notice.
    const double mitte = ((15 + breite(bearbeiter, 7)) + (297 - 15 - breite(copyright, 7))) / 2;
    const std::optional<Primitive> datum = textMit(ziel, QStringLiteral("05.03.24"));
    const std::optional<Primitive> zeit = textMit(ziel, QStringLiteral("09:05"));
    ASSERT_TRUE(datum && zeit);
    EXPECT_NEAR(datum->x1 + breite(QStringLiteral("05.03.24"), 7) / 2, mitte, 1e-9);
    EXPECT_NEAR(zeit->x1 + breite(QStringLiteral("09:05"), 7) / 2, mitte, 1e-9);
    EXPECT_NEAR(zeit->y1 + f, 195 + f, 1e-9);
    (void)kPt;
}

TEST_F(KopfFuss, WithoutNumberingTheProjectStaysAndNoPageTextIsDrawn) {
    RecordingTarget mit(297, 210), ohne(297, 210);
    zeichnen(mit, {QStringLiteral("K1")}, true);
    zeichnen(ohne, {QStringLiteral("K1")}, false);
    const std::optional<Primitive> a = textMit(mit, QStringLiteral("Projekt TE0000.00"));
    const std::optional<Primitive> b = textMit(ohne, QStringLiteral("Projekt TE0000.00"));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->x1, b->x1);
    EXPECT_EQ(a->y1, b->y1);
    EXPECT_NE(textMit(mit, QStringLiteral("Seite 1/1")), std::nullopt);
    EXPECT_EQ(textMit(ohne, QStringLiteral("Seite 1/1")), std::nullopt);
}

TEST_F(KopfFuss, EmptyCommentAndEmptyIdentifierDrawNothing) {
    RecordingTarget ziel(297, 210);
    zeichnen(ziel, {QString()}, true, QString());
    for (const Primitive& p : ziel.texts()) {
        EXPECT_FALSE(p.text.startsWith(QStringLiteral("Datensatz"))) << p.text.toStdString();
        EXPECT_FALSE(p.y1 > 20 && p.y1 < 40 && p.x1 < 100) << "text under the title: " << p.text.toStdString();
    }
}

TEST_F(KopfFuss, EnglishTexts) {
    RecordingTarget ziel(297, 210);
    clsKOPFFUSS kf;
    kf.AUSGABEOBJEKT(ziel, ziel);
    kf.setSPRACHE(1);
    kf.setKENNZEICHNUNG(QStringList{QStringLiteral("K1"), QStringLiteral("K2")});
    kf.setBEARBEITER(QStringLiteral("Smith"));
    kf.KOPFFUSSZEILE();
    for (const char* text : {"Files K1, K2", "Project TE0000.00", "Page 1/1", "Project Manager: Smith",
                             "Program developed by "})
        EXPECT_NE(textMit(ziel, QString::fromUtf8(text)), std::nullopt) << text;
}

TEST_F(KopfFuss, MarginsByNameInTheTargetsUnits) {
    RecordingTarget ziel(297, 210);
    ziel.setScale(0, 0, 2970, 2100); // tenths of a millimetre
    clsKOPFFUSS kf;
    kf.AUSGABEOBJEKT(ziel, ziel);
    EXPECT_EQ(ziel.scaleWidth(), 2970); // the measuring restores the scale
    EXPECT_NEAR(kf.randOben(), 150, 1e-9);
    EXPECT_NEAR(kf.randLinks(), 150, 1e-9);

    struct Fall {
        const char* lage;
        double oben, unten, links, rechts;
    } faelle[] = {
        {"oben", 75, 150, 150, 150},   {"unten", 150, 75, 150, 150},  {"links", 150, 150, 75, 150},
        {"rechts", 150, 150, 150, 75}, {"Oben", 75, 75, 75, 75},      {"", 75, 75, 75, 75},
    };
    for (const Fall& fall : faelle) {
        clsKOPFFUSS k;
        k.AUSGABEOBJEKT(ziel, ziel);
        k.RANDABSTAND(QString::fromUtf8(fall.lage), 7.5f);
        EXPECT_NEAR(k.randOben(), fall.oben, 1e-4) << fall.lage;
        EXPECT_NEAR(k.randUnten(), fall.unten, 1e-4) << fall.lage;
        EXPECT_NEAR(k.randLinks(), fall.links, 1e-4) << fall.lage;
        EXPECT_NEAR(k.randRechts(), fall.rechts, 1e-4) << fall.lage;
    }
}

TEST_F(KopfFuss, FooterFollowsTheFrameNotTheTarget) {
    // The frame's extent decides the right column and the footer line.
    RecordingTarget rahmen(200, 150), ziel(297, 210);
    clsKOPFFUSS kf;
    kf.AUSGABEOBJEKT(rahmen, ziel);
    kf.setBEARBEITER(QStringLiteral("X"));
    kf.KOPFFUSSZEILE();
    const std::optional<Primitive> b = textMit(ziel, QStringLiteral("Bearbeiter: X"));
    const std::optional<Primitive> p = textMit(ziel, QStringLiteral("Projekt TE0000.00"));
    ASSERT_TRUE(b && p);
    EXPECT_NEAR(b->y1 + hoehe(7), 150 - 15, 1e-9);
    EXPECT_NEAR(p->x1, 200 - 15 - breite(QStringLiteral("Projekt TE0000.00"), 10), 1e-9);
    EXPECT_TRUE(rahmen.primitives().isEmpty());
}

TEST_F(KopfFuss, DrawingWithoutOutputObjectReportsOnce) {
    clsKOPFFUSS kf;
    m_dialoge.queueAnswer(MsgAnswer::Cancel);
    kf.KOPFFUSSZEILE();
    ASSERT_EQ(m_dialoge.transcript().size(), 1);
    EXPECT_EQ(m_dialoge.transcript().first().title, QStringLiteral("Kopffuß-Zeile"));
    EXPECT_TRUE(m_dialoge.transcript().first().text.startsWith(QStringLiteral("VB-Fehler: 91")));
}

} // namespace
} // namespace talur
