// The two tables of the sample sheet, each in a picture area of its own.
#include "graphics/clsTABELLE.h"
#include "graphics/sheet/Musterblatt.h"
#include "graphics/sheet/Teilbild.h"

#include <QScrollBar>
#include <cmath>

namespace talur::sheet {

namespace {

using Inhalt = clsTABELLE::Inhalt;

void rahmen(DrawTarget& target, double left, double top, double width, double height) {
    const ColorRef vorher = target.foreColor();
    target.setForeColor(0xC0C0C0);
    target.box(left, top, left + width, top + height);
    target.setForeColor(vorher);
}

void grundeinstellungen(clsTABELLE& t) {
    t.setERO(7);
    t.setERU(1);
    t.setERZ(1.5f);
    t.setEZA(1.5f);
    t.LINIENEINSTELLUNGEN(0, 0, 0);
    t.SCHRIFTEINSTELLUNGEN(QString(), 0, 0, 0, 0, 0);
}

void titel(clsTABELLE& t, const QString& text) {
    t.SCHRIFTEINSTELLUNGEN(QString(), 9, -1, 0, 0, 0);
    t.TITEL(text);
    t.SCHRIFTEINSTELLUNGEN(QString(), 0, 0, 0, 0, 0);
}

// The scroll bar is a widget beside the picture; on the sheet it is drawn where the table placed it.
void balkenZeichnen(DrawTarget& bild, const QScrollBar& balken) {
    if (balken.isHidden())
        return;
    const double mm = bild.scaleWidth() / bild.pixelWidth();
    const QRect r = balken.geometry();
    const double left = r.left() * mm;
    const double top = r.top() * mm;
    const double width = r.width() * mm;
    const double height = r.height() * mm;
    bild.filledBox(left, top, left + width, top + height, 0xF0F0F0);
    bild.box(left, top, left + width, top + height, 0x808080);
    const double span = balken.maximum() - balken.minimum();
    const double anteil = span > 0 ? (balken.value() - balken.minimum()) / span : 0.0;
    const double daumen = std::max(4.0, height * 0.25);
    const double y = top + anteil * (height - daumen);
    bild.filledBox(left + 0.6, y + 0.6, left + width - 0.6, y + daumen - 0.6, 0xA0A0A0);
}

// Coulomb parameters per preloading stress: more rows than fit, scrolled half-way.
void coulombTabelle(DrawTarget& target, QScrollBar& balken) {
    const double left = 10, top = 128, width = 80, height = 72;
    rahmen(target, left, top, width, height);
    Teilbild bild(target, left, top, width, height, QStringLiteral("picTABELLE1"));

    clsTABELLE t;
    t.setEOBJEKT(&bild);
    t.setEYBALKEN(&balken);
    grundeinstellungen(t);
    t.setELSB({15, 15, 15});
    t.setELGIT({1, 1});
    t.setELA({1, 1, 1});
    t.setELFORMAT({QStringLiteral("#0.00"), QStringLiteral("#0.00"), QStringLiteral("#0.00")});
    const Inhalt kopf = {{Variant("{g,1}s{t,1}v"), Variant("[MN/m²]")},
                         {Variant("c'"), Variant("[kN/m²]")},
                         {Variant("{g,1}f'"), Variant("[°]")}};
    Inhalt rumpf(3);
    for (int k = 0; k < 14; ++k) {
        const double sigma = 0.25 * (k + 1);
        rumpf[0].emplace_back(sigma);
        rumpf[1].emplace_back(8.0 + 12.0 * std::sqrt(sigma));
        rumpf[2].emplace_back(33.0 - 1.5 * std::log(1.0 + sigma));
    }
    t.TABELLE(kopf, 0);
    t.TABELLE(rumpf, 1);
    titel(t, QStringLiteral("Coulombsche Scherparameter"));
    if (bild.kind() == TargetKind::PictureBox) // a printed page has no scroll bar
        balkenZeichnen(bild, balken);
}

// Spanned head cells, decimal points, symbols and the statistics of three columns in a foot.
void grenzenTabelle(DrawTarget& target) {
    const double left = 97, top = 128, width = 190, height = 72;
    rahmen(target, left, top, width, height);
    Teilbild bild(target, left, top, width, height, QStringLiteral("picTABELLE2"));
    clsTABELLE t;
    t.setEOBJEKT(&bild);
    grundeinstellungen(t);
    t.setELSB({12, 22, 22, 20, 16});
    t.setELGIT({2, 1, 2, 1});
    t.setELGITLEER({0, 1, 0, 0});
    t.setELA({1, 3, 3, 2, 1});
    t.setELFORMAT({QString(), QStringLiteral("#0.000"), QStringLiteral("#0.0"), QStringLiteral("#0.000"),
                   QStringLiteral("SYMBOL")});
    t.setELMW({0, 1, 1, 1, 0});
    const Inhalt kopf = {{Variant("Nr."), Variant("")},
                         {Variant("Spannungsgrenzen"), Variant("{g,1}s{t,1}1 [MN/m²]")},
                         {Variant(""), Variant("{g,1}s{t,1}2 [kN/m²]")},
                         {Variant("e{t,1}0"), Variant("[-]")},
                         {Variant("Zeichen"), Variant("")}};
    Inhalt rumpf(5);
    const double s1[] = {0.05, 0.125, 1.5, 12.25, 0.8};
    const double s2[] = {150, 87.5, 1250, 33.3, 410};
    const double e0[] = {0.652, 0.71, 0.598, 0.8125, 0.7};
    for (int r = 0; r < 5; ++r) {
        rumpf[0].emplace_back(QString::number(r + 1));
        rumpf[1].emplace_back(s1[r]);
        rumpf[2].emplace_back(s2[r]);
        rumpf[3].emplace_back(e0[r]);
        rumpf[4].emplace_back(int16_t(r + 2));
    }
    Inhalt fuss = {{Variant("MW"), Variant("s"), Variant("V")}, {}, {}, {}, {}};
    for (int c = 1; c < 4; ++c)
        fuss[size_t(c)] = {Variant(), Variant(), Variant()};
    t.TABELLE(kopf, 0);
    t.TABELLE(rumpf, 1);
    t.TABELLE(fuss, 2);
    titel(t, QStringLiteral("Spannungsgrenzen und Porenzahlen"));
    t.FUSSNOTE(QStringLiteral("MW Mittelwert, s Standardabweichung, V Variationskoeffizient"));
}

} // namespace

void zeichneTabellen(DrawTarget& target, QScrollBar& balken) {
    coulombTabelle(target, balken);
    grenzenTabelle(target);
}

} // namespace talur::sheet
