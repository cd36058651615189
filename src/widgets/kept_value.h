#pragma once
// Controls limit what the author types and steps; they never rewrite a value the author did not
// touch. A spin box cannot show 150 when its range ends at 100, a line edit cannot show name bytes
// that do not decode, a combo box has no row for an index outside its list: reading such a control
// back would silently change the record. So every editor dialog loads a record's values through
// these functions, and reads them back through the matching *Value function, which returns the
// record's own value for as long as the control still shows what was loaded, and the control's
// value once the author has changed it.
//
//   LoadSpin(speed_, record.speed);          // shows 100 for a stored 150
//   ...
//   record.speed = SpinValue(speed_);        // 150 again unless the author changed the spin

#include <string>
#include <string_view>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

namespace lw {

void LoadSpin(QSpinBox* spin, int value);
int SpinValue(const QSpinBox* spin);

void LoadDoubleSpin(QDoubleSpinBox* spin, float value);
float DoubleSpinValue(const QDoubleSpinBox* spin);

// The combo box's current row is `index` (no row when it is outside the list).
void LoadComboIndex(QComboBox* combo, int index);
int ComboIndexValue(const QComboBox* combo);

// Checked when `value` is not 0; an untouched box gives back the stored number (say 2), a changed
// one 1 or 0.
void LoadCheck(QCheckBox* box, int value);
int CheckValue(const QCheckBox* box);

// CP932 bytes shown as text; an untouched field gives back the stored bytes exactly, including
// bytes that do not decode. A changed field gives the CP932 of its text (the field's validator
// refuses what CP932 cannot hold).
void LoadText(QLineEdit* edit, std::string_view cp932);
std::string TextValue(const QLineEdit* edit);

}  // namespace lw
