#include "core/sample/sample_pictures.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lw::sample {

namespace {

// A repeatable pseudo-random byte for a position.
std::uint32_t Hash(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return (h ^ (h >> 16)) & 0xFFu;
}

struct Colour {
    int r, g, b;
};
std::uint32_t Pack(Colour c) {
    const auto ch = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
    return ch(c.r) << 16 | ch(c.g) << 8 | ch(c.b);
}
Colour Unpack(std::uint32_t rgb) {
    return {static_cast<int>(rgb >> 16 & 0xFF), static_cast<int>(rgb >> 8 & 0xFF), static_cast<int>(rgb & 0xFF)};
}
// The colour lightened (k > 0) or darkened (k < 0) by k.
Colour Shade(Colour c, int k) { return {c.r + k, c.g + k, c.b + k}; }
// The colour with a little noise of amplitude `amount`.
Colour Noisy(Colour c, int x, int y, int seed, int amount) {
    return Shade(c, static_cast<int>(Hash(x, y, seed) % static_cast<std::uint32_t>(2 * amount + 1)) - amount);
}
// The blend of two colours, t in 0..1 from a to b.
Colour Mix(Colour a, Colour b, double t) {
    const auto m = [t](int p, int q) { return static_cast<int>(std::lround(p + (q - p) * t)); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}
bool InEllipse(int x, int y, double cx, double cy, double rx, double ry) {
    const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

void Put16(std::string& s, std::uint32_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, std::uint32_t v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

template <class Fn>
Canvas Paint(int width, int height, Fn pixel) {
    Canvas c(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) c.Set(x, y, pixel(x, y));
    return c;
}

}  // namespace

Canvas::Canvas(int w, int h, std::uint32_t fill)
    : width(std::max(w, 0)), height(std::max(h, 0)), pixels(static_cast<std::size_t>(width) * height, fill) {}

void Canvas::Set(int x, int y, std::uint32_t rgb) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    pixels[static_cast<std::size_t>(y) * width + x] = rgb;
}

std::uint32_t Canvas::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return kKey;
    return pixels[static_cast<std::size_t>(y) * width + x];
}

std::string BmpBytes(const Canvas& c) {
    const std::size_t stride = static_cast<std::size_t>((c.width * 24 + 31) / 32 * 4);
    const std::size_t offBits = 14 + 40;
    std::string s;
    s.reserve(offBits + stride * c.height);
    s += "BM";
    Put32(s, static_cast<std::uint32_t>(offBits + stride * c.height));
    Put32(s, 0);
    Put32(s, static_cast<std::uint32_t>(offBits));
    Put32(s, 40);
    Put32(s, static_cast<std::uint32_t>(c.width));
    Put32(s, static_cast<std::uint32_t>(c.height));
    Put16(s, 1);
    Put16(s, 24);
    Put32(s, 0);
    Put32(s, static_cast<std::uint32_t>(stride * c.height));
    Put32(s, 2835);
    Put32(s, 2835);
    Put32(s, 0);
    Put32(s, 0);
    for (int y = c.height - 1; y >= 0; --y) {
        const std::size_t start = s.size();
        for (int x = 0; x < c.width; ++x) {
            const std::uint32_t v = c.At(x, y);
            s += static_cast<char>(v & 0xFF);
            s += static_cast<char>((v >> 8) & 0xFF);
            s += static_cast<char>((v >> 16) & 0xFF);
        }
        s.append(stride - (s.size() - start), '\0');
    }
    return s;
}

std::uint32_t GroundPixel(int chip, int x, int y) {
    const Colour grass{78, 142, 62};
    switch (chip) {
    case kGrass: return Pack(Hash(x, y, 3) < 18 ? Colour{60, 118, 48} : Noisy(grass, x, y, 1, 8));
    case kGrassTuft: {
        // Short blades in three clumps.
        for (const auto& [cx, cy] : {std::pair{8, 10}, {22, 8}, {15, 24}}) {
            const int dx = x - cx, dy = cy - y;
            if (dy >= 0 && dy < 6 && (dx == -2 || dx == 0 || dx == 2) && std::abs(dx) <= 3 - dy / 2) {
                return Pack(dy > 3 ? Colour{150, 190, 80} : Colour{52, 108, 40});
            }
        }
        return Pack(Noisy(grass, x, y, 2, 8));
    }
    case kDarkGrass: return Pack(Noisy(Colour{60, 116, 52}, x, y, 4, 7));
    case kWater: {
        const bool crest = (y % 10 == 3 && (x + 6) % 16 < 7) || (y % 10 == 8 && (x + 14) % 16 < 6);
        return Pack(crest ? Colour{150, 196, 236} : Noisy(Colour{50, 100, 180}, x, y, 5, 5));
    }
    case kSand: return Pack(Hash(x, y, 6) < 10 ? Colour{180, 150, 100} : Noisy(Colour{222, 200, 146}, x, y, 7, 8));
    case kPath: {
        if (Hash(x / 3, y / 3, 8) < 14 && Hash(x, y, 9) < 200) return Pack(Colour{132, 120, 108});  // pebbles
        return Pack(Noisy(Colour{176, 134, 88}, x, y, 10, 10));
    }
    case kPaving: {
        const int row = y / 8;
        const int shift = row % 2 == 0 ? 0 : 8;
        if (y % 8 == 7 || (x + shift) % 16 == 15) return Pack(Colour{96, 92, 88});  // mortar
        const int stone = static_cast<int>(Hash((x + shift) / 16, row, 11) % 30) - 15;
        return Pack(Noisy(Shade(Colour{176, 170, 160}, stone), x, y, 12, 5));
    }
    case kBridge: {
        if (y < 3 || y > 28) return Pack(Colour{96, 64, 36});  // rails
        if (x % 8 == 7) return Pack(Colour{70, 46, 26});       // gaps between the planks
        return Pack(Noisy(Colour{156, 110, 64}, x, y, 13, 8));
    }
    case kCaveFloor: {
        if (Hash(x / 4, y / 4, 50) < 20 && Hash(x, y, 51) < 160) return Pack(Colour{70, 62, 58});
        return Pack(Noisy(Colour{104, 94, 86}, x, y, 52, 7));
    }
    case kCaveGravel: {
        if (Hash(x / 2, y / 2, 53) < 60) return Pack(Noisy(Colour{132, 122, 112}, x, y, 54, 10));
        return Pack(Noisy(Colour{96, 86, 78}, x, y, 55, 6));
    }
    case kCaveWall: {
        // Boulders in rows, with dark cracks between them.
        const int row = y / 11, shift = row % 2 == 0 ? 0 : 8;
        if (y % 11 == 10 || (x + shift) % 16 == 15) return Pack(Colour{28, 24, 26});
        const int stone = static_cast<int>(Hash((x + shift) / 16, row, 56) % 24) - 12;
        const int light = (y % 11 < 3) ? 18 : 0;
        return Pack(Noisy(Shade(Colour{74, 66, 70}, stone + light), x, y, 57, 6));
    }
    case kCavePool: {
        const bool glint = (y % 8 == 2 && (x + y) % 13 < 4);
        return Pack(glint ? Colour{120, 170, 200} : Noisy(Colour{28, 58, 96}, x, y, 58, 4));
    }
    case kDirt: {
        if (Hash(x / 3, y / 3, 59) < 12) return Pack(Colour{120, 98, 70});
        return Pack(Noisy(Colour{160, 128, 88}, x, y, 60, 9));
    }
    case kMeadow: {
        if (Hash(x, y, 61) < 6) return Pack(Colour{236, 226, 120});
        return Pack(Noisy(Colour{104, 164, 74}, x, y, 62, 8));
    }
    default: return 0;
    }
}

std::uint32_t UpperPixel(int chip, int x, int y) {
    const std::uint32_t key = kKey;
    switch (chip) {
    case kTree: {
        if (InEllipse(x, y, 16, 13, 13, 12)) {
            const int light = (InEllipse(x, y, 12, 9, 8, 7) ? 22 : 0) - (InEllipse(x, y, 19, 18, 10, 7) ? 16 : 0);
            return Pack(Noisy(Shade(Colour{44, 124, 44}, light), x, y, 20, 10));
        }
        if (x >= 13 && x <= 18 && y >= 22) return Pack(Noisy(Colour{110, 72, 40}, x, y, 21, 8));
        return key;
    }
    case kPine: {
        for (int tier = 0; tier < 3; ++tier) {
            const int top = 1 + tier * 7, bottom = top + 11;
            if (y >= top && y <= bottom && std::abs(x - 16) * 11 <= (y - top) * (6 + tier * 2)) {
                return Pack(Noisy(Colour{32, 96 - tier * 6, 56}, x, y, 22, 8));
            }
        }
        if (x >= 14 && x <= 17 && y >= 24 && y <= 30) return Pack(Colour{98, 64, 36});
        return key;
    }
    case kBush:
        if (InEllipse(x, y, 16, 21, 13, 9)) {
            return Pack(Noisy(InEllipse(x, y, 12, 17, 7, 4) ? Colour{96, 170, 70} : Colour{58, 136, 50}, x, y, 23, 9));
        }
        return key;
    case kRock:
        if (InEllipse(x, y, 16, 21, 12, 8)) {
            return Pack(Noisy(InEllipse(x, y, 13, 17, 7, 4) ? Colour{176, 176, 180} : Colour{120, 120, 126}, x, y,
                              24, 7));
        }
        return key;
    case kFlowers: {
        const std::pair<int, int> spots[] = {{6, 8}, {20, 5}, {26, 18}, {11, 21}, {17, 27}, {4, 26}, {24, 28}};
        const Colour petals[] = {{230, 60, 70}, {250, 220, 60}, {245, 245, 245}, {200, 90, 220}};
        int i = 0;
        for (const auto& [fx, fy] : spots) {
            if (std::abs(x - fx) + std::abs(y - fy) <= 1) return Pack(x == fx && y == fy ? Colour{250, 200, 40} : petals[i % 4]);
            if (x == fx && y > fy + 1 && y <= fy + 4) return Pack(Colour{40, 110, 40});
            ++i;
        }
        return key;
    }
    case kRoof:
        if (y % 6 == 5) return Pack(Colour{110, 40, 34});
        return Pack(Noisy(Shade(Colour{176, 66, 52}, (x + (y / 6) * 4) % 8 == 0 ? -30 : 0), x, y, 25, 6));
    case kWallDoor:
    case kWall: {
        if (y < 2 || x < 1 || x > 30) return Pack(Colour{96, 62, 36});  // timber frame
        if (chip == kWallDoor && x >= 10 && x <= 21 && y >= 9) {
            if (x == 10 || x == 21 || y == 9) return Pack(Colour{70, 42, 22});
            if (x == 18 && y == 21) return Pack(Colour{230, 200, 80});  // knob
            return Pack(Noisy(Colour{120, 76, 40}, x, y, 26, 6));
        }
        if (chip == kWall && x >= 8 && x <= 23 && y >= 7 && y <= 20) {
            if (x == 8 || x == 23 || y == 7 || y == 20 || x == 15 || x == 16 || y == 13) return Pack(Colour{96, 62, 36});
            return Pack(Colour{140 + (y - 7) * 4, 190, 230});
        }
        return Pack(Noisy(Colour{228, 214, 176}, x, y, 27, 5));
    }
    case kFence:
        if ((x >= 3 && x <= 6) || (x >= 25 && x <= 28)) {
            if (y >= 9 && y <= 29) return Pack(Colour{120, 82, 46});
        }
        if ((y >= 13 && y <= 15) || (y >= 22 && y <= 24)) return Pack(Colour{150, 104, 60});
        return key;
    case kSign:
        if (x >= 5 && x <= 26 && y >= 5 && y <= 17) {
            if (x == 5 || x == 26 || y == 5 || y == 17) return Pack(Colour{90, 58, 30});
            if ((y == 9 || y == 13) && x >= 9 && x <= 22 && x % 5 != 0) return Pack(Colour{60, 40, 24});
            return Pack(Noisy(Colour{196, 150, 96}, x, y, 28, 6));
        }
        if (x >= 14 && x <= 17 && y > 17) return Pack(Colour{110, 72, 40});
        return key;
    case kCaveMouth: {
        if (InEllipse(x, y, 16, 30, 14, 24)) {
            if (InEllipse(x, y, 16, 31, 10, 19)) return Pack(Colour{10, 8, 12});
            return Pack(Noisy(Colour{96, 86, 80}, x, y, 70, 10));
        }
        return key;
    }
    case kStalagmite:
        if (y >= 4 && std::abs(x - 16) * 28 <= (y - 4) * 9) {
            return Pack(Noisy(x < 16 ? Colour{150, 140, 130} : Colour{104, 96, 90}, x, y, 71, 6));
        }
        return key;
    case kLadder:
        if (x == 8 || x == 9 || x == 22 || x == 23) return Pack(Colour{120, 80, 40});
        if (x > 9 && x < 22 && y % 8 == 3) return Pack(Colour{156, 110, 60});
        return key;
    case kInnBoard:
    case kShopBoard: {
        if (x >= 4 && x <= 27 && y >= 6 && y <= 23) {
            if (x == 4 || x == 27 || y == 6 || y == 23) return Pack(Colour{80, 50, 26});
            if (chip == kInnBoard) {
                // A bed: pillow and blanket.
                if (y >= 12 && y <= 18 && x >= 8 && x <= 23) {
                    if (x <= 11 && y <= 15) return Pack(Colour{245, 245, 245});
                    if (y >= 15) return Pack(Colour{60, 90, 190});
                }
            } else {
                // A money bag.
                if (InEllipse(x, y, 16, 16, 6, 5)) return Pack(Colour{220, 180, 60});
                if (x >= 14 && x <= 18 && y >= 9 && y <= 11) return Pack(Colour{180, 140, 40});
            }
            return Pack(Noisy(Colour{200, 160, 104}, x, y, 72, 5));
        }
        if ((x == 8 || x == 23) && y < 6) return Pack(Colour{60, 60, 60});
        return key;
    }
    case kCrystal: {
        const int cx = 16, d = std::abs(x - cx);
        if (y >= 6 && y <= 30 && d * 3 <= std::min(y - 6, 30 - y) + 2) {
            return Pack(x < cx ? Colour{170, 240, 255} : Colour{90, 170, 230});
        }
        return key;
    }
    default: return key;
    }
}


std::string GroundChipsBmp(int rows) {
    return BmpBytes(Paint(kChipsPerRow * kChip, rows * kChip, [](int x, int y) {
        return GroundPixel(y / kChip * kChipsPerRow + x / kChip, x % kChip, y % kChip);
    }));
}

std::string UpperChipsBmp(int rows) {
    return BmpBytes(Paint(kChipsPerRow * kChip, rows * kChip, [](int x, int y) {
        return UpperPixel(y / kChip * kChipsPerRow + x / kChip, x % kChip, y % kChip);
    }));
}

std::string WaterFramesBmp() {
    return BmpBytes(Paint(4 * kChip, 2 * kChip, [](int px, int py) {
        const int frame = px / kChip, x = px % kChip, y = py % kChip;
        const int shift = frame * 4;
        const bool crest = (y % 10 == 3 && (x + 6 + shift) % 16 < 7) || (y % 10 == 8 && (x + 14 - shift + 32) % 16 < 6);
        if (py >= kChip) {  // the cave pool: darker, with a slow glint
            const bool glint = y % 8 == 2 && (x + y + frame * 3) % 13 < 4;
            return Pack(glint ? Colour{120, 170, 200} : Noisy(Colour{28, 58, 96}, x, y, 58 + frame, 4));
        }
        return Pack(crest ? Colour{150, 196, 236} : Noisy(Colour{50, 100, 180}, x, y, 5 + frame, 5));
    }));
}

std::string WalkingSheetBmp(std::uint32_t tunicRgb, std::uint32_t hairRgb, bool hat) {
    const Colour tunic = Unpack(tunicRgb), hair = Unpack(hairRgb);
    return BmpBytes(Paint(96, 192, [=](int px, int py) -> std::uint32_t {
        const int column = px / 32, facing = py / 48, x = px % 32, y = py % 48;
        const Colour skin{240, 200, 160};
        // Legs: the side columns lift one foot.
        const int lift = column == 0 ? 2 : 0, liftRight = column == 2 ? 2 : 0;
        if (y >= 37 && y <= 45 - lift && x >= 11 && x <= 14) return Pack(y >= 43 - lift ? Colour{90, 56, 30} : Colour{52, 52, 92});
        if (y >= 37 && y <= 45 - liftRight && x >= 17 && x <= 20) {
            return Pack(y >= 43 - liftRight ? Colour{90, 56, 30} : Colour{52, 52, 92});
        }
        // Body and arms.
        if (y >= 21 && y <= 37 && x >= 9 && x <= 22) return Pack(Shade(tunic, x < 12 ? 24 : (x > 19 ? -24 : 0)));
        if (y >= 22 && y <= 34 && (x == 7 || x == 8 || x == 23 || x == 24)) {
            return Pack(y >= 32 ? skin : Shade(tunic, -36));
        }
        if (hat && y >= 2 && y <= 7 && x >= 7 && x <= 24) return Pack(Shade(tunic, y == 7 ? -40 : 10));
        // Head: hair on top, or all over from behind; eyes by the facing.
        if (InEllipse(x, y, 16, 13, 8, 8.5)) {
            if (facing == 3 || y < 10 || (facing == 1 && x > 19) || (facing == 2 && x < 12)) return Pack(hair);
            const bool eye = y == 14 && ((facing == 0 && (x == 13 || x == 18)) || (facing == 1 && x == 11) ||
                                         (facing == 2 && x == 20));
            return Pack(eye ? Colour{30, 30, 40} : skin);
        }
        return kKey;
    }));
}

std::string ChestBmp(int frames) {
    return BmpBytes(Paint(32 * std::clamp(frames, 1, 2), 32, [](int px, int y) -> std::uint32_t {
        const bool open = px >= 32;
        const int x = px % 32;
        if (open && y >= 9 && y <= 16 && x > 3 && x < 28) {
            return Pack(y >= 12 ? Colour{250, 220, 90} : Colour{40, 24, 12});  // gold inside
        }
        if (open && y >= 1 && y <= 8 && x >= 3 && x <= 28) {
            if (x == 3 || x == 28 || y == 1 || y == 8) return Pack(Colour{70, 40, 18});
            return Pack(Noisy(Colour{170, 108, 50}, x, y, 31, 6));  // the raised lid
        }
        if (x < 3 || x > 28 || y < 9 || y > 29) return kKey;
        if (x == 3 || x == 28 || y == 9 || y == 29 || y == 16) return Pack(Colour{70, 40, 18});
        if ((x >= 14 && x <= 17) || x == 6 || x == 25) {
            if (x >= 14 && x <= 17 && y >= 15 && y <= 19) return Pack(Colour{60, 50, 30});  // the lock
            return Pack(Colour{222, 182, 64});
        }
        return Pack(Noisy(y < 16 ? Colour{160, 100, 46} : Colour{138, 86, 40}, x, y, 30, 6));
    }));
}

// ---- monsters ------------------------------------------------------------------------------------

namespace {

// Two eyes with pupils at (cx ± gap, cy).
std::uint32_t Eyes(int x, int y, int cx, int cy, int gap, int r, Colour white, Colour pupil, std::uint32_t otherwise) {
    for (int side : {-1, 1}) {
        const int ex = cx + side * gap;
        if (InEllipse(x, y, ex, cy, r, r)) return Pack(InEllipse(x, y, ex + 1, cy + 1, r / 2.0, r / 2.0) ? pupil : white);
    }
    return otherwise;
}

std::uint32_t MonsterPixel(MonsterLook look, int x, int y) {
    switch (look) {
    case MonsterLook::Slime:
        if (InEllipse(x, y, 32, 42, 26, 20) || (y < 30 && std::abs(x - 32) * 3 <= (y - 6) * 2 && y > 6)) {
            const Colour body = InEllipse(x, y, 24, 32, 8, 6) ? Colour{170, 220, 255} : Colour{60, 130, 230};
            return Eyes(x, y, 32, 40, 9, 4, {255, 255, 255}, {20, 20, 40},
                        Pack(Shade(body, -(y - 30) / 2)));
        }
        return kKey;
    case MonsterLook::Bat: {
        const int dx = std::abs(x - 32);
        const bool wing = y >= 18 && y <= 44 && dx >= 8 && dx <= 31 && y - 18 >= (dx - 8) / 3 &&
                          !(y > 34 && (dx % 8) < 4 && y > 44 - (dx % 8) * 2);
        if (InEllipse(x, y, 32, 30, 9, 12)) {
            if (y < 20 && (dx >= 3 && dx <= 7)) return Pack(Colour{70, 40, 90});
            return Eyes(x, y, 32, 28, 4, 2, {255, 220, 60}, {200, 30, 30}, Pack(Colour{90, 50, 110}));
        }
        if (y >= 13 && y < 20 && dx >= 4 && dx <= 7 && (y - 13) >= 7 - dx) return Pack(Colour{70, 40, 90});
        if (wing) return Pack(Noisy(Colour{60, 36, 80}, x, y, 80, 6));
        return kKey;
    }
    case MonsterLook::Wolf: {
        const Colour fur{130, 130, 140};
        if (InEllipse(x, y, 34, 38, 22, 12)) return Pack(Noisy(Shade(fur, y < 34 ? 15 : 0), x, y, 81, 8));
        if (InEllipse(x, y, 14, 26, 11, 9)) {
            if (InEllipse(x, y, 10, 24, 2, 2)) return Pack(Colour{255, 200, 40});
            return Pack(Noisy(fur, x, y, 82, 6));
        }
        if (InEllipse(x, y, 4, 30, 6, 4)) return Pack(Colour{60, 60, 66});  // the snout
        if (y >= 12 && y < 20 && ((x >= 14 && x <= 18 && y - 12 >= std::abs(x - 16) * 2) ||
                                  (x >= 19 && x <= 23 && y - 12 >= std::abs(x - 21) * 2))) {
            return Pack(Shade(fur, -30));
        }
        for (int leg : {18, 26, 40, 48})
            if (x >= leg && x <= leg + 4 && y >= 44 && y <= 60) return Pack(Shade(fur, -20));
        if (x >= 54 && x <= 62 && y >= 24 && y <= 36 && (x - 54) >= (36 - y) / 2) return Pack(Shade(fur, 10));
        return kKey;
    }
    case MonsterLook::Goblin:
    case MonsterLook::Skeleton: {
        const bool bones = look == MonsterLook::Skeleton;
        const Colour skin = bones ? Colour{232, 228, 210} : Colour{100, 160, 70};
        const Colour cloth = bones ? Colour{232, 228, 210} : Colour{120, 80, 50};
        if (InEllipse(x, y, 32, 16, 11, 11)) {
            if (bones && (InEllipse(x, y, 27, 16, 3, 3) || InEllipse(x, y, 37, 16, 3, 3))) return Pack(Colour{20, 20, 20});
            if (!bones && y == 15 && (x == 27 || x == 28 || x == 36 || x == 37)) return Pack(Colour{240, 40, 40});
            if (y == 22 && x >= 28 && x <= 36 && (bones ? x % 2 == 0 : true)) return Pack(Colour{40, 30, 30});
            return Pack(Noisy(skin, x, y, 83, 5));
        }
        if (!bones && y >= 8 && y <= 16 && ((x >= 16 && x <= 21) || (x >= 43 && x <= 48))) return Pack(skin);  // ears
        if (y >= 28 && y <= 46 && x >= 22 && x <= 42) {
            if (bones) return Pack((y - 28) % 4 < 2 && x != 32 ? skin : (x == 32 ? skin : Colour{255, 0, 255}));
            return Pack(Noisy(cloth, x, y, 84, 8));
        }
        if (y >= 28 && y <= 44 && ((x >= 15 && x <= 20) || (x >= 44 && x <= 49))) return Pack(skin);
        if (y >= 46 && y <= 62 && ((x >= 24 && x <= 29) || (x >= 35 && x <= 40))) return Pack(Shade(skin, -20));
        // A club or a sword in the right hand.
        if (x >= 50 && x <= 53 && y >= 10 && y <= 46) return Pack(bones ? Colour{190, 200, 210} : Colour{110, 70, 30});
        return kKey;
    }
    case MonsterLook::Golem: {
        const int blocks[][4] = {{28, 4, 40, 24}, {16, 24, 80, 58}, {2, 28, 18, 66}, {78, 28, 94, 66},
                                 {24, 58, 44, 94}, {52, 58, 72, 94}};
        for (const auto& b : blocks) {
            if (x >= b[0] && x < b[2] && y >= b[1] && y < b[3]) {
                if (y >= 10 && y <= 14 && (x == 38 || x == 39 || x == 46 || x == 47 || x == 54 || x == 55) &&
                    b[1] == 4) {
                    return Pack(Colour{255, 120, 30});
                }
                const bool edge = x == b[0] || y == b[1] || x == b[2] - 1 || y == b[3] - 1;
                const int crack = Hash(x / 6, y / 6, 85) < 30 ? -30 : 0;
                return Pack(edge ? Colour{50, 48, 46} : Noisy(Shade(Colour{128, 118, 106}, crack), x, y, 86, 8));
            }
        }
        return kKey;
    }
    }
    return kKey;
}

}  // namespace

std::string MonsterBmp(MonsterLook look) {
    const int side = look == MonsterLook::Golem ? 96 : 64;
    if (look == MonsterLook::Golem) {
        return BmpBytes(Paint(side, side, [](int x, int y) {
            // The head block is narrower than the template: centre it.
            if (x >= 28 && x < 68 && y >= 4 && y < 24) {
                const bool edge = x == 28 || y == 4 || x == 67 || y == 23;
                if (y >= 11 && y <= 15 && ((x >= 38 && x <= 42) || (x >= 53 && x <= 57))) return Pack(Colour{255, 120, 30});
                return Pack(edge ? Colour{50, 48, 46} : Noisy(Colour{140, 130, 116}, x, y, 87, 8));
            }
            return MonsterPixel(MonsterLook::Golem, x, y);
        }));
    }
    return BmpBytes(Paint(side, side, [look](int x, int y) { return MonsterPixel(look, x, y); }));
}

// ---- faces ---------------------------------------------------------------------------------------

std::string FacesBmp() {
    struct Look {
        Colour back, hair, skin, cloth;
        bool beard, bald, headband;
    };
    const Look looks[kFaceCount] = {
        {{90, 130, 200}, {150, 80, 30}, {244, 206, 170}, {50, 80, 180}, false, false, true},    // the hero
        {{120, 110, 90}, {226, 226, 226}, {232, 196, 160}, {120, 60, 120}, true, true, false},  // the elder
        {{150, 120, 70}, {60, 40, 30}, {236, 194, 150}, {40, 130, 80}, true, false, false},     // the merchant
        {{180, 120, 120}, {190, 90, 40}, {246, 210, 180}, {230, 230, 230}, false, false, false},  // the innkeeper
    };
    return BmpBytes(Paint(kFaceSide * kFaceCount, kFaceSide, [&](int px, int y) {
        const Look& l = looks[px / kFaceSide];
        const int x = px % kFaceSide;
        if (y >= 50 && InEllipse(x, y, 32, 70, 26, 22)) return Pack(Shade(l.cloth, x < 24 ? 20 : 0));
        if (InEllipse(x, y, 32, 32, 17, 21)) {
            const bool hairTop = !l.bald ? y < 22 || (y < 36 && (x < 18 || x > 46)) : (y < 26 && (x < 19 || x > 45));
            if (hairTop) return Pack(Noisy(l.hair, x, y, 90, 6));
            if (l.headband && y >= 20 && y <= 23) return Pack(Colour{210, 40, 40});
            if (l.beard && y >= 40 && !(y <= 44 && x >= 27 && x <= 37)) return Pack(Noisy(l.hair, x, y, 91, 8));
            if ((x == 25 || x == 26 || x == 38 || x == 39) && y >= 29 && y <= 32) return Pack(Colour{30, 30, 50});
            if (y == 26 && ((x >= 22 && x <= 28) || (x >= 36 && x <= 42))) return Pack(Shade(l.hair, -30));
            if (y == 43 && x >= 28 && x <= 36) return Pack(Colour{170, 80, 70});
            if (x == 32 && y >= 33 && y <= 37) return Pack(Shade(l.skin, -30));
            return Pack(Shade(l.skin, x < 24 ? 10 : 0));
        }
        if (InEllipse(x, y, 14, 32, 3, 5) || InEllipse(x, y, 50, 32, 3, 5)) return Pack(Shade(l.skin, -10));  // ears
        return Pack(Mix(l.back, Shade(l.back, -60), y / 64.0));
    }));
}

// ---- effects -------------------------------------------------------------------------------------

std::string EffectsBmp() {
    return BmpBytes(Paint(kChipsPerRow * kChip, kEffectRows * kChip, [](int px, int py) -> std::uint32_t {
        const int frame = px / kChip, row = py / kChip, x = px % kChip, y = py % kChip;
        if (frame >= kEffectFrames) return kKey;
        const double t = (frame + 1) / static_cast<double>(kEffectFrames);
        switch (row) {
        case kSlashRow: {
            // A white arc sweeping from the top right to the bottom left.
            const int d = x + y - 31;
            const int reach = static_cast<int>(t * 40) - 4;
            if (std::abs(d) <= 2 && (31 - x) <= reach) return Pack(std::abs(d) == 0 ? Colour{255, 255, 255} : Colour{180, 220, 255});
            return kKey;
        }
        case kFireRow: {
            const double r = 4 + t * 11;
            if (InEllipse(x, y, 16, 18 - t * 2, r * 0.8, r)) {
                const bool core = InEllipse(x, y, 16, 20 - t * 2, r * 0.4, r * 0.55);
                return Pack(core ? Colour{255, 240, 140} : Noisy(Colour{240, 110, 30}, x, y, 100 + frame, 20));
            }
            return kKey;
        }
        case kHealRow:
        case kSparkRow: {
            // Sparkles rising (heal) or scattering (a spark).
            for (int i = 0; i < 6; ++i) {
                const int sx = static_cast<int>(Hash(i, row, 101) % 24) + 4;
                const int sy = row == kHealRow ? 28 - static_cast<int>(t * 20) - i % 3 * 3
                                               : 16 + static_cast<int>((static_cast<int>(Hash(i, 1, 102) % 17) - 8) * t);
                const int ox = row == kHealRow ? sx : 16 + static_cast<int>((sx - 16) * t * 1.5);
                if (std::abs(x - ox) + std::abs(y - sy) <= 2) {
                    return Pack(row == kHealRow ? Colour{160, 255, 170} : Colour{255, 250, 140});
                }
            }
            return kKey;
        }
        case kPunchRow: {
            const double r = 3 + t * 12;
            const double d = std::hypot(x + 0.5 - 16, y + 0.5 - 16);
            const int spikes = static_cast<int>(std::atan2(y - 16.0, x - 16.0) * 8 / 3.14159 + 16) % 2;
            if (d <= r && d >= r - 3 - spikes * 3) return Pack(Colour{255, 220, 80});
            return kKey;
        }
        case kArrowDownRow:
        case kArrowUpRow: {
            const int bob = frame % 2;
            const int yy = row == kArrowDownRow ? y - bob : 31 - y - bob;
            if (yy >= 10 && yy <= 21 && std::abs(x - 16) <= (21 - yy) * 8 / 11) return Pack(Colour{255, 255, 255});
            return kKey;
        }
        case kIceRow: {
            const int cx = 16, cy = 16, arm = static_cast<int>(4 + t * 11);
            const int dx = x - cx, dy = y - cy;
            if ((std::abs(dx) <= 1 && std::abs(dy) <= arm) || (std::abs(dy) <= 1 && std::abs(dx) <= arm) ||
                (std::abs(dx - dy) <= 1 && std::abs(dx) <= arm * 2 / 3) || (std::abs(dx + dy) <= 1 && std::abs(dx) <= arm * 2 / 3)) {
                return Pack(Colour{180, 230, 255});
            }
            return kKey;
        }
        default: return kKey;
        }
    }));
}

// ---- screens -------------------------------------------------------------------------------------

namespace {

Colour Sky(int y, Colour top, Colour bottom, int height) { return Mix(top, bottom, y / static_cast<double>(height)); }

// The ridge of a mountain range at x: its height above the bottom.
int Ridge(int x, int seed, int base, int amplitude) {
    return base + static_cast<int>(amplitude * (0.5 + 0.3 * std::sin(x * 0.031 + seed) + 0.2 * std::sin(x * 0.087 + seed * 2)));
}

}  // namespace

std::string TitleBmp() {
    return BmpBytes(Paint(320, 240, [](int x, int y) {
        // Dusk sky with stars, two mountain ranges, a castle on a hill.
        if (y < 150 && Hash(x, y, 110) == 0 && Hash(x + 1, y, 111) < 40) return Pack(Colour{255, 255, 230});
        const bool castle = (x >= 200 && x <= 260 && y >= 120 && y <= 170) ||
                            (x >= 196 && x <= 208 && y >= 96 && y <= 170) || (x >= 252 && x <= 264 && y >= 96 && y <= 170) ||
                            (x >= 222 && x <= 238 && y >= 84 && y <= 170);
        const bool crenel = ((x >= 196 && x <= 208) || (x >= 252 && x <= 264) || (x >= 222 && x <= 238)) &&
                            (y == 92 || y == 93 || y == 80 || y == 81) && x % 4 < 2;
        if (castle) {
            if (y >= 100 && y <= 106 && x % 14 >= 4 && x % 14 <= 6 && (x < 200 || x > 260 || x >= 222)) return Pack(Colour{255, 210, 110});
            return Pack(Colour{40, 34, 60});
        }
        if (crenel) return Pack(Colour{40, 34, 60});
        if (240 - y < Ridge(x, 3, 60, 70)) return Pack(Shade(Colour{40, 50, 90}, -(y / 20)));
        if (240 - y < Ridge(x, 7, 40, 40) + 30) return Pack(Colour{60, 70, 120});
        return Pack(Sky(y, Colour{20, 24, 70}, Colour{230, 120, 90}, 200));
    }));
}

std::string FieldBattleBmp() {
    return BmpBytes(Paint(320, 240, [](int x, int y) {
        if (y < 120) {
            if (240 - y > 240 - 120 + (Ridge(x, 1, 0, 30) - 40) && y > 80) return Pack(Colour{90, 130, 110});
            if (InEllipse(x, y, 60 + (x / 90) * 90.0, 30, 30, 10) && Hash(x / 90, 0, 112) < 128) return Pack(Colour{250, 250, 250});
            return Pack(Sky(y, Colour{90, 150, 230}, Colour{190, 220, 250}, 120));
        }
        return Pack(Noisy(Mix(Colour{110, 170, 80}, Colour{70, 130, 50}, (y - 120) / 120.0), x, y, 113, 8));
    }));
}

std::string CaveBattleBmp() {
    return BmpBytes(Paint(320, 240, [](int x, int y) {
        if (y > 150) return Pack(Noisy(Mix(Colour{70, 62, 58}, Colour{40, 34, 32}, (y - 150) / 90.0), x, y, 114, 7));
        const int hang = static_cast<int>(Hash(x / 12, 0, 115) % 50);
        if (y < hang && std::abs(x % 12 - 6) * 50 < (hang - y) * 6) return Pack(Colour{60, 54, 56});
        const int glow = InEllipse(x, y, 160, 110, 120, 70) ? 20 : 0;
        return Pack(Noisy(Shade(Colour{36, 32, 40}, glow), x, y, 116, 4));
    }));
}

std::string PrologueBmp() {
    return BmpBytes(Paint(320, 240, [](int x, int y) {
        // A moonlit lake below a night sky.
        if (InEllipse(x, y, 250, 50, 20, 20)) return Pack(Colour{250, 246, 210});
        if (y < 150) {
            if (Hash(x, y, 117) == 0 && Hash(x, y, 118) < 60) return Pack(Colour{255, 255, 255});
            if (240 - y < Ridge(x, 5, 80, 40)) return Pack(Colour{24, 28, 50});
            return Pack(Sky(y, Colour{8, 10, 40}, Colour{40, 50, 110}, 150));
        }
        const bool shimmer = std::abs(x - 250) < 20 - (y - 150) / 10 && (y % 4 == 0);
        return Pack(shimmer ? Colour{200, 200, 170} : Sky(y - 150, Colour{30, 40, 90}, Colour{10, 14, 40}, 90));
    }));
}

std::string ShopBmp() {
    return BmpBytes(Paint(320, 240, [](int x, int y) {
        if (y >= 150) {  // the counter
            if (y < 156) return Pack(Colour{120, 76, 40});
            return Pack(Noisy(Colour{150, 100, 56}, x, y, 119, 6));
        }
        // Shelves with jars and boxes on a plank wall.
        if (y % 40 == 36 || y % 40 == 37) return Pack(Colour{100, 64, 34});
        const int slot = x / 28, shelf = y / 40;
        if (y % 40 > 14 && y % 40 < 36 && x % 28 > 6 && x % 28 < 22 && Hash(slot, shelf, 120) < 180) {
            const Colour colours[] = {{200, 60, 60}, {60, 120, 200}, {220, 200, 80}, {90, 170, 90}};
            return Pack(Shade(colours[Hash(slot, shelf, 121) % 4], x % 28 < 10 ? 30 : 0));
        }
        return Pack(Noisy(Shade(Colour{176, 130, 84}, x % 40 == 0 ? -40 : 0), x, y, 122, 5));
    }));
}

std::string MenuBackBmp() {
    return BmpBytes(Paint(320, 240, [](int x, int y) {
        const bool border = x < 4 || y < 4 || x >= 316 || y >= 236;
        if (border) return Pack(Colour{200, 200, 230});
        return Pack(Mix(Colour{20, 30, 110}, Colour{4, 6, 40}, y / 240.0));
    }));
}

std::string LoadingBmp() {
    return BmpBytes(Paint(320, 240, [](int x, int y) {
        // Three dots in the lower right on black.
        for (int i = 0; i < 3; ++i)
            if (InEllipse(x, y, 260 + i * 16, 210, 4, 4)) return Pack(Colour{220, 220, 220});
        return Pack(Colour{0, 0, 0});
    }));
}

std::string CursorBmp() {
    return BmpBytes(Paint(16, 16, [](int x, int y) {
        const int d = std::abs(y - 8);
        if (x >= 2 && x <= 13 - d && d <= 6) return Pack(x + d >= 12 ? Colour{160, 120, 30} : Colour{250, 220, 80});
        return kKey;
    }));
}

std::string FocusBmp() {
    return BmpBytes(Paint(32, 32, [](int x, int y) {
        const bool corner = (x < 10 || x > 21) && (y < 10 || y > 21);
        const bool edge = x <= 1 || x >= 30 || y <= 1 || y >= 30;
        if (corner && edge) return Pack(Colour{255, 60, 60});
        return kKey;
    }));
}

}  // namespace lw::sample
