#pragma once
// Connection and recordset over SQLite with the behaviour the program's callers rely on:
// static snapshot in statement order, exact record count, write-through by row id, no transactions.
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

    // Opens an existing database file; a missing file is RunError 53, a file that is not a database -2147467259.
    void open(const QString& path);
    void close();
    bool isOpen() const;
    const QString& path() const { return m_path; }

    // Runs statements without results (schema creation, VACUUM INTO); callers outside platform do not need it.
    void execute(const QString& sql);
    bool hasTable(const QString& table) const;
    QStringList columnNames(const QString& table) const;

    sqlite3* handle() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
    QString m_path;
};

class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;

    void open(const QString& sql, Connection& connection); // static cursor, optimistic locking
    void close();
    bool isOpen() const;

    bool eof() const;
    bool bof() const;
    void moveFirst();
    void moveNext();
    void moveLast();
    int recordCount() const;

    int fieldCount() const;
    QString fieldName(int index) const;
    Variant value(const QString& column) const;
    Variant value(int index) const;
    bool isNull(const QString& column) const;
    bool isNull(int index) const;
    void setValue(const QString& column, const Variant& value);
    void setValue(int index, const Variant& value);

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
