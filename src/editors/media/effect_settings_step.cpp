#include "editors/media/effect_settings_step.h"

#include <tuple>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "app/services.h"
#include "widgets/dialog_buttons.h"
#include "core/media/effect_animation_steps.h"
#include "editors/media/effect_combo.h"
#include "editors/media/effect_order_step.h"
#include "previews/image_view.h"
#include "render/bitmap.h"
#include "widgets/cp932_validator.h"

namespace lw {

namespace {

QSpinBox* NewSpin(QWidget* parent, int lo, int hi) {
    auto* s = new QSpinBox(parent);
    s->setRange(lo, hi);
    s->setMinimumWidth(72);
    return s;
}

}  // namespace

EffectSettingsStep::EffectSettingsStep(EditorContext& context, EffectAnimation& working, bool isNew, QWidget* parent)
    : PreviewDialog(context, parent), working_(working), isNew_(isNew) {
    setWindowTitle(QStringLiteral("ｱﾆﾒ ﾘｽﾄ2"));
    if (isNew_) working_ = NewEffectAnimation();

    auto* layout = new QVBoxLayout(this);

    auto* top = new QFormLayout();
    name_ = new QLineEdit(this);
    LimitToCp932(name_, static_cast<int>(kEffectNameBytes));
    name_->setMinimumWidth(240);
    top->addRow(QStringLiteral("ｱﾆﾒ名"), name_);
    auto* imageRow = new QHBoxLayout();
    image_ = new QComboBox(this);
    image_->setMinimumContentsLength(20);
    image_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    show_ = new QCheckBox(QStringLiteral("表示"), this);
    imageRow->addWidget(image_, 1);
    imageRow->addWidget(show_);
    top->addRow(QStringLiteral("画像"), imageRow);
    layout->addLayout(top);

    auto* drawGroup = new QGroupBox(QStringLiteral("描画"), this);
    auto* drawRow = new QHBoxLayout(drawGroup);
    modes_ = new QButtonGroup(this);
    const QString modeLabels[] = {QStringLiteral("不透明"), QStringLiteral("加算"), QStringLiteral("透明度")};
    for (int mode = 0; mode < 3; ++mode) {
        auto* b = new QRadioButton(modeLabels[mode], drawGroup);
        modes_->addButton(b, mode);
        drawRow->addWidget(b);
    }
    drawRow->addStretch(1);
    layout->addWidget(drawGroup);

    keyOn_ = new QCheckBox(QStringLiteral("ｶﾗｰｷｰあり"), this);
    layout->addWidget(keyOn_);
    keyGroup_ = new QGroupBox(QStringLiteral("ｶﾗｰｷｰ"), this);
    auto* keyRow = new QHBoxLayout(keyGroup_);
    red_ = NewSpin(keyGroup_, 0, 255);
    green_ = NewSpin(keyGroup_, 0, 255);
    blue_ = NewSpin(keyGroup_, 0, 255);
    keyRow->addWidget(new QLabel(QStringLiteral("赤"), keyGroup_));
    keyRow->addWidget(red_);
    keyRow->addWidget(new QLabel(QStringLiteral("緑"), keyGroup_));
    keyRow->addWidget(green_);
    keyRow->addWidget(new QLabel(QStringLiteral("青"), keyGroup_));
    keyRow->addWidget(blue_);
    keyRow->addStretch(1);
    layout->addWidget(keyGroup_);

    auto* speedRow = new QHBoxLayout();
    speed_ = NewSpin(this, 1, 100);
    speedRow->addWidget(new QLabel(QStringLiteral("速度"), this));
    speedRow->addWidget(speed_);
    speedRow->addStretch(1);
    layout->addLayout(speedRow);

    auto* areaGroup = new QGroupBox(QStringLiteral("元画像内の領域"), this);
    auto* areaGrid = new QGridLayout(areaGroup);
    left_ = NewSpin(areaGroup, 0, kMaxPictureSide);
    top_ = NewSpin(areaGroup, 0, kMaxPictureSide);
    width_ = NewSpin(areaGroup, 0, kMaxPictureSide);
    height_ = NewSpin(areaGroup, 0, kMaxPictureSide);
    areaGrid->addWidget(new QLabel(QStringLiteral("左上X座標"), areaGroup), 0, 0);
    areaGrid->addWidget(left_, 0, 1);
    areaGrid->addWidget(new QLabel(QStringLiteral("左上Y座標"), areaGroup), 0, 2);
    areaGrid->addWidget(top_, 0, 3);
    areaGrid->addWidget(new QLabel(QStringLiteral("幅"), areaGroup), 1, 0);
    areaGrid->addWidget(width_, 1, 1);
    areaGrid->addWidget(new QLabel(QStringLiteral("高さ"), areaGroup), 1, 2);
    areaGrid->addWidget(height_, 1, 3);
    layout->addWidget(areaGroup);

    auto* cellGroup = new QGroupBox(QStringLiteral("1ｺﾏの画像ｻｲｽﾞ"), this);
    auto* cellRow = new QHBoxLayout(cellGroup);
    cellWidth_ = NewSpin(cellGroup, 0, kMaxPictureSide);
    cellHeight_ = NewSpin(cellGroup, 0, kMaxPictureSide);
    cellRow->addWidget(new QLabel(QStringLiteral("幅"), cellGroup));
    cellRow->addWidget(cellWidth_);
    cellRow->addWidget(new QLabel(QStringLiteral("高さ"), cellGroup));
    cellRow->addWidget(cellHeight_);
    cellRow->addStretch(1);
    layout->addWidget(cellGroup);

    auto* buttons = new QHBoxLayout();
    std::tie(next_, cancel_) = AddDialogButtons(this, buttons, QStringLiteral("次へ"));
    layout->addLayout(buttons);

    numbers_ = {
        {red_, &EffectAnimation::keyRed},         {green_, &EffectAnimation::keyGreen},
        {blue_, &EffectAnimation::keyBlue},       {speed_, &EffectAnimation::speed},
        {left_, &EffectAnimation::areaLeft},      {top_, &EffectAnimation::areaTop},
        {width_, &EffectAnimation::areaWidth},    {height_, &EffectAnimation::areaHeight},
        {cellWidth_, &EffectAnimation::cellWidth}, {cellHeight_, &EffectAnimation::cellHeight},
    };

    // The controls show the working record.
    FillImageFileCombo(image_, context_.project);
    if (!isNew_) {
        ChooseImageFile(image_, working_.imageFile);
        image_->setEnabled(false);  // the image of an animation is chosen once
    }
    name_->setText(FromCp932(working_.name));
    show_->setChecked(true);
    ShowRecord();

    // Each change of a number is stored at once; the chip area and cell size repaint the preview.
    for (auto [spin, member] : numbers_) {
        connect(spin, &QSpinBox::valueChanged, this, [this, member = member](int value) {
            working_.*member = value;
            SyncPreview();
        });
    }
    connect(modes_, &QButtonGroup::idClicked, this, [this](int mode) {
        working_.drawMode = mode;
        SyncPreview();
    });
    connect(keyOn_, &QCheckBox::toggled, this, [this](bool on) {
        working_.colorKey = on ? 1 : 0;
        EnableKeyGroup();
        SyncPreview();
    });
    connect(image_, &QComboBox::currentIndexChanged, this, [this] { ShowChosenImage(); });
    connect(show_, &QCheckBox::toggled, this, [this](bool on) {
        if (on && view().IsOpen() && view().state().main.exists()) {
            view().Show();
        } else {
            view().Hide();
        }
    });
    connect(&view(), &ImageView::colourPicked, this, [this](QWidget* owner, QColor colour) {
        if (owner != this) return;
        red_->setValue(colour.red());
        green_->setValue(colour.green());
        blue_->setValue(colour.blue());
    });
}

QRadioButton* EffectSettingsStep::modeButton(int mode) const {
    return qobject_cast<QRadioButton*>(modes_->button(mode));
}

void EffectSettingsStep::ShowRecord() {
    for (auto [spin, member] : numbers_) {
        QSignalBlocker block(spin);
        spin->setValue(working_.*member);
        working_.*member = spin->value();  // what is shown is what is kept
    }
    {
        QSignalBlocker block(keyOn_);
        keyOn_->setChecked(working_.colorKey != 0);
    }
    if (QAbstractButton* b = modes_->button(working_.drawMode)) {
        b->setChecked(true);
    } else {
        // A mode the editor does not offer stays as read until a button is chosen.
        modes_->setExclusive(false);
        for (QAbstractButton* other : modes_->buttons()) other->setChecked(false);
        modes_->setExclusive(true);
    }
    EnableKeyGroup();
}

void EffectSettingsStep::EnableKeyGroup() { keyGroup_->setEnabled(keyOn_->isChecked()); }

void EffectSettingsStep::SetAreaRanges(int imageWidth, int imageHeight) {
    for (QSpinBox* s : {left_, width_, cellWidth_}) {
        QSignalBlocker block(s);
        s->setRange(0, imageWidth);
    }
    for (QSpinBox* s : {top_, height_, cellHeight_}) {
        QSignalBlocker block(s);
        s->setRange(0, imageHeight);
    }
}

void EffectSettingsStep::OpenPreview() {
    ImageView& v = view();
    v.Open(this);
    v.SetMode(ViewMode::ChipArea, this);
    v.SetCursorShape(Qt::CrossCursor);
    ShowChosenImage();
}

void EffectSettingsStep::ShowChosenImage() {
    ImageView& v = view();
    if (!v.IsOpen()) return;
    SyncPreview();
    v.ShowOrHideComboImage(this, image_, show_->isChecked());
    const Picture& sheet = v.state().main;
    imageWidth_ = sheet.exists() ? sheet.width : 0;
    imageHeight_ = sheet.exists() ? sheet.height : 0;
    if (image_->currentIndex() < 0) return;
    ApplyChosenImage(working_, isNew_, ChosenImageFile(image_), imageWidth_, imageHeight_);
    if (sheet.exists()) SetAreaRanges(imageWidth_, imageHeight_);
    ShowRecord();
    SyncPreview();
}

void EffectSettingsStep::SyncPreview() {
    ImageView& v = view();
    v.state().animation = working_;
    if (v.IsOpen()) v.Repaint();
}

void EffectSettingsStep::Refuse(const QString& text) {
    if (context_.services) context_.services->Inform(this, text);
}

void EffectSettingsStep::accept() {
    auto name = ToCp932(name_->text());
    working_.name = EffectNameForRecord(name.value_or(std::string()));
    switch (CheckEffectSettings(working_)) {
    case EffectSettingsProblem::None: break;
    case EffectSettingsProblem::CellSizeBelowOne:
        Refuse(QStringLiteral("1ｺﾏの画像ｻｲｽﾞは1以上に設定してください"));
        return;
    case EffectSettingsProblem::NoImage:
        Refuse(QStringLiteral("画像を選択してください"));
        return;
    case EffectSettingsProblem::ImageNameHasBlank:
        Refuse(QStringLiteral("空白を含む名前の画像は使えません。\nﾌｧｲﾙ名を変えてから選択してください"));
        return;
    case EffectSettingsProblem::NameHasLineBreak:
        Refuse(QStringLiteral("ｱﾆﾒ名に改行は使えません"));
        return;
    case EffectSettingsProblem::NameIsTag:
        Refuse(QStringLiteral("このｱﾆﾒ名は使えません"));
        return;
    }
    ClipAreaToImage(working_, imageWidth_, imageHeight_);
    ShowRecord();
    view().Close();

    EffectOrderStep order(context_, working_, EffectOrderStep::ForEffect(context_), this);
    if (order.exec() == QDialog::Accepted) {
        view().Close();
        view().SetMode(ViewMode::Animation);
        done(QDialog::Accepted);
        return;
    }
    // Back from the frame order: this step goes on with its own preview.
    OpenPreview();
}

void EffectSettingsStep::reject() {
    view().Close();
    view().SetMode(ViewMode::Animation);
    done(QDialog::Rejected);
}

}  // namespace lw
