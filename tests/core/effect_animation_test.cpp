#include <gtest/gtest.h>

#include "core/media/effect_animation.h"
#include "core/media/effect_animation_steps.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

EffectAnimation Fire() {
    EffectAnimation a{.reserved1 = 7, .drawMode = 2, .colorKey = 1, .keyRed = 255, .keyGreen = 0, .keyBlue = 128,
        .name = "\x89\xce\x82\xcc \x96\x82\x96\x40",  // "火の 魔法": a blank inside the name is kept
        .imageFile = "fire.bmp", .reserved2 = -1, .reserved3 = 9, .areaLeft = 16, .areaTop = 8, .areaWidth = 128,
        .areaHeight = 96, .cellWidth = 32, .cellHeight = 48, .speed = 3, .frameCount = 2};
    a.frames[0] = {0, 0, 100, 50};
    a.frames[1] = {3, 1, -4, 240};
    a.frames[2] = {9, 9, 9, 9};  // beyond the count: kept in memory, not written
    return a;
}

const char* const kTwoAnimations =
    "<image_effect_number>\r\n2\r\n</image_effect_number>\r\n"
    "-------------------------\r\n0\r\n-------------------------\r\n"
    "<image_effect_data>\r\n"
    "<image_effect_name>\r\n\x89\xce\x82\xcc \x96\x82\x96\x40\r\n</image_effect_name>\r\n"
    "<image_effect_main_data>\r\n7 3 32 48 -1 9 fire.bmp 2 1 255 0 128 16 8 128 96\r\n</image_effect_main_data>\r\n"
    "<image_effect_pos_number>\r\n2\r\n</image_effect_pos_number>\r\n"
    "<image_effect_pos_data>\r\n0 0 100 50\r\n3 1 -4 240\r\n</image_effect_pos_data>\r\n"
    "</image_effect_data>\r\n"
    "-------------------------\r\n1\r\n-------------------------\r\n"
    "<image_effect_data>\r\n"
    "<image_effect_name>\r\n\r\n</image_effect_name>\r\n"
    "<image_effect_main_data>\r\n0 2 16 16 0 0 spark.bmp 0 0 0 0 0 0 0 64 16\r\n</image_effect_main_data>\r\n"
    "<image_effect_pos_number>\r\n0\r\n</image_effect_pos_number>\r\n"
    "<image_effect_pos_data>\r\n</image_effect_pos_data>\r\n"
    "</image_effect_data>";

EffectAnimation Spark() {
    EffectAnimation a = NewEffectAnimation();
    a.imageFile = "spark.bmp";
    a.cellWidth = 16;
    a.cellHeight = 16;
    a.areaWidth = 64;
    a.areaHeight = 16;
    return a;
}

// What reading gives back: frames past the count are not in the file.
EffectAnimation AsWritten(EffectAnimation a) {
    for (int i = a.frameCount; i < kEffectFrameCapacity; ++i) a.frames[static_cast<std::size_t>(i)] = {};
    return a;
}

TEST(EffectFile, WritesTheNestedShapeByteForByteAndBothReadersReadItBack) {
    EXPECT_EQ(EffectFileBytes({Fire(), Spark()}), kTwoAnimations);
    EXPECT_EQ(EffectFileBytes({}), "<image_effect_number>\r\n0\r\n</image_effect_number>");

    // Both readers read it back, the list also through the project.
    const std::vector<EffectAnimation> list = {AsWritten(Fire()), Spark()};
    CheckFileThroughProject(kEffectFile, list, std::string(kTwoAnimations), LoadEffectList, SaveEffectList);
    EXPECT_EQ(EffectDisplayName(list[1]), "spark.bmp");  // an empty name lists the image file
    EffectTable table;
    ParseEffectTable(kTwoAnimations, table);
    ASSERT_EQ(table.count(), 2);
    EXPECT_EQ(table.records[0], list[0]);
    EXPECT_EQ(EffectComboItems(table), (std::vector<std::string>{Fire().name, "spark.bmp"}));
    // LF-only line ends and a final line break read the same.
    std::string lf;
    for (char c : std::string(kTwoAnimations)) if (c != '\r') lf += c;
    EXPECT_EQ(ParseEffectList(lf + "\n"), list);
}

TEST(EffectFile, TheTableLoadsAndReleasesThroughTheProject) {
    TempProject tp;
    EffectTable table;
    EXPECT_EQ(ReadStatus::Missing, LoadEffectTable(tp.project, table));  // missing file: empty table
    EXPECT_EQ(table.count(), 0);
    tp.WriteData(kEffectFile, kTwoAnimations);
    EXPECT_EQ(ReadStatus::Ok, LoadEffectTable(tp.project, table));
    EXPECT_EQ(table.count(), 2);
    ReleaseEffectTable(table);
    ReleaseEffectTable(table);
    EXPECT_EQ(table.count(), 0);
}

std::string OneRecord(std::string_view name, std::string_view main, std::string_view posNumber,
                      std::string_view posLines) {
    return "<image_effect_data>\n<image_effect_name>\n" + std::string(name) + "\n</image_effect_name>\n" +
           "<image_effect_main_data>\n" + std::string(main) + "\n</image_effect_main_data>\n" +
           "<image_effect_pos_number>\n" + std::string(posNumber) + "\n</image_effect_pos_number>\n" +
           "<image_effect_pos_data>\n" + std::string(posLines) + "</image_effect_pos_data>\n</image_effect_data>\n";
}

TEST(EffectFile, NameLinesAreCutAndFrameCountsClamped) {
    // 70 bytes of name: 63 kept. A double-byte character across byte 63 is not split.
    std::string longName(70, 'n');
    std::string frames;
    for (int i = 0; i < 70; ++i) frames += std::to_string(i) + " 0 " + std::to_string(i) + " 1\n";
    auto list = ParseEffectList(OneRecord(longName, "0 2 8 8 0 0 a.bmp 0 0 0 0 0 0 0 8 8", "100", frames));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, std::string(63, 'n'));
    EXPECT_EQ(list[0].frameCount, 64);
    EXPECT_EQ(list[0].frames[63], (EffectFrame{63, 0, 63, 1}));

    std::string split = std::string(62, 'k') + "\x82\xa0";
    EXPECT_EQ(ParseEffectList(OneRecord(split, "", "0", ""))[0].name, std::string(62, 'k'));

    // A negative or unreadable frame count takes no frame lines; fewer lines than the count leave
    // the remaining frames cleared.
    EXPECT_EQ(ParseEffectList(OneRecord("x", "", "-3", "1 1 1 1\n"))[0].frameCount, 0);
    auto bad = ParseEffectList(OneRecord("x", "", "many", "1 1 1 1\n"))[0];
    EXPECT_EQ(bad.frameCount, 0);
    EXPECT_EQ(bad.frames[0], EffectFrame{});
    auto few = ParseEffectList(OneRecord("x", "", "3", "1 2 3 4\n"))[0];
    EXPECT_EQ(few.frameCount, 3);
    EXPECT_EQ(few.frames[0], (EffectFrame{1, 2, 3, 4}));
    EXPECT_EQ(few.frames[1], EffectFrame{});

    // A short main line fills what it has; the image file ends at the first blank.
    auto part = ParseEffectList(OneRecord("x", "1 5 16 16 0 0 my file.bmp 2", "0", ""))[0];
    EXPECT_EQ(part.speed, 5);
    EXPECT_EQ(part.imageFile, "my");
    EXPECT_EQ(part.drawMode, 0);  // "file.bmp" is not a number: this field and the rest stay cleared
    EXPECT_EQ(part.areaHeight, 0);
}

TEST(EffectFile, TableFollowsTheCountAndTheListFollowsTheSections) {
    const std::string a = OneRecord("a", "0 2 8 8 0 0 a.bmp 0 0 0 0 0 0 0 8 8", "0", "");
    const std::string b = OneRecord("b", "0 2 8 8 0 0 b.bmp 0 0 0 0 0 0 0 8 8", "0", "");
    auto withCount = [&](std::string_view count) {
        return "<image_effect_number>\n" + std::string(count) + "\n</image_effect_number>\n" + a + b;
    };
    EffectTable t;
    // More sections than the count: the table takes the first; the editor's list shows them all.
    ParseEffectTable(withCount("1"), t);
    ASSERT_EQ(t.count(), 1);
    EXPECT_EQ(t.records[0].name, "a");
    EXPECT_EQ(ParseEffectList(withCount("1")).size(), 2u);
    // Fewer: the later records stay cleared and are listed under an empty text.
    ParseEffectTable(withCount("3"), t);
    ASSERT_EQ(t.count(), 3);
    EXPECT_EQ(t.records[1].name, "b");
    EXPECT_EQ(t.records[2], EffectAnimation{});
    EXPECT_EQ(EffectComboItems(t).back(), "");
    // No count line, a negative one or one that is not a number: nothing stored.
    ParseEffectTable(a + b, t);
    EXPECT_EQ(t.count(), 0);
    ParseEffectTable(withCount("-2"), t);
    EXPECT_EQ(t.count(), 0);
    ParseEffectTable(withCount("two"), t);
    EXPECT_EQ(t.count(), 0);
    // A huge count is held to the table's capacity, not allocated as declared.
    ParseEffectTable(withCount("2000000000"), t);
    EXPECT_EQ(t.count(), kEffectTableCapacity);
    EXPECT_EQ(t.records[1].name, "b");
    // Separator and number lines may be changed or dropped.
    ParseEffectTable("<image_effect_number>\n2\n</image_effect_number>\n---\n17\n" + a + "junk\n" + b, t);
    EXPECT_EQ(t.records[1].name, "b");
}

TEST(EffectFile, EveryRecordSectionStartsCleared) {
    // The second section has no main line: nothing carries over from the first.
    std::string bytes = OneRecord("a", "1 9 8 8 0 0 a.bmp 2 1 1 2 3 4 5 6 7", "1", "1 1 1 1\n") +
                        "<image_effect_data>\n<image_effect_name>\nb\n</image_effect_name>\n</image_effect_data>";
    auto list = ParseEffectList(bytes);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].speed, 9);
    EffectAnimation expected;
    expected.name = "b";
    EXPECT_EQ(list[1], expected);
}

TEST(EffectFile, HostileInputReadsWithoutHarm) {
    EXPECT_TRUE(ParseEffectList("").empty());
    EXPECT_TRUE(ParseEffectList(std::string(100000, '<')).empty());
    // A closing tag without its opening one completes an empty record; binary noise is ignored.
    EXPECT_EQ(ParseEffectList(std::string("\0\xff\x81\n</image_effect_data>", 24)).size(), 1u);
    auto huge = ParseEffectList(OneRecord(std::string(100000, '\x82'), "99999999999 -99999999999", "2147483647",
                                          std::string(200, '9') + "\n"));
    ASSERT_EQ(huge.size(), 1u);
    EXPECT_LE(huge[0].name.size(), kEffectNameBytes);
    EXPECT_EQ(huge[0].reserved1, 2147483647);
    EXPECT_EQ(huge[0].speed, -2147483647 - 1);
    EXPECT_EQ(huge[0].frameCount, 64);
}

TEST(EffectSteps, NewRecordAndChosenImage) {
    EffectAnimation a = NewEffectAnimation();
    EXPECT_EQ(a.speed, 2);
    EXPECT_EQ(a.frameCount, 0);

    // A new animation takes the file and the whole image as its chip area.
    a.areaLeft = 5;
    ApplyChosenImage(a, true, "sheet.bmp", 256, 128);
    EXPECT_EQ(a.imageFile, "sheet.bmp");
    EXPECT_EQ((std::array{a.areaLeft, a.areaTop, a.areaWidth, a.areaHeight}), (std::array{0, 0, 256, 128}));

    // An edited one keeps its file and area; only a zero width or height takes the image's.
    EffectAnimation e = Fire();
    ApplyChosenImage(e, false, "other.bmp", 256, 128);
    EXPECT_EQ(e.imageFile, "fire.bmp");
    EXPECT_EQ(e.areaWidth, 128);
    e.areaWidth = 0;
    ApplyChosenImage(e, false, "other.bmp", 256, 128);
    EXPECT_EQ(e.areaWidth, 256);
    EXPECT_EQ(e.areaHeight, 96);
}

TEST(EffectSteps, SettingsProblemsInOrder) {
    EffectAnimation a = Spark();
    EXPECT_EQ(CheckEffectSettings(a), EffectSettingsProblem::None);
    a.cellHeight = 0;
    EXPECT_EQ(CheckEffectSettings(a), EffectSettingsProblem::CellSizeBelowOne);
    a.cellHeight = 1;
    a.cellWidth = -5;
    EXPECT_EQ(CheckEffectSettings(a), EffectSettingsProblem::CellSizeBelowOne);
    a.cellWidth = 1;
    a.imageFile = "";
    EXPECT_EQ(CheckEffectSettings(a), EffectSettingsProblem::NoImage);
    a.imageFile = "my sheet.bmp";
    EXPECT_EQ(CheckEffectSettings(a), EffectSettingsProblem::ImageNameHasBlank);
    a.imageFile = "sheet.bmp";
    a.name = "</image_effect_data>";
    EXPECT_EQ(CheckEffectSettings(a), EffectSettingsProblem::NameIsTag);
    a.name = "two\r\nlines";
    EXPECT_EQ(CheckEffectSettings(a), EffectSettingsProblem::NameHasLineBreak);
    a.name = "<image_effect> with blanks";  // not a tag of the file
    EXPECT_EQ(CheckEffectSettings(a), EffectSettingsProblem::None);
    EXPECT_EQ(EffectNameForRecord(std::string(64, 'x')), std::string(63, 'x'));
}

TEST(EffectSteps, ClippingTheChipArea) {
    EffectAnimation a{.areaLeft = 100, .areaTop = 10, .areaWidth = 300, .areaHeight = 200};
    ClipAreaToImage(a, 320, 240);
    EXPECT_EQ(a.areaWidth, 220);
    EXPECT_EQ(a.areaHeight, 200);  // fits: unchanged
    // A left edge past the image gives an empty area, not a negative one.
    a.areaLeft = 400;
    ClipAreaToImage(a, 320, 240);
    EXPECT_EQ(a.areaWidth, 0);
    // Extreme typed values do not overflow.
    a.areaTop = 2147483647;
    a.areaHeight = 2147483647;
    ClipAreaToImage(a, 320, 240);
    EXPECT_EQ(a.areaHeight, 0);
    // Without a loaded image nothing is changed (the record's image may be missing on disk).
    a.areaLeft = 100;
    a.areaWidth = 300;
    ClipAreaToImage(a, 0, 0);
    EXPECT_EQ(a.areaWidth, 300);
}

TEST(EffectSteps, FrameOrderRangesAndApplying) {
    EXPECT_EQ(FrameOrderMaxima(256, 100, 32, 32), (ChipGridMax{7, 2}));
    EXPECT_EQ(FrameOrderMaxima(256, 100, 0, -1), (ChipGridMax{0, 0}));
    EXPECT_EQ(FrameOrderMaxima(20, 20, 32, 32), (ChipGridMax{0, 0}));  // smaller than one cell
    EXPECT_EQ(ClampChipIndex(9, 7), 7);
    EXPECT_EQ(ClampChipIndex(-2, 7), 0);

    // The order sets columns and rows; the positions stay with their slots.
    EffectAnimation a = Fire();
    ApplyFrameOrder(a, {{5, 0}, {6, 1}, {7, 2}});
    EXPECT_EQ(a.frameCount, 3);
    EXPECT_EQ(a.frames[0], (EffectFrame{5, 0, 100, 50}));
    EXPECT_EQ(a.frames[2], (EffectFrame{7, 2, 9, 9}));
    EXPECT_EQ(FrameOrderOf(a), (ChipOrder{{5, 0}, {6, 1}, {7, 2}}));
    ApplyFrameOrder(a, {});
    EXPECT_EQ(a.frameCount, 0);
    EXPECT_EQ(a.frames[0].x, 100);
    ApplyFrameOrder(a, ChipOrder(70, {1, 1}));
    EXPECT_EQ(a.frameCount, kEffectFrameCapacity);

    EXPECT_EQ(ClampFramePosition(-1, 500), std::make_pair(0, 240));
    EXPECT_EQ(ClampFramePosition(320, 0), std::make_pair(320, 0));
}

}  // namespace
}  // namespace lw
