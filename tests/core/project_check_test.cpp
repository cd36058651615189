// The project check on a project whose lists all refer to each other correctly: clean as written,
// and with one fault of each kind planted, reported exactly once and nothing else.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "core/check/check_run.h"
#include "core/check/line_references.h"
#include "core/check/project_check.h"
#include "core/media/talk_list.h"
#include "support/core/linked_project.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

TEST(ProjectCheck, LinkedProjectIsClean) {
    TempProject t;
    LinkedProject().Write(t.project);
    EXPECT_EQ(CheckLines(t.project), std::vector<std::string>{});
}

struct PlantedFault {
    const char* name;
    std::function<void(LinkedProject&)> plant;        // before the project is written
    std::function<void(const TempProject&)> after;    // after it is written
    std::string expected;                             // the one line of the check
};

void PrintTo(const PlantedFault& f, std::ostream* os) { *os << f.name; }

// The scene1 group holding the commands, and the lines of it that tests replace.
constexpr int kTalkGroup = 4;
void SetLine(LinkedProject& p, int line, std::string_view text) {
    p.scene1.groups[kTalkGroup].commands.Set(static_cast<std::size_t>(line), text);
}

const PlantedFault kFaults[] = {
    {"ListIndexOutOfRange", [](LinkedProject& p) { p.items[1].sound = 5; }, {},
     R"(.\data\item_list.txt:record 1 sound: error: sound 5 does not exist: wave_list.txt holds 1 (0..0); choose one of them or add it to the list)"},
    {"MissingScene", [](LinkedProject& p) { SetLine(p, 21, "scene 12 1 1"); }, {},
     R"(.\data\scene1.txt:group 4 line 22: error: scene 12 does not exist; create scene12.txt or choose another scene)"},
    {"MissingPicture", [](LinkedProject& p) { p.monsters[0].picture = "gone.bmp"; }, {},
     R"(.\data\monster_list.txt:record 0 picture: error: the picture "gone.bmp" is not in the image folder; put the file there or choose another)"},
    {"MissingSoundFile", [](LinkedProject& p) { p.sounds[0] = "gone.wav"; }, {},
     R"(.\data\wave_list.txt:record 0 file: error: the sound file "gone.wav" is not in the audio folder; put the file there or choose another)"},
    {"MissingMap", [](LinkedProject& p) { p.scene2.mapDataFile = "nomap.bin"; }, {},
     R"(.\data\scene2.txt:map data file: error: the map data file "nomap.bin" is not in the data folder; put the file there or choose another)"},
    {"MissingMapAnimationFile", [](LinkedProject& p) { p.scene2.mapAnimationFile = "map_anim9.txt"; }, {},
     R"(.\data\scene2.txt:map animation file: error: the map animation file "map_anim9.txt" is not in the data folder; put the file there or choose another)"},
    {"TerrainAnimationBeyondFile", [](LinkedProject& p) { p.scene1.terrainAnimation[1][2] = 4; }, {},
     R"(.\data\scene1.txt:terrain animation 18: error: terrain animation 4 is not in "map_anim0.txt", which holds 1; choose an animation that exists)"},
    {"TerrainBattleBeyondRows", [](LinkedProject& p) { p.scene1.terrainBattle[0][3] = 2; }, {},
     R"(.\data\scene1.txt:terrain battle 3: error: the chip runs battle row 2 but the scene has 1 battle rows; choose a row that exists)"},
    {"UnknownCommand", [](LinkedProject& p) { SetLine(p, 22, "jump 3"); }, {},
     R"(.\data\scene1.txt:group 4 line 23: error: "jump" is not an event command; correct the line or delete it)"},
    {"CommandNumberOutOfRange", [](LinkedProject& p) { SetLine(p, 16, "quake 500 5 0"); }, {},
     R"(.\data\scene1.txt:group 4 line 17: error: the speed 500 of "quake" is outside 1..100; choose a value in that range)"},
    {"CommandFieldCount", [](LinkedProject& p) { SetLine(p, 9, "wave 0"); }, {},
     R"(.\data\scene1.txt:group 4 line 10: error: "wave" takes 2 fields but the line has 1; build the command again with the command menu)"},
    {"FlagBeyond4095", [](LinkedProject& p) { SetLine(p, 3, "flag5000 = 1"); }, {},
     R"(.\data\scene1.txt:group 4 line 4: error: flag 5000 does not exist (flags are 0..4095); choose a flag in that range)"},
    {"GroupOfSameScene", [](LinkedProject& p) { p.scene1.sceneChanges[0].group = 7; }, {},
     R"(.\data\scene1.txt:exit 0: error: group 7 does not exist: the scene has 5 groups; choose a group that exists)"},
    {"NpcInTwoScenes", [](LinkedProject& p) { p.scene2.npcIndices = {0}; }, {},
     R"(.\data\npc_list.txt:record 0: error: the NPC is listed in 2 scenes (scene1.txt, scene2.txt); keep it in one scene with its editor)"},
    {"ChestPlacedNowhere", [](LinkedProject& p) { p.scene1.treasureIndices.clear(); }, {},
     R"(.\data\treasure_list.txt:record 0: warning: the chest is placed in no scene; place it with its editor or delete it)"},
    {"NpcGroupMissingInItsScene", [](LinkedProject& p) { p.npcs[0].group = 9; }, {},
     R"(.\data\npc_list.txt:record 0 group: error: group 9 does not exist in scene1.txt, which has 5 groups; choose a group that exists)"},
    {"TalkMarkupReference", [](LinkedProject& p) { p.texts[0] = "Hi<midi 3>"; }, {},
     R"(.\data\talk_list.txt:record 0 BGM: error: BGM 3 does not exist: midi_list.txt holds 1 (0..0); choose one of them or add it to the list)"},
    {"TalkMarkupUnknown", [](LinkedProject& p) { p.texts[1] = "Bye<jump 2>"; }, {},
     R"(.\data\talk_list.txt:record 1: warning: "<jump 2>" is not a talk command; correct it with the command menu)"},
    {"CountDisagrees", {},
     [](const TempProject& t) {
         std::string bytes = t.ReadData(kTalkFile);
         bytes.replace(bytes.find("\r\n2\r\n"), 5, "\r\n5\r\n");
         t.WriteData(kTalkFile, bytes);
     },
     R"(.\data\talk_list.txt: error: the count says 5 but the file holds 2 lines; open and save the list in its editor)"},
    {"NotCodePageText", {},
     [](const TempProject& t) {
         std::string bytes = t.ReadData("flag_exp.txt");
         bytes.insert(bytes.find("<flag_exp_data>\r\n") + 17, "\xFD");
         t.WriteData("flag_exp.txt", bytes);
     },
     R"(.\data\flag_exp.txt: error: line 5 holds bytes that are not Shift-JIS text; retype that text in the editor)"},
    {"ValueOutsideEditorRange", [](LinkedProject& p) { p.npcs[0].speed = 500; }, {},
     R"(.\data\npc_list.txt:record 0 speed: warning: the speed 500 is outside 1..100, the range its editor keeps; set it again in the editor)"},
    {"UnreadableFile", {},
     [](const TempProject& t) {
         std::filesystem::remove(DataFilePath(t.project, "level_list.txt"));
         std::filesystem::create_directory(DataFilePath(t.project, "level_list.txt"));
     },
     R"(.\data\level_list.txt: error: the file exists but could not be read (no permission, not a regular file or too large); make it a readable file)"},
    {"ListMissing", {},
     [](const TempProject& t) { std::filesystem::remove(DataFilePath(t.project, "magic_list.txt")); },
     R"(.\data\scene1.txt:group 4 line 13: error: magic 0 is used but magic_list.txt is missing or could not be read; make the list in its editor)"},
    {"StartSceneMissing", {},
     [](const TempProject& t) { t.WriteData("start_game.txt", StartGameFileBytes(7)); },
     R"(.\data\start_game.txt:start scene: error: scene 7 does not exist; create scene7.txt or choose another scene)"},
    {"EnemyFormationMonster", [](LinkedProject& p) {
         std::vector<Formation> rows = UnitFormations(p.units[0]);
         rows[0].monster[3] = 4;
         SetUnitFormations(p.units[0], rows);
     }, {},
     R"(.\data\enemy_list.txt:record 0 formation monster: error: monster 3 does not exist: monster_list.txt holds 1 (0..0); choose one of them or add it to the list)"},
};

class PlantedFaultTest : public ::testing::TestWithParam<PlantedFault> {};

TEST_P(PlantedFaultTest, ReportedExactlyOnce) {
    const PlantedFault& fault = GetParam();
    TempProject t;
    LinkedProject p;
    if (fault.plant) fault.plant(p);
    p.Write(t.project);
    if (fault.after) fault.after(t);
    EXPECT_EQ(CheckLines(t.project), std::vector<std::string>{fault.expected});
}

INSTANTIATE_TEST_SUITE_P(EveryKind, PlantedFaultTest, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectCheck, SeveralFaultsComeInFileOrderThenPlace) {
    TempProject t;
    LinkedProject p;
    SetLine(p, 5, "jump");
    SetLine(p, 1, "show_npc 4 1");
    p.items[0].sound = 9;
    p.Write(t.project);
    const std::vector<Problem> problems = CheckIndex(BuildProjectIndex(t.project));
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].file, "item_list.txt");
    EXPECT_EQ(problems[1].line, 1);
    EXPECT_EQ(problems[2].line, 5);
    EXPECT_EQ(SummaryLine(Summarise(problems)), "3 errors, 0 warnings");
}

// ---- The index serves usages: who refers to a row ----

std::vector<std::string> Usages(const ProjectIndex& index, RefTarget target, int row, int scope = -1) {
    std::vector<std::string> out;
    for (const Reference* r : index.references.ReferencesTo(target, row, scope)) {
        const Place at = index.references.PlaceOf(*r);
        Problem place{Severity::Warning, index.references.FileName(at.file), at.record, at.group, at.line, at.part, ""};
        out.push_back(place.file + ":" + PlaceText(place));
    }
    return out;
}

TEST(ReferenceIndex, EveryPlaceThatRefersToARow) {
    TempProject t;
    LinkedProject().Write(t.project);
    const ProjectIndex index = BuildProjectIndex(t.project);
    EXPECT_EQ(Usages(index, RefTarget::Item, 0),
              (std::vector<std::string>{"shop_list.txt:record 0 goods", "pc.txt:equipment", "pc.txt:belongings",
                                        "scene1.txt:group 4 line 6", "scene1.txt:group 4 line 7"}));
    EXPECT_EQ(Usages(index, RefTarget::Flag, 5),
              (std::vector<std::string>{"scene1.txt:group 4 line 1", "scene1.txt:group 4 line 4"}));
    EXPECT_EQ(Usages(index, RefTarget::Npc, 0),
              (std::vector<std::string>{"scene1.txt:NPC list 0", "scene1.txt:group 4 line 14"}));
    // Groups are numbered within their scene.
    const int scene1 = *index.references.FindFile("scene1.txt");
    EXPECT_EQ(Usages(index, RefTarget::Group, 0, scene1),
              (std::vector<std::string>{"scene1.txt:exit 0", "scene1.txt:group 4 line 22"}));
    // The catalog comes from the same reads.
    ASSERT_EQ(index.catalog.count(), 2);
    EXPECT_EQ(index.catalog.entries[0].npcIndices(), std::vector<int>{0});
    EXPECT_EQ(index.catalog.entries[1].groupCount(), 5);
}

// Everything the index holds, in words: its files, each reference with its place and target, the
// findings, the scenes and the catalog entries.
std::vector<std::string> IndexInWords(const ProjectIndex& index) {
    const ReferenceIndex& refs = index.references;
    std::vector<std::string> out;
    for (int f = 0; f < refs.FileCount(); ++f) out.push_back("file " + refs.FileName(f));
    for (const Reference& r : refs.references()) {
        const Place at = refs.PlaceOf(r);
        out.push_back(std::to_string(static_cast<int>(r.target)) + " " + std::to_string(r.index) + " " +
                      (r.name >= 0 ? refs.Name(r.name) : "") + " <- " + std::to_string(at.file) + " " +
                      std::to_string(at.record) + " " + std::to_string(at.group) + " " + std::to_string(at.line) +
                      " " + at.part);
    }
    for (const Problem& p : index.findings)
        out.push_back(p.file + ":" + PlaceText(p) + " " + p.part + ": " + p.message);
    for (const SceneSummary& s : index.scenes)
        out.push_back("scene " + std::to_string(s.file) + " " + std::to_string(s.number) + " " + std::to_string(s.groupCount));
    for (const SceneCatalogEntry& e : index.catalog.entries)
        out.push_back("entry " + e.fileName + " " + std::to_string(static_cast<int>(e.status)));
    return out;
}

// The scenes are read in runs, one a thread, and joined: the index is the one a single thread
// builds, whatever the number of threads (more threads than scenes included).
TEST(ProjectIndex, ThreadsBuildTheSameIndexAsOne) {
    TempProject t;
    LinkedProject().Write(t.project);
    const std::string one = t.ReadData("scene1.txt"), two = t.ReadData("scene2.txt");
    for (int n = 3; n <= 9; ++n) t.WriteData("scene" + std::to_string(n) + ".txt", n % 2 ? one : two + "\xFD");
    std::filesystem::create_directory(DataFilePath(t.project, "scene10.txt"));  // unreadable
    const std::vector<std::string> alone = IndexInWords(BuildProjectIndex(t.project, {}, 1));
    ASSERT_GT(alone.size(), 100u);
    for (int threads : {2, 3, 16}) {
        int last = -1;
        const ProjectIndex index = BuildProjectIndex(t.project, [&](int done, int) {
            EXPECT_GE(done, last);
            last = done;
        }, threads);
        EXPECT_EQ(IndexInWords(index), alone) << threads << " threads";
        for (const SceneCatalogEntry& e : index.catalog.entries)
            if (e.fileName == "scene3.txt") EXPECT_EQ(e.groupCount(), 5);  // the copy of scene1.txt
    }
}

// ---- Command lines and talk markup ----

TEST(LineReferences, EveryBuiltCommandScansCleanAndNamesItsReferences) {
    LineScan scan;
    struct Case {
        const char* line;
        std::vector<std::pair<RefTarget, int>> refs;
    };
    const Case cases[] = {
        {"num_item flag12 item4", {{RefTarget::Flag, 12}, {RefTarget::Item, 4}}},
        {"battle 3 -1 7 20 0 -1 ", {{RefTarget::EnemyUnit, 3}, {RefTarget::Talk, 7}}},
        {"talk 9 1", {{RefTarget::Talk, 9}}},
        {"money 30 -1 4", {{RefTarget::Group, 4}}},
        {"equip 2 item-1", {}},
        {"scene 3 4 5", {{RefTarget::Scene, 3}}},
        // Fields across eight-byte steps, and a "!" right after a blank.
        {"? flag12 != 3", {{RefTarget::Flag, 12}}},
        {"talk 1224 0 2 45 25 -1 -1 yes no - -", {{RefTarget::Talk, 1224}, {RefTarget::Group, 45}, {RefTarget::Group, 25}}},
        {"", {}},
    };
    for (const Case& c : cases) {
        ScanEventLine(c.line, {}, scan);
        EXPECT_TRUE(scan.findings.empty()) << c.line;
        std::vector<std::pair<RefTarget, int>> refs;
        for (const LineReference& r : scan.references) refs.emplace_back(r.target, r.index);
        EXPECT_EQ(refs, c.refs) << c.line;
    }
    for (const char* bad : {"flag12 = x", "item4 -2", "? flag1 =< 3", "ability 9 1", "exp 1000000", "talk 1 0 5",
                            "scene  5 1 2"}) {
        ScanEventLine(bad, {}, scan);
        EXPECT_EQ(scan.findings.size(), 1u) << bad;
    }
    ScanEventLine("ability 0 200", LineLimits{100}, scan);
    EXPECT_EQ(scan.findings.size(), 1u);
}

TEST(LineReferences, TalkMarkupAndUnclosedCommand) {
    LineScan scan;
    ScanTalkText("\x82\xa0<name_back sky.bmp><wait 500>#*<anim 1 2 0 1>", scan);
    EXPECT_TRUE(scan.findings.empty());
    ASSERT_EQ(scan.references.size(), 2u);
    EXPECT_EQ(scan.references[0].name, "sky.bmp");
    EXPECT_EQ(scan.references[1].target, RefTarget::Effect);
    ScanTalkText("a <speed 3", scan);
    EXPECT_EQ(scan.findings.size(), 1u);
}

// ---- The command line's core ----

struct RunResult {
    int status;
    std::string out;
    std::string err;
};
RunResult RunCheck(const std::filesystem::path& path, CheckFormat format = CheckFormat::Text) {
    std::ostringstream out, err;
    const int status = RunProjectCheck(path, format, out, err);
    return {status, out.str(), err.str()};
}

TEST(CheckRun, StatusAndOutputForCleanFaultyAndUnopenableProjects) {
    TempProject t;
    test::WriteBytes(t.project.root / "prepare.txt", PrepareFileBytes(t.project));
    LinkedProject p;
    p.Write(t.project);
    RunResult clean = RunCheck(t.project.root);
    EXPECT_EQ(clean.status, kCheckClean);
    EXPECT_EQ(clean.out, "no problems\n");

    p.chests[0].animation = 3;
    p.npcs[0].speed = 0;
    p.Write(t.project);
    RunResult faulty = RunCheck(t.project.root / "prepare.txt");
    EXPECT_EQ(faulty.status, kCheckErrors);
    EXPECT_EQ(faulty.out,
              ".\\data\\npc_list.txt:record 0 speed: warning: the speed 0 is outside 1..100, the range its editor "
              "keeps; set it again in the editor\n"
              ".\\data\\treasure_list.txt:record 0 animation: error: effect animation 3 does not exist: "
              "image_effect.txt holds 1 (0..0); choose one of them or add it to the list\n"
              "1 error, 1 warning\n");

    p = LinkedProject();
    p.npcs[0].speed = 0;
    p.Write(t.project);
    EXPECT_EQ(RunCheck(t.project.root).status, kCheckClean);  // warnings alone

    RunResult missing = RunCheck(t.project.root / "nowhere");
    EXPECT_EQ(missing.status, kCheckCannotOpen);
    EXPECT_NE(missing.err.find("cannot open the project"), std::string::npos);
    EXPECT_TRUE(missing.out.empty());

    std::filesystem::remove_all(t.project.root / "data");
    EXPECT_EQ(RunCheck(t.project.root).status, kCheckCannotOpen);
}

TEST(CheckRun, JsonEscapesAndCountsFromOne) {
    TempProject t;
    test::WriteBytes(t.project.root / "prepare.txt", PrepareFileBytes(t.project));
    LinkedProject p;
    SetLine(p, 0, "jump \"x\"");
    p.Write(t.project);
    RunResult r = RunCheck(t.project.root, CheckFormat::Json);
    EXPECT_EQ(r.status, kCheckErrors);
    EXPECT_NE(r.out.find(R"("errors": 1, "warnings": 0)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(R"({"severity": "error", "file": ".\\data\\scene1.txt", "record": null, "group": 4, "line": 1, )"
                         R"("part": "", "place": "group 4 line 1", "message": "\"jump\" is not an event command; )"),
              std::string::npos)
        << r.out;
}

}  // namespace
}  // namespace lw
