#pragma once
// The rules of the map animation editor and of the terrain animation dialog that the dialogs
// call: the frame order (shared with the effect animations, which pick cells of a chip sheet)
// turned into frame positions and back, the records the preview runs, and the terrain rows.

#include <string>

#include "core/media/effect_animation.h"
#include "core/media/effect_animation_steps.h"
#include "core/world/chip_rows.h"
#include "core/world/map_animation.h"
#include "core/world/scene.h"

namespace lw {

// The cell (column, row) of the bitmap cut into frames of the file's frame size that a frame's
// top-left corner lies in (rounded down, also left of or above the bitmap).
std::pair<int, int> FrameCell(const MapAnimationFrame& frame, int frameWidth, int frameHeight);

// The working record of the frame-order step for `sequence`: the whole bitmap (imageWidth x
// imageHeight) as the chip area, cut into cells of the frame size, and the cells of its frames.
EffectAnimation FrameOrderRecord(const MapAnimation& file, const MapAnimationSequence& sequence, int imageWidth,
                                 int imageHeight);
// The animation made from the cells listed in the frame order (at most 32): each cell's top-left
// corner, except that a cell holding one of `before`'s frames keeps that frame's exact position,
// so that confirming an unchanged order changes nothing.
MapAnimationSequence SequenceFromFrameOrder(const ChipOrder& order, int frameWidth, int frameHeight,
                                            const MapAnimationSequence& before);

// What the preview runs: one animation, or every animation of the file one after another (as many
// frames as the preview holds). Frames are whole cells of the frame size, drawn opaque at the
// file's speed.
EffectAnimation PreviewRecord(const MapAnimation& file, const MapAnimationSequence& sequence);
EffectAnimation PreviewRecordOfFile(const MapAnimation& file);

// The chip list of the terrain animation dialog: one row per cell of the background chip set cut
// into cells of the frame size, width / frameWidth columns and height / frameHeight rows, each at
// most 16 (no cells when a size is below 1). Rows run through the chip set row by row with its own
// column count, and each addresses the grid at its chip's own row and column, as the terrain
// battle list does with 32 x 32 chips (ChipGridPlace).
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
// The cell of list row `listRow` (0 or more) in a list `columns` wide (1..16; 16 otherwise).
ChipCell ChipCellOfRow(int listRow, int columns);

// The text of row `listRow` of the terrain animation list: "%3d", or "%3d %3d" with the number of
// the animation assigned to its chip.
std::string TerrainRowText(int listRow, const ChipCell& cell, const ChipGrid& grid);
// The text of an animation in the animation chooser: "%3d".
std::string AnimationNumberText(int number);

}  // namespace lw
