#pragma once
// The map view's state and everything it computes from it: the frame it shows (both chip layers,
// grid, the NPC and chest markers, the sprite being placed with its walking range, the hovered
// cell), which cells are visible, the scroll limits and which cell a point of the window lies on.
// The map view window (src/previews/map_view) holds one MapViewState, forwards the mouse and the
// scroll bars and paints ComposeMapView; everything here is a plain function of the state, so
// every layer can be checked pixel by pixel without a window.
//
// Coordinates: a cell is kCellPixels (32) pixels square; map pixels count from the map's top-left
// corner; window (client) pixels are map pixels less the scroll position.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include <QImage>
#include <QPoint>
#include <QSize>

#include "core/settings/drawing.h"
#include "core/project/project.h"
#include "core/world/map_data.h"
#include "core/rules/treasure_list.h"
#include "core/world/npc_list.h"
#include "render/bitmap.h"

namespace lw {

// What the view shows and whether it takes the mouse; the dialog that shows the map sets it.
enum class MapViewMode {
    Browse,                // scene list, placement hub: the map only
    Settings,              // scene settings: the map and the grid
    Placement,             // PC, NPC and shop placement, positions: grid, markers, the sprite as a
                           // 3 x 4 frame sheet, the walking range; hover and click
    SingleFramePlacement,  // chest placement, event command scenes: grid, markers, the sprite as one
                           // whole frame; hover and click
};
bool ShowsGrid(MapViewMode mode);
bool ShowsMarkers(MapViewMode mode);     // markers and the placed sprite
bool TakesTheMouse(MapViewMode mode);    // hover and click

// An NPC or chest standing in the scene. The owner makes the picture with LoadKeyedImage (one frame
// of the sprite, keyed or blended as the list row says); it is drawn blended by its alpha.
struct MapMarker {
    int index = -1;   // the NPC's or chest's position in its list
    QPoint position;  // top-left corner, map pixels
    QImage image;     // 32-bit premultiplied; a null picture is not drawn
};
// A marker standing on cell (cellX, cellY): a picture taller than a cell rises above it, so its
// bottom edge lies on the cell's (x = cellX x 32, y = cellY x 32 - (height - 32)).
MapMarker MarkerOnCell(int index, int cellX, int cellY, QImage image);
// A marker whose picture is the width x height region at (sourceX, sourceY) of a picture file, made
// ready for blending by LoadKeyedImage with `spec`. A file that does not load gives a marker with no
// picture, which is not drawn.
MapMarker LoadMapMarker(const std::filesystem::path& picture, int index, QPoint position, int sourceX, int sourceY,
                        int width, int height, const DrawSpec& spec);
// The NPC markers of a scene: one per entry of its NPC index list, made from the NPC table's entry
// of that index (sprite file in the project's image folder, frame, position, drawing). An index
// outside the table gives a marker with no picture. Each sprite file is read once.
std::vector<MapMarker> BuildNpcMarkers(const Project& project, const std::vector<int>& npcIndices,
                                       const NpcTable& table);
// The chest markers of a scene, the same way from its chest index list and the chest table (each
// chest's animation picture).
std::vector<MapMarker> BuildChestMarkers(const Project& project, const std::vector<int>& treasureIndices,
                                         const TreasureTable& table);
// Either of the above: one marker per index, from the source of that index.
std::vector<MapMarker> BuildMarkers(const Project& project, const std::vector<int>& indices,
                                    const std::vector<MarkerSource>& sources);

// The sprite of what is being placed, and where.
struct PlacedSprite {
    QImage image;  // the sprite's whole picture; a null picture means nothing is being placed
    // The sprite's region of the picture, pixels. In the placement mode it is a sheet of 3 x 4
    // frames (a frame is regionWidth / 3 by regionHeight / 4); in the single-frame placement mode it
    // is the one frame.
    int regionX = 0;
    int regionY = 0;
    int regionWidth = 0;
    int regionHeight = 0;
    DrawSpec spec;
    QPoint origin;      // view origin, cells (the player character's view position; else 0, 0)
    QPoint position;    // cells from the origin
    int direction = 0;  // facing (0 down, 1 left, 2 right, 3 up): the sheet row, taken modulo 4
    int offset = 0;     // pixels the sprite rises above its cell: sprite height - 32
    // The walking range (placement mode): centre cell and half-extents in cells, shown when
    // showRange is set and both half-extents are at least 1.
    QPoint rangeCentre;
    int rangeX = 0;
    int rangeY = 0;
    bool showRange = false;
};

// The part of the sprite's picture drawn for the mode (empty when the region has no frame), and
// the window rectangle it is drawn to.
struct SpriteFrame {
    int sourceX = 0;
    int sourceY = 0;
    int width = 0;
    int height = 0;
    long long destX = 0;
    long long destY = 0;
    bool empty() const { return width < 1 || height < 1; }
};
SpriteFrame PlacedSpriteFrame(const PlacedSprite& sprite, MapViewMode mode, QPoint scroll);

inline constexpr QRgb kPlacedSpriteFrameColour = 0xFFFF0000u;  // red
inline constexpr int kPlacedSpriteFrameWidth = 2;

struct MapViewState {
    MapViewMode mode = MapViewMode::Browse;
    MapData map;
    TileSets chipSets;  // images[0]: layer 0 (background), images[1]: layer 1
    DrawSpec layerSpec;  // how layer 1 is drawn (layer 0 is always copied)
    bool grid = true;    // the grid of the modes that have one; off hides it
    std::vector<MapMarker> npcMarkers;
    std::vector<MapMarker> chestMarkers;
    // The NPC and the chest being placed (-1 none): shown as the placed sprite, not as markers.
    int excludedNpc = -1;
    int excludedChest = -1;
    PlacedSprite sprite;
    QPoint scroll;                // pixels, 0 .. extent - client size
    std::optional<QPoint> hover;  // the hovered cell (map cells), when any
};

// Frees the markers, the map cells and the chip sets; the mode, drawing settings, placed sprite
// and exclusions stay.
void ReleaseMapContents(MapViewState& state);

// The map's size in pixels (width x 32 by height x 32), the scroll extent. Each side is capped at
// the largest int: a map wider than that cannot be scrolled to its far end.
QSize MapExtent(const MapData& map);
// The largest scroll position for a client of `client` pixels: extent - client, or 0 when the
// client area is at least as large as the extent.
QPoint MaxScroll(const MapData& map, QSize client);
// Brings the scroll position into 0 .. MaxScroll.
void ClampScroll(MapViewState& state, QSize client);

// The cells a client area shows: columns [firstColumn, endColumn) and rows [firstRow, endRow),
// cut to the map. Empty when the map holds no cells.
struct CellRange {
    long long firstColumn = 0;
    long long endColumn = 0;
    long long firstRow = 0;
    long long endRow = 0;
    bool empty() const { return firstColumn >= endColumn || firstRow >= endRow; }
};
CellRange VisibleCells(const MapViewState& state, QSize client);
// The cells a picture of `size` shows when its top-left corner lies at map pixel `origin`.
CellRange CellsShown(const MapData& map, QPoint origin, QSize size);

// Draws the chips of `layer` (0: bits 0-7 of each cell, 1: bits 16-23) for the cells `buffer`
// shows with its top-left corner at map pixel `origin`, as the view draws that layer: chip 0 is
// not drawn, `spec` says how (the view copies layer 0 and draws layer 1 by the scene's settings).
// The map editor draws its layers with this.
void DrawMapLayer(QImage& buffer, const MapData& map, const QImage& chipSet, int layer, const DrawSpec& spec,
                  QPoint origin);

// The frame the view shows at `client` (a null image when the size is empty). Only the visible
// cells are drawn; what no cell covers stays black.
QImage ComposeMapView(const MapViewState& state, QSize client);
// Draws the view's layers into `buffer` (its size is the client size).
void PaintMapView(QImage& buffer, const MapViewState& state);

// The map cell under `point` of the window, with the scroll position taken into account; none
// outside the map.
std::optional<QPoint> CellAtPoint(const MapViewState& state, QPoint point);
// In the modes that take the mouse, the cell under `point` becomes the hovered cell (none outside
// the map). True when the hovered cell changed: the view repaints and captions itself.
bool UpdateHover(MapViewState& state, QPoint point);
// Clears the hovered cell; true when there was one.
bool ClearHover(MapViewState& state);
// A left click at `point`: in the modes that take the mouse, the map cell clicked (none outside the
// map); the hover is cleared either way.
std::optional<QPoint> ClickCell(MapViewState& state, QPoint point);

}  // namespace lw
