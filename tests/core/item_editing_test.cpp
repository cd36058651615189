// The item form: collecting a record so that untouched odd values survive, the ability range and
// the description's limit and line breaks.
#include <gtest/gtest.h>

#include "core/rules/item_editing.h"

namespace lw {
namespace {

Item Record(int kind, int weapon, int health) {
    Item item{.kind = kind, .healthState = health, .weaponAnimation = weapon, .sound = kItemSoundUnchosen,
        .name = "x"};
    return item;
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
