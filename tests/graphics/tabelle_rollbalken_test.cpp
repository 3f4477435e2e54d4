// The window of body rows that the scroll bar selects, on the picture box and on the printer.
#include "tabelle_fixture.h"

#include "graphics/TabelleLayout.h"

#include <QScrollBar>
#include <QWidget>
#include <cmath>

namespace talur::test {
namespace {

class TabelleRollbalken : public TabelleFixture {
protected:
    void SetUp() override {
        TabelleFixture::SetUp();
        balken = new QScrollBar(Qt::Vertical, &bild);
        balken->setRange(0, 10000); // as the first drawing leaves it
        balken->hide();
        tab.setEYBALKEN(balken);
        tab.setELSB({15, 15});
        tab.setELGIT({1});
    }

    // Head of two rows, then a body of `rows` rows "r0" ... in column 0; only the body is recorded.
    void rumpf(clsTABELLE& t, int rows) {
        t.TABELLE(kopf(2), 0);
        clsTABELLE::Inhalt body(2);
        body[0] = zeilen(rows);
        body[1] = std::vector<Variant>(size_t(rows));
        target.reset();
        t.TABELLE(body, 1);
    }

    QStringList rumpfTexte(const RecordingTarget& t) const {
        QStringList out;
        for (const Primitive& p : t.texts())
            out << p.text;
        return out;
    }

    static QStringList erwartet(int first, int last) {
        QStringList out;
        for (int i = first; i <= last; ++i)
            out << QStringLiteral("r%1").arg(i);
        return out;
    }

    bool sichtbar() const { return balken->isVisibleTo(&bild); }

    QWidget bild;
    QScrollBar* balken = nullptr;
};

TEST_F(TabelleRollbalken, BodyThatFitsExactlyHidesTheBarAndDrawsAllRows) {
    balken->show();
    rumpf(tab, 4); // the fourth row ends at 22 + 3 * 4.5 = 35.5 = 36.5 - 1
    EXPECT_FALSE(sichtbar());
    EXPECT_EQ(tab.EEZ(), 0);
    EXPECT_EQ(tab.ELZ(), 3);
    EXPECT_EQ(rumpfTexte(target), erwartet(0, 3));
    EXPECT_DOUBLE_EQ(tab.hoeheRumpf(), 3 + 3 * 4.5 + 3);
}

TEST_F(TabelleRollbalken, OneRowMoreShowsTheBarBesideTheBody) {
    rumpf(tab, 5);
    ASSERT_TRUE(sichtbar());
    EXPECT_EQ(balken->minimum(), 0);
    EXPECT_EQ(balken->maximum(), 10000);
    EXPECT_EQ(balken->pageStep(), 2000);
    EXPECT_EQ(balken->singleStep(), 300);
    // top 7 + 10.5 + 0.5 = 18, left 2.5 + 30 + 1.5 = 34, 5 wide, down to 36.5 - 1
    const double px = target.pixelWidth() / target.scaleWidth();
    const double py = target.pixelHeight() / target.scaleHeight();
    EXPECT_EQ(balken->geometry(), QRect(int(std::lround(34 * px)), int(std::lround(18 * py)),
                                        int(std::lround(5 * px)), int(std::lround(17.5 * py))));
    EXPECT_EQ(tab.EEZ(), 0);
    EXPECT_EQ(tab.ELZ(), 3);
}

TEST_F(TabelleRollbalken, ScrollValueSelectsTheWindowOfRows) {
    struct Case {
        int value;
        int first; // (value / 10000 rounded to 3 decimals) * (10 - 3 - 1), rounded to even
    };
    const Case cases[] = {{0, 0}, {10000, 6}, {5000, 3}, {2500, 2}, {4166, 3}, {8333, 5}, {300, 0}};
    for (const Case& c : cases) {
        balken->setValue(c.value);
        rumpf(tab, 10);
        EXPECT_TRUE(sichtbar());
        EXPECT_EQ(balken->value(), c.value) << "drawing must not move the bar";
        EXPECT_EQ(tab.EEZ(), c.first) << "value " << c.value;
        EXPECT_EQ(tab.ELZ(), c.first + 3) << "value " << c.value;
        EXPECT_EQ(rumpfTexte(target), erwartet(c.first, c.first + 3)) << "value " << c.value;
    }
}

TEST_F(TabelleRollbalken, DrawnRowsStartBelowTheHeadWhateverTheWindow) {
    balken->setValue(10000);
    rumpf(tab, 10);
    const Primitive* r6 = text(QStringLiteral("r6"));
    ASSERT_TRUE(r6);
    EXPECT_NEAR(r6->y1, 22 - 1 - kTabTextH, 1e-6);
}

TEST_F(TabelleRollbalken, PrinterShowsTheRowsOfTheScreen) {
    balken->setValue(10000);
    rumpf(tab, 10);
    ASSERT_TRUE(sichtbar());

    RecordingTarget drucker(297, 210);
    drucker.setKind(TargetKind::Printer);
    clsTABELLE druck;
    druck.setEOBJEKT(&drucker);
    druck.setEXDL(40);
    druck.setEYDO(120);
    druck.setERO(7);
    druck.setERU(1);
    druck.setEZA(1.5f);
    druck.setEZH(2.5f); // the printer's text is a little smaller: it still shows the rows of the screen
    druck.setELSB({15, 15});
    druck.setEYBALKEN(balken);
    clsTABELLE::Inhalt body(2);
    body[0] = zeilen(10);
    druck.TABELLE(kopf(2), 0);
    drucker.reset();
    druck.TABELLE(body, 1);
    EXPECT_EQ(druck.EEZ(), 6);
    EXPECT_EQ(druck.ELZ(), 9);
    EXPECT_EQ(rumpfTexte(drucker), erwartet(6, 9));

    balken->hide(); // no bar on the screen: the printer shows every row
    drucker.reset();
    druck.TABELLE(body, 1);
    EXPECT_EQ(druck.EEZ(), 0);
    EXPECT_EQ(druck.ELZ(), 9);
}

TEST_F(TabelleRollbalken, PrinterWithABarThatNoTableHasPlacedShowsAllRows) {
    balken->show();
    RecordingTarget drucker(297, 210);
    drucker.setKind(TargetKind::Printer);
    clsTABELLE druck;
    druck.setEOBJEKT(&drucker);
    druck.setELSB(15.0f);
    druck.setEYBALKEN(balken);
    druck.TABELLE(inhalt({{Variant("k")}}), 0);
    clsTABELLE::Inhalt body(1);
    body[0] = zeilen(30);
    druck.TABELLE(body, 1);
    EXPECT_EQ(druck.EEZ(), 0);
    EXPECT_EQ(druck.ELZ(), 29);
}

TEST_F(TabelleRollbalken, OtherTargetsIgnoreTheBar) {
    target.setKind(TargetKind::Other);
    rumpf(tab, 10);
    EXPECT_FALSE(sichtbar());
    EXPECT_EQ(tab.EEZ(), 0);
    EXPECT_EQ(tab.ELZ(), 9);
    EXPECT_EQ(rumpfTexte(target).size(), 10);
}

TEST(TabelleLayout, RowCountingAndWindows) {
    EXPECT_EQ(tabelle::lastFittingRow(22, 4.5, 35.5, 4), 3);
    EXPECT_EQ(tabelle::lastFittingRow(22, 4.5, 35.4, 4), 2);
    EXPECT_EQ(tabelle::lastFittingRow(22, 4.5, 21.9, 4), -1);
    // Not even one row fits: the window still shows one row instead of none.
    const auto w = tabelle::scrolledWindow(1.0, -1, 5);
    EXPECT_EQ(w.first, 4);
    EXPECT_EQ(w.last, 4);
    EXPECT_EQ(tabelle::scrolledWindow(0.0, 3, 10).last, 3);
}

} // namespace
} // namespace talur::test
