// "変更を破棄しますか？": cancelling a dialog (its "ｷｬﾝｾﾙ", Escape, the close box) after a change
// asks first, and No keeps the dialog open with what was entered; with nothing changed it closes
// at once. Each kind of control on a dialog of its own, then the event command editor, where
// choosing scenes and groups and showing the map change nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <functional>

#include "app/editor_context.h"
#include "app/services.h"
#include "editors/events/event_command_editor.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"
#include "support/qt/fake_services.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"
#include "widgets/kept_value.h"

namespace lw {
namespace {

using test::FakeServices;

const QString kQuestion = QStringLiteral("変更を破棄しますか？");

class DiscardGuardTest : public ::testing::Test {
protected:
    FakeServices services;
    QWidget owner;  // the window the question is asked through, as the main window is

    void SetUp() override { AskThrough(&owner, &services); }
    static void Click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center()); }
    int Questions() const { return static_cast<int>(services.texts().count(kQuestion)); }
};

// One dialog holding every kind of control, loaded as the editors load them.
struct Form {
    QDialog dialog;
    QLineEdit* name = new QLineEdit(&dialog);
    QLineEdit* shownOnly = new QLineEdit(&dialog);
    QSpinBox* spin = new QSpinBox(&dialog);
    QComboBox* combo = new QComboBox(&dialog);
    QComboBox* chooser = new QComboBox(&dialog);  // chooses what is shown
    QCheckBox* flag = new QCheckBox(QStringLiteral("逃げる"), &dialog);
    // A preview box is known by its mark, not its label, which changes with the language.
    QCheckBox* preview = new QCheckBox(QStringLiteral("Show"), &dialog);
    QRadioButton* first = new QRadioButton(QStringLiteral("1回"), &dialog);
    QRadioButton* second = new QRadioButton(QStringLiteral("複数回"), &dialog);
    QPlainTextEdit* text = new QPlainTextEdit(&dialog);
    QListWidget* list = new QListWidget(&dialog);
    QPushButton* cancel = nullptr;

    explicit Form(QWidget* parent) : dialog(parent) {
        auto* row = new QHBoxLayout(&dialog);
        for (QWidget* w : std::initializer_list<QWidget*>{name, shownOnly, spin, combo, chooser, flag, preview, first,
                                                          second, text, list})
            row->addWidget(w);
        cancel = AddDialogButtons(&dialog, row).second;
        shownOnly->setReadOnly(true);
        combo->addItems({QStringLiteral("a"), QStringLiteral("b")});
        chooser->addItems({QStringLiteral("scene0.txt"), QStringLiteral("scene1.txt")});
        DiscardGuard::IgnoreChangesOf(chooser);
        DiscardGuard::IgnoreChangesOf(preview);
        list->addItems({QStringLiteral("0 0 0"), QStringLiteral("1 1 1")});
        first->setChecked(true);
        text->setPlainText(QStringLiteral("fade"));
        LoadText(name, "old");
        LoadSpin(spin, 3);
        LoadComboIndex(combo, 0);
        LoadCheck(flag, 0);
        dialog.show();
        QApplication::processEvents();  // watched from here on
    }
};

TEST_F(DiscardGuardTest, AChangeOfAnyKindAsksAndLoadsPreviewsAndChoosersDoNot) {
    struct Case {
        const char* what;
        std::function<void(Form&)> act;
        bool asks;
    };
    const Case cases[] = {
        {"nothing", [](Form&) {}, false},
        {"typed name", [](Form& f) { QTest::keyClicks(f.name, "x"); }, true},
        {"spin", [](Form& f) { f.spin->setValue(9); }, true},
        {"drop-down", [](Form& f) { f.combo->setCurrentIndex(1); }, true},
        {"check box", [](Form& f) { f.flag->click(); }, true},
        {"radio", [](Form& f) { f.second->click(); }, true},
        {"text typed", [](Form& f) { QTest::keyClicks(f.text, "x"); }, true},
        {"row added", [](Form& f) { f.list->addItem(QStringLiteral("2 2 2")); }, true},
        {"row renewed", [](Form& f) { f.list->item(0)->setText(QStringLiteral("5 5 5")); }, true},
        {"loaded again", [](Form& f) { LoadText(f.name, "other"); LoadSpin(f.spin, 7); LoadComboIndex(f.combo, 1); }, false},
        {"text shown whole", [](Form& f) { f.text->setPlainText(QStringLiteral("exit")); }, false},
        {"preview box", [](Form& f) { f.preview->click(); }, false},
        {"read-only field", [](Form& f) { f.shownOnly->setText(QStringLiteral("x")); }, false},
        {"chooser", [](Form& f) { f.chooser->setCurrentIndex(1); }, false},
        {"row chosen", [](Form& f) { f.list->setCurrentRow(1); }, false},
    };
    for (const Case& c : cases) {
        services.messages.clear();
        Form f(&owner);
        c.act(f);
        QApplication::processEvents();
        services.answers = {MessageAnswer::No};
        Click(f.cancel);
        EXPECT_EQ(Questions(), c.asks ? 1 : 0) << c.what;
        EXPECT_EQ(f.dialog.isVisible(), c.asks) << c.what;  // No keeps the dialog and its values
        if (c.asks) EXPECT_EQ(services.messages.back().buttons, MessageButtons::YesNo) << c.what;
    }
}

class EventEditorDiscardTest : public DiscardGuardTest {
protected:
    test::TempProject tp;
    EditorContext context;
    void SetUp() override {
        DiscardGuardTest::SetUp();
        context.project = tp.project;
        context.services = &services;
        for (const char* name : {"scene0.txt", "scene1.txt"}) tp.WriteData(name, SceneBytes(NewScene()));
    }
};

TEST_F(EventEditorDiscardTest, BrowsingClosesAtOnceTypingAsksOnCancelEscapeAndTheCloseBox) {
    {
        EventCommandEditor e(context, &owner);
        e.show();
        QApplication::processEvents();
        e.groupChoice()->setCurrentIndex(2);
        e.sceneChoice()->setCurrentIndex(1);
        e.showBox()->click();
        e.commandMenu()->setCurrentRow(3);
        QApplication::processEvents();
        Click(e.cancelButton());
        EXPECT_EQ(e.result(), QDialog::Rejected);
        EXPECT_TRUE(services.messages.empty());
    }
    EventCommandEditor e(context, &owner);
    e.show();
    QApplication::processEvents();
    QTest::keyClicks(e.textField(), "x");
    QApplication::processEvents();
    services.answers = {MessageAnswer::No, MessageAnswer::No, MessageAnswer::No, MessageAnswer::Yes};
    Click(e.cancelButton());
    QTest::keyClick(e.textField(), Qt::Key_Escape);
    e.close();
    EXPECT_EQ(Questions(), 3);
    EXPECT_TRUE(e.isVisible());
    EXPECT_TRUE(e.textField()->toPlainText().startsWith(QLatin1Char('x')));
    QTest::keyClick(e.textField(), Qt::Key_Escape);
    EXPECT_EQ(Questions(), 4);
    EXPECT_FALSE(e.isVisible());
    EXPECT_EQ(e.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace lw
