#include "editors/events/show_effect_command_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/media/talk_list.h"
#include "editors/events/command_context.h"
#include "editors/events/command_dialog_support.h"
#include "editors/events/group_chooser.h"
#include "editors/events/shared_command_dialog.h"
#include "previews/image_view.h"
#include "render/narration_frame.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"

namespace lw {

ShowEffectCommandDialog::ShowEffectCommandDialog(CommandContext& context, ShownThing thing, QWidget* parent)
    : PreviewDialog(context.editor, parent), thing_(thing) {
    const bool effect = thing == ShownThing::Effect;
    setWindowTitle(effect ? tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｴﾌｪｸﾄ表示)") : tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ﾅﾚｰｼｮﾝ表示)"));
    auto* layout = new QVBoxLayout(this);
    numberBox_ = new QGroupBox(effect ? tr("ｴﾌｪｸﾄ番号") : tr("ﾅﾚｰｼｮﾝ番号"), this);
    auto* row = new QHBoxLayout(numberBox_);
    choice_ = new QComboBox(numberBox_);
    choice_->setMinimumContentsLength(24);
    choice_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    choice_->setMaxVisibleItems(20);
    show_ = new QCheckBox(tr("画像表示"), numberBox_);
    DiscardGuard::IgnoreChangesOf(show_);  // a preview: nothing saved
    show_->setChecked(true);
    row->addWidget(choice_, 1);
    row->addWidget(show_);
    layout->addWidget(numberBox_);
    group_ = new GroupChooser(effect ? tr("ｴﾌｪｸﾄ後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ") : tr("ﾅﾚｰｼｮﾝ後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"),
                              context.groupExplanations, this);
    layout->addWidget(group_);
    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);

    if (effect) {
        loadStatus_ = LoadEffectTable(context_.project, effects_);
        const std::vector<std::string> names = EffectComboItems(effects_);
        for (std::size_t i = 0; i < names.size(); ++i)
            choice_->addItem(QStringLiteral("%1: %2").arg(i).arg(FromCp932(names[i])));
    } else {
        // The settings give the preview its font.
        LoadGameSettings(context_.project, context_.settings);
        loadStatus_ = LoadNarrationList(context_.project, narrations_);
        // The text only adds to the preview: without it the picture is shown alone.
        LoadTalkList(context_.project, texts_);
        for (std::size_t i = 0; i < narrations_.size(); ++i)
            choice_->addItem(QStringLiteral("%1: %2").arg(i).arg(FromCp932(NarrationLabel(narrations_[i]))));
    }
    choice_->setCurrentIndex(-1);
    connect(choice_, &QComboBox::currentIndexChanged, this, [this] { ShowChosen(); });
    connect(show_, &QCheckBox::toggled, this, [this] { ShowChosen(); });
}

ShowEffectCommandDialog::~ShowEffectCommandDialog() = default;

std::string_view ShowEffectCommandDialog::listFile() const {
    return thing_ == ShownThing::Effect ? kEffectFile : kNarrationFile;
}

int ShowEffectCommandDialog::chosen() const {
    const int row = choice_->currentIndex();
    const int count = thing_ == ShownThing::Effect ? effects_.count() : static_cast<int>(narrations_.size());
    return row >= 0 && row < count ? row : -1;
}

void ShowEffectCommandDialog::OpenPreview() {
    ImageView& v = view();
    v.Open(this);
    v.SetMode(thing_ == ShownThing::Effect ? ViewMode::Animation : ViewMode::Narration, this);
    v.SetCursorShape(Qt::ArrowCursor);
    ShowChosen();
}

void ShowEffectCommandDialog::ShowChosen() {
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

void ShowEffectCommandDialog::Leave() {
    ImageView& v = view();
    v.StopAnimation();
    v.Close();
    v.SetMode(ViewMode::None);
}

void ShowEffectCommandDialog::accept() {
    const int row = chosen();
    if (row < 0) {
        WarnAuthor(context_, this,
                   thing_ == ShownThing::Effect ? tr("ｴﾌｪｸﾄ番号を選択してください") : tr("ﾅﾚｰｼｮﾝ番号を選択してください"));
        return;
    }
    line_ = thing_ == ShownThing::Effect ? BuildShowEffect(row, group_->value()) : BuildShowNarration(row, group_->value());
    Leave();
    done(QDialog::Accepted);
}

void ShowEffectCommandDialog::reject() {
    Leave();
    done(QDialog::Rejected);
}

namespace {

std::optional<std::string> RunShown(CommandContext& context, ShownThing thing, QWidget* parent) {
    ShowEffectCommandDialog dialog(context, thing, parent);
    if (ReportUnreadableList(context.editor, parent, {{dialog.listFile(), dialog.loadStatus()}})) return std::nullopt;
    return RunForLine(dialog);
}

}  // namespace

std::optional<std::string> RunShowEffectDialog(CommandContext& context, QWidget* parent) {
    return RunShown(context, ShownThing::Effect, parent);
}

std::optional<std::string> RunShowNarrationDialog(CommandContext& context, QWidget* parent) {
    return RunShown(context, ShownThing::Narration, parent);
}

}  // namespace lw
