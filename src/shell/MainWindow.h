#pragma once
// frmMAIN: the maximised MDI main window. It owns the run context with its connections, the changed
// flag, the menus and the status bar for the whole run, starts the run and ends it.
#include "records/RunContext.h"
#include "shell/PanelKeys.h"
#include "shell/StartUp.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>

class QMdiArea;
class QMdiSubWindow;

namespace talur {

class MainMenu;
class StatusPanels;
class mdiAUTOSTART;
class mdiSEITE1;
struct AuswertungsErgebnis;
struct AuswertungsUmgebung;

// Why the main window is being closed.
enum class CloseReason {
    CloseBox, // the window's close box (or any close the program did not ask for itself)
    Code,     // the program's own unload request (Schließen, Beenden)
    System,   // the session ends
};

class frmMAIN : public QMainWindow, private StartUpView {
    Q_OBJECT
public:
    // programFolder: the folder of the executable (and of the empty database).
    explicit frmMAIN(const QString& programFolder, QWidget* parent = nullptr);
    ~frmMAIN() override;

    // Runs start-up; on Running the window and the start screen are shown.
    StartResult load();

    // The run context (BENUTZER, DATENBANKPFAD, XMDBPFAD, PROJEKT, ...) and its connections.
    RunContext& context() { return m_context; }
    const RunContext& context() const { return m_context; }
    Connection& cnnX() { return m_context.cnnX; }
    Connection& cnnX_V() { return m_context.cnnX_V; }
    int SPRACHE() const { return m_context.SPRACHE(); }

    bool changed() const { return m_changed; }
    void setChanged(bool changed) override { m_changed = changed; }
    // The mode hand-shake of the record commands and the selection dialog.
    QString Tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

    QMdiArea* mdiArea() const { return m_mdi; }
    MainMenu& menus() const { return *m_menu; }
    StatusPanels& stbMAIN() const { return *m_status; }
    mdiAUTOSTART* startScreen() const { return m_startScreen; }
    // The output page in the MDI area; nullptr when none is open.
    mdiSEITE1* page() const;
    // Whether the main window is locked while an output page loads.
    bool locked() const { return m_locked; }

    // Panel 6 from the active records of the working copy.
    void refreshRecordPanel() override;

    // Copies the working copy over the project database and clears the changed flag.
    // Throws RunError; a failed copy leaves the project database as it was.
    void saveWorkingCopy();
    // What closing runs when the user wants the changes saved; true when they reached the project.
    // By default saveWorkingCopy(); the Save command installs its own routine.
    void setSaveCommand(std::function<bool()> save);
    // Starts the frame program; replaceable in tests. Default: a detached process.
    void setFrameLauncher(std::function<bool(const QString& program)> launcher);
    QString frameProgramPath() const;

    // A command panel's routine (8 to 15); a panel without one only springs back.
    void setPanelCommand(int index, std::function<void()> command);
    // Makes keys of a child window click command panels (the window sees them before its controls).
    PanelKeys* forwardKeys(QWidget* window, QList<PanelKey> keys);

    // Whether the last close kept the working copy because saving failed.
    bool workingCopyKept() const { return m_keepWorkingCopy; }

public slots:
    // The panel click: runs the panel's command, then lets a command panel spring back.
    void panelClick(int index);
    void mnuSCHLIESSEN_Click();
    void mnuBEENDEN_Click();
    void mnuINFO_Click();
    // "&Auswerten": the menu is opened (enables its items), "&Berechnen", "&Neuberechnen".
    void mnuAUSWERTEN_Click();
    void mnuBERECHNEN_Click();
    void mnuNEUBERECHNEN_Click();
    // Command panel 15: closes the output page and returns to the start screen.
    void closePages();
    // The session ends: no questions, the run ends as far as it can.
    void sessionEnds();

signals:
    // The run is over (after Unload, or after a refused start); the program ends with the code.
    void programEnded(int exitCode);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // StartUpView
    void applyLanguage(int sprache) override;
    void showContext(const ContextPanels& panels) override;
    void showMainWindow() override;

    void connectMenus();
    void panelPressed(int index);
    void keepStartScreenBehind(QMdiSubWindow* activated);
    void pageActivated(QMdiSubWindow* activated);
    AuswertungsUmgebung evaluationHooks();
    mdiSEITE1* createPage();
    void showPage(mdiSEITE1& page);
    void lockWhileLoading(bool locked);
    void applyEvaluation(const AuswertungsErgebnis& result);
    void requestUnload(CloseReason reason);
    bool queryUnload(CloseReason reason);
    bool saveOnClosing();
    void startFrameProgram();
    void unload();

    RunContext m_context;
    Connection m_archive;
    QMdiArea* m_mdi = nullptr;
    MainMenu* m_menu = nullptr;
    StatusPanels* m_status = nullptr;
    mdiAUTOSTART* m_startScreen = nullptr;
    QMdiSubWindow* m_startWindow = nullptr;
    QPointer<QMdiSubWindow> m_pageWindow;
    std::array<std::function<void()>, 16> m_panelCommands{};
    std::function<bool()> m_save;
    std::function<bool(const QString&)> m_launcher;
    CloseReason m_pendingReason = CloseReason::CloseBox;
    QString m_tag;
    bool m_changed = false;
    bool m_returnToFrame = false;
    bool m_running = false;
    bool m_keepWorkingCopy = false;
    bool m_locked = false;
};

} // namespace talur
