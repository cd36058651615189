#pragma once
// What the command dialogs that choose a row of another list offer, and the value each choice
// writes: the ability range of "ability", the equipment drop-down of "equip", the chest entries of
// "show_tre" and the walking preview of "show_npc".

#include <string>
#include <vector>

#include "core/events/event_commands.h"
#include "core/media/effect_animation.h"
#include "core/rules/items.h"
#include "core/rules/treasure_list.h"
#include "core/world/npc_list.h"

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

// An NPC's sprite walking as the image preview shows it (view mode 17): the sprite sheet is the
// NPC's region of its picture, 3 columns by 4 rows of frames; the four steps show the columns of
// its frame order in the row of its facing, one step per `speed` x 30 ms, in its drawing mode and
// colour key. A facing outside 0..3 walks in the row of facing down.
EffectAnimation NpcWalkAnimation(const Npc& npc);

}  // namespace lw
