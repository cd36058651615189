#pragma once
// Reading a whole list file, and saving one: the overwrite question, the "cannot create" report
// and an atomic replace of the old file.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lw {

// Files larger than this are treated as unreadable rather than loaded into memory.
inline constexpr std::uintmax_t kMaxListFileBytes = 1u << 30;

// The whole content of a file, or nullopt when it cannot be opened (missing, a folder, unreadable).
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

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
    std::filesystem::path target_;
    std::filesystem::path temp_;
    int fd_ = -1;
    bool ok_ = true;
    std::size_t written_ = 0;
    const WriteFault* fault_;
};

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
