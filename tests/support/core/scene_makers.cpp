#include "support/core/scene_makers.h"

namespace lw::test {

Scene MakeRichScene() {
    Scene s{.kind = 2,
        .name = "\x8a\x58 of the north",  // "街 of the north": a blank and a double-byte character
        .mapDataFile = "town.bin", .backgroundChipSet = "chips_bg.bmp", .layerChipSet = "chips_top.bmp",
        .layerDrawMode = 2, .layerColourKey = 1, .layerKeyRed = 255, .layerKeyGreen = 0, .layerKeyBlue = 128,
        .bgmIndex = 5, .mapAnimationFile = "map_anim0.txt"};
    for (int r = 0; r < kChipGridSize; ++r)
        for (int c = 0; c < kChipGridSize; ++c) {
            s.terrainAnimation[r][c] = (r * 16 + c) % 5;
            s.terrainBattle[r][c] = (r + c) % 3;
        }
    s.battles = {{3, 50.0f, "bg_forest.bmp"}, {7, 12.0f, "bg_cave.bmp"}};
    s.npcIndices = {0, 4, 2};
    s.treasureIndices = {1, 9};
    s.sceneChanges = {{3, 4, 4, 0}, {10, 0, 3, -1}};
    s.eventPositions = {{kInnPosition, 5, 6, 0, 1, 0}, {kShopPosition, 7, 8, 3, 2, 4}, {kSignpostPosition, 1, 1, 4, -1, 0}};
    s.groups = {
        {"first group", {"nar 0", "? flag12 >= 3", "message 2", "!"}},
        {"\x89\xef\x98\x62", {"talk 3", "", "battle 1 2 3 20 1 -1 "}},  // "会話"; a trailing blank kept
        {"", {}},
    };
    return s;
}

SceneCatalog CatalogOf(std::vector<std::pair<int, Scene>> scenes) {
    SceneCatalog catalog;
    for (auto& [number, scene] : scenes)
        catalog.entries.push_back(MakeCatalogEntry(number, SceneFileName(number), ReadStatus::Ok, std::move(scene)));
    return catalog;
}

std::string JoinLines(std::initializer_list<std::string_view> lines) {
    std::string out;
    bool first = true;
    for (std::string_view l : lines) {
        if (!first) out += "\r\n";
        first = false;
        out += l;
    }
    return out;
}

std::string CountedList(std::string_view tag, std::string_view count, const std::vector<std::string>& lines) {
    const std::string t(tag);
    std::string s = "<" + t + "_number>\r\n" + std::string(count) + "\r\n</" + t + "_number>\r\n<" + t + "_data>";
    for (const std::string& l : lines) s += "\r\n" + l;
    return s + "\r\n</" + t + "_data>";
}

}  // namespace lw::test
