#include "core/world/map_data.h"

#include <bit>
#include <cstring>
#include <iterator>

namespace lw {

namespace {

std::uint32_t ReadU32(const char* at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(at[0])) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(at[1])) << 8) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(at[2])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(at[3])) << 24);
}

void PutU32(char* at, std::uint32_t v) {
    at[0] = static_cast<char>(v & 0xFFu);
    at[1] = static_cast<char>((v >> 8) & 0xFFu);
    at[2] = static_cast<char>((v >> 16) & 0xFFu);
    at[3] = static_cast<char>((v >> 24) & 0xFFu);
}

constexpr bool kLittleEndianHost = std::endian::native == std::endian::little;

// The cells of a file's bytes, read as the vector is filled (no zeroed buffer first).
struct CellBytes {
    using iterator_category = std::random_access_iterator_tag;
    using value_type = std::uint32_t;
    using difference_type = std::ptrdiff_t;
    using pointer = const std::uint32_t*;
    using reference = std::uint32_t;
    const char* at = nullptr;
    std::uint32_t operator*() const {
        if constexpr (kLittleEndianHost) {
            std::uint32_t v;
            std::memcpy(&v, at, sizeof v);
            return v;
        } else {
            return ReadU32(at);
        }
    }
    CellBytes& operator++() {
        at += kMapCellBytes;
        return *this;
    }
    CellBytes operator++(int) {
        CellBytes was = *this;
        at += kMapCellBytes;
        return was;
    }
    CellBytes& operator--() {
        at -= kMapCellBytes;
        return *this;
    }
    CellBytes& operator+=(difference_type n) {
        at += n * static_cast<difference_type>(kMapCellBytes);
        return *this;
    }
    difference_type operator-(const CellBytes& o) const { return (at - o.at) / static_cast<difference_type>(kMapCellBytes); }
    bool operator==(const CellBytes&) const = default;
};

}  // namespace

bool ParseMapData(std::string_view bytes, MapData& map) {
    map.Clear();
    if (bytes.size() < kMapHeaderBytes) return false;
    const std::uint32_t width = ReadU32(bytes.data());
    const std::uint32_t height = ReadU32(bytes.data() + 4);
    // At most 2^64 - 2^34 bytes, so the product cannot overflow.
    const std::uint64_t cellCount = std::uint64_t{width} * height;
    const std::uint64_t available = (bytes.size() - kMapHeaderBytes) / kMapCellBytes;
    if (cellCount > available) return false;
    const std::size_t count = static_cast<std::size_t>(cellCount);
    const char* in = bytes.data() + kMapHeaderBytes;
    map.cells.assign(CellBytes{in}, CellBytes{in + count * kMapCellBytes});
    map.trailing.assign(bytes.substr(kMapHeaderBytes + count * kMapCellBytes));
    map.width = width;
    map.height = height;
    return true;
}

std::string MapDataBytes(const MapData& map) {
    const std::size_t cellBytes = map.cells.size() * kMapCellBytes;
    std::string out(kMapHeaderBytes + cellBytes + map.trailing.size(), '\0');
    PutU32(out.data(), map.width);
    PutU32(out.data() + 4, map.height);
    char* at = out.data() + kMapHeaderBytes;
    if constexpr (kLittleEndianHost) {
        if (cellBytes > 0) std::memcpy(at, map.cells.data(), cellBytes);
    } else {
        for (std::uint32_t cell : map.cells) {
            PutU32(at, cell);
            at += kMapCellBytes;
        }
    }
    if (!map.trailing.empty()) std::memcpy(out.data() + kMapHeaderBytes + cellBytes, map.trailing.data(), map.trailing.size());
    return out;
}

ReadStatus ReadMapDataFile(const std::filesystem::path& path, MapData& map) {
    // The cells are read straight into the map's own storage (kept from the map it held before
    // when that is large enough): one copy of the bytes, as ParseMapData makes from a buffer.
    map.width = map.height = 0;
    map.cells.clear();
    map.trailing.clear();
    ReadableFile file(path, kMediaFileCeiling);
    auto fail = [&map](ReadStatus status) {
        map.Clear();
        return status;
    };
    if (file.status != ReadStatus::Ok) return fail(file.status);
    char header[kMapHeaderBytes];
    std::size_t got = 0;
    if (!file.ReadUpTo(header, kMapHeaderBytes, got) || got < kMapHeaderBytes) return fail(ReadStatus::Unreadable);
    const std::uint32_t width = ReadU32(header);
    const std::uint32_t height = ReadU32(header + 4);
    const std::uint64_t cellCount = std::uint64_t{width} * height;
    if (cellCount > (file.size - kMapHeaderBytes) / kMapCellBytes) return fail(ReadStatus::Unreadable);
    const std::size_t cellBytes = static_cast<std::size_t>(cellCount) * kMapCellBytes;
    map.cells.resize(static_cast<std::size_t>(cellCount));
    if (!file.ReadUpTo(reinterpret_cast<char*>(map.cells.data()), cellBytes, got) || got < cellBytes)
        return fail(ReadStatus::Unreadable);
    if constexpr (!kLittleEndianHost) {
        for (std::uint32_t& cell : map.cells) cell = ReadU32(reinterpret_cast<const char*>(&cell));
    }
    map.trailing.resize(file.size - kMapHeaderBytes - cellBytes);
    if (!file.ReadUpTo(map.trailing.data(), map.trailing.size(), got)) return fail(ReadStatus::Unreadable);
    map.trailing.resize(got);  // the file may have shrunk since it was opened
    map.width = width;
    map.height = height;
    return ReadStatus::Ok;
}

ReadStatus LoadMapData(const Project& project, std::string_view fileName, MapData& map) {
    if (fileName.empty()) {
        map.Clear();
        return ReadStatus::Missing;
    }
    return ReadMapDataFile(DataFilePath(project, fileName), map);
}

bool WriteMapDataFile(const std::filesystem::path& path, const MapData& map, const WriteFault* fault) {
    if (path.empty() || map.cells.size() != std::uint64_t{map.width} * map.height) return false;
    return ReplaceFileAtomically(path, MapDataBytes(map), fault);
}

bool SaveMapData(const Project& project, std::string_view fileName, const MapData& map, SaveUi& ui, bool askOverwrite,
                 const WriteFault* fault) {
    const std::filesystem::path path = DataFilePath(project, fileName);
    if (askOverwrite && !path.empty()) {
        std::error_code ec;
        if (std::filesystem::exists(std::filesystem::symlink_status(path, ec)) &&
            !ui.ConfirmOverwrite(DataFileDisplayPath(project, fileName)))
            return false;
    }
    if (!WriteMapDataFile(path, map, fault)) {
        ui.CannotCreate();
        return false;
    }
    return true;
}

}  // namespace lw
