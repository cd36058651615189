#pragma once
// Editing a map in memory. Every operation is a function of the map that returns a MapChange:
// the cells it changes with their values before and after, so the editor applies it, undoes it
// and redoes it without copying the map. Only the chip byte of the layer painted changes; the
// other layer's chip and the two bytes this system does not use stay as they were, in every
// operation (a resize keeps them in every cell it keeps).
//
//   MapChange c = FillCells(map, area, 0, chip);   // nothing is changed yet
//   ApplyChange(map, c);
//   history.Record(std::move(c));                   // Ctrl+Z: history.Undo(map)

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/world/map_data.h"

namespace lw {

inline constexpr int kMapLayers = 2;
inline constexpr int kMaxChip = 255;  // a chip number is one byte; 0 means no chip

// The sizes the editor makes: each side 1 to kMaxMapSide cells and no more cells than a map file
// the reader takes (kMediaFileCeiling), so every map written can be read again.
inline constexpr std::uint32_t kMaxMapSide = 16384;
inline constexpr std::uint64_t kMaxMapCells = (kMediaFileCeiling - kMapHeaderBytes) / kMapCellBytes;
bool IsMapSizeAllowed(std::uint64_t width, std::uint64_t height);

// True when the map holds exactly the cells its size declares (a map read from a file always
// does; only such a map is edited or written).
bool HasAllCells(const MapData& map);

// The chip of `layer` (0 or 1) in a cell value, and the value with that chip replaced (chip cut
// to 0..255; every other byte kept).
int ChipOnLayer(std::uint32_t cell, int layer);
std::uint32_t WithChipOnLayer(std::uint32_t cell, int layer, int chip);

// A rectangle of cells: columns x .. x + width - 1, rows y .. y + height - 1.
struct CellRect {
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool empty() const { return width == 0 || height == 0; }
    bool operator==(const CellRect&) const = default;
};
// The rectangle between two corner cells (either order, both included), cut to the map. Empty when
// it lies wholly outside.
CellRect CellRectBetween(const MapData& map, long long ax, long long ay, long long bx, long long by);

// One cell changed: its position in the cells (y x width + x) and its values.
struct CellChange {
    std::size_t index = 0;
    std::uint32_t before = 0;
    std::uint32_t after = 0;
    bool operator==(const CellChange&) const = default;
};

// What one editing step changes. Either cells in place (applied in order, undone in reverse
// order, so a cell changed twice comes back to its first value), or the map's size, which keeps
// the whole map before and after.
struct MapChange {
    std::vector<CellChange> cells;
    std::shared_ptr<const MapData> sizeBefore;  // both set for a change of size
    std::shared_ptr<const MapData> sizeAfter;
    CellRect area;  // the cells changed (the whole map after a change of size): what to repaint

    bool resizes() const { return sizeAfter != nullptr; }
    bool empty() const { return cells.empty() && !resizes(); }
};

// Redo and undo. A change is applied to the map it was made for (the operations below make it);
// a cell change that lies outside the map is skipped.
void ApplyChange(MapData& map, const MapChange& change);
void RevertChange(MapData& map, const MapChange& change);
// Adds `next` (made after `into` was applied) to `into`, as one step: a pencil stroke. Neither
// may change the size.
void AppendChange(MapChange& into, MapChange next);

// Sets the chip of `layer` in cell (x, y); empty outside the map or when the chip is there already.
MapChange SetCellChip(const MapData& map, long long x, long long y, int layer, int chip);
// Sets the chip of `layer` in every cell of `area` (cut to the map).
MapChange FillCells(const MapData& map, CellRect area, int layer, int chip);
// Sets the chip of `layer` in cell (x, y) and in every cell reached from it through the cells to
// its left, right, top and bottom that hold the same chip on that layer (the other layer does not
// matter). Empty when the cell already holds `chip`.
MapChange FloodFill(const MapData& map, long long x, long long y, int layer, int chip);

// Which layers a copy carries.
enum class LayerSet { Layer0 = 1, Layer1 = 2, Both = 3 };
bool HasLayer(LayerSet set, int layer);

// A copied rectangle of cells.
struct MapClip {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    LayerSet layers = LayerSet::Both;
    std::vector<std::uint32_t> cells;  // row-major, whole cell values
    bool empty() const { return cells.empty(); }
};
MapClip CopyCells(const MapData& map, CellRect area, LayerSet layers);
// Puts the clip's chips of its layers with its top-left cell at (x, y); the part that falls
// outside the map is dropped. The target cells keep their other layer and unused bytes.
MapChange PasteCells(const MapData& map, const MapClip& clip, long long x, long long y);

// A map of width x height cells, every cell holding `fillChip` on layer 0 and nothing else. The
// caller keeps the size allowed (IsMapSizeAllowed).
MapData NewMap(std::uint32_t width, std::uint32_t height, int fillChip);
// A change to width x height: cells are kept where they were, the columns and rows beyond the new
// size are cut at the right and bottom, and new cells hold `fillChip` on layer 0 and nothing else.
// Empty when the size is the same or not allowed.
MapChange ResizeMap(const MapData& map, std::uint32_t width, std::uint32_t height, int fillChip);

// The file name of a new map as the author typed it (CP932): ".bin" is added when the name does
// not end in it (in any letter case). Empty when the name cannot be a map file of the data folder:
// empty, holding a blank (a scene file keeps the name as one word), or not a plain file name.
std::string NewMapFileName(std::string_view typed);

// The changes made to a map since it was opened, for undo and redo, and whether the map differs
// from the file it was read from or last saved to.
class MapHistory {
public:
    // Forgets every change. `onDisk`: the map is the file's content (false for a new map not
    // saved yet, which then counts as modified).
    void Reset(bool onDisk);
    // Records a change already applied to the map; the changes undone before it are dropped. An
    // empty change is not recorded.
    void Record(MapChange change);
    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < changes_.size(); }
    // Reverts the last change made (or redone) on `map` and returns it (for repainting), or null.
    const MapChange* Undo(MapData& map);
    // Applies again the last change undone and returns it, or null.
    const MapChange* Redo(MapData& map);
    std::size_t size() const { return changes_.size(); }

    bool Modified() const { return !saved_ || *saved_ != position_; }
    // The map as it is now is on disk.
    void MarkSaved() { saved_ = position_; }

private:
    std::vector<MapChange> changes_;
    std::size_t position_ = 0;           // changes_[0 .. position_) are applied
    std::optional<std::size_t> saved_ = 0;  // the position the file matches; none when no position does
};

}  // namespace lw
