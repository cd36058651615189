#pragma once
// A control of a given type found by its accessible name (as Named finds any control), so that a
// drop-down and the text shown below it can share one label.
//
//   QComboBox* ability = NamedAs<QComboBox>(dialog, "能力");

#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>

namespace lw::test {

template <class W>
W* NamedAs(QWidget* window, const QString& name) {
    W* found = nullptr;
    int count = 0;
    for (W* control : window->findChildren<W*>()) {
        QAccessibleInterface* i = control->isVisible() ? QAccessible::queryAccessibleInterface(control) : nullptr;
        if (i == nullptr || i->text(QAccessible::Name) != name) continue;
        found = control;
        ++count;
    }
    EXPECT_EQ(count, 1) << W::staticMetaObject.className() << " named \"" << name.toStdString() << "\" in "
                        << window->windowTitle().toStdString();
    return count == 1 ? found : nullptr;
}

}  // namespace lw::test
