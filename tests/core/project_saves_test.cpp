// Saves as the project sees them: nothing written outside the project folder, a list and its scene
// files changed together or not at all whatever the author answers, and a commit that a dying
// process cut short completed at the next open.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/events/flag_explanations.h"
#include "core/project/data_file_set.h"
#include "core/tagfile/tag_writer.h"
#include "core/world/npc_editing.h"
#include "core/world/npc_list.h"
#include "core/world/placed_lists.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

namespace fs = std::filesystem;
using namespace test;

std::string NpcScene(std::vector<int> npcs) {
    Scene s;
    s.npcIndices = std::move(npcs);
    return SceneBytes(s);
}

// A project of `scenes` scene files and an NPC list of one NPC per scene (NPC i in scene i), with
// a flag explanation file; Save() writes the list with its rows rotated by one, so that every file
// of the batch changes.
struct NpcProject {
    TempProject tp;
    std::vector<Npc> npcs;
    FlagExplanations flags;
    explicit NpcProject(int scenes) {
        for (int i = 0; i < scenes; ++i) {
            tp.WriteData("scene" + std::to_string(i) + ".txt", NpcScene({i}));
            Npc n = NewNpc();
            n.displayName = "n" + std::to_string(i);
            n.scene = i;
            npcs.push_back(n);
        }
        tp.WriteData(kNpcFile, NpcListBytes(npcs));
        tp.WriteData(kFlagFile, FlagExplanationsBytes(flags));
        flags.text[3] = "changed";
        std::rotate(npcs.begin(), npcs.begin() + 1, npcs.end());
    }
    PlacedListSave Save(SaveUi& ui, const CommitFault* fault = nullptr) {
        const std::vector<SceneListRow> rows = NpcSceneRows(npcs);
        return SavePlacedList(
            tp.project, {kNpcFile, [&](TagWriter& w) { WriteNpcList(w, npcs); }, SceneList::Npc, rows, nullptr, &flags},
            ui, nullptr, fault);
    }
    // The files as a completed save leaves them.
    void ExpectSaved() const {
        EXPECT_EQ(tp.ReadData(kNpcFile), NpcListBytes(npcs));
        EXPECT_EQ(tp.ReadData(kFlagFile), FlagExplanationsBytes(flags));
        for (std::size_t p = 0; p < npcs.size(); ++p)
            EXPECT_EQ(tp.ReadData("scene" + std::to_string(npcs[p].scene) + ".txt"), NpcScene({static_cast<int>(p)}));
    }
};

// ---- Nothing outside the project folder ---------------------------------------------------------

class OutsideTest : public ::testing::Test {
protected:
    TempProject tp;
    TempDir elsewhere;
    fs::path Data(const char* name) const { return tp.project.root / "data" / name; }
};

TEST_F(OutsideTest, LinksLeadingOutAreRefusedNamingTheFile) {
    const fs::path victim = elsewhere.path() / "notes.txt";
    WriteBytes(victim, "the user's own");
    fs::create_symlink(victim, Data("item_list.txt"));
    fs::create_symlink(elsewhere.path() / "new.txt", Data("magic_list.txt"));  // dangling: would be made there
    ScriptedSaveUi ui;
    const TagContentFn content = [](TagWriter& w) { w.Line("x"); };
    EXPECT_FALSE(SaveDataTagFile(tp.project, "item_list.txt", content, ui));
    EXPECT_FALSE(SaveDataFile(tp.project, "magic_list.txt", "x", ui));
    EXPECT_EQ(ui.outside, (std::vector<std::string>{".\\data\\item_list.txt", ".\\data\\magic_list.txt"}));
    EXPECT_EQ(ui.asked, 0);
    EXPECT_EQ(ReadBytes(victim), "the user's own");
    EXPECT_FALSE(fs::exists(elsewhere.path() / "new.txt"));

    // A link that stays inside is saved through and stays a link.
    fs::create_directories(tp.project.root / "shared");
    WriteBytes(tp.project.root / "shared" / "talk.txt", "old");
    fs::create_symlink("../shared/talk.txt", Data("talk_list.txt"));
    EXPECT_TRUE(SaveDataFile(tp.project, "talk_list.txt", "new", ui));
    EXPECT_TRUE(fs::is_symlink(Data("talk_list.txt")));
    EXPECT_EQ(ReadBytes(tp.project.root / "shared" / "talk.txt"), "new");
}

TEST_F(OutsideTest, ADataFolderLinkedElsewhereIsNeverWritten) {
    TempProject linked;
    fs::remove_all(linked.project.root / "data");
    fs::create_directory_symlink(elsewhere.path(), linked.project.root / "data");
    WriteBytes(elsewhere.path() / "scene0.txt", NpcScene({0}));
    ScriptedSaveUi ui;
    EXPECT_FALSE(SaveStartGameFile(linked.project, 3, ui));
    const std::vector<SceneListRow> rows = {{0}};
    PlacedListSave saved = SavePlacedList(
        linked.project, {kNpcFile, [](TagWriter& w) { w.Line("x"); }, SceneList::Npc, rows}, ui);
    EXPECT_EQ(saved.outcome, PlacedListOutcome::Refused);
    EXPECT_EQ(saved.outside, (std::vector<std::string>{".\\data\\npc_list.txt", ".\\data\\scene0.txt"}));
    EXPECT_EQ(FolderFiles(elsewhere.path()), (std::map<std::string, std::string>{{"scene0.txt", NpcScene({0})}}));
}

TEST_F(OutsideTest, ABatchIsRefusedBeforeAnythingIsPrepared) {
    NpcProject p(3);
    const auto before = FolderFiles(p.tp.project.root);
    // scene1.txt leads out of the project.
    WriteBytes(elsewhere.path() / "scene.txt", "the user's own");
    fs::remove(p.tp.project.root / "data" / "scene1.txt");
    fs::create_symlink(elsewhere.path() / "scene.txt", p.tp.project.root / "data" / "scene1.txt");
    ScriptedSaveUi ui;
    PlacedListSave saved = p.Save(ui);
    EXPECT_EQ(saved.outcome, PlacedListOutcome::Refused);
    EXPECT_EQ(saved.outside, std::vector<std::string>{".\\data\\scene1.txt"});
    EXPECT_EQ(ui.asked, 0);
    EXPECT_EQ(ReadBytes(elsewhere.path() / "scene.txt"), "the user's own");
    auto expected = before;
    expected.erase("data/scene1.txt");
    EXPECT_EQ(FolderFiles(p.tp.project.root), expected);

    // Two names of one file: refused, naming both, before any question.
    fs::remove(p.tp.project.root / "data" / "scene1.txt");
    fs::create_symlink("scene2.txt", p.tp.project.root / "data" / "scene1.txt");
    saved = p.Save(ui);
    EXPECT_EQ(saved.outcome, PlacedListOutcome::Refused);
    EXPECT_EQ(saved.sameFile, (std::vector<std::string>{".\\data\\scene1.txt", ".\\data\\scene2.txt"}));
    EXPECT_EQ(ui.asked, 0);
    EXPECT_EQ(FolderFiles(p.tp.project.root), expected);
}

// ---- One change, one answer ---------------------------------------------------------------------

TEST(BatchAnswerTest, YesToAllAnswersTheWholeSave) {
    NpcProject p(4);
    ScriptedSaveUi ui;
    ui.answers = {OverwriteAnswer::YesToAll};
    ASSERT_EQ(p.Save(ui).outcome, PlacedListOutcome::Saved);
    EXPECT_EQ(ui.asked, 1);
    EXPECT_EQ(ui.lastCaption, ".\\data\\flag_exp.txt");
    EXPECT_EQ(ui.announced, 6u);  // flag_exp.txt, npc_list.txt and four scenes
    p.ExpectSaved();
    EXPECT_FALSE(fs::exists(p.tp.project.root / "data" / std::string(kCommitJournalName)));
}

// Whatever stops the save (No on any file, a cancel of the progress, a file that cannot be
// prepared), every file keeps its bytes, flag_exp.txt included, and nothing is left behind.
struct Stop {
    const char* name;
    std::vector<OverwriteAnswer> answers;
    long cancelAt;
    int readOnlyScene;
    PlacedListOutcome outcome;
    const char* declinedFile = "";  // the file the author said "No" to
};

class BatchStopTest : public ::testing::TestWithParam<Stop> {};

TEST_P(BatchStopTest, LeavesEveryFileAsItWas) {
    const Stop& stop = GetParam();
    NpcProject p(6);
    if (stop.readOnlyScene >= 0)
        fs::permissions(p.tp.project.root / "data" / ("scene" + std::to_string(stop.readOnlyScene) + ".txt"),
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto before = FolderFiles(p.tp.project.root);
    ScriptedSaveUi ui;
    ui.answers.assign(stop.answers.begin(), stop.answers.end());
    ui.cancelAt = stop.cancelAt;
    const PlacedListSave saved = p.Save(ui);
    EXPECT_EQ(saved.outcome, stop.outcome);
    EXPECT_EQ(saved.declinedFile, stop.declinedFile);
    EXPECT_EQ(FolderFiles(p.tp.project.root), before);
}

INSTANTIATE_TEST_SUITE_P(
    Stops, BatchStopTest,
    ::testing::Values(Stop{"NoOnTheFlags", {OverwriteAnswer::No}, -1, -1, PlacedListOutcome::Declined, ".\\data\\flag_exp.txt"},
                      Stop{"NoOnTheList", {OverwriteAnswer::Yes, OverwriteAnswer::No}, -1, -1,
                           PlacedListOutcome::Declined, ".\\data\\npc_list.txt"},
                      Stop{"NoOnALaterScene",
                           {OverwriteAnswer::Yes, OverwriteAnswer::Yes, OverwriteAnswer::Yes, OverwriteAnswer::Yes,
                            OverwriteAnswer::No},
                           -1, -1, PlacedListOutcome::Declined, ".\\data\\scene2.txt"},
                      Stop{"CancelWhilePreparing", {OverwriteAnswer::YesToAll}, 5, -1, PlacedListOutcome::Cancelled},
                      Stop{"ASceneThatCannotBeWritten", {OverwriteAnswer::YesToAll}, -1, 4,
                           PlacedListOutcome::ScenesFailed}),
    [](const ::testing::TestParamInfo<Stop>& info) { return info.param.name; });

TEST(BatchAnswerTest, AFailureAtFile300Of500TouchesNothing) {
    NpcProject p(500);
    fs::permissions(p.tp.project.root / "data" / "scene300.txt",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto before = FolderFiles(p.tp.project.root);
    ScriptedSaveUi ui;
    ui.answers = {OverwriteAnswer::YesToAll};
    PlacedListSave saved = p.Save(ui);
    EXPECT_EQ(saved.outcome, PlacedListOutcome::ScenesFailed);
    EXPECT_EQ(saved.scenes.failed, std::vector<std::string>{"scene300.txt"});
    EXPECT_EQ(FolderFiles(p.tp.project.root), before);
}

// ---- A commit cut short -------------------------------------------------------------------------

class InterruptedCommitTest : public ::testing::TestWithParam<std::size_t> {};

TEST_P(InterruptedCommitTest, TheNextOpenFinishesIt) {
    NpcProject p(5);
    ScriptedSaveUi ui;
    const CommitFault fault{GetParam()};
    p.Save(ui, &fault);
    const fs::path data = p.tp.project.root / "data";
    ASSERT_TRUE(fs::exists(data / std::string(kCommitJournalName)));
    const RecoveredCommit recovered = FinishInterruptedCommit(p.tp.project.root, data);
    EXPECT_TRUE(recovered.journalFound);
    EXPECT_EQ(recovered.renamed, 7 - static_cast<int>(GetParam()));  // flag_exp, list and 5 scenes
    EXPECT_EQ(RemoveStaleTemporaryFiles(data), 0);
    p.ExpectSaved();
    EXPECT_FALSE(fs::exists(data / std::string(kCommitJournalName)));
}

INSTANTIATE_TEST_SUITE_P(AfterRename, InterruptedCommitTest, ::testing::Values(0u, 1u, 3u, 6u));

TEST(InterruptedCommitTest, OnlyAWholeJournalOfOwnFilesIsFollowed) {
    TempProject tp;
    TempDir elsewhere;
    const fs::path data = tp.project.root / "data";
    const fs::path journal = data / std::string(kCommitJournalName);
    WriteBytes(elsewhere.path() / "mine.txt", "the user's own");
    // Cut short before any rename: nothing is renamed, the journal goes.
    WriteBytes(data / "a.txt", "old");
    const std::string temp = (data / ".lw00000000.00000000.tmp").string();
    WriteBytes(journal, "lorewright commit 1\n" + temp + std::string(1, '\0') + (data / "a.txt").string());
    EXPECT_EQ(FinishInterruptedCommit(tp.project.root, data).renamed, 0);
    EXPECT_FALSE(fs::exists(journal));
    // A whole journal naming a file outside the project, or a file that is not one of ours: ignored.
    WriteBytes(data / "x.txt", "prepared");
    std::string hostile = "lorewright commit 1\n";
    for (const fs::path& target : {elsewhere.path() / "mine.txt", data / "a.txt"})
        hostile += (data / "x.txt").string() + std::string(1, '\0') + target.string() + std::string(1, '\0');
    WriteBytes(journal, hostile + "end\n");
    EXPECT_EQ(FinishInterruptedCommit(tp.project.root, data).renamed, 0);
    EXPECT_EQ(ReadBytes(elsewhere.path() / "mine.txt"), "the user's own");
    EXPECT_EQ(ReadBytes(data / "a.txt"), "old");
    EXPECT_FALSE(FinishInterruptedCommit(tp.project.root, data).journalFound);
}

// ---- Independent files: one answer, a "No" keeps only its own file -----------------------------

// Four files, three of which exist; each gets new bytes.
struct IndependentFiles {
    TempProject tp;
    std::vector<DataFileWrite> files;
    IndependentFiles() {
        for (int i = 0; i < 4; ++i) {
            const std::string name = "scene" + std::to_string(i) + ".txt";
            if (i < 3) tp.WriteData(name, "old" + std::to_string(i));
            files.push_back(DataFileWrite::Bytes(name, "new" + std::to_string(i)));
        }
    }
    std::string Read(int i) const { return tp.ReadData("scene" + std::to_string(i) + ".txt"); }
};

TEST(DataFileSetTest, NoKeepsOneFileYesToAllAnswersTheRestAndACancelWritesNothing) {
    {
        IndependentFiles f;
        ScriptedSaveUi ui;
        ui.answers = {OverwriteAnswer::No, OverwriteAnswer::YesToAll};
        const DataFileSetSave saved = SaveDataFileSet(f.tp.project, f.files, ui);
        EXPECT_EQ(ui.asked, 2);  // scene3.txt is new: never asked
        EXPECT_EQ(saved.declined, std::vector<std::string>{"scene0.txt"});
        EXPECT_EQ(saved.written, (std::vector<std::string>{"scene1.txt", "scene2.txt", "scene3.txt"}));
        EXPECT_EQ(f.Read(0), "old0");
        EXPECT_EQ(f.Read(1) + f.Read(2) + f.Read(3), "new1new2new3");
        EXPECT_EQ(ui.announced, 4u);
    }
    {
        IndependentFiles f;
        const auto before = FolderFiles(f.tp.project.root);
        ScriptedSaveUi ui;
        ui.answers = {OverwriteAnswer::YesToAll};
        ui.cancelAt = 2;
        EXPECT_TRUE(SaveDataFileSet(f.tp.project, f.files, ui).cancelled);
        EXPECT_EQ(FolderFiles(f.tp.project.root), before);
    }
}

TEST(DataFileSetTest, AFileThatCannotBeWrittenStopsTheWholeSet) {
    IndependentFiles f;
    fs::permissions(f.tp.project.root / "data" / "scene2.txt",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto before = FolderFiles(f.tp.project.root);
    ScriptedSaveUi ui;
    ui.answers = {OverwriteAnswer::YesToAll};
    const DataFileSetSave saved = SaveDataFileSet(f.tp.project, f.files, ui);
    EXPECT_TRUE(saved.failed);
    EXPECT_TRUE(saved.written.empty());
    EXPECT_EQ(ui.cannotCreate, 1);
    EXPECT_EQ(FolderFiles(f.tp.project.root), before);
}

TEST(DataFileSetTest, ACommitCutShortIsFinishedByTheNextOpen) {
    IndependentFiles f;
    ScriptedSaveUi ui;
    const CommitFault fault{2};
    SaveDataFileSet(f.tp.project, f.files, ui, &fault);
    const fs::path data = f.tp.project.root / "data";
    EXPECT_EQ(FinishInterruptedCommit(f.tp.project.root, data).renamed, 2);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(f.Read(i), "new" + std::to_string(i));
}

}  // namespace
}  // namespace lw
