#include "editors/scenes/map_animation_settings_step.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/world/map_animation_steps.h"
#include "editors/scenes/map_animation_sequence_step.h"
#include "previews/image_view.h"
#include "render/bitmap.h"
#include "widgets/image_chooser.h"
#include "widgets/kept_value.h"
#include "widgets/number_spin.h"
#include "widgets/read_guard.h"
#include "widgets/preview_box.h"

namespace lw {

MapAnimationSettingsStep::MapAnimationSettingsStep(EditorContext& context, MapAnimation& working, QWidget* parent)
    : PreviewStepDialog(context, parent, ViewMode::MapAnimation), working_(working) {
    setWindowTitle(tr("ﾏｯﾌﾟｱﾆﾒ2"));
    auto* layout = new QVBoxLayout(this);

    auto* imageRow = new QHBoxLayout();
    image_ = new ImageChooser(this);
    show_ = NewPreviewBox(tr("表示"), this);
    imageRow->addWidget(new QLabel(tr("画像"), this));
    imageRow->addWidget(image_, 1);
    imageRow->addWidget(show_);
    layout->addLayout(imageRow);

    auto* sizeGroup = new QGroupBox(tr("1ｺﾏの画像ｻｲｽﾞ"), this);
    auto* sizeRow = new QHBoxLayout(sizeGroup);
    width_ = new NumberSpin(sizeGroup, 1, kMaxPictureSide);
    height_ = new NumberSpin(sizeGroup, 1, kMaxPictureSide);
    sizeRow->addWidget(new QLabel(tr("幅"), sizeGroup));
    sizeRow->addWidget(width_);
    sizeRow->addWidget(new QLabel(tr("高さ"), sizeGroup));
    sizeRow->addWidget(height_);
    sizeRow->addStretch(1);
    layout->addWidget(sizeGroup);

    auto* speedRow = new QHBoxLayout();
    speed_ = new NumberSpin(this, 1, kMapAnimationMaxSpeed);
    speedRow->addWidget(new QLabel(tr("速度"), this));
    speedRow->addWidget(speed_);
    speedRow->addStretch(1);
    layout->addLayout(speedRow);
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout();
    AddButtons(buttons, tr("次へ"));
    layout->addLayout(buttons);

    image_->Fill(context_.project);
    image_->LoadName(working_.imageFile);
    LoadSpin(width_, working_.frameWidth);
    LoadSpin(height_, working_.frameHeight);
    LoadSpin(speed_, working_.speed);
    show_->setChecked(true);

    connect(image_, &QComboBox::currentIndexChanged, this, [this] { ShowChosenImage(); });
    for (NumberSpin* spin : {width_, height_, speed_})
        connect(spin, &QSpinBox::valueChanged, this, [this] { TakeControls(); });
    connect(show_, &QCheckBox::toggled, this, [this](bool on) {
        if (on && view().IsOpen() && view().state().main.exists()) {
            view().Show();
        } else {
            view().Hide();
        }
    });
}

void MapAnimationSettingsStep::OpenPreview() {
    OpenView(ViewMode::MapAnimationGrid);
    ShowChosenImage();
}

void MapAnimationSettingsStep::ShowChosenImage() {
    working_.imageFile = image_->ChosenName();
    ImageView& v = view();
    if (v.IsOpen()) {
        v.LoadMainImage(working_.imageFile);
        const Picture& sheet = v.state().main;
        imageWidth_ = sheet.exists() ? sheet.width : 0;
        imageHeight_ = sheet.exists() ? sheet.height : 0;
    } else {
        const QImage sheet = LoadImageFile(ImageFilePath(context_.project, working_.imageFile));
        imageWidth_ = sheet.width();
        imageHeight_ = sheet.height();
    }
    // A size typed above the bitmap's becomes the bitmap's; a size read from the file stays until
    // the author changes it.
    KeepRange(width_, 1, imageWidth_ > 0 ? imageWidth_ : kMaxPictureSide);
    KeepRange(height_, 1, imageHeight_ > 0 ? imageHeight_ : kMaxPictureSide);
    TakeControls();
    if (!v.IsOpen()) return;
    if (imageWidth_ > 0) {
        v.FitViewToImage(this);
        v.SetCaption(FromCp932(working_.imageFile));
    }
    if (imageWidth_ > 0 && show_->isChecked()) {
        v.Show();
    } else {
        v.Hide();
    }
}

void MapAnimationSettingsStep::TakeControls() {
    working_.frameWidth = SpinValue(width_);
    working_.frameHeight = SpinValue(height_);
    working_.speed = SpinValue(speed_);
    SyncPreview();
}

void MapAnimationSettingsStep::SyncPreview() {
    ImageView& v = view();
    EffectAnimation grid = PreviewRecord(working_, {});
    v.state().animation = grid;
    if (v.IsOpen()) v.Repaint();
}

void MapAnimationSettingsStep::accept() {
    // A number still being typed is taken as it stands.
    for (NumberSpin* spin : {width_, height_, speed_}) spin->interpretText();
    working_.imageFile = image_->ChosenName();
    TakeControls();
    QString problem;
    switch (CheckMapAnimationSettings(working_)) {
    case MapAnimationProblem::None: break;
    case MapAnimationProblem::FrameSizeBelowOne: problem = tr("1ｺﾏの画像ｻｲｽﾞは1以上に設定してください"); break;
    case MapAnimationProblem::NoImage: problem = tr("画像を選択してください"); break;
    case MapAnimationProblem::ImageNameHasBlank:
        problem = tr("空白を含む名前の画像は使えません。\nﾌｧｲﾙ名を変えてから選択してください");
        break;
    }
    if (!problem.isEmpty()) {
        Inform(context_, this, problem);
        return;
    }
    view().Close();
    MapAnimationSequenceStep animations(context_, working_, imageWidth_, imageHeight_, this);
    if (animations.exec() == QDialog::Accepted) {
        LeaveAccepted();
        return;
    }
    // Back from the animations: this step goes on with its own preview.
    OpenPreview();
}

}  // namespace lw
