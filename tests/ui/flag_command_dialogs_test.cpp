// The flag command dialogs through their widgets: the exact line of each, the checks on OK that
// keep the dialog open, the flag explanation shown read-only or edited into the table, and the
// table's commands being keywords or having their dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>

#include "support/qt/command_dialog_driver.h"

namespace lw {
namespace {

using Kind = EventCommandKind;

class FlagCommandDialogTest : public test::CommandDialogTest {
protected:
    static QComboBox* Flag(QDialog* d) { return Combo(d, "ｲﾍﾞﾝﾄﾌﾗｸﾞ"); }
    static QLineEdit* Explanation(QDialog* d) { return Edit(d, "説明"); }
};

TEST_F(FlagCommandDialogTest, TheBranchAsksForAFlagAndAComparisonThenBuildsItsLine) {
    context.flags.text[12] = "\x8C\xAE";  // "鍵"
    EXPECT_EQ(Run(Kind::ConditionalBranch,
                  [&](QDialog* d) {
                      EXPECT_EQ(d->windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(条件分岐)"));
                      EXPECT_EQ(Flag(d)->count(), 4096);
                      EXPECT_EQ(Flag(d)->itemText(4095), QStringLiteral("4095"));
                      EXPECT_EQ(Combo(d, "不等号")->itemText(5), QStringLiteral("≧"));
                      Choose(Flag(d), 12);
                      EXPECT_EQ(Explanation(d)->text(), QStringLiteral("鍵"));
                      EXPECT_TRUE(Explanation(d)->isReadOnly());
                      EXPECT_EQ(OkWarning(d), QStringLiteral("不等号を選択してください"));
                      Choose(Combo(d, "不等号"), 5);
                      // Digits only, and at most nine: a tenth is refused.
                      Type(Edit(d, "数値"), QStringLiteral("x1234567890"));
                      EXPECT_EQ(Edit(d, "数値")->text(), QStringLiteral("123456789"));
                      Ok(d);
                  }),
              "? flag12 >= 123456789");
}

TEST_F(FlagCommandDialogTest, TheFlagIsFoundByItsExplanationAndEnterChoosesIt) {
    context.flags.text[300] = "\x94\xE0\x82\xF0\x8A\x4A\x82\xAF\x82\xBD";  // "扉を開けた"
    Run(Kind::SetFlag, [&](QDialog* d) {
        EXPECT_EQ(Flag(d)->itemText(300), QStringLiteral("300 — 扉を開けた"));
        QLineEdit* filter = Edit(d, "ﾌﾗｸﾞの絞り込み");
        Type(filter, QStringLiteral("扉"));
        QTest::keyClick(filter, Qt::Key_Return);
        EXPECT_EQ(Flag(d)->currentIndex(), 300);
        EXPECT_EQ(Explanation(d)->text(), QStringLiteral("扉を開けた"));
        // An explanation typed here renames the entry.
        Type(Explanation(d), QStringLiteral("扉"));
        EXPECT_EQ(Flag(d)->itemText(300), QStringLiteral("300 — 扉"));
        Cancel(d);
    });
}

TEST_F(FlagCommandDialogTest, AnEditedExplanationGoesIntoTheTableEvenOnCancelAndAnUntouchedOneIsKept) {
    context.flags.text[3] = "\x81\x7F odd";  // bytes that do not decode
    context.flags.text[4] = "four";
    Run(Kind::SetFlag, [&](QDialog* d) {
        Choose(Flag(d), 3);
        EXPECT_FALSE(Explanation(d)->isReadOnly());
        Choose(Flag(d), 4);  // untouched: the odd bytes stay
        EXPECT_EQ(context.flags.text[3], "\x81\x7F odd");
        Type(Explanation(d), QStringLiteral("扉の鍵"));
        Choose(Flag(d), 5);  // leaving the flag stores what was typed
        EXPECT_EQ(context.flags.text[4], ToCp932(QStringLiteral("扉の鍵")).value());
        // Leaving the field stores it at once.
        Type(Explanation(d), QStringLiteral("five"));
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(Explanation(d), &out);
        EXPECT_EQ(context.flags.text[5], "five");
        // Cancel keeps what is being typed.
        Type(Explanation(d), QStringLiteral("5"));
        Cancel(d);
    });
    EXPECT_EQ(context.flags.text[5], "5");

    // The field keeps at most 255 bytes: typing beyond is refused, never cut away later.
    EXPECT_EQ(Run(Kind::LevelToFlag,
                  [&](QDialog* d) {
                      Choose(Flag(d), 6);
                      Type(Explanation(d), QString(127, QChar(0x3042)) + QStringLiteral("ab"));
                      EXPECT_EQ(Explanation(d)->text(), QString(127, QChar(0x3042)) + QStringLiteral("a"));
                      Ok(d);
                  }),
              "num_level flag6");
    EXPECT_EQ(context.flags.text[6].size(), 255u);
}

// Every command of the menu is either a keyword inserted at once or has its dialog.
TEST_F(FlagCommandDialogTest, EveryCommandIsAKeywordOrHasItsDialog) {
    for (int i = 0; i < kEventCommandCount; ++i) {
        const auto kind = static_cast<EventCommandKind>(i);
        EXPECT_NE(BuildKeywordCommand(kind).has_value(), EventCommandRunner(kind) != nullptr) << i;
    }
}

}  // namespace
}  // namespace lw
