// The evaluation menu in the main window: item states, compute and recompute with the output page in the
// MDI area, its command panels, the progress bar, the lock while loading and closing the page.
#include "ShellFixture.h"

#include "page/mdiSEITE1.h"
#include "shell/MainMenu.h"
#include "shell/StatusPanels.h"
#include "shell/admin/DemoProject.h"
#include "shell/mdiAUTOSTART.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>

namespace talur::test {

namespace {

const char* const kEvaluationItems[] = {"mnuEINGABEGRAFIK", "mnuBERECHNEN", "mnuMBERECHNEN", "mnuFBERECHNEN",
                                        "mnuNEUBERECHNEN"};

class EvaluationTest : public ShellTest {
protected:
    // The demo records (TON-W1, TON-S1, SAND-D1) with the given ones active; evaluated ones get an A1
    // row with BONEU false.
    void addRecords(const std::vector<bool>& active, const std::vector<bool>& evaluated = {}) {
        Connection project;
        project.open(projectDb());
        const QList<DemoRecord> records = DemoProject::records();
        int id = 0;
        for (bool isActive : active) {
            DemoRecord record = records[id % records.size()];
            record.AKT = isActive;
            DemoProject::insert(project, ++id, record);
        }
        id = 0;
        for (bool isEvaluated : evaluated) {
            ++id;
            if (isEvaluated)
                project.execute(QStringLiteral("INSERT INTO [A1] ([ID],[BONEU]) VALUES (%1, 0)").arg(id));
        }
    }

    // Opens and closes "&Auswerten" as the user would.
    void openEvaluationMenu() {
        QMenu* menu = m_main->menus().menu(QStringLiteral("mnuAUSWERTEN"));
        menu->popup(QPoint(0, 0));
        menu->hide();
    }

    std::vector<bool> itemStates() const {
        std::vector<bool> states;
        for (const char* name : kEvaluationItems)
            states.push_back(m_main->menus().isEnabled(QString::fromLatin1(name)));
        return states;
    }

    void choose(const char* item) { m_main->menus().action(QString::fromLatin1(item))->trigger(); }

    QProgressBar* progressBar() const {
        return m_main->mdiArea()->findChild<QProgressBar*>(QStringLiteral("pgbBERECHNEN"));
    }

    // Sub-windows of the MDI area that hold an output page and are not on their way out.
    int openPages() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        int count = 0;
        for (QMdiSubWindow* window : m_main->mdiArea()->subWindowList())
            if (qobject_cast<mdiSEITE1*>(window->widget()) && window->isVisible())
                ++count;
        return count;
    }

    std::vector<int> visiblePanels() const {
        std::vector<int> panels;
        for (int index = StatusPanels::kFirstCommand; index <= StatusPanels::kCount; ++index)
            if (!m_main->stbMAIN().panel(index)->isHidden())
                panels.push_back(index);
        return panels;
    }

    // A single never-evaluated active record, recomputed: the page of TON-W1 is shown.
    void showPageOfOneRecord() {
        addRecords({true, false});
        ASSERT_EQ(start(), StartResult::Running);
        openEvaluationMenu();
        choose("mnuNEUBERECHNEN");
        ASSERT_NE(m_main->page(), nullptr);
    }
};

TEST_F(EvaluationTest, MenuStatesFollowTheActiveRecords) {
    struct Case {
        const char* name;
        std::vector<bool> active;
        std::vector<bool> evaluated;
        std::vector<bool> states; // Eingabegrafik, Berechnen, MBerechnen, FBerechnen, Neuberechnen
    } cases[] = {
        {"none active", {false, false}, {true, true}, {false, false, false, false, false}},
        {"one never evaluated", {false, true}, {}, {false, false, false, false, true}},
        {"one evaluated", {false, true}, {false, true}, {false, true, false, false, true}},
        {"two active", {true, true, false}, {true, true}, {false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        addRecords(c.active, c.evaluated);
        ASSERT_EQ(start(), StartResult::Running);
        openEvaluationMenu();
        EXPECT_EQ(itemStates(), c.states);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(m_main->changed());
        m_main->mnuBEENDEN_Click();
    }
    EXPECT_TRUE(messageTexts().isEmpty()) << messageTexts().join('\n').toStdString();
}

TEST_F(EvaluationTest, OpeningTheMenuGivesANeverEvaluatedRecordItsStateRowInTheWorkingCopy) {
    addRecords({false, true});
    ASSERT_EQ(start(), StartResult::Running);
    openEvaluationMenu();
    Recordset a1;
    a1.open(QStringLiteral("SELECT [ID],[BONEU] FROM [A1]"), m_main->cnnX());
    ASSERT_FALSE(a1.eof());
    EXPECT_EQ(a1.value(QStringLiteral("ID")).toInt32(), 2);
    EXPECT_TRUE(a1.value(QStringLiteral("BONEU")).toBool());
    EXPECT_EQ(a1.recordCount(), 1);
}

TEST_F(EvaluationTest, RecomputeShowsTheMaximisedPageWithItsPanelsAndSetsTheChangedFlag) {
    addRecords({true, false});
    ASSERT_EQ(start(), StartResult::Running);
    std::vector<int> progress;
    QObject::connect(progressBar(), &QProgressBar::valueChanged, [&](int value) { progress.push_back(value); });
    openEvaluationMenu();
    EXPECT_FALSE(m_main->menus().isEnabled(QStringLiteral("mnuBERECHNEN")));
    choose("mnuNEUBERECHNEN");

    mdiSEITE1* page = m_main->page();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->seite().daten().KEN, QStringLiteral("TON-W1"));
    QMdiSubWindow* window = m_main->mdiArea()->activeSubWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->widget(), page);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(openPages(), 1);

    EXPECT_EQ(visiblePanels(), (std::vector<int>{10, 11, 12, 13, 14, 15}));
    for (int index = 10; index <= 15; ++index)
        EXPECT_EQ(m_main->stbMAIN().panel(index)->bevel(), StatusPanel::Bevel::Raised) << index;
    EXPECT_TRUE(m_main->changed());
    EXPECT_FALSE(m_main->menus().isEnabled(QStringLiteral("mnuDATEI")));
    EXPECT_TRUE(m_main->menus().isEnabled(QStringLiteral("mnuEXTRAS")));

    // The start screen's bar went through the page's steps and is hidden and empty again.
    ASSERT_FALSE(progress.empty());
    EXPECT_NE(std::find(progress.begin(), progress.end(), 50), progress.end());
    EXPECT_NE(std::find(progress.begin(), progress.end(), 100), progress.end());
    EXPECT_EQ(progress.back(), 0);
    EXPECT_FALSE(m_main->startScreen()->progressShown());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(messageTexts().isEmpty()) << messageTexts().join('\n').toStdString();

    // Evaluated now: "&Berechnen" becomes available.
    openEvaluationMenu();
    EXPECT_EQ(itemStates(), (std::vector<bool>{false, true, false, false, true}));
}

TEST_F(EvaluationTest, ComputeReplacesTheOpenPageWithANewOne) {
    showPageOfOneRecord();
    QPointer<mdiSEITE1> first = m_main->page();
    m_main->setChanged(false);
    openEvaluationMenu();
    choose("mnuBERECHNEN");
    EXPECT_EQ(openPages(), 1);
    EXPECT_TRUE(first.isNull());
    ASSERT_NE(m_main->page(), nullptr);
    EXPECT_EQ(m_main->page()->seite().daten().KEN, QStringLiteral("TON-W1"));
    EXPECT_TRUE(m_main->changed());
    EXPECT_EQ(visiblePanels(), (std::vector<int>{10, 11, 12, 13, 14, 15}));
}

TEST_F(EvaluationTest, DisabledComputeDoesNothing) {
    addRecords({true});
    ASSERT_EQ(start(), StartResult::Running);
    openEvaluationMenu(); // never evaluated: "&Berechnen" is disabled
    choose("mnuBERECHNEN");
    EXPECT_EQ(m_main->page(), nullptr);
    EXPECT_FALSE(m_main->changed());
    EXPECT_TRUE(visiblePanels().empty());
}

TEST_F(EvaluationTest, MainWindowIsLockedWhileThePageLoads) {
    addRecords({true});
    ASSERT_EQ(start(), StartResult::Running);
    bool seen = false, menuEnabled = true, panelsEnabled = true, locked = false, closed = true;
    QObject::connect(progressBar(), &QProgressBar::valueChanged, [&](int value) {
        if (value != 50 || seen)
            return;
        seen = true;
        menuEnabled = m_main->menuBar()->isEnabled();
        panelsEnabled = m_main->stbMAIN().isEnabled();
        locked = m_main->locked();
        closed = m_main->close(); // closing now would pull the database from under the page
    });
    openEvaluationMenu();
    choose("mnuNEUBERECHNEN");
    ASSERT_TRUE(seen);
    EXPECT_FALSE(menuEnabled);
    EXPECT_FALSE(panelsEnabled);
    EXPECT_TRUE(locked);
    EXPECT_FALSE(closed);
    EXPECT_NE(m_main->page(), nullptr);
    EXPECT_TRUE(m_main->menuBar()->isEnabled());
    EXPECT_TRUE(m_main->stbMAIN().isEnabled());
    EXPECT_FALSE(m_main->locked());
    // Afterwards the window closes as always: it asks about the changes.
    m_dialogs.queueAnswer(MsgAnswer::No);
    EXPECT_TRUE(m_main->close());
}

TEST_F(EvaluationTest, PageKeysClickThePanelsAndEscapeClosesThePage) {
    showPageOfOneRecord();
    mdiSEITE1* page = m_main->page();
    std::vector<int> clicked;
    for (int index : {10, 11, 12, 13, 14})
        m_main->setPanelCommand(index, [&clicked, index] { clicked.push_back(index); });
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {{Qt::Key_S, Qt::ControlModifier}, {Qt::Key_P, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier},
                {Qt::Key_W, Qt::ControlModifier}, {Qt::Key_A, Qt::ControlModifier}};
    for (const auto& k : keys) {
        QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers);
        QApplication::sendEvent(page, &press);
    }
    EXPECT_EQ(clicked, (std::vector<int>{10, 11, 12, 13, 14}));

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(page, &escape);
    EXPECT_EQ(m_main->page(), nullptr);
    EXPECT_EQ(openPages(), 0);
    EXPECT_TRUE(visiblePanels().empty());
    EXPECT_TRUE(m_main->menus().isEnabled(QStringLiteral("mnuDATEI")));
    EXPECT_TRUE(m_main->menus().isEnabled(QStringLiteral("mnuEXTRAS")));
    EXPECT_TRUE(m_main->startScreen()->isVisible());
    EXPECT_TRUE(m_main->changed()); // closing the page keeps the evaluation's changes unsaved
}

TEST_F(EvaluationTest, ActivatingThePageHidesTheAutoCadPanel) {
    showPageOfOneRecord();
    QMdiSubWindow* pageWindow = m_main->mdiArea()->activeSubWindow();
    ASSERT_NE(pageWindow, nullptr);
    auto* other = new QWidget;
    QMdiSubWindow* otherWindow = m_main->mdiArea()->addSubWindow(other);
    otherWindow->show();
    m_main->mdiArea()->setActiveSubWindow(otherWindow);
    EXPECT_EQ(visiblePanels(), (std::vector<int>{10, 11, 12, 13, 14, 15}));
    m_main->mdiArea()->setActiveSubWindow(pageWindow);
    EXPECT_EQ(visiblePanels(), (std::vector<int>{10, 11, 12, 13, 15}));
}

TEST_F(EvaluationTest, ClosePanelReturnsToTheStartScreen) {
    showPageOfOneRecord();
    m_main->panelClick(15);
    EXPECT_EQ(m_main->page(), nullptr);
    EXPECT_EQ(openPages(), 0);
    EXPECT_TRUE(visiblePanels().empty());
    EXPECT_TRUE(m_main->menus().isEnabled(QStringLiteral("mnuDATEI")));
    EXPECT_EQ(m_main->stbMAIN().panel(15)->bevel(), StatusPanel::Bevel::Raised);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(m_main->startScreen()->isVisible());
}

} // namespace
} // namespace talur::test
