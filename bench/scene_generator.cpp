#include "scene_generator.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "core/rules/treasure_list.h"
#include "core/tagfile/file_io.h"
#include "core/world/map_data.h"
#include "core/world/npc_list.h"
#include "core/world/scene.h"

namespace lw::bench {

namespace {

namespace fs = std::filesystem;

class Random {
public:
    explicit Random(std::uint64_t seed) : rng_(seed) {}
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Chance(int percent) { return Between(1, 100) <= percent; }

private:
    std::mt19937_64 rng_;
};

void WriteOrDie(const fs::path& path, std::string_view bytes) {
    if (!ReplaceFileAtomically(path, bytes)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

// Explanations the author might give (CP932): "村人との会話" (talk with a villager), "宝箱" (chest),
// "場面変更" (scene change), "イベント" (event).
const char* const kExplanations[] = {"\x91\xba\x90\x6c\x82\xc6\x82\xcc\x89\xef\x98\x62", "\x95\xf3\x94\xa0",
                                     "\x8f\xea\x96\xca\x95\xcf\x8d\x58", "\x83\x43\x83\x78\x83\x93\x83\x67"};

std::string Command(Random& r) {
    auto n = [&](int hi) { return std::to_string(r.Between(0, hi)); };
    switch (r.Between(0, 15)) {
    case 0: return "? flag" + n(4095) + " >= " + n(9);
    case 1: return "!";
    case 2: return "message " + n(60);
    case 3: return "talk " + n(2000);
    case 4:
        return "talk " + n(2000) + " 0 2 " + n(60) + " " + n(60) + " -1 -1 \x82\xcd\x82\xa2 \x82\xa2\x82\xa2\x82\xa6 "
               "\x82\xc8\x82\xb5 \x82\xc8\x82\xb5";  // はい いいえ なし なし
    case 5: return "flag" + n(4095) + " = " + n(9);
    case 6: return "item" + n(300) + " " + n(5) + " 0";
    case 7: return "money -" + n(5000) + " " + n(60) + " " + n(60);
    case 8: return "scene " + n(499) + " " + n(120) + " " + n(120) + " " + n(60);
    case 9: return "battle " + n(200) + " " + n(2000) + " " + n(2000) + " 20 1 " + n(60) + " bg_forest_night.bmp";
    case 10: return "nar " + n(40);
    case 11: return "midi " + n(30);
    case 12: return "wave " + n(60) + " 1";
    case 13: return "show_npc " + n(5000) + " 1";
    case 14: return "face " + n(80);
    default: return "end";
    }
}

}  // namespace

GeneratedProject GenerateProject(const fs::path& root, int sceneCount, bool withMaps, std::uint64_t seed) {
    GeneratedProject g;
    g.project.dataFolder = "data";
    g.project.imageFolder = "image";
    g.project.audioFolder = "audio";
    g.project.root = root;
    for (const char* f : {"data", "image", "audio"}) fs::create_directories(root / f);
    WriteOrDie(root / "prepare.txt", PrepareFileBytes(g.project));
    Random r(seed);
    std::vector<Npc> npcs;
    std::vector<TreasureChest> chests;
    for (int number = 0; number < sceneCount; ++number) {
        Scene s;
        s.kind = r.Between(0, 3);
        s.name = "\x8f\xea\x96\xca " + std::to_string(number) + " of the realm";
        s.mapDataFile = "map" + std::to_string(number) + ".bin";
        s.backgroundChipSet = "chips_bg" + std::to_string(r.Between(0, 9)) + ".bmp";
        s.layerChipSet = r.Chance(80) ? "chips_top" + std::to_string(r.Between(0, 9)) + ".bmp" : "";
        s.layerDrawMode = r.Between(0, 2);
        s.layerColourKey = r.Between(0, 1);
        s.layerKeyRed = r.Between(0, 255);
        s.layerKeyGreen = r.Between(0, 255);
        s.layerKeyBlue = r.Between(0, 255);
        s.bgmIndex = r.Between(0, 30);
        const int width = r.Between(100, 500);
        const int height = r.Between(100, 500);
        for (int i = r.Between(0, 16); i > 0; --i)
            s.sceneChanges.push_back({r.Between(0, width - 1), r.Between(0, height - 1), r.Between(0, 4), r.Between(-1, 19)});
        for (int i = r.Between(0, 20); i > 0; --i) {
            Npc n = NewNpc();
            n.x = r.Between(0, width - 1);
            n.y = r.Between(0, height - 1);
            n.spriteFile = "npc" + std::to_string(r.Between(0, 40)) + ".bmp";
            n.regionWidth = 96;
            n.regionHeight = 128;
            n.facingRow = {0, 1, 2, 3};
            n.displayName = "npc" + std::to_string(npcs.size());
            n.group = r.Between(0, 19);
            s.npcIndices.push_back(static_cast<int>(npcs.size()));
            npcs.push_back(std::move(n));
        }
        for (int i = r.Between(0, 10); i > 0; --i) {
            TreasureChest c = NewTreasureChest();
            c.x = r.Between(0, width - 1);
            c.y = r.Between(0, height - 1);
            c.animation = r.Between(0, 20);
            c.group = r.Between(0, 19);
            s.treasureIndices.push_back(static_cast<int>(chests.size()));
            chests.push_back(c);
        }
        for (int i = r.Between(0, 8); i > 0; --i)
            s.battles.push_back({r.Between(0, 200), static_cast<float>(r.Between(1, 100)), "bg_field.bmp"});
        if (!s.battles.empty())
            for (auto& row : s.terrainBattle)
                for (int& c : row) c = r.Chance(30) ? r.Between(1, static_cast<int>(s.battles.size())) : 0;
        if (r.Chance(50)) {
            s.mapAnimationFile = "map_anim" + std::to_string(r.Between(0, 9)) + ".txt";
            for (auto& row : s.terrainAnimation)
                for (int& c : row) c = r.Chance(10) ? r.Between(1, 8) : 0;
        }
        for (int i = r.Between(0, 12); i > 0; --i) {
            int kind = r.Between(0, 3);
            s.eventPositions.push_back({kind, r.Between(0, width - 1), r.Between(0, height - 1), r.Between(0, 4),
                                        r.Between(-1, 19), kind == 0 ? r.Between(0, 40) : 0});
        }
        for (int i = r.Between(20, 100); i > 0; --i) {
            EventCommandGroup group;
            group.explanation = std::string(kExplanations[r.Between(0, 3)]) + " " + std::to_string(i);
            for (int k = r.Between(1, 64); k > 0; --k) group.commands.push_back(Command(r));
            s.groups.push_back(std::move(group));
        }
        const std::string bytes = SceneBytes(s);
        g.sceneBytes += bytes.size();
        WriteOrDie(DataFilePath(g.project, SceneFileName(number)), bytes);
        if (withMaps) {
            MapData map;
            map.width = static_cast<std::uint32_t>(width);
            map.height = static_cast<std::uint32_t>(height);
            map.cells.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
            for (std::uint32_t& c : map.cells) c = MakeMapCell(r.Between(1, 255), r.Chance(20) ? r.Between(1, 255) : 0);
            const std::string mapBytes = MapDataBytes(map);
            g.mapBytes += mapBytes.size();
            WriteOrDie(DataFilePath(g.project, s.mapDataFile), mapBytes);
        }
    }
    WriteOrDie(DataFilePath(g.project, kNpcFile), NpcListBytes(npcs));
    WriteOrDie(DataFilePath(g.project, kTreasureFile), TreasureListBytes(chests));
    g.scenes = sceneCount;
    g.npcs = static_cast<int>(npcs.size());
    g.chests = static_cast<int>(chests.size());
    return g;
}

}  // namespace lw::bench
