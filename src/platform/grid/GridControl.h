#pragma once
// The grid control: a read-only table whose fixed rows and columns are ordinary cells drawn like headers.
// Rows and columns are counted including the fixed ones; the fixed ones stay in view while the rest scrolls.
// Editing is not done here: the owner places its own editor over the current cell.
#include "platform/core/DialogService.h"

#include <QString>
#include <QWidget>
#include <vector>

class QTableWidget;
class QTableWidgetItem;
class QScrollBar;

namespace talur {

class GridControl : public QWidget {
    Q_OBJECT
    // Index in a control array; -1 when the grid is not part of one.
    Q_PROPERTY(int index READ index WRITE setIndex)

public:
    enum class MousePointer { Default, Hourglass };

    explicit GridControl(QWidget* parent = nullptr);
    ~GridControl() override;

    // Size, counted including the fixed rows and columns. Invalid values throw RunError 380.
    int rows() const;
    void setRows(int rows);
    int cols() const;
    void setCols(int cols);
    int fixedRows() const { return m_fixedRows; }
    void setFixedRows(int fixedRows);
    int fixedCols() const { return m_fixedCols; }
    void setFixedCols(int fixedCols);

    // Cell text; a cell outside the grid throws RunError 380.
    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    QString currentText() const { return text(m_row, m_col); }
    void setCurrentText(const QString& text) { setText(m_row, m_col, text); }

    // Current cell and selection end. Setting the current row or column also moves the selection end there.
    int row() const { return m_row; }
    void setRow(int row);
    int col() const { return m_col; }
    void setCol(int col);
    int rowSel() const { return m_rowSel; }
    void setRowSel(int row);
    int colSel() const { return m_colSel; }
    void setColSel(int col);

    // First scrollable row and column in view.
    int topRow() const { return m_topRow; }
    void setTopRow(int row);
    int leftCol() const { return m_leftCol; }
    void setLeftCol(int col);

    // Rectangle of the current cell in pixels, relative to this widget.
    int cellLeft() const;
    int cellTop() const;
    int cellWidth() const;
    int cellHeight() const;
    // The cell under a point of this widget; -1 where there is none.
    int rowAt(int y) const;
    int colAt(int x) const;

    // Column widths and row heights in pixels.
    int colWidth(int col) const;
    void setColWidth(int col, int width);
    int rowHeight(int row) const;
    void setRowHeight(int row, int height);

    // Alignment of the data cells and of the fixed cells of a column.
    Qt::Alignment colAlignment(int col) const;
    void setColAlignment(int col, Qt::Alignment alignment);
    Qt::Alignment fixedAlignment(int col) const;
    void setFixedAlignment(int col, Qt::Alignment alignment);

    // The selected block as text: tab between cells, line break between rows. Setting it fills the
    // selected block from its top-left cell; line breaks may be "\n", "\r\n" or "\r".
    QString clip() const;
    void setClip(const QString& text);

    // Inserts a row before `row` (appends with -1), cells filled from the tab-separated item text.
    void addItem(const QString& item = {}, int row = -1);
    // Removes a row; the last scrollable row cannot be removed (RunError 5).
    void removeItem(int row);

    // The grid's own enabled state, whatever its parents' state is.
    bool enabled() const;

    ColorRef backColor() const { return m_backColor; }
    void setBackColor(ColorRef color);
    ColorRef backColorFixed() const { return m_backColorFixed; }
    void setBackColorFixed(ColorRef color);
    ColorRef foreColor() const { return m_foreColor; }
    void setForeColor(ColorRef color);
    // The system colour of window backgrounds.
    static ColorRef windowBackground();

    MousePointer mousePointer() const { return m_pointer; }
    void setMousePointer(MousePointer pointer);

    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }

    // The table itself, for tests and for placing an editor.
    QTableWidget* table() const { return m_table; }

signals:
    void clicked();
    void doubleClicked();
    // Mouse position in pixels relative to this widget.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    // A key press that produces a character: its code (13 Enter, 8 Backspace, 27 Escape, 3 Ctrl+C, 22
    // Ctrl+V).
    void keyPressed(int charCode);
    void scrolled();
    // The current cell changed (by the user or by the program).
    void rowColChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTableWidgetItem* itemFor(int row, int col);
    void styleItem(QTableWidgetItem* item, int row, int col) const;
    void restyleAll();
    void checkCell(int row, int col) const;
    void showSelection();
    void updateScrollRanges();
    void applyScroll();
    void moveCurrent(int row, int col, bool extend);
    bool handleKey(class QKeyEvent* event);
    bool handleMouse(QEvent* event);

    QTableWidget* m_table = nullptr;
    QScrollBar* m_vbar = nullptr;
    QScrollBar* m_hbar = nullptr;
    int m_fixedRows = 1;
    int m_fixedCols = 1;
    int m_row = 1;
    int m_col = 1;
    int m_rowSel = 1;
    int m_colSel = 1;
    int m_topRow = 1;
    int m_leftCol = 1;
    bool m_dragging = false;
    std::vector<Qt::Alignment> m_colAlign;
    std::vector<Qt::Alignment> m_fixedAlign;
    ColorRef m_backColor;
    ColorRef m_backColorFixed;
    ColorRef m_foreColor;
    MousePointer m_pointer = MousePointer::Default;
    int m_index = -1;
};

} // namespace talur
