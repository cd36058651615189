#include "fuzz_entry.h"

#include <cstdint>
#include <cstdlib>

#include "core/events/event_commands.h"
#include "core/events/flag_explanations.h"
#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "core/media/image_lists.h"
#include "core/check/line_references.h"
#include "core/tagfile/tag_reader.h"
#include "core/media/talk_list.h"
#include "core/media/narration_list.h"
#include "core/project/project.h"
#include "core/rules/enemy_units.h"
#include "core/rules/items.h"
#include "core/rules/monsters.h"
#include "core/rules/levels.h"
#include "core/rules/magic.h"
#include "core/settings/game_settings.h"
#include "core/settings/title_screen.h"
#include "core/tagfile/string_list.h"
#include "core/world/map_data.h"
#include "core/world/placement.h"
#include "core/world/scene.h"
#include "core/world/npc_list.h"
#include "core/rules/treasure_list.h"
#include "core/rules/shop_list.h"
// player character
#include "core/rules/player_character.h"
#include "core/world/map_animation.h"
// player character

#ifdef LW_FUZZ_BMP
#include "render/bitmap.h"
#endif

namespace lw::fuzz {

namespace {

std::string PrepareSeed() {
    Project p;
    p.dataFolder = "data";
    p.imageFolder = "image";
    p.audioFolder = "audio";
    p.waitImage = "loading.bmp";
    return PrepareFileBytes(p);
}
void PrepareRead(std::string_view bytes) {
    Project p;
    ParsePrepareFile(p, bytes);
}

std::string FlagSeed() {
    FlagExplanations t;
    t.text[0] = "first flag";
    t.text[7] = "\x83\x74\x83\x89\x83\x4f";  // a CP932 word
    return FlagExplanationsBytes(t);
}
void FlagRead(std::string_view bytes) {
    static FlagExplanations t;
    ParseFlagExplanations(bytes, t);
}

std::string StringListSeed() {
    std::vector<std::string> names = {"a.mid", "b c.mid", ""};
    return WriteStringList("midi_number", "midi_data", names);
}
void StringListRead(std::string_view bytes) { ReadStringListLines(bytes, "midi_number", "midi_data", 255); }

std::string EffectSeed() {
    EffectAnimation a;
    a.name = "\x89\xce name";
    a.imageFile = "fire.bmp";
    a.speed = 2;
    a.cellWidth = a.cellHeight = 16;
    a.areaWidth = a.areaHeight = 64;
    a.frameCount = 3;
    a.frames[1] = {1, 2, 30, 40};
    return EffectFileBytes({a, EffectAnimation{}});
}
void EffectRead(std::string_view bytes) {
    ParseEffectList(bytes);
    static EffectTable t;
    ParseEffectTable(bytes, t);
}

std::string AudioTableSeed() { return AudioListBytes(AudioList::Bgm, {"title.mid", "field theme.mid", ""}); }
void AudioTableRead(std::string_view bytes) {
    static AudioTable t;
    ParseAudioTable(bytes, AudioList::Bgm, t);
    ParseAudioListNames(bytes, AudioList::Bgm);
}
std::string SoundTableSeed() { return AudioListBytes(AudioList::Sound, {"door.wav", "", "step two.wav"}); }
void SoundTableRead(std::string_view bytes) {
    static AudioTable t;
    ParseAudioTable(bytes, AudioList::Sound, t);
    ParseAudioListNames(bytes, AudioList::Sound);
}

// Event command lines and position rows, one line at a time as the editors read them.
std::string EventLineSeed() {
    return "talk 0\r\nwave -1 1\r\nfade 3\r\nendtalk 0\r\n12 7 2 3\r\n-1 300 4 -1\r\n\x83\x65\x83\x58\x83\x67";
}
void EventLineRead(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        (void)RecognizeEventCommand(line);
        (void)ParsePositionRow(line);
        if (end == std::string_view::npos) break;
        bytes.remove_prefix(end + 1);
    }
}

std::string SettingsSeed() {
    GameSettings s;
    ResetGameSettings(s);
    return GameSettingsBytes(s);
}
void SettingsRead(std::string_view bytes) {
    static GameSettings s;
    ResetGameSettings(s);
    ParseGameSettings(bytes, s);
}

// ---- start_game.txt and the BMP decoder ----------------------------------------------------------

std::string StartGameSeed() { return StartGameFileBytes(12); }
void StartGameRead(std::string_view bytes) {
    int scene = -1;
    ParseStartGameFile(bytes, scene);
}

#ifdef LW_FUZZ_BMP
// An 8-bit BMP of 5 x 3 with a 4-colour palette (rows padded to 8 bytes): header, palette and
// pixels, so that mutations reach every part of the decoder.
std::string BmpSeed() {
    auto le = [](std::string& out, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    const int width = 5, height = 3, stride = 8, colours = 4;
    const std::uint32_t pixelsAt = 14 + 40 + 4 * colours;
    std::string b = "BM";
    le(b, pixelsAt + stride * height, 4);
    le(b, 0, 4);
    le(b, pixelsAt, 4);
    le(b, 40, 4);
    le(b, width, 4);
    le(b, height, 4);
    le(b, 1, 2);
    le(b, 8, 2);
    le(b, 0, 4);
    le(b, stride * height, 4);
    le(b, 2835, 4);
    le(b, 2835, 4);
    le(b, colours, 4);
    le(b, 0, 4);
    for (std::uint32_t c : {0x000000u, 0xFF0000u, 0x00FF00u, 0x0000FFu}) le(b, c, 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < stride; ++x) b.push_back(static_cast<char>((x + y) % colours));
    return b;
}
void BmpRead(std::string_view bytes) { (void)DecodeBmp(bytes); }
#endif

// ---- Items, image lists, title screen, levels ----------------------------------------------

std::string ItemSeed() {
    Item sword;
    sword.attack = 12;
    sword.weaponAnimation = -1;
    sword.sound = 3;
    sword.price = 120;
    sword.name = "ShortSword";
    sword.description = "A\r\nplain_blade";
    Item potion;
    potion.kind = kItemRecovery;
    potion.healthState = 1;
    potion.name = "\x96\xf2";  // a CP932 word
    return ItemListBytes({sword, potion});
}
void ItemRead(std::string_view bytes) {
    ParseItemList(bytes);
    std::vector<ItemChoice> choices;
    ParseItemChoices(bytes, kItemShield, choices);
}

std::string ImageBackSeed() {
    ImageTable t;
    PresetImageTable(ImageTableKind::Back, t);
    t.count = 22;
    t.entries[1].fileName = "title.bmp";
    t.entries[21] = ImageEntry{"menu.bmp", 2, 1, 255, 0, 255};
    return ImageTableBytes(ImageTableKind::Back, t);
}
void ImageBackRead(std::string_view bytes) {
    static ImageTable t;
    ParseImageTable(bytes, ImageTableKind::Back, t);
    ParseImageTable(bytes, ImageTableKind::Select, t);
}

std::string FaceSeed() {
    FaceEntry a;
    a.fileName = "faces.bmp";
    a.areaWidth = a.areaHeight = 48;
    a.reserved1 = 7;
    FaceEntry b = a;
    b.areaLeft = 48;
    b.colorKey = 1;
    return FaceListBytes({a, b});
}
void FaceRead(std::string_view bytes) { ParseFaceList(bytes); }

std::string TitleSeed() {
    TitleScreen t;
    SetTitleEntryOn(t, 2, false);
    t.entries[7] = {1, 7, "extra"};
    return TitleScreenBytes(t);
}
void TitleRead(std::string_view bytes) {
    static TitleScreen t;
    ParseTitleScreen(bytes, t);
}

std::string LevelSeed() {
    std::string bytes = LevelListBytes(DefaultLevelTable().rows);
    return bytes + "\r\n<level_add>\r\n1 250\r\n</level_add>\r\n<level_max>\r\n14\r\n</level_max>";
}
void LevelRead(std::string_view bytes) {
    LevelTable t = ParseLevelTable(bytes);
    std::vector<LevelRow> rows = LevelListRows(t);
    ResizeLevelRows(rows, InitialMaxLevel(t));
}

std::string GrowthSeed() { return GrowthListBytes(BuiltInGrowthList()); }
void GrowthRead(std::string_view bytes) { ParseGrowthList(bytes); }

// ---- end of items, image lists, title screen, levels ---------------------------------------
// ---- Scenes and maps: map data, scene files, npc_list.txt, treasure_list.txt ----

std::string MapSeed() {
    MapData m;
    m.width = 3;
    m.height = 2;
    m.cells = {MakeMapCell(1, 0), MakeMapCell(2, 3, 9, 9), 0, MakeMapCell(255, 255), 5, 6};
    return MapDataBytes(m) + "tail";
}
void MapRead(std::string_view bytes) {
    static MapData m;
    // A map read is written back as the same bytes (the editor's save of an unchanged map).
    if (ParseMapData(bytes, m) && MapDataBytes(m) != bytes) std::abort();
}

std::string SceneSeed() {
    Scene s = NewScene();
    s.name = "\x8a\x58 town";
    s.layerDrawMode = 2;
    s.battles = {{3, 50.0f, "bg.bmp"}, {1, 2.5f, ""}};
    s.terrainBattle[1][2] = 2;
    s.mapAnimationFile = "map_anim0.txt";
    s.terrainAnimation[0][0] = 1;
    s.npcIndices = {0, 3};
    s.treasureIndices = {2};
    s.sceneChanges = {{1, 2, 4, -1}};
    s.eventPositions = {{0, 1, 1, 0, 2, 0}, {1, 2, 2, 4, -1, 0}};
    return SceneBytes(s);
}
void SceneRead(std::string_view bytes) {
    static Scene s;
    ParseScene(bytes, s);
}

std::string NpcSeed() {
    Npc a = NewNpc();
    a.spriteFile = "guard.bmp";
    a.regionWidth = 96;
    a.regionHeight = 128;
    a.facingRow = {0, 1, 2, 3};
    a.displayName = "guard";
    Npc b = NewNpc();  // an empty sprite file and name
    return NpcListBytes({a, b});
}
void NpcRead(std::string_view bytes) {
    static NpcTable t;
    BuildNpcTable(ParseNpcList(bytes), t);
}

std::string TreasureSeed() {
    TreasureChest c = NewTreasureChest();
    c.x = 3;
    c.animation = 1;
    return TreasureListBytes({c, TreasureChest{}});
}
void TreasureRead(std::string_view bytes) {
    static TreasureTable t;
    ParseTreasureTable(bytes, t);
    ParseTreasureList(bytes);
}

// ---- end of scenes and maps ----

// ---- Text list ------------------------------------------------------------------------------

std::string TalkSeed() { return TalkListBytes({"Hello\r\n<face 2><wave 0>*", "", "\x82\xA0<quake 3 5 0 2>#"}); }
void TalkRead(std::string_view bytes) {
    for (const std::string& text : ParseTalkList(bytes)) {
        TalkListLabel(text);
        TalkStoredText(text);
    }
}

// ---- end of text list -----------------------------------------------------------------------

// ---- Command lines and talk markup as the project check reads them ---------------------------

std::string CommandLinesSeed() {
    return "? flag12 >= 3\nitem7 -2 1\ntalk 3 0 2 1 2 -1 -1 a b \x82\xc8\x82\xb5 x\nbattle 1 -1 -1 20 1 -1 \n"
           "quake 3 5 0 2 1\nscene 4 1 1\n<midi 2><anim 1 2 0 1><name_back sky.bmp><wait 500";
}
void CommandLinesRead(std::string_view bytes) {
    LineScan scan;
    ForEachLine(bytes, [&](std::string_view line) { ScanEventLine(line, {}, scan); });
    ScanTalkText(bytes, scan);
}

// ---- Magic -------------------------------------------------------------------------------------

std::string MagicSeed() {
    Magic fire;
    fire.damage = 40;
    fire.allTargets = 1;
    fire.attackAnimation = 2;
    fire.name = "\x89\xce";  // a CP932 word
    fire.description = "Burns\r\n" + std::string(300, 'x');
    return MagicListBytes({fire, Magic{}});
}
void MagicRead(std::string_view bytes) {
    ParseMagicList(bytes);
    std::vector<std::string> names;
    ParseMagicNames(bytes, names);
}

// ---- end of magic ------------------------------------------------------------------------------

// ---- narrations ------------------------------------------------------------------------------

// Both shapes in one seed: the flat list the editor writes, then a nested record of older files.
std::string NarrationSeed() {
    Narration a = NewNarrationDefaults();
    a.image = "sky.bmp";
    Narration b = a;
    b.text = 2;
    b.bgm = 1;
    b.image = "\x96\xe9.bmp";  // a CP932 name
    std::string bytes = NarrationListBytes({a, b});
    bytes.replace(bytes.find("2\r\n"), 1, "3");
    return bytes + "\r\n<narration_data>\r\n<narration_main_data>\r\n1 12 0 0 0 1 2 3 4 5 6 7 x.bmp 0"
                   "\r\n</narration_main_data>\r\n</narration_data>";
}
void NarrationRead(std::string_view bytes) { ParseNarrationList(bytes); }
std::string NarrationTextSeed() { return WriteStringList("talk_number", "talk_data", std::vector<std::string>{"a#b", "<wave 1>"}); }
void NarrationTextRead(std::string_view bytes) { ParseNarrationTextChoices(bytes); }

// ---- end of narrations -----------------------------------------------------------------------

// ---- Monsters and enemy units --------------------------------------------------------------

std::string MonsterSeed() {
    Monster slime;
    slime.agility = 3;
    slime.reserved = 7;
    slime.specialRate = 35;
    slime.specialKind = kSpecialPoison;
    slime.name = "slime";
    slime.picture = "slime.bmp";
    return MonsterListBytes({slime, Monster{}});
}
void MonsterRead(std::string_view bytes) {
    ParseMonsterList(bytes);
    MonsterTable t;
    ParseMonsterTable(bytes, t);
}

std::string EnemySeed() {
    EnemyUnit unit;
    unit.name = "two slimes";
    Formation f = NewFormation();
    f.monster = {1, 0, 1, 0, 0, 0};
    f.rate = 1.0f;
    f.x[0] = 12;
    SetUnitFormations(unit, {f, NewFormation()});
    return EnemyListBytes({unit, EnemyUnit{}});
}
void EnemyRead(std::string_view bytes) {
    ParseEnemyList(bytes);
    std::vector<EnemyUnitChoice> choices;
    ParseEnemyUnitChoices(bytes, choices);
}

// ---- end of monsters and enemy units -------------------------------------------------------

// ---- Map animations: map_anim%d.txt ----------------------------------------------------------

std::string MapAnimationSeed() {
    MapAnimation a = NewMapAnimation();
    a.imageFile = "water.bmp";
    a.speed = 4;
    a.animations = {{{{0, 0}, {32, 0}, {64, 0}}}, {}, {{{0, 32}}}};
    return MapAnimationBytes(a);
}
void MapAnimationRead(std::string_view bytes) {
    static MapAnimation a;
    ParseMapAnimation(bytes, a);
    for (const MapAnimationSequence& s : a.animations) FrameListText(s);
}

// ---- end of map animations ------------------------------------------------------------------

// ---- Shops ------------------------------------------------------------------------------------

std::string ShopSeed() {
    Shop a = NewShop();
    SetShopGoods(a, {3, 0, 12});
    Shop b;
    b.kind = 2;
    b.buyPicture = "shop buy.bmp";
    b.sellPicture = "\x94\x84.bmp";  // a CP932 name
    return ShopListBytes({a, b});
}
void ShopRead(std::string_view bytes) {
    for (const Shop& s : ParseShopList(bytes)) {
        ShopRowText(s);
        ShopGoods(s);
    }
}

// ---- end of shops -----------------------------------------------------------------------------
// ---- Player character --------------------------------------------------------------------

std::string PlayerCharacterSeed() {
    PlayerCharacter pc = DefaultPlayerCharacter();
    pc.name = "hero name";
    pc.chip = PcPicture{"hero.bmp", 0, 0, 96, 192, 0, 1, 255, 0, 255};
    pc.face = PcPicture{"face.bmp", 0, 0, 64, 64, 0, 0, 0, 0, 0};
    pc.equipment = {1, 0, 3, 0, 0};
    pc.belongings = {{1, 1}, {3, 1}, {7, 12}};
    return PlayerCharacterBytes(pc);
}
void PlayerCharacterRead(std::string_view bytes) {
    const PlayerCharacter pc = ParsePlayerCharacter(bytes);
    (void)PcSprite(pc);
    (void)PlayerCharacterBytes(pc);
}

// ---- end of player character ---------------------------------------------------------------

}  // namespace

const std::vector<Reader>& Readers() {
    static const std::vector<Reader> readers = {
        {"prepare.txt", PrepareSeed, PrepareRead},
        {"flag_exp.txt", FlagSeed, FlagRead},
        {"string list", StringListSeed, StringListRead},
        {"image_effect.txt", EffectSeed, EffectRead},
        {"midi_list.txt", AudioTableSeed, AudioTableRead},
        {"wave_list.txt", SoundTableSeed, SoundTableRead},
        {"event lines and position rows", EventLineSeed, EventLineRead},
        {"setting.txt", SettingsSeed, SettingsRead},
        {"start_game.txt", StartGameSeed, StartGameRead},
#ifdef LW_FUZZ_BMP
        {"BMP picture", BmpSeed, BmpRead},
#endif
        // items, image lists, title screen, levels
        {"item_list.txt", ItemSeed, ItemRead},
        {"image_back.txt", ImageBackSeed, ImageBackRead},
        {"image_face.txt", FaceSeed, FaceRead},
        {"title.txt", TitleSeed, TitleRead},
        {"level_list.txt", LevelSeed, LevelRead},
        {"level_ability_list.txt", GrowthSeed, GrowthRead},
        // text list
        {"talk_list.txt", TalkSeed, TalkRead},
        {"command lines and talk markup", CommandLinesSeed, CommandLinesRead},
        // Scenes and maps.
        {"map data (.bin)", MapSeed, MapRead},
        {"scene%d.txt", SceneSeed, SceneRead},
        {"npc_list.txt", NpcSeed, NpcRead},
        {"treasure_list.txt", TreasureSeed, TreasureRead},
        // magic
        {"magic_list.txt", MagicSeed, MagicRead},
        // narrations
        {"narration_list.txt", NarrationSeed, NarrationRead},
        {"talk_list.txt (narration texts)", NarrationTextSeed, NarrationTextRead},
        // monsters and enemy units
        {"monster_list.txt", MonsterSeed, MonsterRead},
        {"enemy_list.txt", EnemySeed, EnemyRead},
        // shops
        {"shop_list.txt", ShopSeed, ShopRead},
        // player character
        {"pc.txt", PlayerCharacterSeed, PlayerCharacterRead},
        // map animations
        {"map_anim%d.txt", MapAnimationSeed, MapAnimationRead},
    };
    return readers;
}

void FuzzOneInput(const unsigned char* data, std::size_t size) {
    if (size == 0) return;
    const auto& readers = Readers();
    const Reader& r = readers[data[0] % readers.size()];
    r.read(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
}

}  // namespace lw::fuzz
