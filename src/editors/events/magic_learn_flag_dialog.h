#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(魔法修得可能ﾌﾗｸﾞ)": a spell of magic_list.txt and whether it may be learned ("可",
// the default, or "不可"); line "magic_flag %d %d". Without magic_list.txt the dialog says
// "magic_list.txt がありません" and does not open. OK without a spell says "魔法を選択してください"
// and stays open.

#include <optional>
#include <string>

#include "editors/events/shared_command_dialog.h"

class QButtonGroup;
class QComboBox;
class QPushButton;

namespace lw {

struct CommandContext;
struct EditorContext;

class MagicLearnFlagDialog : public QDialog {
    Q_OBJECT
public:
    MagicLearnFlagDialog(EditorContext& context, QWidget* parent = nullptr);

    // False when magic_list.txt is missing or could not be read (the author has been told).
    bool opened() const { return opened_; }
    const std::string& line() const { return line_; }

    QComboBox* magicChoice() const { return magic_; }
    QButtonGroup* learningChoice() const { return learning_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void accept() override;

private:
    EditorContext& context_;
    bool opened_ = true;
    std::string line_;
    QComboBox* magic_;
    QButtonGroup* learning_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace lw
