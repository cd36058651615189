#pragma once
// Controls limit what the author types and steps; they never rewrite a value the author did not
// touch. A spin box cannot show 150 when its range ends at 100, a line edit cannot show name bytes
// that do not decode, a combo box has no row for an index outside its list: reading such a control
// back would silently change the record. So every editor dialog loads a record's values through
// these functions, and reads them back through the matching *Value function, which returns the
// record's own value for as long as the control is untouched, and the control's value once it has
// changed after loading (by the author, or by the dialog setting it, say from a picked colour).
//
//   LoadSpin(speed_, record.speed);          // shows 100 for a stored 150
//   ...
//   record.speed = SpinValue(speed_);        // 150 again unless the spin changed since
//
// A change is seen through the control's own change signal, and also by comparing with what the
// control showed after loading (so a change made while its signals were blocked counts too).
// Changing a spin's range with setRange can move its value; use KeepRange instead, which keeps an
// untouched value. A dialog that sets a control to a value that must be taken even when it equals
// what the control shows (a colour picked on the preview) writes that value into its record
// itself.

#include <string>
#include <string_view>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace lw {

void LoadSpin(QSpinBox* spin, int value);
// The spin shows `shown` (say the picture's width for a stored 0) but gives back `value` while
// untouched.
void LoadSpinShowing(QSpinBox* spin, int value, int shown);
int SpinValue(const QSpinBox* spin);
// Sets the spin's range; an untouched spin still gives back its loaded value afterwards.
void KeepRange(QSpinBox* spin, int minimum, int maximum);

void LoadDoubleSpin(QDoubleSpinBox* spin, float value);
float DoubleSpinValue(const QDoubleSpinBox* spin);

// The combo box's current row is `index` (no row when it is outside the list). Fill the combo box
// before loading it.
void LoadComboIndex(QComboBox* combo, int index);
int ComboIndexValue(const QComboBox* combo);

// Checked when `value` is not 0; an untouched box gives back the stored number (say 2), a changed
// one 1 or 0.
void LoadCheck(QCheckBox* box, int value);
int CheckValue(const QCheckBox* box);

// CP932 bytes shown as text; an untouched field gives back the stored bytes exactly, including
// bytes that do not decode. A changed field gives the CP932 of its text (the field's validator
// refuses what CP932 cannot hold; should a text that CP932 cannot hold reach it some other way,
// the stored bytes are kept rather than lost).
void LoadText(QLineEdit* edit, std::string_view cp932);
std::string TextValue(const QLineEdit* edit);

// True once the control has changed since it was loaded.
bool ChangedSinceLoad(const QWidget* control);
// True while a Load* function is setting the control (its change is the loader's, not a change).
bool LoadingNow(const QWidget* control);

}  // namespace lw
