#pragma once
// The pictures of the sample game, drawn in code: chip sets, the water frames of the map
// animation, walking sheets, a chest, monsters, faces, the effect sheet and the full screens
// (title, battle backgrounds, narration, shop, loading, cursor, battle focus). Every picture is a
// 24-bit BMP; parts meant to be transparent hold the key colour magenta.

#include <cstdint>
#include <string>
#include <vector>

namespace lw::sample {

inline constexpr std::uint32_t kKey = 0xFF00FF;
inline constexpr int kKeyRed = 255, kKeyGreen = 0, kKeyBlue = 255;
inline constexpr int kChip = 32;
inline constexpr int kChipsPerRow = 8;  // chip n lies at column n % 8, row n / 8 of its set

// A picture being drawn: 0xRRGGBB per pixel, top row first.
struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    Canvas(int w, int h, std::uint32_t fill = kKey);
    void Set(int x, int y, std::uint32_t rgb);  // points outside are ignored
    std::uint32_t At(int x, int y) const;
};
// A bottom-up 24-bit BMP of the canvas.
std::string BmpBytes(const Canvas& canvas);

// Background chips (layer 0). Chip 0 is never drawn.
enum GroundChip : int {
    kGrass = 1, kGrassTuft, kWater, kSand, kPath, kPaving, kDarkGrass, kBridge,
    kCaveFloor, kCaveWall, kDirt, kMeadow, kCavePool, kCaveGravel,
};
inline constexpr int kGroundChipCount = 15;
// Upper chips (layer 1), on the key colour.
enum UpperChip : int {
    kTree = 1, kBush, kRock, kFlowers, kRoof, kWallDoor, kWall, kFence, kSign, kPine,
    kCaveMouth, kStalagmite, kLadder, kInnBoard, kShopBoard, kCrystal,
};
inline constexpr int kUpperChipCount = 17;

// One pixel (x, y in 0..31) of a chip; 0 for a ground chip that does not exist, the key colour
// for an upper one.
std::uint32_t GroundPixel(int chip, int x, int y);
std::uint32_t UpperPixel(int chip, int x, int y);
// The chip sets, 8 chips a row, `rows` rows of 32 pixels.
std::string GroundChipsBmp(int rows);
std::string UpperChipsBmp(int rows);
// The frames of the map animations: four 32 x 32 frames of rippling water side by side, and below
// them four of the cave pool.
std::string WaterFramesBmp();

// A walking sheet: 3 columns (steps) x 4 rows (down, left, right, up) of 32 x 48 frames on the key
// colour. `tunic` and `hair` are 0xRRGGBB; `hat` draws a hat of the tunic's colour.
std::string WalkingSheetBmp(std::uint32_t tunic, std::uint32_t hair = 0x56361E, bool hat = false);
// A treasure chest, 32 x 32 on the key colour; with 2 frames the open chest stands beside it.
std::string ChestBmp(int frames = 1);

// The six monsters, 64 x 64 each (the golem 96 x 96), on the key colour.
enum class MonsterLook { Slime, Bat, Wolf, Goblin, Skeleton, Golem };
std::string MonsterBmp(MonsterLook look);

// Four faces of 64 x 64 side by side: the hero, the elder, the merchant, the innkeeper.
inline constexpr int kFaceSide = 64;
inline constexpr int kFaceCount = 4;
std::string FacesBmp();

// The effect sheet: 8 rows of 8 frames of 32 x 32, one effect a row (see kEffectRows).
enum EffectRow : int { kSlashRow, kFireRow, kHealRow, kPunchRow, kArrowDownRow, kArrowUpRow, kSparkRow, kIceRow };
inline constexpr int kEffectRows = 8;
inline constexpr int kEffectFrames = 6;  // frames drawn in each row
std::string EffectsBmp();

// Full screens of 320 x 240 and small pieces.
std::string TitleBmp();
std::string FieldBattleBmp();
std::string CaveBattleBmp();
std::string PrologueBmp();
std::string ShopBmp();
std::string MenuBackBmp();
std::string LoadingBmp();
std::string CursorBmp();  // 16 x 16
std::string FocusBmp();   // 32 x 32

}  // namespace lw::sample
