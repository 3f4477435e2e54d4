#pragma once
// What the record data-access class needs to know about form controls beyond their Qt API.
#include <QString>
#include <cstdint>

class QObject;
class QCheckBox;
class QComboBox;
class QRadioButton;

namespace talur {

// A control's index in its control array is the int property "index"; -1 (or no property) when the control
// is not part of an array.
int controlIndex(const QObject& control);
void setControlIndex(QObject& control, int index);

// Check box value: 0 unchecked, 1 checked, 2 partially checked (the box becomes tristate).
// Other values throw RunError 380.
int16_t checkBoxValue(const QCheckBox& box);
void setCheckBoxValue(QCheckBox& box, int16_t value);

// A combo box of the "drop-down list" style (style 2) is one that cannot be edited.
bool isDropDownList(const QComboBox& box);

// Sets or clears an option button; clearing works even for the checked button of an exclusive group.
void setOptionValue(QRadioButton& button, bool value);

} // namespace talur
