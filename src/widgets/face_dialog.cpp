#include "widgets/face_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/tagfile/record_format.h"
#include "previews/image_view.h"
#include "render/bitmap.h"
#include "widgets/drawing_group.h"
#include "widgets/field_grid.h"
#include "widgets/image_chooser.h"
#include "widgets/kept_value.h"
#include "widgets/preview_box.h"
#include "widgets/number_spin.h"
#include "widgets/read_guard.h"

namespace lw {

FaceFields FaceFieldsOf(FaceEntry& f) {
    return FaceFields{f.fileName, f.areaLeft, f.areaTop, f.areaWidth, f.areaHeight,
                      f.drawMode, f.colorKey, f.keyRed,  f.keyGreen,  f.keyBlue};
}

FaceDialog::FaceDialog(EditorContext& context, FaceFields fields, QWidget* parent, const QString& caption)
    : PreviewStepDialog(context, parent), fields_(fields) {
    setWindowTitle(caption.isEmpty() ? tr("顔画像(ﾒﾆｭｰ用)") : caption);
    working_.fileName = fields_.fileName;
    CopyAreaAndDrawing(fields_, working_);

    auto* layout = new QVBoxLayout(this);
    image_ = new ImageChooser(this);
    image_->setAccessibleName(tr("画像ﾌｧｲﾙ"));  // the drop-down has no label of its own
    show_ = NewPreviewBox(tr("表示"), this);
    layout->addLayout(PreviewChoiceRow(image_, 0, show_));

    drawing_ = new DrawingGroup(this);
    layout->addWidget(drawing_);

    auto* area = new QGroupBox(tr("元画像内の領域"), this);
    auto* grid = new QGridLayout(area);
    left_ = new NumberSpin(area, 0, kMaxPictureSide);
    top_ = new NumberSpin(area, 0, kMaxPictureSide);
    width_ = new NumberSpin(area, 0, kMaxPictureSide);
    height_ = new NumberSpin(area, 0, kMaxPictureSide);
    AddLabelledFields(grid, 2, {{tr("左上X座標"), left_}, {tr("左上Y座標"), top_}, {tr("幅"), width_}, {tr("高さ"), height_}});
    grid->setColumnStretch(4, 1);
    layout->addWidget(area);

    auto* buttons = new QHBoxLayout();
    AddButtons(buttons, tr("次へ"));
    layout->addLayout(buttons);

    // The controls show the entry; nothing is stored by showing it.
    image_->Fill(context_.project);
    image_->LoadName(working_.fileName);
    show_->setChecked(true);
    drawing_->LoadSpec(SpecOf(working_));
    const std::pair<NumberSpin*, int FaceEntry::*> areaFields[] = {
        {left_, &FaceEntry::areaLeft}, {top_, &FaceEntry::areaTop}, {width_, &FaceEntry::areaWidth}, {height_, &FaceEntry::areaHeight}};
    for (auto [spin, member] : areaFields) {
        {
            QSignalBlocker block(spin);
            LoadSpin(spin, working_.*member);
        }
        // What is typed is stored at once and moves the outline.
        connect(spin, &QSpinBox::valueChanged, this, [this, spin = spin, member = member] {
            working_.*member = SpinValue(spin);
            SyncPreview();
        });
    }

    connect(image_, &QComboBox::currentIndexChanged, this, [this] {
        const std::string name = image_->ChosenName();
        if (CheckTokenField(name) == FieldProblem::HasBlank) {
            Inform(context_, this, tr("空白を含む名前の画像は使えません。\nﾌｧｲﾙ名を変えてから選択してください"));
            image_->LoadName(working_.fileName);
            return;
        }
        working_.fileName = name;
        ShowChosenImage();
    });
    connect(show_, &QCheckBox::toggled, this, [this] { ShowChosenImage(); });
    connect(drawing_, &DrawingGroup::specEdited, this, [this] {
        SetSpec(working_, drawing_->Spec());
        SyncPreview();
    });
    connect(&view(), &ImageView::colourPicked, this, [this](QWidget* owner, QColor colour) {
        if (owner == this) drawing_->PickColour(colour);
    });
}

FaceDialog::~FaceDialog() = default;

void FaceDialog::OpenPreview() {
    OpenView(ViewMode::AreaFrame, Qt::CrossCursor);
    ShowChosenImage();
}

void FaceDialog::ShowChosenImage() {
    ImageView& v = view();
    if (!v.IsOpen()) return;
    SyncPreview();
    v.ShowOrHideComboImage(this, image_, show_->isChecked());
}

void FaceDialog::SyncPreview() {
    ImageView& v = view();
    CopyAreaAndDrawing(working_, v.state().animation);
    if (v.IsOpen()) v.Repaint();
}

void FaceDialog::StoreBack() {
    fields_.fileName = working_.fileName;
    CopyAreaAndDrawing(working_, fields_);
}

void FaceDialog::accept() {
    for (NumberSpin* s : {left_, top_, width_, height_}) s->interpretText();
    drawing_->InterpretTyped();
    SetSpec(working_, drawing_->Spec());
    working_.fileName = image_->ChosenName();
    const QString sizeMessage = tr("画像ｻｲｽﾞは1以上に設定してください");
    if (!FaceSizeAcceptable(working_)) {
        Inform(context_, this, sizeMessage);
        return;
    }
    // The file name is one field of the entry's line: without it the numbers would shift.
    if (working_.fileName.empty()) {
        Inform(context_, this, tr("画像を選択してください"));
        return;
    }
    // Cut back to the picture when it is loaded; a picture that is missing leaves the area as typed.
    const Picture& picture = view().state().main;
    if (view().IsOpen() && picture.exists()) {
        FaceEntry clipped = working_;
        ClipFaceArea(clipped, picture.width, picture.height);
        if (!FaceSizeAcceptable(clipped)) {
            Inform(context_, this, sizeMessage);
            return;
        }
        working_ = clipped;
        for (auto [spin, value] : {std::pair{width_, working_.areaWidth}, std::pair{height_, working_.areaHeight}}) {
            QSignalBlocker block(spin);
            LoadSpin(spin, value);
        }
    }
    view().Close();
    StoreBack();
    if (next_ && !next_(*this)) {
        // Back from the next step: this one goes on with its own preview.
        OpenPreview();
        return;
    }
    view().SetMode(ViewMode::None);
    done(QDialog::Accepted);
}

}  // namespace lw
