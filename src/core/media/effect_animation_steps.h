#pragma once
// The rules of the three steps in which an effect animation is made or changed: settings (image,
// chip area, cell size), frame order (which chips, in playing order) and frame positions (where
// each frame is drawn on the screen). The dialogs read their controls and call these.

#include <string_view>
#include <utility>
#include <vector>

#include "core/media/effect_animation.h"

namespace lw {

// The working record of a new animation: everything cleared, speed 2.
EffectAnimation NewEffectAnimation();

// The name as kept in the record: cut to kEffectNameBytes at a character boundary.
std::string EffectNameForRecord(std::string_view typedCp932);

// Why the settings step cannot go on to the frame order, checked in this order.
enum class EffectSettingsProblem {
    None,
    CellSizeBelowOne,  // cell width or height below 1
    NoImage,           // no image file chosen: the main line would lose a field
    ImageNameHasBlank, // the image file is one token of the main line
    NameHasLineBreak,  // the name is one whole line of the file
    NameIsTag,         // a name equal to one of the file's tags would end its section when read
};
EffectSettingsProblem CheckEffectSettings(const EffectAnimation& record);

// An image chosen (or shown again) in the settings step. For a new animation the file name is
// stored and the chip area becomes the whole image; for an edited one an area width or height of
// 0 takes the image's.
void ApplyChosenImage(EffectAnimation& record, bool isNew, std::string_view fileCp932, int imageWidth, int imageHeight);

// Leaving the settings step: the chip area is cut back to the image (width to image width − left
// when it overflows, height likewise, never below 0). With no image loaded (size 0) the area is
// left as it is.
void ClipAreaToImage(EffectAnimation& record, int imageWidth, int imageHeight);

// The largest column and row the frame-order step offers: image size ÷ cell size − 1 (integer
// division), 0 when a cell size is not positive or the image is smaller than one cell.
struct ChipGridMax {
    int column = 0;
    int row = 0;
    bool operator==(const ChipGridMax&) const = default;
};
ChipGridMax FrameOrderMaxima(int imageWidth, int imageHeight, int cellWidth, int cellHeight);

// A typed column or row, clamped to 0..max.
int ClampChipIndex(int value, int max);

// The frame order as listed: (column, row) per frame. The frame count becomes their number (at
// most kEffectFrameCapacity are taken); each frame's position on the screen is kept.
using ChipOrder = std::vector<std::pair<int, int>>;
void ApplyFrameOrder(EffectAnimation& record, const ChipOrder& order);
ChipOrder FrameOrderOf(const EffectAnimation& record);

// A typed or clicked position, clamped to the screen (0..320, 0..240).
std::pair<int, int> ClampFramePosition(int x, int y);

}  // namespace lw
