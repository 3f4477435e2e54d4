#pragma once
// The demo project of a fresh installation: three records of typical soils.
#include "platform/core/Database.h"

#include <QList>
#include <QPair>
#include <QString>

namespace talur {

struct DemoRecord {
    QString KEN;
    QString KOM;
    bool AKT = false;
    QList<QPair<QString, double>> parameters; // E2 columns and values
    QList<double> preloads;                   // E3 preloading stresses in row order
};

class DemoProject {
public:
    static QList<DemoRecord> records();
    // Writes one record under key id into an open project database (E1, E2, E3).
    static void insert(Connection& project, int id, const DemoRecord& record);
    // Creates <root>/TE0000.00/TALUR.db with the demo records, replacing an older demo database.
    // Returns the path of the database.
    static QString create(const QString& root);
};

} // namespace talur
