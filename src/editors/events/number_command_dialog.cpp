#include "editors/events/number_command_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "widgets/dialog_buttons.h"

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

NumberCommandDialog::NumberCommandDialog(EditorContext&, NumberCommand command, QWidget* parent)
    : QDialog(parent), command_(command) {
    const Texts texts = TextsOf(command);
    setWindowTitle(texts.caption);
    auto* layout = new QVBoxLayout(this);
    group_ = new QGroupBox(texts.label, this);
    auto* row = new QHBoxLayout(group_);
    const NumberCommandRange range = RangeOf(command);
    number_ = new NumberSpin(range.min, range.max, 0, group_);
    number_->setSingleStep(range.step);
    number_->setMinimumWidth(120);
    row->addWidget(number_, 1);
    if (command == NumberCommand::TalkWait) {
        unit_ = new QLabel(tr("/10秒"), group_);
        row->addWidget(unit_);
    }
    layout->addWidget(group_);
    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);
    number_->setFocus();
    number_->selectAll();
}

void NumberCommandDialog::accept() {
    line_ = BuildNumberCommand(command_, number_->TakenValue());
    done(QDialog::Accepted);
}

std::optional<std::string> RunNumberCommand(EditorContext& context, NumberCommand command, QWidget* parent) {
    NumberCommandDialog dialog(context, command, parent);
    return RunForLine(dialog);
}

}  // namespace lw
