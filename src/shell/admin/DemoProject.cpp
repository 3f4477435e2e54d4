#include "shell/admin/DemoProject.h"

#include "platform/core/FileOps.h"
#include "records/DbSchema.h"
#include "records/RunContext.h"

#include <QFile>

namespace talur {

namespace {

using Parameters = QList<QPair<QString, double>>;

// Stiffness law, void ratio, curve range and subdivisions, friction laws, Coulomb limits.
Parameters parameters(double a1, double c1s, double c1, double a2, double c2s, double c2, double e0,
                      double simax, double a, double b, double c, double ar, double cr) {
    return {{QStringLiteral("A1"), a1},    {QStringLiteral("C1S"), c1s},     {QStringLiteral("C1"), c1},
            {QStringLiteral("A2"), a2},    {QStringLiteral("C2S"), c2s},     {QStringLiteral("C2"), c2},
            {QStringLiteral("SIBK"), 0.1}, {QStringLiteral("SI0"), 0.1},     {QStringLiteral("E0"), e0},
            {QStringLiteral("SIA"), 0.01}, {QStringLiteral("SIMAX"), simax}, {QStringLiteral("N"), 100},
            {QStringLiteral("A"), a},      {QStringLiteral("B"), b},         {QStringLiteral("C"), c},
            {QStringLiteral("AR"), ar},    {QStringLiteral("CR"), cr},       {QStringLiteral("SIBS"), 0.1},
            {QStringLiteral("EBS"), e0},   {QStringLiteral("SI1"), 0.1},     {QStringLiteral("SI2"), 0.4}};
}

} // namespace

QList<DemoRecord> DemoProject::records() {
    return {
        {QStringLiteral("TON-W1"),
         QStringLiteral("Weicher Ton, Bohrung B1, 3,5 m"),
         true,
         parameters(2.0, 0.9, 0.95, 15.0, 0.8, 0.85, 1.1, 1.0, 24.0, -10.0, -2.0, 16.0, -1.0),
         {0.2, 0.5}},
        {QStringLiteral("TON-S1"),
         QStringLiteral("Steifer Ton, Bohrung B2, 8,0 m"),
         false,
         parameters(6.0, 0.75, 0.8, 45.0, 0.65, 0.7, 0.62, 2.0, 27.0, -8.0, -3.0, 13.0, -1.0),
         {0.4, 1.0, 1.6}},
        {QStringLiteral("SAND-D1"),
         QStringLiteral("Dicht gelagerter Sand, Bohrung B3, 5,0 m"),
         false,
         parameters(30.0, 0.55, 0.6, 180.0, 0.5, 0.5, 0.52, 4.0, 38.0, -12.0, -4.0, 31.0, -1.5),
         {0.5, 1.5, 3.0}},
    };
}

void DemoProject::insert(Connection& project, int id, const DemoRecord& record) {
    Recordset e1;
    e1.open(QStringLiteral("SELECT * FROM [E1] WHERE [ID]=%1").arg(id), project);
    e1.addNew();
    e1.setValue(QStringLiteral("ID"), Variant(int32_t(id)));
    e1.setValue(QStringLiteral("KEN"), Variant(record.KEN));
    e1.setValue(QStringLiteral("KOM"), Variant(record.KOM));
    e1.setValue(QStringLiteral("AKT"), Variant(record.AKT));
    e1.update();
    e1.close();

    Recordset e2;
    e2.open(QStringLiteral("SELECT * FROM [E2] WHERE [ID]=%1").arg(id), project);
    e2.addNew();
    e2.setValue(QStringLiteral("ID"), Variant(int32_t(id)));
    for (const auto& [column, value] : record.parameters)
        e2.setValue(column, column == QStringLiteral("N") ? Variant(int16_t(value)) : Variant(value));
    e2.update();
    e2.close();

    Recordset e3;
    e3.open(QStringLiteral("SELECT * FROM [E3] WHERE [ID]=%1").arg(id), project);
    for (qsizetype row = 0; row < record.preloads.size(); ++row) {
        e3.addNew();
        e3.setValue(QStringLiteral("ID"), Variant(int32_t(id)));
        e3.setValue(QStringLiteral("I1"), Variant(int16_t(row + 1)));
        e3.setValue(QStringLiteral("SIV"), Variant(record.preloads[row]));
        e3.update();
    }
    e3.close();
}

QString DemoProject::create(const QString& root) {
    const QString folder = files::join(root, kStandaloneProject);
    if (!files::folderExists(folder))
        files::createFolder(folder);
    const QString path = files::join(folder, kProgramTitle + QStringLiteral(".db"));
    // Built beside the target and renamed into place, so a failure leaves no half-filled demo.
    const QString part = path + QStringLiteral(".part");
    files::deleteFile(part);
    DbSchema::create(part, DbKind::Project);
    {
        Connection project;
        project.open(part);
        const QList<DemoRecord> all = records();
        for (qsizetype i = 0; i < all.size(); ++i)
            insert(project, int(i + 1), all[i]);
        project.close();
    }
    files::deleteFile(path);
    if (!QFile::rename(part, path))
        throw RunError(err::PathFileAccess, QStringLiteral("Datei kann nicht umbenannt werden: ") + part);
    return path;
}

} // namespace talur
