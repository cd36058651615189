#pragma once
// The player's growth: the level table (level_list.txt), the experience points needed to reach
// each level, and the growth types (level_ability_list.txt), named sets of eight ability increases
// with the guidance text the game shows at a level-up.
//
// level_list.txt: "<level_number>" count "</level_number>" "<level_data>" one "level experience"
// line per level "</level_data>". Older files may also hold "<level_add>" ("a b", an increment
// pair) and "<level_max>" (a maximum level); they are read, never written.
// level_ability_list.txt: "<level_ability_number>" count "</level_ability_number>"
// "<level_ability_data>" one "name agility evasion attack physDef magic magicDef life mental" line
// per type "</level_ability_data>" "<level_ability_message>" the guidance text (the whole line)
// "</level_ability_message>".
// Both lists take record lines while fewer than the count have been taken.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"
#include "core/tagfile/file_io.h"

namespace lw {

inline constexpr std::string_view kLevelFile = "level_list.txt";
inline constexpr std::string_view kLevelAbilityFile = "level_ability_list.txt";
inline constexpr int kLevelCapacity = 256;
inline constexpr int kExperienceMax = 999999;
inline constexpr int kDefaultLevelCount = 10;
inline constexpr int kDefaultLevelStep = 500;
inline constexpr std::size_t kGrowthNameBytes = 63;
inline constexpr std::size_t kGuidanceBytes = 255;
inline constexpr int kGrowthValueCount = 8;

struct LevelRow {
    int level = 0;
    int experience = 0;  // required to reach the level, 0..kExperienceMax
    bool operator==(const LevelRow&) const = default;
};

// The table as read: `count` is the count line (a count above 256 is 256; a negative one stays as
// read), `rows` holds that many rows (none for a negative count), the level lines taken in order
// and cleared rows (level 0, experience 0) for a count above the lines.
struct LevelTable {
    int count = 0;
    std::vector<LevelRow> rows;
    int addFirst = 0;   // "<level_add>" of old files
    int addSecond = 0;  // the experience added per generated row
    int levelMax = 0;   // "<level_max>" of old files, 0 when absent
    bool operator==(const LevelTable&) const = default;
};

// The table of a project without level_list.txt: levels 1 to 10, level n needing (n - 1) x 500.
LevelTable DefaultLevelTable();

// A cleared table filled from the file.
LevelTable ParseLevelTable(std::string_view bytes);
// The default table when the file is missing or unreadable.
ReadStatus LoadLevelTable(const Project& project, LevelTable& table);

// The rows the level list shows: the table's rows, then, when an old "<level_max>" exceeds them,
// generated rows up to that maximum (at most 256 rows in all), numbered consecutively after the last
// level, each needing the second "<level_add>" number more experience than the row before it
// (kept within 0..kExperienceMax).
std::vector<LevelRow> LevelListRows(const LevelTable& table);
// Where the "最大ﾚﾍﾞﾙ" spin starts: the larger of the count and the old maximum, within 0..256.
int InitialMaxLevel(const LevelTable& table);
// "最大ﾚﾍﾞﾙ" applied: the maximum is clamped to 0..256; rows are removed from the end while more
// remain, then rows numbered from the old row count + 1 up to the maximum are appended with
// experience 0.
void ResizeLevelRows(std::vector<LevelRow>& rows, long long maxLevel);
int ClampExperience(long long value);

// One line per row; the count is the number of rows.
std::string LevelListBytes(const std::vector<LevelRow>& rows);
bool SaveLevelList(const Project& project, const std::vector<LevelRow>& rows, SaveUi& ui);

// ---------------------------------------------------------------------------------------------
// Growth types

struct GrowthType {
    std::string name;  // "型名", CP932, at most kGrowthNameBytes, one token
    int agility = 0;
    int evasion = 0;
    int attack = 0;
    int physicalDefence = 0;
    int magicPower = 0;
    int magicDefence = 0;
    int lifePoints = 0;
    int mentalPoints = 0;
    bool operator==(const GrowthType&) const = default;
};

// The eight increases in file order, for code that treats them alike.
std::array<int GrowthType::*, kGrowthValueCount> GrowthValueFields();

struct GrowthList {
    std::vector<GrowthType> types;
    std::string guidance;  // "案内文", CP932, at most kGuidanceBytes, one line
    bool operator==(const GrowthList&) const = default;
};

// The nine built-in types and the built-in guidance text, offered while the file does not exist.
GrowthList BuiltInGrowthList();

// A cleared list filled from the file.
GrowthList ParseGrowthList(std::string_view bytes);
// The built-in list when the file is missing or unreadable.
ReadStatus LoadGrowthList(const Project& project, GrowthList& list);
std::string GrowthListBytes(const GrowthList& list);
bool SaveGrowthList(const Project& project, const GrowthList& list, SaveUi& ui);

// The text of a row: "name agility evasion attack physDef magic magicDef life mental".
std::string GrowthRowText(const GrowthType& type);

}  // namespace lw
