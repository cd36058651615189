#include "core/events/command_dialog_rules.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace lw {

namespace {

// The width of "%d".
std::size_t DecimalWidth(int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return static_cast<std::size_t>(result.ptr - buffer);
}

// One blank and a number.
std::size_t NumberField(int value) { return 1 + DecimalWidth(value); }

}  // namespace

int DigitsFieldValue(std::string_view digits) {
    long long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(value);
}

std::size_t BattleLineBytes(const BattleCommand& b) {
    return EventCommandKeyword(EventCommandKind::Battle).size() + NumberField(b.enemyUnit) + NumberField(b.textBefore) +
           NumberField(b.textAfter) + NumberField(b.talkSpeed) + NumberField(b.canEscape ? 1 : 0) +
           NumberField(b.afterGroup) + 1 + b.background.size();
}

std::size_t TalkContentLineBytes(const TalkContentCommand& talk) {
    std::size_t bytes = EventCommandKeyword(EventCommandKind::TalkContent).size() + NumberField(talk.text);
    const auto disabled =
        std::count_if(talk.choices.begin(), talk.choices.end(), [](const TalkChoice& c) { return c.disabled; });
    if (disabled == kTalkChoiceCount) return bytes + (talk.showMoney ? NumberField(1) : 0);
    bytes += NumberField(talk.showMoney ? 1 : 0) + NumberField(static_cast<int>(disabled));
    for (const TalkChoice& c : talk.choices) bytes += NumberField(c.disabled ? kNoEventGroup : c.group);
    for (const TalkChoice& c : talk.choices)
        bytes += 1 + (c.disabled || c.text.empty() ? kTalkChoiceNoneText.size() : c.text.size());
    return bytes;
}

int FirstSceneChoice(const std::vector<SceneFileEntry>& files) {
    const auto found =
        std::find_if(files.begin(), files.end(), [](const SceneFileEntry& f) { return f.sceneNumber == 0; });
    return found == files.end() ? -1 : static_cast<int>(found - files.begin());
}

int LastCell(std::uint32_t cells) {
    if (cells == 0) return 0;
    return static_cast<int>(std::min<std::uint32_t>(cells - 1, INT_MAX));
}

}  // namespace lw
