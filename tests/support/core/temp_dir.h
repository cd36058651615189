#pragma once
// A folder under the system's temporary folder, removed with everything in it at the end of scope;
// a project made in one, a scripted save dialog, and the round trip of a data file through them.

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

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
// Every regular file below `folder` (links not followed) with its bytes, by path relative to it.
std::map<std::string, std::string> FolderFiles(const std::filesystem::path& folder);

// A SaveUi that answers the overwrite question from a fixed answer and records what it was asked.
// Within a save of several files the answers are taken from `answers` while it holds any; the
// progress is cancelled when file `cancelAt` is announced (-1 never).
struct ScriptedSaveUi : SaveUi {
    bool answer = true;
    std::deque<OverwriteAnswer> answers;
    int asked = 0;
    int cannotCreate = 0;
    std::vector<std::string> outside;
    long cancelAt = -1;
    std::size_t announced = 0;
    std::string lastCaption;
    bool ConfirmOverwrite(std::string_view displayPath) override {
        ++asked;
        lastCaption = std::string(displayPath);
        return answer;
    }
    OverwriteAnswer ConfirmOverwriteOfMany(std::string_view displayPath) override {
        if (answers.empty()) return SaveUi::ConfirmOverwriteOfMany(displayPath);
        ++asked;
        lastCaption = std::string(displayPath);
        const OverwriteAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void CannotCreate() override { ++cannotCreate; }
    void OutsideProject(std::string_view displayPath) override { outside.emplace_back(displayPath); }
    bool Preparing(std::size_t done, std::size_t, std::string_view) override {
        ++announced;
        return static_cast<long>(done) != cancelAt;
    }
};

// A data file through the project: missing, it loads as `whenMissing`; saved into a new file
// without a question, it holds `bytes` and reads back as `value`; declining the overwrite of a later
// save keeps the file as it was; a folder in its place is unreadable and loads as `whenMissing`.
template <class Value, class Load, class Save>
void CheckFileThroughProject(std::string_view file, const Value& value, const std::string& bytes, Load load, Save save,
                             const Value& whenMissing = Value{}) {
    TempProject tp;
    Value read = value;
    EXPECT_EQ(ReadStatus::Missing, load(tp.project, read));
    EXPECT_EQ(read, whenMissing);

    ScriptedSaveUi ui;
    ASSERT_TRUE(save(tp.project, value, ui));
    EXPECT_EQ(ui.asked, 0);
    EXPECT_EQ(tp.ReadData(file), bytes);
    EXPECT_EQ(ReadStatus::Ok, load(tp.project, read));
    EXPECT_EQ(read, value);

    ui.answer = false;
    EXPECT_FALSE(save(tp.project, whenMissing, ui));
    EXPECT_EQ(ui.lastCaption, ".\\data\\" + std::string(file));
    EXPECT_EQ(tp.ReadData(file), bytes);

    TempProject other;
    std::filesystem::create_directory(DataFilePath(other.project, file));
    read = value;
    EXPECT_EQ(ReadStatus::Unreadable, load(other.project, read));
    EXPECT_EQ(read, whenMissing);
}

}  // namespace lw::test
