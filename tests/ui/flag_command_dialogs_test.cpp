// The flag command dialogs through their widgets: the exact line of each, the checks on OK that
// keep the dialog open, the flag explanation shown read-only or edited into the table, and the
// command table's keyword commands and shared dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>

#include "editors/events/flag_chooser.h"
#include "editors/events/flag_command_dialogs.h"
#include "editors/events/shared_command_dialogs.h"
#include "support/qt/command_dialog_driver.h"
#include "widgets/list_filter.h"

namespace lw {
namespace {

using Kind = FlagCommandDialog::Kind;

class FlagCommandDialogTest : public test::CommandDialogTest {};

TEST_F(FlagCommandDialogTest, TheBranchAsksForAFlagAndAComparisonThenBuildsItsLine) {
    context.flags.text[12] = "\x8C\xAE";  // "鍵"
    FlagCommandDialog d(command, Kind::ConditionalBranch);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(条件分岐)"));
    EXPECT_EQ(d.flagChooser()->flagChoice()->count(), 4096);
    EXPECT_EQ(d.flagChooser()->flagChoice()->itemText(4095), QStringLiteral("4095"));
    EXPECT_EQ(d.operatorChoice()->itemText(5), QStringLiteral("≧"));

    EXPECT_EQ(OkMessage(d), QStringLiteral("ﾌﾗｸﾞ番号を選択してください"));
    EXPECT_EQ(services.messages.back().icon, MessageIcon::Warning);
    d.flagChooser()->flagChoice()->setCurrentIndex(12);
    EXPECT_EQ(d.flagChooser()->explanation()->text(), QStringLiteral("鍵"));
    EXPECT_TRUE(d.flagChooser()->explanation()->isReadOnly());
    EXPECT_EQ(OkMessage(d), QStringLiteral("不等号を選択してください"));
    EXPECT_TRUE(d.line().empty());

    d.operatorChoice()->setCurrentIndex(5);
    Type(d.valueField(), QStringLiteral("x3"));  // digits only
    EXPECT_EQ(d.valueField()->text(), QStringLiteral("3"));
    EXPECT_EQ(OkMessage(d), QString());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.line(), "? flag12 >= 3");
}

TEST_F(FlagCommandDialogTest, TheFlagIsFoundByItsExplanationAndEnterChoosesIt) {
    context.flags.text[300] = "\x94\xE0\x82\xF0\x8A\x4A\x82\xAF\x82\xBD";  // "扉を開けた"
    FlagCommandDialog d(command, Kind::SetFlag);
    FlagChooser* chooser = d.flagChooser();
    EXPECT_EQ(chooser->flagChoice()->itemText(300), QStringLiteral("300 — 扉を開けた"));
    ASSERT_NE(chooser->filter(), nullptr);
    Type(chooser->filter()->field(), QStringLiteral("扉"));
    EXPECT_EQ(chooser->filter()->shownCount(), 1);
    QTest::keyClick(chooser->filter()->field(), Qt::Key_Return);
    EXPECT_EQ(chooser->flag(), 300);
    EXPECT_EQ(chooser->explanation()->text(), QStringLiteral("扉を開けた"));
    // An explanation typed here renames the entry.
    Type(chooser->explanation(), QStringLiteral("扉"));
    chooser->StoreExplanation();
    EXPECT_EQ(chooser->flagChoice()->itemText(300), QStringLiteral("300 — 扉"));
}

TEST_F(FlagCommandDialogTest, SettingAFlagBuildsEachOperationAndAnEmptyNumberIsZero) {
    struct Case {
        int op;
        const char* value;
        std::string line;
    };
    for (const Case& c : {Case{1, "5", "flag0 + 5"}, Case{0, "5", "flag0 = 5"}, Case{2, "", "flag0 - 0"},
                          Case{0, "999999999", "flag0 = 999999999"}}) {
        FlagCommandDialog d(command, Kind::SetFlag);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ﾌﾗｸﾞに数値を設定)"));
        d.flagChooser()->flagChoice()->setCurrentIndex(0);
        EXPECT_EQ(OkMessage(d), QStringLiteral("符号を選択してください"));
        d.operatorChoice()->setCurrentIndex(c.op);
        Type(d.valueField(), QString::fromLatin1(c.value));
        EXPECT_EQ(OkMessage(d), QString());
        EXPECT_EQ(d.line(), c.line);
    }
    FlagCommandDialog d(command, Kind::SetFlag);
    EXPECT_EQ(d.operatorChoice()->itemText(2), QStringLiteral("- (減算)"));
    Type(d.valueField(), QStringLiteral("1234567890"));  // a tenth digit is refused
    EXPECT_EQ(d.valueField()->text(), QStringLiteral("123456789"));
}

TEST_F(FlagCommandDialogTest, AnEditedExplanationGoesIntoTheTableEvenOnCancelAndAnUntouchedOneIsKept) {
    context.flags.text[3] = "\x81\x7F odd";  // bytes that do not decode
    context.flags.text[4] = "four";
    {
        FlagCommandDialog d(command, Kind::SetFlag);
        d.flagChooser()->setFlag(3);
        EXPECT_FALSE(d.flagChooser()->explanation()->isReadOnly());
        d.flagChooser()->setFlag(4);  // untouched: the odd bytes stay
        EXPECT_EQ(context.flags.text[3], "\x81\x7F odd");
        Type(d.flagChooser()->explanation(), QStringLiteral("扉の鍵"));
        d.flagChooser()->setFlag(5);  // leaving the flag stores what was typed
        EXPECT_EQ(context.flags.text[4], ToCp932(QStringLiteral("扉の鍵")).value());
        // Leaving the field stores it at once.
        Type(d.flagChooser()->explanation(), QStringLiteral("five"));
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(d.flagChooser()->explanation(), &out);
        EXPECT_EQ(context.flags.text[5], "five");
        // Cancel keeps what is being typed.
        Type(d.flagChooser()->explanation(), QStringLiteral("5"));
        Click(d.cancelButton());
    }
    EXPECT_EQ(context.flags.text[5], "5");

    // The field keeps at most 255 bytes: typing beyond is refused, never cut away later.
    FlagCommandDialog d(command, Kind::LevelToFlag);
    d.flagChooser()->setFlag(6);
    Type(d.flagChooser()->explanation(), QString(127, QChar(0x3042)) + QStringLiteral("ab"));
    EXPECT_EQ(d.flagChooser()->explanation()->text(), QString(127, QChar(0x3042)) + QStringLiteral("a"));
    EXPECT_EQ(OkMessage(d), QString());
    EXPECT_EQ(context.flags.text[6].size(), 255u);
    EXPECT_EQ(d.line(), "num_level flag6");
}

TEST_F(FlagCommandDialogTest, TheValueIntoFlagDialogsBuildTheirLinesAndTheItemCountNeedsAnItem) {
    FlagCommandDialog money(command, Kind::MoneyToFlag);
    EXPECT_EQ(money.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(所持金額を設定)"));
    EXPECT_EQ(money.operatorChoice(), nullptr);
    EXPECT_EQ(OkMessage(money), QStringLiteral("ﾌﾗｸﾞ番号を選択してください"));
    money.flagChooser()->setFlag(4095);
    EXPECT_EQ(OkMessage(money), QString());
    EXPECT_EQ(money.line(), "num_money flag4095");

    std::vector<Item> list(3);
    list[0].name = "herb";
    list[1].name = "sword";
    list[1].kind = 1;
    list[2].name = "key";
    list[2].kind = 4;
    tp.WriteData("item_list.txt", ItemListBytes(list));
    FlagCommandDialog items(command, Kind::ItemCountToFlag);
    EXPECT_EQ(items.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｱｲﾃﾑ所持数をﾌﾗｸﾞに設定)"));
    ASSERT_TRUE(items.opened());
    ASSERT_EQ(items.itemChoice()->count(), 3);
    EXPECT_EQ(items.itemChoice()->itemText(2), QStringLiteral("key (その他の装備品)"));
    items.flagChooser()->setFlag(7);
    EXPECT_EQ(OkMessage(items), QStringLiteral("ｱｲﾃﾑを選択してください"));
    items.itemChoice()->setCurrentIndex(2);
    EXPECT_EQ(OkMessage(items), QString());
    EXPECT_EQ(items.line(), "num_item flag7 item2");
}

TEST_F(FlagCommandDialogTest, TheMenuInsertsKeywordsAtOnceAndRunsTheSharedDialogsInEventMode) {
    EXPECT_EQ(BuildEventCommand(command, EventCommandKind::Fade, nullptr), "fade");
    EXPECT_EQ(BuildEventCommand(command, EventCommandKind::EndBranch, nullptr), "!");
    // Every command is either a keyword inserted at once or has its dialog.
    for (int i = 0; i < kEventCommandCount; ++i) {
        const auto kind = static_cast<EventCommandKind>(i);
        EXPECT_NE(BuildKeywordCommand(kind).has_value(), EventCommandRunner(kind) != nullptr) << i;
    }

    EXPECT_EQ(Run<AudioCommandDialog>(EventCommandKind::PlayBgm,
                                      [](AudioCommandDialog* d) {
                                          EXPECT_EQ(d->windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(BGM再生)"));
                                          d->okButton()->click();
                                      }),
              "midi -1");
    EXPECT_EQ(Run<FlagCommandDialog>(EventCommandKind::SetFlag, [](FlagCommandDialog* d) { d->cancelButton()->click(); }),
              std::nullopt);
    EXPECT_TRUE(services.messages.empty());
}

}  // namespace
}  // namespace lw
