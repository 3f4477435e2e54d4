#pragma once
// The user rows of table ADMIN in the archive database, shared with the frame program MERIDAN.
#include "platform/core/Database.h"

#include <QString>
#include <optional>

namespace talur {

inline const QString kFrameProgram = QStringLiteral("MERIDAN");

struct AdminRow {
    QString BENUTZER;
    QString PROG;
    QString PROJEKTSPFAD;
    QString PROJEKT;
    QString BEARBEITER;
};

class DbAdmin {
public:
    // The statements on the archive connection; the user name is quoted as an SQL literal.
    static QString selectRow(const QString& benutzer);  // SELECT * ... WHERE [BENUTZER]=...
    static QString selectProg(const QString& benutzer); // SELECT [PROG] ... WHERE [BENUTZER]=...
    // The current row of a recordset over ADMIN; Null columns read as empty text.
    static AdminRow fromCurrent(const Recordset& rs);

    explicit DbAdmin(Connection& archive) : m_archive(archive) {}
    std::optional<AdminRow> read(const QString& benutzer);
    // Writes PROG of the user's first row; false when the user has no row.
    bool writeProg(const QString& benutzer, const QString& prog);
    // Adds the user's row or replaces its values (the frame program's job; used by talur-admin).
    void store(const AdminRow& row);

private:
    Connection& m_archive;
};

} // namespace talur
