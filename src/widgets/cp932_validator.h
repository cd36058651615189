#pragma once
// An edit-field validator that refuses text the project files cannot hold: characters outside
// CP932, and more bytes than the field keeps. Every edit field whose text goes into a file uses it.

#include <QValidator>

class QLineEdit;

namespace lw {

class Cp932Validator : public QValidator {
    Q_OBJECT
public:
    Cp932Validator(int maxBytes, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    int maxBytes_;
};

// Installs a Cp932Validator on `edit`.
void LimitToCp932(QLineEdit* edit, int maxBytes);

}  // namespace lw
