#pragma once
// The binary map data file a scene names, and the map in memory.
//
// File layout (little-endian): width in cells (4 bytes, unsigned), height in cells (4 bytes,
// unsigned), then width x height cells of 4 bytes each, row-major. The game ignores bytes after
// the cells; they are kept and written back as they were. A cell holds the layer-0 chip number in
// its bits 0-7 and the layer-1 chip number in its bits 16-23; chip number 0 means the layer has no
// chip there. Bits 8-15 and 24-31 are not used here but are kept as read and written back.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"
#include "core/tagfile/file_io.h"

namespace lw {

inline constexpr int kCellPixels = 32;
inline constexpr std::size_t kMapHeaderBytes = 8;
inline constexpr std::size_t kMapCellBytes = 4;

// The chip numbers of one cell value.
constexpr int Layer0Chip(std::uint32_t cell) { return static_cast<int>(cell & 0xFFu); }
constexpr int Layer1Chip(std::uint32_t cell) { return static_cast<int>((cell >> 16) & 0xFFu); }
// A cell value from its chip numbers and the two bytes this system does not use.
constexpr std::uint32_t MakeMapCell(int layer0, int layer1, int byte1 = 0, int byte3 = 0) {
    return (static_cast<std::uint32_t>(layer0) & 0xFFu) | ((static_cast<std::uint32_t>(byte1) & 0xFFu) << 8) |
           ((static_cast<std::uint32_t>(layer1) & 0xFFu) << 16) | ((static_cast<std::uint32_t>(byte3) & 0xFFu) << 24);
}

struct MapData {
    std::uint32_t width = 0;   // in cells
    std::uint32_t height = 0;  // in cells
    std::vector<std::uint32_t> cells;  // width x height, cell (x, y) at y x width + x
    std::string trailing;  // the bytes after the cells in the file, written back as they were

    // True when the map holds cells to draw.
    bool empty() const { return cells.empty(); }
    // The cell at (x, y); the caller keeps x < width and y < height.
    std::uint32_t At(std::uint32_t x, std::uint32_t y) const {
        return cells[static_cast<std::size_t>(y) * width + x];
    }
    void Clear() {
        width = height = 0;
        cells.clear();
        cells.shrink_to_fit();
        trailing.clear();
    }
    bool operator==(const MapData&) const = default;
};

// Reads a map from the bytes of a map data file. False, with `map` left empty (0 x 0, no cells),
// when the bytes end before the header or before all the cells the header declares: the size is
// checked against the bytes before anything is allocated, so a header claiming 65535 x 65535 on a
// short file fails at once.
bool ParseMapData(std::string_view bytes, MapData& map);

// The bytes of a map data file for `map` (the cells it holds; a map whose cells do not match its
// size writes its size and the cells it has), then its trailing bytes.
std::string MapDataBytes(const MapData& map);

// Reads the map data file at `path` (a file of at most kMediaFileCeiling bytes). Replaces `map`:
// Ok with the map, Missing or Unreadable (which includes a file that ends early) with `map` empty.
ReadStatus ReadMapDataFile(const std::filesystem::path& path, MapData& map);
// The map data file `fileName` (a scene's mapDataFile) in the project's data folder.
ReadStatus LoadMapData(const Project& project, std::string_view fileName, MapData& map);

// Writes `map` to `path` atomically (a temporary file beside it, flushed, renamed over it), so a
// failed write leaves the old file as it was. False, writing nothing, for a map whose cells do not
// match its size.
bool WriteMapDataFile(const std::filesystem::path& path, const MapData& map, const WriteFault* fault = nullptr);
// Saves `map` as the data folder's `fileName`. With `askOverwrite`, an existing file is replaced
// only when the author agrees (SaveUi::ConfirmOverwrite with the ".\data\name" form). A write that
// fails is reported (SaveUi::CannotCreate). True when written.
bool SaveMapData(const Project& project, std::string_view fileName, const MapData& map, SaveUi& ui,
                 bool askOverwrite, const WriteFault* fault = nullptr);

}  // namespace lw
