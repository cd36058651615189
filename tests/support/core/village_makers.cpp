#include "support/core/village_makers.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/sample/sample_pictures.h"
#include "core/world/map_data.h"
#include "support/core/bmp_makers.h"
#include "support/core/map_makers.h"

namespace lw::test {

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
// The colour lightened (k > 0) or darkened (k < 0) by k.
Colour Shade(Colour c, int k) { return {c.r + k, c.g + k, c.b + k}; }
// The colour with a little noise of amplitude `amount`.
Colour Noisy(Colour c, int x, int y, int seed, int amount) {
    return Shade(c, static_cast<int>(Hash(x, y, seed) % static_cast<std::uint32_t>(2 * amount + 1)) - amount);
}
bool InEllipse(int x, int y, double cx, double cy, double rx, double ry) {
    const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

// The chips are the sample game's own: the village's chip numbers are the first of its sets.
constexpr int kChip = sample::kChip;
constexpr int kChipsPerRow = sample::kChipsPerRow;

// Two rows of the sample's chips, each pixel by `pixel(chip, x, y)`.
std::string ChipSetBmp(std::uint32_t (*pixel)(int chip, int x, int y)) {
    return MakeBmp24(kChipsPerRow * kChip, 2 * kChip, [pixel](int x, int y) {
        return pixel(y / kChip * kChipsPerRow + x / kChip, x % kChip, y % kChip);
    });
}

}  // namespace

std::string VillageGroundBmp() { return ChipSetBmp(sample::GroundPixel); }

std::string VillageUpperBmp() { return ChipSetBmp(sample::UpperPixel); }

std::string VillageMapBytes() {
    const int w = static_cast<int>(kVillageWidth), h = static_cast<int>(kVillageHeight);
    std::vector<int> ground(static_cast<std::size_t>(w * h), kGrass), upper(static_cast<std::size_t>(w * h), 0);
    const auto at = [w](std::vector<int>& v, int x, int y) -> int& { return v[static_cast<std::size_t>(y * w + x)]; };
    constexpr int kPathRow = 15;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if ((x / 5 + y / 4) % 7 == 0) at(ground, x, y) = kDarkGrass;
            if (Hash(x, y, 40) < 30) at(ground, x, y) = kGrassTuft;
        }
        // The river winds down the map, with sand on both banks.
        const int cx = 21 + static_cast<int>(std::lround(2.0 * std::sin(y * 0.35)));
        for (int x = cx - 2; x <= cx + 2; ++x) at(ground, x, y) = std::abs(x - cx) <= 1 ? kWater : kSand;
    }
    // The path crosses the map and the river.
    for (int x = 0; x < w; ++x) {
        int& g = at(ground, x, kPathRow);
        g = g == kWater ? kBridge : kPath;
    }
    // The paved square and its house, a lane down to the path.
    for (int y = 6; y <= 13; ++y) {
        for (int x = 6; x <= 15; ++x) at(ground, x, y) = kPaving;
    }
    at(ground, 10, 14) = at(ground, 11, 14) = kPath;
    for (int x = 8; x <= 13; ++x) {
        at(upper, x, 6) = at(upper, x, 7) = kRoof;
        at(upper, x, 8) = x == 10 ? kWallDoor : kWall;
    }
    at(upper, 13, 13) = kSign;
    at(upper, 6, 12) = at(upper, 15, 12) = kBush;
    // A cottage west of the square, its lane down to the path; fences along the path.
    for (int x = 1; x <= 3; ++x) {
        at(upper, x, 11) = at(upper, x, 12) = kRoof;
        at(upper, x, 13) = x == 2 ? kWallDoor : kWall;
    }
    at(ground, 2, 14) = kPath;
    at(upper, 4, 14) = at(upper, 5, 14) = kFence;
    for (int x = 6; x <= 9; ++x) at(upper, x, 16) = kFence;
    // Woods to the north-east and south-west, rocks by the river, bushes and flowers in the meadow.
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int g = at(ground, x, y);
            int& u = at(upper, x, y);
            if (u != 0 || g == kPath || g == kPaving || g == kWater || g == kBridge) continue;
            const std::uint32_t r = Hash(x, y, 41);
            if (g == kSand) {
                if (r < 40) u = kRock;
                continue;
            }
            const bool northEastWoods = x >= 26 && y <= 11 && !(y >= kPathRow - 1 && y <= kPathRow + 1);
            const bool southWestWoods = x <= 9 && y >= 23;
            if ((northEastWoods && r < 150) || (southWestWoods && r < 120)) {
                u = Hash(x, y, 42) < 128 ? kTree : kPine;
            } else if (r < 10) {
                u = kBush;
            } else if (r < 24) {
                u = kFlowers;
            } else if (r < 28) {
                u = kTree;
            }
        }
    }
    return MakeMapBytes(kVillageWidth, kVillageHeight, [&](std::uint32_t x, std::uint32_t y) {
        const auto i = static_cast<std::size_t>(y * kVillageWidth + x);
        return MakeMapCell(ground[i], upper[i]);
    });
}

void WriteVillage(const TempProject& tp) {
    tp.WriteData("village.bin", VillageMapBytes());
    WriteBytes(ImageFilePath(tp.project, "ground.bmp"), VillageGroundBmp());
    WriteBytes(ImageFilePath(tp.project, "upper.bmp"), VillageUpperBmp());
}

Scene VillageScene() {
    return Scene{.mapDataFile = "village.bin", .backgroundChipSet = "ground.bmp", .layerChipSet = "upper.bmp",
                 .layerColourKey = 1, .layerKeyRed = 255, .layerKeyBlue = 255};
}

std::string VillagerSheetBmp(std::uint32_t tunicRgb) {
    const Colour tunic{static_cast<int>(tunicRgb >> 16 & 0xFF), static_cast<int>(tunicRgb >> 8 & 0xFF),
                       static_cast<int>(tunicRgb & 0xFF)};
    return MakeBmp24(96, 192, [tunic](int px, int py) -> std::uint32_t {
        const int column = px / 32, facing = py / 48, x = px % 32, y = py % 48;
        const Colour skin{240, 200, 160}, hair{86, 54, 30};
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
        // Head: hair on top, or all over from behind; eyes by the facing.
        if (InEllipse(x, y, 16, 13, 8, 8.5)) {
            if (facing == 3 || y < 10 || (facing == 1 && x > 19) || (facing == 2 && x < 12)) return Pack(hair);
            const bool eye = y == 14 && ((facing == 0 && (x == 13 || x == 18)) || (facing == 1 && x == 11) ||
                                         (facing == 2 && x == 20));
            return Pack(eye ? Colour{30, 30, 40} : skin);
        }
        return kVillageKey;
    });
}

std::string ChestBmp() {
    return MakeBmp24(32, 32, [](int x, int y) -> std::uint32_t {
        if (x < 3 || x > 28 || y < 9 || y > 29) return kVillageKey;
        if (x == 3 || x == 28 || y == 9 || y == 29 || y == 16) return Pack(Colour{70, 40, 18});
        if ((x >= 14 && x <= 17) || x == 6 || x == 25) {
            if (x >= 14 && x <= 17 && y >= 15 && y <= 19) return Pack(Colour{60, 50, 30});  // the lock
            return Pack(Colour{222, 182, 64});
        }
        return Pack(Noisy(y < 16 ? Colour{160, 100, 46} : Colour{138, 86, 40}, x, y, 30, 6));
    });
}

}  // namespace lw::test
