#include <gtest/gtest.h>

#include "core/rules/treasure_list.h"
#include "core/media/effect_animation.h"
#include "core/world/scene_catalog.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

TEST(TreasureListTest, WritesNineFieldsPerChestAndReadsThemBack) {
    TreasureChest a = NewTreasureChest();  // sound "なし" is written as -1 in the eighth field
    a.x = 3;
    a.y = 4;
    a.animation = 2;
    a.scene = 9;  // not written
    TreasureChest b{-1, 0, 0, 1, 2, 10, 11, 5, 6, 7};
    const std::string bytes = TreasureListBytes({a, b});
    EXPECT_EQ(bytes, test::JoinLines({"<treasure_number>", "2", "</treasure_number>", "<treasure_data>",
                                      "1 1 0 1 3 4 2 -1 -1", "0 0 1 2 10 11 5 6 7", "</treasure_data>"}));
    std::vector<TreasureChest> back = ParseTreasureList(bytes);
    a.scene = -1;
    EXPECT_EQ(back, (std::vector<TreasureChest>{a, b}));
    EXPECT_EQ(TreasureListBytes(back), bytes);
}

TEST(TreasureListTest, TheCountBoundsTheLinesRead) {
    EXPECT_EQ(ParseTreasureList("<treasure_number>\n1\n</treasure_number>\n<treasure_data>\n1 1 1 1 1 1 1 1 1\n"
                                "2 2 2 2 2 2 2 2 2\n</treasure_data>")
                  .size(),
              1u);
    std::vector<TreasureChest> huge = ParseTreasureList(
        "<treasure_number>\n2000000000\n</treasure_number>\n<treasure_data>\n1 2 x\n</treasure_data>");
    ASSERT_EQ(huge.size(), 1u);
    EXPECT_EQ(huge[0].runOnce, 2);
    EXPECT_EQ(huge[0].eventDone, 0);  // fields after one that does not parse stay cleared
    EXPECT_TRUE(ParseTreasureList("<treasure_number>\n-1\n</treasure_number>\n<treasure_data>\n1\n</treasure_data>")
                    .empty());
}

TEST(TreasureListTest, ScenesAndRowTexts) {
    std::vector<TreasureChest> chests(3, NewTreasureChest());
    chests[0].x = 5;
    chests[0].y = 6;
    AssignChestScenes(chests,
                      test::CatalogOf({{4, Scene{.treasureIndices = {1}}}, {2, Scene{.treasureIndices = {1, 0}}}}));
    EXPECT_EQ(chests[0].scene, 2);
    EXPECT_EQ(chests[1].scene, 4);  // both scenes list it: the first in catalog order wins
    EXPECT_EQ(chests[2].scene, -1);
    EXPECT_EQ(ChestRowText(chests[0]), "2 5 6");
    EXPECT_EQ(ChestRowText(chests[2]), "-1 0 0");
}

// The table follows the file. A chest's marker is the first frame of its animation standing on the
// chest's cell, as the chest placement shows the chest itself.
TEST(TreasureListTest, MarkersComeFromEachChestsAnimationPicture) {
    test::TempProject tp;
    TreasureTable table;
    EXPECT_EQ(LoadTreasureTable(tp.project, table), ReadStatus::Missing);
    EffectAnimation tall{.drawMode = 2, .colorKey = 1, .keyRed = 255, .keyBlue = 255, .imageFile = "chest.bmp",
        .areaLeft = 16, .areaTop = 8, .cellWidth = 32, .cellHeight = 48, .frameCount = 2};
    tall.frames[0] = EffectFrame{2, 1, 0, 0};
    tall.frames[1] = EffectFrame{0, 0, 0, 0};
    EffectAnimation flat;
    flat.imageFile = "flat.bmp";
    test::WriteBytes(DataFilePath(tp.project, std::string(kEffectFile)), EffectFileBytes({flat, tall}));

    TreasureChest onCell = NewTreasureChest();
    onCell.x = 3;
    onCell.y = 4;
    onCell.animation = 1;
    TreasureChest noAnimation = onCell;
    noAnimation.animation = 7;  // beyond the effect list
    test::ScriptedSaveUi ui;
    ASSERT_TRUE(SaveTreasureList(tp.project, {onCell, noAnimation}, ui));

    ASSERT_EQ(LoadTreasureTable(tp.project, table), ReadStatus::Ok);
    ASSERT_EQ(table.markers.size(), 2u);
    EXPECT_EQ(table.records[0].animationKind, 1);
    // Rising above its cell.
    EXPECT_EQ(table.markers[0], (MarkerSource{.index = 0, .spriteFile = "chest.bmp", .sourceX = 16 + 2 * 32,
                                              .sourceY = 8 + 1 * 48, .frameWidth = 32, .frameHeight = 48,
                                              .pixelX = 3 * 32, .pixelY = 4 * 32 - 16,
                                              .draw = DrawSpec{2, 1, Rgb{255, 0, 255}}}));
    EXPECT_EQ(table.markers[1].index, 1);
    EXPECT_TRUE(table.markers[1].spriteFile.empty());  // no picture, not drawn

    // Without image_effect.txt no chest has a picture; the records are still read.
    std::filesystem::remove(DataFilePath(tp.project, std::string(kEffectFile)));
    ASSERT_EQ(LoadTreasureTable(tp.project, table), ReadStatus::Ok);
    EXPECT_EQ(table.count(), 2);
    EXPECT_TRUE(table.markers[0].spriteFile.empty());
    ReleaseTreasureTable(table);
    EXPECT_EQ(table.count(), 0);
    EXPECT_TRUE(table.markers.empty());
}

}  // namespace
}  // namespace lw
