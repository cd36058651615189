#include "core/world/chip_rows.h"

#include <algorithm>

#include "core/world/scene.h"

namespace lw {

ChipListShape ChipListShapeOf(int bitmapWidth, int bitmapHeight, int cellWidth, int cellHeight) {
    if (cellWidth < 1 || cellHeight < 1 || bitmapWidth < 1 || bitmapHeight < 1) return {};
    return {std::min(bitmapWidth / cellWidth, kChipGridSize), std::min(bitmapHeight / cellHeight, kChipGridSize)};
}

ChipCell ChipCellOfRow(int listRow, int columns) {
    if (columns < 1 || columns > kChipGridSize) columns = kChipGridSize;
    if (listRow < 0) listRow = 0;
    return {listRow / columns, listRow % columns};
}

}  // namespace lw
