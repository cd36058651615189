#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(能力値ｱｯﾌﾟ)": one of the eight abilities and the amount it rises by (negative lowers
// it), line "ability %d %d". The amount runs from -M to M, M being the basic setting "最大能力値"
// read from setting.txt when the dialog opens; a typed amount beyond the range is taken as its end.
// OK without an ability says "能力を選択してください" and stays open.

#include <optional>
#include <string>

#include "editors/events/shared_command_dialog.h"

class QComboBox;
class QPushButton;

namespace lw {

struct CommandContext;
struct EditorContext;
class NumberSpin;

class AbilityUpDialog : public QDialog {
    Q_OBJECT
public:
    AbilityUpDialog(EditorContext& context, QWidget* parent = nullptr);

    // False when setting.txt exists but could not be read (the author has been told).
    bool opened() const { return opened_; }
    const std::string& line() const { return line_; }
    int amountLimit() const { return limit_; }

    QComboBox* abilityChoice() const { return ability_; }
    NumberSpin* amountField() const { return amount_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void accept() override;

private:
    EditorContext& context_;
    bool opened_ = true;
    int limit_ = 0;
    std::string line_;
    QComboBox* ability_;
    NumberSpin* amount_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace lw
