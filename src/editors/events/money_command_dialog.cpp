#include "editors/events/money_command_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "app/language.h"
#include "core/events/command_dialog_rules.h"
#include "editors/events/command_context.h"
#include "editors/events/group_chooser.h"

namespace lw {

ChangeMoneyCommandDialog::ChangeMoneyCommandDialog(CommandContext& context, QWidget* parent)
    : CommandDialog(context.editor, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(所持金の増減)"), parent) {
    QHBoxLayout* values = AddLine();
    const auto signs =
        AddRadioColumn(QString(), {CoreText(AmountSignLabel(AmountSign::Plus)), CoreText(AmountSignLabel(AmountSign::Minus))},
                       values);
    plus_ = signs[0];
    minus_ = signs[1];
    QGroupBox* amountBox = AddBox(tr("金額"), values, 1);
    amount_ = new QLineEdit(amountBox);
    amount_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), amount_));
    amount_->setMaxLength(kAmountDigits);
    Row(amountBox)->addWidget(amount_);

    done_ = AddGroup(tr("終了時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations);
    short_ = AddGroup(tr("所持金不足時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations);
    AddButtons();
}

std::optional<std::string> ChangeMoneyCommandDialog::Build() {
    if (!plus_->isChecked() && !minus_->isChecked()) return Refuse(tr("符号を選択してください"));
    const AmountSign sign = minus_->isChecked() ? AmountSign::Minus : AmountSign::Plus;
    return BuildChangeMoney(sign, DigitsFieldValue(amount_->text().toStdString()), done_->value(), short_->value());
}

}  // namespace lw
