#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/rules/magic.h"
#include "core/rules/magic_rows.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

Magic Fire() {
    Magic m{.learnable = 1, .allTargets = 1, .damage = 40, .cost = 6, .level = 3, .attackAnimation = 2, .sound = 5,
        .name = "\x89\xce\x82\xcc\x8b\xca",  // 火の玉
        .description = "Burns\r\nall_foes"};
    return m;
}

TEST(MagicFile, WritesTheRecordLineFieldByFieldAndReadsItBack) {
    const std::string fire = "1 1 40 0 0 0 0 0 0 0 0 0 0 0 6 3 2 5 \x89\xce\x82\xcc\x8b\xca Burns#all_foes";
    CheckFileThroughProject(kMagicFile, std::vector<Magic>{Fire()}, CountedList("magic", "1", {fire}), LoadMagicList,
                            SaveMagicList);
    EXPECT_EQ(MagicListBytes({}), CountedList("magic", "0", {}));

    // Every number in its own place comes back where it was written.
    Magic all;
    int* fields[] = {&all.learnable, &all.allTargets, &all.damage, &all.agility, &all.evasion, &all.attack,
                     &all.magicPower, &all.physicalDefence, &all.mentalDefence, &all.maxHp, &all.maxMp, &all.hp,
                     &all.mp, &all.healthState, &all.cost, &all.level, &all.attackAnimation, &all.sound};
    int v = -3;
    for (int* f : fields) *f = v++ * 7;
    all.name = "x";
    const std::vector<Magic> spells = {Fire(), all, Magic{}};
    EXPECT_EQ(ParseMagicList(MagicListBytes(spells)), spells);
    // A new spell is eighteen zeros and two blanks: it reads back without a name.
    EXPECT_EQ(MagicListBytes({Magic{}}), CountedList("magic", "1", {"0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0  "}));
}

TEST(MagicFile, TheCountBoundsTheRecordsAndLinesAreReadWhole) {
    const std::string line = "0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 a b";
    // Count 3 with five lines: three spells. A count above the lines: only the lines there are.
    EXPECT_EQ(ParseMagicList(CountedList("magic", "3", {line, line, line, line, line})).size(), 3u);
    EXPECT_EQ(ParseMagicList(CountedList("magic", "2000000000", {line})).size(), 1u);
    EXPECT_TRUE(ParseMagicList(CountedList("magic", "-4", {line})).empty());
    EXPECT_TRUE(ParseMagicList("").empty());

    // A line far longer than 255 bytes is one record: its tail is not a further spell.
    Magic longer = Fire();
    longer.name = std::string(kMagicNameBytes, 'n');
    longer.description = std::string(kMagicDescriptionBytes, 'd');
    const std::vector<Magic> two = {longer, Fire()};
    const std::string bytes = MagicListBytes(two);
    EXPECT_GT(bytes.find("\r\n", bytes.find("nnn")), bytes.find("nnn") + 300);
    EXPECT_EQ(ParseMagicList(bytes), two);

    // Short lines leave the missing fields 0 and empty; names and descriptions longer than a
    // spell keeps are cut; an LF-only file reads the same.
    std::vector<Magic> odd = ParseMagicList("<magic_number>\n2\n</magic_number>\n<magic_data>\n7 1\n0 0 9 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 " +
                                            std::string(100, 'N') + " " + std::string(300, 'D') + "\n</magic_data>\n");
    ASSERT_EQ(odd.size(), 2u);
    EXPECT_EQ(odd[0], (Magic{.learnable = 7, .allTargets = 1}));
    EXPECT_EQ(odd[1].damage, 9);
    EXPECT_EQ(odd[1].name, std::string(kMagicNameBytes, 'N'));
    EXPECT_EQ(odd[1].description, std::string(kMagicDescriptionBytes, 'D'));
}

TEST(MagicFile, ChoiceModeAppendsNamesInFileOrder) {
    Magic nameless;
    const std::string bytes = MagicListBytes({Fire(), nameless, Fire()});
    std::vector<std::string> names = {"kept"};
    ParseMagicNames(bytes, names);
    EXPECT_EQ(names, (std::vector<std::string>{"kept", Fire().name, "", Fire().name}));

    TempProject tp;
    names.clear();
    EXPECT_EQ(ReadStatus::Missing, LoadMagicNames(tp.project, names));
    tp.WriteData(kMagicFile, CountedList("magic", "1", {"0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 one two", "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 x"}));
    EXPECT_EQ(ReadStatus::Ok, LoadMagicNames(tp.project, names));
    EXPECT_EQ(names, std::vector<std::string>{"one"});
}

TEST(MagicRules, TextsTheFileCannotHoldAreRefused) {
    EXPECT_EQ(CheckMagicName(""), MagicProblem::None);
    EXPECT_EQ(CheckMagicName("\x89\xce\x81\x40\x8b\xca"), MagicProblem::None);  // a full-width blank is fine
    EXPECT_EQ(CheckMagicName("Fire Ball"), MagicProblem::NameHasBlank);
    EXPECT_EQ(CheckMagicName("Fire\tBall"), MagicProblem::NameHasBlank);
    EXPECT_EQ(CheckMagicDescription("one\r\ntwo"), MagicProblem::None);  // line breaks are stored as "#"
    EXPECT_EQ(CheckMagicDescription("one two"), MagicProblem::DescriptionHasBlank);
    EXPECT_EQ(CheckMagicDescription("one\rtwo"), MagicProblem::DescriptionHasBlank);

    Magic m;
    EXPECT_EQ(CheckMagic(m), MagicProblem::None);  // a spell without a name may be stored
    m.description = "alone";
    EXPECT_EQ(CheckMagic(m), MagicProblem::DescriptionWithoutName);
    // ... because it would read back as the name.
    EXPECT_EQ(ParseMagicList(MagicListBytes({m}))[0].name, "alone");
    m.name = "a b";
    EXPECT_EQ(CheckMagic(m), MagicProblem::NameHasBlank);
    EXPECT_TRUE(MagicProblemMessage(MagicProblem::None).empty());
    EXPECT_FALSE(MagicProblemMessage(MagicProblem::DescriptionWithoutName).empty());
}

TEST(MagicRules, RowsFollowTheDamageAndTheRanges) {
    Magic m;
    std::vector<PropertyRow> rows = MagicRows(m, 9999);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kMagicRowCount));
    const char* labels[] = {"魔法名", "魔法説明", "敏捷度", "回避力", "攻撃力", "魔力", "肉体防御力",
                            "精神防御力", "最大生命点", "最大精神点", "生命点", "精神点", "健康状態",
                            "与えるﾀﾞﾒｰｼﾞ", "消費精神点", "必要ﾚﾍﾞﾙ", "攻撃ｱﾆﾒ", "効果音", "修得可能ﾌﾗｸﾞ",
                            "全体魔法ﾌﾗｸﾞ"};
    for (int i = 0; i < kMagicRowCount; ++i) EXPECT_EQ(rows[i].label, labels[i]) << i;

    // The attack animation and the all-targets flag only while the spell deals damage.
    for (int i = 0; i < kMagicRowCount; ++i) {
        const bool on = !rows[i].enabled || rows[i].enabled();
        EXPECT_EQ(on, i != kMagicAnimationRow && i != kMagicAllTargetsRow) << i;
    }
    rows[kMagicDamageRow].setNumber(5);
    EXPECT_EQ(m.damage, 5);
    EXPECT_TRUE(rows[kMagicAnimationRow].enabled());
    EXPECT_TRUE(rows[kMagicAllTargetsRow].enabled());
    m.damage = 0;
    EXPECT_FALSE(rows[kMagicAnimationRow].enabled());

    // Ranges: abilities, damage and cost to the game's maximum, the level to 256.
    EXPECT_EQ(rows[kMagicDamageRow].range, (NumberRange{0, 9999}));
    EXPECT_EQ(rows[2].range, (NumberRange{0, 9999}));
    EXPECT_EQ(rows[15].range, (NumberRange{0, kMagicLevelMax}));
    EXPECT_EQ(ClampToRange(300, rows[15].range), 256);
    EXPECT_EQ(MagicRows(m, -5)[2].range, (NumberRange{0, 0}));

    // Every row writes its own field.
    rows[15].setNumber(256);
    rows[12].setNumber(2);
    rows[kMagicSoundRow].setNumber(4);
    rows[18].setNumber(1);
    rows[0].setText("n");
    EXPECT_EQ(std::tie(m.level, m.healthState, m.sound, m.learnable, m.name), std::make_tuple(256, 2, 4, 1, "n"));
    EXPECT_EQ(rows[12].choices, (std::vector<std::string>{"なし", "毒", "睡眠"}));
    EXPECT_EQ(rows[kMagicAnimationRow].kind, RowKind::Effect);

    // Names and descriptions with blanks are refused at entry.
    EXPECT_FALSE(rows[0].refuseText("a b").empty());
    EXPECT_TRUE(rows[0].refuseText("ab").empty());
    EXPECT_FALSE(rows[1].refuseText("a\tb").empty());
    EXPECT_TRUE(rows[1].refuseText("a\r\nb").empty());
    EXPECT_EQ(rows[1].kind, RowKind::LongText);
    EXPECT_EQ(rows[1].textBytes, kMagicDescriptionBytes);
}

}  // namespace
}  // namespace lw
