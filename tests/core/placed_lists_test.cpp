#include <gtest/gtest.h>

#include <filesystem>

#include "core/rules/shop_list.h"
#include "core/rules/treasure_list.h"
#include "core/tagfile/tag_writer.h"
#include "core/world/placed_lists.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

namespace fs = std::filesystem;
using namespace test;

std::vector<SceneListRow> ChestRows(const std::vector<TreasureChest>& chests) {
    std::vector<SceneListRow> rows;
    for (const TreasureChest& c : chests) rows.push_back({c.scene});
    return rows;
}

TEST(PlacedListsTest, RoomInAScene) {
    std::vector<SceneListRow> rows(256, SceneListRow{3});
    rows.push_back({4});
    EXPECT_FALSE(SceneHasRoomForChest(rows, 3, -1));
    EXPECT_TRUE(SceneHasRoomForChest(rows, 3, 10));  // a chest of scene 3 edited: it keeps its place
    EXPECT_TRUE(SceneHasRoomForChest(rows, 4, -1));
    EXPECT_TRUE(SceneHasRoomForChest(rows, 4, 256));

    // Shops share a scene's 64 event positions with its inns, signposts and battles.
    Scene s;
    s.eventPositions.assign(60, EventPosition{kInnPosition, 0, 0, 0, -1, 0});
    s.eventPositions.push_back({kShopPosition, 1, 1, 0, -1, 9});  // a shop of the file: the rows decide
    const SceneCatalog catalog = CatalogOf({{2, s}});
    std::vector<SceneListRow> shops(3, SceneListRow{2});
    EXPECT_TRUE(SceneHasRoomForShop(catalog, shops, 2, -1));  // 60 + 3 < 64
    shops.push_back({2});
    EXPECT_FALSE(SceneHasRoomForShop(catalog, shops, 2, -1));
    EXPECT_TRUE(SceneHasRoomForShop(catalog, shops, 2, 0));
    EXPECT_TRUE(SceneHasRoomForShop(catalog, shops, 5, -1));  // no such scene: nothing else in it
}

// Four chests and two scenes holding chests 0 and 2, and 1 and 2 (chest 2 stands in the first),
// loaded as the editor loads them.
struct ChestProject {
    TempProject tp;
    std::vector<TreasureChest> chests;
    ChestProject() {
        Scene zero = MakeRichScene(), one = MakeRichScene();
        zero.treasureIndices = {0, 2};
        one.treasureIndices = {1, 2};
        tp.WriteData("scene0.txt", SceneBytes(zero));
        tp.WriteData("scene1.txt", SceneBytes(one));
        std::vector<TreasureChest> file(4, NewTreasureChest());
        for (int i = 0; i < 4; ++i) file[static_cast<std::size_t>(i)].x = i;
        tp.WriteData("treasure_list.txt", TreasureListBytes(file));
        SceneCatalog catalog;
        LoadSceneCatalog(tp.project, catalog);
        LoadTreasureList(tp.project, chests);
        AssignChestScenes(chests, catalog);
    }
    PlacedListSave Save(SaveUi& ui) {
        SceneCatalog catalog;
        LoadSceneCatalog(tp.project, catalog);
        std::vector<SceneListRow> rows = ChestRows(chests);
        return SavePlacedList(
            tp.project, {kTreasureFile, [&](TagWriter& w) { WriteTreasureList(w, chests); }, SceneList::Chest, rows, &catalog},
            ui);
    }
};

TEST(PlacedListsTest, NoSceneChangesUnlessTheListIsWritten) {
    ChestProject p;
    const std::string list = p.tp.ReadData("treasure_list.txt");
    const std::string zero = p.tp.ReadData("scene0.txt");
    const std::string one = p.tp.ReadData("scene1.txt");
    p.chests.erase(p.chests.begin());

    ScriptedSaveUi declines;
    declines.answer = false;
    EXPECT_EQ(p.Save(declines).outcome, PlacedListOutcome::Declined);
    EXPECT_EQ(declines.asked, 1);  // no scene file is asked about after the list was declined

    // The list file cannot be written: nothing is.
    fs::remove(p.tp.project.root / "data" / "treasure_list.txt");
    fs::create_directory(p.tp.project.root / "data" / "treasure_list.txt");
    ScriptedSaveUi ui;
    EXPECT_EQ(p.Save(ui).outcome, PlacedListOutcome::ListFailed);
    EXPECT_EQ(ui.cannotCreate, 1);
    fs::remove(p.tp.project.root / "data" / "treasure_list.txt");
    p.tp.WriteData("treasure_list.txt", list);

    // A scene that cannot take its chests: the list is not written either.
    p.chests.assign(257, NewTreasureChest());
    for (TreasureChest& c : p.chests) c.scene = 1;
    ScriptedSaveUi ui2;
    PlacedListSave crowded = p.Save(ui2);
    EXPECT_EQ(crowded.outcome, PlacedListOutcome::ScenesFailed);
    EXPECT_EQ(crowded.scenes.overfull, std::vector<std::string>{"scene1.txt"});
    EXPECT_FALSE(crowded.listWritten());

    EXPECT_EQ(p.tp.ReadData("treasure_list.txt"), list);
    EXPECT_EQ(p.tp.ReadData("scene0.txt"), zero);
    EXPECT_EQ(p.tp.ReadData("scene1.txt"), one);
    for (const auto& e : fs::directory_iterator(p.tp.project.root / "data"))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}

TEST(PlacedListsTest, ShopsAreRewrittenIntoTheirScenesOnly) {
    TempProject tp;
    Scene zero = MakeRichScene();  // holds an inn, a shop and a signpost
    for (EventPosition& e : zero.eventPositions)
        if (e.kind == kShopPosition) e.shopIndex = 0;
    Scene one = MakeRichScene();
    one.eventPositions = {{kShopPosition, 1, 2, 3, 4, 0}};  // shop 0 listed twice: scene 0 wins
    tp.WriteData("scene0.txt", SceneBytes(zero));
    tp.WriteData("scene1.txt", SceneBytes(one));
    SceneCatalog catalog;
    LoadSceneCatalog(tp.project, catalog);
    std::vector<Shop> shops = {NewShop(), NewShop()};
    AssignShopPlacements(shops, catalog);
    ASSERT_EQ(shops[0].scene, 0);
    ASSERT_EQ(shops[1].scene, -1);
    // Move the unplaced shop to the front: scene 0's shop now has index 1; scene 1 loses its copy.
    std::swap(shops[0], shops[1]);
    std::vector<SceneListRow> rows;
    for (const Shop& s : shops) rows.push_back({s.scene, s.x, s.y, s.direction, s.group});
    ScriptedSaveUi ui;
    PlacedListSave saved = SavePlacedList(
        tp.project, {kShopFile, [&](TagWriter& w) { WriteShopList(w, shops); }, SceneList::Shop, rows, &catalog}, ui);
    ASSERT_EQ(saved.outcome, PlacedListOutcome::Saved);
    EXPECT_EQ(ui.asked, 2);  // shop_list.txt is new: only the scenes were asked about
    EXPECT_EQ(tp.ReadData("shop_list.txt"), ShopListBytes(shops));
    std::vector<EventPosition> expected;
    for (const EventPosition& e : zero.eventPositions)
        if (e.kind != kShopPosition) expected.push_back(e);
    EventPosition moved = *std::find_if(zero.eventPositions.begin(), zero.eventPositions.end(),
                                        [](const EventPosition& e) { return e.kind == kShopPosition; });
    moved.shopIndex = 1;
    expected.push_back(moved);
    zero.eventPositions = expected;
    one.eventPositions.clear();
    EXPECT_EQ(tp.ReadData("scene0.txt"), SceneBytes(zero));
    EXPECT_EQ(tp.ReadData("scene1.txt"), SceneBytes(one));
}

}  // namespace
}  // namespace lw
