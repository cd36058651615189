#include "render/map_view_state.h"

#include <algorithm>
#include <climits>
#include <map>
#include <string>

#include "render/draw.h"

namespace lw {

namespace {

int Saturate(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

// Division rounding towards minus infinity (a point left of the map lies in a negative cell).
long long FloorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// True when the map holds every cell its size declares.
bool HasCells(const MapData& map) {
    return !map.cells.empty() && map.cells.size() >= static_cast<std::uint64_t>(map.width) * map.height;
}

// Copies chip `chip` of `set` to (x, y). Chip c lies at column c mod (set width / 32) and row
// c / (set width / 32) of the set; a set narrower than one chip has none.
void DrawChip(QImage& buffer, const QImage& set, int chip, long long x, long long y, const DrawSpec& spec) {
    const int perRow = set.width() / kCellPixels;
    if (perRow < 1) return;
    DrawImageWithMode(buffer, Saturate(x), Saturate(y), kCellPixels, kCellPixels, set, (chip % perRow) * kCellPixels,
                      (chip / perRow) * kCellPixels, spec);
}

void DrawCells(QImage& buffer, const MapData& map, const QImage& set, int layer, const DrawSpec& spec,
               const CellRange& cells, QPoint origin) {
    if (set.isNull()) return;
    for (long long row = cells.firstRow; row < cells.endRow; ++row) {
        const long long y = row * kCellPixels - origin.y();
        for (long long column = cells.firstColumn; column < cells.endColumn; ++column) {
            const std::uint32_t cell = map.At(static_cast<std::uint32_t>(column), static_cast<std::uint32_t>(row));
            const int chip = layer == 0 ? Layer0Chip(cell) : Layer1Chip(cell);
            if (chip > 0) DrawChip(buffer, set, chip, column * kCellPixels - origin.x(), y, spec);
        }
    }
}

void DrawLayer(QImage& buffer, const MapViewState& s, const CellRange& cells, int layer) {
    // Layer 0 is copied; layer 1 is drawn by the scene's settings.
    DrawCells(buffer, s.map, s.chipSets.images[static_cast<std::size_t>(layer)], layer,
              layer == 0 ? DrawSpec{} : s.layerSpec, cells, s.scroll);
}

void DrawMarkers(QImage& buffer, const std::vector<MapMarker>& markers, int excluded, QPoint scroll) {
    const DrawSpec blend{kDrawAlpha, 0, {}};
    for (const MapMarker& m : markers) {
        if (m.image.isNull() || m.index == excluded) continue;
        DrawImageWithMode(buffer, Saturate(static_cast<long long>(m.position.x()) - scroll.x()),
                          Saturate(static_cast<long long>(m.position.y()) - scroll.y()), m.image.width(),
                          m.image.height(), m.image, 0, 0, blend);
    }
}

// A frame `width` pixels wide along the rectangle's edge, half outside and half inside it.
void DrawSolidFrame(QImage& buffer, long long x, long long y, long long w, long long h, int width, QRgb colour) {
    const long long outside = width / 2;
    const long long l = x - outside, t = y - outside, r = x + w + outside, b = y + h + outside;
    FillRect(buffer, l, t, r, t + width, colour);
    FillRect(buffer, l, b - width, r, b, colour);
    FillRect(buffer, l, t, l + width, b, colour);
    FillRect(buffer, r - width, t, r, b, colour);
}

void DrawPlacedSprite(QImage& buffer, const MapViewState& s) {
    const PlacedSprite& p = s.sprite;
    if (p.image.isNull()) return;
    const SpriteFrame f = PlacedSpriteFrame(p, s.mode, s.scroll);
    if (f.empty()) return;
    DrawImageWithMode(buffer, Saturate(f.destX), Saturate(f.destY), f.width, f.height, p.image, f.sourceX, f.sourceY,
                      p.spec);
    DrawSolidFrame(buffer, f.destX, f.destY, f.width, f.height, kPlacedSpriteFrameWidth, kPlacedSpriteFrameColour);
}

// Inverts the cells [left, right] x [top, bottom] (inclusive, map cells).
void InvertCells(QImage& buffer, long long left, long long top, long long right, long long bottom, QPoint scroll) {
    InvertRect(buffer, Saturate(left * kCellPixels - scroll.x()), Saturate(top * kCellPixels - scroll.y()),
               Saturate((right + 1) * kCellPixels - scroll.x()), Saturate((bottom + 1) * kCellPixels - scroll.y()));
}

}  // namespace

bool ShowsGrid(MapViewMode mode) { return mode != MapViewMode::Browse; }
bool ShowsMarkers(MapViewMode mode) {
    return mode == MapViewMode::Placement || mode == MapViewMode::SingleFramePlacement;
}
bool TakesTheMouse(MapViewMode mode) { return ShowsMarkers(mode); }

MapMarker MarkerOnCell(int index, int cellX, int cellY, QImage image) {
    const long long h = image.isNull() ? kCellPixels : image.height();
    MapMarker m;
    m.index = index;
    m.position = QPoint(Saturate(static_cast<long long>(cellX) * kCellPixels),
                        Saturate(static_cast<long long>(cellY) * kCellPixels - (h - kCellPixels)));
    m.image = std::move(image);
    return m;
}

MapMarker LoadMapMarker(const std::filesystem::path& picture, int index, QPoint position, int sourceX, int sourceY,
                        int width, int height, const DrawSpec& spec) {
    MapMarker m;
    m.index = index;
    m.position = position;
    m.image = LoadKeyedImage(picture, sourceX, sourceY, width, height, spec.mode, spec.keyOn, spec.key.red,
                             spec.key.green, spec.key.blue);
    return m;
}

std::vector<MapMarker> BuildMarkers(const Project& project, const std::vector<int>& indices,
                                    const std::vector<MarkerSource>& sources) {
    std::vector<MapMarker> markers;
    markers.reserve(indices.size());
    std::map<std::string, QImage> pictures;  // by file name: NPCs and chests often share a picture
    for (int n : indices) {
        MapMarker& m = markers.emplace_back();
        m.index = n;
        if (n < 0 || n >= static_cast<int>(sources.size())) continue;
        const MarkerSource& e = sources[static_cast<std::size_t>(n)];
        m.position = QPoint(e.pixelX, e.pixelY);
        // A frame of no size would stand for the whole picture: such a marker has no picture.
        if (e.spriteFile.empty() || e.frameWidth < 1 || e.frameHeight < 1) continue;
        auto found = pictures.find(e.spriteFile);
        if (found == pictures.end()) {
            found = pictures.emplace(e.spriteFile, LoadImageFile(ImageFilePath(project, e.spriteFile))).first;
        }
        m.image = MakeKeyedImage(found->second, e.sourceX, e.sourceY, e.frameWidth, e.frameHeight, e.draw.mode,
                                 e.draw.keyOn, e.draw.key.red, e.draw.key.green, e.draw.key.blue);
    }
    return markers;
}

std::vector<MapMarker> BuildNpcMarkers(const Project& project, const std::vector<int>& npcIndices,
                                       const NpcTable& table) {
    return BuildMarkers(project, npcIndices, table.entries);
}

std::vector<MapMarker> BuildChestMarkers(const Project& project, const std::vector<int>& treasureIndices,
                                         const TreasureTable& table) {
    return BuildMarkers(project, treasureIndices, table.markers);
}

SpriteFrame PlacedSpriteFrame(const PlacedSprite& p, MapViewMode mode, QPoint scroll) {
    SpriteFrame f;
    if (mode == MapViewMode::Placement) {
        // The middle column of the 3 x 4 sheet, in the row of the facing.
        f.width = p.regionWidth / 3;
        f.height = p.regionHeight / 4;
        const int row = ((p.direction % 4) + 4) % 4;
        f.sourceX = Saturate(static_cast<long long>(p.regionX) + f.width);
        f.sourceY = Saturate(static_cast<long long>(p.regionY) + static_cast<long long>(f.height) * row);
    } else {
        f.width = p.regionWidth;
        f.height = p.regionHeight;
        f.sourceX = p.regionX;
        f.sourceY = p.regionY;
    }
    f.destX = (static_cast<long long>(p.origin.x()) + p.position.x()) * kCellPixels - scroll.x();
    f.destY = (static_cast<long long>(p.origin.y()) + p.position.y()) * kCellPixels - p.offset - scroll.y();
    return f;
}

void ReleaseMapContents(MapViewState& state) {
    state.npcMarkers.clear();
    state.chestMarkers.clear();
    state.map.Clear();
    state.chipSets.images = {};
    state.hover.reset();
}

QSize MapExtent(const MapData& map) {
    const auto side = [](std::uint64_t pixels) { return static_cast<int>(std::min<std::uint64_t>(pixels, INT_MAX)); };
    return QSize(side(std::uint64_t{map.width} * kCellPixels), side(std::uint64_t{map.height} * kCellPixels));
}

QPoint MaxScroll(const MapData& map, QSize client) {
    const QSize extent = MapExtent(map);
    return QPoint(std::max(0, extent.width() - std::max(0, client.width())),
                  std::max(0, extent.height() - std::max(0, client.height())));
}

void ClampScroll(MapViewState& state, QSize client) {
    const QPoint most = MaxScroll(state.map, client);
    state.scroll = QPoint(std::clamp(state.scroll.x(), 0, most.x()), std::clamp(state.scroll.y(), 0, most.y()));
}

CellRange CellsShown(const MapData& map, QPoint origin, QSize size) {
    if (!HasCells(map) || size.width() < 1 || size.height() < 1) return {};
    const auto axis = [](long long scroll, long long extent, long long cells, long long& first, long long& end) {
        first = std::clamp(FloorDiv(scroll, kCellPixels), 0LL, cells);
        end = std::clamp(FloorDiv(scroll + extent + kCellPixels - 1, kCellPixels), first, cells);
    };
    CellRange r;
    axis(origin.x(), size.width(), map.width, r.firstColumn, r.endColumn);
    axis(origin.y(), size.height(), map.height, r.firstRow, r.endRow);
    return r;
}

CellRange VisibleCells(const MapViewState& s, QSize client) { return CellsShown(s.map, s.scroll, client); }

void DrawMapLayer(QImage& buffer, const MapData& map, const QImage& chipSet, int layer, const DrawSpec& spec,
                  QPoint origin) {
    if (buffer.isNull()) return;
    DrawCells(buffer, map, chipSet, layer, spec, CellsShown(map, origin, buffer.size()), origin);
}

QImage ComposeMapView(const MapViewState& state, QSize client) {
    QImage buffer = NewFrameBuffer(client);
    PaintMapView(buffer, state);
    return buffer;
}

void PaintMapView(QImage& buffer, const MapViewState& s) {
    if (buffer.isNull()) return;
    const CellRange cells = VisibleCells(s, buffer.size());
    if (!cells.empty()) {
        DrawLayer(buffer, s, cells, 0);
        DrawLayer(buffer, s, cells, 1);
        if (s.grid && ShowsGrid(s.mode)) {
            const long long x = cells.firstColumn * kCellPixels - s.scroll.x();
            const long long y = cells.firstRow * kCellPixels - s.scroll.y();
            DrawGrid(buffer, Saturate(x), Saturate(y), Saturate((cells.endColumn - cells.firstColumn) * kCellPixels),
                     Saturate((cells.endRow - cells.firstRow) * kCellPixels), kCellPixels, kCellPixels);
        }
    }
    if (ShowsMarkers(s.mode)) {
        DrawMarkers(buffer, s.npcMarkers, s.excludedNpc, s.scroll);
        DrawMarkers(buffer, s.chestMarkers, s.excludedChest, s.scroll);
        DrawPlacedSprite(buffer, s);
    }
    const PlacedSprite& p = s.sprite;
    if (s.mode == MapViewMode::Placement && p.showRange && p.rangeX >= 1 && p.rangeY >= 1) {
        const long long cx = p.rangeCentre.x(), cy = p.rangeCentre.y();
        InvertCells(buffer, cx - p.rangeX, cy - p.rangeY, cx + p.rangeX, cy + p.rangeY, s.scroll);
    }
    if (s.hover) InvertCells(buffer, s.hover->x(), s.hover->y(), s.hover->x(), s.hover->y(), s.scroll);
}

std::optional<QPoint> CellAtPoint(const MapViewState& s, QPoint point) {
    if (!HasCells(s.map)) return std::nullopt;
    const long long column = FloorDiv(static_cast<long long>(point.x()) + s.scroll.x(), kCellPixels);
    const long long row = FloorDiv(static_cast<long long>(point.y()) + s.scroll.y(), kCellPixels);
    if (column < 0 || row < 0 || column >= s.map.width || row >= s.map.height) return std::nullopt;
    return QPoint(static_cast<int>(column), static_cast<int>(row));
}

bool UpdateHover(MapViewState& s, QPoint point) {
    if (!TakesTheMouse(s.mode)) return false;
    const std::optional<QPoint> cell = CellAtPoint(s, point);
    if (cell == s.hover) return false;
    s.hover = cell;
    return true;
}

bool ClearHover(MapViewState& s) {
    const bool had = s.hover.has_value();
    s.hover.reset();
    return had;
}

std::optional<QPoint> ClickCell(MapViewState& s, QPoint point) {
    if (!TakesTheMouse(s.mode)) return std::nullopt;
    const std::optional<QPoint> cell = CellAtPoint(s, point);
    s.hover.reset();
    return cell;
}

}  // namespace lw
