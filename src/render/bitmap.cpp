#include "render/bitmap.h"

#include <QByteArray>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>

#include "core/tagfile/file_io.h"
#include "render/draw.h"

// The resources of lw_render live in a static library: their registration has to be referenced
// to be linked in.
static void InitRenderResources() { Q_INIT_RESOURCE(render); }

namespace lw {

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;

// Little-endian reads that never leave the buffer: nullopt past its end.
struct ByteReader {
    std::string_view bytes;
    std::optional<std::uint32_t> U32(std::size_t at) const {
        if (at > bytes.size() || bytes.size() - at < 4) return std::nullopt;
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
        return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
    }
    std::optional<std::uint16_t> U16(std::size_t at) const {
        if (at > bytes.size() || bytes.size() - at < 2) return std::nullopt;
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
        return static_cast<std::uint16_t>(p[0] | p[1] << 8);
    }
};

// One colour channel described by a bit mask, scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;
    explicit Channel(std::uint32_t m = 0) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        max = mask >> shift;
    }
    std::uint32_t Take(std::uint32_t value) const {
        if (mask == 0) return 0;
        std::uint32_t v = (value & mask) >> shift;
        if (max == 255) return v;
        return static_cast<std::uint32_t>((std::uint64_t(v) * 255 + max / 2) / max);
    }
};

struct BmpHeader {
    long long width = 0;
    long long height = 0;  // positive: rows stored bottom-up
    int bitCount = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t coloursUsed = 0;
    std::size_t paletteAt = 0;
    std::size_t paletteEntry = 4;
    std::uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
    bool hasMasks = false;
    std::size_t pixelsAt = 0;
};

std::optional<BmpHeader> ReadHeader(const ByteReader& r) {
    if (r.bytes.size() < 14 + 12 || r.bytes[0] != 'B' || r.bytes[1] != 'M') return std::nullopt;
    BmpHeader h;
    auto offBits = r.U32(10);
    auto infoSize = r.U32(14);
    if (!offBits || !infoSize) return std::nullopt;
    if (*infoSize == 12) {
        auto w = r.U16(18), ht = r.U16(20), bits = r.U16(24);
        if (!w || !ht || !bits) return std::nullopt;
        h.width = *w;
        h.height = *ht;
        h.bitCount = *bits;
        h.paletteEntry = 3;
    } else if (*infoSize >= 40 && *infoSize <= 1024) {
        auto w = r.U32(18), ht = r.U32(22), comp = r.U32(30), used = r.U32(46);
        auto bits = r.U16(28);
        if (!w || !ht || !bits || !comp || !used) return std::nullopt;
        h.width = static_cast<std::int32_t>(*w);
        h.height = static_cast<std::int32_t>(*ht);
        h.bitCount = *bits;
        h.compression = *comp;
        h.coloursUsed = *used;
    } else {
        return std::nullopt;
    }
    h.paletteAt = 14 + *infoSize;
    if (h.compression == kBiBitfields || h.compression == kBiAlphaBitfields) {
        const int count = h.compression == kBiAlphaBitfields ? 4 : 3;
        // Masks inside a larger header, or right after the 40-byte one.
        std::size_t at = *infoSize >= 52 ? 14 + 40 : h.paletteAt;
        for (int i = 0; i < count; ++i) {
            auto m = r.U32(at + 4 * static_cast<std::size_t>(i));
            if (!m) return std::nullopt;
            h.masks[i] = *m;
        }
        if (*infoSize >= 56 && count == 3) {
            if (auto a = r.U32(14 + 52)) h.masks[3] = *a;
        }
        if (*infoSize < 52) h.paletteAt += 4 * static_cast<std::size_t>(count);
        h.hasMasks = true;
    }
    h.pixelsAt = *offBits;
    return h;
}

bool IsStandardBgra(const BmpHeader& h) {
    return !h.hasMasks || (h.masks[0] == 0x00FF0000u && h.masks[1] == 0x0000FF00u && h.masks[2] == 0x000000FFu);
}

// Run-length encoded files are left to Qt's reader, as pictures without alpha.
QImage DecodeWithQt(std::string_view bytes) {
    QImage image = QImage::fromData(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())), "BMP");
    if (image.isNull() || image.width() > kMaxPictureSide || image.height() > kMaxPictureSide) return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QImage DecodeBmp(std::string_view bytes) {
    const ByteReader r{bytes};
    const std::optional<BmpHeader> header = ReadHeader(r);
    if (!header) return {};
    const BmpHeader& h = *header;
    const bool bitfields = h.compression == kBiBitfields || h.compression == kBiAlphaBitfields;
    if (h.compression != kBiRgb && !bitfields && h.compression != kBiRle8 && h.compression != kBiRle4) return {};
    switch (h.bitCount) {
    case 1: case 4: case 8: case 24:
        if (bitfields) return {};
        break;
    case 16: case 32: break;
    default: return {};
    }

    const long long width = h.width;
    const long long rows = h.height < 0 ? -h.height : h.height;
    if (width < 1 || rows < 1 || width > kMaxPictureSide || rows > kMaxPictureSide || width * rows > kMaxPicturePixels) {
        return {};
    }
    if (h.compression == kBiRle8 || h.compression == kBiRle4) return DecodeWithQt(bytes);
    const bool bottomUp = h.height > 0;
    const std::size_t stride = static_cast<std::size_t>((width * h.bitCount + 31) / 32 * 4);
    const std::size_t rowBytes = static_cast<std::size_t>((width * h.bitCount + 7) / 8);
    if (h.pixelsAt < h.paletteAt || h.pixelsAt > bytes.size()) return {};
    // Every row must be there; the last one may lack its padding.
    if (bytes.size() - h.pixelsAt < rowBytes ||
        (bytes.size() - h.pixelsAt - rowBytes) / stride < static_cast<std::size_t>(rows - 1)) {
        return {};
    }

    // The colour table of palette pictures; indices past its end are black.
    std::vector<QRgb> palette;
    if (h.bitCount <= 8) {
        std::size_t count = std::size_t{1} << h.bitCount;
        if (h.coloursUsed > 0 && h.coloursUsed < count) count = h.coloursUsed;
        const std::size_t room = (h.pixelsAt - h.paletteAt) / h.paletteEntry;
        count = std::min(count, room);
        palette.assign(std::size_t{1} << h.bitCount, qRgb(0, 0, 0));
        for (std::size_t i = 0; i < count; ++i) {
            const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + h.paletteAt + i * h.paletteEntry);
            palette[i] = qRgb(p[2], p[1], p[0]);
        }
    }

    const bool raw32 = h.bitCount == 32 && IsStandardBgra(h);
    std::uint32_t masks[4] = {h.masks[0], h.masks[1], h.masks[2], h.masks[3]};
    if (h.bitCount == 16 && !bitfields) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
        masks[3] = 0;
    }
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
    const bool keepsAlpha = raw32 || (h.bitCount == 32 && masks[3] != 0);

    QImage image(static_cast<int>(width), static_cast<int>(rows),
                 keepsAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) return {};
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data() + h.pixelsAt);
    for (long long y = 0; y < rows; ++y) {
        const unsigned char* src = data + static_cast<std::size_t>(y) * stride;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(bottomUp ? rows - 1 - y : y)));
        for (long long x = 0; x < width; ++x) {
            QRgb px = 0;
            switch (h.bitCount) {
            case 1: px = palette[(src[x >> 3] >> (7 - (x & 7))) & 1]; break;
            case 4: px = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F]; break;
            case 8: px = palette[src[x]]; break;
            case 24: px = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
            case 16: {
                const std::uint32_t v = src[2 * x] | std::uint32_t(src[2 * x + 1]) << 8;
                px = qRgb(red.Take(v), green.Take(v), blue.Take(v));
                break;
            }
            case 32: {
                const unsigned char* p = src + 4 * x;
                const std::uint32_t v = p[0] | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
                if (raw32) {
                    px = v;  // B, G, R, A in memory: the same layout as Format_ARGB32
                } else {
                    px = qRgba(red.Take(v), green.Take(v), blue.Take(v), keepsAlpha ? alpha.Take(v) : 255);
                }
                break;
            }
            }
            out[x] = keepsAlpha ? px : (px | 0xFF000000u);
        }
    }
    return image;
}

QImage LoadImageFile(const std::filesystem::path& path) {
    FileBytes file = ReadFileBytes(path, kMediaFileCeiling);
    if (!file.ok()) return {};
    return DecodeBmp(file.bytes);
}

int LoadTileSet(TileSets& sets, const std::filesystem::path& path, int index) {
    const int slot = std::clamp(index, 0, 1);
    sets.images[static_cast<std::size_t>(slot)] = QImage();
    sets.images[static_cast<std::size_t>(slot)] = LoadImageFile(path);
    return slot;
}

QImage MakeKeyedImage(const QImage& picture, int sourceX, int sourceY, int width, int height, int mode, int keyOn,
                      int red, int green, int blue) {
    if (picture.isNull()) return {};
    if (width < 1) width = picture.width();
    if (height < 1) height = picture.height();
    if (width > kMaxPictureSide || height > kMaxPictureSide) return {};
    QImage out(width, height, QImage::Format_ARGB32);
    if (out.isNull()) return {};
    out.fill(0);
    if (mode == kDrawAlpha) {
        DrawImageWithMode(out, 0, 0, width, height, picture, sourceX, sourceY, DrawSpec{kDrawAlpha, 0, {}});
        return out;
    }
    DrawImageWithMode(out, 0, 0, width, height, picture, sourceX, sourceY, DrawSpec{kDrawOpaque, 0, {}});
    // The key is compared with the colour bytes only (red with red), whatever the fourth byte held.
    const QRgb key = qRgb(red & 0xFF, green & 0xFF, blue & 0xFF) & 0x00FFFFFFu;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (keyOn != 0 && (line[x] & 0x00FFFFFFu) == key) {
                line[x] = 0;
            } else {
                line[x] |= 0xFF000000u;
            }
        }
    }
    return out;
}

QImage LoadKeyedImage(const std::filesystem::path& path, int sourceX, int sourceY, int width, int height, int mode,
                      int keyOn, int red, int green, int blue) {
    return MakeKeyedImage(LoadImageFile(path), sourceX, sourceY, width, height, mode, keyOn, red, green, blue);
}

QImage PalettePicture() {
    static const QImage palette = [] {
        InitRenderResources();
        return QImage(QStringLiteral(":/lorewright/palette.png")).convertToFormat(QImage::Format_RGB32);
    }();
    return palette;
}

}  // namespace lw
