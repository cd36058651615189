#pragma once
// The position list of one scene ("場面変更2", "宿屋2", "立て札2", "定位置戦闘2") and the position
// dialog ("移動元" for exits, "位置" for inns, signposts and fixed-position battles). Each row is a
// cell, the direction the player character must face, and the event command group it runs, chosen
// in the owner form that ends the position dialog. The map view shows the scene; a click on a cell
// of it sets the position.

#include <optional>
#include <vector>

#include "core/world/placement.h"
#include "core/world/scene.h"
#include "editors/scenes/placement_hub.h"
#include "render/map_view_state.h"

class QWidget;

namespace lw {

struct PositionSetting {
    EditorContext& context;
    SceneCatalog& catalog;
    const OwnerFormRunner& ownerForm;
    const Scene& scene;  // the scene the positions stand in
    int sceneNumber = 0;
    PositionListKind kind = PositionListKind::SceneChange;
    std::uint32_t mapWidth = 0;  // the scene's map, in cells: the range of the position spins
    std::uint32_t mapHeight = 0;
    PlacedSprite marker;  // the player character's sprite, drawn at the position (null: none)
};

// Runs the position list of `setting`'s kind on its scene; the rows on OK, nullopt on Cancel.
std::optional<std::vector<PositionRow>> EditPositionRows(const PositionSetting& setting, QWidget* parent);

}  // namespace lw
