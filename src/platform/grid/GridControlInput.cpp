// The grid control's keyboard and mouse handling: navigation and selection are the grid's own, everything
// else is handed on as signals for the owner's editor.
#include "platform/grid/GridControl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableWidget>
#include <QWheelEvent>
#include <algorithm>

namespace talur {

bool GridControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table && event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent*>(event));
    if (watched == m_table->viewport())
        return handleMouse(event);
    return QWidget::eventFilter(watched, event);
}

bool GridControl::handleKey(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return false; // focus moves on to the next control
    emit keyDown(key, event->modifiers());
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const int page = std::max(1, m_vbar->pageStep());
    const int r = extend ? m_rowSel : m_row;
    const int c = extend ? m_colSel : m_col;
    switch (key) {
    case Qt::Key_Up:
        moveCurrent(r - 1, c, extend);
        return true;
    case Qt::Key_Down:
        moveCurrent(r + 1, c, extend);
        return true;
    case Qt::Key_Left:
        moveCurrent(r, c - 1, extend);
        return true;
    case Qt::Key_Right:
        moveCurrent(r, c + 1, extend);
        return true;
    case Qt::Key_PageUp:
        moveCurrent(r - page, c, extend);
        return true;
    case Qt::Key_PageDown:
        moveCurrent(r + page, c, extend);
        return true;
    case Qt::Key_Home:
        moveCurrent(r, m_fixedCols, extend);
        return true;
    case Qt::Key_End:
        moveCurrent(r, cols() - 1, extend);
        return true;
    default:
        break;
    }
    int code = 0;
    if ((event->modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        code = key - Qt::Key_A + 1;
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        code = 13;
    else if (key == Qt::Key_Backspace)
        code = 8;
    else if (key == Qt::Key_Escape)
        code = 27;
    else if (!event->text().isEmpty() && event->text().at(0).isPrint())
        code = event->text().at(0).unicode();
    if (code != 0)
        emit keyPressed(code);
    return true;
}

bool GridControl::handleMouse(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        const QPoint p = m_table->viewport()->mapTo(this, e->position().toPoint());
        if (e->button() == Qt::LeftButton) {
            const int r = m_table->rowAt(e->position().toPoint().y());
            const int c = m_table->columnAt(e->position().toPoint().x());
            if (r >= m_fixedRows && c >= m_fixedCols) {
                moveCurrent(r, c, e->modifiers() & Qt::ShiftModifier);
                m_dragging = true;
            }
        }
        m_table->setFocus(Qt::MouseFocusReason);
        emit mouseDown(e->button(), e->modifiers(), p.x(), p.y());
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (m_dragging && (e->buttons() & Qt::LeftButton)) {
            const int r = m_table->rowAt(e->position().toPoint().y());
            const int c = m_table->columnAt(e->position().toPoint().x());
            if (r >= 0 && c >= 0)
                moveCurrent(r, c, true);
        }
        const QPoint p = m_table->viewport()->mapTo(this, e->position().toPoint());
        emit mouseMoved(e->buttons(), e->modifiers(), p.x(), p.y());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        m_dragging = false;
        const QPoint p = m_table->viewport()->mapTo(this, e->position().toPoint());
        emit mouseUp(e->button(), e->modifiers(), p.x(), p.y());
        emit clicked();
        return true;
    }
    case QEvent::MouseButtonDblClick:
        emit doubleClicked();
        return true;
    case QEvent::Wheel: {
        auto* e = static_cast<QWheelEvent*>(event);
        const int steps = e->angleDelta().y() / 40; // three rows per notch
        setTopRow(m_topRow - steps);
        return true;
    }
    default:
        return false;
    }
}

} // namespace talur
