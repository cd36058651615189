#include "core/layout/window_placement.h"

#include <algorithm>
#include <array>

namespace lw {

namespace {

// `value` kept within first .. last; a range that is empty gives `first`.
int Within(int value, int first, int last) { return std::max(first, std::min(value, last)); }

}  // namespace

long long OverlapArea(const ScreenBox& a, const ScreenBox& b) {
    const long long w = std::min<long long>(a.right(), b.right()) - std::max(a.x, b.x);
    const long long h = std::min<long long>(a.bottom(), b.bottom()) - std::max(a.y, b.y);
    return w > 0 && h > 0 ? w * h : 0;
}

ScreenPoint PlaceBeside(const ScreenBox& owner, int width, int height, const ScreenBox& screen) {
    const int lastX = screen.right() - width;   // the last left edge that keeps the window on the screen
    const int lastY = screen.bottom() - height;
    const auto onScreen = [&](ScreenPoint p) {
        return p.x >= screen.x && p.x <= lastX && p.y >= screen.y && p.y <= lastY;
    };
    const std::array<ScreenPoint, 4> beside = {
        ScreenPoint{owner.right(), Within(owner.y, screen.y, lastY)},
        ScreenPoint{owner.x - width, Within(owner.y, screen.y, lastY)},
        ScreenPoint{Within(owner.x, screen.x, lastX), owner.bottom()},
        ScreenPoint{Within(owner.x, screen.x, lastX), owner.y - height},
    };
    for (const ScreenPoint& p : beside)
        if (onScreen(p)) return p;

    // No side has room: every candidate pulled onto the screen, the screen's corners too, and the
    // one covering the least of the owner taken (the first of equals).
    std::array<ScreenPoint, 8> candidates = {
        beside[0], beside[1], beside[2], beside[3],
        ScreenPoint{lastX, screen.y}, ScreenPoint{screen.x, screen.y},
        ScreenPoint{lastX, lastY}, ScreenPoint{screen.x, lastY},
    };
    ScreenPoint best{};
    long long bestCover = -1;
    for (ScreenPoint p : candidates) {
        p.x = Within(p.x, screen.x, lastX);
        p.y = Within(p.y, screen.y, lastY);
        const long long cover = OverlapArea(owner, ScreenBox{p.x, p.y, width, height});
        if (bestCover < 0 || cover < bestCover) {
            best = p;
            bestCover = cover;
        }
    }
    return best;
}

}  // namespace lw
