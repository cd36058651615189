#pragma once
// The arithmetic of placing things on a scene's map: spin ranges from the map's size, the player
// character's view position, the position rows of exits, inns, signposts and fixed-position
// battles, the field battle rows, and what a scene takes back from its position list.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/world/map_data.h"
#include "core/world/scene.h"

namespace lw {

// A spin's range (minimum <= maximum always).
struct SpinRange {
    int minimum = 0;
    int maximum = 0;
    bool operator==(const SpinRange&) const = default;
};
// 0 .. cells - 1 for a map side of `cells` cells; 0 .. 0 for a map without cells.
SpinRange CellSpinRange(std::uint32_t cells);

// ---- The player character's start ----
// The game shows 10 x 7 cells around the player character.
inline constexpr int kViewColumns = 10;
inline constexpr int kViewRows = 7;
// View position ranges: 0 .. width - 10 and 0 .. height - 7 (0 .. 0 on a smaller map).
SpinRange ViewSpinRange(std::uint32_t cells, int viewCells);
struct ViewRanges {
    SpinRange viewX;
    SpinRange viewY;
};
ViewRanges ViewRangesOf(const MapData& map);
// The column within the view the player character stands on when a cell is clicked.
inline constexpr int kPlayerViewColumn = 4;

// The row within the view the player character stands on when a cell is clicked, from the
// sprite's height in pixels: k = (height + 208) / 32 / 2 - 1, kept within the view's rows.
int PlayerViewRow(int spriteHeight);

// A clicked cell along one axis as a view position and a position within the view: the view starts
// `preferred` cells before the cell, is kept within `viewRange`, and the position within the view
// makes up the rest, so that view + inView is the clicked cell whenever the map allows it.
struct ViewPlace {
    int view = 0;
    int inView = 0;
    bool operator==(const ViewPlace&) const = default;
};
ViewPlace PlaceInView(int cell, int preferred, SpinRange viewRange, int viewCells);

// The stored position within the view is in pixels: x = cell x 32, y = cell x 32 - (sprite height
// - 32) (the sprite's foot on the cell). And back, for showing a stored start in cells.
int InViewPixelsX(int inViewCell);
int InViewPixelsY(int inViewCell, int spriteHeight);
int InViewCellX(int pixels);
int InViewCellY(int pixels, int spriteHeight);

// ---- Position rows ----
// A row of a position list: an exit, or an event position of one kind.
struct PositionRow {
    int x = 0;
    int y = 0;
    int direction = 0;  // 0 down, 1 left, 2 right, 3 up, 4 any
    int group = -1;     // the scene's event command group, -1 none
    bool operator==(const PositionRow&) const = default;
};
// "%d %d %d %d": x, y, direction, group.
std::string PositionRowText(const PositionRow& row);
// The four numbers of a row text; fields that do not read stay 0 (the row's other values kept).
PositionRow ParsePositionRow(std::string_view text);

// What the position list of a placement mode edits: the exits (mode 1) or the event positions of
// kind 1, 2 or 3 (modes 2, 3, 4).
enum class PositionListKind { SceneChange, Inn, Signpost, FixedBattle };
// The kind for placement modes 1..4, or nullopt.
std::optional<PositionListKind> PositionListKindOfMode(int mode);
int EventPositionKindOf(PositionListKind kind);  // -1 for exits

// The scene's rows of that kind, in order.
std::vector<PositionRow> PositionRowsOf(const Scene& scene, PositionListKind kind);
// How many rows of that kind the scene can hold: 256 exits, or the 64 event positions less those
// of the other kinds.
int PositionRoom(const Scene& scene, PositionListKind kind);
// The scene takes the list's rows: all exits, or the event positions of this kind. Rows the author
// left as they were keep their place among the other kinds (and their bytes); new and changed rows
// (shop index 0) go where the list row before them stands, the rows after the last untouched one
// at the end. False, with the scene unchanged, when the rows do not fit.
bool ApplyPositionRows(Scene& scene, PositionListKind kind, const std::vector<PositionRow>& rows);

// ---- Field battles ----
// "%d %d %s": enemy unit, the rate as a whole number, the background image.
std::string FieldBattleRowText(const FieldBattle& battle);
// The rate the "出現率" spin shows: the whole part, within 1..100.
int FieldBattleRateShown(float rate);

// The battle a chip row shows for a terrainBattle value (n >= 1: battle n - 1), or -1.
int TerrainBattleOf(int gridValue);
// "%3d" (chip) or "%3d %3d" (chip, battle) for a chip list row.
std::string ChipRowText(int chip, int gridValue);

}  // namespace lw
