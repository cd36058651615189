#include "widgets/kept_value.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QVariant>

#include "app/services.h"

namespace lw {

namespace {

// The record's value and what the control showed after loading it, kept on the control itself.
constexpr const char* kStored = "lwStoredValue";
constexpr const char* kShown = "lwShownValue";

void Remember(QObject* control, const QVariant& stored, const QVariant& shown) {
    control->setProperty(kStored, stored);
    control->setProperty(kShown, shown);
}

// The stored value while the control shows what it showed after loading, else nothing.
QVariant Kept(const QObject* control, const QVariant& current) {
    const QVariant shown = control->property(kShown);
    if (shown.isValid() && shown == current) return control->property(kStored);
    return {};
}

}  // namespace

void LoadSpin(QSpinBox* spin, int value) {
    spin->setValue(value);
    Remember(spin, value, spin->value());
}

int SpinValue(const QSpinBox* spin) {
    const QVariant kept = Kept(spin, spin->value());
    return kept.isValid() ? kept.toInt() : spin->value();
}

void LoadDoubleSpin(QDoubleSpinBox* spin, float value) {
    spin->setValue(static_cast<double>(value));
    Remember(spin, value, spin->value());
}

float DoubleSpinValue(const QDoubleSpinBox* spin) {
    const QVariant kept = Kept(spin, spin->value());
    return kept.isValid() ? kept.toFloat() : static_cast<float>(spin->value());
}

void LoadComboIndex(QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    Remember(combo, index, combo->currentIndex());
}

int ComboIndexValue(const QComboBox* combo) {
    const QVariant kept = Kept(combo, combo->currentIndex());
    return kept.isValid() ? kept.toInt() : combo->currentIndex();
}

void LoadCheck(QCheckBox* box, int value) {
    box->setChecked(value != 0);
    Remember(box, value, box->isChecked());
}

int CheckValue(const QCheckBox* box) {
    const QVariant kept = Kept(box, box->isChecked());
    return kept.isValid() ? kept.toInt() : (box->isChecked() ? 1 : 0);
}

void LoadText(QLineEdit* edit, std::string_view cp932) {
    edit->setText(FromCp932(cp932));
    Remember(edit, QByteArray(cp932.data(), static_cast<qsizetype>(cp932.size())), edit->text());
}

std::string TextValue(const QLineEdit* edit) {
    const QVariant kept = Kept(edit, edit->text());
    if (kept.isValid()) return kept.toByteArray().toStdString();
    return ToCp932(edit->text()).value_or(std::string());
}

}  // namespace lw
