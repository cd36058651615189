#include "editors/events/add_remove_items_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>

#include "app/editor_context.h"
#include "app/language.h"
#include "core/events/event_commands.h"
#include "editors/events/command_context.h"
#include "widgets/record_names_ui.h"
#include "widgets/number_spin.h"

namespace lw {

AddRemoveItemsDialog::AddRemoveItemsDialog(EditorContext& context, QWidget* parent)
    : CommandDialog(context, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｱｲﾃﾑの追加/削除)"), parent) {
    NeedList(kItemFile, LoadItemChoices(context_.project, kAnyItemKind, items_));
    item_ = AddChoice(tr("ｱｲﾃﾑ"), 24, ItemChoiceTexts(names(), items_));
    // The direction stands beside the count, as the line writes it: "-2".
    QHBoxLayout* values = AddLine();
    sign_ = AddRadios(QString(),
                      {CoreText(AmountSignLabel(AmountSign::Plus)), CoreText(AmountSignLabel(AmountSign::Minus))}, -1,
                      values);
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

}  // namespace lw
