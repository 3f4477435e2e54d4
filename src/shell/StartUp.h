#pragma once
// The start of a run: language, run context, settings databases, the user's ADMIN row, the checks
// that refuse a run, the working copy and the connection to it. Free of widgets: what it shows goes
// through StartUpView, every box through the dialog service.
#include "platform/core/Database.h"
#include "records/RunContext.h"
#include "shell/PanelTexts.h"

#include <QString>

namespace talur {

class ErrorRunner;

class StartUpView {
public:
    virtual ~StartUpView() = default;
    virtual void applyLanguage(int sprache) = 0;               // captions of menus and command panels
    virtual void showContext(const ContextPanels& panels) = 0; // panels 1, 2 and 4
    virtual void setChanged(bool changed) = 0;
    virtual void refreshRecordPanel() = 0;
    virtual void showMainWindow() = 0; // the window and its start screen
};

enum class StartResult {
    Running, // the main window is shown and works on the working copy
    Refused, // a refusal was shown; the program ends
    Aborted, // the user left start-up with Cancel in an error box; the program ends
};

class StartUp {
public:
    StartUp(RunContext& context, Connection& archive, StartUpView& view);

    StartResult run();

    // Texts of the refusals and of the interrupted-run question.
    static QString textFrameOnly(int sprache);
    static QString textNoProjectFolder(const QString& projekt, int sprache);
    static QString textNoTemplate(int sprache);
    static QString textInterrupted(int sprache);

    bool progWritten() const { return m_progWritten; }
    bool keptWorkingCopy() const { return m_keptWorkingCopy; }

private:
    void takeLocale();
    void takeStandaloneProject();
    StartResult takeFrameProject(ErrorRunner& runner);
    bool readAdminRow(ErrorRunner& runner, bool& hasRow);
    bool checksPass();
    bool prepareWorkingCopy(ErrorRunner& runner);
    bool openWorkingCopy();
    StartResult refuse(const QString& text);
    StartResult abort();
    void rollBack();

    RunContext& m_context;
    Connection& m_archive;
    StartUpView& m_view;
    QString m_previousProg;
    bool m_progWritten = false;
    bool m_copiedWorkingCopy = false;
    bool m_keptWorkingCopy = false;
};

} // namespace talur
