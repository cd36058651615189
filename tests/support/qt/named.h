#pragma once
// Controls found by their accessible names, with the class the test drives them as, for the tests
// that drive a dialog by the names its controls are given rather than through accessors:
//
//   NamedAs<QComboBox>(dialog, "ﾏｯﾌﾟｱﾆﾒ")->setCurrentIndex(1);   // as a screen reader finds it
//   NamedControl<QComboBox>(dialog, "能力");                       // one of several sharing a label
//   Press("OK");                                                  // in the active modal dialog

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QList>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "support/qt/accessibility.h"
#include "support/qt/editor_driver.h"

namespace lw::test {

// The control named `name` in `window`, through the accessibility tree, as a W; null (and a
// failed test) when there is no such control or it is no W.
template <class W>
W* NamedAs(QWidget* window, const QString& name) {
    W* control = dynamic_cast<W*>(Named(window, name));
    EXPECT_NE(control, nullptr) << "no " << name.toStdString() << " of the class asked for";
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

// The button that confirms `dialog` ("OK", "次へ", in whichever language): its default button.
inline QPushButton* ConfirmButton(QWidget* dialog) {
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->isDefault() && b->window() == dialog) return b;
    ADD_FAILURE() << "no default button in " << dialog->windowTitle().toStdString();
    return nullptr;
}

// The visible controls of type W below `window` whose accessible name is `name`.
template <class W>
QList<W*> AllNamed(QWidget* window, const QString& name) {
    QList<W*> found;
    for (W* control : window->findChildren<W*>()) {
        QAccessibleInterface* i = control->isVisible() ? QAccessible::queryAccessibleInterface(control) : nullptr;
        if (i != nullptr && i->text(QAccessible::Name) == name) found << control;
    }
    return found;
}

// The one such control; fails the test and returns null when there is none or more than one.
template <class W>
W* NamedControl(QWidget* window, const QString& name) {
    const QList<W*> found = AllNamed<W>(window, name);
    EXPECT_EQ(found.size(), 1) << W::staticMetaObject.className() << " named \"" << name.toStdString() << "\" in "
                               << window->windowTitle().toStdString();
    return found.size() == 1 ? found[0] : nullptr;
}

}  // namespace lw::test
