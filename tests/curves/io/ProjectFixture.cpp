#include "ProjectFixture.h"

#include <QFile>
#include <stdexcept>

namespace talur::test {

namespace {

// The parameters of the typical record of the curve tests, in the column order of E2.
const char* const kParameters =
    "[A1],[C1S],[C1],[A2],[C2S],[C2],[SIBK],[SI0],[E0],[SIA],[SIMAX],[N],[A],[B],[C],[AR],[CR],[SIBS],[EBS],"
    "[SI1],[SI2]";

QString parameterRow(int id, const QString& a1 = QStringLiteral("5")) {
    return QStringLiteral("INSERT INTO [E2] ([ID],%1) VALUES (%2,%3,0.8,0.6,50,0.5,0.4,0.1,0.1,0.8,0.01,1,99,"
                          "30,-10,-2,20,-1,0.1,0.7,0.1,0.4);")
        .arg(QLatin1String(kParameters))
        .arg(id)
        .arg(a1);
}

} // namespace

QString projectSchemaSql() {
    QFile file(QStringLiteral(TALUR_SCHEMA_SQL));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("schema file missing");
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype start = text.indexOf(QLatin1String("-- @project"));
    const qsizetype end = text.indexOf(QLatin1String("-- @"), start + 4);
    return text.mid(start, end < 0 ? -1 : end - start);
}

ProjectFixture::ProjectFixture() : m_path(m_folder.file(QStringLiteral("TALUR.db"))) {
    Connection db;
    db.create(m_path);
    db.execute(projectSchemaSql());
    db.execute(QStringLiteral(
        "INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT]) VALUES (1,'K1','typisch',1),(2,'STOP',NULL,0),"
        "(3,'NOE3',NULL,0),(4,'ZERO',NULL,0),(5,'NOE2',NULL,0),(6,'O''B',NULL,0);"));
    for (int id : {1, 2, 3, 6})
        db.execute(parameterRow(id));
    db.execute(parameterRow(4, QStringLiteral("0")));
    db.execute(QStringLiteral("UPDATE [E2] SET [SIA]='abc' WHERE [ID]=6;"));
    db.execute(QStringLiteral("INSERT INTO [E3] ([ID],[I1],[SIV]) VALUES (1,3,0.9),(1,1,0.3),(1,2,0.6),"
                              "(2,1,0.5),(2,2,2),(2,3,0.7),(4,1,0.5);"));
    db.close();
}

} // namespace talur::test
