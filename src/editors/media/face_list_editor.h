#pragma once
// "顔画像ﾘｽﾄ": the face pictures of talk windows and menus (image_face.txt), each a rectangle of a
// picture of the image folder with how it is drawn. The preview beside the list shows exactly the
// selected face's rectangle drawn in its mode; "追加..." and "編集..." open the face dialog
// "顔画像(ﾒﾆｭｰ用)". OK writes the file, Cancel writes nothing. An empty list cannot be saved.

#include "core/media/effect_animation.h"
#include "core/media/image_lists.h"
#include "widgets/preview_list_editor.h"

namespace lw {

class FaceListEditor : public PreviewListEditor<FaceEntry> {
    Q_OBJECT
public:
    explicit FaceListEditor(EditorContext& context, QWidget* parent = nullptr);

    const std::vector<FaceEntry>& faces() const { return records(); }

private:
    void ShowSelection() override;
};

// The preview's animation for one face: the face rectangle as one cell drawn with the face's
// drawing values, so that the preview shows exactly that rectangle.
EffectAnimation FaceAnimation(const FaceEntry& face);

// Runs the editor modally; 1 after OK, 0 after Cancel. When image_face.txt exists but cannot be
// read, tells the author and returns 0 without opening.
int RunFaceListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
