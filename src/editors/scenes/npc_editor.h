#pragma once
// "NPC": every NPC of the project (npc_list.txt). "NPC設定1" lists them by display name; "追加..."
// and "編集..." run the chain
//   sprite ("顔画像(ﾒﾆｭｰ用)") -> "ｱﾆﾒﾁｯﾌﾟの順番" (the sheet column of each walking step and the
//   row of each facing, the sprite walking in the preview) -> "NPC設定2" (behaviour, facing,
//   display, speed, name; the sprite walking in the preview) -> "NPC配置" (scene, position,
//   walking range) -> the owner form (the event command group the NPC runs in its scene)
// on a copy of the NPC; only the owner form's OK completes it, a Cancel returns one step.
//
// Which scene an NPC stands in is kept in the scene files (their NPC index lists), so the editor
// works on the scene catalog (loaded on opening, freed on closing), and OK saves npc_list.txt and
// rebuilds every scene's NPC index list as one change: when npc_list.txt is not written (the
// overwrite declined, the write failed) no scene file is rewritten, and when some scene file
// cannot be rebuilt neither is npc_list.txt; the author is told either way. The flag explanations
// edited in the owner form are saved first (unless flag_exp.txt could not be read).

#include <functional>
#include <optional>

#include "core/world/scene_catalog.h"

class QWidget;

namespace lw {

struct EditorContext;

// Opens "NPC設定1" with `ownerForm` as the chain's last step: the owner form on the editor's
// catalog, giving the NPC's new group (-1 none) on OK, nullopt on Cancel.
int RunNpcListEditor(EditorContext& context, QWidget* parent,
                     std::function<std::optional<int>(SceneCatalog&, int, int, QWidget*)> ownerForm);

}  // namespace lw
