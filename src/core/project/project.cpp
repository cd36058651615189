#include "core/project/project.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool IsPlainName(std::string_view s) {
    if (s.empty() || s == "." || s == "..") return false;
    if (s.find('/') != std::string_view::npos || s.find('\0') != std::string_view::npos) return false;
    return FindLastSingleByte(s, '\\') == std::string_view::npos;
}

namespace {

// root/folder/name, or an empty path when either name could lead elsewhere.
fs::path InProjectFolder(const Project& p, std::string_view folder, std::string_view fileName) {
    if (!IsPlainName(folder) || !IsPlainName(fileName)) return {};
    return p.root / NativeName(folder) / NativeName(fileName);
}

}  // namespace

fs::path DataFilePath(const Project& p, std::string_view fileName) {
    return InProjectFolder(p, p.dataFolder, fileName);
}

std::string DataFileDisplayPath(const Project& p, std::string_view fileName) {
    return CutCopy(".\\" + p.dataFolder + "\\" + std::string(fileName), kNameBytes);
}

bool DataFileExists(const Project& p, std::string_view fileName) {
    if (p.dataFolder.empty() || fileName.empty()) return false;
    const fs::path path = DataFilePath(p, fileName);
    std::error_code ec;
    return !path.empty() && fs::exists(path, ec);
}

fs::path ImageFilePath(const Project& p, std::string_view fileName) {
    return InProjectFolder(p, p.imageFolder, fileName);
}

fs::path AudioFilePath(const Project& p, std::string_view fileName) {
    return InProjectFolder(p, p.audioFolder, fileName);
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
    if (!IsPlainName(folder)) return names;
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

std::string FolderNameOfLine(std::string_view line) {
    // The last component of the whole line first, then the width: a long line still names the
    // folder it ends in.
    std::size_t cut = FindLastSingleByte(line, '\\');
    const std::size_t slash = line.rfind('/');
    if (slash != std::string_view::npos && (cut == std::string_view::npos || slash > cut)) cut = slash;
    std::string_view name = cut == std::string_view::npos ? line : line.substr(cut + 1);
    name = CutToBytes(name, kNameBytes);
    if (!IsPlainName(name)) return {};  // ".", "..", or nothing after the last separator
    return std::string(name);
}

void ParsePrepareFile(Project& p, std::string_view bytes) {
    auto folderLine = [](std::string& target) {
        return [&target](std::string_view line) { target = FolderNameOfLine(line); };
    };
    TagReader reader;
    reader.Section("folder_name_data", folderLine(p.dataFolder))
        .Section("folder_name_image", folderLine(p.imageFolder))
        .Section("folder_name_audio", folderLine(p.audioFolder));
    reader.Read(bytes);
}

bool SavePrepareFile(const Project& p, SaveUi& ui) {
    return SaveProjectFile(p, p.root / "prepare.txt", ".\\prepare.txt", PrepareFileBytes(p), ui);
}

fs::path DataFolderPath(const Project& p) {
    if (!IsPlainName(p.dataFolder)) return {};
    return p.root / NativeName(p.dataFolder);
}

namespace {

// True when `path` may be written; else the author is told that it leads out of the project.
bool Contained(const Project& p, const fs::path& path, std::string_view displayPath, SaveUi& ui) {
    if (path.empty()) return true;  // names no file: the save reports "cannot create"
    if (ContainedSaveTarget(p.root, path)) return true;
    ui.OutsideProject(displayPath);
    return false;
}

}  // namespace

bool SaveProjectFile(const Project& p, const fs::path& path, std::string_view displayPath, std::string_view bytes,
                     SaveUi& ui) {
    return Contained(p, path, displayPath, ui) && SaveFile(path, displayPath, bytes, ui);
}

bool SaveProjectTagFile(const Project& p, const fs::path& path, std::string_view displayPath,
                        const TagContentFn& content, SaveUi& ui) {
    return Contained(p, path, displayPath, ui) && SaveTagFile(path, displayPath, content, ui);
}

bool SaveDataFile(const Project& p, std::string_view fileName, std::string_view bytes, SaveUi& ui) {
    return SaveProjectFile(p, DataFilePath(p, fileName), DataFileDisplayPath(p, fileName), bytes, ui);
}

bool SaveDataTagFile(const Project& p, std::string_view fileName, const TagContentFn& content, SaveUi& ui) {
    return SaveProjectTagFile(p, DataFilePath(p, fileName), DataFileDisplayPath(p, fileName), content, ui);
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
    return SaveDataFile(p, kStartGameFile, StartGameFileBytes(startScene), ui);
}

void ParseStartGameFile(std::string_view bytes, int& startScene) {
    TagReader reader;
    reader.Section("start_scene_index", [&](std::string_view line) { ScanInt(line, startScene); });
    reader.Read(bytes);
}

ReadStatus LoadStartGameFile(const Project& p, int& startScene) {
    FileBytes file = ReadFileBytes(DataFilePath(p, kStartGameFile), kSmallFileCeiling);
    if (file.ok()) ParseStartGameFile(file.bytes, startScene);
    return file.status;
}

NewProjectNames CheckNewProjectNames(const Project& names) {
    if (!IsProjectOpen(names)) return NewProjectNames::Missing;
    if (!names.gameFolder.empty() && !IsPlainName(names.gameFolder)) return NewProjectNames::NotPlain;
    for (const std::string* folder : {&names.imageFolder, &names.audioFolder, &names.dataFolder}) {
        if (!IsPlainName(*folder)) return NewProjectNames::NotPlain;
    }
    return NewProjectNames::Ok;
}

ProjectFolders CreateProjectFolders(const fs::path& location, const Project& names) {
    ProjectFolders result;
    if (CheckNewProjectNames(names) != NewProjectNames::Ok) return result;
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

fs::path UserDataHome() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && fs::path(xdg).is_absolute()) return fs::path(xdg);
    const char* home = std::getenv("HOME");
    if (home != nullptr && fs::path(home).is_absolute()) return fs::path(home) / ".local" / "share";
    return {};
}

namespace {

// A path in the form of a trash record: bytes other than letters, digits, "-._~/" as %XX.
std::string PercentEncoded(std::string_view path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '.' || c == '_' || c == '~' || c == '/';
        if (plain) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 0xF]);
        }
    }
    return out;
}

std::string LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

// Makes `dir` (mode 0700, as the trash folders are private) unless it exists; true when it is a folder.
bool MakePrivateFolder(const fs::path& dir) {
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return false;
    std::error_code ec;
    return fs::is_directory(dir, ec);
}

bool WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool MoveFileToTrash(const fs::path& file, const fs::path& dataHome) {
    if (dataHome.empty() || !dataHome.is_absolute()) return false;
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(file, ec);
    if (ec || !(fs::is_regular_file(st) || fs::is_symlink(st))) return false;
    const fs::path source = fs::absolute(file, ec).lexically_normal();
    if (ec || source.filename().empty()) return false;

    fs::create_directories(dataHome, ec);
    const fs::path trash = dataHome / "Trash";
    const fs::path files = trash / "files";
    const fs::path info = trash / "info";
    if (!MakePrivateFolder(trash) || !MakePrivateFolder(files) || !MakePrivateFolder(info)) return false;

    const std::string base = source.filename().string();
    const std::string record = "[Trash Info]\nPath=" + PercentEncoded(source.string()) +
                               "\nDeletionDate=" + LocalTimeNow() + "\n";
    for (int n = 1; n < 10000; ++n) {
        std::string name = base;
        if (n > 1) {
            char digits[16];
            auto [end, err] = std::to_chars(digits, digits + sizeof digits, n);
            (void)err;
            name += "." + std::string(digits, end);
        }
        // The record is made first, exclusively: it claims the name.
        const fs::path infoFile = info / (name + ".trashinfo");
        const int fd = ::open(infoFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return false;
        }
        const fs::path stored = files / name;
        std::error_code existsEc;
        if (fs::exists(fs::symlink_status(stored, existsEc))) {
            ::close(fd);
            ::unlink(infoFile.c_str());
            continue;
        }
        const bool written = WriteAll(fd, record);
        if (::close(fd) != 0 || !written) {
            ::unlink(infoFile.c_str());
            return false;
        }
        if (::rename(source.c_str(), stored.c_str()) == 0) return true;
        if (errno == EXDEV && fs::is_regular_file(st)) {
            // Another file system: copied into the trash, then removed from where it was.
            std::error_code copyEc;
            if (fs::copy_file(source, stored, copyEc) && fs::remove(source, copyEc)) return true;
            fs::remove(stored, copyEc);
        }
        ::unlink(infoFile.c_str());
        return false;
    }
    return false;
}

}  // namespace lw
