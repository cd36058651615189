#pragma once
// A dialog that shows the shared image preview beside itself. When the dialog is shown and no
// preview window is open, OpenPreview() opens one in the dialog's view mode.

#include <QDialog>

namespace lw {

struct EditorContext;
class ImageView;

class PreviewDialog : public QDialog {
    Q_OBJECT
protected:
    PreviewDialog(EditorContext& context, QWidget* parent);

    ImageView& view() const;
    void showEvent(QShowEvent* event) override;
    // Opens the preview window for this dialog and shows what the dialog previews.
    virtual void OpenPreview() = 0;

    EditorContext& context_;
};

}  // namespace lw
