#pragma once
// The number field of the editors: a spin box into which any whole number may be typed. Leaving the
// field (or interpretText()) takes the typed number, raised to the minimum or lowered to the
// maximum, so 150 typed into a field of 1 to 100 becomes 100 and 0 becomes 1. (A plain QSpinBox
// refuses the keystroke that leaves the range, so the author could never type 150.)

#include <QSpinBox>

namespace lw {

class NumberSpin : public QSpinBox {
    Q_OBJECT
public:
    explicit NumberSpin(QWidget* parent = nullptr, int minimum = 0, int maximum = 100);

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

}  // namespace lw
