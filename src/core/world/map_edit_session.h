#pragma once
// The map editor's working state without any window: the map being edited with its history, the
// tool, the layer and chip painted, the rectangle being drawn or selected, and the copied cells.
// The window turns mouse and key input into Press / Drag / Release on cells and repaints the
// cells each call returns; the rest (zoom, scroll, the cell cursor) is the window's own.
//
//   MapEditSession s;
//   s.Open(map, true);
//   s.SetTool(MapTool::Rectangle);
//   s.Press(2, 3);  s.Drag(6, 4);  CellRect changed = s.Release(6, 4);   // one undo step

#include <optional>

#include "core/world/map_editing.h"

namespace lw {

enum class MapTool { Pencil, Rectangle, Fill, Eraser, Select };

class MapEditSession {
public:
    // Starts editing `map` with an empty history (see MapHistory::Reset for `onDisk`). The
    // selection, the rectangle being drawn and the copied cells are dropped.
    void Open(MapData map, bool onDisk);
    // Stops editing: no map.
    void Close();
    bool HasMap() const { return open_; }
    const MapData& map() const { return map_; }
    const MapHistory& history() const { return history_; }
    bool Modified() const { return open_ && history_.Modified(); }
    // The map as it is now was written to its file.
    void MarkSaved() { history_.MarkSaved(); }

    MapTool tool() const { return tool_; }
    void SetTool(MapTool tool);  // ends a rectangle being drawn
    int layer() const { return layer_; }
    void SetLayer(int layer);  // 0 or 1
    int chip() const { return chip_; }
    void SetChip(int chip);  // 0 .. 255
    // A copy takes both layers, or only the layer painted.
    bool copyBothLayers() const { return copyBoth_; }
    void SetCopyBothLayers(bool both) { copyBoth_ = both; }

    // The pointer on a cell (any coordinates; what lies outside the map is cut off). Each returns
    // the cells whose content changed (empty when none did).
    //  - pencil, eraser: Press paints the cell, Drag paints every cell on the line from the last
    //    cell to this one, Release ends the stroke: the stroke is one undo step.
    //  - fill: Press fills; Drag and Release do nothing.
    //  - rectangle, select: Press sets one corner, Drag moves the other (see outline()), Release
    //    fills the rectangle, or keeps it as the selection.
    CellRect Press(long long x, long long y);
    CellRect Drag(long long x, long long y);
    CellRect Release(long long x, long long y);
    bool pressed() const { return pressed_; }
    // Drops a rectangle being drawn or selected (nothing is filled) and ends a stroke.
    void Cancel();

    // The rectangle being drawn (rectangle tool, while pressed), or the selection (select tool).
    std::optional<CellRect> outline() const;
    std::optional<CellRect> selection() const { return selection_; }
    void ClearSelection() { selection_.reset(); }

    // The selection's cells (both layers or the one painted) become the copied cells. False when
    // nothing is selected.
    bool Copy();
    bool HasCopy() const { return !clip_.empty(); }
    const MapClip& copied() const { return clip_; }
    // Puts the copied cells with their top-left cell at (x, y), as one undo step; with the select
    // tool the cells pasted become the selection.
    CellRect Paste(long long x, long long y);

    // The chip of the layer painted at (x, y) becomes the chip painted. False outside the map.
    bool PickChip(long long x, long long y);

    // Resizes the map (one undo step); the selection is dropped. Empty when nothing changed.
    CellRect Resize(std::uint32_t width, std::uint32_t height, int fillChip);
    // Undo and redo; the cells to repaint (the whole map when the size changes).
    std::optional<CellRect> Undo();
    std::optional<CellRect> Redo();
    bool CanUndo() const { return open_ && history_.CanUndo() && !pressed_; }
    bool CanRedo() const { return open_ && history_.CanRedo() && !pressed_; }

private:
    CellRect Step(MapChange change);  // applies and records one change
    CellRect PaintTo(long long x, long long y);
    int PaintChip() const { return tool_ == MapTool::Eraser ? 0 : chip_; }

    bool open_ = false;
    MapData map_;
    MapHistory history_;
    MapTool tool_ = MapTool::Pencil;
    int layer_ = 0;
    int chip_ = 1;
    bool copyBoth_ = true;
    bool pressed_ = false;
    long long anchorX_ = 0, anchorY_ = 0;  // the corner pressed
    long long lastX_ = 0, lastY_ = 0;      // the last cell of a stroke, the moving corner
    MapChange stroke_;
    std::optional<CellRect> selection_;
    MapClip clip_;
};

}  // namespace lw
