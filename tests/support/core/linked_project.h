#pragma once
// A small project in which every list refers to the others correctly: one or two rows per list,
// two scenes with their maps, and the pictures and sound files the lists name. Tests change a
// record, write the project and see what the check makes of it.

#include <string>
#include <vector>

#include "core/media/effect_animation.h"
#include "core/media/image_lists.h"
#include "core/media/narration_list.h"
#include "core/project/project.h"
#include "core/rules/enemy_units.h"
#include "core/rules/items.h"
#include "core/rules/magic.h"
#include "core/rules/monsters.h"
#include "core/rules/player_character.h"
#include "core/rules/shop_list.h"
#include "core/rules/treasure_list.h"
#include "core/world/map_animation.h"
#include "core/world/npc_list.h"
#include "core/world/scene.h"

namespace lw::test {

struct LinkedProject {
    std::vector<std::string> bgm{"theme.mid"};
    std::vector<std::string> sounds{"hit.wav"};
    std::vector<std::string> texts{"Hello<midi 0><face 0><wave 0>", "Bye<anim 1 0 0 0>"};
    std::vector<FaceEntry> faces;
    std::vector<EffectAnimation> effects;
    std::vector<Narration> narrations;
    std::vector<Item> items;
    std::vector<Magic> spells;
    std::vector<Monster> monsters;
    std::vector<EnemyUnit> units;
    std::vector<Npc> npcs;
    std::vector<TreasureChest> chests;
    std::vector<Shop> shops;
    PlayerCharacter pc;
    MapAnimation mapAnimation;  // map_anim0.txt
    Scene scene1;               // scene1.txt, the start scene: the NPC, the chest and the shop stand here
    Scene scene2;               // scene2.txt
    std::vector<std::string> images{"chips.bmp", "face.bmp", "effect.bmp", "back.bmp", "monster.bmp", "npc.bmp"};
    std::vector<std::string> audio{"theme.mid", "hit.wav"};

    LinkedProject();
    // Writes every file into the project's folders.
    void Write(const Project& project) const;
};

// What the project check reports on the project, one line a problem; none for a clean project.
std::vector<std::string> CheckLines(const Project& project);

}  // namespace lw::test
