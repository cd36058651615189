#include "core/rules/monsters.h"

#include <algorithm>
#include <cmath>

#include "core/tagfile/record_format.h"
#include "core/tagfile/scan.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"

namespace lw {

namespace {

constexpr std::string_view kNumberTag = "monster_number";
constexpr std::string_view kDataTag = "monster_data";

const RecordFormat<Monster>& MonsterLine() {
    static const RecordFormat<Monster> format = {
        IntField(&Monster::agility),        IntField(&Monster::evasion),
        IntField(&Monster::attack),         IntField(&Monster::magicPower),
        IntField(&Monster::physicalDefence), IntField(&Monster::mentalDefence),
        IntField(&Monster::maxHp),          IntField(&Monster::maxMp),
        IntField(&Monster::reserved),       IntField(&Monster::experience),
        IntField(&Monster::money),          Float1Field(&Monster::specialRate),
        Float1Field(&Monster::specialSuccess), IntField(&Monster::specialKind),
        IntField(&Monster::specialDamage),  IntField(&Monster::normalKind),
        IntField(&Monster::normalSound),    TokenField(&Monster::name, kMonsterNameBytes),
        IntField(&Monster::focusX),         IntField(&Monster::focusY),
        TokenField(&Monster::picture, kMonsterPictureBytes), IntField(&Monster::drawMode),
        IntField(&Monster::keyOn),          IntField(&Monster::keyRed),
        IntField(&Monster::keyGreen),       IntField(&Monster::keyBlue),
    };
    return format;
}

void WriteMonsterList(TagWriter& w, const std::vector<Monster>& monsters) {
    w.IntSection(kNumberTag, static_cast<long long>(monsters.size()));
    w.Open(kDataTag);
    for (const Monster& m : monsters) AppendRecord(w.BeginLine(), m, MonsterLine());
    w.Close(kDataTag);
}

// Reads the record lines the count admits; `take` gets each one parsed into a cleared record.
// `onCount` gets the count as clamped to the table's capacity.
template <class Take, class Count>
void WalkMonsterFile(std::string_view bytes, Take take, Count onCount) {
    TagReader reader;
    BoundedList bounded{.count = 0, .position = 0, .capacity = kMonsterTableCapacity};
    bounded.AddTo(reader, kNumberTag, kDataTag, [&](int position, std::string_view line) {
        Monster m;
        ParseRecord(line, m, MonsterLine());
        take(position, std::move(m));
    });
    reader.Read(bytes);
    onCount(std::clamp(bounded.count, 0, kMonsterTableCapacity));
}

}  // namespace

const std::vector<int Monster::*>& MonsterAbilityFields() {
    static const std::vector<int Monster::*> fields = {
        &Monster::agility,         &Monster::evasion,       &Monster::attack, &Monster::magicPower,
        &Monster::physicalDefence, &Monster::mentalDefence, &Monster::maxHp,  &Monster::maxMp};
    return fields;
}

std::vector<Monster> ParseMonsterList(std::string_view bytes) {
    std::vector<Monster> out;
    WalkMonsterFile(bytes, [&](int, Monster m) { out.push_back(std::move(m)); }, [](int) {});
    return out;
}

ReadStatus LoadMonsterList(const Project& project, std::vector<Monster>& monsters) {
    monsters.clear();
    FileBytes file = ReadFileBytes(DataFilePath(project, kMonsterFile), kListFileCeiling);
    if (file.ok()) monsters = ParseMonsterList(file.bytes);
    return file.status;
}

std::string MonsterListBytes(const std::vector<Monster>& monsters) {
    return TagFileBytes([&](TagWriter& w) { WriteMonsterList(w, monsters); });
}

bool SaveMonsterList(const Project& project, const std::vector<Monster>& monsters, SaveUi& ui) {
    return SaveDataTagFile(project, kMonsterFile, [&](TagWriter& w) { WriteMonsterList(w, monsters); }, ui);
}

void ParseMonsterTable(std::string_view bytes, MonsterTable& table) {
    ReleaseMonsterTable(table);
    table.loaded = true;
    std::vector<Monster> read;
    WalkMonsterFile(bytes, [&](int, Monster m) { read.push_back(std::move(m)); },
                    [&](int count) {
                        if (read.size() > static_cast<std::size_t>(count)) read.resize(static_cast<std::size_t>(count));
                        read.resize(static_cast<std::size_t>(count));
                    });
    table.records = std::move(read);
}

ReadStatus LoadMonsterTable(const Project& project, MonsterTable& table) {
    ReleaseMonsterTable(table);
    FileBytes file = ReadFileBytes(DataFilePath(project, kMonsterFile), kListFileCeiling);
    if (file.ok()) ParseMonsterTable(file.bytes, table);
    return file.status;
}

void ReleaseMonsterTable(MonsterTable& table) {
    table.loaded = false;
    table.records.clear();
    table.records.shrink_to_fit();
}

int WholePercent(float percent) {
    if (!std::isfinite(percent)) return 0;
    const double r = std::clamp(std::round(static_cast<double>(percent)), -2147483648.0, 2147483647.0);
    return static_cast<int>(r);
}

}  // namespace lw
