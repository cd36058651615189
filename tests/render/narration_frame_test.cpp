#include "render/narration_frame.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include "pictures.h"
#include "render/text.h"

namespace lw {
namespace {

using test::RgbAt;

using test::InkIn;

constexpr QRgb kSky = 0x203040;

Narration At(int left, int top, int right, int bottom, int size = 12) {
    Narration n = NewNarrationDefaults();
    n.left = left;
    n.top = top;
    n.right = right;
    n.bottom = bottom;
    n.size = size;
    return n;
}

TEST(NarrationFrame, TextLiesInItsRectangleInItsColourOverThePicture) {
    const QImage sky = test::Solid(160, 120, kSky);
    Narration n = At(40, 30, 120, 90);
    n.red = 300;  // drawn as 44
    n.green = 128;
    n.blue = -256;  // drawn as 0
    const std::string text = "\x95\x97\x82\xaa\x90\x81\x82\xad wind <wave 2> blows#on";  // 風が吹く
    const QImage f = ComposeNarrationFrame(sky, n, text, TextFont{});
    ASSERT_EQ(f.size(), sky.size());
    const QRgb ink = 0x2C8000;
    const QRect rect(40, 30, 80, 60);
    EXPECT_GT(InkIn(f, rect, ink), 30);
    EXPECT_EQ(InkIn(f, f.rect(), ink), InkIn(f, rect, ink));  // nothing outside the rectangle
    // Outside the rectangle the picture is untouched; inside, what is not ink is picture.
    EXPECT_EQ(InkIn(f, f.rect(), kSky) + InkIn(f, rect, ink), 160 * 120);
    // The text starts at the rectangle's top-left corner.
    EXPECT_GT(InkIn(f, QRect(40, 30, 16, 14), ink), 0);
}

TEST(NarrationFrame, WithoutTextOrRoomOnlyThePictureShowsAndExtremeNumbersLayOut) {
    const QImage sky = test::Solid(64, 48, kSky);
    EXPECT_EQ(InkIn(ComposeNarrationFrame(sky, At(0, 0, 64, 48), std::nullopt, TextFont{}), QRect(0, 0, 64, 48), kSky), 64 * 48);
    // Right not past left, or bottom not below top: no room for text.
    EXPECT_EQ(InkIn(ComposeNarrationFrame(sky, At(30, 0, 30, 48), "text", TextFont{}), QRect(0, 0, 64, 48), kSky), 64 * 48);
    EXPECT_EQ(InkIn(ComposeNarrationFrame(sky, At(0, 40, 64, 10), "text", TextFont{}), QRect(0, 0, 64, 48), kSky), 64 * 48);
    EXPECT_TRUE(ComposeNarrationFrame(QImage(), At(0, 0, 64, 48), "text", TextFont{}).isNull());

    // Extreme typed numbers lay out without overflow.
    Narration n = At(-2147483647 - 1, 0, 2147483647, 2147483647, 2147483647);
    const QImage f = ComposeNarrationFrame(sky, n, std::string(50, 'x'), TextFont{});
    ASSERT_EQ(f.size(), sky.size());
    n = At(0, 0, 64, 48, -5);  // a height of 0 or below takes the default height
    EXPECT_GT(InkIn(ComposeNarrationFrame(sky, n, "xxxx", TextFont{}), QRect(0, 0, 64, 48), 0xFFFFFF), 10);
}

TEST(NarrationFrame, OnlyTheFirst1023BytesOfTheTextAreLaidOut) {
    // One long line at the smallest size: byte 1024 and later would be drawn right of the first
    // 1023 characters.
    const TextFont font;
    const int advance = QFontMetrics(GameFont(font, 8)).horizontalAdvance(QString(1023, QLatin1Char('x')));
    const int width = advance + 200;
    const QImage sky = test::Solid(width, 16, kSky);
    const Narration n = At(0, 0, width, 16, 8);
    const std::string text = std::string(1023, 'x') + "WWWWWWWW";
    const QRect beyond(advance + 1, 0, 199, 16);

    const QImage cut = ComposeNarrationFrame(sky, n, text, font);
    EXPECT_GT(InkIn(cut, QRect(0, 0, advance, 16), 0xFFFFFF), 1000);
    EXPECT_EQ(InkIn(cut, beyond, 0xFFFFFF), 0);
    // The same overlay with the whole text does draw there: the cut is what keeps it out.
    ImageViewState whole{.mode = ViewMode::Narration, .main = {sky, width, 16}, .narration = NarrationOverlayFor(n, text)};
    EXPECT_EQ(whole.narration.text.size(), 1023u);
    whole.narration.text = text;
    EXPECT_GT(InkIn(ComposeImageView(whole, sky.size(), font), beyond, 0xFFFFFF), 10);

    // A double-byte character that would end at byte 1024 is left out whole.
    const std::string straddling = std::string(1022, 'x') + "\x82\xa0";  // あ
    EXPECT_EQ(ComposeNarrationFrame(sky, n, straddling, font), ComposeNarrationFrame(sky, n, std::string(1022, 'x'), font));
}

TEST(NarrationFrame, SettingThePreviewReplacesTheOverlayAndNoTextClearsIt) {
    ImageViewState s;
    Narration n = At(1, 2, 3, 4, 20);
    n.red = 256 + 9;
    SetNarrationPreview(s, n, std::string_view("abc"));
    EXPECT_EQ(s.narration.text, "abc");
    EXPECT_EQ(s.narration.fontHeight, 20);
    EXPECT_EQ(s.narration.left + s.narration.top + s.narration.right + s.narration.bottom, 10);
    EXPECT_EQ(s.narration.colour, (Rgb{9, 255, 255}));
    SetNarrationPreview(s, n, std::nullopt);
    EXPECT_TRUE(s.narration.text.empty());
}

// ---- Game text ----

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
