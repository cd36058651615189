#include "core/tagfile/file_io.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace lw {

namespace fs = std::filesystem;

std::optional<std::string> ReadFileBytes(const fs::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || static_cast<std::uintmax_t>(st.st_size) > kMaxListFileBytes) {
        ::close(fd);
        return std::nullopt;
    }
    std::string out;
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (true) {
        if (got == out.size()) {
            // The file may have grown since fstat; read on in steps, within the limit.
            if (out.size() >= kMaxListFileBytes) break;
            out.resize(out.size() + 65536);
        }
        ssize_t n = ::read(fd, out.data() + got, out.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    out.resize(got);
    return out;
}

namespace {

bool WriteAll(int fd, std::string_view bytes, const WriteFault* fault) {
    std::size_t limit = bytes.size();
    if (fault && fault->failAfterBytes < limit) limit = fault->failAfterBytes;
    std::size_t done = 0;
    while (done < limit) {
        ssize_t n = ::write(fd, bytes.data() + done, limit - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return !(fault && fault->failAfterBytes < bytes.size());
}

}  // namespace

bool ReplaceFileAtomically(const fs::path& target, std::string_view bytes, const WriteFault* fault) {
    static std::mt19937_64 rng{std::random_device{}()};
    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    fs::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temp = dir / ("." + target.filename().string() + ".tmp" + std::to_string(rng() % 1000000000u));
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    // Keep the permissions of the file being replaced.
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(fd, st.st_mode & 07777);

    bool ok = WriteAll(fd, bytes, fault) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable.
    int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

bool SaveFile(const fs::path& target, std::string_view displayPath, std::string_view bytes, SaveUi& ui,
              const WriteFault* fault) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(target, ec)) || fs::exists(target, ec)) {
        if (!ui.ConfirmOverwrite(displayPath)) return false;
    }
    if (!ReplaceFileAtomically(target, bytes, fault)) {
        ui.CannotCreate();
        return false;
    }
    return true;
}

}  // namespace lw
