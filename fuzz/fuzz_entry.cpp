#include "fuzz_entry.h"

#include "core/events/flag_explanations.h"
#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "core/project/project.h"
#include "core/settings/game_settings.h"
#include "core/tagfile/string_list.h"
#include "core/world/map_data.h"
#include "core/world/scene.h"
#include "core/world/npc_list.h"
#include "core/rules/treasure_list.h"

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
    ParseMapData(bytes, m);
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
}

// ---- end of scenes and maps ----

}  // namespace

const std::vector<Reader>& Readers() {
    static const std::vector<Reader> readers = {
        {"prepare.txt", PrepareSeed, PrepareRead},
        {"flag_exp.txt", FlagSeed, FlagRead},
        {"string list", StringListSeed, StringListRead},
        {"image_effect.txt", EffectSeed, EffectRead},
        {"midi_list.txt", AudioTableSeed, AudioTableRead},
        {"setting.txt", SettingsSeed, SettingsRead},
        // Scenes and maps.
        {"map data (.bin)", MapSeed, MapRead},
        {"scene%d.txt", SceneSeed, SceneRead},
        {"npc_list.txt", NpcSeed, NpcRead},
        {"treasure_list.txt", TreasureSeed, TreasureRead},
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
