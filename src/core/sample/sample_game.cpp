#include "core/sample/sample_game.h"

#include <array>
#include <cmath>
#include <system_error>

#include "core/events/event_commands.h"
#include "core/events/flag_explanations.h"
#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "core/media/image_lists.h"
#include "core/media/narration_list.h"
#include "core/media/talk_list.h"
#include "core/media/talk_markup.h"
#include "core/project/project.h"
#include "core/rules/enemy_units.h"
#include "core/rules/items.h"
#include "core/rules/levels.h"
#include "core/rules/magic.h"
#include "core/rules/monsters.h"
#include "core/rules/player_character.h"
#include "core/rules/shop_list.h"
#include "core/rules/treasure_list.h"
#include "core/sample/sample_pictures.h"
#include "core/sample/sample_places.h"
#include "core/sample/sample_sounds.h"
#include "core/settings/game_settings.h"
#include "core/settings/title_screen.h"
#include "core/tagfile/file_io.h"
#include "core/text/cp932.h"
#include "core/world/map_animation.h"
#include "core/world/npc_list.h"
#include "core/world/scene.h"
#include "core/world/scene_catalog.h"

namespace lw {

namespace fs = std::filesystem;
using namespace sample;

namespace {

// Text of the sample, written here in UTF-8, as the CP932 bytes the files hold.
std::string J(std::string_view utf8) { return Utf8ToCp932(utf8).value_or(std::string()); }

// ---- music and sounds ----------------------------------------------------------------------------

enum Bgm : int { kTitleBgm, kVillageBgm, kFieldBgm, kCaveBgm, kBattleBgm, kFanfareBgm, kGameOverBgm };
enum Sound : int { kSelectSound, kHitSound, kMagicSound, kChestSound, kDoorSound, kHealSound, kLevelUpSound,
                   kPoisonSound, kEquipSound };

struct NamedBytes {
    const char* name;
    std::string bytes;
};

std::vector<NamedBytes> Music() {
    return {{"title.mid", MidiBytes(TitleTune())},     {"village.mid", MidiBytes(VillageTune())},
            {"field.mid", MidiBytes(FieldTune())},     {"cave.mid", MidiBytes(CaveTune())},
            {"battle.mid", MidiBytes(BattleTune())},   {"fanfare.mid", MidiBytes(FanfareTune())},
            {"gameover.mid", MidiBytes(GameOverTune())}};
}

std::vector<NamedBytes> Sounds() {
    return {
        {"select.wav", WavBytes({{60, 880, 880, 0.4}})},
        {"hit.wav", WavBytes({{120, 220, 60, 0.8, 0.7}})},
        {"magic.wav", WavBytes({{300, 300, 1400, 0.5, 0.1}})},
        {"chest.wav", WavBytes({{90, 523, 523, 0.5}, {90, 659, 659, 0.5}, {220, 784, 784, 0.5}})},
        {"door.wav", WavBytes({{180, 140, 90, 0.7, 0.4}})},
        {"heal.wav", WavBytes({{120, 660, 660, 0.4}, {120, 880, 880, 0.4}, {240, 1320, 1320, 0.4}})},
        {"levelup.wav", WavBytes({{100, 523, 523, 0.5}, {100, 659, 659, 0.5}, {100, 784, 784, 0.5}, {300, 1046, 1046, 0.5}})},
        {"poison.wav", WavBytes({{250, 300, 150, 0.5, 0.3}})},
        {"equip.wav", WavBytes({{80, 1200, 1000, 0.5, 0.5}})},
    };
}

// ---- texts ---------------------------------------------------------------------------------------

enum Text : int {
    kElderText, kChildText, kGuardText, kChestHerbText, kWeaponShopText, kItemShopText, kInnText,
    kInnDoneText, kInnShortText, kVillageSignText, kFieldSignText, kTravellerText, kCaveKeyText,
    kCaveHerbText, kLostText, kGolemBeforeText, kGolemAfterText, kPrologueText, kVillagerText,
};

std::vector<std::string> Texts() {
    const char* texts[] = {
        ("<face 1>村長「ようこそ、ルミナ村へ。#北東の洞窟に岩の魔物が住みついてしまった。*どうか退治してくれんか。"
         "#宿屋で休んでから行くがよい。」"),
        "子供「川の向こうは森だよ。#東の門から平原に出られるんだ。」",
        "門番「この先は平原だ。#草むらには魔物が出るから気をつけろ。」",
        "<wave 3>薬草を手に入れた！",
        "<face 2>武器屋「いらっしゃい！#いい品がそろってるよ。」",
        "<face 2>道具屋「旅の支度はここで。#薬草は多めに持っていきな。」",
        "<face 3>宿屋「一晩10ゴールドです。#お泊まりになりますか？」",
        "<face 3>宿屋「ゆっくりお休みください。」<wave 5>",
        "<face 3>宿屋「お金が足りないようですね。」",
        "東：平原#北東：古い洞窟",
        "西：ルミナ村#東：古い洞窟",
        "旅人「<speed 6>草むらでは魔物が出るぞ。#湖のほとりはひと休みにいい。」",
        "<wave 3>洞窟の鍵を手に入れた！",
        "<wave 3>上薬草を手に入れた！",
        "迷子の旅人「奥に大きな岩の魔物がいる……。#ここで待っているよ。」",
        "<quake 3 5 0 3>岩の魔物が立ちはだかった！",
        "岩の魔物を倒した！#洞窟に静けさが戻った。",
        "遠い昔、この地は光の石に守られていた。*だが今、洞窟の奥で#岩の魔物が目を覚まそうとしている……。",
        "村人「<speed 6>今日もいい天気ね。#川の水がきれいでしょう。」",
    };
    std::vector<std::string> out;
    for (const char* t : texts) out.push_back(J(t));
    return out;
}

// ---- pictures ------------------------------------------------------------------------------------

std::vector<NamedBytes> Pictures() {
    return {
        {"ground.bmp", GroundChipsBmp(2)},
        {"upper.bmp", UpperChipsBmp(3)},
        {"water.bmp", WaterFramesBmp()},
        {"hero.bmp", WalkingSheetBmp(0x3050C0, 0x96501E)},
        {"elder.bmp", WalkingSheetBmp(0x784078, 0xE2E2E2)},
        {"child.bmp", WalkingSheetBmp(0xE0A020, 0x5A3A1E)},
        {"guard.bmp", WalkingSheetBmp(0x707880, 0x3A2A1A, true)},
        {"villager.bmp", WalkingSheetBmp(0xC04860, 0xA05020)},
        {"traveller.bmp", WalkingSheetBmp(0x3C8C50, 0x2A1E14, true)},
        {"chest.bmp", ChestBmp(2)},
        {"slime.bmp", MonsterBmp(MonsterLook::Slime)},
        {"bat.bmp", MonsterBmp(MonsterLook::Bat)},
        {"wolf.bmp", MonsterBmp(MonsterLook::Wolf)},
        {"goblin.bmp", MonsterBmp(MonsterLook::Goblin)},
        {"skeleton.bmp", MonsterBmp(MonsterLook::Skeleton)},
        {"golem.bmp", MonsterBmp(MonsterLook::Golem)},
        {"faces.bmp", FacesBmp()},
        {"effects.bmp", EffectsBmp()},
        {"title.bmp", TitleBmp()},
        {"battle_field.bmp", FieldBattleBmp()},
        {"battle_cave.bmp", CaveBattleBmp()},
        {"prologue.bmp", PrologueBmp()},
        {"shop.bmp", ShopBmp()},
        {"menu.bmp", MenuBackBmp()},
        {"loading.bmp", LoadingBmp()},
        {"cursor.bmp", CursorBmp()},
        {"focus.bmp", FocusBmp()},
    };
}

// ---- image lists ---------------------------------------------------------------------------------

ImageTable BackTable() {
    ImageTable t;
    PresetImageTable(ImageTableKind::Back, t);
    t.entries[kTitleBackgroundSlot].fileName = "title.bmp";
    for (int slot = 2; slot < t.count; ++slot) t.entries[static_cast<std::size_t>(slot)].fileName = "menu.bmp";
    return t;
}

ImageTable SelectTable() {
    ImageTable t;
    PresetImageTable(ImageTableKind::Select, t);
    for (int slot = FormatOf(ImageTableKind::Select).firstEditedSlot; slot < t.count; ++slot) {
        ImageEntry& e = t.entries[static_cast<std::size_t>(slot)];
        e.fileName = "cursor.bmp";
        e.colorKey = 1;
        e.keyRed = kKeyRed;
        e.keyGreen = kKeyGreen;
        e.keyBlue = kKeyBlue;
    }
    return t;
}

std::vector<FaceEntry> Faces() {
    std::vector<FaceEntry> faces;
    for (int i = 0; i < kFaceCount; ++i) {
        FaceEntry f;
        f.fileName = "faces.bmp";
        f.areaLeft = i * kFaceSide;
        f.areaWidth = kFaceSide;
        f.areaHeight = kFaceSide;
        faces.push_back(f);
    }
    return faces;
}

// ---- effect animations ---------------------------------------------------------------------------

enum Effect : int { kSlashEffect, kFireEffect, kHealEffect, kPunchEffect, kArrowDownEffect, kArrowUpEffect,
                    kSparkEffect, kIceEffect, kChestEffect };

EffectAnimation SheetEffect(const char* name, int row, int speed) {
    EffectAnimation a;
    a.name = J(name);
    a.imageFile = "effects.bmp";
    a.colorKey = 1;
    a.keyRed = kKeyRed;
    a.keyGreen = kKeyGreen;
    a.keyBlue = kKeyBlue;
    a.areaWidth = kChipsPerRow * kChip;
    a.areaHeight = kEffectRows * kChip;
    a.cellWidth = kChip;
    a.cellHeight = kChip;
    a.speed = speed;
    a.frameCount = kEffectFrames;
    for (int f = 0; f < kEffectFrames; ++f) a.frames[static_cast<std::size_t>(f)] = {f, row, 144, 104};
    return a;
}

std::vector<EffectAnimation> Effects() {
    std::vector<EffectAnimation> effects = {
        SheetEffect("斬撃", kSlashRow, 2),       SheetEffect("炎", kFireRow, 3),
        SheetEffect("回復", kHealRow, 3),       SheetEffect("打撃", kPunchRow, 2),
        SheetEffect("下矢印", kArrowDownRow, 8), SheetEffect("上矢印", kArrowUpRow, 8),
        SheetEffect("雷光", kSparkRow, 2),       SheetEffect("氷", kIceRow, 3),
    };
    // The arrows blink between two frames.
    for (int e : {kArrowDownEffect, kArrowUpEffect}) effects[static_cast<std::size_t>(e)].frameCount = 2;
    EffectAnimation chest;
    chest.name = J("宝箱");
    chest.imageFile = "chest.bmp";
    chest.colorKey = 1;
    chest.keyRed = kKeyRed;
    chest.keyGreen = kKeyGreen;
    chest.keyBlue = kKeyBlue;
    chest.areaWidth = 2 * kChip;
    chest.areaHeight = kChip;
    chest.cellWidth = kChip;
    chest.cellHeight = kChip;
    chest.speed = 6;
    chest.frameCount = 2;
    chest.frames[0] = {0, 0, 144, 104};
    chest.frames[1] = {1, 0, 144, 104};
    effects.push_back(chest);
    return effects;
}

// ---- items ---------------------------------------------------------------------------------------

// Ten items of every kind: item k of kind c has the index c x 10 + k.
constexpr int ItemIndex(int kind, int k) { return kind * 10 + k; }
constexpr int kHerb = ItemIndex(kItemRecovery, 0);
constexpr int kGoodHerb = ItemIndex(kItemRecovery, 1);
constexpr int kAntidote = ItemIndex(kItemRecovery, 3);
constexpr int kCaveKey = ItemIndex(kItemOther, 2);
constexpr int kGlowStone = ItemIndex(kItemOther, 3);

std::vector<Item> Items() {
    const char* names[kItemKindCount][10] = {
        {"木の棒", "短剣", "銅の剣", "鉄の剣", "鋼の剣", "槍", "斧", "弓", "魔法の杖", "光の剣"},
        {"皮の帽子", "木の兜", "銅の兜", "鉄の兜", "鋼の兜", "羽根帽子", "魔法の帽子", "騎士の兜", "竜の兜", "光の冠"},
        {"布の服", "皮の鎧", "鎖かたびら", "銅の鎧", "鉄の鎧", "鋼の鎧", "魔法の衣", "騎士の鎧", "竜の鎧", "光の鎧"},
        {"木の盾", "皮の盾", "銅の盾", "鉄の盾", "鋼の盾", "魔法の盾", "騎士の盾", "竜の盾", "鏡の盾", "光の盾"},
        {"銀の指輪", "金の指輪", "守りの首飾り", "素早さの靴", "力の腕輪", "魔力の耳飾り", "命のお守り", "精神のお守り",
         "回避のマント", "星のブローチ"},
        {"薬草", "上薬草", "特薬草", "毒消し草", "魔法の水", "聖水", "回復の実", "元気の薬", "万能薬", "命の水"},
        {"力の種", "素早さの種", "守りの種", "魔力の種", "命の木の実", "不思議な木の実", "知恵の実", "回避の種",
         "精神の種", "幸せの種"},
        {"煙玉", "帰還の羽", "松明", "爆弾石", "眠り玉", "毒の瓶", "聖なる灰", "魔除けの鈴", "火打ち石", "地図の切れ端"},
        {"古い鍵", "村長の手紙", "洞窟の鍵", "光る石", "竜の鱗", "謎の巻物", "銀の鈴", "古い硬貨", "宝石", "勇者の証"},
    };
    const char* descriptions[kItemKindCount] = {
        "武器。\r\n攻撃力が上がる。", "頭の防具。", "体の防具。", "盾。\r\n身をかわしやすくなる。", "装飾品。",
        "使うと回復する。", "使うと能力が上がる。", "戦いや旅で使う道具。", "大切な物。",
    };
    std::vector<Item> items;
    for (int kind = 0; kind < kItemKindCount; ++kind) {
        for (int k = 0; k < 10; ++k) {
            Item it;
            it.kind = kind;
            it.name = J(names[kind][k]);
            it.description = J(descriptions[kind]);
            it.weaponAnimation = kNoWeaponAnimation;
            it.sound = kItemSoundNone;
            it.price = 10 + k * k * 60 + kind * 5;
            switch (kind) {
            case kItemWeapon:
                it.attack = 3 + k * 5;
                it.weaponAnimation = k == 8 ? kFireEffect : (k == 9 ? kSparkEffect : kSlashEffect);
                it.sound = kHitSound;
                if (k == 8) it.magicPower = 10;
                break;
            case kItemHelmet: it.physicalDefence = 1 + k * 2; it.mentalDefence = k; break;
            case kItemArmour: it.physicalDefence = 3 + k * 4; break;
            case kItemShield: it.physicalDefence = 2 + k * 3; it.evasion = 1 + k; break;
            case kItemOtherEquipment: {
                int Item::*const bonus[10] = {&Item::mentalDefence, &Item::maxMp, &Item::physicalDefence, &Item::agility,
                                              &Item::attack, &Item::magicPower, &Item::maxHp, &Item::maxMp,
                                              &Item::evasion, &Item::mentalDefence};
                it.*bonus[k] = 5 + k * 3;
                break;
            }
            case kItemRecovery:
                it.sound = kHealSound;
                if (k == 3) it.healthState = HealthStateBit(1);  // cures poison
                else if (k == 4 || k == 5) it.mp = 20 + k * 10;
                else it.hp = 30 + k * 40;
                break;
            case kItemAbilityRaising: {
                int Item::*const raised[10] = {&Item::attack, &Item::agility, &Item::physicalDefence, &Item::magicPower,
                                               &Item::maxHp, &Item::maxMp, &Item::mentalDefence, &Item::evasion,
                                               &Item::mentalDefence, &Item::maxHp};
                it.*raised[k] = k == 4 || k == 9 ? 10 : 2;
                it.sound = kLevelUpSound;
                it.price = 500 + k * 100;
                break;
            }
            case kItemOtherConsumable: it.sound = kSelectSound; break;
            case kItemOther:
                it.noDiscard = 1;
                it.price = 0;
                break;
            default: break;
            }
            items.push_back(it);
        }
    }
    items[kCaveKey].description = J("洞窟の奥の扉を開ける鍵。");
    items[kGlowStone].description = J("岩の魔物が守っていた石。\r\nほのかに光っている。");
    return items;
}

// ---- magic ---------------------------------------------------------------------------------------

std::vector<Magic> Spells() {
    const auto spell = [](const char* name, const char* description, int level, int cost) {
        Magic m;
        m.name = J(name);
        m.description = J(description);
        m.learnable = 1;
        m.level = level;
        m.cost = cost;
        m.sound = kMagicSound;
        return m;
    };
    std::vector<Magic> spells;
    Magic m = spell("ファイア", "敵ひとりを炎で焼く。", 1, 4);
    m.damage = 20;
    m.attackAnimation = kFireEffect;
    spells.push_back(m);
    m = spell("ファイアストーム", "敵全体を炎で包む。", 8, 12);
    m.damage = 40;
    m.allTargets = 1;
    m.attackAnimation = kFireEffect;
    spells.push_back(m);
    m = spell("アイス", "敵ひとりを凍らせる。", 4, 6);
    m.damage = 30;
    m.attackAnimation = kIceEffect;
    spells.push_back(m);
    m = spell("サンダー", "敵全体に雷を落とす。", 12, 16);
    m.damage = 60;
    m.allTargets = 1;
    m.attackAnimation = kSparkEffect;
    spells.push_back(m);
    m = spell("ヒール", "生命点を回復する。", 1, 3);
    m.hp = 50;
    m.attackAnimation = kHealEffect;
    m.sound = kHealSound;
    spells.push_back(m);
    m = spell("ハイヒール", "生命点を大きく回復する。", 10, 8);
    m.hp = 150;
    m.attackAnimation = kHealEffect;
    m.sound = kHealSound;
    spells.push_back(m);
    m = spell("スリープ", "敵を眠らせる。", 5, 5);
    m.healthState = 2;
    spells.push_back(m);
    m = spell("ポイズン", "敵に毒を浴びせる。", 3, 4);
    m.healthState = 1;
    m.sound = kPoisonSound;
    spells.push_back(m);
    m = spell("プロテクト", "肉体防御力を上げる。", 6, 5);
    m.physicalDefence = 10;
    spells.push_back(m);
    return spells;
}

// ---- monsters and enemy units ---------------------------------------------------------------------

enum MonsterIndex : int { kSlime, kBat, kWolf, kGoblin, kSkeleton, kGolem };

std::vector<Monster> Monsters() {
    struct Row {
        const char* name;
        const char* picture;
        int agility, evasion, attack, magic, phys, mental, hp, mp, exp, money;
    };
    const Row rows[] = {
        {"スライム", "slime.bmp", 5, 2, 8, 0, 3, 2, 20, 0, 4, 3},
        {"コウモリ", "bat.bmp", 18, 10, 10, 0, 3, 4, 24, 0, 6, 5},
        {"オオカミ", "wolf.bmp", 16, 6, 16, 0, 6, 4, 40, 0, 10, 8},
        {"ゴブリン", "goblin.bmp", 10, 5, 18, 4, 8, 6, 45, 10, 14, 15},
        {"ガイコツ", "skeleton.bmp", 9, 4, 24, 0, 12, 10, 60, 0, 20, 18},
        {"岩の魔物", "golem.bmp", 6, 2, 40, 20, 30, 20, 300, 40, 150, 200},
    };
    std::vector<Monster> monsters;
    for (const Row& r : rows) {
        Monster m;
        m.name = J(r.name);
        m.picture = r.picture;
        m.agility = r.agility;
        m.evasion = r.evasion;
        m.attack = r.attack;
        m.magicPower = r.magic;
        m.physicalDefence = r.phys;
        m.mentalDefence = r.mental;
        m.maxHp = r.hp;
        m.maxMp = r.mp;
        m.experience = r.exp;
        m.money = r.money;
        m.normalKind = kNormalWeapon;
        m.normalSound = kHitSound;
        m.keyOn = 1;
        m.keyRed = kKeyRed;
        m.keyGreen = kKeyGreen;
        m.keyBlue = kKeyBlue;
        monsters.push_back(m);
    }
    monsters[kBat].specialKind = kSpecialSleep;
    monsters[kBat].specialRate = 10;
    monsters[kBat].specialSuccess = 50;
    monsters[kGoblin].specialKind = kSpecialPoison;
    monsters[kGoblin].specialRate = 15;
    monsters[kGoblin].specialSuccess = 60;
    monsters[kGoblin].specialDamage = 5;
    monsters[kGolem].normalKind = kNormalMagic;
    return monsters;
}

Formation Group(std::initializer_list<int> monsters, float rate) {
    Formation f = NewFormation();
    int slot = 0;
    for (int m : monsters) f.monster[static_cast<std::size_t>(slot++)] = m + 1;
    f.rate = rate;
    f.bgm = kBattleBgm;
    return f;
}

enum UnitIndex : int { kFieldUnit, kCaveUnit, kGolemUnit };

std::vector<EnemyUnit> Units() {
    EnemyUnit field;
    field.name = J("平原の魔物");
    Formation slimes = Group({kSlime, kSlime}, 0.5f);
    slimes.item = kHerb;
    slimes.itemRate = 0.1f;
    slimes.itemCount = 1;
    SetUnitFormations(field, {slimes, Group({kSlime, kBat, kSlime}, 0.3f), Group({kWolf, kWolf}, 0.2f)});
    EnemyUnit cave;
    cave.name = J("洞窟の魔物");
    SetUnitFormations(cave, {Group({kBat, kBat, kBat}, 0.4f), Group({kGoblin, kBat}, 0.35f),
                             Group({kSkeleton, kGoblin}, 0.25f)});
    EnemyUnit golem;
    golem.name = J("洞窟の主");
    Formation boss = Group({}, 1.0f);
    boss.monster[1] = kGolem + 1;  // bottom centre
    boss.boss = 1;
    boss.item = kGlowStone;
    boss.itemRate = 1.0f;
    boss.itemCount = 1;
    SetUnitFormations(golem, {boss});
    return {field, cave, golem};
}

// ---- levels, player character --------------------------------------------------------------------

std::vector<LevelRow> Levels() {
    std::vector<LevelRow> rows;
    for (int level = 1; level <= 30; ++level) {
        const int experience = static_cast<int>(std::lround(12.0 * std::pow(level - 1, 2.3)));
        rows.push_back({level, std::min(experience, kExperienceMax)});
    }
    return rows;
}

PlayerCharacter Hero() {
    PlayerCharacter pc = DefaultPlayerCharacter();
    pc.name = J("アレン");
    // The view's top-left cell and where in it the hero stands.
    pc.viewCellX = kPcStart.x - 5;
    pc.viewCellY = kPcStart.y - 4;
    pc.startX = StartPixelX(kPcStart.x - pc.viewCellX);
    pc.startY = StartPixelY(kPcStart.y - pc.viewCellY, 48);
    pc.direction = 0;
    pc.money = 100;
    pc.chip = {"hero.bmp", 0, 0, 96, 192, kDrawOpaque, 1, kKeyRed, kKeyGreen, kKeyBlue};
    pc.face = {"faces.bmp", 0, 0, kFaceSide, kFaceSide, kDrawOpaque, 0, 0, 0, 0};
    pc.equipment = {ItemIndex(kItemWeapon, 1) + 1, 0, ItemIndex(kItemArmour, 0) + 1, ItemIndex(kItemShield, 0) + 1, 0};
    pc.belongings = {{kHerb + 1, 3}, {kAntidote + 1, 1}};
    for (int item : pc.equipment)
        if (item != 0) pc.belongings.push_back({item, 1});
    return pc;
}

// ---- NPCs, chests, shops -------------------------------------------------------------------------

enum SceneNumber : int { kVillage = 0, kField = 1, kCave = 2 };

// Event command groups of each scene, by number.
enum VillageGroup : int {
    kElderGroup = 4, kElderTalk, kChildGroup, kChildTalk, kGuardGroup, kGuardTalk, kVillagerGroup, kVillagerTalk,
    kVillageChestGroup, kVillageChestTalk, kWeaponShopGroup, kWeaponShopTalk, kItemShopGroup, kItemShopTalk,
    kInnGroup, kInnTalk, kInnPay, kInnRest, kInnRestTalk, kInnShort, kInnShortTalk, kVillageSignGroup,
    kVillageSignTalk, kVillageExitGroup, kVillageGroupCount,
};
enum FieldGroup : int { kFieldExitGroup, kCaveEntryGroup, kFieldSignGroup, kFieldSignTalk, kTravellerGroup,
                        kTravellerTalk, kFieldGroupCount };
enum CaveGroup : int { kCaveExitGroup, kCaveKeyGroup, kCaveKeyTalk, kCaveHerbGroup, kCaveHerbTalk, kLostGroup,
                       kLostTalk, kGolemGroup, kCaveGroupCount };

// Flags the events set and test.
constexpr int kTalkedToElderFlag = 0, kCaveKeyFlag = 1, kGolemBeatenFlag = 2;

Npc MakeNpc(int scene, Cell at, int facing, const char* sprite, const char* name, int group) {
    Npc n = NewNpc();
    n.scene = scene;
    n.facing = facing;
    n.x = at.x;
    n.y = at.y;
    n.rangeCentreX = at.x;
    n.rangeCentreY = at.y;
    n.group = group;
    n.spriteFile = sprite;
    n.regionWidth = 96;
    n.regionHeight = 192;
    n.colourKey = 1;
    n.keyRed = kKeyRed;
    n.keyGreen = kKeyGreen;
    n.keyBlue = kKeyBlue;
    n.frameOrder = {1, 2, 1, 0};
    n.facingRow = {0, 1, 2, 3};
    n.displayName = name;
    return n;
}

std::vector<Npc> Npcs() {
    Npc child = MakeNpc(kVillage, kChild, 0, "child.bmp", "child", kChildGroup);
    child.actionKind = 1;  // walks about
    child.rangeX = 3;
    child.rangeY = 1;
    child.speed = 30;
    Npc villager = MakeNpc(kVillage, kVillager, 1, "villager.bmp", "villager", kVillagerGroup);
    villager.actionKind = 1;
    villager.rangeX = 2;
    villager.rangeY = 2;
    return {MakeNpc(kVillage, kElder, 0, "elder.bmp", "elder", kElderGroup), child,
            MakeNpc(kVillage, kGuard, 1, "guard.bmp", "guard", kGuardGroup), villager,
            MakeNpc(kField, kTraveller, 3, "traveller.bmp", "traveller", kTravellerGroup),
            MakeNpc(kCave, kLostTraveller, 2, "traveller.bmp", "lost", kLostGroup)};
}

TreasureChest MakeChest(int scene, Cell at, int group) {
    TreasureChest c = NewTreasureChest();
    c.scene = scene;
    c.x = at.x;
    c.y = at.y;
    c.animation = kChestEffect;
    c.soundEffect = kChestSound;
    c.group = group;
    return c;
}

std::vector<TreasureChest> Chests() {
    return {MakeChest(kVillage, kVillageChest, kVillageChestGroup), MakeChest(kCave, kCaveChestA, kCaveKeyGroup),
            MakeChest(kCave, kCaveChestB, kCaveHerbGroup)};
}

std::vector<Shop> Shops() {
    Shop weapons = NewShop();
    weapons.kind = 0;
    weapons.scene = kVillage;
    weapons.x = kShopDoor.x;
    weapons.y = kShopDoor.y;
    weapons.direction = 3;
    weapons.group = kWeaponShopGroup;
    weapons.buyPicture = weapons.sellPicture = "shop.bmp";
    std::vector<int> goods;
    for (int kind : {kItemWeapon, kItemHelmet, kItemArmour, kItemShield})
        for (int k = 0; k < 5; ++k) goods.push_back(ItemIndex(kind, k));
    SetShopGoods(weapons, goods);
    Shop tools = NewShop();
    tools.kind = 2;
    tools.scene = kVillage;
    tools.x = kItemShopDoor.x;
    tools.y = kItemShopDoor.y;
    tools.direction = 3;
    tools.group = kItemShopGroup;
    tools.buyPicture = tools.sellPicture = "shop.bmp";
    SetShopGoods(tools, {kHerb, kGoodHerb, kAntidote, ItemIndex(kItemRecovery, 4), ItemIndex(kItemOtherConsumable, 0),
                         ItemIndex(kItemOtherConsumable, 1), ItemIndex(kItemOtherConsumable, 2)});
    return {weapons, tools};
}

// ---- scenes --------------------------------------------------------------------------------------

EventCommandGroup CommandGroup(const char* explanation, std::vector<std::string> lines) {
    EventCommandGroup g;
    g.explanation = J(explanation);
    std::vector<std::string> stored;
    for (const std::string& line : lines) stored.push_back(StoredEventCommandLine(line));
    g.commands = CommandLines(stored);
    return g;
}

// The talk of `text`, in a group of its own that a "message" line shows.
EventCommandGroup TalkGroup(const char* explanation, int text) {
    TalkContentCommand talk;
    talk.text = text;
    return CommandGroup(explanation, {BuildTalkContent(talk)});
}

// Every chip set draws its upper layer keyed on magenta; water and the cave pool are animated.
Scene BaseScene(int kind, const char* name, const char* map, int bgm) {
    Scene s;
    s.kind = kind;
    s.name = J(name);
    s.mapDataFile = map;
    s.backgroundChipSet = "ground.bmp";
    s.layerChipSet = "upper.bmp";
    s.layerColourKey = 1;
    s.layerKeyRed = kKeyRed;
    s.layerKeyGreen = kKeyGreen;
    s.layerKeyBlue = kKeyBlue;
    s.bgmIndex = bgm;
    s.mapAnimationFile = "map_anim0.txt";
    s.terrainAnimation[kWater / kChipsPerRow][kWater % kChipsPerRow] = 1;
    s.terrainAnimation[kCavePool / kChipsPerRow][kCavePool % kChipsPerRow] = 2;
    return s;
}

void BattleOn(Scene& s, std::initializer_list<int> chips, int row) {
    for (int chip : chips) s.terrainBattle[static_cast<std::size_t>(chip / kChipsPerRow)][static_cast<std::size_t>(chip % kChipsPerRow)] = row + 1;
}

std::string ShowTalk(int group) { return BuildShowTalk(group); }

Scene VillageScene() {
    Scene s = BaseScene(2, "ルミナ村", "village.bin", kVillageBgm);
    const Scene title = NewScene();
    s.groups = title.groups;  // the title menu's four groups come first
    s.groups.resize(kVillageGroupCount);
    const auto set = [&s](int number, EventCommandGroup g) { s.groups[static_cast<std::size_t>(number)] = std::move(g); };
    set(kElderGroup, CommandGroup("村長", {ShowTalk(kElderTalk), BuildSetFlag(kTalkedToElderFlag, FlagOperation::Assign, 1)}));
    set(kElderTalk, TalkGroup("村長の話", kElderText));
    set(kChildGroup, CommandGroup("子供", {ShowTalk(kChildTalk)}));
    set(kChildTalk, TalkGroup("子供の話", kChildText));
    set(kGuardGroup, CommandGroup("門番", {ShowTalk(kGuardTalk)}));
    set(kGuardTalk, TalkGroup("門番の話", kGuardText));
    set(kVillagerGroup, CommandGroup("村人", {ShowTalk(kVillagerTalk)}));
    set(kVillagerTalk, TalkGroup("村人の話", kVillagerText));
    set(kVillageChestGroup, CommandGroup("宝箱（薬草）", {BuildAddRemoveItems(kHerb, AmountSign::Plus, 1, ItemTrade::GiveAndReceive),
                                                          ShowTalk(kVillageChestTalk)}));
    set(kVillageChestTalk, TalkGroup("薬草を手に入れた", kChestHerbText));
    set(kWeaponShopGroup, CommandGroup("武器屋", {ShowTalk(kWeaponShopTalk)}));
    set(kWeaponShopTalk, TalkGroup("武器屋の挨拶", kWeaponShopText));
    set(kItemShopGroup, CommandGroup("道具屋", {ShowTalk(kItemShopTalk)}));
    set(kItemShopTalk, TalkGroup("道具屋の挨拶", kItemShopText));
    set(kInnGroup, CommandGroup("宿屋", {ShowTalk(kInnTalk)}));
    TalkContentCommand ask;
    ask.text = kInnText;
    ask.choices[0] = {false, kInnPay, J("はい")};
    ask.choices[1] = {false, kNoEventGroup, J("いいえ")};
    set(kInnTalk, CommandGroup("宿屋：泊まるか", {BuildTalkContent(ask)}));
    set(kInnPay, CommandGroup("宿屋：支払い", {BuildChangeMoney(AmountSign::Minus, 10, kInnRest, kInnShort)}));
    set(kInnRest, CommandGroup("宿屋：休む", {BuildKeywordCommand(EventCommandKind::Fade).value_or(""),
                                               BuildKeywordCommand(EventCommandKind::FullRecovery).value_or(""),
                                               ShowTalk(kInnRestTalk)}));
    set(kInnRestTalk, TalkGroup("宿屋：お休み", kInnDoneText));
    set(kInnShort, CommandGroup("宿屋：お金不足", {ShowTalk(kInnShortTalk)}));
    set(kInnShortTalk, TalkGroup("宿屋：足りない", kInnShortText));
    set(kVillageSignGroup, CommandGroup("立て札", {ShowTalk(kVillageSignTalk)}));
    set(kVillageSignTalk, TalkGroup("立て札の文", kVillageSignText));
    set(kVillageExitGroup, CommandGroup("平原へ", {BuildSceneChange(kField, kFieldWestExit.x + 1, kFieldWestExit.y, kNoEventGroup)}));
    s.sceneChanges = {{kVillageEastExit.x, kVillageEastExit.y, 4, kVillageExitGroup}};
    s.eventPositions = {{kInnPosition, kInnDoor.x, kInnDoor.y, 3, kInnGroup, 0},
                        {kSignpostPosition, kVillageSign.x, kVillageSign.y, 3, kVillageSignGroup, 0}};
    return s;
}

Scene FieldScene() {
    Scene s = BaseScene(0, "東の平原", "field.bin", kFieldBgm);
    s.groups.resize(kFieldGroupCount);
    const auto set = [&s](int number, EventCommandGroup g) { s.groups[static_cast<std::size_t>(number)] = std::move(g); };
    set(kFieldExitGroup, CommandGroup("村へ", {BuildSceneChange(kVillage, kVillageEastExit.x - 1, kVillageEastExit.y, kNoEventGroup)}));
    set(kCaveEntryGroup, CommandGroup("洞窟へ", {BuildKeywordCommand(EventCommandKind::Fade).value_or(""),
                                                  BuildSceneChange(kCave, kCaveExit.x, kCaveExit.y - 1, kNoEventGroup)}));
    set(kFieldSignGroup, CommandGroup("立て札", {ShowTalk(kFieldSignTalk)}));
    set(kFieldSignTalk, TalkGroup("立て札の文", kFieldSignText));
    set(kTravellerGroup, CommandGroup("旅人", {ShowTalk(kTravellerTalk)}));
    set(kTravellerTalk, TalkGroup("旅人の話", kTravellerText));
    s.sceneChanges = {{kFieldWestExit.x, kFieldWestExit.y, 4, kFieldExitGroup},
                      {kCaveMouthCell.x, kCaveMouthCell.y, 3, kCaveEntryGroup}};
    s.eventPositions = {{kSignpostPosition, kFieldSign.x, kFieldSign.y, 3, kFieldSignGroup, 0}};
    s.battles = {{kFieldUnit, 8.0f, "battle_field.bmp"}, {kFieldUnit, 3.0f, "battle_field.bmp"}};
    BattleOn(s, {kGrass, kGrassTuft, kDarkGrass}, 0);
    BattleOn(s, {kMeadow, kDirt}, 1);
    return s;
}

Scene CaveScene() {
    Scene s = BaseScene(1, "古い洞窟", "cave.bin", kCaveBgm);
    s.groups.resize(kCaveGroupCount);
    const auto set = [&s](int number, EventCommandGroup g) { s.groups[static_cast<std::size_t>(number)] = std::move(g); };
    set(kCaveExitGroup, CommandGroup("平原へ", {BuildSceneChange(kField, kCaveMouthCell.x, kCaveMouthCell.y + 1, kNoEventGroup)}));
    set(kCaveKeyGroup, CommandGroup("宝箱（鍵）", {BuildAddRemoveItems(kCaveKey, AmountSign::Plus, 1, ItemTrade::GiveAndReceive),
                                                   BuildSetFlag(kCaveKeyFlag, FlagOperation::Assign, 1),
                                                   ShowTalk(kCaveKeyTalk)}));
    set(kCaveKeyTalk, TalkGroup("鍵を手に入れた", kCaveKeyText));
    set(kCaveHerbGroup, CommandGroup("宝箱（上薬草）", {BuildAddRemoveItems(kGoodHerb, AmountSign::Plus, 2, ItemTrade::GiveAndReceive),
                                                        ShowTalk(kCaveHerbTalk)}));
    set(kCaveHerbTalk, TalkGroup("上薬草を手に入れた", kCaveHerbText));
    set(kLostGroup, CommandGroup("迷子の旅人", {ShowTalk(kLostTalk)}));
    set(kLostTalk, TalkGroup("迷子の旅人の話", kLostText));
    BattleCommand golem;
    golem.enemyUnit = kGolemUnit;
    golem.textBefore = kGolemBeforeText;
    golem.textAfter = kGolemAfterText;
    golem.talkSpeed = 4;
    golem.background = "battle_cave.bmp";
    set(kGolemGroup, CommandGroup("洞窟の主", {BuildConditionalBranch(kGolemBeatenFlag, FlagComparison::Equal, 0),
                                               BuildBattle(golem), BuildSetFlag(kGolemBeatenFlag, FlagOperation::Assign, 1),
                                               BuildPlayBgm(kCaveBgm), BuildKeywordCommand(EventCommandKind::EndBranch).value_or("")}));
    s.sceneChanges = {{kCaveExit.x, kCaveExit.y, 4, kCaveExitGroup}};
    s.eventPositions = {{kFixedBattlePosition, kGolemSpot.x, kGolemSpot.y + 2, 3, kGolemGroup, 0}};
    s.battles = {{kCaveUnit, 10.0f, "battle_cave.bmp"}};
    BattleOn(s, {kCaveFloor, kCaveGravel}, 0);
    return s;
}

MapAnimation TerrainAnimations() {
    MapAnimation a = NewMapAnimation();
    a.imageFile = "water.bmp";
    a.speed = 10;
    for (int row = 0; row < 2; ++row) {
        MapAnimationSequence seq;
        for (int f = 0; f < 4; ++f) seq.frames.push_back({f * kChip, row * kChip});
        a.animations.push_back(seq);
    }
    return a;
}

// ---- the rest ------------------------------------------------------------------------------------

GameSettings Settings() {
    GameSettings s;
    ResetGameSettings(s);
    s.title = J("光る石の洞窟");
    s.currencyName = J("ゴールド");
    s.focusImage = "focus.bmp";
    s.focusSpec = {kDrawOpaque, 1, {kKeyRed, kKeyGreen, kKeyBlue}};
    s.effectArrowTalk = kArrowDownEffect;
    s.effectArrowMenuUp = kArrowUpEffect;
    s.effectArrowMenuDown = kArrowDownEffect;
    s.effectBareHand = kPunchEffect;
    s.soundBareHand = kHitSound;
    s.soundBattleItem = kHealSound;
    s.soundBattleLevelUp = kLevelUpSound;
    s.soundPoison = kPoisonSound;
    s.soundEquip = kEquipSound;
    s.soundUnequip = kEquipSound;
    s.bgmLevelUp = kFanfareBgm;
    s.bgmGameOver = kGameOverBgm;
    return s;
}

TitleScreen Title() {
    TitleScreen t;
    ResetTitleScreen(t);
    ApplyTitleEditorFlags(t);
    t.bgm = kTitleBgm;
    return t;
}

Narration Prologue() {
    Narration n = NewNarrationDefaults();
    n.text = kPrologueText;
    n.left = 24;
    n.top = 150;
    n.right = 296;
    n.bottom = 230;
    n.wait = 2000;
    n.lastPageTime = 3000;
    n.image = "prologue.bmp";
    n.bgm = kTitleBgm;
    return n;
}

FlagExplanations Flags() {
    FlagExplanations f;
    f.text[kTalkedToElderFlag] = J("村長と話した");
    f.text[kCaveKeyFlag] = J("洞窟の鍵を手に入れた");
    f.text[kGolemBeatenFlag] = J("岩の魔物を倒した");
    return f;
}

std::vector<std::string> Names(const std::vector<NamedBytes>& files) {
    std::vector<std::string> names;
    for (const NamedBytes& f : files) names.emplace_back(f.name);
    return names;
}

}  // namespace

std::vector<SampleFile> SampleGameFiles() {
    std::vector<SampleFile> files;
    const auto add = [&files](SampleFolder folder, std::string name, std::string bytes) {
        files.push_back({folder, std::move(name), std::move(bytes)});
    };
    Project names;
    names.dataFolder = kSampleDataFolder;
    names.imageFolder = kSampleImageFolder;
    names.audioFolder = kSampleAudioFolder;
    names.waitImage = "loading.bmp";
    add(SampleFolder::Project, "prepare.txt", PrepareFileBytes(names));

    const std::vector<NamedBytes> music = Music(), sounds = Sounds(), pictures = Pictures();
    for (const NamedBytes& m : music) add(SampleFolder::Audio, m.name, m.bytes);
    for (const NamedBytes& s : sounds) add(SampleFolder::Audio, s.name, s.bytes);
    for (const NamedBytes& p : pictures) add(SampleFolder::Image, p.name, p.bytes);

    const auto data = [&add](std::string_view name, std::string bytes) { add(SampleFolder::Data, std::string(name), std::move(bytes)); };
    data("midi_list.txt", AudioListBytes(AudioList::Bgm, Names(music)));
    data("wave_list.txt", AudioListBytes(AudioList::Sound, Names(sounds)));
    data(kTalkFile, TalkListBytes(Texts()));
    data("image_back.txt", ImageTableBytes(ImageTableKind::Back, BackTable()));
    data("image_select.txt", ImageTableBytes(ImageTableKind::Select, SelectTable()));
    data(kFaceFile, FaceListBytes(Faces()));
    data(kEffectFile, EffectFileBytes(Effects()));
    data(kNarrationFile, NarrationListBytes({Prologue()}));
    data(kItemFile, ItemListBytes(Items()));
    data(kMagicFile, MagicListBytes(Spells()));
    data(kMonsterFile, MonsterListBytes(Monsters()));
    data(kEnemyFile, EnemyListBytes(Units()));
    data(kLevelFile, LevelListBytes(Levels()));
    data(kLevelAbilityFile, GrowthListBytes(BuiltInGrowthList()));
    data(kPlayerCharacterFile, PlayerCharacterBytes(Hero()));
    data("start_game.txt", StartGameFileBytes(kVillage));
    data(kTitleFile, TitleScreenBytes(Title()));
    data("setting.txt", GameSettingsBytes(Settings()));
    data(kFlagFile, FlagExplanationsBytes(Flags()));

    // NPCs, chests and shops stand in the scenes whose lists the editors rebuild from them: the
    // scenes get exactly the lists a rebuild would give.
    const std::vector<Npc> npcs = Npcs();
    const std::vector<TreasureChest> chests = Chests();
    const std::vector<Shop> shops = Shops();
    data(kNpcFile, NpcListBytes(npcs));
    data(kTreasureFile, TreasureListBytes(chests));
    data(kShopFile, ShopListBytes(shops));
    std::vector<SceneListRow> npcRows, chestRows, shopRows;
    for (const Npc& n : npcs) npcRows.push_back({n.scene});
    for (const TreasureChest& c : chests) chestRows.push_back({c.scene});
    for (const Shop& s : shops) shopRows.push_back({s.scene, s.x, s.y, s.direction, s.group});
    const std::pair<int, Scene> scenes[] = {{kVillage, VillageScene()}, {kField, FieldScene()}, {kCave, CaveScene()}};
    for (auto [number, scene] : scenes) {
        RebuildSceneList(scene, number, SceneList::Npc, npcRows);
        RebuildSceneList(scene, number, SceneList::Chest, chestRows);
        RebuildSceneList(scene, number, SceneList::Shop, shopRows);
        data(SceneFileName(number), SceneBytes(scene));
    }
    data(MapAnimationFileName(0), MapAnimationBytes(TerrainAnimations()));
    data("village.bin", MapDataBytes(SampleVillageMap()));
    data("field.bin", MapDataBytes(SampleFieldMap()));
    data("cave.bin", MapDataBytes(SampleCaveMap()));
    return files;
}

SampleWriteResult WriteSampleGame(const fs::path& folder) {
    SampleWriteResult result;
    std::error_code ec;
    if (fs::exists(folder, ec)) {
        if (!fs::is_directory(folder, ec)) {
            result.status = SampleWriteStatus::NotFolder;
            return result;
        }
        fs::directory_iterator it(folder, ec);
        if (ec) {
            result.status = SampleWriteStatus::NotFolder;
            return result;
        }
        if (it != fs::directory_iterator()) {
            result.status = SampleWriteStatus::NotEmpty;
            return result;
        }
    } else if (!fs::create_directories(folder, ec) || ec) {
        result.status = SampleWriteStatus::NotFolder;
        return result;
    }
    const auto folderOf = [&folder](SampleFolder f) {
        switch (f) {
        case SampleFolder::Data: return folder / kSampleDataFolder;
        case SampleFolder::Image: return folder / kSampleImageFolder;
        case SampleFolder::Audio: return folder / kSampleAudioFolder;
        default: return folder;
        }
    };
    for (SampleFolder f : {SampleFolder::Data, SampleFolder::Image, SampleFolder::Audio}) {
        fs::create_directory(folderOf(f), ec);
        if (ec) result.failed.push_back(folderOf(f));
    }
    FileBatch batch(folder, folderOf(SampleFolder::Data));
    if (result.failed.empty()) {
        for (const SampleFile& file : SampleGameFiles()) batch.Prepare(folderOf(file.folder) / file.name, file.bytes);
        if (batch.ok() && batch.CommitAll()) return result;
        for (const fs::path& p : batch.failed()) result.failed.push_back(p);
    }
    // Leave the folder as empty as it was found.
    for (SampleFolder f : {SampleFolder::Data, SampleFolder::Image, SampleFolder::Audio}) fs::remove_all(folderOf(f), ec);
    fs::remove(folder / "prepare.txt", ec);
    result.status = SampleWriteStatus::Failed;
    return result;
}

}  // namespace lw
