#include "core/rules/magic_rows.h"
#include "core/text/ui_text.h"

#include <string>
#include <utility>

namespace lw {

namespace {

std::string RangeText(int lo, int hi) { return LW_UI_TEXT("lw", "（") + std::to_string(lo) + LW_UI_TEXT("lw", " ～ ") + std::to_string(hi) + LW_UI_TEXT("lw", "）"); }

PropertyRow Ranged(std::string label, int& field, int hi) {
    return NumberRow(std::move(label), field, NumberRange{0, hi}, RangeText(0, hi));
}

}  // namespace

std::vector<PropertyRow> MagicRows(Magic& m, int abilityMax) {
    const int top = MagicAbilityMaximum(abilityMax);
    const auto usesDamage = [&m] { return MagicUsesDamageFields(m); };
    std::vector<PropertyRow> rows;
    rows.reserve(kMagicRowCount);

    PropertyRow name = TextRow(LW_UI_TEXT("lw", "魔法名"), m.name, kMagicNameBytes);
    name.refuseText = [](const std::string& value) { return MagicProblemMessage(CheckMagicName(value)); };
    rows.push_back(std::move(name));
    PropertyRow description = TextRow(LW_UI_TEXT("lw", "魔法説明"), m.description, kMagicDescriptionBytes, RowKind::LongText);
    description.refuseText = [](const std::string& value) {
        return MagicProblemMessage(CheckMagicDescription(value));
    };
    rows.push_back(std::move(description));

    rows.push_back(Ranged(LW_UI_TEXT("lw", "敏捷度"), m.agility, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "回避力"), m.evasion, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "攻撃力"), m.attack, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "魔力"), m.magicPower, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "肉体防御力"), m.physicalDefence, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "精神防御力"), m.mentalDefence, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "最大生命点"), m.maxHp, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "最大精神点"), m.maxMp, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "生命点"), m.hp, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "精神点"), m.mp, top));
    rows.push_back(ChoiceRow(LW_UI_TEXT("lw", "健康状態"), m.healthState, {LW_UI_TEXT("lw", "なし"), LW_UI_TEXT("lw", "毒"), LW_UI_TEXT("lw", "睡眠")}));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "与えるﾀﾞﾒｰｼﾞ"), m.damage, top));  // kMagicDamageRow
    rows.push_back(Ranged(LW_UI_TEXT("lw", "消費精神点"), m.cost, top));
    rows.push_back(Ranged(LW_UI_TEXT("lw", "必要ﾚﾍﾞﾙ"), m.level, kMagicLevelMax));

    PropertyRow animation = ListRow(LW_UI_TEXT("lw", "攻撃ｱﾆﾒ"), RowKind::Effect, m.attackAnimation);  // kMagicAnimationRow
    animation.enabled = usesDamage;
    rows.push_back(std::move(animation));
    rows.push_back(ListRow(LW_UI_TEXT("lw", "効果音"), RowKind::Sound, m.sound));  // kMagicSoundRow
    rows.push_back(ChoiceRow(LW_UI_TEXT("lw", "修得可能ﾌﾗｸﾞ"), m.learnable, {LW_UI_TEXT("lw", "修得不可能"), LW_UI_TEXT("lw", "修得可能")}));
    PropertyRow allTargets = ChoiceRow(LW_UI_TEXT("lw", "全体魔法ﾌﾗｸﾞ"), m.allTargets, {LW_UI_TEXT("lw", "個別魔法"), LW_UI_TEXT("lw", "全体魔法")});
    allTargets.enabled = usesDamage;  // kMagicAllTargetsRow
    rows.push_back(std::move(allTargets));
    return rows;
}

}  // namespace lw
