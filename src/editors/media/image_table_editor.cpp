#include "editors/media/image_table_editor.h"
#include "app/language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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
#include "widgets/preview_step_dialog.h"
#include "widgets/read_guard.h"

namespace lw {

namespace {

class ImageTableEditor : public PreviewStepDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::ImageTableEditor)
public:
    ImageTableEditor(EditorContext& context, ImageTableKind kind, QWidget* parent)
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

    // How reading the table's file went; an unreadable file is never saved over.
    ReadStatus loadStatus() const { return loadStatus_; }

private:
    ImageEntry& slot() { return table_.entries[static_cast<std::size_t>(current_)]; }
    void SelectSlot(int row) {
        if (row < 0) return;
        current_ = row + FormatOf(kind_).firstEditedSlot;
        ShowSlot();
    }
    void ShowSlot() {
        {
            QSignalBlocker block(image_);
            image_->LoadName(slot().fileName);
        }
        drawing_->LoadSpec(SpecOf(slot()));
        ShowPicture();
    }
    void OpenPreview() override {
        OpenView(kind_ == ImageTableKind::Back ? ViewMode::MonsterColour : ViewMode::ImageColour, Qt::CrossCursor);
        ShowPicture();
    }
    void ShowPicture() {
        ImageView& v = view();
        if (!v.IsOpen()) return;
        v.ShowOrHideComboImage(this, image_, show_->isChecked());
    }
    void showEvent(QShowEvent* event) override {
        PreviewDialog::showEvent(event);
        ShowPicture();
    }
    void hideEvent(QHideEvent* event) override {
        PreviewDialog::hideEvent(event);
        view().Hide();
    }
    void accept() override {
        // A colour still being typed (OK pressed with Enter) counts as left.
        drawing_->InterpretTyped();
        if (!SaveUnlessUnreadable(context_, this, loadStatus_,
                                  [this](SaveUi& ui) { SaveImageTable(context_.project, kind_, table_, ui); }))
            return;
        Leave();
        done(QDialog::Accepted);
    }

    ImageTableKind kind_;
    ImageTable table_;
    int current_ = 0;  // the table slot the selected list row edits
    ReadStatus loadStatus_ = ReadStatus::Missing;

    QListWidget* slots_;
    ImageChooser* image_;
    QCheckBox* show_;
    DrawingGroup* drawing_;
};

}  // namespace

int RunImageTableEditor(EditorContext& context, ImageTableKind kind, QWidget* parent) {
    ImageTableEditor editor(context, kind, parent);
    if (ReportUnreadable(context, parent, FormatOf(kind).fileName, editor.loadStatus())) return QDialog::Rejected;
    return editor.exec();
}

}  // namespace lw
