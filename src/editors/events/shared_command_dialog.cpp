#include "editors/events/shared_command_dialog.h"

#include <QLineEdit>
#include <algorithm>
#include <climits>

namespace lw {

namespace {

// A whole number: an optional sign, then at least one digit. Saturates at the limits of long long.
std::optional<long long> ParseWhole(const QString& text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) {
        negative = t[i] == QLatin1Char('-');
        ++i;
    }
    if (i == t.size()) return std::nullopt;
    long long value = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < QLatin1Char('0') || t[i] > QLatin1Char('9')) return std::nullopt;
        const int digit = t[i].unicode() - '0';
        value = value > (LLONG_MAX - digit) / 10 ? LLONG_MAX : value * 10 + digit;
    }
    return negative ? -value : value;
}

}  // namespace

ClampingSpinBox::ClampingSpinBox(int minimum, int maximum, int value, QWidget* parent) : QSpinBox(parent) {
    setRange(minimum, maximum);
    setValue(value);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

int ClampingSpinBox::TakenValue() {
    interpretText();
    return value();
}

QValidator::State ClampingSpinBox::validate(QString& text, int&) const {
    const QString t = text.trimmed();
    if (t.isEmpty() || t == QLatin1String("-") || t == QLatin1String("+")) return QValidator::Intermediate;
    const std::optional<long long> v = ParseWhole(t);
    if (!v) return QValidator::Invalid;
    return (*v >= minimum() && *v <= maximum()) ? QValidator::Acceptable : QValidator::Intermediate;
}

void ClampingSpinBox::fixup(QString& text) const {
    const std::optional<long long> v = ParseWhole(text);
    if (!v) return;
    text = QString::number(std::clamp<long long>(*v, minimum(), maximum()));
}

int ClampingSpinBox::valueFromText(const QString& text) const {
    const std::optional<long long> v = ParseWhole(text);
    if (!v) return value();
    return static_cast<int>(std::clamp<long long>(*v, minimum(), maximum()));
}

}  // namespace lw
