// One dialog for two commands that show something and then may run a group:
// - "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｴﾌｪｸﾄ表示)": an effect animation of image_effect.txt ("ｴﾌｪｸﾄ番号"), played in the
//   image preview (view mode 2) while "画像表示" is checked; group "ｴﾌｪｸﾄ後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"; OK refuses
//   a missing choice with "ｴﾌｪｸﾄ番号を選択してください" and builds "effect %d [%d]";
// - "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ﾅﾚｰｼｮﾝ表示)": a narration of narration_list.txt ("ﾅﾚｰｼｮﾝ番号"), previewed as the
//   game shows it (its picture with its text, view mode 16); group "ﾅﾚｰｼｮﾝ後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"; OK
//   refuses a missing choice with "ﾅﾚｰｼｮﾝ番号を選択してください" and builds "nar %d [%d]".
// The group field is written only when a group is chosen. OK and Cancel close the preview and
// leave it in view mode 0.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <vector>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/media/effect_animation.h"
#include "core/media/narration_list.h"
#include "core/media/talk_list.h"
#include "editors/events/command_context.h"
#include "editors/events/command_dialog.h"
#include "editors/events/group_chooser.h"
#include "previews/image_view.h"
#include "render/narration_frame.h"

namespace lw {
namespace {

class ShowEffectCommandDialog : public CommandDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::ShowEffectCommandDialog)
public:
    ShowEffectCommandDialog(CommandContext& context, bool effect, QWidget* parent)
        : CommandDialog(context.editor, effect ? tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｴﾌｪｸﾄ表示)") : tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ﾅﾚｰｼｮﾝ表示)"), parent),
          effect_(effect) {
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

private:
    // The chosen effect or narration, -1 for none.
    int Chosen() const {
        const int row = choice_->currentIndex();
        const int count = effect_ ? effects_.count() : static_cast<int>(narrations_.size());
        return row >= 0 && row < count ? row : -1;
    }

    void ShowPreview() override {
        ImageView& v = view();
        if (!v.IsOpen()) return;
        const int row = Chosen();
        v.StopAnimation();
        if (row < 0 || !show_->isChecked()) {
            v.Hide();
            return;
        }
        const auto index = static_cast<std::size_t>(row);
        if (effect_) {
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

    std::optional<std::string> Build() override {
        const int row = Chosen();
        if (row < 0) return Refuse(effect_ ? tr("ｴﾌｪｸﾄ番号を選択してください") : tr("ﾅﾚｰｼｮﾝ番号を選択してください"));
        return effect_ ? BuildShowEffect(row, group_->value()) : BuildShowNarration(row, group_->value());
    }

    bool effect_;  // else a narration
    EffectTable effects_;
    std::vector<Narration> narrations_;
    std::vector<std::string> texts_;  // the text list, for the narration's text
    QComboBox* choice_;
    QCheckBox* show_;
    GroupChooser* group_;
};

}  // namespace

std::optional<std::string> RunShowEffectCommand(CommandContext& context, EventCommandKind kind, QWidget* parent) {
    return RunCommandDialog<ShowEffectCommandDialog>(context, kind == EventCommandKind::ShowEffect, parent);
}

}  // namespace lw
