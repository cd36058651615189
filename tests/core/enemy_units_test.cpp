#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/rules/enemy_units.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

const std::string kLineA = "1 2 0 3 0 0 4 0.50 0.25 7 3 2 10 20 0 0 0 0 5 6 0 0 0 0";
const std::string kLineB = "0 0 0 0 0 9 -1 0.29 0.00 -1 0 -1 0 0 0 0 0 0 0 0 0 0 300 1";

std::string Unit(int position, const std::string& name, const std::string& count, const std::vector<std::string>& lines) {
    return "\r\n-------------------------\r\n" + std::to_string(position) + "\r\n-------------------------" +
           "\r\n<enemy_data>\r\n<enemy_name>\r\n" + name + "\r\n</enemy_name>\r\n" + CountedList("enemies", count, lines) +
           "\r\n</enemy_data>";
}

std::string EnemyFile(const std::string& count, const std::string& units) {
    return "<enemy_number>\r\n" + count + "\r\n</enemy_number>" + units;
}

TEST(EnemyList, RoundTripWithBlankNamesAndUnnamedUnits) {
    const std::string bytes =
        EnemyFile("2", Unit(0, "big slime party", "2", {kLineA, kLineB}) + Unit(1, "", "1", {kLineA}));
    const std::vector<EnemyUnit> units = ParseEnemyList(bytes);
    ASSERT_EQ(units.size(), 2u);
    EXPECT_EQ(units[0].name, "big slime party");
    EXPECT_EQ(units[0].formationCount, 2);
    const Formation a = FormationAt(units[0], 0);
    EXPECT_EQ(a, (Formation{.monster = {1, 2, 0, 3, 0, 0}, .x = {10, 0, 0, 5, 0, 0}, .y = {20, 0, 0, 6, 0, 0},
                            .boss = 4, .rate = 0.5f, .itemRate = 0.25f, .item = 7, .itemCount = 3, .bgm = 2}));
    CheckFileThroughProject(kEnemyFile, units, bytes, LoadEnemyList, SaveEnemyList);

    EXPECT_EQ(UnitRowText(units[0]), "big slime party");
    EXPECT_EQ(UnitRowText(units[1]), "1 \x91\xcc");
    EXPECT_EQ(FormationRowText(a), "1 2 0 3 0 0");
    EXPECT_EQ(RateRowText(FormationAt(units[0], 1)), "29 %");

    std::vector<EnemyUnitChoice> choices;
    ParseEnemyUnitChoices(bytes, choices);
    EXPECT_EQ(choices, (std::vector<EnemyUnitChoice>{{"big slime party", 0}, {"1 \x91\xcc", 1}}));
}

TEST(EnemyList, OddCountsAreReadAsTheGameReadsThem) {
    // Unit count 1: the second unit keeps its name and formation count, formations cleared.
    std::vector<EnemyUnit> units = ParseEnemyList(EnemyFile("1", Unit(0, "a", "1", {kLineA}) + Unit(1, "b", "2", {kLineA, kLineB})));
    ASSERT_EQ(units.size(), 2u);
    EXPECT_EQ(units[1].name, "b");
    EXPECT_EQ(units[1].formationCount, 2);
    EXPECT_TRUE(units[1].formations.empty());
    EXPECT_EQ(UnitFormations(units[1]), std::vector<Formation>(2));
    EXPECT_EQ(FormationAt(units[0], 0).monster[0], 1);

    // Formation counts: above 32 read as 32, negative as 0; missing lines stay cleared but counted,
    // lines beyond the count are ignored.
    std::vector<std::string> many(40, kLineB);
    units = ParseEnemyList(EnemyFile("3", Unit(0, "", "99", many) + Unit(1, "", "-4", {kLineA}) + Unit(2, "", "3", {kLineA})));
    ASSERT_EQ(units.size(), 3u);
    EXPECT_EQ(units[0].formationCount, 32);
    EXPECT_EQ(FormationAt(units[0], 31).monster[5], 9);
    EXPECT_EQ(units[0].formations.size(), 32u);
    EXPECT_EQ(units[1].formationCount, 0);
    EXPECT_TRUE(units[1].formations.empty());
    EXPECT_EQ(units[2].formationCount, 3);
    EXPECT_EQ(FormationAt(units[2], 0).monster[0], 1);
    EXPECT_EQ(FormationAt(units[2], 1), Formation{});
    // Written back: the clamped count, the cleared formations as zero lines.
    const std::string out = EnemyListBytes(units);
    EXPECT_NE(out.find("\r\n<enemies_number>\r\n32\r\n"), std::string::npos);
    EXPECT_EQ(ParseEnemyList(out), units);

    // Declared formations without lines take no memory; a huge unit count takes nothing either.
    std::string many32;
    for (int i = 0; i < 1000; ++i) many32 += Unit(i, "", "32", {});
    units = ParseEnemyList(EnemyFile("2000000000", many32));
    ASSERT_EQ(units.size(), 1000u);
    EXPECT_TRUE(units[999].formations.empty());
    EXPECT_EQ(UnitRowText(units[999]), "32 \x91\xcc");

    // A name longer than 63 bytes is cut, never splitting a double-byte character.
    std::string longName(62, 'n');
    longName += "\x91\xcc";
    units = ParseEnemyList(EnemyFile("1", Unit(0, longName, "0", {})));
    ASSERT_EQ(units.size(), 1u);
    EXPECT_EQ(units[0].name, std::string(62, 'n'));
}

TEST(EnemyUnitRows, AUnitHoldsAtMost32Formations) {
    EnemyUnit u;
    std::vector<Formation> rows(32, NewFormation());
    EXPECT_TRUE(SetUnitFormations(u, rows));
    EXPECT_EQ(u.formationCount, 32);
    rows.push_back(NewFormation());
    EXPECT_FALSE(SetUnitFormations(u, rows));
    EXPECT_EQ(u.formationCount, 32);
    // A new formation: no boss, no item, no BGM.
    EXPECT_TRUE(SetUnitFormations(u, {NewFormation()}));
    EXPECT_EQ(EnemyListBytes({u}), EnemyFile("1", Unit(0, "", "1", {"0 0 0 0 0 0 -1 0.00 0.00 -1 0 -1 0 0 0 0 0 0 0 0 0 0 0 0"})));
}

// --- placement ----------------------------------------------------------------------------------

Formation With(std::initializer_list<int> slots) {
    Formation f = NewFormation();
    for (int s : slots) f.monster[static_cast<std::size_t>(s)] = 1;
    return f;
}

// Where each slot's picture stands, (-1, -1) for a slot without a monster.
using Places = std::array<std::pair<int, int>, kFormationSlots>;
constexpr std::pair<int, int> kNone{-1, -1};
Places Placed(const Formation& f, const std::array<PictureSize, kFormationSlots>& sizes, BattleLayout layout) {
    const auto slots = PlaceFormation(f, sizes, layout);
    Places out;
    for (std::size_t i = 0; i < slots.size(); ++i) out[i] = slots[i].used ? std::pair{slots[i].x, slots[i].y} : kNone;
    return out;
}

TEST(FormationPlacement, RowsAreSpreadWithEqualGaps) {
    std::array<PictureSize, 6> sizes{};
    sizes.fill({60, 50});
    const BattleLayout menuOn{true, 160};
    // One picture per row: centred by the gap (320 - 60) / 2 = 130, the bottom one's lower edge on 240.
    EXPECT_EQ(Placed(With({1, 4}), sizes, menuOn), (Places{{kNone, {130, 190}, kNone, kNone, {130, 0}, kNone}}));
    // Two in the bottom row, skipping the empty middle slot: gap (320 - 120) / 3 = 66.
    EXPECT_EQ(Placed(With({0, 2}), sizes, menuOn), (Places{{{66, 190}, kNone, {66 + 60 + 66, 190}, kNone, kNone, kNone}}));
    // Three of different widths: W = 40 + 80 + 100 = 220, gap 25.
    sizes[3] = {40, 10};
    sizes[4] = {80, 20};
    sizes[5] = {100, 30};
    EXPECT_EQ(Placed(With({3, 4, 5}), sizes, menuOn), (Places{{kNone, kNone, kNone, {25, 0}, {90, 0}, {90 + 80 + 25, 0}}}));
}

TEST(FormationPlacement, WiderThanTheFieldOverlaps) {
    std::array<PictureSize, 6> sizes{};
    sizes.fill({150, 40});
    const BattleLayout layout{true, 160};
    // W = 450: gap (320 - 450) / 2 = -65, first at 0.
    EXPECT_EQ(Placed(With({0, 1, 2}), sizes, layout), (Places{{{0, 200}, {85, 200}, {170, 200}, kNone, kNone, kNone}}));
    // A single picture wider than the field stands at 0, nothing divided.
    sizes[0] = {400, 40};
    EXPECT_EQ(Placed(With({0}), sizes, layout)[0], (std::pair{0, 200}));
    // Integer division truncates: W = 331 with two pictures, gap -11.
    sizes[0] = {166, 40};
    sizes[1] = {165, 40};
    EXPECT_EQ(Placed(With({0, 1}), sizes, layout)[1], (std::pair{166 - 11, 200}));
}

TEST(FormationPlacement, BottomRowStandsOnTheMenuOrTheTalkFrameAndStoredPositionsWin) {
    std::array<PictureSize, 6> sizes{};
    sizes.fill({64, 48});
    Formation f = With({0, 3});
    EXPECT_EQ(Placed(f, sizes, {true, 150})[0].second, 240 - 48);
    EXPECT_EQ(Placed(f, sizes, {false, 150})[0].second, 150 - 48);
    EXPECT_EQ(Placed(f, sizes, {false, 150})[3].second, 0);
    // Stored X or Y of at least 1 moves the picture to the stored point (both taken); a stored
    // position without a monster places nothing.
    f.x[0] = 0;
    f.y[0] = 7;
    f.x[3] = 200;
    f.y[3] = 0;
    f.x[5] = 33;
    EXPECT_EQ(Placed(f, sizes, {false, 150}), (Places{{{0, 7}, kNone, kNone, {200, 0}, kNone, kNone}}));
}

// --- appearance rates ---------------------------------------------------------------------------

std::vector<int> Percents(const std::vector<Formation>& fs) {
    std::vector<int> out;
    for (const auto& f : fs) out.push_back(RatePercent(f.rate));
    return out;
}

TEST(AppearanceRates, EvenSplitOnlyWhenAllAreZero) {
    std::vector<Formation> fs(3, NewFormation());
    EXPECT_TRUE(SplitRatesEvenly(fs));
    EXPECT_EQ(Percents(fs), (std::vector<int>{34, 33, 33}));
    EXPECT_TRUE(RatesTotal100(fs));

    fs.assign(13, NewFormation());
    EXPECT_TRUE(SplitRatesEvenly(fs));
    std::vector<int> expected(13, 7);
    expected[0] = 16;
    EXPECT_EQ(Percents(fs), expected);
    EXPECT_TRUE(RatesTotal100(fs));

    // Rates already set are left alone.
    fs.assign(2, NewFormation());
    fs[1].rate = 0.4f;
    EXPECT_FALSE(SplitRatesEvenly(fs));
    EXPECT_EQ(Percents(fs), (std::vector<int>{0, 40}));
    std::vector<Formation> none;
    EXPECT_FALSE(SplitRatesEvenly(none));
}

TEST(AppearanceRates, TheCheckCountsRoundedWholePercents) {
    std::vector<Formation> fs(10, NewFormation());
    for (auto& f : fs) f.rate = 0.1f;
    EXPECT_TRUE(RatesTotal100(fs));
    fs.assign(2, NewFormation());
    fs[0].rate = 0.50f;
    fs[1].rate = 0.49f;
    EXPECT_FALSE(RatesTotal100(fs));
    fs[1].rate = 0.50f;
    EXPECT_TRUE(RatesTotal100(fs));
    // 0.29 is stored just below 0.29; it still counts as 29.
    EXPECT_EQ(RatePercent(0.29f), 29);
    fs[0].rate = 0.29f;
    fs[1].rate = 0.71f;
    EXPECT_TRUE(RatesTotal100(fs));
}

}  // namespace
}  // namespace lw
