#pragma once
// A dialog with the image preview beside it that ends with its confirming button ("OK" or "次へ")
// or "ｷｬﾝｾﾙ": the steps of the list editors (effect, face, narration, magic, monster, chest and
// shop steps, terrain animations). ｷｬﾝｾﾙ, Escape and the close box run Leave() (by default the
// preview is closed and left in the view mode of the dialog that opened this one: `leaveMode`)
// and end the dialog with 0; OK, unless the dialog
// checks or chains more, runs Leave() too and ends it with 1 (LeaveAccepted()).

#include <QString>

#include "render/image_view_state.h"
#include "widgets/preview_dialog.h"

class QBoxLayout;
class QPushButton;

namespace lw {

class PreviewStepDialog : public PreviewDialog {
    Q_OBJECT
public:
    // The confirming button (named for its label: "OK" or "次へ") and "ｷｬﾝｾﾙ".
    QPushButton* okButton() const { return ok_; }
    QPushButton* nextButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void accept() override;
    void reject() override;

protected:
    PreviewStepDialog(EditorContext& context, QWidget* parent, ViewMode leaveMode = ViewMode::None);
    // Puts the confirming button and "ｷｬﾝｾﾙ" at the right end of `row` (widgets/dialog_buttons.h).
    void AddButtons(QBoxLayout* row, const QString& confirmLabel = QStringLiteral("OK"));
    // What closing the dialog either way undoes.
    virtual void Leave();
    // Leave(), then the dialog ends with 1.
    void LeaveAccepted();

    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;

private:
    ViewMode leaveMode_;
};

}  // namespace lw
