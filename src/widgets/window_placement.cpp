#include "widgets/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "core/layout/window_placement.h"

namespace lw {

namespace {
ScreenBox Box(const QRect& r) { return ScreenBox{r.x(), r.y(), r.width(), r.height()}; }
}  // namespace

void MoveBesideOwner(QWidget* window, const QWidget* owner) {
    if (window == nullptr || owner == nullptr) return;
    const QRect ownerFrame = owner->frameGeometry();
    const QScreen* screen = owner->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    // The window's frame once it has one; before it is first shown, its size.
    const QSize size = window->frameGeometry().size().expandedTo(window->size());
    // Where the window's frame goes; the window is moved by its frame's corner.
    const QRect area = screen != nullptr ? screen->availableGeometry() : ownerFrame;
    const ScreenPoint at = PlaceBeside(Box(ownerFrame), size.width(), size.height(), Box(area));
    window->move(at.x, at.y);
}

}  // namespace lw
