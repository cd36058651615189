#pragma once
// The list editors of the pictures and animations the game shows, each a PreviewListEditor
// (widgets/preview_list_editor.h) with the selected row in the image preview beside it: the effect
// animations, the faces and the narrations. RunPreviewList<EffectListEditor> (and so on) runs one.

#include "core/media/effect_animation.h"
#include "core/media/image_lists.h"
#include "core/media/narration_list.h"
#include "widgets/preview_list_editor.h"

namespace lw {

// "ｱﾆﾒ ﾘｽﾄ1": the list of effect animations (image_effect.txt). The preview beside it runs the
// selected animation at its speed; "追加..." and "編集..." lead through the three steps (settings,
// frame order, frame positions); OK writes the file, Cancel writes nothing.
class EffectListEditor : public PreviewListEditor<EffectAnimation> {
    Q_OBJECT
public:
    explicit EffectListEditor(EditorContext& context, QWidget* parent = nullptr);

private:
    void ShowSelection() override;
};

// "顔画像ﾘｽﾄ": the face pictures of talk windows and menus (image_face.txt), each a rectangle of a
// picture of the image folder with how it is drawn. The preview beside the list shows exactly the
// selected face's rectangle drawn in its mode; "追加..." and "編集..." open the face dialog
// "顔画像(ﾒﾆｭｰ用)". OK writes the file, Cancel writes nothing. An empty list cannot be saved.
class FaceListEditor : public PreviewListEditor<FaceEntry> {
    Q_OBJECT
public:
    explicit FaceListEditor(EditorContext& context, QWidget* parent = nullptr);

private:
    void ShowSelection() override;
};

// "ﾅﾚｰｼｮﾝﾘｽﾄ1": the narration list (narration_list.txt), one row per narration shown by its
// picture's name. With "表示" checked the selected narration's picture is shown beside the list.
// "追加..." and "編集..." open the narration dialog ("ﾅﾚｰｼｮﾝ ﾘｽﾄ2"); OK writes the file, Cancel
// writes nothing.
class NarrationListEditor : public PreviewListEditor<Narration> {
    Q_OBJECT
public:
    explicit NarrationListEditor(EditorContext& context, QWidget* parent = nullptr);

private:
    void ShowSelection() override;
};

}  // namespace lw
