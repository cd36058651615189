#include "editors/events/ability_up_dialog.h"

#include <QComboBox>

#include "app/editor_context.h"
#include "app/language.h"
#include "core/events/event_commands.h"
#include "core/events/list_command_choices.h"
#include "core/settings/game_settings.h"
#include "editors/events/command_context.h"
#include "widgets/number_spin.h"

namespace lw {

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

}  // namespace lw
