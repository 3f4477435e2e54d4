#include "BatchRun.h"
#include "ProjectFixture.h"
#include "curves/Compression.h"
#include "curves/Mohr.h"
#include "platform/core/Database.h"
#include "shell/batch/BatchArgs.h"
#include "shell/batch/BatchCommands.h"
#include "shell/batch/CurvesCommand.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>
#include <sstream>

namespace talur::batch {
namespace {

QStringList curves(const QString& db, const QStringList& more) {
    return QStringList{QStringLiteral("curves"), QStringLiteral("--db"), db} + more;
}

// Each number must read back as exactly the float that was computed.
void expectSeries(const QJsonValue& value, const std::vector<float>& expected, const char* name) {
    const QJsonArray array = value.toArray();
    ASSERT_EQ(static_cast<std::size_t>(array.size()), expected.size()) << name;
    for (std::size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(static_cast<float>(array[static_cast<qsizetype>(i)].toDouble()), expected[i]) << name << " " << i;
}

CompressionInput storedCompression() {
    CompressionInput in;
    in.A1 = 5.0f;
    in.C1S = 0.8f;
    in.C1 = 0.6f;
    in.A2 = 50.0f;
    in.C2S = 0.5f;
    in.C2 = 0.4f;
    in.SIBK = 0.1f;
    in.SI0 = 0.1f;
    in.E0 = 0.8f;
    in.SIA = 0.01f;
    in.SIMAX = 1.0f;
    in.N = 99;
    return in;
}

MohrInput storedMohr() {
    return MohrInput{30.0f, -10.0f, -2.0f, 20.0f, -1.0f, 0.1f, 0.7f, 0.1f, 0.4f};
}

TEST(BatchCurves, JsonHoldsEveryResultAsRoundTrippingFloats) {
    test::ProjectFixture project;
    const QByteArray before = fileHash(project.path());
    const BatchRun run = batch(curves(project.path(), {QStringLiteral("--record"), QStringLiteral("K1")}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    const QJsonObject o = run.json();
    EXPECT_EQ(o["record"].toObject()["KEN"].toString(), QStringLiteral("K1"));
    EXPECT_EQ(o["record"].toObject()["ID"].toInt(), 1);

    CollectingMessageSink sink;
    const auto c = KOMPRESSION(storedCompression(), sink);
    expectSeries(o["SIG"], c.SIG, "SIG");
    expectSeries(o["EPSN"], c.EPSN, "EPSN");
    expectSeries(o["EPSK"], c.EPSK, "EPSK");
    expectSeries(o["EPSW"], c.EPSW, "EPSW");
    expectSeries(o["EPOR"], c.EPOR, "EPOR");
    EXPECT_EQ(static_cast<float>(o["EPORA"].toDouble()), c.EPORA);
    EXPECT_EQ(o["void_ratio_anchor"].toString(), QStringLiteral("grid"));

    const std::vector<float> siv = {0.3f, 0.6f, 0.9f};
    const QJsonArray branches = o["branches"].toArray();
    ASSERT_EQ(branches.size(), 3);
    for (qsizetype k = 0; k < branches.size(); ++k) {
        const QJsonObject b = branches[k].toObject();
        EXPECT_EQ(static_cast<float>(b["SIV"].toDouble()), siv[k]);
        const auto conventional = ENTLASTUNG(c, siv[k], StrainMeasure::Conventional, sink);
        const auto natural = ENTLASTUNG(c, siv[k], StrainMeasure::Natural, sink);
        expectSeries(b["stress"], conventional->stress, "stress");
        expectSeries(b["strain"], conventional->strain, "strain");
        expectSeries(b["strain_natural"], natural->strain, "strain_natural");
        expectSeries(b["void_ratio"], conventional->voidRatio, "void_ratio");
    }
    EXPECT_TRUE(o["stopped_at"].isNull());

    const auto m = BRUCHKURVEN(storedMohr(), c, siv, MohrResult{}, sink);
    expectSeries(o["PHIE"], m.PHIE, "PHIE");
    expectSeries(o["TAUE"], m.TAUE, "TAUE");
    expectSeries(o["PHIR"], m.PHIR, "PHIR");
    expectSeries(o["TAUR"], m.TAUR, "TAUR");
    const QJsonObject coulomb = o["coulomb"].toObject();
    EXPECT_EQ(static_cast<float>(coulomb["E"].toObject()["phi"].toDouble()), m.E.phi);
    EXPECT_EQ(static_cast<float>(coulomb["E"].toObject()["c"].toDouble()), m.E.c);
    EXPECT_EQ(static_cast<float>(coulomb["R"].toObject()["c"].toDouble()), m.R.c);
    const QJsonArray lines = coulomb["branches"].toArray();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(static_cast<float>(lines[2].toObject()["phi"].toDouble()), m.branchLines[2].phi);
    EXPECT_EQ(static_cast<float>(lines[2].toObject()["SIV"].toDouble()), 0.9f);
    EXPECT_TRUE(o["messages"].toArray().isEmpty());
    EXPECT_TRUE(sink.messages().empty());

    EXPECT_EQ(fileHash(project.path()), before); // the file given is never written
}

TEST(BatchCurves, StopAtSigmaMaxIsReportedAndUnfittedLinesAreNull) {
    test::ProjectFixture project;
    const BatchRun run = batch(curves(project.path(), {QStringLiteral("--id"), QStringLiteral("2")}));
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject o = run.json();
    const QJsonObject stop = o["stopped_at"].toObject();
    EXPECT_EQ(stop["SIMAX"].toDouble(), 1.0);
    EXPECT_EQ(stop["SIV"].toDouble(), 2.0);
    EXPECT_EQ(o["branches"].toArray().size(), 1);
    const QJsonObject coulomb = o["coulomb"].toObject();
    EXPECT_TRUE(coulomb["E"].toObject()["phi"].isNull());
    EXPECT_EQ(coulomb["E"].toObject()["state"].toString(), QStringLiteral("none"));
    const QJsonArray lines = coulomb["branches"].toArray();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].toObject()["state"].toString(), QStringLiteral("fitted"));
    EXPECT_TRUE(lines[1].toObject()["phi"].isNull());
    const QJsonArray messages = o["messages"].toArray();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].toString().startsWith(QStringLiteral("Sigma max (1) muß größer oder gleich Sigma v (2)")));
}

TEST(BatchCurves, ComputationErrorWritesTheJsonAndFails) {
    test::ProjectFixture project;
    const BatchRun run = batch(curves(project.path(), {QStringLiteral("--record"), QStringLiteral("ZERO")}));
    EXPECT_EQ(run.status, kComputationFailed);
    EXPECT_EQ(run.err, "talur-batch: Bild 11: error 11: Division durch Null\n");
    const QJsonObject o = run.json();
    EXPECT_TRUE(o["SIG"].isNull());
    EXPECT_TRUE(o["coulomb"].isNull());
    EXPECT_EQ(o["errors"].toArray()[0].toObject()["number"].toInt(), 11);
    EXPECT_EQ(o["messages"].toArray()[0].toString(), QStringLiteral("VB-Fehler: 11\nDivision durch Null"));
}

TEST(BatchCurves, ErrorCasesExitWithOneLineOnStandardError) {
    test::ProjectFixture project;
    QFile text(project.file(QStringLiteral("notes.txt")));
    text.open(QIODevice::WriteOnly);
    text.write("no database here, just some text that is long enough to be looked at\n");
    text.close();
    const QString foreign = project.file(QStringLiteral("other.db"));
    {
        Connection db;
        db.create(foreign);
        db.execute(QStringLiteral("CREATE TABLE [E1] ([ID] INTEGER, [KEN] TEXT);"));
    }
    const QString db = project.path();
    const struct {
        QStringList arguments;
        int status;
        const char* errorStart;
    } cases[] = {
        {{}, kBadArguments, "talur-batch: no command given"},
        {{QStringLiteral("plot")}, kBadArguments, "talur-batch: unknown command plot"},
        {{QStringLiteral("curves"), QStringLiteral("--record"), QStringLiteral("K1")}, kBadArguments,
         "talur-batch: --db FILE is required"},
        {curves(db, {}), kBadArguments, "talur-batch: give either --record KEN or --id ID"},
        {curves(db, {QStringLiteral("--record"), QStringLiteral("K1"), QStringLiteral("--id"), QStringLiteral("1")}),
         kBadArguments, "talur-batch: give either"},
        {curves(db, {QStringLiteral("--id"), QStringLiteral("one")}), kBadArguments, "talur-batch: --id needs"},
        {curves(db, {QStringLiteral("--id"), QStringLiteral("1"), QStringLiteral("--format"), QStringLiteral("xml")}),
         kBadArguments, "talur-batch: --format is json or csv"},
        {curves(db, {QStringLiteral("--id")}), kBadArguments, "talur-batch: --id needs a value"},
        {curves(db, {QStringLiteral("--id"), QStringLiteral("1"), QStringLiteral("--verbose"), QStringLiteral("x")}),
         kBadArguments, "talur-batch: unknown option --verbose"},
        {curves(project.file(QStringLiteral("missing.db")), {QStringLiteral("--id"), QStringLiteral("1")}),
         kFileProblem, "talur-batch: no such file"},
        {curves(text.fileName(), {QStringLiteral("--id"), QStringLiteral("1")}), kFileProblem,
         "talur-batch: "},
        {curves(foreign, {QStringLiteral("--id"), QStringLiteral("1")}), kFileProblem, "talur-batch: "},
        {curves(db, {QStringLiteral("--record"), QStringLiteral("NOPE")}), kUnknownRecord,
         "talur-batch: no record 'NOPE'"},
        {curves(db, {QStringLiteral("--id"), QStringLiteral("42")}), kUnknownRecord,
         "talur-batch: no record with ID 42"},
        {curves(db, {QStringLiteral("--record"), QStringLiteral("NOE2")}), kUnknownRecord,
         "talur-batch: record with ID 5 has no parameters"},
        {curves(db, {QStringLiteral("--record"), QStringLiteral("O'B")}), kComputationFailed,
         "talur-batch: error 13"},
    };
    for (const auto& c : cases) {
        const BatchRun run = batch(c.arguments);
        const std::string label = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.status, c.status) << label << "\n" << run.err;
        EXPECT_EQ(run.err.rfind(c.errorStart, 0), 0u) << label << "\n" << run.err;
        const auto firstLine = run.err.find('\n');
        if (c.status != kBadArguments) {
            EXPECT_EQ(firstLine, run.err.size() - 1) << "one line: " << run.err;
            EXPECT_TRUE(run.out.empty()) << label;
        }
    }
    // Refused files name what is wrong with them.
    EXPECT_NE(batch(curves(foreign, {QStringLiteral("--id"), QStringLiteral("1")})).err.find("not a TALUR database"),
              std::string::npos);
    EXPECT_NE(batch(curves(text.fileName(), {QStringLiteral("--id"), QStringLiteral("1")})).err.find("not a TALUR"),
              std::string::npos);
}

TEST(BatchCurves, CsvHasTheGridTableThenEachBranch) {
    test::ProjectFixture project;
    const QString out = project.file(QStringLiteral("k1.csv"));
    const BatchRun run = batch(curves(project.path(), {QStringLiteral("--record"), QStringLiteral("K1"),
                                                  QStringLiteral("--format"), QStringLiteral("csv"),
                                                  QStringLiteral("--out"), out}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    EXPECT_EQ(lines[0], QStringLiteral("SIG,EPSN,EPSK,EPSW,EPOR,PHIE,TAUE,PHIR,TAUR"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("0.00999999978,0,0,0,"))) << lines[1].toStdString();
    EXPECT_EQ(lines[1].count(QLatin1Char(',')), 8);
    EXPECT_TRUE(lines[100].startsWith(QStringLiteral("1,"))) << lines[100].toStdString();
    EXPECT_EQ(lines[101], QString());
    EXPECT_EQ(lines[102], QStringLiteral("branch,row 1,SIV,0.300000012"));
    EXPECT_EQ(lines[103], QStringLiteral("stress,strain,strain_natural,void_ratio"));
    // Branch 1 ends at 0.3, grid stress 29: the 29 grid stresses before it, then σ_v.
    EXPECT_EQ(lines[104 + 28].section(QLatin1Char(','), 0, 0), QStringLiteral("0.289999992"));
    EXPECT_EQ(lines[104 + 29].section(QLatin1Char(','), 0, 0), QStringLiteral("0.300000012"));
    EXPECT_EQ(lines[104 + 30], QString());
    EXPECT_EQ(lines.filter(QStringLiteral("branch,")).size(), 3);
}

TEST(BatchCurves, ProgramRunsWithoutADisplay) {
    test::ProjectFixture project;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TALUR_BATCH_EXE), curves(project.path(), {QStringLiteral("--id"), QStringLiteral("3")}));
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QJsonObject o = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    EXPECT_EQ(o["SIG"].toArray().size(), 100);
    EXPECT_TRUE(o["branches"].toArray().isEmpty()); // no E3 rows: no branches
    EXPECT_EQ(o["coulomb"].toObject()["branches"].toArray().size(), 1);

    process.start(QStringLiteral(TALUR_BATCH_EXE), {QStringLiteral("curves")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), kBadArguments);
}

TEST(BatchArgs, ParsesTheCurvesOptions) {
    const auto parsed = parseCurvesArgs({QStringLiteral("--format"), QStringLiteral("csv"), QStringLiteral("--db"),
                                         QStringLiteral("a.db"), QStringLiteral("--id"), QStringLiteral("-3"),
                                         QStringLiteral("--out"), QStringLiteral("x.csv")});
    ASSERT_TRUE(parsed.args) << parsed.error.toStdString();
    EXPECT_EQ(parsed.args->db, QStringLiteral("a.db"));
    EXPECT_EQ(parsed.args->id, -3);
    EXPECT_FALSE(parsed.args->record);
    EXPECT_EQ(parsed.args->format, OutputFormat::Csv);
    EXPECT_EQ(parsed.args->out, QStringLiteral("x.csv"));
    const auto twice = parseCurvesArgs({QStringLiteral("--db"), QStringLiteral("a"), QStringLiteral("--db"),
                                        QStringLiteral("b"), QStringLiteral("--id"), QStringLiteral("1")});
    EXPECT_FALSE(twice.args);
    EXPECT_EQ(twice.error, QStringLiteral("--db given twice"));
}

} // namespace
} // namespace talur::batch
