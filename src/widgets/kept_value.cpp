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

// Kept on the control itself: the record's value, what the control showed after loading it,
// whether it changed since, whether a change now is the loader's own, and whether the control's
// change signal is watched already.
constexpr const char* kStored = "lwStoredValue";
constexpr const char* kShown = "lwShownValue";
constexpr const char* kChanged = "lwChanged";
constexpr const char* kQuiet = "lwLoading";
constexpr const char* kWatched = "lwWatched";

// Marks the control changed whenever its value changes other than while loading.
template <class Control, class Signal>
void Watch(Control* control, Signal signal) {
    if (control->property(kWatched).toBool()) return;
    control->setProperty(kWatched, true);
    QObject::connect(control, signal, control, [control] {
        if (!control->property(kQuiet).toBool()) control->setProperty(kChanged, true);
    });
}

// Runs `set` as the loader: the changes it makes are not the author's.
template <class Set>
void Quietly(QObject* control, Set set) {
    control->setProperty(kQuiet, true);
    set();
    control->setProperty(kQuiet, false);
}

void Remember(QObject* control, const QVariant& stored, const QVariant& shown) {
    control->setProperty(kStored, stored);
    control->setProperty(kShown, shown);
    control->setProperty(kChanged, false);
}

// Loaded and not changed since.
bool Untouched(const QWidget* control) { return control->property(kShown).isValid() && !ChangedSinceLoad(control); }

// The stored value while the control is untouched, else `current`, the control's own.
template <class T>
T KeptOr(const QWidget* control, T current) {
    return Untouched(control) ? control->property(kStored).value<T>() : current;
}

}  // namespace

bool ChangedSinceLoad(const QWidget* control) {
    if (control->property(kChanged).toBool()) return true;
    const QVariant shown = control->property(kShown);
    if (!shown.isValid()) return false;
    if (auto* s = qobject_cast<const QSpinBox*>(control)) return shown != QVariant(s->value());
    if (auto* d = qobject_cast<const QDoubleSpinBox*>(control)) return shown != QVariant(d->value());
    if (auto* c = qobject_cast<const QComboBox*>(control)) return shown != QVariant(c->currentIndex());
    if (auto* b = qobject_cast<const QCheckBox*>(control)) return shown != QVariant(b->isChecked());
    if (auto* e = qobject_cast<const QLineEdit*>(control)) return shown != QVariant(e->text());
    return false;
}

bool LoadingNow(const QWidget* control) { return control->property(kQuiet).toBool(); }

void LoadSpin(QSpinBox* spin, int value) { LoadSpinShowing(spin, value, value); }

void LoadSpinShowing(QSpinBox* spin, int value, int shown) {
    Watch(spin, &QSpinBox::valueChanged);
    Quietly(spin, [&] { spin->setValue(shown); });
    Remember(spin, value, spin->value());
}

int SpinValue(const QSpinBox* spin) { return KeptOr(spin, spin->value()); }

void KeepRange(QSpinBox* spin, int minimum, int maximum) {
    const bool untouched = Untouched(spin);
    Quietly(spin, [&] { spin->setRange(minimum, maximum); });
    if (untouched) spin->setProperty(kShown, spin->value());
}

void LoadDoubleSpin(QDoubleSpinBox* spin, float value) {
    Watch(spin, &QDoubleSpinBox::valueChanged);
    Quietly(spin, [&] { spin->setValue(static_cast<double>(value)); });
    Remember(spin, value, spin->value());
}

float DoubleSpinValue(const QDoubleSpinBox* spin) { return KeptOr(spin, static_cast<float>(spin->value())); }

void LoadComboIndex(QComboBox* combo, int index) {
    Watch(combo, &QComboBox::currentIndexChanged);
    Quietly(combo, [&] { combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1); });
    Remember(combo, index, combo->currentIndex());
}

int ComboIndexValue(const QComboBox* combo) { return KeptOr(combo, combo->currentIndex()); }

void LoadCheck(QCheckBox* box, int value) {
    Watch(box, &QCheckBox::toggled);
    Quietly(box, [&] { box->setChecked(value != 0); });
    Remember(box, value, box->isChecked());
}

int CheckValue(const QCheckBox* box) { return KeptOr(box, box->isChecked() ? 1 : 0); }

void LoadText(QLineEdit* edit, std::string_view cp932) {
    Watch(edit, &QLineEdit::textChanged);
    Quietly(edit, [&] { edit->setText(FromCp932(cp932)); });
    Remember(edit, QByteArray(cp932.data(), static_cast<qsizetype>(cp932.size())), edit->text());
}

std::string TextValue(const QLineEdit* edit) {
    if (Untouched(edit)) return edit->property(kStored).toByteArray().toStdString();
    if (auto bytes = ToCp932(edit->text())) return *bytes;
    // Never lose the record's bytes to a text the file cannot hold.
    const QVariant stored = edit->property(kStored);
    return stored.isValid() ? stored.toByteArray().toStdString() : std::string();
}

}  // namespace lw
