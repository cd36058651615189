#include "support/core/map_makers.h"

namespace lw::test {

namespace {

void AppendU32(std::string& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((v >> shift) & 0xFFu);
}

}  // namespace

std::string MakeMapBytes(std::uint32_t width, std::uint32_t height, const std::vector<std::uint32_t>& cells,
                         const std::string& extra) {
    std::string out;
    AppendU32(out, width);
    AppendU32(out, height);
    const std::size_t count = static_cast<std::size_t>(width) * height;
    for (std::size_t i = 0; i < count; ++i) AppendU32(out, i < cells.size() ? cells[i] : 0u);
    out += extra;
    return out;
}

std::string MakeMapBytes(std::uint32_t width, std::uint32_t height,
                         const std::function<std::uint32_t(std::uint32_t, std::uint32_t)>& cell) {
    std::string out;
    AppendU32(out, width);
    AppendU32(out, height);
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x) AppendU32(out, cell(x, y));
    return out;
}

std::string MakeMapHeader(std::uint32_t width, std::uint32_t height, std::size_t cellBytes) {
    std::string out;
    AppendU32(out, width);
    AppendU32(out, height);
    out.append(cellBytes, '\0');
    return out;
}

}  // namespace lw::test
