#include "editors/media/narration_list_editor.h"

#include <tuple>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "app/services.h"
#include "editors/media/narration_dialog.h"
#include "previews/image_view.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"
#include "widgets/read_guard.h"

namespace lw {

NarrationListEditor::NarrationListEditor(EditorContext& context, QWidget* parent) : PreviewDialog(context, parent) {
    setWindowTitle(tr("ﾅﾚｰｼｮﾝﾘｽﾄ1"));
    ReopenPreviewOnActivation();
    auto* layout = new QVBoxLayout(this);

    ListEditorOptions options;
    options.addLabel = tr("追加...");
    options.editButton = true;
    panel_ = new ListEditorPanel(options, this);
    panel_->AddUsagesButton(context.project, RefTarget::Narration);
    panel_->view()->setMinimumSize(240, 260);
    layout->addWidget(panel_, 1);

    auto* bottom = new QHBoxLayout();
    show_ = new QCheckBox(tr("表示"), this);
    DiscardGuard::IgnoreChangesOf(show_);  // a preview: nothing saved
    bottom->addWidget(show_);
    std::tie(ok_, cancel_) = AddDialogButtons(this, bottom);
    layout->addLayout(bottom);
    // An empty list can be neither saved nor shown.
    panel_->EnableBy(ok_, ListEditorPanel::Enable::WithRows);
    panel_->EnableBy(show_, ListEditorPanel::Enable::WithRows);

    list_ = std::make_unique<ListEditor<Narration>>(
        panel_, [](const Narration& n) { return QStringList{FromCp932(NarrationLabel(n))}; });
    list_->OnAdd([this]() -> std::optional<Narration> {
        Narration working = NewNarrationDefaults();
        if (!RunDialog(working)) return std::nullopt;
        return working;
    });
    list_->OnEdit([this](Narration& copy) { return RunDialog(copy); });
    list_->OnSelectionChanged([this](int) { ShowSelection(); });
    list_->OnChanged([this] { ShowSelection(); });

    // The basic settings give the preview its font.
    LoadGameSettings(context_.project, context_.settings);
    std::vector<Narration> narrations;
    loadStatus_ = LoadNarrationList(context_.project, narrations);
    list_->SetRecords(std::move(narrations), 0);
    show_->setChecked(true);
    connect(show_, &QCheckBox::toggled, this, [this] { ShowSelection(); });
}

NarrationListEditor::~NarrationListEditor() = default;

void NarrationListEditor::OpenPreview() {
    ImageView& v = view();
    if (!v.IsOpen()) {
        v.Open(this);
        // The list shows the picture alone.
        v.SetMode(ViewMode::None, this);
        v.SetCursorShape(Qt::ArrowCursor);
    }
    ShowSelection();
}

void NarrationListEditor::ShowSelection() {
    ImageView& v = view();
    if (!v.IsOpen()) return;
    const int row = list_->selected();
    bool shown = false;
    if (row >= 0 && show_->isChecked()) {
        const QString name = FromCp932(NarrationLabel(list_->records()[static_cast<std::size_t>(row)]));
        shown = v.ShowImageByName(this, name) && v.state().main.exists();
        if (shown) v.SetCaption(name);
    }
    if (shown) {
        v.Show();
    } else {
        v.Hide();
    }
    panel_->view()->setFocus();
}

bool NarrationListEditor::RunDialog(Narration& working) {
    view().Close();
    NarrationDialog dialog(context_, working, this);
    const bool ok = dialog.exec() == QDialog::Accepted;
    OpenPreview();
    return ok;
}

void NarrationListEditor::Leave() {
    view().Close();
    view().SetMode(ViewMode::None);
}

void NarrationListEditor::accept() {
    if (context_.services && loadStatus_ != ReadStatus::Unreadable) {
        DialogSaveUi ui(*context_.services, this);
        SaveNarrationList(context_.project, list_->records(), ui);
        // Something could not be written: the editor stays open with the author's work.
        if (ui.failed()) return;
    }
    Leave();
    done(QDialog::Accepted);
}

void NarrationListEditor::reject() {
    Leave();
    done(QDialog::Rejected);
}

int RunNarrationListEditor(EditorContext& context, QWidget* parent) {
    NarrationListEditor editor(context, parent);
    if (ReportUnreadable(context, parent, kNarrationFile, editor.loadStatus())) return QDialog::Rejected;
    return editor.exec();
}

}  // namespace lw
