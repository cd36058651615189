#pragma once
// The chip palette of the map editor: the chip set of the layer painted, 32 x 32 chips numbered
// row by row (chip 0, crossed out, means no chip), with the chosen chip framed. A click or the
// arrow keys (Home, End) choose a chip.

#include <QAbstractScrollArea>
#include <QImage>

#include "core/settings/drawing.h"
#include "render/map_edit_view.h"

namespace lw {

class ChipPalette : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit ChipPalette(QWidget* parent = nullptr);

    // The chip set shown (a null picture shows nothing), the layer it belongs to and how layer 1 is
    // drawn.
    void SetChipSet(const QImage& chipSet, int layer, const DrawSpec& layerSpec);
    // Frames `chip` (no signal).
    void SetChosen(int chip);
    int chosen() const { return chosen_; }
    const PaletteLayout& layout() const { return layout_; }
    // The palette picture as shown.
    const QImage& picture() const { return picture_; }

signals:
    void chipChosen(int chip);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void Rebuild();
    void Choose(int chip);
    void UpdateScrollBars();
    void EnsureVisible();

    QImage chipSet_;
    int layer_ = 0;
    DrawSpec spec_;
    PaletteLayout layout_;
    int chosen_ = 1;
    QImage picture_;
};

}  // namespace lw
