#include <gtest/gtest.h>

#include "core/world/npc_list.h"
#include "core/world/scene_catalog.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

Npc Guard() {
    Npc n = NewNpc();
    n.actionKind = 1;
    n.facing = 2;
    n.speed = 35;
    n.x = 4;
    n.y = 6;
    n.rangeCentreX = 5;
    n.rangeCentreY = 7;
    n.rangeX = 2;
    n.rangeY = 1;
    n.group = 3;
    n.spriteFile = "guard.bmp";
    n.regionX = 96;
    n.regionY = 0;
    n.regionWidth = 96;
    n.regionHeight = 192;
    n.drawMode = 2;
    n.colourKey = 1;
    n.keyRed = 255;
    n.keyGreen = 0;
    n.keyBlue = 255;
    n.frameOrder = {0, 1, 2, 1};
    n.facingRow = {0, 1, 2, 3};
    n.displayName = "\x95\xba\x8e\x6d";  // "兵士"
    return n;
}

TEST(NpcListTest, WritesTheLineFormatAndReadsItBack) {
    Npc a = Guard();
    Npc b = NewNpc();
    b.spriteFile = "";  // no sprite chosen yet: the writer leaves two blanks in a row
    b.displayName = "villager";
    const std::string bytes = NpcListBytes({a, b});
    EXPECT_EQ(bytes, test::JoinLines({"<npc_number>", "2", "</npc_number>", "<npc_data>",
                                      "1 2 1 35 1 0 4 6 5 7 2 1 3 guard.bmp 96 0 96 192 2 1 255 0 255 0 1 2 1 0 1 2 3 "
                                      "\x95\xba\x8e\x6d",
                                      "0 0 1 20 1 0 0 0 0 0 0 0 0  0 0 0 0 0 0 0 0 0 1 2 1 0 0 1 2 3 villager",
                                      "</npc_data>"}));
    std::vector<Npc> back = ParseNpcList(bytes);
    EXPECT_EQ(back, (std::vector<Npc>{a, b}));
    EXPECT_EQ(NpcListBytes(back), bytes);
    EXPECT_EQ(NpcNames(back), (std::vector<std::string>{"\x95\xba\x8e\x6d", "villager"}));
}

TEST(NpcListTest, NamesCountsAndHostileLines) {
    std::string bytes = test::JoinLines({
        "<npc_number>", "2000000000", "</npc_number>", "<npc_data>",
        "0 0 1 20 1 0 0 0 0 0 0 0 0 a.bmp 0 0 96 128 0 0 0 0 0 0 1 2 1 0 1 2 3 old man",
        "0 0 1 20 1 0 0 0 0 0 0 0 0 a.bmp 0 0 96 128 0 0 0 0 0 0 1 2 1 0 1 2 3",
        "garbage", "</npc_data>"});
    std::vector<Npc> npcs = ParseNpcList(bytes);
    ASSERT_EQ(npcs.size(), 3u);  // only the lines that are there, whatever the count
    EXPECT_EQ(npcs[0].displayName, "old");
    EXPECT_EQ(npcs[1].displayName, "unknown");
    EXPECT_EQ(npcs[2].displayName, "unknown");
    EXPECT_EQ(npcs[2].speed, 0);
    // Lines beyond the count are ignored.
    EXPECT_EQ(ParseNpcList("<npc_number>\n1\n</npc_number>\n<npc_data>\nx\ny\n</npc_data>").size(), 1u);
    EXPECT_TRUE(ParseNpcList("<npc_data>\nx\n</npc_data>").empty());
}

TEST(NpcListTest, ScenesComeFromTheFirstCatalogEntryListingTheNpc) {
    std::vector<Npc> npcs(4, NewNpc());
    AssignNpcScenes(npcs, test::CatalogOf({{5, Scene{.npcIndices = {1, 2}}}, {3, Scene{.npcIndices = {2, 0}}}}));
    EXPECT_EQ(npcs[0].scene, 3);
    EXPECT_EQ(npcs[1].scene, 5);
    EXPECT_EQ(npcs[2].scene, 5);
    EXPECT_EQ(npcs[3].scene, -1);
}

TEST(NpcListTest, MarkersShowTheMiddleFrameOfTheFacingRow) {
    Npc n = Guard();  // 96 x 192 sheet: frames of 32 x 48; facing right uses row facingRow[2] = 2
    NpcMarkerSource m = MakeNpcMarkerSource(n, 7);
    EXPECT_EQ(m, (MarkerSource{.index = 7, .spriteFile = "guard.bmp", .sourceX = 96 + 32, .sourceY = 0 + 2 * 48,
                               .frameWidth = 32, .frameHeight = 48, .pixelX = 4 * 32, .pixelY = 6 * 32 - 16,
                               .draw = DrawSpec{2, 1, Rgb{255, 0, 255}}}));
    // A facing outside 0..3 never reads outside the four rows; huge positions saturate.
    n.facing = -3;  // remainder 1
    n.x = 1 << 30;
    m = MakeNpcMarkerSource(n, 0);
    EXPECT_EQ(m.sourceY, 1 * 48);
    EXPECT_EQ(m.pixelX, std::numeric_limits<int>::max());
}

TEST(NpcListTest, TableFollowsTheFile) {
    test::TempProject tp;
    NpcTable table;
    EXPECT_EQ(LoadNpcTable(tp.project, table), ReadStatus::Missing);
    EXPECT_EQ(table.count(), 0);
    test::ScriptedSaveUi ui;
    ASSERT_TRUE(SaveNpcList(tp.project, {Guard(), NewNpc()}, ui));
    EXPECT_EQ(LoadNpcTable(tp.project, table), ReadStatus::Ok);
    ASSERT_EQ(table.count(), 2);
    EXPECT_EQ(table.entries[0], MakeNpcMarkerSource(Guard(), 0));
    EXPECT_EQ(table.entries[1].index, 1);
    ReleaseNpcTable(table);
    ReleaseNpcTable(table);
    EXPECT_EQ(table.count(), 0);
}

}  // namespace
}  // namespace lw
