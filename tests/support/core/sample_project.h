#pragma once
// The sample game written into a temporary folder and opened as a project, for tests that check
// what the editors and readers make of it.

#include <map>
#include <string>
#include <vector>

#include "core/project/project.h"
#include "support/core/temp_dir.h"

namespace lw::test {

struct SampleProject {
    TempDir dir;
    Project project;
    // Writes the sample game into the temporary folder and reads its prepare.txt (test failures
    // when either does not work).
    SampleProject();
    // Every file below the project folder and its bytes, by path relative to the folder.
    std::map<std::string, std::string> Files() const;
    // The files added, removed or changed since `before` (a result of Files()), by name.
    std::vector<std::string> ChangedSince(const std::map<std::string, std::string>& before) const;
};

}  // namespace lw::test
