#pragma once
// Reading a whole list file, and saving one: the overwrite question, the "cannot create" report
// and an atomic replace of the old file.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

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

// A file opened for reading after the checks every read makes: a regular file (not a folder, FIFO
// or device) of at most `ceiling` bytes. `status` says how opening went; `size` is the file's size
// when it was opened. Closed when this goes out of scope.
class ReadableFile {
public:
    ReadableFile(const std::filesystem::path& path, std::uintmax_t ceiling);
    ~ReadableFile();
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;
    // Reads up to `wanted` bytes into `into` (fewer when the file ends first); false on an error.
    bool ReadUpTo(char* into, std::size_t wanted, std::size_t& got);

    ReadStatus status = ReadStatus::Unreadable;
    std::size_t size = 0;

private:
    int fd_ = -1;
};

// Offers huge pages for the whole 2 MB pages inside [data, data + bytes), memory not yet touched:
// where the system gives them only on request, filling many megabytes otherwise costs one page
// fault per 4 KiB, which on a virtual machine can take longer than the filling itself.
void AdviseHugePages(const void* data, std::size_t bytes);

struct FileBytes {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;  // the whole content when status is Ok, else empty
    bool ok() const { return status == ReadStatus::Ok; }
};

// The whole content of a regular file of at most `ceiling` bytes, read into a buffer of exactly its
// size. Other kinds of file (folders, FIFOs, devices) are never opened for reading, so they cannot
// block.
FileBytes ReadFileBytes(const std::filesystem::path& path, std::uintmax_t ceiling);

// Reads many files one after another into one buffer that grows to the largest of them (for
// readers of every scene file): the same rules as ReadFileBytes, without a new buffer per file.
class FileReader {
public:
    ReadStatus Read(const std::filesystem::path& path, std::uintmax_t ceiling);
    // The content of the last file read with status Ok (empty otherwise), valid until the next Read.
    std::string_view content() const { return std::string_view(buffer_).substr(0, size_); }

private:
    std::string buffer_;
    std::size_t size_ = 0;
};

// The answer to the overwrite question of a save that replaces several files.
enum class OverwriteAnswer { Yes, No, YesToAll };

// What a save asks of the author and tells the author. The app answers through its dialogs, tests
// through a script.
class SaveUi {
public:
    virtual ~SaveUi() = default;
    // "A file of the same name exists; overwrite?" captioned with `displayPath` (CP932, Windows form
    // such as ".\data\item_list.txt"). True to overwrite.
    virtual bool ConfirmOverwrite(std::string_view displayPath) = 0;
    // The same question within a save of several files, with a third answer that says yes to
    // every later question of that save.
    virtual OverwriteAnswer ConfirmOverwriteOfMany(std::string_view displayPath) {
        return ConfirmOverwrite(displayPath) ? OverwriteAnswer::Yes : OverwriteAnswer::No;
    }
    // Before the questions of a save whose files are written together or not at all (a list and the
    // files renumbered with it): every file it rewrites, so the first question can name them.
    virtual void WritingTogether(std::span<const std::string> displayPaths) { (void)displayPaths; }
    // "The file cannot be created."
    virtual void CannotCreate() = 0;
    // The file resolves (through a link) to a place outside the project folder, so it is not
    // written.
    virtual void OutsideProject(std::string_view displayPath) {
        (void)displayPath;
        CannotCreate();
    }
    // A save of many files tells which file it prepares (`done` of `total` prepared so far); false
    // cancels the save, and nothing is written. Finished() follows the last file.
    virtual bool Preparing(std::size_t done, std::size_t total, std::string_view displayPath) {
        (void)done, (void)total, (void)displayPath;
        return true;
    }
    virtual void Finished() {}
};

class TagWriter;
using TagContentFn = std::function<void(TagWriter&)>;

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
//    can be saved). Those that a crash left for the same target are removed first, unless
//    `clearLeftovers` is false (a FileBatch clears them with one scan of each folder).
class AtomicFile {
public:
    explicit AtomicFile(const std::filesystem::path& target, const WriteFault* fault = nullptr,
                        bool clearLeftovers = true);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool ok() const { return (fd_ >= 0 || sealed_) && ok_; }
    bool Write(std::string_view bytes);
    // Flushes the content to disk and closes it; the target is not touched yet. False (and the
    // temporary file removed) when the content could not be written or flushed.
    bool Seal();
    // Seals the content if that is not done yet, then renames it over the target and makes the
    // rename durable (unless `syncFolder` is false, for a caller that syncs the folder itself).
    bool Commit(bool syncFolder = true);

    const std::filesystem::path& target() const { return target_; }
    const std::filesystem::path& temporary() const { return temp_; }
    // Forgets the sealed temporary file without removing it (a commit stopped as if the process
    // had died, for tests of the recovery).
    void Abandon() { sealed_ = false; }

private:
    std::filesystem::path target_;  // the file replaced (a link's target)
    std::filesystem::path temp_;
    int fd_ = -1;
    bool sealed_ = false;  // the content is on disk in temp_, which is closed
    bool ok_ = true;
    std::size_t written_ = 0;
    const WriteFault* fault_;
};

// The file a save of `path` replaces: `path` itself, or for a symbolic link (or a chain of them)
// the file the link names, which need not exist yet. nullopt for a loop of links.
std::optional<std::filesystem::path> SaveTargetOf(const std::filesystem::path& path);

// The file a save of `path` replaces (SaveTargetOf), made absolute with every link and ".." of its
// folders resolved, when it lies below `root` (resolved the same way); nullopt when it lies
// outside, is the root itself, or is a loop of links. Nothing is ever written outside the project
// folder: a link that leads out of it, or a folder that is a link to elsewhere, is refused.
std::optional<std::filesystem::path> ContainedSaveTarget(const std::filesystem::path& root,
                                                         const std::filesystem::path& path);

// True for a temporary file name of this program's making (see AtomicFile), of any target when
// `target` is empty, else of that target only.
bool IsOwnTemporaryName(std::string_view fileName, std::string_view target = {});
// Removes the temporary files of this program's making that a crash left in `folder`. Returns
// how many were removed.
int RemoveStaleTemporaryFiles(const std::filesystem::path& folder);
// Flushes a folder's entries (renames into it) to disk.
void SyncFolder(const std::filesystem::path& folder);

// A commit stopped after this many renames, as if the process had died there (for tests of the
// recovery): the journal and the files not yet renamed stay on disk.
struct CommitFault {
    std::size_t stopAfterRenames = 0;
};

// The name of the commit journal a FileBatch keeps in its journal folder while it renames.
inline constexpr std::string_view kCommitJournalName = ".lw-commit.journal";

// Several files that change together, all below `root`. Each new content is prepared first
// (written to a temporary file beside its target and flushed to disk); only when every one was
// prepared are they renamed over their targets. If any cannot be prepared, none is replaced and the
// prepared ones are removed.
//
// The renames are made recoverable: before the first one a journal naming every prepared file and
// its target is written and flushed in `journalFolder`; after the last one the folders are flushed
// and the journal removed. A process that dies in between leaves the journal, and
// FinishInterruptedCommit completes the renames at the next open.
class FileBatch {
public:
    FileBatch(std::filesystem::path root, std::filesystem::path journalFolder);
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;
    ~FileBatch();

    // What Plan found: targets that resolve outside the root, and the first two targets that
    // resolve to the same file (both refused before anything is prepared).
    struct Check {
        std::vector<std::filesystem::path> outside;
        std::optional<std::pair<std::filesystem::path, std::filesystem::path>> sameFile;
        bool ok() const { return outside.empty() && !sameFile; }
    };
    // Before anything is prepared: resolves every target the batch will write, and clears the
    // temporary files that earlier saves of them left (one scan of each folder). When the check
    // fails the batch is failed and nothing may be prepared.
    Check Plan(const std::vector<std::filesystem::path>& targets);

    // Prepares `bytes` as the new content of `target`. False when it could not be prepared
    // (including a target outside the root).
    bool Prepare(const std::filesystem::path& target, std::string_view bytes, const WriteFault* fault = nullptr);
    // The same for a tag file, streamed to disk as it is made.
    bool PrepareTag(const std::filesystem::path& target, const TagContentFn& content, const WriteFault* fault = nullptr);
    // Records a target that cannot be prepared for a reason of the caller's (the batch then fails).
    void MarkFailed(const std::filesystem::path& target) { failed_.push_back(target); }

    bool ok() const { return failed_.empty(); }
    std::size_t prepared() const { return files_.size(); }
    // The targets that could not be prepared, in the order they were tried.
    const std::vector<std::filesystem::path>& failed() const { return failed_; }
    // The targets refused because they resolve outside the root.
    const std::vector<std::filesystem::path>& outside() const { return outside_; }

    // When every file was prepared: journals them, renames each over its target in the order
    // prepared, flushes their folders and removes the journal. True when all were replaced. A
    // rename that fails (which preparing beside the target makes as unlikely as it can be) leaves
    // that target and the ones after it as they were; they are listed in notReplaced(). When some
    // file could not be prepared, nothing is replaced, every prepared file is removed and the
    // result is false.
    bool CommitAll(const CommitFault* fault = nullptr);
    // Removes every prepared file; the targets stay as they were.
    void Discard();
    const std::vector<std::filesystem::path>& notReplaced() const { return notReplaced_; }

private:
    std::unique_ptr<AtomicFile> Open(const std::filesystem::path& target, const WriteFault* fault);
    bool WriteJournal() const;
    // `target` resolved below the root (ContainedSaveTarget), with the root and each folder
    // resolved once per batch.
    std::optional<std::filesystem::path> Contained(const std::filesystem::path& target);

    std::filesystem::path root_;
    std::optional<std::optional<std::filesystem::path>> canonicalRoot_;  // once resolved
    std::unordered_map<std::string, std::filesystem::path> folders_;    // resolved folders
    std::filesystem::path journalFolder_;
    bool planned_ = false;
    std::vector<std::unique_ptr<AtomicFile>> files_;
    std::vector<std::filesystem::path> failed_;
    std::vector<std::filesystem::path> outside_;
    std::vector<std::filesystem::path> notReplaced_;
};

// The questions and the progress of one save of several files: each file is announced before it
// is prepared (SaveUi::Preparing), and the overwrite question is asked for each existing file
// until the author answers "yes to all".
class BatchSession {
public:
    BatchSession(SaveUi& ui, std::size_t total) : ui_(ui), total_(total) {}
    ~BatchSession() { ui_.Finished(); }
    BatchSession(const BatchSession&) = delete;
    BatchSession& operator=(const BatchSession&) = delete;

    // Announces the next file; false when the author cancelled the save.
    bool Next(std::string_view displayPath) { return ui_.Preparing(done_++, total_, displayPath); }
    // Yes for a file that does not exist yet or after "yes to all"; else the author's answer.
    OverwriteAnswer Ask(const std::filesystem::path& target, std::string_view displayPath);
    SaveUi& ui() { return ui_; }

private:
    SaveUi& ui_;
    std::size_t total_;
    std::size_t done_ = 0;
    bool yesToAll_ = false;
};

// What finishing an interrupted commit did.
struct RecoveredCommit {
    bool journalFound = false;
    int renamed = 0;  // prepared files renamed over their targets now
};
// Completes the commit that a journal in `journalFolder` records: every prepared file still there
// is renamed over its target (one that is gone had been renamed already), the folders flushed and
// the journal removed. A journal cut short (written before any rename) is only removed. Entries
// that do not name this program's temporary file beside its target, below `root`, are ignored.
RecoveredCommit FinishInterruptedCommit(const std::filesystem::path& root, const std::filesystem::path& journalFolder);

bool ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                           const WriteFault* fault = nullptr);

// The whole save of a list file: ask before replacing an existing file ("No" returns false and
// touches nothing), write atomically, report "cannot create" on failure. True when written.
bool SaveFile(const std::filesystem::path& target, std::string_view displayPath, std::string_view bytes,
              SaveUi& ui, const WriteFault* fault = nullptr);

// The same for a tag file made by `content`, streamed to disk as it is made.
using TagContent = TagContentFn;
bool SaveTagFile(const std::filesystem::path& target, std::string_view displayPath, const TagContent& content,
                 SaveUi& ui, const WriteFault* fault = nullptr);
// The bytes `content` makes, in memory.
std::string TagFileBytes(const TagContent& content);

}  // namespace lw
