#include "core/rules/levels.h"

#include <algorithm>
#include <limits>

#include "core/tagfile/record_format.h"
#include "core/tagfile/scan.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"

namespace lw {

namespace {

constexpr std::string_view kLevelNumberTag = "level_number";
constexpr std::string_view kLevelDataTag = "level_data";
constexpr std::string_view kLevelAddTag = "level_add";
constexpr std::string_view kLevelMaxTag = "level_max";
constexpr std::string_view kGrowthNumberTag = "level_ability_number";
constexpr std::string_view kGrowthDataTag = "level_ability_data";
constexpr std::string_view kGuidanceTag = "level_ability_message";

// "%d %d": level, experience.
const RecordFormat<LevelRow>& LevelLine() {
    static const RecordFormat<LevelRow> format = {IntField(&LevelRow::level), IntField(&LevelRow::experience)};
    return format;
}

// "%d %d": the increment pair of old files.
const RecordFormat<LevelTable>& AddLine() {
    static const RecordFormat<LevelTable> format = {IntField(&LevelTable::addFirst), IntField(&LevelTable::addSecond)};
    return format;
}

// "%s %d %d %d %d %d %d %d %d"
const RecordFormat<GrowthType>& GrowthLine() {
    static const RecordFormat<GrowthType> format = {
        TokenField(&GrowthType::name, kGrowthNameBytes), IntField(&GrowthType::agility),
        IntField(&GrowthType::evasion),                  IntField(&GrowthType::attack),
        IntField(&GrowthType::physicalDefence),          IntField(&GrowthType::magicPower),
        IntField(&GrowthType::magicDefence),             IntField(&GrowthType::lifePoints),
        IntField(&GrowthType::mentalPoints),
    };
    return format;
}

void WriteLevelList(TagWriter& w, const std::vector<LevelRow>& rows) {
    w.IntSection(kLevelNumberTag, static_cast<long long>(rows.size()));
    w.Open(kLevelDataTag);
    for (const LevelRow& row : rows) AppendRecord(w.BeginLine(), row, LevelLine());
    w.Close(kLevelDataTag);
}

void WriteGrowthList(TagWriter& w, const GrowthList& list) {
    w.IntSection(kGrowthNumberTag, static_cast<long long>(list.types.size()));
    w.Open(kGrowthDataTag);
    for (const GrowthType& t : list.types) AppendRecord(w.BeginLine(), t, GrowthLine());
    w.Close(kGrowthDataTag);
    w.StringSection(kGuidanceTag, list.guidance);
}

}  // namespace

LevelTable DefaultLevelTable() {
    LevelTable t;
    t.count = kDefaultLevelCount;
    for (int n = 1; n <= kDefaultLevelCount; ++n) t.rows.push_back({n, (n - 1) * kDefaultLevelStep});
    return t;
}

LevelTable ParseLevelTable(std::string_view bytes) {
    LevelTable t;
    TagReader reader;
    BoundedList bounded{.count = 0, .position = 0, .capacity = kLevelCapacity};
    bounded.AddTo(reader, kLevelNumberTag, kLevelDataTag, [&](int position, std::string_view line) {
        // Rows are made as far as the lines reach while reading; the count may still change.
        if (t.rows.size() <= static_cast<std::size_t>(position)) t.rows.resize(static_cast<std::size_t>(position) + 1);
        LevelRow& row = t.rows[static_cast<std::size_t>(position)];
        row = LevelRow{};
        ParseRecord(line, row, LevelLine());
    });
    reader.Section(kLevelAddTag, [&](std::string_view line) { ParseRecord(line, t, AddLine()); });
    reader.Section(kLevelMaxTag, [&](std::string_view line) { ScanInt(line, t.levelMax); });
    reader.Read(bytes);
    t.count = bounded.count;
    // A count above the lines read keeps its cleared rows, as the table holds them.
    t.rows.resize(static_cast<std::size_t>(std::clamp(t.count, 0, kLevelCapacity)));
    return t;
}

ReadStatus LoadLevelTable(const Project& project, LevelTable& table) {
    FileBytes file = ReadFileBytes(DataFilePath(project, kLevelFile), kSmallFileCeiling);
    table = file.ok() ? ParseLevelTable(file.bytes) : DefaultLevelTable();
    return file.status;
}

std::vector<LevelRow> LevelListRows(const LevelTable& table) {
    std::vector<LevelRow> rows = table.rows;
    const int target = std::clamp(table.levelMax, 0, kLevelCapacity);
    long long level = rows.empty() ? 0 : rows.back().level;
    long long experience = rows.empty() ? 0 : rows.back().experience;
    while (static_cast<int>(rows.size()) < target) {
        level = std::min<long long>(level + 1, std::numeric_limits<int>::max());
        experience = ClampExperience(experience + table.addSecond);
        rows.push_back({static_cast<int>(level), static_cast<int>(experience)});
    }
    return rows;
}

int InitialMaxLevel(const LevelTable& table) {
    return std::clamp(std::max(table.count, table.levelMax), 0, kLevelCapacity);
}

void ResizeLevelRows(std::vector<LevelRow>& rows, long long maxLevel) {
    const std::size_t target = static_cast<std::size_t>(std::clamp<long long>(maxLevel, 0, kLevelCapacity));
    if (rows.size() > target) rows.resize(target);
    for (std::size_t n = rows.size() + 1; n <= target; ++n) rows.push_back({static_cast<int>(n), 0});
}

int ClampExperience(long long value) { return static_cast<int>(std::clamp<long long>(value, 0, kExperienceMax)); }

std::string LevelListBytes(const std::vector<LevelRow>& rows) {
    return TagFileBytes([&](TagWriter& w) { WriteLevelList(w, rows); });
}

bool SaveLevelList(const Project& project, const std::vector<LevelRow>& rows, SaveUi& ui) {
    return SaveDataTagFile(project, kLevelFile, [&](TagWriter& w) { WriteLevelList(w, rows); }, ui);
}

std::array<int GrowthType::*, kGrowthValueCount> GrowthValueFields() {
    return {&GrowthType::agility,      &GrowthType::evasion,    &GrowthType::attack,
            &GrowthType::physicalDefence, &GrowthType::magicPower, &GrowthType::magicDefence,
            &GrowthType::lifePoints,   &GrowthType::mentalPoints};
}

GrowthList BuiltInGrowthList() {
    GrowthList list;
    list.types = {
        {"\x83o\x83\x89\x83\x93\x83X\x8c^", 2, 2, 2, 2, 2, 2, 4, 4},          // バランス型
        {"\x83X\x83s\x81[\x83h\x8c^", 10, 2, 0, 0, 0, 0, 4, 4},              // スピード型
        {"\x89\xf1\x94\xf0\x8c^", 2, 10, 0, 0, 0, 0, 4, 4},                  // 回避型
        {"\x8dU\x8c\x82\x8c^", 0, 0, 10, 2, 0, 0, 4, 4},                     // 攻撃型
        {"\x95\xa8\x97\x9d\x96h\x8c\xe4\x8c^", 0, 0, 2, 10, 0, 0, 4, 4},     // 物理防御型
        {"\x96\x82\x96@\x8c^", 0, 0, 0, 0, 10, 2, 4, 4},                     // 魔法型
        {"\x96\x82\x96@\x96h\x8c\xe4\x8c^", 0, 0, 0, 0, 2, 10, 4, 4},        // 魔法防御型
        {"\x90\xb6\x96\xbd\x93_\x8c^", 0, 0, 0, 0, 0, 0, 20, 0},             // 生命点型
        {"\x90\xb8\x90_\x93_\x8c^", 0, 0, 0, 0, 0, 0, 0, 20},                // 精神点型
    };
    // 上昇させる能力値を決めてください
    list.guidance =
        "\x8f\xe3\x8f\xb8\x82\xb3\x82\xb9\x82\xe9\x94\x5c\x97\xcd\x92l\x82\xf0\x8c\x88\x82\xdf\x82\xc4\x82\xad\x82\xbe"
        "\x82\xb3\x82\xa2";
    return list;
}

GrowthList ParseGrowthList(std::string_view bytes) {
    GrowthList list;
    TagReader reader;
    // No table stands behind the list: a type is made per line taken, so any count is safe.
    BoundedList bounded{.count = 0, .position = 0, .capacity = std::numeric_limits<int>::max()};
    bounded.AddTo(reader, kGrowthNumberTag, kGrowthDataTag, [&](int, std::string_view line) {
        GrowthType t;
        ParseRecord(line, t, GrowthLine());
        list.types.push_back(std::move(t));
    });
    reader.Section(kGuidanceTag, [&](std::string_view line) { list.guidance = CutCopy(line, kGuidanceBytes); });
    reader.Read(bytes);
    return list;
}

ReadStatus LoadGrowthList(const Project& project, GrowthList& list) {
    FileBytes file = ReadFileBytes(DataFilePath(project, kLevelAbilityFile), kSmallFileCeiling);
    list = file.ok() ? ParseGrowthList(file.bytes) : BuiltInGrowthList();
    return file.status;
}

std::string GrowthListBytes(const GrowthList& list) {
    return TagFileBytes([&](TagWriter& w) { WriteGrowthList(w, list); });
}

bool SaveGrowthList(const Project& project, const GrowthList& list, SaveUi& ui) {
    return SaveDataTagFile(project, kLevelAbilityFile, [&](TagWriter& w) { WriteGrowthList(w, list); }, ui);
}

std::string GrowthRowText(const GrowthType& type) { return FormatRecord(type, GrowthLine()); }

}  // namespace lw
