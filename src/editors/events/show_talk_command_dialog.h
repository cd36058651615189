#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話表示)": the group holding the talk content, "会話内容のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ" ("なし" first).
// OK builds "message %d" (-1 for "なし").

#include "editors/events/command_dialog.h"

namespace lw {

struct CommandContext;

class ShowTalkCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    ShowTalkCommandDialog(CommandContext& context, QWidget* parent = nullptr);
    GroupChooser* contentGroup() const { return group_; }

protected:
    std::optional<std::string> Build() override;

private:
    GroupChooser* group_;
};

}  // namespace lw
