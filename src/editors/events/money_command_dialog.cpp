#include "editors/events/money_command_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <tuple>

#include "core/events/command_dialog_rules.h"
#include "editors/events/command_context.h"
#include "editors/events/command_dialog_support.h"
#include "editors/events/group_chooser.h"
#include "editors/events/shared_command_dialog.h"
#include "widgets/dialog_buttons.h"

namespace lw {

namespace {
// Digits only; ten of them reach past the largest amount, which the field then keeps.
constexpr int kAmountDigits = 10;
}  // namespace

ChangeMoneyCommandDialog::ChangeMoneyCommandDialog(CommandContext& context, QWidget* parent)
    : QDialog(parent), editor_(context.editor) {
    setWindowTitle(tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(所持金の増減)"));
    auto* layout = new QVBoxLayout(this);

    auto* values = new QHBoxLayout();
    auto* signBox = new QGroupBox(this);
    auto* signRow = new QVBoxLayout(signBox);
    plus_ = new QRadioButton(Utf8Label(AmountSignLabel(AmountSign::Plus)), signBox);
    minus_ = new QRadioButton(Utf8Label(AmountSignLabel(AmountSign::Minus)), signBox);
    signRow->addWidget(plus_);
    signRow->addWidget(minus_);
    auto* amountBox = new QGroupBox(tr("金額"), this);
    auto* amountRow = new QHBoxLayout(amountBox);
    amount_ = new QLineEdit(amountBox);
    amount_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), amount_));
    amount_->setMaxLength(kAmountDigits);
    amountRow->addWidget(amount_);
    values->addWidget(signBox);
    values->addWidget(amountBox, 1);
    layout->addLayout(values);

    done_ = new GroupChooser(tr("終了時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations, this);
    short_ = new GroupChooser(tr("所持金不足時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations, this);
    layout->addWidget(done_);
    layout->addWidget(short_);

    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);
}

void ChangeMoneyCommandDialog::accept() {
    if (!plus_->isChecked() && !minus_->isChecked()) {
        WarnAuthor(editor_, this, tr("符号を選択してください"));
        return;
    }
    const AmountSign sign = minus_->isChecked() ? AmountSign::Minus : AmountSign::Plus;
    line_ = BuildChangeMoney(sign, DigitsFieldValue(amount_->text().toStdString()), done_->value(), short_->value());
    done(QDialog::Accepted);
}

std::optional<std::string> RunChangeMoneyDialog(CommandContext& context, QWidget* parent) {
    ChangeMoneyCommandDialog dialog(context, parent);
    return RunForLine(dialog);
}

}  // namespace lw
