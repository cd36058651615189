#include "core/world/chip_rows.h"

#include <algorithm>

#include "core/world/map_data.h"
#include "core/world/scene.h"

namespace lw {

namespace {
int ChipsAlong(int pixels) { return std::clamp(pixels / kCellPixels, 0, kChipGridSize); }
}  // namespace

int ChipColumns(int pixelWidth) { return ChipsAlong(pixelWidth); }
int ChipRowsDown(int pixelHeight) { return ChipsAlong(pixelHeight); }

std::vector<ChipRow> ChipListRows(int pixelWidth, int pixelHeight) {
    const int columns = ChipColumns(pixelWidth);
    const int rows = ChipRowsDown(pixelHeight);
    std::vector<ChipRow> out;
    out.reserve(static_cast<std::size_t>(columns * rows));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) out.push_back(ChipRow{r * columns + c, r, c});
    return out;
}

bool ChipGridPlace(int chip, int columns, int& gridRow, int& gridColumn) {
    if (chip < 0 || columns < 1 || columns > kChipGridSize) return false;
    const int row = chip / columns;
    if (row >= kChipGridSize) return false;
    gridRow = row;
    gridColumn = chip % columns;
    return true;
}

}  // namespace lw
