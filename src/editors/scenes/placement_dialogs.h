#pragma once
// The placement dialogs the list editors of the player character, NPCs, treasure chests and shops
// end their chains with: each lists the scene files, shows the chosen scene's map in the map view
// with the owner's sprite at the position, and takes a clicked cell as the position. Changing the
// scene resets the spins to 0 and re-ranges them to the new map.
//
// The step after the placement (the owner form of the event command editor, which picks the group
// the owner runs) is given by the caller as an OwnerStep, bound to the owner kind and the scene
// catalog the caller works on:
//
//   OwnerStep next = [&](int scene, int group, QWidget* p) {
//       return EditOwnerGroups(context, catalog, EventOwner::Npc, scene, group, p);
//   };
//   if (PlaceNpc(context, sprite, npcIndex, placement, next, this)) ...

#include <functional>
#include <optional>

#include <QString>

#include "core/project/project.h"
#include "editors/events/owner_groups.h"
#include "render/map_view_state.h"

class QComboBox;
class QWidget;

namespace lw {

struct EditorContext;
struct PlayerCharacter;

// The owner form as the caller binds it: the owner's new group (-1 none) on OK, nullopt on Cancel
// (the placement dialog then stays open).
using OwnerStep = std::function<std::optional<int>(int sceneNumber, int currentGroup, QWidget* parent)>;

// The owner form of the event command editor on `catalog` for a chest or a shop, after `hasRoom`
// accepted the chosen scene; a scene without room says `full` and the placement stays open.
OwnerStep OwnerFormWhereRoom(EditorContext& context, SceneCatalog& catalog, EventOwner owner,
                             std::function<bool(int sceneNumber)> hasRoom, QString full);

// The picture `fileName` of the image folder as a placement's sprite: the region of it drawn
// (x, y, width, height in pixels) and how. Where it stands and faces is left to the caller.
PlacedSprite SheetSprite(const Project& project, const std::string& fileName, int x, int y, int width, int height,
                         const DrawSpec& spec);

// The player character as the placements show it: its walking sheet (picture, region, drawing,
// facing and how far it rises above its cell). The origin and position are left to the caller.
PlacedSprite PlayerCharacterSprite(const Project& project, const PlayerCharacter& pc);

// "PC配置": the player character's start. The view position is in cells; the position within the
// view is stored in pixels (x = cell x 32, y = cell x 32 - (sprite height - 32)).
struct PlayerStartPlacement {
    int scene = -1;  // -1 when no scene is chosen
    int viewX = 0;
    int viewY = 0;
    int inViewX = 0;  // pixels
    int inViewY = 0;  // pixels
};
// OK closes; true on OK with `start` filled, false on Cancel (`start` unchanged).
bool PlacePlayerStart(EditorContext& context, const PlacedSprite& sprite, int spriteHeight,
                      PlayerStartPlacement& start, QWidget* parent);

// "NPC配置": position, the centre of the walking range and its half-extents, all in cells.
struct NpcPlacement {
    int scene = -1;
    int x = 0;
    int y = 0;
    int centreX = 0;
    int centreY = 0;
    int rangeX = 0;
    int rangeY = 0;
    int group = -1;
};
// "次へ" runs `next`; true when it gave OK (`placement` then filled, group included). `npcIndex` is
// the NPC's position in its list (-1 for a new one), left out of the markers.
bool PlaceNpc(EditorContext& context, const PlacedSprite& sprite, int npcIndex, NpcPlacement& placement,
              const OwnerStep& next, QWidget* parent);

// "宝箱配置": the chest's cell. "次へ" with no scene chosen says "場面を選択してください".
struct ChestPlacement {
    int scene = -1;
    int x = 0;
    int y = 0;
    int group = -1;
};
bool PlaceChest(EditorContext& context, const PlacedSprite& sprite, int chestIndex, ChestPlacement& placement,
                const OwnerStep& next, QWidget* parent);

// "店配置": the shop's cell and the direction the player character must face (0 down, 1 left,
// 2 right, 3 up, 4 any).
struct ShopPlacementValues {
    int scene = -1;
    int x = 0;
    int y = 0;
    int direction = 0;
    int group = -1;
};
bool PlaceShop(EditorContext& context, const PlacedSprite& sprite, ShopPlacementValues& placement,
               const OwnerStep& next, QWidget* parent);

// The five directions of a position or shop ("下", "左", "右", "上", "全方向").
void FillDirections(QComboBox* combo);

}  // namespace lw
