#pragma once
// The command dialogs that change what the party has: items, equipment, abilities, magic, money.
//
//   AddRemoveItemsDialog      "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｱｲﾃﾑの追加/削除)": an item of the whole item list, added
//                             ("+ (加算)") or removed ("- (減算)"), a count 0..1024 and how it changes
//                             hands ("授受" given and received, the default, or "売買" bought and
//                             sold); line "item%d %s%d %d" (removing two of item 7 by sale:
//                             "item7 -2 1"). OK says "ｱｲﾃﾑを選択してください" without an item, then
//                             "符号を選択してください" without a direction.
//   EquipDialog               "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(装備の設定・解除)": an equipment kind and the item to equip in
//                             it, line "equip %d item%d". "装備するｱｲﾃﾑ" lists "なし" then the items of
//                             item_list.txt of the chosen kind (refilled, "なし" chosen, whenever the
//                             kind changes); the line carries the item's position in the whole list,
//                             -1 for "なし" (the equipment of that kind is taken off). OK without a
//                             kind says "装備の種別を選択してください".
//   AbilityUpDialog           "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(能力値ｱｯﾌﾟ)": one of the eight abilities and the amount it
//                             rises by (negative lowers it), line "ability %d %d". The amount runs
//                             from -M to M, M being the basic setting "最大能力値" read from
//                             setting.txt when the dialog opens; a typed amount beyond the range is
//                             taken as its end. OK without an ability says "能力を選択してください".
//   MagicLearnFlagDialog      "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(魔法修得可能ﾌﾗｸﾞ)": a spell of magic_list.txt and whether it
//                             may be learned ("可", the default, or "不可"); line "magic_flag %d %d".
//                             Without magic_list.txt the dialog says "magic_list.txt がありません"
//                             and does not open. OK without a spell says "魔法を選択してください".
//   ChangeMoneyCommandDialog  "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(所持金の増減)": "+ (加算)" or "- (減算)" (neither chosen
//                             at first), "金額" (digits only), and the groups "終了時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"
//                             and "所持金不足時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ". OK refuses a missing sign with
//                             "符号を選択してください" and builds "money %s%d" with the groups chosen.
//
// The dialogs reading item_list.txt or setting.txt do not open when it exists but could not be
// read. A refused OK leaves the dialog open.

#include <vector>

#include "core/rules/items.h"
#include "editors/events/command_dialog.h"

class QLineEdit;
class QRadioButton;

namespace lw {

struct CommandContext;

class AddRemoveItemsDialog : public CommandDialog {
    Q_OBJECT
public:
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

class EquipDialog : public CommandDialog {
    Q_OBJECT
public:
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

class AbilityUpDialog : public CommandDialog {
    Q_OBJECT
public:
    AbilityUpDialog(EditorContext& context, QWidget* parent = nullptr);

    int amountLimit() const { return limit_; }
    QComboBox* abilityChoice() const { return ability_; }
    NumberSpin* amountField() const { return amount_; }

protected:
    std::optional<std::string> Build() override;

private:
    int limit_ = 0;
    QComboBox* ability_;
    NumberSpin* amount_;
};

class MagicLearnFlagDialog : public CommandDialog {
    Q_OBJECT
public:
    MagicLearnFlagDialog(EditorContext& context, QWidget* parent = nullptr);

    QComboBox* magicChoice() const { return magic_; }
    QButtonGroup* learningChoice() const { return learning_; }

protected:
    std::optional<std::string> Build() override;

private:
    QComboBox* magic_;
    QButtonGroup* learning_;
};

class ChangeMoneyCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    ChangeMoneyCommandDialog(CommandContext& context, QWidget* parent = nullptr);

    QRadioButton* plusButton() const { return plus_; }
    QRadioButton* minusButton() const { return minus_; }
    QLineEdit* amountField() const { return amount_; }
    GroupChooser* doneGroup() const { return done_; }
    GroupChooser* shortGroup() const { return short_; }

protected:
    std::optional<std::string> Build() override;

private:
    // Digits only; ten of them reach past the largest amount, which the field then keeps.
    static constexpr int kAmountDigits = 10;
    QRadioButton* plus_;
    QRadioButton* minus_;
    QLineEdit* amount_;
    GroupChooser* done_;
    GroupChooser* short_;
};

}  // namespace lw
