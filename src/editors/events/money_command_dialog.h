#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(所持金の増減)": "+ (加算)" or "- (減算)" (neither chosen at first), "金額" (digits
// only), and the groups "終了時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ" and "所持金不足時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ". OK refuses a missing sign
// with "符号を選択してください" and builds "money %s%d" with the groups chosen (BuildChangeMoney).

#include "editors/events/command_dialog.h"

class QLineEdit;
class QRadioButton;

namespace lw {

struct CommandContext;

class ChangeMoneyCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    ChangeMoneyCommandDialog(CommandContext& context, QWidget* parent = nullptr);

    QRadioButton* plusButton() const { return plus_; }
    QRadioButton* minusButton() const { return minus_; }
    QLineEdit* amountField() const { return amount_; }
    GroupChooser* doneGroup() const { return done_; }
    GroupChooser* shortGroup() const { return short_; }

protected:
    std::optional<std::string> Build() override;

private:
    // Digits only; ten of them reach past the largest amount, which the field then keeps.
    static constexpr int kAmountDigits = 10;
    QRadioButton* plus_;
    QRadioButton* minus_;
    QLineEdit* amount_;
    GroupChooser* done_;
    GroupChooser* short_;
};

}  // namespace lw
