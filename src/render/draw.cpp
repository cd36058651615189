#include "render/draw.h"

#include <algorithm>

#include "render/bitmap.h"

namespace lw {

namespace {

// Pictures are drawn as 32-bit words: opaque ones as Format_RGB32, 32-bit files as Format_ARGB32.
QImage AsDrawable(const QImage& image) {
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32) return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

void MakeDrawTarget(QImage& target) {
    if (target.format() != QImage::Format_RGB32 && target.format() != QImage::Format_ARGB32) {
        target = target.convertToFormat(target.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
}

inline std::uint32_t BlendChannel(std::uint32_t s, std::uint32_t d, std::uint32_t inverseAlpha) {
    const std::uint32_t v = s + (d * inverseAlpha + 127) / 255;
    return v > 255 ? 255 : v;
}

// Premultiplied source over destination, each channel saturating at 255.
inline QRgb BlendPremultiplied(QRgb s, QRgb d) {
    const std::uint32_t inv = 255 - qAlpha(s);
    return qRgba(BlendChannel(qRed(s), qRed(d), inv), BlendChannel(qGreen(s), qGreen(d), inv),
                 BlendChannel(qBlue(s), qBlue(d), inv), BlendChannel(qAlpha(s), qAlpha(d), inv));
}

// [from, to) clipped to [0, limit).
struct Span {
    int from = 0;
    int to = 0;
    bool empty() const { return from >= to; }
};
Span Clip(long long from, long long to, int limit) {
    from = std::max(from, 0LL);
    to = std::min(to, static_cast<long long>(limit));
    if (from >= to) return {};
    return {static_cast<int>(from), static_cast<int>(to)};
}

void InvertSpan(QImage& target, int y, Span xs) {
    auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
    for (int x = xs.from; x < xs.to; ++x) line[x] ^= 0x00FFFFFFu;
}

}  // namespace

QImage NewFrameBuffer(QSize size) {
    if (size.width() < 1 || size.height() < 1) return {};
    QImage buffer(size, QImage::Format_RGB32);
    if (buffer.isNull()) return {};
    buffer.fill(0xFF000000u);
    return buffer;
}

void DrawImageWithMode(QImage& target, int destX, int destY, int width, int height, const QImage& sourceImage,
                       int sourceX, int sourceY, const DrawSpec& spec) {
    if (target.isNull() || sourceImage.isNull() || width < 1 || height < 1) return;
    MakeDrawTarget(target);
    const QImage source = AsDrawable(sourceImage);
    // The region inside the source, then inside the target, in 64 bits so no coordinate overflows.
    long long sx0 = sourceX, sy0 = sourceY, dx0 = destX, dy0 = destY, w = width, h = height;
    auto clipAxis = [](long long& s, long long& d, long long& n, long long sourceLimit, long long targetLimit) {
        if (s < 0) { d -= s; n += s; s = 0; }
        if (d < 0) { s -= d; n += d; d = 0; }
        n = std::min({n, sourceLimit - s, targetLimit - d});
    };
    clipAxis(sx0, dx0, w, source.width(), target.width());
    clipAxis(sy0, dy0, h, source.height(), target.height());
    if (w <= 0 || h <= 0) return;

    const bool targetOpaque = target.format() == QImage::Format_RGB32;
    const bool blend = spec.mode == kDrawAlpha && CarriesAlpha(source);
    const bool keyed = spec.mode != kDrawAlpha && spec.keyOn != 0;
    const QRgb key = qRgb(spec.key.red & 0xFF, spec.key.green & 0xFF, spec.key.blue & 0xFF) & 0x00FFFFFFu;
    for (long long row = 0; row < h; ++row) {
        const auto* s = reinterpret_cast<const QRgb*>(source.constScanLine(static_cast<int>(sy0 + row))) + sx0;
        auto* d = reinterpret_cast<QRgb*>(target.scanLine(static_cast<int>(dy0 + row))) + dx0;
        for (long long x = 0; x < w; ++x) {
            QRgb px = s[x];
            if (blend) {
                // Opaque and clear pixels (every pixel of a keyed picture) blend to themselves and
                // to the background exactly.
                if (px == 0) continue;
                if (qAlpha(px) != 255) px = BlendPremultiplied(px, d[x]);
            } else if (keyed && (px & 0x00FFFFFFu) == key) {
                continue;
            }
            d[x] = targetOpaque ? (px | 0xFF000000u) : px;
        }
    }
}

void DrawInvertedFrame(QImage& target, int left, int top, int right, int bottom) {
    if (target.isNull() || right <= left || bottom <= top) return;
    MakeDrawTarget(target);
    const Span rows = Clip(top, bottom, target.height());
    const Span whole = Clip(left, right, target.width());
    for (int y = rows.from; y < rows.to; ++y) {
        if (y == top || y == bottom - 1) {
            InvertSpan(target, y, whole);
            continue;
        }
        InvertSpan(target, y, Clip(left, static_cast<long long>(left) + 1, target.width()));
        if (right - 1 != left) InvertSpan(target, y, Clip(static_cast<long long>(right) - 1, right, target.width()));
    }
}

void InvertRect(QImage& target, int left, int top, int right, int bottom) {
    if (target.isNull()) return;
    MakeDrawTarget(target);
    const Span rows = Clip(top, bottom, target.height());
    const Span xs = Clip(left, right, target.width());
    if (xs.empty()) return;
    for (int y = rows.from; y < rows.to; ++y) InvertSpan(target, y, xs);
}

void DrawGrid(QImage& target, int x, int y, int width, int height, int stepX, int stepY) {
    if (target.isNull()) return;
    MakeDrawTarget(target);
    const long long right = static_cast<long long>(x) + width;
    const long long bottom = static_cast<long long>(y) + height;
    const Span rows = Clip(y, bottom, target.height());
    const Span cols = Clip(x, right, target.width());
    if (stepX > 0 && !rows.empty()) {
        // Only the lines that fall inside the target are visited.
        long long k = 1;
        if (x + static_cast<long long>(stepX) < 0) k = (-static_cast<long long>(x) + stepX - 1) / stepX;
        for (long long lx = x + k * stepX; lx < right && lx < target.width(); lx += stepX) {
            if (lx < 0) continue;
            for (int yy = rows.from; yy < rows.to; ++yy) {
                reinterpret_cast<QRgb*>(target.scanLine(yy))[lx] ^= 0x00FFFFFFu;
            }
        }
    }
    if (stepY > 0 && !cols.empty()) {
        long long k = 1;
        if (y + static_cast<long long>(stepY) < 0) k = (-static_cast<long long>(y) + stepY - 1) / stepY;
        for (long long ly = y + k * stepY; ly < bottom && ly < target.height(); ly += stepY) {
            if (ly < 0) continue;
            InvertSpan(target, static_cast<int>(ly), cols);
        }
    }
}

std::uint32_t PickImageColour(const QImage& picture, QPoint point) {
    if (picture.isNull() || !picture.rect().contains(point)) return kInvalidColour;
    const QRgb px = picture.pixel(point);  // the colour bytes as stored, whatever the fourth byte
    return PackColour(qRed(px), qGreen(px), qBlue(px));
}

void FillRect(QImage& target, long long left, long long top, long long right, long long bottom, QRgb colour) {
    left = std::max(left, 0LL);
    top = std::max(top, 0LL);
    right = std::min(right, static_cast<long long>(target.width()));
    bottom = std::min(bottom, static_cast<long long>(target.height()));
    for (long long y = top; y < bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(static_cast<int>(y)));
        std::fill(line + left, line + std::max(left, right), colour);
    }
}

}  // namespace lw
