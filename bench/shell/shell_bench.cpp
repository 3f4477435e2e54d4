// Start-up to the shown main window, and the record panel refresh, on a project of 10,000 records.
#include "platform/core/Database.h"
#include "platform/core/ScriptedDialogService.h"
#include "platform/core/Services.h"
#include "platform/core/SystemInfo.h"
#include "records/DbAdmin.h"
#include "records/DbSchema.h"
#include "shell/MainWindow.h"
#include "shell/PanelTexts.h"
#include "shell/StatusPanels.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

using namespace talur;

constexpr int kRecords = 10000;

// An installation with one project of kRecords records, every second one active.
class Installation {
public:
    Installation() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_dir.filePath(QStringLiteral("config")));
        qputenv("TALUR_USER", "bench");
        sys::overrideLocale(QStringLiteral("de_DE"));
        for (const char* folder : {"PROG", "settings", "projects/P1"})
            QDir().mkpath(m_dir.filePath(QString::fromLatin1(folder)));
        DbSchema::create(m_dir.filePath(QStringLiteral("PROG/TALUR.db")), DbKind::Project);
        DbSchema::create(settings(QStringLiteral("ARCHIV.db")), DbKind::Archive);
        DbSchema::create(settings(QStringLiteral("VORGABE.db")), DbKind::Presets);
        sys::saveSetting(QStringLiteral("Extras"), QStringLiteral("Datenbankpfad"),
                         m_dir.filePath(QStringLiteral("settings")));
        Connection archive;
        archive.open(settings(QStringLiteral("ARCHIV.db")));
        DbAdmin(archive).store({QStringLiteral("BENCH"), kFrameProgram,
                                m_dir.filePath(QStringLiteral("projects")), QStringLiteral("P1"),
                                QStringLiteral("B. Ench")});
        fillProject(project());
    }

    QString programFolder() const { return m_dir.filePath(QStringLiteral("PROG")); }
    QString project() const { return m_dir.filePath(QStringLiteral("projects/P1/TALUR.db")); }

private:
    QString settings(const QString& name) const { return m_dir.filePath(QStringLiteral("settings/") + name); }

    static void fillProject(const QString& path) {
        DbSchema::create(path, DbKind::Project);
        Connection project;
        project.open(path);
        QString sql = QStringLiteral("BEGIN;");
        for (int id = 1; id <= kRecords; ++id) {
            sql += QStringLiteral("INSERT INTO [E1] VALUES (%1,'R%2','Bohrung %1',%3);")
                       .arg(id)
                       .arg(id, 5, 10, QLatin1Char('0'))
                       .arg(id % 2);
            sql += QStringLiteral("INSERT INTO [E2] VALUES (%1,2,0.9,0.95,15,0.8,0.85,0.1,0.1,1.1,0.01,1,100,"
                                  "24,-10,-2,16,-1,0.1,1.1,0.1,0.4);")
                       .arg(id);
            sql += QStringLiteral("INSERT INTO [E3] VALUES (%1,1,0.2),(%1,2,0.5);").arg(id);
        }
        project.execute(sql + QStringLiteral("COMMIT;"));
    }

    QTemporaryDir m_dir;
};

Installation& installation() {
    static Installation instance;
    return instance;
}

void StartUpToShownMainWindow(benchmark::State& state) {
    Installation& setup = installation();
    ScopedScriptedDialogs dialogs;
    for (auto _ : state) {
        auto main = std::make_unique<frmMAIN>(setup.programFolder());
        if (main->load() != StartResult::Running)
            state.SkipWithError("start-up did not run");
        benchmark::DoNotOptimize(main->isVisible());
        state.PauseTiming();
        main->mnuBEENDEN_Click();
        main.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (!dialogs.transcript().isEmpty())
        state.SkipWithError(qPrintable(dialogs.transcript().first().text));
}
BENCHMARK(StartUpToShownMainWindow)->Unit(benchmark::kMillisecond);

void RecordPanelRefresh(benchmark::State& state) {
    Installation& setup = installation();
    ScopedScriptedDialogs dialogs;
    frmMAIN main(setup.programFolder());
    if (main.load() != StartResult::Running) {
        state.SkipWithError("start-up did not run");
        return;
    }
    for (auto _ : state)
        main.refreshRecordPanel();
    if (main.stbMAIN().panel(6)->text() != QStringLiteral("R00001,..."))
        state.SkipWithError("unexpected record panel");
    main.mnuBEENDEN_Click();
}
BENCHMARK(RecordPanelRefresh)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    talur::setWaitScale(0.0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
