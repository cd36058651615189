#pragma once
// The rules of the property editors: a fixed list of labelled rows beside one editing area whose
// controls follow the selected row's kind. The basic settings, magic, monster, player character
// and NPC editors describe their rows as tables; what each kind enables, how a typed number is
// taken and the drop-downs whose stored value is not the entry's position are decided here.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/drawing.h"

namespace lw {

// What a row edits and so which controls of the editing area it uses.
enum class RowKind {
    Text,      // one-line text field
    LongText,  // multi-line text field
    Number,    // number field with a spin, a range and a unit or range text beside it
    Choice,    // drop-down of fixed entries
    Sound,     // drop-down of the sound list, with "MIDI・WAVE再生"
    Bgm,       // drop-down of the BGM list, with "MIDI・WAVE再生"
    Effect,    // drop-down of the effect animations, with "画像表示"
    Colour,    // the three fields red, green, blue under the caption "色"
    Image,     // drop-down of image files, "画像表示", "ｶﾗｰｷｰあり", "描画" and the key colour "ｶﾗｰｷｰ"
};

// The controls of the editing area a row kind enables; all others are disabled.
struct RowControls {
    bool text = false;
    bool longText = false;
    bool number = false;
    bool choice = false;
    bool showImage = false;  // "画像表示"
    bool play = false;       // "MIDI・WAVE再生"
    bool colour = false;     // the three colour fields and their labels
    bool keyFlag = false;    // "ｶﾗｰｷｰあり"
    bool drawMode = false;   // the "描画" radio buttons
    bool operator==(const RowControls&) const = default;
};
RowControls ControlsFor(RowKind kind);

// The caption over the three colour fields: "色" for colour rows, "ｶﾗｰｷｰ" for image rows, none
// otherwise (UTF-8).
std::string_view ColourCaptionFor(RowKind kind);

struct NumberRange {
    int min = 0;
    int max = 100;
    bool operator==(const NumberRange&) const = default;
};
// The range a row's spin has before the row sets its own.
inline constexpr NumberRange kDefaultNumberRange{0, 100};
inline constexpr NumberRange kColourRange{0, 255};

// A typed number as it is stored: raised to the minimum or lowered to the maximum.
int ClampToRange(long long value, NumberRange range);

// Typed text taken as an integer: optional blanks, an optional sign, then digits; the digits end at
// the first other character. No digits give nothing. Values beyond 64 bits saturate.
bool ParseTypedInteger(std::string_view text, long long& value);

// Drop-downs whose entries stand for values other than their positions ("1", "2", "4", "8"; the
// seconds "0.0" .. "10.0" stored as milliseconds). The entry of `value`, or -1 when no entry
// stands for it (the drop-down then shows nothing).
int ChoicePositionOf(const std::vector<int>& values, int value);

// The battle waits: 101 entries "0.0", "0.1", ... "10.0" (one decimal), entry k standing for k
// tenths of a second, stored in milliseconds as k * 100 exactly.
std::vector<std::string> SecondsChoiceTexts();
std::vector<int> SecondsChoiceValues();
// The entry a stored number of milliseconds selects: the entry whose text is the milliseconds
// divided by 1000 with one decimal ("%.1f"), or -1 when there is none (below 0 or above 10.0).
int SecondsChoicePosition(int milliseconds);

// The item selling rate is edited in percent: the number shown is the rate times 100, rounded to
// the nearest whole number, and a typed number is stored divided by 100.
int RateToPercent(float rate);
float PercentToRate(int percent);

// One row of a property editor: its label, its kind with what the kind needs (range and unit,
// drop-down entries, text width), and accessors of the record field it edits. Which accessors a
// row uses follows its kind:
//   Text, LongText          text (CP932 bytes)
//   Number, Choice, Sound,  number (Choice: the value its entry stands for; Sound, Bgm, Effect:
//   Bgm, Effect               the entry's position in its list)
//   Colour                  colour
//   Image                   text (the file name) and spec
// Labels, units, entries and messages are UTF-8.
struct PropertyRow {
    std::string label;
    RowKind kind = RowKind::Number;
    NumberRange range = kDefaultNumberRange;
    std::string unit;  // beside the number: a unit ("px") or the range ("（0 ～ 32）")
    int step = 1;      // one arrow click of the spin
    // Choice rows: the entries, and the value each stands for (empty: its position). `positionOf`,
    // when set, finds the entry a stored value selects instead (-1: none).
    std::vector<std::string> choices;
    std::vector<int> choiceValues;
    std::function<int(int value)> positionOf;
    std::size_t textBytes = 255;  // Text and LongText rows keep at most this many bytes

    std::function<int()> getNumber;
    std::function<void(int)> setNumber;
    std::function<std::string()> getText;
    std::function<void(const std::string&)> setText;
    std::function<Rgb()> getColour;
    std::function<void(const Rgb&)> setColour;
    std::function<DrawSpec()> getSpec;
    std::function<void(const DrawSpec&)> setSpec;

    // When set and false, the row's controls stay disabled (a value that applies only while
    // another field allows it).
    std::function<bool()> enabled;
    // When set: a non-empty message refuses a typed text (CP932) before it is stored.
    std::function<std::string(const std::string& cp932)> refuseText;

    // The entry a stored value selects, by `positionOf`, `choiceValues` or the value itself.
    int ChoicePosition(int value) const;
    // The value the entry at `position` stands for.
    int ChoiceValue(int position) const;
};

// Rows bound to fields of a record that outlives the editor.
PropertyRow TextRow(std::string label, std::string& field, std::size_t bytes, RowKind kind = RowKind::Text);
PropertyRow NumberRow(std::string label, int& field, NumberRange range, std::string unit);
PropertyRow ChoiceRow(std::string label, int& field, std::vector<std::string> entries, std::vector<int> values = {});
// A Sound, Bgm or Effect row: the field is a 0-based position in that list.
PropertyRow ListRow(std::string label, RowKind kind, int& field);
PropertyRow ColourRow(std::string label, Rgb& field);
PropertyRow ImageRow(std::string label, std::string& file, DrawSpec& spec);

// Text rows hold one line: line breaks (CR and LF, never part of a CP932 double-byte character)
// are dropped from what is typed or pasted.
std::string WithoutLineBreaks(std::string_view cp932);

}  // namespace lw
