#include <gtest/gtest.h>

#include <filesystem>

#include "core/world/npc_editing.h"
#include "core/world/placed_lists.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

namespace fs = std::filesystem;
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
    EXPECT_EQ(a.imageFile, "villager.bmp");
    EXPECT_EQ(a.cellWidth, 32);
    EXPECT_EQ(a.cellHeight, 48);
    EXPECT_EQ(a.areaLeft, 10);
    EXPECT_EQ(a.areaTop, 20);
    EXPECT_EQ(a.speed, 7);
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
    PlacedListSave Save(const std::vector<Npc>& list, SaveUi& with, const WriteFault* fault = nullptr) {
        const std::vector<SceneListRow> rows = NpcSceneRows(list);
        return SavePlacedList(tp.project,
                              {kNpcFile, [&](TagWriter& w) { WriteNpcList(w, list); }, SceneList::Npc, rows, &catalog},
                              with, fault);
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

TEST_F(NpcSaveTest, NothingIsWrittenUnlessTheListIs) {
    const std::string scene0 = tp.ReadData("scene0.txt");
    const std::string scene1 = tp.ReadData("scene1.txt");
    const std::string list = tp.ReadData(kNpcFile);
    std::swap(npcs[0], npcs[1]);

    // The overwrite of npc_list.txt declined: no scene is asked about or touched.
    ui.answer = false;
    PlacedListSave report = Save(npcs, ui);
    EXPECT_EQ(report.outcome, PlacedListOutcome::Declined);
    EXPECT_EQ(ui.asked, 1);
    EXPECT_EQ(ui.lastCaption, ".\\data\\npc_list.txt");

    // npc_list.txt cannot be written.
    ui.answer = true;
    const WriteFault fault{10};
    report = Save(npcs, ui, &fault);
    EXPECT_EQ(report.outcome, PlacedListOutcome::ListFailed);
    EXPECT_EQ(ui.cannotCreate, 1);

    // A scene that cannot take its NPCs stops the list too.
    std::vector<Npc> crowd(kSceneNpcCapacity + 1, Named("x"));
    for (Npc& n : crowd) n.scene = 1;
    report = Save(crowd, ui);
    EXPECT_EQ(report.outcome, PlacedListOutcome::ScenesFailed);
    EXPECT_EQ(report.scenes.overfull, std::vector<std::string>{"scene1.txt"});

    EXPECT_EQ(tp.ReadData("scene0.txt"), scene0);
    EXPECT_EQ(tp.ReadData("scene1.txt"), scene1);
    EXPECT_EQ(tp.ReadData(kNpcFile), list);
    for (const auto& e : fs::directory_iterator(tp.project.root / "data"))
        EXPECT_EQ(e.path().extension(), ".txt") << e.path();  // no temporary file left behind

    // "No" on a scene cancels the whole save: the list and the other scene keep their bytes too.
    struct DeclineScene1 : ScriptedSaveUi {
        bool ConfirmOverwrite(std::string_view path) override { return path.find("scene1") == std::string_view::npos; }
    } partial;
    report = Save(npcs, partial);
    EXPECT_EQ(report.outcome, PlacedListOutcome::Declined);
    EXPECT_EQ(report.declinedFile, ".\\data\\scene1.txt");
    EXPECT_EQ(tp.ReadData("scene0.txt"), scene0);
    EXPECT_EQ(tp.ReadData("scene1.txt"), scene1);
    EXPECT_EQ(tp.ReadData(kNpcFile), list);
}

}  // namespace
}  // namespace lw
