#pragma once
// The text list, talk_list.txt: everything a character says in the game. Other lists and event
// commands refer to a text by its 0-based position in this list (-1 for none where allowed).
//
// File shape (CR LF between lines, none after the last):
//   "<talk_number>" count "</talk_number>" "<talk_data>" one text per line "</talk_data>"
//
// A text is CP932 prose with inline talk markup (talk_markup.h). In memory a text may hold line
// breaks as CR LF (typed in the editor); on disk each line break is one "#", and a text holds at
// most kTalkTextBytes bytes. Reading does not turn "#" back into line breaks: a reopened text shows
// "#" where the author had typed a line break, and the game reads "#" as the end of a line.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"
#include "core/tagfile/file_io.h"

namespace lw {

inline constexpr std::string_view kTalkFile = "talk_list.txt";
inline constexpr std::size_t kTalkTextBytes = 4095;
// The list shows the first bytes of each text.
inline constexpr std::size_t kTalkLabelBytes = 31;

// ---- One text ----

// The size the text takes in the file before any cut: each line break (CR LF, or a lone LF, which
// a line of the file cannot hold either) counts as the one "#" it becomes.
std::size_t TalkStoredSize(std::string_view text);
inline bool TalkTextFits(std::string_view text) { return TalkStoredSize(text) <= kTalkTextBytes; }
// The longest prefix of `text` whose stored form fits in kTalkTextBytes; it never ends inside a
// double-byte character or between the CR and LF of a line break.
std::string_view CutTalkText(std::string_view text);
// The text as the file holds it: line breaks written as "#", cut to kTalkTextBytes.
std::string TalkStoredText(std::string_view text);
// False for a text the file cannot give back: one whose stored form is a line of the file's own
// tags ("<talk_number>", "</talk_data>", ...), which the reader takes as a tag, losing the text.
bool TalkTextStorable(std::string_view text);
// How the list shows a text: the first kTalkLabelBytes bytes of its stored form, cut at a
// character boundary.
std::string TalkListLabel(std::string_view text);

// ---- The file ----

// Every line of the data section is one text, in file order, taken whole and cut to
// kTalkTextBytes at a character boundary; an empty line is an empty text. The count section is
// read and not used.
std::vector<std::string> ParseTalkList(std::string_view bytes);
// `texts` is emptied first; a missing or unreadable file leaves it empty.
ReadStatus LoadTalkList(const Project& project, std::vector<std::string>& texts);

// The file for `texts` in order (their stored forms); the count line is their number.
std::string TalkListBytes(const std::vector<std::string>& texts);
// The save with the overwrite question. False when declined or not written.
bool SaveTalkList(const Project& project, const std::vector<std::string>& texts, SaveUi& ui);

}  // namespace lw
