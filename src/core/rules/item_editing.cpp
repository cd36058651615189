#include "core/rules/item_editing.h"

#include <climits>

namespace lw {

int AbilitySpinMaximum(const GameSettings& settings) { return ClampItemAbility(INT_MAX, settings.abilityMax); }

Item CollectEditedItem(const ItemForm& form, const Item& shown, const KeptItemChoices& kept) {
    Item item = CollectItem(form);
    item.sound = form.soundRow - 1;
    item.noDiscard = kept.noDiscard;
    const bool kindAsShown = item.kind == shown.kind;
    if (KindUsesWeaponAnimation(item.kind)) {
        if (kept.weaponAsShown && kindAsShown) item.weaponAnimation = shown.weaponAnimation;
    } else if (kindAsShown) {
        item.weaponAnimation = shown.weaponAnimation;
    }
    if (KindUsesHealthState(item.kind)) {
        if (kept.healthAsShown && kindAsShown) item.healthState = shown.healthState;
    } else if (kindAsShown) {
        item.healthState = shown.healthState;
    }
    return item;
}

bool DescriptionFits(std::string_view description) { return description.size() <= kItemDescriptionBytes; }

namespace {

// Each CR LF, lone CR and lone LF of `text` becomes `lineBreak`. CR and LF are never trail bytes
// of a double-byte character, so the bytes can be walked one by one.
std::string ReplaceLineBreaks(std::string_view text, std::string_view lineBreak) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            out.push_back(c);
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += lineBreak;
    }
    return out;
}

}  // namespace

std::string DescriptionFromTyped(std::string_view typed) { return ReplaceLineBreaks(typed, "\r\n"); }
std::string DescriptionForField(std::string_view stored) { return ReplaceLineBreaks(stored, "\n"); }

}  // namespace lw
