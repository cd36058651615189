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
#include <vector>

#include "core/world/npc_editing.h"
#include "core/world/placed_lists.h"
#include "core/world/npc_list.h"
#include "core/world/scene_catalog.h"
#include "widgets/placed_list_editor.h"
#include "widgets/preview_dialog.h"

namespace lw {

// "NPC設定1".
class NpcListEditor : public PlacedListEditor<Npc> {
    Q_OBJECT
public:
    explicit NpcListEditor(EditorContext& context, QWidget* parent = nullptr);
    ~NpcListEditor() override;

    // The chain's last step, the owner form on the editor's catalog: the NPC's new group (-1 none)
    // on OK, nullopt on Cancel.
    std::function<std::optional<int>(SceneCatalog& catalog, int sceneNumber, int currentGroup, QWidget* parent)>
        ownerForm;

private:
    void OpenPreview() override;
    void ShowPreview();
    void Leave() override;
    void Saved() override;
    // Runs the chain on `npc` ("追加..." and "編集..."); true when it ended with OK.
    bool RunChain(Npc& npc, int index);
    bool PlaceAndChooseGroup(Npc& npc, int index, QWidget* parent);
};

// Opens "NPC設定1" with `ownerForm` as the chain's last step (see NpcListEditor::ownerForm).
int RunNpcListEditor(EditorContext& context, QWidget* parent,
                     std::function<std::optional<int>(SceneCatalog&, int, int, QWidget*)> ownerForm);

}  // namespace lw
