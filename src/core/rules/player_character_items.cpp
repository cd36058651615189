#include "core/rules/player_character_items.h"
#include "core/text/ui_text.h"

#include <algorithm>
#include <limits>

#include "core/tagfile/scan.h"

namespace lw {

int FindBelonging(const std::vector<PcBelonging>& rows, int item) {
    const auto it = std::find_if(rows.begin(), rows.end(), [item](const PcBelonging& b) { return b.item == item; });
    return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

BelongingAdd AddBelonging(std::vector<PcBelonging>& rows, int itemIndex, int count) {
    if (itemIndex < 0 || itemIndex == std::numeric_limits<int>::max()) return {BelongingAddOutcome::NoItem, -1};
    if (count < 1) return {BelongingAddOutcome::NoCount, -1};
    const int item = itemIndex + 1;
    if (const int row = FindBelonging(rows, item); row >= 0) {
        rows[static_cast<std::size_t>(row)].count = count;
        return {BelongingAddOutcome::Replaced, row};
    }
    if (rows.size() >= static_cast<std::size_t>(kPcBelongingsEditCapacity)) return {BelongingAddOutcome::Full, -1};
    rows.push_back({item, count});
    return {BelongingAddOutcome::Added, static_cast<int>(rows.size()) - 1};
}

int EquipmentMissingFromBelongings(const std::array<int, kPcEquipmentSlots>& equipment,
                                   const std::vector<PcBelonging>& belongings) {
    int missing = 0;
    for (std::size_t s = 0; s < equipment.size(); ++s) {
        const int item = equipment[s];
        if (item == 0 || FindBelonging(belongings, item) >= 0) continue;
        // An item in an earlier slot is counted there.
        if (std::find(equipment.begin(), equipment.begin() + static_cast<std::ptrdiff_t>(s), item) !=
            equipment.begin() + static_cast<std::ptrdiff_t>(s))
            continue;
        ++missing;
    }
    return missing;
}

bool AddEquipmentToBelongings(const std::array<int, kPcEquipmentSlots>& equipment,
                              std::vector<PcBelonging>& belongings) {
    const int missing = EquipmentMissingFromBelongings(equipment, belongings);
    if (belongings.size() + static_cast<std::size_t>(missing) > static_cast<std::size_t>(kPcBelongingsCapacity))
        return false;
    for (int item : equipment)
        if (item != 0 && FindBelonging(belongings, item) < 0) belongings.push_back({item, 1});
    return true;
}

const std::array<std::string, kPcEquipmentSlots>& EquipmentSlotNames() {
    static const std::array<std::string, kPcEquipmentSlots> names = {LW_UI_TEXT("lw", "武器"), LW_UI_TEXT("lw", "兜"), LW_UI_TEXT("lw", "鎧"), LW_UI_TEXT("lw", "盾"), LW_UI_TEXT("lw", "その他")};
    return names;
}

int EquipmentChoicePosition(const std::vector<ItemChoice>& kindChoices, int slotValue) {
    if (slotValue == 0) return 0;
    for (std::size_t i = 0; i < kindChoices.size(); ++i)
        if (static_cast<long long>(kindChoices[i].index) + 1 == slotValue) return static_cast<int>(i) + 1;
    return -1;
}

int EquipmentSlotValue(const std::vector<ItemChoice>& kindChoices, int position) {
    if (position < 1 || static_cast<std::size_t>(position) > kindChoices.size()) return 0;
    return kindChoices[static_cast<std::size_t>(position) - 1].index + 1;
}

std::string StoredItemName(const std::vector<std::string>& itemNames, int item) {
    if (item == 0) return {};
    if (item > 0 && static_cast<std::size_t>(item) <= itemNames.size())
        return itemNames[static_cast<std::size_t>(item) - 1];
    return "(" + FormatInt(item) + ")";
}

}  // namespace lw
