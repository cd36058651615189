// The three maps of the sample game, laid out in code.

#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/sample/sample_game.h"
#include "core/sample/sample_pictures.h"
#include "core/sample/sample_places.h"

namespace lw {

namespace {

using namespace sample;

std::uint32_t Hash(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 2654435761u ^ static_cast<std::uint32_t>(y) * 2246822519u ^
                      static_cast<std::uint32_t>(seed) * 3266489917u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    return h & 0xFFu;
}

// Value noise: the hashes of a grid `scale` cells wide, blended between its corners (0..255).
double Smooth(int x, int y, int seed, int scale) {
    const int gx = x / scale, gy = y / scale;
    const double fx = (x % scale + 0.5) / scale, fy = (y % scale + 0.5) / scale;
    const auto ease = [](double t) { return t * t * (3 - 2 * t); };
    const double a = Hash(gx, gy, seed), b = Hash(gx + 1, gy, seed), c = Hash(gx, gy + 1, seed), d = Hash(gx + 1, gy + 1, seed);
    const double top = a + (b - a) * ease(fx), bottom = c + (d - c) * ease(fx);
    return top + (bottom - top) * ease(fy);
}

// Both layers of a map while it is laid out.
struct Layout {
    int width, height;
    std::vector<int> ground, upper;
    Layout(int w, int h, int fill) : width(w), height(h), ground(static_cast<std::size_t>(w * h), fill), upper(ground.size(), 0) {}
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    int& G(int x, int y) { return ground[static_cast<std::size_t>(y * width + x)]; }
    int& U(int x, int y) { return upper[static_cast<std::size_t>(y * width + x)]; }
    void SetG(int x, int y, int chip) {
        if (Inside(x, y)) G(x, y) = chip;
    }
    void SetU(int x, int y, int chip) {
        if (Inside(x, y)) U(x, y) = chip;
    }
    template <class Fn>
    void Each(Fn fn) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) fn(x, y);
    }
    // A house: two rows of roof over a wall with the door at `door`.
    void House(int left, int right, Cell door) {
        for (int x = left; x <= right; ++x) {
            SetU(x, door.y - 2, kRoof);
            SetU(x, door.y - 1, kRoof);
            SetU(x, door.y, x == door.x ? kWallDoor : kWall);
        }
    }
    MapData Map() const {
        MapData map;
        map.width = static_cast<std::uint32_t>(width);
        map.height = static_cast<std::uint32_t>(height);
        map.cells.resize(ground.size());
        for (std::size_t i = 0; i < ground.size(); ++i) map.cells[i] = MakeMapCell(ground[i], upper[i]);
        return map;
    }
};

bool Near(int x, int y, Cell c, int d) { return std::abs(x - c.x) <= d && std::abs(y - c.y) <= d; }
bool InEllipse(int x, int y, double cx, double cy, double rx, double ry) {
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

// Grass with patches of dark grass and tufts.
void Meadow(Layout& m, int seed, int grass) {
    m.Each([&](int x, int y) {
        int chip = grass;
        if (Smooth(x, y, seed, 4) > 185) chip = kDarkGrass;
        if (grass == kGrass && Hash(x, y, seed) < 30) chip = kGrassTuft;
        m.G(x, y) = chip;
    });
}

// Trees, bushes and flowers on free grass, denser where `woods` says so.
template <class Woods>
void Plant(Layout& m, int seed, Woods woods, const std::vector<Cell>& keepClear) {
    m.Each([&](int x, int y) {
        const int g = m.G(x, y);
        if (m.U(x, y) != 0 || !(g == kGrass || g == kGrassTuft || g == kDarkGrass || g == kMeadow || g == kSand)) return;
        for (const Cell& c : keepClear)
            if (Near(x, y, c, 1)) return;
        const std::uint32_t r = Hash(x, y, seed);
        if (g == kSand) {
            if (r < 30) m.U(x, y) = kRock;
            return;
        }
        const int density = woods(x, y);
        if (static_cast<int>(r) < density) {
            m.U(x, y) = Hash(x, y, seed + 1) < 128 ? kTree : kPine;
        } else if (r > 245) {
            m.U(x, y) = kBush;
        } else if (r > 232) {
            m.U(x, y) = kFlowers;
        }
    });
}

}  // namespace

MapData SampleVillageMap() {
    Layout m(kVillageWidth, kVillageHeight, kGrass);
    Meadow(m, 3, kGrass);
    // The river winds down the east of the village, with sand on both banks.
    for (int y = 0; y < m.height; ++y) {
        const int cx = 30 + static_cast<int>(std::lround(1.5 * std::sin(y * 0.3)));
        for (int x = cx - 2; x <= cx + 2; ++x) m.SetG(x, y, std::abs(x - cx) <= 1 ? kWater : kSand);
    }
    // The path crosses the village and the river to the east gate.
    for (int x = 0; x < m.width; ++x) m.G(x, kVillagePathRow) = m.G(x, kVillagePathRow) == kWater ? kBridge : kPath;
    // The square with the elder's house, the inn and the weapon shop; a lane down to the path.
    for (int y = 6; y <= kSquareBottom; ++y)
        for (int x = 5; x <= 27; ++x) m.G(x, y) = kPaving;
    for (int y = kSquareBottom + 1; y < kVillagePathRow; ++y) m.G(kInnDoor.x, y) = kPath;
    m.House(7, 11, kElderDoor);
    m.House(14, 18, kInnDoor);
    m.House(21, 25, kShopDoor);
    m.SetU(kInnBoardCell.x, kInnBoardCell.y, kInnBoard);
    m.SetU(kShopBoardCell.x, kShopBoardCell.y, kShopBoard);
    m.SetU(kVillageSign.x, kVillageSign.y, kSign);
    for (int x : {5, 13, 19, 27}) m.SetU(x, kSquareBottom + 1, x == 5 || x == 27 ? kBush : kFlowers);
    // The item shop south of the path, its lane round to the door.
    m.House(7, 11, kItemShopDoor);
    m.SetU(kItemShopBoardCell.x, kItemShopBoardCell.y, kShopBoard);
    for (int y = kVillagePathRow + 1; y <= kItemShopDoor.y + 1; ++y) m.G(5, y) = kPath;
    for (int x = 5; x <= kItemShopDoor.x; ++x) m.G(x, kItemShopDoor.y + 1) = kPath;
    // Fences along the path.
    for (int x = 1; x <= 4; ++x) m.SetU(x, kVillagePathRow - 1, kFence);
    for (int x = 18; x <= 24; ++x) m.SetU(x, kVillagePathRow + 1, kFence);
    const std::vector<Cell> clear = {kElder, kChild, kGuard, kVillager, kPcStart, kVillageChest, kVillageEastExit};
    Plant(m, 11, [](int x, int y) {
        if (x >= 33 && (y <= 12 || y >= 20)) return 150;  // woods beyond the river
        if (x <= 4 && y >= 23) return 120;
        if (y <= 2) return 90;
        return 4;
    }, clear);
    return m.Map();
}

MapData SampleFieldMap() {
    Layout m(kFieldWidth, kFieldHeight, kMeadow);
    Meadow(m, 5, kMeadow);
    m.Each([&](int x, int y) {
        if (Smooth(x, y, 6, 6) < 110 && m.G(x, y) == kMeadow) m.G(x, y) = kGrass;
    });
    // The lake in the south-west, with its shore.
    m.Each([&](int x, int y) {
        if (InEllipse(x, y, 18, 31, 9, 5)) m.G(x, y) = kWater;
        else if (InEllipse(x, y, 18, 31, 10.5, 6.5)) m.G(x, y) = kSand;
    });
    // The rocky hills of the north-east, the cave mouth in their face.
    m.Each([&](int x, int y) {
        const int edge = 8 + static_cast<int>(std::lround(1.5 * std::sin(x * 0.5)));
        if (x >= 40 && y <= edge) {
            m.G(x, y) = kDirt;
            m.U(x, y) = Hash(x, y, 7) < 150 ? kRock : kPine;
        }
    });
    // The road from the west edge to the cave.
    for (int x = 0; x <= kCaveMouthCell.x; ++x) m.G(x, kFieldRoadRow) = kDirt;
    for (int y = kCaveMouthCell.y; y <= kFieldRoadRow; ++y) {
        m.G(kCaveMouthCell.x, y) = kDirt;
        m.U(kCaveMouthCell.x, y) = 0;
    }
    m.U(kCaveMouthCell.x, kCaveMouthCell.y) = kCaveMouth;
    m.SetU(kFieldSign.x, kFieldSign.y, kSign);
    const std::vector<Cell> clear = {kFieldWestExit, kTraveller, kFieldSign, {kCaveMouthCell.x, kCaveMouthCell.y + 1}};
    Plant(m, 13, [](int x, int y) {
        if (std::abs(y - kFieldRoadRow) <= 1) return 0;
        if (x <= 26 && y <= 12) return 140;  // the forest in the north-west
        if (x >= 44 && y >= 28) return 120;  // pines in the south-east
        return 10;
    }, clear);
    return m.Map();
}

MapData SampleCaveMap() {
    Layout m(kCaveWidth, kCaveHeight, kCaveWall);
    const auto carve = [&](int x, int y) {
        if (x > 0 && y > 0 && x < m.width - 1 && y < m.height - 1) m.G(x, y) = Hash(x, y, 8) < 50 ? kCaveGravel : kCaveFloor;
    };
    m.Each([&](int x, int y) {
        const bool entrance = x >= kCaveExit.x - 1 && x <= kCaveExit.x + 1 && y >= 20;
        const bool hall = InEllipse(x, y, 20, 17, 10, 5);
        const bool westTunnel = y >= 17 && y <= 18 && x >= 4 && x <= 12;
        const bool westRoom = InEllipse(x, y, 7, 20, 4.5, 3);
        const bool eastTunnel = x >= 31 && x <= 32 && y >= 9 && y <= 16;
        const bool eastRoom = InEllipse(x, y, 33, 9, 4.5, 3);
        const bool northTunnel = x >= 19 && x <= 21 && y >= 5 && y <= 12;
        const bool bossRoom = InEllipse(x, y, 20, 4, 7, 3.2);
        if (entrance || hall || westTunnel || westRoom || eastTunnel || eastRoom || northTunnel || bossRoom) carve(x, y);
    });
    m.Each([&](int x, int y) {
        if (InEllipse(x, y, 25, 18.5, 3, 1.6)) m.G(x, y) = kCavePool;
    });
    m.U(kCaveExit.x, kCaveExit.y) = kLadder;
    // Crystals light the boss room; stalagmites stand along the walls.
    for (const Cell c : {Cell{15, 3}, Cell{25, 3}, Cell{14, 5}, Cell{26, 5}}) m.SetU(c.x, c.y, kCrystal);
    const std::vector<Cell> clear = {kCaveExit, kCaveChestA, kCaveChestB, kLostTraveller, kGolemSpot};
    m.Each([&](int x, int y) {
        const int g = m.G(x, y);
        if ((g != kCaveFloor && g != kCaveGravel) || m.U(x, y) != 0) return;
        for (const Cell& c : clear)
            if (Near(x, y, c, 1)) return;
        if (x >= 18 && x <= 22) return;  // the way through stays open
        int walls = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) walls += m.Inside(x + dx, y + dy) && m.G(x + dx, y + dy) == kCaveWall;
        if (walls >= 3 && Hash(x, y, 9) < 70) m.U(x, y) = Hash(x, y, 10) < 40 ? kCrystal : kStalagmite;
    });
    return m.Map();
}

}  // namespace lw
