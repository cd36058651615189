#include "editors/maps/map_size_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <tuple>

#include "app/services.h"
#include "core/world/map_editing.h"
#include "widgets/cp932_validator.h"
#include "widgets/dialog_buttons.h"
#include "widgets/number_spin.h"

namespace lw {

MapSizeDialog::MapSizeDialog(Kind kind, Services* services, std::uint32_t width, std::uint32_t height, int fillChip,
                             const QString& fileName, QWidget* parent)
    : QDialog(parent), kind_(kind), services_(services) {
    setWindowTitle(kind == Kind::New ? tr("ﾏｯﾌﾟ新規作成") : tr("ﾏｯﾌﾟｻｲｽﾞ変更"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    if (kind == Kind::New) {
        name_ = new QLineEdit(fileName, this);
        LimitToCp932(name_, 255);
        name_->setAccessibleName(tr("ﾌｧｲﾙ名"));
        name_->setMinimumWidth(200);
        form->addRow(tr("ﾌｧｲﾙ名"), name_);
    }
    const int side = static_cast<int>(kMaxMapSide);
    width_ = new NumberSpin(1, side, static_cast<int>(std::clamp<std::uint32_t>(width, 1, kMaxMapSide)), this);
    height_ = new NumberSpin(1, side, static_cast<int>(std::clamp<std::uint32_t>(height, 1, kMaxMapSide)), this);
    chip_ = new NumberSpin(0, kMaxChip, std::clamp(fillChip, 0, kMaxChip), this);
    width_->setAccessibleName(tr("幅"));
    height_->setAccessibleName(tr("高さ"));
    const QString chipLabel = kind == Kind::New ? tr("塗るﾁｯﾌﾟ") : tr("新しいｾﾙのﾁｯﾌﾟ");
    chip_->setAccessibleName(chipLabel);
    form->addRow(tr("幅"), width_);
    form->addRow(tr("高さ"), height_);
    form->addRow(chipLabel, chip_);
    layout->addLayout(form);
    auto* row = new QHBoxLayout();
    row->addStretch(1);
    std::tie(ok_, cancel_) = AddDialogButtons(this, row);
    layout->addLayout(row);
}

void MapSizeDialog::Warn(const QString& text) {
    if (services_ != nullptr) services_->ShowMessage(this, Message{.text = text, .icon = MessageIcon::Warning});
}

void MapSizeDialog::accept() {
    widthValue_ = width_->TakenValue();
    heightValue_ = height_->TakenValue();
    chipValue_ = chip_->TakenValue();
    if (name_ != nullptr) {
        const std::optional<std::string> typed = ToCp932(name_->text().trimmed());
        fileName_ = typed ? NewMapFileName(*typed) : std::string();
        if (fileName_.empty()) {
            Warn(tr("ﾌｧｲﾙ名を入力してください（空白、\"/\"、\"\\\" は使えません）。"));
            name_->setFocus();
            return;
        }
    }
    if (!IsMapSizeAllowed(static_cast<std::uint64_t>(widthValue_), static_cast<std::uint64_t>(heightValue_))) {
        Warn(tr("ﾏｯﾌﾟが大きすぎます（幅 × 高さは %1 ｾﾙまでです）。").arg(static_cast<qulonglong>(kMaxMapCells)));
        width_->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace lw
