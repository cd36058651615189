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
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <vector>

#include "app/editor_context.h"
#include "app/language.h"
#include "app/services.h"
#include "core/events/command_dialog_rules.h"
#include "core/events/event_commands.h"
#include "core/events/list_command_choices.h"
#include "core/rules/items.h"
#include "core/rules/magic.h"
#include "core/settings/game_settings.h"
#include "editors/events/command_context.h"
#include "editors/events/command_dialog.h"
#include "widgets/number_spin.h"
#include "widgets/record_names_ui.h"

namespace lw {

namespace {

// "+ (加算)" and "- (減算)", in the order of AmountSign.
std::vector<QString> SignLabels() {
    return {CoreText(AmountSignLabel(AmountSign::Plus)), CoreText(AmountSignLabel(AmountSign::Minus))};
}

// The radio ids of the learning choice: "可" writes 1, "不可" 0.
constexpr int kMayLearn = 0;
constexpr int kMayNotLearn = 1;

class AddRemoveItemsDialog : public CommandDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::AddRemoveItemsDialog)
public:
    AddRemoveItemsDialog(EditorContext& context, QWidget* parent)
        : CommandDialog(context, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｱｲﾃﾑの追加/削除)"), parent) {
        NeedList(kItemFile, LoadItemChoices(context_.project, kAnyItemKind, items_));
        item_ = AddChoice(tr("ｱｲﾃﾑ"), 24, ItemChoiceTexts(names(), items_));
        // The direction stands beside the count, as the line writes it: "-2".
        QHBoxLayout* values = AddLine();
        sign_ = AddRadios(QString(), SignLabels(), -1, values);
        count_ = AddNumber(tr("個数"), 0, kItemCountMax, 1, values, 1);
        trade_ = AddRadios(tr("取引方法"),
                           {CoreText(ItemTradeLabel(ItemTrade::GiveAndReceive)), CoreText(ItemTradeLabel(ItemTrade::BuyAndSell))},
                           static_cast<int>(ItemTrade::GiveAndReceive));
        AddButtons();
    }

private:
    std::optional<std::string> Build() override {
        const int count = count_->TakenValue();
        const int row = item_->currentIndex();
        if (row < 0 || row >= static_cast<int>(items_.size())) return Refuse(tr("ｱｲﾃﾑを選択してください"));
        const int sign = sign_->checkedId();
        if (sign < 0) return Refuse(tr("符号を選択してください"));
        const auto trade = trade_->checkedId() == static_cast<int>(ItemTrade::BuyAndSell) ? ItemTrade::BuyAndSell
                                                                                          : ItemTrade::GiveAndReceive;
        return BuildAddRemoveItems(items_[static_cast<std::size_t>(row)].index, static_cast<AmountSign>(sign), count, trade);
    }

    std::vector<ItemChoice> items_;
    QComboBox* item_;
    QButtonGroup* sign_;
    NumberSpin* count_;
    QButtonGroup* trade_;
};

class EquipDialog : public CommandDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::EquipDialog)
public:
    EquipDialog(EditorContext& context, QWidget* parent)
        : CommandDialog(context, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(装備の設定・解除)"), parent) {
        FileBytes file = ReadFileBytes(DataFilePath(context_.project, kItemFile), kListFileCeiling);
        NeedList(kItemFile, file.status);
        if (file.status == ReadStatus::Ok) itemListBytes_ = std::move(file.bytes);

        QStringList kinds;
        for (int i = 0; i < kEquipmentKindCount; ++i) kinds << CoreText(EquipmentKindLabel(static_cast<EquipmentKind>(i)));
        kind_ = AddChoice(tr("装備の種別"), 0, kinds);
        item_ = AddChoice(tr("装備するｱｲﾃﾑ"), 24);
        AddButtons();
        connect(kind_, &QComboBox::currentIndexChanged, this, [this] { FillItems(); });
    }

private:
    void FillItems() {
        items_.clear();
        item_->clear();
        const int kind = kind_->currentIndex();
        if (kind < 0) return;
        items_ = EquipmentItemChoices(itemListBytes_, static_cast<EquipmentKind>(kind));
        item_->addItem(tr("なし"));
        for (const ItemChoice& choice : items_) item_->addItem(FromCp932(choice.name));
        item_->setCurrentIndex(0);
    }
    std::optional<std::string> Build() override {
        if (kind_->currentIndex() < 0) return Refuse(tr("装備の種別を選択してください"));
        return BuildEquip(static_cast<EquipmentKind>(kind_->currentIndex()), EquipItemAt(items_, item_->currentIndex()));
    }

    std::string itemListBytes_;
    std::vector<ItemChoice> items_;  // the items of the chosen kind, in list order
    QComboBox* kind_;
    QComboBox* item_;
};

class AbilityUpDialog : public CommandDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::AbilityUpDialog)
public:
    AbilityUpDialog(EditorContext& context, QWidget* parent) : CommandDialog(context, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(能力値ｱｯﾌﾟ)"), parent) {
        // The range comes from the file as it is now; the shared settings are left as they are.
        GameSettings settings;
        NeedList(kSettingFile, LoadGameSettings(context_.project, settings));
        const int limit = AbilityUpLimit(settings.abilityMax);

        QStringList abilities;
        for (int i = 0; i < kAbilityCount; ++i) abilities << CoreText(AbilityLabel(static_cast<Ability>(i)));
        ability_ = AddChoice(tr("能力"), 12, abilities);
        amount_ = AddNumber(tr("上昇値"), -limit, limit, 0);
        AddButtons();
    }

private:
    std::optional<std::string> Build() override {
        const int amount = amount_->TakenValue();
        if (ability_->currentIndex() < 0) return Refuse(tr("能力を選択してください"));
        return BuildAbilityUp(static_cast<Ability>(ability_->currentIndex()), amount);
    }

    QComboBox* ability_;
    NumberSpin* amount_;
};

class MagicLearnFlagDialog : public CommandDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::MagicLearnFlagDialog)
public:
    MagicLearnFlagDialog(EditorContext& context, QWidget* parent)
        : CommandDialog(context, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(魔法修得可能ﾌﾗｸﾞ)"), parent) {
        std::vector<std::string> names;
        NeedList(kMagicFile, LoadMagicNames(context_.project, names), true);
        magic_ = AddChoice(tr("魔法"), 24, Cp932Texts(names));
        learning_ = AddRadios(tr("修得"), {tr("可"), tr("不可")}, kMayLearn);
        AddButtons();
    }

private:
    std::optional<std::string> Build() override {
        if (magic_->currentIndex() < 0) return Refuse(tr("魔法を選択してください"));
        return BuildMagicLearnFlag(magic_->currentIndex(), learning_->checkedId() != kMayNotLearn);
    }

    QComboBox* magic_;
    QButtonGroup* learning_;
};

class ChangeMoneyCommandDialog : public CommandDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::ChangeMoneyCommandDialog)
public:
    ChangeMoneyCommandDialog(CommandContext& context, QWidget* parent)
        : CommandDialog(context.editor, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(所持金の増減)"), parent) {
        QHBoxLayout* values = AddLine();
        const auto signs = AddRadioColumn(QString(), SignLabels(), values);
        plus_ = signs[0];
        minus_ = signs[1];
        QGroupBox* amountBox = AddBox(tr("金額"), values, 1);
        amount_ = new QLineEdit(amountBox);
        amount_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), amount_));
        amount_->setMaxLength(kAmountDigits);
        Row(amountBox)->addWidget(amount_);

        done_ = AddGroup(tr("終了時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations);
        short_ = AddGroup(tr("所持金不足時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations);
        AddButtons();
    }

private:
    std::optional<std::string> Build() override {
        if (!plus_->isChecked() && !minus_->isChecked()) return Refuse(tr("符号を選択してください"));
        const AmountSign sign = minus_->isChecked() ? AmountSign::Minus : AmountSign::Plus;
        return BuildChangeMoney(sign, DigitsFieldValue(amount_->text().toStdString()), done_->value(), short_->value());
    }

    // Digits only; ten of them reach past the largest amount, which the field then keeps.
    static constexpr int kAmountDigits = 10;
    QRadioButton* plus_;
    QRadioButton* minus_;
    QLineEdit* amount_;
    GroupChooser* done_;
    GroupChooser* short_;
};

}  // namespace

std::optional<std::string> RunPartyCommand(CommandContext& context, EventCommandKind kind, QWidget* parent) {
    switch (kind) {
        case EventCommandKind::AbilityUp: return RunCommandDialog<AbilityUpDialog>(context.editor, parent);
        case EventCommandKind::Equip: return RunCommandDialog<EquipDialog>(context.editor, parent);
        case EventCommandKind::AddRemoveItems: return RunCommandDialog<AddRemoveItemsDialog>(context.editor, parent);
        case EventCommandKind::MagicLearnFlag: return RunCommandDialog<MagicLearnFlagDialog>(context.editor, parent);
        default: return RunCommandDialog<ChangeMoneyCommandDialog>(context, parent);
    }
}

}  // namespace lw
