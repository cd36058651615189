#pragma once
// What the editor tests share: a fixture with a fresh project, scripted services and an editor
// context bound to both, and the author's actions on the controls (clicks, typing, choosing), each
// done the way the author does it so that the editors see real events.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QTest>
#include <QTreeWidget>
#include <cstdlib>

#include "app/editor_context.h"
#include "support/core/temp_dir.h"
#include "support/qt/fake_services.h"
#include "support/qt/modal.h"
#include "widgets/list_editor_panel.h"

namespace lw::test {

// A left click: a push button at its centre, a check box or radio button on its indicator.
inline void Click(QAbstractButton* b) {
    const bool indicator = b->isCheckable() && qobject_cast<QPushButton*>(b) == nullptr;
    QTest::mouseClick(b, Qt::LeftButton, {}, indicator ? QPoint(6, b->height() / 2) : b->rect().center());
}

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
inline void Type(QSpinBox* spin, int value, Leave leave = Leave::Field) {
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

// A click on a row of a list editor (scrolled into view first).
inline void ClickRow(ListEditorPanel* panel, int row) {
    QTreeWidget* view = panel->view();
    QTreeWidgetItem* item = view->topLevelItem(row);
    view->scrollToItem(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(item).center());
}
// The texts of a column of every row the list shows.
inline QStringList Rows(const ListEditorPanel* panel, int column = 0) {
    QStringList out;
    for (int i = 0; i < panel->rowCount(); ++i) out << panel->rowText(i, column);
    return out;
}

// The folder LW_SCREENSHOT_DIR names, or nullptr (a screenshot test then skips). `display`: the
// pictures need a real display (the offscreen platform draws no frames).
inline const char* ScreenshotDir(bool display = false) {
    const char* dir = std::getenv("LW_SCREENSHOT_DIR");
    if (display && QGuiApplication::platformName() == QLatin1String("offscreen")) return nullptr;
    return dir;
}

// A fresh project with the context's services scripted; modal watches a test left are stopped.
class EditorTest : public ::testing::Test {
protected:
    TempProject tp;
    FakeServices services;
    EditorContext context;

    void SetUp() override {
        context.project = tp.project;
        context.services = &services;
    }
    void TearDown() override { CancelPendingModalWatches(); }
};

}  // namespace lw::test
