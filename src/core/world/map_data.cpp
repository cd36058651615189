#include "core/world/map_data.h"

namespace lw {

namespace {

std::uint32_t ReadU32(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24);
}

void AppendU32(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFFu);
    out += static_cast<char>((v >> 8) & 0xFFu);
    out += static_cast<char>((v >> 16) & 0xFFu);
    out += static_cast<char>((v >> 24) & 0xFFu);
}

}  // namespace

bool ParseMapData(std::string_view bytes, MapData& map) {
    map.Clear();
    if (bytes.size() < kMapHeaderBytes) return false;
    const std::uint32_t width = ReadU32(bytes, 0);
    const std::uint32_t height = ReadU32(bytes, 4);
    // At most 2^64 - 2^34 bytes, so the product cannot overflow.
    const std::uint64_t cellCount = std::uint64_t{width} * height;
    const std::uint64_t available = (bytes.size() - kMapHeaderBytes) / kMapCellBytes;
    if (cellCount > available) return false;
    map.cells.resize(static_cast<std::size_t>(cellCount));
    const std::size_t count = static_cast<std::size_t>(cellCount);
    for (std::size_t i = 0; i < count; ++i) map.cells[i] = ReadU32(bytes, kMapHeaderBytes + i * kMapCellBytes);
    map.width = width;
    map.height = height;
    return true;
}

std::string MapDataBytes(const MapData& map) {
    std::string out;
    out.reserve(kMapHeaderBytes + map.cells.size() * kMapCellBytes);
    AppendU32(out, map.width);
    AppendU32(out, map.height);
    for (std::uint32_t cell : map.cells) AppendU32(out, cell);
    return out;
}

ReadStatus ReadMapDataFile(const std::filesystem::path& path, MapData& map) {
    map.Clear();
    FileBytes file = ReadFileBytes(path, kMediaFileCeiling);
    if (!file.ok()) return file.status;
    return ParseMapData(file.bytes, map) ? ReadStatus::Ok : ReadStatus::Unreadable;
}

ReadStatus LoadMapData(const Project& project, std::string_view fileName, MapData& map) {
    if (fileName.empty()) {
        map.Clear();
        return ReadStatus::Missing;
    }
    return ReadMapDataFile(DataFilePath(project, fileName), map);
}

}  // namespace lw
