#include <gtest/gtest.h>

#include "pictures.h"
#include "render/draw.h"
#include "render/image_view_state.h"

namespace lw {
namespace {

using namespace test;

// A 4 x 3 chip sheet of 8-pixel cells as the main image.
ImageViewState SheetState(ViewMode mode) { return ImageViewState{.mode = mode, .main = {test::ChipSheet(4, 3, 8), 32, 24}}; }
void SetArea(EffectAnimation& a, int left, int top, int width, int height, int cell) {
    a.areaLeft = left;
    a.areaTop = top;
    a.areaWidth = width;
    a.areaHeight = height;
    a.cellWidth = a.cellHeight = cell;
}

QImage Frame(const ImageViewState& s, QSize size = QSize(40, 30)) { return ComposeImageView(s, size, TextFont{}); }

// Pixels that differ from the plain picture only by inversion.
struct Inverted {
    QImage frame, plain;
    bool operator()(int x, int y) const { return RgbAt(frame, x, y) == (RgbAt(plain, x, y) ^ 0xFFFFFFu); }
};

TEST(ImageViewFrame, Modes3And15FrameTheChipAreaAnd3GridsItsCells) {
    ImageViewState s = SheetState(ViewMode::ChipArea);
    SetArea(s.animation, 8, 0, 24, 16, 8);
    const QImage plain = Frame(SheetState(ViewMode::ImageColour));
    EXPECT_EQ(RgbAt(plain, 9, 17), CellColour(1, 2));
    EXPECT_EQ(RgbAt(plain, 35, 5), 0u);  // outside the picture: black
    const Inverted inv{Frame(s), plain};
    EXPECT_TRUE(inv(8, 5) && inv(31, 5) && inv(20, 15));  // the frame's left, right and bottom
    EXPECT_TRUE(inv(16, 3) && inv(12, 8));                 // grid lines
    EXPECT_FALSE(inv(16, 8) || inv(12, 4) || inv(5, 5) || inv(12, 20));

    s.mode = ViewMode::AreaFrame;
    const Inverted frameOnly{Frame(s), plain};
    EXPECT_TRUE(frameOnly(8, 5));
    EXPECT_FALSE(frameOnly(16, 3));
    // Without a cell size mode 3 draws the frame alone.
    s.mode = ViewMode::ChipArea;
    s.animation.cellWidth = 0;
    s.animation.cellHeight = -4;
    EXPECT_EQ(Frame(s), frameOnly.frame);
}

TEST(ImageViewFrame, Mode4HighlightsTheHoveredCellAndClicksSendIt) {
    ImageViewState s = SheetState(ViewMode::CellPick);
    SetArea(s.animation, 0, 8, 32, 16, 8);
    const QImage before = Frame(s);
    EXPECT_TRUE(UpdateHoveredCell(s, QPoint(19, 17)));
    EXPECT_EQ(QPoint(s.hoverColumn, s.hoverRow), QPoint(2, 1));
    EXPECT_EQ(s.highlight, QRect(16, 16, 8, 8));
    const Inverted inv{Frame(s), before};
    EXPECT_TRUE(inv(20, 20));
    EXPECT_FALSE(inv(12, 20));
    // Within one cell nothing changes; outside the area the last cell stays.
    EXPECT_FALSE(UpdateHoveredCell(s, QPoint(23, 23)));
    EXPECT_FALSE(UpdateHoveredCell(s, QPoint(5, 2)));
    EXPECT_FALSE(UpdateHoveredCell(s, QPoint(32, 10)));
    EXPECT_EQ(s.highlight, QRect(16, 16, 8, 8));

    const ViewClick click = ClickAt(s, QPoint(1, 9));  // the cell under the pointer
    EXPECT_EQ(click.kind, ViewClick::Kind::Cell);
    EXPECT_EQ(click.slot, OwnerSlot::CellPick);
    EXPECT_EQ(click.point, QPoint(0, 0));
    // Without a cell size nothing can be hovered or sent.
    ImageViewState none = SheetState(ViewMode::CellPick);
    SetArea(none.animation, 0, 0, 32, 24, 0);
    EXPECT_FALSE(UpdateHoveredCell(none, QPoint(3, 3)));
    EXPECT_EQ(ClickAt(none, QPoint(3, 3)).kind, ViewClick::Kind::None);
}

TEST(ImageViewFrame, AnimationsDrawTheCurrentFramesCellWithTheirDrawSpec) {
    ImageViewState s = SheetState(ViewMode::Animation);
    s.main.width = s.main.height = 8;  // as an animation cell is shown: the cell's size
    SetArea(s.animation, 8, 0, 24, 24, 8);
    s.animation.frameCount = 2;
    s.animation.frames[1] = {2, 1, 0, 0};
    s.currentFrame = 1;
    // The area starts one column in: frame 1 (column 2, row 1) is sheet cell (3, 1).
    EXPECT_EQ(RgbAt(Frame(s, QSize(8, 8)), 7, 7), CellColour(3, 1));
    // A whole-image mode animates only with the animate flag.
    s.mode = ViewMode::SettingsColour;
    EXPECT_EQ(RgbAt(Frame(s, QSize(8, 8)), 0, 0), CellColour(0, 0));
    s.animate = true;
    EXPECT_EQ(RgbAt(Frame(s, QSize(8, 8)), 0, 0), CellColour(3, 1));
    const QRgb key = CellColour(3, 1);
    s.animation.colorKey = 1;
    s.animation.keyRed = qRed(key);
    s.animation.keyGreen = qGreen(key);
    s.animation.keyBlue = qBlue(key);
    EXPECT_EQ(RgbAt(Frame(s, QSize(8, 8)), 0, 0), 0u);
    // No frames: frame 0's cell; a frame index past the record stays inside it.
    s.animation.colorKey = 0;
    s.animation.frameCount = 0;
    s.currentFrame = 0;
    EXPECT_EQ(RgbAt(Frame(s, QSize(8, 8)), 0, 0), CellColour(1, 0));
    s.currentFrame = 1000;
    EXPECT_FALSE(Frame(s, QSize(8, 8)).isNull());
}

TEST(ImageViewFrame, TimerPeriodAndFrameCycle) {
    EXPECT_EQ(AnimationPeriodMs(0), 50);
    EXPECT_EQ(AnimationPeriodMs(-3), 50);
    EXPECT_EQ(AnimationPeriodMs(2), 60);
    EXPECT_EQ(AnimationPeriodMs(INT_MAX), INT_MAX);

    ImageViewState s;
    s.mode = ViewMode::Animation;
    s.animation.frameCount = 3;
    std::vector<int> shown;
    for (int i = 0; i < 7; ++i) {
        shown.push_back(s.currentFrame);
        EXPECT_TRUE(AdvanceAnimationFrame(s));
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 0, 1, 2, 0}));
    s.animation.frameCount = 0;  // no frames: frame 0 stays
    AdvanceAnimationFrame(s);
    EXPECT_EQ(s.currentFrame, 0);
    // Mode 23 animates; whole-image modes only with the animate flag.
    s.animation.frameCount = 2;
    s.mode = ViewMode::FramePositions;
    EXPECT_TRUE(AdvanceAnimationFrame(s));
    s.mode = ViewMode::ChipArea;
    EXPECT_FALSE(AdvanceAnimationFrame(s));
    EXPECT_EQ(s.currentFrame, 1);
    s.animate = true;
    EXPECT_TRUE(AdvanceAnimationFrame(s));
    EXPECT_EQ(s.currentFrame, 0);
}

TEST(ImageViewFrame, Mode5DrawsShownMenuItems) {
    ImageViewState s = SheetState(ViewMode::TitleMenu);
    s.main = {test::Solid(200, 100, 0), 200, 100};
    TitleMenuOverlay& m = s.titleMenu;
    m = TitleMenuOverlay{10, 5, 30, 16, {255, 0, 0}, {0, 0, 255}, {0, 255, 0}, {255, 255, 255}, {}};
    m.items[0] = {-1, "hidden"};
    m.items[3] = {0, "START"};
    m.items[7] = {2, "LOAD"};
    const QImage f = Frame(s, QSize(200, 100));
    // The first item shown on line 0 with its shadow one pixel right and down, the next on line 1.
    const QRect line0(17, 9, 120, 20), line1(17, 39, 120, 20);
    EXPECT_GT(InkIn(f, line0, 0xFF0000), 10);
    EXPECT_GT(InkIn(f, line0, 0x0000FF), 10);
    EXPECT_EQ(InkIn(f, line0, 0x00FF00), 0);
    EXPECT_GT(InkIn(f, line1, 0x00FF00), 10);
    EXPECT_GT(InkIn(f, line1, 0xFFFFFF), 10);
    EXPECT_EQ(InkIn(f, QRect(0, 0, 200, 9), 0xFF0000) + InkIn(f, QRect(0, 60, 200, 40), 0x00FF00), 0);
}

TEST(ImageViewFrame, Mode12GridsTheWholeImage) {
    ImageViewState s = SheetState(ViewMode::MapAnimationGrid);
    s.animation.cellWidth = 16;
    s.animation.cellHeight = 12;
    const Inverted inv{Frame(s), Frame(SheetState(ViewMode::ImageColour))};
    EXPECT_TRUE(inv(16, 3) && inv(3, 12));
    EXPECT_FALSE(inv(8, 3) || inv(0, 3) || inv(36, 12));  // no left edge, nothing past the image
}

TEST(ImageViewFrame, Mode19CentresTheSecondImageAndClicksAreRelativeToTheCentre) {
    ImageViewState s = SheetState(ViewMode::FocusPoint);  // 32 x 24
    s.second = {test::Solid(5, 4, 0xABCDEF), 5, 4};
    s.overlayX = 3;
    s.overlayY = -2;
    const QImage f = Frame(s);
    // At (32/2 - 5/2 + 3, 24/2 - 4/2 - 2) = (17, 8), halves rounded down.
    EXPECT_EQ(RgbAt(f, 17, 8), 0xABCDEFu);
    EXPECT_EQ(RgbAt(f, 21, 11), 0xABCDEFu);
    EXPECT_NE(RgbAt(f, 16, 8), 0xABCDEFu);
    s.overlaySpec = DrawSpec{kDrawOpaque, 1, Rgb{0xAB, 0xCD, 0xEF}};  // its own key
    EXPECT_EQ(Frame(s), Frame(SheetState(ViewMode::FocusPoint)));

    const ViewClick c = ClickAt(s, QPoint(16, 12));
    EXPECT_EQ(c.kind, ViewClick::Kind::Point);
    EXPECT_EQ(c.slot, OwnerSlot::FocusPoint);
    EXPECT_EQ(c.point, QPoint(0, 0));
    EXPECT_EQ(ClickAt(s, QPoint(0, 30)).point, QPoint(-16, 18));
}

TEST(ImageViewFrame, Modes20And21DrawSpriteZeroOnTopAndSelectIt) {
    ImageViewState s;
    s.mode = ViewMode::Sprites;
    for (std::size_t i = 0; i < kSpriteCount; ++i) {
        s.sprites[i] = {test::Solid(10, 10, 0x100000u * static_cast<QRgb>(i + 1)), 10, 10};
        s.spritePlacements[i] = {5 * static_cast<int>(i), 0, DrawSpec{}};
    }
    s.sprites[3].Clear();
    const QImage f = Frame(s, QSize(60, 12));  // no main image: the sprites still show
    EXPECT_EQ(RgbAt(f, 7, 5), 0x100000u);      // 0 over 1
    EXPECT_EQ(RgbAt(f, 12, 5), 0x200000u);     // 1 over 2
    EXPECT_EQ(RgbAt(f, 17, 5), 0x300000u);     // 2 alone: 3 has no picture
    s.spritePlacements[4].spec = DrawSpec{kDrawOpaque, 1, Rgb{0x50, 0, 0}};
    EXPECT_EQ(RgbAt(Frame(s, QSize(60, 12)), 22, 5), 0u);

    s.mode = ViewMode::SpriteDrag;
    EXPECT_EQ(ClickAt(s, QPoint(7, 5)).kind, ViewClick::Kind::None);
    EXPECT_EQ(s.selectedSprite, 0);  // the lower-numbered of two, the one on top
    ClickAt(s, QPoint(10, 10));      // edges included
    EXPECT_EQ(s.selectedSprite, 0);
    ClickAt(s, QPoint(11, 3));
    EXPECT_EQ(s.selectedSprite, 1);
    ASSERT_EQ(DragSelectedSprite(s, QPoint(20, 7)), 1);
    EXPECT_EQ(QPoint(s.spritePlacements[1].x, s.spritePlacements[1].y), QPoint(20 - 6, 7 - 3));
    s.spritePlacements[3] = {50, 0, DrawSpec{}};
    ClickAt(s, QPoint(52, 2));  // a sprite without a picture cannot be hit
    EXPECT_EQ(s.selectedSprite, -1);
    EXPECT_FALSE(DragSelectedSprite(s, QPoint(1, 1)));
}

TEST(ImageViewFrame, Mode23DrawsTheBackgroundThenTheFrameCellAtItsPosition) {
    ImageViewState s = SheetState(ViewMode::FramePositions);
    s.main.width = s.main.height = 8;  // the cell size, as the frame-position step sets it
    s.second = {test::Solid(320, 240, 0x336699), 320, 240};
    s.animation.frameCount = 2;
    s.animation.frames[0] = {1, 1, 100, 50};
    s.animation.frames[1] = {3, 2, 300, 230};
    QImage f = Frame(s, QSize(320, 240));
    EXPECT_EQ(RgbAt(f, 107, 57), CellColour(1, 1));
    EXPECT_EQ(RgbAt(f, 108, 50), 0x336699u);
    s.currentFrame = 1;
    s.animate = true;  // no effect in mode 23
    f = Frame(s, QSize(320, 240));
    EXPECT_EQ(RgbAt(f, 100, 50), 0x336699u);
    EXPECT_EQ(RgbAt(f, 307, 237), CellColour(3, 2));
    const ViewClick c = ClickAt(s, QPoint(12, 34));
    EXPECT_EQ(c.slot, OwnerSlot::Point);
    EXPECT_EQ(c.point, QPoint(12, 34));
}

TEST(ImageViewFrame, ColourPicksByModeAndOnlyInsideThePicture) {
    ImageViewState s = SheetState(ViewMode::SettingsColour);
    ViewClick c = ClickAt(s, QPoint(9, 1));
    EXPECT_EQ(c.kind, ViewClick::Kind::Colour);
    EXPECT_EQ(c.slot, OwnerSlot::SettingsColour);
    const QRgb expected = CellColour(1, 0);
    EXPECT_EQ(c.colour, PackColour(qRed(expected), qGreen(expected), qBlue(expected)));
    EXPECT_EQ(ClickAt(s, QPoint(40, 1)).kind, ViewClick::Kind::None);  // outside: no colour
    s.animate = true;
    EXPECT_EQ(ClickAt(s, QPoint(9, 1)).kind, ViewClick::Kind::None);
    for (ViewMode mode : {ViewMode::MonsterColour, ViewMode::ImageColour, ViewMode::AreaFrame}) {
        s.mode = mode;
        EXPECT_EQ(ClickAt(s, QPoint(9, 1)).slot, OwnerSlot::ImageColour);
    }
    s.mode = ViewMode::ChipArea;
    EXPECT_EQ(ClickAt(s, QPoint(9, 1)).slot, OwnerSlot::ChipColour);
    s.mode = ViewMode::Animation;
    EXPECT_EQ(ClickAt(s, QPoint(9, 1)).kind, ViewClick::Kind::None);
}

}  // namespace
}  // namespace lw
