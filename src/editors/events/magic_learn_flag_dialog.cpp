#include "editors/events/magic_learn_flag_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>
#include <vector>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/event_commands.h"
#include "core/rules/magic.h"
#include "editors/events/command_context.h"
#include "editors/events/list_command_support.h"
#include "widgets/dialog_buttons.h"

namespace lw {

namespace {
// The radio ids: "可" writes 1, "不可" 0.
constexpr int kMayLearn = 0;
constexpr int kMayNotLearn = 1;
}  // namespace

MagicLearnFlagDialog::MagicLearnFlagDialog(EditorContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setWindowTitle(tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(魔法修得可能ﾌﾗｸﾞ)"));
    std::vector<std::string> names;
    opened_ = ListFileUsable(context_, parent, kMagicFile, LoadMagicNames(context_.project, names), true);

    auto* layout = new QVBoxLayout(this);
    auto* magicBox = new QGroupBox(tr("魔法"), this);
    auto* magicRow = new QHBoxLayout(magicBox);
    magic_ = new QComboBox(magicBox);
    magic_->setMinimumContentsLength(24);
    magic_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (const std::string& name : names) magic_->addItem(FromCp932(name));
    magic_->setCurrentIndex(-1);
    magicRow->addWidget(magic_, 1);
    layout->addWidget(magicBox);

    auto* learningBox = new QGroupBox(tr("修得"), this);
    learning_ = AddRadioRow(learningBox, {tr("可"), tr("不可")}, kMayLearn);
    layout->addWidget(learningBox);

    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);
}

void MagicLearnFlagDialog::accept() {
    if (magic_->currentIndex() < 0) {
        WarnCommand(context_, this, tr("魔法を選択してください"));
        return;
    }
    line_ = BuildMagicLearnFlag(magic_->currentIndex(), learning_->checkedId() != kMayNotLearn);
    done(QDialog::Accepted);
}

std::optional<std::string> RunMagicLearnFlagDialog(CommandContext& context, QWidget* parent) {
    MagicLearnFlagDialog dialog(context.editor, parent);
    if (!dialog.opened()) return std::nullopt;
    return RunForLine(dialog);
}

}  // namespace lw
