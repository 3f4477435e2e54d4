// Closing: the closing question, saving, the frame program, and the working copy after a failed save.
#include "ShellFixture.h"

#include "platform/core/RunError.h"
#include "platform/core/SystemInfo.h"
#include "records/DbSchema.h"
#include "shell/StatusPanels.h"

#include <QDir>
#include <QFile>

namespace talur::test {

namespace {

enum class How { CloseBox, Quit, Done, SessionEnd };

void closeBy(frmMAIN& main, How how) {
    switch (how) {
    case How::CloseBox:
        main.close();
        break;
    case How::Quit:
        main.mnuBEENDEN_Click();
        break;
    case How::Done:
        main.mnuSCHLIESSEN_Click();
        break;
    case How::SessionEnd:
        main.sessionEnds();
        break;
    }
}

// A change in the working copy, as the record commands make it.
void changeWorkingCopy(frmMAIN& main) {
    Recordset rs;
    rs.open(QStringLiteral("SELECT * FROM [E1]"), main.cnnX());
    rs.addNew();
    rs.setValue(QStringLiteral("ID"), Variant(int32_t(1)));
    rs.setValue(QStringLiteral("KEN"), Variant(QStringLiteral("NEU")));
    rs.setValue(QStringLiteral("AKT"), Variant(true));
    rs.update();
    main.setChanged(true);
}

} // namespace

struct ClosingCase {
    const char* name;
    How how;
    bool changed;
    std::optional<MsgAnswer> answer; // nullopt: no question expected
    bool frameProgramPresent;
    bool saved;
    bool launched;
    bool closed;
    bool workingCopyKept = false;
};

TEST_F(ShellTest, ClosingAsksSavesAndReturnsToTheFrameProgramAsTheWayOfClosingSays) {
    const ClosingCase cases[] = {
        {"close box, unchanged", How::CloseBox, false, {}, true, false, true, true},
        {"close box, unchanged, no frame program", How::CloseBox, false, {}, false, false, false, true},
        {"quit, unchanged", How::Quit, false, {}, true, false, false, true},
        {"done, unchanged", How::Done, false, {}, true, false, true, true},
        {"close box, changed, yes", How::CloseBox, true, MsgAnswer::Yes, true, true, true, true},
        {"quit, changed, yes", How::Quit, true, MsgAnswer::Yes, true, true, false, true},
        {"done, changed, no", How::Done, true, MsgAnswer::No, true, false, true, true},
        {"quit, changed, no", How::Quit, true, MsgAnswer::No, true, false, false, true},
        {"close box, changed, cancel", How::CloseBox, true, MsgAnswer::Cancel, true, false, false, false},
        {"done, changed, cancel", How::Done, true, MsgAnswer::Cancel, true, false, false, false},
        {"session ends, unchanged", How::SessionEnd, false, {}, true, false, false, true},
        // Nobody to ask: the changes stay in the working copy for the next start.
        {"session ends, changed", How::SessionEnd, true, {}, true, false, false, true, true},
    };
    for (const ClosingCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        QFile::remove(root() + QStringLiteral("/MERIDAN"));
        if (c.frameProgramPresent)
            createFrameProgram();
        m_launched.clear();
        ASSERT_EQ(start(), StartResult::Running);
        int ended = 0;
        QObject::connect(m_main.get(), &frmMAIN::programEnded, [&ended](int) { ++ended; });
        if (c.changed)
            changeWorkingCopy(*m_main);
        m_dialogs.clearTranscript();
        if (c.answer)
            m_dialogs.queueAnswer(*c.answer);

        closeBy(*m_main, c.how);

        if (c.answer) {
            ASSERT_EQ(m_dialogs.transcript().size(), 1);
            const DialogRecord& question = m_dialogs.transcript().first();
            EXPECT_EQ(question.text,
                      QStringLiteral("Sollen die Änderungen in Projekt P1 gespeichert werden?"));
            EXPECT_EQ(question.title, QStringLiteral("&Beenden"));
            EXPECT_EQ(question.buttons, MsgButtons::YesNoCancel);
            EXPECT_EQ(question.icon, MsgIcon::Question);
        } else {
            EXPECT_TRUE(m_dialogs.transcript().isEmpty());
        }
        EXPECT_EQ(countRecords(projectDb()), c.saved ? 1 : 0);
        EXPECT_EQ(m_launched, c.launched ? QStringList{root() + QStringLiteral("/MERIDAN")} : QStringList{});
        EXPECT_EQ(m_main->isVisible(), !c.closed);
        EXPECT_EQ(ended, c.closed ? 1 : 0);
        EXPECT_EQ(QFile::exists(workingCopy()), !c.closed || c.workingCopyKept);
        if (!c.closed) {
            // Cancel keeps everything as it was.
            EXPECT_TRUE(m_main->changed());
            EXPECT_TRUE(m_main->cnnX().isOpen());
            EXPECT_EQ(adminRow()->PROG, QStringLiteral("TALUR"));
            m_main->setChanged(false);
            m_main->mnuBEENDEN_Click();
        }
    }
}

TEST_F(ShellTest, ClosingQuestionInEnglishIsTitledWithTheQuitCaption) {
    sys::overrideLocale(QStringLiteral("en_US"));
    ASSERT_EQ(start(), StartResult::Running);
    changeWorkingCopy(*m_main);
    m_dialogs.queueAnswer(MsgAnswer::No);
    m_main->mnuBEENDEN_Click();
    ASSERT_EQ(m_dialogs.transcript().size(), 1);
    EXPECT_EQ(m_dialogs.transcript()[0].text, QStringLiteral("Do you want to save changes to project P1?"));
    EXPECT_EQ(m_dialogs.transcript()[0].title, QStringLiteral("&Quit"));
}

TEST_F(ShellTest, SaveCopiesTheWorkingCopyOverTheProjectAndClearsTheChangedFlag) {
    ASSERT_EQ(start(), StartResult::Running);
    changeWorkingCopy(*m_main);
    m_main->saveWorkingCopy();
    EXPECT_FALSE(m_main->changed());
    EXPECT_EQ(countRecords(projectDb()), 1);
    // The connection keeps working on the working copy after the copy.
    EXPECT_EQ(m_main->cnnX().path(), workingCopy());
}

TEST_F(ShellTest, FailedSaveOnClosingKeepsTheWorkingCopyForTheNextStart) {
    ASSERT_EQ(start(), StartResult::Running);
    changeWorkingCopy(*m_main);
    // The project folder disappears while the program runs (a network drive that went away).
    const QString folder = projectsFolder() + QStringLiteral("/P1");
    QDir(folder).removeRecursively();
    m_dialogs.queueAnswer(MsgAnswer::Yes); // save the changes
    m_dialogs.queueAnswer(MsgAnswer::Ok);  // end all the same

    m_main->mnuBEENDEN_Click();

    ASSERT_EQ(m_dialogs.transcript().size(), 2);
    const DialogRecord& box = m_dialogs.transcript()[1];
    EXPECT_TRUE(box.text.startsWith(
        QStringLiteral("Die Änderungen in Projekt P1 konnten nicht gespeichert werden.\n")));
    EXPECT_TRUE(box.text.contains(
        QStringLiteral("Die Arbeitskopie ") + workingCopy() +
        QStringLiteral(" bleibt erhalten; beim nächsten Start wird angeboten, sie zu übernehmen.")));
    EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_FALSE(m_main->isVisible());
    EXPECT_TRUE(QFile::exists(workingCopy()));
    EXPECT_EQ(adminRow()->PROG, QStringLiteral("MERIDAN"));

    // The folder is back: the next start offers the kept changes.
    QDir().mkpath(folder);
    DbSchema::create(projectDb(), DbKind::Project);
    m_dialogs.clearTranscript();
    m_dialogs.queueAnswer(MsgAnswer::Yes);
    ASSERT_EQ(start(), StartResult::Running);
    EXPECT_TRUE(messageTexts().first().startsWith(
        QStringLiteral("Programm wurde während der Ausführung unterbrochen!")));
    EXPECT_EQ(m_main->stbMAIN().panel(6)->text(), QStringLiteral("NEU"));
}

TEST_F(ShellTest, FailedSaveOnClosingReportedInEnglishOrAnsweredWithCancel) {
    struct Case {
        const char* name;
        const char* locale;
        std::function<bool()> save;
        MsgAnswer answer;
        const char* start;
        bool closed;
    } cases[] = {
        {"save reports its own failure", "en_US", [] { return false; }, MsgAnswer::Ok,
         "The changes to project P1 could not be saved.\nThe working copy ", true},
        {"save throws, cancel", "de_DE",
         []() -> bool { throw RunError(70, QStringLiteral("Zugriff verweigert")); }, MsgAnswer::Cancel,
         "Die Änderungen in Projekt P1 konnten nicht gespeichert werden.\n70: Zugriff verweigert\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        sys::overrideLocale(QString::fromLatin1(c.locale));
        ASSERT_EQ(start(), StartResult::Running);
        changeWorkingCopy(*m_main);
        m_main->setSaveCommand(c.save);
        m_dialogs.clearTranscript();
        m_dialogs.queueAnswer(MsgAnswer::Yes);
        m_dialogs.queueAnswer(c.answer);
        m_main->close();
        ASSERT_EQ(m_dialogs.transcript().size(), 2);
        EXPECT_TRUE(m_dialogs.transcript()[1].text.startsWith(QString::fromUtf8(c.start)))
            << m_dialogs.transcript()[1].text.toStdString();
        EXPECT_EQ(m_main->isVisible(), !c.closed);
        EXPECT_TRUE(QFile::exists(workingCopy()));
        EXPECT_EQ(countRecords(projectDb()), 0);
        if (!c.closed) {
            EXPECT_TRUE(m_main->changed());
            EXPECT_TRUE(m_launched.isEmpty());
            m_main->setChanged(false);
            m_main->mnuBEENDEN_Click();
        }
    }
}

} // namespace talur::test
