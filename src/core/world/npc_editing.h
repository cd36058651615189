#pragma once
// The rules of the NPC editor: the walking preview of a sprite sheet, the rows of "NPC設定2", and
// the rows that the save of the list rebuilds the scene files from (SavePlacedList).

#include <array>
#include <string>
#include <vector>

#include "core/media/effect_animation.h"
#include "core/settings/property_rows.h"
#include "core/world/npc_list.h"
#include "core/world/scene_catalog.h"

namespace lw {

// A walking sheet holds 3 columns x 4 rows of frames: the column shown at each of the four walking
// steps, and the row for facing down, left, right and up. A new NPC starts with the order a new
// player character has: step, stand, step the other way, stand.
inline constexpr int kWalkSheetColumns = 3;
inline constexpr int kWalkSheetRows = 4;
inline constexpr std::array<int, 4> kDefaultWalkOrder{1, 2, 1, 0};
inline constexpr std::array<int, 4> kDefaultFacingRows{0, 1, 2, 3};

// The sprite walking as the preview shows it: the frames of the sheet (3 columns x 4 rows of the
// region) in the NPC's walking order, all in the row of its facing (taken modulo 4), one step every
// `speed` x 30 ms. `facing` (0 down, 1 left, 2 right, 3 up) shows another facing's row than the
// NPC's own.
EffectAnimation NpcWalkAnimation(const Npc& npc);
EffectAnimation NpcWalkAnimation(const Npc& npc, int facing);

inline constexpr int kNpcSpeedMin = 1;
inline constexpr int kNpcSpeedMax = 100;
inline constexpr int kNpcSettingsRowCount = 5;
inline constexpr int kNpcNameRow = 4;

// "NPC設定2": "動作種別" ("静止", "歩行"), "向き" ("下", "左", "右", "上"), "表示" ("非表示", "表示"),
// "動作速度" 1..100, "名前" (63 bytes; a name with a blank is refused: the file keeps the first word
// only). `npc` must outlive the rows.
std::vector<PropertyRow> NpcSettingsRows(Npc& npc);
// Why a typed display name cannot be stored (UTF-8 message), or empty when it can.
std::string NpcNameProblem(const std::string& cp932);

// The rows' scenes, for the rebuild of the scene files.
std::vector<SceneListRow> NpcSceneRows(const std::vector<Npc>& npcs);

}  // namespace lw
