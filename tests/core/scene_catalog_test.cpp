#include <gtest/gtest.h>

#include <filesystem>

#include "core/tagfile/tag_writer.h"
#include "core/world/placed_lists.h"
#include "core/world/scene_catalog.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

namespace fs = std::filesystem;
using namespace test;

// Rebuilds every scene file from the rows, as one change with no list file.
SceneRebuildReport RebuildSceneFiles(const Project& project, SceneList which, const std::vector<SceneListRow>& rows,
                                     const SceneCatalog* catalog, SaveUi& ui) {
    return SavePlacedList(project, {{}, {}, which, rows, catalog}, ui).scenes;
}

Scene WithLists(std::vector<int> npcs, std::vector<int> chests, std::vector<EventPosition> positions = {}) {
    Scene s = MakeRichScene();
    s.npcIndices = std::move(npcs);
    s.treasureIndices = std::move(chests);
    s.eventPositions = std::move(positions);
    return s;
}

// A file the reader refuses: larger than any scene file can be (sparse, so it costs no disk).
void MakeUnreadable(const TempProject& tp, const char* name) {
    fs::path p = tp.project.root / "data" / name;
    test::WriteBytes(p, "x");
    fs::resize_file(p, kListFileCeiling + 1);
}

std::vector<std::string> TempFiles(const TempProject& tp) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(tp.project.root / "data"))
        if (e.path().filename().string().find(".tmp") != std::string::npos) out.push_back(e.path().filename());
    return out;
}

TEST(SceneCatalogTest, HoldsEverySceneFileWithItsStatus) {
    TempProject tp;
    tp.WriteData("scene0.txt", SceneBytes(WithLists({1, 2}, {5})));
    tp.WriteData("Scene12.TXT", SceneBytes(WithLists({2}, {}, {{kShopPosition, 4, 5, 1, 2, 7}})));
    tp.WriteData("scene07.txt", SceneBytes(WithLists({3}, {})));     // not a name the game opens
    tp.WriteData("scene3 copy.txt", SceneBytes(WithLists({3}, {})));  // a copy the author made
    fs::create_directory(tp.project.root / "data" / "scene5.txt");
    MakeUnreadable(tp, "scene9.txt");

    SceneCatalog catalog;
    LoadSceneCatalog(tp.project, catalog);
    ASSERT_EQ(catalog.count(), 3);
    EXPECT_EQ(catalog.entries[0].fileName, "Scene12.TXT");
    EXPECT_EQ(catalog.entries[0].sceneNumber, 12);
    const SceneCatalogEntry* zero = FindCatalogEntry(catalog, 0);
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->status, ReadStatus::Ok);
    EXPECT_EQ(zero->npcIndices(), (std::vector<int>{1, 2}));
    EXPECT_EQ(zero->groups(), MakeRichScene().groups);
    const SceneCatalogEntry* nine = FindCatalogEntry(catalog, 9);
    ASSERT_NE(nine, nullptr);
    EXPECT_EQ(nine->status, ReadStatus::Unreadable);
    EXPECT_EQ(nine->groupCount(), 0);
    EXPECT_EQ(FindCatalogEntry(catalog, 7), nullptr);

    FreeSceneCatalog(catalog);
    FreeSceneCatalog(catalog);
    EXPECT_EQ(catalog.count(), 0);
}

TEST(SceneRebuildTest, RebuildsEachListFromTheRows) {
    Scene s = WithLists({9, 9}, {9}, {{kInnPosition, 1, 1, 0, 0, 0}, {kShopPosition, 2, 2, 0, 0, 5},
                                       {kSignpostPosition, 3, 3, 0, 1, 0}});
    std::vector<SceneListRow> rows = {{4}, {-1}, {4, 7, 8, 2, 3}, {5}};
    Scene npc = s;
    ASSERT_TRUE(RebuildSceneList(npc, 4, SceneList::Npc, rows));
    EXPECT_EQ(npc.npcIndices, (std::vector<int>{0, 2}));
    EXPECT_EQ(npc.treasureIndices, s.treasureIndices);
    Scene chest = s;
    ASSERT_TRUE(RebuildSceneList(chest, 6, SceneList::Chest, rows));
    EXPECT_TRUE(chest.treasureIndices.empty());
    Scene shop = s;
    ASSERT_TRUE(RebuildSceneList(shop, 4, SceneList::Shop, rows));
    EXPECT_EQ(shop.eventPositions,
              (std::vector<EventPosition>{{kInnPosition, 1, 1, 0, 0, 0}, {kSignpostPosition, 3, 3, 0, 1, 0},
                                          {kShopPosition, 0, 0, 0, -1, 0}, {kShopPosition, 7, 8, 2, 3, 2}}));
    // More rows than the scene has room for: refused, the scene unchanged.
    std::vector<SceneListRow> many(257, SceneListRow{1});
    Scene full = s;
    EXPECT_FALSE(RebuildSceneList(full, 1, SceneList::Chest, many));
    EXPECT_EQ(full, s);
    std::vector<SceneListRow> shops(63, SceneListRow{1});
    EXPECT_FALSE(RebuildSceneList(full, 1, SceneList::Shop, shops));  // 2 kept + 63 > 64
    EXPECT_EQ(full, s);
}

TEST(SceneRebuildTest, RewritesEverySceneFileWithTheCatalogsGroups) {
    TempProject tp;
    Scene zero = WithLists({0, 1}, {});
    Scene one = WithLists({2}, {});
    tp.WriteData("scene0.txt", SceneBytes(zero));
    tp.WriteData("scene1.txt", SceneBytes(one));
    SceneCatalog catalog;
    LoadSceneCatalog(tp.project, catalog);
    FindCatalogEntry(catalog, 1)->groups() = {{"edited", {"end"}}};
    // Scene 0's entry is not parsed yet; its file changes on disk since: the groups the catalog
    // read are the ones written.
    ASSERT_TRUE(FindCatalogEntry(catalog, 0)->unparsedBytes().has_value());
    Scene changed = zero;
    changed.groups = {{"on disk", {"msg 1"}}};
    tp.WriteData("scene0.txt", SceneBytes(changed));

    // NPC 1 moved to scene 1, NPC 2 placed nowhere.
    std::vector<SceneListRow> rows = {{0}, {1}, {-1}};
    ScriptedSaveUi ui;
    SceneRebuildReport report = RebuildSceneFiles(tp.project, SceneList::Npc, rows, &catalog, ui);
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(report.rewritten, (std::vector<std::string>{"scene0.txt", "scene1.txt"}));
    EXPECT_EQ(ui.asked, 2);
    zero.npcIndices = {0};
    one.npcIndices = {1};
    one.groups = {{"edited", {"end"}}};
    EXPECT_EQ(tp.ReadData("scene0.txt"), SceneBytes(zero));
    EXPECT_EQ(tp.ReadData("scene1.txt"), SceneBytes(one));
    EXPECT_TRUE(TempFiles(tp).empty());
}

TEST(SceneRebuildTest, NothingIsReplacedWhenAnySceneCannotBeRebuilt) {
    TempProject tp;
    const std::string zero = SceneBytes(WithLists({0}, {}));
    const std::string two = SceneBytes(WithLists({}, {}));
    tp.WriteData("scene0.txt", zero);
    tp.WriteData("scene2.txt", two);
    MakeUnreadable(tp, "scene1.txt");
    ScriptedSaveUi ui;
    std::vector<SceneListRow> rows = {{2}};
    SceneRebuildReport report = RebuildSceneFiles(tp.project, SceneList::Chest, rows, nullptr, ui);
    EXPECT_FALSE(report.ok());
    EXPECT_EQ(report.unreadable, std::vector<std::string>{"scene1.txt"});
    EXPECT_TRUE(report.rewritten.empty());
    EXPECT_EQ(ui.asked, 1);  // scene0 was asked before scene1 stood in the way; scene2 was not
    EXPECT_EQ(ui.cannotCreate, 0);
    EXPECT_EQ(tp.ReadData("scene0.txt"), zero);
    EXPECT_EQ(tp.ReadData("scene2.txt"), two);
    EXPECT_EQ(fs::file_size(tp.project.root / "data" / "scene1.txt"), kListFileCeiling + 1);
    EXPECT_TRUE(TempFiles(tp).empty());

    // A scene whose rows would not fit stops the rebuild the same way.
    fs::remove(tp.project.root / "data" / "scene1.txt");
    std::vector<SceneListRow> crowded(300, SceneListRow{2});
    report = RebuildSceneFiles(tp.project, SceneList::Npc, crowded, nullptr, ui);
    EXPECT_EQ(report.overfull, std::vector<std::string>{"scene2.txt"});
    EXPECT_EQ(tp.ReadData("scene0.txt"), zero);
    EXPECT_EQ(tp.ReadData("scene2.txt"), two);
}

TEST(SceneRebuildTest, DeclinedFilesAndUnreadCatalogEntriesKeepTheirContent) {
    TempProject tp;
    Scene zero = WithLists({}, {});
    Scene one = WithLists({}, {});
    tp.WriteData("scene0.txt", SceneBytes(zero));
    tp.WriteData("scene1.txt", SceneBytes(one));
    // The catalog could not read scene1 when it was loaded: its empty groups must not replace the
    // groups the file has now.
    SceneCatalog catalog;
    catalog.entries.push_back(MakeCatalogEntry(1, "scene1.txt", ReadStatus::Unreadable, Scene{}));
    std::vector<SceneListRow> rows = {{0}, {1}};
    // "No" on the second file: the first, already prepared, is not replaced either.
    ScriptedSaveUi declines;
    declines.answers = {OverwriteAnswer::Yes, OverwriteAnswer::No};
    SceneRebuildReport report = RebuildSceneFiles(tp.project, SceneList::Chest, rows, &catalog, declines);
    EXPECT_EQ(report.declined, std::vector<std::string>{"scene1.txt"});
    EXPECT_TRUE(report.rewritten.empty());
    EXPECT_EQ(tp.ReadData("scene0.txt"), SceneBytes(zero));
    EXPECT_EQ(tp.ReadData("scene1.txt"), SceneBytes(one));

    ScriptedSaveUi ui;
    report = RebuildSceneFiles(tp.project, SceneList::Chest, rows, &catalog, ui);
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(ui.lastCaption, ".\\data\\scene1.txt");
    zero.treasureIndices = {0};
    one.treasureIndices = {1};
    EXPECT_EQ(tp.ReadData("scene0.txt"), SceneBytes(zero));
    EXPECT_EQ(tp.ReadData("scene1.txt"), SceneBytes(one));
}

TEST(FileBatchTest, ReplacesAllOrNone) {
    TempProject tp;
    const fs::path a = tp.project.root / "data" / "a.txt";
    const fs::path b = tp.project.root / "data" / "b.txt";
    test::WriteBytes(a, "old a");
    test::WriteBytes(b, "old b");
    {
        FileBatch batch(tp.project.root, tp.project.root / "data");
        EXPECT_TRUE(batch.Prepare(a, "new a"));
        WriteFault fault{3};
        EXPECT_FALSE(batch.Prepare(b, "new b", &fault));
        EXPECT_FALSE(batch.ok());
        EXPECT_EQ(batch.failed(), std::vector<fs::path>{b});
        EXPECT_EQ(test::ReadBytes(a), "old a");  // prepared, not yet replaced
        EXPECT_FALSE(batch.CommitAll());
    }
    EXPECT_EQ(test::ReadBytes(a), "old a");
    EXPECT_EQ(test::ReadBytes(b), "old b");
    EXPECT_TRUE(TempFiles(tp).empty());
    {
        FileBatch batch(tp.project.root, tp.project.root / "data");
        EXPECT_TRUE(batch.Prepare(a, "new a"));
        EXPECT_TRUE(batch.PrepareTag(b, [](TagWriter& w) { w.IntSection("n", 2); }));
        EXPECT_TRUE(batch.CommitAll());
    }
    EXPECT_EQ(test::ReadBytes(a), "new a");
    EXPECT_EQ(test::ReadBytes(b), "<n>\r\n2\r\n</n>");
    {
        FileBatch batch(tp.project.root, tp.project.root / "data");  // dropped without committing: nothing changes, nothing is left behind
        EXPECT_TRUE(batch.Prepare(a, "newer a"));
    }
    EXPECT_EQ(test::ReadBytes(a), "new a");
    EXPECT_TRUE(TempFiles(tp).empty());
}

}  // namespace
}  // namespace lw
