#pragma once
// The drawing primitives of the preview windows, on QImages. Every frame is composed off screen
// into one buffer (NewFrameBuffer) and copied to the window once; the primitives clip to the
// target, so any coordinates are safe.

#include <cstdint>

#include <QImage>
#include <QPoint>
#include <QSize>

#include "core/settings/drawing.h"

namespace lw {

// The off-screen buffer of one paint: an opaque picture of `size`, black. Null when the size is
// empty or the buffer cannot be had; the paint then draws nothing.
QImage NewFrameBuffer(QSize size);

// Draws the width x height region of `source` at (sourceX, sourceY) to (destX, destY), one to
// one. Mode 2 blends by the source's premultiplied alpha (a picture without alpha is copied) and
// ignores the key; any other mode copies, skipping the source pixels of exactly the key colour when
// the key is on. Only the part of the region that lies inside both pictures is drawn.
// `target` is an opaque buffer (Format_RGB32) or a 32-bit picture (Format_ARGB32), whose alpha is
// blended too.
void DrawImageWithMode(QImage& target, int destX, int destY, int width, int height, const QImage& source,
                       int sourceX, int sourceY, const DrawSpec& spec);

// Inverts every pixel of the outline of the rectangle [left, right) x [top, bottom) once: the
// columns left and right - 1, the rows top and bottom - 1. Drawing it twice restores the pixels.
// An empty rectangle draws nothing.
void DrawInvertedFrame(QImage& target, int left, int top, int right, int bottom);

// Fills [left, right) x [top, bottom) with `colour`, clipped to the target (a 32-bit picture).
void FillRect(QImage& target, long long left, long long top, long long right, long long bottom, QRgb colour);

// Inverts every pixel of [left, right) x [top, bottom).
void InvertRect(QImage& target, int left, int top, int right, int bottom);

// Inverted lines inside (x, y, width, height): vertical ones at x + k * stepX (k = 1, 2, ...)
// while left of x + width, each from y down to y + height - 1; horizontal ones at y + k * stepY
// while above y + height. No line on the left or top edge, none in a direction whose step is 0 or
// below. Each line inverts on its own, so where two lines cross the pixel is inverted twice.
void DrawGrid(QImage& target, int x, int y, int width, int height, int stepX, int stepY);

// The colour of the pixel at `point` packed as the picking messages carry it (red in the low
// byte), or kInvalidColour outside the picture.
std::uint32_t PickImageColour(const QImage& picture, QPoint point);

}  // namespace lw
