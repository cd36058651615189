// map_anim%d.txt: the bytes written, the counts and indices the reader keeps, the file numbering,
// the frame order turned into positions and back, and the chip rows of the terrain dialogs.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/world/chip_rows.h"
#include "core/world/map_animation.h"
#include "core/world/map_animation_steps.h"
#include "core/world/scene_numbers.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

namespace fs = std::filesystem;

using test::JoinLines;

MapAnimation Water() {
    MapAnimation a = NewMapAnimation();
    a.imageFile = "water.bmp";
    a.speed = 4;
    a.animations = {{{{0, 0}, {32, 0}, {64, 0}}}, {{{0, 32}}}};
    return a;
}

MapAnimation Parse(std::string_view bytes) {
    MapAnimation a = Water();  // the reader clears what it is given
    ParseMapAnimation(bytes, a);
    return a;
}

TEST(MapAnimationFile, WritesTheSectionsInOrderAndReadsThemBack) {
    const std::string expected = JoinLines({
        "<map_anim_main_data>", "4 32 32 water.bmp", "</map_anim_main_data>",  //
        "<map_anim_number>", "2", "</map_anim_number>",                         //
        "-------------------------", "0", "-------------------------",          //
        "<map_anim_data>", "<map_anim_pos_number>", "3", "</map_anim_pos_number>",
        "<map_anim_pos_data>", "0 0", "32 0", "64 0", "</map_anim_pos_data>", "</map_anim_data>",
        "-------------------------", "1", "-------------------------",  //
        "<map_anim_data>", "<map_anim_pos_number>", "1", "</map_anim_pos_number>",
        "<map_anim_pos_data>", "0 32", "</map_anim_pos_data>", "</map_anim_data>",
    });
    EXPECT_EQ(MapAnimationBytes(Water()), expected);
    EXPECT_EQ(Parse(expected), Water());

    // A new file: no bitmap (the line keeps its blank and reads back empty), no animations.
    const MapAnimation fresh = NewMapAnimation();
    EXPECT_EQ(fresh.frameWidth, 32);
    EXPECT_EQ(fresh.speed, 1);
    const std::string freshBytes = MapAnimationBytes(fresh);
    EXPECT_EQ(freshBytes, JoinLines({"<map_anim_main_data>", "1 32 32 ", "</map_anim_main_data>", "<map_anim_number>",
                                 "0", "</map_anim_number>"}));
    EXPECT_EQ(MapAnimationBytes(Parse(freshBytes)), freshBytes);

    // An animation without frames keeps an empty position section.
    MapAnimation empty = Water();
    empty.animations = {{}};
    EXPECT_EQ(Parse(MapAnimationBytes(empty)), empty);
}

TEST(MapAnimationFile, CountsAreClampedAndDataBeyondThemIgnored) {
    // 40 frame lines under a count of 40: the first 32 are kept.
    std::string frames;
    for (int i = 0; i < 40; ++i) frames += "\r\n" + std::to_string(i) + " " + std::to_string(i * 2);
    const std::string forty = "<map_anim_number>\r\n1\r\n</map_anim_number>\r\n<map_anim_data>\r\n"
                              "<map_anim_pos_number>\r\n40\r\n</map_anim_pos_number>\r\n<map_anim_pos_data>" +
                              frames + "\r\n</map_anim_pos_data>\r\n</map_anim_data>";
    MapAnimation a = Parse(forty);
    ASSERT_EQ(a.animationCount(), 1);
    ASSERT_EQ(a.animations[0].frameCount(), 32);
    EXPECT_EQ(a.animations[0].frames[31], (MapAnimationFrame{31, 62}));
    EXPECT_TRUE(a.imageFile.empty());  // no main section: cleared
    EXPECT_EQ(a.frameWidth, 0);

    // An animation count of 100 reads as 64; three blocks under a count of 2 keep two; a block
    // with fewer lines than its count keeps zeros for the rest; a negative count keeps nothing.
    auto block = [](int frameCount, std::string_view line) {
        return JoinLines({"<map_anim_data>", "<map_anim_pos_number>", std::to_string(frameCount), "</map_anim_pos_number>",
                      "<map_anim_pos_data>", line, "</map_anim_pos_data>", "</map_anim_data>"});
    };
    auto file = [&](std::string_view count) {
        return JoinLines({"<map_anim_number>", count, "</map_anim_number>", block(1, "1 1"), "-------------------------",
                      "7", "-------------------------", block(3, "2 2"), block(1, "3 3")});
    };
    EXPECT_EQ(Parse(file("100")).animationCount(), 64);
    a = Parse(file("2"));
    ASSERT_EQ(a.animationCount(), 2);
    EXPECT_EQ(a.animations[0], (MapAnimationSequence{{{1, 1}}}));
    EXPECT_EQ(a.animations[1], (MapAnimationSequence{{{2, 2}, {0, 0}, {0, 0}}}));
    EXPECT_EQ(Parse(file("-3")).animationCount(), 0);
    EXPECT_EQ(Parse(file("x")).animationCount(), 0);

    // A frame count of -1 keeps no frames; one above 32 written by hand is cut on writing too.
    EXPECT_EQ(Parse(JoinLines({"<map_anim_number>", "1", "</map_anim_number>", block(-1, "5 5")})).animations[0].frameCount(),
              0);
    MapAnimation big = Water();
    big.animations[0].frames.resize(40);
    EXPECT_EQ(Parse(MapAnimationBytes(big)).animations[0].frameCount(), 32);
}

TEST(MapAnimationFile, AFileOfSixtyFourAnimationsIsReadAndWrittenWhole) {
    MapAnimation a = Water();
    a.animations.clear();
    for (int i = 0; i < kMapAnimationCapacity; ++i)
        a.animations.push_back({{{i, 0}, {i, 32}}});
    const std::string bytes = MapAnimationBytes(a);
    EXPECT_EQ(Parse(bytes), a);
    // A 65th written by hand is left out.
    a.animations.push_back({{{1, 1}}});
    EXPECT_EQ(MapAnimationBytes(a), bytes);
}

TEST(MapAnimationFile, FilesOnDiskAreNumberedByTheLowestFreeNumber) {
    test::TempProject tp;
    tp.WriteData("map_anim0.txt", MapAnimationBytes(Water()));
    tp.WriteData("map_anim2.txt", MapAnimationBytes(NewMapAnimation()));
    tp.WriteData("map_anim10.txt", "");
    tp.WriteData("map_anim07.txt", "");  // no number the game opens
    tp.WriteData("map_anim.txt", "");
    tp.WriteData("scene1.txt", "");

    std::vector<std::string> names;
    std::vector<int> numbers;
    for (const MapAnimationFileEntry& e : ListMapAnimationFiles(tp.project)) {
        names.push_back(e.fileName);
        numbers.push_back(e.number);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"map_anim0.txt", "map_anim10.txt", "map_anim2.txt"}));
    EXPECT_EQ(MapAnimationFileName(NextFreeFileNumber(numbers)), "map_anim1.txt");

    const auto load = [](const Project& p, MapAnimation& a) { return LoadMapAnimationFile(p, "map_anim1.txt", a); };
    const auto save = [](const Project& p, const MapAnimation& a, SaveUi& ui) {
        return SaveMapAnimationFile(p, "map_anim1.txt", a, ui);
    };
    test::CheckFileThroughProject("map_anim1.txt", Water(), MapAnimationBytes(Water()), load, save);
}

TEST(MapAnimationRules, RowTextsSizesAndTheChecksBeforeTheAnimations) {
    EXPECT_EQ(FrameListText(Water().animations[0]), "0 0 32 0 64 0");
    EXPECT_EQ(FrameListText({}), "");
    EXPECT_EQ(FrameListText({{{-5, 7}}}), "-5 7");

    MapAnimation a = Water();
    EXPECT_EQ(CheckMapAnimationSettings(a), MapAnimationProblem::None);
    a.frameHeight = 0;
    EXPECT_EQ(CheckMapAnimationSettings(a), MapAnimationProblem::FrameSizeBelowOne);
    a = Water();
    a.imageFile.clear();
    EXPECT_EQ(CheckMapAnimationSettings(a), MapAnimationProblem::NoImage);
    a.imageFile = "sea water.bmp";
    EXPECT_EQ(CheckMapAnimationSettings(a), MapAnimationProblem::ImageNameHasBlank);
}

TEST(MapAnimationRules, TheFrameOrderBecomesFramePositionsAndKeepsExactOnes) {
    MapAnimation file = Water();
    // A frame off the grid (40, 8) lies in cell (1, 0).
    const MapAnimationSequence before{{{40, 8}, {0, 32}}};
    const EffectAnimation order = FrameOrderRecord(file, before, 128, 64);
    EXPECT_EQ(order.imageFile, "water.bmp");
    EXPECT_EQ(order.areaWidth, 128);
    EXPECT_EQ(order.areaHeight, 64);
    EXPECT_EQ(order.cellWidth, 32);
    EXPECT_EQ(FrameOrderOf(order), (ChipOrder{{1, 0}, {0, 1}}));

    // Unchanged, the exact positions come back; reordered too; a new cell takes its corner.
    EXPECT_EQ(SequenceFromFrameOrder(FrameOrderOf(order), 32, 32, before), before);
    EXPECT_EQ(SequenceFromFrameOrder({{0, 1}, {1, 0}, {3, 1}}, 32, 32, before),
              (MapAnimationSequence{{{0, 32}, {40, 8}, {96, 32}}}));
    // At most 32 frames are taken.
    EXPECT_EQ(SequenceFromFrameOrder(ChipOrder(40, {0, 0}), 32, 32, {}).frameCount(), 32);

    // Positions left of or above the bitmap lie in negative cells.
    EXPECT_EQ(FrameCell({-1, -33}, 32, 32), (std::pair{-1, -2}));
    EXPECT_EQ(FrameCell({5, 5}, 0, 0), (std::pair{0, 0}));
}

TEST(MapAnimationRules, ThePreviewRunsOneAnimationOrAllOfThemInTurn) {
    MapAnimation file = Water();
    file.frameWidth = 16;
    file.frameHeight = 16;
    const EffectAnimation one = PreviewRecord(file, file.animations[0]);
    EXPECT_EQ(std::tie(one.frameCount, one.speed, one.cellWidth, one.frames[2].column, one.drawMode),
              std::make_tuple(3, 4, 16, 4, 0));

    const EffectAnimation all = PreviewRecordOfFile(file);
    EXPECT_EQ(all.frameCount, 4);
    EXPECT_EQ(all.frames[3].row, 2);  // (0, 32) of the second animation
    // No more frames than the preview holds.
    file.animations.assign(5, MapAnimationSequence{std::vector<MapAnimationFrame>(20)});
    EXPECT_EQ(PreviewRecordOfFile(file).frameCount, kEffectFrameCapacity);
}

TEST(TerrainChipRows, RowsRunThroughTheChipSetAndAddressItsCellsInTheGrid) {
    // 512 x 512 in 32-pixel cells: 16 x 16; row 17 is grid row 1, column 1.
    EXPECT_EQ(ChipListShapeOf(512, 512, 32, 32), (ChipListShape{16, 16}));
    EXPECT_EQ(ChipCellOfRow(17, 16), (ChipCell{1, 1}));
    EXPECT_EQ(ChipCellOfRow(255, 16), (ChipCell{15, 15}));
    // Larger sets are cut to the 16 x 16 the grid addresses.
    EXPECT_EQ(ChipListShapeOf(1024, 640, 32, 32), (ChipListShape{16, 16}));
    EXPECT_EQ(ChipListShapeOf(1024, 640, 32, 32).count(), 256);
    // A set 8 cells wide: row 9 is the chip at column 1 of row 1, where the map view draws chip 9.
    const ChipListShape narrow = ChipListShapeOf(256, 64, 32, 32);
    EXPECT_EQ(narrow, (ChipListShape{8, 2}));
    EXPECT_EQ(ChipCellOfRow(9, narrow.columns), (ChipCell{1, 1}));
    EXPECT_EQ(ChipCellOfRow(7, narrow.columns), (ChipCell{0, 7}));
    // Cells of the frame size: 128 x 64 in 48 x 20 cells make 2 x 3.
    EXPECT_EQ(ChipListShapeOf(128, 64, 48, 20), (ChipListShape{2, 3}));
    // No cells without a size or a bitmap.
    EXPECT_EQ(ChipListShapeOf(256, 64, 0, 32).count(), 0);
    EXPECT_EQ(ChipListShapeOf(0, 0, 32, 32).count(), 0);
    EXPECT_EQ(ChipCellOfRow(20, 0), (ChipCell{1, 4}));  // no column count: 16 a row

    ChipGrid grid{};
    grid[1][1] = 3;
    grid[0][2] = -7;
    EXPECT_EQ(TerrainRowText(9, {1, 1}, grid), "  9   2");
    EXPECT_EQ(TerrainRowText(0, {0, 0}, grid), "  0");
    EXPECT_EQ(TerrainRowText(2, {0, 2}, grid), "  2  -8");
    EXPECT_EQ(TerrainRowText(123, {7, 11}, grid), "123");
    EXPECT_EQ(AnimationNumberText(5), "  5");
    EXPECT_EQ(AnimationNumberText(63), " 63");
}

}  // namespace
}  // namespace lw
