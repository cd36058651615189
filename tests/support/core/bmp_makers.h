#pragma once
// Small BMP files made in code, of every depth the editor reads.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lw::test {

// What one pixel holds: for 1-, 4- and 8-bit files a palette index, for 16-bit files the raw
// 16-bit value, for 24-bit files 0xRRGGBB, for 32-bit files the four bytes as 0xAARRGGBB.
using PixelFn = std::function<std::uint32_t(int x, int y)>;

struct BmpSpec {
    int width = 1;
    int height = 1;
    int bitCount = 24;
    bool topDown = false;            // rows stored top row first (negative height)
    std::vector<std::uint32_t> palette;  // 0xRRGGBB per entry, for 1, 4 and 8 bits
    bool coreHeader = false;         // the 12-byte header with 3-byte palette entries
    bool bitfields = false;          // 16/32 bits with explicit masks after a 40-byte header
    std::uint32_t masks[3] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
};

std::string MakeBmp(const BmpSpec& spec, const PixelFn& pixel);

// The common cases.
std::string MakeBmp24(int width, int height, const PixelFn& rgb);
std::string MakeBmp32(int width, int height, const PixelFn& argb);
std::string MakeBmp8(int width, int height, const std::vector<std::uint32_t>& palette, const PixelFn& index);
// A 24-bit picture of one colour.
std::string MakeSolidBmp24(int width, int height, std::uint32_t rgb);

}  // namespace lw::test
