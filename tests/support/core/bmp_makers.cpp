#include "support/core/bmp_makers.h"

#include "support/core/little_endian.h"

namespace lw::test {

std::string MakeBmp(const BmpSpec& spec, const PixelFn& pixel) {
    const int bits = spec.bitCount;
    const std::size_t stride = static_cast<std::size_t>((spec.width * bits + 31) / 32 * 4);
    const std::size_t paletteEntry = spec.coreHeader ? 3 : 4;
    const std::size_t paletteBytes = bits <= 8 ? spec.palette.size() * paletteEntry : 0;
    const std::size_t infoSize = spec.coreHeader ? 12 : 40;
    const std::size_t maskBytes = spec.bitfields ? 12 : 0;
    const std::size_t offBits = 14 + infoSize + maskBytes + paletteBytes;
    const std::size_t fileSize = offBits + stride * static_cast<std::size_t>(spec.height);

    std::string s;
    s += "BM";
    AppendLittleEndian(s, static_cast<std::uint32_t>(fileSize));
    AppendLittleEndian(s, 0);
    AppendLittleEndian(s, static_cast<std::uint32_t>(offBits));
    AppendLittleEndian(s, static_cast<std::uint32_t>(infoSize));
    if (spec.coreHeader) {
        AppendLittleEndian(s, static_cast<std::uint32_t>(spec.width), 2);
        AppendLittleEndian(s, static_cast<std::uint32_t>(spec.height), 2);
        AppendLittleEndian(s, 1, 2);
        AppendLittleEndian(s, static_cast<std::uint32_t>(bits), 2);
    } else {
        AppendLittleEndian(s, static_cast<std::uint32_t>(spec.width));
        AppendLittleEndian(s, static_cast<std::uint32_t>(spec.topDown ? -spec.height : spec.height));
        AppendLittleEndian(s, 1, 2);
        AppendLittleEndian(s, static_cast<std::uint32_t>(bits), 2);
        AppendLittleEndian(s, spec.bitfields ? 3 : 0);
        AppendLittleEndian(s, static_cast<std::uint32_t>(stride * static_cast<std::size_t>(spec.height)));
        AppendLittleEndian(s, 2835);
        AppendLittleEndian(s, 2835);
        AppendLittleEndian(s, bits <= 8 ? static_cast<std::uint32_t>(spec.palette.size()) : 0);
        AppendLittleEndian(s, 0);
    }
    if (spec.bitfields) {
        for (std::uint32_t m : spec.masks) AppendLittleEndian(s, m);
    }
    if (bits <= 8) {
        for (std::uint32_t c : spec.palette) AppendLittleEndian(s, c, static_cast<int>(paletteEntry));
    }
    for (int r = 0; r < spec.height; ++r) {
        const int y = spec.topDown ? r : spec.height - 1 - r;
        std::string row(stride, '\0');
        for (int x = 0; x < spec.width; ++x) {
            const std::uint32_t v = pixel(x, y);
            switch (bits) {
            case 1: row[static_cast<std::size_t>(x / 8)] |= static_cast<char>((v & 1) << (7 - x % 8)); break;
            case 4: row[static_cast<std::size_t>(x / 2)] |= static_cast<char>((v & 0xF) << (x % 2 ? 0 : 4)); break;
            case 8: row[static_cast<std::size_t>(x)] = static_cast<char>(v); break;
            case 16:
                row[static_cast<std::size_t>(2 * x)] = static_cast<char>(v & 0xFF);
                row[static_cast<std::size_t>(2 * x + 1)] = static_cast<char>((v >> 8) & 0xFF);
                break;
            case 24:
            case 32:
                for (int b = 0; b < bits / 8; ++b) {
                    row[static_cast<std::size_t>(bits / 8 * x + b)] = static_cast<char>((v >> (8 * b)) & 0xFF);
                }
                break;
            }
        }
        s += row;
    }
    return s;
}

std::string MakeBmp24(int width, int height, const PixelFn& rgb) {
    return MakeBmp(BmpSpec{.width = width, .height = height, .bitCount = 24}, rgb);
}

std::string MakeBmp32(int width, int height, const PixelFn& argb) {
    return MakeBmp(BmpSpec{.width = width, .height = height, .bitCount = 32}, argb);
}

std::string MakeBmp8(int width, int height, const std::vector<std::uint32_t>& palette, const PixelFn& index) {
    return MakeBmp(BmpSpec{.width = width, .height = height, .bitCount = 8, .palette = palette}, index);
}

std::string MakeSolidBmp24(int width, int height, std::uint32_t rgb) {
    return MakeBmp24(width, height, [rgb](int, int) { return rgb; });
}

}  // namespace lw::test
