#include "editors/media/effect_position_step.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "core/media/effect_animation_steps.h"
#include "editors/media/effect_combo.h"
#include "previews/image_view.h"
#include "widgets/preview_box.h"
#include "widgets/kept_value.h"
#include "widgets/number_spin.h"

namespace lw {

namespace {

QString PositionText(const EffectFrame& f) { return QStringLiteral("%1 %2").arg(f.x).arg(f.y); }

}  // namespace

EffectPositionStep::EffectPositionStep(EditorContext& context, EffectAnimation& working, QWidget* parent)
    : PreviewStepDialog(context, parent), working_(working) {
    setWindowTitle(tr("ｱﾆﾒﾁｯﾌﾟの表示位置"));
    auto* layout = new QVBoxLayout(this);

    auto* backRow = new QFormLayout();
    background_ = new QComboBox(this);
    background_->setMinimumContentsLength(20);
    background_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    backRow->addRow(tr("背景"), background_);
    layout->addLayout(backRow);

    frames_ = new QListWidget(this);
    frames_->setMinimumSize(140, 220);
    layout->addWidget(frames_, 1);

    auto* fields = new QHBoxLayout();
    x_ = new NumberSpin(this);
    x_->setRange(0, kEffectScreenWidth);
    x_->setMinimumWidth(64);
    y_ = new NumberSpin(this);
    y_->setRange(0, kEffectScreenHeight);
    y_->setMinimumWidth(64);
    update_ = new QPushButton(tr("更新"), this);
    update_->setAutoDefault(false);
    show_ = NewPreviewBox(tr("表示"), this);
    fields->addWidget(new QLabel(QStringLiteral("X"), this));
    fields->addWidget(x_);
    fields->addWidget(new QLabel(QStringLiteral("Y"), this));
    fields->addWidget(y_);
    fields->addWidget(update_);
    fields->addStretch(1);
    fields->addWidget(show_);
    layout->addLayout(fields);

    auto* buttons = new QHBoxLayout();
    AddButtons(buttons);
    layout->addLayout(buttons);

    FillImageFileCombo(background_, context_.project);
    const int count = std::clamp(working_.frameCount, 0, kEffectFrameCapacity);
    for (int i = 0; i < count; ++i) frames_->addItem(PositionText(working_.frames[static_cast<std::size_t>(i)]));
    show_->setChecked(true);

    connect(frames_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row >= frames_->count()) return;
        const EffectFrame& f = working_.frames[static_cast<std::size_t>(row)];
        LoadSpin(x_, f.x);
        LoadSpin(y_, f.y);
    });
    if (count > 0) frames_->setCurrentRow(0);
    // "更新": a field the author did not touch keeps the frame's own value, even off the screen.
    connect(update_, &QPushButton::clicked, this, [this] { UpdateSelectedFrame(SpinValue(x_), SpinValue(y_)); });
    connect(background_, &QComboBox::currentIndexChanged, this, [this] {
        view().LoadSecondImage(ChosenImageFile(background_));
        view().Repaint();
    });
    connect(show_, &QCheckBox::toggled, this, [this](bool on) {
        if (on && view().IsOpen()) {
            view().FitViewTo320x240(this);
            view().Show();
            view().RestartAnimation();
        } else {
            view().Hide();
        }
    });
    connect(&view(), &ImageView::pointPicked, this, [this](QWidget* owner, QPoint point) {
        if (owner != this) return;
        const auto [x, y] = ClampFramePosition(point.x(), point.y());
        LoadSpin(x_, x);
        LoadSpin(y_, y);
        UpdateSelectedFrame(x, y);
    });
}

void EffectPositionStep::OpenPreview() {
    ImageView& v = view();
    v.Open(this);
    v.SetMode(ViewMode::FramePositions, this);
    v.SetCursorShape(Qt::CrossCursor);
    // The sheet is drawn one cell at a time: its recorded size becomes the cell size.
    v.LoadMainImage(working_.imageFile);
    savedImageWidth_ = v.state().main.width;
    savedImageHeight_ = v.state().main.height;
    v.state().main.width = working_.cellWidth;
    v.state().main.height = working_.cellHeight;
    v.LoadSecondImage(ChosenImageFile(background_));
    SyncPreview();
    if (show_->isChecked()) {
        v.FitViewTo320x240(this);
        v.Show();
        v.RestartAnimation();
    }
}

void EffectPositionStep::SyncPreview() {
    view().state().animation = working_;
    if (view().IsOpen()) view().Repaint();
}

void EffectPositionStep::UpdateSelectedFrame(int x, int y) {
    const int row = frames_->currentRow();
    if (row < 0 || row >= frames_->count() || frames_->selectedItems().isEmpty()) return;
    EffectFrame& f = working_.frames[static_cast<std::size_t>(row)];
    f.x = x;
    f.y = y;
    frames_->item(row)->setText(PositionText(f));
    SyncPreview();
}

void EffectPositionStep::Leave() {
    ImageView& v = view();
    v.state().main.width = savedImageWidth_;
    v.state().main.height = savedImageHeight_;
    v.SetMode(ViewMode::None);
    v.LoadSecondImage({});
    v.Close();
}

}  // namespace lw
