#include "shell/batch/BatchProject.h"

#include "platform/core/FileOps.h"
#include "platform/core/RunError.h"
#include "platform/core/SystemInfo.h"

#include <QDir>
#include <QFileInfo>

namespace talur::batch {

namespace {

QStringList columns(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* name : names)
        list << QString::fromLatin1(name);
    return list;
}

// What keeps the file from being read as a TALUR database; empty when nothing does.
QString missingTables(Connection& connection, const RequiredTables& tables) {
    for (const RequiredTable& table : tables) {
        if (!connection.hasTable(table.name))
            return QStringLiteral("it has no table %1").arg(table.name);
        const QStringList present = connection.columnNames(table.name);
        for (const QString& column : table.columns)
            if (!present.contains(column, Qt::CaseInsensitive))
                return QStringLiteral("table %1 has no column %2").arg(table.name, column);
    }
    return {};
}

} // namespace

std::string oneLine(const QString& text) {
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line.toStdString();
}

int fail(std::ostream& err, int status, const QString& text) {
    err << "talur-batch: " << oneLine(text) << '\n';
    return status;
}

const RequiredTables& curveTables() {
    static const RequiredTables tables{
        {QStringLiteral("E1"), columns({"ID", "KEN"})},
        {QStringLiteral("E2"), columns({"ID", "A1", "C1S", "C1", "A2", "C2S", "C2", "SIBK", "SI0", "E0", "SIA", "SIMAX",
                                        "N", "A", "B", "C", "AR", "CR", "SIBS", "EBS", "SI1", "SI2"})},
        {QStringLiteral("E3"), columns({"ID", "I1", "SIV"})},
    };
    return tables;
}

QStringList CollectedDialogs::texts() const {
    QStringList list;
    for (const DialogRecord& box : transcript())
        list << box.text;
    return list;
}

BatchProject::BatchProject() : m_savedSettings(regionalSettings()) {
    const sys::LocaleInfo locale = sys::systemLocale();
    m_context.setLanguage(sys::languageCode(locale.language), locale.decimalSeparator);
    if (!locale.decimalSeparator.isEmpty())
        regionalSettings().decimalSeparator = locale.decimalSeparator.at(0);
}

BatchProject::~BatchProject() {
    m_context.cnnX.close();
    regionalSettings() = m_savedSettings;
}

int BatchProject::open(const RecordArgs& args, const RequiredTables& tables, std::ostream& err) {
    m_db = args.db;
    if (!files::fileExists(args.db))
        return fail(err, kFileProblem, QStringLiteral("no such file: %1").arg(args.db));
    if (!m_folder.isValid())
        return fail(err, kFileProblem, QStringLiteral("cannot create a temporary folder"));
    const QString workingCopy = m_folder.filePath(QStringLiteral("TALUR.db"));
    try {
        files::copyDatabase(args.db, workingCopy);
        m_context.cnnX.open(workingCopy);
        // A throw-away copy: nothing on it needs to survive a power failure.
        m_context.cnnX.setDiskSync(false);
    } catch (const RunError& e) {
        return fail(err, kFileProblem, QStringLiteral("%1 is not a TALUR database: %2").arg(args.db, e.description()));
    }
    const QString missing = missingTables(m_context.cnnX, tables);
    if (!missing.isEmpty())
        return fail(err, kFileProblem, QStringLiteral("%1 is not a TALUR database: %2").arg(args.db, missing));
    // The project is the folder of the database, as in an installation; the page header names it.
    const QDir projectFolder = QFileInfo(args.db).absoluteDir();
    m_context.setProject(QFileInfo(projectFolder.absolutePath()).absolutePath(), projectFolder.dirName(),
                         m_context.BENUTZER());
    return kSuccess;
}

int BatchProject::findRecord(const RecordArgs& args, int32_t& id, std::ostream& err) {
    id = args.id.value_or(0);
    if (!args.record)
        return kSuccess;
    const auto found = findRecordKey(m_context.cnnX, *args.record);
    if (!found)
        return fail(err, kUnknownRecord, QStringLiteral("no record '%1' in %2").arg(*args.record, m_db));
    id = *found;
    return kSuccess;
}

int BatchProject::loadStatus(LoadStatus status, int32_t id, const CollectedDialogs& dialogs, std::ostream& err) const {
    switch (status) {
    case LoadStatus::Loaded:
        return kSuccess;
    case LoadStatus::NoRecord:
        return fail(err, kUnknownRecord, QStringLiteral("no record with ID %1 in %2").arg(id).arg(m_db));
    case LoadStatus::NoParameters:
        return fail(err, kUnknownRecord, QStringLiteral("record with ID %1 has no parameters (table E2)").arg(id));
    case LoadStatus::TransferFailed:
        break;
    }
    const auto& boxes = dialogs.transcript();
    return fail(err, kComputationFailed, boxes.isEmpty() ? QStringLiteral("reading the record failed") : boxes.last().text);
}

} // namespace talur::batch
