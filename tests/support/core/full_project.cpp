#include "support/core/full_project.h"

#include "core/events/flag_explanations.h"
#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "core/media/effect_animation_steps.h"
#include "core/media/image_lists.h"
#include "core/media/narration_list.h"
#include "core/media/talk_list.h"
#include "core/project/project.h"
#include "core/rules/enemy_units.h"
#include "core/rules/items.h"
#include "core/rules/levels.h"
#include "core/rules/magic.h"
#include "core/rules/monsters.h"
#include "core/rules/player_character.h"
#include "core/rules/shop_list.h"
#include "core/rules/treasure_list.h"
#include "core/settings/game_settings.h"
#include "core/settings/title_screen.h"
#include "core/world/map_animation.h"
#include "core/world/npc_list.h"
#include "core/world/scene.h"
#include "support/core/bmp_makers.h"
#include "support/core/village_makers.h"

namespace lw::test {

void WriteFullProject(const TempProject& tp) {
    const Project& p = tp.project;
    WriteBytes(ImageFilePath(p, "ground.bmp"), VillageGroundBmp());
    WriteBytes(ImageFilePath(p, "upper.bmp"), VillageUpperBmp());
    WriteBytes(ImageFilePath(p, "villager.bmp"), VillagerSheetBmp(0xC04030));
    WriteBytes(ImageFilePath(p, "chest.bmp"), ChestBmp());
    WriteBytes(ImageFilePath(p, "sky.bmp"), MakeSolidBmp24(320, 240, 0x5080C0));
    WriteBytes(ImageFilePath(p, "face.bmp"), MakeSolidBmp24(96, 96, 0xE0C0A0));
    tp.WriteData("village.bin", VillageMapBytes());

    tp.WriteData("midi_list.txt", AudioListBytes(AudioList::Bgm, {"town.mid", "field.mid"}));
    tp.WriteData("wave_list.txt", AudioListBytes(AudioList::Sound, {"open.wav", "hit.wav"}));

    EffectAnimation chest = NewEffectAnimation();
    chest.name = "chest";
    chest.imageFile = "chest.bmp";
    chest.areaWidth = chest.areaHeight = chest.cellWidth = chest.cellHeight = 32;
    chest.frameCount = 1;
    tp.WriteData(kEffectFile, EffectFileBytes({chest}));

    ImageTable back;
    LoadImageTable(p, ImageTableKind::Back, back);
    back.entries[back.entries.size() > 1 ? 1 : 0].fileName = "sky.bmp";
    tp.WriteData("image_back.txt", ImageTableBytes(ImageTableKind::Back, back));
    ImageTable select;
    LoadImageTable(p, ImageTableKind::Select, select);
    tp.WriteData("image_select.txt", ImageTableBytes(ImageTableKind::Select, select));
    tp.WriteData(kFaceFile, FaceListBytes({FaceEntry{.fileName = "face.bmp", .areaWidth = 96, .areaHeight = 96}}));

    tp.WriteData(kTalkFile, TalkListBytes({"hello", "good bye"}));
    Narration narration = NewNarrationDefaults();
    tp.WriteData(kNarrationFile, NarrationListBytes({narration}));
    TitleScreen title;
    LoadTitleScreen(p, title);
    tp.WriteData(kTitleFile, TitleScreenBytes(title));
    GameSettings settings;
    LoadGameSettings(p, settings);
    tp.WriteData(kSettingFile, GameSettingsBytes(settings));

    tp.WriteData(kItemFile, ItemListBytes({Item{.kind = 5, .name = "herb"}, Item{.kind = 1, .name = "sword"}}));
    tp.WriteData(kMagicFile, MagicListBytes({Magic{.name = "fire"}}));
    tp.WriteData(kMonsterFile, MonsterListBytes({Monster{.name = "slime"}}));
    EnemyUnit unit;
    Formation formation = NewFormation();
    formation.monster[0] = 1;
    formation.rate = 1.0f;
    unit.formations = {formation};
    unit.formationCount = 1;
    unit.name = "slimes";
    tp.WriteData(kEnemyFile, EnemyListBytes({unit}));
    tp.WriteData(kLevelFile, LevelListBytes(LevelListRows(DefaultLevelTable())));
    tp.WriteData(kLevelAbilityFile, GrowthListBytes({.types = {{.name = "fighter", .attack = 3}}, .guidance = "choose"}));

    Npc npc = NewNpc();
    npc.x = 64;
    npc.y = 64;
    npc.spriteFile = "villager.bmp";
    npc.regionWidth = 96;
    npc.regionHeight = 192;
    npc.displayName = "elder";
    tp.WriteData(kNpcFile, NpcListBytes({npc}));
    TreasureChest box = NewTreasureChest();
    box.animation = 0;
    box.x = 5;
    box.y = 6;
    tp.WriteData(kTreasureFile, TreasureListBytes({box}));
    Shop shop = NewShop();
    tp.WriteData(kShopFile, ShopListBytes({shop}));
    PlayerCharacter pc = DefaultPlayerCharacter();
    pc.name = "hero";
    pc.face = {"face.bmp", 0, 0, 96, 96};
    pc.chip = {"villager.bmp", 0, 0, 96, 192};
    tp.WriteData(kPlayerCharacterFile, PlayerCharacterBytes(pc));
    tp.WriteData("start_game.txt", StartGameFileBytes(0));

    MapAnimation anim = NewMapAnimation();
    anim.imageFile = "ground.bmp";
    tp.WriteData("map_anim0.txt", MapAnimationBytes(anim));

    for (int number : {0, 1}) {
        Scene s = NewScene();
        s.name = number == 0 ? "village" : "field";
        s.mapDataFile = "village.bin";
        s.backgroundChipSet = "ground.bmp";
        s.layerChipSet = "upper.bmp";
        s.mapAnimationFile = "map_anim0.txt";
        s.groups = {{"first", {"talk 0"}}, {"second", {"nar 0"}}};
        if (number == 0) {
            s.npcIndices = {0};
            s.treasureIndices = {0};
            s.sceneChanges = {{3, 4, 1, 0}};
            s.eventPositions = {{kInnPosition, 5, 6, 0, 1, 0}, {kShopPosition, 7, 8, 0, 0, 0}, {kSignpostPosition, 2, 2, 0, 1, 0}};
            s.battles = {{0, 50.0f, "sky.bmp"}};
        }
        tp.WriteData("scene" + std::to_string(number) + ".txt", SceneBytes(s));
    }
    WriteBytes(p.root / "prepare.txt", PrepareFileBytes(p));
}

}  // namespace lw::test
