#include "core/events/list_command_choices.h"

#include <algorithm>

#include "core/world/scene_catalog.h"

namespace lw {

static_assert(static_cast<int>(EquipmentKind::Weapon) == kItemWeapon);
static_assert(static_cast<int>(EquipmentKind::Helmet) == kItemHelmet);
static_assert(static_cast<int>(EquipmentKind::Armour) == kItemArmour);
static_assert(static_cast<int>(EquipmentKind::Shield) == kItemShield);
static_assert(static_cast<int>(EquipmentKind::Other) == kItemOtherEquipment);

int AbilityUpLimit(int settingsAbilityMax) { return std::max(settingsAbilityMax, 0); }

int ItemKindOfEquipment(EquipmentKind kind) { return static_cast<int>(kind); }

std::vector<ItemChoice> EquipmentItemChoices(std::string_view itemListBytes, EquipmentKind kind) {
    std::vector<ItemChoice> choices;
    ParseItemChoices(itemListBytes, ItemKindOfEquipment(kind), choices);
    return choices;
}

int EquipItemAt(const std::vector<ItemChoice>& choices, int position) {
    if (position < 1 || position > static_cast<int>(choices.size())) return -1;
    return choices[static_cast<std::size_t>(position - 1)].index;
}

std::vector<std::string> ChestChoiceTexts(std::vector<TreasureChest> chests, const SceneCatalog& catalog) {
    AssignChestScenes(chests, catalog);
    std::vector<std::string> texts;
    texts.reserve(chests.size());
    for (const TreasureChest& chest : chests) texts.push_back(ChestRowText(chest));
    return texts;
}

}  // namespace lw
