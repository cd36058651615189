#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "pictures.h"
#include "render/bitmap.h"
#include "render/map_edit_view.h"
#include "render/map_view_state.h"

namespace lw {
namespace {

using namespace test;

MapData Map(std::uint32_t width, std::uint32_t height, const std::function<std::uint32_t(int, int)>& cell) {
    MapData m{.width = width, .height = height};
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) m.cells.push_back(cell(static_cast<int>(x), static_cast<int>(y)));
    }
    return m;
}

// Chip (column, row) of a 16-chip-wide set: each its own colour.
QRgb SetColour(int column, int row) {
    return static_cast<QRgb>((column * 15 + 10) << 16 | (row * 50 + 30) << 8 | 0x40);
}
QImage Set16(int rows) {
    return test::OpaquePicture(16 * 32, rows * 32, [](int x, int y) { return SetColour(x / 32, y / 32); });
}

// A 16-chip-wide (512-pixel) background set, every chip its own colour, on a 4 x 3 map whose cell
// (x, y) holds background chip 1 + x + 16 y (chip 0 for the last cell).
MapViewState Plain(MapViewMode mode = MapViewMode::Browse) {
    MapViewState s;
    s.mode = mode;
    s.chipSets.images[0] = Set16(4);
    s.map = Map(4, 3, [](int x, int y) { return x == 3 && y == 2 ? 0u : MakeMapCell(1 + x + 16 * y, 0); });
    return s;
}
// The colour of background chip c of the sheet above.
QRgb Chip(int c) { return SetColour(c % 16, c / 16); }

QImage Frame(const MapViewState& s, QSize size = QSize(160, 128)) { return ComposeMapView(s, size); }

TEST(MapViewFrame, ChipsAreAddressedRowByRowAcrossTheSet) {
    MapViewState s = Plain();
    s.map.cells[0] = MakeMapCell(17, 0, 0xAB, 0xCD);  // the unused bytes change nothing
    s.map.cells[1] = MakeMapCell(63, 0);               // the last chip of the set
    s.map.cells[2] = MakeMapCell(64, 0);               // beyond the set: nothing
    const QImage f = Frame(s);
    EXPECT_EQ(RgbAt(f, 0, 0), SetColour(1, 1));  // chip 17: column 1, row 1
    EXPECT_EQ(RgbAt(f, 31, 31), SetColour(1, 1));
    EXPECT_EQ(RgbAt(f, 40, 10), SetColour(15, 3));
    EXPECT_EQ(RgbAt(f, 70, 10), 0u);
    EXPECT_EQ(RgbAt(f, 100, 40), Chip(1 + 3 + 16));
    EXPECT_EQ(RgbAt(f, 100, 70), 0u);   // chip 0: what lies behind (black)
    EXPECT_EQ(RgbAt(f, 140, 10), 0u);   // right of the map
    EXPECT_EQ(RgbAt(f, 10, 100), 0u);   // below it

    // A narrower set has fewer chips per row: chip 17 of a 3-chip-wide set is column 2, row 5.
    s.chipSets.images[0] = test::ChipSheet(3, 8, 32);
    EXPECT_EQ(RgbAt(Frame(s), 5, 5), CellColour(2, 5));
    // A set narrower than one chip, or none, draws nothing and fails nothing.
    s.chipSets.images[0] = test::ChipSheet(1, 1, 20);
    EXPECT_EQ(Frame(s), Frame(MapViewState{}));
    s.chipSets.images[0] = QImage();
    EXPECT_EQ(RgbAt(Frame(s), 5, 5), 0u);
    // A map whose cells do not fill its size is not drawn; nor is an empty client.
    s = Plain();
    s.map.cells.pop_back();
    EXPECT_EQ(RgbAt(Frame(s), 5, 5), 0u);
    EXPECT_TRUE(ComposeMapView(Plain(), QSize(0, 10)).isNull());
}

TEST(MapViewFrame, LayerOneIsDrawnOpaqueKeyedOrBlended) {
    MapViewState s = Plain();
    // Layer-1 chip 1: a 32 x 32 chip, left half magenta (the key), right half green; chip 2: a
    // 32-bit chip, premultiplied: alpha 0x80 with red 0x40 on the left half, fully clear on the right.
    s.chipSets.images[1] = test::RawPicture(96, 32, [](int x, int) -> QRgb {
        if (x >= 64) return x < 80 ? 0x80400000u : 0u;
        if (x >= 32) return (x < 48 ? 0xFF00FFu : 0x00C000u) | 0xFF000000u;
        return 0xFF000000u;  // chip 0: never drawn
    });
    s.map.cells[0] = MakeMapCell(1, 1);  // layer 0 chip 1, layer 1 chip 1
    s.map.cells[1] = MakeMapCell(2, 2);
    const QRgb under0 = Chip(1), under1 = Chip(2);

    // Opaque (and additive, drawn the same): the whole chip covers layer 0, the key colour too.
    for (int mode : {kDrawOpaque, kDrawAdditive}) {
        s.layerSpec = DrawSpec{mode, 0, Rgb{255, 0, 255}};
        const QImage f = Frame(s);
        EXPECT_EQ(RgbAt(f, 5, 5), 0xFF00FFu);
        EXPECT_EQ(RgbAt(f, 20, 5), 0x00C000u);
    }
    // Colour key: the magenta half shows layer 0.
    s.layerSpec = DrawSpec{kDrawOpaque, 1, Rgb{255, 0, 255}};
    QImage f = Frame(s);
    EXPECT_EQ(RgbAt(f, 5, 5), under0);
    EXPECT_EQ(RgbAt(f, 20, 5), 0x00C000u);
    // Alpha: premultiplied source over layer 0; the key is ignored.
    s.layerSpec = DrawSpec{kDrawAlpha, 1, Rgb{255, 0, 255}};
    f = Frame(s);
    EXPECT_EQ(RgbAt(f, 5, 5), 0xFF00FFu);
    const auto over = [](int s8, int d8) { return std::min(255, s8 + (d8 * (255 - 0x80) + 127) / 255); };
    EXPECT_EQ(RgbAt(f, 32 + 5, 5), static_cast<QRgb>(qRgb(over(0x40, qRed(under1)), over(0, qGreen(under1)),
                                                         over(0, qBlue(under1))) & 0xFFFFFFu));
    EXPECT_EQ(RgbAt(f, 32 + 20, 5), under1);
    // Layer 0 is copied as it is whatever layer 1's settings, and a cell with layer-1 chip 0 shows it.
    EXPECT_EQ(RgbAt(f, 70, 5), Chip(3));
}

TEST(MapViewFrame, OnlyVisibleCellsAreDrawnWhereTheScrollPutsThem) {
    MapViewState s = Plain();
    s.map = Map(1000, 1000, [](int x, int y) { return MakeMapCell(1 + (x + y) % 60, 0); });
    s.scroll = QPoint(40, 70);
    const CellRange r = VisibleCells(s, QSize(320, 240));
    // Columns 1..11 (pixels 40..359), rows 2..9 (pixels 70..309).
    EXPECT_EQ(r.firstColumn, 1);
    EXPECT_EQ(r.endColumn, 12);
    EXPECT_EQ(r.firstRow, 2);
    EXPECT_EQ(r.endRow, 10);
    const QImage f = Frame(s, QSize(320, 240));
    EXPECT_EQ(RgbAt(f, 0, 0), Chip(1 + (1 + 2) % 60));   // cell (1, 2), 8 pixels in
    EXPECT_EQ(RgbAt(f, 23, 25), Chip(1 + (1 + 2) % 60));
    EXPECT_EQ(RgbAt(f, 24, 26), Chip(1 + (2 + 3) % 60));  // cell (2, 3) starts at (24, 26)
    EXPECT_EQ(RgbAt(f, 319, 239), Chip(1 + (11 + 9) % 60));

    // Near the map's end the cells stop at the map.
    s.scroll = QPoint(1000 * 32 - 100, 0);
    const CellRange end = VisibleCells(s, QSize(320, 240));
    EXPECT_EQ(end.endColumn, 1000);
    const QImage e = Frame(s, QSize(320, 240));
    EXPECT_EQ(RgbAt(e, 99, 0), Chip(1 + 999 % 60));
    EXPECT_EQ(RgbAt(e, 100, 0), 0u);
    EXPECT_TRUE(VisibleCells(MapViewState{}, QSize(320, 240)).empty());
}

TEST(MapViewFrame, GridInvertsTheCellEdgesInTheModesThatHaveIt) {
    const QImage plain = Frame(Plain());
    const auto inverted = [&plain](const QImage& f, int x, int y) {
        return RgbAt(f, x, y) == (RgbAt(plain, x, y) ^ 0xFFFFFFu);
    };
    for (MapViewMode mode : {MapViewMode::Settings, MapViewMode::Placement, MapViewMode::SingleFramePlacement}) {
        const QImage f = Frame(Plain(mode));
        EXPECT_TRUE(inverted(f, 32, 5) && inverted(f, 96, 90) && inverted(f, 5, 64));
        EXPECT_FALSE(inverted(f, 0, 5) || inverted(f, 5, 0) || inverted(f, 33, 5) || inverted(f, 128, 5));
        EXPECT_EQ(RgbAt(f, 140, 32), 0u);  // only over the map
        EXPECT_EQ(RgbAt(f, 64, 64), RgbAt(plain, 64, 64));  // crossings are inverted twice
    }
    EXPECT_EQ(Frame(Plain(MapViewMode::Browse)), plain);
    MapViewState off = Plain(MapViewMode::Settings);
    off.grid = false;
    EXPECT_EQ(Frame(off), plain);
    // Scrolled by 40, the lines fall 8 pixels before each 32.
    MapViewState scrolled = Plain(MapViewMode::Settings);
    scrolled.scroll = QPoint(40, 0);
    MapViewState scrolledPlain = Plain();
    scrolledPlain.scroll = QPoint(40, 0);
    const QImage sf = Frame(scrolled), sp = Frame(scrolledPlain);
    EXPECT_EQ(RgbAt(sf, 24, 5), RgbAt(sp, 24, 5) ^ 0xFFFFFFu);
    EXPECT_EQ(RgbAt(sf, 32, 5), RgbAt(sp, 32, 5));
}

// A 32 x 48 marker picture: opaque blue with a keyed-out (all-zero) left column.
QImage MarkerPicture() {
    QImage p = test::RawPicture(32, 48, [](int x, int) { return x == 0 ? 0u : 0xFF0000C0u; });
    return p;
}

TEST(MapViewFrame, MarkersShowInThePlacementModesExceptTheOnesBeingPlaced) {
    MapViewState s = Plain(MapViewMode::Placement);
    s.grid = false;
    const MapMarker npc = MarkerOnCell(4, 1, 1, MarkerPicture());
    EXPECT_EQ(npc.position, QPoint(32, 16));  // 16 pixels taller than a cell: rises above it
    s.npcMarkers = {npc, MarkerOnCell(5, 3, 0, QImage())};
    s.chestMarkers = {MapMarker{4, QPoint(64, 64), test::RawPicture(32, 32, [](int, int) { return 0xFF00C000u; })}};
    QImage f = Frame(s);
    EXPECT_EQ(RgbAt(f, 40, 20), 0x0000C0u);
    EXPECT_EQ(RgbAt(f, 32, 20), Chip(2));     // the clear column shows the map
    EXPECT_EQ(RgbAt(f, 40, 60), 0x0000C0u);
    EXPECT_EQ(RgbAt(f, 70, 70), 0x00C000u);   // the chest, drawn after the NPCs
    EXPECT_EQ(RgbAt(f, 100, 5), Chip(4));     // a marker without a picture draws nothing

    // The NPC being placed is not a marker; a chest with the same index still is.
    s.excludedNpc = 4;
    f = Frame(s);
    EXPECT_EQ(RgbAt(f, 40, 20), Chip(2));
    EXPECT_EQ(RgbAt(f, 70, 70), 0x00C000u);
    s.excludedChest = 4;
    EXPECT_EQ(RgbAt(Frame(s), 70, 70), Chip(1 + 2 + 32));

    // Drawn at their map position less the scroll; not drawn outside the placement modes.
    s.excludedNpc = s.excludedChest = -1;
    s.scroll = QPoint(32, 16);
    EXPECT_EQ(RgbAt(Frame(s), 8, 2), 0x0000C0u);
    s.mode = MapViewMode::SingleFramePlacement;
    EXPECT_EQ(RgbAt(Frame(s), 8, 2), 0x0000C0u);
    MapViewState noMarkers = s;
    for (MapViewMode mode : {MapViewMode::Browse, MapViewMode::Settings}) {
        s.mode = noMarkers.mode = mode;
        noMarkers.npcMarkers.clear();
        noMarkers.chestMarkers.clear();
        EXPECT_EQ(Frame(s), Frame(noMarkers));
    }
}

// A 3 x 4 sheet of 32 x 48 frames at (8, 4) of a picture: each frame one colour from its column and
// row, with a magenta corner pixel. The sprite is the `region` of it, the whole sheet by default.
PlacedSprite SheetSprite(QRect region = QRect(8, 4, 96, 192)) {
    const QImage sheet = test::OpaquePicture(8 + 96, 4 + 192, [](int x, int y) -> QRgb {
        if (x < 8 || y < 4) return 0x808080u;
        const int fx = (x - 8) % 32, fy = (y - 4) % 48;
        if (fx == 2 && fy == 2) return 0xFF00FFu;
        return CellColour((x - 8) / 32, (y - 4) / 48);
    });
    return PlacedSprite{.image = sheet, .regionX = region.x(), .regionY = region.y(), .regionWidth = region.width(),
                        .regionHeight = region.height(), .offset = 48 - 32};
}

// The placement mode without a grid over a 10 x 10 map of background chip 1.
MapViewState Meadow() {
    MapViewState s = Plain(MapViewMode::Placement);
    s.grid = false;
    s.map = Map(10, 10, [](int, int) { return MakeMapCell(1, 0); });
    return s;
}

TEST(MapViewFrame, ThePlacedSpriteShowsItsFrameForTheModeInARedFrame) {
    MapViewState s = Meadow();
    s.sprite = SheetSprite();
    s.sprite.position = QPoint(2, 2);
    s.sprite.direction = 2;  // right: row 2 of the sheet, middle column
    s.sprite.spec = DrawSpec{kDrawOpaque, 1, Rgb{255, 0, 255}};
    QImage f = Frame(s, QSize(320, 240));
    // The frame lies at (64, 64 - 16), 32 x 48; the red frame is two pixels along its edge, one
    // outside and one inside.
    EXPECT_EQ(RgbAt(f, 70, 60), CellColour(1, 2));
    EXPECT_EQ(RgbAt(f, 66, 50), Chip(1));  // the keyed corner pixel shows the map
    for (QPoint red : {QPoint(63, 60), QPoint(64, 60), QPoint(95, 60), QPoint(96, 60), QPoint(70, 47),
                       QPoint(70, 48), QPoint(70, 95), QPoint(70, 96)}) {
        EXPECT_EQ(RgbAt(f, red.x(), red.y()), 0xFF0000u) << red.x() << "," << red.y();
    }
    EXPECT_EQ(RgbAt(f, 62, 60), Chip(1));
    EXPECT_EQ(RgbAt(f, 70, 97), Chip(1));

    // The origin adds to the position; the direction is taken modulo 4 (-1 is up, row 3).
    s.sprite.origin = QPoint(1, 0);
    s.sprite.direction = -1;
    f = Frame(s, QSize(320, 240));
    EXPECT_EQ(RgbAt(f, 102, 60), CellColour(1, 3));

    // One whole frame: the region itself at its corner.
    s.mode = MapViewMode::SingleFramePlacement;
    s.sprite = SheetSprite(QRect(8 + 64, 4 + 48, 32, 48));
    s.sprite.position = QPoint(0, 1);
    s.sprite.showRange = true;
    s.sprite.rangeX = s.sprite.rangeY = 1;
    f = Frame(s, QSize(320, 240));
    EXPECT_EQ(RgbAt(f, 10, 20), CellColour(2, 1));
    EXPECT_EQ(RgbAt(f, 2, 18), 0xFF00FFu);  // no key now: the corner pixel is drawn
    EXPECT_EQ(RgbAt(f, 0, 20), 0xFF0000u);
    EXPECT_EQ(RgbAt(f, 40, 40), Chip(1));  // no walking range in this mode

    // No sprite outside the placement modes, and none for an empty region.
    s.mode = MapViewMode::Settings;
    EXPECT_EQ(RgbAt(Frame(s, QSize(320, 240)), 10, 20), Chip(1));
    s.mode = MapViewMode::Placement;
    s.sprite.showRange = false;
    s.sprite.regionWidth = 2;  // a third of 2 is no frame
    EXPECT_EQ(RgbAt(Frame(s, QSize(320, 240)), 0, 20), Chip(1));
}

TEST(MapViewFrame, TheWalkingRangeAndTheHoveredCellAreInverted) {
    MapViewState s = Meadow();
    const QRgb c = Chip(1), inv = Chip(1) ^ 0xFFFFFFu;
    s.sprite.rangeCentre = QPoint(3, 2);
    s.sprite.rangeX = 2;
    s.sprite.rangeY = 1;
    s.sprite.showRange = true;  // the range shows even with no sprite picture
    QImage f = Frame(s, QSize(320, 240));
    // Cells 1..5 by 1..3.
    EXPECT_EQ(RgbAt(f, 32, 32), inv);
    EXPECT_EQ(RgbAt(f, 191, 127), inv);
    EXPECT_EQ(RgbAt(f, 31, 40), c);
    EXPECT_EQ(RgbAt(f, 192, 40), c);
    EXPECT_EQ(RgbAt(f, 40, 128), c);
    // Not with the flag off or a half-extent below 1.
    MapViewState none = s;
    none.sprite.showRange = false;
    const QImage plain = Frame(none, QSize(320, 240));
    EXPECT_EQ(RgbAt(plain, 32, 32), c);
    none.sprite.showRange = true;
    none.sprite.rangeY = 0;
    EXPECT_EQ(Frame(none, QSize(320, 240)), plain);

    // Hover: with a scroll of 40, client x 30 is absolute column 2 (client pixels 24..55).
    s.sprite.showRange = false;
    s.scroll = QPoint(40, 0);
    EXPECT_TRUE(UpdateHover(s, QPoint(30, 70)));
    EXPECT_EQ(s.hover, QPoint(2, 2));
    EXPECT_FALSE(UpdateHover(s, QPoint(55, 95)));  // same cell
    f = Frame(s, QSize(320, 240));
    EXPECT_EQ(RgbAt(f, 24, 64), inv);
    EXPECT_EQ(RgbAt(f, 55, 95), inv);
    EXPECT_EQ(RgbAt(f, 23, 64), c);
    EXPECT_EQ(RgbAt(f, 56, 64), c);
    // The hovered cell inside the walking range is inverted twice.
    s.sprite.showRange = true;
    EXPECT_EQ(RgbAt(Frame(s, QSize(320, 240)), 30, 70), c);
}

TEST(MapViewHitTest, PointsBecomeMapCellsWithTheScroll) {
    MapViewState s = Plain(MapViewMode::Placement);  // 4 x 3 cells
    EXPECT_EQ(CellAtPoint(s, QPoint(0, 0)), QPoint(0, 0));
    EXPECT_EQ(CellAtPoint(s, QPoint(127, 95)), QPoint(3, 2));
    EXPECT_EQ(CellAtPoint(s, QPoint(128, 5)), std::nullopt);  // right of the map
    EXPECT_EQ(CellAtPoint(s, QPoint(5, 96)), std::nullopt);   // below it
    EXPECT_EQ(CellAtPoint(s, QPoint(-1, 5)), std::nullopt);
    s.scroll = QPoint(40, 33);
    EXPECT_EQ(CellAtPoint(s, QPoint(30, 30)), QPoint(2, 1));
    EXPECT_EQ(CellAtPoint(s, QPoint(-8, -1)), QPoint(1, 1));
    EXPECT_EQ(CellAtPoint(MapViewState{}, QPoint(0, 0)), std::nullopt);

    // Leaving the map clears the hover; a click gives the cell and clears it.
    ASSERT_TRUE(UpdateHover(s, QPoint(30, 30)));
    EXPECT_TRUE(UpdateHover(s, QPoint(200, 30)));
    EXPECT_FALSE(s.hover);
    UpdateHover(s, QPoint(30, 30));
    EXPECT_EQ(ClickCell(s, QPoint(60, 5)), QPoint(3, 1));
    EXPECT_FALSE(s.hover);
    EXPECT_EQ(ClickCell(s, QPoint(300, 5)), std::nullopt);
    EXPECT_FALSE(ClearHover(s));

    // Browse and settings take no mouse.
    for (MapViewMode mode : {MapViewMode::Browse, MapViewMode::Settings}) {
        s.mode = mode;
        EXPECT_FALSE(UpdateHover(s, QPoint(30, 30)));
        EXPECT_FALSE(s.hover);
        EXPECT_EQ(ClickCell(s, QPoint(30, 30)), std::nullopt);
    }
}

TEST(MapViewScroll, TheScrollStaysWithinTheMapLessTheClientArea) {
    MapViewState s;
    s.map = Map(20, 5, [](int, int) { return 0u; });
    EXPECT_EQ(MapExtent(s.map), QSize(640, 160));
    EXPECT_EQ(MaxScroll(s.map, QSize(320, 240)), QPoint(320, 0));
    s.scroll = QPoint(1000, 50);
    ClampScroll(s, QSize(320, 240));
    EXPECT_EQ(s.scroll, QPoint(320, 0));  // a client taller than the map resets to 0
    s.scroll = QPoint(-5, -5);
    ClampScroll(s, QSize(320, 100));
    EXPECT_EQ(s.scroll, QPoint(0, 0));
    // A declared size whose pixels overflow an int is capped, not wrapped.
    EXPECT_EQ(MapExtent(MapData{.width = 0xFFFFFFFFu, .height = 70000000u}), QSize(INT_MAX, INT_MAX));

    // Releasing the contents drops the map, chip sets, markers and hover; the mode stays.
    MapViewState r = Plain(MapViewMode::Placement);
    r.npcMarkers.push_back(MarkerOnCell(0, 0, 0, MarkerPicture()));
    r.hover = QPoint(1, 1);
    ReleaseMapContents(r);
    EXPECT_TRUE(r.map.cells.empty());
    EXPECT_TRUE(r.chipSets.images[0].isNull());
    EXPECT_TRUE(r.npcMarkers.empty());
    EXPECT_FALSE(r.hover);
    EXPECT_EQ(r.mode, MapViewMode::Placement);
    EXPECT_EQ(RgbAt(Frame(r), 5, 5), 0u);
}

// ---- The map editor's frames: drawn as the map view draws, any part composed alone equal to that
// part of the whole frame at every zoom, the layer not painted dimmed or hidden, and the palette ----

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
