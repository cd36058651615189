#pragma once
// The item editor's form ("ｱｲﾃﾑ ﾘｽﾄ") on top of the item rules of items.h: collecting a record so
// that what the author did not touch comes back as it was read, the spin range of the abilities,
// the description's length limit and its line breaks in a multi-line field.

#include <string>
#include <string_view>

#include "core/rules/items.h"
#include "core/settings/game_settings.h"

namespace lw {

// The upper end of the ten ability spins: the game's maximum ability value, never below 0.
int AbilitySpinMaximum(const GameSettings& settings);

// What the controls say beyond an ItemForm: the value the no-discard box gives back (the stored
// number while untouched), and whether the weapon-animation and health-state drop-downs still show
// what they showed when the record was loaded.
struct KeptItemChoices {
    int noDiscard = 0;
    bool weaponAsShown = false;
    bool healthAsShown = false;
};

// The record of the form, as CollectItem makes it, except for values of `shown` (the record the
// form was loaded from) that the author left alone, which are written back as they were read:
//   - the sound is the sound row less one, unclamped (the row is the drop-down's kept value);
//   - the no-discard flag is the box's kept value (a stored 2 stays 2);
//   - a kind that uses the weapon animation / health state takes the drop-down's choice, and the
//     stored value while the drop-down is as it was shown (even when no row showed it);
//   - a kind that does not use the field stores -1 / 0, except that a record whose kind was left as
//     shown keeps the value it was read with.
// Choosing kind 0, an animation, then kind 3 still stores no animation.
Item CollectEditedItem(const ItemForm& form, const Item& shown, const KeptItemChoices& kept);

// False when the description (line breaks as CR LF) is longer than a record keeps; the form
// refuses it rather than cutting what the author typed.
bool DescriptionFits(std::string_view description);

// The description as typed in a multi-line field ("\n" between lines; a CR LF or a lone CR is one
// line break too) in the record's form, with CR LF between lines.
std::string DescriptionFromTyped(std::string_view typed);
// The description as a multi-line field shows it: each CR LF (or lone CR or LF) becomes "\n".
std::string DescriptionForField(std::string_view stored);

}  // namespace lw
