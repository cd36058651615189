#pragma once
// The item list (item_list.txt in the data folder): every item of the game with its kind, ability
// bonuses, price, description, weapon animation and sound effect. Other lists refer to an item by
// its 0-based position in this file, the item index; records have no identifier of their own.
//
// File shape (CR LF between lines, none after the last):
//   "<item_number>" count "</item_number>" "<item_data>" one line per item "</item_data>"
// Item line: "kind noDiscard agility evasion attack magic physDef mentalDef maxHp maxMp hp mp
//             health weaponAnimation sound price name description"
// The description is stored with every CR LF as "#" (and every single-byte "#" reads back as a line
// break); name and description are one token each. Record lines are taken while fewer than the
// count have been taken; fields missing at the end of a line stay 0 (strings empty).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"
#include "core/tagfile/file_io.h"

namespace lw {

inline constexpr std::string_view kItemFile = "item_list.txt";
inline constexpr std::size_t kItemNameBytes = 63;          // a 64-byte field with its terminator
inline constexpr std::size_t kItemDescriptionBytes = 255;  // in memory, line breaks as CR LF
inline constexpr int kItemPriceMax = 999999;

// Item kinds (the kind field is the row of the kind drop-down).
inline constexpr int kItemKindCount = 9;
inline constexpr int kItemWeapon = 0;
inline constexpr int kItemHelmet = 1;
inline constexpr int kItemArmour = 2;
inline constexpr int kItemShield = 3;
inline constexpr int kItemOtherEquipment = 4;
inline constexpr int kItemRecovery = 5;
inline constexpr int kItemAbilityRaising = 6;
inline constexpr int kItemOtherConsumable = 7;
inline constexpr int kItemOther = 8;

// Special values of the reference fields.
inline constexpr int kNoWeaponAnimation = -1;  // any kind but weapons, or a weapon without one
inline constexpr int kItemSoundNone = -1;      // "なし" chosen
inline constexpr int kItemSoundUnchosen = -2;  // nothing chosen

// The ten bonus fields, in file order, for code that treats them alike (spins, clamping).
inline constexpr int kItemAbilityCount = 10;

// One item. A default-constructed Item is the cleared record a line is read into: every number 0,
// both strings empty.
struct Item {
    int kind = 0;
    int noDiscard = 0;  // "廃棄・売却不可": 1 set, 0 not set
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
    int healthState = 0;      // a state bit: 0 normal, 1 poison (kind 5 only)
    int weaponAnimation = 0;  // 0-based effect animation, kNoWeaponAnimation for none
    int sound = 0;            // 0-based sound effect, kItemSoundNone, kItemSoundUnchosen
    int price = 0;            // 0..kItemPriceMax
    std::string name;         // CP932, at most kItemNameBytes, one token
    std::string description;  // CP932, line breaks as CR LF, at most kItemDescriptionBytes
    bool operator==(const Item&) const = default;
};

// The ten bonus fields of an item in file order (agility .. mp).
std::array<int Item::*, kItemAbilityCount> ItemAbilityFields();

// The nine kind names and the two health-state names the editor offers, as CP932 bytes.
const std::vector<std::string>& ItemKindNames();
const std::vector<std::string>& HealthStateNames();

// Which fields a kind uses: only weapons have a weapon animation, only recovery consumables a
// health state.
constexpr bool KindUsesWeaponAnimation(int kind) { return kind == kItemWeapon; }
constexpr bool KindUsesHealthState(int kind) { return kind == kItemRecovery; }

// Health states are state bits: row 0 "正常" is 0, row 1 "毒" is 1 (the table goes on with 2, 4
// and 8, which the item editor does not offer). The row of a stored value among the rows offered,
// or -1 when it is none of them.
int HealthStateBit(int row);
int HealthStateRow(int value);

// ---------------------------------------------------------------------------------------------
// The file

// List mode: every record line taken, in file order.
std::vector<Item> ParseItemList(std::string_view bytes);
// `items` is emptied first; a missing or unreadable file leaves it empty.
ReadStatus LoadItemList(const Project& project, std::vector<Item>& items);
// The count line is the number of items.
std::string ItemListBytes(const std::vector<Item>& items);
bool SaveItemList(const Project& project, const std::vector<Item>& items, SaveUi& ui);

// Choice mode: an entry of an item drop-down. `index` is the item's position in the file, whatever
// the filter let through.
struct ItemChoice {
    std::string name;
    int index = 0;
    bool operator==(const ItemChoice&) const = default;
};
inline constexpr int kAnyItemKind = -1;
// Appends one choice per record whose kind equals `kindFilter` (kAnyItemKind takes every record);
// nothing is cleared first.
void ParseItemChoices(std::string_view bytes, int kindFilter, std::vector<ItemChoice>& out);
ReadStatus LoadItemChoices(const Project& project, int kindFilter, std::vector<ItemChoice>& out);

// ---------------------------------------------------------------------------------------------
// The editor's rules

// What the editor's controls hold when a record is collected (add and update). Rows are -1 when
// nothing is selected. `abilities` and `price` are the spins' values, in the order of
// ItemAbilityFields().
struct ItemForm {
    std::string name;         // CP932
    std::string description;  // CP932, line breaks as CR LF
    int kindRow = -1;
    int soundRow = -1;      // row 0 is "なし"
    int animationRow = -1;  // the effect animation's position
    int healthRow = -1;
    bool noDiscard = false;
    std::array<int, kItemAbilityCount> abilities{};
    int price = 0;
};

// The record the controls make: name cut to 63 bytes, description to 255 (never between CR and
// LF nor inside a character); kind = kind row; sound = sound row - 1 (so "なし" is -1 and no choice
// -2); weapon animation = the animation row for a weapon, else -1; health state = the chosen row's
// bit for a recovery consumable (0 without a choice), else 0. Numbers are taken as they stand.
Item CollectItem(const ItemForm& form);

// Why the controls cannot be stored as an item. Adding checks the name first, then the kind; both
// adding and updating refuse a name that is empty or holds a blank and a description that holds a
// blank (the file keeps each as one token, so either would shift or lose what follows).
enum class ItemProblem { None, NoName, NameHasBlank, NoKind, DescriptionHasBlank };
ItemProblem CheckItemToAdd(const ItemForm& form);
ItemProblem CheckItemToUpdate(const ItemForm& form);

// The range of the bonus spins: 0 .. the game's maximum ability value ("最大能力値" of
// setting.txt; a negative maximum counts as 0).
int ClampItemAbility(long long value, int abilityMax);

}  // namespace lw
