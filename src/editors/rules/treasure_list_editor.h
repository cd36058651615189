#pragma once
// The treasure chests: "宝箱ﾘｽﾄ1" lists them ("%d %d %d": scene, X, Y) with the scene each stands
// in (from the scene files); "追加..." and "編集..." run the chain "宝箱ﾘｽﾄ2" (animation,
// sound, animation kind and flags) → "宝箱配置" (scene and cell) → the owner form (the chest's
// event group). OK writes flag_exp.txt, treasure_list.txt and every scene file's chest list as one
// change, then reads the chest table again; Cancel writes nothing.

class QWidget;

namespace lw {

struct EditorContext;

// Runs the editor modally; 1 after OK, 0 after Cancel. When treasure_list.txt exists but cannot be
// read, tells the author and returns 0 without opening.
int RunTreasureListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
