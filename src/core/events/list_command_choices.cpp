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

EffectAnimation NpcWalkAnimation(const Npc& npc) {
    EffectAnimation a;
    a.name = npc.displayName;
    a.imageFile = npc.spriteFile;
    a.drawMode = npc.drawMode;
    a.colorKey = npc.colourKey;
    a.keyRed = npc.keyRed;
    a.keyGreen = npc.keyGreen;
    a.keyBlue = npc.keyBlue;
    a.areaLeft = npc.regionX;
    a.areaTop = npc.regionY;
    a.areaWidth = npc.regionWidth;
    a.areaHeight = npc.regionHeight;
    a.cellWidth = npc.regionWidth / 3;
    a.cellHeight = npc.regionHeight / 4;
    a.speed = npc.speed;
    const int facing = npc.facing >= 0 && npc.facing < 4 ? npc.facing : 0;
    const int row = npc.facingRow[static_cast<std::size_t>(facing)];
    a.frameCount = static_cast<int>(npc.frameOrder.size());
    for (std::size_t step = 0; step < npc.frameOrder.size(); ++step) {
        a.frames[step].column = npc.frameOrder[step];
        a.frames[step].row = row;
    }
    return a;
}

}  // namespace lw
