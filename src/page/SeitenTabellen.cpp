#include "page/SeitenTabellen.h"

#include <stdexcept>

namespace talur {

namespace {

using Zeile = std::vector<Variant>;

Variant text(const char* utf8) { return Variant(QString::fromUtf8(utf8)); }

// A Coulomb value is shown only when this run fitted the line; a line the run left out (no branch,
// a stop at σ_max, limits off the grid) shows "-" instead of a stale or zero value.
Zeile coulombZellen(const CoulombLine& linie) {
    if (linie.state != FitState::Fitted)
        return {Variant(kNichtBerechnet), Variant(kNichtBerechnet)};
    return {Variant(linie.c), Variant(linie.phi)};
}

TabellenInhalt tabelle13(const SeitenDaten& d) {
    TabellenInhalt t;
    t.ERO = 7;
    t.ERU = 1;
    t.ELSB = {10, 15, 15, 15};
    t.ELGIT = {2, 1, 1};
    t.ELFORMAT = {QString(), QStringLiteral("#0.00"), QStringLiteral("#0.00"), QStringLiteral("#0.00")};
    t.titel = QStringLiteral("Ohdesche Parameter");
    t.kopf = {{text(""), text("a"), text("c'"), text("c")},
              {text(""), text("[MN/m²]"), text("[-]"), text("[-]")}};
    t.koerper = {{text("E{t,2}s1"), Variant(d.A1), Variant(d.C1S), Variant(d.C1)},
                 {text("E{t,2}s2"), Variant(d.A2), Variant(d.C2S), Variant(d.C2)}};
    return t;
}

TabellenInhalt tabelle14(const SeitenDaten& d) {
    TabellenInhalt t;
    t.ERL = 62;
    t.ERO = 7;
    t.ERU = 1;
    t.ELSB = {15, 15, 15};
    t.ELGIT = {2, 1};
    t.ELFORMAT = {QStringLiteral("#0.00"), QStringLiteral("#0.00"), QStringLiteral("#0.000")};
    t.titel = QStringLiteral("Bezugswerte");
    t.kopf = {{text("{g,1}s{t,1}b"), text("{g,1}s{t,1}o"), text("e{t,1}o")},
              {text("[MN/m²]"), text("[MN/m²]"), text("[-]")}};
    t.koerper = {{Variant(d.SIBK), Variant(d.SI0), Variant(d.E0)}};
    return t;
}

TabellenInhalt tabelle15(const SeitenDaten& d) {
    TabellenInhalt t;
    t.ERO = 7;
    t.ERU = 1;
    t.ELSB = {10, 15, 15, 15};
    t.ELGIT = {2, 1, 1};
    t.ELFORMAT = {QString(), QStringLiteral("#0.00"), QStringLiteral("#0.00"), QStringLiteral("#0.00")};
    t.titel = QStringLiteral("Mohrsche Scherparameter");
    t.kopf = {{text(""), text("a"), text("b"), text("c")}, {text(""), text("[°]"), text("[°]"), text("[°]")}};
    // The residual law has no void-ratio term.
    t.koerper = {{text("{g,1}f"), Variant(d.A), Variant(d.B), Variant(d.C)},
                 {text("{g,1}f{t,1}r"), Variant(d.AR), text("-"), Variant(d.CR)}};
    return t;
}

TabellenInhalt tabelle16(const SeitenDaten& d) {
    TabellenInhalt t;
    t.ERL = 62;
    t.ERO = 7;
    t.ERU = 1;
    t.ELSB = {15, 15};
    t.ELGIT = {1};
    t.ELFORMAT = {QStringLiteral("#0.00"), QStringLiteral("#0.000")};
    t.titel = QStringLiteral("Bezugswerte");
    t.kopf = {{text("{g,1}s{t,1}b"), text("e{t,1}b")}, {text("[MN/m²]"), text("[-]")}};
    t.koerper = {{Variant(d.SIBS), Variant(d.EBS)}};
    return t;
}

TabellenInhalt tabelle17(const SeitenDaten& d, const TabellenErgebnisse& e) {
    TabellenInhalt t;
    t.ERO = 7;
    t.ELSB = {15, 15, 15};
    t.ELGIT = {1, 1};
    t.ELFORMAT = {QStringLiteral("#0.00"), QStringLiteral("#0.00"), QStringLiteral("#0.00")};
    t.titel = QStringLiteral("Coulombsche Scherparameter");
    t.kopf = {{text("{g,1}s{t,1}v"), text("c"), text("{g,1}f")}, {text("[MN/m²]"), text("[kN/m²]"), text("[°]")}};
    Zeile erste{Variant(d.SIA)};
    for (const Variant& v : coulombZellen(e.E))
        erste.push_back(v);
    t.koerper.push_back(erste);
    // One row per E3 row; filled only when the record has branches at all (first stress not 0).
    const bool zweige = d.e3Zeilen > 0 && !d.SIV.empty() && d.SIV.front() != 0.0f;
    for (int k = 0; k < d.e3Zeilen; ++k) {
        if (!zweige || k >= static_cast<int>(d.SIV.size())) {
            t.koerper.push_back({Variant(QString()), Variant(QString()), Variant(QString())});
            continue;
        }
        Zeile zeile{Variant(d.SIV[k])};
        const CoulombLine linie = k < static_cast<int>(e.zweige.size()) ? e.zweige[k] : CoulombLine{};
        for (const Variant& v : coulombZellen(linie))
            zeile.push_back(v);
        t.koerper.push_back(zeile);
    }
    return t;
}

TabellenInhalt tabelle18(const TabellenErgebnisse& e) {
    TabellenInhalt t;
    t.ERL = 62;
    t.ERO = 7;
    t.ERU = 1;
    t.ELSB = {15, 15};
    t.ELGIT = {1};
    t.ELFORMAT = {QStringLiteral("#0.00"), QStringLiteral("#0.00")};
    t.kopf = {{text("c{t,1}r"), text("{g,1}f{t,1}r")}, {text("[kN/m²]"), text("[°]")}};
    t.koerper = {coulombZellen(e.R)};
    return t;
}

TabellenInhalt tabelle19(const TabellenErgebnisse& e) {
    TabellenInhalt t;
    t.ERL = 62;
    t.ERO = 36;
    t.ERU = 1;
    t.ELSB = {15, 15};
    t.ELGIT = {1};
    t.ELFORMAT = {QStringLiteral("#0.00"), QStringLiteral("#0.00")};
    t.titel = QStringLiteral("Spannungsgrenzen");
    t.kopf = {{text("{g,1}s{t,1}1"), text("{g,1}s{t,1}2")}, {text("[MN/m²]"), text("[MN/m²]")}};
    t.koerper = {{Variant(e.SI1), Variant(e.SI2)}};
    return t;
}

} // namespace

TabellenInhalt tabellenInhalt(int bild, const SeitenDaten& daten, const TabellenErgebnisse& ergebnisse) {
    TabellenInhalt t;
    switch (bild) {
    case 13: t = tabelle13(daten); break;
    case 14: t = tabelle14(daten); break;
    case 15: t = tabelle15(daten); break;
    case 16: t = tabelle16(daten); break;
    case 17: t = tabelle17(daten, ergebnisse); break;
    case 18: t = tabelle18(ergebnisse); break;
    case 19: t = tabelle19(ergebnisse); break;
    default: throw std::out_of_range("table picture number");
    }
    t.bild = bild;
    return t;
}

} // namespace talur
