#include "widgets/preview_dialog.h"

#include <QCheckBox>
#include <QEvent>

#include "app/editor_context.h"
#include "previews/image_view.h"

namespace lw {

PreviewDialog::PreviewDialog(EditorContext& context, QWidget* parent) : QDialog(parent), context_(context) {}

ImageView& PreviewDialog::view() const { return *context_.imageView; }

ImageView& PreviewDialog::OpenView(ViewMode mode, Qt::CursorShape cursor) {
    ImageView& v = view();
    v.Open(this);
    v.SetMode(mode, this);
    v.SetCursorShape(cursor);
    return v;
}

void PreviewDialog::ShowPictureWith(QCheckBox* box) {
    ImageView& v = view();
    if (box->isChecked() && v.IsOpen() && v.state().main.exists()) {
        v.Show();
    } else {
        v.Hide();
    }
}

void PreviewDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!view().IsOpen()) OpenPreview();
}

void PreviewDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (reopenOnActivation_ && event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible() &&
        !view().IsOpen())
        OpenPreview();
}

}  // namespace lw
