#pragma once
// The open project: its folder on disk and the names of its data, image and audio folders.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tagfile/file_io.h"

namespace lw {

// Each name holds at most this many bytes (the original fields were 260 bytes with a terminator).
inline constexpr std::size_t kNameBytes = 259;

struct Project {
    // Names as CP932 bytes.
    std::string gameFolder;   // as typed in the new-project dialog; empty after an open
    std::string dataFolder;
    std::string imageFolder;
    std::string audioFolder;
    std::string waitImage;    // as typed in the new-project dialog; empty after an open
    // The project folder: every data, image and audio path is formed below it.
    std::filesystem::path root;
};

// Open when the image, audio and data folder names are all non-empty.
bool IsProjectOpen(const Project& project);

// A name in CP932 as a path component on disk (UTF-8); bytes that do not convert are kept.
std::filesystem::path NativeName(std::string_view cp932);
// A native file name as CP932, or nullopt when it has characters CP932 cannot hold.
std::optional<std::string> Cp932Name(const std::filesystem::path& name);

// True for a name that is one entry of a folder: not empty, not "." or "..", and holding no "/",
// no single-byte "\\" (a trail byte 0x5C of a double-byte character is part of that character) and
// no NUL. Every folder and file name that a path is formed from must be one, so that no name read
// from a file or typed by the author leads out of the project folder.
bool IsPlainName(std::string_view cp932);

// Where a list file lies on disk, and how its path reads in messages (".\data\name").
// The path functions give an empty path (which names no file: it reads as missing and cannot be
// written) when the folder or file name is not a plain name.
std::filesystem::path DataFilePath(const Project& project, std::string_view fileName);
std::string DataFileDisplayPath(const Project& project, std::string_view fileName);
bool DataFileExists(const Project& project, std::string_view fileName);
std::filesystem::path ImageFilePath(const Project& project, std::string_view fileName);
std::filesystem::path AudioFilePath(const Project& project, std::string_view fileName);

// The data folder on disk (empty when its name is not a plain name).
std::filesystem::path DataFolderPath(const Project& project);

// The save of one file below the project folder: the overwrite question, an atomic replace and
// "cannot create" on failure (SaveFile, SaveTagFile). A path that resolves outside the project
// folder (a link, or a folder that is a link, leading elsewhere) is not written, and the author is
// told, naming the file. True when written.
bool SaveProjectFile(const Project& project, const std::filesystem::path& path, std::string_view displayPath,
                     std::string_view bytes, SaveUi& ui);
bool SaveProjectTagFile(const Project& project, const std::filesystem::path& path, std::string_view displayPath,
                        const TagContentFn& content, SaveUi& ui);
// The same for a file of the data folder.
bool SaveDataFile(const Project& project, std::string_view fileName, std::string_view bytes, SaveUi& ui);
// Reads the data folder's list file `fileName` with `parse` (bytes -> records) into `out`, which is
// emptied first and stays empty when the file is missing or cannot be read.
template <class T, class Parse>
ReadStatus LoadDataList(const Project& project, std::string_view fileName, std::vector<T>& out, Parse parse) {
    out.clear();
    FileBytes file = ReadFileBytes(DataFilePath(project, fileName), kListFileCeiling);
    if (file.ok()) out = parse(file.bytes);
    return file.status;
}

bool SaveDataTagFile(const Project& project, std::string_view fileName, const TagContentFn& content, SaveUi& ui);

// A batch of files of this project (FileBatch), journaled in the data folder.
class ProjectBatch : public FileBatch {
public:
    explicit ProjectBatch(const Project& project) : FileBatch(project.root, DataFolderPath(project)) {}
};

// True when `name` matches a Windows-style pattern ("scene*.txt", "*.bin", "*.*"), letters compared
// without case. "*.*" matches every name.
bool MatchesPattern(std::string_view name, std::string_view pattern);

// The regular files (no folders) of `folder` below the project root whose names match `pattern`,
// as CP932 names, sorted byte-wise. Names that CP932 cannot hold are left out. A missing folder
// gives an empty list.
std::vector<std::string> ListFolderFiles(const Project& project, std::string_view folder, std::string_view pattern);
int CountDataFiles(const Project& project, std::string_view folder, std::string_view pattern);

// prepare.txt in the project folder.
std::string PrepareFileBytes(const Project& project);
// A folder line gives the last component of the whole line (after the last "\\" or "/"), cut to
// kNameBytes; "." and ".." give no name (the project is then not open).
std::string FolderNameOfLine(std::string_view line);
void ParsePrepareFile(Project& project, std::string_view bytes);
bool SavePrepareFile(const Project& project, SaveUi& ui);
// Clears the five names, then reads the folder names from the file at `path`.
ReadStatus LoadPrepareFile(Project& project, const std::filesystem::path& path);

inline constexpr std::string_view kStartGameFile = "start_game.txt";
// start_game.txt in the data folder: the number of the scene file the game starts in (-1 none).
std::string StartGameFileBytes(int startScene);
bool SaveStartGameFile(const Project& project, int startScene, SaveUi& ui);
// Leaves `startScene` as it was when the file is missing, unreadable or holds no number.
void ParseStartGameFile(std::string_view bytes, int& startScene);
ReadStatus LoadStartGameFile(const Project& project, int& startScene);

// Why the names of the new-project dialog cannot make a project: an empty image, audio or data
// folder name, or a name that is not a plain name (an empty game folder name is allowed: the
// folders are then made in the location itself).
enum class NewProjectNames { Ok, Missing, NotPlain };
NewProjectNames CheckNewProjectNames(const Project& names);

// The result of making the folders of a new project below `location`.
struct ProjectFolders {
    std::filesystem::path projectPath;
    std::vector<std::filesystem::path> failed;  // folders that do not exist afterwards
};
// Creates location/game, then its image, audio and data folders (in that order). A folder that
// already existed counts as made. Names that CheckNewProjectNames refuses make nothing (the
// project path is then empty).
ProjectFolders CreateProjectFolders(const std::filesystem::path& location, const Project& names);

// Moves `file` into the freedesktop trash below `dataHome` (the user's data folder,
// $XDG_DATA_HOME or ~/.local/share): the file goes to Trash/files and a record of where it came
// from to Trash/info, both folders made when missing, so that the desktop can restore it. False,
// with the file where it was, when that cannot be done.
bool MoveFileToTrash(const std::filesystem::path& file, const std::filesystem::path& dataHome);
// $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share; empty when neither is known.
std::filesystem::path UserDataHome();

}  // namespace lw
