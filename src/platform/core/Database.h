#pragma once
// Connection and recordset over SQLite with the behaviour the program's callers rely on:
// static snapshot in statement order, exact record count, write-through by row id, no transactions.
//
// Values written go through the declared type of their column: INT columns take 32-bit integers (SMALLINT,
// SHORT, TINYINT 16-bit), BOOLEAN/BIT 1 or 0, REAL/SINGLE 32-bit floats, DOUBLE/FLOAT/NUMERIC/DECIMAL
// doubles, CHAR/TEXT/MEMO text, DATE/TIME the day number as REAL (days since 1899-12-30, so dates sort and
// compare as numbers). A value that does not convert is refused with RunError 13 (6 when out of range) and
// nothing is stored. An empty variant stores NULL, or the type's zero value in a NOT NULL column.
// Reading gives the same types back: 16-bit Integer, Long, Boolean, Single, Double, String, Date, Null.
#include "Variant.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

struct sqlite3;

namespace talur {

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens an existing database file; a missing file is RunError 53, a file that is not a database
    // -2147467259. An empty file counts as an empty database, as SQLite sees it. Busy time-out 30 s, journal
    // mode DELETE.
    void open(const QString& path);
    // Creates a new, empty database file and opens it; an existing file is refused (RunError 75).
    void create(const QString& path);
    void close();
    bool isOpen() const;
    const QString& path() const { return m_path; }

    // Runs statements without results (schema creation, VACUUM INTO); callers outside platform do not need
    // it.
    void execute(const QString& sql);
    // false: each write reaches the operating system at once but is not forced to disk, so a crash of the
    // program loses nothing and only a power failure could damage the file. Meant for the per-user working
    // copy, whose rows are written one update at a time; the project database is only written by copies,
    // which are flushed.
    void setDiskSync(bool on);
    bool diskSync() const;
    bool hasTable(const QString& table) const;
    QStringList columnNames(const QString& table) const;

    sqlite3* handle() const { return m_db; }
    // Lives while this connection stays open on the same file; recordsets watch it before writing.
    std::weak_ptr<const bool> openToken() const { return m_token; }

private:
    void attach(sqlite3* db, const QString& path);

    sqlite3* m_db = nullptr;
    QString m_path;
    QString m_canonicalPath;
    std::shared_ptr<const bool> m_token;
};

// Is the database file open in a Connection of this process? Replacing such a file would leave the
// connection writing to a file that is no longer there.
bool isDatabaseOpen(const QString& path);

class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;

    // Runs one SELECT statement and keeps all rows. A statement on a single table can be written through;
    // any other (joins, DISTINCT, grouping or aggregates, views) gives a read-only recordset whose writes
    // throw RunError 3251.
    // The connection must stay open while the recordset writes (RunError 3709 otherwise).
    void open(const QString& sql, Connection& connection); // static cursor, optimistic locking
    // Discards changes not yet stored by update() or a move.
    void close();
    bool isOpen() const;

    // Deleted rows stay in place until the cursor moves on; moves skip them. moveFirst/moveLast on an empty
    // recordset leave it at its end; moveNext at the end throws RunError 3021. Every move stores pending
    // changes.
    bool eof() const;
    bool bof() const;
    void moveFirst();
    void moveNext();
    void moveLast();
    int recordCount() const; // rows not deleted, added rows included

    int fieldCount() const;
    QString fieldName(int index) const;
    // Columns by name (any letter case, with or without brackets) or by position; an unknown one is 3265.
    Variant value(const QString& column) const;
    Variant value(int index) const;
    bool isNull(const QString& column) const;
    bool isNull(int index) const;
    void setValue(const QString& column, const Variant& value);
    void setValue(int index, const Variant& value);

    // addNew: the new row is stored by update() or a move (a move without any value set drops it) and then
    // becomes the current row at the end of the snapshot. A failing update throws and drops the pending
    // changes: the row stays as it is stored.
    void addNew();
    void update();
    void deleteCurrent();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// A text as an SQL string literal: enclosed in single quotes, quotes inside doubled.
QString sqlLiteral(const QString& text);

} // namespace talur
