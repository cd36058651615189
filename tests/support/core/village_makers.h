#pragma once
// A small village for looking at the map view: two chip sets, a map, an NPC sprite sheet and a
// chest picture, as the files a project holds (BMP and map data bytes), all drawn by the sample game.

#include <cstdint>
#include <string>

#include "core/world/scene.h"
#include "support/core/temp_dir.h"

namespace lw::test {

// The background chip set (layer 0), 256 x 64 pixels, 8 chips a row. Chips (0 is never drawn):
inline constexpr int kGrass = 1, kGrassTuft = 2, kWater = 3, kSand = 4, kPath = 5, kPaving = 6, kDarkGrass = 7,
                     kBridge = 8;
std::string VillageGroundBmp();

// The upper chip set (layer 1), 256 x 64 pixels, on magenta (255, 0, 255) as the colour key:
inline constexpr int kTree = 1, kBush = 2, kRock = 3, kFlowers = 4, kRoof = 5, kWallDoor = 6, kWall = 7, kFence = 8,
                     kSign = 9, kPine = 10;
inline constexpr std::uint32_t kVillageKey = 0xFF00FF;
std::string VillageUpperBmp();

// The map: the sample game's village, 40 x 30 cells of meadow with a river, a bridge, a path, a
// paved square with houses, and woods.
inline constexpr std::uint32_t kVillageWidth = 40, kVillageHeight = 30;
std::string VillageMapBytes();

// The village in a project: the map as village.bin, the chip sets as ground.bmp and upper.bmp; and
// a scene showing it, the upper set keyed on magenta.
void WriteVillage(const TempProject& tp);
Scene VillageScene();

// A villager's sprite sheet: 3 columns x 4 rows (down, left, right, up) of 32 x 48 frames on the
// key colour; `tunic` is 0xRRGGBB.
std::string VillagerSheetBmp(std::uint32_t tunic);
// A treasure chest, 32 x 32 on the key colour.
std::string ChestBmp();

}  // namespace lw::test
