#include "records/DbSchema.h"

#include "platform/core/Database.h"
#include "platform/core/FileOps.h"
#include "platform/core/RunError.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <array>
#include <filesystem>
#include <system_error>

namespace talur {

extern const char* const kSchemaSql; // generated from schema/schema.sql

namespace {

QString sectionName(DbKind kind) {
    switch (kind) {
    case DbKind::Project:
        return QStringLiteral("project");
    case DbKind::Archive:
        return QStringLiteral("archive");
    case DbKind::Presets:
        return QStringLiteral("presets");
    }
    return {};
}

QString stripComments(const QString& text) {
    QStringList kept;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const qsizetype dash = line.indexOf(QStringLiteral("--"));
        kept << (dash < 0 ? line : line.left(dash));
    }
    return kept.join(QLatin1Char('\n'));
}

// Splits a column list at the commas that are not inside parentheses ("TEXT(8)").
QStringList splitTopLevel(const QString& body) {
    QStringList items;
    int depth = 0;
    QString current;
    for (QChar ch : body) {
        if (ch == QLatin1Char('('))
            ++depth;
        else if (ch == QLatin1Char(')'))
            --depth;
        if (ch == QLatin1Char(',') && depth == 0) {
            items << current.trimmed();
            current.clear();
        } else {
            current += ch;
        }
    }
    if (!current.trimmed().isEmpty())
        items << current.trimmed();
    return items;
}

} // namespace

QString DbSchema::section(const QString& schemaText, const QString& name) {
    const QString marker = QStringLiteral("-- @");
    QStringList lines;
    bool inside = false;
    for (const QString& line : schemaText.split(QLatin1Char('\n'))) {
        if (line.startsWith(marker)) {
            inside = line.mid(marker.size()).trimmed() == name;
            continue;
        }
        if (inside)
            lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

QStringList DbSchema::splitStatements(const QString& sectionText) {
    QStringList result;
    for (const QString& part : stripComments(sectionText).split(QLatin1Char(';'))) {
        const QString statement = part.trimmed();
        if (!statement.isEmpty())
            result << statement;
    }
    return result;
}

QList<TableLayout> DbSchema::parseTables(const QStringList& statements) {
    static const QRegularExpression createTable(QStringLiteral(R"(^CREATE\s+TABLE\s+\[(\w+)\])"),
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression columnName(QStringLiteral(R"(^\[(\w+)\])"));
    QList<TableLayout> tables;
    for (const QString& statement : statements) {
        const auto match = createTable.match(statement);
        if (!match.hasMatch())
            continue;
        TableLayout table{match.captured(1), {}};
        const qsizetype open = statement.indexOf(QLatin1Char('('));
        const qsizetype close = statement.lastIndexOf(QLatin1Char(')'));
        for (const QString& item : splitTopLevel(statement.mid(open + 1, close - open - 1))) {
            const auto column = columnName.match(item);
            if (column.hasMatch())
                table.columns << column.captured(1);
        }
        tables << table;
    }
    return tables;
}

QString DbSchema::sql(DbKind kind) {
    return statements(kind).join(QStringLiteral(";\n")) + QLatin1Char(';');
}

QStringList DbSchema::statements(DbKind kind) {
    return splitStatements(section(QString::fromUtf8(kSchemaSql), sectionName(kind)));
}

const QList<TableLayout>& DbSchema::tables(DbKind kind) {
    static const std::array<QList<TableLayout>, 3> layouts{parseTables(statements(DbKind::Project)),
                                                           parseTables(statements(DbKind::Archive)),
                                                           parseTables(statements(DbKind::Presets))};
    return layouts[static_cast<size_t>(kind)];
}

void DbSchema::create(const QString& path, DbKind kind) {
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (!files::folderExists(folder))
        throw RunError(err::PathNotFound, QStringLiteral("Pfad nicht gefunden: ") + folder);

    QString partPath;
    {
        // An empty file is an empty database to the engine; the name only has to be unique.
        QTemporaryFile part(
            QDir(folder).filePath(QStringLiteral(".") + target.fileName() + QStringLiteral(".XXXXXX")));
        part.setAutoRemove(false);
        if (!part.open())
            throw RunError(err::PathFileAccess,
                           QStringLiteral("Datei kann nicht angelegt werden: ") + part.fileTemplate());
        partPath = part.fileName();
    }
    try {
        Connection connection;
        connection.open(partPath);
        for (const QString& statement : statements(kind))
            connection.execute(statement);
        connection.close();
        // The temporary file was private to this user; the database is not.
        QFile::setPermissions(partPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ReadGroup | QFileDevice::ReadOther);
        std::error_code error;
        std::filesystem::rename(partPath.toStdString(), target.absoluteFilePath().toStdString(), error);
        if (error)
            throw RunError(err::PathFileAccess,
                           QString::fromStdString(error.message()) + QStringLiteral(": ") + path);
    } catch (...) {
        QFile::remove(partPath);
        throw;
    }
}

} // namespace talur
