#pragma once
// A control of a given type found by its accessible name (as Named finds any control), so that a
// drop-down and the text shown below it can share one label.
//
//   QComboBox* ability = NamedControl<QComboBox>(dialog, "能力");

#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>

namespace lw::test {

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
