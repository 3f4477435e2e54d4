#include "records/DatenControls.h"

#include "platform/core/RunError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QVariant>

namespace talur {

int controlIndex(const QObject& control) {
    bool ok = false;
    const int index = control.property("index").toInt(&ok);
    return ok ? index : -1;
}

void setControlIndex(QObject& control, int index) {
    control.setProperty("index", index);
}

int16_t checkBoxValue(const QCheckBox& box) {
    switch (box.checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

void setCheckBoxValue(QCheckBox& box, int16_t value) {
    switch (value) {
    case 0:
        box.setCheckState(Qt::Unchecked);
        break;
    case 1:
        box.setCheckState(Qt::Checked);
        break;
    case 2:
        box.setTristate(true);
        box.setCheckState(Qt::PartiallyChecked);
        break;
    default:
        throw runError(err::InvalidPropertyValue);
    }
}

bool isDropDownList(const QComboBox& box) {
    return !box.isEditable();
}

void setOptionValue(QRadioButton& button, bool value) {
    if (value || !button.isChecked()) {
        button.setChecked(value);
        return;
    }
    // Qt keeps the checked button of an exclusive set checked; lift the rule for this one change.
    const bool exclusive = button.autoExclusive();
    button.setAutoExclusive(false);
    button.setChecked(false);
    button.setAutoExclusive(exclusive);
}

} // namespace talur
