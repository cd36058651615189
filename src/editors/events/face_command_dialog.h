#pragma once
// The face command: a face of the face list (image_face.txt), or "なし". Event mode: caption
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話の顔画像)", line "face %d". Talk mode: caption "会話ｺﾏﾝﾄﾞ(顔画像)", markup
// "<face %d>". The drop-down lists "なし" and each face as "file left top", nothing chosen; a face
// chosen is shown in the image preview (view mode 2, exactly the face rectangle in its drawing
// mode). OK gives the position less one (nothing chosen and "なし" give -1); OK and Cancel close the
// preview and leave it in view mode 0.

#include <optional>
#include <string>
#include <vector>

#include "editors/events/shared_command_dialog.h"
#include "widgets/preview_dialog.h"

class QComboBox;
class QPushButton;

namespace lw {

struct FaceEntry;

class FaceCommandDialog : public PreviewDialog {
    Q_OBJECT
public:
    FaceCommandDialog(EditorContext& context, CommandDialogMode mode, QWidget* parent = nullptr);
    ~FaceCommandDialog() override;

    CommandDialogMode mode() const { return mode_; }
    const std::string& line() const { return line_; }
    int chosenFace() const;

    QComboBox* faceChoice() const { return face_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void accept() override;
    void reject() override;

protected:
    void OpenPreview() override;

private:
    void ShowChosenFace();
    void Leave();

    CommandDialogMode mode_;
    std::string line_;
    std::vector<FaceEntry> faces_;
    QComboBox* face_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

std::optional<std::string> RunFaceCommand(EditorContext& context, CommandDialogMode mode, QWidget* parent);

}  // namespace lw
