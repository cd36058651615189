#pragma once
// Numbered data files ("scene%d.txt", "map_anim%d.txt"): the number a file name carries, and the
// number a new file takes: the lowest number no file of the list carries yet, counting from 0, so
// that the gaps deleted files leave are filled first.

#include <optional>
#include <span>
#include <string_view>

namespace lw {

// The smallest n among 0 .. used.size() - 1 that `used` does not hold, or used.size() when it
// holds each of them. Numbers outside that range (negative, or beyond the count) never block one.
int NextFreeFileNumber(std::span<const int> used);
// The rule as the scene list uses it.
inline int NextFreeSceneNumber(std::span<const int> used) { return NextFreeFileNumber(used); }

// The number of a file named `prefix` + number + `suffix`: the prefix and suffix compared with
// ASCII letters without case, the number as "%d" writes it (no sign, no leading zero, within int).
// Other names ("scene07.txt", "scene3 copy.txt") carry no number the game can open: nullopt.
std::optional<int> FileNumberFromName(std::string_view name, std::string_view prefix, std::string_view suffix);

}  // namespace lw
