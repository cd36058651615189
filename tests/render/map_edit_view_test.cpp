// The map editor's frames: drawn as the map view draws, any part composed alone equal to that part
// of the whole frame at every zoom, the layer not painted dimmed or hidden, and the palette.
#include <gtest/gtest.h>

#include "pictures.h"
#include "render/map_edit_view.h"
#include "render/map_view_state.h"

namespace lw {
namespace {

using test::RgbAt;

// Layer 0: a 16-chip-wide set, every chip its own colour; layer 1: the same with a magenta key
// square in each chip's top-left quarter.
QImage Ground() { return test::ChipSheet(16, 4, 32); }
QImage Upper() {
    return test::OpaquePicture(512, 128, [](int x, int y) {
        return (x % 32) < 16 && (y % 32) < 16 ? 0xFF00FFu : test::CellColour(x / 32 + 3, y / 32 + 1);
    });
}

MapData Field(std::uint32_t w, std::uint32_t h) {
    MapData m = NewMap(w, h, 0);
    for (std::uint32_t y = 0; y < h; ++y)
        for (std::uint32_t x = 0; x < w; ++x)
            m.cells[y * w + x] = MakeMapCell(static_cast<int>((x + 3 * y) % 40), (x * y) % 3 == 0 ? 0 : static_cast<int>(1 + (x + y) % 30), 0x5A, 0xA5);
    return m;
}

struct EditFrame : ::testing::Test {
    MapData map = Field(37, 23);
    MapEditView v;
    void SetUp() override {
        v.map = &map;
        v.chipSets.images[0] = Ground();
        v.chipSets.images[1] = Upper();
        v.layerSpec = DrawSpec{kDrawOpaque, 1, Rgb{255, 0, 255}};
        for (int layer = 0; layer < 2; ++layer)
            v.dimmedChipSets.images[static_cast<std::size_t>(layer)] =
                DimmedChipSet(v.chipSets.images[static_cast<std::size_t>(layer)], layer, v.layerSpec);
    }
};

TEST_F(EditFrame, AtFullSizeTheMapIsDrawnAsTheMapViewDrawsIt) {
    MapViewState s{.map = map, .chipSets = v.chipSets, .layerSpec = v.layerSpec, .scroll = QPoint(45, 70)};
    v.scroll = s.scroll;
    v.other = OtherLayer::Shown;
    v.grid = false;
    EXPECT_EQ(ComposeMapEditArea(v, QRect(0, 0, 320, 240)), ComposeMapView(s, QSize(320, 240)));
    // With the grid both put their lines between the cells alike.
    s.mode = MapViewMode::Settings;
    v.grid = true;
    s.scroll = v.scroll = QPoint(0, 0);
    EXPECT_EQ(ComposeMapEditArea(v, QRect(0, 0, 320, 240)), ComposeMapView(s, QSize(320, 240)));
    // Beyond the map's right and bottom edges the editor shows grey, not black.
    v.scroll = EditViewMaxScroll(map, 100, QSize(320, 240));
    const QImage edge = ComposeMapEditArea(v, QRect(0, 0, 400, 300));
    EXPECT_EQ(edge.pixel(399, 299), kOutsideMapColour);
}

TEST_F(EditFrame, AnyPartComposedAloneEqualsThatPartOfTheWholeFrame) {
    v.outline = CellRect{2, 3, 6, 4};
    v.cursor = QPoint(4, 5);
    for (int zoom : {50, 75, 100, 150, 400}) {
        v.zoom = zoom;
        v.scroll = QPoint(13 * zoom / 25, 7 * zoom / 25);
        const QImage whole = ComposeMapEditArea(v, QRect(0, 0, 300, 220));
        for (const QRect part : {QRect(37, 23, 61, 45), QRect(0, 0, 1, 1), QRect(150, 100, 150, 120),
                                 ViewRectOfCells(v, CellRect{4, 5, 1, 1}).intersected(whole.rect())}) {
            if (part.isEmpty()) continue;
            EXPECT_EQ(ComposeMapEditArea(v, part), whole.copy(part)) << "zoom " << zoom << " part " << part.x() << "," << part.y();
        }
    }
}

TEST_F(EditFrame, ZoomScalesCellsAndPointsFindTheirCells) {
    v.other = OtherLayer::Hidden;
    v.grid = false;
    v.zoom = 200;
    const QImage f = ComposeMapEditArea(v, QRect(0, 0, 256, 192));
    // Cell (1, 0) holds chip 1: 64 x 64 pixels of chip 1's colour, the pixels of its 32 x 32 doubled.
    EXPECT_EQ(RgbAt(f, 64, 0), test::CellColour(1, 0));
    EXPECT_EQ(RgbAt(f, 127, 63), test::CellColour(1, 0));
    EXPECT_EQ(CellUnderPoint(v, QPoint(127, 63)), QPoint(1, 0));
    v.scroll = QPoint(10, 0);
    EXPECT_EQ(CellUnderPoint(v, QPoint(54, 0)), QPoint(1, 0));
    EXPECT_EQ(CellUnderPoint(v, QPoint(-11, 0)), QPoint(-1, 0));
    EXPECT_EQ(ViewRectOfCells(v, CellRect{1, 1, 2, 1}), QRect(54, 64, 128, 64));
    EXPECT_EQ(ClampZoom(10), 50);
    EXPECT_EQ(ClampZoom(130), 125);
    EXPECT_EQ(ClampZoom(1000), 400);
    EXPECT_EQ(EditViewExtent(map, 50), QSize(37 * 16, 23 * 16));
    // Bringing a cell into view scrolls the least.
    v.scroll = QPoint(0, 0);
    EXPECT_EQ(ScrollToShow(v, QPoint(5, 0), QSize(256, 192)), QPoint(5 * 64 + 64 - 256, 0));
    EXPECT_EQ(ScrollToShow(v, QPoint(1, 1), QSize(256, 192)), QPoint(0, 0));
}

TEST_F(EditFrame, TheLayerNotPaintedIsShownDimmedOrHidden) {
    v.grid = false;
    // Cell (1, 1): ground chip 4, upper chip 3 (keyed top-left quarter).
    ASSERT_EQ(Layer1Chip(map.At(1, 1)), 3);
    const QPoint keyed(32 + 4, 32 + 4), covered(32 + 20, 32 + 20);
    const QRgb ground = test::CellColour(4, 0), upper = test::CellColour(3 + 3, 1);
    v.layer = 0;
    v.other = OtherLayer::Shown;
    QImage f = ComposeMapEditArea(v, QRect(0, 0, 96, 96));
    EXPECT_EQ(RgbAt(f, keyed.x(), keyed.y()), ground);
    EXPECT_EQ(RgbAt(f, covered.x(), covered.y()), upper);
    v.other = OtherLayer::Hidden;
    f = ComposeMapEditArea(v, QRect(0, 0, 96, 96));
    EXPECT_EQ(RgbAt(f, covered.x(), covered.y()), ground);
    // Dimmed upper layer: darker, and its keyed pixels stay clear.
    v.other = OtherLayer::Dimmed;
    f = ComposeMapEditArea(v, QRect(0, 0, 96, 96));
    EXPECT_EQ(RgbAt(f, keyed.x(), keyed.y()), ground);
    const QRgb mixed = RgbAt(f, covered.x(), covered.y());
    EXPECT_NE(mixed, ground);
    EXPECT_LT(qRed(mixed) + qGreen(mixed) + qBlue(mixed), qRed(upper) + qGreen(upper) + qBlue(upper));
    // Painting layer 1: the ground is darker, the upper layer as drawn.
    v.layer = 1;
    f = ComposeMapEditArea(v, QRect(0, 0, 96, 96));
    EXPECT_EQ(RgbAt(f, covered.x(), covered.y()), upper);
    EXPECT_LT(qRed(f.pixel(keyed)) + qGreen(f.pixel(keyed)), qRed(ground) + qGreen(ground));
}

TEST(ChipPaletteFrame, ChipsRowByRowAtMostTwoHundredFiftySixWithTheChosenFramed) {
    const QImage big = test::ChipSheet(32, 16, 32);  // 512 chips in the picture
    const PaletteLayout layout = PaletteLayoutOf(big);
    EXPECT_EQ(layout.columns, 32);
    EXPECT_EQ(layout.chips, 256);
    EXPECT_EQ(layout.rows(), 8);
    EXPECT_EQ(PaletteChipAt(layout, QPoint(33, 33)), 33);
    EXPECT_EQ(PaletteChipAt(layout, QPoint(5, 8 * 32 + 1)), -1);
    EXPECT_EQ(PaletteChipAt(layout, QPoint(32 * 32, 0)), -1);
    EXPECT_EQ(PaletteLayoutOf(test::ChipSheet(1, 1, 20)).chips, 0);

    const QImage p = ComposePalette(test::ChipSheet(4, 2, 32), 0, DrawSpec{}, 6);
    ASSERT_EQ(p.size(), QSize(128, 64));
    EXPECT_EQ(RgbAt(p, 16, 48), test::CellColour(0, 1));   // chip 4 as in the set
    EXPECT_NE(RgbAt(p, 16, 16), test::CellColour(0, 0));   // chip 0 stands for no chip
    EXPECT_NE(RgbAt(p, 64, 32), test::CellColour(2, 1));   // chip 6's frame
    EXPECT_EQ(RgbAt(p, 80, 48), test::CellColour(2, 1));   // and its middle
}

}  // namespace
}  // namespace lw
