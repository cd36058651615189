#pragma once
// The two steps of making or changing a map animation file.
// "ﾏｯﾌﾟｱﾆﾒ2": the bitmap the frames are cut from (shown in the preview with the frame grid over it),
// the size of one frame ("幅", "高さ": a typed size above the bitmap's becomes the bitmap's) and the
// speed (1..100). "次へ" goes on to the animations.
// "ﾏｯﾌﾟｱﾆﾒ3": the animations, one row each listing the frame positions ("x y x y ..."). "追加..."
// picks the frames of a new animation on the bitmap in "ｱﾆﾒﾁｯﾌﾟの順番" (an animation equal to a
// listed one selects that row instead); "編集..." picks the selected animation's frames again. The
// preview runs the selected animation. OK stores the rows as the file's animations, in order, and
// completes both steps; Cancel comes back to "ﾏｯﾌﾟｱﾆﾒ2".

#include "core/world/map_animation.h"

class QWidget;

namespace lw {

struct EditorContext;

// Runs the steps on `working`, edited in place; true when they ended with OK (the caller keeps
// `working` only then).
bool EditMapAnimationSteps(EditorContext& context, MapAnimation& working, QWidget* parent);

}  // namespace lw
