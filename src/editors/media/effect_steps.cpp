#include "editors/media/effect_steps.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>
#include <QCoreApplication>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/media/effect_animation_steps.h"
#include "editors/media/effect_combo.h"
#include "previews/image_view.h"
#include "render/bitmap.h"
#include "widgets/cp932_validator.h"
#include "widgets/drawing_group.h"
#include "widgets/field_grid.h"
#include "widgets/kept_value.h"
#include "widgets/number_spin.h"
#include "widgets/preview_box.h"
#include "widgets/read_guard.h"

namespace lw {

namespace {

QSpinBox* NewSpin(QWidget* parent, int lo, int hi) {
    auto* s = new NumberSpin(parent);
    s->setRange(lo, hi);
    s->setMinimumWidth(72);
    return s;
}

// "X" and "Y" with their fields, added to `row`.
std::pair<NumberSpin*, NumberSpin*> AddXY(QHBoxLayout* row, QWidget* parent) {
    auto* x = new NumberSpin(parent);
    auto* y = new NumberSpin(parent);
    for (auto [label, spin] : {std::pair{"X", x}, std::pair{"Y", y}}) {
        spin->setMinimumWidth(64);
        row->addWidget(new QLabel(QString::fromLatin1(label), parent));
        row->addWidget(spin);
    }
    return {x, y};
}

// A row of the frame lists: a cell "column row" or a position "x y".
QString PairText(int first, int second) { return QStringLiteral("%1 %2").arg(first).arg(second); }

// "ｱﾆﾒﾁｯﾌﾟの表示位置": where each frame of the animation is drawn on the 320 x 240 screen. The
// preview shows a background picture of the author's choice (not stored) with the animation
// running over it; a click on it, or "更新", places the selected frame.
class EffectPositionStep : public PreviewStepDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::EffectPositionStep)
public:
    EffectPositionStep(EditorContext& context, EffectAnimation& working, QWidget* parent)
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
        std::tie(x_, y_) = AddXY(fields, this);
        x_->setRange(0, kEffectScreenWidth);
        y_->setRange(0, kEffectScreenHeight);
        auto* update = new QPushButton(tr("更新"), this);
        update->setAutoDefault(false);
        show_ = NewPreviewBox(tr("表示"), this);
        fields->addWidget(update);
        fields->addStretch(1);
        fields->addWidget(show_);
        layout->addLayout(fields);

        auto* buttons = new QHBoxLayout();
        AddButtons(buttons);
        layout->addLayout(buttons);

        FillImageFileCombo(background_, context_.project);
        const int count = std::clamp(working_.frameCount, 0, kEffectFrameCapacity);
        for (int i = 0; i < count; ++i) {
            const EffectFrame& f = working_.frames[static_cast<std::size_t>(i)];
            frames_->addItem(PairText(f.x, f.y));
        }
        show_->setChecked(true);

        connect(frames_, &QListWidget::currentRowChanged, this, [this](int row) {
            if (row < 0 || row >= frames_->count()) return;
            const EffectFrame& f = working_.frames[static_cast<std::size_t>(row)];
            LoadSpin(x_, f.x);
            LoadSpin(y_, f.y);
        });
        if (count > 0) frames_->setCurrentRow(0);
        // "更新": a field the author did not touch keeps the frame's own value, even off the screen.
        connect(update, &QPushButton::clicked, this, [this] { UpdateSelectedFrame(SpinValue(x_), SpinValue(y_)); });
        connect(background_, &QComboBox::currentIndexChanged, this, [this] {
            view().LoadSecondImage(ChosenImageFile(background_));
            view().Repaint();
        });
        connect(show_, &QCheckBox::toggled, this, [this](bool on) {
            if (on && view().IsOpen()) {
                ShowScreen();
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

private:
    void OpenPreview() override {
        ImageView& v = OpenView(ViewMode::FramePositions, Qt::CrossCursor);
        // The sheet is drawn one cell at a time: its recorded size becomes the cell size.
        v.LoadMainImage(working_.imageFile);
        savedImageWidth_ = v.state().main.width;
        savedImageHeight_ = v.state().main.height;
        v.state().main.width = working_.cellWidth;
        v.state().main.height = working_.cellHeight;
        v.LoadSecondImage(ChosenImageFile(background_));
        SyncPreview();
        if (show_->isChecked()) ShowScreen();
    }
    // The preview as large as the screen, beside this step, the animation running from its start.
    void ShowScreen() {
        view().FitViewTo320x240(this);
        view().Show();
        view().RestartAnimation();
    }
    void SyncPreview() {
        view().state().animation = working_;
        if (view().IsOpen()) view().Repaint();
    }
    void UpdateSelectedFrame(int x, int y) {
        const int row = frames_->currentRow();
        if (row < 0 || row >= frames_->count() || frames_->selectedItems().isEmpty()) return;
        EffectFrame& f = working_.frames[static_cast<std::size_t>(row)];
        f.x = x;
        f.y = y;
        frames_->item(row)->setText(PairText(f.x, f.y));
        SyncPreview();
    }
    // OK and Cancel both give the preview back as they found it and close it; the positions placed
    // stay in the working record either way (Cancel returns to the frame order, where they are
    // still wanted), and only the list editor decides whether the record is kept.
    void Leave() override {
        ImageView& v = view();
        v.state().main.width = savedImageWidth_;
        v.state().main.height = savedImageHeight_;
        v.SetMode(ViewMode::None);
        v.LoadSecondImage({});
        v.Close();
    }

    EffectAnimation& working_;
    int savedImageWidth_ = 0;
    int savedImageHeight_ = 0;
    QComboBox* background_;
    QListWidget* frames_;
    QCheckBox* show_;
    NumberSpin* x_;
    NumberSpin* y_;
};

// The frame order of an effect animation: "次へ" runs the frame positions.
EffectOrderStep::Options EffectOrderOptions(EditorContext& context) {
    EffectOrderStep::Options o;
    o.defaultLabel = EffectOrderStep::tr("次へ");
    o.capacity = kEffectFrameCapacity;
    o.next = [&context](QWidget* step, EffectAnimation& working) {
        EffectPositionStep positions(context, working, step);
        return positions.exec() == QDialog::Accepted;
    };
    return o;
}

// "ｱﾆﾒ ﾘｽﾄ2", the first step of making or changing an effect animation: its name, the chip sheet
// (chosen once, when the animation is made), how it is drawn, its speed, the chip area inside the
// sheet and the size of one chip. The preview beside it shows the sheet with the chip area
// outlined and the cell grid drawn; a click on the sheet picks the key colour. "次へ" checks the
// record, cuts the chip area back to the sheet and runs the frame order, then the frame positions;
// it ends with 1 when the later steps end with OK.
class EffectSettingsStep : public PreviewStepDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::EffectSettingsStep)
public:
    // `working` is edited in place; `isNew` tells a new animation (cleared, speed 2, its image to
    // be chosen) from a changed one (its image fixed).
    EffectSettingsStep(EditorContext& context, EffectAnimation& working, bool isNew, QWidget* parent)
        : PreviewStepDialog(context, parent, ViewMode::Animation), working_(working), isNew_(isNew) {
        setWindowTitle(tr("ｱﾆﾒ ﾘｽﾄ2"));
        if (isNew_) working_ = NewEffectAnimation();

        auto* layout = new QVBoxLayout(this);

        auto* top = new QFormLayout();
        name_ = new QLineEdit(this);
        LimitToCp932(name_, static_cast<int>(kEffectNameBytes));
        name_->setMinimumWidth(240);
        top->addRow(tr("ｱﾆﾒ名"), name_);
        image_ = new QComboBox(this);
        show_ = NewPreviewBox(tr("表示"), this);
        top->addRow(tr("画像"), PreviewChoiceRow(image_, 20, show_));
        layout->addLayout(top);

        drawing_ = new DrawingGroup(this);
        layout->addWidget(drawing_);

        auto* speedRow = new QHBoxLayout();
        QSpinBox* speed = NewSpin(this, 1, 100);
        speedRow->addWidget(new QLabel(tr("速度"), this));
        speedRow->addWidget(speed);
        speedRow->addStretch(1);
        layout->addLayout(speedRow);

        auto* areaGroup = new QGroupBox(tr("元画像内の領域"), this);
        auto* areaGrid = new QGridLayout(areaGroup);
        left_ = NewSpin(areaGroup, 0, kMaxPictureSide);
        top_ = NewSpin(areaGroup, 0, kMaxPictureSide);
        width_ = NewSpin(areaGroup, 0, kMaxPictureSide);
        height_ = NewSpin(areaGroup, 0, kMaxPictureSide);
        AddLabelledFields(areaGrid, 2, {{tr("左上X座標"), left_}, {tr("左上Y座標"), top_}, {tr("幅"), width_}, {tr("高さ"), height_}});
        layout->addWidget(areaGroup);

        auto* cellGroup = new QGroupBox(tr("1ｺﾏの画像ｻｲｽﾞ"), this);
        auto* cellRow = new QHBoxLayout(cellGroup);
        cellWidth_ = NewSpin(cellGroup, 0, kMaxPictureSide);
        cellHeight_ = NewSpin(cellGroup, 0, kMaxPictureSide);
        AddLabelledRow(cellRow, {{tr("幅"), cellWidth_}, {tr("高さ"), cellHeight_}});
        layout->addWidget(cellGroup);

        auto* buttons = new QHBoxLayout();
        AddButtons(buttons, tr("次へ"));
        layout->addLayout(buttons);

        numbers_ = {
            {speed, &EffectAnimation::speed},         {left_, &EffectAnimation::areaLeft},
            {top_, &EffectAnimation::areaTop},         {width_, &EffectAnimation::areaWidth},
            {height_, &EffectAnimation::areaHeight},   {cellWidth_, &EffectAnimation::cellWidth},
            {cellHeight_, &EffectAnimation::cellHeight},
        };

        // The controls show the working record.
        FillImageFileCombo(image_, context_.project);
        if (!isNew_) {
            ChooseImageFile(image_, working_.imageFile);
            image_->setEnabled(false);  // the image of an animation is chosen once
        }
        LoadText(name_, working_.name);
        show_->setChecked(true);
        ShowRecord();

        // Each change of a number is stored at once; the chip area and cell size repaint the preview.
        // A value the author does not change stays in the record as it was, even where the spin
        // cannot show it.
        for (auto [spin, member] : numbers_) {
            connect(spin, &QSpinBox::valueChanged, this, [this, spin = spin, member = member] {
                working_.*member = SpinValue(spin);
                if (spin == left_ || spin == top_ || spin == width_ || spin == height_) areaChanged_ = true;
                SyncPreview();
            });
        }
        // The drawing values the author did not touch come back as they were loaded.
        connect(drawing_, &DrawingGroup::specEdited, this, [this] {
            const DrawSpec spec = drawing_->Spec();
            working_.drawMode = spec.mode;
            working_.colorKey = spec.keyOn;
            working_.keyRed = spec.key.red;
            working_.keyGreen = spec.key.green;
            working_.keyBlue = spec.key.blue;
            SyncPreview();
        });
        connect(image_, &QComboBox::currentIndexChanged, this, [this] { ShowChosenImage(); });
        connect(show_, &QCheckBox::toggled, this, [this] { ShowPictureWith(show_); });
        connect(&view(), &ImageView::colourPicked, this, [this](QWidget* owner, QColor colour) {
            if (owner == this) drawing_->PickColour(colour);
        });
    }

private:
    void ShowRecord() {
        for (auto [spin, member] : numbers_) {
            QSignalBlocker block(spin);
            LoadSpin(spin, working_.*member);
        }
        // An edited animation with no area width or height shows the picture's (kept as 0 until the
        // author changes it).
        if (!isNew_ && imageWidth_ > 0) {
            QSignalBlocker blockWidth(width_);
            QSignalBlocker blockHeight(height_);
            if (working_.areaWidth == 0) LoadSpinShowing(width_, 0, imageWidth_);
            if (working_.areaHeight == 0) LoadSpinShowing(height_, 0, imageHeight_);
        }
        drawing_->LoadSpec(DrawSpec{working_.drawMode, working_.colorKey, {working_.keyRed, working_.keyGreen, working_.keyBlue}});
    }
    void SetAreaRanges(int imageWidth, int imageHeight) {
        for (QSpinBox* s : {left_, width_, cellWidth_}) {
            QSignalBlocker block(s);
            KeepRange(s, 0, imageWidth);
        }
        for (QSpinBox* s : {top_, height_, cellHeight_}) {
            QSignalBlocker block(s);
            KeepRange(s, 0, imageHeight);
        }
    }
    void OpenPreview() override {
        OpenView(ViewMode::ChipArea, Qt::CrossCursor);
        ShowChosenImage();
    }
    void ShowChosenImage() {
        ImageView& v = view();
        if (!v.IsOpen()) return;
        SyncPreview();
        v.ShowOrHideComboImage(this, image_, show_->isChecked());
        const Picture& sheet = v.state().main;
        imageWidth_ = sheet.exists() ? sheet.width : 0;
        imageHeight_ = sheet.exists() ? sheet.height : 0;
        if (image_->currentIndex() < 0) return;
        // A new animation takes the chosen file and the whole picture as its area.
        if (isNew_) ApplyChosenImage(working_, true, ChosenImageFile(image_), imageWidth_, imageHeight_);
        if (sheet.exists()) SetAreaRanges(imageWidth_, imageHeight_);
        ShowRecord();
        SyncPreview();
    }
    void SyncPreview() {
        ImageView& v = view();
        v.state().animation = working_;
        // The outline of an edited animation without an area width or height covers the picture.
        if (!isNew_) ApplyChosenImage(v.state().animation, false, {}, imageWidth_, imageHeight_);
        if (v.IsOpen()) v.Repaint();
    }
    void accept() override {
        working_.name = EffectNameForRecord(TextValue(name_));
        // Each refusal is a message with the caption "Lorewright", no icon; the step stays open.
        switch (CheckEffectSettings(working_)) {
        case EffectSettingsProblem::None: break;
        case EffectSettingsProblem::CellSizeBelowOne:
            Inform(context_, this, tr("1ｺﾏの画像ｻｲｽﾞは1以上に設定してください"));
            return;
        case EffectSettingsProblem::NoImage:
            Inform(context_, this, tr("画像を選択してください"));
            return;
        case EffectSettingsProblem::ImageNameHasBlank:
            Inform(context_, this, tr("空白を含む名前の画像は使えません。\nﾌｧｲﾙ名を変えてから選択してください"));
            return;
        case EffectSettingsProblem::NameHasLineBreak:
            Inform(context_, this, tr("ｱﾆﾒ名に改行は使えません"));
            return;
        case EffectSettingsProblem::NameIsTag:
            Inform(context_, this, tr("このｱﾆﾒ名は使えません"));
            return;
        }
        // An area the author set is cut back to the picture; one read from the file stays as it was.
        if (isNew_ || areaChanged_) {
            ClipAreaToImage(working_, imageWidth_, imageHeight_);
            ShowRecord();
        }
        view().Close();

        EffectOrderStep order(context_, working_, EffectOrderOptions(context_), this);
        if (order.exec() == QDialog::Accepted) {
            LeaveAccepted();
            return;
        }
        // Back from the frame order: this step goes on with its own preview.
        OpenPreview();
    }

    EffectAnimation& working_;
    const bool isNew_;
    int imageWidth_ = 0;  // of the sheet shown, 0 while none is loaded
    int imageHeight_ = 0;
    bool areaChanged_ = false;  // the author changed the chip area

    QLineEdit* name_;
    QComboBox* image_;
    QCheckBox* show_;
    DrawingGroup* drawing_;
    QSpinBox* left_;
    QSpinBox* top_;
    QSpinBox* width_;
    QSpinBox* height_;
    QSpinBox* cellWidth_;
    QSpinBox* cellHeight_;
    // Each number field and the member it stores into.
    std::vector<std::pair<QSpinBox*, int EffectAnimation::*>> numbers_;
};

}  // namespace

// ---- Frame order --------------------------------------------------------------------------------

EffectOrderStep::EffectOrderStep(EditorContext& context, EffectAnimation& working, Options options, QWidget* parent)
    : PreviewStepDialog(context, parent), working_(working), options_(std::move(options)) {
    setWindowTitle(tr("ｱﾆﾒﾁｯﾌﾟの順番"));
    auto* layout = new QVBoxLayout(this);

    auto* panel = new ListEditorPanel(ListEditorOptions{}, this);
    panel->view()->setMinimumSize(140, 220);
    QPushButton* update = panel->AddButton(tr("更新"), ListEditorPanel::Enable::WithSelection);
    layout->addWidget(panel, 1);

    auto* fields = new QHBoxLayout();
    std::tie(column_, row_) = AddXY(fields, this);
    show_ = NewPreviewBox(tr("表示"), this);
    fields->addStretch(1);
    fields->addWidget(show_);
    layout->addLayout(fields);

    auto* buttons = new QHBoxLayout();
    AddButtons(buttons, options_.defaultLabel);
    layout->addLayout(buttons);

    list_ = std::make_unique<ListEditor<std::pair<int, int>>>(
        panel, [](const std::pair<int, int>& cell) { return QStringList{PairText(cell.first, cell.second)}; });
    list_->SetCapacity(options_.capacity, [this] { Inform(context_, this, tr("これ以上、追加できません")); });
    list_->OnAdd([this]() -> std::optional<std::pair<int, int>> { return TypedCell(); });
    connect(update, &QPushButton::clicked, this, [this] {
        if (list_->model().Replace(list_->selected(), TypedCell())) list_->Refresh();
    });
    list_->SetRecords(FrameOrderOf(working_));
    show_->setChecked(true);
    connect(show_, &QCheckBox::toggled, this, [this] { ShowPictureWith(show_); });
    connect(&view(), &ImageView::cellPicked, this, [this](QWidget* owner, int column, int row) {
        if (owner == this) AppendCell(column, row);
    });
}

std::pair<int, int> EffectOrderStep::TypedCell() const {
    return {ClampChipIndex(column_->value(), column_->maximum()), ClampChipIndex(row_->value(), row_->maximum())};
}

void EffectOrderStep::AppendCell(int column, int row) {
    if (list_->model().size() >= options_.capacity) return Inform(context_, this, tr("これ以上、追加できません"));
    list_->model().Append({column, row});
    list_->Refresh();
}

void EffectOrderStep::OpenPreview() {
    ImageView& v = OpenView(ViewMode::CellPick);
    v.state().animation = working_;
    v.LoadMainImage(working_.imageFile);
    // The spins step through the cells of the sheet: 0 .. size ÷ cell size − 1.
    const Picture& sheet = v.state().main;
    const ChipGridMax max = FrameOrderMaxima(sheet.exists() ? sheet.width : 0, sheet.exists() ? sheet.height : 0,
                                             working_.cellWidth, working_.cellHeight);
    column_->setRange(0, max.column);
    row_->setRange(0, max.row);
    if (!sheet.exists()) {
        v.Hide();
        return;
    }
    v.FitViewToImage(this);
    v.SetCaption(QString());
    ShowPictureWith(show_);
}

void EffectOrderStep::accept() {
    ApplyFrameOrder(working_, list_->records());
    if (options_.next) {
        view().Close();
        if (!options_.next(this, working_)) {
            OpenPreview();
            return;
        }
    }
    LeaveAccepted();
}

void EffectOrderStep::Leave() { view().Close(); }

bool RunEffectSteps(EditorContext& context, EffectAnimation& working, bool isNew, QWidget* parent) {
    return EffectSettingsStep(context, working, isNew, parent).exec() == QDialog::Accepted;
}

}  // namespace lw
