#include "ShellFixture.h"

#include "platform/core/FileOps.h"
#include "platform/core/SystemInfo.h"
#include "records/DbSchema.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace talur::test {

void ShellTest::SetUp() {
    m_main.reset();
    QDir(m_root.file(QStringLiteral("BENUTZER"))).removeRecursively();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_root.file(QStringLiteral("config")));
    qputenv("TALUR_USER", "tester");
    sys::overrideLocale(QStringLiteral("de_DE"));
    for (const QString& folder :
         {programFolder(), settingsFolder(), projectsFolder() + QStringLiteral("/P1")})
        QDir().mkpath(folder);
    DbSchema::create(programFolder() + QStringLiteral("/TALUR.db"), DbKind::Project);
    DbSchema::create(archiveDb(), DbKind::Archive);
    DbSchema::create(settingsFolder() + QStringLiteral("/VORGABE.db"), DbKind::Presets);
    DbSchema::create(projectDb(), DbKind::Project);
    sys::saveSetting(QStringLiteral("Extras"), QStringLiteral("Datenbankpfad"), settingsFolder());
    setAdminRow({QStringLiteral("TESTER"), kFrameProgram, projectsFolder(), QStringLiteral("P1"),
                 QStringLiteral("E. Beispiel")});
}

void ShellTest::TearDown() {
    m_main.reset();
    sys::overrideLocale({});
    qunsetenv("TALUR_USER");
}

frmMAIN& ShellTest::makeMain(const QString& folder) {
    m_main = std::make_unique<frmMAIN>(folder.isEmpty() ? programFolder() : folder);
    m_main->setFrameLauncher([this](const QString& program) {
        m_launched << program;
        return true;
    });
    return *m_main;
}

StartResult ShellTest::start(const QString& folder) {
    return makeMain(folder).load();
}

std::optional<AdminRow> ShellTest::adminRow() {
    Connection archive;
    archive.open(archiveDb());
    return DbAdmin(archive).read(QStringLiteral("TESTER"));
}

void ShellTest::setAdminRow(const AdminRow& row) {
    Connection archive;
    archive.open(archiveDb());
    DbAdmin(archive).store(row);
}

void ShellTest::addRecord(const QString& database, int id, const QString& ken, std::optional<QString> comment,
                          bool active) {
    Connection project;
    project.open(database);
    Recordset rs;
    rs.open(QStringLiteral("SELECT * FROM [E1] WHERE [ID]=%1").arg(id), project);
    rs.addNew();
    rs.setValue(QStringLiteral("ID"), Variant(int32_t(id)));
    rs.setValue(QStringLiteral("KEN"), Variant(ken));
    rs.setValue(QStringLiteral("KOM"), comment ? Variant(*comment) : Variant::null());
    rs.setValue(QStringLiteral("AKT"), Variant(active));
    rs.update();
}

int ShellTest::countRecords(const QString& database) {
    Connection project;
    project.open(database);
    Recordset rs;
    rs.open(QStringLiteral("SELECT [ID] FROM [E1]"), project);
    return rs.recordCount();
}

void ShellTest::createFrameProgram() {
    QFile file(m_root.file(QStringLiteral("MERIDAN")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

QStringList ShellTest::messageTexts() const {
    QStringList texts;
    for (const DialogRecord& record : m_dialogs.transcript())
        if (record.kind == QLatin1String("message"))
            texts << record.text;
    return texts;
}

QString ShellTest::lastMessage() const {
    const QStringList texts = messageTexts();
    return texts.isEmpty() ? QString() : texts.last();
}

} // namespace talur::test
