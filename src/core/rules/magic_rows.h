#pragma once
// The rows of the spell property editor ("魔法ﾘｽﾄ2"), bound to one working record: the 20 field
// labels in the order the editor lists them, each with its control, range and entries.

#include <vector>

#include "core/rules/magic.h"
#include "core/settings/property_rows.h"

namespace lw {

inline constexpr int kMagicRowCount = 20;
// Positions of the rows that depend on the damage, and of the damage itself.
inline constexpr int kMagicDamageRow = 13;
inline constexpr int kMagicAnimationRow = 16;
inline constexpr int kMagicSoundRow = 17;
inline constexpr int kMagicAllTargetsRow = 19;

// "魔法名", "魔法説明", the ten abilities "敏捷度" .. "精神点", "健康状態", "与えるﾀﾞﾒｰｼﾞ",
// "消費精神点", "必要ﾚﾍﾞﾙ", "攻撃ｱﾆﾒ", "効果音", "修得可能ﾌﾗｸﾞ", "全体魔法ﾌﾗｸﾞ". Abilities, damage
// and cost run 0 .. `abilityMax` (see MagicAbilityMaximum), the level 0 .. 256. "攻撃ｱﾆﾒ" and
// "全体魔法ﾌﾗｸﾞ" are enabled only while the spell deals damage. Names and descriptions with a
// blank are refused with a message. `magic` must outlive the rows.
std::vector<PropertyRow> MagicRows(Magic& magic, int abilityMax);

}  // namespace lw
