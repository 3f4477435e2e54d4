#include "shell/StartUp.h"

#include "platform/core/DialogService.h"
#include "platform/core/ErrorRunner.h"
#include "platform/core/FileOps.h"
#include "platform/core/SystemInfo.h"
#include "platform/core/Variant.h"
#include "records/DbAdmin.h"
#include "records/DbCheck.h"

namespace talur {

namespace {

const QString kLoadTitle = QStringLiteral("frmMAIN / Load");

ErrorPrefix prefixFor(int sprache) {
    return sprache == 1 ? ErrorPrefix::English : ErrorPrefix::German;
}

} // namespace

StartUp::StartUp(RunContext& context, Connection& archive, StartUpView& view)
    : m_context(context), m_archive(archive), m_view(view) {}

QString StartUp::textFrameOnly(int sprache) {
    return sprache == 1 ? QStringLiteral("Program ") + kProgramTitle +
                              QStringLiteral(" can used only via the frame program!")
                        : QStringLiteral("Programm ") + kProgramTitle +
                              QStringLiteral(" kann nur über das Rahmenprogramm ausgeführt werden!");
}

QString StartUp::textNoProjectFolder(const QString& projekt, int sprache) {
    return sprache == 1
               ? QStringLiteral("Project directory ") + projekt + QStringLiteral(" dosn't exist!")
               : QStringLiteral("Projektsverzeichnis ") + projekt + QStringLiteral(" existiert nicht!");
}

QString StartUp::textNoTemplate(int sprache) {
    return sprache == 1
               ? QStringLiteral("The empty database ") + kProgramTitle + QStringLiteral(".db dosn't exist!") +
                     kLineBreak + QStringLiteral("Orvalis has to be installed again!")
               : QStringLiteral("Die leere Datenbank ") + kProgramTitle +
                     QStringLiteral(".db existiert nicht!") + kLineBreak +
                     QStringLiteral("Orvalis muß neu installiert werden!");
}

QString StartUp::textInterrupted(int sprache) {
    return sprache == 1 ? QStringLiteral("Program was interuped during the execution!") + kLineBreak +
                              QStringLiteral("Do you want to save the changes till the interuption?")
                        : QStringLiteral("Programm wurde während der Ausführung unterbrochen!") + kLineBreak +
                              QStringLiteral("Soll die bis zum Abbruch vorhandenen Daten gepeichert werden?");
}

StartResult StartUp::run() {
    sys::switchOffWarningBeep();
    takeLocale();
    const int sprache = m_context.SPRACHE();
    m_view.applyLanguage(sprache);
    ErrorRunner runner(kLoadTitle, prefixFor(sprache));

    if (m_context.isStandalone()) {
        takeStandaloneProject();
    } else if (const StartResult result = takeFrameProject(runner); result != StartResult::Running) {
        return result;
    }

    // The project database is checked before anything is written, so a refused start leaves the
    // ADMIN row and the working copy as they were.
    const QString project = m_context.projectDatabasePath();
    if (const DbProblem problem = DbCheck::check(project, DbKind::Project))
        return refuse(DbCheck::message(project, DbKind::Project, problem, sprache));
    if (!m_context.isStandalone() && !runner.step([&] {
            DbAdmin(m_archive).writeProg(m_context.BENUTZER(), kProgramTitle);
            m_progWritten = true;
        }))
        return abort();

    m_view.showContext(contextPanels(m_context));
    if (!prepareWorkingCopy(runner))
        return abort();
    m_view.setChanged(false);
    if (!openWorkingCopy())
        return StartResult::Refused;
    if (!runner.step([&] { m_view.refreshRecordPanel(); }))
        return abort();
    m_view.showMainWindow();
    return StartResult::Running;
}

// The settings databases, the user's ADMIN row and the checks of the project folder and the empty
// database. Running means the run context holds the user's project.
StartResult StartUp::takeFrameProject(ErrorRunner& runner) {
    const int sprache = m_context.SPRACHE();
    const QString archive = m_context.archivePath();
    if (!runner.step([&] {
            DbCheck::require(archive, DbKind::Archive, sprache);
            m_archive.open(archive);
        }))
        return abort();
    const QString presets = m_context.presetsPath();
    if (!runner.step([&] {
            DbCheck::require(presets, DbKind::Presets, sprache);
            m_context.cnnX_V.open(presets);
        }))
        return abort();
    bool hasRow = false;
    if (!readAdminRow(runner, hasRow))
        return abort();
    if (!hasRow)
        return refuse(textFrameOnly(sprache));
    return checksPass() ? StartResult::Running : StartResult::Refused;
}

void StartUp::takeLocale() {
    const sys::LocaleInfo locale = sys::systemLocale();
    m_context.setLanguage(sys::languageCode(locale.language), locale.decimalSeparator);
    if (!locale.decimalSeparator.isEmpty())
        regionalSettings().decimalSeparator = locale.decimalSeparator.at(0);
}

void StartUp::takeStandaloneProject() {
    m_context.setProject(files::parentFolder(m_context.programFolder()), kStandaloneProject,
                         m_context.BENUTZER());
}

// Each part is a step of its own, so a missing archive is reported at the query and at the row test
// too; a failed row test counts as no row.
bool StartUp::readAdminRow(ErrorRunner& runner, bool& hasRow) {
    Recordset rs;
    if (!runner.step([&] { rs.open(DbAdmin::selectRow(m_context.BENUTZER()), m_archive); }))
        return false;
    if (!runner.step([&] { hasRow = !rs.eof(); }))
        return false;
    if (!hasRow)
        return true;
    return runner.step([&] {
        const AdminRow row = DbAdmin::fromCurrent(rs);
        m_previousProg = row.PROG;
        m_context.setProject(row.PROJEKTSPFAD, row.PROJEKT, row.BEARBEITER);
        rs.close();
    });
}

bool StartUp::checksPass() {
    const int sprache = m_context.SPRACHE();
    const QString projekt = m_context.PROJEKT();
    if (projekt.isEmpty() || !files::folderExists(files::join(m_context.PROJEKTSPFAD(), projekt))) {
        refuse(textNoProjectFolder(projekt, sprache));
        return false;
    }
    if (!files::fileExists(m_context.templateDatabasePath())) {
        refuse(textNoTemplate(sprache));
        return false;
    }
    return true;
}

// A working copy that is already there was left by a run that ended without closing.
bool StartUp::prepareWorkingCopy(ErrorRunner& runner) {
    QString workingCopy;
    if (!runner.step([&] { workingCopy = m_context.XMDBPFAD(); }))
        return false;
    if (workingCopy.isEmpty())
        return true;
    bool copy = true;
    if (files::fileExists(workingCopy)) {
        const MsgAnswer answer = dialogs().message(textInterrupted(m_context.SPRACHE()), MsgButtons::YesNo,
                                                   MsgIcon::Question, kProgramTitle);
        copy = answer != MsgAnswer::Yes;
        m_keptWorkingCopy = !copy;
    }
    if (!copy)
        return true;
    return runner.step([&] {
        files::copyDatabase(m_context.projectDatabasePath(), workingCopy);
        m_copiedWorkingCopy = true;
    });
}

bool StartUp::openWorkingCopy() {
    const int sprache = m_context.SPRACHE();
    QString workingCopy;
    try {
        workingCopy = m_context.XMDBPFAD();
        if (const DbProblem problem = DbCheck::check(workingCopy, DbKind::Project)) {
            refuse(DbCheck::message(workingCopy, DbKind::Project, problem, sprache));
            return false;
        }
        m_context.cnnX.open(workingCopy);
        // Rows are stored one update at a time; Save flushes the copy back into the project.
        m_context.cnnX.setDiskSync(false);
    } catch (const RunError& error) {
        refuse(error.description());
        return false;
    }
    return true;
}

StartResult StartUp::refuse(const QString& text) {
    dialogs().message(text, MsgButtons::Ok, MsgIcon::Exclamation, kProgramTitle);
    rollBack();
    return StartResult::Refused;
}

StartResult StartUp::abort() {
    rollBack();
    return StartResult::Aborted;
}

// Undoes what this start wrote: the fresh working copy and the PROG hand-shake.
void StartUp::rollBack() {
    ErrorRunner runner(kLoadTitle, prefixFor(m_context.SPRACHE()));
    m_context.cnnX.close();
    if (m_copiedWorkingCopy)
        runner.step([&] { files::deleteFile(m_context.XMDBPFAD()); });
    if (m_progWritten)
        runner.step([&] { DbAdmin(m_archive).writeProg(m_context.BENUTZER(), m_previousProg); });
    m_progWritten = false;
    m_copiedWorkingCopy = false;
    m_context.cnnX_V.close();
    m_archive.close();
}

} // namespace talur
