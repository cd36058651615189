#include "widgets/drawing_group.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <utility>

#include "widgets/field_grid.h"
#include "widgets/kept_value.h"
#include "widgets/number_spin.h"

namespace lw {

DrawingGroup::DrawingGroup(QWidget* parent) : DrawingGroup(Options{}, parent) {}

DrawingGroup::DrawingGroup(Options options, QWidget* parent) : QWidget(parent), options_(options) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    modeGroup_ = new QGroupBox(tr("描画"), this);
    auto* modeRow = new QHBoxLayout(modeGroup_);
    modes_ = new QButtonGroup(this);
    const QString labels[] = {tr("不透明"), tr("加算"), tr("透明度")};
    for (int mode = kDrawOpaque; mode <= kDrawAlpha; ++mode) {
        auto* b = new QRadioButton(labels[mode], modeGroup_);
        modes_->addButton(b, mode);
        modeRow->addWidget(b);
    }
    modeRow->addStretch(1);
    layout->addWidget(modeGroup_);

    keyOn_ = new QCheckBox(tr("ｶﾗｰｷｰあり"), this);
    layout->addWidget(keyOn_);

    colourGroup_ = new QGroupBox(tr("ｶﾗｰｷｰ"), this);
    auto* colourRow = new QHBoxLayout(colourGroup_);
    red_ = new NumberSpin(colourGroup_, 0, 255);
    green_ = new NumberSpin(colourGroup_, 0, 255);
    blue_ = new NumberSpin(colourGroup_, 0, 255);
    AddLabelledRow(colourRow, {{tr("赤"), red_}, {tr("緑"), green_}, {tr("青"), blue_}});
    layout->addWidget(colourGroup_);

    LoadSpec(DrawSpec{});

    // Every change counts, however it was made (mouse, keys, an accessibility action, a program);
    // only the loads below are not the author's.
    connect(modes_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on && !loading_) emit specEdited();
    });
    connect(keyOn_, &QCheckBox::toggled, this, [this] {
        UpdateColourEnabling();
        if (!loading_) emit specEdited();
    });
    for (NumberSpin* s : {red_, green_, blue_}) connect(s, &QSpinBox::valueChanged, this, &DrawingGroup::ColourChanged);
}

QRadioButton* DrawingGroup::modeButton(int mode) const { return qobject_cast<QRadioButton*>(modes_->button(mode)); }

void DrawingGroup::LoadSpec(const DrawSpec& spec) {
    const bool wasLoading = std::exchange(loading_, true);
    loadedMode_ = spec.mode;
    if (QAbstractButton* b = modes_->button(spec.mode)) {
        b->setChecked(true);
    } else {
        // A mode the editor does not offer: no button is on, and the mode stays until one is chosen.
        modes_->setExclusive(false);
        for (QAbstractButton* other : modes_->buttons()) other->setChecked(false);
        modes_->setExclusive(true);
    }
    {
        QSignalBlocker block(keyOn_);
        LoadCheck(keyOn_, spec.keyOn);
    }
    LoadColour(spec.key);
    UpdateColourEnabling();
    loading_ = wasLoading;
}

DrawSpec DrawingGroup::Spec() const {
    DrawSpec spec;
    const int checked = modes_->checkedId();
    spec.mode = checked >= 0 ? checked : loadedMode_;
    spec.keyOn = CheckValue(keyOn_);
    spec.key = Colour();
    return spec;
}

void DrawingGroup::LoadColour(const Rgb& colour) {
    const int values[] = {colour.red, colour.green, colour.blue};
    NumberSpin* spins[] = {red_, green_, blue_};
    for (int i = 0; i < 3; ++i) {
        QSignalBlocker block(spins[i]);
        LoadSpin(spins[i], values[i]);
    }
}

Rgb DrawingGroup::Colour() const { return Rgb{SpinValue(red_), SpinValue(green_), SpinValue(blue_)}; }

void DrawingGroup::PickColour(const QColor& colour) {
    LoadColour(Rgb{colour.red(), colour.green(), colour.blue()});
    emit colourEdited();
    emit specEdited();
}

void DrawingGroup::InterpretTyped() {
    for (NumberSpin* s : {red_, green_, blue_}) s->interpretText();
}

void DrawingGroup::ColourChanged() {
    if (loading_) return;
    emit colourEdited();
    emit specEdited();
}

void DrawingGroup::SetColourCaption(const QString& caption) { colourGroup_->setTitle(caption); }

void DrawingGroup::SetModeEnabled(bool enabled) { modeGroup_->setEnabled(enabled); }

void DrawingGroup::SetKeyFlagEnabled(bool enabled) { keyOn_->setEnabled(enabled); }

void DrawingGroup::SetColourEnabled(bool enabled) {
    colourEnabled_ = enabled;
    UpdateColourEnabling();
}

void DrawingGroup::UpdateColourEnabling() {
    colourGroup_->setEnabled(colourEnabled_ && (!options_.colourFollowsKeyFlag || keyOn_->isChecked()));
}

}  // namespace lw
