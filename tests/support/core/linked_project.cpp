#include "support/core/linked_project.h"

#include "core/check/project_check.h"
#include "core/events/flag_explanations.h"
#include "core/media/audio_lists.h"
#include "core/media/talk_list.h"
#include "core/rules/levels.h"
#include "core/settings/game_settings.h"
#include "core/settings/title_screen.h"
#include "support/core/map_makers.h"
#include "support/core/temp_dir.h"

namespace lw::test {

LinkedProject::LinkedProject() {
    faces = {FaceEntry{.fileName = "face.bmp", .areaWidth = 32, .areaHeight = 32}};
    effects = {EffectAnimation{.imageFile = "effect.bmp", .frameCount = 1}};

    Narration narration = NewNarrationDefaults();
    narration.text = 1;
    narration.image = "back.bmp";
    narration.bgm = 0;
    narrations = {narration};

    Item sword{.kind = kItemWeapon, .weaponAnimation = 0, .sound = 0, .price = 100, .name = "sword"};
    Item herb{.kind = kItemRecovery, .weaponAnimation = kNoWeaponAnimation, .sound = kItemSoundNone, .name = "herb"};
    items = {sword, herb};

    Magic fire{.damage = 10, .attackAnimation = 0, .sound = 0, .name = "fire"};
    spells = {fire};

    Monster slime{.normalSound = 0, .name = "slime", .picture = "monster.bmp"};
    monsters = {slime};

    EnemyUnit unit;
    unit.name = "slimes";
    Formation formation = NewFormation();
    formation.monster[0] = 1;  // monster 0
    formation.rate = 1;
    formation.item = 1;
    formation.bgm = 0;
    SetUnitFormations(unit, {formation});
    units = {unit};

    Npc npc = NewNpc();
    npc.spriteFile = "npc.bmp";
    npc.group = 1;
    npcs = {npc};

    TreasureChest chest = NewTreasureChest();
    chest.animation = 0;
    chest.soundEffect = 0;
    chest.group = 2;
    chests = {chest};

    Shop shop = NewShop();
    SetShopGoods(shop, {0, 1});
    shops = {shop};

    pc = DefaultPlayerCharacter();
    pc.chip.fileName = "npc.bmp";
    pc.face.fileName = "face.bmp";
    pc.equipment = {1, 0, 0, 0, 0};  // the sword
    pc.belongings = {{1, 1}, {2, 3}};

    mapAnimation = NewMapAnimation();
    mapAnimation.imageFile = "effect.bmp";
    mapAnimation.frameWidth = mapAnimation.frameHeight = 32;
    mapAnimation.animations = {MapAnimationSequence{{{0, 0}, {1, 0}}}};

    scene1 = NewScene();  // its title groups run narration 0
    scene1.name = "village";
    scene1.mapDataFile = "map1.bin";
    scene1.backgroundChipSet = "chips.bmp";
    scene1.mapAnimationFile = "map_anim0.txt";
    scene1.terrainAnimation[0][0] = 1;
    scene1.battles = {{0, 50, "back.bmp"}};
    scene1.terrainBattle[0][1] = 1;
    scene1.npcIndices = {0};
    scene1.treasureIndices = {0};
    scene1.sceneChanges = {{1, 1, 0, 0}};
    scene1.eventPositions = {{kShopPosition, 2, 2, 0, 1, 0}, {kInnPosition, 3, 3, 4, -1, 0}};
    scene1.groups.push_back({"talk",
                             {"? flag5 >= 1", "talk 0 0 2 1 2 -1 -1 yes no \x82\xc8\x82\xb5 \x82\xc8\x82\xb5", "!",
                              "flag5 = 1", "item1 -2 0", "num_item flag6 item0", "equip 0 item0", "face 0", "midi -1",
                              "wave 0 1", "nar 0 1", "effect 0", "magic_flag 0 1", "show_npc 0 0", "show_tre 0 1",
                              "battle 0 0 1 20 1 2 back.bmp", "quake 3 5 0 2 1", "money -50 1 2", "message 1",
                              "ability 2 5", "exp 100", "scene 2 1 1 0", "end"}});

    scene2 = NewScene();
    scene2.name = "field";
    scene2.mapDataFile = "map2.bin";
    scene2.backgroundChipSet = "chips.bmp";
    scene2.groups.push_back({"back", {"scene 1 0 0"}});
}

void LinkedProject::Write(const Project& p) const {
    auto data = [&](std::string_view name, std::string_view bytes) { WriteBytes(DataFilePath(p, name), bytes); };
    data("midi_list.txt", AudioListBytes(AudioList::Bgm, bgm));
    data("wave_list.txt", AudioListBytes(AudioList::Sound, sounds));
    data(kTalkFile, TalkListBytes(texts));
    data(kFaceFile, FaceListBytes(faces));
    data(kEffectFile, EffectFileBytes(effects));
    data(kNarrationFile, NarrationListBytes(narrations));
    data(kItemFile, ItemListBytes(items));
    data(kMagicFile, MagicListBytes(spells));
    data(kMonsterFile, MonsterListBytes(monsters));
    data(kEnemyFile, EnemyListBytes(units));
    data(kNpcFile, NpcListBytes(npcs));
    data(kTreasureFile, TreasureListBytes(chests));
    data(kShopFile, ShopListBytes(shops));
    data(kPlayerCharacterFile, PlayerCharacterBytes(pc));
    GameSettings settings;
    ResetGameSettings(settings);
    data(kSettingFile, GameSettingsBytes(settings));
    TitleScreen title;
    ResetTitleScreen(title);
    data(kTitleFile, TitleScreenBytes(title));
    data("start_game.txt", StartGameFileBytes(1));
    data(kFlagFile, FlagExplanationsBytes(FlagExplanations{}));
    data(kLevelFile, LevelListBytes(LevelListRows(DefaultLevelTable())));
    data(kLevelAbilityFile, GrowthListBytes(BuiltInGrowthList()));
    data("map_anim0.txt", MapAnimationBytes(mapAnimation));
    data("scene1.txt", SceneBytes(scene1));
    data("scene2.txt", SceneBytes(scene2));
    data("map1.bin", MakeMapBytes(4, 4));
    data("map2.bin", MakeMapBytes(4, 4));
    for (const std::string& name : images) WriteBytes(ImageFilePath(p, name), "BM");
    for (const std::string& name : audio) WriteBytes(AudioFilePath(p, name), "RIFF");
}

std::vector<std::string> CheckLines(const Project& project) {
    std::vector<std::string> lines;
    for (const Problem& p : CheckIndex(BuildProjectIndex(project))) lines.push_back(ProblemLine(project, p));
    return lines;
}

}  // namespace lw::test
