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

}  // namespace

std::string VillageGroundBmp() { return sample::GroundChipsBmp(2); }

std::string VillageUpperBmp() { return sample::UpperChipsBmp(2); }

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

std::string VillagerSheetBmp(std::uint32_t tunicRgb) { return sample::WalkingSheetBmp(tunicRgb); }

std::string ChestBmp() { return sample::ChestBmp(); }

}  // namespace lw::test
