#include <gtest/gtest.h>

#include <QFontInfo>

#include "pictures.h"
#include "render/text.h"

namespace lw {
namespace {

// "日本語テキスト" in CP932.
const std::string kJapanese = "\x93\xfa\x96\x7b\x8c\xea\x83\x65\x83\x4c\x83\x58\x83\x67";

struct Ink {
    int count = 0;
    QRect box;
    bool onlyColour = true;
};
Ink InkOf(const QImage& img, QRgb colour) {
    Ink ink;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = test::RgbAt(img, x, y);
            if (p == 0) continue;
            ++ink.count;
            ink.box |= QRect(x, y, 1, 1);
            ink.onlyColour = ink.onlyColour && p == colour;
        }
    }
    return ink;
}

TEST(GameText, TheDefaultFaceDrawsInAJapaneseFontWithSolidInkFromThePoint) {
    ASSERT_FALSE(JapaneseFallbackFamily().isEmpty());
    const QFont f = GameFont(TextFont{}, 16);
    EXPECT_EQ(QFontInfo(f).family(), JapaneseFallbackFamily());
    EXPECT_EQ(f.weight(), QFont::Bold);
    EXPECT_EQ(GameFont(TextFont{.face = "x", .weight = 0}, 0).weight(), QFont::Normal);
    EXPECT_EQ(GameFont(TextFont{}, 1 << 30).pixelSize(), kMaxTextHeight);

    QImage bold = test::Solid(200, 40, 0);
    DrawTextAt(bold, kJapanese, 16, 10, 8, Rgb{255, 255, 0}, TextFont{});
    const Ink ink = InkOf(bold, 0xFFFF00);
    EXPECT_TRUE(ink.onlyColour);  // no anti-aliasing
    EXPECT_GE(ink.box.left(), 10);
    EXPECT_GE(ink.box.top(), 8);
    EXPECT_LE(ink.box.bottom(), 8 + 16);
    EXPECT_GT(ink.box.width(), 6 * 12);  // seven full-width characters
    // Lighter text has less ink; colour channels are taken modulo 256.
    QImage light = test::Solid(200, 40, 0);
    DrawTextAt(light, kJapanese, 16, 10, 8, Rgb{255 + 256, 255, 0}, TextFont{.face = TextFont{}.face, .weight = 100});
    EXPECT_TRUE(InkOf(light, 0xFFFF00).onlyColour);
    EXPECT_LT(InkOf(light, 0xFFFF00).count, ink.count);
    // Far outside the picture: nothing, and no failure.
    QImage none = test::Solid(20, 20, 0);
    DrawTextAt(none, kJapanese, 16, INT_MAX, INT_MIN, Rgb{255, 255, 255}, TextFont{});
    DrawTextAt(none, kJapanese, 16, INT_MIN, 0, Rgb{255, 255, 255}, TextFont{});
    EXPECT_EQ(InkOf(none, 0xFFFFFF).count, 0);
}

TEST(GameText, TextInARectangleWrapsAndStaysInside) {
    const std::string text = kJapanese + kJapanese + "\r\n" + "abc def";
    QImage img = test::Solid(120, 120, 0);
    DrawTextInRect(img, text, 14, 10, 10, 70, 100, Rgb{0, 255, 0}, TextFont{});
    const Ink ink = InkOf(img, 0x00FF00);
    EXPECT_TRUE(QRect(10, 10, 60, 90).contains(ink.box));
    EXPECT_GT(ink.box.height(), 3 * 14);  // fourteen characters cannot fit 60 pixels: several lines
    QImage clipped = test::Solid(120, 120, 0);
    DrawTextInRect(clipped, text, 14, 10, 10, 70, 20, Rgb{0, 255, 0}, TextFont{});
    EXPECT_TRUE(QRect(10, 10, 60, 10).contains(InkOf(clipped, 0x00FF00).box));
}

}  // namespace
}  // namespace lw
