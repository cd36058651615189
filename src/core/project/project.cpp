#include "core/project/project.h"

#include <algorithm>

#include "core/tagfile/scan.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"

namespace lw {

namespace fs = std::filesystem;

bool IsProjectOpen(const Project& p) {
    return !p.imageFolder.empty() && !p.audioFolder.empty() && !p.dataFolder.empty();
}

fs::path NativeName(std::string_view cp932) {
    if (auto utf8 = Cp932ToUtf8(cp932)) return fs::path(*utf8);
    return fs::path(std::string(cp932));
}

std::optional<std::string> Cp932Name(const fs::path& name) { return Utf8ToCp932(name.string()); }

fs::path DataFilePath(const Project& p, std::string_view fileName) {
    return p.root / NativeName(p.dataFolder) / NativeName(fileName);
}

std::string DataFileDisplayPath(const Project& p, std::string_view fileName) {
    return CutCopy(".\\" + p.dataFolder + "\\" + std::string(fileName), kNameBytes);
}

bool DataFileExists(const Project& p, std::string_view fileName) {
    if (p.dataFolder.empty() || fileName.empty()) return false;
    std::error_code ec;
    return fs::exists(DataFilePath(p, fileName), ec);
}

fs::path ImageFilePath(const Project& p, std::string_view fileName) {
    return p.root / NativeName(p.imageFolder) / NativeName(fileName);
}

fs::path AudioFilePath(const Project& p, std::string_view fileName) {
    return p.root / NativeName(p.audioFolder) / NativeName(fileName);
}

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool Match(std::string_view name, std::string_view pattern) {
    // Iterative wildcard match with backtracking to the last '*'.
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    if (pattern == "*.*" || pattern == "*") return true;
    // As on Windows, "x*.*" also matches names without a dot.
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" && Match(name, pattern.substr(0, pattern.size() - 2)))
        return true;
    return Match(name, pattern);
}

std::vector<std::string> ListFolderFiles(const Project& p, std::string_view folder, std::string_view pattern) {
    std::vector<std::string> names;
    if (folder.empty()) return names;
    std::error_code ec;
    fs::directory_iterator it(p.root / NativeName(folder), ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        if (!it->is_regular_file(typeEc)) continue;
        auto name = Cp932Name(it->path().filename());
        if (!name || !MatchesPattern(*name, pattern)) continue;
        names.push_back(std::move(*name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

int CountDataFiles(const Project& p, std::string_view folder, std::string_view pattern) {
    return static_cast<int>(ListFolderFiles(p, folder, pattern).size());
}

std::string PrepareFileBytes(const Project& p) {
    TagWriter w;
    w.StringSection("folder_name_data", ".\\" + p.dataFolder);
    w.StringSection("folder_name_image", ".\\" + p.imageFolder);
    w.StringSection("folder_name_audio", ".\\" + p.audioFolder);
    w.StringSection("load_image", ".\\" + p.imageFolder + "\\" + p.waitImage);
    return w.Take();
}

void ParsePrepareFile(Project& p, std::string_view bytes) {
    auto folderLine = [](std::string& target) {
        return [&target](std::string_view line) {
            std::string_view name = CutToBytes(line, kNameBytes);
            std::size_t slash = FindLastSingleByte(name, '\\');
            if (slash != std::string_view::npos) name = name.substr(slash + 1);
            target = std::string(name);
        };
    };
    TagReader reader;
    reader.Section("folder_name_data", folderLine(p.dataFolder))
        .Section("folder_name_image", folderLine(p.imageFolder))
        .Section("folder_name_audio", folderLine(p.audioFolder));
    reader.Read(bytes);
}

bool SavePrepareFile(const Project& p, SaveUi& ui) {
    return SaveFile(p.root / "prepare.txt", ".\\prepare.txt", PrepareFileBytes(p), ui);
}

ReadStatus LoadPrepareFile(Project& p, const fs::path& path) {
    p.gameFolder.clear();
    p.dataFolder.clear();
    p.imageFolder.clear();
    p.audioFolder.clear();
    p.waitImage.clear();
    FileBytes file = ReadFileBytes(path, kSmallFileCeiling);
    if (file.ok()) ParsePrepareFile(p, file.bytes);
    return file.status;
}

std::string StartGameFileBytes(int startScene) {
    TagWriter w;
    w.IntSection("start_scene_index", startScene);
    return w.Take();
}

bool SaveStartGameFile(const Project& p, int startScene, SaveUi& ui) {
    return SaveFile(DataFilePath(p, "start_game.txt"), DataFileDisplayPath(p, "start_game.txt"),
                    StartGameFileBytes(startScene), ui);
}

void ParseStartGameFile(std::string_view bytes, int& startScene) {
    TagReader reader;
    reader.Section("start_scene_index", [&](std::string_view line) { ScanInt(line, startScene); });
    reader.Read(bytes);
}

ReadStatus LoadStartGameFile(const Project& p, int& startScene) {
    FileBytes file = ReadFileBytes(DataFilePath(p, "start_game.txt"), kSmallFileCeiling);
    if (file.ok()) ParseStartGameFile(file.bytes, startScene);
    return file.status;
}

ProjectFolders CreateProjectFolders(const fs::path& location, const Project& names) {
    ProjectFolders result;
    auto make = [&result](const fs::path& path) {
        std::error_code ec;
        fs::create_directory(path, ec);
        if (!fs::is_directory(path, ec)) result.failed.push_back(path);
    };
    result.projectPath = names.gameFolder.empty() ? location : location / NativeName(names.gameFolder);
    make(result.projectPath);
    make(result.projectPath / NativeName(names.imageFolder));
    make(result.projectPath / NativeName(names.audioFolder));
    make(result.projectPath / NativeName(names.dataFolder));
    return result;
}

}  // namespace lw
