#include "editors/events/show_talk_command_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "editors/events/command_context.h"
#include "editors/events/group_chooser.h"
#include "editors/events/shared_command_dialog.h"
#include "widgets/dialog_buttons.h"

namespace lw {

ShowTalkCommandDialog::ShowTalkCommandDialog(CommandContext& context, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話表示)"));
    auto* layout = new QVBoxLayout(this);
    group_ = new GroupChooser(tr("会話内容のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations, this);
    layout->addWidget(group_);
    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);
}

void ShowTalkCommandDialog::accept() {
    line_ = BuildShowTalk(group_->value());
    done(QDialog::Accepted);
}

std::optional<std::string> RunShowTalkDialog(CommandContext& context, QWidget* parent) {
    ShowTalkCommandDialog dialog(context, parent);
    return RunForLine(dialog);
}

}  // namespace lw
