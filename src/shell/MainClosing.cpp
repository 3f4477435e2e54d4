// Closing the main window: the closing question, saving, the frame program and the end of the run.
#include "platform/core/DialogService.h"
#include "platform/core/ErrorRunner.h"
#include "platform/core/FileOps.h"
#include "records/DbAdmin.h"
#include "shell/BusyCursor.h"
#include "shell/MainMenu.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace talur {

namespace {

const QString kUnloadTitle = QStringLiteral("frmMAIN / Unload");

QString textSaveQuestion(const QString& projekt, int sprache) {
    return sprache == 1
               ? QStringLiteral("Do you want to save changes to project ") + projekt + QStringLiteral("?")
               : QStringLiteral("Sollen die Änderungen in Projekt ") + projekt +
                     QStringLiteral(" gespeichert werden?");
}

QString textSaveFailed(const QString& projekt, const QString& reason, const QString& workingCopy,
                       int sprache) {
    const QString why = reason.isEmpty() ? QString() : reason + kLineBreak;
    if (sprache == 1)
        return QStringLiteral("The changes to project ") + projekt + QStringLiteral(" could not be saved.") +
               kLineBreak + why + QStringLiteral("The working copy ") + workingCopy +
               QStringLiteral(" is kept; the next start offers to take it over.") + kLineBreak +
               QStringLiteral("OK ends the program, Cancel returns to it.");
    return QStringLiteral("Die Änderungen in Projekt ") + projekt +
           QStringLiteral(" konnten nicht gespeichert werden.") + kLineBreak + why +
           QStringLiteral("Die Arbeitskopie ") + workingCopy +
           QStringLiteral(" bleibt erhalten; beim nächsten Start wird angeboten, sie zu übernehmen.") +
           kLineBreak + QStringLiteral("OK beendet das Programm, Abbrechen kehrt zum Programm zurück.");
}

} // namespace

void frmMAIN::saveWorkingCopy() {
    BusyCursor busy;
    files::copyDatabase(m_context.XMDBPFAD(), m_context.projectDatabasePath());
    m_changed = false;
}

void frmMAIN::setSaveCommand(std::function<bool()> save) {
    m_save = std::move(save);
}

void frmMAIN::setFrameLauncher(std::function<bool(const QString&)> launcher) {
    m_launcher = std::move(launcher);
}

QString frmMAIN::frameProgramPath() const {
#ifdef Q_OS_WIN
    const QString name = kFrameProgram + QStringLiteral(".exe");
#else
    const QString name = kFrameProgram;
#endif
    return files::join(files::parentFolder(m_context.programFolder()), name);
}

void frmMAIN::mnuSCHLIESSEN_Click() {
    m_returnToFrame = true;
    requestUnload(CloseReason::Code);
}

void frmMAIN::mnuBEENDEN_Click() {
    m_returnToFrame = false;
    requestUnload(CloseReason::Code);
}

void frmMAIN::sessionEnds() {
    requestUnload(CloseReason::System);
}

void frmMAIN::requestUnload(CloseReason reason) {
    m_pendingReason = reason;
    close();
    m_pendingReason = CloseReason::CloseBox;
}

void frmMAIN::closeEvent(QCloseEvent* event) {
    // Closing while a page loads would pull the connection and the windows from under the loading page.
    if (m_locked) {
        event->ignore();
        return;
    }
    if (m_running) {
        if (!queryUnload(m_pendingReason)) {
            event->ignore();
            return;
        }
        unload();
    }
    event->accept();
}

bool frmMAIN::queryUnload(CloseReason reason) {
    const bool asked = reason == CloseReason::CloseBox || reason == CloseReason::Code;
    if (asked && m_changed) {
        const QString title = m_menu->action(QStringLiteral("mnuBEENDEN"))->text();
        const MsgAnswer answer = dialogs().message(textSaveQuestion(m_context.PROJEKT(), SPRACHE()),
                                                   MsgButtons::YesNoCancel, MsgIcon::Question, title);
        if (answer == MsgAnswer::Cancel)
            return false;
        if (answer == MsgAnswer::Yes && !saveOnClosing())
            return false;
    }
    // Nobody can be asked when the session ends: unsaved changes stay in the working copy,
    // which the next start offers to recover.
    if (reason == CloseReason::System && m_changed)
        m_keepWorkingCopy = true;
    if (reason == CloseReason::CloseBox || m_returnToFrame)
        startFrameProgram();
    return true;
}

// Saving failed: the working copy stays, so the next start can recover the changes.
bool frmMAIN::saveOnClosing() {
    QString reason;
    bool saved = false;
    try {
        saved = m_save();
    } catch (const RunError& error) {
        reason = QStringLiteral("%1: %2").arg(error.number()).arg(error.description());
    }
    if (saved)
        return true;
    QString workingCopy;
    try {
        workingCopy = m_context.XMDBPFAD();
    } catch (const RunError&) {
        workingCopy = QStringLiteral("?");
    }
    const MsgAnswer answer = dialogs().message(
        textSaveFailed(m_context.PROJEKT(), reason, workingCopy, SPRACHE()), MsgButtons::OkCancel,
        MsgIcon::Exclamation, m_menu->action(QStringLiteral("mnuBEENDEN"))->text());
    if (answer == MsgAnswer::Cancel)
        return false;
    m_keepWorkingCopy = true;
    return true;
}

void frmMAIN::startFrameProgram() {
    const QString program = frameProgramPath();
    if (files::fileExists(program) && m_launcher)
        m_launcher(program);
}

void frmMAIN::unload() {
    ErrorRunner runner(kUnloadTitle, SPRACHE() == 1 ? ErrorPrefix::English : ErrorPrefix::German);
    const bool standalone = m_context.isStandalone();
    runner.run({
        [&] {
            for (QMdiSubWindow* window : m_mdi->subWindowList()) {
                window->close();
                window->hide();
                window->deleteLater();
            }
            m_startScreen = nullptr;
            m_startWindow = nullptr;
            for (QWidget* window : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (window->isWindow() && window->isVisible())
                    window->close();
        },
        [&] {
            if (!standalone)
                DbAdmin(m_archive).writeProg(m_context.BENUTZER(), kFrameProgram);
        },
        [&] {
            if (!standalone) {
                m_archive.close();
                m_context.cnnX_V.close();
            }
        },
        [&] { m_context.cnnX.close(); },
        [&] {
            if (!m_keepWorkingCopy)
                files::deleteFile(m_context.XMDBPFAD());
        },
    });
    m_running = false;
    emit programEnded(0);
}

} // namespace talur
