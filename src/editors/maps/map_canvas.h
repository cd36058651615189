#pragma once
// The map editor's drawing area: the map of a MapEditSession at a zoom, with scroll bars. The
// mouse and the keys drive the session's tools; only the cells a step changed are repainted.
//
// Mouse: the left button uses the tool (press, drag, release), the right button picks the chip of
// the layer painted. Ctrl + wheel zooms. Keys: the arrows move the cell cursor (the rectangle
// being drawn follows it), Space uses the tool at the cursor (rectangle and select: the first
// Space sets a corner, the second ends the rectangle), Escape drops a rectangle being drawn,
// Ctrl + Space picks the chip under the cursor.

#include <QAbstractScrollArea>
#include <optional>

#include "core/world/map_edit_session.h"
#include "render/map_edit_view.h"

namespace lw {

class MapCanvas : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit MapCanvas(MapEditSession& session, QWidget* parent = nullptr);

    MapEditView& view() { return view_; }
    const MapEditView& view() const { return view_; }

    // After the session's map was replaced or resized: scroll bars, cursor and a full repaint.
    void MapReplaced();
    // After a step: repaints the cells changed and the outline, and signals edited().
    void CellsChanged(const CellRect& cells);
    // Redraws everything (chip sets, layer, zoom or grid changed).
    void RepaintAll();

    void SetZoom(int percent);
    int zoom() const { return view_.zoom; }
    std::optional<QPoint> cursor() const { return view_.cursor; }
    void SetCursorCell(QPoint cell);
    std::optional<QPoint> hovered() const { return hovered_; }

    // The drawing area's pixels at `area` as painted (for tests and screenshots).
    QImage Compose(QRect area) const { return ComposeMapEditArea(view_, area); }
    QPoint CellCentre(QPoint cell) const;  // the drawing-area point at the centre of a cell

signals:
    void edited();                        // the map changed
    void hoverChanged();                  // the hovered cell or the cursor moved
    void chipPicked(int chip);            // the right button or Ctrl + Space took a chip
    void zoomRequested(int percent);      // Ctrl + wheel

protected:
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void UpdateScrollBars();
    void RepaintCellRect(const CellRect& cells);
    // Repaints where the outline was and where it is now.
    void FollowOutline();
    void MoveCursor(QPoint cell, bool scroll);
    void Pick(QPoint cell);
    bool HasMap() const { return session_.HasMap() && !session_.map().empty(); }

    MapEditSession& session_;
    MapEditView view_;
    std::optional<CellRect> shownOutline_;
    std::uint32_t shownWidth_ = 0, shownHeight_ = 0;  // the size the scroll bars were set for
    std::optional<QPoint> hovered_;
    bool mouseDown_ = false;
    bool keyDown_ = false;  // a rectangle begun with Space
};

}  // namespace lw
