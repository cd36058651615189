#include "core/world/placement.h"

#include <algorithm>
#include <climits>

#include "core/tagfile/scan.h"
#include "core/world/map_data.h"

namespace lw {

namespace {
int CellsAsInt(std::uint32_t cells) { return static_cast<int>(std::min<std::uint32_t>(cells, INT_MAX)); }
}  // namespace

SpinRange CellSpinRange(std::uint32_t cells) { return SpinRange{0, std::max(CellsAsInt(cells) - 1, 0)}; }

SpinRange ViewSpinRange(std::uint32_t cells, int viewCells) {
    return SpinRange{0, std::max(CellsAsInt(cells) - viewCells, 0)};
}

ViewRanges ViewRangesOf(const MapData& map) {
    return ViewRanges{ViewSpinRange(map.width, kViewColumns), ViewSpinRange(map.height, kViewRows)};
}

int PlayerViewRow(int spriteHeight) {
    // Heights far outside any picture are taken at the limits before the sum.
    const long long height = std::clamp<long long>(spriteHeight, -1'000'000, 1'000'000);
    const long long k = (height + 208) / kCellPixels / 2 - 1;
    return static_cast<int>(std::clamp<long long>(k, 0, kViewRows - 1));
}

ViewPlace PlaceInView(int cell, int preferred, SpinRange viewRange, int viewCells) {
    const long long wanted = static_cast<long long>(cell) - preferred;
    const int view = static_cast<int>(std::clamp<long long>(wanted, viewRange.minimum, viewRange.maximum));
    const long long inView = static_cast<long long>(cell) - view;
    return ViewPlace{view, static_cast<int>(std::clamp<long long>(inView, 0, viewCells - 1))};
}

int InViewPixelsX(int inViewCell) { return inViewCell * kCellPixels; }
int InViewPixelsY(int inViewCell, int spriteHeight) {
    const long long y = static_cast<long long>(inViewCell) * kCellPixels - (static_cast<long long>(spriteHeight) - kCellPixels);
    return static_cast<int>(std::clamp<long long>(y, INT_MIN, INT_MAX));
}
int InViewCellX(int pixels) { return pixels / kCellPixels; }
int InViewCellY(int pixels, int spriteHeight) {
    const long long foot = static_cast<long long>(pixels) + spriteHeight - kCellPixels;
    return static_cast<int>(std::clamp<long long>(foot / kCellPixels, INT_MIN, INT_MAX));
}

std::string PositionRowText(const PositionRow& row) {
    std::string out;
    AppendInt(out, row.x);
    out += ' ';
    AppendInt(out, row.y);
    out += ' ';
    AppendInt(out, row.direction);
    out += ' ';
    AppendInt(out, row.group);
    return out;
}

PositionRow ParsePositionRow(std::string_view text) {
    PositionRow row{0, 0, 0, 0};
    FieldScanner scan(text);
    scan.Int(row.x) && scan.Int(row.y) && scan.Int(row.direction) && scan.Int(row.group);
    return row;
}

std::optional<PositionListKind> PositionListKindOfMode(int mode) {
    switch (mode) {
        case 1: return PositionListKind::SceneChange;
        case 2: return PositionListKind::Inn;
        case 3: return PositionListKind::Signpost;
        case 4: return PositionListKind::FixedBattle;
        default: return std::nullopt;
    }
}

int EventPositionKindOf(PositionListKind kind) {
    switch (kind) {
        case PositionListKind::SceneChange: return -1;
        case PositionListKind::Inn: return kInnPosition;
        case PositionListKind::Signpost: return kSignpostPosition;
        case PositionListKind::FixedBattle: return kFixedBattlePosition;
    }
    return -1;
}

std::vector<PositionRow> PositionRowsOf(const Scene& scene, PositionListKind kind) {
    std::vector<PositionRow> rows;
    if (kind == PositionListKind::SceneChange) {
        for (const SceneChange& c : scene.sceneChanges) rows.push_back({c.x, c.y, c.direction, c.group});
        return rows;
    }
    const int k = EventPositionKindOf(kind);
    for (const EventPosition& p : scene.eventPositions)
        if (p.kind == k) rows.push_back({p.x, p.y, p.direction, p.group});
    return rows;
}

int PositionRoom(const Scene& scene, PositionListKind kind) {
    if (kind == PositionListKind::SceneChange) return kSceneChangeCapacity;
    const int k = EventPositionKindOf(kind);
    const auto others = std::count_if(scene.eventPositions.begin(), scene.eventPositions.end(),
                                      [k](const EventPosition& p) { return p.kind != k; });
    return std::max(kSceneEventPositionCapacity - static_cast<int>(others), 0);
}

bool ApplyPositionRows(Scene& scene, PositionListKind kind, const std::vector<PositionRow>& rows) {
    if (static_cast<long long>(rows.size()) > PositionRoom(scene, kind)) return false;
    if (kind == PositionListKind::SceneChange) {
        scene.sceneChanges.clear();
        for (const PositionRow& r : rows) scene.sceneChanges.push_back({r.x, r.y, r.direction, r.group});
        return true;
    }
    const int k = EventPositionKindOf(kind);
    std::vector<EventPosition> positions;
    for (const PositionRow& r : rows) positions.push_back({k, r.x, r.y, r.direction, r.group, 0});
    ReplaceEventPositions(scene.eventPositions, k, std::move(positions));
    return true;
}

int FieldBattleRateShown(float rate) {
    if (!(rate >= 1.0f)) return 1;  // NaN and anything below 1
    if (rate >= 100.0f) return 100;
    return static_cast<int>(rate);
}

std::string FieldBattleRowText(const FieldBattle& battle) {
    std::string out;
    AppendInt(out, battle.enemyUnit);
    out += ' ';
    // The whole part of the rate; a rate the int cannot hold shows at the int's ends.
    const float r = battle.rate;
    long long whole = 0;
    if (r == r) whole = r >= 2147483647.0f ? INT_MAX : r <= -2147483648.0f ? INT_MIN : static_cast<long long>(r);
    AppendInt(out, whole);
    out += ' ';
    out += battle.backgroundImage;
    return out;
}

int TerrainBattleOf(int gridValue) { return gridValue >= 1 ? gridValue - 1 : -1; }

namespace {
void AppendPadded3(std::string& out, long long value) {
    const std::string digits = FormatInt(value);
    if (digits.size() < 3) out.append(3 - digits.size(), ' ');
    out += digits;
}
}  // namespace

std::string ChipRowText(int chip, int gridValue) {
    std::string out;
    AppendPadded3(out, chip);
    const int battle = TerrainBattleOf(gridValue);
    if (battle >= 0) {
        out += ' ';
        AppendPadded3(out, battle);
    }
    return out;
}

}  // namespace lw
