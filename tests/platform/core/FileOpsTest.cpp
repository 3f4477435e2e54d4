#include "platform/core/FileOps.h"
#include "CoreTestSupport.h"

#include <QDir>
#include <QFile>

namespace talur::test {

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

int countRows(const QString& path, const QString& sql) {
    Connection c;
    c.open(path);
    Recordset rs;
    rs.open(sql, c);
    return rs.recordCount();
}

// The database of DatabaseTest, an old target beside it, and an empty folder.
class FileOpsTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        target = folder.file(QStringLiteral("ziel/TALUR.db"));
        files::createFolder(files::parentFolder(target));
        writeFile(target, "alter Inhalt");
    }

    // Nothing but the old target in its folder.
    void expectTargetUntouched() {
        EXPECT_EQ(contents(target), QByteArray("alter Inhalt"));
        EXPECT_EQ(QDir(files::parentFolder(target)).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("TALUR.db")});
    }

    QString target;
};

} // namespace

TEST_F(FileOpsTest, CopiesAnOpenDatabaseWithItsChanges) {
    Recordset rs;
    rs.open(QStringLiteral("SELECT * FROM [E1] WHERE [ID]=2"), cnn);
    rs.setValue(QStringLiteral("KOM"), "nach dem Öffnen");
    rs.update();
    files::copyDatabase(path, target);
    EXPECT_EQ(countRows(target, QStringLiteral("SELECT * FROM E1 WHERE KOM='nach dem Öffnen'")), 1);
    EXPECT_EQ(countRows(target, QStringLiteral("SELECT * FROM E3")), 4);
    // The source stays usable through its connection.
    rs.setValue(QStringLiteral("KOM"), "danach");
    rs.update();
    EXPECT_EQ(countRows(target, QStringLiteral("SELECT * FROM E1 WHERE KOM='danach'")), 0);
    EXPECT_EQ(QDir(files::parentFolder(target)).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("TALUR.db")});
}

TEST_F(FileOpsTest, FailedCopiesLeaveTheTargetAsItWas) {
    const QString text = folder.file(QStringLiteral("text.db"));
    writeFile(text, QByteArray("keine Datenbank, nur Text. ").repeated(40));
    const struct {
        QString source;
        QString target;
        int error;
    } cases[] = {
        {folder.file(QStringLiteral("fehlt.db")), target, err::FileNotFound},
        {text, target, err::EngineError},
        {path, folder.file(QStringLiteral("nirgends/TALUR.db")), err::PathNotFound},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source.toStdString());
        EXPECT_EQ(errorNumberOf([&] { files::copyDatabase(c.source, c.target); }), c.error);
        EXPECT_EQ(errorNumberOf([&] { files::compactDatabase(c.source, c.target); }), c.error);
        expectTargetUntouched();
    }
    EXPECT_FALSE(files::folderExists(folder.file(QStringLiteral("nirgends"))));
}

TEST_F(FileOpsTest, UnwritableFolderIsRefused) {
    const QString dir = files::parentFolder(target);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    const bool permissionsIgnored =
        QFile(folder.file(QStringLiteral("ziel/probe"))).open(QIODevice::WriteOnly);
    if (!permissionsIgnored) {
        EXPECT_EQ(errorNumberOf([&] { files::copyDatabase(path, target); }), err::PermissionDenied);
        EXPECT_EQ(errorNumberOf([&] { files::compactDatabase(path, target); }), err::PermissionDenied);
    }
    QFile::remove(folder.file(QStringLiteral("ziel/probe")));
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    expectTargetUntouched();
    // With rights that ignore permissions, a folder no one can create files in stands in.
    if (permissionsIgnored && files::folderExists(QStringLiteral("/proc/self"))) {
        EXPECT_EQ(errorNumberOf([&] { files::copyDatabase(path, QStringLiteral("/proc/self/TALUR.db")); }),
                  err::PermissionDenied);
        EXPECT_EQ(errorNumberOf([&] { files::compactDatabase(path, QStringLiteral("/proc/self/TALUR.db")); }),
                  err::PermissionDenied);
    }
}

TEST_F(FileOpsTest, TargetOpenInAConnectionIsNotReplaced) {
    files::copyDatabase(path, target);
    Connection open;
    open.open(target);
    const QByteArray before = contents(target);
    EXPECT_EQ(errorNumberOf([&] { files::copyDatabase(path, target); }), err::PermissionDenied);
    EXPECT_EQ(contents(target), before);
    open.close();
    files::copyDatabase(path, target); // fine once closed
}

TEST_F(FileOpsTest, CompactionKeepsTheDataAndShrinksTheFile) {
    cnn.execute(QStringLiteral("CREATE TABLE BIG (V TEXT);"
                               "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<2000)"
                               " INSERT INTO BIG SELECT hex(randomblob(100)) FROM n;"
                               "DELETE FROM BIG WHERE rowid > 10;"));
    const int64_t sizeBefore = files::fileSize(path);
    files::compactDatabase(path, target);
    EXPECT_LT(files::fileSize(target), sizeBefore);
    EXPECT_EQ(countRows(target, QStringLiteral("SELECT * FROM BIG")), 10);
    EXPECT_EQ(countRows(target, QStringLiteral("SELECT * FROM E1")), 4);
    // In place, once its connection is closed.
    cnn.close();
    files::compactDatabase(path, path);
    EXPECT_LT(files::fileSize(path), sizeBefore);
    EXPECT_EQ(countRows(path, QStringLiteral("SELECT * FROM BIG")), 10);
}

TEST(FileOps, FoldersFilesAndPaths) {
    TempFolder folder;
    const QString deep = files::join(folder.path(), QStringLiteral("a/b/c"));
    EXPECT_FALSE(files::folderExists(deep));
    files::createFolder(deep);
    EXPECT_TRUE(files::folderExists(deep));
    EXPECT_FALSE(files::fileExists(deep));
    files::createFolder(deep); // already there: no error

    const QString file = files::join(deep, QStringLiteral("x.txt"));
    writeFile(file, "12345");
    EXPECT_TRUE(files::fileExists(file));
    EXPECT_EQ(files::fileSize(file), 5);
    EXPECT_EQ(errorNumberOf([&] { files::createFolder(files::join(file, QStringLiteral("sub"))); }),
              err::PathFileAccess);
    files::deleteFile(file);
    EXPECT_FALSE(files::fileExists(file));
    files::deleteFile(file); // missing: no error
    EXPECT_EQ(errorNumberOf([&] { files::fileSize(file); }), err::FileNotFound);
    EXPECT_EQ(errorNumberOf([&] { files::deleteFile(deep); }), err::PathFileAccess);

    EXPECT_EQ(files::parentFolder(QStringLiteral("/p/q/TALUR.db")), QStringLiteral("/p/q"));
    EXPECT_EQ(files::parentFolder(QStringLiteral("/p/q/")), QStringLiteral("/p"));
    EXPECT_EQ(files::parentFolder(QStringLiteral("/TALUR.db")), QStringLiteral("/"));
    EXPECT_EQ(files::parentFolder(QStringLiteral("TALUR.db")), QString());
    EXPECT_EQ(files::join(QStringLiteral("/p"), QStringLiteral("x")), QStringLiteral("/p/x"));
    EXPECT_EQ(files::join(QStringLiteral("/p/"), QStringLiteral("x")), QStringLiteral("/p/x"));
    EXPECT_EQ(files::join(QString(), QStringLiteral("x")), QStringLiteral("x"));
}

} // namespace talur::test
