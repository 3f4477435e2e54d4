// The evaluation menu and the output page in the main window: menu states, compute and recompute with
// the start screen's progress bar, the page's place in the MDI area and the command panels it uses.
#include "page/Auswertung.h"
#include "page/mdiSEITE1.h"
#include "shell/BusyCursor.h"
#include "shell/MainMenu.h"
#include "shell/MainWindow.h"
#include "shell/Product.h"
#include "shell/StatusPanels.h"
#include "shell/mdiAUTOSTART.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace talur {

namespace {

constexpr int kFirstPagePanel = 10;
constexpr int kLastPagePanel = 15;

} // namespace

mdiSEITE1* frmMAIN::page() const {
    return m_pageWindow ? qobject_cast<mdiSEITE1*>(m_pageWindow->widget()) : nullptr;
}

AuswertungsUmgebung frmMAIN::evaluationHooks() {
    AuswertungsUmgebung hooks;
    hooks.fortschrittSichtbar = [this](bool visible) {
        if (!m_startScreen)
            return;
        if (visible)
            m_startScreen->showProgress();
        else
            m_startScreen->hideProgress();
    };
    hooks.fortschritt = [this](int percent) {
        if (m_startScreen)
            m_startScreen->setProgress(percent);
    };
    hooks.beschaeftigt = [](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        else
            defaultCursor();
    };
    hooks.hauptfensterSperren = [this](bool locked) { lockWhileLoading(locked); };
    hooks.seiteErzeugen = [this] { return createPage(); };
    hooks.seiteZeigen = [this](mdiSEITE1& page) { showPage(page); };
    hooks.befehlsfelderZeigen = [this](const QList<int>& panels) {
        for (int index : panels)
            m_status->showCommands(index, index, true);
    };
    return hooks;
}

void frmMAIN::mnuAUSWERTEN_Click() {
    const AuswertenMenue states = Auswertung(m_context, evaluationHooks()).menueOeffnen();
    m_menu->setEnabled(QStringLiteral("mnuEINGABEGRAFIK"), states.eingabegrafik);
    m_menu->setEnabled(QStringLiteral("mnuBERECHNEN"), states.berechnen);
    m_menu->setEnabled(QStringLiteral("mnuMBERECHNEN"), states.mberechnen);
    m_menu->setEnabled(QStringLiteral("mnuFBERECHNEN"), states.fberechnen);
    m_menu->setEnabled(QStringLiteral("mnuNEUBERECHNEN"), states.neuberechnen);
}

void frmMAIN::mnuBERECHNEN_Click() {
    applyEvaluation(Auswertung(m_context, evaluationHooks()).berechnen());
}

void frmMAIN::mnuNEUBERECHNEN_Click() {
    applyEvaluation(Auswertung(m_context, evaluationHooks()).neuberechnen());
}

void frmMAIN::applyEvaluation(const AuswertungsErgebnis& result) {
    // A page that failed before it was shown would otherwise linger unseen in the MDI area.
    if (!result.seiteGezeigt && m_pageWindow && m_pageWindow->isHidden()) {
        m_pageWindow->close();
        m_pageWindow = nullptr;
    }
    if (result.geaendert)
        setChanged(true);
    if (result.dateiMenueAus)
        m_menu->setEnabled(QStringLiteral("mnuDATEI"), false);
}

// One page at a time: the previous one goes before the new one is made.
mdiSEITE1* frmMAIN::createPage() {
    if (m_pageWindow) {
        m_pageWindow->close();
        m_pageWindow = nullptr;
    }
    SeitenUmgebung hooks;
    hooks.fortschritt = [this](int percent) {
        if (m_startScreen)
            m_startScreen->setProgress(percent);
    };
    hooks.befehlsfeldKlick = [this](int index) { panelClick(index); };
    hooks.beenden = [this] { mnuBEENDEN_Click(); };
    hooks.befehlsfeldVerbergen = [this](int index) {
        if (StatusPanel* panel = m_status->panel(index))
            panel->hide();
    };
    auto* page = new mdiSEITE1(m_context, std::move(hooks));
    Versionsinfo version;
    version.produktname = productName();
    page->setVersionsinfo(version);
    m_pageWindow = m_mdi->addSubWindow(page, Qt::FramelessWindowHint);
    m_pageWindow->setObjectName(QStringLiteral("mdiSEITE1_Window"));
    m_pageWindow->hide();
    return page;
}

void frmMAIN::showPage(mdiSEITE1& page) {
    if (!m_pageWindow || m_pageWindow->widget() != &page)
        return;
    m_pageWindow->showMaximized();
    m_mdi->setActiveSubWindow(m_pageWindow);
    page.setFocus();
}

void frmMAIN::pageActivated(QMdiSubWindow* activated) {
    if (activated && activated == m_pageWindow)
        if (mdiSEITE1* shown = page())
            shown->aktiviert();
}

// Menus and command panels do nothing while a page loads; the start screen's progress bar stays lively.
void frmMAIN::lockWhileLoading(bool locked) {
    m_locked = locked;
    menuBar()->setEnabled(!locked);
    m_status->setEnabled(!locked);
}

void frmMAIN::closePages() {
    BusyCursor busy;
    for (QMdiSubWindow* window : m_mdi->subWindowList())
        if (window != m_startWindow)
            window->close();
    m_pageWindow = nullptr;
    m_status->showCommands(kFirstPagePanel, kLastPagePanel, false);
    m_menu->setEnabled(QStringLiteral("mnuDATEI"), true);
    m_menu->setEnabled(QStringLiteral("mnuEXTRAS"), true);
    defaultCursor();
}

} // namespace talur
