#include "graphics/sheet/Musterblatt.h"

#include "graphics/clsGRAFIK.h"
#include "records/DbSchema.h"
#include "records/RunContext.h"

#include <QDir>
#include <QFile>

namespace talur::sheet {

namespace {

// Settings row of one diagram: orientation, margins and fixed bounds; the scale is derived.
void g0Zeile(Connection& db, int picture, int oy, double rl, double rr, double ro, double ru, double xmin,
             double xmax, double ymin, double ymax) {
    db.execute(
        QStringLiteral("INSERT INTO [G0] ([ID],[IDOBJEKT],[OX],[OY],[RL],[RR],[RO],[RU],[XMIN],[XMAX],"
                       "[YMIN],[YMAX],[MX],[MY],[MYMX]) VALUES (1,%1,1,%2,%3,%4,%5,%6,%7,%8,%9,%10,0,0,0)")
            .arg(picture)
            .arg(oy)
            .arg(rl)
            .arg(rr)
            .arg(ro)
            .arg(ru)
            .arg(xmin)
            .arg(xmax)
            .arg(ymin)
            .arg(ymax));
}

} // namespace

void projektAnlegen(RunContext& context, const QString& folder) {
    const QString path = QDir(folder).filePath(QStringLiteral("TALUR.db"));
    QFile file(path); // an empty file is an empty database
    if (!file.open(QIODevice::WriteOnly))
        throw RunError(err::PathNotFound, QStringLiteral("Pfad nicht gefunden: ") + folder);
    file.close();
    context.cnnX.open(path);
    context.cnnX.execute(DbSchema::sql(DbKind::Project));
    context.cnnX.execute(
        QStringLiteral("INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT]) VALUES (1,'MUSTER','Musterblatt',1)"));
    g0Zeile(context.cnnX, 11, 1, 18, 6, 8, 16, 0, 4, 0, 3);
    g0Zeile(context.cnnX, 12, -1, 18, 6, 17, 8, 0.01, 10, 0, 20);
}

void zeichneMusterblatt(DrawTarget& target, RunContext& context, QScrollBar& balken) {
    target.setBackColor(0xFFFFFF);
    target.clear();
    {
        clsGRAFIK blatt(context);
        blatt.setEOBJEKT(&target);
        blatt.LINIENEINSTELLUNGEN(0, 0, 0xC0C0C0);
        target.box(3, 3, kBlattBreite - 3, kBlattHoehe - 3);
        blatt.LINIENEINSTELLUNGEN(0, 0, 0);
        blatt.SCHRIFTEINSTELLUNGEN(QString(), 12, -1, 0, 0, 0);
        blatt.TEXT(10, 8, QStringLiteral("TALUR {c,150} Musterblatt der Grafikbibliothek"), 0, 0, 0, 0);
        blatt.SCHRIFTEINSTELLUNGEN(QString(), 8, 0, 0, -1, 0x606060);
        blatt.TEXT(kBlattBreite - 10, 9, QStringLiteral("Orvalis {c,183} Quenvarra"), 0, 0, 2, 0);
    }
    zeichneMohrDiagramm(target, context);
    zeichneDrucksetzung(target, context);
    zeichneTabellen(target, balken);
}

} // namespace talur::sheet
