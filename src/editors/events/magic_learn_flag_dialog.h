#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(魔法修得可能ﾌﾗｸﾞ)": a spell of magic_list.txt and whether it may be learned ("可",
// the default, or "不可"); line "magic_flag %d %d". Without magic_list.txt the dialog says
// "magic_list.txt がありません" and does not open. OK without a spell says "魔法を選択してください"
// and stays open.

#include "editors/events/command_dialog.h"

namespace lw {

class MagicLearnFlagDialog : public CommandDialog {
    Q_OBJECT
public:
    MagicLearnFlagDialog(EditorContext& context, QWidget* parent = nullptr);

    QComboBox* magicChoice() const { return magic_; }
    QButtonGroup* learningChoice() const { return learning_; }

protected:
    std::optional<std::string> Build() override;

private:
    QComboBox* magic_;
    QButtonGroup* learning_;
};

}  // namespace lw
