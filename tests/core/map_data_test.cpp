#include <gtest/gtest.h>

#include "core/world/map_data.h"
#include "support/core/map_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

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
    EXPECT_EQ(map.PixelWidth(), 96u);
    EXPECT_EQ(map.PixelHeight(), 64u);
    // The byte order on disk: layer-0 chip first.
    const std::string bytes = MakeMapBytes(1, 1, {MakeMapCell(0x11, 0x33, 0x22, 0x44)});
    ASSERT_TRUE(ParseMapData(bytes, map));
    EXPECT_EQ(bytes.substr(8), "\x11\x22\x33\x44");
    EXPECT_EQ(MapDataBytes(map), bytes);
}

TEST(MapDataTest, ExtraBytesAfterTheCellsAreIgnored) {
    MapData map;
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
