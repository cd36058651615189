#include <gtest/gtest.h>

#include <tuple>

#include "core/world/npc_editing.h"
#include "core/world/placed_lists.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

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
