#include "editors/maps/map_canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace lw {

namespace {

// The strips along a rectangle's edges that its outline covers, so a moving outline repaints
// those and not the cells inside.
void AddFrameStrips(QRegion& region, const QRect& r) {
    constexpr int kWidth = 3;
    if (r.isEmpty()) return;
    region += QRect(r.left(), r.top(), r.width(), kWidth);
    region += QRect(r.left(), r.bottom() - kWidth + 1, r.width(), kWidth);
    region += QRect(r.left(), r.top(), kWidth, r.height());
    region += QRect(r.right() - kWidth + 1, r.top(), kWidth, r.height());
}

}  // namespace

MapCanvas::MapCanvas(MapEditSession& session, QWidget* parent) : QAbstractScrollArea(parent), session_(session) {
    view_.map = &session_.map();
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("ﾏｯﾌﾟ"));
    setAccessibleDescription(tr("矢印ｷｰでｾﾙを選び、ｽﾍﾟｰｽｷｰで描きます。"));
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    viewport()->setMouseTracking(true);
    viewport()->setFocusProxy(this);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) bar->setSingleStep(CellSizeAt(100));
    setMinimumSize(320, 240);
}

QPoint MapCanvas::CellCentre(QPoint cell) const {
    const QRect r = ViewRectOfCells(view_, CellRect{static_cast<std::uint32_t>(cell.x()), static_cast<std::uint32_t>(cell.y()), 1, 1});
    return r.center();
}

void MapCanvas::UpdateScrollBars() {
    const QSize client = viewport()->size();
    const QPoint most = EditViewMaxScroll(session_.map(), view_.zoom, client);
    const QPoint want(std::clamp(view_.scroll.x(), 0, most.x()), std::clamp(view_.scroll.y(), 0, most.y()));
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, most.x());
    v->setRange(0, most.y());
    h->setPageStep(std::max(1, client.width()));
    v->setPageStep(std::max(1, client.height()));
    h->setSingleStep(CellSizeAt(view_.zoom));
    v->setSingleStep(CellSizeAt(view_.zoom));
    h->setValue(want.x());
    v->setValue(want.y());
    view_.scroll = want;
}

void MapCanvas::MapReplaced() {
    view_.map = &session_.map();
    mouseDown_ = keyDown_ = false;
    if (view_.cursor) {
        const MapData& m = session_.map();
        if (m.empty()) {
            view_.cursor.reset();
        } else {
            view_.cursor = QPoint(std::min<long long>(view_.cursor->x(), m.width - 1),
                                  std::min<long long>(view_.cursor->y(), m.height - 1));
        }
    } else if (HasMap()) {
        view_.cursor = QPoint(0, 0);
    }
    view_.outline = session_.outline();
    shownOutline_ = view_.outline;
    shownWidth_ = session_.map().width;
    shownHeight_ = session_.map().height;
    UpdateScrollBars();
    RepaintAll();
    emit hoverChanged();
}

void MapCanvas::RepaintAll() {
    view_.layer = session_.layer();
    viewport()->update();
}

void MapCanvas::RepaintCellRect(const CellRect& cells) {
    if (cells.empty()) return;
    const QRect r = ViewRectOfCells(view_, cells).intersected(viewport()->rect());
    if (!r.isEmpty()) viewport()->update(r);
}

void MapCanvas::FollowOutline() {
    const std::optional<CellRect> now = session_.outline();
    if (now == shownOutline_) return;
    QRegion region;
    if (shownOutline_) AddFrameStrips(region, ViewRectOfCells(view_, *shownOutline_));
    if (now) AddFrameStrips(region, ViewRectOfCells(view_, *now));
    view_.outline = now;
    shownOutline_ = now;
    viewport()->update(region.intersected(viewport()->rect()));
}

void MapCanvas::CellsChanged(const CellRect& cells) {
    if (!cells.empty()) {
        if (session_.map().width != shownWidth_ || session_.map().height != shownHeight_) {
            MapReplaced();
        } else {
            RepaintCellRect(cells);
        }
        emit edited();
    }
    FollowOutline();
    emit hoverChanged();
}

void MapCanvas::SetZoom(int percent) {
    const int zoom = ClampZoom(percent);
    if (zoom == view_.zoom) return;
    // Keep the cell at the centre of the drawing area where it is.
    const QSize client = viewport()->size();
    const QPoint centre(client.width() / 2, client.height() / 2);
    const double cx = (centre.x() + view_.scroll.x()) / static_cast<double>(CellSizeAt(view_.zoom));
    const double cy = (centre.y() + view_.scroll.y()) / static_cast<double>(CellSizeAt(view_.zoom));
    view_.zoom = zoom;
    view_.scroll = QPoint(static_cast<int>(cx * CellSizeAt(zoom)) - centre.x(), static_cast<int>(cy * CellSizeAt(zoom)) - centre.y());
    UpdateScrollBars();
    RepaintAll();
}

void MapCanvas::SetCursorCell(QPoint cell) { MoveCursor(cell, true); }

void MapCanvas::MoveCursor(QPoint cell, bool scroll) {
    if (!HasMap()) return;
    const MapData& m = session_.map();
    cell = QPoint(std::clamp<long long>(cell.x(), 0, m.width - 1), std::clamp<long long>(cell.y(), 0, m.height - 1));
    if (view_.cursor == cell) return;
    if (view_.cursor) RepaintCellRect(CellRect{static_cast<std::uint32_t>(view_.cursor->x()), static_cast<std::uint32_t>(view_.cursor->y()), 1, 1});
    view_.cursor = cell;
    if (scroll) {
        const QPoint to = ScrollToShow(view_, cell, viewport()->size());
        if (to != view_.scroll) {
            horizontalScrollBar()->setValue(to.x());
            verticalScrollBar()->setValue(to.y());
        }
    }
    RepaintCellRect(CellRect{static_cast<std::uint32_t>(cell.x()), static_cast<std::uint32_t>(cell.y()), 1, 1});
    emit hoverChanged();
}

void MapCanvas::Pick(QPoint cell) {
    if (session_.PickChip(cell.x(), cell.y())) emit chipPicked(session_.chip());
}

void MapCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    view_.layer = session_.layer();
    // Each rectangle of the region is composed on its own: a few painted cells cost a few cells.
    for (const QRect& r : event->region()) painter.drawImage(r.topLeft(), ComposeMapEditArea(view_, r));
}

void MapCanvas::scrollContentsBy(int, int) {
    view_.scroll = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    viewport()->update();
}

void MapCanvas::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void MapCanvas::mousePressEvent(QMouseEvent* event) {
    if (!HasMap()) return;
    setFocus(Qt::MouseFocusReason);
    const QPoint cell = CellUnderPoint(view_, event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        Pick(cell);
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    keyDown_ = false;
    mouseDown_ = true;
    MoveCursor(cell, false);
    CellsChanged(session_.Press(cell.x(), cell.y()));
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!HasMap()) return;
    const QPoint cell = CellUnderPoint(view_, event->position().toPoint());
    const MapData& m = session_.map();
    const std::optional<QPoint> over = (cell.x() >= 0 && cell.y() >= 0 && cell.x() < static_cast<long long>(m.width) &&
                                        cell.y() < static_cast<long long>(m.height))
                                           ? std::optional<QPoint>(cell)
                                           : std::nullopt;
    if (over != hovered_) {
        hovered_ = over;
        emit hoverChanged();
    }
    if (mouseDown_ && (event->buttons() & Qt::LeftButton)) {
        if (over) MoveCursor(cell, false);
        CellsChanged(session_.Drag(cell.x(), cell.y()));
    }
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !mouseDown_) return;
    mouseDown_ = false;
    const QPoint cell = CellUnderPoint(view_, event->position().toPoint());
    CellsChanged(session_.Release(cell.x(), cell.y()));
}

bool MapCanvas::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave && hovered_) {
        hovered_.reset();
        emit hoverChanged();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void MapCanvas::keyPressEvent(QKeyEvent* event) {
    if (!HasMap()) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const QPoint at = view_.cursor.value_or(QPoint(0, 0));
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left: step = QPoint(-1, 0); break;
    case Qt::Key_Right: step = QPoint(1, 0); break;
    case Qt::Key_Up: step = QPoint(0, -1); break;
    case Qt::Key_Down: step = QPoint(0, 1); break;
    case Qt::Key_Space:
        if (event->modifiers() & Qt::ControlModifier) {
            Pick(at);
        } else if (keyDown_ && session_.pressed()) {
            keyDown_ = false;
            CellsChanged(session_.Release(at.x(), at.y()));
        } else {
            const CellRect changed = session_.Press(at.x(), at.y());
            keyDown_ = session_.pressed() && (session_.tool() == MapTool::Rectangle || session_.tool() == MapTool::Select);
            // The pencil and the eraser paint one cell a press.
            if (session_.pressed() && !keyDown_) session_.Release(at.x(), at.y());
            CellsChanged(changed);
        }
        event->accept();
        return;
    case Qt::Key_Escape:
        if (session_.pressed()) {
            session_.Cancel();
            keyDown_ = mouseDown_ = false;
            CellsChanged({});
            event->accept();
            return;
        }
        QAbstractScrollArea::keyPressEvent(event);
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    // Shift + arrow moves eight cells.
    if (event->modifiers() & Qt::ShiftModifier) step *= 8;
    MoveCursor(at + step, true);
    if (keyDown_ && session_.pressed() && view_.cursor) CellsChanged(session_.Drag(view_.cursor->x(), view_.cursor->y()));
    event->accept();
}

void MapCanvas::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        const int notches = event->angleDelta().y() / 120;
        if (notches != 0) emit zoomRequested(view_.zoom + notches * kZoomStep);
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

}  // namespace lw
