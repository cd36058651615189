#include "editors/events/show_hide_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/load_progress.h"
#include "app/services.h"
#include "core/events/event_commands.h"
#include "core/events/list_command_choices.h"
#include "core/rules/treasure_list.h"
#include "core/world/npc_editing.h"
#include "core/world/scene_catalog.h"
#include "editors/events/command_context.h"
#include "editors/events/list_command_support.h"
#include "previews/image_view.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"

namespace lw {

namespace {
// The radio ids: "表示" writes 1, "非表示" 0.
constexpr int kShown = 0;
constexpr int kHidden = 1;

// The entries of the chooser, or nullopt when the list cannot be used (the author has been told).
std::optional<std::vector<std::string>> LoadChoices(EditorContext& context, QWidget* owner, ShowHideTarget target,
                                                    std::vector<Npc>& npcs) {
    if (target == ShowHideTarget::Npc) {
        if (!ListFileUsable(context, owner, kNpcFile, LoadNpcList(context.project, npcs), true)) return std::nullopt;
        return NpcNames(npcs);
    }
    std::vector<TreasureChest> chests;
    if (!ListFileUsable(context, owner, kTreasureFile, LoadTreasureList(context.project, chests), true))
        return std::nullopt;
    // Which scene a chest stands in is kept in the scene files.
    SceneCatalog catalog;
    LoadSceneCatalogShown(context.services, owner, context.project, catalog);
    return ChestChoiceTexts(std::move(chests), catalog);
}
}  // namespace

ShowHideDialog::ShowHideDialog(EditorContext& context, ShowHideTarget target, QWidget* parent)
    : PreviewDialog(context, parent), target_(target) {
    const bool npc = target == ShowHideTarget::Npc;
    setWindowTitle(tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(NPCの表示・非表示)"));
    const auto choices = LoadChoices(context_, parent, target, npcs_);
    opened_ = choices.has_value();

    auto* layout = new QVBoxLayout(this);
    targetBox_ = new QGroupBox(npc ? tr("NPC番号") : tr("宝箱番号"), this);
    auto* targetRow = new QHBoxLayout(targetBox_);
    choice_ = new QComboBox(targetBox_);
    choice_->setMinimumContentsLength(24);
    choice_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (choices)
        for (const std::string& text : *choices) choice_->addItem(FromCp932(text));
    choice_->setCurrentIndex(-1);
    targetRow->addWidget(choice_, 1);
    if (npc) {
        showImage_ = new QCheckBox(tr("画像表示"), targetBox_);
        DiscardGuard::IgnoreChangesOf(showImage_);  // a preview: nothing saved
        showImage_->setChecked(true);
        targetRow->addWidget(showImage_);
        connect(showImage_, &QCheckBox::toggled, this, [this] { ShowChosenNpc(); });
        connect(choice_, &QComboBox::currentIndexChanged, this, [this] { ShowChosenNpc(); });
    }
    layout->addWidget(targetBox_);

    auto* stateBox = new QGroupBox(tr("表示状態"), this);
    state_ = AddRadioRow(stateBox, {tr("表示"), tr("非表示")}, kShown);
    layout->addWidget(stateBox);

    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);
}

ShowHideDialog::~ShowHideDialog() = default;

void ShowHideDialog::OpenPreview() {
    if (target_ != ShowHideTarget::Npc) return;
    ImageView& v = view();
    v.Open(this);
    v.SetMode(ViewMode::NpcAnimation, this);
    ShowChosenNpc();
}

void ShowHideDialog::ShowChosenNpc() {
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

void ShowHideDialog::Leave() {
    npcs_.clear();
    if (target_ != ShowHideTarget::Npc) return;
    view().Close();
    view().SetMode(ViewMode::None);
}

void ShowHideDialog::accept() {
    const int row = choice_->currentIndex();
    if (row < 0) {
        WarnCommand(context_, this,
                    target_ == ShowHideTarget::Npc ? tr("NPC番号を選択してください") : tr("宝箱番号を選択してください"));
        return;
    }
    const bool shown = state_->checkedId() != kHidden;
    line_ = target_ == ShowHideTarget::Npc ? BuildShowNpc(row, shown) : BuildShowTreasure(row, shown);
    Leave();
    done(QDialog::Accepted);
}

void ShowHideDialog::reject() {
    Leave();
    done(QDialog::Rejected);
}

std::optional<std::string> RunShowNpcDialog(CommandContext& context, QWidget* parent) {
    ShowHideDialog dialog(context.editor, ShowHideTarget::Npc, parent);
    if (!dialog.opened()) return std::nullopt;
    return RunForLine(dialog);
}

std::optional<std::string> RunShowTreasureDialog(CommandContext& context, QWidget* parent) {
    ShowHideDialog dialog(context.editor, ShowHideTarget::Chest, parent);
    if (!dialog.opened()) return std::nullopt;
    return RunForLine(dialog);
}

}  // namespace lw
