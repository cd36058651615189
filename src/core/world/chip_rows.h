#pragma once
// The chip lists of the terrain dialogs: one row per 32 x 32 chip of the scene's background chip
// set, chips numbered row by row as the map numbers them (chip c lies at column c mod columns, row
// c / columns of the set), and each row addressing the scene's 16 x 16 chip grids at the chip's own
// row and column. For a chip set 16 chips wide, row i is grid row i / 16, column i mod 16.
//
// A set narrower than 16 chips still addresses each chip at its own place in the grid (a chip of
// row 1 column 0 of an 8-chip-wide set is grid row 1, column 0), so the chip the author picked in
// the list is the chip the grid entry belongs to. Chips beyond 16 columns or 16 rows have no grid
// entry and get no row.

#include <vector>

namespace lw {

struct ChipRow {
    int chip = 0;        // the chip's number in the set (what the map's cells hold)
    int gridRow = 0;     // its row in the 16 x 16 grid
    int gridColumn = 0;  // its column in the 16 x 16 grid
    bool operator==(const ChipRow&) const = default;
};

// Chips across and down a chip set of `pixelWidth` x `pixelHeight`: size / 32, at most 16 each
// (0 for sizes below one chip or negative).
int ChipColumns(int pixelWidth);
int ChipRowsDown(int pixelHeight);

// The list's rows for a chip set of that size, row by row.
std::vector<ChipRow> ChipListRows(int pixelWidth, int pixelHeight);

// The grid place a chip number stands for in a set `columns` chips wide (columns 1..16); false when
// the chip lies outside the 16 x 16 grid.
bool ChipGridPlace(int chip, int columns, int& gridRow, int& gridColumn);

}  // namespace lw
