#include "render/map_edit_view.h"

#include <algorithm>
#include <climits>
#include <vector>

#include <QPainter>

#include "render/draw.h"
#include "render/map_view_state.h"

namespace lw {

namespace {

long long FloorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
int Saturate(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

constexpr QRgb kCursorColour = 0xFFFFE000u;  // yellow
constexpr QRgb kPaletteBackground = 0xFF808080u;
constexpr QRgb kChosenColour = 0xFFFFE000u;
constexpr int kDimmedStrength = 96;  // of 255: how bright the layer not painted stays

// A frame `width` pixels wide just inside the rectangle.
void SolidFrame(QImage& image, long long x, long long y, long long w, long long h, int width, QRgb colour) {
    FillRect(image, x, y, x + w, y + width, colour);
    FillRect(image, x, y + h - width, x + w, y + h, colour);
    FillRect(image, x, y, x + width, y + h, colour);
    FillRect(image, x + w - width, y, x + w, y + h, colour);
}

// Draws `cells` (whole cells at map scale) scaled to `cell` pixels a cell with its top-left corner
// at (x, y) of `out`, each pixel taking the source pixel under it. The source pixel depends only on
// the position within its cell, so any part of the view scales alike.
void ScaleCells(QImage& out, const QImage& cells, long long x, long long y, long long cell) {
    const long long width = cells.width() * cell / kCellPixels, height = cells.height() * cell / kCellPixels;
    const long long left = std::max(0LL, x), right = std::min<long long>(out.width(), x + width);
    const long long top = std::max(0LL, y), bottom = std::min<long long>(out.height(), y + height);
    if (left >= right || top >= bottom) return;
    std::vector<int> sourceX(static_cast<std::size_t>(right - left));
    for (long long dx = left; dx < right; ++dx)
        sourceX[static_cast<std::size_t>(dx - left)] = static_cast<int>((dx - x) * kCellPixels / cell);
    for (long long dy = top; dy < bottom; ++dy) {
        const auto* source = reinterpret_cast<const QRgb*>(cells.constScanLine(static_cast<int>((dy - y) * kCellPixels / cell)));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(static_cast<int>(dy))) + left;
        for (std::size_t i = 0; i < sourceX.size(); ++i) line[i] = source[sourceX[i]];
    }
}

// Draws both layers of the cells `buffer` shows from map pixel `origin`.
void DrawLayers(QImage& buffer, const MapEditView& v, QPoint origin) {
    for (int layer = 0; layer < kMapLayers; ++layer) {
        const auto slot = static_cast<std::size_t>(layer);
        const QImage* set = &v.chipSets.images[slot];
        DrawSpec spec = layer == 0 ? DrawSpec{} : v.layerSpec;
        if (layer != v.layer) {
            if (v.other == OtherLayer::Hidden) continue;
            if (v.other == OtherLayer::Dimmed && !v.dimmedChipSets.images[slot].isNull()) {
                set = &v.dimmedChipSets.images[slot];
                spec = DimmedSpec(layer);
            }
        }
        DrawMapLayer(buffer, *v.map, *set, layer, spec, origin);
    }
}

}  // namespace

int ClampZoom(int percent) {
    const int stepped = (std::clamp(percent, kMinZoom, kMaxZoom) + kZoomStep / 2) / kZoomStep * kZoomStep;
    return std::clamp(stepped, kMinZoom, kMaxZoom);
}

QImage DimmedChipSet(const QImage& set, int layer, const DrawSpec& layerSpec) {
    if (set.isNull()) return {};
    if (layer == 0) {
        QImage dim = set.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < dim.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(dim.scanLine(y));
            for (int x = 0; x < dim.width(); ++x) {
                const QRgb p = line[x];
                line[x] = qRgb(qRed(p) * kDimmedStrength / 255, qGreen(p) * kDimmedStrength / 255,
                               qBlue(p) * kDimmedStrength / 255);
            }
        }
        return dim;
    }
    // The layer as the scene draws it, made premultiplied (keyed pixels clear), then its colour
    // darkened: it covers what it covered, as a shadow of itself. (Opaque and clear pixels draw
    // as fast as a keyed copy.)
    QImage dim = MakeKeyedImage(set, 0, 0, 0, 0, layerSpec.mode, layerSpec.keyOn, layerSpec.key.red,
                                layerSpec.key.green, layerSpec.key.blue);
    for (int y = 0; y < dim.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(dim.scanLine(y));
        for (int x = 0; x < dim.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgba(qRed(p) * kDimmedStrength / 255, qGreen(p) * kDimmedStrength / 255,
                            qBlue(p) * kDimmedStrength / 255, qAlpha(p));
        }
    }
    return dim;
}

DrawSpec DimmedSpec(int layer) { return layer == 0 ? DrawSpec{} : DrawSpec{kDrawAlpha, 0, {}}; }

QSize EditViewExtent(const MapData& map, int zoom) {
    const long long cell = CellSizeAt(zoom);
    return QSize(static_cast<int>(std::min<long long>(map.width * cell, INT_MAX)),
                 static_cast<int>(std::min<long long>(map.height * cell, INT_MAX)));
}

QPoint EditViewMaxScroll(const MapData& map, int zoom, QSize client) {
    const QSize extent = EditViewExtent(map, zoom);
    return QPoint(std::max(0, extent.width() - std::max(0, client.width())),
                  std::max(0, extent.height() - std::max(0, client.height())));
}

QPoint CellUnderPoint(const MapEditView& v, QPoint point) {
    const long long cell = CellSizeAt(v.zoom);
    return QPoint(Saturate(FloorDiv(static_cast<long long>(point.x()) + v.scroll.x(), cell)),
                  Saturate(FloorDiv(static_cast<long long>(point.y()) + v.scroll.y(), cell)));
}

QRect ViewRectOfCells(const MapEditView& v, const CellRect& cells) {
    const long long cell = CellSizeAt(v.zoom);
    return QRect(Saturate(cells.x * cell - v.scroll.x()), Saturate(cells.y * cell - v.scroll.y()),
                 Saturate(cells.width * cell), Saturate(cells.height * cell));
}

QPoint ScrollToShow(const MapEditView& v, QPoint cellPos, QSize client) {
    const long long cell = CellSizeAt(v.zoom);
    long long sx = v.scroll.x(), sy = v.scroll.y();
    const long long left = cellPos.x() * cell, top = cellPos.y() * cell;
    if (left < sx) sx = left;
    if (left + cell > sx + client.width()) sx = left + cell - client.width();
    if (top < sy) sy = top;
    if (top + cell > sy + client.height()) sy = top + cell - client.height();
    const QPoint most = v.map != nullptr ? EditViewMaxScroll(*v.map, v.zoom, client) : QPoint();
    return QPoint(Saturate(std::clamp<long long>(sx, 0, most.x())), Saturate(std::clamp<long long>(sy, 0, most.y())));
}

QImage ComposeMapEditArea(const MapEditView& v, QRect area) {
    QImage out = NewFrameBuffer(area.size());
    if (out.isNull()) return out;
    out.fill(kOutsideMapColour);
    if (v.map == nullptr || !HasAllCells(*v.map) || v.map->empty()) return out;
    const MapData& map = *v.map;
    const long long cell = CellSizeAt(v.zoom);
    // The area in view pixels, and the cells it touches.
    const long long vx0 = static_cast<long long>(area.left()) + v.scroll.x();
    const long long vy0 = static_cast<long long>(area.top()) + v.scroll.y();
    const long long vx1 = vx0 + area.width(), vy1 = vy0 + area.height();
    const long long c0 = std::clamp(FloorDiv(vx0, cell), 0LL, static_cast<long long>(map.width));
    const long long c1 = std::clamp(FloorDiv(vx1 + cell - 1, cell), c0, static_cast<long long>(map.width));
    const long long r0 = std::clamp(FloorDiv(vy0, cell), 0LL, static_cast<long long>(map.height));
    const long long r1 = std::clamp(FloorDiv(vy1 + cell - 1, cell), r0, static_cast<long long>(map.height));
    if (c0 >= c1 || r0 >= r1) return out;

    // The map's part is black where no chip covers it, as in the map view.
    FillRect(out, c0 * cell - vx0, r0 * cell - vy0, c1 * cell - vx0, r1 * cell - vy0, 0xFF000000u);
    if (cell == kCellPixels) {
        DrawLayers(out, v, QPoint(Saturate(vx0), Saturate(vy0)));
    } else {
        // The whole cells at map scale, then scaled to the zoom without smoothing.
        QImage cells = NewFrameBuffer(QSize(Saturate((c1 - c0) * kCellPixels), Saturate((r1 - r0) * kCellPixels)));
        if (!cells.isNull()) {
            DrawLayers(cells, v, QPoint(Saturate(c0 * kCellPixels), Saturate(r0 * kCellPixels)));
            ScaleCells(out, cells, c0 * cell - vx0, r0 * cell - vy0, cell);
        }
    }

    if (v.grid) {
        // The lines between cells (none on the map's outer edges), placed by the cell they begin.
        const long long cs = std::max(c0, 1LL), ce = std::min(c1, static_cast<long long>(map.width) - 1);
        if (ce >= cs)
            DrawGrid(out, Saturate((cs - 1) * cell - vx0), Saturate(r0 * cell - vy0), Saturate((ce - cs + 1) * cell + 1),
                     Saturate((r1 - r0) * cell), Saturate(cell), 0);
        const long long rs = std::max(r0, 1LL), re = std::min(r1, static_cast<long long>(map.height) - 1);
        if (re >= rs)
            DrawGrid(out, Saturate(c0 * cell - vx0), Saturate((rs - 1) * cell - vy0), Saturate((c1 - c0) * cell),
                     Saturate((re - rs + 1) * cell + 1), 0, Saturate(cell));
    }
    const auto local = [&](const QRect& r) { return r.translated(-area.topLeft()); };
    if (v.outline && !v.outline->empty()) {
        const QRect r = local(ViewRectOfCells(v, *v.outline));
        DrawInvertedFrame(out, r.left(), r.top(), r.right() + 1, r.bottom() + 1);
        DrawInvertedFrame(out, r.left() + 1, r.top() + 1, r.right(), r.bottom());
    }
    if (v.cursor) {
        const QRect r = local(ViewRectOfCells(v, CellRect{static_cast<std::uint32_t>(std::max(0, v.cursor->x())),
                                                         static_cast<std::uint32_t>(std::max(0, v.cursor->y())), 1, 1}));
        SolidFrame(out, r.left(), r.top(), r.width(), r.height(), 2, kCursorColour);
    }
    return out;
}

PaletteLayout PaletteLayoutOf(const QImage& chipSet) {
    PaletteLayout layout;
    if (chipSet.isNull()) return layout;
    layout.columns = chipSet.width() / kCellPixels;
    const int rows = chipSet.height() / kCellPixels;
    if (layout.columns < 1 || rows < 1) return PaletteLayout{};
    layout.chips = static_cast<int>(std::min<long long>(static_cast<long long>(layout.columns) * rows, kMaxChip + 1));
    return layout;
}

int PaletteChipAt(const PaletteLayout& layout, QPoint point) {
    if (layout.columns < 1 || point.x() < 0 || point.y() < 0) return -1;
    const int column = point.x() / kCellPixels, row = point.y() / kCellPixels;
    if (column >= layout.columns) return -1;
    const long long chip = static_cast<long long>(row) * layout.columns + column;
    return chip < layout.chips ? static_cast<int>(chip) : -1;
}

QImage ComposePalette(const QImage& chipSet, int layer, const DrawSpec& layerSpec, int chosen) {
    const PaletteLayout layout = PaletteLayoutOf(chipSet);
    if (layout.chips == 0) return {};
    QImage out = NewFrameBuffer(QSize(layout.columns * kCellPixels, layout.rows() * kCellPixels));
    if (out.isNull()) return out;
    out.fill(kPaletteBackground);
    const DrawSpec spec = layer == 0 ? DrawSpec{} : layerSpec;
    for (int chip = 1; chip < layout.chips; ++chip) {
        const int x = (chip % layout.columns) * kCellPixels, y = (chip / layout.columns) * kCellPixels;
        DrawImageWithMode(out, x, y, kCellPixels, kCellPixels, chipSet, x, y, spec);
    }
    {
        // Chip 0: no chip.
        QPainter painter(&out);
        painter.fillRect(0, 0, kCellPixels, kCellPixels, QColor(48, 48, 48));
        painter.setPen(QPen(QColor(220, 60, 60), 2));
        painter.drawLine(6, 6, kCellPixels - 7, kCellPixels - 7);
        painter.drawLine(kCellPixels - 7, 6, 6, kCellPixels - 7);
    }
    if (chosen >= 0 && chosen < layout.chips) {
        const int x = (chosen % layout.columns) * kCellPixels, y = (chosen / layout.columns) * kCellPixels;
        SolidFrame(out, x, y, kCellPixels, kCellPixels, 3, kChosenColour);
        SolidFrame(out, x + 3, y + 3, kCellPixels - 6, kCellPixels - 6, 1, 0xFF000000u);
    }
    return out;
}

}  // namespace lw
