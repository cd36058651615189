#include <gtest/gtest.h>

#include <random>

#include "render/bitmap.h"
#include "support/core/bmp_makers.h"

namespace lw {
namespace {

using namespace test;

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
