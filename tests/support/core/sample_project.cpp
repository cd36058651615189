#include "support/core/sample_project.h"

#include <gtest/gtest.h>

#include "core/sample/sample_game.h"

namespace lw::test {

SampleProject::SampleProject() {
    EXPECT_EQ(WriteSampleGame(dir.path()).status, SampleWriteStatus::Written);
    project.root = dir.path();
    EXPECT_EQ(LoadPrepareFile(project, dir.path() / "prepare.txt"), ReadStatus::Ok);
    EXPECT_TRUE(IsProjectOpen(project));
}

std::map<std::string, std::string> SampleProject::Files() const { return FolderFiles(dir.path()); }

std::vector<std::string> SampleProject::ChangedSince(const std::map<std::string, std::string>& before) const {
    const auto now = Files();
    std::vector<std::string> changed;
    for (const auto& [name, bytes] : now) {
        const auto it = before.find(name);
        if (it == before.end() || it->second != bytes) changed.push_back(name);
    }
    for (const auto& [name, bytes] : before)
        if (now.count(name) == 0) changed.push_back(name);
    return changed;
}

}  // namespace lw::test
