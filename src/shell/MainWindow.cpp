#include "shell/MainWindow.h"

#include "platform/core/DialogService.h"
#include "platform/core/ErrorRunner.h"
#include "platform/core/FileOps.h"
#include "platform/core/Services.h"
#include "shell/BusyCursor.h"
#include "shell/MainMenu.h"
#include "shell/Product.h"
#include "shell/StatusPanels.h"
#include "shell/frmINFO.h"
#include "shell/mdiAUTOSTART.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QScreen>

namespace talur {

frmMAIN::frmMAIN(const QString& programFolder, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMAIN"));
    setWindowTitle(kProductFamily);
    m_context.setProgramFolder(programFolder);

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("mdiMAIN"));
    m_mdi->setBackground(QColor(128, 128, 128));
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &frmMAIN::keepStartScreenBehind);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &frmMAIN::pageActivated);

    m_menu = new MainMenu(menuBar(), this);
    connectMenus();

    m_status = new StatusPanels(this);
    setStatusBar(m_status);
    connect(m_status, &StatusPanels::panelPressed, this, &frmMAIN::panelPressed);
    connect(m_status, &StatusPanels::panelClicked, this, &frmMAIN::panelClick);
    setPanelCommand(15, [this] { closePages(); });

    m_save = [this] {
        saveWorkingCopy();
        return true;
    };
    m_launcher = [](const QString& program) {
        return QProcess::startDetached(program, {}, QFileInfo(program).absolutePath());
    };
}

frmMAIN::~frmMAIN() = default;

void frmMAIN::connectMenus() {
    m_menu->setHandler(QStringLiteral("mnuSCHLIESSEN"), [this] { mnuSCHLIESSEN_Click(); });
    m_menu->setHandler(QStringLiteral("mnuBEENDEN"), [this] { mnuBEENDEN_Click(); });
    m_menu->setHandler(QStringLiteral("mnuINFO"), [this] { mnuINFO_Click(); });
    m_menu->setAboutToShow(QStringLiteral("mnuAUSWERTEN"), [this] { mnuAUSWERTEN_Click(); });
    m_menu->setHandler(QStringLiteral("mnuBERECHNEN"), [this] { mnuBERECHNEN_Click(); });
    m_menu->setHandler(QStringLiteral("mnuNEUBERECHNEN"), [this] { mnuNEUBERECHNEN_Click(); });
}

StartResult frmMAIN::load() {
    StartUp startUp(m_context, m_archive, *this);
    const StartResult result = startUp.run();
    m_running = result == StartResult::Running;
    return result;
}

void frmMAIN::applyLanguage(int sprache) {
    setWindowTitle(kProductFamily);
    m_menu->applyLanguage(sprache);
    m_status->applyLanguage(sprache);
}

void frmMAIN::showContext(const ContextPanels& panels) {
    m_status->setPanel(1, panels.path.text, panels.path.toolTip);
    m_status->setPanel(2, panels.project.text, panels.project.toolTip);
    m_status->setPanel(4, panels.program.text, panels.program.toolTip);
}

void frmMAIN::refreshRecordPanel() {
    const PanelText panel = recordPanelText(m_context.cnnX);
    m_status->setPanel(6, panel.text, panel.toolTip);
}

void frmMAIN::showMainWindow() {
    // Without a window manager "maximised" means nothing; the screen's size then stands in.
    if (const QScreen* screen = this->screen())
        setGeometry(screen->availableGeometry());
    showMaximized();
    m_startScreen = new mdiAUTOSTART(SPRACHE());
    m_startWindow = m_mdi->addSubWindow(m_startScreen, Qt::FramelessWindowHint);
    m_startWindow->setObjectName(QStringLiteral("mdiAUTOSTART_Window"));
    eventPump().processEvents();
    m_startWindow->showMaximized();
}

// The start screen stays behind the other child windows: activating it hands the focus back.
void frmMAIN::keepStartScreenBehind(QMdiSubWindow* activated) {
    if (!activated || activated != m_startWindow)
        return;
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (*it != m_startWindow && !(*it)->isHidden()) {
            m_mdi->setActiveSubWindow(*it);
            return;
        }
}

void frmMAIN::setPanelCommand(int index, std::function<void()> command) {
    if (index >= 1 && index <= StatusPanels::kCount)
        m_panelCommands[size_t(index)] = std::move(command);
}

PanelKeys* frmMAIN::forwardKeys(QWidget* window, QList<PanelKey> keys) {
    return new PanelKeys(window, std::move(keys), [this](int index) { panelClick(index); });
}

// A pressed command panel looks pressed for a moment before its command runs.
void frmMAIN::panelPressed(int index) {
    if (!StatusPanels::isCommand(index))
        return;
    StatusPanel* panel = m_status->panel(index);
    panel->setBevel(StatusPanel::Bevel::Inset);
    panel->repaint();
    clock().sleep(250);
}

void frmMAIN::panelClick(int index) {
    StatusPanel* panel = m_status->panel(index);
    if (!panel)
        return;
    if (const auto& command = m_panelCommands[size_t(index)]) {
        try {
            command();
        } catch (const RunError& error) {
            // Invalid property values and a cancelled print dialog end a command silently.
            if (error.number() != err::InvalidPropertyValue && error.number() != err::DialogCancelled)
                dialogs().message(errorBoxText(SPRACHE() == 1 ? ErrorPrefix::English : ErrorPrefix::German,
                                               error.number(), error.description()),
                                  MsgButtons::OkCancel, MsgIcon::Exclamation, panel->text());
        }
    }
    if (StatusPanels::isCommand(index))
        panel->setBevel(StatusPanel::Bevel::Raised);
    defaultCursor();
}

void frmMAIN::mnuINFO_Click() {
    frmINFO info(SPRACHE(), this);
    info.exec();
}

} // namespace talur
