#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "core/events/command_dialog_rules.h"
#include "core/events/list_command_choices.h"
#include "core/world/scene_catalog.h"
#include "support/core/item_makers.h"
#include "support/core/scene_makers.h"

namespace lw {
namespace {

const std::string kA = "\x82\xA0";  // "あ"

TEST(CommandDialogRules, DigitsFieldsReadAsNumbersAndSaturate) {
    EXPECT_EQ(DigitsFieldValue(""), 0);
    EXPECT_EQ(DigitsFieldValue("0"), 0);
    EXPECT_EQ(DigitsFieldValue("0042"), 42);
    EXPECT_EQ(DigitsFieldValue("2147483647"), INT_MAX);
    EXPECT_EQ(DigitsFieldValue("2147483648"), INT_MAX);
    EXPECT_EQ(DigitsFieldValue("99999999999999999999999"), INT_MAX);
}

// The whole length is exactly the built line's as long as the builder did not cut it; beyond the
// built width it keeps counting, so a cut can never hide in a line that seems to fit.
TEST(CommandDialogRules, BattleLineLengthCountsTheWholeBackgroundName) {
    BattleCommand b{.enemyUnit = 3, .textBefore = -1, .textAfter = 12, .talkSpeed = 100, .canEscape = true,
                    .afterGroup = 255, .background = "field.bmp"};
    EXPECT_EQ(BattleLineBytes(b), BuildBattle(b).size());
    b.background.clear();
    EXPECT_EQ(BattleLineBytes(b), BuildBattle(b).size());  // the trailing blank counts
    const std::size_t bare = BattleLineBytes(b);
    b.background = std::string(63 - bare, 'x');
    EXPECT_TRUE(FitsStoredLine(BattleLineBytes(b)));
    EXPECT_EQ(BuildBattle(b).size(), 63u);
    b.background += "x";
    EXPECT_EQ(BattleLineBytes(b), 64u);
    EXPECT_FALSE(FitsStoredLine(BattleLineBytes(b)));
    b.background += std::string(100, 'x');
    EXPECT_EQ(BattleLineBytes(b), 164u);
    EXPECT_EQ(BuildBattle(b).size(), kEventCommandBuiltBytes);
}

TEST(CommandDialogRules, TalkContentLineLengthFollowsTheFormsOfTheLine) {
    TalkContentCommand t;
    t.text = 7;
    EXPECT_EQ(TalkContentLineBytes(t), std::string("talk 7").size());
    t.showMoney = true;
    EXPECT_EQ(TalkContentLineBytes(t), BuildTalkContent(t).size());

    // Enabled choices: empty and disabled ones are written as "なし", whatever a disabled one holds.
    t.choices[0] = {false, 2, "yes"};
    t.choices[1] = {false, -1, ""};
    t.choices[2] = {true, 5, "ignored text"};
    EXPECT_EQ(TalkContentLineBytes(t), BuildTalkContent(t).size());

    // A double-byte character straddling the cut: the builder stops before it and its line looks
    // as if it fitted; the whole length does not.
    t.choices[3] = {false, -1, ""};
    const std::size_t bare = TalkContentLineBytes(t) - 4;  // less the "なし" of choice 4
    t.choices[3].text = std::string(63 - bare, 'a') + kA;   // "あ" is bytes 64 and 65 of the line
    EXPECT_EQ(TalkContentLineBytes(t), 65u);
    EXPECT_EQ(BuildTalkContent(t).size(), 63u);
    EXPECT_FALSE(FitsStoredLine(TalkContentLineBytes(t)));
    t.choices[3].text.resize(63 - bare);
    EXPECT_EQ(TalkContentLineBytes(t), 63u);
    EXPECT_EQ(BuildTalkContent(t).size(), 63u);
    EXPECT_TRUE(FitsStoredLine(TalkContentLineBytes(t)));
}

TEST(CommandDialogRules, SceneChangeStartsAtSceneZeroWithinTheMap) {
    EXPECT_EQ(FirstSceneChoice({}), -1);
    EXPECT_EQ(FirstSceneChoice({{"scene1.txt", 1}, {"scene12.txt", 12}}), -1);
    EXPECT_EQ(FirstSceneChoice({{"scene1.txt", 1}, {"SCENE0.TXT", 0}, {"scene0.txt", 0}}), 1);
    EXPECT_EQ(LastCell(0), 0);
    EXPECT_EQ(LastCell(1), 0);
    EXPECT_EQ(LastCell(40), 39);
    EXPECT_EQ(LastCell(0xFFFFFFFFu), INT_MAX);
}

// ---- The choices of the command dialogs that pick a row of another list, and the values they write ----

using test::ItemListOfKinds;

TEST(ListCommandChoicesTest, EquipmentOffersTheItemsOfItsKindByTheirPositionInTheWholeList) {
    // Weapons at 1 and 4, helmets at 0 and 5, consumables (kinds 5..8) never offered.
    const std::string bytes = ItemListOfKinds({1, 0, 5, 8, 0, 1, 4});
    const auto weapons = EquipmentItemChoices(bytes, EquipmentKind::Weapon);
    EXPECT_EQ(weapons, (std::vector<ItemChoice>{{"i1", 1}, {"i4", 4}}));
    const auto helmets = EquipmentItemChoices(bytes, EquipmentKind::Helmet);
    EXPECT_EQ(helmets, (std::vector<ItemChoice>{{"i0", 0}, {"i5", 5}}));
    EXPECT_EQ(EquipmentItemChoices(bytes, EquipmentKind::Other), (std::vector<ItemChoice>{{"i6", 6}}));
    EXPECT_TRUE(EquipmentItemChoices(bytes, EquipmentKind::Shield).empty());
    EXPECT_TRUE(EquipmentItemChoices("", EquipmentKind::Weapon).empty());

    // Position 0 is "なし"; the others carry the item's index in the whole list, not their row.
    EXPECT_EQ(EquipItemAt(helmets, 0), -1);
    EXPECT_EQ(EquipItemAt(helmets, 1), 0);
    EXPECT_EQ(EquipItemAt(helmets, 2), 5);
    EXPECT_EQ(EquipItemAt(helmets, 3), -1);
    EXPECT_EQ(EquipItemAt(helmets, -1), -1);
    EXPECT_EQ(BuildEquip(EquipmentKind::Helmet, EquipItemAt(helmets, 2)), "equip 1 item5");
    EXPECT_EQ(BuildEquip(EquipmentKind::Helmet, EquipItemAt(helmets, 0)), "equip 1 item-1");
}

TEST(ListCommandChoicesTest, AbilityRangeIsNeverInverted) {
    EXPECT_EQ(AbilityUpLimit(9999), 9999);
    EXPECT_EQ(AbilityUpLimit(0), 0);
    EXPECT_EQ(AbilityUpLimit(-40), 0);
}

TEST(ListCommandChoicesTest, ChestEntriesTakeTheFirstSceneListingTheChest) {
    // Scene 9 lists a chest the file does not have.
    const SceneCatalog catalog = test::CatalogOf({{4, Scene{.treasureIndices = {1}}},
                                                  {2, Scene{.treasureIndices = {0, 1}}},
                                                  {9, Scene{.treasureIndices = {7}}}});
    std::vector<TreasureChest> chests(3, NewTreasureChest());
    chests[0].x = 3, chests[0].y = 4;
    chests[1].x = 10, chests[1].y = 0;
    chests[2].x = 1, chests[2].y = 2;
    chests[2].scene = 5;  // what a record says of its scene does not count: the scene files do
    EXPECT_EQ(ChestChoiceTexts(chests, catalog), (std::vector<std::string>{"2 3 4", "4 10 0", "-1 1 2"}));
    EXPECT_TRUE(ChestChoiceTexts({}, catalog).empty());
}

}  // namespace
}  // namespace lw
