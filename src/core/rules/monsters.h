#pragma once
// The monster list (monster_list.txt in the data folder): every kind of monster with its
// abilities, the experience and money it yields, its special and normal attacks and its battle
// picture. Enemy units and the event editors refer to a monster by its 0-based position in the
// file, the monster index.
//
// File shape: "<monster_number>" count "</monster_number>" "<monster_data>" one line per monster
// "</monster_data>". Monster line, fields in struct order except that the name stands between the
// normal attack sound and the focus point and the picture between the focus point and the drawing
// mode: "agility evasion attack magic physDef mentalDef maxHp maxMp reserved exp money rate% success%
// kind damage normalKind sound name focusX focusY picture mode keyOn red green blue". The two rates
// are percentages written with one decimal. Lines are read whole; record lines are taken while
// fewer than the count have been taken.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"
#include "core/tagfile/file_io.h"

namespace lw {

inline constexpr std::string_view kMonsterFile = "monster_list.txt";
inline constexpr std::size_t kMonsterNameBytes = 63;      // a 64-byte field with its terminator
inline constexpr std::size_t kMonsterPictureBytes = 259;  // a 260-byte field with its terminator
inline constexpr int kMonsterRewardMax = 999999;          // experience points and money
inline constexpr int kMonsterRateMax = 100;               // the two special attack rates, percent
// The monster table never holds more records than this, whatever count a file declares.
inline constexpr int kMonsterTableCapacity = 4096;

// Special attack kinds and normal attack kinds.
inline constexpr int kSpecialNone = 0;
inline constexpr int kSpecialPoison = 1;
inline constexpr int kSpecialSleep = 2;
inline constexpr int kNormalWeapon = 0;
inline constexpr int kNormalMagic = 1;

struct Monster {
    int agility = 0;
    int evasion = 0;
    int attack = 0;
    int magicPower = 0;
    int physicalDefence = 0;
    int mentalDefence = 0;
    int maxHp = 0;
    int maxMp = 0;
    int reserved = 0;  // field 9: not edited, carried as read
    int experience = 0;
    int money = 0;
    float specialRate = 0;     // percent, whole numbers when edited
    float specialSuccess = 0;  // percent, whole numbers when edited
    int specialKind = 0;       // kSpecialNone, kSpecialPoison, kSpecialSleep
    int specialDamage = 0;
    int normalKind = 0;   // kNormalWeapon, kNormalMagic
    int normalSound = 0;  // 0-based sound effect
    std::string name;     // CP932, at most kMonsterNameBytes, one token
    int focusX = 0;       // pixels from the picture's centre
    int focusY = 0;
    std::string picture;  // CP932 file name in the image folder, at most kMonsterPictureBytes, one token
    int drawMode = 0;     // kDrawOpaque, kDrawAdditive, kDrawAlpha
    int keyOn = 0;
    int keyRed = 0;
    int keyGreen = 0;
    int keyBlue = 0;
    bool operator==(const Monster&) const = default;
};

// The eight ability fields in file order (agility .. maxMp), for code that treats them alike.
inline constexpr int kMonsterAbilityCount = 8;
const std::vector<int Monster::*>& MonsterAbilityFields();

// The special attack uses its rates for poison and sleep, its damage for poison only.
constexpr bool SpecialUsesRates(int kind) { return kind == kSpecialPoison || kind == kSpecialSleep; }
constexpr bool SpecialUsesDamage(int kind) { return kind == kSpecialPoison; }

// List mode: every record line taken, in file order.
std::vector<Monster> ParseMonsterList(std::string_view bytes);
// `monsters` is emptied first; a missing or unreadable file leaves it empty.
ReadStatus LoadMonsterList(const Project& project, std::vector<Monster>& monsters);
// The count line is the number of monsters.
std::string MonsterListBytes(const std::vector<Monster>& monsters);
bool SaveMonsterList(const Project& project, const std::vector<Monster>& monsters, SaveUi& ui);

// The monster table the other editors read: as many records as the file's count says (within
// 0..kMonsterTableCapacity), filled from the record lines, missing ones cleared, lines beyond the
// count ignored. `loaded` is false when no file was read (no table).
struct MonsterTable {
    bool loaded = false;
    std::vector<Monster> records;
};
void ParseMonsterTable(std::string_view bytes, MonsterTable& table);
// Releases the previous table first.
ReadStatus LoadMonsterTable(const Project& project, MonsterTable& table);
void ReleaseMonsterTable(MonsterTable& table);

// A stored percentage as the whole number its spin shows (rounded to the nearest).
int WholePercent(float percent);

}  // namespace lw
