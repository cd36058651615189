#pragma once
// The number field of the editors: a spin box into which any whole number may be typed. Taking the
// text (Enter, leaving the field, interpretText()) raises the typed number to the minimum or lowers
// it to the maximum, so 150 typed into a field of 1 to 100 becomes 100 and 0 becomes 1. (A plain
// QSpinBox refuses the keystroke that leaves the range, so the author could never type 150.)
// Optionally the arrows step within a narrower range than typing reaches (the title screen's size
// steps 8..100 while a typed 3 is taken as 5).

#include <QSpinBox>
#include <optional>

namespace lw {

class NumberSpin : public QSpinBox {
    Q_OBJECT
public:
    explicit NumberSpin(QWidget* parent = nullptr, int minimum = 0, int maximum = 100);
    NumberSpin(int minimum, int maximum, int value, QWidget* parent);

    // The arrows and page keys step within [minimum, maximum] only.
    void SetStepRange(int minimum, int maximum);
    // Takes every typed whole number at once (clamped), so valueChanged follows each keystroke,
    // rather than when the typing ends.
    void TakeTypingAtOnce() { atOnce_ = true; }
    // The value after taking what is typed now.
    int TakenValue();

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void stepBy(int steps) override;

protected:
    int valueFromText(const QString& text) const override;
    StepEnabled stepEnabled() const override;

private:
    std::optional<std::pair<int, int>> stepRange_;
    bool atOnce_ = false;
};

}  // namespace lw
