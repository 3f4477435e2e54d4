#include "records/DbAdmin.h"

namespace talur {

namespace {

QString text(const Recordset& rs, const QString& column) {
    return rs.isNull(column) ? QString() : rs.value(column).toText();
}

} // namespace

QString DbAdmin::selectRow(const QString& benutzer) {
    return QStringLiteral("SELECT * FROM [ADMIN] WHERE [BENUTZER]=") + sqlLiteral(benutzer);
}

QString DbAdmin::selectProg(const QString& benutzer) {
    return QStringLiteral("SELECT [PROG] FROM [ADMIN] WHERE [BENUTZER]=") + sqlLiteral(benutzer);
}

AdminRow DbAdmin::fromCurrent(const Recordset& rs) {
    return {text(rs, QStringLiteral("BENUTZER")), text(rs, QStringLiteral("PROG")),
            text(rs, QStringLiteral("PROJEKTSPFAD")), text(rs, QStringLiteral("PROJEKT")),
            text(rs, QStringLiteral("BEARBEITER"))};
}

std::optional<AdminRow> DbAdmin::read(const QString& benutzer) {
    Recordset rs;
    rs.open(selectRow(benutzer), m_archive);
    std::optional<AdminRow> row;
    if (!rs.eof())
        row = fromCurrent(rs);
    rs.close();
    return row;
}

bool DbAdmin::writeProg(const QString& benutzer, const QString& prog) {
    Recordset rs;
    rs.open(selectProg(benutzer), m_archive);
    const bool found = !rs.eof();
    if (found) {
        rs.setValue(QStringLiteral("PROG"), Variant(prog));
        rs.update();
    }
    rs.close();
    return found;
}

void DbAdmin::store(const AdminRow& row) {
    Recordset rs;
    rs.open(selectRow(row.BENUTZER), m_archive);
    if (rs.eof()) {
        rs.addNew();
        rs.setValue(QStringLiteral("BENUTZER"), Variant(row.BENUTZER));
    }
    rs.setValue(QStringLiteral("PROG"), Variant(row.PROG));
    rs.setValue(QStringLiteral("PROJEKTSPFAD"), Variant(row.PROJEKTSPFAD));
    rs.setValue(QStringLiteral("PROJEKT"), Variant(row.PROJEKT));
    rs.setValue(QStringLiteral("BEARBEITER"), Variant(row.BEARBEITER));
    rs.update();
    rs.close();
}

} // namespace talur
