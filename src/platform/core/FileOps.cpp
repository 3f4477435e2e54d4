#include "FileOps.h"

#include "Database.h"
#include "DbSupport.h"
#include "RunError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QThread>
#include <filesystem>
#include <sqlite3.h>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace talur::files {

namespace fs = std::filesystem;

namespace {

fs::path toPath(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

[[noreturn]] void throwFileError(const std::error_code& ec, const QString& path, int missingNumber) {
    int number = err::PathFileAccess;
    if (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted ||
        ec == std::errc::read_only_file_system)
        number = err::PermissionDenied;
    else if (ec == std::errc::no_such_file_or_directory)
        number = missingNumber;
    throw RunError(number, standardDescription(number) + QStringLiteral(": ") + path);
}

// An empty file beside the target that is removed again unless it replaced the target.
class TempFile {
public:
    explicit TempFile(const QString& target) {
        const QFileInfo info(target);
        QTemporaryFile file(info.absolutePath() + u'/' + info.fileName() + QStringLiteral(".XXXXXX.tmp"));
        file.setAutoRemove(false);
        if (!file.open())
            throw RunError(err::PermissionDenied, standardDescription(err::PermissionDenied) +
                                                      QStringLiteral(": ") + info.absolutePath());
        m_path = file.fileName();
    }
    ~TempFile() {
        if (!m_path.isEmpty()) {
            QFile::remove(m_path);
            QFile::remove(m_path + QStringLiteral("-journal"));
        }
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const QString& path() const { return m_path; }
    void release() { m_path.clear(); }

private:
    QString m_path;
};

// Closes a handle when leaving scope.
struct HandleGuard {
    sqlite3* db = nullptr;
    ~HandleGuard() { sqlite3_close_v2(db); }
};

// Opens a database for reading and makes sure it is one.
sqlite3* openSource(const QString& source, HandleGuard& guard) {
    if (!fileExists(source))
        throw RunError(err::FileNotFound,
                       standardDescription(err::FileNotFound) + QStringLiteral(": ") + source);
    const int rc = sqlite3_open_v2(QFile::encodeName(source).constData(), &guard.db,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK)
        db::throwSqlite(guard.db, rc, source);
    sqlite3_busy_timeout(guard.db, 30000);
    const int check = sqlite3_exec(guard.db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if ((check & 0xff) == SQLITE_NOTADB)
        throw RunError(err::EngineError, QStringLiteral("Die Datei ist keine Datenbank: ") + source);
    if (check != SQLITE_OK)
        db::throwSqlite(guard.db, check, source);
    return guard.db;
}

void checkTarget(const QString& target) {
    const QString folder = QFileInfo(target).absolutePath();
    if (!folderExists(folder))
        throw RunError(err::PathNotFound,
                       standardDescription(err::PathNotFound) + QStringLiteral(": ") + folder);
    if (isDatabaseOpen(target))
        throw RunError(err::PermissionDenied,
                       QStringLiteral("Die Datei ist geöffnet und kann nicht ersetzt werden: ") + target);
}

// The new file must be on disk before it replaces the old one.
void syncFile(const QString& path) {
#ifdef Q_OS_UNIX
    QFile file(path);
    if (file.open(QIODevice::ReadWrite))
        ::fsync(file.handle());
#else
    Q_UNUSED(path);
#endif
}

void replaceTarget(TempFile& temp, const QString& source, const QString& target) {
    const QString permissionsFrom = QFileInfo::exists(target) ? target : source;
    QFile::setPermissions(temp.path(), QFile::permissions(permissionsFrom));
    syncFile(temp.path());
    std::error_code ec;
    fs::rename(toPath(temp.path()), toPath(target), ec);
    if (ec)
        throwFileError(ec, target, err::PathNotFound);
    temp.release();
}

void backup(sqlite3* from, sqlite3* to) {
    sqlite3_backup* job = sqlite3_backup_init(to, "main", from, "main");
    if (!job)
        db::throwSqlite(to, sqlite3_errcode(to));
    int rc;
    int waited = 0;
    while ((rc = sqlite3_backup_step(job, -1)) == SQLITE_BUSY || rc == SQLITE_LOCKED) {
        if (waited >= 30000)
            break;
        QThread::msleep(50);
        waited += 50;
    }
    sqlite3_backup_finish(job);
    if (rc != SQLITE_DONE)
        db::throwSqlite(to, rc);
}

bool sameFile(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

bool fileExists(const QString& path) {
    std::error_code ec;
    return !path.isEmpty() && fs::is_regular_file(toPath(path), ec);
}

bool folderExists(const QString& path) {
    std::error_code ec;
    return !path.isEmpty() && fs::is_directory(toPath(path), ec);
}

void createFolder(const QString& path) {
    std::error_code ec;
    fs::create_directories(toPath(path), ec);
    if (ec)
        throwFileError(ec, path, err::PathNotFound);
    if (!folderExists(path))
        throw RunError(err::PathFileAccess,
                       standardDescription(err::PathFileAccess) + QStringLiteral(": ") + path);
}

void deleteFile(const QString& path) {
    std::error_code ec;
    const fs::path p = toPath(path);
    if (!fs::exists(fs::symlink_status(p, ec)))
        return;
    if (fs::is_directory(p, ec))
        throw RunError(err::PathFileAccess,
                       standardDescription(err::PathFileAccess) + QStringLiteral(": ") + path);
    fs::remove(p, ec);
    if (ec)
        throwFileError(ec, path, err::FileNotFound);
}

int64_t fileSize(const QString& path) {
    std::error_code ec;
    const auto size = fs::file_size(toPath(path), ec);
    if (ec)
        throwFileError(ec, path, err::FileNotFound);
    return int64_t(size);
}

QString parentFolder(const QString& path) {
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    const qsizetype slash = clean.lastIndexOf(u'/');
    if (slash < 0)
        return {};
    return slash == 0 ? QStringLiteral("/") : clean.left(slash);
}

QString join(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return name;
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

void copyDatabase(const QString& source, const QString& target) {
    HandleGuard from;
    openSource(source, from);
    checkTarget(target);
    if (sameFile(source, target))
        return;
    TempFile temp(target);
    {
        HandleGuard to;
        const int rc = sqlite3_open_v2(QFile::encodeName(temp.path()).constData(), &to.db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
        if (rc != SQLITE_OK)
            db::throwSqlite(to.db, rc, temp.path());
        backup(from.db, to.db);
    }
    replaceTarget(temp, source, target);
}

void compactDatabase(const QString& source, const QString& target) {
    HandleGuard from;
    openSource(source, from);
    checkTarget(target);
    TempFile temp(target);
    {
        db::Statement vacuum(from.db, QStringLiteral("VACUUM INTO ?1"));
        const QByteArray name = temp.path().toUtf8();
        sqlite3_bind_text(vacuum.get(), 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        vacuum.step();
    }
    sqlite3_close_v2(from.db);
    from.db = nullptr;
    replaceTarget(temp, source, target);
}

} // namespace talur::files
