#pragma once
// A control of a shown window found by its accessible name, as its own class, for the tests that
// drive a dialog by the names its controls are given rather than through accessors:
//
//   NamedWidget<QSpinBox>(dialog, "幅")->value();
//
// It looks at the widgets' own names (and a button's text), not through the accessibility tree.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace lw::test {

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
