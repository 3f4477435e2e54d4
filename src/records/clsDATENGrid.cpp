// Record data access: a grid column to and from the selected rows, and the combo list fill.
// The grid's enabled state carries whether the record has rows: a read without rows disables the grid, and
// a write through a disabled grid deletes the selected rows.
#include "records/clsDATEN.h"

#include "platform/core/DialogService.h"
#include "platform/core/Services.h"
#include "platform/grid/GridControl.h"
#include "records/DatenControls.h"
#include "records/DatenSteps.h"

#include <QComboBox>

namespace talur {

namespace {

const QString kTitle = QStringLiteral("Datenfehler");

} // namespace

QString clsDATEN::gridFailureText(const QString& SPV, const QString& SPNR, const GridControl& grid,
                                  const RunError& e, bool writing) const {
    const int index = controlIndex(grid);
    return QStringLiteral("Werte der Spalte ") + SPV + QStringLiteral(" der Tabelle ") + m_keys.ETABELLE +
           QStringLiteral(" können nicht in die Spalte ") + SPNR + kLineBreak +
           QStringLiteral("der FlexGrid-Tabelle ") + (index >= 0 ? QString::number(index) : QString()) +
           (writing ? QStringLiteral(" geschrieben werden!") : QStringLiteral(" eingelesen werden!")) +
           kLineBreak + vbErrorText(e);
}

bool clsDATEN::DFTF(const QString& SPV, GridControl& msgFLX, const QString& SPNR, const GridSelection& sel) {
    DatenSteps steps(kTitle, [&](const RunError& e) { return gridFailureText(SPV, SPNR, msgFLX, e, true); });
    const bool enabled = msgFLX.enabled();
    const Selection full = sel.full();
    std::vector<Variant> v;
    // A grid that could not be read ends the write whatever the answer: going on with part of the values
    // would delete the stored rows beyond them.
    if (enabled && (!steps.run([&] {
            const int column = Variant(SPNR).toInt16();
            // Only a disabled grid stands for no rows; an enabled one without data rows was not read.
            if (msgFLX.rows() <= msgFLX.fixedRows())
                throw runError(err::SubscriptOutOfRange);
            for (int r = msgFLX.fixedRows(); r < msgFLX.rows(); ++r)
                v.push_back(Variant(msgFLX.text(r, column).trimmed()));
        }) || steps.failed()))
        return false;

    Recordset rs;
    if (!steps.run([&] { rs = DT(SPV, full); }))
        return false;
    if (!rs.isOpen())
        return true;
    bool appending = rs.eof();
    if (!appending)
        rs.moveFirst();
    for (const Variant& value : v) {
        bool rowFailed = false;
        const bool goOn = steps.run([&] {
            rowFailed = true;
            if (appending)
                rs.addNew();
            rs.setValue(SPV, value.toText().isEmpty() ? Variant::null() : value);
            setRowKeys(rs, full);
            rs.update();
            rowFailed = false;
        });
        if (!goOn)
            return false;
        if (rowFailed && appending)
            catchRunError([&] { rs.deleteCurrent(); }); // drops the failed new row, deletes nothing
        if (!appending && !steps.run([&] {
                rs.moveNext();
                appending = rs.eof();
            }))
            return false;
        eventPump().processEvents();
    }
    if (!appending && !steps.run([&] {
            while (!rs.eof()) {
                rs.deleteCurrent();
                rs.moveNext();
            }
        }))
        return false;
    rs.close();
    return true;
}

bool clsDATEN::DFTFM(const QString& SPV, GridControl& msgFLX, const QString& SPNR, const GridSelection& sel) {
    return DFTF(SPV, msgFLX, SPNR, sel);
}

bool clsDATEN::DTFF(const QString& SPV, GridControl& msgFLX, const QString& SPNR, const GridSelection& sel,
                    int16_t ZNR) {
    DatenSteps steps(kTitle, [&](const RunError& e) { return gridFailureText(SPV, SPNR, msgFLX, e, false); });
    Recordset rs;
    if (!steps.run([&] { rs = DT(SPV, sel.full()); }))
        return false;
    if (!rs.isOpen())
        return true;
    if (rs.eof()) {
        msgFLX.setBackColor(msgFLX.backColorFixed());
        msgFLX.setEnabled(false);
        return true;
    }
    msgFLX.setBackColor(GridControl::windowBackground());
    msgFLX.setEnabled(true);
    int column = 0;
    // A ZNR above the fixed rows starts the rows at ZNR + 1; otherwise they start at the first data row.
    int r = ZNR > msgFLX.fixedRows() ? ZNR + 1 : msgFLX.fixedRows();
    if (!steps.run([&] {
            column = Variant(SPNR).toInt16();
            if (msgFLX.rows() < r + rs.recordCount())
                msgFLX.setRows(r + rs.recordCount());
        }))
        return false;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        if (!steps.run([&] {
                if (!rs.isNull(0))
                    msgFLX.setText(r, column, rs.value(0).toText());
            }))
            return false;
        ++r;
        eventPump().processEvents();
    }
    rs.close();
    return true;
}

bool clsDATEN::DTFFM(const QString& SPV, GridControl& msgFLX, const QString& SPNR, const GridSelection& sel) {
    return DTFF(SPV, msgFLX, SPNR, sel, 0);
}

bool clsDATEN::DTFMM(const QString& SPV, QComboBox& cboX, const GridSelection& sel) {
    DatenSteps steps(kTitle, [&](const RunError&) {
        return QStringLiteral("Werte der Spalte ") + SPV + QStringLiteral(" der Tabelle ") + m_keys.ETABELLE +
               QStringLiteral(" können nicht aus der Spalte ") + SPV + QStringLiteral(" eingelesen werden!");
    });
    Recordset rs;
    if (!steps.run([&] { rs = DT(SPV, sel.full()); }))
        return false;
    if (!rs.isOpen())
        return true;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        if (!steps.run([&] {
                if (!rs.isNull(0))
                    cboX.addItem(rs.value(0).toText());
            }))
            return false;
    rs.close();
    return true;
}

} // namespace talur
