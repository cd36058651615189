#pragma once
// The event command editor's text of a group: a group is shown in a multi-line edit field as its
// command lines, one per line, and the field's text is stored back into the group line by line.
//
// The edit field's text is UTF-8 (the interface's side); a group's lines and explanation are CP932
// bytes (the file's side). Lines are joined by one line break, with none after the last; reading
// the field back, a line break is LF or CR LF, and a text ending in a line break has an empty last
// line (as the field shows it), so showing a group and storing it back gives the same lines.
//
// A group holds at most 64 lines of at most 63 bytes. Text beyond that is never cut or dropped:
// CheckGroupText names the first problem and StoreGroupText stores nothing while there is one, so
// the editor can keep the author on the group until it fits.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/world/scene.h"

namespace lw {

inline constexpr std::string_view kEditLineBreak = "\n";
inline constexpr int kGroupCountMin = 1;
inline constexpr int kGroupCountMax = kSceneGroupCapacity;

// The lines of an edit field's text: split at LF, a CR before the LF dropped. An empty text is one
// empty line; a text ending in a line break ends in an empty line.
std::vector<std::string_view> SplitEditLines(std::string_view text);

// What is shown for a group number: its lines (UTF-8; bytes that do not decode become U+FFFD)
// joined by kEditLineBreak, and its explanation (CP932). A number outside the groups shows nothing
// (`shown` false, both texts empty).
struct ShownGroup {
    bool shown = false;
    std::string text;
    std::string explanation;
};
ShownGroup ShowGroup(const std::vector<EventCommandGroup>& groups, int groupNumber);

enum class GroupTextProblem {
    None,
    TooManyLines,        // more than 64 lines (`line` = the number of lines)
    LineTooLong,         // line `line` (1-based) is over 63 bytes in CP932 (`bytes`)
    LineNotCp932,        // line `line` holds a character CP932 has no form for
    ExplanationTooLong,  // the explanation is over 63 bytes (`bytes`)
};
struct GroupTextCheck {
    GroupTextProblem problem = GroupTextProblem::None;
    int line = 0;
    std::size_t bytes = 0;
    bool ok() const { return problem == GroupTextProblem::None; }
};

// The field's text as the CP932 lines of `current`'s replacement, or the first problem. A line
// whose text is exactly what ShowGroup showed for the same line of `current` keeps that line's
// stored bytes (bytes that do not decode survive an unchanged line).
struct ConvertedGroupText {
    GroupTextCheck check;
    std::vector<std::string> lines;  // empty when check is not ok
};
ConvertedGroupText ConvertGroupText(std::string_view text, const EventCommandGroup& current);

// The check alone (the explanation in CP932).
GroupTextCheck CheckGroupText(std::string_view text, std::string_view explanation, const EventCommandGroup& current);

// Stores the field's text and the explanation (CP932) into group `groupNumber`. A number outside
// the groups stores nothing and is no problem. With a problem the group is left as it was.
GroupTextCheck StoreGroupText(std::vector<EventCommandGroup>& groups, int groupNumber, std::string_view text,
                              std::string_view explanation);

// Where a built command line goes: with the caret at the start of an empty line, the line fills
// it; at the start of a line that has text, the command becomes a line of its own before it (a
// command never joins the text of another); otherwise it goes at the end of the caret's line,
// after a line break. `caret` and the results are byte offsets into the UTF-8 text; the caret
// ends at the end of the inserted command.
struct CommandInsertion {
    std::size_t at = 0;
    std::string inserted;
    std::size_t caret = 0;
};
CommandInsertion InsertCommandLine(std::string_view text, std::size_t caret, std::string_view line);
std::string ApplyInsertion(std::string_view text, const CommandInsertion& insertion);

// How a group chooser lists a group: its number with its explanation beside it ("4 — 村長の家"),
// or the number alone when it has none. UTF-8; explanation bytes that do not decode become U+FFFD.
std::string GroupChoiceLabel(int number, std::string_view explanation);

// The group count clamped to 1..256.
int ClampGroupCount(int count);
// Makes `groups` hold `count` groups (clamped). Groups beyond a lowered count move to the front of
// `hidden`, and raising the count takes them back from there before new empty groups are made, so
// lowering and raising the count while the editor is open loses nothing; only `groups` is written.
void SetGroupCount(std::vector<EventCommandGroup>& groups, std::vector<EventCommandGroup>& hidden, int count);

}  // namespace lw
