#pragma once
// The whole check of a project folder as the command line runs it: open the project, build the
// index, print the problems. Standard C++ only, so it runs with no display.

#include <filesystem>
#include <optional>
#include <ostream>

#include "core/project/project.h"

namespace lw {

enum class CheckFormat { Text, Json };

// Exit statuses of the check.
inline constexpr int kCheckClean = 0;       // no error (warnings allowed)
inline constexpr int kCheckErrors = 1;      // at least one error
inline constexpr int kCheckCannotOpen = 2;  // the project could not be opened

// Opens the project at `path`: a project folder (holding prepare.txt) or a prepare.txt itself.
// nullopt, with the reason in `why` (UTF-8), when it is not an open project.
std::optional<Project> OpenProjectAt(const std::filesystem::path& path, std::string& why);

// Checks the project at `path` and prints the problems to `out` (one line each, then a summary;
// or the JSON document), reasons it cannot be opened to `err`. Returns the exit status.
int RunProjectCheck(const std::filesystem::path& path, CheckFormat format, std::ostream& out, std::ostream& err);

}  // namespace lw
