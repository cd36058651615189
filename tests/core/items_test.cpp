#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/rules/item_editing.h"
#include "core/rules/items.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

Item Sword() {
    Item sword{.attack = 12, .weaponAnimation = -1, .sound = 3, .price = 120, .name = "ShortSword",
        .description = "A\r\nplain_blade"};
    return sword;
}

TEST(ItemFile, WritesTheRecordLineFieldByFieldAndReadsItBack) {
    const std::string sword = "0 0 0 0 12 0 0 0 0 0 0 0 0 -1 3 120 ShortSword A#plain_blade";
    CheckFileThroughProject(kItemFile, std::vector<Item>{Sword()}, CountedList("item", "1", {sword}), LoadItemList,
                            SaveItemList);
    EXPECT_EQ(ItemListBytes({}), "<item_number>\r\n0\r\n</item_number>\r\n<item_data>\r\n</item_data>");

    // Every field in its own place: distinct values, CP932 name, three-line description, and an
    // empty description (written as a trailing blank) all come back unchanged.
    Item all;
    const auto fields = ItemAbilityFields();
    for (std::size_t i = 0; i < fields.size(); ++i) all.*fields[i] = 100 + static_cast<int>(i);
    all.kind = kItemRecovery;
    all.noDiscard = 1;
    all.healthState = 1;
    all.weaponAnimation = -1;
    all.sound = -2;
    all.price = 999999;
    all.name = "\x96\xf2\x91\x90";  // 薬草
    all.description = "one\r\ntwo\r\nthree";
    Item bare;
    bare.name = "stone";
    const std::string bytes = ItemListBytes({all, bare, Sword()});
    EXPECT_NE(bytes.find("\r\n5 1 100 101 102 103 104 105 106 107 108 109 1 -1 -2 999999 \x96\xf2\x91\x90 one#two#three\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("\r\n0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 stone \r\n"), std::string::npos);
    EXPECT_EQ(ParseItemList(bytes), (std::vector<Item>{all, bare, Sword()}));

    // A "#" the author typed comes back as a line break.
    Item hash = bare;
    hash.description = "a#b";
    EXPECT_EQ(ParseItemList(ItemListBytes({hash}))[0].description, "a\r\nb");
}

TEST(ItemFile, CountBoundsTheRecordsAndShortLinesKeepZeros) {
    const std::string line = "1 0 0 0 0 0 0 0 0 0 0 0 0 -1 -1 10 Cap fine";
    // Count 2, three lines: two items; writing them back writes 2 and two lines.
    std::vector<Item> two = ParseItemList(CountedList("item", "2", {line, line, line}));
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(ItemListBytes(two), CountedList("item", "2", {line, line}));
    // Count 5, two lines: two items (the list has no empty rows).
    EXPECT_EQ(ParseItemList(CountedList("item", "5", {line, line})).size(), 2u);
    // No count, a negative one, or the data before the count: nothing.
    EXPECT_TRUE(ParseItemList("<item_data>\r\n" + line + "\r\n</item_data>").empty());
    EXPECT_TRUE(ParseItemList(CountedList("item", "-3", {line})).empty());
    // A huge count takes the lines there are.
    EXPECT_EQ(ParseItemList(CountedList("item", "2000000000", {line})).size(), 1u);

    // Fields missing at the end stay 0 and strings empty (not the new-record -1 / -2).
    std::vector<Item> shortLine = ParseItemList(CountedList("item", "1", {"3 1 5"}));
    ASSERT_EQ(shortLine.size(), 1u);
    Item expected{.kind = 3, .noDiscard = 1, .agility = 5};
    EXPECT_EQ(shortLine[0], expected);

    // A name with a blank reads back shifted: the second word becomes the description.
    std::vector<Item> blank = ParseItemList(CountedList("item", "1", {"0 0 0 0 0 0 0 0 0 0 0 0 0 -1 -1 0 Short Sword sharp"}));
    EXPECT_EQ(blank[0].name, "Short");
    EXPECT_EQ(blank[0].description, "Sword");

    // Over-long names are cut at 63 bytes without splitting a double-byte character.
    std::string longName = "x";
    for (int i = 0; i < 40; ++i) longName += "\x82\xa0";
    Item cut = ParseItemList(CountedList("item", "1", {"0 0 0 0 0 0 0 0 0 0 0 0 0 -1 -1 0 " + longName}))[0];
    EXPECT_EQ(cut.name.size(), 63u);
    EXPECT_EQ(cut.name, longName.substr(0, 63));
}

TEST(ItemFile, ChoiceModeFiltersByKindAndKeepsFilePositions) {
    const std::string bytes = CountedList("item", "5", {"0 0 0 0 0 0 0 0 0 0 0 0 0 -1 -1 0 Sword x", "2 0 0 0 0 0 0 0 0 0 0 0 0 -1 -1 0 Mail x",
                                             "3 0 0 0 0 0 0 0 0 0 0 0 0 -1 -1 0 Buckler x",
                                             "3 0 0 0 0 0 0 0 0 0 0 0 0 -1 -1 0 Kite x",
                                             "5 0 0 0 0 0 0 0 0 0 0 0 0 -1 -1 0 Herb x",
                                             "3 0 0 0 0 0 0 0 0 0 0 0 0 -1 -1 0 Beyond x"});
    std::vector<ItemChoice> shields{{"kept", 99}};  // nothing is cleared first
    ParseItemChoices(bytes, kItemShield, shields);
    EXPECT_EQ(shields, (std::vector<ItemChoice>{{"kept", 99}, {"Buckler", 2}, {"Kite", 3}}));
    std::vector<ItemChoice> all;
    ParseItemChoices(bytes, kAnyItemKind, all);
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[4], (ItemChoice{"Herb", 4}));

    TempProject tp;
    tp.WriteData("item_list.txt", bytes);
    std::vector<ItemChoice> loaded;
    EXPECT_EQ(ReadStatus::Ok, LoadItemChoices(tp.project, kItemRecovery, loaded));
    EXPECT_EQ(loaded, (std::vector<ItemChoice>{{"Herb", 4}}));
}

TEST(ItemRules, CollectingFollowsTheKind) {
    ItemForm form{.name = "Axe", .kindRow = kItemWeapon, .animationRow = 4, .healthRow = 1};
    form.abilities[2] = 30;
    form.price = 999999;
    // Only recovery consumables keep a state; the sound drop-down was never touched.
    Item weapon = CollectItem(form);
    EXPECT_EQ(std::tie(weapon.weaponAnimation, weapon.healthState, weapon.sound, weapon.attack, weapon.price),
              std::make_tuple(4, 0, kItemSoundUnchosen, 30, 999999));

    // Weapon with an animation, then the kind changed to shield: no animation is stored.
    form.kindRow = kItemShield;
    form.soundRow = 0;  // "なし"
    Item shield = CollectItem(form);
    EXPECT_EQ(shield.weaponAnimation, kNoWeaponAnimation);
    EXPECT_EQ(shield.sound, kItemSoundNone);

    form.kindRow = kItemRecovery;
    form.soundRow = 3;
    Item potion = CollectItem(form);
    EXPECT_EQ(potion.healthState, 1);
    EXPECT_EQ(potion.sound, 2);
    form.healthRow = -1;
    EXPECT_EQ(CollectItem(form).healthState, 0);

    // A description is cut to 255 bytes, never between CR and LF.
    form.description = std::string(254, 'a') + "\r\nb";
    EXPECT_EQ(CollectItem(form).description, std::string(254, 'a'));
}

TEST(ItemRules, ChecksAndClamps) {
    ItemForm form;
    EXPECT_EQ(CheckItemToAdd(form), ItemProblem::NoName);  // the name is checked before the kind
    form.name = "Short Sword";
    EXPECT_EQ(CheckItemToAdd(form), ItemProblem::NameHasBlank);
    form.name = "ShortSword";
    EXPECT_EQ(CheckItemToAdd(form), ItemProblem::NoKind);
    EXPECT_EQ(CheckItemToUpdate(form), ItemProblem::None);  // updating does not ask for a kind
    form.kindRow = 0;
    form.description = "two\r\nlines";  // line breaks are stored as "#": fine
    EXPECT_EQ(CheckItemToAdd(form), ItemProblem::None);
    form.description = "a blade";
    EXPECT_EQ(CheckItemToAdd(form), ItemProblem::DescriptionHasBlank);
    EXPECT_EQ(CheckItemToUpdate(form), ItemProblem::DescriptionHasBlank);
    form.description.clear();
    form.name.clear();
    EXPECT_EQ(CheckItemToUpdate(form), ItemProblem::NoName);

    EXPECT_EQ(ClampItemAbility(12000, 9999), 9999);
    EXPECT_EQ(ClampItemAbility(-1, 9999), 0);
    EXPECT_EQ(ClampItemAbility(5, -20), 0);
    EXPECT_EQ(ItemKindNames().size(), 9u);
    EXPECT_EQ(ItemKindNames()[0], "\x95\x90\x8a\xed");  // 武器
    EXPECT_EQ(HealthStateNames()[1], "\x93\xc5");      // 毒
}

// ---- The item form: collecting a record so that untouched odd values survive, the ability range
// and the description's limit and line breaks ----

Item Record(int kind, int weapon, int health) {
    Item item{.kind = kind, .healthState = health, .weaponAnimation = weapon, .sound = kItemSoundUnchosen,
        .name = "x"};
    return item;
}

// The controls showing `item`, as the item editor sets them.
ItemForm ShowItem(const Item& item) {
    ItemForm form{.name = item.name, .description = item.description, .noDiscard = item.noDiscard != 0};
    form.kindRow = (item.kind >= 0 && item.kind < kItemKindCount) ? item.kind : -1;
    form.soundRow = item.sound >= kItemSoundNone ? item.sound + 1 : -1;
    form.animationRow = KindUsesWeaponAnimation(item.kind) && item.weaponAnimation >= 0 ? item.weaponAnimation : -1;
    form.healthRow = KindUsesHealthState(item.kind) ? HealthStateRow(item.healthState) : -1;
    const auto fields = ItemAbilityFields();
    for (std::size_t i = 0; i < fields.size(); ++i) form.abilities[i] = item.*fields[i];
    form.price = item.price;
    return form;
}

// The form as loaded from `shown`, then with the kind row, weapon row and health row given.
ItemForm Form(const Item& shown, int kindRow, int weaponRow, int healthRow) {
    ItemForm form = ShowItem(shown);
    form.kindRow = kindRow;
    form.animationRow = weaponRow;
    form.healthRow = healthRow;
    return form;
}

TEST(ItemEditing, KindDependentFieldsFollowTheChosenKind) {
    const Item blank = Record(-1, -1, 0);
    const KeptItemChoices changed{};
    // A weapon takes the chosen animation and no health state.
    Item weapon = CollectEditedItem(Form(blank, 0, 2, 1), blank, changed);
    EXPECT_EQ(weapon.weaponAnimation, 2);
    EXPECT_EQ(weapon.healthState, 0);
    // Kind 0, an animation, then kind 3 (the drop-down cleared by the kind change): no animation.
    EXPECT_EQ(CollectEditedItem(Form(blank, 3, -1, -1), blank, changed).weaponAnimation, -1);
    // Even with the drop-down still on the animation, a shield stores none.
    EXPECT_EQ(CollectEditedItem(Form(blank, 3, 2, -1), blank, {.weaponAsShown = true}).weaponAnimation, -1);
    // A recovery item takes the chosen row's bit; none chosen is "正常".
    EXPECT_EQ(CollectEditedItem(Form(blank, 5, -1, 1), blank, changed).healthState, 1);
    EXPECT_EQ(CollectEditedItem(Form(blank, 5, -1, -1), blank, changed).healthState, 0);
    EXPECT_EQ(CollectEditedItem(Form(blank, 5, 1, 1), blank, changed).weaponAnimation, -1);
}

TEST(ItemEditing, ARecordConfirmedUnchangedKeepsItsOddValues) {
    // A helmet read with a weapon animation and a health state it does not use, a sound far below
    // "なし" and a no-discard flag of 2.
    Item helmet = Record(1, 7, 4);
    helmet.sound = -9;
    helmet.noDiscard = 2;
    ItemForm form = ShowItem(helmet);
    form.soundRow = helmet.sound + 1;  // the sound drop-down's kept value
    const KeptItemChoices untouched{.noDiscard = 2, .weaponAsShown = true, .healthAsShown = true};
    EXPECT_EQ(CollectEditedItem(form, helmet, untouched), helmet);
    // Another kind chosen: the fields it does not use are cleared.
    form.kindRow = 2;
    Item armour = CollectEditedItem(form, helmet, untouched);
    EXPECT_EQ(armour.weaponAnimation, -1);
    EXPECT_EQ(armour.healthState, 0);
    EXPECT_EQ(armour.sound, -9);

    // A weapon whose animation lies beyond the list (no row shows it) keeps it until the author
    // chooses another.
    const Item farWeapon = Record(0, 77, 0);
    EXPECT_EQ(CollectEditedItem(Form(farWeapon, 0, -1, -1), farWeapon, {.weaponAsShown = true}).weaponAnimation, 77);
    EXPECT_EQ(CollectEditedItem(Form(farWeapon, 0, 1, -1), farWeapon, {.weaponAsShown = false}).weaponAnimation, 1);
    // A recovery item with a state the drop-down does not offer (8) keeps it while untouched.
    const Item sleepCure = Record(5, -1, 8);
    EXPECT_EQ(CollectEditedItem(Form(sleepCure, 5, -1, -1), sleepCure, {.healthAsShown = true}).healthState, 8);
    EXPECT_EQ(CollectEditedItem(Form(sleepCure, 5, -1, 1), sleepCure, {.healthAsShown = false}).healthState, 1);
    // Made a recovery item from another kind, an untouched drop-down means "正常".
    EXPECT_EQ(CollectEditedItem(Form(helmet, 5, -1, -1), helmet, {.healthAsShown = true}).healthState, 0);
}

TEST(ItemEditing, AbilityRangeAndDescriptionLimits) {
    GameSettings settings;
    settings.abilityMax = 250;
    EXPECT_EQ(AbilitySpinMaximum(settings), 250);
    settings.abilityMax = -40;  // a hand-edited setting.txt: the spins still run from 0 to 0
    EXPECT_EQ(AbilitySpinMaximum(settings), 0);

    EXPECT_TRUE(DescriptionFits(std::string(kItemDescriptionBytes, 'x')));
    EXPECT_FALSE(DescriptionFits(std::string(kItemDescriptionBytes + 1, 'x')));

    EXPECT_EQ(DescriptionFromTyped("one\ntwo\nthree"), "one\r\ntwo\r\nthree");
    EXPECT_EQ(DescriptionFromTyped("a\r\nb\rc\n"), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(DescriptionForField("one\r\ntwo\r\n"), "one\ntwo\n");
    // Double-byte characters whose trail bytes are 0x5C and 0x7C are left whole.
    EXPECT_EQ(DescriptionForField("\x95\x5C\r\n\x83\x7C"), "\x95\x5C\n\x83\x7C");
    for (const char* typed : {"", "x", "a\nb", "\n\n", "\x8C\x95\n\x82\xA0"})
        EXPECT_EQ(DescriptionForField(DescriptionFromTyped(typed)), typed) << typed;
}

}  // namespace
}  // namespace lw
