#include "core/tagfile/file_io.h"

#include "core/tagfile/tag_writer.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <unordered_map>
#include <unordered_set>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lw {

namespace fs = std::filesystem;

void AdviseHugePages(const void* data, std::size_t bytes) {
#ifdef __linux__
    constexpr std::uintptr_t kHuge = std::uintptr_t{1} << 21;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kHuge - 1) & ~(kHuge - 1);
    const std::uintptr_t last = (start + bytes) & ~(kHuge - 1);
    if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

namespace {

// Grows `buffer` to `size` bytes; a large one is offered huge pages before it is first touched.
void GrowBuffer(std::string& buffer, std::size_t size) {
    if (size >= (std::size_t{4} << 20) && buffer.capacity() < size) {
        buffer.reserve(size);
        AdviseHugePages(buffer.data() + buffer.size(), size - buffer.size());
    }
    buffer.resize(size);
}

// Reads the regular file at `path` (at most `ceiling` bytes) into `buffer`, which grows when it is
// too small and never shrinks; `size` is the content's length.
ReadStatus ReadInto(const fs::path& path, std::uintmax_t ceiling, std::string& buffer, std::size_t& size) {
    size = 0;
    ReadableFile file(path, ceiling);
    if (file.status != ReadStatus::Ok) return file.status;
    if (buffer.size() < file.size) GrowBuffer(buffer, file.size);
    if (!file.ReadUpTo(buffer.data(), file.size, size)) return ReadStatus::Unreadable;
    return ReadStatus::Ok;
}

}  // namespace

ReadableFile::ReadableFile(const fs::path& path, std::uintmax_t ceiling) {
    struct stat st {};
    status = ReadStatus::Unreadable;
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) status = ReadStatus::Missing;
        return;
    }
    if (!S_ISREG(st.st_mode) || static_cast<std::uintmax_t>(st.st_size) > ceiling) return;
    // O_NONBLOCK: should the path have been swapped for a FIFO since the stat, open does not wait
    // for a writer; fstat below then refuses it.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) return;
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) || static_cast<std::uintmax_t>(st.st_size) > ceiling) return;
    size = static_cast<std::size_t>(st.st_size);
    status = ReadStatus::Ok;
}

ReadableFile::~ReadableFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool ReadableFile::ReadUpTo(char* into, std::size_t wanted, std::size_t& got) {
    got = 0;
    while (got < wanted) {
        ssize_t n = ::read(fd_, into + got, wanted - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) break;  // the file shrank since it was opened
        got += static_cast<std::size_t>(n);
    }
    return true;
}

FileBytes ReadFileBytes(const fs::path& path, std::uintmax_t ceiling) {
    FileBytes result;
    std::size_t size = 0;
    result.status = ReadInto(path, ceiling, result.bytes, size);
    result.bytes.resize(size);
    return result;
}

namespace {

// Temporary files: ".lw" + 8 hex digits of the target's name + "." + 8 random hex digits + ".tmp".
constexpr std::string_view kTempPrefix = ".lw";
constexpr std::string_view kTempSuffix = ".tmp";
constexpr std::size_t kTempNameBytes = 3 + 8 + 1 + 8 + 4;

// FNV-1a: the same digits for the same name in every run.
std::uint32_t NameHash(std::string_view name) {
    std::uint32_t h = 2166136261u;
    for (unsigned char c : name) {
        h ^= c;
        h *= 16777619u;
    }
    return h;
}

std::string Hex8(std::uint32_t v) {
    static const char kDigits[] = "0123456789abcdef";
    std::string out(8, '0');
    for (int i = 7; i >= 0; --i) {
        out[static_cast<std::size_t>(i)] = kDigits[v & 0xF];
        v >>= 4;
    }
    return out;
}

bool IsHex8(std::string_view s) {
    return s.size() == 8 && std::all_of(s.begin(), s.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

// Removes this program's temporary files in `folder` for which `wanted(name)` holds.
template <typename Wanted>
int RemoveOwnTemporariesIf(const fs::path& folder, const Wanted& wanted) {
    int removed = 0;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!IsOwnTemporaryName(name) || !wanted(name)) continue;
        std::error_code typeEc;
        if (!it->is_regular_file(typeEc) || it->is_symlink(typeEc)) continue;
        std::error_code removeEc;
        if (fs::remove(it->path(), removeEc)) ++removed;
    }
    return removed;
}

// Removes this program's temporary files in `folder`: all of them, or those of `target` only.
int RemoveOwnTemporaries(const fs::path& folder, std::string_view target) {
    return RemoveOwnTemporariesIf(folder, [&](const std::string& name) { return IsOwnTemporaryName(name, target); });
}

// The save may replace the file: write permission for this user (as root, which the permission
// bits do not stop, at least one write bit must be set: a file made read-only stays so).
bool MayReplace(const fs::path& file, const struct stat& st) {
    if ((st.st_mode & 0222) == 0) return false;
    return ::geteuid() == 0 || ::access(file.c_str(), W_OK) == 0;
}

}  // namespace

bool IsOwnTemporaryName(std::string_view f, std::string_view target) {
    if (f.size() != kTempNameBytes || f.substr(0, 3) != kTempPrefix || f[11] != '.' || f.substr(20) != kTempSuffix)
        return false;
    if (!IsHex8(f.substr(3, 8)) || !IsHex8(f.substr(12, 8))) return false;
    return target.empty() || f.substr(3, 8) == Hex8(NameHash(target));
}

int RemoveStaleTemporaryFiles(const fs::path& folder) { return RemoveOwnTemporaries(folder, {}); }

std::optional<fs::path> SaveTargetOf(const fs::path& path) {
    fs::path p = path;
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code ec;
        const fs::file_status st = fs::symlink_status(p, ec);
        if (ec || !fs::is_symlink(st)) return p;
        const fs::path link = fs::read_symlink(p, ec);
        if (ec) return p;
        p = link.is_absolute() ? link : p.parent_path() / link;
    }
    return std::nullopt;  // a loop of links
}

namespace {

bool IsBelow(const fs::path& base, const fs::path& p) {
    auto b = base.begin();
    auto q = p.begin();
    for (; b != base.end(); ++b, ++q) {
        if (q == p.end() || *q != *b) return false;
    }
    return q != p.end();  // the root itself is not a file below it
}

// `resolved` (a save target, links of its last component followed) made absolute with its folders
// resolved; the folders' resolution is kept in `folders` when given, so many files of one folder
// cost one resolution.
std::optional<fs::path> ResolveFolders(const fs::path& resolved,
                                       std::unordered_map<std::string, fs::path>* folders) {
    const fs::path name = resolved.filename();
    std::error_code ec;
    if (name.empty() || name == "." || name == "..") {
        fs::path whole = fs::weakly_canonical(fs::absolute(resolved, ec), ec);
        if (ec) return std::nullopt;
        return whole;
    }
    fs::path folder = resolved.parent_path();
    if (folder.empty()) folder = ".";
    if (folders) {
        auto found = folders->find(folder.string());
        if (found != folders->end()) return found->second / name;
    }
    fs::path canonical = fs::weakly_canonical(fs::absolute(folder, ec), ec);
    if (ec) return std::nullopt;
    if (folders) folders->emplace(folder.string(), canonical);
    return canonical / name;
}

std::optional<fs::path> CanonicalRoot(const fs::path& root) {
    if (root.empty()) return std::nullopt;
    std::error_code ec;
    fs::path r = fs::weakly_canonical(fs::absolute(root, ec), ec);
    if (ec) return std::nullopt;
    return r;
}

std::optional<fs::path> ContainedIn(const fs::path& canonicalRoot, const fs::path& path,
                                    std::unordered_map<std::string, fs::path>* folders) {
    if (path.empty()) return std::nullopt;
    auto target = SaveTargetOf(path);
    if (!target) return std::nullopt;
    auto resolved = ResolveFolders(*target, folders);
    if (!resolved || !IsBelow(canonicalRoot, *resolved)) return std::nullopt;
    return resolved;
}

}  // namespace

std::optional<fs::path> ContainedSaveTarget(const fs::path& root, const fs::path& path) {
    auto base = CanonicalRoot(root);
    if (!base) return std::nullopt;
    return ContainedIn(*base, path, nullptr);
}

ReadStatus FileReader::Read(const fs::path& path, std::uintmax_t ceiling) {
    return ReadInto(path, ceiling, buffer_, size_);
}

AtomicFile::AtomicFile(const fs::path& target, const WriteFault* fault, bool clearLeftovers)
    : target_(target), fault_(fault) {
    if (target.filename().empty()) return;
    auto resolved = SaveTargetOf(target);
    if (!resolved || resolved->filename().empty()) return;
    target_ = *resolved;
    struct stat st {};
    const bool exists = ::stat(target_.c_str(), &st) == 0;
    // Only a regular file is replaced, and not one the author made read-only.
    if (exists && (!S_ISREG(st.st_mode) || !MayReplace(target_, st))) return;

    fs::path dir = target_.parent_path();
    if (dir.empty()) dir = ".";
    const std::string name = target_.filename().string();
    if (clearLeftovers) RemoveOwnTemporaries(dir, name);  // left by a save of this file that never finished

    static std::mt19937 rng{std::random_device{}()};
    const std::string hash = Hex8(NameHash(name));
    for (int attempt = 0; attempt < 16 && fd_ < 0; ++attempt) {
        temp_ = dir / (std::string(kTempPrefix) + hash + "." + Hex8(static_cast<std::uint32_t>(rng())) +
                       std::string(kTempSuffix));
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) return;
    // Keep the permissions of the file being replaced.
    if (exists) ::fchmod(fd_, st.st_mode & 07777);
}

AtomicFile::~AtomicFile() {
    if (fd_ >= 0) ::close(fd_);
    if (fd_ >= 0 || sealed_) ::unlink(temp_.c_str());
}

bool AtomicFile::Write(std::string_view bytes) {
    if (!ok()) return false;
    std::size_t limit = bytes.size();
    if (fault_ && fault_->failAfterBytes < written_ + limit) {
        limit = fault_->failAfterBytes > written_ ? fault_->failAfterBytes - written_ : 0;
        ok_ = false;
    }
    std::size_t done = 0;
    while (done < limit) {
        ssize_t n = ::write(fd_, bytes.data() + done, limit - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok_ = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    written_ += done;
    return ok_;
}

bool AtomicFile::Seal() {
    if (sealed_) return true;
    if (fd_ < 0) return false;
    bool good = ok_ && ::fsync(fd_) == 0;
    good = (::close(fd_) == 0) && good;
    fd_ = -1;
    if (!good) {
        ok_ = false;
        ::unlink(temp_.c_str());
        return false;
    }
    sealed_ = true;
    return true;
}

bool AtomicFile::Commit(bool syncFolder) {
    if (!Seal()) return false;
    sealed_ = false;
    if (::rename(temp_.c_str(), target_.c_str()) != 0) {
        ::unlink(temp_.c_str());
        return false;
    }
    if (syncFolder) SyncFolder(target_.parent_path());
    return true;
}

void SyncFolder(const fs::path& folder) {
    fs::path dir = folder.empty() ? fs::path(".") : folder;
    int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

FileBatch::FileBatch(fs::path root, fs::path journalFolder)
    : root_(std::move(root)), journalFolder_(std::move(journalFolder)) {}

FileBatch::~FileBatch() { Discard(); }

namespace {

// The journal: a header line, then for each prepared file its temporary path and its target, each
// ended by NUL (no path holds one), then an end line. A journal without its end line was cut short
// before any rename.
constexpr std::string_view kJournalHeader = "lorewright commit 1\n";
constexpr std::string_view kJournalEnd = "end\n";

bool WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

FileBatch::Check FileBatch::Plan(const std::vector<fs::path>& targets) {
    Check check;
    planned_ = true;
    std::unordered_map<std::string, std::size_t> seen;
    seen.reserve(targets.size());
    // The target names of each resolved folder, as the hash digits their temporary files carry.
    std::unordered_map<std::string, std::unordered_set<std::string>> digitsByFolder;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        auto resolved = Contained(targets[i]);
        if (!resolved) {
            check.outside.push_back(targets[i]);
            continue;
        }
        auto [at, fresh] = seen.emplace(resolved->string(), i);
        if (!fresh && !check.sameFile) check.sameFile = std::make_pair(targets[at->second], targets[i]);
        digitsByFolder[resolved->parent_path().string()].insert(Hex8(NameHash(resolved->filename().string())));
    }
    if (!check.ok()) {
        for (const fs::path& t : check.outside) {
            outside_.push_back(t);
            failed_.push_back(t);
        }
        if (check.sameFile) failed_.push_back(check.sameFile->second);
        return check;
    }
    for (const auto& entry : digitsByFolder) {
        const auto& digits = entry.second;  // a lambda cannot capture a structured binding in C++20
        RemoveOwnTemporariesIf(fs::path(entry.first), [&digits](const std::string& name) {
            return digits.count(name.substr(3, 8)) > 0;
        });
    }
    return check;
}

std::optional<fs::path> FileBatch::Contained(const fs::path& target) {
    if (!canonicalRoot_) canonicalRoot_ = CanonicalRoot(root_);
    if (!*canonicalRoot_) return std::nullopt;
    return ContainedIn(**canonicalRoot_, target, &folders_);
}

std::unique_ptr<AtomicFile> FileBatch::Open(const fs::path& target, const WriteFault* fault) {
    auto resolved = Contained(target);
    if (!resolved) {
        outside_.push_back(target);
        return nullptr;
    }
    return std::make_unique<AtomicFile>(*resolved, fault, !planned_);
}

bool FileBatch::Prepare(const fs::path& target, std::string_view bytes, const WriteFault* fault) {
    auto file = Open(target, fault);
    if (!(file && file->Write(bytes) && file->Seal())) {
        failed_.push_back(target);
        return false;
    }
    files_.push_back(std::move(file));
    return true;
}

bool FileBatch::PrepareTag(const fs::path& target, const TagContentFn& content, const WriteFault* fault) {
    auto file = Open(target, fault);
    bool good = false;
    if (file && file->ok()) {
        TagWriter writer([&file](std::string_view chunk) { return file->Write(chunk); });
        content(writer);
        good = writer.Finish() && file->Seal();
    }
    if (!good) {
        failed_.push_back(target);
        return false;
    }
    files_.push_back(std::move(file));
    return true;
}

bool FileBatch::WriteJournal() const {
    const fs::path journal = journalFolder_ / std::string(kCommitJournalName);
    std::string bytes(kJournalHeader);
    for (const auto& f : files_) {
        bytes += f->temporary().string();
        bytes.push_back('\0');
        bytes += f->target().string();
        bytes.push_back('\0');
    }
    bytes += kJournalEnd;
    ::unlink(journal.c_str());  // never write through whatever stands at that name
    int fd = ::open(journal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool good = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    good = (::close(fd) == 0) && good;
    if (!good) {
        ::unlink(journal.c_str());
        return false;
    }
    SyncFolder(journalFolder_);
    return true;
}

bool FileBatch::CommitAll(const CommitFault* fault) {
    notReplaced_.clear();
    if (!ok()) {
        Discard();
        return false;
    }
    // One file is replaced by one rename: nothing to journal.
    const bool journaled = files_.size() > 1;
    if (journaled && !WriteJournal()) {
        for (const auto& f : files_) notReplaced_.push_back(f->target());
        Discard();
        return false;
    }
    std::vector<fs::path> folders;
    std::unordered_set<std::string> seenFolders;
    for (std::size_t i = 0; i < files_.size(); ++i) {
        if (fault && i == fault->stopAfterRenames) {
            // The process "dies" here: what is prepared and the journal stay for the next open.
            for (std::size_t k = i; k < files_.size(); ++k) files_[k]->Abandon();
            files_.clear();
            return false;
        }
        if (!files_[i]->Commit(false)) {
            for (std::size_t k = i; k < files_.size(); ++k) notReplaced_.push_back(files_[k]->target());
            break;
        }
        fs::path folder = files_[i]->target().parent_path();
        if (seenFolders.insert(folder.string()).second) folders.push_back(std::move(folder));
    }
    for (const fs::path& folder : folders) SyncFolder(folder);
    if (journaled) {
        ::unlink((journalFolder_ / std::string(kCommitJournalName)).c_str());
        SyncFolder(journalFolder_);
    }
    files_.clear();  // any file not committed is removed here
    return notReplaced_.empty();
}

void FileBatch::Discard() { files_.clear(); }

OverwriteAnswer BatchSession::Ask(const fs::path& target, std::string_view displayPath) {
    std::error_code ec;
    if (yesToAll_ || !(fs::exists(fs::symlink_status(target, ec)) || fs::exists(target, ec))) return OverwriteAnswer::Yes;
    const OverwriteAnswer answer = ui_.ConfirmOverwriteOfMany(displayPath);
    if (answer == OverwriteAnswer::YesToAll) yesToAll_ = true;
    return answer;
}

RecoveredCommit FinishInterruptedCommit(const fs::path& root, const fs::path& journalFolder) {
    RecoveredCommit result;
    const fs::path journal = journalFolder / std::string(kCommitJournalName);
    struct stat st {};
    if (::lstat(journal.c_str(), &st) != 0) return result;
    result.journalFound = true;
    const FileBytes bytes = S_ISREG(st.st_mode) ? ReadFileBytes(journal, kListFileCeiling) : FileBytes{};
    std::string_view rest = bytes.bytes;
    const bool complete = bytes.ok() && rest.starts_with(kJournalHeader) && rest.ends_with(kJournalEnd);
    const auto base = CanonicalRoot(root);
    if (complete && base) {
        rest = rest.substr(kJournalHeader.size(), rest.size() - kJournalHeader.size() - kJournalEnd.size());
        std::unordered_map<std::string, fs::path> folderCache;
        std::vector<fs::path> folders;
        std::unordered_set<std::string> seenFolders;
        while (!rest.empty()) {
            const std::size_t a = rest.find('\0');
            if (a == std::string_view::npos) break;
            const std::size_t b = rest.find('\0', a + 1);
            if (b == std::string_view::npos) break;
            const fs::path temp(std::string(rest.substr(0, a)));
            const fs::path target(std::string(rest.substr(a + 1, b - a - 1)));
            rest.remove_prefix(b + 1);
            // Only this program's temporary file beside its own target, below the project folder.
            if (temp.parent_path() != target.parent_path() ||
                !IsOwnTemporaryName(temp.filename().string(), target.filename().string()))
                continue;
            auto contained = ContainedIn(*base, target, &folderCache);
            if (!contained || *contained != target) continue;
            struct stat ts {};
            if (::lstat(temp.c_str(), &ts) != 0 || !S_ISREG(ts.st_mode)) continue;  // renamed already
            if (::rename(temp.c_str(), target.c_str()) == 0) {
                ++result.renamed;
                if (seenFolders.insert(target.parent_path().string()).second) folders.push_back(target.parent_path());
            }
        }
        for (const fs::path& folder : folders) SyncFolder(folder);
    }
    ::unlink(journal.c_str());
    SyncFolder(journalFolder);
    return result;
}

bool ReplaceFileAtomically(const fs::path& target, std::string_view bytes, const WriteFault* fault) {
    AtomicFile file(target, fault);
    return file.Write(bytes) && file.Commit();
}

namespace {

// Asks before replacing an existing file; false when the author declines.
bool MayWrite(const fs::path& target, std::string_view displayPath, SaveUi& ui) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(target, ec)) || fs::exists(target, ec)) return ui.ConfirmOverwrite(displayPath);
    return true;
}

}  // namespace

bool SaveFile(const fs::path& target, std::string_view displayPath, std::string_view bytes, SaveUi& ui,
              const WriteFault* fault) {
    if (!MayWrite(target, displayPath, ui)) return false;
    if (!ReplaceFileAtomically(target, bytes, fault)) {
        ui.CannotCreate();
        return false;
    }
    return true;
}

bool SaveTagFile(const fs::path& target, std::string_view displayPath, const TagContent& content, SaveUi& ui,
                 const WriteFault* fault) {
    if (!MayWrite(target, displayPath, ui)) return false;
    AtomicFile file(target, fault);
    bool written = false;
    if (file.ok()) {
        TagWriter writer([&file](std::string_view chunk) { return file.Write(chunk); });
        content(writer);
        written = writer.Finish() && file.Commit();
    }
    if (!written) {
        ui.CannotCreate();
        return false;
    }
    return true;
}

std::string TagFileBytes(const TagContent& content) {
    TagWriter writer;
    content(writer);
    return writer.Take();
}

}  // namespace lw
