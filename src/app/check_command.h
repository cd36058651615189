#pragma once
// "lorewright --check <project folder | prepare.txt> [--format text|json]": checks a project
// without opening any window and ends the program with the check's status.

#include <optional>

namespace lw {

// When the command line asks for a check, runs it and returns the exit status; otherwise nullopt
// (the program then starts as usual). Needs no QApplication and no display.
std::optional<int> RunCheckCommand(int argc, char** argv);

}  // namespace lw
