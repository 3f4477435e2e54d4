// The printed page written to a file without a window: formats, a record without graphic settings,
// and the refusals.
#include "page/SeitenDatei.h"
#include "page/SeitenFixture.h"
#include "platform/core/RunError.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace talur::test {
namespace {

class SeitenDatei : public SeitenTest {};

TEST_F(SeitenDatei, WritesPdfPngAndSvgOfTheSheet) {
    Datensatz d;
    d.SIV = {0.2f, 0.5f};
    const int32_t id = anlegen(d);
    for (const char* name : {"seite.pdf", "seite.png", "seite.svg"}) {
        const QString pfad = m_ordner.file(QString::fromLatin1(name));
        renderPage(m_kontext, id, pfad);
        ASSERT_TRUE(QFileInfo::exists(pfad)) << name;
        EXPECT_GT(QFileInfo(pfad).size(), 1000) << name;
    }
    QFile pdf(m_ordner.file(QStringLiteral("seite.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    // A4 landscape at 150 dpi.
    const QImage png(m_ordner.file(QStringLiteral("seite.png")));
    EXPECT_NEAR(png.width(), 297 / 25.4 * 150, 1);
    EXPECT_NEAR(png.height(), 210 / 25.4 * 150, 1);
    QFile svg(m_ordner.file(QStringLiteral("seite.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("Kompressionskurven"));
    EXPECT_TRUE(m_dialoge.transcript().isEmpty()) << meldungen().join('\n').toStdString();
}

TEST_F(SeitenDatei, RecordWithoutSettingsIsDrawnWithTheDefaults) {
    Datensatz d;
    d.SIV = {0.3f};
    d.a1.reset(); // never evaluated
    const int32_t id = anlegen(d);
    renderPage(m_kontext, id, m_ordner.file(QStringLiteral("neu.png")));
    EXPECT_EQ(g0(id, 11, "RL"), 10);
    EXPECT_EQ(g0(id, 12, "RO"), 9.5);
    EXPECT_EQ(g0(id, 12, "MYMX"), 1);
    EXPECT_EQ(wert(QStringLiteral("SELECT COUNT(*) FROM A1")), 0); // the evaluation state is left alone

    // Stored settings of an evaluated record are kept.
    ausfuehren(QStringLiteral("UPDATE G0 SET RL=18 WHERE ID=%1").arg(id));
    renderPage(m_kontext, id, m_ordner.file(QStringLiteral("wieder.png")));
    EXPECT_EQ(g0(id, 11, "RL"), 18);
}

TEST_F(SeitenDatei, RefusesUnknownFormatsAndMissingRecords) {
    const int32_t id = anlegen(Datensatz{});
    struct Fall {
        int32_t datensatz;
        const char* datei;
        int fehler;
    } faelle[] = {{id, "seite.bmp", err::InvalidCall}, {id, "seite", err::InvalidCall}, {id + 7, "seite.pdf", err::FileNotFound}};
    for (const Fall& f : faelle) {
        const QString pfad = m_ordner.file(QString::fromLatin1(f.datei));
        try {
            renderPage(m_kontext, f.datensatz, pfad);
            ADD_FAILURE() << f.datei << " was accepted";
        } catch (const RunError& e) {
            EXPECT_EQ(e.number(), f.fehler) << f.datei;
        }
        EXPECT_FALSE(QFileInfo::exists(pfad)) << f.datei;
    }
    try {
        renderPage(m_kontext, id, m_ordner.file(QStringLiteral("fehlt/seite.png")));
        ADD_FAILURE() << "a missing folder was accepted";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), err::PathFileAccess);
    }
}

} // namespace
} // namespace talur::test
