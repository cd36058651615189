#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/media/image_lists.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

std::vector<std::string> Repeat(const std::string& line, int n) { return std::vector<std::string>(static_cast<std::size_t>(n), line); }

TEST(ImageTables, NewProjectWritesEveryPresetSlot) {
    TempProject tp;
    ImageTable back;
    back.count = 3;
    back.entries[0].fileName = "stale.bmp";
    EXPECT_EQ(ReadStatus::Missing, LoadImageTable(tp.project, ImageTableKind::Back, back));
    ScriptedSaveUi ui;
    ASSERT_TRUE(SaveImageTable(tp.project, ImageTableKind::Back, back, ui));
    EXPECT_EQ(tp.ReadData("image_back.txt"), CountedList("image_back", "20", Repeat("?.bmp 0 0 0 0 0", 20)));

    ImageTable select;
    EXPECT_EQ(ReadStatus::Missing, LoadImageTable(tp.project, ImageTableKind::Select, select));
    ASSERT_TRUE(SaveImageTable(tp.project, ImageTableKind::Select, select, ui));
    EXPECT_EQ(tp.ReadData("image_select.txt"), CountedList("image_sel", "11", Repeat("?.bmp 0 0 0 0 0", 11)));

    // The editors' slot names and where their lists start.
    EXPECT_EQ(ImageSlotNames(ImageTableKind::Back).size(), 18u);
    EXPECT_EQ(ImageSlotNames(ImageTableKind::Select).size(), 10u);
    EXPECT_EQ(FormatOf(ImageTableKind::Back).firstEditedSlot + 18, 20);
    EXPECT_EQ(FormatOf(ImageTableKind::Select).firstEditedSlot + 10, 11);
    EXPECT_EQ(ImageSlotNames(ImageTableKind::Select).back(), "\x89\xef\x98" "b\x98g");  // 会話枠
}

TEST(ImageTables, TheFilesCountIsKeptAndWrittenWhole) {
    ImageTable t;
    // Count 25: all 25 slots are kept and written, also the five the editor does not show.
    std::vector<std::string> lines;
    for (int i = 0; i < 25; ++i) lines.push_back("p" + std::to_string(i) + ".bmp 2 1 10 20 30");
    const std::string file25 = CountedList("image_back", "25", lines);
    ParseImageTable(file25, ImageTableKind::Back, t);
    EXPECT_EQ(t.count, 25);
    EXPECT_EQ(t.entries[24], (ImageEntry{"p24.bmp", 2, 1, 10, 20, 30}));
    EXPECT_EQ(ImageTableBytes(ImageTableKind::Back, t), file25);

    // Above 256 the count is 256 and the lines beyond are passed over.
    ParseImageTable(CountedList("image_sel", "400", Repeat("a.bmp 1 0 0 0 0", 300)), ImageTableKind::Select, t);
    EXPECT_EQ(t.count, 256);
    // A smaller count than the preset is what the file says: only those slots are written.
    ParseImageTable(CountedList("image_back", "2", {"a.bmp 0 0 0 0 0", "b.bmp 0 0 0 0 0", "c.bmp 0 0 0 0 0"}),
                    ImageTableKind::Back, t);
    EXPECT_EQ(t.count, 2);
    EXPECT_EQ(ImageTableBytes(ImageTableKind::Back, t), CountedList("image_back", "2", {"a.bmp 0 0 0 0 0", "b.bmp 0 0 0 0 0"}));
    // A negative count takes and writes no slot.
    ParseImageTable(CountedList("image_back", "-1", {"a.bmp 0 0 0 0 0"}), ImageTableKind::Back, t);
    EXPECT_EQ(t.count, -1);
    EXPECT_EQ(ImageTableBytes(ImageTableKind::Back, t), CountedList("image_back", "-1", {}));

    // A count above the lines: the slots without a line are the preset ones, whatever the table
    // held before, so they are written as lines that read back the same.
    ParseImageTable(file25, ImageTableKind::Back, t);
    ParseImageTable(CountedList("image_back", "22", {"only.bmp 0 0 0 0 0"}), ImageTableKind::Back, t);
    EXPECT_EQ(t.entries[1], ImageEntry{});
    EXPECT_EQ(t.entries[21], ImageEntry{});
    EXPECT_EQ(ImageTableBytes(ImageTableKind::Back, t).find("p2"), std::string::npos);
}

TEST(ImageTables, RecordLinesAsTheFormatCarriesThem) {
    ImageTable t;
    // A blank ends the file name; missing numbers keep 0; the tags of the other table are not read.
    ParseImageTable(CountedList("image_back", "20", {"my back.bmp 2 1 3 4 5", "keyed.bmp 1 1", "", "x.bmp 1 1 300 -7 5"}),
                    ImageTableKind::Back, t);
    EXPECT_EQ(t.entries[0].fileName, "my");
    EXPECT_EQ(t.entries[0].drawMode, 0);  // "back.bmp" is not a number: the rest stay cleared
    EXPECT_EQ(t.entries[1], (ImageEntry{"keyed.bmp", 1, 1, 0, 0, 0}));
    EXPECT_EQ(t.entries[2], ImageEntry{});  // an empty line keeps the preset slot
    EXPECT_EQ(t.entries[3], (ImageEntry{"x.bmp", 1, 1, 300, -7, 5}));  // kept as read
    ParseImageTable(CountedList("image_back", "20", {"a.bmp 0 0 0 0 0"}), ImageTableKind::Select, t);
    EXPECT_EQ(t.count, 11);
    EXPECT_EQ(t.entries[0].fileName, "?.bmp");

    // A second data section starts again at slot 0.
    ParseImageTable(CountedList("image_sel", "11", {"a.bmp 0 0 0 0 0", "b.bmp 0 0 0 0 0"}) +
                        "\r\n<image_sel_data>\r\nc.bmp 0 0 0 0 0\r\n</image_sel_data>",
                    ImageTableKind::Select, t);
    EXPECT_EQ(t.entries[0].fileName, "c.bmp");
    EXPECT_EQ(t.entries[1].fileName, "b.bmp");

    ImageEntry e;
    SetSpec(e, DrawSpec{kDrawAlpha, 1, Rgb{1, 2, 3}});
    EXPECT_EQ(e, (ImageEntry{"?.bmp", 2, 1, 1, 2, 3}));
    EXPECT_EQ(SpecOf(e), (DrawSpec{kDrawAlpha, 1, Rgb{1, 2, 3}}));
}

FaceEntry Face(std::string file, int left, int top, int width, int height) {
    FaceEntry f{.fileName = std::move(file), .areaLeft = left, .areaTop = top, .areaWidth = width,
        .areaHeight = height};
    return f;
}

TEST(FaceList, ReservedFieldsAndFileOrder) {
    FaceEntry hero = Face("faces.bmp", 10, 20, 48, 48);
    hero.reserved1 = 7;
    hero.reserved2 = -3;
    SetSpec(hero, DrawSpec{kDrawOpaque, 1, Rgb{255, 0, 255}});
    FaceEntry villain = Face("faces.bmp", 58, 20, 48, 48);  // the same file, another rectangle
    const std::string bytes = FaceListBytes({hero, villain});
    EXPECT_EQ(bytes, CountedList("image_face", "2", {"7 -3 faces.bmp 0 1 255 0 255 10 20 48 48", "0 0 faces.bmp 0 0 0 0 0 58 20 48 48"}));
    EXPECT_EQ(ParseFaceList(bytes), (std::vector<FaceEntry>{hero, villain}));
    EXPECT_EQ(FaceListText(hero), "faces.bmp 10 20 48 48");
    EXPECT_EQ(FaceComboText(hero), "faces.bmp 10 20");
    // The preview shows the face rectangle as one cell, drawn with the face's own drawing values.
    const EffectAnimation shown = FaceAnimation(hero);
    EXPECT_EQ(std::tie(shown.imageFile, shown.areaLeft, shown.areaTop, shown.cellWidth, shown.cellHeight, shown.colorKey, shown.keyRed),
              std::tie(hero.fileName, hero.areaLeft, hero.areaTop, hero.areaWidth, hero.areaHeight, hero.colorKey, hero.keyRed));

    // The count bounds the faces taken; a huge count takes the lines there are.
    EXPECT_EQ(ParseFaceList(CountedList("image_face", "1", {"0 0 a.bmp", "0 0 b.bmp"})).size(), 1u);
    EXPECT_EQ(ParseFaceList(CountedList("image_face", "2000000000", {"0 0 a.bmp"})).size(), 1u);
    EXPECT_TRUE(ParseFaceList(CountedList("image_face", "-1", {"0 0 a.bmp"})).empty());
    // Missing fields stay 0.
    EXPECT_EQ(ParseFaceList(CountedList("image_face", "1", {"5 6 a.bmp 2"}))[0],
              (FaceEntry{.fileName = "a.bmp", .reserved1 = 5, .reserved2 = 6, .drawMode = 2}));

    CheckFileThroughProject(kFaceFile, std::vector<FaceEntry>{villain, hero}, FaceListBytes({villain, hero}),
                                LoadFaceList, SaveFaceList);
}

TEST(FaceList, TheFaceDialogsSizeRules) {
    FaceEntry f = Face("a.bmp", 10, 0, 0, 16);
    EXPECT_FALSE(FaceSizeAcceptable(f));
    f.areaWidth = 1;
    EXPECT_TRUE(FaceSizeAcceptable(f));
    f.areaHeight = -2;
    EXPECT_FALSE(FaceSizeAcceptable(f));

    // Left 10, width 50 on a 40-pixel picture stores width 30; a height within the picture stays.
    f = Face("a.bmp", 10, 4, 50, 16);
    ClipFaceArea(f, 40, 40);
    EXPECT_EQ(f.areaWidth, 30);
    EXPECT_EQ(f.areaHeight, 16);
    f = Face("a.bmp", 0, 30, 8, 20);
    ClipFaceArea(f, 40, 40);
    EXPECT_EQ(f.areaHeight, 10);
    // With no picture the result may be negative; it is kept as it stands.
    f = Face("a.bmp", 10, 0, 50, 16);
    ClipFaceArea(f, 0, 0);
    EXPECT_EQ(f.areaWidth, -10);
    EXPECT_EQ(f.areaHeight, 0);
    // Huge values do not overflow.
    f = Face("a.bmp", 2147483647, 0, 2147483647, 1);
    ClipFaceArea(f, 40, 40);
    EXPECT_EQ(f.areaWidth, 40 - 2147483647);
}

}  // namespace
}  // namespace lw
