#pragma once
// Accessible names for the controls of a dialog, from the labels the author sees.
//
// Every editor dialog gets its names through AddDialogButtons, which names the dialog's controls
// each time it is shown; nothing else is needed for a control that has a label of its own beside
// it (to its left in a row or a grid row, above it in a column, or as a QFormLayout label or a
// QLabel buddy). Check boxes, radio buttons and push buttons are named by their own text.
//
// When several controls end up with one name ("赤" in four colour groups, "X" in every row of a
// grid), each is prefixed with what tells them apart: the first label of its grid row, then the
// titles of the group boxes around it ("文字色 赤"). A control without any label takes the title
// of its group box, or the label beside the row widget it sits in; a list or a multi-line text
// without any label takes the dialog's title.
//
// A name set in code (setAccessibleName, or NameParts for one label shared by several controls)
// is kept. Names depend only on labels, never on a control's value or on whether it is enabled, so
// a drop-down is not named by the entry it shows.
//
//   NameParts(tr("座標"), {x_, y_}, {u"X", u"Y"});   // "座標 X", "座標 Y"

#include <QString>
#include <functional>
#include <initializer_list>

class QWidget;

namespace lw {

// Names every control below `root` that has no name set in code.
void NameControls(QWidget* root);

// Runs `run(dialog)` each time `dialog` is shown; once per dialog and `mark` (a property name), so
// installing it again does nothing.
void OnEveryShow(QWidget* dialog, const char* mark, std::function<void(QWidget*)> run);

// Makes every drop-down tell assistive technology the name it is given (its label), not the entry
// it shows. Qt keeps the first interface it made for a control, so this runs at start, before the
// first drop-down is made; naming a dialog's controls installs it too, for code that runs without
// the program's start.
void InstallDropDownInterface();

// Names the controls below `dialog` now and again each time it is shown (controls added or
// relabelled since are named too).
void NameControlsWhenShown(QWidget* dialog);

// `label` shared by several controls: each is named the label and its own part.
void NameParts(const QString& label, std::initializer_list<QWidget*> controls, std::initializer_list<const char16_t*> parts);

}  // namespace lw
