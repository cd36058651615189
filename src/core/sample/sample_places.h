#pragma once
// Where things stand on the sample game's maps: shared by the maps (which draw houses, signs and
// paths there) and the scenes (which place NPCs, chests, shops, exits and events there).

namespace lw::sample {

struct Cell {
    int x = 0;
    int y = 0;
};

// The village, 40 x 30 cells.
inline constexpr int kVillageWidth = 40, kVillageHeight = 30;
inline constexpr int kVillagePathRow = 16;
inline constexpr int kSquareBottom = 11;  // the paved square spans rows 6 to 11
inline constexpr Cell kElderDoor{9, 8}, kInnDoor{16, 8}, kShopDoor{23, 8}, kItemShopDoor{9, 21};
inline constexpr Cell kInnBoardCell{18, 9}, kShopBoardCell{25, 9}, kItemShopBoardCell{11, 22};
inline constexpr Cell kVillageSign{14, 15};
inline constexpr Cell kVillageChest{6, 10};
inline constexpr Cell kVillageEastExit{39, kVillagePathRow};
inline constexpr Cell kElder{9, 10}, kChild{20, 13}, kGuard{37, 15}, kVillager{30, 21};
inline constexpr Cell kPcStart{16, 17};

// The field, 60 x 40 cells.
inline constexpr int kFieldWidth = 60, kFieldHeight = 40;
inline constexpr int kFieldRoadRow = 20;
inline constexpr Cell kFieldWestExit{0, kFieldRoadRow};
inline constexpr Cell kCaveMouthCell{50, 9};
inline constexpr Cell kFieldSign{5, 19};
inline constexpr Cell kTraveller{22, 21};

// The cave, 40 x 30 cells.
inline constexpr int kCaveWidth = 40, kCaveHeight = 30;
inline constexpr Cell kCaveExit{20, 28};
inline constexpr Cell kCaveChestA{6, 20}, kCaveChestB{33, 9};
inline constexpr Cell kLostTraveller{12, 20};
inline constexpr Cell kGolemSpot{20, 4};

}  // namespace lw::sample
