#pragma once
// Treasure chests: treasure_list.txt in the data folder holds every chest of the project; which
// scene a chest stands in is stored in the scene files (the scene whose chest indices list its
// position). The treasure table is what the map view's chest markers and the scene editor use.

#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"
#include "core/tagfile/file_io.h"
#include "core/world/map_markers.h"

namespace lw {

class TagWriter;
struct SceneCatalog;

inline constexpr std::string_view kTreasureFile = "treasure_list.txt";

// Animation kinds: 0 "ｱﾆﾒ無し" (none), 1 "宝箱" (treasure chest), 2 "繰り返し" (repeating).
struct TreasureChest {
    int scene = -1;         // not in the file: the scene whose chest indices list this chest, -1 none
    int shown = 0;          // "表示状態": 1 shown, 0 hidden
    int runOnce = 0;        // "ｲﾍﾞﾝﾄ実行回数": 1 once, 0 several times
    int eventDone = 0;      // "ｲﾍﾞﾝﾄ実行済み": 1 done, 0 not yet
    int animationKind = 0;
    int x = 0;              // map cell
    int y = 0;
    int animation = 0;      // index into the effect animation list
    int soundEffect = 0;    // index into the sound-effect list, -1 none
    int group = 0;          // the chest's event command group in its scene, -1 none
    bool operator==(const TreasureChest&) const = default;
};

// The values a new chest starts with: shown, runs once, not done, kind "宝箱", no animation, no
// sound, no group, not placed.
TreasureChest NewTreasureChest();

// The list: one chest per data line while fewer than the count have been read, in file order,
// scenes -1.
std::vector<TreasureChest> ParseTreasureList(std::string_view bytes);
ReadStatus LoadTreasureList(const Project& project, std::vector<TreasureChest>& out);
// Sets each chest's scene from the catalog: the first entry listing its position, or -1.
void AssignChestScenes(std::vector<TreasureChest>& chests, const SceneCatalog& catalog);
// A row of the chest list and an entry of the target drop-down: "%d %d %d" scene, X, Y.
std::string ChestRowText(const TreasureChest& chest);

std::string TreasureListBytes(const std::vector<TreasureChest>& chests);
void WriteTreasureList(TagWriter& w, const std::vector<TreasureChest>& chests);
bool SaveTreasureList(const Project& project, const std::vector<TreasureChest>& chests, SaveUi& ui);

struct EffectTable;
// One chest as the map view draws its marker: the first frame of its animation (the cell at the
// animation's chip area plus frame 0's column and row, one cell in size, drawn as the animation
// says), standing on the chest's cell. An animation outside the table, or a cell of no size, gives
// a source without a picture.
MarkerSource MakeChestMarkerSource(const TreasureChest& chest, int index, const EffectTable& effects);

// The chest table: the whole list, for the map view's markers and the scene editor, with one
// marker source per chest.
struct TreasureTable {
    std::vector<TreasureChest> records;
    std::vector<MarkerSource> markers;  // one per record, from the effect animations
    int count() const { return static_cast<int>(records.size()); }
};
// The records alone (markers without pictures until BuildChestMarkerSources).
void ParseTreasureTable(std::string_view bytes, TreasureTable& table);
void BuildChestMarkerSources(TreasureTable& table, const EffectTable& effects);
// Releases the old table first; a missing or unreadable file leaves it empty. The markers take
// their pictures from image_effect.txt, read here.
ReadStatus LoadTreasureTable(const Project& project, TreasureTable& table);
void ReleaseTreasureTable(TreasureTable& table);

}  // namespace lw
