#include "support/core/temp_dir.h"

#include <fstream>
#include <random>
#include <sstream>

namespace lw::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device rd;
    for (int i = 0; i < 100; ++i) {
        fs::path candidate = fs::temp_directory_path() / ("lw-test-" + std::to_string(rd()));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

TempProject::TempProject() {
    project.gameFolder = "game";
    project.dataFolder = "data";
    project.imageFolder = "image";
    project.audioFolder = "audio";
    project.waitImage = "loading.bmp";
    project.root = dir.path();
    fs::create_directories(dir.path() / "data");
    fs::create_directories(dir.path() / "image");
    fs::create_directories(dir.path() / "audio");
}

void TempProject::WriteData(std::string_view name, std::string_view bytes) const {
    WriteBytes(DataFilePath(project, name), bytes);
}

std::string TempProject::ReadData(std::string_view name) const { return ReadBytes(DataFilePath(project, name)); }

void WriteBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::map<std::string, std::string> FolderFiles(const fs::path& folder) {
    std::map<std::string, std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        if (e.is_symlink() || !e.is_regular_file()) continue;
        out[fs::relative(e.path(), folder).string()] = ReadBytes(e.path());
    }
    return out;
}

}  // namespace lw::test
