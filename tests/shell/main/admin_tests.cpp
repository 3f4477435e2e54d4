// talur-admin: the normal mode without the frame program, and the demo project.
#include "ShellFixture.h"

#include "platform/core/SystemInfo.h"
#include "records/DbCheck.h"
#include "shell/StatusPanels.h"
#include "shell/admin/AdminTool.h"
#include "shell/admin/DemoProject.h"

#include <QDir>
#include <QFile>

namespace talur::test {

namespace {

int runAdmin(const QStringList& arguments, QString* output = nullptr) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = AdminTool::run(arguments, outStream, errStream);
    if (output)
        *output = out + err;
    return code;
}

} // namespace

TEST_F(ShellTest, AdminSetupPreparesTheNormalModeForTheCurrentUser) {
    const QString settings = root() + QStringLiteral("/fresh/settings");
    const QString projects = root() + QStringLiteral("/fresh/projects");
    ASSERT_EQ(runAdmin({"setup", "--settings", settings, "--projects", projects, "--project", "B-2024.07",
                        "--person", "K. Nagel"}),
              0);
    EXPECT_EQ(sys::getSetting(QStringLiteral("Extras"), QStringLiteral("Datenbankpfad")), settings);
    EXPECT_FALSE(DbCheck::check(settings + QStringLiteral("/ARCHIV.db"), DbKind::Archive));
    EXPECT_FALSE(DbCheck::check(settings + QStringLiteral("/VORGABE.db"), DbKind::Presets));
    EXPECT_FALSE(DbCheck::check(projects + QStringLiteral("/B-2024.07/TALUR.db"), DbKind::Project));

    ASSERT_EQ(start(), StartResult::Running);
    EXPECT_EQ(m_main->context().PROJEKT(), QStringLiteral("B-2024.07"));
    EXPECT_EQ(m_main->context().PROJEKTSPFAD(), projects);
    EXPECT_EQ(m_main->context().BEARBEITER(), QStringLiteral("K. Nagel"));
    EXPECT_TRUE(m_dialogs.transcript().isEmpty());
    m_main->mnuBEENDEN_Click();

    // A second setup keeps the databases and moves the user to another project.
    ASSERT_EQ(runAdmin({"setup", "--settings", settings, "--projects", projects, "--project", "B-2025.01"}),
              0);
    ASSERT_EQ(start(), StartResult::Running);
    EXPECT_EQ(m_main->context().PROJEKT(), QStringLiteral("B-2025.01"));
    EXPECT_EQ(m_main->context().BEARBEITER(), QStringLiteral("TESTER"));
}

TEST_F(ShellTest, AdminSetupRefusesASettingsFolderWithAForeignArchive) {
    const QString settings = root() + QStringLiteral("/foreign");
    QDir().mkpath(settings);
    QFile file(settings + QStringLiteral("/ARCHIV.db"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("foreign content");
    file.close();
    QString output;
    EXPECT_EQ(runAdmin({"setup", "--settings", settings, "--projects", projectsFolder(), "--project", "P1"},
                       &output),
              1);
    EXPECT_TRUE(output.contains(QStringLiteral("keine Archivdatenbank"))) << output.toStdString();
    // Nothing else was changed.
    EXPECT_EQ(sys::getSetting(QStringLiteral("Extras"), QStringLiteral("Datenbankpfad")), settingsFolder());
}

TEST(AdminTool, UsageOnWrongArguments) {
    const QStringList wrong[] = {
        {}, {"setup", "--settings"}, {"setup", "--settings", "x"}, {"demo"}, {"frobnicate"}};
    for (const QStringList& arguments : wrong) {
        QString output;
        EXPECT_EQ(runAdmin(arguments, &output), 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(output.contains(QStringLiteral("Usage:")));
    }
    QString help;
    EXPECT_EQ(runAdmin({"--help"}, &help), 0);
    EXPECT_TRUE(help.contains(QStringLiteral("talur-admin demo DIR")));
}

TEST_F(ShellTest, DemoProjectRunsStandaloneWithOneActiveRecord) {
    const QString demo = root() + QStringLiteral("/demo");
    QDir().mkpath(demo + QStringLiteral("/SOURCE"));
    QFile::copy(programFolder() + QStringLiteral("/TALUR.db"), demo + QStringLiteral("/SOURCE/TALUR.db"));
    ASSERT_EQ(runAdmin({"demo", demo}), 0);
    const QString database = demo + QStringLiteral("/TE0000.00/TALUR.db");
    EXPECT_FALSE(DbCheck::check(database, DbKind::Project));
    ASSERT_EQ(runAdmin({"demo", demo}), 0); // a second run replaces the demo
    EXPECT_EQ(countRecords(database), 3);
    addRecord(database, 4, QStringLiteral("EIGEN"), {}, false);
    QString output;
    ASSERT_EQ(runAdmin({"demo", demo, "--keep"}, &output), 0); // --keep keeps a valid one
    EXPECT_EQ(countRecords(database), 4);
    EXPECT_TRUE(output.startsWith(QStringLiteral("kept")));
    QFile::remove(database);
    ASSERT_EQ(runAdmin({"demo", demo, "--keep"}), 0); // and makes a missing one
    EXPECT_EQ(countRecords(database), 3);

    ASSERT_EQ(start(demo + QStringLiteral("/SOURCE")), StartResult::Running);
    EXPECT_EQ(m_main->context().PROJEKT(), QStringLiteral("TE0000.00"));
    EXPECT_EQ(m_main->stbMAIN().panel(6)->text(), QStringLiteral("TON-W1"));
    EXPECT_EQ(m_main->stbMAIN().panel(6)->toolTip(), QStringLiteral("Weicher Ton, Bohrung B1, 3,5 m"));
}

TEST(DemoProject, RecordsArePlausibleSoils) {
    const QList<DemoRecord> records = DemoProject::records();
    ASSERT_EQ(records.size(), 3);
    int active = 0;
    double previousStiffness = 0;
    for (const DemoRecord& record : records) {
        SCOPED_TRACE(record.KEN.toStdString());
        active += record.AKT ? 1 : 0;
        EXPECT_LE(record.KEN.size(), 8);
        EXPECT_LE(record.KOM.size(), 50);
        QHash<QString, double> p;
        for (const auto& [column, value] : record.parameters)
            p.insert(column, value);
        EXPECT_EQ(p.size(), 21);
        EXPECT_GT(p["A1"], previousStiffness); // soft clay, stiff clay, dense sand
        previousStiffness = p["A1"];
        EXPECT_GT(p["A2"], 5 * p["A1"]); // reloading is much stiffer
        EXPECT_LT(p["SIA"], p["SI0"]);
        EXPECT_LT(p["SI0"], p["SIMAX"]);
        EXPECT_TRUE(QList<double>({0.2, 0.4, 0.6, 0.8, 1, 2, 4, 6, 8, 10}).contains(p["SIMAX"]));
        EXPECT_GE(p["N"], 10);
        EXPECT_LE(p["N"], 1000);
        EXPECT_LT(p["SI1"], p["SI2"]);
        EXPECT_GE(record.preloads.size(), 2);
        for (double preload : record.preloads) {
            EXPECT_GT(preload, p["SIA"]);
            EXPECT_LT(preload, p["SIMAX"]);
        }
    }
    EXPECT_EQ(active, 1);
}

} // namespace talur::test
