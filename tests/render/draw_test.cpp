#include <gtest/gtest.h>

#include <QSet>
#include <array>
#include <climits>
#include <random>

#include "pictures.h"
#include "render/bitmap.h"
#include "render/draw.h"
#include "support/core/bmp_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

constexpr QRgb kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kGrey = 0x808080;

QImage Row(std::initializer_list<QRgb> colours, bool raw = false) {
    const std::vector<QRgb> c(colours);
    const auto at = [c](int x, int) { return c[static_cast<std::size_t>(x)]; };
    const int n = static_cast<int>(c.size());
    return raw ? test::RawPicture(n, 1, at) : test::OpaquePicture(n, 1, at);
}

QImage Drawn(const QImage& source, const DrawSpec& spec) {
    QImage target = Solid(source.width(), source.height(), kGrey);
    DrawImageWithMode(target, 0, 0, source.width(), source.height(), source, 0, 0, spec);
    return target;
}

int Differences(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
    return n;
}

TEST(DrawModes, OpaqueKeyedAdditiveAndAlpha) {
    const QImage src = Row({kRed, kGreen, kBlue, 0});
    const QImage opaque = Drawn(src, DrawSpec{kDrawOpaque, 0, {}});
    EXPECT_EQ(RgbAt(opaque, 0, 0), kRed);
    // The key skips exactly its colour, red compared with red (a red key leaves blue alone).
    const QImage keyed = Drawn(src, DrawSpec{kDrawOpaque, 1, {255, 0, 0}});
    EXPECT_EQ(RgbAt(keyed, 0, 0), kGrey);
    EXPECT_EQ(RgbAt(keyed, 2, 0), kBlue);
    EXPECT_EQ(RgbAt(Drawn(src, DrawSpec{kDrawOpaque, 1, {0, 0, 0}}), 3, 0), kGrey);
    // Mode 1 draws as mode 0; mode 2 ignores the key and covers with a picture without alpha.
    EXPECT_EQ(Drawn(src, DrawSpec{kDrawAdditive, 0, {}}), opaque);
    EXPECT_EQ(Drawn(src, DrawSpec{kDrawAdditive, 1, {255, 0, 0}}), keyed);
    EXPECT_EQ(Drawn(src, DrawSpec{kDrawAlpha, 1, {255, 0, 0}}), opaque);

    // A 32-bit picture in mode 2: premultiplied source-over, saturating; the key still ignored.
    const QImage raw = Row({0xFFFF0000u, 0x00000000u, 0x80400000u, 0x00FF0000u}, true);
    const QImage blended = Drawn(raw, DrawSpec{kDrawAlpha, 1, {255, 0, 0}});
    EXPECT_EQ(RgbAt(blended, 0, 0), kRed);
    EXPECT_EQ(RgbAt(blended, 1, 0), kGrey);
    EXPECT_EQ(RgbAt(blended, 2, 0), 0x804040u);  // 0x40 + 0x80 * 127 / 255
    EXPECT_EQ(RgbAt(blended, 3, 0), 0xFF8080u);  // alpha 0 with colour adds
    // In the other modes its fourth byte is ignored.
    EXPECT_EQ(RgbAt(Drawn(raw, DrawSpec{}), 2, 0), 0x400000u);
    // Into a 32-bit picture the alpha is blended too.
    QImage clear(4, 1, QImage::Format_ARGB32);
    clear.fill(0);
    DrawImageWithMode(clear, 0, 0, 4, 1, raw, 0, 0, DrawSpec{kDrawAlpha, 0, {}});
    EXPECT_EQ(clear.pixel(2, 0), 0x80400000u);
}

TEST(DrawModes, OnlyTheOverlapOfSourceAndTargetIsDrawn) {
    const QImage src = test::ChipSheet(4, 4, 2);  // 8 x 8
    QImage target = Solid(6, 6, kGrey);
    DrawImageWithMode(target, 1, 1, 20, 20, src, -1, -1, DrawSpec{});
    EXPECT_EQ(RgbAt(target, 1, 1), kGrey);  // source (-1, -1) does not exist
    EXPECT_EQ(RgbAt(target, 2, 2), RgbAt(src, 0, 0));
    EXPECT_EQ(RgbAt(target, 5, 5), RgbAt(src, 3, 3));
    const QImage before = target;
    for (int v : {INT_MIN, -100, 100, INT_MAX}) {
        DrawImageWithMode(target, v, 0, INT_MAX, INT_MAX, src, 0, 0, DrawSpec{});
        DrawImageWithMode(target, 0, 0, 8, 8, src, v, v, DrawSpec{kDrawAlpha, 1, {}});
    }
    EXPECT_EQ(target, before);
}

TEST(InvertedLines, FrameInvertsItsOutlineOnceAndTwiceRestores) {
    const QImage original = test::ChipSheet(4, 4, 4);
    QImage img = original;
    DrawInvertedFrame(img, 2, 3, 10, 9);  // 8 x 6
    EXPECT_EQ(Differences(img, original), 2 * 8 + 2 * 6 - 4);
    EXPECT_EQ(RgbAt(img, 9, 8), RgbAt(original, 9, 8) ^ 0xFFFFFFu);  // right - 1, bottom - 1
    EXPECT_EQ(RgbAt(img, 10, 8), RgbAt(original, 10, 8));
    DrawInvertedFrame(img, 2, 3, 10, 9);
    EXPECT_EQ(img, original);

    DrawInvertedFrame(img, 4, 0, 5, 4);  // one pixel wide: each pixel once
    EXPECT_EQ(Differences(img, original), 4);
    img = original;
    DrawInvertedFrame(img, 6, 4, 2, 10);  // empty
    DrawInvertedFrame(img, INT_MIN, INT_MIN, INT_MAX, INT_MAX);  // outline outside the picture
    EXPECT_EQ(img, original);
}

TEST(InvertedLines, GridLinesLieInsideAndStepsDecideThem) {
    const QImage original = Solid(12, 10, 0x102030);
    QImage img = original;
    DrawGrid(img, 1, 1, 10, 8, 4, 3);
    // Vertical lines at x = 5 and 9 from y 1 to 8, horizontal ones at y = 4 and 7 from x 1 to 10.
    EXPECT_EQ(RgbAt(img, 9, 8), 0xEFDFCFu);
    EXPECT_EQ(RgbAt(img, 5, 9), 0x102030u);
    EXPECT_EQ(RgbAt(img, 10, 7), 0xEFDFCFu);
    EXPECT_EQ(RgbAt(img, 1, 1), 0x102030u);  // no line on the left or top edge
    EXPECT_EQ(RgbAt(img, 5, 4), 0x102030u);  // a crossing is inverted twice
    EXPECT_EQ(Differences(img, original), 2 * 8 + 2 * 10 - 2 * 4);
    DrawGrid(img, 1, 1, 10, 8, 4, 3);
    EXPECT_EQ(img, original);

    // A step of 0 or below draws nothing; a step equal to the width draws no vertical line.
    DrawGrid(img, 0, 0, 12, 10, 0, -1);
    DrawGrid(img, 0, 0, 12, 10, 12, 0);
    DrawGrid(img, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1, 1);
    DrawGrid(img, INT_MAX - 5, 0, 100, 10, 1, 1);
    EXPECT_EQ(img, original);
    DrawGrid(img, -100, -100, 1000, 1000, 50, 55);  // only the line at x = 0 is inside
    EXPECT_EQ(Differences(img, original), 10);
}

TEST(Picking, ColourIsPackedRedLowAndInvalidOutside) {
    const QImage img = Row({kRed, kBlue});
    EXPECT_EQ(PickImageColour(img, QPoint(0, 0)), PackColour(255, 0, 0));
    EXPECT_EQ(PickImageColour(img, QPoint(1, 0)), 0xFF0000u);
    EXPECT_EQ(PickImageColour(img, QPoint(2, 0)), kInvalidColour);
    EXPECT_EQ(PickImageColour(img, QPoint(0, -1)), kInvalidColour);
    EXPECT_EQ(PickImageColour(Row({0x00123456u}, true), QPoint(0, 0)), PackColour(0x12, 0x34, 0x56));
}

TEST(Loaders, KeyedImageMakesKeyPixelsTransparentAndOthersOpaque) {
    test::TempDir dir;
    static constexpr std::array<std::uint32_t, 4> pixels = {0x000000u, 0xFFFFFFu, 0xFF0000u, 0x0000FFu};
    const auto path = dir.path() / "k.bmp";
    test::WriteBytes(path, test::MakeBmp24(4, 1, [](int x, int) { return pixels[static_cast<std::size_t>(x)]; }));
    // Size 0 takes the whole file; a black key clears every black pixel.
    QImage k = LoadKeyedImage(path, 0, 0, 0, 0, kDrawOpaque, 1, 0, 0, 0);
    ASSERT_EQ(k.size(), QSize(4, 1));
    EXPECT_TRUE(CarriesAlpha(k));
    EXPECT_EQ(k.pixel(0, 0), 0u);
    EXPECT_EQ(k.pixel(1, 0), 0xFFFFFFFFu);
    k = LoadKeyedImage(path, 0, 0, 0, 0, kDrawAdditive, 1, 255, 0, 0);
    EXPECT_EQ(k.pixel(2, 0), 0u);
    EXPECT_EQ(k.pixel(3, 0), 0xFF0000FFu);
    k = LoadKeyedImage(path, 1, 0, 2, 1, kDrawOpaque, 0, 0, 0, 0);  // a region, key off
    EXPECT_EQ(k.pixel(1, 0), 0xFFFF0000u);

    // Mode 2 keeps a 32-bit file's own alpha and ignores the key.
    test::WriteBytes(path, test::MakeBmp32(2, 1, [](int x, int) { return x == 0 ? 0x80400000u : 0u; }));
    k = LoadKeyedImage(path, 0, 0, 0, 0, kDrawAlpha, 1, 0, 0, 0);
    EXPECT_EQ(k.pixel(0, 0), 0x80400000u);
    EXPECT_TRUE(LoadKeyedImage(dir.path() / "missing.bmp", 0, 0, 0, 0, 0, 0, 0, 0, 0).isNull());
}

TEST(Loaders, TileSetIndexIsClampedAndAFailedLoadEmptiesTheSlot) {
    test::TempDir dir;
    test::WriteBytes(dir.path() / "a.bmp", test::MakeSolidBmp24(3, 2, 0x112233));
    TileSets sets;
    EXPECT_EQ(LoadTileSet(sets, dir.path() / "a.bmp", 5), 1);
    EXPECT_EQ(sets.images[1].size(), QSize(3, 2));
    EXPECT_EQ(LoadTileSet(sets, dir.path() / "a.bmp", -3), 0);
    EXPECT_EQ(LoadTileSet(sets, dir.path() / "missing.bmp", 1), 1);
    EXPECT_TRUE(sets.images[1].isNull());
    EXPECT_FALSE(sets.images[0].isNull());
}

TEST(Loaders, PaletteHasSixteenDistinctColoursAndBuffersStartBlack) {
    const QImage palette = PalettePicture();
    ASSERT_EQ(palette.size(), QSize(128, 128));
    QSet<QRgb> colours;
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) colours.insert(palette.pixel(x, y));
    }
    EXPECT_EQ(colours.size(), 16);

    EXPECT_TRUE(NewFrameBuffer(QSize(0, 10)).isNull());
    EXPECT_EQ(NewFrameBuffer(QSize(4, 4)).pixel(3, 3), 0xFF000000u);
}

// ---- Reading BMP files ----

std::uint32_t Gradient(int x, int y) { return static_cast<std::uint32_t>((x * 40) << 16 | (y * 50) << 8 | 0x30); }
std::uint32_t Index(int x, int y) { return static_cast<std::uint32_t>(x + 5 * y); }

TEST(BmpLoading, EveryDepthReadsItsColours) {
    // 24-bit, bottom-up and top-down, rows padded (width 3).
    for (bool topDown : {false, true}) {
        const QImage img = DecodeBmp(MakeBmp(BmpSpec{.width = 3, .height = 2, .bitCount = 24, .topDown = topDown}, Gradient));
        ASSERT_EQ(img.size(), QSize(3, 2));
        EXPECT_FALSE(CarriesAlpha(img));
        EXPECT_EQ(img.pixel(2, 1), 0xFF000000u | Gradient(2, 1));
        EXPECT_EQ(img.pixel(0, 0), 0xFF000000u | Gradient(0, 0));
    }
    // 8-bit: an index past the colours the file has is black. The old 12-byte header too.
    const std::vector<std::uint32_t> palette = {0x102030, 0xA0B0C0, 0xFFFFFF};
    QImage img = DecodeBmp(test::MakeBmp8(5, 1, palette, Index));
    EXPECT_EQ(img.pixel(1, 0), 0xFFA0B0C0u);
    EXPECT_EQ(img.pixel(4, 0), 0xFF000000u);
    img = DecodeBmp(MakeBmp(BmpSpec{.width = 2, .height = 1, .bitCount = 8, .palette = palette, .coreHeader = true}, Index));
    EXPECT_EQ(img.pixel(1, 0), 0xFFA0B0C0u);
    // 4- and 1-bit.
    std::vector<std::uint32_t> sixteen;
    for (std::uint32_t i = 0; i < 16; ++i) sixteen.push_back(i * 0x101010u);
    img = DecodeBmp(MakeBmp(BmpSpec{.width = 5, .height = 2, .bitCount = 4, .palette = sixteen}, Index));
    EXPECT_EQ(img.pixel(3, 1), 0xFF000000u | (8 * 0x101010u));
    img = DecodeBmp(MakeBmp(BmpSpec{.width = 9, .height = 1, .bitCount = 1, .palette = {0, 0xFF8000}},
                            [](int x, int) { return static_cast<std::uint32_t>(x % 2); }));
    EXPECT_EQ(img.pixel(7, 0), 0xFFFF8000u);
    EXPECT_EQ(img.pixel(8, 0), 0xFF000000u);
    // 16-bit: 5-5-5 without masks, 5-6-5 with them.
    img = DecodeBmp(MakeBmp(BmpSpec{.width = 1, .height = 1, .bitCount = 16}, [](int, int) { return 0x7C1Fu; }));
    EXPECT_EQ(img.pixel(0, 0), 0xFFFF00FFu);
    BmpSpec rgb565{.width = 1, .height = 1, .bitCount = 16, .bitfields = true, .masks = {0xF800, 0x07E0, 0x001F}};
    EXPECT_EQ(DecodeBmp(MakeBmp(rgb565, [](int, int) { return 0x07E0u; })).pixel(0, 0), 0xFF00FF00u);
}

TEST(BmpLoading, ThirtyTwoBitFilesKeepTheirBytesWithTheFourthAsAlpha) {
    const auto pixel = [](int x, int) { return x == 0 ? 0x80402010u : 0x00FFFFFFu; };
    for (bool masks : {false, true}) {
        const QImage img = DecodeBmp(MakeBmp(BmpSpec{.width = 2, .height = 1, .bitCount = 32, .bitfields = masks}, pixel));
        EXPECT_TRUE(CarriesAlpha(img));
        EXPECT_EQ(img.pixel(0, 0), 0x80402010u);
        EXPECT_EQ(img.pixel(1, 0), 0x00FFFFFFu);  // colour above its alpha: kept as stored
    }
}

TEST(BmpLoading, MalformedTruncatedAndHugeFilesGiveNoPicture) {
    EXPECT_TRUE(DecodeBmp("").isNull());
    EXPECT_TRUE(DecodeBmp(std::string(100, 'x')).isNull());
    const std::string good = test::MakeBmp8(7, 5, {0x112233, 0x445566}, [](int x, int y) { return (x + y) % 2u; });
    // Every truncation: no picture, or (only the last row's padding lost) the whole one.
    for (std::size_t n = 0; n < good.size(); ++n) {
        const QImage img = DecodeBmp(std::string_view(good).substr(0, n));
        if (!img.isNull()) EXPECT_EQ(img.size(), QSize(7, 5));
    }
    auto patched = [&](std::size_t at, std::uint32_t value) {
        std::string s = good;
        for (std::size_t i = 0; i < 4; ++i) s[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        return DecodeBmp(s);
    };
    EXPECT_TRUE(patched(18, 0).isNull());            // width 0
    EXPECT_TRUE(patched(18, 0x80000000u).isNull());  // negative width
    EXPECT_TRUE(patched(22, 0x80000000u).isNull());  // height INT_MIN
    EXPECT_TRUE(patched(18, 40000).isNull());        // wider than the limit
    EXPECT_TRUE(patched(18, 30000).isNull());        // rows missing
    EXPECT_TRUE(patched(10, 0xFFFFFFF0u).isNull());  // pixels past the end
    EXPECT_TRUE(patched(30, 9).isNull());            // unknown compression
    EXPECT_FALSE(patched(46, 0xFFFFFFFFu).isNull()); // colour count too large: the full table

    // Random damage to the headers never fails badly.
    std::mt19937 random(1234);
    for (const std::string& source : {good, test::MakeBmp32(3, 3, [](int, int) { return 0x11223344u; })}) {
        for (int round = 0; round < 3000; ++round) {
            std::string s = source;
            for (int e = 0; e < 1 + static_cast<int>(random() % 4); ++e) s[random() % 80] = static_cast<char>(random());
            const QImage img = DecodeBmp(s);
            if (!img.isNull()) EXPECT_LE(static_cast<long long>(img.width()) * img.height(), kMaxPicturePixels);
        }
    }
}

}  // namespace
}  // namespace lw
