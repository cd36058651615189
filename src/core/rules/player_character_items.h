#pragma once
// The rules of the player character's belongings ("所持品") and equipment ("装備") dialogs. Items
// are kept by their index in item_list.txt (stored as index + 1, 0 for none), never found again by
// name: two items may share a name.

#include <array>
#include <string>
#include <vector>

#include "core/rules/items.h"
#include "core/rules/player_character.h"

namespace lw {

// "追加" in the belongings: `itemIndex` is the item chosen (its index in the item list, -1 none),
// `count` the number typed.
enum class BelongingAddOutcome {
    Added,     // a new row at the end
    Replaced,  // the row of that item takes the new count
    NoItem,    // nothing chosen: nothing happens
    NoCount,   // a count below 1: nothing happens
    Full,      // a new item while the rows are full (kPcBelongingsEditCapacity): refused
};
struct BelongingAdd {
    BelongingAddOutcome outcome = BelongingAddOutcome::NoItem;
    int row = -1;  // the row added or changed, which becomes selected; -1 when nothing changed
};
// The same item added twice keeps one row, with the last count. A row already there takes its new
// count even when the rows are full (only new rows are refused).
BelongingAdd AddBelonging(std::vector<PcBelonging>& rows, int itemIndex, int count);

// The position of the row holding `item` (index + 1), or -1.
int FindBelonging(const std::vector<PcBelonging>& rows, int item);

// "次へ" of the equipment: every equipped item that is not among the belongings is appended with
// count 1 (an item in two slots once). False, changing nothing, when the belongings would then hold
// more pairs than a file gives back (kPcBelongingsCapacity).
bool AddEquipmentToBelongings(const std::array<int, kPcEquipmentSlots>& equipment,
                              std::vector<PcBelonging>& belongings);
// How many pairs AddEquipmentToBelongings would append.
int EquipmentMissingFromBelongings(const std::array<int, kPcEquipmentSlots>& equipment,
                                   const std::vector<PcBelonging>& belongings);

// The slot names in slot order: "武器", "兜", "鎧", "盾", "その他" (UTF-8).
const std::array<std::string, kPcEquipmentSlots>& EquipmentSlotNames();

// The drop-down of a slot: an empty entry, then the items of the slot's kind (`kindChoices`, each
// with its index in the item list). The entry a slot value selects: 0 for an empty slot, the entry
// of that item, or -1 when the item is not among the choices (then nothing is selected and the slot
// keeps its value).
int EquipmentChoicePosition(const std::vector<ItemChoice>& kindChoices, int slotValue);
// The slot value of an entry: 0 for the empty entry (or none), the item's index + 1 otherwise.
int EquipmentSlotValue(const std::vector<ItemChoice>& kindChoices, int position);

// The name of an item by its stored value (index + 1), from every item's name in list order; empty
// for 0, and "(n)" with the stored value for an item the list does not have.
std::string StoredItemName(const std::vector<std::string>& itemNames, int item);

}  // namespace lw
