#include <gtest/gtest.h>

#include "core/world/scene.h"
#include "core/world/scene_numbers.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

// Every file the tests read is also read with its command lines as views, which must give the
// same scene (into vectors that held lines of another file).
Scene Parsed(std::string_view bytes) {
    Scene s;
    ParseScene(bytes, s);
    Scene viewed;
    std::vector<std::vector<std::string_view>> lines(3, {"stale"});
    ParseSceneLineViews(bytes, viewed, lines);
    EXPECT_GE(lines.size(), viewed.groups.size());
    for (std::size_t g = 0; g < viewed.groups.size() && g < lines.size(); ++g)
        viewed.groups[g].commands = CommandLines(std::vector<std::string>(lines[g].begin(), lines[g].end()));
    EXPECT_EQ(viewed, s);
    return s;
}

// The sections every scene file has, for files made by hand in the tests.
const char* const kHead =
    "<scene_kind>\r\n0\r\n</scene_kind>\r\n<scene_name>\r\n\r\n</scene_name>\r\n"
    "<filename_map_data>\r\n\r\n</filename_map_data>\r\n<filename_bg_map_chip>\r\n\r\n</filename_bg_map_chip>\r\n"
    "<lyer_map_chip>\r\n 0 0 0 0 0\r\n</lyer_map_chip>\r\n<midi_index>\r\n0\r\n</midi_index>";

TEST(SceneFileTest, WritesEverySectionInOrderAndReadsItBackByteForByte) {
    Scene s{.kind = 1, .name = "deep cave", .mapDataFile = "cave.bin", .backgroundChipSet = "bg.bmp",
        .layerChipSet = "top.bmp", .layerDrawMode = 2, .layerColourKey = 1, .layerKeyRed = 1, .layerKeyGreen = 2,
        .layerKeyBlue = 3, .bgmIndex = 4, .battles = {{3, 50.0f, "bg.bmp"}}, .npcIndices = {7},
        .treasureIndices = {8}, .sceneChanges = {{1, 2, 4, -1}}};
    s.terrainBattle[0][1] = 1;
    s.mapAnimationFile = "map anim0.txt";
    s.terrainAnimation[15][15] = 2;
    s.eventPositions = {{0, 5, 6, 1, 2, 3}};
    s.groups = {{"the only group", {"nar 0", ""}}};

    std::string zeros = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
    std::string battleRow0 = "0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
    std::string animRow15 = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2";
    std::string expected = JoinLines({
        "<scene_kind>", "1", "</scene_kind>",
        "<scene_name>", "deep cave", "</scene_name>",
        "<filename_map_data>", "cave.bin", "</filename_map_data>",
        "<filename_bg_map_chip>", "bg.bmp", "</filename_bg_map_chip>",
        "<lyer_map_chip>", "top.bmp 2 1 1 2 3", "</lyer_map_chip>",
        "<midi_index>", "4", "</midi_index>",
        "<scene_change_number>", "1", "</scene_change_number>",
        "<scene_change_data>", "1 2 4 -1", "</scene_change_data>",
        "<npc_index_number>", "1", "</npc_index_number>",
        "<npc_index_data>", "7", "</npc_index_data>",
        "<treasure_index_number>", "1", "</treasure_index_number>",
        "<treasure_index_data>", "8", "</treasure_index_data>",
        "<battle_number>", "1", "</battle_number>",
        "<battle_data>", "3 50.0 bg.bmp", "</battle_data>",
        "<battle_field_data>", battleRow0, zeros, zeros, zeros, zeros, zeros, zeros, zeros, zeros, zeros, zeros,
        zeros, zeros, zeros, zeros, zeros, "</battle_field_data>",
        "<anim_field_filename>", "map anim0.txt", "</anim_field_filename>",
        "<anim_field_data>", zeros, zeros, zeros, zeros, zeros, zeros, zeros, zeros, zeros, zeros, zeros, zeros,
        zeros, zeros, zeros, animRow15, "</anim_field_data>",
        "<event_pos_number>", "1", "</event_pos_number>",
        "<event_pos_data>", "0 5 6 1 2 3", "</event_pos_data>",
        "<flag_number>", "1", "</flag_number>",
        "-------------------------", "0", "-------------------------",
        "<flag_data>", "<flag_cmd_exp>", "the only group", "</flag_cmd_exp>",
        "<flag_cmd_number>", "2", "</flag_cmd_number>",
        "<flag_cmd_data>", "nar 0", "", "</flag_cmd_data>", "</flag_data>",
    });
    ASSERT_EQ(SceneBytes(s), expected);
    EXPECT_EQ(Parsed(expected), s);
}

TEST(SceneFileTest, RoundTripsRichAndNewScenes) {
    // A layer line without a chip set keeps its numbers.
    const Scene noChipSet{.layerDrawMode = 2, .layerColourKey = 1, .layerKeyRed = 10, .layerKeyGreen = 20, .layerKeyBlue = 30};
    for (const Scene& s : {MakeRichScene(), NewScene(), Scene{}, noChipSet}) EXPECT_EQ(Parsed(SceneBytes(s)), s);
    Scene fresh = NewScene();
    ASSERT_EQ(fresh.groupCount(), 4);
    EXPECT_EQ(fresh.groups[0].commands.ToVector(), std::vector<std::string>{"nar 0"});
    EXPECT_EQ(fresh.groups[1].commands.ToVector(), std::vector<std::string>{""});
    EXPECT_EQ(fresh.groups[2].commands.ToVector(), std::vector<std::string>{"load"});
    EXPECT_EQ(fresh.groups[3].commands.ToVector(), std::vector<std::string>{"exit"});
    EXPECT_EQ(fresh.groups[3].explanation, "\x83\x5e\x83\x43\x83\x67\x83\x8b\x81\x69\x8f\x49\x97\xb9\x81\x6a");

    // Through the data folder: saved by number, loaded by file name.
    CheckFileThroughProject(
        "scene3.txt", MakeRichScene(), SceneBytes(MakeRichScene()),
        [](const Project& p, Scene& out) { return LoadSceneFile(p, "scene3.txt", out); },
        [](const Project& p, const Scene& scene, SaveUi& ui) { return SaveSceneFile(p, 3, scene, ui); });
}

TEST(SceneFileTest, EmptyListsLeaveTheirSectionsOut) {
    Scene s = MakeRichScene();
    s.npcIndices.clear();
    s.battles.clear();            // the terrain battle grid still has numbers
    s.mapAnimationFile.clear();   // the animation grid still has numbers
    s.sceneChanges.clear();
    s.treasureIndices.clear();
    s.eventPositions.clear();
    s.groups.clear();
    std::string bytes = SceneBytes(s);
    for (const char* absent : {"npc_index", "battle_", "anim_field", "scene_change", "treasure_index", "event_pos",
                               "flag_"})
        EXPECT_EQ(bytes.find(absent), std::string::npos) << absent;
    Scene back = Parsed(bytes);
    EXPECT_EQ(back.npcCount(), 0);
    EXPECT_EQ(back.terrainBattle, ChipGrid{});
    EXPECT_EQ(back.terrainAnimation, ChipGrid{});
    EXPECT_EQ(SceneBytes(back), bytes);
}

TEST(SceneFileTest, CountsAreClampedAndEachDataSectionCountsItsOwnRows) {
    std::string bytes = kHead;
    // 300 NPCs declared and given: 256 kept.
    bytes += "\r\n<npc_index_number>\r\n300\r\n</npc_index_number>\r\n<npc_index_data>";
    for (int i = 0; i < 300; ++i) bytes += "\r\n" + std::to_string(i);
    bytes += "\r\n</npc_index_data>";
    // Chest rows before their count are not stored; a count of 3 with one line gives 3 rows.
    bytes += "\r\n<treasure_index_data>\r\n99\r\n</treasure_index_data>";
    bytes += "\r\n<treasure_index_number>\r\n3\r\n</treasure_index_number>";
    bytes += "\r\n<treasure_index_data>\r\n5\r\n</treasure_index_data>";
    // A battle count of 2,000,000,000 becomes 64; a negative exit count is none.
    bytes += "\r\n<battle_number>\r\n2000000000\r\n</battle_number>";
    bytes += "\r\n<scene_change_number>\r\n-4\r\n</scene_change_number>\r\n<scene_change_data>\r\n1 1 1 1";
    bytes += "\r\n</scene_change_data>";
    // Two event positions declared, three lines given; a second data section starts again at row 0.
    bytes += "\r\n<event_pos_number>\r\n2\r\n</event_pos_number>";
    bytes += "\r\n<event_pos_data>\r\n1 1 1 1 1 1\r\n2 2 2 2 2 2\r\n3 3 3 3 3 3\r\n</event_pos_data>";
    bytes += "\r\n<event_pos_data>\r\n1 9 9 9 9 9\r\n</event_pos_data>";
    Scene s = Parsed(bytes);
    ASSERT_EQ(s.npcCount(), 256);
    EXPECT_EQ(s.npcIndices[255], 255);
    EXPECT_EQ(s.treasureIndices, (std::vector<int>{5, 0, 0}));
    EXPECT_EQ(s.battleCount(), 64);
    EXPECT_EQ(s.battles[63], FieldBattle{});
    EXPECT_EQ(s.sceneChangeCount(), 0);
    ASSERT_EQ(s.eventPositionCount(), 2);
    EXPECT_EQ(s.eventPositions[0], (EventPosition{1, 9, 9, 9, 9, 9}));
    EXPECT_EQ(s.eventPositions[1], (EventPosition{2, 2, 2, 2, 2, 2}));
    // 65 event positions become 64, 257 groups 256.
    EXPECT_EQ(Parsed("<event_pos_number>\r\n65\r\n</event_pos_number>").eventPositionCount(), 64);
    EXPECT_EQ(Parsed("<flag_number>\n257\n</flag_number>").groupCount(), 256);
    // A count line without a number leaves the count as it was.
    EXPECT_EQ(Parsed("<npc_index_number>\n2\nx\n</npc_index_number>").npcCount(), 2);
}

TEST(SceneFileTest, GroupsFollowTheGroupIndexAndTheirCounts) {
    auto block = [](int i, std::string_view exp, std::string_view count, std::vector<std::string> lines) {
        return "\r\n-------------------------\r\n" + std::to_string(i) +
               "\r\n-------------------------\r\n<flag_data>\r\n<flag_cmd_exp>\r\n" + std::string(exp) +
               "\r\n</flag_cmd_exp>\r\n" + CountedList("flag_cmd", count, lines) + "\r\n</flag_data>";
    };
    std::vector<std::string> hundred;
    for (int i = 0; i < 100; ++i) hundred.push_back("msg " + std::to_string(i));
    const std::string eighty(80, 'a');
    // "会話 and more" repeated: the explanation is cut to 63 bytes without splitting a character.
    std::string longExp;
    while (longExp.size() < 70) longExp += "\x89\xef\x98\x62 ";
    std::string bytes = std::string(kHead) + "\r\n<flag_number>\r\n2\r\n</flag_number>" +
                        block(0, "talk with  blanks ", "100", hundred) + block(1, longExp, "2", {eighty}) +
                        block(2, "ignored", "1", {"ignored"});
    Scene s = Parsed(bytes);
    ASSERT_EQ(s.groupCount(), 2);
    EXPECT_EQ(s.groups[0].explanation, "talk with  blanks ");
    ASSERT_EQ(s.groups[0].commandCount(), 64);
    EXPECT_EQ(s.groups[0].commands[63], "msg 63");
    EXPECT_EQ(s.groups[1].explanation.size(), 62u);  // 63 would split "会"
    EXPECT_EQ(s.groups[1].commands.ToVector(), (std::vector<std::string>{std::string(63, 'a'), ""}));
    // The writer's form reads back to the same bytes.
    EXPECT_EQ(SceneBytes(Parsed(SceneBytes(s))), SceneBytes(s));
}

TEST(SceneFileTest, GroupsInUnusualOrderOrCutOff) {
    // A file that ends inside a group keeps the lines read so far; the rest of the count is empty.
    Scene cut = Parsed("<flag_number>\n1\n</flag_number>\n<flag_cmd_exp>\nx\n</flag_cmd_exp>\n"
                       "<flag_cmd_number>\n3\n</flag_cmd_number>\n<flag_cmd_data>\nnar 0\nload");
    ASSERT_EQ(cut.groupCount(), 1);
    EXPECT_EQ(cut.groups[0].commands.ToVector(), (std::vector<std::string>{"nar 0", "load", ""}));
    // A second count for the same group clears what the first one read.
    Scene recount = Parsed("<flag_number>\n1\n</flag_number>\n<flag_cmd_number>\n2\n</flag_cmd_number>\n"
                           "<flag_cmd_data>\na\nb\n<flag_cmd_number>\n1\n</flag_cmd_number>\n<flag_cmd_data>\nc\n"
                           "</flag_cmd_data>");
    EXPECT_EQ(recount.groups[0].commands.ToVector(), std::vector<std::string>{"c"});
    // Data opened again for the same group (no closing tag between) starts again at line 0, also
    // after other sections came between.
    Scene again = Parsed("<flag_number>\n2\n</flag_number>\n<flag_cmd_number>\n2\n</flag_cmd_number>\n"
                         "<flag_cmd_data>\na\nb\n<flag_number>\n2\n</flag_number>\n<flag_cmd_data>\nz\n"
                         "</flag_cmd_data>\n<flag_cmd_number>\n1\n</flag_cmd_number>\n<flag_cmd_data>\nsecond\n"
                         "</flag_cmd_data>");
    ASSERT_EQ(again.groupCount(), 2);
    EXPECT_EQ(again.groups[0].commands.ToVector(), (std::vector<std::string>{"z", "b"}));
    EXPECT_EQ(again.groups[1].commands.ToVector(), std::vector<std::string>{"second"});
    // Groups a later count drops lose their lines, also when a count after it brings them back.
    const std::string group = "<flag_cmd_number>\n1\n</flag_cmd_number>\n<flag_cmd_data>\nx\n</flag_cmd_data>\n";
    Scene dropped = Parsed("<flag_number>\n3\n</flag_number>\n" + group + group + group +
                           "<flag_number>\n1\n</flag_number>\n<flag_number>\n3\n</flag_number>");
    ASSERT_EQ(dropped.groupCount(), 3);
    EXPECT_EQ(dropped.groups[0].commands.ToVector(), std::vector<std::string>{"x"});
    EXPECT_TRUE(dropped.groups[2].commands.empty());
    // Lines of a group whose count was never read are not kept.
    EXPECT_TRUE(Parsed("<flag_number>\n1\n</flag_number>\n<flag_cmd_data>\na\n</flag_cmd_data>")
                    .groups[0].commands.empty());
}

TEST(SceneFileTest, WholeLineAndOneTokenTextFields) {
    std::string bytes = JoinLines({"<scene_name>", " a  name ", "</scene_name>", "<filename_map_data>",
                                   "map one.bin", "</filename_map_data>", "<anim_field_filename>",
                                   "map anim 3.txt", "</anim_field_filename>", "<anim_field_data>",
                                   "1 2 3", "4 x 5", "</anim_field_data>", "<lyer_map_chip>", "top.bmp 1 1 7",
                                   "</lyer_map_chip>"});
    // The map file is one token; an animation row stops at the first field that is not a number.
    Scene expected{.name = " a  name ", .mapDataFile = "map", .layerChipSet = "top.bmp", .layerDrawMode = 1,
                   .layerColourKey = 1, .layerKeyRed = 7, .mapAnimationFile = "map anim 3.txt"};
    expected.terrainAnimation[0] = {1, 2, 3};
    expected.terrainAnimation[1] = {4};
    EXPECT_EQ(Parsed(bytes), expected);
    // A layer line beginning with a blank is read as it stands unless it is the writer's form of an
    // empty name (the blank, then the five numbers).
    EXPECT_EQ(Parsed("<lyer_map_chip>\n top.bmp 1 0 0 0 0\n</lyer_map_chip>").layerChipSet, "top.bmp");
    // 17 grid rows: the 17th is ignored.
    std::string grid = "<battle_field_data>";
    for (int i = 0; i < 17; ++i) grid += "\n" + std::to_string(i + 1);
    Scene g = Parsed(grid + "\n</battle_field_data>");
    EXPECT_EQ(g.terrainBattle[15][0], 16);
}

TEST(SceneFileTest, TheWriterKeepsTheLimits) {
    Scene s;
    s.name = std::string(300, 'n');
    s.battles.assign(70, FieldBattle{1, 33.33f, ""});
    s.npcIndices.assign(300, 1);
    s.groups.assign(260, EventCommandGroup{"", CommandLines(std::vector<std::string>(70, std::string(80, 'c')))});
    std::string bytes = SceneBytes(s);
    Scene back = Parsed(bytes);
    EXPECT_EQ(back.name.size(), 255u);
    EXPECT_EQ(back.battleCount(), 64);
    EXPECT_FLOAT_EQ(back.battles[0].rate, 33.3f);
    EXPECT_EQ(back.npcCount(), 256);
    ASSERT_EQ(back.groupCount(), 256);
    EXPECT_EQ(back.groups[255].commandCount(), 64);
    EXPECT_EQ(back.groups[255].commands[63].size(), 63u);
    EXPECT_EQ(SceneBytes(back), bytes);
    // A battle without a background image ends its line with a blank and reads back without one.
    ASSERT_NE(bytes.find("\r\n1 33.3 \r\n"), std::string::npos);
    EXPECT_EQ(back.battles[0].backgroundImage, "");
}

TEST(CommandLinesTest, EditsKeepEveryOtherLine) {
    CommandLines lines{"nar 0", "", "load"};
    lines.Set(1, "message 3");
    lines.Insert(0, "? flag1 == 1");
    lines.push_back("!");
    lines.Erase(3);
    EXPECT_EQ(lines.ToVector(), (std::vector<std::string>{"? flag1 == 1", "nar 0", "message 3", "!"}));
    // Many rewrites of one line: the old bytes are dropped on the way, the lines stay right.
    for (int i = 0; i < 2000; ++i) lines.Set(2, "message " + std::to_string(i));
    EXPECT_EQ(lines[2], "message 1999");
    EXPECT_EQ(lines[0], "? flag1 == 1");
    EXPECT_EQ(lines[3], "!");
    lines.Resize(6);
    EXPECT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[5], "");
    lines.Resize(1);
    EXPECT_EQ(lines, (CommandLines{"? flag1 == 1"}));
    EXPECT_NE(lines, (CommandLines{"? flag1 == 2"}));
    lines.Set(0, lines[0].substr(2));  // a line of the group itself
    EXPECT_EQ(lines[0], "flag1 == 1");
    std::vector<std::string> seen(lines.begin(), lines.end());
    EXPECT_EQ(seen, std::vector<std::string>{"flag1 == 1"});
}

TEST(SceneFileTest, SceneNumbersComeFromTheFileName) {
    EXPECT_EQ(SceneNumberFromFileName("scene7.txt"), 7);
    EXPECT_EQ(SceneNumberFromFileName("Scene12.TXT"), 12);
    EXPECT_EQ(SceneNumberFromFileName("scene0.txt"), 0);
    for (const char* other : {"scene.txt", "scene07.txt", "scene-1.txt", "scene3 copy.txt", "scene 3.txt",
                              "scene99999999999.txt", "scene3.txt.bak", "xscene3.txt"})
        EXPECT_EQ(SceneNumberFromFileName(other), std::nullopt) << other;
    EXPECT_EQ(SceneFileName(12), "scene12.txt");
}

TEST(SceneNumbers, TheLowestGapIsFilledFirstAndAFullRunGivesTheCount) {
    const auto next = [](std::vector<int> used) { return NextFreeSceneNumber(used); };
    EXPECT_EQ(next({}), 0);
    EXPECT_EQ(next({0, 1, 2}), 3);
    EXPECT_EQ(next({1, 2, 3}), 0);
    EXPECT_EQ(next({0, 1, 3, 4}), 2);
    // Listed as text: scene10.txt comes before scene2.txt; the order does not matter.
    EXPECT_EQ(next({0, 1, 10, 2}), 3);
    EXPECT_EQ(next({4, 0, 2, 1}), 3);
    EXPECT_EQ(next({0, 2, 5, 1, 3}), 4);
    // Numbers beyond the count, or negative, block nothing.
    EXPECT_EQ(next({0, 7, 9}), 1);
    EXPECT_EQ(next({-1, 0}), 1);
    EXPECT_EQ(next({2147483647}), 0);
}

}  // namespace
}  // namespace lw
