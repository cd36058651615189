#include "core/rules/player_character_rows.h"
#include "core/text/ui_text.h"

#include <algorithm>
#include <string>
#include <utility>

namespace lw {

namespace {

constexpr int kLargeStepFrom = 10000;
constexpr int kLargeStep = 100;

std::string RangeText(int lo, int hi) { return LW_UI_TEXT("lw", "（") + std::to_string(lo) + LW_UI_TEXT("lw", " ～ ") + std::to_string(hi) + LW_UI_TEXT("lw", "）"); }

PropertyRow Ranged(std::string label, int& field, int lo, int hi) {
    PropertyRow row = NumberRow(std::move(label), field, NumberRange{lo, hi}, RangeText(lo, hi));
    if (hi > kLargeStepFrom) row.step = kLargeStep;
    return row;
}

}  // namespace

std::vector<PropertyRow> PlayerCharacterRows(PlayerCharacter& pc, int abilityMax) {
    const int top = std::max(abilityMax, 0);
    std::vector<PropertyRow> rows;
    rows.reserve(kPcRowCount);
    rows.push_back(Ranged(LW_UI_TEXT("lw", "動作速度"), pc.speed, kPcSpeedMin, kPcSpeedMax));
    rows.push_back(ChoiceRow(LW_UI_TEXT("lw", "向き"), pc.direction, {LW_UI_TEXT("lw", "下"), LW_UI_TEXT("lw", "左"), LW_UI_TEXT("lw", "右"), LW_UI_TEXT("lw", "上")}));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "ﾚﾍﾞﾙ"), pc.level, 0, kPcLevelMax));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "敏捷度"), pc.agility, 0, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "回避力"), pc.evasion, 0, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "攻撃力"), pc.attack, 0, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "魔力"), pc.magicPower, 0, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "肉体防御力"), pc.physicalDefence, 0, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "精神防御力"), pc.mentalDefence, 0, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "最大生命点"), pc.maxHp, 0, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "最大精神点"), pc.maxMp, 0, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "経験点"), pc.experience, 0, kPcAmountMax));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "所持金"), pc.money, 0, kPcAmountMax));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "ｱｲﾃﾑ最大所持数"), pc.belongingsMax, 0, kPcBelongingsMaxLimit));
    rows.push_back(TextRow(LW_UI_TEXT("lw", "名前"), pc.name, kPcNameBytes));  // kPcNameRow
    return rows;
}

}  // namespace lw
