#pragma once
// A dialog that shows the shared image preview beside itself. When the dialog is shown and no
// preview window is open, OpenPreview() opens one in the dialog's view mode.

#include <QDialog>

#include "render/image_view_state.h"

class QCheckBox;

namespace lw {

struct EditorContext;
class ImageView;

class PreviewDialog : public QDialog {
    Q_OBJECT
protected:
    PreviewDialog(EditorContext& context, QWidget* parent);

    ImageView& view() const;
    // Opens the preview for this dialog in `mode` with `cursor` over the picture.
    ImageView& OpenView(ViewMode mode, Qt::CursorShape cursor = Qt::ArrowCursor);
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The preview also comes back whenever the dialog becomes active again with none open (back
    // from a step dialog that closed it), for the list editors.
    void ReopenPreviewOnActivation() { reopenOnActivation_ = true; }
    // Opens the preview window for this dialog and shows what the dialog previews.
    virtual void OpenPreview() = 0;
    // Shows the picture loaded in the open preview while `box` ("表示") is checked, hides it
    // otherwise.
    void ShowPictureWith(QCheckBox* box);

    EditorContext& context_;

private:
    bool reopenOnActivation_ = false;
};

}  // namespace lw
