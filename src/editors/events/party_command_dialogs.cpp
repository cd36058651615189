#include "editors/events/party_command_dialogs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "app/editor_context.h"
#include "app/language.h"
#include "app/services.h"
#include "core/events/command_dialog_rules.h"
#include "core/events/event_commands.h"
#include "core/events/list_command_choices.h"
#include "core/rules/magic.h"
#include "core/settings/game_settings.h"
#include "editors/events/command_context.h"
#include "editors/events/group_chooser.h"
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

}  // namespace

// ---- Items ---------------------------------------------------------------------------------------

AddRemoveItemsDialog::AddRemoveItemsDialog(EditorContext& context, QWidget* parent)
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

std::optional<std::string> AddRemoveItemsDialog::Build() {
    const int count = count_->TakenValue();
    const int row = item_->currentIndex();
    if (row < 0 || row >= static_cast<int>(items_.size())) return Refuse(tr("ｱｲﾃﾑを選択してください"));
    const int sign = sign_->checkedId();
    if (sign < 0) return Refuse(tr("符号を選択してください"));
    const auto trade = trade_->checkedId() == static_cast<int>(ItemTrade::BuyAndSell) ? ItemTrade::BuyAndSell
                                                                                      : ItemTrade::GiveAndReceive;
    return BuildAddRemoveItems(items_[static_cast<std::size_t>(row)].index, static_cast<AmountSign>(sign), count, trade);
}

// ---- Equipment -----------------------------------------------------------------------------------

EquipDialog::EquipDialog(EditorContext& context, QWidget* parent)
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

void EquipDialog::FillItems() {
    items_.clear();
    item_->clear();
    const int kind = kind_->currentIndex();
    if (kind < 0) return;
    items_ = EquipmentItemChoices(itemListBytes_, static_cast<EquipmentKind>(kind));
    item_->addItem(tr("なし"));
    for (const ItemChoice& choice : items_) item_->addItem(FromCp932(choice.name));
    item_->setCurrentIndex(0);
}

int EquipDialog::chosenItem() const { return EquipItemAt(items_, item_->currentIndex()); }

std::optional<std::string> EquipDialog::Build() {
    if (kind_->currentIndex() < 0) return Refuse(tr("装備の種別を選択してください"));
    return BuildEquip(static_cast<EquipmentKind>(kind_->currentIndex()), chosenItem());
}

// ---- Abilities -----------------------------------------------------------------------------------

AbilityUpDialog::AbilityUpDialog(EditorContext& context, QWidget* parent)
    : CommandDialog(context, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(能力値ｱｯﾌﾟ)"), parent) {
    // The range comes from the file as it is now; the shared settings are left as they are.
    GameSettings settings;
    NeedList(kSettingFile, LoadGameSettings(context_.project, settings));
    limit_ = AbilityUpLimit(settings.abilityMax);

    QStringList abilities;
    for (int i = 0; i < kAbilityCount; ++i) abilities << CoreText(AbilityLabel(static_cast<Ability>(i)));
    ability_ = AddChoice(tr("能力"), 12, abilities);
    amount_ = AddNumber(tr("上昇値"), -limit_, limit_, 0);
    AddButtons();
}

std::optional<std::string> AbilityUpDialog::Build() {
    const int amount = amount_->TakenValue();
    if (ability_->currentIndex() < 0) return Refuse(tr("能力を選択してください"));
    return BuildAbilityUp(static_cast<Ability>(ability_->currentIndex()), amount);
}

// ---- Magic ---------------------------------------------------------------------------------------

MagicLearnFlagDialog::MagicLearnFlagDialog(EditorContext& context, QWidget* parent)
    : CommandDialog(context, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(魔法修得可能ﾌﾗｸﾞ)"), parent) {
    std::vector<std::string> names;
    NeedList(kMagicFile, LoadMagicNames(context_.project, names), true);
    magic_ = AddChoice(tr("魔法"), 24, Cp932Texts(names));
    learning_ = AddRadios(tr("修得"), {tr("可"), tr("不可")}, kMayLearn);
    AddButtons();
}

std::optional<std::string> MagicLearnFlagDialog::Build() {
    if (magic_->currentIndex() < 0) return Refuse(tr("魔法を選択してください"));
    return BuildMagicLearnFlag(magic_->currentIndex(), learning_->checkedId() != kMayNotLearn);
}

// ---- Money ---------------------------------------------------------------------------------------

ChangeMoneyCommandDialog::ChangeMoneyCommandDialog(CommandContext& context, QWidget* parent)
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

std::optional<std::string> ChangeMoneyCommandDialog::Build() {
    if (!plus_->isChecked() && !minus_->isChecked()) return Refuse(tr("符号を選択してください"));
    const AmountSign sign = minus_->isChecked() ? AmountSign::Minus : AmountSign::Plus;
    return BuildChangeMoney(sign, DigitsFieldValue(amount_->text().toStdString()), done_->value(), short_->value());
}

}  // namespace lw
