// Map files read and written, and editing maps: the operations with their undo records and the
// history.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/world/map_data.h"
#include "core/world/map_edit_session.h"
#include "core/world/map_editing.h"
#include "support/core/map_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

// Maps drawn as text, one string a row, one character a cell: '.' is chip 0, '1'..'9' chips 1-9,
// 'a'.. chips 10 and on. Every cell carries its own unused bytes (its position), so a test sees
// any operation that touches them.
int ChipOf(char c) { return c == '.' ? 0 : c <= '9' ? c - '0' : c - 'a' + 10; }
char CharOf(int chip) { return chip == 0 ? '.' : chip <= 9 ? static_cast<char>('0' + chip) : static_cast<char>('a' + chip - 10); }

MapData MapOf(const std::vector<std::string>& layer0, const std::vector<std::string>& layer1 = {}) {
    MapData map;
    map.height = static_cast<std::uint32_t>(layer0.size());
    map.width = static_cast<std::uint32_t>(layer0.at(0).size());
    for (std::uint32_t y = 0; y < map.height; ++y)
        for (std::uint32_t x = 0; x < map.width; ++x) {
            const int upper = layer1.empty() ? 0 : ChipOf(layer1[y][x]);
            map.cells.push_back(MakeMapCell(ChipOf(layer0[y][x]), upper, static_cast<int>(x + 16 * y), 0xA0 + static_cast<int>(y)));
        }
    return map;
}

std::vector<std::string> Rows(const MapData& map, int layer) {
    std::vector<std::string> rows;
    for (std::uint32_t y = 0; y < map.height; ++y) {
        std::string row;
        for (std::uint32_t x = 0; x < map.width; ++x) row += CharOf(ChipOnLayer(map.At(x, y), layer));
        rows.push_back(row);
    }
    return rows;
}

// The unused bytes of every cell, which no operation may change.
std::vector<std::uint32_t> UnusedBytes(const MapData& map) {
    std::vector<std::uint32_t> out;
    for (std::uint32_t c : map.cells) out.push_back(c & 0xFF00FF00u);
    return out;
}

MapData Applied(MapData map, const MapChange& c) {
    ApplyChange(map, c);
    return map;
}

TEST(MapEditingTest, PencilAndRectangleTouchOneLayerInsideTheMap) {
    const MapData map = MapOf({"1111", "1111", "1111"}, {"....", ".2..", "...."});

    MapData after = Applied(map, SetCellChip(map, 1, 1, 0, 7));
    EXPECT_EQ(Rows(after, 0), (std::vector<std::string>{"1111", "1711", "1111"}));
    EXPECT_EQ(Rows(after, 1), Rows(map, 1));
    EXPECT_EQ(UnusedBytes(after), UnusedBytes(map));
    // Outside the map, or the chip already there: nothing.
    EXPECT_TRUE(SetCellChip(map, 4, 0, 0, 7).empty());
    EXPECT_TRUE(SetCellChip(map, -1, 0, 0, 7).empty());
    EXPECT_TRUE(SetCellChip(map, 1, 1, 1, 2).empty());
    // A chip number is one byte.
    EXPECT_EQ(ChipOnLayer(Applied(map, SetCellChip(map, 0, 0, 1, 300)).At(0, 0), 1), 255);
    // The eraser is chip 0.
    EXPECT_EQ(Rows(Applied(map, SetCellChip(map, 1, 1, 1, 0)), 1), (std::vector<std::string>{"....", "....", "...."}));

    // A rectangle running past the right and bottom edges is cut there; the area to repaint is
    // the cells changed.
    const MapChange fill = FillCells(map, CellRectBetween(map, 6, 5, 2, 1), 1, 3);
    after = Applied(map, fill);
    EXPECT_EQ(Rows(after, 1), (std::vector<std::string>{"....", ".233", "..33"}));
    EXPECT_EQ(Rows(after, 0), Rows(map, 0));
    EXPECT_EQ(UnusedBytes(after), UnusedBytes(map));
    EXPECT_EQ(fill.area, (CellRect{2, 1, 2, 2}));
    EXPECT_EQ(fill.cells.size(), 4u);
    EXPECT_TRUE(CellRectBetween(map, -5, -5, -1, 2).empty());
    EXPECT_EQ(CellRectBetween(map, -5, -5, 0, 0), (CellRect{0, 0, 1, 1}));
}

TEST(MapEditingTest, FloodFillFollowsFourNeighboursOfTheSameChipOnItsLayer) {
    // The 1s on the left reach the 1s on the right only diagonally: they are not filled. The upper
    // layer's chips do not stop the fill.
    const MapData map = MapOf({"11.1", "1.11", "11..", "...1"}, {"9999", "....", "9...", "...."});
    MapChange c = FloodFill(map, 0, 0, 0, 5);
    MapData after = Applied(map, c);
    EXPECT_EQ(Rows(after, 0), (std::vector<std::string>{"55.1", "5.11", "55..", "...1"}));
    EXPECT_EQ(Rows(after, 1), Rows(map, 1));
    EXPECT_EQ(UnusedBytes(after), UnusedBytes(map));
    EXPECT_EQ(c.area, (CellRect{0, 0, 2, 3}));

    // Empty cells are a region too; the fill stops at the map's edges.
    after = Applied(map, FloodFill(map, 2, 0, 0, 4));
    EXPECT_EQ(Rows(after, 0), (std::vector<std::string>{"1141", "1.11", "11..", "...1"}));  // (2, 0) alone
    after = Applied(map, FloodFill(map, 3, 2, 0, 4));
    EXPECT_EQ(Rows(after, 0), (std::vector<std::string>{"11.1", "1.11", "1144", "4441"}));
    // On layer 1 the empty cells below the top row are one region.
    after = Applied(map, FloodFill(map, 3, 3, 1, 2));
    EXPECT_EQ(Rows(after, 1), (std::vector<std::string>{"9999", "2222", "9222", "2222"}));
    EXPECT_TRUE(FloodFill(map, 0, 0, 0, 1).empty());
    EXPECT_TRUE(FloodFill(map, 9, 0, 0, 2).empty());

    // A winding corridor on a large map: every cell of it and nothing else.
    MapData maze = NewMap(301, 301, 1);
    for (std::uint32_t y = 1; y < 301; y += 2)
        for (std::uint32_t x = 0; x < 301; ++x)
            if (x != ((y / 2) % 2 == 0 ? 300u : 0u)) maze.cells[y * 301 + x] = WithChipOnLayer(0, 0, 2);
    const MapChange corridor = FloodFill(maze, 0, 0, 0, 3);
    EXPECT_EQ(corridor.cells.size(), 151u * 301u + 150u);
    EXPECT_EQ(corridor.area, (CellRect{0, 0, 301, 301}));
}

TEST(MapEditingTest, CopyAndPasteOneLayerOrBothCutAtTheEdges) {
    const MapData map = MapOf({"123", "456", "789"}, {"a..", ".b.", "..c"});
    const MapClip both = CopyCells(map, CellRectBetween(map, 0, 0, 1, 1), LayerSet::Both);
    ASSERT_EQ(both.width, 2u);
    ASSERT_EQ(both.height, 2u);

    // Pasted at the bottom-right corner: only the clip's top-left cell lands in the map.
    MapChange c = PasteCells(map, both, 2, 2);
    MapData after = Applied(map, c);
    EXPECT_EQ(Rows(after, 0), (std::vector<std::string>{"123", "456", "781"}));
    EXPECT_EQ(Rows(after, 1), (std::vector<std::string>{"a..", ".b.", "..a"}));
    EXPECT_EQ(UnusedBytes(after), UnusedBytes(map));
    EXPECT_EQ(c.area, (CellRect{2, 2, 1, 1}));
    // Above and left of the map: the clip's bottom-right cell lands at (0, 0).
    after = Applied(map, PasteCells(map, both, -1, -1));
    EXPECT_EQ(Rows(after, 0), (std::vector<std::string>{"523", "456", "789"}));
    EXPECT_EQ(Rows(after, 1), (std::vector<std::string>{"b..", ".b.", "..c"}));
    EXPECT_TRUE(PasteCells(map, both, 3, 0).empty());

    // One layer: the other layer of the target cells stays.
    const MapClip upper = CopyCells(map, CellRectBetween(map, 1, 1, 2, 2), LayerSet::Layer1);
    after = Applied(map, PasteCells(map, upper, 0, 0));
    EXPECT_EQ(Rows(after, 0), Rows(map, 0));
    EXPECT_EQ(Rows(after, 1), (std::vector<std::string>{"b..", ".c.", "..c"}));
    const MapClip ground = CopyCells(map, CellRectBetween(map, 2, 0, 2, 2), LayerSet::Layer0);
    after = Applied(map, PasteCells(map, ground, 0, 0));
    EXPECT_EQ(Rows(after, 0), (std::vector<std::string>{"323", "656", "989"}));
    EXPECT_EQ(Rows(after, 1), Rows(map, 1));
    // A copy reaching outside the map takes what lies inside.
    EXPECT_EQ(CopyCells(map, CellRect{2, 1, 5, 5}, LayerSet::Both).cells.size(), 2u);
    EXPECT_TRUE(CopyCells(map, CellRect{3, 0, 1, 1}, LayerSet::Both).empty());
}

TEST(MapEditingTest, ResizeGrowsAndCutsAtTheRightAndBottomAndUndoesWhole) {
    MapData map = MapOf({"123", "456"}, {"a.b", ".c."});
    map.trailing = "tail";
    const MapData original = map;

    const MapChange grow = ResizeMap(map, 4, 3, 9);
    ApplyChange(map, grow);
    EXPECT_EQ(Rows(map, 0), (std::vector<std::string>{"1239", "4569", "9999"}));
    EXPECT_EQ(Rows(map, 1), (std::vector<std::string>{"a.b.", ".c..", "...."}));
    EXPECT_EQ(map.At(2, 1) & 0xFF00FF00u, original.At(2, 1) & 0xFF00FF00u);
    EXPECT_EQ(map.At(3, 0) & 0xFF00FF00u, 0u);  // a new cell has nothing in its unused bytes
    EXPECT_EQ(map.trailing, "tail");
    EXPECT_EQ(grow.area, (CellRect{0, 0, 4, 3}));

    const MapChange cut = ResizeMap(map, 2, 1, 0);
    ApplyChange(map, cut);
    EXPECT_EQ(Rows(map, 0), (std::vector<std::string>{"12"}));
    EXPECT_EQ(Rows(map, 1), (std::vector<std::string>{"a."}));
    EXPECT_EQ(map.At(1, 0), original.At(1, 0));

    RevertChange(map, cut);
    RevertChange(map, grow);
    EXPECT_EQ(map, original);
    EXPECT_TRUE(ResizeMap(map, 3, 2, 1).empty());
    EXPECT_TRUE(ResizeMap(map, 0, 2, 1).empty());
    EXPECT_TRUE(ResizeMap(map, kMaxMapSide + 1, 1, 1).empty());
    EXPECT_FALSE(IsMapSizeAllowed(kMaxMapSide, kMaxMapSide));  // more cells than a map file may hold
    EXPECT_TRUE(IsMapSizeAllowed(kMaxMapSide, 4000));

    const MapData fresh = NewMap(3, 2, 4);
    EXPECT_EQ(Rows(fresh, 0), (std::vector<std::string>{"444", "444"}));
    EXPECT_EQ(Rows(fresh, 1), (std::vector<std::string>{"...", "..."}));
    EXPECT_TRUE(NewMap(0, 3, 1).empty());
}

TEST(MapEditingTest, UndoingEveryStepGivesBackTheSameBytesAndRedoingGivesTheResult) {
    MapData map = MapOf({"1111", "1221", "1111"}, {"....", ".3..", "...."});
    map.trailing = std::string("\x00\xff", 2);
    const std::string before = MapDataBytes(map);
    MapHistory history;
    history.Reset(true);
    EXPECT_FALSE(history.Modified());

    auto step = [&](MapChange c) {
        ApplyChange(map, c);
        history.Record(std::move(c));
    };
    // A pencil stroke crossing its own path is one step.
    MapChange stroke;
    for (auto [x, y, chip] : {std::tuple{0, 0, 5}, {1, 0, 5}, {0, 0, 6}, {1, 1, 6}}) {
        MapChange c = SetCellChip(map, x, y, 1, chip);
        ApplyChange(map, c);
        AppendChange(stroke, std::move(c));
    }
    history.Record(std::move(stroke));
    step(FloodFill(map, 1, 1, 0, 8));
    step(FillCells(map, CellRect{2, 0, 2, 3}, 0, 0));
    step(PasteCells(map, CopyCells(map, CellRect{0, 0, 2, 2}, LayerSet::Both), 2, 1));
    step(ResizeMap(map, 6, 4, 3));
    step(SetCellChip(map, 5, 3, 0, 1));
    step(MapChange{});  // nothing changed: no step
    EXPECT_EQ(history.size(), 6u);
    EXPECT_TRUE(history.Modified());
    const std::string after = MapDataBytes(map);

    while (history.Undo(map) != nullptr) {}
    EXPECT_EQ(MapDataBytes(map), before);
    EXPECT_FALSE(history.Modified());
    while (history.Redo(map) != nullptr) {}
    EXPECT_EQ(MapDataBytes(map), after);

    // Saved in the middle; undoing past that point and making a new change loses the saved state
    // for good.
    history.Undo(map);
    history.Undo(map);
    history.MarkSaved();
    EXPECT_FALSE(history.Modified());
    history.Redo(map);
    EXPECT_TRUE(history.Modified());
    history.Undo(map);
    EXPECT_FALSE(history.Modified());
    history.Undo(map);
    step(SetCellChip(map, 0, 2, 1, 9));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_TRUE(history.Modified());
    history.Undo(map);
    EXPECT_TRUE(history.Modified());

    // A new map not yet saved is modified from the start.
    history.Reset(false);
    EXPECT_TRUE(history.Modified());
    EXPECT_FALSE(history.CanUndo());
}

TEST(MapEditingTest, WrittenFilesReadBackAsTheMapWithEveryByteKept) {
    test::TempProject tp;
    std::vector<std::uint32_t> cells;
    for (std::uint32_t i = 0; i < 12; ++i) cells.push_back(0x01020304u * i + 0x80008000u);
    const std::string original = test::MakeMapBytes(4, 3, cells, "extra");
    tp.WriteData("field.bin", original);
    MapData map;
    ASSERT_EQ(LoadMapData(tp.project, "field.bin", map), ReadStatus::Ok);
    EXPECT_EQ(map.trailing, "extra");

    // Unchanged: the same bytes; edited: what the reader reads is the map.
    test::ScriptedSaveUi ui;
    ASSERT_TRUE(SaveMapData(tp.project, "field.bin", map, ui, false));
    EXPECT_EQ(tp.ReadData("field.bin"), original);
    EXPECT_EQ(ui.asked, 0);
    ApplyChange(map, FillCells(map, CellRect{1, 1, 2, 2}, 1, 77));
    ASSERT_TRUE(WriteMapDataFile(DataFilePath(tp.project, "field.bin"), map));
    MapData read;
    ASSERT_EQ(LoadMapData(tp.project, "field.bin", read), ReadStatus::Ok);
    EXPECT_EQ(read, map);

    // A failed write leaves the old file; so does answering No; both are told.
    const std::string saved = tp.ReadData("field.bin");
    const MapData other = NewMap(2, 2, 1);
    const WriteFault fault{.failAfterBytes = 10};
    EXPECT_FALSE(SaveMapData(tp.project, "field.bin", other, ui, false, &fault));
    EXPECT_EQ(ui.cannotCreate, 1);
    ui.answer = false;
    EXPECT_FALSE(SaveMapData(tp.project, "field.bin", other, ui, true));
    EXPECT_EQ(ui.asked, 1);
    EXPECT_EQ(ui.lastCaption, ".\\data\\field.bin");
    EXPECT_EQ(tp.ReadData("field.bin"), saved);
    // A new file is made without a question; a name leading out of the data folder is not.
    EXPECT_TRUE(SaveMapData(tp.project, "new.bin", other, ui, true));
    EXPECT_EQ(ui.asked, 1);
    EXPECT_FALSE(SaveMapData(tp.project, "../new.bin", other, ui, true));
    EXPECT_EQ(ui.cannotCreate, 2);
    // A map whose cells do not fill its size is never written.
    MapData broken = other;
    broken.cells.pop_back();
    EXPECT_FALSE(WriteMapDataFile(DataFilePath(tp.project, "new.bin"), broken));
    EXPECT_EQ(tp.ReadData("new.bin"), MapDataBytes(other));
}

TEST(MapEditSessionTest, ToolsTurnPressDragAndReleaseIntoOneStepEach) {
    MapEditSession s;
    s.Open(MapOf({"11111", "11111", "11111", "11111"}), true);
    // A fast diagonal stroke leaves no gaps; a cell outside the map is skipped.
    s.SetChip(2);
    s.Press(0, 0);
    EXPECT_TRUE(s.pressed());
    EXPECT_FALSE(s.CanUndo());  // not while a stroke is under way
    EXPECT_EQ(s.Drag(3, 3), (CellRect{1, 1, 3, 3}));
    s.Release(5, 3);
    EXPECT_EQ(Rows(s.map(), 0), (std::vector<std::string>{"21111", "12111", "11211", "11122"}));
    EXPECT_EQ(s.history().size(), 1u);

    // Rectangle: the outline follows the moving corner; Cancel fills nothing.
    s.SetTool(MapTool::Rectangle);
    s.SetChip(3);
    s.Press(4, 0);
    s.Drag(3, 1);
    EXPECT_EQ(s.outline(), (CellRect{3, 0, 2, 2}));
    s.Cancel();
    EXPECT_FALSE(s.outline().has_value());
    s.Press(4, 0);
    EXPECT_EQ(s.Release(3, 1), (CellRect{3, 0, 2, 2}));
    // A rectangle begun outside the map begins nothing.
    EXPECT_TRUE(s.Press(9, 9).empty());
    EXPECT_FALSE(s.pressed());

    // The eraser works on the layer painted only; the right button picks that layer's chip.
    s.SetLayer(1);
    s.SetTool(MapTool::Pencil);
    s.SetChip(7);
    s.Press(0, 3);
    s.Release(0, 3);
    s.SetTool(MapTool::Eraser);
    s.Press(1, 1);
    s.Release(1, 1);
    EXPECT_EQ(Rows(s.map(), 1), (std::vector<std::string>{".....", ".....", ".....", "7...."}));
    EXPECT_TRUE(s.PickChip(0, 3));
    EXPECT_EQ(s.chip(), 7);
    EXPECT_FALSE(s.PickChip(5, 0));

    // Select and copy the layer painted only; the paste keeps the target's layer 0.
    s.SetTool(MapTool::Select);
    s.SetCopyBothLayers(false);
    s.Press(0, 3);
    s.Release(1, 3);
    ASSERT_TRUE(s.Copy());
    EXPECT_EQ(s.copied().layers, LayerSet::Layer1);
    EXPECT_EQ(s.Paste(3, 0), (CellRect{3, 0, 1, 1}));  // (4, 0) already holds nothing on layer 1
    EXPECT_EQ(s.selection(), (CellRect{3, 0, 2, 1}));
    EXPECT_EQ(Rows(s.map(), 1), (std::vector<std::string>{"...7.", ".....", ".....", "7...."}));
    EXPECT_EQ(Rows(s.map(), 0)[0], "21133");

    // Fill, then everything undone and redone; a resize drops the selection.
    s.SetLayer(0);
    s.SetTool(MapTool::Fill);
    s.SetChip(5);
    s.Press(1, 0);
    EXPECT_EQ(Rows(s.map(), 0), (std::vector<std::string>{"25533", "12533", "11211", "11122"}));
    EXPECT_EQ(s.history().size(), 5u);  // the eraser over nothing made no step
    while (s.Undo()) {}
    EXPECT_EQ(s.map(), MapOf({"11111", "11111", "11111", "11111"}));
    EXPECT_FALSE(s.Modified());
    while (s.Redo()) {}
    EXPECT_EQ(Rows(s.map(), 0)[1], "12533");
    s.SetTool(MapTool::Select);
    s.Press(0, 0);
    s.Release(0, 0);
    EXPECT_EQ(s.Resize(2, 2, 1), (CellRect{0, 0, 2, 2}));
    EXPECT_FALSE(s.selection().has_value());
    EXPECT_EQ(s.Undo(), (CellRect{0, 0, 5, 4}));
}

// ---- Reading map files ----

TEST(MapDataTest, ReadsLittleEndianCellsRowMajorKeepingUnusedBytes) {
    // 3 x 2 cells; each cell carries distinct values in all four bytes.
    std::vector<std::uint32_t> cells;
    for (int i = 0; i < 6; ++i) cells.push_back(MakeMapCell(i + 1, 100 + i, 0xA0 + i, 0xF0 + i));
    MapData map;
    ASSERT_TRUE(ParseMapData(MakeMapBytes(3, 2, cells), map));
    EXPECT_EQ(map.width, 3u);
    EXPECT_EQ(map.height, 2u);
    EXPECT_EQ(map.cells, cells);
    // Cell (2, 1) is the sixth: y x width + x.
    EXPECT_EQ(Layer0Chip(map.At(2, 1)), 6);
    EXPECT_EQ(Layer1Chip(map.At(2, 1)), 105);
    EXPECT_EQ(map.At(2, 1) >> 24, 0xF5u);
    EXPECT_EQ((map.At(2, 1) >> 8) & 0xFF, 0xA5u);
    // The byte order on disk: layer-0 chip first.
    const std::string bytes = MakeMapBytes(1, 1, {MakeMapCell(0x11, 0x33, 0x22, 0x44)});
    ASSERT_TRUE(ParseMapData(bytes, map));
    EXPECT_EQ(bytes.substr(8), "\x11\x22\x33\x44");
    EXPECT_EQ(MapDataBytes(map), bytes);

    // Bytes after the cells are no cells.
    ASSERT_TRUE(ParseMapData(MakeMapBytes(2, 1, {7, 8}, "tail bytes"), map));
    EXPECT_EQ(map.cells, (std::vector<std::uint32_t>{7, 8}));
    // An empty map is a map.
    ASSERT_TRUE(ParseMapData(MakeMapHeader(0, 5), map));
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(map.height, 5u);
}

TEST(MapDataTest, ShortFilesFailAndLeaveNoMap) {
    MapData map;
    ASSERT_TRUE(ParseMapData(MakeMapBytes(2, 2, {1, 2, 3, 4}), map));
    // 3 x 2 needs 24 cell bytes; 23 are there.
    EXPECT_FALSE(ParseMapData(MakeMapHeader(3, 2, 23), map));
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(map.width, 0u);
    EXPECT_EQ(map.height, 0u);
    EXPECT_FALSE(ParseMapData(std::string("\x01\x00\x00\x00\x01\x00\x00", 7), map));
    EXPECT_FALSE(ParseMapData("", map));
    // A header that claims 65535 x 65535 cells on a 20-byte file fails without allocating them.
    EXPECT_FALSE(ParseMapData(MakeMapHeader(65535, 65535, 12), map));
    EXPECT_EQ(map.cells.capacity(), 0u);
    // The largest header there is: the size computation must not overflow.
    EXPECT_FALSE(ParseMapData(MakeMapHeader(0xFFFFFFFFu, 0xFFFFFFFFu, 16), map));
    EXPECT_FALSE(ParseMapData(MakeMapHeader(0x40000000u, 4, 16), map));
}

TEST(MapDataTest, FileReadingReportsMissingAndMalformedFiles) {
    test::TempProject tp;
    MapData map;
    tp.WriteData("field.bin", MakeMapBytes(2, 1, {MakeMapCell(3, 4), MakeMapCell(5, 0)}));
    EXPECT_EQ(LoadMapData(tp.project, "field.bin", map), ReadStatus::Ok);
    EXPECT_EQ(Layer1Chip(map.At(0, 0)), 4);
    EXPECT_EQ(LoadMapData(tp.project, "none.bin", map), ReadStatus::Missing);
    EXPECT_TRUE(map.empty());
    ASSERT_EQ(LoadMapData(tp.project, "field.bin", map), ReadStatus::Ok);
    tp.WriteData("short.bin", MakeMapHeader(3, 2, 20));
    EXPECT_EQ(LoadMapData(tp.project, "short.bin", map), ReadStatus::Unreadable);
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(map.width, 0u);
    EXPECT_EQ(LoadMapData(tp.project, "", map), ReadStatus::Missing);
}

}  // namespace
}  // namespace lw
