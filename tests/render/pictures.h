#pragma once
// Pictures made in code for the render tests, and the fixture of a preview window beside its dialog.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMouseEvent>
#include <functional>
#include <memory>

#include "support/core/temp_dir.h"

namespace lw::test {

// A dialog shown at (100, 80), 300 x 200, with a preview window of class View opened beside it, in
// a temporary project.
template <class View>
class PreviewBesideDialog : public ::testing::Test {
protected:
    void OpenBeside(std::unique_ptr<View> preview) {
        dialog = std::make_unique<QDialog>();
        dialog->setGeometry(100, 80, 300, 200);
        dialog->show();
        view = std::move(preview);
        view->Open(dialog.get());
    }
    void TearDown() override {
        view.reset();
        dialog.reset();
    }
    QWidget* window() const { return view->window(); }

    TempProject project;
    std::unique_ptr<QDialog> dialog;
    std::unique_ptr<View> view;
};

// A mouse event of `type` at `at` in `widget`, for `button` with the `held` buttons down.
inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons held,
                      Qt::MouseButton button = Qt::NoButton) {
    QMouseEvent e(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &e);
}

// An opaque picture (Format_RGB32) filled by `rgb(x, y)` (0xRRGGBB).
inline QImage OpaquePicture(int width, int height, const std::function<QRgb(int, int)>& rgb) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, 0xFF000000u | rgb(x, y));
    }
    return image;
}
inline QImage Solid(int width, int height, QRgb rgb) {
    return OpaquePicture(width, height, [rgb](int, int) { return rgb; });
}

// A picture as a 32-bit file gives it: four bytes per pixel, the fourth premultiplied alpha.
inline QImage RawPicture(int width, int height, const std::function<QRgb(int, int)>& argb) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) line[x] = argb(x, y);
    }
    return image;
}

// The colour bytes of a pixel, 0xRRGGBB.
inline QRgb RgbAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0x00FFFFFFu; }

// Pixels of exactly `rgb` inside `area` (the part of it inside the picture).
inline int InkIn(const QImage& image, const QRect& area, QRgb rgb) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += RgbAt(image, x, y) == rgb;
    return n;
}

// A chip sheet of cols x rows cells of `cell` pixels, each cell one colour made from its column
// and row, so that any drawn cell can be recognised.
inline QRgb CellColour(int column, int row) { return 0x200000u * static_cast<QRgb>(column + 1) | 0x2000u * static_cast<QRgb>(row + 1) | 0x40u; }
inline QImage ChipSheet(int cols, int rows, int cell) {
    return OpaquePicture(cols * cell, rows * cell, [cell](int x, int y) { return CellColour(x / cell, y / cell); });
}

}  // namespace lw::test
