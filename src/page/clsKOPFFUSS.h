#pragma once
// Header and footer of an output page: title, record identifiers with their comment, project and page
// number at the top; person in charge, date and time, developers and legal notice at the bottom.
// One object is made per drawing: set the output object first, then texts and margins, then draw.
#include "graphics/FontSlots.h"
#include "platform/draw/DrawTarget.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <cstdint>

namespace talur {

class clsKOPFFUSS {
public:
    clsKOPFFUSS();

    // The frame gives the page extent (its size, converted into the target's units) for right-aligned
    // texts and the footer line; everything is drawn on and measured with the target. Both must
    // outlive the drawing. Resets the margins to 15 mm and the target font to Arial 8.
    void AUSGABEOBJEKT(const DrawTarget& rahmen, DrawTarget& objekt);

    QString UEBERSCHRIFT() const { return m_ueberschrift; }
    void setUEBERSCHRIFT(const QString& text) { m_ueberschrift = text; }
    void setKENNZEICHNUNG(const QString& kennzeichen) { m_kennzeichnung = QStringList{kennzeichen}; }
    void setKENNZEICHNUNG(const QStringList& kennzeichen) { m_kennzeichnung = kennzeichen; }
    QString KOMMENTAR() const { return m_kommentar; }
    void setKOMMENTAR(const QString& text) { m_kommentar = text; }
    QString PROJEKT() const { return m_projekt; }
    void setPROJEKT(const QString& text) { m_projekt = text; }
    int16_t SEITE() const { return m_seite; }
    void setSEITE(int16_t seite) { m_seite = seite; }
    int16_t SEITENANZAHL() const { return m_seitenanzahl; }
    void setSEITENANZAHL(int16_t anzahl) { m_seitenanzahl = anzahl; }
    bool EBOKFS() const { return m_ebokfs; }
    void setEBOKFS(bool zeigen) { m_ebokfs = zeigen; }
    QString BEARBEITER() const { return m_bearbeiter; }
    void setBEARBEITER(const QString& text) { m_bearbeiter = text; }
    QString PROGRAMMIERER() const { return m_programmierer; }
    void setPROGRAMMIERER(const QString& text) { m_programmierer = text; }
    QString COPYRIGHT() const { return m_copyright; }
    void setCOPYRIGHT(const QString& text) { m_copyright = text; }
    void setDATUM(const QDate& datum) { m_datum = datum; }
    void setUHRZEIT(const QTime& uhrzeit) { m_uhrzeit = uhrzeit; }
    int16_t SPRACHE() const { return m_sprache; }
    void setSPRACHE(int16_t sprache) { m_sprache = sprache; }

    // Margin named "oben", "unten", "links" or "rechts" (exact spelling); any other name sets all four.
    // Needs the output object, because margins are kept in the target's units.
    void RANDABSTAND(const QString& lage, float millimeter);

    void KOPFFUSSZEILE();

    // Margins in the target's units (top, bottom, left, right) and the conversion factors.
    double randOben() const { return m_rand[0]; }
    double randUnten() const { return m_rand[1]; }
    double randLinks() const { return m_rand[2]; }
    double randRechts() const { return m_rand[3]; }
    double mmProEinheitX() const { return m_mmProEinheitX; }
    double mmProEinheitY() const { return m_mmProEinheitY; }

    // The identifier line as step 3 builds it for an available width (target units): the list only,
    // without the label. Exposed for tests of the ", ..." cut.
    QString kennzeichenListe(double verfuegbar) const;

private:
    void SCHRIFTEINSTELLUNGEN(const QString& name, double groesse, bool fett, bool unterstrichen, bool kursiv,
                              ColorRef farbe);
    void TEXT(double x, double y, const QString& text, int arx, int ary);
    double W(const QString& text) const;
    double H(const QString& text) const;
    bool englisch() const { return m_sprache == 1; }
    double seitenBreite() const;
    double seitenHoehe() const;

    const DrawTarget* m_rahmen = nullptr;
    DrawTarget* m_objekt = nullptr;
    double m_mmProEinheitX = 1.0;
    double m_mmProEinheitY = 1.0;
    double m_pixelProEinheitX = 1.0;
    double m_pixelProEinheitY = 1.0;
    double m_rand[4] = {15.0, 15.0, 15.0, 15.0};
    FontSlots m_schriften;

    QString m_ueberschrift;
    QStringList m_kennzeichnung{QString()};
    QString m_kommentar;
    QString m_projekt = QStringLiteral("TE0000.00");
    int16_t m_seite = 1;
    int16_t m_seitenanzahl = 1;
    bool m_ebokfs = true;
    QString m_bearbeiter;
    QString m_programmierer;
    QString m_copyright;
    QDate m_datum;
    QTime m_uhrzeit;
    int16_t m_sprache = 3;
};

} // namespace talur
