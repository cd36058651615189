#pragma once
// The command dialogs built around an event flag (FlagChooser):
//
//   ConditionalBranch  "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(条件分岐)": "もし" flag (explanation read-only), comparison
//                      "＝" "≠" "＜" "＞" "≦" "≧", "数値", "ならば"       -> "? flag%d %s %d"
//   SetFlag            "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ﾌﾗｸﾞに数値を設定)": flag, "= (代入)" "+ (加算)" "- (減算)",
//                      "数値"                                               -> "flag%d %s %d"
//   ItemCountToFlag    "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｱｲﾃﾑ所持数をﾌﾗｸﾞに設定)": flag, "ｱｲﾃﾑ" -> "num_item flag%d item%d"
//   LevelToFlag        "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(所持金額を設定)": flag                     -> "num_level flag%d"
//   MoneyToFlag        "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(所持金額を設定)": flag                     -> "num_money flag%d"
//
// Except in the branch, the flag's explanation can be edited and goes into the flag explanation
// table at once. Nothing is chosen at first; OK asks for what is missing ("ﾌﾗｸﾞ番号を選択してください",
// "不等号を選択してください", "符号を選択してください", "ｱｲﾃﾑを選択してください") and stays open. The
// number takes digits only (at most nine: the game reads it as a plain integer); empty is 0.

#include <vector>

#include "core/events/event_commands.h"
#include "core/rules/items.h"
#include "editors/events/command_dialog.h"

class QLineEdit;

namespace lw {

struct CommandContext;
class FlagChooser;

class FlagCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    enum class Kind { ConditionalBranch, SetFlag, ItemCountToFlag, LevelToFlag, MoneyToFlag };

    FlagCommandDialog(CommandContext& context, Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }

    FlagChooser* flagChooser() const { return flag_; }
    QComboBox* operatorChoice() const { return operator_; }  // comparison or operation; null otherwise
    QLineEdit* valueField() const { return value_; }         // null without a number
    QComboBox* itemChoice() const { return item_; }          // null but for ItemCountToFlag

protected:
    std::optional<std::string> Build() override;
    // An explanation being typed is kept in the table on Cancel too.
    void Leave() override;

private:
    int Value() const;

    Kind kind_;
    std::vector<ItemChoice> items_;
    FlagChooser* flag_;
    QComboBox* operator_ = nullptr;
    QLineEdit* value_ = nullptr;
    QComboBox* item_ = nullptr;
};

}  // namespace lw
