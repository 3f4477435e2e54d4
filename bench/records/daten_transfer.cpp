// Record data access: a 1,000-row grid column written and read back, 1,000 single-value writes on one
// record, and storing a whole input form (23 single values into E1/E2, a 50-row grid into E3).
#include "platform/core/Database.h"
#include "platform/core/ScriptedDialogService.h"
#include "platform/core/Services.h"
#include "platform/grid/GridControl.h"
#include "records/RunContext.h"
#include "records/clsDATEN.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <stdexcept>

using namespace talur;

namespace {

QString projectSchema() {
    QFile file(QFileInfo(QStringLiteral(__FILE__))
                   .dir()
                   .absoluteFilePath(QStringLiteral("../../src/records/schema/schema.sql")));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("schema file not found");
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype start = text.indexOf(QStringLiteral("-- @project"));
    return text.mid(start, text.indexOf(QStringLiteral("-- @archive")) - start);
}

// A working copy with one active record (ID 1) in a temporary folder.
struct Project {
    Project() {
        const QString path = dir.filePath(QStringLiteral("TALUR.db"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            throw std::runtime_error("cannot create the database");
        file.close();
        context.cnnX.open(path);
        context.cnnX.setDiskSync(false); // as start-up opens the working copy
        context.cnnX.execute(projectSchema());
        context.cnnX.execute(QStringLiteral("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (1,'P1',1)"));
    }
    QTemporaryDir dir;
    RunContext context;
    ScopedScriptedDialogs dialogs;
};

void fillGrid(GridControl& grid, int rows) {
    grid.setCols(2);
    grid.setRows(rows + 1);
    for (int r = 1; r <= rows; ++r) {
        grid.setText(r, 0, QString::number(r));
        grid.setText(r, 1, QStringLiteral("%1,25").arg(r));
    }
}

void BM_GridColumnWriteAndRead(benchmark::State& state) {
    Project project;
    clsDATEN e3(project.context);
    e3.setETABELLE(QStringLiteral("E3"));
    GridControl grid;
    fillGrid(grid, 1000);
    e3.DFTF(QStringLiteral("I1"), grid, QStringLiteral("0"), {.SPI1 = QStringLiteral("I1")});
    GridControl back;
    back.setCols(2);
    for (auto _ : state) {
        const bool ok =
            e3.DFTF(QStringLiteral("SIV"), grid, QStringLiteral("1"), {.SPI1 = QStringLiteral("I1")}) &&
            e3.DTFF(QStringLiteral("SIV"), back, QStringLiteral("1"), {.SPI1 = QStringLiteral("I1")});
        if (!ok || back.text(1000, 1) != QStringLiteral("1000,25"))
            state.SkipWithError("grid transfer failed");
    }
}
BENCHMARK(BM_GridColumnWriteAndRead)->Unit(benchmark::kMillisecond);

void BM_ThousandSingleValueWrites(benchmark::State& state) {
    Project project;
    clsDATEN e2(project.context);
    e2.setETABELLE(QStringLiteral("E2"));
    QLineEdit text;
    for (auto _ : state)
        for (int i = 0; i < 1000; ++i) {
            text.setText(QString::number(i));
            if (!e2.DFTT(QStringLiteral("A1"), text))
                state.SkipWithError("write failed");
        }
}
BENCHMARK(BM_ThousandSingleValueWrites)->Unit(benchmark::kMillisecond);

void BM_StoreInputForm(benchmark::State& state) {
    Project project;
    clsDATEN e1(project.context);
    clsDATEN e2(project.context);
    e2.setETABELLE(QStringLiteral("E2"));
    clsDATEN e3(project.context);
    e3.setETABELLE(QStringLiteral("E3"));
    QLineEdit ken(QStringLiteral("P1"));
    QLineEdit kom(QStringLiteral("Ton, schluffig"));
    QLineEdit value(QStringLiteral("0,125"));
    QLineEdit subdivisions(QStringLiteral("100"));
    const char* e2Columns[] = {"A1", "C1S",  "C1",  "A2",  "C2S",   "C2",  "SIBK", "A", "B",   "C", "AR",
                               "CR", "SIBS", "EBS", "SIA", "SIMAX", "SI1", "SI2",  "N", "SI0", "E0"};
    GridControl grid;
    fillGrid(grid, 50);
    for (auto _ : state) {
        bool ok = e1.DFTT(QStringLiteral("KEN"), ken) && e1.DFTT(QStringLiteral("KOM"), kom);
        for (const char* column : e2Columns)
            ok = ok && e2.DFTT(QString::fromLatin1(column),
                               QLatin1String(column) == QLatin1String("N") ? subdivisions : value);
        ok = ok && e3.DFTF(QStringLiteral("I1"), grid, QStringLiteral("0"), {.SPI1 = QStringLiteral("I1")}) &&
             e3.DFTF(QStringLiteral("SIV"), grid, QStringLiteral("1"), {.SPI1 = QStringLiteral("I1")});
        if (!ok)
            state.SkipWithError("storing the form failed");
    }
}
BENCHMARK(BM_StoreInputForm)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    setWaitScale(0.0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
