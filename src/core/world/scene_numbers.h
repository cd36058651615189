#pragma once
// The number a new scene takes: the lowest number no scene file of the list carries yet, counting
// from 0, so that the gaps deleted scenes leave are filled first.

#include <span>

namespace lw {

// The smallest n among 0 .. used.size() - 1 that `used` does not hold, or used.size() when it
// holds each of them. Numbers outside that range (negative, or beyond the count) never block one.
int NextFreeSceneNumber(std::span<const int> used);

}  // namespace lw
