#pragma once
// How a placed image is drawn, and the colours the records store. Every record that places an
// image (the battle focus image, effect animations, sprites, map layers) keeps a draw mode, a
// colour-key flag and the key colour; together they are a DrawSpec.

#include <cstdint>

namespace lw {

// Draw modes as stored in the files.
inline constexpr int kDrawOpaque = 0;    // "不透明": plain copy, or keyed copy with the colour key on
inline constexpr int kDrawAdditive = 1;  // "加算": the game adds; the previews draw it as opaque
inline constexpr int kDrawAlpha = 2;     // "透明度": blended by the image's own alpha; the key is ignored

// A colour as three integers red, green, blue. The editors keep them in 0..255; a file may hold
// any integer, which is kept as read.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

struct DrawSpec {
    int mode = kDrawOpaque;
    int keyOn = 0;  // 0 off, 1 on
    Rgb key;
    bool operator==(const DrawSpec&) const = default;
};

// A colour packed as the picking messages carry it: red in the low byte, then green, then blue
// (each channel taken modulo 256).
constexpr std::uint32_t PackColour(int red, int green, int blue) {
    return (static_cast<std::uint32_t>(red) & 0xFFu) | ((static_cast<std::uint32_t>(green) & 0xFFu) << 8) |
           ((static_cast<std::uint32_t>(blue) & 0xFFu) << 16);
}
constexpr std::uint32_t PackColour(const Rgb& c) { return PackColour(c.red, c.green, c.blue); }
constexpr Rgb UnpackColour(std::uint32_t packed) {
    return Rgb{static_cast<int>(packed & 0xFFu), static_cast<int>((packed >> 8) & 0xFFu),
               static_cast<int>((packed >> 16) & 0xFFu)};
}
// What a colour pick outside the picture yields: no colour at all.
inline constexpr std::uint32_t kInvalidColour = 0xFFFFFFFFu;

}  // namespace lw
