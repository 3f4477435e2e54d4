// Grid columns to and from the selected rows, and the combo list fill.
#include "platform/grid/GridControl.h"
#include "records/clsDATEN.h"
#include "records/daten_support.h"

#include <QComboBox>

using namespace talur;
using talur::test::DatenFixture;

namespace {

// Record 7 with the stored preloading stresses (I1, SIV) = (1, 0.1), (2, 0.2) ... (7, 0.7).
class DatenGrid : public DatenFixture {
protected:
    void SetUp() override {
        DatenFixture::SetUp();
        addRecord(7, "A", true);
        resetStored();
        d = std::make_unique<clsDATEN>(context); // bound to record 7, the active one
        d->setETABELLE("E3");
        grid.setCols(2);
        grid.setFixedCols(0);
    }
    void resetStored() {
        context.cnnX.execute("DELETE FROM [E3]");
        for (int i = 1; i <= 7; ++i)
            context.cnnX.execute(
                QStringLiteral("INSERT INTO [E3] ([ID],[I1],[SIV]) VALUES (7,%1,%2)").arg(i).arg(i / 10.0));
        context.cnnX.execute("INSERT INTO [E3] ([ID],[I1],[SIV]) VALUES (8,1,9.5)"); // another record
    }
    // n data rows "1".."n" in column 0 and "n,5" in column 1.
    void fillGrid(int n) {
        grid.setRows(n + 1);
        for (int r = 1; r <= n; ++r) {
            grid.setText(r, 0, QString::number(r));
            grid.setText(r, 1, QStringLiteral("%1,5").arg(r));
        }
    }
    bool storeGrid() {
        return e3().DFTF("I1", grid, "0", {.SPI1 = "I1"}) && e3().DFTF("SIV", grid, "1", {.SPI1 = "I1"});
    }
    QStringList stored() { return rows("SELECT [I1],[SIV] FROM [E3] WHERE [ID]=7 ORDER BY [I1]"); }

    std::unique_ptr<clsDATEN> d;
    clsDATEN& e3() { return *d; }
    GridControl grid;
};

} // namespace

TEST_F(DatenGrid, WritingFewerOrMoreRowsThanStored) {
    const struct {
        int gridRows;
        QStringList expected;
    } cases[] = {
        {5, {"1|1,5", "2|2,5", "3|3,5", "4|4,5", "5|5,5"}},
        {9, {"1|1,5", "2|2,5", "3|3,5", "4|4,5", "5|5,5", "6|6,5", "7|7,5", "8|8,5", "9|9,5"}},
    };
    for (const auto& c : cases) {
        resetStored();
        fillGrid(c.gridRows);
        ASSERT_TRUE(storeGrid()) << c.gridRows;
        EXPECT_EQ(stored(), c.expected) << c.gridRows;
        EXPECT_EQ(rows("SELECT COUNT(*) FROM [E3] WHERE [ID]=8"), QStringList{"1"})
            << "other records untouched";

        // Read back into a fresh grid.
        GridControl back;
        back.setCols(2);
        back.setFixedCols(0);
        ASSERT_TRUE(e3().DTFFM("I1", back, "0", {.SPI1 = "I1"}));
        ASSERT_TRUE(e3().DTFFM("SIV", back, "1", {.SPI1 = "I1"}));
        ASSERT_EQ(back.rows(), c.gridRows + 1);
        for (int r = 1; r <= c.gridRows; ++r) {
            EXPECT_EQ(back.text(r, 0), grid.text(r, 0));
            EXPECT_EQ(back.text(r, 1), grid.text(r, 1));
        }
    }
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(DatenGrid, BlankCellsAreTrimmedAndStoredAsNull) {
    fillGrid(3);
    grid.setText(2, 1, "   ");
    grid.setText(3, 1, "  0,25 ");
    ASSERT_TRUE(storeGrid());
    EXPECT_EQ(stored(), (QStringList{"1|1,5", "2|<null>", "3|0,25"}));
}

TEST_F(DatenGrid, ADisabledGridStandsForARecordWithoutRows) {
    fillGrid(3);
    grid.setEnabled(false);
    ASSERT_TRUE(storeGrid());
    EXPECT_TRUE(stored().isEmpty());

    // Reading the empty selection disables the grid and paints it like the fixed cells; the rows stay.
    GridControl back;
    back.setRows(4);
    back.setBackColorFixed(0x00C0C0C0);
    ASSERT_TRUE(e3().DTFFM("SIV", back, "1", {.SPI1 = "I1"}));
    EXPECT_FALSE(back.enabled());
    EXPECT_EQ(back.backColor(), 0x00C0C0C0);
    EXPECT_EQ(back.rows(), 4);

    // A record with rows enables it again with the window colour, and a larger grid keeps its size.
    e3().setESPIDW(8);
    back.setRows(6);
    ASSERT_TRUE(e3().DTFFM("SIV", back, "1", {.SPI1 = "I1"}));
    EXPECT_TRUE(back.enabled());
    EXPECT_EQ(back.backColor(), GridControl::windowBackground());
    EXPECT_EQ(back.rows(), 6);
    EXPECT_EQ(back.text(1, 1), "9,5");
}

TEST_F(DatenGrid, NewRowsOfAGridWriteCarryTheirKeys) {
    e3().setESPIDW(20);
    fillGrid(2);
    ASSERT_TRUE(e3().DFTF("SIV", grid, "1", {.SPI1 = "I1", .SPI1W = Variant(int16_t(4))}));
    EXPECT_EQ(rows("SELECT [ID],[I1],[SIV] FROM [E3] WHERE [ID]=20"), (QStringList{"20|4|1,5", "20|4|2,5"}));
}

TEST_F(DatenGrid, ReadStartRowFollowsZnr) {
    const struct {
        int fixedRows;
        int16_t ZNR;
        int firstRow;
    } cases[] = {{1, 0, 1}, {2, 2, 2}, {1, 3, 4}};
    for (const auto& c : cases) {
        GridControl back;
        back.setRows(2);
        back.setFixedRows(c.fixedRows);
        ASSERT_TRUE(e3().DTFF("I1", back, "1", {.SPI1 = "I1"}, c.ZNR));
        EXPECT_EQ(back.rows(), c.firstRow + 7) << "ZNR " << c.ZNR;
        EXPECT_EQ(back.text(c.firstRow, 1), "1") << "ZNR " << c.ZNR;
        EXPECT_EQ(back.text(c.firstRow + 6, 1), "7") << "ZNR " << c.ZNR;
    }
}

TEST_F(DatenGrid, ComboListFillAppendsEveryValue) {
    QComboBox box;
    box.addItem("vorher");
    context.cnnX.execute("UPDATE [E3] SET [SIV]=NULL WHERE [ID]=7 AND [I1]=2");
    e3().setESPIDW(7);
    ASSERT_TRUE(e3().DTFMM("SIV", box, {.SPI1 = "I1", .SPI4 = "SIV"}));
    ASSERT_EQ(box.count(), 7);
    EXPECT_EQ(box.itemText(0), "vorher");
    EXPECT_EQ(box.itemText(1), "0,1");
    EXPECT_EQ(box.itemText(2), "0,3") << "NULL values are skipped";
}
