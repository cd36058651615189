#pragma once
// More of the author's actions for the editor tests, on top of the shared driver (EditorTest,
// Click, ClickRow, Rows): choosing by position, selecting by text, typing a number and leaving the
// field, replacing a line edit's text.

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include "support/qt/editor_driver.h"

namespace lw::test {

// Chooses an entry of a drop-down as the author does (the entry becomes current, then activated).
inline void Choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}
// Makes the entry with `text` current (as a program does: no activation); the entry must be there.
inline void SelectText(QComboBox* combo, const QString& text) {
    const int i = combo->findText(text);
    ASSERT_GE(i, 0) << text.toStdString();
    combo->setCurrentIndex(i);
}

enum class Leave { Field, Stay };
// Types `value` over what the spin held; Leave::Field then tabs out of it (as leaving it does).
inline void Enter(QSpinBox* spin, int value, Leave leave = Leave::Field) {
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(value));
    if (leave == Leave::Field) QTest::keyClick(spin, Qt::Key_Tab);
}
// Text as an input method delivers it, replacing what the field held.
inline void TypeText(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    if (!text.isEmpty()) QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text, Qt::NoModifier);
}

}  // namespace lw::test
