#pragma once
// A control of a window found by its accessible name, as the class it must be:
//   NamedAs<QComboBox>(dialog, "ﾏｯﾌﾟｱﾆﾒ")->setCurrentIndex(1);
// Fails the test and returns null when there is no such control, or it is of another class.

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>

#include "support/qt/accessibility.h"

namespace lw::test {

template <class W>
W* NamedAs(QWidget* window, const QString& name) {
    W* control = dynamic_cast<W*>(Named(window, name));
    EXPECT_NE(control, nullptr) << "no " << name.toStdString() << " of the class asked for";
    return control;
}

}  // namespace lw::test
