#include "editors/events/show_effect_command_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/media/talk_list.h"
#include "editors/events/command_context.h"
#include "editors/events/group_chooser.h"
#include "previews/image_view.h"
#include "render/narration_frame.h"

namespace lw {

ShowEffectCommandDialog::ShowEffectCommandDialog(CommandContext& context, ShownThing thing, QWidget* parent)
    : CommandDialog(context.editor,
                    thing == ShownThing::Effect ? tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｴﾌｪｸﾄ表示)") : tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ﾅﾚｰｼｮﾝ表示)"), parent),
      thing_(thing) {
    const bool effect = thing == ShownThing::Effect;
    PreviewIn(effect ? ViewMode::Animation : ViewMode::Narration);
    QStringList choices;
    if (effect) {
        NeedList(kEffectFile, LoadEffectTable(context_.project, effects_));
        const std::vector<std::string> names = EffectComboItems(effects_);
        for (std::size_t i = 0; i < names.size(); ++i) choices << QStringLiteral("%1: %2").arg(i).arg(FromCp932(names[i]));
    } else {
        // The settings give the preview its font.
        LoadGameSettings(context_.project, context_.settings);
        NeedList(kNarrationFile, LoadNarrationList(context_.project, narrations_));
        // The text only adds to the preview: without it the picture is shown alone.
        LoadTalkList(context_.project, texts_);
        for (std::size_t i = 0; i < narrations_.size(); ++i)
            choices << QStringLiteral("%1: %2").arg(i).arg(FromCp932(NarrationLabel(narrations_[i])));
    }
    choice_ = AddChoice(effect ? tr("ｴﾌｪｸﾄ番号") : tr("ﾅﾚｰｼｮﾝ番号"), 24, choices);
    choice_->setMaxVisibleItems(20);
    show_ = AddPreviewSwitch(choice_, tr("画像表示"), true);
    group_ = AddGroup(effect ? tr("ｴﾌｪｸﾄ後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ") : tr("ﾅﾚｰｼｮﾝ後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations);
    AddButtons();
}

ShowEffectCommandDialog::~ShowEffectCommandDialog() = default;

QGroupBox* ShowEffectCommandDialog::numberBox() const { return static_cast<QGroupBox*>(choice_->parentWidget()); }

int ShowEffectCommandDialog::chosen() const {
    const int row = choice_->currentIndex();
    const int count = thing_ == ShownThing::Effect ? effects_.count() : static_cast<int>(narrations_.size());
    return row >= 0 && row < count ? row : -1;
}

void ShowEffectCommandDialog::ShowPreview() {
    ImageView& v = view();
    if (!v.IsOpen()) return;
    const int row = chosen();
    v.StopAnimation();
    if (row < 0 || !show_->isChecked()) {
        v.Hide();
        return;
    }
    const auto index = static_cast<std::size_t>(row);
    if (thing_ == ShownThing::Effect) {
        v.state().animation = effects_.records[index];
        v.RestartAnimation();
        v.ShowAnimationCell(this, v.state().animation.imageFile);
        v.SetCaption(FromCp932(EffectDisplayName(v.state().animation)));
        return;
    }
    const Narration& n = narrations_[index];
    std::optional<std::string_view> text;
    if (n.text >= 0 && n.text < static_cast<int>(texts_.size())) text = texts_[static_cast<std::size_t>(n.text)];
    SetNarrationPreview(v.state(), n, text);
    if (v.ShowImageByName(this, FromCp932(n.image)) && v.state().main.exists()) {
        v.SetCaption(FromCp932(n.image));
        v.Show();
    } else {
        v.Hide();
    }
}

std::optional<std::string> ShowEffectCommandDialog::Build() {
    const int row = chosen();
    if (row < 0)
        return Refuse(thing_ == ShownThing::Effect ? tr("ｴﾌｪｸﾄ番号を選択してください") : tr("ﾅﾚｰｼｮﾝ番号を選択してください"));
    return thing_ == ShownThing::Effect ? BuildShowEffect(row, group_->value()) : BuildShowNarration(row, group_->value());
}

}  // namespace lw
