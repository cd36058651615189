#pragma once
// Map animations: short frame animations of the terrain, cut from one bitmap. Each file
// ("map_anim%d.txt" in the data folder) names its bitmap, the size of one frame and the speed, and
// holds up to 64 animations of up to 32 frames each; a frame is the top-left corner of its
// rectangle in the bitmap, in pixels. A scene names one such file and assigns its animations to
// the chips of its background chip set (Scene::terrainAnimation).
//
// Records are sized by what they hold: a file with 3 animations holds 3. The reader clamps the
// counts (64 animations, 32 frames) and ignores what lies beyond them; the writer writes no more
// than those limits, so what it writes reads back to the same record.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"
#include "core/tagfile/file_io.h"

namespace lw {

class TagWriter;

inline constexpr int kMapAnimationCapacity = 64;       // animations a file holds
inline constexpr int kMapAnimationFrameCapacity = 32;  // frames an animation holds
// The editor adds animations only while fewer than this many are listed; a file with 64 is still
// read and written whole.
inline constexpr int kMapAnimationAddLimit = 63;
inline constexpr std::size_t kMapAnimationImageBytes = 259;
inline constexpr int kMapAnimationMaxSpeed = 100;

inline constexpr std::string_view kMapAnimationFilePattern = "map_anim*.txt";

// One frame: the top-left corner of its rectangle in the bitmap, in pixels.
struct MapAnimationFrame {
    int x = 0;
    int y = 0;
    bool operator==(const MapAnimationFrame&) const = default;
};

// One animation: its frames in the order shown (at most kMapAnimationFrameCapacity).
struct MapAnimationSequence {
    std::vector<MapAnimationFrame> frames;
    int frameCount() const { return static_cast<int>(frames.size()); }
    bool operator==(const MapAnimationSequence&) const = default;
};

struct MapAnimation {
    std::string imageFile;  // CP932, the bitmap in the image folder; one token, at most 259 bytes
    int frameWidth = 0;     // the size of one frame in pixels
    int frameHeight = 0;
    int speed = 0;  // frame duration in units of 30 ms, 0..100
    std::vector<MapAnimationSequence> animations;  // at most kMapAnimationCapacity, numbered from 0

    int animationCount() const { return static_cast<int>(animations.size()); }
    bool operator==(const MapAnimation&) const = default;
};

// A new file: frames of 32 x 32, speed 1, no bitmap and no animations.
MapAnimation NewMapAnimation();

// "map_anim%d.txt" for a file number, and the number of such a name (nullopt for names that carry
// none: "map_anim07.txt", "map_anim_old.txt").
std::string MapAnimationFileName(int number);
std::optional<int> MapAnimationNumberFromFileName(std::string_view fileName);

// The map animation files of the data folder: names matching "map_anim*.txt" (without case) that
// carry a number, sorted by name as text.
struct MapAnimationFileEntry {
    std::string fileName;  // CP932
    int number = 0;
};
std::vector<MapAnimationFileEntry> ListMapAnimationFiles(const Project& project);

// Reads a file's bytes into `animation`, which is cleared first. Any bytes read.
void ParseMapAnimation(std::string_view bytes, MapAnimation& animation);
// The file's bytes, and the same streamed through a writer.
std::string MapAnimationBytes(const MapAnimation& animation);
void WriteMapAnimation(TagWriter& w, const MapAnimation& animation);

// Reads `fileName` from the data folder into `animation` (cleared first; a missing or unreadable
// file leaves it cleared).
ReadStatus LoadMapAnimationFile(const Project& project, std::string_view fileName, MapAnimation& animation);
// The overwrite question, an atomic replace, "cannot create" on failure. True when written.
bool SaveMapAnimationFile(const Project& project, std::string_view fileName, const MapAnimation& animation,
                          SaveUi& ui);

// The text of an animation's row: "%d %d" for the first frame, " %d %d" for each further one.
std::string FrameListText(const MapAnimationSequence& sequence);

// Why the bitmap step cannot go on to the animations, checked in this order.
enum class MapAnimationProblem {
    None,
    FrameSizeBelowOne,  // frame width or height below 1
    NoImage,            // no bitmap chosen
    ImageNameHasBlank,  // the bitmap's name is one token of its line
};
MapAnimationProblem CheckMapAnimationSettings(const MapAnimation& animation);

}  // namespace lw
