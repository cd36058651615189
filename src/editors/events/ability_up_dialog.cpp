#include "editors/events/ability_up_dialog.h"
#include "app/language.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "core/events/event_commands.h"
#include "core/events/list_command_choices.h"
#include "core/settings/game_settings.h"
#include "editors/events/command_context.h"
#include "editors/events/list_command_support.h"
#include "widgets/dialog_buttons.h"
#include "widgets/number_spin.h"

namespace lw {

AbilityUpDialog::AbilityUpDialog(EditorContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setWindowTitle(tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(能力値ｱｯﾌﾟ)"));
    // The range comes from the file as it is now; the shared settings are left as they are.
    GameSettings settings;
    opened_ = ListFileUsable(context_, parent, kSettingFile, LoadGameSettings(context_.project, settings), false);
    limit_ = AbilityUpLimit(settings.abilityMax);

    auto* layout = new QVBoxLayout(this);
    auto* abilityBox = new QGroupBox(tr("能力"), this);
    auto* abilityRow = new QHBoxLayout(abilityBox);
    ability_ = new QComboBox(abilityBox);
    for (int i = 0; i < kAbilityCount; ++i) ability_->addItem(CoreText(AbilityLabel(static_cast<Ability>(i))));
    ability_->setCurrentIndex(-1);
    ability_->setMinimumContentsLength(12);
    abilityRow->addWidget(ability_, 1);
    layout->addWidget(abilityBox);

    auto* amountBox = new QGroupBox(tr("上昇値"), this);
    auto* amountRow = new QHBoxLayout(amountBox);
    amount_ = new NumberSpin(-limit_, limit_, 0, amountBox);
    amountRow->addWidget(amount_, 1);
    layout->addWidget(amountBox);

    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);
}

void AbilityUpDialog::accept() {
    const int amount = amount_->TakenValue();
    if (ability_->currentIndex() < 0) {
        WarnCommand(context_, this, tr("能力を選択してください"));
        return;
    }
    line_ = BuildAbilityUp(static_cast<Ability>(ability_->currentIndex()), amount);
    done(QDialog::Accepted);
}

std::optional<std::string> RunAbilityUpDialog(CommandContext& context, QWidget* parent) {
    AbilityUpDialog dialog(context.editor, parent);
    if (!dialog.opened()) return std::nullopt;
    return RunForLine(dialog);
}

}  // namespace lw
