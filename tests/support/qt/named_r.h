#pragma once
// Controls found as a screen reader finds them, by their accessible names, with the type the test
// drives them as: in a given window, or in the dialog the author is working in (the active modal
// dialog); and buttons pressed by their names.

#include <QAbstractButton>
#include <QApplication>

#include "support/qt/accessibility.h"
#include "support/qt/editor_driver.h"

namespace lw::test {

// The control named `name` in `window` as a W; null (and a failed test) when there is no such
// control or it is no W.
template <class W>
W* NamedAs(QWidget* window, const QString& name) {
    W* control = dynamic_cast<W*>(Named(window, name));
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
}

// The control named `name` in the active modal dialog.
template <class W>
W* Control(const QString& name) {
    return NamedAs<W>(QApplication::activeModalWidget(), name);
}

// A click on the button named `name` (of `window`, or of the active modal dialog).
inline void Press(QWidget* window, const QString& name) {
    if (auto* b = NamedAs<QAbstractButton>(window, name)) Click(b);
}
inline void Press(const QString& name) { Press(QApplication::activeModalWidget(), name); }

}  // namespace lw::test
