#pragma once
// "顔画像ﾘｽﾄ": the face pictures of talk windows and menus (image_face.txt), each a rectangle of a
// picture of the image folder with how it is drawn. The preview beside the list shows exactly the
// selected face's rectangle drawn in its mode; "追加..." and "編集..." open the face dialog
// "顔画像(ﾒﾆｭｰ用)". OK writes the file, Cancel writes nothing. An empty list cannot be saved.

#include <memory>
#include <vector>

#include "core/media/image_lists.h"

#include "core/media/effect_animation.h"
#include "widgets/list_editor.h"
#include "widgets/preview_dialog.h"

class QCheckBox;
class QPushButton;

namespace lw {

struct EditorContext;

class FaceListEditor : public PreviewDialog {
    Q_OBJECT
public:
    explicit FaceListEditor(EditorContext& context, QWidget* parent = nullptr);
    ~FaceListEditor() override;

    ListEditorPanel* panel() const { return panel_; }
    QCheckBox* showBox() const { return show_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    const std::vector<FaceEntry>& faces() const { return list_->records(); }
    // How reading image_face.txt went; an unreadable file is never saved over.
    ReadStatus loadStatus() const { return loadStatus_; }

public slots:
    // OK: writes image_face.txt (after the overwrite question), closes the preview, ends with 1
    // whether or not the file was written.
    void accept() override;
    // Cancel, Escape and the close box: closes the preview and ends with 0; nothing is written.
    void reject() override;

protected:

private:
    // Opens the preview (mode 2) when there is none, then shows the selected face.
    void OpenPreview() override;
    void ShowSelection();
    // Runs the face dialog on `face`; true after its "次へ".
    bool RunFaceDialog(FaceEntry& face);
    void Leave();

    ListEditorPanel* panel_;
    std::unique_ptr<ListEditor<FaceEntry>> list_;
    QCheckBox* show_;
    QPushButton* ok_;
    QPushButton* cancel_;
    ReadStatus loadStatus_ = ReadStatus::Missing;
};

// The preview's animation for one face: the face rectangle as one cell drawn with the face's
// drawing values, so that the preview shows exactly that rectangle.
EffectAnimation FaceAnimation(const FaceEntry& face);

// Runs the editor modally; 1 after OK, 0 after Cancel. When image_face.txt exists but cannot be
// read, tells the author and returns 0 without opening.
int RunFaceListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
