#include "previews/map_view.h"

#include <QAbstractScrollArea>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

#include "app/services.h"
#include "widgets/window_placement.h"

namespace lw {

// The window: a drawing area with scroll bars. It paints the composed frame and hands its mouse
// input and scroll bar changes to the view.
class MapViewWindow final : public QAbstractScrollArea {
public:
    MapViewWindow(MapView& view, QWidget* owner)
        : QAbstractScrollArea(nullptr), view_(view) {
        setParent(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        setFrameShape(QFrame::NoFrame);
        // The bars stay in place (disabled while the map fits) so the drawing area keeps its size.
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        // Every pixel is painted from the off-screen frame: nothing to erase first.
        viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
        viewport()->setAttribute(Qt::WA_NoSystemBackground);
        viewport()->setMouseTracking(true);
        viewport()->setCursor(Qt::ArrowCursor);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
        setWindowTitle(QString());
        for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
            bar->setFocusPolicy(Qt::NoFocus);
            bar->setSingleStep(1);
        }
        resize(MapView::kClientSize.width() + verticalScrollBar()->sizeHint().width(),
               MapView::kClientSize.height() + horizontalScrollBar()->sizeHint().height());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const QImage frame = view_.ComposeFrame();
        if (frame.isNull()) return;
        QPainter painter(viewport());
        painter.drawImage(0, 0, frame);
    }
    void scrollContentsBy(int, int) override {
        view_.OnScrolled(QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()));
    }
    void resizeEvent(QResizeEvent* event) override {
        QAbstractScrollArea::resizeEvent(event);
        view_.UpdateScrollBars();
        viewport()->update();
    }
    bool viewportEvent(QEvent* event) override {
        if (event->type() == QEvent::Leave) view_.HandleLeave();
        return QAbstractScrollArea::viewportEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override { view_.HandleMouseMove(event->position().toPoint()); }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) view_.HandleLeftButton(event->position().toPoint());
    }
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        view_.Close();
    }

private:
    MapView& view_;
};

MapViewScene SceneOnMap(const Scene& scene) {
    MapViewScene s;
    s.name = scene.name;
    s.mapDataFile = scene.mapDataFile;
    s.backgroundChipSet = scene.backgroundChipSet;
    s.layerChipSet = scene.layerChipSet;
    s.layerSpec = DrawSpec{scene.layerDrawMode, scene.layerColourKey,
                           Rgb{scene.layerKeyRed, scene.layerKeyGreen, scene.layerKeyBlue}};
    return s;
}

MapView::MapView(const Project& project, QObject* parent) : QObject(parent), project_(project) {}

MapView::~MapView() {
    if (window_ != nullptr) {
        window_->disconnect(this);
        delete window_;
    }
}

QWidget* MapView::window() const { return window_; }

bool MapView::IsShown() const { return window_ != nullptr && window_->isVisible(); }

QSize MapView::clientSize() const { return window_ != nullptr ? window_->viewport()->size() : QSize(); }

void MapView::Open(QWidget* ownerDialog) {
    if (window_ != nullptr) Close();
    if (owner_ != nullptr) owner_->removeEventFilter(this);
    auto* w = new MapViewWindow(*this, ownerDialog);
    // A window that goes with its dialog ends like a closed one.
    connect(w, &QObject::destroyed, this, [this, w] {
        if (window_ == w) OnWindowGone();
    });
    window_ = w;
    owner_ = ownerDialog;
    // Lay the bars and the drawing area out now, not when the window is first shown, so that the
    // drawing area has its size from the start.
    QResizeEvent laidOut(w->size(), QSize());
    QCoreApplication::sendEvent(w, &laidOut);
    if (ownerDialog != nullptr) {
        MoveBesideOwner(w, ownerDialog);
        ownerDialog->installEventFilter(this);
    }
    ClampScroll(state_, clientSize());
    UpdateScrollBars();
}

bool MapView::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) && window_ != nullptr &&
        watched == owner_ && watched == window_->parentWidget())
        MoveBesideOwner(window_, owner_);
    return QObject::eventFilter(watched, event);
}

void MapView::OnWindowGone() {
    window_ = nullptr;
    ClearHover(state_);
}

void MapView::Close() {
    ClearHover(state_);
    if (window_ == nullptr) return;
    MapViewWindow* w = window_;
    window_ = nullptr;
    w->hide();
    // Later: the close may come from inside one of the window's own event handlers.
    w->deleteLater();
}

void MapView::SetMode(MapViewMode mode, QWidget* owner) {
    state_.mode = mode;
    if (owner != nullptr) owner_ = owner;
    if (!TakesTheMouse(mode)) ClearHover(state_);
    Repaint();
}

void MapView::LoadMap(std::string_view mapDataFile) {
    state_.map.Clear();
    ClearHover(state_);
    if (!mapDataFile.empty()) LoadMapData(project_, mapDataFile, state_.map);
    ClampScroll(state_, window_ != nullptr ? clientSize() : kClientSize);
    Repaint();
}

void MapView::LoadChipSet(int layer, std::string_view fileName) {
    const int slot = std::clamp(layer, 0, 1);
    if (fileName.empty()) {
        state_.chipSets.images[static_cast<std::size_t>(slot)] = QImage();
    } else {
        LoadTileSet(state_.chipSets, ImageFilePath(project_, fileName), slot);
    }
    Repaint();
}

void MapView::SetLayerSpec(const DrawSpec& spec) {
    state_.layerSpec = spec;
    Repaint();
}

void MapView::SetMarkers(std::vector<MapMarker> npcMarkers, std::vector<MapMarker> chestMarkers) {
    state_.npcMarkers = std::move(npcMarkers);
    state_.chestMarkers = std::move(chestMarkers);
    Repaint();
}

void MapView::ShowScene(const MapViewScene& scene) {
    LoadMap(scene.mapDataFile);
    LoadChipSet(0, scene.backgroundChipSet);
    LoadChipSet(1, scene.layerChipSet);
    SetLayerSpec(scene.layerSpec);
    SetMarkers(scene.npcMarkers, scene.chestMarkers);
    SetCaption(FromCp932(scene.name));
}

void MapView::SetScroll(int x, int y) {
    state_.scroll = QPoint(x, y);
    ClampScroll(state_, window_ != nullptr ? clientSize() : kClientSize);
    Repaint();
}

void MapView::OnScrolled(QPoint scroll) {
    if (scroll == state_.scroll) return;
    state_.scroll = scroll;
    if (window_ != nullptr) window_->viewport()->update();
}

void MapView::UpdateScrollBars() {
    if (window_ == nullptr) return;
    const QSize client = clientSize();
    ClampScroll(state_, client);
    const QPoint scroll = state_.scroll;
    const QPoint most = MaxScroll(state_.map, client);
    QScrollBar* h = window_->horizontalScrollBar();
    QScrollBar* v = window_->verticalScrollBar();
    // The bars may report a change while they are set up; the position wanted is the one above.
    h->setRange(0, most.x());
    v->setRange(0, most.y());
    h->setPageStep(std::max(1, client.width()));
    v->setPageStep(std::max(1, client.height()));
    h->setValue(scroll.x());
    v->setValue(scroll.y());
    state_.scroll = scroll;
}

void MapView::Show() {
    if (window_ == nullptr) return;
    UpdateScrollBars();
    window_->show();
    // Placed again once shown: the owner may have moved or grown since the window was opened, and
    // the window's frame is known only now.
    if (owner_ != nullptr && owner_ == window_->parentWidget()) MoveBesideOwner(window_, owner_);
}

void MapView::Hide() {
    if (window_ != nullptr) window_->hide();
}

void MapView::SetCaption(const QString& caption) {
    if (window_ != nullptr) window_->setWindowTitle(caption);
}

QString MapView::caption() const { return window_ != nullptr ? window_->windowTitle() : QString(); }

void MapView::Repaint() {
    if (window_ == nullptr) return;
    UpdateScrollBars();
    window_->viewport()->update();
}

void MapView::ReleaseContents() {
    ReleaseMapContents(state_);
    Repaint();
}

QImage MapView::ComposeFrame() const {
    if (window_ == nullptr) return {};
    return ComposeMapView(state_, clientSize());
}

void MapView::HandleMouseMove(QPoint point) {
    if (!UpdateHover(state_, point)) return;
    Repaint();
    SetCaption(state_.hover ? QStringLiteral("%1 %2").arg(state_.hover->x()).arg(state_.hover->y()) : QString());
}

void MapView::HandleLeave() {
    if (!TakesTheMouse(state_.mode)) return;
    ClearHover(state_);
    Repaint();
    SetCaption(QString());
}

void MapView::HandleLeftButton(QPoint point) {
    if (!TakesTheMouse(state_.mode)) return;
    const std::optional<QPoint> cell = ClickCell(state_, point);
    Repaint();
    if (cell && owner_ != nullptr) emit cellClicked(owner_, cell->x(), cell->y());
}

}  // namespace lw
