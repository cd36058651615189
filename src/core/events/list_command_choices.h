#pragma once
// What the command dialogs that choose a row of another list offer, and the value each choice
// writes: the ability range of "ability", the equipment drop-down of "equip", the chest entries of
// "show_tre" and the walking preview of "show_npc".

#include <string>
#include <vector>

#include "core/events/event_commands.h"
#include "core/rules/items.h"
#include "core/rules/treasure_list.h"

namespace lw {

struct SceneCatalog;

// "ability %d %d": the amount runs from -limit to limit, the limit being the basic setting
// "最大能力値"; a negative setting counts as 0 (the range is then 0..0, never inverted).
int AbilityUpLimit(int settingsAbilityMax);

// The item kind whose items an equipment kind takes: weapons are item kind 0, helmets 1, armour 2,
// shields 3, other equipment 4.
int ItemKindOfEquipment(EquipmentKind kind);

// The items offered for an equipment kind, from the bytes of item_list.txt: every record of that
// item kind, each with its position in the whole list.
std::vector<ItemChoice> EquipmentItemChoices(std::string_view itemListBytes, EquipmentKind kind);

// The item a position of the equipment drop-down ("なし", then `choices`) writes: -1 for "なし" or
// no position, else the chosen item's index in the whole list.
int EquipItemAt(const std::vector<ItemChoice>& choices, int position);

// The entries of the chest drop-down, one per chest in file order: "scene x y", the scene being the
// first catalog entry whose chest indices list the chest (-1 when none does).
std::vector<std::string> ChestChoiceTexts(std::vector<TreasureChest> chests, const SceneCatalog& catalog);


}  // namespace lw
