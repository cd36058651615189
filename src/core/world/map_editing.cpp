#include "core/world/map_editing.h"

#include <algorithm>
#include <utility>

namespace lw {

namespace {

constexpr std::uint32_t LayerMask(int layer) { return layer == 0 ? 0x000000FFu : 0x00FF0000u; }
constexpr int LayerShift(int layer) { return layer == 0 ? 0 : 16; }

int ClampChip(int chip) { return std::clamp(chip, 0, kMaxChip); }

bool InMap(const MapData& map, long long x, long long y) {
    return x >= 0 && y >= 0 && x < static_cast<long long>(map.width) && y < static_cast<long long>(map.height);
}

// Grows a change's area to take in cell (x, y).
void Include(CellRect& area, std::uint32_t x, std::uint32_t y) {
    if (area.empty()) {
        area = CellRect{x, y, 1, 1};
        return;
    }
    const std::uint32_t right = std::max(area.x + area.width, x + 1);
    const std::uint32_t bottom = std::max(area.y + area.height, y + 1);
    area.x = std::min(area.x, x);
    area.y = std::min(area.y, y);
    area.width = right - area.x;
    area.height = bottom - area.y;
}

CellRect Union(const CellRect& a, const CellRect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    CellRect r = a;
    Include(r, b.x, b.y);
    Include(r, b.x + b.width - 1, b.y + b.height - 1);
    return r;
}

// Records cell (x, y) taking `after`, when that changes it.
void Change(MapChange& c, const MapData& map, std::uint32_t x, std::uint32_t y, std::uint32_t after) {
    const std::size_t index = static_cast<std::size_t>(y) * map.width + x;
    const std::uint32_t before = map.cells[index];
    if (before == after) return;
    c.cells.push_back(CellChange{index, before, after});
    Include(c.area, x, y);
}

}  // namespace

bool IsMapSizeAllowed(std::uint64_t width, std::uint64_t height) {
    return width >= 1 && height >= 1 && width <= kMaxMapSide && height <= kMaxMapSide && width * height <= kMaxMapCells;
}

bool HasAllCells(const MapData& map) { return map.cells.size() == std::uint64_t{map.width} * map.height; }

int ChipOnLayer(std::uint32_t cell, int layer) {
    return static_cast<int>((cell & LayerMask(layer)) >> LayerShift(layer));
}

std::uint32_t WithChipOnLayer(std::uint32_t cell, int layer, int chip) {
    return (cell & ~LayerMask(layer)) | (static_cast<std::uint32_t>(ClampChip(chip)) << LayerShift(layer));
}

CellRect CellRectBetween(const MapData& map, long long ax, long long ay, long long bx, long long by) {
    long long left = std::max(std::min(ax, bx), 0LL);
    long long top = std::max(std::min(ay, by), 0LL);
    long long right = std::min(std::max(ax, bx), static_cast<long long>(map.width) - 1);
    long long bottom = std::min(std::max(ay, by), static_cast<long long>(map.height) - 1);
    if (left > right || top > bottom) return {};
    return CellRect{static_cast<std::uint32_t>(left), static_cast<std::uint32_t>(top),
                    static_cast<std::uint32_t>(right - left + 1), static_cast<std::uint32_t>(bottom - top + 1)};
}

void ApplyChange(MapData& map, const MapChange& change) {
    if (change.resizes()) {
        map = *change.sizeAfter;
        return;
    }
    for (const CellChange& c : change.cells)
        if (c.index < map.cells.size()) map.cells[c.index] = c.after;
}

void RevertChange(MapData& map, const MapChange& change) {
    if (change.resizes()) {
        map = *change.sizeBefore;
        return;
    }
    for (auto c = change.cells.rbegin(); c != change.cells.rend(); ++c)
        if (c->index < map.cells.size()) map.cells[c->index] = c->before;
}

void AppendChange(MapChange& into, MapChange next) {
    if (into.empty()) {
        into = std::move(next);
        return;
    }
    into.cells.insert(into.cells.end(), next.cells.begin(), next.cells.end());
    into.area = Union(into.area, next.area);
}

MapChange SetCellChip(const MapData& map, long long x, long long y, int layer, int chip) {
    MapChange c;
    if (!HasAllCells(map) || !InMap(map, x, y)) return c;
    const auto cx = static_cast<std::uint32_t>(x), cy = static_cast<std::uint32_t>(y);
    Change(c, map, cx, cy, WithChipOnLayer(map.At(cx, cy), layer, chip));
    return c;
}

MapChange FillCells(const MapData& map, CellRect area, int layer, int chip) {
    MapChange c;
    if (!HasAllCells(map) || area.empty()) return c;
    const CellRect r = CellRectBetween(map, area.x, area.y, static_cast<long long>(area.x) + area.width - 1,
                                       static_cast<long long>(area.y) + area.height - 1);
    for (std::uint32_t y = r.y; y < r.y + r.height; ++y)
        for (std::uint32_t x = r.x; x < r.x + r.width; ++x) Change(c, map, x, y, WithChipOnLayer(map.At(x, y), layer, chip));
    return c;
}

MapChange FloodFill(const MapData& map, long long x, long long y, int layer, int chip) {
    MapChange c;
    if (!HasAllCells(map) || !InMap(map, x, y)) return c;
    chip = ClampChip(chip);
    const int from = ChipOnLayer(map.At(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)), layer);
    if (from == chip) return c;
    // Scan lines: each seed fills its run of `from` cells left and right, and seeds the runs above
    // and below it. A cell filled no longer holds `from`, so no cell is visited twice.
    const std::uint32_t w = map.width, h = map.height;
    std::vector<std::uint8_t> filled(static_cast<std::size_t>(w) * h, 0);
    const auto holdsFrom = [&](std::uint32_t cx, std::uint32_t cy) {
        const std::size_t i = static_cast<std::size_t>(cy) * w + cx;
        return filled[i] == 0 && ChipOnLayer(map.cells[i], layer) == from;
    };
    std::vector<std::pair<std::uint32_t, std::uint32_t>> seeds{{static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)}};
    while (!seeds.empty()) {
        auto [sx, sy] = seeds.back();
        seeds.pop_back();
        if (!holdsFrom(sx, sy)) continue;
        std::uint32_t left = sx;
        while (left > 0 && holdsFrom(left - 1, sy)) --left;
        std::uint32_t right = sx;
        while (right + 1 < w && holdsFrom(right + 1, sy)) ++right;
        for (std::uint32_t cx = left; cx <= right; ++cx) {
            filled[static_cast<std::size_t>(sy) * w + cx] = 1;
            Change(c, map, cx, sy, WithChipOnLayer(map.At(cx, sy), layer, chip));
        }
        for (int dy : {-1, 1}) {
            if ((dy < 0 && sy == 0) || (dy > 0 && sy + 1 >= h)) continue;
            const std::uint32_t ny = sy + static_cast<std::uint32_t>(dy);
            // One seed per run of fillable cells next to this one.
            bool inRun = false;
            for (std::uint32_t cx = left; cx <= right; ++cx) {
                const bool fillable = holdsFrom(cx, ny);
                if (fillable && !inRun) seeds.emplace_back(cx, ny);
                inRun = fillable;
            }
        }
    }
    return c;
}

bool HasLayer(LayerSet set, int layer) { return (static_cast<int>(set) & (layer == 0 ? 1 : 2)) != 0; }

MapClip CopyCells(const MapData& map, CellRect area, LayerSet layers) {
    MapClip clip;
    if (!HasAllCells(map) || area.empty()) return clip;
    const CellRect r = CellRectBetween(map, area.x, area.y, static_cast<long long>(area.x) + area.width - 1,
                                       static_cast<long long>(area.y) + area.height - 1);
    if (r.empty()) return clip;
    clip.width = r.width;
    clip.height = r.height;
    clip.layers = layers;
    clip.cells.reserve(static_cast<std::size_t>(r.width) * r.height);
    for (std::uint32_t y = r.y; y < r.y + r.height; ++y)
        for (std::uint32_t x = r.x; x < r.x + r.width; ++x) clip.cells.push_back(map.At(x, y));
    return clip;
}

MapChange PasteCells(const MapData& map, const MapClip& clip, long long x, long long y) {
    MapChange c;
    if (!HasAllCells(map) || clip.empty() || clip.cells.size() != std::uint64_t{clip.width} * clip.height) return c;
    const CellRect r = CellRectBetween(map, x, y, x + clip.width - 1, y + clip.height - 1);
    if (r.empty()) return c;
    for (std::uint32_t ty = r.y; ty < r.y + r.height; ++ty) {
        for (std::uint32_t tx = r.x; tx < r.x + r.width; ++tx) {
            const std::uint32_t source = clip.cells[static_cast<std::size_t>(ty - y) * clip.width + (tx - x)];
            std::uint32_t cell = map.At(tx, ty);
            for (int layer = 0; layer < kMapLayers; ++layer)
                if (HasLayer(clip.layers, layer)) cell = WithChipOnLayer(cell, layer, ChipOnLayer(source, layer));
            Change(c, map, tx, ty, cell);
        }
    }
    return c;
}

MapData NewMap(std::uint32_t width, std::uint32_t height, int fillChip) {
    MapData map;
    if (!IsMapSizeAllowed(width, height)) return map;
    map.width = width;
    map.height = height;
    map.cells.assign(static_cast<std::size_t>(width) * height, WithChipOnLayer(0, 0, fillChip));
    return map;
}

MapChange ResizeMap(const MapData& map, std::uint32_t width, std::uint32_t height, int fillChip) {
    MapChange c;
    if (!HasAllCells(map) || !IsMapSizeAllowed(width, height) || (width == map.width && height == map.height)) return c;
    auto after = std::make_shared<MapData>(NewMap(width, height, fillChip));
    after->trailing = map.trailing;
    const std::uint32_t keepWidth = std::min(width, map.width), keepHeight = std::min(height, map.height);
    for (std::uint32_t y = 0; y < keepHeight; ++y) {
        const auto from = map.cells.begin() + static_cast<std::ptrdiff_t>(std::size_t{y} * map.width);
        std::copy(from, from + keepWidth, after->cells.begin() + static_cast<std::ptrdiff_t>(std::size_t{y} * width));
    }
    c.sizeBefore = std::make_shared<MapData>(map);
    c.sizeAfter = std::move(after);
    c.area = CellRect{0, 0, width, height};
    return c;
}

std::string NewMapFileName(std::string_view typed) {
    std::string name(typed);
    if (name.empty() || name.find_first_of(" \t\r\n") != std::string::npos) return {};
    const auto endsInBin = [](std::string_view n) {
        if (n.size() < 4) return false;
        std::string tail(n.substr(n.size() - 4));
        for (char& c : tail) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        return tail == ".bin";
    };
    if (!endsInBin(name)) name += ".bin";
    if (!IsPlainName(name)) return {};
    return name;
}

void MapHistory::Reset(bool onDisk) {
    changes_.clear();
    position_ = 0;
    saved_ = onDisk ? std::optional<std::size_t>(0) : std::nullopt;
}

void MapHistory::Record(MapChange change) {
    if (change.empty()) return;
    changes_.resize(position_);
    if (saved_ && *saved_ > position_) saved_.reset();  // the state on disk can no longer be reached
    changes_.push_back(std::move(change));
    position_ = changes_.size();
}

const MapChange* MapHistory::Undo(MapData& map) {
    if (!CanUndo()) return nullptr;
    const MapChange& c = changes_[--position_];
    RevertChange(map, c);
    return &c;
}

const MapChange* MapHistory::Redo(MapData& map) {
    if (!CanRedo()) return nullptr;
    const MapChange& c = changes_[position_++];
    ApplyChange(map, c);
    return &c;
}

}  // namespace lw
