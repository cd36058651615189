#include <gtest/gtest.h>

#include <tuple>

#include "core/world/npc_editing.h"
#include "core/world/npc_list.h"
#include "core/world/placed_lists.h"
#include "core/world/scene_catalog.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

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

Npc Named(std::string name) {
    Npc n = NewNpc();
    n.spriteFile = "villager.bmp";
    n.regionWidth = 96;
    n.regionHeight = 192;
    n.displayName = std::move(name);
    return n;
}

Scene Listing(std::vector<int> npcs) {
    Scene s = test::MakeRichScene();
    s.npcIndices = std::move(npcs);
    return s;
}

std::vector<int> NpcsOf(const TempProject& tp, const char* file) {
    Scene s;
    ParseScene(tp.ReadData(file), s);
    return s.npcIndices;
}

TEST(NpcEditingTest, WalkingPreviewUsesTheOrderTheFacingRowAndTheSpeed) {
    Npc n = Named("a");
    n.regionX = 10;
    n.regionY = 20;
    n.frameOrder = {1, 2, 1, 0};
    n.facingRow = {3, 2, 1, 0};
    n.facing = 1;
    n.speed = 7;
    EffectAnimation a = NpcWalkAnimation(n);
    EXPECT_EQ(std::tie(a.imageFile, a.cellWidth, a.cellHeight, a.areaLeft, a.areaTop, a.speed),
              std::make_tuple("villager.bmp", 32, 48, 10, 20, 7));
    ASSERT_EQ(a.frameCount, 4);
    EXPECT_EQ(a.frames[0], (EffectFrame{1, 2, 0, 0}));
    EXPECT_EQ(a.frames[3], (EffectFrame{0, 2, 0, 0}));
    // A facing outside 0..3 takes the row of its remainder.
    n.facing = -3;
    EXPECT_EQ(NpcWalkAnimation(n).frames[0].row, 2);
}

TEST(NpcEditingTest, SettingsRowsRefuseBlankNames) {
    Npc n = NewNpc();
    std::vector<PropertyRow> rows = NpcSettingsRows(n);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kNpcSettingsRowCount));
    EXPECT_EQ(rows[2].label, "表示");
    EXPECT_EQ(rows[2].ChoicePosition(n.shown), 1);  // "表示" for a shown NPC
    EXPECT_EQ(rows[3].range, (NumberRange{1, 100}));
    EXPECT_FALSE(rows[kNpcNameRow].refuseText("old man").empty());
    EXPECT_TRUE(rows[kNpcNameRow].refuseText("\x8f\xac\x8e\x71").empty());
    EXPECT_TRUE(rows[kNpcNameRow].refuseText("").empty());  // reads back as "unknown"
}

class NpcSaveTest : public ::testing::Test {
protected:
    TempProject tp;
    SceneCatalog catalog;
    std::vector<Npc> npcs;
    ScriptedSaveUi ui;

    // Three NPCs: the first in scene 0, the second listed by both scenes, the third in none.
    void SetUp() override {
        tp.WriteData("scene0.txt", SceneBytes(Listing({0, 1})));
        tp.WriteData("scene1.txt", SceneBytes(Listing({1})));
        tp.WriteData(kNpcFile, NpcListBytes({Named("a"), Named("b"), Named("c")}));
        Load();
    }
    void Load() {
        LoadSceneCatalog(tp.project, catalog);
        ASSERT_EQ(LoadNpcList(tp.project, npcs), ReadStatus::Ok);
        AssignNpcScenes(npcs, catalog);
    }
    PlacedListSave Save(const std::vector<Npc>& list, SaveUi& with) {
        const std::vector<SceneListRow> rows = NpcSceneRows(list);
        return SavePlacedList(tp.project,
                              {kNpcFile, [&](TagWriter& w) { WriteNpcList(w, list); }, SceneList::Npc, rows, &catalog},
                              with);
    }
};

TEST_F(NpcSaveTest, ScenesAreRebuiltFromTheRows) {
    EXPECT_EQ(npcs[0].scene, 0);
    EXPECT_EQ(npcs[1].scene, 0);  // the first scene listing it
    EXPECT_EQ(npcs[2].scene, -1);
    // The third NPC moves to scene 1, then up above the second: indices 1 and 2 swap.
    npcs[2].scene = 1;
    std::swap(npcs[1], npcs[2]);
    PlacedListSave report = Save(npcs, ui);
    EXPECT_EQ(report.outcome, PlacedListOutcome::Saved);
    EXPECT_EQ(ui.asked, 3);  // npc_list.txt and both scenes
    EXPECT_EQ(NpcsOf(tp, "scene0.txt"), (std::vector<int>{0, 2}));
    EXPECT_EQ(NpcsOf(tp, "scene1.txt"), (std::vector<int>{1}));
    EXPECT_EQ(tp.ReadData(kNpcFile), NpcListBytes(npcs));

    // Deleting the first NPC renumbers every scene.
    Load();
    npcs.erase(npcs.begin());
    ASSERT_EQ(Save(npcs, ui).outcome, PlacedListOutcome::Saved);
    EXPECT_EQ(NpcsOf(tp, "scene0.txt"), (std::vector<int>{1}));
    EXPECT_EQ(NpcsOf(tp, "scene1.txt"), (std::vector<int>{0}));

    // The groups the owner form edited in the catalog go into their scene file.
    Load();
    FindCatalogEntry(catalog, 1)->groups().resize(1);
    ASSERT_EQ(Save(npcs, ui).outcome, PlacedListOutcome::Saved);
    Scene one;
    ParseScene(tp.ReadData("scene1.txt"), one);
    EXPECT_EQ(one.groupCount(), 1);
}

}  // namespace
}  // namespace lw
