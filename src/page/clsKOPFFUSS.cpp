#include "page/clsKOPFFUSS.h"

#include "graphics/Markup.h"
#include "page/SeitenFarben.h"
#include "platform/core/ErrorRunner.h"
#include "platform/core/RunError.h"

#include <QLocale>
#include <algorithm>

namespace talur {

namespace {
constexpr double kStandardRandMm = 15.0;
} // namespace

clsKOPFFUSS::clsKOPFFUSS() = default;

void clsKOPFFUSS::AUSGABEOBJEKT(const DrawTarget& rahmen, DrawTarget& objekt) {
    m_rahmen = &rahmen;
    m_objekt = &objekt;
    // Measure the target in pixels and in millimetres without disturbing its own scale.
    const double left = objekt.scaleLeft();
    const double top = objekt.scaleTop();
    const double breite = objekt.scaleWidth();
    const double hoehe = objekt.scaleHeight();
    const double pixelBreite = objekt.pixelWidth();
    const double pixelHoehe = objekt.pixelHeight();
    objekt.setScaleMillimetres();
    const double mmBreite = objekt.scaleWidth();
    const double mmHoehe = objekt.scaleHeight();
    objekt.setScale(left, top, breite, hoehe);
    if (breite == 0.0 || hoehe == 0.0)
        throw RunError(err::InvalidPropertyValue, QStringLiteral("Ungültiger Eigenschaftswert"));
    m_mmProEinheitX = mmBreite / breite;
    m_mmProEinheitY = mmHoehe / hoehe;
    m_pixelProEinheitX = pixelBreite / breite;
    m_pixelProEinheitY = pixelHoehe / hoehe;
    m_rand[0] = kStandardRandMm / m_mmProEinheitY;
    m_rand[1] = kStandardRandMm / m_mmProEinheitY;
    m_rand[2] = kStandardRandMm / m_mmProEinheitX;
    m_rand[3] = kStandardRandMm / m_mmProEinheitX;
    SCHRIFTEINSTELLUNGEN(QString(), 0, false, false, false, 0);
}

void clsKOPFFUSS::RANDABSTAND(const QString& lage, float millimeter) {
    seite::vorhanden(m_objekt);
    const double vertikal = millimeter / m_mmProEinheitY;
    const double horizontal = millimeter / m_mmProEinheitX;
    if (lage == QLatin1String("oben")) {
        m_rand[0] = vertikal;
    } else if (lage == QLatin1String("unten")) {
        m_rand[1] = vertikal;
    } else if (lage == QLatin1String("links")) {
        m_rand[2] = horizontal;
    } else if (lage == QLatin1String("rechts")) {
        m_rand[3] = horizontal;
    } else {
        m_rand[0] = m_rand[1] = vertikal;
        m_rand[2] = m_rand[3] = horizontal;
    }
}

double clsKOPFFUSS::seitenBreite() const { return m_rahmen->twipsWidth() / 56.7 / m_mmProEinheitX; }

double clsKOPFFUSS::seitenHoehe() const { return m_rahmen->twipsHeight() / 56.7 / m_mmProEinheitY; }

double clsKOPFFUSS::W(const QString& text) const { return m_objekt->textWidth(text); }

double clsKOPFFUSS::H(const QString& text) const { return m_objekt->textHeight(text); }

QString clsKOPFFUSS::kennzeichenListe(double verfuegbar) const {
    if (m_kennzeichnung.isEmpty())
        return {};
    QString liste = m_kennzeichnung.first();
    try {
        for (qsizetype k = 1; k < m_kennzeichnung.size(); ++k) {
            const QString& kennzeichen = m_kennzeichnung.at(k);
            if (W(liste + kennzeichen + QLatin1Char(',')) > verfuegbar) {
                liste += QStringLiteral(", ...");
                break;
            }
            liste += QStringLiteral(", ") + kennzeichen;
        }
    } catch (const std::exception&) {
        liste += QStringLiteral(", ...");
    }
    return liste;
}

void clsKOPFFUSS::KOPFFUSSZEILE() {
    const double mT = m_rand[0], mB = m_rand[1], mL = m_rand[2], mR = m_rand[3];
    QString bezeichnung, liste, entwickler, bearbeiter;
    double verfuegbar = 0, T = 0, h = 0, x = 0, y = 0, yF = 0, g = 0, PW = 0, PH = 0;
    ErrorRunner runner(QStringLiteral("Kopffuß-Zeile"));
    runner.run({
        [&] {
            seite::vorhanden(m_objekt);
            PW = seitenBreite();
            PH = seitenHoehe();
            const bool mehrere = m_kennzeichnung.size() > 1;
            if (englisch())
                bezeichnung = mehrere ? QStringLiteral("Files") : QStringLiteral("File");
            else
                bezeichnung = mehrere ? QStringLiteral("Datensätze") : QStringLiteral("Datensatz");
        },
        [&] {
            FontSpec schrift = m_objekt->font();
            schrift.size = 10;
            m_objekt->setFont(schrift);
            verfuegbar = PW - mL - mR - W(bezeichnung);
        },
        [&] { liste = kennzeichenListe(verfuegbar); },
        [&] {
            SCHRIFTEINSTELLUNGEN(QStringLiteral("Arial"), 16, true, false, false, 0);
            TEXT(mL, mT, m_ueberschrift, 0, 0);
            T = H(m_ueberschrift);
        },
        [&] { SCHRIFTEINSTELLUNGEN(QStringLiteral("Arial"), 10, false, false, false, 0); },
        [&] {
            // The line height of the 10-point font, also when no identifier is shown.
            h = H(liste.isEmpty() ? bezeichnung : liste);
            if (!liste.isEmpty())
                TEXT(mL, mT + 9.0 / m_mmProEinheitY, bezeichnung + QLatin1Char(' ') + liste, 0, 0);
        },
        [&] {
            if (!m_kommentar.isEmpty())
                TEXT(mL, mT + 9.0 / m_mmProEinheitY + 1.5 * h, m_kommentar, 0, 0);
        },
        [&] {
            y = mT + T - h;
            const QString projekt = (englisch() ? QStringLiteral("Project ") : QStringLiteral("Projekt ")) + m_projekt;
            x = PW - W(projekt) - mR;
            TEXT(x, y, projekt, 0, 0);
        },
        [&] {
            const QString nummer = QString::number(m_seite) + QLatin1Char('/') + QString::number(m_seitenanzahl);
            x -= W(QString(15, QLatin1Char(' ')) + QStringLiteral("Seite ") + nummer);
            if (m_ebokfs)
                TEXT(x, y, (englisch() ? QStringLiteral("Page ") : QStringLiteral("Seite ")) + nummer, 0, 0);
        },
        [&] {
            SCHRIFTEINSTELLUNGEN(QStringLiteral("Arial"), 7, false, false, false, 0);
            FontSpec schrift = m_objekt->font();
            schrift.size = 7;
            m_objekt->setFont(schrift);
        },
        [&] {
            entwickler = (englisch() ? QStringLiteral("Program developed by ") : QStringLiteral("Programmentwicklung: ")) +
                         m_programmierer;
            x = PW - mR - std::max(W(entwickler), W(m_copyright));
        },
        [&] {
            yF = PH - mB;
            g = H(m_programmierer.isEmpty() ? entwickler : m_programmierer);
        },
        [&] {
            TEXT(x, yF, entwickler, 0, 2);
            TEXT(x, yF + g, m_copyright, 0, 2);
        },
        [&] {
            bearbeiter = (englisch() ? QStringLiteral("Project Manager: ") : QStringLiteral("Bearbeiter: ")) + m_bearbeiter;
            TEXT(mL, yF, bearbeiter, 0, 2);
        },
        [&] {
            const double xM = ((mL + W(bearbeiter)) + (PW - mR - W(m_copyright))) / 2.0;
            TEXT(xM, yF, QLocale().toString(m_datum, QLocale::ShortFormat), 1, 2);
            TEXT(xM, yF + g, m_uhrzeit.isValid() ? m_uhrzeit.toString(QStringLiteral("hh:mm")) : QString(), 1, 2);
        },
    });
}

void clsKOPFFUSS::SCHRIFTEINSTELLUNGEN(const QString& name, double groesse, bool fett, bool unterstrichen,
                                       bool kursiv, ColorRef farbe) {
    ErrorRunner runner(QStringLiteral("Schrifteinstellungen"), ErrorPrefix::GermanNoBlank);
    runner.run({[&] {
        FontSpec schrift = m_objekt->font();
        schrift.name = name.isEmpty() ? QStringLiteral("Arial") : name;
        schrift.size = groesse <= 0 ? 8.0 : groesse;
        schrift.bold = fett;
        schrift.weight = fett ? 700 : 400;
        schrift.underline = unterstrichen;
        schrift.italic = kursiv;
        m_objekt->setFont(schrift);
        m_objekt->setForeColor(farbe <= 0 ? 0 : farbe);
        m_schriften.build(schrift);
    }});
}

void clsKOPFFUSS::TEXT(double x, double y, const QString& text, int arx, int ary) {
    if (text.isEmpty() || !m_objekt)
        return;
    // The same markup as the pictures' labels, unrotated, at target coordinates.
    MarkupRenderer renderer(*m_objekt, m_schriften, QStringLiteral("Sub TEXT, Klassenmodul clsGRAFIK"));
    QString beschriftung = text;
    renderer.draw(beschriftung, x, y, 0, arx, ary);
}

} // namespace talur
