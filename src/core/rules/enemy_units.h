#pragma once
// Enemy units (enemy_list.txt in the data folder): what the player meets in one battle. A unit is
// a named set of up to 32 alternative formations, of which the game picks one by its appearance
// rate. A formation places up to six monsters on the 320 x 240 battle field, may mark one as the
// boss, may drop an item and may change the battle music. Battle commands refer to a unit by its
// 0-based position in the file, the enemy unit index.
//
// File shape: "<enemy_number>" count "</enemy_number>", then per unit the separator, its position
// and the separator, "<enemy_data>" "<enemy_name>" the name (a whole line, blanks kept, maybe empty)
// "</enemy_name>" "<enemies_number>" formation count "</enemies_number>" "<enemies_data>" one line
// per formation "</enemies_data>" "</enemy_data>".
// Formation line: "m0..m5 boss rate itemRate item itemCount bgm x0 y0 .. x5 y5", the two rates
// fractions with two decimals.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"
#include "core/tagfile/file_io.h"

namespace lw {

inline constexpr std::string_view kEnemyFile = "enemy_list.txt";
inline constexpr std::size_t kEnemyNameBytes = 63;
inline constexpr int kFormationCapacity = 32;
inline constexpr int kFormationSlots = 6;  // "下左" "下中" "下右" "上左" "上中" "上右"
inline constexpr int kBattleWidth = 320;
inline constexpr int kBattleHeight = 240;
inline constexpr int kNoBoss = -1;
inline constexpr int kNoFormationItem = -1;
inline constexpr int kNoFormationBgm = -1;

struct Formation {
    std::array<int, kFormationSlots> monster{};  // 0 none, m + 1 the monster of index m
    std::array<int, kFormationSlots> x{};        // the picture's top-left corner; 0, 0 = placed automatically
    std::array<int, kFormationSlots> y{};
    int boss = 0;        // kNoBoss or 0..5
    float rate = 0;      // appearance rate within the unit, a fraction
    float itemRate = 0;  // item drop rate, a fraction
    int item = 0;        // item index, kNoFormationItem for none
    int itemCount = 0;
    int bgm = 0;  // BGM index, kNoFormationBgm for none
    bool operator==(const Formation&) const = default;
};

// What "追加..." starts from: everything 0, boss, item and music none. (A cleared formation read
// from a file has every field 0.)
Formation NewFormation();

// A unit holds formationCount formations. Only those a file or the editor gave are kept in
// `formations` (at most formationCount); the ones after them are cleared formations, so a file
// that declares many formations and holds none costs no memory for them.
struct EnemyUnit {
    int formationCount = 0;  // 0..kFormationCapacity
    std::vector<Formation> formations;
    std::string name;  // CP932, at most kEnemyNameBytes, blanks allowed, maybe empty
    // Equal when the names, the counts and every formation of the count are equal.
    bool operator==(const EnemyUnit& other) const;
};

// Formation `index` of the unit (a cleared formation beyond those kept).
Formation FormationAt(const EnemyUnit& unit, int index);
// The rows of a unit (formationCount formations) and back.
std::vector<Formation> UnitFormations(const EnemyUnit& unit);
// False (and nothing changed) with more than kFormationCapacity rows.
bool SetUnitFormations(EnemyUnit& unit, const std::vector<Formation>& rows);

// Row texts: the name, or "%d 体" with the formation count for an unnamed unit (CP932); a formation
// as its six monster choices "%d %d %d %d %d %d".
std::string UnitRowText(const EnemyUnit& unit);
std::string FormationRowText(const Formation& formation);
// The monsters of a formation's occupied slots in slot order (0-based monster indices).
std::vector<int> FormationMonsters(const Formation& formation);

// The file. Formation lines are parsed only while fewer units than the count have been completed; a
// unit beyond the count keeps its name and formation count with cleared formations. A formation
// count outside 0..32 is clamped into it; formation lines beyond it are ignored.
std::vector<EnemyUnit> ParseEnemyList(std::string_view bytes);
ReadStatus LoadEnemyList(const Project& project, std::vector<EnemyUnit>& units);
std::string EnemyListBytes(const std::vector<EnemyUnit>& units);
bool SaveEnemyList(const Project& project, const std::vector<EnemyUnit>& units, SaveUi& ui);

// Choice mode (the battle commands' unit drop-down): one entry per unit in file order.
struct EnemyUnitChoice {
    std::string text;  // UnitRowText
    int index = 0;
    bool operator==(const EnemyUnitChoice&) const = default;
};
void ParseEnemyUnitChoices(std::string_view bytes, std::vector<EnemyUnitChoice>& out);
ReadStatus LoadEnemyUnitChoices(const Project& project, std::vector<EnemyUnitChoice>& out);

// ---------------------------------------------------------------------------------------------
// Placement on the battle field

struct PictureSize {
    int width = 0;
    int height = 0;
};
struct BattleLayout {
    bool translucentMenu = false;  // "戦闘ﾒﾆｭｰ半透明化": the bottom row stands on Y = 240
    int talkY = 160;               // otherwise on "会話枠Y座標"
};
struct SlotPlace {
    bool used = false;  // the slot holds a monster
    int x = 0;
    int y = 0;
};
// Where each slot's picture stands. Each row (bottom: slots 0..2, top: 3..5) is laid out over its
// slots that hold a monster: with n pictures of total width W, the gap is (320 - W) / (n + 1) and
// the first stands at the gap when W <= 320; otherwise the gap is (320 - W) / (n - 1) (overlap) and
// the first stands at 0. Each next picture stands at the previous X + width + gap. The top row
// stands at Y = 0, the bottom row with its lower edge on 240 (translucent menu) or on talkY. A slot
// whose stored X or Y is at least 1 stands at its stored X, Y instead.
std::array<SlotPlace, kFormationSlots> PlaceFormation(const Formation& formation,
                                                      const std::array<PictureSize, kFormationSlots>& sizes,
                                                      const BattleLayout& layout);

// ---------------------------------------------------------------------------------------------
// Appearance rates

// A stored fraction as a whole percent (times 100, rounded to the nearest).
int RatePercent(float fraction);
// When every rate is 0: each gets 100 / n percent, the first also the leftover. Returns whether it
// split.
bool SplitRatesEvenly(std::vector<Formation>& formations);
// The whole percentages add up to exactly 100.
bool RatesTotal100(const std::vector<Formation>& formations);
// "%d %" for the rate list.
std::string RateRowText(const Formation& formation);

}  // namespace lw
