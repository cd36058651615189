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

// The chip list of the terrain animation dialog is cut by the frame size (ChipListShapeOf in
// chip_rows.h), each row addressing the grid at its chip's own row and column.

// The text of row `listRow` of the terrain animation list: "%3d", or "%3d %3d" with the number of
// the animation assigned to its chip.
std::string TerrainRowText(int listRow, const ChipCell& cell, const ChipGrid& grid);
// The text of an animation in the animation chooser: "%3d".
std::string AnimationNumberText(int number);

}  // namespace lw
