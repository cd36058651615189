#include "widgets/preview_step_dialog.h"

#include <tuple>

#include "previews/image_view.h"
#include "widgets/dialog_buttons.h"

namespace lw {

PreviewStepDialog::PreviewStepDialog(EditorContext& context, QWidget* parent, ViewMode leaveMode)
    : PreviewDialog(context, parent), leaveMode_(leaveMode) {}

void PreviewStepDialog::AddButtons(QBoxLayout* row, const QString& confirmLabel) {
    std::tie(ok_, cancel_) = AddDialogButtons(this, row, confirmLabel);
}

void PreviewStepDialog::Leave() {
    view().Close();
    view().SetMode(leaveMode_);
}

void PreviewStepDialog::LeaveAccepted() {
    Leave();
    done(QDialog::Accepted);
}

void PreviewStepDialog::accept() { LeaveAccepted(); }

void PreviewStepDialog::reject() {
    Leave();
    done(QDialog::Rejected);
}

}  // namespace lw
