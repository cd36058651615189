#include "core/world/scene_numbers.h"

#include <vector>

namespace lw {

int NextFreeSceneNumber(std::span<const int> used) {
    const std::size_t count = used.size();
    std::vector<bool> taken(count, false);
    for (int n : used)
        if (n >= 0 && static_cast<std::size_t>(n) < count) taken[static_cast<std::size_t>(n)] = true;
    for (std::size_t n = 0; n < count; ++n)
        if (!taken[n]) return static_cast<int>(n);
    return static_cast<int>(count);
}

}  // namespace lw
