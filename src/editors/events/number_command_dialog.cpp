#include "editors/events/number_command_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace lw {

namespace {

struct Texts {
    QString caption;
    QString label;
};

Texts TextsOf(NumberCommand command) {
    switch (command) {
    case NumberCommand::ExperienceUp: return {QObject::tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(経験点ｱｯﾌﾟ)"), QObject::tr("上昇値")};
    case NumberCommand::TalkSpeed: return {QObject::tr("会話ｺﾏﾝﾄﾞ(文字速度)"), QObject::tr("速度")};
    case NumberCommand::TalkDeleteAnimation: return {QObject::tr("会話ｺﾏﾝﾄﾞ(ｱﾆﾒ削除)"), QObject::tr("ｱﾆﾒ識別番号")};
    // The "j" in the wait caption is part of the caption.
    case NumberCommand::TalkWait: return {QObject::tr("会話ｺﾏﾝﾄﾞ(待ちj時間)"), QObject::tr("待ち時間")};
    }
    return {};
}

}  // namespace

NumberCommandDialog::NumberCommandDialog(EditorContext& context, NumberCommand command, QWidget* parent)
    : CommandDialog(context, TextsOf(command).caption, parent), command_(command) {
    const NumberCommandRange range = RangeOf(command);
    number_ = AddNumber(TextsOf(command).label, range.min, range.max, 0);
    number_->setSingleStep(range.step);
    number_->setMinimumWidth(120);
    if (command == NumberCommand::TalkWait) {
        unit_ = new QLabel(tr("/10秒"), group());
        Row(group())->addWidget(unit_);
    }
    AddButtons();
    number_->setFocus();
    number_->selectAll();
}

QGroupBox* NumberCommandDialog::group() const { return static_cast<QGroupBox*>(number_->parentWidget()); }

std::optional<std::string> NumberCommandDialog::Build() { return BuildNumberCommand(command_, number_->TakenValue()); }

std::optional<std::string> RunNumberCommand(EditorContext& context, NumberCommand command, QWidget* parent) {
    return RunCommandDialog<NumberCommandDialog>(context, command, parent);
}

}  // namespace lw
