#include "editors/events/equip_dialog.h"

#include <QComboBox>

#include "app/editor_context.h"
#include "app/language.h"
#include "app/services.h"
#include "core/events/event_commands.h"
#include "core/events/list_command_choices.h"
#include "editors/events/command_context.h"

namespace lw {

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

}  // namespace lw
