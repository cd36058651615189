#pragma once
// What the map editor shows: the map at a zoom, its two chip layers drawn as the map view draws
// them (with the layer not being painted shown, dimmed or hidden), the grid, the rectangle being
// drawn or selected and the cell cursor; and the chip palette of the layer painted. Everything is
// a function of the state, composed for any part of the window, so a repaint of a few cells draws
// exactly the pixels a whole frame has there.
//
// Coordinates: view pixels are the window's drawing area plus the scroll position; a cell is
// CellSizeAt(zoom) view pixels square.

#include <optional>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "core/settings/drawing.h"
#include "core/world/map_editing.h"
#include "render/bitmap.h"

namespace lw {

inline constexpr int kMinZoom = 50;
inline constexpr int kMaxZoom = 400;
inline constexpr int kZoomStep = 25;  // so a cell is always a whole number of pixels (8 per step)
// A zoom in percent brought to a step within 50..400.
int ClampZoom(int percent);
// A cell's side at the zoom, view pixels.
inline int CellSizeAt(int zoom) { return kCellPixels * ClampZoom(zoom) / 100; }

// How the layer not being painted is shown.
enum class OtherLayer { Shown, Dimmed, Hidden };

// The colour around the map, so its edges stay visible.
inline constexpr QRgb kOutsideMapColour = 0xFF505050u;

struct MapEditView {
    const MapData* map = nullptr;
    TileSets chipSets;      // as the scene draws them: [0] layer 0, [1] layer 1
    TileSets dimmedChipSets;  // DimmedChipSet of each, made when a chip set or the layer's drawing mode changes
    DrawSpec layerSpec;     // how layer 1 is drawn
    int zoom = 100;
    QPoint scroll;          // view pixels
    int layer = 0;          // the layer painted
    OtherLayer other = OtherLayer::Dimmed;
    bool grid = true;
    std::optional<CellRect> outline;  // the rectangle being drawn or the selection
    std::optional<QPoint> cursor;     // the cell cursor
};

// A chip set made ready to be drawn dimmed: darkened, layer 0 copied as layer 0 is, layer 1 as a
// premultiplied picture (its keyed pixels clear, its alpha as drawn). Draw it with DimmedSpec.
QImage DimmedChipSet(const QImage& set, int layer, const DrawSpec& layerSpec);
DrawSpec DimmedSpec(int layer);

// The map's size at the zoom, view pixels (capped at the largest int).
QSize EditViewExtent(const MapData& map, int zoom);
// The largest scroll position for a drawing area of `client`.
QPoint EditViewMaxScroll(const MapData& map, int zoom, QSize client);
// The cell under a point of the drawing area (any cell, inside the map or not).
QPoint CellUnderPoint(const MapEditView& view, QPoint point);
// The drawing area's rectangle of `cells` (it may lie partly or wholly outside the area).
QRect ViewRectOfCells(const MapEditView& view, const CellRect& cells);
// The scroll position that brings `cell` into a drawing area of `client` with the least movement.
QPoint ScrollToShow(const MapEditView& view, QPoint cell, QSize client);

// The pixels of the drawing area's rectangle `area`: an image of area.size().
QImage ComposeMapEditArea(const MapEditView& view, QRect area);

// The chip palette: a chip set's 32 x 32 chips, numbered row by row, at most 256 of them (chip
// numbers are one byte). Chip 0 stands for "no chip" and is drawn crossed out.
struct PaletteLayout {
    int columns = 0;
    int chips = 0;  // chips shown (0 .. 256)
    int rows() const { return columns > 0 ? (chips + columns - 1) / columns : 0; }
};
PaletteLayout PaletteLayoutOf(const QImage& chipSet);
// The chip at a point of the palette picture, or -1.
int PaletteChipAt(const PaletteLayout& layout, QPoint point);
// The palette picture (layer 1 drawn by the scene's settings over grey), with `chosen` framed.
QImage ComposePalette(const QImage& chipSet, int layer, const DrawSpec& layerSpec, int chosen);

}  // namespace lw
