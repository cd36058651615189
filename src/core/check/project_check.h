#pragma once
// The project check: every problem the index shows (project_index.h), each with its severity,
// place and one sentence. A reference out of its list's range or to a missing file, a group that
// its scene does not have, an NPC or chest listed in two scenes or in none, and what the files
// showed about themselves while they were read.

#include <string>
#include <vector>

#include "core/check/problem.h"
#include "core/check/project_index.h"
#include "core/project/project.h"

namespace lw {

// The problems of an index, ordered by file (in the order the files were read) and place.
std::vector<Problem> CheckIndex(const ProjectIndex& index);

struct CheckSummary {
    int errors = 0;
    int warnings = 0;
};
CheckSummary Summarise(const std::vector<Problem>& problems);

// The file of a problem as the game's own paths read it: ".\data\scene3.txt" (UTF-8).
std::string ProblemFilePath(const Project& project, const Problem& p);

// ".\data\scene3.txt:group 4 line 2: error: scene 12 does not exist ..." (UTF-8, no line break).
std::string ProblemLine(const Project& project, const Problem& p);
// "3 errors, 1 warning" / "no problems".
std::string SummaryLine(const CheckSummary& summary);

// The problems as one JSON document:
// {"project": "...", "errors": n, "warnings": n, "problems": [{"severity": "error", "file": ".\\data\\x",
//  "record": n|null, "group": n|null, "line": n|null, "part": "...", "place": "...", "message": "..."}]}
// Lines are counted from 1 as in the text form.
std::string ProblemsJson(const Project& project, const std::vector<Problem>& problems);

}  // namespace lw

#include <optional>

#include "core/hub/hub_rules.h"

namespace lw {

// The hub editor that owns the record of a problem: the editor of its list file; for a scene file
// the event command editor when the problem stands in a group, else the scene settings; nullopt
// for a file no editor writes.
std::optional<HubEditor> OwningEditor(const Problem& p);

}  // namespace lw
