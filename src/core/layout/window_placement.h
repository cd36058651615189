#pragma once
// Where a preview window (the image preview, the map view) goes: beside the dialog that owns it,
// inside the screen, never over the dialog while there is room for that anywhere on the screen.

namespace lw {

// A rectangle in screen pixels: left, top, width, height.
struct ScreenBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int right() const { return x + width; }    // one past the last column
    int bottom() const { return y + height; }  // one past the last row
    bool operator==(const ScreenBox&) const = default;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// The top-left corner for a window of width x height beside `owner` within `screen`. Tried in
// order, the first that lies wholly on the screen without touching the owner wins: right of the
// owner with the tops aligned, left of it, below it with the left edges aligned, above it (each
// slid along the owner's side as far as needed to stay on the screen). When none fits, the place
// on the screen that covers the least of the owner. A window larger than the screen goes to the
// screen's top-left corner.
ScreenPoint PlaceBeside(const ScreenBox& owner, int width, int height, const ScreenBox& screen);

// The area two boxes share, in square pixels.
long long OverlapArea(const ScreenBox& a, const ScreenBox& b);

}  // namespace lw
