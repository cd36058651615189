#include "editors/maps/chip_palette.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace lw {

ChipPalette::ChipPalette(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("ﾁｯﾌﾟ ﾊﾟﾚｯﾄ"));
    viewport()->setFocusProxy(this);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setMinimumWidth(8 * kCellPixels + 24);
}

void ChipPalette::SetChipSet(const QImage& chipSet, int layer, const DrawSpec& layerSpec) {
    chipSet_ = chipSet;
    layer_ = layer;
    spec_ = layerSpec;
    layout_ = PaletteLayoutOf(chipSet_);
    Rebuild();
}

void ChipPalette::SetChosen(int chip) {
    if (chip == chosen_) return;
    chosen_ = chip;
    Rebuild();
    EnsureVisible();
}

void ChipPalette::Rebuild() {
    picture_ = ComposePalette(chipSet_, layer_, spec_, chosen_);
    setAccessibleDescription(tr("ﾁｯﾌﾟ %1").arg(chosen_));
    UpdateScrollBars();
    viewport()->update();
}

void ChipPalette::UpdateScrollBars() {
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, picture_.width() - client.width()));
    verticalScrollBar()->setRange(0, std::max(0, picture_.height() - client.height()));
    horizontalScrollBar()->setPageStep(std::max(1, client.width()));
    verticalScrollBar()->setPageStep(std::max(1, client.height()));
    verticalScrollBar()->setSingleStep(kCellPixels);
    horizontalScrollBar()->setSingleStep(kCellPixels);
}

void ChipPalette::EnsureVisible() {
    if (layout_.columns < 1 || chosen_ < 0 || chosen_ >= layout_.chips) return;
    const int top = (chosen_ / layout_.columns) * kCellPixels, left = (chosen_ % layout_.columns) * kCellPixels;
    QScrollBar* v = verticalScrollBar();
    QScrollBar* h = horizontalScrollBar();
    if (top < v->value()) v->setValue(top);
    if (top + kCellPixels > v->value() + viewport()->height()) v->setValue(top + kCellPixels - viewport()->height());
    if (left < h->value()) h->setValue(left);
    if (left + kCellPixels > h->value() + viewport()->width()) h->setValue(left + kCellPixels - viewport()->width());
}

void ChipPalette::Choose(int chip) {
    if (chip < 0) return;
    const bool changed = chip != chosen_;
    SetChosen(chip);
    if (changed) emit chipChosen(chip);
}

void ChipPalette::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().window());
    if (!picture_.isNull())
        painter.drawImage(QPoint(-horizontalScrollBar()->value(), -verticalScrollBar()->value()), picture_);
}

void ChipPalette::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint() + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    Choose(PaletteChipAt(layout_, at));
}

void ChipPalette::keyPressEvent(QKeyEvent* event) {
    if (layout_.chips == 0) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    int chip = std::clamp(chosen_, 0, layout_.chips - 1);
    switch (event->key()) {
    case Qt::Key_Left: chip -= 1; break;
    case Qt::Key_Right: chip += 1; break;
    case Qt::Key_Up: chip -= layout_.columns; break;
    case Qt::Key_Down: chip += layout_.columns; break;
    case Qt::Key_Home: chip = 0; break;
    case Qt::Key_End: chip = layout_.chips - 1; break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    Choose(std::clamp(chip, 0, layout_.chips - 1));
    event->accept();
}

void ChipPalette::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void ChipPalette::scrollContentsBy(int, int) { viewport()->update(); }

}  // namespace lw
