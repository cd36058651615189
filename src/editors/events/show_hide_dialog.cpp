// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(NPCの表示・非表示)": an NPC or a treasure chest, and whether it is shown ("表示", the
// default) or hidden ("非表示").
//
//   NPC    group "NPC番号": the display names of npc_list.txt; "画像表示" (checked at first) shows
//          the chosen NPC walking in the image preview (view mode 17); line "show_npc %d %d"; OK
//          without an NPC: "NPC番号を選択してください"
//   chest  group "宝箱番号": one "scene x y" entry per chest of treasure_list.txt (the scene from the
//          scene files), no preview; line "show_tre %d %d"; OK without a chest:
//          "宝箱番号を選択してください"
//
// Without its list file the dialog says "npc_list.txt がありません" / "treasure_list.txt がありません"
// and does not open. OK and Cancel close the preview and leave it in view mode 0.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <vector>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/event_commands.h"
#include "core/events/list_command_choices.h"
#include "core/rules/treasure_list.h"
#include "core/world/npc_editing.h"
#include "core/world/npc_list.h"
#include "core/world/scene_catalog.h"
#include "editors/events/command_context.h"
#include "editors/events/command_dialog.h"
#include "previews/image_view.h"
#include "widgets/record_names_ui.h"

namespace lw {

namespace {
// The radio ids: "表示" writes 1, "非表示" 0.
constexpr int kShown = 0;
constexpr int kHidden = 1;

// The entries of the chooser, with how reading the list went.
ReadStatus LoadChoices(const Project& project, RecordNames& names, bool npc, std::vector<Npc>& npcs,
                       std::vector<std::string>& choices) {
    if (npc) {
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

class ShowHideDialog : public CommandDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::ShowHideDialog)
public:
    // Does not open when the list file is missing or could not be read.
    ShowHideDialog(EditorContext& context, bool npc, QWidget* parent)
        : CommandDialog(context, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(NPCの表示・非表示)"), parent), npc_(npc) {
        std::vector<std::string> choices;
        NeedList(npc ? kNpcFile : kTreasureFile, LoadChoices(context_.project, names(), npc, npcs_, choices), true);
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

private:
    void ShowPreview() override {
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

    std::optional<std::string> Build() override {
        const int row = choice_->currentIndex();
        if (row < 0) return Refuse(npc_ ? tr("NPC番号を選択してください") : tr("宝箱番号を選択してください"));
        const bool shown = state_->checkedId() != kHidden;
        return npc_ ? BuildShowNpc(row, shown) : BuildShowTreasure(row, shown);
    }

    bool npc_;  // else a chest
    std::vector<Npc> npcs_;
    QComboBox* choice_;
    QCheckBox* showImage_ = nullptr;  // "画像表示"; null for chests
    QButtonGroup* state_;
};
}  // namespace

std::optional<std::string> RunShowHideCommand(CommandContext& context, EventCommandKind kind, QWidget* parent) {
    return RunCommandDialog<ShowHideDialog>(context.editor, kind == EventCommandKind::ShowNpc, parent);
}

}  // namespace lw
