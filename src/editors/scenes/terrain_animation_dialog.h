#pragma once
// "背景ｱﾆﾒ設定２": assigns the animations of a map animation file to the chips of a scene's
// background chip set. The file chooser lists an empty entry (no terrain animations) and the
// "map_anim*.txt" files of the data folder; the chip list has one row per frame-sized cell of the
// chip set (at most 16 x 16), "%3d" or, with an animation assigned, "%3d %3d". Selecting a row
// shows its chip beside the list and runs its animation in the preview. "更新" assigns the chosen
// animation to the selected chip, "消去" takes it away. OK hands the file and the grid to the
// scene; the scene file itself is written by the dialog that called this one.

#include "core/world/scene.h"

class QWidget;

namespace lw {

struct EditorContext;

// Runs "背景ｱﾆﾒ設定２" on `scene`. On OK the scene takes the chosen map animation file (empty:
// none, and its file then holds neither terrain animation section) and the grid; true. On Cancel
// the scene is left as it was; false.
bool EditTerrainAnimations(EditorContext& context, Scene& scene, QWidget* parent);

}  // namespace lw
