// Printing the output page on one landscape A4 sheet through the same picture routines as the screen.
#include "page/AusgabeSeite.h"
#include "page/SeitenFarben.h"
#include "page/SeitenLayout.h"
#include "platform/core/ErrorRunner.h"
#include "platform/core/Services.h"
#include "records/RunContext.h"

namespace talur {

using seite::vorhanden;

bool AusgabeSeite::DRUCKEN(const Druckauftrag& auftrag) { return drucken(auftrag, true); }

bool AusgabeSeite::druckblatt(const Druckauftrag& auftrag) { return drucken(auftrag, false); }

bool AusgabeSeite::drucken(const Druckauftrag& auftrag, bool bildschirmNeu) {
    auto pumpe = [] { eventPump().processEvents(); };
    bool beendet = false;
    ErrorRunner runner(QStringLiteral("Drucken von Seite 1"));
    const bool fertig = runner.run({
        [&] {
            DrawTarget& blatt = vorhanden(auftrag.ziel);
            if (auftrag.einrichten)
                auftrag.einrichten();
            blatt.setScaleMillimetres();
            m_drucker = &blatt;
        },
        [&] {
            if (m_HBOKF)
                RAHMEN(kDrucker);
        },
        [&] { pumpe(); },
        [&] {
            for (int nummer = 11; nummer <= 19; ++nummer) {
                const seite::Druckversatz versatz = seite::druckversatz(nummer);
                bild(nummer, kDrucker, static_cast<float>(versatz.x), static_cast<float>(versatz.y));
                pumpe();
            }
        },
        [&] {
            m_drucker = nullptr;
            if (auftrag.beenden)
                auftrag.beenden();
            beendet = true;
        },
        [&] {
            // The printing replaced the graphic and table objects; the screen gets its own again.
            if (!bildschirmNeu)
                return;
            for (int nummer = 11; nummer <= 19; ++nummer) {
                bild(nummer);
                pumpe();
            }
        },
    });
    m_drucker = nullptr;
    if (!fertig && !beendet && auftrag.abbrechen)
        auftrag.abbrechen();
    return fertig;
}

} // namespace talur
