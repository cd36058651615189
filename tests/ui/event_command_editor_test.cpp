// The event command editor "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ" through its widgets, in the scene form (every scene file,
// written on OK only) and the owner form (one catalog entry edited in place, the owner's group
// returned): switching scenes and groups, the group count, the command menu and undo, text that
// does not fit a group, scene files that cannot be read, and Cancel.
#include <gtest/gtest.h>

#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextCursor>

#include "core/world/scene_catalog.h"
#include "editors/events/event_command_editor.h"
#include "support/core/scene_makers.h"
#include "support/core/village_makers.h"
#include "support/qt/command_dialog_driver.h"
#include "support/qt/widget_driver.h"

namespace lw {
namespace {

namespace fs = std::filesystem;
using test::TempProject;

// A scene with `count` groups; group n holds the line "g<n>" and the explanation "e<n>".
Scene WithGroups(int count) {
    Scene s = NewScene();
    s.groups.clear();
    for (int n = 0; n < count; ++n) {
        EventCommandGroup g;
        g.explanation = "e" + std::to_string(n);
        g.commands = CommandLines({"g" + std::to_string(n)});
        s.groups.push_back(std::move(g));
    }
    return s;
}

class EventCommandEditorTest : public test::CommandDialogTest {
protected:
    void WriteScene(const std::string& name, const Scene& scene) { tp.WriteData(name, SceneBytes(scene)); }
    // Replaces the group's text as the author would (an edit the field can take back).
    static void TypeText(EventCommandEditor& e, const QString& text) {
        QTextCursor cursor(e.textField()->document());
        cursor.select(QTextCursor::Document);
        cursor.insertText(text);
        e.textField()->setTextCursor(cursor);
    }
    static QString Text(const EventCommandEditor& e) { return e.textField()->toPlainText(); }
    static QSpinBox* Count(const EventCommandEditor& e) { return e.findChild<QSpinBox*>(); }  // "ｸﾞﾙｰﾌﾟ数"
    static QPushButton* Undo(EventCommandEditor& e) { return test::NamedAs<QPushButton>(&e, "元に戻す"); }
    // The set-flag dialog's flag, operation and number.
    static void SetFlag(QDialog* d, int flag, int operation, const QString& value) {
        Combo(d, "ｲﾍﾞﾝﾄﾌﾗｸﾞ")->setCurrentIndex(flag);
        Combo(d, "符号")->setCurrentIndex(operation);
        Edit(d, "数値")->setText(value);
    }
};

TEST_F(EventCommandEditorTest, SwitchingScenesKeepsTheGroupNumberAndTheCountHidesAndBringsBackGroups) {
    WriteScene("scene0.txt", WithGroups(8));
    WriteScene("scene1.txt", WithGroups(5));
    EventCommandEditor e(context);
    EXPECT_EQ(e.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"));
    ASSERT_EQ(e.sceneChoice()->count(), 2);
    EXPECT_EQ(Count(e)->value(), 8);
    EXPECT_EQ(e.commandMenu()->count(), 33);
    EXPECT_EQ(e.commandMenu()->item(13)->text(), QStringLiteral("ﾌﾗｸﾞに数値を設定"));
    EXPECT_EQ(Text(e), QStringLiteral("g0"));
    EXPECT_EQ(e.explanationField()->text(), QStringLiteral("e0"));
    // The chooser names each group's explanation beside its number, the one being typed too.
    EXPECT_EQ(e.groupChoice()->itemText(1), QStringLiteral("1 — e1"));
    e.explanationField()->setText(QStringLiteral("入口"));
    EXPECT_EQ(e.groupChoice()->itemText(0), QStringLiteral("0 — 入口"));

    e.groupChoice()->setCurrentIndex(5);
    EXPECT_EQ(e.groupChoice()->itemText(0), QStringLiteral("0 — 入口"));
    EXPECT_EQ(Text(e), QStringLiteral("g5"));
    TypeText(e, QStringLiteral("fade"));
    e.sceneChoice()->setCurrentIndex(1);  // five groups: group 5 is not there
    EXPECT_EQ(e.currentGroup(), 5);
    EXPECT_EQ(e.groupChoice()->currentIndex(), -1);
    EXPECT_EQ(Count(e)->value(), 5);
    EXPECT_TRUE(Text(e).isEmpty());
    EXPECT_TRUE(e.explanationField()->text().isEmpty());
    EXPECT_TRUE(e.textField()->isReadOnly());  // nothing typed there could be stored
    Count(e)->setValue(6);           // a new empty group 5 appears and is shown
    EXPECT_EQ(e.groupChoice()->itemText(5), QStringLiteral("5"));  // no explanation: the number alone
    EXPECT_TRUE(Text(e).isEmpty());
    EXPECT_FALSE(e.textField()->isReadOnly());
    e.sceneChoice()->setCurrentIndex(0);
    EXPECT_EQ(Text(e), QStringLiteral("fade"));  // stored when the scene was left

    // Lowering the count below the group empties the field; raising it brings the groups back.
    Count(e)->setValue(3);
    EXPECT_TRUE(Text(e).isEmpty());
    EXPECT_EQ(e.groupChoice()->count(), 3);
    Count(e)->setValue(8);
    EXPECT_EQ(Text(e), QStringLiteral("fade"));
    EXPECT_EQ(e.scenes()[0].scene.groups[7].commands, CommandLines({"g7"}));
    Count(e)->setValue(4);

    services.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    Click(e.okButton());
    Scene first;
    ParseScene(tp.ReadData("scene0.txt"), first);
    ASSERT_EQ(first.groupCount(), 4);  // only the counted groups are written
    EXPECT_EQ(first.groups[3].commands.ToVector(), std::vector<std::string>{"g3"});
    Scene second;
    ParseScene(tp.ReadData("scene1.txt"), second);
    ASSERT_EQ(second.groupCount(), 6);
    EXPECT_EQ(second.groups[5], EventCommandGroup{});  // shown but never typed into: no lines
}

TEST_F(EventCommandEditorTest, OkWritesUnchangedScenesByteForByteWithTheFlagsAndCancelWritesNothing) {
    Scene odd = test::MakeRichScene();
    odd.groups.resize(3);
    odd.groups[0].commands = CommandLines({"odd \x81\x7F bytes", "", "fade"});
    odd.groups[1] = EventCommandGroup{};  // a group without lines
    odd.groups[2].explanation = "\x81\x7F";
    WriteScene("scene0.txt", odd);
    WriteScene("scene4.txt", WithGroups(2));
    const std::string before0 = tp.ReadData("scene0.txt"), before4 = tp.ReadData("scene4.txt");
    context.flags.text[9] = "nine";

    {
        EventCommandEditor e(context);
        TypeText(e, QStringLiteral("changed"));
        Click(e.cancelButton());
        EXPECT_EQ(e.result(), QDialog::Rejected);
    }
    EXPECT_EQ(tp.ReadData("scene0.txt"), before0);
    EXPECT_FALSE(fs::exists(DataFilePath(tp.project, "flag_exp.txt")));
    EXPECT_TRUE(services.messages.empty());

    EventCommandEditor e(context);
    for (int g : {1, 2, 0}) e.groupChoice()->setCurrentIndex(g);  // every group shown, none touched
    e.sceneChoice()->setCurrentIndex(1);
    e.sceneChoice()->setCurrentIndex(0);
    Click(e.okButton());
    EXPECT_EQ(e.result(), QDialog::Accepted);
    EXPECT_EQ(tp.ReadData("scene0.txt"), before0);
    EXPECT_EQ(tp.ReadData("scene4.txt"), before4);
    EXPECT_EQ(tp.ReadData("flag_exp.txt"), FlagExplanationsBytes(context.flags));
    EXPECT_EQ(services.messages.size(), 2u);  // one overwrite question per scene file
}

TEST_F(EventCommandEditorTest, ASceneFileThatCannotBeReadIsMarkedLockedAndNeverWritten) {
    WriteScene("scene0.txt", WithGroups(2));
    const fs::path huge = DataFilePath(tp.project, "scene2.txt");
    test::WriteBytes(huge, "x");
    fs::resize_file(huge, kListFileCeiling + 1);
    // An unreadable flag_exp.txt is not written over either.
    fs::create_directory(DataFilePath(tp.project, "flag_exp.txt"));
    context.flagsRead = ReadStatus::Unreadable;

    EventCommandEditor e(context);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.contains(QStringLiteral("scene2.txt を読み込めません")));
    EXPECT_TRUE(e.sceneChoice()->itemText(1).contains(QStringLiteral("読み込めません")));
    e.sceneChoice()->setCurrentIndex(1);
    EXPECT_FALSE(Count(e)->isEnabled());
    EXPECT_TRUE(e.textField()->isReadOnly());
    EXPECT_FALSE(e.commandMenu()->isEnabled());
    e.sceneChoice()->setCurrentIndex(0);
    EXPECT_EQ(Text(e), QStringLiteral("g0"));
    Click(e.okButton());
    EXPECT_EQ(fs::file_size(huge), kListFileCeiling + 1);
    EXPECT_TRUE(fs::is_directory(DataFilePath(tp.project, "flag_exp.txt")));
    EXPECT_EQ(services.messages.size(), 2u);  // the one overwrite question, for scene0.txt
}

TEST_F(EventCommandEditorTest, TextThatDoesNotFitAGroupKeepsTheAuthorOnItUntilItFits) {
    WriteScene("scene0.txt", WithGroups(3));
    EventCommandEditor e(context);
    QStringList lines;
    for (int i = 0; i < 65; ++i) lines << QStringLiteral("fade");
    TypeText(e, lines.join('\n'));

    e.groupChoice()->setCurrentIndex(1);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.startsWith(QStringLiteral("1つのｸﾞﾙｰﾌﾟに書けるのは64行までです。いま65行あります。")));
    EXPECT_EQ(e.currentGroup(), 0);
    EXPECT_EQ(e.groupChoice()->currentIndex(), 0);
    EXPECT_EQ(Text(e).count('\n'), 64);  // nothing was dropped
    EXPECT_EQ(e.textField()->textCursor().blockNumber(), 64);

    Count(e)->setValue(1);  // refused too: the count stays
    EXPECT_EQ(Count(e)->value(), 3);
    Click(e.okButton());  // and OK does not close
    EXPECT_EQ(services.messages.size(), 3u);
    EXPECT_NE(e.result(), QDialog::Accepted);

    lines.removeLast();
    lines[1] = QString(32, QChar(0x3042));  // 64 bytes
    TypeText(e, lines.join('\n'));
    Click(e.okButton());
    EXPECT_EQ(services.messages.back().text,
              QStringLiteral("2行目が長すぎます（64ﾊﾞｲﾄ）。\n1行に書けるのは63ﾊﾞｲﾄ（全角なら31文字）までです。"));
    lines[1] = QStringLiteral("smile 😀");
    TypeText(e, lines.join('\n'));
    e.sceneChoice()->setCurrentIndex(-1);
    EXPECT_TRUE(services.messages.back().text.startsWith(QStringLiteral("2行目にﾌｧｲﾙに保存できない文字があります。")));
    EXPECT_EQ(e.sceneChoice()->currentIndex(), 0);

    lines[1] = QStringLiteral("exit");
    TypeText(e, lines.join('\n'));
    services.answers = {MessageAnswer::Yes};
    Click(e.okButton());
    EXPECT_EQ(e.result(), QDialog::Accepted);
    Scene written;
    ParseScene(tp.ReadData("scene0.txt"), written);
    ASSERT_EQ(written.groups[0].commandCount(), 64);
    EXPECT_EQ(written.groups[0].commands[1], "exit");
}

// A command runs only when the author asks for it, goes beside the caret (never joining the line the
// caret starts) where "元に戻す" takes it back, and its dialog holds the whole form until it closes
// (also against a screen reader's actions).
TEST_F(EventCommandEditorTest, TheMenuRunsACommandOnlyWhenAskedAndHoldsTheFormWhileItsDialogIsOpen) {
    WriteScene("scene0.txt", WithGroups(2));
    EventCommandEditor e(context);
    e.show();
    QApplication::processEvents();
    QListWidget* menu = e.commandMenu();
    EXPECT_FALSE(Undo(e)->isEnabled());

    QTextCursor cursor(e.textField()->document());
    cursor.setPosition(1);  // inside "g0"
    e.textField()->setTextCursor(cursor);
    test::ChooseEntryByKeys(menu, 10);  // "ﾌｪｰﾄﾞｱｳﾄ･ｲﾝ": a keyword, no dialog
    EXPECT_EQ(Text(e), QStringLiteral("g0\nfade"));
    EXPECT_EQ(menu->currentRow(), -1);
    EXPECT_TRUE(Undo(e)->isEnabled());
    Click(Undo(e));
    EXPECT_EQ(Text(e), QStringLiteral("g0"));
    EXPECT_FALSE(Undo(e)->isEnabled());

    // A cancelled dialog inserts nothing.
    test::OnNextModal<QDialog>([](QDialog* d) { Cancel(d); });
    test::ChooseEntryByKeys(menu, 0);
    EXPECT_EQ(Text(e), QStringLiteral("g0"));

    // Moving through the menu opens nothing: the current entry set, the arrow keys, the focus
    // coming back to the menu.
    int opened = 0;
    test::OnNextModal<QDialog>([&](QDialog* d) {
        ++opened;
        d->reject();
    }, &e, 200);
    menu->setCurrentRow(0);
    QTest::keyClick(menu, Qt::Key_Down);
    menu->setFocus();
    menu->setCurrentRow(13);
    QApplication::processEvents();
    EXPECT_EQ(opened, 0);
    test::CancelPendingModalWatches();

    // A click and a double-click each insert the command once. The caret at the start of "g0":
    // the command is a line of its own before it.
    QTextCursor start(e.textField()->document());
    e.textField()->setTextCursor(start);
    test::ClickEntry(menu, 10);  // "ﾌｪｰﾄﾞｱｳﾄ･ｲﾝ"
    EXPECT_EQ(Text(e), QStringLiteral("fade\ng0"));
    test::ClickEntry(menu, 5, true);  // "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ終了"
    EXPECT_EQ(Text(e), QStringLiteral("fade\nend\ng0"));

    // While the flag dialog is open nothing of the form can be used, not even by a screen reader.
    bool ran = false;
    test::OnNextModal<QDialog>([&](QDialog* d) {
        ran = true;
        for (QWidget* w : std::initializer_list<QWidget*>{menu, e.textField(), e.okButton(), e.cancelButton(),
                                                          e.groupChoice(), e.explanationField()})
            EXPECT_FALSE(w->isEnabled()) << w->metaObject()->className();
        EXPECT_TRUE(test::DoAccessibleAction(e.okButton(), QAccessibleActionInterface::pressAction()));
        e.accept();
        e.reject();
        EXPECT_TRUE(e.isVisible());
        EXPECT_TRUE(d->isVisible());
        SetFlag(d, 3, 0, "1");
        Ok(d);
    });
    test::ChooseEntryByKeys(menu, 13);
    EXPECT_TRUE(ran);
    EXPECT_EQ(e.result(), 0);
    EXPECT_EQ(Text(e), QStringLiteral("fade\nend\nflag3 = 1\ng0"));
    for (QWidget* w : std::initializer_list<QWidget*>{menu, e.textField(), e.okButton(), e.cancelButton()})
        EXPECT_TRUE(w->isEnabled());
    Click(e.cancelButton());
}

class OwnerFormTest : public EventCommandEditorTest {
protected:
    SceneCatalog catalog;
    void SetUp() override {
        EventCommandEditorTest::SetUp();
        WriteScene("scene3.txt", WithGroups(4));
        LoadSceneCatalog(tp.project, catalog);
    }
    // Runs the owner form; `inForm` works in it.
    std::optional<int> Run(int scene, int group, std::function<void(EventCommandEditor*)> inForm) {
        std::optional<int> result;
        test::InDialog<EventCommandEditor>(
            [&] { result = EditOwnerGroups(context, catalog, EventOwner::Chest, scene, group, nullptr); }, inForm);
        return result;
    }
};

TEST_F(OwnerFormTest, OkGivesTheChosenGroupWithTheEntryEditedAndNoneGivesMinusOne) {
    EXPECT_EQ(EventOwnerLabel(EventOwner::Shop), "店ｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号");
    const std::optional<int> chosen = Run(3, 2, [&](EventCommandEditor* e) {
        EXPECT_EQ(e->ownerGroupLabel()->text(), QStringLiteral("宝箱ｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号"));
        EXPECT_EQ(e->ownerGroupChoice()->itemText(0), QStringLiteral("なし"));
        EXPECT_EQ(e->ownerGroupChoice()->currentIndex(), 3);  // group 2
        EXPECT_EQ(Text(*e), QStringLiteral("g2"));
        TypeText(*e, QStringLiteral("end"));
        Count(*e)->setValue(5);
        e->ownerGroupChoice()->setCurrentIndex(5);  // group 4
        Click(e->okButton());
    });
    EXPECT_EQ(chosen, 4);
    const SceneCatalogEntry& entry = catalog.entries[0];
    ASSERT_EQ(entry.groupCount(), 5);
    EXPECT_EQ(entry.groups()[2].commands.ToVector(), std::vector<std::string>{"end"});
    EXPECT_FALSE(fs::exists(DataFilePath(tp.project, "flag_exp.txt")));  // the owner's editor saves

    EXPECT_EQ(Run(3, -1,
                  [](EventCommandEditor* e) {
                      EXPECT_EQ(e->ownerGroupChoice()->currentIndex(), 0);
                      EXPECT_TRUE(Text(*e).isEmpty());
                      Click(e->okButton());
                  }),
              -1);
    // An owner group removed by a lowered count falls back to "なし".
    EXPECT_EQ(Run(3, 4,
                  [](EventCommandEditor* e) {
                      Count(*e)->setValue(2);
                      EXPECT_EQ(e->ownerGroupChoice()->currentIndex(), 0);
                      Click(e->okButton());
                  }),
              -1);
}

TEST_F(OwnerFormTest, CancelPutsBackTheGroupsAndTheFlagExplanations) {
    const std::vector<EventCommandGroup> before = catalog.entries[0].groups();
    context.flags.text[1] = "old";
    const std::optional<int> result = Run(3, 0, [&](EventCommandEditor* e) {
        TypeText(*e, QStringLiteral("changed"));
        e->groupChoice()->setCurrentIndex(1);  // stores group 0
        Count(*e)->setValue(1);
        test::OnNextModal<QDialog>([](QDialog* d) {
            Combo(d, "ｲﾍﾞﾝﾄﾌﾗｸﾞ")->setCurrentIndex(1);
            Edit(d, "説明")->setText(QStringLiteral("new"));
            Combo(d, "ｲﾍﾞﾝﾄﾌﾗｸﾞ")->setCurrentIndex(2);
            Cancel(d);
        }, e);
        Count(*e)->setValue(2);
        e->groupChoice()->setCurrentIndex(1);
        test::ChooseEntryByKeys(e->commandMenu(), 13);
        EXPECT_EQ(context.flags.text[1], "new");
        Click(e->cancelButton());
    });
    EXPECT_EQ(result, std::nullopt);
    EXPECT_EQ(catalog.entries[0].groups(), before);
    EXPECT_EQ(context.flags.text[1], "old");
}

TEST_F(OwnerFormTest, AnOwnerInASceneWithoutAFileIsRefused) {
    EXPECT_EQ(EditOwnerGroups(context, catalog, EventOwner::Npc, 7, 0, nullptr), std::nullopt);
    EXPECT_EQ(services.texts(), QStringList{QStringLiteral("場面番号が不正です")});
}

// The scene form over a village map with the flag dialog open.
TEST_F(EventCommandEditorTest, TheSceneFormShowsTheChosenSceneInTheMapView) {
    test::WriteVillage(tp);
    Scene village = test::VillageScene();
    village.groups = WithGroups(6).groups;
    village.name = ToCp932(QStringLiteral("はじまりの村")).value();
    village.groups[1].explanation = ToCp932(QStringLiteral("村長の家")).value();
    village.groups[1].commands = CommandLines({"face 2", "? flag12 >= 3", "message 4", "!", "end"});
    WriteScene("scene0.txt", village);
    WriteScene("scene1.txt", WithGroups(2));
    context.flags.text[12] = ToCp932(QStringLiteral("鍵を拾った回数")).value();

    EventCommandEditor e(context);
    e.move(20, 20);
    e.show();
    QApplication::processEvents();
    MapView& view = *context.mapView;
    ASSERT_TRUE(view.IsOpen());
    EXPECT_TRUE(view.IsShown());
    EXPECT_EQ(view.state().map.width, test::kVillageWidth);
    // The map view stands inside the screen and leaves the group chooser free.
    const QRect chooser(e.groupChoice()->mapToGlobal(QPoint(0, 0)), e.groupChoice()->size());
    EXPECT_FALSE(view.window()->frameGeometry().intersects(chooser));
    EXPECT_TRUE(e.screen()->availableGeometry().contains(view.window()->frameGeometry()));
    e.showBox()->click();
    EXPECT_FALSE(view.IsShown());
    e.showBox()->click();
    EXPECT_TRUE(view.IsShown());
    e.sceneChoice()->setCurrentIndex(1);  // no map file: nothing drawn
    EXPECT_EQ(view.state().map.width, 0);
    e.sceneChoice()->setCurrentIndex(0);
    EXPECT_EQ(e.groupChoice()->itemText(1), QStringLiteral("1 — 村長の家"));
    e.groupChoice()->setCurrentIndex(1);
    QTextCursor cursor(e.textField()->document());
    cursor.movePosition(QTextCursor::End);
    e.textField()->setTextCursor(cursor);

    test::OnNextModal<QDialog>([&](QDialog* d) {
        EXPECT_EQ(view.state().map.width, 0);  // released while the dialog is open
        SetFlag(d, 12, 1, "1");
        d->move(e.frameGeometry().right() - 60, e.y() + 330);
        QApplication::processEvents();
        Ok(d);
    });
    test::ChooseEntryByKeys(e.commandMenu(), 13);
    EXPECT_EQ(Text(e), QStringLiteral("face 2\n? flag12 >= 3\nmessage 4\n!\nend\nflag12 + 1"));
    EXPECT_EQ(view.state().map.width, test::kVillageWidth);  // shown again after the dialog
    Click(e.cancelButton());
    EXPECT_FALSE(view.IsOpen());
}

}  // namespace
}  // namespace lw
