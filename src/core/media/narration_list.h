#pragma once
// The narration list, narration_list.txt: full-screen text scenes of the game, each a picture,
// optional music and one text of the text list typed out over the picture in a rectangle of the
// 320 x 240 screen. Event commands refer to a narration by its 0-based position in this list.
//
// File shape (CR LF between lines, none after the last), as the editor writes it:
//   "<narration_number>" count "</narration_number>" "<narration_data>"
//       one line per narration:
//       "text size red green blue left top right bottom speed wait lastPageTime image bgm"
//   "</narration_data>"
// The reader takes that shape (record lines directly inside "<narration_data>", while fewer than
// the count have been taken), and also the nested one of older files, where every narration is
// its own "<narration_data>" section holding the record line in a "<narration_main_data>" section
// and is completed at its "</narration_data>". A list the editor saved reads back unchanged.

#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"
#include "core/settings/drawing.h"
#include "core/tagfile/file_io.h"

namespace lw {

inline constexpr std::string_view kNarrationFile = "narration_list.txt";
inline constexpr std::size_t kNarrationImageBytes = 259;  // a 260-byte field with its terminator
// The preview lays out at most this many bytes of the text.
inline constexpr std::size_t kNarrationPreviewTextBytes = 1023;
// The screen the rectangle lies on, and the dialog's spin ranges.
inline constexpr int kNarrationScreenWidth = 320;
inline constexpr int kNarrationScreenHeight = 240;
inline constexpr int kNarrationSizeMin = 8;
inline constexpr int kNarrationSizeMax = 100;
inline constexpr int kNarrationSpeedMin = 1;
inline constexpr int kNarrationSpeedMax = 100;
inline constexpr int kNarrationTenthsMax = 1000;  // both times, in tenths of a second

struct Narration {
    int text = -1;  // position in the text list; -1 none
    int left = 0;   // the text rectangle on the 320 x 240 screen
    int top = 0;
    int right = kNarrationScreenWidth;
    int bottom = kNarrationScreenHeight;
    int size = 15;           // font height in pixels
    int speed = 4;           // typing speed
    int wait = 0;            // wait while drawing the text, milliseconds
    int lastPageTime = 0;    // display time of the last page, milliseconds
    int red = 255;           // text colour
    int green = 255;
    int blue = 255;
    std::string image;  // CP932 file name of the image folder, "なし", or empty while none is chosen
    int bgm = -1;       // position in the BGM list; -1 none
    bool operator==(const Narration&) const = default;
};

// What a new narration starts with (the defaults above).
Narration NewNarrationDefaults();
// What the reader fills before scanning a record line: every number 0, no picture.
Narration ClearedNarration();

// The narrations of the file, in file order (see the header comment for the two shapes). Any bytes
// read without failing; the list grows only by records that stand in the file.
std::vector<Narration> ParseNarrationList(std::string_view bytes);
// `out` is emptied first; a missing or unreadable file leaves it empty.
ReadStatus LoadNarrationList(const Project& project, std::vector<Narration>& out);
// The count line is the number of narrations.
std::string NarrationListBytes(const std::vector<Narration>& narrations);
bool SaveNarrationList(const Project& project, const std::vector<Narration>& narrations, SaveUi& ui);

// The text the list shows for a narration: its image name.
const std::string& NarrationLabel(const Narration& n);

// The two times as the dialog shows them (tenths of a second) and as they are stored
// (milliseconds): a wait of 25 tenths is stored as 2500. Saturates at the int range.
int MillisecondsFromTenths(long long tenths);
int TenthsFromMilliseconds(int milliseconds);

// Why the dialog's chosen picture cannot be stored, if it cannot: the name is one token on the
// record line, so it can be neither empty nor hold a blank.
enum class NarrationProblem { None, NoImage, ImageNameHasBlank };
NarrationProblem CheckNarration(const Narration& n);

// ---- the preview ------------------------------------------------------------------------------

// The text the preview lays out: its first 1023 bytes, never ending inside a double-byte character.
std::string_view NarrationPreviewText(std::string_view wholeText);
// The colour the text is drawn in: each channel taken modulo 256, as the game does (300 is 44).
Rgb NarrationTextColour(const Narration& n);
// The rectangle the preview lays the text out in: the record's, each edge brought into
// -kNarrationRectLimit .. kNarrationRectLimit so that any typed number lays out without overflow
// (everything the preview can show lies well inside). Left, top, right, bottom.
inline constexpr int kNarrationRectLimit = 1 << 20;
struct NarrationRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const NarrationRect&) const = default;
};
NarrationRect NarrationPreviewRect(const Narration& n);

// ---- the texts a narration chooses from -------------------------------------------------------

// The texts of talk_list.txt as the text drop-downs list them: every line of its data section is
// one text, taken whole (at most 4095 bytes, "#" left as stored), the count not used. `texts` is
// emptied first; a missing or unreadable file leaves it empty.
inline constexpr std::string_view kNarrationTextFile = "talk_list.txt";
inline constexpr std::size_t kNarrationTextBytes = 4095;
inline constexpr std::size_t kNarrationTextLabelBytes = 31;
std::vector<std::string> ParseNarrationTextChoices(std::string_view bytes);
ReadStatus LoadNarrationTextChoices(const Project& project, std::vector<std::string>& texts);
// A text as its drop-down shows it: the first 31 bytes, cut at a character boundary.
std::string_view NarrationTextLabel(std::string_view text);

}  // namespace lw
