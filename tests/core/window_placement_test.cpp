#include <gtest/gtest.h>

#include "core/layout/window_placement.h"

namespace lw {
namespace {

// A 1024 x 768 screen and a 320 x 240 preview.
constexpr ScreenBox kScreen{0, 0, 1024, 768};
constexpr int kW = 320, kH = 240;

TEST(WindowPlacement, BesideTheOwnerOnTheFirstSideWithRoom) {
    struct Case {
        const char* what;
        ScreenBox owner;
        ScreenPoint expected;
    };
    const Case cases[] = {
        {"right, tops aligned", {20, 30, 400, 300}, {420, 30}},
        {"right, slid up to stay on the screen", {20, 600, 400, 100}, {420, 768 - kH}},
        {"left when the right has no room", {600, 50, 400, 300}, {600 - kW, 50}},
        {"below when neither side has room", {100, 20, 800, 400}, {100, 420}},
        {"above when only that is free", {100, 300, 800, 468}, {100, 60}},
        {"on a second screen to the right", {1100, 10, 300, 200}, {1400, 10}},
    };
    const ScreenBox wide{0, 0, 2048, 768};
    for (const Case& c : cases) {
        const ScreenBox& screen = c.owner.x >= 1024 ? wide : kScreen;
        const ScreenPoint p = PlaceBeside(c.owner, kW, kH, screen);
        EXPECT_EQ(p, c.expected) << c.what;
        EXPECT_EQ(OverlapArea(c.owner, ScreenBox{p.x, p.y, kW, kH}), 0) << c.what;
    }
}

TEST(WindowPlacement, WithoutRoomAnywhereItCoversAsLittleOfTheOwnerAsTheScreenAllows) {
    // The owner fills all but a strip 100 pixels wide on the left: the preview keeps to that strip
    // as far as it can and stays on the screen.
    const ScreenBox owner{100, 0, 924, 768};
    const ScreenPoint p = PlaceBeside(owner, kW, kH, kScreen);
    EXPECT_EQ(p, (ScreenPoint{0, 0}));
    EXPECT_EQ(OverlapArea(owner, ScreenBox{p.x, p.y, kW, kH}), 220LL * kH);

    // A preview larger than the screen starts at its top-left corner.
    EXPECT_EQ(PlaceBeside(ScreenBox{10, 10, 100, 100}, 2000, 1000, kScreen), (ScreenPoint{0, 0}));
    // The screen need not start at 0.
    EXPECT_EQ(PlaceBeside(ScreenBox{-900, -50, 400, 300}, kW, kH, ScreenBox{-1024, -100, 1024, 768}),
              (ScreenPoint{-500, -50}));
}

}  // namespace
}  // namespace lw
