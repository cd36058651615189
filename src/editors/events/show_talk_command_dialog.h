#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話表示)": the group holding the talk content, "会話内容のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ" ("なし" first).
// OK builds "message %d" (-1 for "なし").

#include <optional>
#include <string>

#include <QDialog>

class QPushButton;

namespace lw {

struct CommandContext;
class GroupChooser;

class ShowTalkCommandDialog : public QDialog {
    Q_OBJECT
public:
    ShowTalkCommandDialog(CommandContext& context, QWidget* parent = nullptr);

    const std::string& line() const { return line_; }
    GroupChooser* contentGroup() const { return group_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void accept() override;

private:
    std::string line_;
    GroupChooser* group_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace lw
