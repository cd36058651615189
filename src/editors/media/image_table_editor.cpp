#include "editors/media/image_table_editor.h"
#include "app/language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "app/services.h"
#include "previews/image_view.h"
#include "widgets/preview_box.h"
#include "widgets/drawing_group.h"
#include "widgets/image_chooser.h"
#include "widgets/read_guard.h"


namespace lw {

ImageTableEditor::ImageTableEditor(EditorContext& context, ImageTableKind kind, QWidget* parent)
    : PreviewStepDialog(context, parent), kind_(kind) {
    setWindowTitle(kind == ImageTableKind::Back ? tr("背景画像") : tr("ｶｰｿﾙ画像"));
    auto* layout = new QHBoxLayout(this);

    slots_ = new QListWidget(this);
    for (const std::string& name : ImageSlotNames(kind_)) slots_->addItem(CoreTextCp932(name));
    slots_->setMinimumWidth(220);
    slots_->setMinimumHeight(300);
    layout->addWidget(slots_, 1);

    auto* side = new QVBoxLayout();
    image_ = new ImageChooser(this);
    image_->setAccessibleName(tr("画像ﾌｧｲﾙ"));  // the drop-down has no label of its own
    show_ = NewPreviewBox(tr("表示"), this);
    side->addLayout(PreviewChoiceRow(image_, 20, show_));
    drawing_ = new DrawingGroup(this);
    side->addWidget(drawing_);
    side->addStretch(1);
    auto* buttons = new QHBoxLayout();
    AddButtons(buttons);
    side->addLayout(buttons);
    layout->addLayout(side);

    loadStatus_ = LoadImageTable(context_.project, kind_, table_);
    image_->Fill(context_.project);
    current_ = FormatOf(kind_).firstEditedSlot;
    {
        QSignalBlocker block(slots_);
        slots_->setCurrentRow(0);
    }
    show_->setChecked(true);
    ShowSlot();

    connect(slots_, &QListWidget::currentRowChanged, this, [this](int row) { SelectSlot(row); });
    connect(image_, &QComboBox::currentIndexChanged, this, [this] {
        slot().fileName = image_->ChosenName();
        ShowPicture();
    });
    connect(show_, &QCheckBox::toggled, this, [this] { ShowPicture(); });
    connect(drawing_, &DrawingGroup::specEdited, this, [this] { SetSpec(slot(), drawing_->Spec()); });
    connect(&view(), &ImageView::colourPicked, this, [this](QWidget* owner, QColor colour) {
        if (owner == this) drawing_->PickColour(colour);
    });
}

ImageEntry& ImageTableEditor::slot() { return table_.entries[static_cast<std::size_t>(current_)]; }

void ImageTableEditor::SelectSlot(int row) {
    if (row < 0) return;
    current_ = row + FormatOf(kind_).firstEditedSlot;
    ShowSlot();
}

void ImageTableEditor::ShowSlot() {
    {
        QSignalBlocker block(image_);
        image_->LoadName(slot().fileName);
    }
    drawing_->LoadSpec(SpecOf(slot()));
    ShowPicture();
}

void ImageTableEditor::OpenPreview() {
    OpenView(kind_ == ImageTableKind::Back ? ViewMode::MonsterColour : ViewMode::ImageColour, Qt::CrossCursor);
    ShowPicture();
}

void ImageTableEditor::ShowPicture() {
    ImageView& v = view();
    if (!v.IsOpen()) return;
    v.ShowOrHideComboImage(this, image_, show_->isChecked());
}

void ImageTableEditor::showEvent(QShowEvent* event) {
    PreviewDialog::showEvent(event);
    ShowPicture();
}

void ImageTableEditor::hideEvent(QHideEvent* event) {
    PreviewDialog::hideEvent(event);
    view().Hide();
}

void ImageTableEditor::accept() {
    // A colour still being typed (OK pressed with Enter) counts as left.
    drawing_->InterpretTyped();
    if (!SaveUnlessUnreadable(context_, this, loadStatus_,
                              [this](SaveUi& ui) { SaveImageTable(context_.project, kind_, table_, ui); }))
        return;
    Leave();
    done(QDialog::Accepted);
}

int RunImageTableEditor(EditorContext& context, ImageTableKind kind, QWidget* parent) {
    ImageTableEditor editor(context, kind, parent);
    if (ReportUnreadable(context, parent, FormatOf(kind).fileName, editor.loadStatus())) return QDialog::Rejected;
    return editor.exec();
}

}  // namespace lw
