#pragma once
// What the map view draws a marker of an NPC or a treasure chest from: one frame of a picture in
// the image folder, where it stands on the map and how it is drawn. The NPC and chest tables hold
// one per list row; the renderer cuts the frames.

#include <algorithm>
#include <limits>
#include <string>

#include "core/settings/drawing.h"

namespace lw {

struct MarkerSource {
    int index = 0;  // the NPC's or chest's position in its list
    std::string spriteFile;  // in the image folder; empty: no picture
    int sourceX = 0;      // the frame's top-left corner in the picture
    int sourceY = 0;
    int frameWidth = 0;   // a frame of no size has no picture
    int frameHeight = 0;
    int pixelX = 0;       // top-left corner on the map: x x 32
    int pixelY = 0;       // y x 32 - (frame height - 32): a tall frame rises above its cell
    DrawSpec draw;
    bool operator==(const MarkerSource&) const = default;
};

// A marker's coordinates are computed wide and saturated at the int range.
inline int SaturateInt(long long v) {
    return static_cast<int>(std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace lw
