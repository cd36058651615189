#include "core/rules/treasure_list.h"

#include <algorithm>
#include <limits>

#include "core/media/effect_animation.h"

#include "core/tagfile/record_format.h"
#include "core/tagfile/scan.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/world/scene_catalog.h"

namespace lw {

namespace {

constexpr std::string_view kNumberTag = "treasure_number";
constexpr std::string_view kDataTag = "treasure_data";

// "%d %d %d %d %d %d %d %d %d"
const RecordFormat<TreasureChest>& ChestLine() {
    static const RecordFormat<TreasureChest> f = {
        IntField(&TreasureChest::shown),     IntField(&TreasureChest::runOnce),   IntField(&TreasureChest::eventDone),
        IntField(&TreasureChest::animationKind), IntField(&TreasureChest::x),    IntField(&TreasureChest::y),
        IntField(&TreasureChest::animation), IntField(&TreasureChest::soundEffect), IntField(&TreasureChest::group)};
    return f;
}

}  // namespace

TreasureChest NewTreasureChest() {
    TreasureChest c;
    c.shown = 1;
    c.runOnce = 1;
    c.eventDone = 0;
    c.animationKind = 1;
    c.animation = -1;
    c.soundEffect = -1;
    c.group = -1;
    return c;
}

std::vector<TreasureChest> ParseTreasureList(std::string_view bytes) {
    return ReadCountedRecords<TreasureChest>(bytes, kNumberTag, kDataTag, [](std::string_view line, TreasureChest& c) {
        ParseRecord(line, c, ChestLine());
    });
}

ReadStatus LoadTreasureList(const Project& project, std::vector<TreasureChest>& out) {
    return LoadDataList(project, kTreasureFile, out, ParseTreasureList);
}

void AssignChestScenes(std::vector<TreasureChest>& chests, const SceneCatalog& catalog) {
    const std::vector<int> scenes = PlacedScenes(catalog, SceneList::Chest, chests.size());
    for (std::size_t i = 0; i < chests.size(); ++i) chests[i].scene = scenes[i];
}

std::string ChestRowText(const TreasureChest& c) {
    std::string s;
    AppendInt(s, c.scene);
    s += ' ';
    AppendInt(s, c.x);
    s += ' ';
    AppendInt(s, c.y);
    return s;
}

void WriteTreasureList(TagWriter& w, const std::vector<TreasureChest>& chests) {
    w.IntSection(kNumberTag, static_cast<long long>(chests.size()));
    w.Open(kDataTag);
    for (const TreasureChest& c : chests) AppendRecord(w.BeginLine(), c, ChestLine());
    w.Close(kDataTag);
}

std::string TreasureListBytes(const std::vector<TreasureChest>& chests) {
    return TagFileBytes([&](TagWriter& w) { WriteTreasureList(w, chests); });
}

bool SaveTreasureList(const Project& project, const std::vector<TreasureChest>& chests, SaveUi& ui) {
    return SaveDataTagFile(project, kTreasureFile, [&](TagWriter& w) { WriteTreasureList(w, chests); }, ui);
}

MarkerSource MakeChestMarkerSource(const TreasureChest& chest, int index, const EffectTable& effects) {
    MarkerSource m;
    m.index = index;
    m.pixelX = SaturateInt(static_cast<long long>(chest.x) * 32);
    m.pixelY = SaturateInt(static_cast<long long>(chest.y) * 32);
    if (chest.animation < 0 || chest.animation >= effects.count()) return m;
    const EffectAnimation& a = effects.records[static_cast<std::size_t>(chest.animation)];
    m.spriteFile = a.imageFile;
    m.frameWidth = a.cellWidth;
    m.frameHeight = a.cellHeight;
    m.sourceX = SaturateInt(static_cast<long long>(a.areaLeft) + static_cast<long long>(a.frames[0].column) * a.cellWidth);
    m.sourceY = SaturateInt(static_cast<long long>(a.areaTop) + static_cast<long long>(a.frames[0].row) * a.cellHeight);
    m.pixelY = SaturateInt(static_cast<long long>(chest.y) * 32 - (static_cast<long long>(a.cellHeight) - 32));
    m.draw = DrawSpec{a.drawMode, a.colorKey, Rgb{a.keyRed, a.keyGreen, a.keyBlue}};
    return m;
}

void ParseTreasureTable(std::string_view bytes, TreasureTable& table) {
    ReleaseTreasureTable(table);
    table.records = ParseTreasureList(bytes);
    BuildChestMarkerSources(table, EffectTable{});
}

void BuildChestMarkerSources(TreasureTable& table, const EffectTable& effects) {
    table.markers.clear();
    table.markers.reserve(table.records.size());
    for (std::size_t i = 0; i < table.records.size(); ++i)
        table.markers.push_back(MakeChestMarkerSource(table.records[i], static_cast<int>(i), effects));
}

ReadStatus LoadTreasureTable(const Project& project, TreasureTable& table) {
    ReleaseTreasureTable(table);
    const ReadStatus status = LoadTreasureList(project, table.records);
    EffectTable effects;
    LoadEffectTable(project, effects);
    BuildChestMarkerSources(table, effects);
    return status;
}

void ReleaseTreasureTable(TreasureTable& table) {
    table.records.clear();
    table.records.shrink_to_fit();
    table.markers.clear();
    table.markers.shrink_to_fit();
}

}  // namespace lw
