#include "core/world/map_edit_session.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace lw {

void MapEditSession::Open(MapData map, bool onDisk) {
    map_ = std::move(map);
    history_.Reset(onDisk);
    open_ = true;
    pressed_ = false;
    stroke_ = MapChange{};
    selection_.reset();
    clip_ = MapClip{};
}

void MapEditSession::Close() {
    map_.Clear();
    history_.Reset(true);
    open_ = false;
    pressed_ = false;
    stroke_ = MapChange{};
    selection_.reset();
}

void MapEditSession::SetTool(MapTool tool) {
    if (tool == tool_) return;
    Cancel();
    tool_ = tool;
    if (tool_ != MapTool::Select) selection_.reset();
}

void MapEditSession::SetLayer(int layer) {
    Cancel();
    layer_ = std::clamp(layer, 0, kMapLayers - 1);
}

void MapEditSession::SetChip(int chip) { chip_ = std::clamp(chip, 0, kMaxChip); }

CellRect MapEditSession::Step(MapChange change) {
    if (change.empty()) return {};
    ApplyChange(map_, change);
    const CellRect area = change.area;
    history_.Record(std::move(change));
    return area;
}

CellRect MapEditSession::PaintTo(long long x, long long y) {
    // Every cell on the line from the last cell, so a fast stroke leaves no gaps.
    MapChange step;
    long long cx = lastX_, cy = lastY_;
    const long long dx = std::llabs(x - cx), dy = -std::llabs(y - cy);
    const long long sx = cx < x ? 1 : -1, sy = cy < y ? 1 : -1;
    long long err = dx + dy;
    for (;;) {
        MapChange c = SetCellChip(map_, cx, cy, layer_, PaintChip());
        ApplyChange(map_, c);
        AppendChange(step, std::move(c));
        if (cx == x && cy == y) break;
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            cx += sx;
        }
        if (e2 <= dx) {
            err += dx;
            cy += sy;
        }
    }
    lastX_ = x;
    lastY_ = y;
    const CellRect area = step.area;
    AppendChange(stroke_, std::move(step));
    return area;
}

CellRect MapEditSession::Press(long long x, long long y) {
    if (!open_) return {};
    Cancel();
    switch (tool_) {
    case MapTool::Pencil:
    case MapTool::Eraser:
        pressed_ = true;
        lastX_ = x;
        lastY_ = y;
        return PaintTo(x, y);
    case MapTool::Fill:
        return Step(FloodFill(map_, x, y, layer_, chip_));
    case MapTool::Rectangle:
    case MapTool::Select:
        // A corner outside the map starts nothing.
        if (CellRectBetween(map_, x, y, x, y).empty()) return {};
        pressed_ = true;
        anchorX_ = lastX_ = x;
        anchorY_ = lastY_ = y;
        if (tool_ == MapTool::Select) selection_ = CellRectBetween(map_, x, y, x, y);
        return {};
    }
    return {};
}

CellRect MapEditSession::Drag(long long x, long long y) {
    if (!open_ || !pressed_) return {};
    switch (tool_) {
    case MapTool::Pencil:
    case MapTool::Eraser:
        if (x == lastX_ && y == lastY_) return {};
        return PaintTo(x, y);
    case MapTool::Rectangle:
    case MapTool::Select:
        lastX_ = x;
        lastY_ = y;
        if (tool_ == MapTool::Select) selection_ = CellRectBetween(map_, anchorX_, anchorY_, x, y);
        return {};
    case MapTool::Fill:
        return {};
    }
    return {};
}

CellRect MapEditSession::Release(long long x, long long y) {
    if (!open_ || !pressed_) return {};
    CellRect changed = Drag(x, y);
    pressed_ = false;
    switch (tool_) {
    case MapTool::Pencil:
    case MapTool::Eraser: {
        MapChange stroke = std::exchange(stroke_, MapChange{});
        history_.Record(std::move(stroke));
        return changed;
    }
    case MapTool::Rectangle:
        return Step(FillCells(map_, CellRectBetween(map_, anchorX_, anchorY_, x, y), layer_, chip_));
    case MapTool::Select:
    case MapTool::Fill:
        return {};
    }
    return changed;
}

void MapEditSession::Cancel() {
    if (!pressed_) return;
    pressed_ = false;
    // A stroke already painted stays painted, as one step.
    if (!stroke_.empty()) history_.Record(std::exchange(stroke_, MapChange{}));
    if (tool_ == MapTool::Select) selection_.reset();
}

std::optional<CellRect> MapEditSession::outline() const {
    if (tool_ == MapTool::Rectangle && pressed_) {
        const CellRect r = CellRectBetween(map_, anchorX_, anchorY_, lastX_, lastY_);
        if (!r.empty()) return r;
        return std::nullopt;
    }
    if (tool_ == MapTool::Select) return selection_;
    return std::nullopt;
}

bool MapEditSession::Copy() {
    if (!open_ || !selection_) return false;
    MapClip clip = CopyCells(map_, *selection_, copyBoth_ ? LayerSet::Both : (layer_ == 0 ? LayerSet::Layer0 : LayerSet::Layer1));
    if (clip.empty()) return false;
    clip_ = std::move(clip);
    return true;
}

CellRect MapEditSession::Paste(long long x, long long y) {
    if (!open_ || clip_.empty()) return {};
    Cancel();
    const CellRect target = CellRectBetween(map_, x, y, x + clip_.width - 1, y + clip_.height - 1);
    const CellRect changed = Step(PasteCells(map_, clip_, x, y));
    if (!target.empty() && tool_ == MapTool::Select) selection_ = target;
    return changed;
}

bool MapEditSession::PickChip(long long x, long long y) {
    if (!open_ || CellRectBetween(map_, x, y, x, y).empty()) return false;
    chip_ = ChipOnLayer(map_.At(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)), layer_);
    return true;
}

CellRect MapEditSession::Resize(std::uint32_t width, std::uint32_t height, int fillChip) {
    if (!open_) return {};
    Cancel();
    MapChange change = ResizeMap(map_, width, height, fillChip);
    if (change.empty()) return {};
    selection_.reset();
    return Step(std::move(change));
}

std::optional<CellRect> MapEditSession::Undo() {
    if (!CanUndo()) return std::nullopt;
    const MapChange* c = history_.Undo(map_);
    if (c->resizes()) {
        selection_.reset();
        return CellRect{0, 0, map_.width, map_.height};
    }
    return c->area;
}

std::optional<CellRect> MapEditSession::Redo() {
    if (!CanRedo()) return std::nullopt;
    const MapChange* c = history_.Redo(map_);
    if (c->resizes()) selection_.reset();
    return c->area;
}

}  // namespace lw
