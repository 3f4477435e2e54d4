// talur-batch page: the printed page of a record as a file, its exit statuses and one-line errors.
#include "BatchRun.h"
#include "ProjectFixture.h"
#include "platform/core/Database.h"
#include "shell/batch/BatchArgs.h"
#include "shell/batch/BatchProject.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace talur::batch {
namespace {

QStringList page(const QString& db, const QStringList& more) {
    return QStringList{QStringLiteral("page"), QStringLiteral("--db"), db} + more;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page objects of a PDF: "/Type /Page" but not "/Type /Pages".
int pdfPages(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

// Width and height of the first page in points.
QSizeF pdfMediaBox(const QByteArray& pdf) {
    static const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"));
    const auto match = box.match(QString::fromLatin1(pdf));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
}

TEST(BatchPage, PdfOfARecordIsOneA4LandscapePage) {
    test::ProjectFixture project;
    const QByteArray before = fileHash(project.path());
    const QString out = project.file(QStringLiteral("k1.pdf"));
    const BatchRun run = batch(page(project.path(), {QStringLiteral("--record"), QStringLiteral("K1"),
                                                     QStringLiteral("--out"), out}));
    ASSERT_EQ(run.status, kSuccess) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_TRUE(run.out.empty());
    const QByteArray pdf = contents(out);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(pdfPages(pdf), 1);
    const QSizeF points = pdfMediaBox(pdf);
    EXPECT_NEAR(points.width(), 842, 1); // 297 mm
    EXPECT_NEAR(points.height(), 595, 1); // 210 mm
    EXPECT_EQ(fileHash(project.path()), before); // the file given is never written

    // Where poppler is installed, the page's headings are read back from the file as well.
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        return;
    QProcess text;
    text.start(pdftotext, {out, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString shown = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* heading : {"Kompressionskurven", "Mohrsche Bruchkurven", "Ohdesche Parameter",
                                "Coulombsche Scherparameter", "Datensatz K1"})
        EXPECT_TRUE(shown.contains(QString::fromUtf8(heading))) << heading;
}

TEST(BatchPage, PngAndSvgSheetsAreLandscapeA4) {
    test::ProjectFixture project;
    // By key as well as by identifier; the record without preloading stresses draws as any other.
    const QString png = project.file(QStringLiteral("noe3.png"));
    BatchRun run = batch(page(project.path(), {QStringLiteral("--id"), QStringLiteral("3"), QStringLiteral("--out"), png}));
    ASSERT_EQ(run.status, kSuccess) << run.err;
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_NEAR(double(image.width()) / image.height(), 297.0 / 210.0, 0.01);
    // Something is drawn: not every pixel has the colour of the corner.
    const QImage small = image.scaled(image.width() / 8, image.height() / 8);
    bool drawn = false;
    for (int y = 0; y < small.height() && !drawn; ++y)
        for (int x = 0; x < small.width() && !drawn; ++x)
            drawn = small.pixel(x, y) != small.pixel(0, 0);
    EXPECT_TRUE(drawn);

    const QString svg = project.file(QStringLiteral("K1.SVG"));
    run = batch(page(project.path(), {QStringLiteral("--record"), QStringLiteral("K1"), QStringLiteral("--out"), svg}));
    ASSERT_EQ(run.status, kSuccess) << run.err;
    const QByteArray text = contents(svg);
    EXPECT_TRUE(text.contains("<svg"));
    static const QRegularExpression size(QStringLiteral("width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\""));
    const auto match = size.match(QString::fromUtf8(text));
    ASSERT_TRUE(match.hasMatch());
    EXPECT_NEAR(match.captured(1).toDouble(), 297, 1);
    EXPECT_NEAR(match.captured(2).toDouble(), 210, 1);
}

TEST(BatchPage, ErrorCasesExitAsTheCurvesCommandDoes) {
    test::ProjectFixture project;
    QFile text(project.file(QStringLiteral("notes.txt")));
    text.open(QIODevice::WriteOnly);
    text.write("no database here, just some text that is long enough to be looked at\n");
    text.close();
    // The curve tables, but none of the page's own.
    const QString curvesOnly = project.file(QStringLiteral("curves-only.db"));
    QFile::copy(project.path(), curvesOnly);
    {
        Connection db;
        db.open(curvesOnly);
        db.execute(QStringLiteral("DROP TABLE [G0];"));
    }
    const QString db = project.path();
    const QString out = project.file(QStringLiteral("out.pdf"));
    const QStringList k1{QStringLiteral("--record"), QStringLiteral("K1"), QStringLiteral("--out"), out};
    const struct {
        QStringList arguments;
        int status;
        const char* errorStart;
    } cases[] = {
        {{QStringLiteral("page")}, kBadArguments, "talur-batch: --db FILE is required"},
        {page(db, {QStringLiteral("--record"), QStringLiteral("K1")}), kBadArguments,
         "talur-batch: --out FILE is required"},
        {page(db, {QStringLiteral("--out"), out}), kBadArguments, "talur-batch: give either --record KEN or --id ID"},
        {page(db, {QStringLiteral("--id"), QStringLiteral("1"), QStringLiteral("--out"), project.file(QStringLiteral("k1.bmp"))}),
         kBadArguments, "talur-batch: --out names a .pdf, .png or .svg file"},
        {page(db, k1 + QStringList{QStringLiteral("--format"), QStringLiteral("csv")}), kBadArguments,
         "talur-batch: unknown option --format"},
        {page(project.file(QStringLiteral("missing.db")), k1), kFileProblem, "talur-batch: no such file"},
        {page(text.fileName(), k1), kFileProblem, "talur-batch: "},
        {page(curvesOnly, k1), kFileProblem, "talur-batch: "},
        {page(db, {QStringLiteral("--id"), QStringLiteral("1"), QStringLiteral("--out"),
                   project.file(QStringLiteral("no/such/folder/k1.pdf"))}),
         kFileProblem, "talur-batch: cannot write"},
        {page(db, {QStringLiteral("--record"), QStringLiteral("NOPE"), QStringLiteral("--out"), out}), kUnknownRecord,
         "talur-batch: no record 'NOPE'"},
        {page(db, {QStringLiteral("--id"), QStringLiteral("42"), QStringLiteral("--out"), out}), kUnknownRecord,
         "talur-batch: no record with ID 42"},
        {page(db, {QStringLiteral("--record"), QStringLiteral("NOE2"), QStringLiteral("--out"), out}), kUnknownRecord,
         "talur-batch: record with ID 5 has no parameters"},
        {page(db, {QStringLiteral("--record"), QStringLiteral("O'B"), QStringLiteral("--out"), out}),
         kComputationFailed, "talur-batch: error 13"},
    };
    for (const auto& c : cases) {
        const BatchRun run = batch(c.arguments);
        const std::string label = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.status, c.status) << label << "\n" << run.err;
        EXPECT_EQ(run.err.rfind(c.errorStart, 0), 0u) << label << "\n" << run.err;
        if (c.status != kBadArguments) {
            EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
        }
        EXPECT_TRUE(run.out.empty()) << label;
        EXPECT_FALSE(QFile::exists(out)) << label; // nothing is written for a refused record
    }
    EXPECT_NE(batch(page(curvesOnly, k1)).err.find("has no table G0"), std::string::npos);
    EXPECT_NE(batch(page(text.fileName(), k1)).err.find("not a TALUR database"), std::string::npos);
}

TEST(BatchPage, FailingPictureStillWritesTheFileButFailsTheRun) {
    test::ProjectFixture project;
    const QString out = project.file(QStringLiteral("zero.pdf"));
    const BatchRun run = batch(page(project.path(), {QStringLiteral("--record"), QStringLiteral("ZERO"),
                                                     QStringLiteral("--out"), out}));
    EXPECT_EQ(run.status, kComputationFailed);
    EXPECT_EQ(run.err.rfind("talur-batch: Bild 11: VB-Fehler: 11", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_EQ(pdfPages(contents(out)), 1);
}

TEST(BatchPage, WarningsAreReportedWithoutFailingTheRun) {
    test::ProjectFixture project;
    const QString out = project.file(QStringLiteral("stop.pdf"));
    const BatchRun run = batch(page(project.path(), {QStringLiteral("--record"), QStringLiteral("STOP"),
                                                     QStringLiteral("--out"), out}));
    EXPECT_EQ(run.status, kSuccess) << run.err;
    const std::string message = "talur-batch: message: Sigma max (1) muß größer oder gleich Sigma v (2)";
    EXPECT_EQ(run.err.rfind(message, 0), 0u) << run.err;
    EXPECT_EQ(run.err.find(message, 1), std::string::npos) << "reported once: " << run.err;
    EXPECT_EQ(pdfPages(contents(out)), 1);
}

TEST(BatchPage, ProgramWritesThePdfWithoutADisplay) {
    test::ProjectFixture project;
    const QString out = project.file(QStringLiteral("k1.pdf"));
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TALUR_BATCH_EXE),
                  page(project.path(), {QStringLiteral("--id"), QStringLiteral("1"), QStringLiteral("--out"), out}));
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    const QByteArray errors = process.readAllStandardError();
    EXPECT_EQ(process.exitCode(), kSuccess) << errors.toStdString();
    EXPECT_TRUE(errors.isEmpty()) << errors.toStdString(); // nothing but the commands' own lines
    EXPECT_EQ(pdfPages(contents(out)), 1);
}

TEST(BatchArgs, ParsesThePageOptions) {
    const auto parsed = parsePageArgs({QStringLiteral("--out"), QStringLiteral("a/b.Pdf"), QStringLiteral("--db"),
                                       QStringLiteral("a.db"), QStringLiteral("--record"), QStringLiteral("K 1")});
    ASSERT_TRUE(parsed.args) << parsed.error.toStdString();
    EXPECT_EQ(parsed.args->db, QStringLiteral("a.db"));
    EXPECT_EQ(parsed.args->record, QStringLiteral("K 1"));
    EXPECT_FALSE(parsed.args->id);
    EXPECT_EQ(parsed.args->out, QStringLiteral("a/b.Pdf"));
    const auto twice = parsePageArgs({QStringLiteral("--out"), QStringLiteral("a.pdf"), QStringLiteral("--out"),
                                      QStringLiteral("b.pdf")});
    EXPECT_FALSE(twice.args);
    EXPECT_EQ(twice.error, QStringLiteral("--out given twice"));
}

} // namespace
} // namespace talur::batch
