#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｱｲﾃﾑの追加/削除)": an item of the whole item list, added ("+ (加算)") or removed
// ("- (減算)"), a count 0..1024 and how it changes hands ("授受" given and received, the default,
// or "売買" bought and sold); line "item%d %s%d %d" (removing two of item 7 by sale: "item7 -2 1").
// OK says "ｱｲﾃﾑを選択してください" without an item, then "符号を選択してください" without a
// direction, and stays open.

#include <vector>

#include "core/rules/items.h"
#include "editors/events/command_dialog.h"

namespace lw {

class AddRemoveItemsDialog : public CommandDialog {
    Q_OBJECT
public:
    // Does not open when item_list.txt exists but could not be read.
    AddRemoveItemsDialog(EditorContext& context, QWidget* parent = nullptr);

    QComboBox* itemChoice() const { return item_; }
    // "+ (加算)" (id 0) and "- (減算)" (id 1), neither checked at first.
    QButtonGroup* signChoice() const { return sign_; }
    NumberSpin* countField() const { return count_; }
    QButtonGroup* tradeChoice() const { return trade_; }

protected:
    std::optional<std::string> Build() override;

private:
    std::vector<ItemChoice> items_;
    QComboBox* item_;
    QButtonGroup* sign_;
    NumberSpin* count_;
    QButtonGroup* trade_;
};

}  // namespace lw
