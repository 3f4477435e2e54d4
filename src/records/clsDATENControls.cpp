// Record data access: single values between the selected row and a form control.
// Readers hand conversion errors that arise after the read (a value the control cannot take) to the caller.
#include "records/clsDATEN.h"

#include "records/DatenControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace talur {

namespace {

Variant text(const QString& value) {
    return Variant(value);
}

[[noreturn]] void invalidValue() {
    throw runError(err::InvalidPropertyValue);
}

// A list index from the table: -1 (no selection) up to the last entry.
int listIndex(const Variant& value, int count) {
    const int index = value.toInt16();
    if (index < -1 || index >= count)
        invalidValue();
    return index;
}

} // namespace

// --- control to table ---------------------------------------------------------------------------------

bool clsDATEN::DFTC(const QString& SPV, const QCheckBox& chkX, const Selection& sel) {
    return writeOne(SPV, Variant(checkBoxValue(chkX)), sel);
}
bool clsDATEN::DFTCC(const QString& SPV, const QCheckBox& chkX, const Selection& sel) {
    return writeOne(SPV, text(chkX.text()), sel);
}
bool clsDATEN::DFTCV(const QString& SPV, const QCheckBox& chkX, const Selection& sel) {
    return DFTC(SPV, chkX, sel);
}

bool clsDATEN::DFTI(const QString& SPV, const QListWidget& lstX, const Selection& sel) {
    // No selection gives the empty text, which is stored as NULL.
    const QListWidgetItem* item = lstX.item(lstX.currentRow());
    return writeOne(SPV, text(item ? item->text() : QString()), sel);
}
bool clsDATEN::DFTIL(const QString& SPV, const QListWidget& lstX, const Selection& sel) {
    return writeOne(SPV, Variant(int16_t(lstX.currentRow())), sel);
}
bool clsDATEN::DFTIS(const QString& SPV, const QListWidget& lstX, const Selection& sel) {
    return DFTI(SPV, lstX, sel);
}

bool clsDATEN::DFTL(const QString& SPV, const QLabel& lblX, const Selection& sel) {
    return writeOne(SPV, text(lblX.text()), sel);
}
bool clsDATEN::DFTLC(const QString& SPV, const QLabel& lblX, const Selection& sel) {
    return DFTL(SPV, lblX, sel);
}
bool clsDATEN::DFTLI(const QString& SPV, const QLabel& lblX, const Selection& sel) {
    const int index = controlIndex(lblX);
    if (index < 0) { // a label outside a control array has no index to store
        showWriteFailure(SPV, Variant());
        return false;
    }
    return writeOne(SPV, Variant(int16_t(index)), sel);
}

bool clsDATEN::DFTM(const QString& SPV, const QComboBox& cboX, const Selection& sel) {
    return writeOne(SPV, text(cboX.currentText()), sel);
}
bool clsDATEN::DFTML(const QString& SPV, const QComboBox& cboX, const Selection& sel) {
    return writeOne(SPV, Variant(int16_t(cboX.currentIndex())), sel);
}
bool clsDATEN::DFTMS(const QString& SPV, const QComboBox& cboX, const Selection& sel) {
    const int index = cboX.currentIndex();
    return writeOne(SPV, index >= 0 ? text(cboX.itemText(index)) : Variant(), sel);
}
bool clsDATEN::DFTMT(const QString& SPV, const QComboBox& cboX, const Selection& sel) {
    return DFTM(SPV, cboX, sel);
}

bool clsDATEN::DFTO(const QString& SPV, const QRadioButton& optX, const Selection& sel) {
    return writeOne(SPV, Variant(optX.isChecked()), sel);
}
bool clsDATEN::DFTOC(const QString& SPV, const QRadioButton& optX, const Selection& sel) {
    return writeOne(SPV, text(optX.text()), sel);
}
bool clsDATEN::DFTOV(const QString& SPV, const QRadioButton& optX, const Selection& sel) {
    return DFTO(SPV, optX, sel);
}

bool clsDATEN::DFTT(const QString& SPV, const QLineEdit& txtX, const Selection& sel) {
    return writeOne(SPV, text(txtX.text()), sel);
}
bool clsDATEN::DFTTT(const QString& SPV, const QLineEdit& txtX, const Selection& sel) {
    return DFTT(SPV, txtX, sel);
}

// --- table to control ---------------------------------------------------------------------------------

bool clsDATEN::DTFC(const QString& SPV, QCheckBox& chkX, const Selection& sel) {
    const auto value = readOne(SPV, sel);
    if (!value)
        return false;
    setCheckBoxValue(chkX, value->toInt16());
    return true;
}
bool clsDATEN::DTFCC(const QString& SPV, QCheckBox& chkX, const Selection& sel) {
    const auto value = readOne(SPV, sel);
    if (!value)
        return false;
    chkX.setText(value->toText());
    return true;
}
bool clsDATEN::DTFCV(const QString& SPV, QCheckBox& chkX, const Selection& sel) {
    return DTFC(SPV, chkX, sel);
}

bool clsDATEN::DTFI(const QString& SPV, QListWidget& lstX, const Selection& sel) {
    const auto value = readOne(SPV, sel);
    if (!value)
        return false;
    lstX.addItem(value->toText());
    return true;
}
bool clsDATEN::DTFIL(const QString& SPV, QListWidget& lstX, const Selection& sel) {
    const auto value = readOne(SPV, sel);
    if (!value)
        return false;
    if (lstX.count() > 0)
        lstX.setCurrentRow(listIndex(*value, lstX.count()));
    return true;
}
bool clsDATEN::DTFIS(const QString& SPV, QListWidget& lstX, const Selection& sel) {
    return DTFI(SPV, lstX, sel);
}

bool clsDATEN::DTFL(const QString& SPV, QLabel& lblX, const Selection& sel) {
    const auto value = readOne(SPV, sel);
    if (!value)
        return false;
    lblX.setText(value->toText());
    return true;
}
bool clsDATEN::DTFLC(const QString& SPV, QLabel& lblX, const Selection& sel) {
    return DTFL(SPV, lblX, sel);
}

bool clsDATEN::DTFM(const QString& SPV, QComboBox& cboX, const Selection& sel) {
    const auto value = readOne(SPV, sel);
    if (!value)
        return false;
    const QString shown = value->toText();
    if (!isDropDownList(cboX)) {
        cboX.setEditText(shown);
        return true;
    }
    // A drop-down list can only show one of its entries (or none).
    const int index = shown.isEmpty() ? -1 : cboX.findText(shown, Qt::MatchExactly);
    if (!shown.isEmpty() && index < 0)
        invalidValue();
    cboX.setCurrentIndex(index);
    return true;
}
bool clsDATEN::DTFML(const QString& SPV, QComboBox& cboX, const Selection& sel) {
    const auto value = readOne(SPV, sel);
    if (!value)
        return false;
    if (cboX.count() > 0)
        cboX.setCurrentIndex(listIndex(*value, cboX.count()));
    return true;
}
bool clsDATEN::DTFMS(const QString& SPV, QComboBox& cboX, const Selection& sel) {
    const auto value = readOne(SPV, sel);
    if (!value)
        return false;
    cboX.addItem(value->toText());
    return true;
}
bool clsDATEN::DTFMT(const QString& SPV, QComboBox& cboX, const Selection& sel) {
    const auto value = readOne(SPV, sel);
    if (!value)
        return false;
    const QString shown = value->toText();
    if (!isDropDownList(cboX)) {
        cboX.setEditText(shown);
        return true;
    }
    for (int i = 0; i < cboX.count(); ++i)
        if (cboX.itemText(i) == shown) {
            cboX.setCurrentIndex(i);
            break;
        }
    return true;
}

bool clsDATEN::DTFO(const QString& SPV, QRadioButton& optX, const Selection& sel) {
    const auto value = readOne(SPV, sel);
    if (!value)
        return false;
    setOptionValue(optX, value->toBool());
    return true;
}
bool clsDATEN::DTFOC(const QString& SPV, QRadioButton& optX, const Selection& sel) {
    const auto value = readOne(SPV, sel);
    if (!value)
        return false;
    optX.setText(value->toText());
    return true;
}
bool clsDATEN::DTFOV(const QString& SPV, QRadioButton& optX, const Selection& sel) {
    return DTFO(SPV, optX, sel);
}

bool clsDATEN::DTFT(const QString& SPV, QLineEdit& txtX, const Selection& sel) {
    const auto value = readOne(SPV, sel);
    if (!value)
        return false;
    txtX.setText(value->toText());
    return true;
}
bool clsDATEN::DTFTT(const QString& SPV, QLineEdit& txtX, const Selection& sel) {
    return DTFT(SPV, txtX, sel);
}

} // namespace talur
