#include "editors/events/show_hide_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/event_commands.h"
#include "core/events/list_command_choices.h"
#include "core/rules/treasure_list.h"
#include "core/world/npc_editing.h"
#include "core/world/scene_catalog.h"
#include "editors/events/command_context.h"
#include "previews/image_view.h"

#include "widgets/record_names_ui.h"

namespace lw {

namespace {
// The radio ids: "表示" writes 1, "非表示" 0.
constexpr int kShown = 0;
constexpr int kHidden = 1;

// The entries of the chooser, with how reading the list went.
ReadStatus LoadChoices(const Project& project, RecordNames& names, ShowHideTarget target, std::vector<Npc>& npcs,
                       std::vector<std::string>& choices) {
    if (target == ShowHideTarget::Npc) {
        const ReadStatus read = LoadNpcList(project, npcs);
        choices = NpcNames(npcs);
        return read;
    }
    std::vector<TreasureChest> chests;
    const ReadStatus read = LoadTreasureList(project, chests);
    if (read != ReadStatus::Ok) return read;
    // Which scene a chest stands in is kept in the scene files.
    choices = ChestChoiceTexts(std::move(chests), names.Catalog());
    return read;
}
}  // namespace

ShowHideDialog::ShowHideDialog(EditorContext& context, ShowHideTarget target, QWidget* parent)
    : CommandDialog(context, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(NPCの表示・非表示)"), parent), target_(target) {
    const bool npc = target == ShowHideTarget::Npc;
    std::vector<std::string> choices;
    NeedList(npc ? kNpcFile : kTreasureFile, LoadChoices(context_.project, names(), target, npcs_, choices), true);
    if (!opened()) choices.clear();
    // Each NPC or chest with where it stands ("村長 — 始まりの村 (3, 4)", "0 8 2 — 始まりの村 (8, 2): 薬草").
    QStringList texts = Cp932Texts(choices);
    for (int i = 0; i < texts.size(); ++i) {
        const std::string where = names().WhereText(npc ? RefTarget::Npc : RefTarget::Chest, i);
        if (!where.empty()) texts[i] += QStringLiteral(" \u2014 ") + QString::fromStdString(where);
    }
    choice_ = AddChoice(npc ? tr("NPC番号") : tr("宝箱番号"), 24, texts);
    if (npc) {
        PreviewIn(ViewMode::NpcAnimation);
        showImage_ = AddPreviewSwitch(choice_, tr("画像表示"), true);
            }
    state_ = AddRadios(tr("表示状態"), {tr("表示"), tr("非表示")}, kShown);
    AddButtons();
}

ShowHideDialog::~ShowHideDialog() = default;

void ShowHideDialog::ShowPreview() {
    ImageView& v = view();
    if (!v.IsOpen() || showImage_ == nullptr) return;
    const int row = choice_->currentIndex();
    if (!showImage_->isChecked() || row < 0 || row >= static_cast<int>(npcs_.size())) {
        v.StopAnimation();
        v.Hide();
        return;
    }
    const Npc& npc = npcs_[static_cast<std::size_t>(row)];
    v.state().animation = NpcWalkAnimation(npc);
    v.state().currentFrame = 0;
    v.ShowAnimationCell(this, npc.spriteFile);
    if (v.IsShown()) {
        v.SetCaption(FromCp932(npc.spriteFile));
        v.RestartAnimation();
    } else {
        v.StopAnimation();
    }
}

QGroupBox* ShowHideDialog::targetGroup() const { return static_cast<QGroupBox*>(choice_->parentWidget()); }

std::optional<std::string> ShowHideDialog::Build() {
    const int row = choice_->currentIndex();
    if (row < 0)
        return Refuse(target_ == ShowHideTarget::Npc ? tr("NPC番号を選択してください") : tr("宝箱番号を選択してください"));
    const bool shown = state_->checkedId() != kHidden;
    return target_ == ShowHideTarget::Npc ? BuildShowNpc(row, shown) : BuildShowTreasure(row, shown);
}

}  // namespace lw
