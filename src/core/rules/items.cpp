#include "core/rules/items.h"
#include "core/text/ui_text.h"

#include <algorithm>
#include <limits>

#include "core/tagfile/record_format.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"

namespace lw {

namespace {

constexpr std::string_view kNumberTag = "item_number";
constexpr std::string_view kDataTag = "item_data";

// "%d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %s %s"
const RecordFormat<Item>& ItemLine() {
    static const RecordFormat<Item> format = {
        IntField(&Item::kind),          IntField(&Item::noDiscard),       IntField(&Item::agility),
        IntField(&Item::evasion),       IntField(&Item::attack),          IntField(&Item::magicPower),
        IntField(&Item::physicalDefence), IntField(&Item::mentalDefence), IntField(&Item::maxHp),
        IntField(&Item::maxMp),         IntField(&Item::hp),              IntField(&Item::mp),
        IntField(&Item::healthState),   IntField(&Item::weaponAnimation), IntField(&Item::sound),
        IntField(&Item::price),         TokenField(&Item::name, kItemNameBytes),
        TextField(&Item::description, kItemDescriptionBytes),
    };
    return format;
}

// Calls `take` with every record line the count lets through, in file order.
template <class F>
void ReadItemLines(std::string_view bytes, F&& take) {
    TagReader reader;
    // No table stands behind the list: the records are made one per line, so any count is safe.
    BoundedList bounded{.count = 0, .position = 0, .capacity = std::numeric_limits<int>::max()};
    bounded.AddTo(reader, kNumberTag, kDataTag, [&](int position, std::string_view line) {
        Item item;
        ParseRecord(line, item, ItemLine());
        take(position, std::move(item));
    });
    reader.Read(bytes);
}

void WriteItemList(TagWriter& w, const std::vector<Item>& items) {
    w.IntSection(kNumberTag, static_cast<long long>(items.size()));
    w.Open(kDataTag);
    for (const Item& item : items) AppendRecord(w.BeginLine(), item, ItemLine());
    w.Close(kDataTag);
}

// A description cut to its width without splitting a character or a CR LF pair.
std::string CutDescription(std::string_view text) {
    std::string_view cut = CutToBytes(text, kItemDescriptionBytes);
    if (cut.size() < text.size() && !cut.empty() && cut.back() == '\r' && text[cut.size()] == '\n') {
        cut.remove_suffix(1);
    }
    return std::string(cut);
}

ItemProblem CheckTexts(const ItemForm& form) {
    switch (CheckTokenField(form.name)) {
    case FieldProblem::Empty: return ItemProblem::NoName;
    case FieldProblem::HasBlank: return ItemProblem::NameHasBlank;
    case FieldProblem::None: break;
    }
    if (!form.description.empty() && CheckTokenField(EncodeLineBreaks(form.description)) == FieldProblem::HasBlank) {
        return ItemProblem::DescriptionHasBlank;
    }
    return ItemProblem::None;
}

}  // namespace

std::array<int Item::*, kItemAbilityCount> ItemAbilityFields() {
    return {&Item::agility, &Item::evasion,       &Item::attack,        &Item::magicPower, &Item::physicalDefence,
            &Item::mentalDefence, &Item::maxHp,   &Item::maxMp,         &Item::hp,         &Item::mp};
}

// The kind and health state names as the interface shows them, marked for the translation.
[[maybe_unused]] constexpr const char* kItemNameLabels[] = {
    LW_UI_TEXT("lw", "武器"), LW_UI_TEXT("lw", "兜"), LW_UI_TEXT("lw", "鎧"), LW_UI_TEXT("lw", "盾"),
    LW_UI_TEXT("lw", "その他の装備品"), LW_UI_TEXT("lw", "回復系消耗品"), LW_UI_TEXT("lw", "能力値上昇系消耗品"),
    LW_UI_TEXT("lw", "その他の消耗品"), LW_UI_TEXT("lw", "その他"), LW_UI_TEXT("lw", "正常"), LW_UI_TEXT("lw", "毒")};

const std::vector<std::string>& ItemKindNames() {
    static const std::vector<std::string> names = {
        "\x95\x90\x8a\xed",                                                  // 武器
        "\x8a\x95",                                                          // 兜
        "\x8aZ",                                                             // 鎧
        "\x8f\x82",                                                          // 盾
        "\x82\xbb\x82\xcc\x91\xbc\x82\xcc\x91\x95\x94\xf5\x95i",             // その他の装備品
        "\x89\xf1\x95\x9c\x8cn\x8f\xc1\x96\xd5\x95i",                        // 回復系消耗品
        "\x94\x5c\x97\xcd\x92l\x8f\xe3\x8f\xb8\x8cn\x8f\xc1\x96\xd5\x95i",   // 能力値上昇系消耗品
        "\x82\xbb\x82\xcc\x91\xbc\x82\xcc\x8f\xc1\x96\xd5\x95i",             // その他の消耗品
        "\x82\xbb\x82\xcc\x91\xbc",                                          // その他
    };
    return names;
}

const std::vector<std::string>& HealthStateNames() {
    static const std::vector<std::string> names = {
        "\x90\xb3\x8f\xed",  // 正常
        "\x93\xc5",          // 毒
    };
    return names;
}

int HealthStateBit(int row) { return row == 1 ? 1 : 0; }

int HealthStateRow(int value) {
    if (value == 0) return 0;
    if (value == 1) return 1;
    return -1;
}

std::vector<Item> ParseItemList(std::string_view bytes) {
    std::vector<Item> items;
    ReadItemLines(bytes, [&](int, Item&& item) { items.push_back(std::move(item)); });
    return items;
}

ReadStatus LoadItemList(const Project& project, std::vector<Item>& items) {
    items.clear();
    FileBytes file = ReadFileBytes(DataFilePath(project, kItemFile), kListFileCeiling);
    if (file.ok()) items = ParseItemList(file.bytes);
    return file.status;
}

std::string ItemListBytes(const std::vector<Item>& items) {
    return TagFileBytes([&](TagWriter& w) { WriteItemList(w, items); });
}

bool SaveItemList(const Project& project, const std::vector<Item>& items, SaveUi& ui) {
    return SaveDataTagFile(project, kItemFile, [&](TagWriter& w) { WriteItemList(w, items); }, ui);
}

void ParseItemChoices(std::string_view bytes, int kindFilter, std::vector<ItemChoice>& out) {
    ReadItemLines(bytes, [&](int position, Item&& item) {
        if (kindFilter == kAnyItemKind || item.kind == kindFilter) out.push_back({std::move(item.name), position});
    });
}

ReadStatus LoadItemChoices(const Project& project, int kindFilter, std::vector<ItemChoice>& out) {
    FileBytes file = ReadFileBytes(DataFilePath(project, kItemFile), kListFileCeiling);
    if (file.ok()) ParseItemChoices(file.bytes, kindFilter, out);
    return file.status;
}

Item CollectItem(const ItemForm& form) {
    Item item;
    item.name = CutCopy(form.name, kItemNameBytes);
    item.description = CutDescription(form.description);
    item.kind = form.kindRow;
    item.sound = form.soundRow - 1;
    if (item.sound < kItemSoundUnchosen) item.sound = kItemSoundUnchosen;
    item.weaponAnimation = KindUsesWeaponAnimation(item.kind) ? form.animationRow : kNoWeaponAnimation;
    if (item.weaponAnimation < kNoWeaponAnimation) item.weaponAnimation = kNoWeaponAnimation;
    item.healthState = KindUsesHealthState(item.kind) ? HealthStateBit(form.healthRow) : 0;
    item.noDiscard = form.noDiscard ? 1 : 0;
    const auto fields = ItemAbilityFields();
    for (std::size_t i = 0; i < fields.size(); ++i) item.*fields[i] = form.abilities[i];
    item.price = form.price;
    return item;
}

ItemProblem CheckItemToAdd(const ItemForm& form) {
    ItemProblem texts = CheckTexts(form);
    if (texts == ItemProblem::NoName || texts == ItemProblem::NameHasBlank) return texts;
    if (form.kindRow < 0) return ItemProblem::NoKind;
    return texts;
}

ItemProblem CheckItemToUpdate(const ItemForm& form) { return CheckTexts(form); }

int ClampItemAbility(long long value, int abilityMax) {
    return static_cast<int>(std::clamp<long long>(value, 0, std::max(abilityMax, 0)));
}

}  // namespace lw
