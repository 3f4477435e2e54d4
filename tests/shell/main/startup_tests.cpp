// Start-up: language, user, stand-alone mode, working copy, refusals and the ADMIN hand-shake.
#include "ShellFixture.h"

#include "platform/core/FileOps.h"
#include "platform/core/SystemInfo.h"
#include "platform/core/Variant.h"
#include "records/DbSchema.h"
#include "shell/MainMenu.h"
#include "shell/StatusPanels.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>

namespace talur::test {

namespace {

QByteArray fileHash(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

struct LocaleCase {
    const char* locale;
    int sprache;
    const char* decimal;
    const char* fileMenu;
    const char* quit;
    const char* panel9;
    const char* tip15;
};

TEST_F(ShellTest, LocaleChoosesLanguageCaptionsAndDecimalSeparator) {
    const LocaleCase cases[] = {
        {"de_DE", 3, ",", "&Datei", "&Beenden", "Abbrechen", "Zurück zum Startbildschirm"},
        {"en_US", 1, ".", "&File", "&Quit", "Cancel", "Back to the front window"},
        {"fr_FR", 3, ",", "&Datei", "&Beenden", "Abbrechen", "Zurück zum Startbildschirm"},
    };
    for (const LocaleCase& c : cases) {
        SCOPED_TRACE(c.locale);
        sys::overrideLocale(QString::fromLatin1(c.locale));
        ASSERT_EQ(start(), StartResult::Running);
        frmMAIN& main = *m_main;
        EXPECT_EQ(main.SPRACHE(), c.sprache);
        EXPECT_EQ(main.context().DEZIMALPUNKT(), QString::fromLatin1(c.decimal));
        EXPECT_EQ(regionalSettings().decimalSeparator, QLatin1Char(c.decimal[0]));
        EXPECT_EQ(main.windowTitle(), QStringLiteral("Orvalis"));
        EXPECT_EQ(main.menus().action(QStringLiteral("mnuDATEI"))->text(), QString::fromUtf8(c.fileMenu));
        EXPECT_EQ(main.menus().action(QStringLiteral("mnuBEENDEN"))->text(), QString::fromUtf8(c.quit));
        // Items without an English caption keep the German one.
        EXPECT_EQ(main.menus().action(QStringLiteral("mnuEXPIMP"))->text(), QStringLiteral("&Export-Import"));
        EXPECT_EQ(main.stbMAIN().panel(9)->text(), QString::fromUtf8(c.panel9));
        EXPECT_EQ(main.stbMAIN().panel(15)->toolTip(), QString::fromUtf8(c.tip15));
        EXPECT_EQ(main.stbMAIN().panel(8)->text(), QStringLiteral("OK"));
        main.mnuBEENDEN_Click();
    }
}

TEST_F(ShellTest, LowerCaseUserFindsUpperCaseAdminRowAndTakesContext) {
    qputenv("TALUR_USER", "tester");
    ASSERT_EQ(start(), StartResult::Running);
    const RunContext& context = m_main->context();
    EXPECT_EQ(context.BENUTZER(), QStringLiteral("TESTER"));
    EXPECT_EQ(context.PROJEKT(), QStringLiteral("P1"));
    EXPECT_EQ(context.PROJEKTSPFAD(), projectsFolder());
    EXPECT_EQ(context.BEARBEITER(), QStringLiteral("E. Beispiel"));
    EXPECT_TRUE(m_main->cnnX().isOpen());
    EXPECT_TRUE(m_main->cnnX_V().isOpen());
    EXPECT_EQ(m_main->stbMAIN().panel(2)->text(), QStringLiteral("P1"));
    EXPECT_EQ(m_main->stbMAIN().panel(2)->toolTip(), QStringLiteral("E. Beispiel"));
    EXPECT_EQ(m_main->stbMAIN().panel(4)->text(), QStringLiteral("TALUR"));
    EXPECT_EQ(m_main->stbMAIN().panel(4)->toolTip(), QStringLiteral("Verolan Sedimo"));
    EXPECT_EQ(m_main->stbMAIN().panel(3)->text(), QStringLiteral("/"));
    EXPECT_EQ(m_main->stbMAIN().panel(5)->text(), QStringLiteral("/"));
    EXPECT_FALSE(m_main->changed());
    EXPECT_TRUE(m_dialogs.transcript().isEmpty());
}

TEST_F(ShellTest, AdminProgIsWrittenAtStartAndGivenBackAtTheEnd) {
    ASSERT_EQ(start(), StartResult::Running);
    EXPECT_EQ(adminRow()->PROG, QStringLiteral("TALUR"));
    EXPECT_TRUE(QFile::exists(workingCopy()));
    m_main->mnuBEENDEN_Click();
    EXPECT_EQ(adminRow()->PROG, QStringLiteral("MERIDAN"));
    EXPECT_FALSE(QFile::exists(workingCopy()));
    EXPECT_FALSE(m_main->cnnX().isOpen());
}

TEST_F(ShellTest, SourceFolderInAnyCaseRunsStandaloneWithoutTouchingAdmin) {
    for (const char* name : {"SOURCE", "source", "SoUrCe"}) {
        SCOPED_TRACE(name);
        const QString standalone = root() + QStringLiteral("/X/") + QString::fromLatin1(name);
        const QString program = standalone + QStringLiteral("/BIN");
        QDir().mkpath(standalone + QStringLiteral("/TE0000.00"));
        QDir().mkpath(program);
        const QString demo = standalone + QStringLiteral("/TE0000.00/TALUR.db");
        DbSchema::create(demo, DbKind::Project);
        addRecord(demo, 1, QStringLiteral("DEMO"), QStringLiteral("Demo"), true);
        setAdminRow(
            {QStringLiteral("TESTER"), QStringLiteral("XYZ"), projectsFolder(), QStringLiteral("P1"), {}});
        const QByteArray before = fileHash(archiveDb());

        ASSERT_EQ(start(program), StartResult::Running);
        const RunContext& context = m_main->context();
        EXPECT_EQ(context.PROJEKT(), QStringLiteral("TE0000.00"));
        EXPECT_EQ(context.PROJEKTSPFAD(), standalone);
        EXPECT_EQ(context.BEARBEITER(), QStringLiteral("TESTER"));
        EXPECT_FALSE(m_main->cnnX_V().isOpen());
        EXPECT_EQ(m_main->stbMAIN().panel(6)->text(), QStringLiteral("DEMO"));
        EXPECT_EQ(fileHash(archiveDb()), before);
        m_main->mnuBEENDEN_Click();
        EXPECT_EQ(fileHash(archiveDb()), before);
        EXPECT_EQ(adminRow()->PROG, QStringLiteral("XYZ"));
        EXPECT_FALSE(QFile::exists(root() + QStringLiteral("/X/BENUTZER/TESTER/TALUR.db")));
    }
}

TEST_F(ShellTest, InterruptedRunAnsweredYesKeepsAndNoReplacesTheWorkingCopy) {
    addRecord(projectDb(), 1, QStringLiteral("SAVED"), {}, true);
    struct Case {
        MsgAnswer answer;
        const char* panel;
    } cases[] = {{MsgAnswer::Yes, "KEPT"}, {MsgAnswer::No, "SAVED"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.panel);
        // A run that ended without closing leaves its working copy behind.
        QDir().mkpath(root() + QStringLiteral("/BENUTZER/TESTER"));
        QFile::remove(workingCopy());
        QFile::copy(projectDb(), workingCopy());
        {
            Connection copy;
            copy.open(workingCopy());
            Recordset rs;
            rs.open(QStringLiteral("SELECT * FROM [E1]"), copy);
            rs.setValue(QStringLiteral("KEN"), Variant(QStringLiteral("KEPT")));
            rs.update();
        }
        m_dialogs.clearTranscript();
        m_dialogs.queueAnswer(c.answer);
        ASSERT_EQ(start(), StartResult::Running);
        ASSERT_EQ(m_dialogs.transcript().size(), 1);
        const DialogRecord& question = m_dialogs.transcript().first();
        EXPECT_EQ(question.text,
                  QStringLiteral("Programm wurde während der Ausführung unterbrochen!\n"
                                 "Soll die bis zum Abbruch vorhandenen Daten gepeichert werden?"));
        EXPECT_EQ(question.title, QStringLiteral("TALUR"));
        EXPECT_EQ(question.icon, MsgIcon::Question);
        EXPECT_EQ(question.buttons, MsgButtons::YesNo);
        EXPECT_EQ(m_main->stbMAIN().panel(6)->text(), QString::fromLatin1(c.panel));
        // Kept changes are not yet in the project, and the changed flag starts false all the same.
        EXPECT_FALSE(m_main->changed());
        m_main->mnuBEENDEN_Click();
    }
}

TEST_F(ShellTest, InterruptedRunQuestionInEnglish) {
    sys::overrideLocale(QStringLiteral("en_GB"));
    QDir().mkpath(root() + QStringLiteral("/BENUTZER/TESTER"));
    QFile::copy(projectDb(), workingCopy());
    m_dialogs.queueAnswer(MsgAnswer::No);
    ASSERT_EQ(start(), StartResult::Running);
    EXPECT_EQ(lastMessage(), QStringLiteral("Program was interuped during the execution!\n"
                                            "Do you want to save the changes till the interuption?"));
}

struct RefusalCase {
    const char* name;
    const char* locale;
    std::function<void(ShellTest&)> damage;
    QString text;
};

TEST_F(ShellTest, RefusalsShowTheirTextEndTheRunAndWriteNothing) {
    const RefusalCase cases[] = {
        {"no ADMIN row", "de_DE",
         [](ShellTest& t) {
             qputenv("TALUR_USER", "someone");
             Q_UNUSED(t);
         },
         QStringLiteral("Programm TALUR kann nur über das Rahmenprogramm ausgeführt werden!")},
        {"no ADMIN row, English", "en_US", [](ShellTest&) { qputenv("TALUR_USER", "someone"); },
         QStringLiteral("Program TALUR can used only via the frame program!")},
        {"missing project folder", "de_DE",
         [](ShellTest& t) {
             t.setAdminRow(
                 {QStringLiteral("TESTER"), kFrameProgram, t.projectsFolder(), QStringLiteral("P9"), {}});
         },
         QStringLiteral("Projektsverzeichnis P9 existiert nicht!")},
        {"missing project folder, English", "en_US",
         [](ShellTest& t) {
             t.setAdminRow(
                 {QStringLiteral("TESTER"), kFrameProgram, t.projectsFolder(), QStringLiteral("P9"), {}});
         },
         QStringLiteral("Project directory P9 dosn't exist!")},
        {"missing template", "de_DE",
         [](ShellTest& t) { QFile::remove(t.programFolder() + QStringLiteral("/TALUR.db")); },
         QStringLiteral(
             "Die leere Datenbank TALUR.db existiert nicht!\nOrvalis muß neu installiert werden!")},
        {"missing template, English", "en_US",
         [](ShellTest& t) { QFile::remove(t.programFolder() + QStringLiteral("/TALUR.db")); },
         QStringLiteral("The empty database TALUR.db dosn't exist!\nOrvalis has to be installed again!")},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp(); // a fresh installation for each case
        sys::overrideLocale(QString::fromLatin1(c.locale));
        c.damage(*this);
        const QByteArray archiveBefore = fileHash(archiveDb());
        m_dialogs.clearTranscript();

        EXPECT_EQ(start(), StartResult::Refused);
        ASSERT_EQ(m_dialogs.transcript().size(), 1);
        const DialogRecord& box = m_dialogs.transcript().first();
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.title, QStringLiteral("TALUR"));
        EXPECT_EQ(box.icon, MsgIcon::Exclamation);
        EXPECT_FALSE(m_main->isVisible());
        EXPECT_FALSE(QFile::exists(workingCopy()));
        EXPECT_EQ(fileHash(archiveDb()), archiveBefore);
        // Closing a refused window does not run the end of a run.
        m_main->close();
        EXPECT_EQ(fileHash(archiveDb()), archiveBefore);
    }
}

TEST_F(ShellTest, ProjectDatabaseThatIsNoTalurDatabaseIsRefusedBeforeAnythingIsWritten) {
    struct Case {
        const char* name;
        std::function<void(const QString&)> make;
        const char* reason;
    } cases[] = {
        {"text file",
         [](const QString& path) {
             QFile file(path);
             file.open(QIODevice::WriteOnly);
             file.write("not a database at all");
         },
         "Die Datei ist keine SQLite-Datenbank."},
        {"missing table",
         [](const QString& path) {
             Connection c;
             c.open(path);
             c.execute(QStringLiteral("DROP TABLE [E3]"));
         },
         "Die Tabelle E3 fehlt."},
        {"column order",
         [](const QString& path) {
             Connection c;
             c.open(path);
             c.execute(QStringLiteral("DROP TABLE [E1]"));
             c.execute(
                 QStringLiteral("CREATE TABLE [E1] ([ID] INTEGER, [KOM] TEXT, [KEN] TEXT, [AKT] BOOLEAN)"));
         },
         "Die Spalten der Tabelle E1 weichen von der leeren Datenbank ab (gefunden: ID, KOM, KEN, AKT)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(projectDb());
        DbSchema::create(projectDb(), DbKind::Project);
        c.make(projectDb());
        const QByteArray archiveBefore = fileHash(archiveDb());
        m_dialogs.clearTranscript();

        EXPECT_EQ(start(), StartResult::Refused);
        EXPECT_EQ(lastMessage(), QStringLiteral("Die Datei ") + projectDb() +
                                     QStringLiteral(" ist keine TALUR-Projektdatenbank!\n") +
                                     QString::fromUtf8(c.reason));
        EXPECT_FALSE(QFile::exists(workingCopy()));
        EXPECT_EQ(fileHash(archiveDb()), archiveBefore);
    }
}

TEST_F(ShellTest, KeptWorkingCopyThatIsDamagedIsRefusedAndTheHandshakeUndone) {
    QDir().mkpath(root() + QStringLiteral("/BENUTZER/TESTER"));
    {
        QFile file(workingCopy());
        file.open(QIODevice::WriteOnly);
        file.write("garbage");
    }
    m_dialogs.queueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(start(), StartResult::Refused);
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("Die Datei ") + workingCopy()));
    EXPECT_EQ(adminRow()->PROG, QStringLiteral("MERIDAN"));
    // The damaged copy stays for the user to look at; the next start asks again.
    EXPECT_TRUE(QFile::exists(workingCopy()));
}

TEST_F(ShellTest, MissingArchiveIsReportedStepByStepThenRefused) {
    sys::saveSetting(QStringLiteral("Extras"), QStringLiteral("Datenbankpfad"),
                     root() + QStringLiteral("/nowhere"));
    EXPECT_EQ(start(), StartResult::Refused);
    const QList<DialogRecord>& boxes = m_dialogs.transcript();
    // Archive, presets, ADMIN query and row test each report their error; then the refusal.
    ASSERT_EQ(boxes.size(), 5);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(boxes[i].text.startsWith(QStringLiteral("VB-Fehler: "))) << boxes[i].text.toStdString();
        EXPECT_EQ(boxes[i].title, QStringLiteral("frmMAIN / Load"));
        EXPECT_EQ(boxes[i].buttons, MsgButtons::OkCancel);
    }
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("ARCHIV.db")));
    EXPECT_EQ(boxes[4].text,
              QStringLiteral("Programm TALUR kann nur über das Rahmenprogramm ausgeführt werden!"));
    EXPECT_FALSE(QFile::exists(workingCopy()));
}

TEST_F(ShellTest, MissingPresetsDatabaseIsReportedAndStartContinues) {
    QFile::remove(settingsFolder() + QStringLiteral("/VORGABE.db"));
    ASSERT_EQ(start(), StartResult::Running);
    ASSERT_EQ(messageTexts().size(), 1);
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("VORGABE.db")));
    EXPECT_FALSE(m_main->cnnX_V().isOpen());
    EXPECT_TRUE(m_main->cnnX().isOpen());
}

TEST_F(ShellTest, CancelInAnErrorBoxEndsStartUpAndUndoesWhatItWrote) {
    QFile::remove(settingsFolder() + QStringLiteral("/VORGABE.db"));
    m_dialogs.queueAnswer(MsgAnswer::Cancel);
    EXPECT_EQ(start(), StartResult::Aborted);
    EXPECT_FALSE(m_main->isVisible());
    EXPECT_EQ(adminRow()->PROG, QStringLiteral("MERIDAN"));
    EXPECT_FALSE(QFile::exists(workingCopy()));
}

TEST_F(ShellTest, WorkingCopyIsAFreshCopyOfTheProjectDatabase) {
    addRecord(projectDb(), 1, QStringLiteral("B1"), QStringLiteral("Ton"), true);
    ASSERT_EQ(start(), StartResult::Running);
    EXPECT_EQ(m_main->context().XMDBPFAD(), workingCopy());
    EXPECT_EQ(countRecords(workingCopy()), 1);
    EXPECT_EQ(m_main->cnnX().path(), workingCopy());
    ASSERT_NE(m_main->startScreen(), nullptr);
    EXPECT_TRUE(m_main->isVisible());
    EXPECT_TRUE(m_main->isMaximized());
}

} // namespace talur::test

namespace talur::test {

// Records what start-up shows, and in which order, without a window.
class RecordingView : public StartUpView {
public:
    explicit RecordingView(RunContext& context, QString workingCopy)
        : m_context(context), m_workingCopy(workingCopy) {}
    void applyLanguage(int sprache) override { calls << QStringLiteral("language %1").arg(sprache); }
    void showContext(const ContextPanels& panels) override {
        calls << QStringLiteral("context ") + panels.project.text;
        // The panels are filled before the working copy is made.
        workingCopyAtContext = QFile::exists(m_workingCopy);
    }
    void setChanged(bool changed) override { calls << QStringLiteral("changed %1").arg(changed); }
    void refreshRecordPanel() override {
        calls << QStringLiteral("records");
        connectedAtRecords = m_context.cnnX.isOpen();
    }
    void showMainWindow() override { calls << QStringLiteral("show"); }

    QStringList calls;
    bool workingCopyAtContext = true;
    bool connectedAtRecords = false;

private:
    RunContext& m_context;
    QString m_workingCopy;
};

TEST_F(ShellTest, StartUpRunsItsStepsInOrderWithoutAWindow) {
    RunContext context;
    context.setProgramFolder(programFolder());
    Connection archive;
    RecordingView view(context, workingCopy());
    StartUp startUp(context, archive, view);
    ASSERT_EQ(startUp.run(), StartResult::Running);
    EXPECT_EQ(view.calls, (QStringList{"language 3", "context P1", "changed 0", "records", "show"}));
    EXPECT_FALSE(view.workingCopyAtContext);
    EXPECT_TRUE(view.connectedAtRecords);
    EXPECT_TRUE(archive.isOpen());
    EXPECT_TRUE(startUp.progWritten());
    EXPECT_FALSE(startUp.keptWorkingCopy());
}

} // namespace talur::test
