// The choices of the command dialogs that pick a row of another list, and the values they write.
#include <gtest/gtest.h>

#include "core/events/list_command_choices.h"
#include "core/world/scene_catalog.h"
#include "support/core/item_makers.h"
#include "support/core/scene_makers.h"

namespace lw {
namespace {

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
