// The command dialogs that show their choice in the image preview: a battle (its background), an
// effect or a narration, and an NPC (walking) or a chest to show or hide.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <algorithm>
#include <vector>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/command_dialog_rules.h"
#include "core/events/event_commands.h"
#include "core/events/list_command_choices.h"
#include "core/media/effect_animation.h"
#include "core/media/narration_list.h"
#include "core/media/talk_list.h"
#include "core/rules/enemy_units.h"
#include "core/rules/treasure_list.h"
#include "core/tagfile/record_format.h"
#include "core/world/npc_editing.h"
#include "core/world/npc_list.h"
#include "core/world/scene_catalog.h"
#include "editors/events/command_context.h"
#include "editors/events/command_dialog.h"
#include "editors/media/effect_combo.h"
#include "previews/image_view.h"
#include "render/narration_frame.h"
#include "widgets/number_spin.h"
#include "widgets/record_names_ui.h"

namespace lw {
namespace {

// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(戦闘)": the enemy unit ("敵ﾕﾆｯﾄ", enemy_list.txt), the texts shown before and after
// the battle ("会話文(戦闘前)", "会話文(戦闘後)", talk_list.txt, each showing the chosen text), the
// talk speed ("会話速度" 1..100, starting at the basic setting "文字表示速度"), the background
// ("背景画像", a file of the image folder, shown in the image preview while "表示" is checked),
// "逃げる", and the group "戦闘後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ". OK builds "battle %d %d %d %d %d %d %s" (nothing
// chosen gives -1, no background leaves a trailing blank). OK refuses a background whose name
// holds a blank (the game would read only its first part) and a line too long to be stored whole.
class BattleCommandDialog : public CommandDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::BattleCommandDialog)
public:
    BattleCommandDialog(CommandContext& context, QWidget* parent)
        : CommandDialog(context.editor, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(戦闘)"), parent) {
        LoadGameSettings(context_.project, context_.settings);
        NeedList(kEnemyFile, LoadEnemyUnitChoices(context_.project, enemies_));
        NeedList(kTalkFile, LoadTalkList(context_.project, texts_));

        QStringList enemies;
        for (const EnemyUnitChoice& e : enemies_) enemies << QStringLiteral("%1: %2").arg(e.index).arg(FromCp932(e.text));
        enemy_ = AddChoice(tr("敵ﾕﾆｯﾄ"), 24, enemies);
        enemy_->setMaxVisibleItems(20);
        before_ = AddTalkText(tr("会話文(戦闘前)"), texts_);
        after_ = AddTalkText(tr("会話文(戦闘後)"), texts_);

        QHBoxLayout* speedLine = AddLine();
        speed_ = AddNumber(tr("会話速度"), kTalkSpeedMin, kTalkSpeedMax,
                           std::clamp(context_.settings.letterSpeed, kTalkSpeedMin, kTalkSpeedMax), speedLine);
        escape_ = new QCheckBox(tr("逃げる"), this);
        speedLine->addWidget(escape_);
        speedLine->addStretch(1);
        background_ = AddChoice(tr("背景画像"), 20);
        background_->setMaxVisibleItems(20);
        FillImageFileCombo(background_, context_.project);
        show_ = AddPreviewSwitch(background_, tr("表示"), true);

        group_ = AddGroup(tr("戦闘後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations);
        AddButtons();
    }

private:
    void OpenPreview() override {
        // The battle field: the background with no monster sprites on it.
        ImageView& v = OpenView(ViewMode::Sprites);
        for (int i = 0; i < 6; ++i) v.LoadSpriteImage(i, {});
        ShowPreview();
    }
    void ShowPreview() override {
        if (view().IsOpen()) view().ShowOrHideComboImage(this, background_, show_->isChecked());
    }
    void Leave() override {
        view().CloseWithSprites();
        view().SetMode(ViewMode::None);
    }

    std::optional<std::string> Build() override {
        const int unit = enemy_->currentIndex();
        const BattleCommand b{
            .enemyUnit = unit >= 0 && unit < static_cast<int>(enemies_.size())
                             ? enemies_[static_cast<std::size_t>(unit)].index
                             : -1,
            .textBefore = before_->currentIndex(),
            .textAfter = after_->currentIndex(),
            .talkSpeed = speed_->TakenValue(),
            .canEscape = escape_->isChecked(),
            .afterGroup = group_->value(),
            .background = ChosenImageFile(background_),
        };
        if (CheckTokenField(b.background) == FieldProblem::HasBlank)
            return Refuse(tr("空白を含む名前の画像は使えません。\nﾌｧｲﾙ名を変えてから選択してください"));
        if (const std::size_t bytes = BattleLineBytes(b); !FitsStoredLine(bytes))
            return Refuse(LineTooLongText(bytes, tr("背景画像のﾌｧｲﾙ名")));
        return BuildBattle(b);
    }

    std::vector<EnemyUnitChoice> enemies_;
    std::vector<std::string> texts_;
    QComboBox* enemy_;
    QComboBox* before_;
    QComboBox* after_;
    NumberSpin* speed_;
    QComboBox* background_;
    QCheckBox* show_;
    QCheckBox* escape_;
    GroupChooser* group_;
};

// One dialog for two commands that show something and then may run a group:
// - "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｴﾌｪｸﾄ表示)": an effect animation of image_effect.txt ("ｴﾌｪｸﾄ番号"), played in the
//   image preview (view mode 2) while "画像表示" is checked; group "ｴﾌｪｸﾄ後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"; OK refuses
//   a missing choice with "ｴﾌｪｸﾄ番号を選択してください" and builds "effect %d [%d]";
// - "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ﾅﾚｰｼｮﾝ表示)": a narration of narration_list.txt ("ﾅﾚｰｼｮﾝ番号"), previewed as the
//   game shows it (its picture with its text, view mode 16); group "ﾅﾚｰｼｮﾝ後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"; OK
//   refuses a missing choice with "ﾅﾚｰｼｮﾝ番号を選択してください" and builds "nar %d [%d]".
// The group field is written only when a group is chosen. OK and Cancel close the preview and
// leave it in view mode 0.
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

std::optional<std::string> RunBattleCommand(CommandContext& context, EventCommandKind, QWidget* parent) {
    return RunCommandDialog<BattleCommandDialog>(context, parent);
}

std::optional<std::string> RunShowEffectCommand(CommandContext& context, EventCommandKind kind, QWidget* parent) {
    return RunCommandDialog<ShowEffectCommandDialog>(context, kind == EventCommandKind::ShowEffect, parent);
}

std::optional<std::string> RunShowHideCommand(CommandContext& context, EventCommandKind kind, QWidget* parent) {
    return RunCommandDialog<ShowHideDialog>(context.editor, kind == EventCommandKind::ShowNpc, parent);
}

}  // namespace lw
