#pragma once
// The face command: a face of the face list (image_face.txt), or "なし". Event mode: caption
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話の顔画像)", line "face %d". Talk mode: caption "会話ｺﾏﾝﾄﾞ(顔画像)", markup
// "<face %d>". The drop-down lists "なし" and each face as "file left top", nothing chosen; a face
// chosen is shown in the image preview (view mode 2, exactly the face rectangle in its drawing
// mode). OK gives the position less one (nothing chosen and "なし" give -1); OK and Cancel close the
// preview and leave it in view mode 0.

#include <vector>

#include "editors/events/command_dialog.h"

namespace lw {

struct FaceEntry;

class FaceCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    FaceCommandDialog(EditorContext& context, CommandDialogMode mode, QWidget* parent = nullptr);
    ~FaceCommandDialog() override;

    CommandDialogMode mode() const { return mode_; }
    int chosenFace() const;
    QComboBox* faceChoice() const { return face_; }

protected:
    std::optional<std::string> Build() override;
    void ShowPreview() override;

private:
    CommandDialogMode mode_;
    std::vector<FaceEntry> faces_;
    QComboBox* face_;
};

std::optional<std::string> RunFaceCommand(EditorContext& context, CommandDialogMode mode, QWidget* parent);

}  // namespace lw
