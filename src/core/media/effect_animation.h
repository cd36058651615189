#pragma once
// Effect animations: short frame animations cut from one chip sheet (a bitmap laid out as a grid
// of equal cells). image_effect.txt in the data folder holds the list; the effect table is the
// in-memory copy that other editors offer as animation choices (by 0-based index).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"

namespace lw {

inline constexpr int kEffectFrameCapacity = 64;
inline constexpr std::size_t kEffectNameBytes = 63;    // a 64-byte field with its terminator
inline constexpr std::size_t kEffectImageBytes = 259;  // a 260-byte field with its terminator
// The effect table never holds more records than this, whatever count a file declares; the list
// editor refuses to add beyond it.
inline constexpr int kEffectTableCapacity = 4096;
// The game screen on which the frames are placed.
inline constexpr int kEffectScreenWidth = 320;
inline constexpr int kEffectScreenHeight = 240;

inline constexpr std::string_view kEffectFile = "image_effect.txt";

// One frame: which chip of the sheet (column and row in the chip grid, 0-based) and where it is
// drawn on the 320 x 240 screen.
struct EffectFrame {
    int column = 0;
    int row = 0;
    int x = 0;
    int y = 0;
    bool operator==(const EffectFrame&) const = default;
};

struct EffectAnimation {
    int reserved1 = 0;   // kept as read; not used by the editor
    int drawMode = 0;    // 0 opaque, 1 additive, 2 alpha
    int colorKey = 0;    // 0 off, 1 on
    int keyRed = 0;
    int keyGreen = 0;
    int keyBlue = 0;
    std::string name;       // CP932, at most kEffectNameBytes
    std::string imageFile;  // CP932 file name in the image folder, at most kEffectImageBytes
    int reserved2 = 0;
    int reserved3 = 0;
    int areaLeft = 0;  // the chip area inside the image
    int areaTop = 0;
    int areaWidth = 0;
    int areaHeight = 0;
    int cellWidth = 0;  // the size of one chip
    int cellHeight = 0;
    int speed = 0;       // frame duration in units of 30 ms
    int frameCount = 0;  // 0..kEffectFrameCapacity
    // All 64 slots are kept: a frame's position survives a change of the frame count.
    std::array<EffectFrame, kEffectFrameCapacity> frames{};

    bool operator==(const EffectAnimation&) const = default;
};

// The text an animation is listed under: its name, or its image file when the name is empty.
const std::string& EffectDisplayName(const EffectAnimation& animation);

// The whole of image_effect.txt for `animations` (the count line is their number).
std::string EffectFileBytes(const std::vector<EffectAnimation>& animations);
class TagWriter;
void WriteEffectFile(TagWriter& w, const std::vector<EffectAnimation>& animations);

// The editor's reading: every completed record section in file order, the count ignored.
std::vector<EffectAnimation> ParseEffectList(std::string_view bytes);
// A missing or unreadable file gives an empty list.
ReadStatus LoadEffectList(const Project& project, std::vector<EffectAnimation>& out);
bool SaveEffectList(const Project& project, const std::vector<EffectAnimation>& animations, SaveUi& ui);

// The table other editors choose animations from. Its size is the file's count (clamped to
// 0..kEffectTableCapacity); record i is the i-th record section of the file while i is below the
// count; records without a section stay cleared.
struct EffectTable {
    std::vector<EffectAnimation> records;
    int count() const { return static_cast<int>(records.size()); }
};
void ParseEffectTable(std::string_view bytes, EffectTable& table);
// Releases the old records first; a missing or unreadable file leaves the table empty.
ReadStatus LoadEffectTable(const Project& project, EffectTable& table);
// Frees the records and sets the count to 0; releasing twice is harmless.
void ReleaseEffectTable(EffectTable& table);

// The items of an animation drop-down: one per table record, its display name, in table order.
std::vector<std::string> EffectComboItems(const EffectTable& table);

}  // namespace lw
