#pragma once
// The evaluation menu "&Auswerten": which of its items are enabled, "&Berechnen" (load and show the
// output page with the record's stored graphic settings) and "&Neuberechnen" (reset the record's
// evaluation state first, so the page writes the default settings of both diagrams again).
//
// The main window owns the menu, the progress bar, the command panels and the MDI area; it hands
// them in as the hooks below and applies the returned states.
#include <QList>
#include <cstdint>
#include <functional>
#include <optional>

namespace talur {

class RunContext;
class mdiSEITE1;

// Enabled states of the items of "&Auswerten".
struct AuswertenMenue {
    bool eingabegrafik = false;
    bool berechnen = false;
    bool mberechnen = false;
    bool fberechnen = false;
    bool neuberechnen = false;
    friend bool operator==(const AuswertenMenue&, const AuswertenMenue&) = default;
};

// The menu states for a number of current records and, with exactly one, its BONEU flag.
AuswertenMenue auswertenMenue(int aktiveDatensaetze, bool boneu);

struct AuswertungsUmgebung {
    std::function<void(bool)> fortschrittSichtbar; // progress bar of the start screen shown / hidden
    std::function<void(int)> fortschritt;          // its value 0 ... 100
    // Hourglass pointer on (true) and back to the default (false).
    std::function<void(bool)> beschaeftigt;
    // The main window kept from interfering while the page loads (true), released before it is shown.
    std::function<void(bool)> hauptfensterSperren;
    // A new output page, already placed in the MDI area with its hooks wired, not yet shown.
    std::function<mdiSEITE1*()> seiteErzeugen;
    std::function<void(mdiSEITE1&)> seiteZeigen;
    // Command panels to make visible and raised (10 ... 15).
    std::function<void(const QList<int>&)> befehlsfelderZeigen;
};

// What the main window applies after a command.
struct AuswertungsErgebnis {
    bool seiteGezeigt = false;
    bool geaendert = false;      // set the changed flag
    bool dateiMenueAus = false;  // disable "&Datei"
    mdiSEITE1* seite = nullptr;  // the page that was shown
};

class Auswertung {
public:
    Auswertung(RunContext& kontext, AuswertungsUmgebung umgebung);

    // Opening the menu: counts the current records; a single one without A1 row gets one with
    // BONEU true. Returns the states to apply.
    AuswertenMenue menueOeffnen();
    // "&Berechnen".
    AuswertungsErgebnis berechnen();
    // "&Neuberechnen".
    AuswertungsErgebnis neuberechnen();

    static const QList<int>& befehlsfelder(); // 10 ... 15

private:
    QString titel(const char* deutsch, const char* englisch) const;
    void seiteLadenUndZeigen(AuswertungsErgebnis& ergebnis);
    void pause();
    void fortschritt(int wert);
    void fortschrittSichtbar(bool sichtbar);
    void beschaeftigt(bool an);

    RunContext& m_kontext;
    AuswertungsUmgebung m_umgebung;
};

} // namespace talur
