// Pictures 13 to 19: the seven parameter tables in the three table boxes of the page.
#include "graphics/clsTABELLE.h"
#include "page/AusgabeSeite.h"
#include "page/SeitenFarben.h"
#include "page/SeitenLayout.h"
#include "platform/core/ErrorRunner.h"

namespace talur {

using seite::vorhanden;

namespace {

// Rows of cells into the table's (column, row) layout.
clsTABELLE::Inhalt spaltenweise(const std::vector<std::vector<Variant>>& zeilen, int spalten) {
    clsTABELLE::Inhalt inhalt(static_cast<size_t>(spalten), std::vector<Variant>(zeilen.size()));
    for (size_t r = 0; r < zeilen.size(); ++r)
        for (size_t c = 0; c < zeilen[r].size() && c < inhalt.size(); ++c)
            inhalt[c][r] = zeilen[r][c];
    return inhalt;
}

} // namespace

void AusgabeSeite::tabelle(int bild, int16_t ziel, float EXDL, float EYDO) {
    zeichneTabelle(bild, zielFuer(ziel, static_cast<int>(seite::bildfeldVon(bild))), ziel == kDrucker, EXDL, EYDO);
}

void AusgabeSeite::zeichneTabelle(int bild, DrawTarget* ziel, bool drucker, float EXDL, float EYDO) {
    const seite::BildRechteck& feld = seite::bildfeld(seite::bildfeldVon(bild));
    std::unique_ptr<clsTABELLE>& platz = m_tabellen[static_cast<size_t>(bild - 13)];
    clsTABELLE* t = nullptr;
    TabellenInhalt inhalt;
    ErrorRunner runner(QStringLiteral("Bild ") + QString::number(bild));
    runner.run({
        [&] {
            vorhanden(ziel);
            // Table 17 is the first of the three tables in its box.
            if (bild == 17 && !drucker)
                ziel->clear();
        },
        [&] {
            platz = std::make_unique<clsTABELLE>();
            t = platz.get();
        },
        [&] {
            clsTABELLE& tab = vorhanden(t);
            tab.setEOBJEKT(ziel);
            tab.setEXDL(drucker ? static_cast<float>(feld.leftMm()) + EXDL : 0.0f);
            tab.setEYDO(drucker ? static_cast<float>(feld.topMm()) + EYDO : 0.0f);
        },
        [&] {
            // On the printer too, so the sheet shows the rows scrolled into view.
            if (bild == 17)
                vorhanden(t).setEYBALKEN(m_flaechen.vscBILD15);
        },
        [&] {
            inhalt = tabellenInhalt(bild, m_daten, tabellenErgebnisse());
            clsTABELLE& tab = vorhanden(t);
            tab.setERZ(1.5f);
            if (inhalt.ERL)
                tab.setERL(*inhalt.ERL);
            tab.setERO(inhalt.ERO);
            if (inhalt.ERU)
                tab.setERU(*inhalt.ERU);
        },
        [&] {
            clsTABELLE& tab = vorhanden(t);
            const int n = inhalt.spalten();
            tab.setELSB(inhalt.ELSB);
            tab.setELGIT(std::vector<int16_t>(inhalt.ELGIT.begin(), inhalt.ELGIT.end()));
            tab.setELGITLEER(std::vector<int16_t>(static_cast<size_t>(std::max(0, n - 1)), 0));
            tab.setEZA(1.5f);
            tab.setELA(std::vector<int16_t>(static_cast<size_t>(n), 1));
            tab.setELFORMAT(inhalt.ELFORMAT);
        },
        [&] {
            clsTABELLE& tab = vorhanden(t);
            const clsTABELLE::Inhalt kopf = spaltenweise(inhalt.kopf, inhalt.spalten());
            const clsTABELLE::Inhalt koerper = spaltenweise(inhalt.koerper, inhalt.spalten());
            tab.LINIENEINSTELLUNGEN(0, 0, seite::kSchwarz);
            tab.SCHRIFTEINSTELLUNGEN(QString(), 0, 0, 0, 0, 0);
            tab.TABELLE(kopf, 0);
            tab.TABELLE(koerper, 1);
        },
        [&] {
            if (inhalt.titel.isEmpty())
                return;
            clsTABELLE& tab = vorhanden(t);
            tab.SCHRIFTEINSTELLUNGEN(QString(), 9, -1, 0, 0, 0);
            tab.TITEL(inhalt.titel);
        },
    });
}

} // namespace talur
