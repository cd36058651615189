#include "core/tagfile/file_io.h"

#include "core/tagfile/tag_writer.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace lw {

namespace fs = std::filesystem;

namespace {

// Reads the regular file at `path` (at most `ceiling` bytes) into `buffer`, which grows when it is
// too small and never shrinks; `size` is the content's length.
ReadStatus ReadInto(const fs::path& path, std::uintmax_t ceiling, std::string& buffer, std::size_t& size) {
    size = 0;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return (errno == ENOENT || errno == ENOTDIR) ? ReadStatus::Missing : ReadStatus::Unreadable;
    }
    if (!S_ISREG(st.st_mode) || static_cast<std::uintmax_t>(st.st_size) > ceiling) return ReadStatus::Unreadable;
    // O_NONBLOCK: should the path have been swapped for a FIFO since the stat, open does not wait
    // for a writer; fstat below then refuses it.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return ReadStatus::Unreadable;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || static_cast<std::uintmax_t>(st.st_size) > ceiling) {
        ::close(fd);
        return ReadStatus::Unreadable;
    }
    const std::size_t expected = static_cast<std::size_t>(st.st_size);
    if (buffer.size() < expected) buffer.resize(expected);
    std::size_t got = 0;
    while (got < expected) {
        ssize_t n = ::read(fd, buffer.data() + got, expected - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return ReadStatus::Unreadable;
        }
        if (n == 0) break;  // the file shrank since fstat
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    size = got;
    return ReadStatus::Ok;
}

}  // namespace

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

// Removes this program's temporary files in `folder`: all of them, or those of `target` only.
int RemoveOwnTemporaries(const fs::path& folder, std::string_view target) {
    int removed = 0;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!IsOwnTemporaryName(name, target)) continue;
        std::error_code typeEc;
        if (!it->is_regular_file(typeEc) || it->is_symlink(typeEc)) continue;
        std::error_code removeEc;
        if (fs::remove(it->path(), removeEc)) ++removed;
    }
    return removed;
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

ReadStatus FileReader::Read(const fs::path& path, std::uintmax_t ceiling) {
    return ReadInto(path, ceiling, buffer_, size_);
}

AtomicFile::AtomicFile(const fs::path& target, const WriteFault* fault) : target_(target), fault_(fault) {
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
    RemoveOwnTemporaries(dir, name);  // left by a save of this file that never finished

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

FileBatch::~FileBatch() { Discard(); }

bool FileBatch::Prepare(const fs::path& target, std::string_view bytes, const WriteFault* fault) {
    auto file = std::make_unique<AtomicFile>(target, fault);
    if (!(file->Write(bytes) && file->Seal())) {
        failed_.push_back(target);
        return false;
    }
    files_.push_back(std::move(file));
    return true;
}

bool FileBatch::PrepareTag(const fs::path& target, const TagContentFn& content, const WriteFault* fault) {
    auto file = std::make_unique<AtomicFile>(target, fault);
    bool good = false;
    if (file->ok()) {
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

bool FileBatch::CommitAll() {
    notReplaced_.clear();
    if (!ok()) {
        Discard();
        return false;
    }
    std::vector<fs::path> folders;
    for (std::size_t i = 0; i < files_.size(); ++i) {
        if (!files_[i]->Commit(false)) {
            for (std::size_t k = i; k < files_.size(); ++k) notReplaced_.push_back(files_[k]->target());
            break;
        }
        fs::path folder = files_[i]->target().parent_path();
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
    }
    for (const fs::path& folder : folders) SyncFolder(folder);
    files_.clear();  // any file not committed is removed here
    return notReplaced_.empty();
}

void FileBatch::Discard() { files_.clear(); }

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
