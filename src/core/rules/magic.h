#pragma once
// The magic list (magic_list.txt in the data folder): every spell of the game with its name and
// description, the ability changes and damage it causes, the health state it inflicts, its cost,
// the level needed to learn it, its attack animation and sound effect. Other lists refer to a spell
// by its 0-based position in this file, the magic index.
//
// File shape (CR LF between lines, none after the last):
//   "<magic_number>" count "</magic_number>" "<magic_data>" one line per spell "</magic_data>"
// Spell line: "learnable allTargets damage agility evasion attack magicPower physDef mentalDef
//              maxHp maxMp hp mp healthState cost level attackAnimation sound name description"
// The description is stored with every CR LF as "#" (and every single-byte "#" reads back as a line
// break); name and description are one token each. Lines are read whole, however long. Record
// lines are taken while fewer than the count have been taken; fields missing at the end of a line
// stay 0 (strings empty).

#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"
#include "core/tagfile/file_io.h"

namespace lw {

inline constexpr std::string_view kMagicFile = "magic_list.txt";
inline constexpr std::size_t kMagicNameBytes = 63;          // a 64-byte field with its terminator
inline constexpr std::size_t kMagicDescriptionBytes = 255;  // in memory, line breaks as CR LF
inline constexpr int kMagicLevelMax = 256;

// One spell. A default-constructed Magic is the record a new spell starts from and a line is read
// into: every number 0, both strings empty.
struct Magic {
    int learnable = 0;    // "修得可能ﾌﾗｸﾞ": 0 cannot be learned, 1 can
    int allTargets = 0;   // "全体魔法ﾌﾗｸﾞ": 0 one target, 1 all (only with damage)
    int damage = 0;
    int agility = 0;
    int evasion = 0;
    int attack = 0;
    int magicPower = 0;
    int physicalDefence = 0;
    int mentalDefence = 0;
    int maxHp = 0;
    int maxMp = 0;
    int hp = 0;
    int mp = 0;
    int healthState = 0;      // a choice: 0 none, 1 poison, 2 sleep
    int cost = 0;             // mental points consumed
    int level = 0;            // required level, 0..kMagicLevelMax
    int attackAnimation = 0;  // 0-based effect animation (only with damage)
    int sound = 0;            // 0-based sound effect
    std::string name;         // CP932, at most kMagicNameBytes, one token
    std::string description;  // CP932, line breaks as CR LF, at most kMagicDescriptionBytes
    bool operator==(const Magic&) const = default;
};

// The attack animation and the all-targets flag apply only to spells that deal damage.
constexpr bool MagicUsesDamageFields(const Magic& magic) { return magic.damage >= 1; }

// The upper end of the ability, damage and cost fields: the game's maximum ability value
// ("最大能力値" of setting.txt), never below 0.
int MagicAbilityMaximum(int settingsAbilityMax);

// ---------------------------------------------------------------------------------------------
// The file

// List mode: every record line taken, in file order.
std::vector<Magic> ParseMagicList(std::string_view bytes);
// `spells` is emptied first; a missing or unreadable file leaves it empty.
ReadStatus LoadMagicList(const Project& project, std::vector<Magic>& spells);
// The count line is the number of spells.
std::string MagicListBytes(const std::vector<Magic>& spells);
bool SaveMagicList(const Project& project, const std::vector<Magic>& spells, SaveUi& ui);

// Choice mode (the spell drop-down of the event commands): appends the name of every record taken,
// in file order, so that an entry's position is the magic index; nothing is cleared first.
void ParseMagicNames(std::string_view bytes, std::vector<std::string>& out);
ReadStatus LoadMagicNames(const Project& project, std::vector<std::string>& out);

// ---------------------------------------------------------------------------------------------
// What the file cannot hold

// The name and the description are one token each: a blank (space, tab, line feed...) in the name
// or in the stored description would cut it and shift what follows, and a description behind an
// empty name would be read back as the name. An empty name with an empty description is a spell
// the file keeps (it reads back as a spell without a name).
enum class MagicProblem { None, NameHasBlank, DescriptionHasBlank, DescriptionWithoutName };
// The name as typed (CP932).
MagicProblem CheckMagicName(std::string_view name);
// The description as kept in memory (CP932, line breaks as CR LF).
MagicProblem CheckMagicDescription(std::string_view description);
// The whole record, name first.
MagicProblem CheckMagic(const Magic& magic);
// The message telling the author (UTF-8); empty for None.
std::string MagicProblemMessage(MagicProblem problem);

}  // namespace lw
