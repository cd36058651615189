// Renumbering the references to a list when its rows are deleted or moved: every list kind on the
// linked project (every reference follows its row; a deleted row becomes none or refuses with its
// places; a project checked clean stays clean), the 63-byte limit of command lines, and the save of a
// list with its renumbered files as one change.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <tuple>

#include "core/check/project_check.h"
#include "core/check/renumber.h"
#include "core/media/audio_lists.h"
#include "core/media/talk_list.h"
#include "core/rules/treasure_list.h"
#include "core/world/npc_list.h"
#include "support/core/linked_project.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using test::LinkedProject;
using test::TempProject;

// The list file without its first row, as the list's editor writes it.
using EraseFirst = std::function<std::string(std::string_view)>;
template <class T>
EraseFirst Eraser(std::vector<T> (*parse)(std::string_view), std::string (*write)(const std::vector<T>&)) {
    return [=](std::string_view bytes) {
        std::vector<T> rows = parse(bytes);
        if (!rows.empty()) rows.erase(rows.begin());
        return write(rows);
    };
}
EraseFirst AudioEraser(AudioList list) {
    return [list](std::string_view bytes) {
        std::vector<std::string> names = ParseAudioListNames(bytes, list);
        names.erase(names.begin());
        return AudioListBytes(list, names);
    };
}

struct ListKind {
    const char* name;
    RefTarget target;
    EraseFirst eraseFirst;
    // The places that refuse deleting row 0 (a field with no none); empty: the delete renumbers.
    std::vector<std::string> refusedPlaces;
};
void PrintTo(const ListKind& k, std::ostream* os) { *os << k.name; }

const ListKind kKinds[] = {
    {"Bgm", RefTarget::Bgm, AudioEraser(AudioList::Bgm), {}},
    {"Sound", RefTarget::Sound, AudioEraser(AudioList::Sound), {}},
    {"Talk", RefTarget::Talk, Eraser(ParseTalkList, TalkListBytes), {"scene1.txt:group 4 line 2"}},
    {"Face", RefTarget::Face, Eraser(ParseFaceList, FaceListBytes), {}},
    {"Effect", RefTarget::Effect, Eraser(ParseEffectList, EffectFileBytes),
     {"talk_list.txt:record 1 effect", "scene1.txt:group 4 line 12"}},
    {"Narration", RefTarget::Narration, Eraser(ParseNarrationList, NarrationListBytes),
     {"scene1.txt:group 0 line 1", "scene1.txt:group 4 line 11", "scene2.txt:group 0 line 1"}},
    {"Item", RefTarget::Item, Eraser(ParseItemList, ItemListBytes),
     {"shop_list.txt:record 0 goods", "scene1.txt:group 4 line 6"}},
    {"Magic", RefTarget::Magic, Eraser(ParseMagicList, MagicListBytes), {"scene1.txt:group 4 line 13"}},
    {"Monster", RefTarget::Monster, Eraser(ParseMonsterList, MonsterListBytes), {}},
    {"EnemyUnit", RefTarget::EnemyUnit, Eraser(ParseEnemyList, EnemyListBytes),
     {"scene1.txt:battle 0", "scene1.txt:group 4 line 16"}},
    {"Npc", RefTarget::Npc, Eraser(ParseNpcList, NpcListBytes),
     {"scene1.txt:NPC list 0", "scene1.txt:group 4 line 14"}},
    {"Chest", RefTarget::Chest, Eraser(ParseTreasureList, TreasureListBytes),
     {"scene1.txt:chest list 0", "scene1.txt:group 4 line 15"}},
    {"Shop", RefTarget::Shop, Eraser(ParseShopList, ShopListBytes), {"scene1.txt:shop 0"}},
};

// Every reference to `target` as (referring file, place, row), sorted.
using Where = std::tuple<std::string, std::string, int>;
std::vector<Where> ReferencesOf(const ProjectIndex& index, RefTarget target) {
    std::vector<Where> out;
    const ReferenceIndex& refs = index.references;
    for (const Reference& r : refs.references()) {
        if (r.target != target) continue;
        const Place p = refs.PlaceOf(r);
        out.emplace_back(refs.FileName(r.file), PlaceText({Severity::Error, "", p.record, p.group, p.line, p.part, ""}),
                         r.index);
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<std::string> Places(const std::vector<Problem>& problems) {
    std::vector<std::string> out;
    for (const Problem& p : problems) out.push_back(p.file + ":" + PlaceText(p));
    return out;
}

void Apply(const TempProject& t, const Renumbered& r) {
    for (const DataFileWrite& f : r.files) t.WriteData(f.fileName, f.bytes);
}

class RenumberKindTest : public ::testing::TestWithParam<ListKind> {
protected:
    RenumberKindTest() { LinkedProject().Write(t.project); }
    TempProject t;
};

TEST_P(RenumberKindTest, MovedRowsTakeEveryReferenceAlongAndNothingElseChanges) {
    const ListKind& kind = GetParam();
    const ProjectIndex before = BuildProjectIndex(t.project);
    const auto filesBefore = test::FolderFiles(t.dir.path());
    RowRenumbering moved(std::max(*before.references.ListSize(kind.target), 2));
    moved.Swap(0, 1);
    const Renumbered r = RenumberReferences(t.project, before, kind.target, moved);
    ASSERT_TRUE(r.ok()) << testing::PrintToString(Places(r.refused));
    ASSERT_FALSE(r.files.empty());
    Apply(t, r);

    std::vector<Where> expected = ReferencesOf(before, kind.target);
    for (auto& [file, place, row] : expected) row = moved(row);
    std::sort(expected.begin(), expected.end());
    const ProjectIndex after = BuildProjectIndex(t.project);
    EXPECT_EQ(ReferencesOf(after, kind.target), expected);
    // Only the renumbered files changed, and the list's own file is never among them.
    for (const auto& [path, bytes] : test::FolderFiles(t.dir.path())) {
        const std::string name = std::filesystem::path(path).filename().string();
        const bool rewritten = std::any_of(r.files.begin(), r.files.end(),
                                           [&](const DataFileWrite& f) { return f.fileName == name; });
        EXPECT_EQ(bytes != filesBefore.at(path), rewritten) << path;
        EXPECT_FALSE(rewritten && name == ListFileOf(kind.target));
    }
}

TEST_P(RenumberKindTest, DeletedRowBecomesNoneOrIsRefusedWithItsPlaces) {
    const ListKind& kind = GetParam();
    ASSERT_TRUE(CheckIndex(BuildProjectIndex(t.project)).empty());
    const ProjectIndex before = BuildProjectIndex(t.project);
    RowRenumbering deleted(*before.references.ListSize(kind.target));
    deleted.Delete(0);
    const Renumbered r = RenumberReferences(t.project, before, kind.target, deleted);
    EXPECT_EQ(Places(r.refused), kind.refusedPlaces);
    if (!r.ok()) return;
    Apply(t, r);
    const std::string list(ListFileOf(kind.target));
    t.WriteData(list, kind.eraseFirst(t.ReadData(list)));
    EXPECT_EQ(test::CheckLines(t.project), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(EveryList, RenumberKindTest, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Renumber, NumbersChangeInPlaceAndALineOver63BytesRefuses) {
    TempProject t;
    LinkedProject p;
    // 63 bytes with a one-digit unit: two digits would not fit.
    const std::string longLine = "battle 9 0 1 20 1 2 " + std::string(43, 'b');
    ASSERT_EQ(longLine.size(), 63u);
    p.scene2.groups[0].commands.push_back(longLine);
    p.Write(t.project);
    const ProjectIndex index = BuildProjectIndex(t.project);

    RowRenumbering sounds(2);
    sounds.Swap(0, 1);
    const Renumbered moved = RenumberReferences(t.project, index, RefTarget::Sound, sounds);
    ASSERT_TRUE(moved.ok());
    const auto talk = std::find_if(moved.files.begin(), moved.files.end(),
                                   [](const DataFileWrite& f) { return f.fileName == kTalkFile; });
    ASSERT_NE(talk, moved.files.end());
    std::string expected = t.ReadData(kTalkFile);
    expected.replace(expected.find("<wave 0>"), 8, "<wave 1>");
    EXPECT_EQ(talk->bytes, expected);

    RowRenumbering units(11);
    units.Swap(9, 10);
    const Renumbered grown = RenumberReferences(t.project, index, RefTarget::EnemyUnit, units);
    EXPECT_EQ(Places(grown.refused), std::vector<std::string>{"scene2.txt:group 0 line 2"});
    EXPECT_TRUE(grown.files.empty());
}

// A placed list's scene groups, renumbered in memory: all places or none.
TEST(Renumber, GroupLinesInMemoryAreRenumberedWholeOrNotAtAll) {
    std::vector<EventCommandGroup> groups = {{"a", {"show_npc 1 0", "show_npc 0 1"}}, {"b", {"end"}}};
    RowRenumbering moved(2);
    moved.Swap(0, 1);
    EXPECT_TRUE(RenumberGroupLines(groups, "scene1.txt", RefTarget::Npc, moved).empty());
    EXPECT_EQ(groups[0].commands, (CommandLines{"show_npc 0 0", "show_npc 1 1"}));
    RowRenumbering deleted(2);
    deleted.Delete(1);
    const std::vector<EventCommandGroup> before = groups;
    EXPECT_EQ(Places(RenumberGroupLines(groups, "scene1.txt", RefTarget::Npc, deleted)),
              std::vector<std::string>{"scene1.txt:group 0 line 2"});
    EXPECT_EQ(groups, before);
}

// The lists that live inside a scene: the chips of the terrain battle grid follow their battle rows;
// every reference to a group of the scene (exits, event positions, command lines, the NPC and chest
// it lists) follows its group, and the project stays clean.
TEST(Renumber, TerrainChipsFollowTheirBattleRows) {
    ChipGrid grid{};
    grid[0][0] = 1;
    grid[0][1] = 2;
    grid[1][0] = 3;
    grid[2][2] = 9;  // names no row: kept
    EXPECT_EQ(TerrainBattleReferences(grid, "scene1.txt").size(), 4u);
    RowRenumbering battles(3);
    battles.Delete(0);    // rows now: 1 2
    battles.Swap(0, 1);   // rows now: 2 1
    RenumberTerrainBattles(grid, battles);
    EXPECT_EQ((std::vector<int>{grid[0][0], grid[0][1], grid[1][0], grid[2][2], grid[3][3]}),
              (std::vector<int>{0, 2, 1, 9, 0}));
    const std::vector<HeldReference> held = TerrainBattleReferences(grid, "scene1.txt");
    ASSERT_EQ(held.size(), 3u);
    EXPECT_EQ(held[0].number, 1);
    EXPECT_EQ("scene1.txt:" + PlaceText(held[0].place), "scene1.txt:terrain battle 1");
    const std::vector<int> numbers{1};
    EXPECT_EQ(CountHeldReferences(held, numbers), 1);
}

struct GroupChange {
    const char* name;
    std::function<void(RowRenumbering&)> change;
    int deleted;  // the group taken out of the scene, -1 for a move
};
void PrintTo(const GroupChange& c, std::ostream* os) { *os << c.name; }

class RenumberGroupTest : public ::testing::TestWithParam<GroupChange> {};

TEST_P(RenumberGroupTest, EveryReferenceToTheScenesGroupsFollowsAndTheProjectStaysClean) {
    const GroupChange& c = GetParam();
    TempProject t;
    LinkedProject p;
    p.npcs[0].displayName = "guard";  // as the NPC editor writes it
    p.Write(t.project);
    std::string npcs = t.ReadData(kNpcFile), chests = t.ReadData(kTreasureFile);
    SceneGroupHolders holders{&p.scene1, "scene1.txt", nullptr, &npcs, &chests};
    auto where = [](const std::vector<HeldReference>& held) {
        std::vector<std::pair<int, std::string>> out;
        for (const HeldReference& r : held) out.emplace_back(r.number, r.place.file + ":" + PlaceText(r.place));
        return out;
    };
    const auto before = where(SceneGroupReferences(holders));
    // Exits, positions, lines and the NPC and chest lists all name groups of the scene.
    for (const char* place : {"scene1.txt:exit 0", "scene1.txt:shop 0", "npc_list.txt:record 0 group",
                              "treasure_list.txt:record 0 group", "scene1.txt:group 4 line 22"})
        EXPECT_TRUE(std::any_of(before.begin(), before.end(), [&](const auto& r) { return r.second == place; })) << place;

    RowRenumbering groups(p.scene1.groupCount());
    c.change(groups);
    ASSERT_EQ(Places(RenumberSceneGroups(holders, groups)), std::vector<std::string>{});
    std::vector<std::pair<int, std::string>> expected;
    for (const auto& [number, place] : before)
        if (groups(number) >= 0) expected.emplace_back(groups(number), place);
    EXPECT_EQ(where(SceneGroupReferences(holders)), expected);

    if (c.deleted >= 0) p.scene1.groups.erase(p.scene1.groups.begin() + c.deleted);
    t.WriteData("scene1.txt", SceneBytes(p.scene1));
    t.WriteData(kNpcFile, npcs);
    t.WriteData(kTreasureFile, chests);
    EXPECT_EQ(test::CheckLines(t.project), std::vector<std::string>{});
}

const GroupChange kGroupChanges[] = {
    {"Move", [](RowRenumbering& g) { g.Swap(1, 2); }, -1},
    {"MoveFirst", [](RowRenumbering& g) { g.Swap(0, 1); }, -1},
    {"Delete", [](RowRenumbering& g) { g.Delete(1); }, 1},
};
INSTANTIATE_TEST_SUITE_P(EveryChange, RenumberGroupTest, ::testing::ValuesIn(kGroupChanges),
                         [](const auto& info) { return std::string(info.param.name); });

// A group line that would pass 63 bytes refuses the whole renumbering, the lists included.
TEST(Renumber, GroupLineOver63BytesRefusesAndChangesNothing) {
    LinkedProject p;
    p.npcs[0].displayName = "guard";
    p.scene1.groups.resize(11);
    const std::string longLine = "battle 0 0 1 20 1 9 " + std::string(43, 'b');
    ASSERT_EQ(longLine.size(), 63u);
    p.scene1.groups[10].commands.push_back(longLine);
    std::vector<EventCommandGroup> hidden;
    std::string npcs = NpcListBytes(p.npcs);
    SceneGroupHolders holders{&p.scene1, "scene1.txt", &hidden, &npcs, nullptr};
    const Scene before = p.scene1;
    const std::string npcsBefore = npcs;
    RowRenumbering groups(11);
    groups.Swap(1, 10);
    groups.Swap(9, 10);
    EXPECT_EQ(Places(RenumberSceneGroups(holders, groups)), std::vector<std::string>{"scene1.txt:group 10 line 1"});
    EXPECT_EQ(p.scene1, before);
    EXPECT_EQ(npcs, npcsBefore);
}

TEST(Renumber, RowMapComposesDeletesAndMoves) {
    RowRenumbering m(5);
    m.Delete(1);  // rows now: 0 2 3 4
    m.Swap(0, 1);  // rows now: 2 0 3 4
    EXPECT_EQ((std::vector<int>{m(0), m(1), m(2), m(3), m(4), m(7), m(-1)}),
              (std::vector<int>{1, -1, 0, 2, 3, 7, -1}));
    EXPECT_EQ(m.Changed(), (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(Renumber, SavedTogetherOrNotAtAll) {
    TempProject t;
    t.WriteData("a.txt", "a");
    t.WriteData("b.txt", "b");
    const std::vector<DataFileWrite> files = {DataFileWrite::Bytes("a.txt", "A"), DataFileWrite::Bytes("b.txt", "B")};
    test::ScriptedSaveUi ui;
    ui.answers = {OverwriteAnswer::Yes, OverwriteAnswer::No};
    const DataFileSetSave declined = SaveDataFilesTogether(t.project, files, ui);
    EXPECT_EQ(declined.declined, std::vector<std::string>{"b.txt"});
    EXPECT_EQ(t.ReadData("a.txt") + t.ReadData("b.txt"), "ab");
    ui.answers = {OverwriteAnswer::YesToAll};
    EXPECT_EQ(SaveDataFilesTogether(t.project, files, ui).written, (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(t.ReadData("a.txt") + t.ReadData("b.txt"), "AB");
}

}  // namespace
}  // namespace lw
