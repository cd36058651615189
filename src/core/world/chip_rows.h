#pragma once
// The chip lists of the terrain dialogs (terrain animations and terrain battles): one row per cell
// of the scene's background chip set, and the cell of the 16 x 16 chip grids (Scene::terrainAnimation,
// Scene::terrainBattle) each row addresses.
//
// The grids address a chip by its place in the chip-set bitmap, grid[row][column]. The list runs
// through the chip set row by row with the chip set's own column count, so row i is the chip at
// column i mod columns, row i / columns: the chip the map view draws for chip number i, and the
// grid cell of that same chip. For a chip set 16 cells wide (or wider) this is grid row i / 16,
// column i mod 16. A chip set wider or taller than 16 cells has cells the grids cannot address;
// the list leaves them out.

namespace lw {

// The cells of a chip set cut into cells of cellWidth x cellHeight: its width / cellWidth columns
// and height / cellHeight rows, each at most 16. No cells when a size is below 1.
struct ChipListShape {
    int columns = 0;
    int rows = 0;
    int count() const { return columns * rows; }
    bool operator==(const ChipListShape&) const = default;
};
ChipListShape ChipListShapeOf(int bitmapWidth, int bitmapHeight, int cellWidth, int cellHeight);

// A place in the chip-set bitmap and in the chip grids.
struct ChipCell {
    int row = 0;
    int column = 0;
    bool operator==(const ChipCell&) const = default;
};
// The chip of list row `listRow` in a list of `columns` columns (at most 16; 16 when below 1).
ChipCell ChipCellOfRow(int listRow, int columns);

}  // namespace lw
