#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(所持金の増減)": "+ (加算)" or "- (減算)" (neither chosen at first), "金額" (digits
// only), and the groups "終了時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ" and "所持金不足時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ". OK refuses a missing sign
// with "符号を選択してください" and builds "money %s%d" with the groups chosen (BuildChangeMoney).

#include <optional>
#include <string>

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lw {

struct CommandContext;
struct EditorContext;
class GroupChooser;

class ChangeMoneyCommandDialog : public QDialog {
    Q_OBJECT
public:
    ChangeMoneyCommandDialog(CommandContext& context, QWidget* parent = nullptr);

    const std::string& line() const { return line_; }
    QRadioButton* plusButton() const { return plus_; }
    QRadioButton* minusButton() const { return minus_; }
    QLineEdit* amountField() const { return amount_; }
    GroupChooser* doneGroup() const { return done_; }
    GroupChooser* shortGroup() const { return short_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void accept() override;

private:
    EditorContext& editor_;
    std::string line_;
    QRadioButton* plus_;
    QRadioButton* minus_;
    QLineEdit* amount_;
    GroupChooser* done_;
    GroupChooser* short_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace lw
