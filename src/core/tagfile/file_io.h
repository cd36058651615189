#pragma once
// Reading a whole list file, and saving one: the overwrite question, the "cannot create" report
// and an atomic replace of the old file.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lw {

// How reading a file went. A file that exists but could not be read (no permission, not a regular
// file, larger than its kind of file can be, a read error) is Unreadable: an editor whose own file
// is Unreadable says so and never saves over it. Missing means there is nothing at the path.
enum class ReadStatus { Ok, Missing, Unreadable };

// The largest file of each kind that is read; a larger one is Unreadable.
// Settings, prepare.txt, start_game.txt, name lists, flag explanations, title and level tables.
inline constexpr std::uintmax_t kSmallFileCeiling = std::uintmax_t{4} << 20;
// Lists of records (items, magic, monsters, texts, NPCs, chests, shops) and scene files.
inline constexpr std::uintmax_t kListFileCeiling = std::uintmax_t{16} << 20;
// Pictures and binary map data.
inline constexpr std::uintmax_t kMediaFileCeiling = std::uintmax_t{256} << 20;

struct FileBytes {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;  // the whole content when status is Ok, else empty
    bool ok() const { return status == ReadStatus::Ok; }
};

// The whole content of a regular file of at most `ceiling` bytes, read into a buffer of exactly its
// size. Other kinds of file (folders, FIFOs, devices) are never opened for reading, so they cannot
// block.
FileBytes ReadFileBytes(const std::filesystem::path& path, std::uintmax_t ceiling);

// What a save asks of the author and tells the author. The app answers through its dialogs, tests
// through a script.
class SaveUi {
public:
    virtual ~SaveUi() = default;
    // "A file of the same name exists; overwrite?" captioned with `displayPath` (CP932, Windows form
    // such as ".\data\item_list.txt"). True to overwrite.
    virtual bool ConfirmOverwrite(std::string_view displayPath) = 0;
    // "The file cannot be created."
    virtual void CannotCreate() = 0;
};

// Simulated failure for tests: the write fails after this many bytes have been written.
struct WriteFault {
    std::size_t failAfterBytes = 0;
};

// A new content for `target`, written to a temporary file beside it and renamed over it by
// Commit() once flushed to disk. A file never committed is removed, and `target` is left as it was.
//  - A symbolic link is followed: the file it names is replaced (the temporary file lies beside
//    that file), and the link stays a link.
//  - A file without any write permission bit (say mode 0444) is not replaced: ok() is false.
//  - Temporary files are named ".lw" + 8 hex digits naming the target + "." + 8 random hex
//    digits + ".tmp" (24 bytes whatever the target's name, so any name that fits the file system
//    can be saved). Those that a crash left for the same target are removed first.
class AtomicFile {
public:
    explicit AtomicFile(const std::filesystem::path& target, const WriteFault* fault = nullptr);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool ok() const { return fd_ >= 0 && ok_; }
    bool Write(std::string_view bytes);
    bool Commit();

private:
    std::filesystem::path target_;  // the file replaced (a link's target)
    std::filesystem::path temp_;
    int fd_ = -1;
    bool ok_ = true;
    std::size_t written_ = 0;
    const WriteFault* fault_;
};

// The file a save of `path` replaces: `path` itself, or for a symbolic link (or a chain of them)
// the file the link names, which need not exist yet. nullopt for a loop of links.
std::optional<std::filesystem::path> SaveTargetOf(const std::filesystem::path& path);

// True for a temporary file name of this program's making (see AtomicFile), of any target when
// `target` is empty, else of that target only.
bool IsOwnTemporaryName(std::string_view fileName, std::string_view target = {});
// Removes the temporary files of this program's making that a crash left in `folder`. Returns
// how many were removed.
int RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

bool ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                           const WriteFault* fault = nullptr);

// The whole save of a list file: ask before replacing an existing file ("No" returns false and
// touches nothing), write atomically, report "cannot create" on failure. True when written.
bool SaveFile(const std::filesystem::path& target, std::string_view displayPath, std::string_view bytes,
              SaveUi& ui, const WriteFault* fault = nullptr);

// The same for a tag file made by `content`, streamed to disk as it is made.
class TagWriter;
using TagContent = std::function<void(TagWriter&)>;
bool SaveTagFile(const std::filesystem::path& target, std::string_view displayPath, const TagContent& content,
                 SaveUi& ui, const WriteFault* fault = nullptr);
// The bytes `content` makes, in memory.
std::string TagFileBytes(const TagContent& content);

}  // namespace lw
