#include "widgets/cp932_validator.h"

#include <QLineEdit>

#include "app/services.h"

namespace lw {

Cp932Validator::Cp932Validator(int maxBytes, QObject* parent) : QValidator(parent), maxBytes_(maxBytes) {}

QValidator::State Cp932Validator::validate(QString& input, int&) const {
    auto bytes = ToCp932(input);
    if (!bytes || static_cast<int>(bytes->size()) > maxBytes_) return Invalid;
    return Acceptable;
}

void LimitToCp932(QLineEdit* edit, int maxBytes) { edit->setValidator(new Cp932Validator(maxBytes, edit)); }

}  // namespace lw
