#include "platform/grid/GridControl.h"

#include "platform/core/RunError.h"

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>

namespace talur {

namespace {

QColor toQColor(ColorRef c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

ColorRef toColorRef(const QColor& c) {
    return ColorRef(c.red() | (c.green() << 8) | (c.blue() << 16));
}

[[noreturn]] void invalidValue() {
    throw runError(err::InvalidPropertyValue);
}

constexpr Qt::Alignment kDefaultAlignment = Qt::AlignLeft | Qt::AlignVCenter;

} // namespace

GridControl::GridControl(QWidget* parent)
    : QWidget(parent), m_table(new QTableWidget(2, 2, this)), m_vbar(new QScrollBar(Qt::Vertical, this)),
      m_hbar(new QScrollBar(Qt::Horizontal, this)) {
    const QPalette pal = QApplication::palette();
    m_backColor = toColorRef(pal.color(QPalette::Base));
    m_backColorFixed = toColorRef(pal.color(QPalette::Button));
    m_foreColor = toColorRef(pal.color(QPalette::Text));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_table, 0, 0);
    layout->addWidget(m_vbar, 0, 1);
    layout->addWidget(m_hbar, 1, 0);

    m_table->horizontalHeader()->hide();
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setAutoScroll(false);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->installEventFilter(this);
    m_table->viewport()->installEventFilter(this);
    setFocusProxy(m_table);

    // Scrolling is ours: the table's own scroll position stays at the origin.
    for (QScrollBar* own : {m_table->verticalScrollBar(), m_table->horizontalScrollBar()})
        connect(own, &QScrollBar::valueChanged, own, [own](int v) {
            if (v != 0)
                own->setValue(0);
        });
    connect(m_vbar, &QScrollBar::valueChanged, this, [this](int v) { setTopRow(m_fixedRows + v); });
    connect(m_hbar, &QScrollBar::valueChanged, this, [this](int v) { setLeftCol(m_fixedCols + v); });

    m_colAlign.assign(2, kDefaultAlignment);
    m_fixedAlign.assign(2, kDefaultAlignment);
    setBackColor(m_backColor);
    setForeColor(m_foreColor);
    restyleAll();
    showSelection();
    updateScrollRanges();
}

GridControl::~GridControl() = default;

// --- size ---------------------------------------------------------------------------------------------

int GridControl::rows() const {
    return m_table->rowCount();
}
int GridControl::cols() const {
    return m_table->columnCount();
}

void GridControl::setRows(int rows) {
    if (rows < m_fixedRows)
        invalidValue();
    const int old = m_table->rowCount();
    m_table->setRowCount(rows);
    for (int r = old; r < rows; ++r)
        for (int c = 0; c < m_fixedCols && c < cols(); ++c)
            itemFor(r, c);
    m_row = std::min(m_row, std::max(0, rows - 1));
    m_rowSel = std::min(m_rowSel, std::max(0, rows - 1));
    m_topRow = std::clamp(m_topRow, m_fixedRows, std::max(m_fixedRows, rows - 1));
    applyScroll();
    updateScrollRanges();
    showSelection();
}

void GridControl::setCols(int cols) {
    if (cols < m_fixedCols)
        invalidValue();
    const int old = m_table->columnCount();
    m_table->setColumnCount(cols);
    m_colAlign.resize(cols, kDefaultAlignment);
    m_fixedAlign.resize(cols, kDefaultAlignment);
    for (int c = old; c < cols; ++c)
        for (int r = 0; r < m_fixedRows && r < rows(); ++r)
            itemFor(r, c);
    m_col = std::min(m_col, std::max(0, cols - 1));
    m_colSel = std::min(m_colSel, std::max(0, cols - 1));
    m_leftCol = std::clamp(m_leftCol, m_fixedCols, std::max(m_fixedCols, cols - 1));
    applyScroll();
    updateScrollRanges();
    showSelection();
}

void GridControl::setFixedRows(int fixedRows) {
    if (fixedRows < 0 || fixedRows > rows())
        invalidValue();
    m_fixedRows = fixedRows;
    m_topRow = std::clamp(m_topRow, m_fixedRows, std::max(m_fixedRows, rows() - 1));
    restyleAll();
    applyScroll();
    updateScrollRanges();
    showSelection();
}

void GridControl::setFixedCols(int fixedCols) {
    if (fixedCols < 0 || fixedCols > cols())
        invalidValue();
    m_fixedCols = fixedCols;
    m_leftCol = std::clamp(m_leftCol, m_fixedCols, std::max(m_fixedCols, cols() - 1));
    restyleAll();
    applyScroll();
    updateScrollRanges();
    showSelection();
}

// --- cells --------------------------------------------------------------------------------------------

void GridControl::checkCell(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col >= cols())
        invalidValue();
}

QString GridControl::text(int row, int col) const {
    checkCell(row, col);
    const QTableWidgetItem* item = m_table->item(row, col);
    return item ? item->text() : QString();
}

void GridControl::setText(int row, int col, const QString& text) {
    checkCell(row, col);
    itemFor(row, col)->setText(text);
}

QTableWidgetItem* GridControl::itemFor(int row, int col) {
    QTableWidgetItem* item = m_table->item(row, col);
    if (!item) {
        item = new QTableWidgetItem;
        styleItem(item, row, col);
        m_table->setItem(row, col, item);
    }
    return item;
}

void GridControl::styleItem(QTableWidgetItem* item, int row, int col) const {
    const bool fixed = row < m_fixedRows || col < m_fixedCols;
    const size_t c = size_t(col);
    if (fixed) {
        item->setFlags(Qt::ItemIsEnabled);
        item->setTextAlignment(c < m_fixedAlign.size() ? m_fixedAlign[c] : kDefaultAlignment);
        item->setBackground(toQColor(m_backColorFixed));
    } else {
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setTextAlignment(c < m_colAlign.size() ? m_colAlign[c] : kDefaultAlignment);
        item->setBackground(QBrush());
    }
}

void GridControl::restyleAll() {
    for (int r = 0; r < rows(); ++r)
        for (int c = 0; c < cols(); ++c) {
            if (r < m_fixedRows || c < m_fixedCols)
                itemFor(r, c);
            if (QTableWidgetItem* item = m_table->item(r, c))
                styleItem(item, r, c);
        }
}

// --- current cell and selection -----------------------------------------------------------------------

void GridControl::setRow(int row) {
    checkCell(row, 0);
    const bool changed = row != m_row;
    m_row = m_rowSel = row;
    showSelection();
    if (changed)
        emit rowColChanged();
}

void GridControl::setCol(int col) {
    checkCell(0, col);
    const bool changed = col != m_col;
    m_col = m_colSel = col;
    showSelection();
    if (changed)
        emit rowColChanged();
}

void GridControl::setRowSel(int row) {
    checkCell(row, 0);
    m_rowSel = row;
    showSelection();
}

void GridControl::setColSel(int col) {
    checkCell(0, col);
    m_colSel = col;
    showSelection();
}

void GridControl::showSelection() {
    QItemSelectionModel* model = m_table->selectionModel();
    if (rows() == 0 || cols() == 0) {
        model->clearSelection();
        return;
    }
    const int r1 = std::clamp(std::min(m_row, m_rowSel), 0, rows() - 1);
    const int r2 = std::clamp(std::max(m_row, m_rowSel), 0, rows() - 1);
    const int c1 = std::clamp(std::min(m_col, m_colSel), 0, cols() - 1);
    const int c2 = std::clamp(std::max(m_col, m_colSel), 0, cols() - 1);
    QAbstractItemModel* data = m_table->model();
    model->select(QItemSelection(data->index(r1, c1), data->index(r2, c2)),
                  QItemSelectionModel::ClearAndSelect);
    const int r = std::clamp(m_row, 0, rows() - 1);
    const int c = std::clamp(m_col, 0, cols() - 1);
    model->setCurrentIndex(data->index(r, c), QItemSelectionModel::NoUpdate);
}

void GridControl::moveCurrent(int row, int col, bool extend) {
    if (rows() <= m_fixedRows || cols() <= m_fixedCols)
        return;
    row = std::clamp(row, m_fixedRows, rows() - 1);
    col = std::clamp(col, m_fixedCols, cols() - 1);
    const bool changed = !extend && (row != m_row || col != m_col);
    if (extend) {
        m_rowSel = row;
        m_colSel = col;
    } else {
        m_row = m_rowSel = row;
        m_col = m_colSel = col;
    }
    // Bring the moved end into view.
    const int viewHeight = m_table->viewport()->height();
    if (row < m_topRow)
        setTopRow(row);
    while (row > m_topRow && m_table->rowViewportPosition(row) + m_table->rowHeight(row) > viewHeight)
        setTopRow(m_topRow + 1);
    const int viewWidth = m_table->viewport()->width();
    if (col < m_leftCol)
        setLeftCol(col);
    while (col > m_leftCol && m_table->columnViewportPosition(col) + m_table->columnWidth(col) > viewWidth)
        setLeftCol(m_leftCol + 1);
    showSelection();
    if (changed)
        emit rowColChanged();
}

// --- scrolling ----------------------------------------------------------------------------------------

void GridControl::setTopRow(int row) {
    row = std::clamp(row, m_fixedRows, std::max(m_fixedRows, rows() - 1));
    if (row == m_topRow)
        return;
    m_topRow = row;
    applyScroll();
    updateScrollRanges();
    emit scrolled();
}

void GridControl::setLeftCol(int col) {
    col = std::clamp(col, m_fixedCols, std::max(m_fixedCols, cols() - 1));
    if (col == m_leftCol)
        return;
    m_leftCol = col;
    applyScroll();
    updateScrollRanges();
    emit scrolled();
}

void GridControl::applyScroll() {
    for (int r = m_fixedRows; r < rows(); ++r) {
        const bool hide = r < m_topRow;
        if (m_table->isRowHidden(r) != hide)
            m_table->setRowHidden(r, hide);
    }
    for (int c = m_fixedCols; c < cols(); ++c) {
        const bool hide = c < m_leftCol;
        if (m_table->isColumnHidden(c) != hide)
            m_table->setColumnHidden(c, hide);
    }
}

void GridControl::updateScrollRanges() {
    const QHeaderView* vh = m_table->verticalHeader();
    const QHeaderView* hh = m_table->horizontalHeader();
    // How many trailing rows (columns) fit beside the fixed ones: scrolling further shows nothing new.
    int room = m_table->viewport()->height();
    for (int r = 0; r < m_fixedRows && r < rows(); ++r)
        room -= m_table->rowHeight(r);
    int fitRows = 0;
    for (int r = rows() - 1; r >= m_fixedRows; --r) {
        room -= m_table->isRowHidden(r) ? vh->defaultSectionSize() : m_table->rowHeight(r);
        if (room < 0)
            break;
        ++fitRows;
    }
    room = m_table->viewport()->width();
    for (int c = 0; c < m_fixedCols && c < cols(); ++c)
        room -= m_table->columnWidth(c);
    int fitCols = 0;
    for (int c = cols() - 1; c >= m_fixedCols; --c) {
        room -= m_table->isColumnHidden(c) ? hh->defaultSectionSize() : m_table->columnWidth(c);
        if (room < 0)
            break;
        ++fitCols;
    }
    const int maxV = std::max(0, rows() - m_fixedRows - fitRows);
    const int maxH = std::max(0, cols() - m_fixedCols - fitCols);
    const QSignalBlocker blockV(m_vbar);
    const QSignalBlocker blockH(m_hbar);
    m_vbar->setRange(0, std::max(maxV, m_topRow - m_fixedRows));
    m_vbar->setPageStep(std::max(1, fitRows));
    m_vbar->setValue(m_topRow - m_fixedRows);
    m_vbar->setVisible(m_vbar->maximum() > 0);
    m_hbar->setRange(0, std::max(maxH, m_leftCol - m_fixedCols));
    m_hbar->setPageStep(std::max(1, fitCols));
    m_hbar->setValue(m_leftCol - m_fixedCols);
    m_hbar->setVisible(m_hbar->maximum() > 0);
}

void GridControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateScrollRanges();
}

// --- geometry -----------------------------------------------------------------------------------------

int GridControl::cellLeft() const {
    return m_table->viewport()->mapTo(this, QPoint(m_table->columnViewportPosition(m_col), 0)).x();
}

int GridControl::cellTop() const {
    return m_table->viewport()->mapTo(this, QPoint(0, m_table->rowViewportPosition(m_row))).y();
}

int GridControl::cellWidth() const {
    return m_table->columnWidth(m_col);
}
int GridControl::cellHeight() const {
    return m_table->rowHeight(m_row);
}

int GridControl::rowAt(int y) const {
    return m_table->rowAt(m_table->viewport()->mapFrom(this, QPoint(0, y)).y());
}

int GridControl::colAt(int x) const {
    return m_table->columnAt(m_table->viewport()->mapFrom(this, QPoint(x, 0)).x());
}

int GridControl::colWidth(int col) const {
    checkCell(0, col);
    return m_table->horizontalHeader()->sectionSize(col);
}

void GridControl::setColWidth(int col, int width) {
    checkCell(0, col);
    m_table->setColumnWidth(col, std::max(0, width));
    updateScrollRanges();
}

int GridControl::rowHeight(int row) const {
    checkCell(row, 0);
    return m_table->verticalHeader()->sectionSize(row);
}

void GridControl::setRowHeight(int row, int height) {
    checkCell(row, 0);
    m_table->setRowHeight(row, std::max(0, height));
    updateScrollRanges();
}

Qt::Alignment GridControl::colAlignment(int col) const {
    checkCell(0, col);
    return m_colAlign[size_t(col)];
}

void GridControl::setColAlignment(int col, Qt::Alignment alignment) {
    checkCell(0, col);
    m_colAlign[size_t(col)] = alignment;
    for (int r = m_fixedRows; r < rows(); ++r)
        if (QTableWidgetItem* item = m_table->item(r, col))
            styleItem(item, r, col);
}

Qt::Alignment GridControl::fixedAlignment(int col) const {
    checkCell(0, col);
    return m_fixedAlign[size_t(col)];
}

void GridControl::setFixedAlignment(int col, Qt::Alignment alignment) {
    checkCell(0, col);
    m_fixedAlign[size_t(col)] = alignment;
    for (int r = 0; r < rows(); ++r)
        if (r < m_fixedRows || col < m_fixedCols)
            styleItem(itemFor(r, col), r, col);
}

// --- clip text, rows ----------------------------------------------------------------------------------

QString GridControl::clip() const {
    if (rows() == 0 || cols() == 0)
        return {};
    QStringList lines;
    for (int r = std::min(m_row, m_rowSel); r <= std::max(m_row, m_rowSel); ++r) {
        QStringList cells;
        for (int c = std::min(m_col, m_colSel); c <= std::max(m_col, m_colSel); ++c)
            cells << text(r, c);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

void GridControl::setClip(const QString& text) {
    if (rows() == 0 || cols() == 0)
        return;
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = normal.split(QLatin1Char('\n'));
    const int r1 = std::min(m_row, m_rowSel), r2 = std::max(m_row, m_rowSel);
    const int c1 = std::min(m_col, m_colSel), c2 = std::max(m_col, m_colSel);
    for (int i = 0; i < lines.size() && r1 + i <= r2; ++i) {
        const QStringList cells = lines[i].split(QLatin1Char('\t'));
        for (int j = 0; j < cells.size() && c1 + j <= c2; ++j)
            setText(r1 + i, c1 + j, cells[j]);
    }
}

void GridControl::addItem(const QString& item, int row) {
    if (row == -1)
        row = rows();
    if (row < 0 || row > rows())
        invalidValue();
    m_table->insertRow(row);
    const QStringList cells = item.split(QLatin1Char('\t'));
    for (int c = 0; c < cols(); ++c) {
        if (c < m_fixedCols || row < m_fixedRows)
            itemFor(row, c);
        if (c < cells.size() && !cells[c].isEmpty())
            setText(row, c, cells[c]);
    }
    if (row < m_fixedRows)
        restyleAll();
    applyScroll();
    updateScrollRanges();
    showSelection();
}

void GridControl::removeItem(int row) {
    checkCell(row, 0);
    if (row >= m_fixedRows && rows() - m_fixedRows <= 1)
        throw RunError(err::InvalidCall,
                       QStringLiteral("Die letzte nicht fixierte Zeile kann nicht entfernt werden"));
    m_table->removeRow(row);
    const int last = std::max(0, rows() - 1);
    m_row = std::min(m_row, last);
    m_rowSel = std::min(m_rowSel, last);
    m_topRow = std::clamp(m_topRow, m_fixedRows, std::max(m_fixedRows, last));
    if (row < m_fixedRows)
        restyleAll();
    applyScroll();
    updateScrollRanges();
    showSelection();
}

// --- state and colours --------------------------------------------------------------------------------

bool GridControl::enabled() const {
    return !testAttribute(Qt::WA_ForceDisabled);
}

void GridControl::setBackColor(ColorRef color) {
    m_backColor = color;
    QPalette pal = m_table->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::Base, toQColor(color));
    m_table->setPalette(pal);
}

void GridControl::setBackColorFixed(ColorRef color) {
    m_backColorFixed = color;
    restyleAll();
}

void GridControl::setForeColor(ColorRef color) {
    m_foreColor = color;
    QPalette pal = m_table->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        pal.setColor(group, QPalette::Text, toQColor(color));
    m_table->setPalette(pal);
}

ColorRef GridControl::windowBackground() {
    return toColorRef(QApplication::palette().color(QPalette::Base));
}

void GridControl::setMousePointer(MousePointer pointer) {
    m_pointer = pointer;
    if (pointer == MousePointer::Hourglass)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

} // namespace talur
