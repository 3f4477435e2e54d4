#include "platform/core/RunError.h"
#include "platform/grid/GridControl.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using talur::GridControl;
using talur::RunError;

namespace {

// A 5 x 3 grid with one fixed row and one fixed column, cells "r,c".
class GridFixture : public ::testing::Test {
protected:
    void SetUp() override {
        grid.resize(300, 200);
        grid.setRows(5);
        grid.setCols(3);
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 3; ++c)
                grid.setText(r, c, QStringLiteral("%1,%2").arg(r).arg(c));
    }
    GridControl grid;
};

int runErrorNumber(const std::function<void()>& body) {
    try {
        body();
    } catch (const RunError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(GridControl, StartsLikeTheClassicGrid) {
    GridControl grid;
    EXPECT_EQ(grid.rows(), 2);
    EXPECT_EQ(grid.cols(), 2);
    EXPECT_EQ(grid.fixedRows(), 1);
    EXPECT_EQ(grid.fixedCols(), 1);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.col(), 1);
    EXPECT_EQ(grid.index(), -1);
    EXPECT_EQ(grid.property("index").toInt(), -1);
    EXPECT_TRUE(grid.table()->horizontalHeader()->isHidden());
    EXPECT_TRUE(grid.table()->verticalHeader()->isHidden());
    EXPECT_EQ(grid.table()->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(GridFixture, FixedCellsAreHeaderStyledAndNotSelectable) {
    grid.setBackColorFixed(0x00C0C0C0);
    const QTableWidgetItem* fixedItem = grid.table()->item(0, 1);
    ASSERT_NE(fixedItem, nullptr);
    EXPECT_FALSE(fixedItem->flags() & Qt::ItemIsSelectable);
    EXPECT_EQ(fixedItem->background().color(), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_TRUE(grid.table()->item(2, 1)->flags() & Qt::ItemIsSelectable);

    // Raising the fixed rows turns data rows into header rows.
    grid.setFixedRows(2);
    EXPECT_FALSE(grid.table()->item(1, 2)->flags() & Qt::ItemIsSelectable);
    EXPECT_EQ(grid.text(1, 2), "1,2");
}

TEST_F(GridFixture, InvalidCellsAndSizesAreRefused) {
    struct Case {
        const char* what;
        std::function<void()> body;
        int number;
    } cases[] = {
        {"text below the grid", [&] { grid.text(5, 0); }, 380},
        {"text left of the grid", [&] { grid.setText(0, -1, "x"); }, 380},
        {"row out of range", [&] { grid.setRow(7); }, 380},
        {"fewer rows than fixed rows", [&] { grid.setRows(0); }, 380},
        {"more fixed columns than columns", [&] { grid.setFixedCols(4); }, 380},
        {"column width of a missing column", [&] { grid.setColWidth(3, 10); }, 380},
    };
    for (const auto& c : cases)
        EXPECT_EQ(runErrorNumber(c.body), c.number) << c.what;
}

TEST_F(GridFixture, GrowingKeepsCellsAndShrinkingClampsTheCurrentCell) {
    grid.setRow(4);
    grid.setRows(8);
    EXPECT_EQ(grid.text(4, 2), "4,2");
    EXPECT_EQ(grid.text(7, 2), "");
    ASSERT_NE(grid.table()->item(7, 0), nullptr) << "fixed-column cell of a new row is header-styled";
    grid.setRows(3);
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(grid.rowSel(), 2);
}

TEST_F(GridFixture, ClipTextOfTheSelectedBlock) {
    grid.setRow(1);
    grid.setCol(1);
    grid.setRowSel(2);
    grid.setColSel(2);
    EXPECT_EQ(grid.clip(), "1,1\t1,2\n2,1\t2,2");

    // Selection ends before the current cell: the block is the same.
    grid.setRow(2);
    grid.setCol(2);
    grid.setRowSel(1);
    grid.setColSel(1);
    EXPECT_EQ(grid.clip(), "1,1\t1,2\n2,1\t2,2");

    // Setting fills the block from its top-left cell and nothing outside it.
    grid.setClip("a\tb\tc\r\nd\te\r\nf");
    EXPECT_EQ(grid.text(1, 1), "a");
    EXPECT_EQ(grid.text(1, 2), "b");
    EXPECT_EQ(grid.text(2, 1), "d");
    EXPECT_EQ(grid.text(2, 2), "e");
    EXPECT_EQ(grid.text(3, 1), "3,1");
}

TEST_F(GridFixture, SettingRowOrColumnCollapsesTheSelection) {
    grid.setRowSel(3);
    grid.setColSel(2);
    grid.setRow(2);
    EXPECT_EQ(grid.rowSel(), 2);
    EXPECT_EQ(grid.colSel(), 2) << "the column end stays";
    grid.setCol(1);
    EXPECT_EQ(grid.clip(), "2,1");
}

TEST_F(GridFixture, AddAndRemoveRows) {
    grid.addItem("x\ty\tz", 2);
    ASSERT_EQ(grid.rows(), 6);
    EXPECT_EQ(grid.text(2, 1), "y");
    EXPECT_EQ(grid.text(3, 1), "2,1");
    grid.addItem();
    EXPECT_EQ(grid.rows(), 7);
    EXPECT_EQ(grid.text(6, 2), "");

    grid.removeItem(2);
    EXPECT_EQ(grid.text(2, 1), "2,1");
    EXPECT_EQ(grid.rows(), 6);

    grid.setRows(2);
    EXPECT_EQ(runErrorNumber([&] { grid.removeItem(1); }), 5) << "the last data row stays";
    EXPECT_EQ(grid.rows(), 2);
}

TEST_F(GridFixture, CellRectangleFollowsColumnWidthsAndRowHeights) {
    grid.show();
    grid.setColWidth(0, 40);
    grid.setColWidth(1, 70);
    grid.setRowHeight(0, 25);
    grid.setRowHeight(1, 20);
    grid.setRow(2);
    grid.setCol(2);
    EXPECT_EQ(grid.colWidth(1), 70);
    EXPECT_EQ(grid.cellWidth(), grid.colWidth(2));
    EXPECT_EQ(grid.cellHeight(), grid.rowHeight(2));
    const int left0 = grid.cellLeft() - 110;
    const int top0 = grid.cellTop() - 45;
    EXPECT_GE(left0, 0);
    EXPECT_LE(left0, 3) << "only the frame lies before column 0";
    EXPECT_EQ(left0, top0);
    EXPECT_EQ(grid.rowAt(grid.cellTop() + 1), 2);
    EXPECT_EQ(grid.colAt(grid.cellLeft() + 1), 2);
}

TEST_F(GridFixture, ColoursAlignmentEnabledAndPointer) {
    grid.setBackColor(0x000000FF);
    EXPECT_EQ(grid.backColor(), 0x000000FF);
    EXPECT_EQ(grid.table()->palette().color(QPalette::Disabled, QPalette::Base), QColor(Qt::red));
    grid.setForeColor(0x00FF0000);
    EXPECT_EQ(grid.table()->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::blue));

    grid.setColAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(grid.table()->item(3, 2)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
    grid.setFixedAlignment(2, Qt::AlignCenter);
    EXPECT_EQ(grid.table()->item(0, 2)->textAlignment(), int(Qt::AlignCenter));
    EXPECT_EQ(grid.table()->item(3, 2)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));

    QWidget parent;
    grid.setParent(&parent);
    parent.setEnabled(false);
    EXPECT_TRUE(grid.enabled()) << "a disabled parent does not change the grid's own state";
    grid.setEnabled(false);
    parent.setEnabled(true);
    EXPECT_FALSE(grid.enabled());
    grid.setParent(nullptr);

    grid.setMousePointer(GridControl::MousePointer::Hourglass);
    EXPECT_EQ(grid.cursor().shape(), Qt::WaitCursor);
    grid.setMousePointer(GridControl::MousePointer::Default);
    EXPECT_EQ(grid.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(GridFixture, KeysMoveTheCurrentCellAndReportCharacters) {
    grid.show();
    QSignalSpy pressed(&grid, &GridControl::keyPressed);
    QSignalSpy moved(&grid, &GridControl::rowColChanged);
    QTest::keyClick(grid.table(), Qt::Key_Down);
    EXPECT_EQ(grid.row(), 2);
    QTest::keyClick(grid.table(), Qt::Key_Up);
    QTest::keyClick(grid.table(), Qt::Key_Up); // stops at the first data row
    EXPECT_EQ(grid.row(), 1);
    QTest::keyClick(grid.table(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid.table(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.rowSel(), 2);
    EXPECT_EQ(grid.colSel(), 2);
    EXPECT_EQ(moved.count(), 2);

    QTest::keyClick(grid.table(), Qt::Key_7);
    QTest::keyClick(grid.table(), Qt::Key_Return);
    QTest::keyClick(grid.table(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(grid.table(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(pressed.count(), 4);
    EXPECT_EQ(pressed[0][0].toInt(), int('7'));
    EXPECT_EQ(pressed[1][0].toInt(), 13);
    EXPECT_EQ(pressed[2][0].toInt(), 3);
    EXPECT_EQ(pressed[3][0].toInt(), 22);
    EXPECT_EQ(grid.text(1, 1), "1,1") << "the grid itself never edits";
}

TEST_F(GridFixture, ClickSelectsADataCellAndIgnoresHeaders) {
    grid.show();
    QSignalSpy clicked(&grid, &GridControl::clicked);
    QSignalSpy down(&grid, &GridControl::mouseDown);
    QWidget* vp = grid.table()->viewport();
    const QPoint cell(grid.table()->columnViewportPosition(2) + 5, grid.table()->rowViewportPosition(3) + 5);
    QTest::mouseClick(vp, Qt::LeftButton, {}, cell);
    EXPECT_EQ(grid.row(), 3);
    EXPECT_EQ(grid.col(), 2);
    EXPECT_EQ(clicked.count(), 1);
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(grid.rowAt(down[0][3].toInt()), 3);

    const QPoint header(grid.table()->columnViewportPosition(1) + 5,
                        grid.table()->rowViewportPosition(0) + 5);
    QTest::mouseClick(vp, Qt::LeftButton, {}, header);
    EXPECT_EQ(grid.row(), 3) << "a fixed cell never becomes current";
    EXPECT_EQ(clicked.count(), 2);
}

TEST(GridControl, ScrollingKeepsTheFixedRowsInView) {
    GridControl grid;
    grid.resize(200, 120);
    grid.show();
    grid.setRows(40);
    grid.setText(0, 1, "Nr.");
    QSignalSpy scrolled(&grid, &GridControl::scrolled);
    grid.setRow(30); // moving the current cell does not scroll by itself
    EXPECT_EQ(grid.topRow(), 1);

    QTest::keyClick(grid.table(), Qt::Key_Down); // row 31: must come into view
    EXPECT_GT(grid.topRow(), 1);
    EXPECT_GE(scrolled.count(), 1);
    EXPECT_FALSE(grid.table()->isRowHidden(0)) << "the header row stays";
    EXPECT_TRUE(grid.table()->isRowHidden(1));
    const int top = grid.cellTop();
    EXPECT_GT(top, 0);
    EXPECT_LT(top + grid.cellHeight(), grid.height());

    grid.setTopRow(1);
    EXPECT_FALSE(grid.table()->isRowHidden(1));
    EXPECT_EQ(grid.table()->verticalScrollBar()->value(), 0);
}
