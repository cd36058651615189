#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings/title_screen.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

const std::string kPrologue = "\x8f\x98\x8f\xcd";    // 序章
const std::string kStart = "\x83X\x83^\x81[\x83g";   // スタート
const std::string kLoad = "\x83\x8d\x81[\x83h";      // ロード
const std::string kExit = "\x8fI\x97\xb9";           // 終了

std::string DefaultHead() {
    return JoinLines({"<midi_index>", "0", "</midi_index>", "<menu_pos>", "122 150", "</menu_pos>", "<menu_item_height>", "20",
                  "</menu_item_height>", "<font_size>", "15", "</font_size>", "<font_color>",
                  "150 255 255 50 155 155 50 155 155 0 55 55", "</font_color>"});
}

TitleScreen Parsed(std::string_view bytes) {
    TitleScreen t;
    t.x = 1;  // reading starts from the defaults whatever the record held
    t.entries[0].slot = -1;
    ParseTitleScreen(bytes, t);
    return t;
}

TEST(TitleScreenFile, NewProjectWritesTheDefaults) {
    EXPECT_EQ(TitleScreenBytes(TitleScreen{}),
              DefaultHead() + "\r\n" +
                  CountedList("menu_item", "4", {"1 0 " + kPrologue, "0 1 " + kStart, "1 2 " + kLoad, "0 3 " + kExit}));
    // A missing or unreadable file shows the defaults.
    TitleScreen other;
    other.bgm = 9;
    CheckFileThroughProject(kTitleFile, other, TitleScreenBytes(other), LoadTitleScreen, SaveTitleScreen, TitleScreen{});
}

TEST(TitleScreenFile, AnEntrySwitchedOffStaysOffAfterReopening) {
    TitleScreen t;
    SetTitleEntryOn(t, 2, false);  // "ﾛｰﾄﾞ" off
    const std::string bytes = TitleScreenBytes(t);
    EXPECT_EQ(bytes, DefaultHead() + "\r\n" + CountedList("menu_item", "3", {"1 0 " + kPrologue, "0 1 " + kStart, "0 3 " + kExit}));

    TitleScreen back = Parsed(bytes);
    EXPECT_TRUE(TitleEntryOn(back, 0));
    EXPECT_TRUE(TitleEntryOn(back, 1));
    EXPECT_FALSE(TitleEntryOn(back, 2));
    EXPECT_TRUE(TitleEntryOn(back, 3));
    EXPECT_EQ(back.entries[2].text, kLoad);  // switched on again, it shows its text
    EXPECT_EQ(back.entryCount, 3);
    EXPECT_EQ(TitleScreenBytes(back), bytes);

    // Every entry off: the count is 0 and they all stay off.
    for (int row = 0; row < kTitleEditorRows; ++row) SetTitleEntryOn(t, row, false);
    TitleScreen none = Parsed(TitleScreenBytes(t));
    EXPECT_EQ(CountTitleEntriesOn(none), 0);
    EXPECT_EQ(none.entryCount, 0);

    // Without an entry section the default entries stand.
    TitleScreen noEntries = Parsed(DefaultHead());
    EXPECT_EQ(noEntries.entries, TitleScreen{}.entries);
    EXPECT_EQ(CountTitleEntriesOn(noEntries), 4);
}

TEST(TitleScreenFile, EntryLinesCountsAndSlots) {
    // A slot number outside 0..9 is passed over (but counts as taken); a line moves an entry to the
    // slot it names; the count bounds the lines taken.
    TitleScreen t = Parsed(CountedList("menu_item", "3", {"1 12 Far", "0 7 Seventh", "1 1 Begin", "1 0 Late"}));
    EXPECT_EQ(t.entries[7], (TitleEntry{0, 7, "Seventh"}));
    EXPECT_EQ(t.entries[1], (TitleEntry{1, 1, "Begin"}));
    EXPECT_EQ(t.entries[0].slot, -1);
    EXPECT_EQ(CountTitleEntriesOn(t), 2);
    EXPECT_EQ(t.entryCount, 3);
    EXPECT_EQ(TitleScreenBytes(t).substr(DefaultHead().size()), "\r\n" + CountedList("menu_item", "2", {"1 1 Begin", "0 7 Seventh"}));

    // A count of 15 reads as 10; a negative count takes nothing.
    std::vector<std::string> eleven;
    for (int i = 0; i < 10; ++i) eleven.push_back("1 " + std::to_string(i) + " e" + std::to_string(i));
    eleven.push_back("1 0 over");
    TitleScreen ten = Parsed(CountedList("menu_item", "15", eleven));
    EXPECT_EQ(ten.entryCount, 10);
    EXPECT_EQ(ten.entries[0].text, "e0");
    EXPECT_EQ(CountTitleEntriesOn(ten), 10);
    EXPECT_EQ(CountTitleEntriesOn(Parsed(CountedList("menu_item", "-2", {"1 0 a"}))), 0);

    // A text with a blank reads back up to the blank; a missing text is empty.
    TitleScreen blank = Parsed(CountedList("menu_item", "2", {"1 0 New game", "0 1"}));
    EXPECT_EQ(blank.entries[0].text, "New");
    EXPECT_EQ(blank.entries[1], (TitleEntry{0, 1, ""}));
}

TEST(TitleScreenFile, ValuesAndColours) {
    TitleScreen t = Parsed(JoinLines({"<midi_index>", "-1", "</midi_index>", "<menu_pos>", "400", "</menu_pos>", "<font_color>",
                                  "-1 256 300 1 2", "</font_color>", "<font_size>", "x", "</font_size>"}));
    EXPECT_EQ(t.bgm, -1);
    EXPECT_EQ(t.x, 400);  // kept as read; the editor clamps what is typed
    EXPECT_EQ(t.y, 150);
    EXPECT_EQ(t.fontSize, 15);
    // Each component keeps its low 8 bits; components the line does not give keep the default.
    EXPECT_EQ(t.colours[kTitleSelected], (Rgb{255, 0, 44}));
    EXPECT_EQ(t.colours[kTitleSelectedShadow], (Rgb{1, 2, 155}));
    EXPECT_EQ(t.colours[kTitleUnselectedShadow], (Rgb{0, 55, 55}));
    EXPECT_NE(TitleScreenBytes(t).find("<midi_index>\r\n-1\r\n</midi_index>"), std::string::npos);

    EXPECT_EQ(ClampTitleY(300), 240);
    EXPECT_EQ(ClampTitleX(400), 320);
    EXPECT_EQ(ClampTitleX(-1), 0);
    EXPECT_EQ(ClampTitleFontSize(3), 5);
    EXPECT_EQ(ClampTitleFontSize(999), 255);
    EXPECT_EQ(ClampTitleSpacing(256), 255);
    EXPECT_EQ(ClampTitleColour(-3), 0);
}

TEST(TitleScreenRules, EditorRowsFlagsAndBackground) {
    TitleScreen t;
    t.entries[1].flag = 5;
    t.entries[3].flag = 9;
    ApplyTitleEditorFlags(t);
    EXPECT_EQ(t.entries[1].flag, 0);
    EXPECT_EQ(t.entries[3].flag, 0);
    EXPECT_EQ(t.entries[2].flag, 1);

    SetTitleEntryOn(t, 1, false);
    EXPECT_EQ(t.entries[1].slot, -1);
    SetTitleEntryOn(t, 1, true);
    EXPECT_EQ(t.entries[1].slot, 1);
    SetTitleEntryOn(t, 4, true);  // not an editor row
    EXPECT_EQ(t.entries[4].slot, -1);
    SetTitleEntryText(t, 0, std::string(300, 'a'));
    EXPECT_EQ(t.entries[0].text.size(), kTitleEntryTextBytes);

    // The chosen background clears slot 1 of the table, draw values included.
    ImageTable back;
    PresetImageTable(ImageTableKind::Back, back);
    back.entries[1] = ImageEntry{"old.bmp", 2, 1, 4, 5, 6};
    back.entries[2].fileName = "other.bmp";
    SetTitleBackground(back, "title.bmp");
    EXPECT_EQ(back.entries[1], (ImageEntry{"title.bmp", 0, 0, 0, 0, 0}));
    EXPECT_EQ(back.entries[2].fileName, "other.bmp");
}

}  // namespace
}  // namespace lw
