#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(能力値ｱｯﾌﾟ)": one of the eight abilities and the amount it rises by (negative lowers
// it), line "ability %d %d". The amount runs from -M to M, M being the basic setting "最大能力値"
// read from setting.txt when the dialog opens; a typed amount beyond the range is taken as its end.
// OK without an ability says "能力を選択してください" and stays open.

#include "editors/events/command_dialog.h"

namespace lw {

class AbilityUpDialog : public CommandDialog {
    Q_OBJECT
public:
    // Does not open when setting.txt exists but could not be read.
    AbilityUpDialog(EditorContext& context, QWidget* parent = nullptr);

    int amountLimit() const { return limit_; }
    QComboBox* abilityChoice() const { return ability_; }
    NumberSpin* amountField() const { return amount_; }

protected:
    std::optional<std::string> Build() override;

private:
    int limit_ = 0;
    QComboBox* ability_;
    NumberSpin* amount_;
};

}  // namespace lw
