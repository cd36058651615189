#pragma once
// Reading a whole list file, and saving one: the overwrite question, the "cannot create" report
// and an atomic replace of the old file.

#include <cstddef>
#include <filesystem>
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

// Writes `bytes` to a temporary file beside `target`, flushes it to disk and renames it over
// `target`. On any failure the temporary file is removed and `target` is left as it was.
bool ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                           const WriteFault* fault = nullptr);

// The whole save of a list file: ask before replacing an existing file ("No" returns false and
// touches nothing), write atomically, report "cannot create" on failure. True when written.
bool SaveFile(const std::filesystem::path& target, std::string_view displayPath, std::string_view bytes,
              SaveUi& ui, const WriteFault* fault = nullptr);

}  // namespace lw
