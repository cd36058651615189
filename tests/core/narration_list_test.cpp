#include "core/media/narration_list.h"

#include <gtest/gtest.h>

#include "support/core/temp_dir.h"

namespace lw {
namespace {

// 夕焼け (CP932), a text with double-byte characters.
const std::string kSunset = "\x97\x5b\x8f\xc4\x82\xaf";

Narration Sample() {
    Narration n{.text = 3, .left = -20, .top = 10, .right = 400, .bottom = 200,
        .size = 500,  // typed, not clamped
        .speed = 150, .wait = 2550, .lastPageTime = -100, .red = 300, .green = -1, .blue = 7,
        .image = kSunset + ".bmp", .bgm = 12};
    return n;
}

TEST(NarrationList, NewNarrationOfWhichOnlyThePictureIsChosenIsWrittenInRecordOrder) {
    Narration n = NewNarrationDefaults();
    n.image = "sky.bmp";
    EXPECT_EQ(NarrationListBytes({n}),
              "<narration_number>\r\n1\r\n</narration_number>\r\n<narration_data>\r\n"
              "-1 15 255 255 255 0 0 320 240 4 0 0 sky.bmp -1\r\n</narration_data>");
    EXPECT_EQ(NarrationListBytes({}),
              "<narration_number>\r\n0\r\n</narration_number>\r\n<narration_data>\r\n</narration_data>");
}

TEST(NarrationList, ReadsTheNestedShapeOfOlderFiles) {
    const std::string nested =
        "<narration_number>\r\n2\r\n</narration_number>\r\n"
        "-------------------------\r\n0\r\n-------------------------\r\n"
        "<narration_data>\r\n<narration_main_data>\r\n"
        "5 12 1 2 3 4 5 6 7 8 900 1000 a.bmp 2\r\n</narration_main_data>\r\n</narration_data>\r\n"
        "<narration_data>\r\n<narration_main_data>\r\n"
        "-1 15 255 255 255 0 0 320 240 4 0 0 b.bmp -1\r\n</narration_main_data>\r\n</narration_data>\r\n"
        // beyond the count: not taken
        "<narration_data>\r\n<narration_main_data>\r\n"
        "1 1 1 1 1 1 1 1 1 1 1 1 c.bmp 1\r\n</narration_main_data>\r\n</narration_data>";
    const std::vector<Narration> got = ParseNarrationList(nested);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0], (Narration{.text = 5, .left = 4, .top = 5, .right = 6, .bottom = 7, .size = 12, .speed = 8,
                                 .wait = 900, .lastPageTime = 1000, .red = 1, .green = 2, .blue = 3, .image = "a.bmp",
                                 .bgm = 2}));
    Narration b = NewNarrationDefaults();
    b.image = "b.bmp";
    EXPECT_EQ(got[1], b);
    // Read nested, written flat, read again: the same narrations.
    EXPECT_EQ(ParseNarrationList(NarrationListBytes(got)), got);
}

TEST(NarrationList, CountAndLineRulesOnOddFiles) {
    const std::string head = "<narration_number>\r\n";
    const std::string data = "\r\n</narration_number>\r\n<narration_data>\r\n"
                             "1 15 255 255 255 0 0 320 240 4 0 0 a.bmp -1\r\n"
                             "2 15 255 255 255 0 0 320 240 4 0 0 b.bmp -1\r\n</narration_data>";
    EXPECT_EQ(ParseNarrationList(head + "1" + data).size(), 1u);
    EXPECT_EQ(ParseNarrationList(head + "-4" + data).size(), 0u);
    EXPECT_EQ(ParseNarrationList(head + "x" + data).size(), 0u);
    // A huge count takes the lines that exist, and allocates nothing more.
    EXPECT_EQ(ParseNarrationList(head + "2000000000" + data).size(), 2u);
    // An empty flat data section completes no narration (the nested rule would make one of zeros).
    EXPECT_TRUE(ParseNarrationList(head + "5\r\n</narration_number>\r\n<narration_data>\r\n</narration_data>").empty());
    // A short line: the fields not reached keep their cleared values.
    const std::vector<Narration> shortLine =
        ParseNarrationList(head + "3\r\n</narration_number>\r\n<narration_data>\r\n7 9\r\n</narration_data>");
    ASSERT_EQ(shortLine.size(), 1u);
    Narration expected = ClearedNarration();
    expected.text = 7;
    expected.size = 9;
    EXPECT_EQ(shortLine[0], expected);
    // An image name longer than its field is cut at a character boundary.
    std::string line = "0 0 0 0 0 0 0 0 0 0 0 0 ";
    for (int i = 0; i < 150; ++i) line += kSunset;
    const std::vector<Narration> cut =
        ParseNarrationList(head + "1\r\n</narration_number>\r\n<narration_data>\r\n" + line + " 4\r\n</narration_data>");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].image.size(), 258u);  // 259 would split a character
    EXPECT_EQ(cut[0].bgm, 4);
}

// What the writer writes reads back identical: typed values beyond their ranges, "なし" as a picture
// name and the longest picture name.
TEST(NarrationList, LoadAndSaveThroughTheProject) {
    Narration none = NewNarrationDefaults();
    none.image = "\x82\xc8\x82\xb5";
    Narration longName = NewNarrationDefaults();
    longName.image = std::string(kNarrationImageBytes, 'a');
    const std::vector<Narration> list = {Sample(), none, longName, Sample()};
    test::CheckFileThroughProject(kNarrationFile, list, NarrationListBytes(list), LoadNarrationList, SaveNarrationList);
    EXPECT_TRUE(ParseNarrationList(NarrationListBytes({})).empty());
}

TEST(NarrationRules, TimesPictureAndPreviewValues) {
    EXPECT_EQ(MillisecondsFromTenths(25), 2500);
    EXPECT_EQ(MillisecondsFromTenths(1000), 100000);
    EXPECT_EQ(MillisecondsFromTenths(1LL << 40), 2147483647);
    EXPECT_EQ(TenthsFromMilliseconds(2550), 25);

    Narration n = NewNarrationDefaults();
    EXPECT_EQ(CheckNarration(n), NarrationProblem::NoImage);
    n.image = "my sky.bmp";
    EXPECT_EQ(CheckNarration(n), NarrationProblem::ImageNameHasBlank);
    n.image = "\x82\xc8\x82\xb5";  // なし is a name like any other
    EXPECT_EQ(CheckNarration(n), NarrationProblem::None);

    n.red = 300;
    n.green = -1;
    n.blue = 256;
    EXPECT_EQ(NarrationTextColour(n), (Rgb{44, 255, 0}));

    n.left = -2147483647 - 1;
    n.top = 5;
    n.right = 2147483647;
    n.bottom = 240;
    EXPECT_EQ(NarrationPreviewRect(n), (NarrationRect{-kNarrationRectLimit, 5, kNarrationRectLimit, 240}));
}

TEST(NarrationRules, PreviewTextIsCutTo1023BytesAtACharacterBoundary) {
    const std::string ascii(2000, 'x');
    EXPECT_EQ(NarrationPreviewText(ascii).size(), 1023u);
    // 1022 single bytes then a double-byte character: it would end at byte 1024, so it is left out.
    const std::string straddling = std::string(1022, 'x') + kSunset;
    EXPECT_EQ(NarrationPreviewText(straddling), std::string(1022, 'x'));
    const std::string fits = std::string(1021, 'x') + kSunset.substr(0, 2);
    EXPECT_EQ(NarrationPreviewText(fits), fits);
    EXPECT_EQ(NarrationPreviewText("short"), "short");
}

TEST(NarrationTexts, EveryLineOfTheTextListIsOneTextTakenWhole) {
    const std::string longText(5000, 'y');
    const std::string bytes = "<talk_number>\r\n1\r\n</talk_number>\r\n<talk_data>\r\nfirst#line <wave 2>\r\n\r\n" +
                              longText + "\r\n</talk_data>";
    const std::vector<std::string> texts = ParseNarrationTextChoices(bytes);
    ASSERT_EQ(texts.size(), 3u);  // the count is not used
    EXPECT_EQ(texts[0], "first#line <wave 2>");
    EXPECT_EQ(texts[1], "");
    EXPECT_EQ(texts[2].size(), kNarrationTextBytes);
    std::string label = std::string(30, 'z') + kSunset;
    EXPECT_EQ(NarrationTextLabel(label), std::string(30, 'z'));
}

}  // namespace
}  // namespace lw
