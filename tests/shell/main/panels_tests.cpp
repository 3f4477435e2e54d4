// The status bar: project path, record panel, command panels, panel click and key forwarding.
#include "ShellFixture.h"

#include "platform/core/RunError.h"
#include "shell/PanelTexts.h"
#include "shell/StatusPanels.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>

namespace talur::test {

TEST(ProjectPath, ShortenedToATailOfTwentyCharacters) {
    struct Case {
        const char* path;
        char separator;
        const char* shown;
    } cases[] = {
        {"D:\\DATEN\\PROJEKTE\\GRUBE", '\\', " ... \\PROJEKTE\\GRUBE\\"},     // 23 characters
        {"D:\\DATEN\\PROJEKTE\\AB", '\\', "D:\\DATEN\\PROJEKTE\\AB\\"},       // exactly 20: unshortened
        {"D:\\DATEN\\PROJEKTE\\ABC", '\\', " ... :\\DATEN\\PROJEKTE\\ABC\\"}, // 21: one character dropped
        {"/srv/geotechnik/projekte", '/', " ... /geotechnik/projekte/"},
        {"/a/b", '/', "/a/b/"},
        {"", '/', "/"},
        // No separator left to cut at: the last part stays whole.
        {"/projekte_der_abteilung_grundbau", '/', " ... projekte_der_abteilung_grundbau/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(shortenProjectPath(QString::fromLatin1(c.path), QLatin1Char(c.separator)),
                  QString::fromLatin1(c.shown));
    }
}

TEST_F(ShellTest, PathPanelShowsTheShortenedPathAndTheFullOneAsTooltip) {
    ASSERT_EQ(start(), StartResult::Running);
    const StatusPanel* panel = m_main->stbMAIN().panel(1);
    EXPECT_EQ(panel->text(), shortenProjectPath(projectsFolder()));
    EXPECT_TRUE(panel->text().startsWith(QStringLiteral(" ... ")));
    EXPECT_TRUE(panel->text().endsWith(QLatin1Char('/')));
    EXPECT_EQ(panel->toolTip(), projectsFolder());
}

TEST_F(ShellTest, RecordPanelShowsTheActiveRecords) {
    struct Record {
        int id;
        const char* ken;
        const char* kom; // nullptr: Null
        bool active;
    };
    struct Case {
        const char* name;
        QList<Record> records;
        const char* text;
        const char* tip;
    } cases[] = {
        {"none", {}, "-", ""},
        {"none active", {{1, "B1", "Ton", false}}, "-", ""},
        {"one", {{1, "B1", "Ton", true}, {2, "B2", "Sand", false}}, "B1", "Ton"},
        {"one without comment", {{1, "B1", nullptr, true}}, "B1", ""},
        {"several in identifier order",
         {{1, "ZZ", "a", true}, {2, "AB", "b", true}, {3, "MM", "c", false}, {4, "CD", "d", true}},
         "AB,...",
         "AB, CD, ZZ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        for (const Record& r : c.records)
            addRecord(projectDb(), r.id, QString::fromLatin1(r.ken),
                      r.kom ? std::optional<QString>(QString::fromLatin1(r.kom)) : std::nullopt, r.active);
        ASSERT_EQ(start(), StartResult::Running);
        EXPECT_EQ(m_main->stbMAIN().panel(6)->text(), QString::fromLatin1(c.text));
        EXPECT_EQ(m_main->stbMAIN().panel(6)->toolTip(), QString::fromLatin1(c.tip));
        m_main->mnuBEENDEN_Click();
    }
}

TEST_F(ShellTest, RecordPanelRefreshFollowsTheWorkingCopy) {
    ASSERT_EQ(start(), StartResult::Running);
    EXPECT_EQ(m_main->stbMAIN().panel(6)->text(), QStringLiteral("-"));
    m_main->cnnX().close();
    addRecord(workingCopy(), 7, QStringLiteral("NEU"), QStringLiteral("neu"), true);
    m_main->cnnX().open(workingCopy());
    m_main->refreshRecordPanel();
    EXPECT_EQ(m_main->stbMAIN().panel(6)->text(), QStringLiteral("NEU"));
    EXPECT_EQ(m_main->stbMAIN().panel(6)->toolTip(), QStringLiteral("neu"));
}

TEST_F(ShellTest, CommandPanelsStartHiddenWithTheirGermanTexts) {
    ASSERT_EQ(start(), StartResult::Running);
    const StatusPanels& bar = m_main->stbMAIN();
    EXPECT_EQ(bar.objectName(), QStringLiteral("stbMAIN"));
    const char* texts[] = {"OK", "Abbrechen", "Anzeigen", "Drucken", "Kopie", "Word", "AutoCAD", "Schließen"};
    const char* tips[] = {"Eingabedaten speichern",
                          "Eingabedaten verwerfen",
                          "Ausgabeseite anzeigen",
                          "Ausgabeseite drucken",
                          "Bildschirmkopie speichern",
                          "Ausgabeseite in ein Word-Dokument übertragen",
                          "Ausgabeseite in eine AutoCAD-Zeichnung übertragen",
                          "Zurück zum Startbildschirm"};
    for (int index = 8; index <= 15; ++index) {
        const StatusPanel* panel = bar.panel(index);
        EXPECT_TRUE(panel->isHidden()) << index;
        EXPECT_EQ(panel->text(), QString::fromUtf8(texts[index - 8]));
        EXPECT_EQ(panel->toolTip(), QString::fromUtf8(tips[index - 8]));
        EXPECT_EQ(panel->bevel(), StatusPanel::Bevel::Raised);
    }
    for (int index = 1; index <= 7; ++index) {
        EXPECT_FALSE(bar.panel(index)->isHidden()) << index;
        EXPECT_EQ(bar.panel(index)->bevel(), StatusPanel::Bevel::Inset);
    }
    EXPECT_EQ(bar.panel(7)->autoSize(), StatusPanel::AutoSize::Spring);
    EXPECT_EQ(bar.panel(0), nullptr);
    EXPECT_EQ(bar.panel(16), nullptr);
}

TEST_F(ShellTest, PressedCommandPanelLooksInsetWhileItsCommandRunsAndSpringsBack) {
    ASSERT_EQ(start(), StartResult::Running);
    StatusPanels& bar = m_main->stbMAIN();
    bar.showCommands(10, 15, true);
    StatusPanel* panel = bar.panel(11);
    StatusPanel::Bevel during = StatusPanel::Bevel::None;
    int runs = 0;
    m_main->setPanelCommand(11, [&] {
        during = panel->bevel();
        ++runs;
    });
    const QPointF inside(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, inside, panel->mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(panel, &press);
    EXPECT_EQ(panel->bevel(), StatusPanel::Bevel::Inset);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, panel->mapToGlobal(inside), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(panel, &release);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(during, StatusPanel::Bevel::Inset);
    EXPECT_EQ(panel->bevel(), StatusPanel::Bevel::Raised);
}

TEST_F(ShellTest, PanelCommandErrorsAreReportedUnlessTheyEndTheCommandSilently) {
    ASSERT_EQ(start(), StartResult::Running);
    struct Case {
        int number;
        bool reported;
    } cases[] = {{380, false}, {32755, false}, {53, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        m_dialogs.clearTranscript();
        m_main->setPanelCommand(12, [&] { throw RunError(c.number, QStringLiteral("kaputt")); });
        m_main->panelClick(12);
        if (!c.reported) {
            EXPECT_TRUE(m_dialogs.transcript().isEmpty());
            continue;
        }
        ASSERT_EQ(m_dialogs.transcript().size(), 1);
        EXPECT_EQ(m_dialogs.transcript()[0].text, QStringLiteral("VB-Fehler: 53\nkaputt"));
        EXPECT_EQ(m_dialogs.transcript()[0].title, QStringLiteral("Kopie"));
        EXPECT_EQ(m_main->stbMAIN().panel(12)->bevel(), StatusPanel::Bevel::Raised);
    }
}

TEST_F(ShellTest, ForwardedKeysOfAChildWindowClickTheirPanels) {
    ASSERT_EQ(start(), StartResult::Running);
    QList<int> clicked;
    for (int index : {8, 15})
        m_main->setPanelCommand(index, [&clicked, index] { clicked << index; });
    auto* page = new QWidget;
    auto* field = new QLineEdit(page);
    m_main->mdiArea()->addSubWindow(page)->show();
    m_main->forwardKeys(
        page, {{QKeyCombination(Qt::ControlModifier, Qt::Key_S), 8}, {QKeyCombination(Qt::Key_Escape), 15}});
    auto* later = new QLineEdit(page); // controls added afterwards are watched too

    QKeyEvent ctrlS(QEvent::KeyPress, Qt::Key_S, Qt::ControlModifier, QStringLiteral("s"));
    QApplication::sendEvent(field, &ctrlS);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(later, &escape);
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(field, &letter);

    EXPECT_EQ(clicked, (QList<int>{8, 15}));
    EXPECT_EQ(field->text(), QStringLiteral("a"));
}

} // namespace talur::test

namespace talur::test {

TEST_F(ShellTest, InformationPanelsAreWideEnoughForTheirTexts) {
    addRecord(projectDb(), 1, QStringLiteral("TON-W1"), {}, true);
    ASSERT_EQ(start(), StartResult::Running);
    QApplication::processEvents();
    for (int index : {1, 2, 3, 4, 5, 6}) {
        const StatusPanel* panel = m_main->stbMAIN().panel(index);
        const int needed = QFontMetrics(panel->font()).horizontalAdvance(panel->text());
        EXPECT_GT(panel->width(), needed) << index << " " << panel->text().toStdString();
    }
}

} // namespace talur::test
