#pragma once
// Controls found by their accessible names, with the class the test drives them as, for the tests
// that drive a dialog by the names its controls are given rather than through accessors:
//
//   NamedAs<QComboBox>(dialog, "ﾏｯﾌﾟｱﾆﾒ")->setCurrentIndex(1);   // as a screen reader finds it
//   NamedWidget<QSpinBox>(dialog, "幅")->value();                 // by the widget's own name
//   Press("OK");                                                  // in the active modal dialog

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QString>
#include <QStringList>
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

// The visible control of class W in `window` whose accessible name (a button: or its text) is
// `name`; fails the test and returns null when there is none or more than one, listing the names
// there are.
template <class W>
W* NamedWidget(QWidget* window, const QString& name) {
    W* found = nullptr;
    int count = 0;
    QStringList names;
    for (W* w : window->findChildren<W*>()) {
        if (!w->isVisible()) continue;
        const auto* button = qobject_cast<const QAbstractButton*>(w);
        const QString own = w->accessibleName().isEmpty() && button ? button->text().remove(u'&') : w->accessibleName();
        names << own;
        if (own != name) continue;
        found = w;
        ++count;
    }
    EXPECT_EQ(count, 1) << "\"" << name.toStdString() << "\" among " << names.join(u'|').toStdString();
    return count == 1 ? found : nullptr;
}

}  // namespace lw::test
