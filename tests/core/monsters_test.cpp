#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/rules/monsters.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

const std::string kSlime =
    "1 2 3 4 5 6 7 8 77 100 50 35.0 12.5 1 9 0 3 slime -4 6 slime.bmp 2 1 255 0 128";

TEST(MonsterList, LineRoundTripKeepsEveryFieldAndTheReservedOne) {
    const std::string bytes = CountedList("monster", "1", {kSlime});
    const std::vector<Monster> list = ParseMonsterList(bytes);
    const Monster slime{.agility = 1, .evasion = 2, .attack = 3, .magicPower = 4, .physicalDefence = 5,
        .mentalDefence = 6, .maxHp = 7, .maxMp = 8, .reserved = 77, .experience = 100, .money = 50,
        .specialRate = 35.0f, .specialSuccess = 12.5f, .specialKind = 1, .specialDamage = 9, .normalSound = 3,
        .name = "slime", .focusX = -4, .focusY = 6, .picture = "slime.bmp", .drawMode = 2, .keyOn = 1,
        .keyRed = 255, .keyBlue = 128};
    EXPECT_EQ(list, std::vector<Monster>{slime});
    CheckFileThroughProject(kMonsterFile, list, bytes, LoadMonsterList, SaveMonsterList);
}

TEST(MonsterList, CountBoundsTheLinesAndLongLinesAreReadWhole) {
    // Three lines under a count of two: the list and the table take two.
    const std::string three = CountedList("monster", "2", {kSlime, kSlime, kSlime});
    EXPECT_EQ(ParseMonsterList(three).size(), 2u);
    MonsterTable table;
    ParseMonsterTable(three, table);
    EXPECT_TRUE(table.loaded);
    EXPECT_EQ(table.records.size(), 2u);

    // A count above the lines leaves cleared records in the table.
    ParseMonsterTable(CountedList("monster", "4", {kSlime}), table);
    ASSERT_EQ(table.records.size(), 4u);
    EXPECT_EQ(table.records[0].name, "slime");
    EXPECT_EQ(table.records[3], Monster{});

    // A picture name that pushes the line beyond 255 bytes does not split the line.
    const std::string longPicture(250, 'p');
    const std::string line = "0 0 0 0 0 0 0 0 0 0 0 0.0 0.0 0 0 0 0 n 0 0 " + longPicture + " 1 1 2 3 4";
    const std::vector<Monster> list = ParseMonsterList(CountedList("monster", "2", {line, kSlime}));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].picture, longPicture);
    EXPECT_EQ(list[0].keyBlue, 4);
    EXPECT_EQ(list[1].name, "slime");
}

TEST(MonsterList, HugeOrNegativeCountsAllocateNothingUnfilled) {
    MonsterTable table;
    ParseMonsterTable(CountedList("monster", "2000000000", {kSlime}), table);
    EXPECT_LE(table.records.size(), static_cast<std::size_t>(kMonsterTableCapacity));
    ParseMonsterTable(CountedList("monster", "-5", {kSlime}), table);
    EXPECT_TRUE(table.records.empty());
    EXPECT_TRUE(ParseMonsterList(CountedList("monster", "-5", {kSlime})).empty());
}

TEST(MonsterList, MissingFileLeavesNoTable) {
    TempProject tp;
    MonsterTable table;
    table.loaded = true;
    table.records.resize(3);
    EXPECT_EQ(ReadStatus::Missing, LoadMonsterTable(tp.project, table));
    EXPECT_FALSE(table.loaded);
    EXPECT_TRUE(table.records.empty());
}

TEST(MonsterValues, RoundingAndTheSpecialAttacksFields) {
    EXPECT_EQ(WholePercent(34.6f), 35);
    EXPECT_EQ(WholePercent(0.4f), 0);
    EXPECT_FALSE(SpecialUsesRates(kSpecialNone));
    EXPECT_TRUE(SpecialUsesRates(kSpecialSleep));
    EXPECT_FALSE(SpecialUsesDamage(kSpecialSleep));
    EXPECT_TRUE(SpecialUsesDamage(kSpecialPoison));
}

}  // namespace
}  // namespace lw
