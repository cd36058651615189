#pragma once
// Rules of the command dialogs that compute something: the digits-only number fields, whether a
// line with free text (a file name, the texts of talk choices) still fits in a stored command
// line, and the scene change dialog's first scene and position ranges.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/events/event_commands.h"
#include "core/world/scene_catalog.h"

namespace lw {

// The number in a digits-only field: empty is 0, and a number beyond the int range is the largest
// int (the field never holds anything but digits).
int DigitsFieldValue(std::string_view digits);

// The length in bytes of the whole line before the builder cuts it to kEventCommandBuiltBytes.
// A line longer than kEventCommandStoredBytes cannot be stored whole: the end of its last fields
// would be lost, so the dialogs ask the author to shorten them instead.
std::size_t BattleLineBytes(const BattleCommand& battle);
std::size_t TalkContentLineBytes(const TalkContentCommand& talk);
inline bool FitsStoredLine(std::size_t bytes) { return bytes <= kEventCommandStoredBytes; }

// The scene file chosen when the scene change dialog opens: the one of scene 0, or -1 (none
// chosen) when there is none.
int FirstSceneChoice(const std::vector<SceneFileEntry>& files);

// The highest cell of a map side of `cells` cells: the destination spins run 0..LastCell. A map
// that could not be read (no cells) still offers cell 0.
int LastCell(std::uint32_t cells);

}  // namespace lw
