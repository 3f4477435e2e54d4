#include "page/AusgabeSeite.h"

#include "graphics/clsGRAFIK.h"
#include "graphics/clsTABELLE.h"
#include "page/SeitenLayout.h"
#include "page/clsKOPFFUSS.h"
#include "platform/core/ErrorRunner.h"
#include "platform/core/RunError.h"
#include "platform/core/Services.h"
#include "records/RunContext.h"
#include "records/clsDATEN.h"

namespace talur {

AusgabeSeite::AusgabeSeite(RunContext& kontext, SeitenFlaechen flaechen)
    : m_kontext(kontext), m_flaechen(flaechen), m_jetzt([] { return QDateTime::currentDateTime(); }) {}

AusgabeSeite::~AusgabeSeite() = default;

void AusgabeSeite::weiter(int fortschritt) {
    if (m_fortschritt)
        m_fortschritt(fortschritt);
}

DrawTarget* AusgabeSeite::bildschirm(int feld) const {
    return feld >= 0 && feld < static_cast<int>(m_flaechen.bilder.size()) ? m_flaechen.bilder[feld] : nullptr;
}

DrawTarget* AusgabeSeite::zielFuer(int16_t ziel, int feld) const {
    return ziel == kDrucker ? m_drucker : bildschirm(feld);
}

clsGRAFIK* AusgabeSeite::grafik(int bild) const {
    return bild == 11 ? m_grafik11.get() : bild == 12 ? m_grafik12.get() : nullptr;
}

clsTABELLE* AusgabeSeite::tabellenObjekt(int bild) const {
    return bild >= 13 && bild <= 19 ? m_tabellen[bild - 13].get() : nullptr;
}

TabellenErgebnisse AusgabeSeite::tabellenErgebnisse() const {
    TabellenErgebnisse e;
    e.SI1 = m_SI1;
    e.SI2 = m_SI2;
    e.E = m_mohr.E;
    e.R = m_mohr.R;
    e.zweige = m_mohr.branchLines;
    return e;
}

CompressionInput AusgabeSeite::kompressionsEingabe(float SIMAX) const {
    CompressionInput in;
    in.A1 = m_daten.A1;
    in.C1S = m_daten.C1S;
    in.C1 = m_daten.C1;
    in.A2 = m_daten.A2;
    in.C2S = m_daten.C2S;
    in.C2 = m_daten.C2;
    in.SIBK = m_daten.SIBK;
    in.SI0 = m_daten.SI0;
    in.E0 = m_daten.E0;
    in.SIA = m_daten.SIA;
    in.SIMAX = SIMAX;
    in.N = m_daten.N;
    return in;
}

MohrInput AusgabeSeite::mohrEingabe() const {
    MohrInput in;
    in.A = m_daten.A;
    in.B = m_daten.B;
    in.C = m_daten.C;
    in.AR = m_daten.AR;
    in.CR = m_daten.CR;
    in.SIBS = m_daten.SIBS;
    in.EBS = m_daten.EBS;
    in.SI1 = m_SI1;
    in.SI2 = m_SI2;
    return in;
}

void AusgabeSeite::datenLesen(std::optional<int32_t> datensatz) {
    auto binden = [&](std::unique_ptr<clsDATEN>& objekt, const char* tabelle) {
        objekt = std::make_unique<clsDATEN>(m_kontext);
        objekt->setETABELLE(QString::fromLatin1(tabelle));
        if (datensatz)
            objekt->setESPIDW(*datensatz);
    };
    binden(m_e1, "E1");
    binden(m_e2, "E2");
    binden(m_e3, "E3");
    binden(m_a1, "A1");
    binden(m_g0, "G0");

    SeitenDaten d;
    m_e1->DTVL(QStringLiteral("ID"), d.ID);
    m_e1->DTVT(QStringLiteral("KEN"), d.KEN);
    m_e1->DTVT(QStringLiteral("KOM"), d.KOM);
    m_a1->DTVB(QStringLiteral("BONEU"), d.BONEU);
    struct Spalte {
        const char* name;
        float SeitenDaten::*wert;
    };
    static const Spalte vorN[] = {{"A1", &SeitenDaten::A1},     {"C1S", &SeitenDaten::C1S}, {"C1", &SeitenDaten::C1},
                                  {"A2", &SeitenDaten::A2},     {"C2S", &SeitenDaten::C2S}, {"C2", &SeitenDaten::C2},
                                  {"SIBK", &SeitenDaten::SIBK}, {"A", &SeitenDaten::A},     {"B", &SeitenDaten::B},
                                  {"C", &SeitenDaten::C},       {"AR", &SeitenDaten::AR},   {"CR", &SeitenDaten::CR},
                                  {"SIBS", &SeitenDaten::SIBS}, {"EBS", &SeitenDaten::EBS}, {"SIA", &SeitenDaten::SIA}};
    for (const Spalte& s : vorN)
        m_e2->DTVS(QString::fromLatin1(s.name), d.*(s.wert));
    m_e2->DTVI(QStringLiteral("N"), d.N);
    m_e2->DTVS(QStringLiteral("SI0"), d.SI0);
    m_e2->DTVS(QStringLiteral("E0"), d.E0);

    // The rows in the order of their index column, whatever the index values are.
    int16_t kleinster = 0, groesster = 0, anzahl = 0;
    GridSelection index;
    index.SPI1 = QStringLiteral("I1");
    m_e3->INDEX(kleinster, groesster, anzahl, index);
    d.e3Zeilen = anzahl;
    d.SIV.assign(static_cast<size_t>(std::max<int>(1, anzahl)), 0.0f);
    if (anzahl > 0) {
        Selection reihenfolge;
        reihenfolge.SPI1 = QStringLiteral("I1");
        m_e3->DTVSF(QStringLiteral("SIV"), d.SIV, reihenfolge);
    }
    m_daten = d;
    m_BONEU = d.BONEU || m_boneuErzwingen;
}

void AusgabeSeite::laden(std::optional<int32_t> datensatz) {
    auto pumpe = [] { eventPump().processEvents(); };
    ErrorRunner runner(QStringLiteral("Seite 1"));
    runner.run({
        [&] {
            m_HBOKF = true;
            m_HBOKFS = true;
            weiter(5);
        },
        [&] { datenLesen(datensatz); },
        [&] {
            RAHMEN(kBildschirm);
            pumpe();
            weiter(20);
        },
        [&] {
            BILD11();
            pumpe();
            weiter(50);
        },
        [&] {
            BILD12();
            pumpe();
            weiter(65);
        },
        [&] {
            BILD13();
            pumpe();
            BILD14();
            pumpe();
            weiter(70);
        },
        [&] {
            BILD15();
            pumpe();
            BILD16();
            pumpe();
            weiter(80);
        },
        [&] {
            BILD17();
            pumpe();
            weiter(90);
        },
        [&] {
            BILD18();
            pumpe();
            BILD19();
            pumpe();
            weiter(100);
        },
        // Later redraws keep the graphic settings stored now; A1 is left to the evaluation command.
        [&] { m_BONEU = false; },
    });
    m_geladen = true;
}

void AusgabeSeite::bild(int nummer, int16_t ziel, float EXDL, float EYDO) {
    switch (nummer) {
    case 11: BILD11(ziel, EXDL, EYDO); break;
    case 12: BILD12(ziel, EXDL, EYDO); break;
    default: tabelle(nummer, ziel, EXDL, EYDO); break;
    }
}

void AusgabeSeite::freigeben() {
    m_geladen = false;
    m_fortschritt = nullptr;
    m_e1.reset();
    m_e2.reset();
    m_e3.reset();
    m_a1.reset();
    m_g0.reset();
    m_kopffuss.reset();
    m_grafik11.reset();
    m_grafik12.reset();
    for (auto& tabelle : m_tabellen)
        tabelle.reset();
}

void AusgabeSeite::KONTEXT(bool HBOKF, bool HBOKFS) {
    m_HBOKF = HBOKF;
    m_HBOKFS = HBOKFS;
    if (m_flaechen.seite)
        m_flaechen.seite->clear();
    if (m_HBOKF)
        RAHMEN(kBildschirm);
    for (int nummer = 11; nummer <= 19; ++nummer) {
        bild(nummer);
        if (nummer < 19)
            eventPump().processEvents();
    }
}

} // namespace talur
