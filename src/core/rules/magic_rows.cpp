#include "core/rules/magic_rows.h"

#include <string>
#include <utility>

namespace lw {

namespace {

std::string RangeText(int lo, int hi) { return "（" + std::to_string(lo) + " ～ " + std::to_string(hi) + "）"; }

PropertyRow Ranged(std::string label, int& field, int hi) {
    return NumberRow(std::move(label), field, NumberRange{0, hi}, RangeText(0, hi));
}

}  // namespace

std::vector<PropertyRow> MagicRows(Magic& m, int abilityMax) {
    const int top = MagicAbilityMaximum(abilityMax);
    const auto usesDamage = [&m] { return MagicUsesDamageFields(m); };
    std::vector<PropertyRow> rows;
    rows.reserve(kMagicRowCount);

    PropertyRow name = TextRow("魔法名", m.name, kMagicNameBytes);
    name.refuseText = [](const std::string& value) { return MagicProblemMessage(CheckMagicName(value)); };
    rows.push_back(std::move(name));
    PropertyRow description = TextRow("魔法説明", m.description, kMagicDescriptionBytes, RowKind::LongText);
    description.refuseText = [](const std::string& value) {
        return MagicProblemMessage(CheckMagicDescription(value));
    };
    rows.push_back(std::move(description));

    rows.push_back(Ranged("敏捷度", m.agility, top));
    rows.push_back(Ranged("回避力", m.evasion, top));
    rows.push_back(Ranged("攻撃力", m.attack, top));
    rows.push_back(Ranged("魔力", m.magicPower, top));
    rows.push_back(Ranged("肉体防御力", m.physicalDefence, top));
    rows.push_back(Ranged("精神防御力", m.mentalDefence, top));
    rows.push_back(Ranged("最大生命点", m.maxHp, top));
    rows.push_back(Ranged("最大精神点", m.maxMp, top));
    rows.push_back(Ranged("生命点", m.hp, top));
    rows.push_back(Ranged("精神点", m.mp, top));
    rows.push_back(ChoiceRow("健康状態", m.healthState, {"なし", "毒", "睡眠"}));
    rows.push_back(Ranged("与えるﾀﾞﾒｰｼﾞ", m.damage, top));  // kMagicDamageRow
    rows.push_back(Ranged("消費精神点", m.cost, top));
    rows.push_back(Ranged("必要ﾚﾍﾞﾙ", m.level, kMagicLevelMax));

    PropertyRow animation = ListRow("攻撃ｱﾆﾒ", RowKind::Effect, m.attackAnimation);  // kMagicAnimationRow
    animation.enabled = usesDamage;
    rows.push_back(std::move(animation));
    rows.push_back(ListRow("効果音", RowKind::Sound, m.sound));  // kMagicSoundRow
    rows.push_back(ChoiceRow("修得可能ﾌﾗｸﾞ", m.learnable, {"修得不可能", "修得可能"}));
    PropertyRow allTargets = ChoiceRow("全体魔法ﾌﾗｸﾞ", m.allTargets, {"個別魔法", "全体魔法"});
    allTargets.enabled = usesDamage;  // kMagicAllTargetsRow
    rows.push_back(std::move(allTargets));
    return rows;
}

}  // namespace lw
