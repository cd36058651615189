#include "widgets/number_spin.h"

#include <algorithm>

#include "core/settings/property_rows.h"

namespace lw {

namespace {

// The typed number clamped to [lo, hi]; nothing when the text is no whole number. Digits beyond
// what a number holds still count: ParseTypedInteger caps them.
std::optional<int> Typed(const QString& text, int lo, int hi) {
    long long value = 0;
    if (!ParseTypedInteger(text.trimmed().toStdString(), value)) return std::nullopt;
    return ClampToRange(value, NumberRange{lo, hi});
}

}  // namespace

NumberSpin::NumberSpin(QWidget* parent, int minimum, int maximum) : QSpinBox(parent) {
    setRange(minimum, maximum);
    setMinimumWidth(72);
}

NumberSpin::NumberSpin(int minimum, int maximum, int value, QWidget* parent) : NumberSpin(parent, minimum, maximum) {
    setValue(value);
}

void NumberSpin::SetStepRange(int minimum, int maximum) { stepRange_ = std::make_pair(minimum, maximum); }

int NumberSpin::TakenValue() {
    interpretText();
    return value();
}

QValidator::State NumberSpin::validate(QString& input, int&) const {
    const QString text = input.trimmed();
    if (text.isEmpty() || text == QLatin1String("-") || text == QLatin1String("+")) return QValidator::Intermediate;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!(c.isDigit() && c.unicode() < 128) && !(i == 0 && (c == u'-' || c == u'+'))) return QValidator::Invalid;
    }
    long long value = 0;
    if (!ParseTypedInteger(text.toStdString(), value)) return QValidator::Intermediate;
    return atOnce_ || (value >= minimum() && value <= maximum()) ? QValidator::Acceptable : QValidator::Intermediate;
}

void NumberSpin::fixup(QString& input) const {
    if (std::optional<int> v = Typed(input, minimum(), maximum())) input = QString::number(*v);
}

int NumberSpin::valueFromText(const QString& text) const { return Typed(text, minimum(), maximum()).value_or(value()); }

void NumberSpin::stepBy(int steps) {
    if (!stepRange_) {
        QSpinBox::stepBy(steps);
        return;
    }
    const long long next = static_cast<long long>(value()) + static_cast<long long>(steps) * singleStep();
    setValue(static_cast<int>(std::clamp<long long>(next, stepRange_->first, stepRange_->second)));
    selectAll();
}

QAbstractSpinBox::StepEnabled NumberSpin::stepEnabled() const {
    if (!stepRange_) return QSpinBox::stepEnabled();
    StepEnabled e = StepNone;
    if (value() < stepRange_->second) e |= StepUpEnabled;
    if (value() > stepRange_->first) e |= StepDownEnabled;
    return e;
}

}  // namespace lw
