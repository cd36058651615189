#include "editors/media/face_list_editor.h"

#include <tuple>

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "app/services.h"
#include "previews/image_view.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"
#include "widgets/face_dialog.h"
#include "widgets/read_guard.h"

namespace lw {

EffectAnimation FaceAnimation(const FaceEntry& face) {
    EffectAnimation a;
    a.imageFile = face.fileName;
    a.areaLeft = face.areaLeft;
    a.areaTop = face.areaTop;
    a.areaWidth = face.areaWidth;
    a.areaHeight = face.areaHeight;
    a.cellWidth = face.areaWidth;
    a.cellHeight = face.areaHeight;
    a.drawMode = face.drawMode;
    a.colorKey = face.colorKey;
    a.keyRed = face.keyRed;
    a.keyGreen = face.keyGreen;
    a.keyBlue = face.keyBlue;
    return a;
}

FaceListEditor::FaceListEditor(EditorContext& context, QWidget* parent) : PreviewDialog(context, parent) {
    setWindowTitle(tr("顔画像ﾘｽﾄ"));
    ReopenPreviewOnActivation();
    auto* layout = new QVBoxLayout(this);

    ListEditorOptions options;
    options.addLabel = tr("追加...");
    options.editButton = true;
    panel_ = new ListEditorPanel(options, this);
    panel_->AddUsagesButton(context.project, RefTarget::Face);
    panel_->view()->setMinimumSize(280, 260);
    layout->addWidget(panel_, 1);

    auto* bottom = new QHBoxLayout();
    show_ = new QCheckBox(tr("表示"), this);
    DiscardGuard::IgnoreChangesOf(show_);  // a preview: nothing saved
    bottom->addWidget(show_);
    std::tie(ok_, cancel_) = AddDialogButtons(this, bottom);
    layout->addLayout(bottom);
    // An empty face list can be neither saved nor shown from here.
    panel_->EnableBy(ok_, ListEditorPanel::Enable::WithRows);
    panel_->EnableBy(show_, ListEditorPanel::Enable::WithRows);

    list_ = std::make_unique<ListEditor<FaceEntry>>(
        panel_, [](const FaceEntry& face) { return QStringList{FromCp932(FaceListText(face))}; });
    list_->OnAdd([this]() -> std::optional<FaceEntry> {
        FaceEntry face;
        if (!RunFaceDialog(face)) return std::nullopt;
        return face;
    });
    list_->OnEdit([this](FaceEntry& copy) { return RunFaceDialog(copy); });
    list_->OnSelectionChanged([this](int) { ShowSelection(); });
    list_->OnChanged([this] { ShowSelection(); });

    std::vector<FaceEntry> faces;
    loadStatus_ = LoadFaceList(context_.project, faces);
    list_->SetRecords(std::move(faces), 0);
    show_->setChecked(true);
    connect(show_, &QCheckBox::toggled, this, [this] { ShowSelection(); });
}

FaceListEditor::~FaceListEditor() = default;

void FaceListEditor::OpenPreview() {
    ImageView& v = view();
    if (!v.IsOpen()) {
        v.Open(this);
        v.SetMode(ViewMode::Animation, this);
        v.SetCursorShape(Qt::ArrowCursor);
    }
    ShowSelection();
}

void FaceListEditor::ShowSelection() {
    ImageView& v = view();
    const int row = list_->selected();
    v.state().animation = row >= 0 ? FaceAnimation(list_->records()[static_cast<std::size_t>(row)]) : EffectAnimation{};
    if (!v.IsOpen()) return;
    if (row >= 0 && show_->isChecked()) {
        v.ShowAnimationCell(this, v.state().animation.imageFile);
        v.SetCaption(FromCp932(v.state().animation.imageFile));
    } else {
        v.Hide();
    }
    panel_->view()->setFocus();
}

bool FaceListEditor::RunFaceDialog(FaceEntry& face) {
    view().Close();
    FaceDialog dialog(context_, FaceFieldsOf(face), this);
    const bool ok = dialog.exec() == QDialog::Accepted;
    view().SetMode(ViewMode::Animation, this);
    OpenPreview();
    return ok;
}

void FaceListEditor::Leave() {
    view().Close();
    view().SetMode(ViewMode::None);
}

void FaceListEditor::accept() {
    if (context_.services && loadStatus_ != ReadStatus::Unreadable) {
        DialogSaveUi ui(*context_.services, this);
        SaveFaceList(context_.project, list_->records(), ui);
        // Something could not be written: the editor stays open with the author's work.
        if (ui.failed()) return;
    }
    Leave();
    done(QDialog::Accepted);
}

void FaceListEditor::reject() {
    Leave();
    done(QDialog::Rejected);
}

int RunFaceListEditor(EditorContext& context, QWidget* parent) {
    FaceListEditor editor(context, parent);
    if (ReportUnreadable(context, parent, kFaceFile, editor.loadStatus())) return QDialog::Rejected;
    return editor.exec();
}

}  // namespace lw
