#include "editors/events/show_talk_command_dialog.h"

#include "editors/events/command_context.h"
#include "editors/events/group_chooser.h"

namespace lw {

ShowTalkCommandDialog::ShowTalkCommandDialog(CommandContext& context, QWidget* parent)
    : CommandDialog(context.editor, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話表示)"), parent) {
    group_ = AddGroup(tr("会話内容のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations);
    AddButtons();
}

std::optional<std::string> ShowTalkCommandDialog::Build() { return BuildShowTalk(group_->value()); }

}  // namespace lw
