#include "editors/events/add_remove_items_dialog.h"
#include "app/language.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/event_commands.h"
#include "editors/events/command_context.h"
#include "editors/events/list_command_support.h"
#include "widgets/dialog_buttons.h"
#include "widgets/number_spin.h"

namespace lw {

AddRemoveItemsDialog::AddRemoveItemsDialog(EditorContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setWindowTitle(tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｱｲﾃﾑの追加/削除)"));
    opened_ = ListFileUsable(context_, parent, kItemFile, LoadItemChoices(context_.project, kAnyItemKind, items_), false);

    auto* layout = new QVBoxLayout(this);
    auto* itemBox = new QGroupBox(tr("ｱｲﾃﾑ"), this);
    auto* itemRow = new QHBoxLayout(itemBox);
    item_ = new QComboBox(itemBox);
    item_->setMinimumContentsLength(24);
    item_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (const ItemChoice& choice : items_) item_->addItem(FromCp932(choice.name));
    item_->setCurrentIndex(-1);
    itemRow->addWidget(item_, 1);
    layout->addWidget(itemBox);

    // The direction stands beside the count, as the line writes it: "-2".
    auto* values = new QHBoxLayout();
    auto* signBox = new QGroupBox(this);
    sign_ = AddRadioRow(signBox,
                        {CoreText(AmountSignLabel(AmountSign::Plus)),
                         CoreText(AmountSignLabel(AmountSign::Minus))},
                        -1);
    auto* countBox = new QGroupBox(tr("個数"), this);
    auto* countRow = new QHBoxLayout(countBox);
    count_ = new NumberSpin(0, kItemCountMax, 1, countBox);
    countRow->addWidget(count_, 1);
    values->addWidget(signBox);
    values->addWidget(countBox, 1);
    layout->addLayout(values);

    auto* tradeBox = new QGroupBox(tr("取引方法"), this);
    trade_ = AddRadioRow(tradeBox,
                         {CoreText(ItemTradeLabel(ItemTrade::GiveAndReceive)),
                          CoreText(ItemTradeLabel(ItemTrade::BuyAndSell))},
                         static_cast<int>(ItemTrade::GiveAndReceive));
    layout->addWidget(tradeBox);

    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);
}

void AddRemoveItemsDialog::accept() {
    const int count = count_->TakenValue();
    const int row = item_->currentIndex();
    if (row < 0 || row >= static_cast<int>(items_.size())) {
        WarnCommand(context_, this, tr("ｱｲﾃﾑを選択してください"));
        return;
    }
    const int sign = sign_->checkedId();
    if (sign < 0) {
        WarnCommand(context_, this, tr("符号を選択してください"));
        return;
    }
    const auto trade = trade_->checkedId() == static_cast<int>(ItemTrade::BuyAndSell) ? ItemTrade::BuyAndSell
                                                                                      : ItemTrade::GiveAndReceive;
    line_ = BuildAddRemoveItems(items_[static_cast<std::size_t>(row)].index, static_cast<AmountSign>(sign),
                                count, trade);
    done(QDialog::Accepted);
}

std::optional<std::string> RunAddRemoveItemsDialog(CommandContext& context, QWidget* parent) {
    AddRemoveItemsDialog dialog(context.editor, parent);
    if (!dialog.opened()) return std::nullopt;
    return RunForLine(dialog);
}

}  // namespace lw
