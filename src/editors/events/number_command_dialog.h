#pragma once
// The number dialog: one whole number, typed or spun, clamped to the command's range on OK.
//
//   NumberCommand::ExperienceUp         event mode: "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(経験点ｱｯﾌﾟ)", "上昇値", -999999..999999
//                                       (spin steps of 100), line "exp %d"
//   NumberCommand::TalkSpeed            talk mode: "会話ｺﾏﾝﾄﾞ(文字速度)", "速度", 0..100, "<speed %d>"
//   NumberCommand::TalkDeleteAnimation  talk mode: "会話ｺﾏﾝﾄﾞ(ｱﾆﾒ削除)", "ｱﾆﾒ識別番号", 0..255,
//                                       "<del_anim %d>"
//   NumberCommand::TalkWait             talk mode: "会話ｺﾏﾝﾄﾞ(待ちj時間)", unit "/10秒", 0..1000,
//                                       "<wait %d>" with the value x 100 (milliseconds)
//
// A value typed beyond the range is taken as the range's end (250 for the speed gives 100).

#include "core/media/talk_markup.h"
#include "editors/events/command_dialog.h"
#include "widgets/number_spin.h"

class QGroupBox;
class QLabel;

namespace lw {

class NumberCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    NumberCommandDialog(EditorContext& context, NumberCommand command, QWidget* parent = nullptr);

    NumberCommand command() const { return command_; }
    CommandDialogMode mode() const { return IsTalkCommand(command_) ? CommandDialogMode::Talk : CommandDialogMode::Event; }

    NumberSpin* numberField() const { return number_; }
    QGroupBox* group() const;
    QLabel* unitLabel() const { return unit_; }  // nullptr but for the wait

protected:
    std::optional<std::string> Build() override;

private:
    NumberCommand command_;
    NumberSpin* number_;
    QLabel* unit_ = nullptr;
};

std::optional<std::string> RunNumberCommand(EditorContext& context, NumberCommand command, QWidget* parent);

}  // namespace lw
