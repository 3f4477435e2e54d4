#include "page/Auswertung.h"

#include "page/SeitenFarben.h"
#include "page/clsBERECHNEN.h"
#include "page/mdiSEITE1.h"
#include "platform/core/Database.h"
#include "platform/core/ErrorRunner.h"
#include "platform/core/Services.h"
#include "records/RunContext.h"

namespace talur {

namespace {

constexpr int kNachSeitePauseMs = 1500;

// Undoes a hook's "on" state when the routine leaves, also by an exception.
class Zuruecksetzen {
public:
    explicit Zuruecksetzen(std::function<void()> aktion) : m_aktion(std::move(aktion)) {}
    ~Zuruecksetzen() {
        if (m_aktion)
            m_aktion();
    }
    Zuruecksetzen(const Zuruecksetzen&) = delete;
    Zuruecksetzen& operator=(const Zuruecksetzen&) = delete;

private:
    std::function<void()> m_aktion;
};

QString a1Abfrage(int32_t id) {
    return QStringLiteral("SELECT [ID],[BONEU] FROM [A1] WHERE [ID]=") + QString::number(id);
}

} // namespace

AuswertenMenue auswertenMenue(int aktiveDatensaetze, bool boneu) {
    AuswertenMenue menue; // "&Eingabegrafik", "&MBerechnen" and "&FBerechnen" stay disabled
    if (aktiveDatensaetze == 1) {
        menue.berechnen = !boneu;
        menue.neuberechnen = true;
    }
    return menue;
}

Auswertung::Auswertung(RunContext& kontext, AuswertungsUmgebung umgebung)
    : m_kontext(kontext), m_umgebung(std::move(umgebung)) {}

const QList<int>& Auswertung::befehlsfelder() {
    static const QList<int> felder{10, 11, 12, 13, 14, 15};
    return felder;
}

QString Auswertung::titel(const char* deutsch, const char* englisch) const {
    return QString::fromUtf8(m_kontext.SPRACHE() == 1 ? englisch : deutsch);
}

void Auswertung::fortschritt(int wert) {
    if (m_umgebung.fortschritt)
        m_umgebung.fortschritt(wert);
}

void Auswertung::fortschrittSichtbar(bool sichtbar) {
    if (m_umgebung.fortschrittSichtbar)
        m_umgebung.fortschrittSichtbar(sichtbar);
}

void Auswertung::beschaeftigt(bool an) {
    if (m_umgebung.beschaeftigt)
        m_umgebung.beschaeftigt(an);
}

void Auswertung::pause() {
    fortschritt(100);
    eventPump().processEvents();
    clock().sleep(kNachSeitePauseMs);
    fortschrittSichtbar(false);
    fortschritt(0);
}

AuswertenMenue Auswertung::menueOeffnen() {
    int anzahl = 0;
    int32_t id = 0;
    bool boneu = false;
    beschaeftigt(true);
    Zuruecksetzen zeiger([this] { beschaeftigt(false); });
    ErrorRunner runner(titel("&Auswerten", "&Evaluate"), ErrorPrefix::English);
    runner.run({
        [&] {
            Recordset aktive;
            aktive.open(QStringLiteral("SELECT [ID],[KEN] FROM [E1] WHERE [AKT]=true"), m_kontext.cnnX);
            if (!aktive.eof()) {
                aktive.moveLast();
                anzahl = aktive.recordCount();
            }
            if (anzahl == 1) {
                aktive.moveFirst();
                id = aktive.value(QStringLiteral("ID")).toInt32();
            }
            aktive.close();
        },
        [&] {
            if (anzahl != 1)
                return;
            Recordset a1;
            a1.open(a1Abfrage(id), m_kontext.cnnX);
            if (a1.eof()) {
                a1.addNew();
                a1.setValue(QStringLiteral("ID"), Variant(id));
                a1.setValue(QStringLiteral("BONEU"), Variant(true));
                a1.update();
            }
            boneu = a1.value(QStringLiteral("BONEU")).toBool();
            a1.close();
        },
    });
    return auswertenMenue(anzahl, boneu);
}

void Auswertung::seiteLadenUndZeigen(AuswertungsErgebnis& ergebnis) {
    mdiSEITE1* seite = &seite::vorhanden(m_umgebung.seiteErzeugen ? m_umgebung.seiteErzeugen() : nullptr);
    // The page advances the start screen's progress bar while it loads.
    if (m_umgebung.fortschritt)
        seite->seite().setFortschritt(m_umgebung.fortschritt);
    if (m_umgebung.hauptfensterSperren)
        m_umgebung.hauptfensterSperren(true);
    {
        Zuruecksetzen freigeben([this] {
            if (m_umgebung.hauptfensterSperren)
                m_umgebung.hauptfensterSperren(false);
        });
        seite->laden();
        eventPump().processEvents();
    }
    if (m_umgebung.seiteZeigen)
        m_umgebung.seiteZeigen(*seite);
    ergebnis.seite = seite;
    ergebnis.seiteGezeigt = true;
}

AuswertungsErgebnis Auswertung::berechnen() {
    AuswertungsErgebnis ergebnis;
    Zuruecksetzen zeiger([this] { beschaeftigt(false); });
    const QString menuTitel = titel("&Berechnen", "&Calculate");
    ErrorRunner runner(menuTitel, ErrorPrefix::English);
    runner.run({
        [&] {
            beschaeftigt(true);
            fortschrittSichtbar(true);
            eventPump().processEvents();
        },
        [&] { seiteLadenUndZeigen(ergebnis); },
        [&] {
            if (m_umgebung.befehlsfelderZeigen)
                m_umgebung.befehlsfelderZeigen(befehlsfelder());
        },
        [&] { pause(); },
        [&] {
            ergebnis.geaendert = true;
            ergebnis.dateiMenueAus = true;
        },
    });
    if (runner.failed() && !ergebnis.seiteGezeigt) {
        fortschrittSichtbar(false);
        fortschritt(0);
    }
    return ergebnis;
}

AuswertungsErgebnis Auswertung::neuberechnen() {
    AuswertungsErgebnis ergebnis;
    bool weiter = true;
    int32_t id = 0;
    Recordset a1;
    Zuruecksetzen zeiger([this] { beschaeftigt(false); });
    const QString menuTitel = titel("&Neuberechnen", "Calculate &First");
    ErrorRunner runner(menuTitel, ErrorPrefix::English);
    auto nurWennWeiter = [&](std::function<void()> schritt) {
        return [&weiter, schritt = std::move(schritt)] {
            if (weiter)
                schritt();
        };
    };
    runner.run({
        [&] { fortschrittSichtbar(true); },
        [&] {
            Recordset e1;
            e1.open(QStringLiteral("SELECT [ID],[KEN] FROM [E1] WHERE [AKT]=true ORDER BY [KEN]"), m_kontext.cnnX);
            // Without a current record there is nothing to reset; going on would create an A1 row for
            // key 0.
            weiter = !e1.eof();
            if (weiter)
                id = e1.value(QStringLiteral("ID")).toInt32();
            e1.close();
        },
        nurWennWeiter([&] {
            // A fresh row: BONEU true and no display options.
            a1.open(a1Abfrage(id), m_kontext.cnnX);
            while (!a1.eof()) {
                a1.deleteCurrent();
                a1.moveNext();
            }
            a1.addNew();
            a1.setValue(QStringLiteral("ID"), Variant(id));
            a1.setValue(QStringLiteral("BONEU"), Variant(true));
            a1.update();
        }),
        nurWennWeiter([&] {
            eventPump().processEvents();
            beschaeftigt(true);
        }),
        nurWennWeiter([&] {
            clsBERECHNEN berechnung(m_kontext, m_umgebung.fortschritt);
            weiter = berechnung.BERECHNUNG();
        }),
        nurWennWeiter([&] {
            eventPump().processEvents();
            seiteLadenUndZeigen(ergebnis);
            eventPump().processEvents();
        }),
        nurWennWeiter([&] {
            if (m_umgebung.befehlsfelderZeigen)
                m_umgebung.befehlsfelderZeigen(befehlsfelder());
        }),
        nurWennWeiter([&] {
            if (!a1.isOpen())
                return;
            a1.setValue(QStringLiteral("BONEU"), Variant(false));
            a1.update();
            a1.close();
        }),
        nurWennWeiter([&] { pause(); }),
        nurWennWeiter([&] {
            ergebnis.geaendert = true;
            ergebnis.dateiMenueAus = true;
        }),
    });
    if (!weiter || (runner.failed() && !ergebnis.seiteGezeigt)) {
        fortschrittSichtbar(false);
        fortschritt(0);
    }
    return ergebnis;
}

} // namespace talur
