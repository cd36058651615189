#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/rules/levels.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

std::string LevelFile(const std::string& count, const std::vector<std::string>& lines, const std::string& tail = "") {
    return CountedList("level", count, lines) + tail;
}

std::vector<LevelRow> Rows(std::initializer_list<std::pair<int, int>> rows) {
    std::vector<LevelRow> out;
    for (auto [level, experience] : rows) out.push_back({level, experience});
    return out;
}

TEST(LevelTable, NewProjectShowsAndWritesTheDefaultTable) {
    const std::vector<LevelRow> rows = LevelListRows(DefaultLevelTable());
    EXPECT_EQ(rows, Rows({{1, 0}, {2, 500}, {3, 1000}, {4, 1500}, {5, 2000}, {6, 2500}, {7, 3000}, {8, 3500}, {9, 4000}, {10, 4500}}));
    EXPECT_EQ(InitialMaxLevel(DefaultLevelTable()), 10);
    EXPECT_EQ(LevelListBytes(rows), LevelFile("10", {"1 0", "2 500", "3 1000", "4 1500", "5 2000", "6 2500", "7 3000",
                                                     "8 3500", "9 4000", "10 4500"}));
    // A missing file, or one that cannot be read (the editor will not save over it), shows the default table.
    const std::string two = LevelFile("2", {"1 0", "2 7"});
    const auto save = [](const Project& p, const LevelTable& t, SaveUi& ui) { return SaveLevelList(p, LevelListRows(t), ui); };
    CheckFileThroughProject(kLevelFile, ParseLevelTable(two), two, LoadLevelTable, save, DefaultLevelTable());
}

TEST(LevelTable, MaximumLevelResizesFromTheEnd) {
    std::vector<LevelRow> rows = DefaultLevelTable().rows;
    ResizeLevelRows(rows, 12);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[9], (LevelRow{10, 4500}));
    EXPECT_EQ(rows[10], (LevelRow{11, 0}));
    EXPECT_EQ(rows[11], (LevelRow{12, 0}));
    ResizeLevelRows(rows, 8);
    EXPECT_EQ(rows, Rows({{1, 0}, {2, 500}, {3, 1000}, {4, 1500}, {5, 2000}, {6, 2500}, {7, 3000}, {8, 3500}}));
    ResizeLevelRows(rows, 1000);
    EXPECT_EQ(rows.size(), 256u);
    EXPECT_EQ(rows.back(), (LevelRow{256, 0}));
    ResizeLevelRows(rows, -5);
    EXPECT_TRUE(rows.empty());

    EXPECT_EQ(ClampExperience(1000000), 999999);
    EXPECT_EQ(ClampExperience(-1), 0);
}

TEST(LevelTable, CountRules) {
    // Count 12 with 10 lines: 12 rows, the last two cleared, written back as the table holds them.
    std::vector<std::string> ten;
    for (int i = 1; i <= 10; ++i) ten.push_back(std::to_string(i) + " " + std::to_string(i * 7));
    LevelTable t = ParseLevelTable(LevelFile("12", ten));
    ASSERT_EQ(t.rows.size(), 12u);
    EXPECT_EQ(t.rows[9], (LevelRow{10, 70}));
    EXPECT_EQ(t.rows[11], (LevelRow{0, 0}));
    // Count 3 with 10 lines: three rows.
    EXPECT_EQ(ParseLevelTable(LevelFile("3", ten)).rows, Rows({{1, 7}, {2, 14}, {3, 21}}));
    // Above 256 the table holds 256; a negative count or a count after the lines holds none.
    t = ParseLevelTable(LevelFile("2000000000", ten));
    EXPECT_EQ(t.count, 256);
    EXPECT_EQ(t.rows.size(), 256u);
    EXPECT_TRUE(ParseLevelTable(LevelFile("-1", ten)).rows.empty());
    EXPECT_TRUE(ParseLevelTable("<level_data>\r\n1 0\r\n</level_data>\r\n<level_number>\r\n1\r\n</level_number>").rows ==
                Rows({{0, 0}}));
    // A line with one number keeps experience 0.
    EXPECT_EQ(ParseLevelTable(LevelFile("1", {"5"})).rows, Rows({{5, 0}}));
}

TEST(LevelTable, OldMaximumLevelGeneratesNumberedRows) {
    // An old file: three levels, an increment of 250 per level, and a maximum of 6. The generated
    // rows continue the numbering after the last level and grow by the increment.
    const std::string old = LevelFile("3", {"1 0", "2 100", "3 300"},
                                      "\r\n<level_add>\r\n1 250\r\n</level_add>\r\n<level_max>\r\n6\r\n</level_max>");
    LevelTable t = ParseLevelTable(old);
    EXPECT_EQ(t.addFirst, 1);
    EXPECT_EQ(t.addSecond, 250);
    EXPECT_EQ(t.levelMax, 6);
    EXPECT_EQ(InitialMaxLevel(t), 6);
    EXPECT_EQ(LevelListRows(t), Rows({{1, 0}, {2, 100}, {3, 300}, {4, 550}, {5, 800}, {6, 1050}}));
    // The writer never writes the old sections.
    EXPECT_EQ(LevelListBytes(LevelListRows(t)), LevelFile("6", {"1 0", "2 100", "3 300", "4 550", "5 800", "6 1050"}));

    // Numbering follows the last level even when the table does not start at 1; the experience
    // stays within 0..999999 and the rows within 256.
    t = ParseLevelTable(LevelFile("2", {"5 999000", "6 999500"},
                                  "\r\n<level_add>\r\n0 1000\r\n</level_add>\r\n<level_max>\r\n900\r\n</level_max>"));
    std::vector<LevelRow> rows = LevelListRows(t);
    ASSERT_EQ(rows.size(), 256u);
    EXPECT_EQ(rows[2], (LevelRow{7, 999999}));
    EXPECT_EQ(rows.back(), (LevelRow{260, 999999}));
    EXPECT_EQ(InitialMaxLevel(t), 256);

    // A maximum below the count adds nothing.
    t = ParseLevelTable(LevelFile("3", {"1 0", "2 1", "3 2"}, "\r\n<level_max>\r\n2\r\n</level_max>"));
    EXPECT_EQ(LevelListRows(t).size(), 3u);
    EXPECT_EQ(InitialMaxLevel(t), 3);
}

const std::string kGuidance =
    "\x8f\xe3\x8f\xb8\x82\xb3\x82\xb9\x82\xe9\x94\x5c\x97\xcd\x92l\x82\xf0\x8c\x88\x82\xdf\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2";

TEST(GrowthTypes, NewProjectShowsAndWritesTheBuiltInTypes) {
    const GrowthList builtIn = BuiltInGrowthList();
    ASSERT_EQ(builtIn.types.size(), 9u);
    EXPECT_EQ(builtIn.guidance, kGuidance);
    // "精神点型" adds 20 mental points and nothing else.
    EXPECT_EQ(builtIn.types[8], (GrowthType{"\x90\xb8\x90_\x93_\x8c^", 0, 0, 0, 0, 0, 0, 0, 20}));
    const std::string bytes = GrowthListBytes(builtIn);
    EXPECT_TRUE(bytes.starts_with("<level_ability_number>\r\n9\r\n</level_ability_number>\r\n<level_ability_data>\r\n"
                                  "\x83o\x83\x89\x83\x93\x83X\x8c^ 2 2 2 2 2 2 4 4\r\n"
                                  "\x83X\x83s\x81[\x83h\x8c^ 10 2 0 0 0 0 4 4\r\n"));
    EXPECT_TRUE(bytes.ends_with("\r\n\x90\xb6\x96\xbd\x93_\x8c^ 0 0 0 0 0 0 20 0\r\n\x90\xb8\x90_\x93_\x8c^ 0 0 0 0 0 0 0 20\r\n"
                                "</level_ability_data>\r\n<level_ability_message>\r\n" +
                                kGuidance + "\r\n</level_ability_message>"));
    EXPECT_EQ(ParseGrowthList(bytes), builtIn);
    // Missing or unreadable, the file shows the built-in types.
    const GrowthList one{.types = {GrowthType{"Tank", 0, 0, 0, 9, 0, 9, 9, 0}}, .guidance = "Choose"};
    CheckFileThroughProject(kLevelAbilityFile, one, GrowthListBytes(one), LoadGrowthList, SaveGrowthList, builtIn);
}

TEST(GrowthTypes, FileRules) {
    // The guidance keeps its blanks; names stop at a blank; the count bounds the types; an existing
    // file without types stays without them.
    GrowthList list = ParseGrowthList(
        "<level_ability_number>\r\n2\r\n</level_ability_number>\r\n<level_ability_data>\r\nFast Runner 9 1\r\nTank 0 0 0 9 0 9 "
        "9 0\r\nExtra 1 1 1 1 1 1 1 1\r\n</level_ability_data>\r\n<level_ability_message>\r\nChoose  well \r\n"
        "</level_ability_message>");
    ASSERT_EQ(list.types.size(), 2u);
    EXPECT_EQ(list.types[0], (GrowthType{"Fast", 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list.types[1], (GrowthType{"Tank", 0, 0, 0, 9, 0, 9, 9, 0}));
    EXPECT_EQ(list.guidance, "Choose  well ");
    EXPECT_EQ(ParseGrowthList(GrowthListBytes(list)), list);
    EXPECT_TRUE(ParseGrowthList("<level_ability_number>\r\n0\r\n</level_ability_number>").types.empty());
    EXPECT_TRUE(ParseGrowthList("<level_ability_number>\r\n2000000000\r\n</level_ability_number>").types.empty());

    EXPECT_EQ(GrowthRowText(list.types[1]), "Tank 0 0 0 9 0 9 9 0");
}

}  // namespace
}  // namespace lw
