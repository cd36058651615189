#include "support/core/map_makers.h"

#include "support/core/little_endian.h"

namespace lw::test {

std::string MakeMapHeader(std::uint32_t width, std::uint32_t height, std::size_t cellBytes) {
    std::string out;
    AppendLittleEndian(out, width);
    AppendLittleEndian(out, height);
    out.append(cellBytes, '\0');
    return out;
}

std::string MakeMapBytes(std::uint32_t width, std::uint32_t height,
                         const std::function<std::uint32_t(std::uint32_t, std::uint32_t)>& cell) {
    std::string out = MakeMapHeader(width, height);
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x) AppendLittleEndian(out, cell(x, y));
    return out;
}

std::string MakeMapBytes(std::uint32_t width, std::uint32_t height, const std::vector<std::uint32_t>& cells,
                         const std::string& extra) {
    const auto cell = [&](std::uint32_t x, std::uint32_t y) {
        const std::size_t i = static_cast<std::size_t>(y) * width + x;
        return i < cells.size() ? cells[i] : 0u;
    };
    return MakeMapBytes(width, height, cell) + extra;
}

}  // namespace lw::test
