#pragma once
// Scenes: one scene file ("scene%d.txt" in the data folder) per scene of the game. A scene names
// its map data file and chip sets, and holds its exits, the indices of the NPCs and treasure chests
// standing in it, its shops, inns, signposts and fixed-position battles, its random battles and all
// of its event command groups.
//
// Records are sized by what they hold: a scene with 3 groups of 5 lines holds 3 groups of 5 lines.
// The limits of the file (64 battles, 256 NPCs, 256 chests, 256 exits, 64 event positions,
// 256 groups of at most 64 lines) are enforced by the reader (counts clamped) and by the writer
// (nothing beyond a limit is written), so a file the writer wrote reads back to the same record and
// writes again to the same bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/data_file_set.h"
#include "core/settings/drawing.h"
#include "core/tagfile/file_io.h"

namespace lw {

class TagWriter;

inline constexpr int kSceneBattleCapacity = 64;
inline constexpr int kSceneNpcCapacity = 256;
inline constexpr int kSceneTreasureCapacity = 256;
inline constexpr int kSceneChangeCapacity = 256;
inline constexpr int kSceneEventPositionCapacity = 64;
inline constexpr int kSceneGroupCapacity = 256;
inline constexpr int kGroupCommandCapacity = 64;
inline constexpr int kChipGridSize = 16;

inline constexpr std::size_t kSceneNameBytes = 255;
inline constexpr std::size_t kSceneFileNameBytes = 259;  // map data file, chip sets, backgrounds
inline constexpr std::size_t kCommandBytes = 63;
inline constexpr std::size_t kGroupExplanationBytes = 63;

// Scene kinds: 0 "外", 1 "ダンジョン", 2 "街", 3 "その他".
// Event position kinds.
enum EventPositionKind : int { kShopPosition = 0, kInnPosition = 1, kSignpostPosition = 2, kFixedBattlePosition = 3 };

// A random battle of the scene.
struct FieldBattle {
    int enemyUnit = 0;  // index into the enemy-unit list
    float rate = 0;     // the editor produces whole numbers 1..100
    std::string backgroundImage;  // battle background bitmap in the image folder, one token
    bool operator==(const FieldBattle&) const = default;
};

// An exit: stepping on (x, y) facing `direction` (0 down, 1 left, 2 right, 3 up, 4 any) runs `group`.
struct SceneChange {
    int x = 0;
    int y = 0;
    int direction = 0;
    int group = -1;  // -1 none
    bool operator==(const SceneChange&) const = default;
};

// A shop, inn, signpost or fixed-position battle placed on the map.
struct EventPosition {
    int kind = 0;  // EventPositionKind
    int x = 0;
    int y = 0;
    int direction = 0;
    int group = -1;     // -1 none
    int shopIndex = 0;  // for a shop, its index in the shop list; 0 for the other kinds
    bool operator==(const EventPosition&) const = default;
};

// The positions with those of `kind` replaced by `rows`: the positions of the other kinds kept in
// their order, followed by `rows`. When `rows` are the positions of that kind as they stand, in
// their order, nothing moves: a list confirmed unchanged leaves the scene's bytes as they were.
void ReplaceEventPositions(std::vector<EventPosition>& positions, int kind, std::vector<EventPosition> rows);

// The command lines of a group. The lines share one buffer (a project holds hundreds of thousands
// of short lines; one allocation per group instead of one per line keeps loading every scene
// fast and its memory close to the files' size). Lines are read as string_views, which stay valid
// until the next change of the group.
class CommandLines {
public:
    CommandLines() = default;
    CommandLines(std::initializer_list<std::string_view> lines);
    explicit CommandLines(const std::vector<std::string>& lines);
    // Replaces every line, in one buffer of exactly their size.
    void Assign(const std::vector<std::string_view>& lines);

    std::size_t size() const { return spans_.size(); }
    bool empty() const { return spans_.empty(); }
    std::string_view operator[](std::size_t i) const { return {text_.data() + spans_[i].offset, spans_[i].length}; }
    std::vector<std::string> ToVector() const;

    void Set(std::size_t i, std::string_view line);
    void Insert(std::size_t i, std::string_view line);
    void Erase(std::size_t i);
    void push_back(std::string_view line) { Insert(size(), line); }
    // Makes `n` lines: the first ones kept, new ones empty.
    void Resize(std::size_t n);
    void clear();

    class Iterator {
    public:
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        Iterator() = default;
        Iterator(const CommandLines* lines, std::size_t i) : lines_(lines), i_(i) {}
        std::string_view operator*() const { return (*lines_)[i_]; }
        Iterator& operator++() {
            ++i_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator old = *this;
            ++i_;
            return old;
        }
        bool operator==(const Iterator& o) const { return i_ == o.i_; }

    private:
        const CommandLines* lines_ = nullptr;
        std::size_t i_ = 0;
    };
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }

    bool operator==(const CommandLines& other) const;

private:
    struct Span {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    // Appends `line` to the buffer (dropping the bytes no line uses any more when they are many).
    Span Store(std::string_view line);
    void Compact();
    std::string text_;
    std::vector<Span> spans_;
    std::size_t unused_ = 0;  // bytes of text_ no line uses
};

// A numbered group of event command lines (at most 64 lines of at most 63 bytes each).
struct EventCommandGroup {
    std::string explanation;  // at most 63 bytes, a comment for the author
    CommandLines commands;    // commandCount = commands.size()
    int commandCount() const { return static_cast<int>(commands.size()); }
    bool operator==(const EventCommandGroup&) const = default;
};

// A 16 x 16 grid over the chips of the background chip set: grid[row][column].
using ChipGrid = std::array<std::array<int, kChipGridSize>, kChipGridSize>;

struct Scene {
    int kind = 0;
    std::string name;               // whole line, at most 255 bytes
    std::string mapDataFile;        // one token, at most 259 bytes
    std::string backgroundChipSet;  // one token
    std::string layerChipSet;       // one token
    int layerDrawMode = 0;          // 0 opaque, 1 additive, 2 alpha
    int layerColourKey = 0;
    int layerKeyRed = 0;
    int layerKeyGreen = 0;
    int layerKeyBlue = 0;
    int bgmIndex = 0;
    std::string mapAnimationFile;  // whole line; empty: no terrain animations
    // Per background chip: 0 none, n >= 1 animation n-1 of mapAnimationFile / battle row n-1.
    ChipGrid terrainAnimation{};
    ChipGrid terrainBattle{};
    std::vector<FieldBattle> battles;           // at most 64
    std::vector<int> npcIndices;                // at most 256
    std::vector<int> treasureIndices;           // at most 256
    std::vector<SceneChange> sceneChanges;      // at most 256
    std::vector<EventPosition> eventPositions;  // at most 64
    std::vector<EventCommandGroup> groups;      // at most 256, numbered 0 upwards

    int battleCount() const { return static_cast<int>(battles.size()); }
    int npcCount() const { return static_cast<int>(npcIndices.size()); }
    int treasureCount() const { return static_cast<int>(treasureIndices.size()); }
    int sceneChangeCount() const { return static_cast<int>(sceneChanges.size()); }
    int eventPositionCount() const { return static_cast<int>(eventPositions.size()); }
    int groupCount() const { return static_cast<int>(groups.size()); }
    bool operator==(const Scene&) const = default;
};

// How the scene's layer 1 is drawn: its draw mode, colour-key flag and key colour.
inline DrawSpec LayerDrawSpec(const Scene& s) {
    return DrawSpec{s.layerDrawMode, s.layerColourKey, Rgb{s.layerKeyRed, s.layerKeyGreen, s.layerKeyBlue}};
}

// A new scene: every field zero or empty, and the four title groups ("nar 0", an empty line,
// "load", "exit").
Scene NewScene();

// "scene%d.txt" for a scene number.
std::string SceneFileName(int sceneNumber);
// The number of a scene file from its name: "scene" (letters without case), the number as "%d"
// writes it (no sign, no leading zero) and ".txt" (without case). Other names matching "scene*.txt"
// ("scene07.txt", "scene3 copy.txt") are not scene files the game can open and give nullopt.
std::optional<int> SceneNumberFromFileName(std::string_view fileName);
// The pattern scene files are listed with.
inline constexpr std::string_view kSceneFilePattern = "scene*.txt";

// Reads a scene file's bytes into `scene`, which is cleared first. Any bytes read; counts are
// clamped, each data section keeps its own row counter, and what lies beyond a count is ignored.
void ParseScene(std::string_view bytes, Scene& scene);
// The same for a reader that only looks at the command lines: the groups are read without their
// lines, which are given in lines[group] as views of `bytes` instead (valid as long as `bytes`;
// `lines` is reused, and holds at least one vector per group).
void ParseSceneLineViews(std::string_view bytes, Scene& scene, std::vector<std::vector<std::string_view>>& lines);
// The bytes of the scene file for `scene`, and the same streamed through a writer.
std::string SceneBytes(const Scene& scene);
void WriteScene(TagWriter& w, const Scene& scene);

// Reads the scene file `fileName` (such as "scene12.txt") from the data folder. The scene is
// cleared first; a missing or unreadable file leaves it cleared.
ReadStatus LoadSceneFile(const Project& project, std::string_view fileName, Scene& scene);
ReadStatus LoadSceneFile(const Project& project, int sceneNumber, Scene& scene);
// Writes the scene file: the overwrite question, an atomic replace, "cannot create" on failure.
// True when written. An editor never calls this for a file it could not read.
bool SaveSceneFile(const Project& project, std::string_view fileName, const Scene& scene, SaveUi& ui);
// The scene file `fileName` with the content of `scene`, for a save of several files (the scene
// is referred to, not copied: it must outlive the save).
DataFileWrite SceneFileWrite(std::string_view fileName, const Scene& scene);
bool SaveSceneFile(const Project& project, int sceneNumber, const Scene& scene, SaveUi& ui);

}  // namespace lw
