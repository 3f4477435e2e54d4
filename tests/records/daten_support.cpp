#include "records/daten_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace talur::test {

QString schemaSection(const QString& section) {
    const QString path = QFileInfo(QStringLiteral(__FILE__))
                             .dir()
                             .absoluteFilePath(QStringLiteral("../../src/records/schema/schema.sql"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error("schema file not found");
    const QString text = QString::fromUtf8(file.readAll());
    const QString marker = QStringLiteral("-- @") + section;
    const qsizetype start = text.indexOf(marker);
    if (start < 0)
        throw std::runtime_error("schema section not found");
    const qsizetype end = text.indexOf(QStringLiteral("-- @"), start + marker.size());
    return text.mid(start, end < 0 ? -1 : end - start);
}

void createDatabase(const QString& path, const QString& section) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot create the database file");
    file.close();
    Connection connection;
    connection.open(path);
    connection.execute(schemaSection(section));
    connection.close();
}

QStringList rowsOf(Connection& connection, const QString& sql) {
    Recordset rs;
    rs.open(sql, connection);
    QStringList rows;
    for (; !rs.eof(); rs.moveNext()) {
        QStringList cells;
        for (int i = 0; i < rs.fieldCount(); ++i)
            cells << (rs.isNull(i) ? QStringLiteral("<null>") : rs.value(i).toText());
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

void DatenFixture::SetUp() {
    regionalSettings().decimalSeparator = QLatin1Char(',');
    const QString path = folder.file(QStringLiteral("TALUR.db"));
    createDatabase(path, QStringLiteral("project"));
    context.cnnX.open(path);
}

void DatenFixture::TearDown() {
    regionalSettings().decimalSeparator = QLatin1Char(',');
}

void DatenFixture::addRecord(int32_t id, const QString& ken, bool active) {
    context.cnnX.execute(QStringLiteral("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (%1,%2,%3)")
                             .arg(id)
                             .arg(sqlLiteral(ken))
                             .arg(active ? 1 : 0));
}

DialogRecord DatenFixture::onlyBox() const {
    EXPECT_EQ(dialogs.transcript().size(), 1);
    return dialogs.transcript().isEmpty() ? DialogRecord{} : dialogs.transcript().back();
}

} // namespace talur::test
