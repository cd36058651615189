#pragma once
// The rows of "ﾌﾟﾚｰﾔｰｷｬﾗｸﾀｰ設定", bound to one player character: the 15 labels in the order the
// dialog lists them, each with its control and range.

#include <vector>

#include "core/rules/player_character.h"
#include "core/settings/property_rows.h"

namespace lw {

inline constexpr int kPcRowCount = 15;
inline constexpr int kPcNameRow = 14;

// "動作速度" 1..100, "向き" ("下", "左", "右", "上"), "ﾚﾍﾞﾙ" 0..256, the eight abilities "敏捷度" ..
// "最大精神点" 0..`abilityMax` (a negative maximum counts as 0), "経験点" and "所持金" 0..999999,
// "ｱｲﾃﾑ最大所持数" 0..1024, "名前" (63 bytes, blanks kept: the name is a whole line). A spin whose
// upper bound exceeds 10000 steps by 100. `pc` must outlive the rows.
std::vector<PropertyRow> PlayerCharacterRows(PlayerCharacter& pc, int abilityMax);

}  // namespace lw
