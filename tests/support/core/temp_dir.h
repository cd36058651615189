#pragma once
// A folder under the system's temporary folder, removed with everything in it at the end of scope.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/project/project.h"

namespace lw::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A temporary project with the default folder names and its three folders made.
struct TempProject {
    TempDir dir;
    Project project;
    TempProject();
    void WriteData(std::string_view name, std::string_view bytes) const;
    std::string ReadData(std::string_view name) const;
};

void WriteBytes(const std::filesystem::path& path, std::string_view bytes);
std::string ReadBytes(const std::filesystem::path& path);

// A SaveUi that answers the overwrite question from a fixed answer and records what it was asked.
struct ScriptedSaveUi : SaveUi {
    bool answer = true;
    int asked = 0;
    int cannotCreate = 0;
    std::string lastCaption;
    bool ConfirmOverwrite(std::string_view displayPath) override {
        ++asked;
        lastCaption = std::string(displayPath);
        return answer;
    }
    void CannotCreate() override { ++cannotCreate; }
};

}  // namespace lw::test
