#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(装備の設定・解除)": an equipment kind and the item to equip in it, line
// "equip %d item%d". "装備するｱｲﾃﾑ" lists "なし" then the items of item_list.txt of the chosen kind
// (refilled, "なし" chosen, whenever the kind changes); the line carries the item's position in the
// whole list, -1 for "なし" (the equipment of that kind is taken off). OK without a kind says
// "装備の種別を選択してください" and stays open.

#include <vector>

#include "core/rules/items.h"
#include "editors/events/command_dialog.h"

namespace lw {

class EquipDialog : public CommandDialog {
    Q_OBJECT
public:
    // Does not open when item_list.txt exists but could not be read.
    EquipDialog(EditorContext& context, QWidget* parent = nullptr);

    // The item the current choice writes (-1 for "なし" or no choice).
    int chosenItem() const;

    QComboBox* kindChoice() const { return kind_; }
    QComboBox* itemChoice() const { return item_; }

protected:
    std::optional<std::string> Build() override;

private:
    void FillItems();

    std::string itemListBytes_;
    std::vector<ItemChoice> items_;  // the items of the chosen kind, in list order
    QComboBox* kind_;
    QComboBox* item_;
};

}  // namespace lw
