#pragma once
// Driving widgets as the author does, for the UI tests: choosing an entry of a list by keys or by
// mouse, and pressing a control through the accessibility interface (as a screen reader does).

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>
#include <QWidget>

namespace lw::test {

// Makes `row` the current entry and presses Enter on the list.
inline void ChooseEntryByKeys(QAbstractItemView* view, int row) {
    view->setCurrentIndex(view->model()->index(row, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

// A left click, or a double-click as the window system delivers one (press, release, double-click,
// release), on the entry. The list must be shown and laid out.
inline void ClickEntry(QAbstractItemView* view, int row, bool twice = false) {
    const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    if (!twice) return;
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
}

// Runs the accessibility action `action` (say QAccessibleActionInterface::pressAction()) on the
// control; false when the control offers no actions.
inline bool DoAccessibleAction(QWidget* control, const QString& action) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
    if (a == nullptr || a->actionInterface() == nullptr) return false;
    a->actionInterface()->doAction(action);
    return true;
}

}  // namespace lw::test
