#include "core/rules/treasure_list.h"

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
    std::vector<TreasureChest> out;
    TagReader reader;
    int count = 0;
    int taken = 0;
    reader.Section(kNumberTag, [&](std::string_view line) { ScanInt(line, count); });
    reader.Section(
        kDataTag,
        [&](std::string_view line) {
            // A chest is only made for a line that is there, so a huge count allocates nothing.
            if (taken >= count) return;
            TreasureChest c;
            ParseRecord(line, c, ChestLine());
            if (static_cast<std::size_t>(taken) < out.size())
                out[static_cast<std::size_t>(taken)] = c;
            else
                out.push_back(c);
            ++taken;
        },
        [&] { taken = 0; });
    reader.Read(bytes);
    return out;
}

ReadStatus LoadTreasureList(const Project& project, std::vector<TreasureChest>& out) {
    out.clear();
    FileBytes file = ReadFileBytes(DataFilePath(project, kTreasureFile), kListFileCeiling);
    if (file.ok()) out = ParseTreasureList(file.bytes);
    return file.status;
}

void AssignChestScenes(std::vector<TreasureChest>& chests, const SceneCatalog& catalog) {
    for (std::size_t i = 0; i < chests.size(); ++i) chests[i].scene = FindChestScene(catalog, static_cast<int>(i));
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

void ParseTreasureTable(std::string_view bytes, TreasureTable& table) {
    ReleaseTreasureTable(table);
    table.records = ParseTreasureList(bytes);
}

ReadStatus LoadTreasureTable(const Project& project, TreasureTable& table) {
    ReleaseTreasureTable(table);
    return LoadTreasureList(project, table.records);
}

void ReleaseTreasureTable(TreasureTable& table) {
    table.records.clear();
    table.records.shrink_to_fit();
}

}  // namespace lw
