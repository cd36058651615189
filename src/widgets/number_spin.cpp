#include "widgets/number_spin.h"

#include "core/settings/property_rows.h"

namespace lw {

NumberSpin::NumberSpin(QWidget* parent, int minimum, int maximum) : QSpinBox(parent) {
    setRange(minimum, maximum);
    setMinimumWidth(72);
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
    return value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void NumberSpin::fixup(QString& input) const {
    long long value = 0;
    if (ParseTypedInteger(input.trimmed().toStdString(), value)) {
        input = QString::number(ClampToRange(value, NumberRange{minimum(), maximum()}));
    }
}

}  // namespace lw
