#include "Database.h"

#include "DbSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <sqlite3.h>

namespace talur {

namespace {

// Open connections by canonical file path (a file may be open more than once).
QHash<QString, int>& openFiles() {
    static QHash<QString, int> files;
    return files;
}

sqlite3* openHandle(const QString& path, int flags) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close_v2(db);
        throw RunError(err::EngineError, message + QStringLiteral(" (") + path + QLatin1Char(')'));
    }
    return db;
}

// Reading the schema is the first access to the file: a file that is no database fails here.
void prepareHandle(sqlite3* db, const QString& path) {
    sqlite3_busy_timeout(db, 30000);
    sqlite3_extended_result_codes(db, 1);
    const int rc = sqlite3_exec(db, "PRAGMA journal_mode=DELETE; SELECT count(*) FROM sqlite_master;",
                                nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        QString message = QString::fromUtf8(sqlite3_errmsg(db));
        if ((rc & 0xff) == SQLITE_NOTADB)
            message = QStringLiteral("Die Datei ist keine Datenbank: ") + path;
        sqlite3_close_v2(db);
        throw RunError(err::EngineError, message);
    }
}

} // namespace

Connection::Connection() = default;

Connection::~Connection() {
    close();
}

void Connection::open(const QString& path) {
    if (isOpen())
        throw runError(err::AlreadyOpen);
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        throw RunError(err::FileNotFound,
                       standardDescription(err::FileNotFound) + QStringLiteral(": ") + path);
    sqlite3* db = openHandle(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX);
    prepareHandle(db, path);
    attach(db, path);
}

void Connection::create(const QString& path) {
    if (isOpen())
        throw runError(err::AlreadyOpen);
    if (QFileInfo::exists(path))
        throw RunError(err::PathFileAccess, QStringLiteral("Die Datei ist schon vorhanden: ") + path);
    sqlite3* db = openHandle(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX);
    prepareHandle(db, path);
    attach(db, path);
}

void Connection::attach(sqlite3* db, const QString& path) {
    m_db = db;
    m_path = path;
    m_canonicalPath = QFileInfo(path).canonicalFilePath();
    m_token = std::make_shared<const bool>(true);
    ++openFiles()[m_canonicalPath];
}

void Connection::close() {
    if (!m_db)
        return;
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_token.reset();
    auto& files = openFiles();
    if (--files[m_canonicalPath] <= 0)
        files.remove(m_canonicalPath);
    m_canonicalPath.clear();
}

bool Connection::isOpen() const {
    return m_db != nullptr;
}

void Connection::execute(const QString& sql) {
    if (!m_db)
        throw runError(err::ConnectionClosed);
    char* error = nullptr;
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : sqlite3_errstr(rc));
        sqlite3_free(error);
        throw RunError(db::errorNumber(rc), message + QStringLiteral(" (") + sql + QLatin1Char(')'));
    }
}

void Connection::setDiskSync(bool on) {
    execute(on ? QStringLiteral("PRAGMA synchronous=FULL") : QStringLiteral("PRAGMA synchronous=OFF"));
}

bool Connection::diskSync() const {
    if (!m_db)
        throw runError(err::ConnectionClosed);
    db::Statement stmt(m_db, QStringLiteral("PRAGMA synchronous"));
    return stmt.step() && sqlite3_column_int(stmt.get(), 0) != 0;
}

bool Connection::hasTable(const QString& table) const {
    if (!m_db)
        throw runError(err::ConnectionClosed);
    db::Statement stmt(m_db, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type IN ('table','view') "
                                            "AND name = ?1 COLLATE NOCASE"));
    const QByteArray name = table.toUtf8();
    sqlite3_bind_text(stmt.get(), 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
    return stmt.step();
}

QStringList Connection::columnNames(const QString& table) const {
    if (!m_db)
        throw runError(err::ConnectionClosed);
    db::Statement stmt(m_db, QStringLiteral("SELECT name FROM pragma_table_info(?1)"));
    const QByteArray name = table.toUtf8();
    sqlite3_bind_text(stmt.get(), 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
    QStringList names;
    while (stmt.step())
        names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0)));
    return names;
}

bool isDatabaseOpen(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() && openFiles().contains(canonical);
}

QString sqlLiteral(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace talur
