#pragma once
// The title screen (title.txt in the data folder): its music, the position, spacing, text size and
// four colours of its menu, and the menu's entries. The background picture is not kept here: it is
// slot 1 of the background table (image_back.txt).
//
// File shape (CR LF between lines, none after the last), each section opened and closed by its tag:
//   "<midi_index>" bgm   "<menu_pos>" "x y"   "<menu_item_height>" spacing   "<font_size>" size
//   "<font_color>" twelve numbers (selected, selected shadow, unselected, unselected shadow; each
//   red green blue)   "<menu_item_number>" entries on   "<menu_item_data>" one "flag slot text" line
//   per entry that is on, in slot order.

#include <array>
#include <string>
#include <string_view>

#include "core/media/image_lists.h"
#include "core/project/project.h"
#include "core/settings/drawing.h"
#include "core/tagfile/file_io.h"

namespace lw {

inline constexpr std::string_view kTitleFile = "title.txt";
inline constexpr int kTitleEntrySlots = 10;
inline constexpr int kTitleEditorRows = 4;  // the editor shows slots 0 to 3
inline constexpr std::size_t kTitleEntryTextBytes = 255;
inline constexpr int kTitleBackgroundSlot = 1;  // the slot of the background table

// Colours in record order.
inline constexpr int kTitleSelected = 0;
inline constexpr int kTitleSelectedShadow = 1;
inline constexpr int kTitleUnselected = 2;
inline constexpr int kTitleUnselectedShadow = 3;

struct TitleEntry {
    int flag = 0;
    int slot = -1;     // the slot's own position when the entry is on, -1 when it is off
    std::string text;  // CP932, at most kTitleEntryTextBytes, one token
    bool operator==(const TitleEntry&) const = default;
};

struct TitleScreen {
    int bgm = 0;         // 0-based position in the BGM list, -1 for none
    int entryCount = 4;  // as read (0..10 or negative); the writer counts the entries that are on
    int x = 122;
    int y = 150;
    int entryHeight = 20;  // line spacing
    int fontSize = 15;
    std::array<Rgb, 4> colours{{{150, 255, 255}, {50, 155, 155}, {50, 155, 155}, {0, 55, 55}}};
    std::array<TitleEntry, kTitleEntrySlots> entries{{
        {1, 0, "\x8f\x98\x8f\xcd"},            // 序章
        {0, 1, "\x83X\x83^\x81[\x83g"},        // スタート
        {1, 2, "\x83\x8d\x81[\x83h"},          // ロード
        {0, 3, "\x8fI\x97\xb9"},               // 終了
        {}, {}, {}, {}, {}, {},
    }};
    bool operator==(const TitleScreen&) const = default;
};

void ResetTitleScreen(TitleScreen& title);

// Resets `title`, then takes the file's sections. When the file has an entry section, every slot
// starts off (its text kept) before the entry lines are read, so an entry that was saved off opens
// off; without one the default entries stand. Entry lines are taken while fewer than the count
// (at most 10) have been taken; a line whose slot number is outside 0..9 is passed over. Colour
// components keep the low 8 bits of their numbers.
void ParseTitleScreen(std::string_view bytes, TitleScreen& title);
// A missing or unreadable file leaves the defaults.
ReadStatus LoadTitleScreen(const Project& project, TitleScreen& title);
// The count line is the number of entries that are on.
std::string TitleScreenBytes(const TitleScreen& title);
bool SaveTitleScreen(const Project& project, const TitleScreen& title, SaveUi& ui);

// ---------------------------------------------------------------------------------------------
// The editor's rules

int CountTitleEntriesOn(const TitleScreen& title);
// A row of the editor (slot 0..3) is on when its slot number is its own position.
bool TitleEntryOn(const TitleScreen& title, int row);
// "無効" cleared: the slot number becomes the row; checked: -1.
void SetTitleEntryOn(TitleScreen& title, int row, bool on);
// The text typed into a row, cut to 255 bytes.
void SetTitleEntryText(TitleScreen& title, int row, std::string_view text);
// The flags of slots 0 to 3 become 1, 0, 1, 0 each time the editor opens.
void ApplyTitleEditorFlags(TitleScreen& title);

// What the editor stores when a field changes.
inline constexpr int kTitleXMax = 320;
inline constexpr int kTitleYMax = 240;
int ClampTitleX(long long value);         // 0..320
int ClampTitleY(long long value);         // 0..240
int ClampTitleFontSize(long long value);  // 5..255
int ClampTitleSpacing(long long value);   // 0..255
int ClampTitleColour(long long value);    // 0..255

// The chosen background on OK: slot 1 of the background table is cleared and given `fileName`.
void SetTitleBackground(ImageTable& backTable, std::string_view fileName);

}  // namespace lw
