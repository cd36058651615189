#pragma once
// What one event command line or one text of the text list refers to, and what is wrong with its
// form, found with the command language's own recogniser (RecognizeEventCommand) and the talk
// markup's commands. Group references are of the scene holding the line.

#include <array>
#include <string>
#include <span>
#include <string_view>
#include <vector>

#include "core/check/problem.h"
#include "core/check/reference_index.h"

namespace lw {

struct LineReference {
    RefTarget target = RefTarget::Item;
    int index = -1;    // rows, numbers, flags and groups
    std::string_view name;  // file targets: a view of the scanned line or text
    const char* part = "";  // the field: "enemy unit", "text before", ...
    std::string_view field;  // the whole field as the line holds it, a glued prefix included ("item7")
    bool noneAllowed = false;  // the field may be -1 (none)
};

struct LineFinding {
    Severity severity = Severity::Error;
    std::string message;  // UTF-8
};

// The blank-separated fields of one line or talk command, without allocating: the first kKept are
// kept (no command has more), `count` counts them all.
struct LineFields {
    static constexpr std::size_t kKept = 12;
    std::array<std::string_view, kKept> views;
    std::size_t count = 0;
};

struct LineScan {
    std::vector<LineReference> references;
    std::vector<LineFinding> findings;
    LineFields fields;  // scratch: the fields of the line being scanned
    // When set, references go straight into this index as they are found, placed at `at` (its
    // file, group and line), instead of being kept in `references`: a project's scan passes a
    // million of them.
    ReferenceIndex* index = nullptr;
    Place at;
    void clear() {
        references.clear();
        findings.clear();
    }
};

// Limits of the project that bound some arguments.
struct LineLimits {
    int abilityMax = 9999;  // the basic setting "最大能力値"
};

// Scans one stored command line: an empty line is nothing; a line whose keyword the language does
// not know, whose field count is not one of its command's forms, or whose fields are not numbers
// or lie outside their ranges gives findings. `out` is cleared first.
void ScanEventLine(std::string_view line, const LineLimits& limits, LineScan& out);

// Scans a text of the text list (CP932, as stored) for its "<...>" commands. An unknown or
// malformed command and a "<" that is never closed give findings. `out` is cleared first.
void ScanTalkText(std::string_view text, LineScan& out);

// The whole of `token` as a decimal number ("-" allowed), or false.
bool ParseDecimal(std::string_view token, long long& value);

}  // namespace lw
