// The page frame: header and footer of the output page through the header/footer object.
#include "page/AusgabeSeite.h"
#include "page/SeitenFarben.h"
#include "page/clsKOPFFUSS.h"
#include "platform/core/ErrorRunner.h"
#include "records/RunContext.h"

namespace talur {

using seite::vorhanden;

void AusgabeSeite::RAHMEN(int16_t ziel) {
    if (ziel == kDrucker) {
        zeichneRahmen(m_drucker, m_drucker, true);
        return;
    }
    zeichneRahmen(m_flaechen.seite, m_flaechen.rahmen ? m_flaechen.rahmen : m_flaechen.seite, false);
}

void AusgabeSeite::zeichneRahmen(DrawTarget* ziel, const DrawTarget* rahmen, bool drucker) {
    clsKOPFFUSS* kf = nullptr;
    const QDateTime jetzt = m_jetzt ? m_jetzt() : QDateTime::currentDateTime();
    ErrorRunner runner(QStringLiteral("Kopffusszeile"));
    runner.run({
        [&] {
            vorhanden(ziel);
            if (!drucker)
                ziel->clear();
            m_kopffuss = std::make_unique<clsKOPFFUSS>();
            kf = m_kopffuss.get();
        },
        [&] { vorhanden(kf).AUSGABEOBJEKT(vorhanden(rahmen), vorhanden(ziel)); },
        [&] {
            clsKOPFFUSS& k = vorhanden(kf);
            k.setBEARBEITER(m_kontext.BEARBEITER());
            k.setCOPYRIGHT(m_version.copyright);
            k.setEBOKFS(m_HBOKFS);
            k.setKENNZEICHNUNG(m_daten.KEN);
            k.setDATUM(jetzt.date());
            k.setKOMMENTAR(m_daten.KOM);
        },
        [&] {
            clsKOPFFUSS& k = vorhanden(kf);
            k.RANDABSTAND(QString(), 15.0f);
            if (!drucker) {
                k.RANDABSTAND(QStringLiteral("oben"), 7.5f);
                k.RANDABSTAND(QStringLiteral("unten"), 7.5f);
            }
        },
        [&] {
            clsKOPFFUSS& k = vorhanden(kf);
            k.setSEITE(1);
            k.setSEITENANZAHL(1);
        },
        [&] {
            clsKOPFFUSS& k = vorhanden(kf);
            k.setPROGRAMMIERER(m_version.programmierer);
            k.setPROJEKT(m_kontext.PROJEKT());
            k.setUEBERSCHRIFT(m_version.produktname);
            k.setUHRZEIT(jetzt.time());
        },
        [&] { vorhanden(kf).KOPFFUSSZEILE(); },
    });
}

} // namespace talur
