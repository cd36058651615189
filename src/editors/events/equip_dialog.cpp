#include "editors/events/equip_dialog.h"
#include "app/language.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/event_commands.h"
#include "core/events/list_command_choices.h"
#include "editors/events/command_context.h"
#include "editors/events/list_command_support.h"
#include "widgets/dialog_buttons.h"

namespace lw {

EquipDialog::EquipDialog(EditorContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setWindowTitle(tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(装備の設定・解除)"));
    FileBytes file = ReadFileBytes(DataFilePath(context_.project, kItemFile), kListFileCeiling);
    opened_ = ListFileUsable(context_, parent, kItemFile, file.status, false);
    if (file.status == ReadStatus::Ok) itemListBytes_ = std::move(file.bytes);

    auto* layout = new QVBoxLayout(this);
    auto* kindBox = new QGroupBox(tr("装備の種別"), this);
    auto* kindRow = new QHBoxLayout(kindBox);
    kind_ = new QComboBox(kindBox);
    for (int i = 0; i < kEquipmentKindCount; ++i)
        kind_->addItem(CoreText(EquipmentKindLabel(static_cast<EquipmentKind>(i))));
    kind_->setCurrentIndex(-1);
    kindRow->addWidget(kind_, 1);
    layout->addWidget(kindBox);

    auto* itemBox = new QGroupBox(tr("装備するｱｲﾃﾑ"), this);
    auto* itemRow = new QHBoxLayout(itemBox);
    item_ = new QComboBox(itemBox);
    item_->setMinimumContentsLength(24);
    item_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    itemRow->addWidget(item_, 1);
    layout->addWidget(itemBox);

    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);

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

void EquipDialog::accept() {
    if (kind_->currentIndex() < 0) {
        WarnCommand(context_, this, tr("装備の種別を選択してください"));
        return;
    }
    line_ = BuildEquip(static_cast<EquipmentKind>(kind_->currentIndex()), chosenItem());
    done(QDialog::Accepted);
}

std::optional<std::string> RunEquipDialog(CommandContext& context, QWidget* parent) {
    EquipDialog dialog(context.editor, parent);
    if (!dialog.opened()) return std::nullopt;
    return RunForLine(dialog);
}

}  // namespace lw
