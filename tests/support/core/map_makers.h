#pragma once
// Map data files made in code for tests: a header and cells, little-endian.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/world/map_data.h"

namespace lw::test {

// The bytes of a map data file of `width` x `height` cells holding `cells` (row-major). Cells
// beyond those given are 0; `extra` bytes are appended after the cells.
std::string MakeMapBytes(std::uint32_t width, std::uint32_t height, const std::vector<std::uint32_t>& cells = {},
                         const std::string& extra = {});
// The same with every cell made by `cell(x, y)`.
std::string MakeMapBytes(std::uint32_t width, std::uint32_t height,
                         const std::function<std::uint32_t(std::uint32_t x, std::uint32_t y)>& cell);
// Only a header declaring `width` x `height`, followed by `cellBytes` zero bytes.
std::string MakeMapHeader(std::uint32_t width, std::uint32_t height, std::size_t cellBytes = 0);

}  // namespace lw::test
