#include "previews/image_view.h"

#include <QEvent>

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSpinBox>
#include <algorithm>

#include "app/services.h"
#include "render/bitmap.h"
#include "widgets/window_placement.h"

namespace lw {

// The window itself: it paints the composed frame and hands its mouse input to the view.
class ImageViewWindow final : public QWidget {
public:
    ImageViewWindow(ImageView& view, QWidget* owner)
        : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
          view_(view) {
        // Every pixel is painted from the off-screen frame: nothing to erase first.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setMouseTracking(true);
        setFocusPolicy(Qt::NoFocus);
        setWindowTitle(QString());
        move(0, 0);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const QImage frame = view_.ComposeFrame();
        if (frame.isNull()) return;
        QPainter painter(this);
        painter.drawImage(0, 0, frame);
    }
    void resizeEvent(QResizeEvent*) override { update(); }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) view_.HandleLeftButton(event->position().toPoint());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        view_.HandleMouseMove(event->position().toPoint(), (event->buttons() & Qt::LeftButton) != 0);
    }
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        view_.OnWindowClosing();
    }

private:
    ImageView& view_;
};

namespace {

// "なし" (none) as listed in the image drop-downs.
const QString& NoneText() {
    static const QString none = QStringLiteral("なし");
    return none;
}

}  // namespace

ImageView::ImageView(const Project& project, const GameSettings& settings, QObject* parent)
    : QObject(parent), project_(project), settings_(settings) {
    connect(&timer_, &QTimer::timeout, this, &ImageView::OnTick);
}

ImageView::~ImageView() {
    if (window_ != nullptr) {
        window_->disconnect(this);
        delete window_;
    }
}

QWidget* ImageView::window() const { return window_; }

bool ImageView::IsShown() const { return window_ != nullptr && window_->isVisible(); }

void ImageView::Open(QWidget* ownerDialog) {
    if (window_ != nullptr) OnWindowClosing();
    auto* w = new ImageViewWindow(*this, ownerDialog);
    w->setCursor(cursor_);
    // A window that goes with its dialog ends like a closed one.
    connect(w, &QObject::destroyed, this, [this, w] {
        if (window_ != w) return;
        window_ = nullptr;
        timer_.stop();
        state_.highlight = QRect();
        state_.hoverColumn = state_.hoverRow = -1;
    });
    window_ = w;
    if (ownerDialog != nullptr) ownerDialog->installEventFilter(this);
}

bool ImageView::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::Move || type == QEvent::Resize) && window_ != nullptr &&
        watched == window_->parentWidget() && window_->isVisible())
        MoveBesideOwner(window_, window_->parentWidget());
    return QObject::eventFilter(watched, event);
}

void ImageView::OnWindowClosing() {
    timer_.stop();
    state_.highlight = QRect();
    state_.hoverColumn = state_.hoverRow = -1;
    if (window_ == nullptr) return;
    ImageViewWindow* w = window_;
    window_ = nullptr;
    w->hide();
    // Later: the close may come from inside one of the window's own event handlers.
    w->deleteLater();
}

void ImageView::SetMode(ViewMode mode, QWidget* owner) {
    state_.mode = mode;
    if (owner != nullptr) {
        if (std::optional<OwnerSlot> slot = OwnerSlotOf(mode)) SetOwner(*slot, owner);
    }
    SetCursorShape(IsPickingMode(mode) ? Qt::CrossCursor : Qt::ArrowCursor);
}

void ImageView::SetOwner(OwnerSlot slot, QWidget* owner) { owners_[static_cast<std::size_t>(slot)] = owner; }

QWidget* ImageView::owner(OwnerSlot slot) const { return owners_[static_cast<std::size_t>(slot)]; }

void ImageView::SetCursorShape(Qt::CursorShape shape) {
    cursor_ = shape;
    if (window_ != nullptr) window_->setCursor(shape);
}

void ImageView::SetSpriteSpinBoxes(int index, QSpinBox* x, QSpinBox* y) {
    if (index < 0 || index >= kSpriteCount) return;
    spriteX_[static_cast<std::size_t>(index)] = x;
    spriteY_[static_cast<std::size_t>(index)] = y;
}

void ImageView::LoadSlot(Picture& slot, std::string_view fileName) {
    slot.Clear();
    if (fileName.empty()) return;
    LoadPicture(slot, ImageFilePath(project_, fileName));
}

void ImageView::LoadMainImage(std::string_view fileName) { LoadSlot(state_.main, fileName); }
void ImageView::LoadSecondImage(std::string_view fileName) { LoadSlot(state_.second, fileName); }
void ImageView::LoadSpriteImage(int index, std::string_view fileName) {
    if (index < 0 || index >= kSpriteCount) return;
    LoadSlot(state_.sprites[static_cast<std::size_t>(index)], fileName);
}

bool ImageView::ShowImageByName(QWidget* dialog, const QString& fileName) {
    if (fileName.isEmpty() || fileName == NoneText()) return false;
    // A name that CP932 cannot hold names no file of the project.
    const std::optional<std::string> name = ToCp932(fileName);
    if (name) {
        LoadMainImage(*name);
    } else {
        state_.main.Clear();
    }
    FitViewToImage(dialog);
    return true;
}

bool ImageView::ShowComboImage(QWidget* dialog, const QComboBox* combo) {
    if (combo == nullptr || combo->currentIndex() < 0) return false;
    // The item data holds the file's own name where the shown text differs from it ("なし").
    const QVariant data = combo->currentData();
    const QString name = data.typeId() == QMetaType::QByteArray ? FromCp932(data.toByteArray().toStdString())
                                                                : combo->currentText();
    if (!ShowImageByName(dialog, name)) return false;
    SetCaption(name);
    return true;
}

bool ImageView::ShowListImage(QWidget* dialog, const QAbstractItemView* list) {
    if (list == nullptr || list->selectionModel() == nullptr) return false;
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return false;
    const QString name = selected.first().data(Qt::DisplayRole).toString();
    if (!ShowImageByName(dialog, name)) return false;
    SetCaption(name);
    return true;
}

bool ImageView::ShowOrHideComboImage(QWidget* dialog, const QComboBox* combo, bool show) {
    const bool shown = ShowComboImage(dialog, combo);
    if (show && shown && state_.main.exists()) {
        Show();
    } else {
        Hide();
    }
    return shown;
}

bool ImageView::ShowOrHideListImage(QWidget* dialog, QAbstractItemView* list, bool show) {
    const bool shown = ShowListImage(dialog, list);
    if (show && shown && state_.main.exists()) {
        Show();
    } else {
        Hide();
    }
    if (list != nullptr) list->setFocus();
    return shown;
}

void ImageView::ShowAnimationCell(QWidget* dialog, std::string_view fileName) {
    LoadMainImage(fileName);
    state_.main.width = state_.animation.cellWidth;
    state_.main.height = state_.animation.cellHeight;
    FitViewToImage(dialog);
    if (state_.main.exists()) {
        Show();
    } else {
        Hide();
    }
}

void ImageView::ShowPalettePicker(QWidget* dialog, QWidget* focusBack) {
    state_.main.Clear();
    state_.main.image = PalettePicture();
    state_.main.width = state_.main.image.width();
    state_.main.height = state_.main.image.height();
    FitViewToImage(dialog);
    SetCaption(tr("色選択（画像をｸﾘｯｸ）"));
    Show();
    if (focusBack != nullptr) focusBack->setFocus();
}

void ImageView::Fit(QWidget* dialog, int width, int height) {
    if (window_ == nullptr) return;
    // A window needs at least one pixel; an animation cell of size 0 shows as that.
    window_->setFixedSize(std::clamp(width, 1, kMaxPictureSide), std::clamp(height, 1, kMaxPictureSide));
    if (dialog != nullptr) MoveBesideOwner(window_, dialog);
    Repaint();
}

void ImageView::FitViewToImage(QWidget* dialog) {
    if (!state_.main.exists()) return;
    Fit(dialog, state_.main.width, state_.main.height);
}

void ImageView::FitViewTo320x240(QWidget* dialog) { Fit(dialog, 320, 240); }

void ImageView::Show() {
    if (window_ == nullptr) return;
    window_->show();
    // Placed again once shown: the window's frame is known only now.
    if (window_->parentWidget() != nullptr) MoveBesideOwner(window_, window_->parentWidget());
}

void ImageView::Hide() {
    if (window_ != nullptr) window_->hide();
}

void ImageView::SetCaption(const QString& caption) {
    if (window_ != nullptr) window_->setWindowTitle(caption);
}

QString ImageView::caption() const { return window_ != nullptr ? window_->windowTitle() : QString(); }

void ImageView::Repaint() {
    if (window_ != nullptr) window_->update();
}

void ImageView::RestartAnimation() {
    if (window_ == nullptr) return;
    timer_.start(AnimationPeriodMs(state_.animation.speed));
    state_.currentFrame = 0;
    Repaint();
}

void ImageView::StopAnimation() {
    timer_.stop();
    state_.currentFrame = 0;
    Repaint();
}

void ImageView::Close() {
    state_.main.Clear();
    OnWindowClosing();
}

void ImageView::CloseWithSprites() {
    for (Picture& sprite : state_.sprites) sprite.Clear();
    Close();
}

QImage ImageView::ComposeFrame() const {
    if (window_ == nullptr) return {};
    return ComposeImageView(state_, window_->size(), settings_.font);
}

void ImageView::OnTick() {
    if (AdvanceAnimationFrame(state_)) Repaint();
}

void ImageView::HandleLeftButton(QPoint point) {
    if (state_.mode == ViewMode::CellPick && UpdateHoveredCell(state_, point)) {
        Repaint();
        SetCaption(QStringLiteral("%1 %2").arg(state_.hoverColumn).arg(state_.hoverRow));
    }
    const ViewClick click = ClickAt(state_, point);
    if (click.kind == ViewClick::Kind::None) return;
    // Clicks whose owner has gone are dropped.
    QWidget* target = owner(click.slot);
    if (target == nullptr) return;
    switch (click.kind) {
    case ViewClick::Kind::Colour: {
        const Rgb c = UnpackColour(click.colour);
        emit colourPicked(target, QColor(c.red, c.green, c.blue));
        break;
    }
    case ViewClick::Kind::Cell: emit cellPicked(target, click.point.x(), click.point.y()); break;
    case ViewClick::Kind::Point: emit pointPicked(target, click.point); break;
    case ViewClick::Kind::None: break;
    }
}

void ImageView::HandleMouseMove(QPoint point, bool leftButtonHeld) {
    if (state_.mode == ViewMode::CellPick) {
        if (UpdateHoveredCell(state_, point)) {
            Repaint();
            SetCaption(QStringLiteral("%1 %2").arg(state_.hoverColumn).arg(state_.hoverRow));
        }
        return;
    }
    if (state_.mode != ViewMode::SpriteDrag || !leftButtonHeld || owner(OwnerSlot::SpriteDrag) == nullptr) return;
    const std::optional<int> moved = DragSelectedSprite(state_, point);
    if (!moved) return;
    const auto i = static_cast<std::size_t>(*moved);
    const SpritePlacement& p = state_.spritePlacements[i];
    if (spriteX_[i] != nullptr) spriteX_[i]->setValue(p.x);
    if (spriteY_[i] != nullptr) spriteY_[i]->setValue(p.y);
    Repaint();
}

}  // namespace lw
