#include "editors/events/magic_learn_flag_dialog.h"

#include <QButtonGroup>
#include <QComboBox>

#include "app/editor_context.h"
#include "core/events/event_commands.h"
#include "core/rules/magic.h"
#include "editors/events/command_context.h"

namespace lw {

namespace {
// The radio ids: "可" writes 1, "不可" 0.
constexpr int kMayLearn = 0;
constexpr int kMayNotLearn = 1;
}  // namespace

MagicLearnFlagDialog::MagicLearnFlagDialog(EditorContext& context, QWidget* parent)
    : CommandDialog(context, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(魔法修得可能ﾌﾗｸﾞ)"), parent) {
    std::vector<std::string> names;
    NeedList(kMagicFile, LoadMagicNames(context_.project, names), true);
    magic_ = AddChoice(tr("魔法"), 24, Cp932Texts(names));
    learning_ = AddRadios(tr("修得"), {tr("可"), tr("不可")}, kMayLearn);
    AddButtons();
}

std::optional<std::string> MagicLearnFlagDialog::Build() {
    if (magic_->currentIndex() < 0) return Refuse(tr("魔法を選択してください"));
    return BuildMagicLearnFlag(magic_->currentIndex(), learning_->checkedId() != kMayNotLearn);
}

}  // namespace lw
