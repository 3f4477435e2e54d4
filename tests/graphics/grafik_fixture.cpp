#include "grafik_fixture.h"

#include "platform/core/Database.h"
#include "records/DbSchema.h"

#include <QFile>

namespace talur::test {

void GrafikFixture::SetUp() {
    const QString path = folder.file(QStringLiteral("TALUR.db"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    context.cnnX.open(path);
    context.cnnX.execute(DbSchema::sql(DbKind::Project));
    regionalSettings().decimalSeparator = QLatin1Char(',');
}

void GrafikFixture::addRecord(int32_t id, bool active) {
    context.cnnX.execute(QStringLiteral("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (%1,'R%1',%2)")
                             .arg(id)
                             .arg(active ? 1 : 0));
}

void GrafikFixture::addG0(int32_t id, int picture, const G0Werte& w) {
    context.cnnX.execute(
        QStringLiteral("INSERT INTO [G0] ([ID],[IDOBJEKT],[OX],[OY],[RL],[RR],[RO],[RU],[XMIN],[XMAX],[YMIN],[YMAX],"
                       "[MX],[MY],[MYMX]) VALUES (%1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11,%12,%13,%14,%15)")
            .arg(id)
            .arg(picture)
            .arg(w.OX)
            .arg(w.OY)
            .arg(w.RL)
            .arg(w.RR)
            .arg(w.RO)
            .arg(w.RU)
            .arg(w.XMIN)
            .arg(w.XMAX)
            .arg(w.YMIN)
            .arg(w.YMAX)
            .arg(w.MX)
            .arg(w.MY)
            .arg(w.MYMX));
}

double GrafikFixture::g0(int32_t id, int picture, const QString& column) {
    Recordset rs;
    rs.open(QStringLiteral("SELECT [%1] FROM [G0] WHERE [ID]=%2 AND [IDOBJEKT]=%3").arg(column).arg(id).arg(picture),
            context.cnnX);
    EXPECT_FALSE(rs.eof());
    const double v = rs.eof() ? 0.0 : rs.value(0).toDouble();
    rs.close();
    return v;
}

QStringList GrafikFixture::boxTitles() const {
    QStringList out;
    for (const DialogRecord& r : dialogs.transcript())
        out << r.title;
    return out;
}

QStringList GrafikFixture::boxTexts() const {
    QStringList out;
    for (const DialogRecord& r : dialogs.transcript())
        out << r.text;
    return out;
}

std::unique_ptr<clsGRAFIK> GrafikFixture::grafik(int picture) {
    auto g = std::make_unique<clsGRAFIK>(context);
    g->setEIDOBJEKT(static_cast<int16_t>(picture));
    g->setEOBJEKT(&target);
    return g;
}

} // namespace talur::test
