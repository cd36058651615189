#include "widgets/preview_list_editor.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "previews/image_view.h"
#include "widgets/dialog_buttons.h"
#include "widgets/preview_box.h"

namespace lw {

PreviewListDialog::PreviewListDialog(EditorContext& context, const PreviewListLook& look, QWidget* parent)
    : PreviewDialog(context, parent), mode_(look.mode), preview_(look.preview) {
    setWindowTitle(look.caption);
    if (look.preview && look.reopenOnActivation) ReopenPreviewOnActivation();
    auto* layout = new QVBoxLayout(this);

    panel_ = new ListEditorPanel({.addLabel = tr("追加..."), .editButton = true}, this);
    panel_->AddUsagesButton(context.project, look.usages);
    panel_->view()->setMinimumSize(look.listSize);
    layout->addWidget(panel_, 1);

    auto* bottom = new QHBoxLayout();
    if (preview_) {
        show_ = NewPreviewBox(tr("表示"), this);
        bottom->addWidget(show_);
        panel_->EnableBy(show_, ListEditorPanel::Enable::WithRows);
    }
    std::tie(ok_, cancel_) = AddDialogButtons(this, bottom);
    layout->addLayout(bottom);
    // An empty list can be neither saved nor shown.
    panel_->EnableBy(ok_, ListEditorPanel::Enable::WithRows);
}

PreviewListDialog::~PreviewListDialog() = default;

void PreviewListDialog::StartShowing() {
    if (!show_) return;
    show_->setChecked(true);
    connect(show_, &QCheckBox::toggled, this, [this] { ShowSelection(); });
}

bool PreviewListDialog::showChecked() const { return show_ && show_->isChecked(); }

const Project& PreviewListDialog::project() const { return context_.project; }

void PreviewListDialog::OpenPreview() {
    if (!preview_) return;
    if (!view().IsOpen()) OpenView(mode_);
    ShowSelection();
}

bool PreviewListDialog::RunStep(const std::function<bool()>& step) {
    view().Close();
    const bool ok = step();
    OpenPreview();
    return ok;
}

void PreviewListDialog::Leave() {
    if (!preview_) return;
    view().Close();
    view().SetMode(ViewMode::None);
}

void PreviewListDialog::accept() {
    if (!SaveUnlessUnreadable(context_, this, loadStatus_, [this](SaveUi& ui) { Save(ui); })) return;
    Leave();
    done(QDialog::Accepted);
}

void PreviewListDialog::reject() {
    Leave();
    done(QDialog::Rejected);
}

}  // namespace lw
