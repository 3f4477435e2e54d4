#include "page/SeitenDatei.h"

#include "page/SeitenLayout.h"
#include "page/mdiSEITE1.h"
#include "platform/core/Database.h"
#include "platform/core/RunError.h"
#include "platform/draw/ImageTarget.h"
#include "platform/draw/PrinterTarget.h"
#include "platform/draw/SvgTarget.h"
#include "records/RunContext.h"

#include <QFileInfo>

namespace talur {

namespace {

// Image and SVG sheets behave as the printed sheet does (scrolled tables show the rows in view).
class BlattBild : public ImageTarget {
public:
    using ImageTarget::ImageTarget;
    TargetKind kind() const override { return TargetKind::Printer; }
};

class BlattSvg : public SvgTarget {
public:
    using SvgTarget::SvgTarget;
    TargetKind kind() const override { return TargetKind::Printer; }
};

bool datensatzVorhanden(RunContext& kontext, int32_t datensatz) {
    Recordset e1;
    e1.open(QStringLiteral("SELECT [ID] FROM [E1] WHERE [ID]=") + QString::number(datensatz), kontext.cnnX);
    const bool vorhanden = !e1.eof();
    e1.close();
    return vorhanden;
}

// Both diagrams have their settings rows: the record was evaluated before.
bool einstellungenVorhanden(RunContext& kontext, int32_t datensatz) {
    Recordset g0;
    g0.open(QStringLiteral("SELECT [IDOBJEKT] FROM [G0] WHERE [ID]=") + QString::number(datensatz) +
                QStringLiteral(" AND [IDOBJEKT] IN (11,12) AND [RL] IS NOT NULL"),
            kontext.cnnX);
    int zeilen = 0;
    if (!g0.eof()) {
        g0.moveLast();
        zeilen = g0.recordCount();
    }
    g0.close();
    return zeilen >= 2;
}

} // namespace

Druckauftrag druckauftrag(PrinterTarget& drucker) {
    Druckauftrag auftrag;
    auftrag.ziel = &drucker;
    auftrag.einrichten = [&drucker] { drucker.setScaleMillimetres(); };
    auftrag.beenden = [&drucker] { drucker.endDoc(); };
    auftrag.abbrechen = [&drucker] { drucker.killDoc(); };
    return auftrag;
}

void renderPage(RunContext& kontext, int32_t datensatz, const QString& ausgabePfad,
                const SeitenDateiOptionen& optionen) {
    const QString endung = QFileInfo(ausgabePfad).suffix().toLower();
    if (endung != QLatin1String("pdf") && endung != QLatin1String("png") && endung != QLatin1String("svg"))
        throw RunError(err::InvalidCall, QStringLiteral("Unbekanntes Dateiformat: ") + ausgabePfad);
    if (!datensatzVorhanden(kontext, datensatz))
        throw RunError(err::FileNotFound, QStringLiteral("Datensatz ") + QString::number(datensatz) +
                                               QStringLiteral(" nicht gefunden"));

    mdiSEITE1 seite(kontext);
    seite.seite().setBONEUErzwingen(!einstellungenVorhanden(kontext, datensatz));
    seite.laden(datensatz);

    if (endung == QLatin1String("pdf")) {
        PrinterTarget drucker(ausgabePfad, optionen.pdfDpi);
        seite.seite().druckblatt(druckauftrag(drucker));
        if (!QFileInfo::exists(ausgabePfad))
            throw RunError(err::PathFileAccess, QStringLiteral("Datei kann nicht geschrieben werden: ") + ausgabePfad);
        return;
    }
    Druckauftrag auftrag;
    if (endung == QLatin1String("png")) {
        BlattBild blatt(seite::kBlattBreiteMm, seite::kBlattHoeheMm, optionen.pngDpi);
        auftrag.ziel = &blatt;
        seite.seite().druckblatt(auftrag);
        if (!blatt.savePng(ausgabePfad))
            throw RunError(err::PathFileAccess, QStringLiteral("Datei kann nicht geschrieben werden: ") + ausgabePfad);
        return;
    }
    BlattSvg blatt(ausgabePfad, seite::kBlattBreiteMm, seite::kBlattHoeheMm);
    auftrag.ziel = &blatt;
    auftrag.beenden = [&blatt] { blatt.finish(); };
    seite.seite().druckblatt(auftrag);
    blatt.finish();
    if (!QFileInfo::exists(ausgabePfad))
        throw RunError(err::PathFileAccess, QStringLiteral("Datei kann nicht geschrieben werden: ") + ausgabePfad);
}

} // namespace talur
