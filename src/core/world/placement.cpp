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
    // The rows of this kind as they stand in the file, and where.
    std::vector<std::size_t> slots;
    for (std::size_t i = 0; i < scene.eventPositions.size(); ++i)
        if (scene.eventPositions[i].kind == k) slots.push_back(i);
    const std::size_t n = slots.size(), m = rows.size();
    auto same = [&](std::size_t a, std::size_t b) {
        const EventPosition& p = scene.eventPositions[slots[a]];
        return PositionRow{p.x, p.y, p.direction, p.group} == rows[b];
    };
    // The rows the author left as they were: a longest common subsequence of the old rows and the
    // list's (at most 64 of each).
    std::vector<std::vector<int>> longest(n + 1, std::vector<int>(m + 1, 0));
    for (std::size_t a = n; a-- > 0;)
        for (std::size_t b = m; b-- > 0;)
            longest[a][b] = same(a, b) ? longest[a + 1][b + 1] + 1 : std::max(longest[a + 1][b], longest[a][b + 1]);
    std::vector<int> matchOfSlot(n, -1);
    std::vector<bool> rowMatched(m, false);
    for (std::size_t a = 0, b = 0; a < n && b < m;) {
        if (same(a, b) && longest[a][b] == longest[a + 1][b + 1] + 1) {
            matchOfSlot[a] = static_cast<int>(b);
            rowMatched[b] = true;
            ++a, ++b;
        } else if (longest[a + 1][b] >= longest[a][b + 1]) {
            ++a;
        } else {
            ++b;
        }
    }
    // Untouched rows keep their place among the other kinds; a new or changed row goes where the
    // row before it in the list went (at the first free place of this kind), the rest at the end.
    std::vector<EventPosition> out;
    out.reserve(scene.eventPositions.size() - n + m);
    std::size_t next = 0;  // the first list row not placed yet
    auto emitNew = [&](std::size_t upTo) {
        for (; next < upTo; ++next) {
            const PositionRow& r = rows[next];
            out.push_back({k, r.x, r.y, r.direction, r.group, 0});
        }
    };
    std::size_t slot = 0;
    for (std::size_t i = 0; i < scene.eventPositions.size(); ++i) {
        const EventPosition& p = scene.eventPositions[i];
        if (p.kind != k) {
            out.push_back(p);
            continue;
        }
        const int match = matchOfSlot[slot++];
        if (match >= 0) {
            emitNew(static_cast<std::size_t>(match));
            out.push_back(p);  // as it was read
            next = static_cast<std::size_t>(match) + 1;
        } else {
            std::size_t upTo = next;
            while (upTo < m && !rowMatched[upTo]) ++upTo;
            emitNew(upTo);
        }
    }
    emitNew(m);
    scene.eventPositions = std::move(out);
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
