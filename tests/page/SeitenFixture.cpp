#include "page/SeitenFixture.h"

#include "page/SeitenLayout.h"
#include "platform/core/Database.h"
#include "platform/core/Variant.h"
#include "platform/core/SystemInfo.h"
#include "records/DbSchema.h"

#include <QLocale>
#include <cmath>

namespace talur::test {

namespace {

QString zahl(double v) { return QString::number(v, 'g', 9); }

} // namespace

Aufzeichnungen::Aufzeichnungen() {
    seite.setKind(TargetKind::PictureBox);
    seite.setName(QStringLiteral("mdiSEITE1"));
    static const char* const namen[] = {"picBILD11", "picBILD12", "picBILD13", "picBILD14", "picBILD15"};
    for (size_t i = 0; i < bilder.size(); ++i) {
        const seite::BildRechteck& feld = seite::bildfelder()[i];
        bilder[i] = std::make_unique<RecordingTarget>(feld.widthMm(), feld.heightMm());
        bilder[i]->setKind(TargetKind::PictureBox);
        bilder[i]->setName(QString::fromLatin1(namen[i]));
    }
    const seite::BildRechteck& feld15 = seite::bildfelder()[4];
    halter.resize(static_cast<int>(feld15.widthMm() * 96 / 25.4), static_cast<int>(feld15.heightMm() * 96 / 25.4));
    balken = new QScrollBar(Qt::Vertical, &halter);
    balken->hide();
}

SeitenFlaechen Aufzeichnungen::flaechen() {
    SeitenFlaechen f;
    f.seite = &seite;
    f.rahmen = &seite;
    for (size_t i = 0; i < bilder.size(); ++i)
        f.bilder[i] = bilder[i].get();
    f.vscBILD15 = balken;
    return f;
}

void SeitenTest::SetUp() {
    const QString pfad = m_ordner.file(QStringLiteral("TALUR.db"));
    DbSchema::create(pfad, DbKind::Project);
    m_kontext.cnnX.open(pfad);
    m_kontext.setProject(m_ordner.path(), QStringLiteral("TE0000.00"), QStringLiteral("Dr. Weber"));
    m_kontext.setLanguage(3, QStringLiteral(","));
    regionalSettings().decimalSeparator = QLatin1Char(',');
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void SeitenTest::TearDown() {
    m_kontext.cnnX.close();
    QLocale::setDefault(QLocale::c());
}

void SeitenTest::ausfuehren(const QString& sql) { m_kontext.cnnX.execute(sql); }

int32_t SeitenTest::anlegen(const Datensatz& d) {
    const int32_t id = m_naechsteId++;
    const QString sid = QString::number(id);
    ausfuehren(QStringLiteral("INSERT INTO E1 (ID, KEN, KOM, AKT) VALUES (%1, %2, %3, %4)")
                   .arg(sid, sqlLiteral(d.KEN), d.KOM.isEmpty() ? QStringLiteral("NULL") : sqlLiteral(d.KOM),
                        d.aktiv ? QStringLiteral("1") : QStringLiteral("0")));
    ausfuehren(QStringLiteral("INSERT INTO E2 (ID, A1, C1S, C1, A2, C2S, C2, SIBK, SI0, E0, SIA, SIMAX, N, A, B, C, "
                              "AR, CR, SIBS, EBS, SI1, SI2) VALUES (") +
               QStringList{sid,         zahl(d.A1),   zahl(d.C1S), zahl(d.C1),  zahl(d.A2),   zahl(d.C2S),
                           zahl(d.C2),  zahl(d.SIBK), zahl(d.SI0), zahl(d.E0),  zahl(d.SIA),  zahl(d.SIMAX),
                           QString::number(d.N), zahl(d.A), zahl(d.B), zahl(d.C), zahl(d.AR), zahl(d.CR),
                           zahl(d.SIBS), zahl(d.EBS), zahl(d.SI1), zahl(d.SI2)}
                   .join(QStringLiteral(", ")) +
               QStringLiteral(")"));
    for (size_t i = 0; i < d.SIV.size(); ++i)
        ausfuehren(QStringLiteral("INSERT INTO E3 (ID, I1, SIV) VALUES (%1, %2, %3)")
                       .arg(sid, QString::number(i + 1), zahl(d.SIV[i])));
    if (d.a1)
        a1Setzen(id, *d.a1);
    return id;
}

void SeitenTest::a1Setzen(int32_t id, const A1Zeile& zeile) {
    ausfuehren(QStringLiteral("DELETE FROM A1 WHERE ID=%1").arg(id));
    auto optional = [](std::optional<int16_t> v) { return v ? QString::number(*v) : QStringLiteral("NULL"); };
    ausfuehren(QStringLiteral("INSERT INTO A1 (ID, BONEU, EPSE, GER) VALUES (%1, %2, %3, %4)")
                   .arg(QString::number(id), zeile.BONEU ? QStringLiteral("1") : QStringLiteral("0"),
                        optional(zeile.EPSE), optional(zeile.GER)));
}

std::optional<double> SeitenTest::wert(const QString& sql) {
    Recordset rs;
    rs.open(sql, m_kontext.cnnX);
    std::optional<double> ergebnis;
    if (!rs.eof() && !rs.isNull(0))
        ergebnis = rs.value(0).toDouble();
    rs.close();
    return ergebnis;
}

std::optional<double> SeitenTest::g0(int32_t id, int bild, const char* spalte) {
    return wert(QStringLiteral("SELECT [%1] FROM G0 WHERE ID=%2 AND IDOBJEKT=%3")
                    .arg(QString::fromLatin1(spalte))
                    .arg(id)
                    .arg(bild));
}

QStringList SeitenTest::meldungen() const {
    QStringList texte;
    for (const DialogRecord& r : m_dialoge.transcript())
        texte << r.title + QStringLiteral(": ") + r.text;
    return texte;
}

QStringList gezeigteTexte(const RecordingTarget& ziel) {
    QStringList texte;
    double erwartetX = 0, erwartetY = 0, winkel = 0;
    bool offen = false;
    for (const Primitive& p : ziel.texts()) {
        const double a = p.angle * M_PI / 180.0;
        // A segment continues the previous one when it starts where that one ended along the writing
        // direction; raised and lowered segments are shifted across it by less than a line.
        const double dx = p.x1 - erwartetX, dy = p.y1 - erwartetY;
        const double entlang = dx * std::cos(a) - dy * std::sin(a);
        const double quer = dx * std::sin(a) + dy * std::cos(a);
        const bool folgt = offen && p.angle == winkel && std::abs(entlang) < 0.05 &&
                           std::abs(quer) < RecordingTarget::textHeightFor(p.font);
        if (folgt)
            texte.last() += p.shown;
        else
            texte << p.shown;
        const double breite = RecordingTarget::textWidthFor(p.font, p.text);
        erwartetX = p.x1 + breite * std::cos(a);
        erwartetY = p.y1 - breite * std::sin(a);
        winkel = p.angle;
        offen = true;
    }
    return texte;
}

QList<Primitive> linienInFarbe(const RecordingTarget& ziel, ColorRef farbe) {
    QList<Primitive> linien;
    for (const Primitive& p : ziel.lines())
        if (p.color == farbe)
            linien << p;
    return linien;
}

QList<Primitive> seitDemLoeschen(const RecordingTarget& ziel) {
    const QList<Primitive>& alle = ziel.primitives();
    qsizetype start = 0;
    for (qsizetype i = 0; i < alle.size(); ++i)
        if (alle[i].kind == Primitive::Kind::Clear)
            start = i + 1;
    return alle.mid(start);
}

} // namespace talur::test
