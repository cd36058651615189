#pragma once
// The project's cross-references: every place where one record points at another by number or at a
// file by name, gathered in one pass over the project (project_index.h). The check, "使用箇所" and
// anything that renumbers a list read it.
//
// A reference says what refers (a data file, the record in it, and for scene files the group and
// line) and what it refers to (a list and an index in it, a scene number, a flag, a group of the
// same scene, or a file by name). Records have no identifiers: an index is the record's 0-based
// position in its list file.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lw {

// What a reference points at.
enum class RefTarget : std::uint8_t {
    // Rows of list files, by 0-based position.
    Bgm,         // midi_list.txt
    Sound,       // wave_list.txt
    Talk,        // talk_list.txt
    Face,        // image_face.txt
    Effect,      // image_effect.txt
    Narration,   // narration_list.txt
    Item,        // item_list.txt
    Magic,       // magic_list.txt
    Monster,     // monster_list.txt
    EnemyUnit,   // enemy_list.txt
    Npc,         // npc_list.txt
    Chest,       // treasure_list.txt
    Shop,        // shop_list.txt
    // Numbers that are not rows of a list file.
    Scene,         // a scene number (scene<n>.txt)
    Group,         // an event command group of one scene; `scope` is that scene's file
    Flag,          // an event flag, 0..4095
    MapAnimation,  // an animation of one map_anim file; `name` is that file
    // Files, by name.
    ImageFile,         // the image folder
    AudioFile,         // the audio folder
    MapFile,           // map data in the data folder
    MapAnimationFile,  // map_anim<n>.txt in the data folder
};
inline constexpr int kRefTargetCount = static_cast<int>(RefTarget::MapAnimationFile) + 1;

// True for the targets that are rows of a list file.
constexpr bool IsListTarget(RefTarget t) { return t <= RefTarget::Shop; }
constexpr bool IsFileTarget(RefTarget t) { return t >= RefTarget::ImageFile; }

// The list file whose rows a list target numbers ("item_list.txt"); empty for the other targets.
std::string_view ListFileOf(RefTarget target);
// The list target whose rows a data file holds (nullopt for a file that is not such a list).
std::optional<RefTarget> ListTargetOfFile(std::string_view fileName);
// How a target is named in sentences: "BGM", "sound", "text", ... ("item 57").
std::string_view TargetNoun(RefTarget target);

// Where a reference or a problem stands. Numbers are -1 where they do not apply.
struct Place {
    int file = -1;     // the file's id in the index
    int record = -1;   // the record of a list file; in a scene file the row of its section (exit,
                       // battle, event position, ...); in a text the text's position
    int group = -1;    // scene files: the event command group
    int line = -1;     // scene files: the line within the group, from 0
    const char* part = "";  // what the record is ("exit", "battle", "npc list"), or the field
                            // ("sound", "bgm"); a static text
};

// One reference, kept small (24 bytes): a large project holds millions of them. The record and the
// line share a slot (a scene file's event lines have no record, its section rows no line), a group
// reference's scene is the file it stands in, and the part is a number of the index's part table.
struct Reference {
    RefTarget target = RefTarget::Item;
    std::uint16_t part = 0;  // ReferenceIndex::PartText
    int index = -1;  // the row, number, flag or group; -1 for file targets
    int name = -1;   // file targets and MapAnimation: the name's id (CP932 file name)
    int file = -1;   // the referring file's id
    int group = -1;  // scene files: the event command group
    int recordOrLine = -1;  // the line within `group` when group >= 0, else the record

    int record() const { return group >= 0 ? -1 : recordOrLine; }
    int line() const { return group >= 0 ? recordOrLine : -1; }
    // Group: the file id of the scene holding the group; -1 for the other targets.
    int scope() const { return target == RefTarget::Group ? file : -1; }
};
static_assert(sizeof(Reference) <= 24);

class ReferenceIndex {
public:
    // Files are named once and referred to by id (CP932 names in the data folder, or
    // "prepare.txt" for the project file).
    int AddFile(std::string_view fileName);
    const std::string& FileName(int fileId) const { return files_[static_cast<std::size_t>(fileId)]; }
    int FileCount() const { return static_cast<int>(files_.size()); }
    std::optional<int> FindFile(std::string_view fileName) const;

    // Names are kept once each: the same name gives the same id.
    int AddName(std::string_view name);
    const std::string& Name(int nameId) const { return names_[static_cast<std::size_t>(nameId)]; }
    int NameCount() const { return static_cast<int>(names_.size()); }

    // Records a reference from `from` (whose `part` must be a static text). A group reference is of
    // the scene `from.file`.
    void Add(RefTarget target, int index, int nameId, const Place& from) {
        Reference r;
        r.target = target;
        r.part = PartId(from.part);
        r.index = index;
        r.name = nameId;
        r.file = from.file;
        r.group = from.group;
        r.recordOrLine = from.group >= 0 ? from.line : from.record;
        references_.push_back(r);
        sorted_ = false;
    }
    // Appends the references of `other`, whose file ids become fileOf[id]; names and parts are
    // taken over as if each reference had been added here, in order.
    void Append(const ReferenceIndex& other, std::span<const int> fileOf);
    // Room for this many references, filled from the start (a large project's index is tens of
    // megabytes, written once).
    void Reserve(std::size_t references);
    const std::vector<Reference>& references() const { return references_; }
    // Where a reference stands, whole.
    Place PlaceOf(const Reference& r) const { return {r.file, r.record(), r.group, r.line(), PartText(r.part)}; }
    const char* PartText(std::uint16_t part) const { return parts_[part]; }

    // Who refers to row / number `index` of `target` (for Group, of the scene file `scope`), in the
    // order they were gathered. Built on first use in O(N log N); later look-ups are O(log N).
    std::vector<const Reference*> ReferencesTo(RefTarget target, int index, int scope = -1) const;

    // The size of each list as read (nullopt while its file was missing or could not be read).
    void SetListSize(RefTarget target, std::optional<int> size);
    std::optional<int> ListSize(RefTarget target) const;

private:
    // The id of a part text, by its address: a few hundred static texts, looked up through a small
    // cache in front of the table.
    std::uint16_t PartId(const char* text) {
        const std::size_t slot =
            static_cast<std::size_t>((reinterpret_cast<std::uintptr_t>(text) * 0x9E3779B97F4A7C15ull) >> 56);
        if (partCache_[slot].first == text) return partCache_[slot].second;
        return PartIdSlow(text, slot);
    }
    std::uint16_t PartIdSlow(const char* text, std::size_t slot);
    void Sort() const;
    static constexpr std::size_t kPartCacheSize = 256;  // the slot is the top byte of a hash
    std::vector<const char*> parts_ = {""};
    std::array<std::pair<const char*, std::uint16_t>, kPartCacheSize> partCache_{};
    static std::uint64_t Key(RefTarget target, int scope, std::uint32_t index);
    std::vector<std::string> files_;
    std::vector<std::string> names_;
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, int, NameHash, std::equal_to<>> nameIds_;  // names_ by name
    int lastName_ = -1;  // the name added last: names come in runs (a scene's battles share a background)
    std::vector<Reference> references_;
    std::vector<std::optional<int>> listSizes_ = std::vector<std::optional<int>>(kRefTargetCount);
    // The references' positions sorted by a key of target, scope and index (for file targets the
    // rank of the folded name), built on the first look-up after a change.
    mutable std::vector<std::pair<std::uint64_t, std::uint32_t>> order_;
    mutable bool sorted_ = false;
};

// The file names compared as the game's file system compares them: ASCII letters without case.
bool SameFileName(std::string_view a, std::string_view b);
std::string FoldedFileName(std::string_view name);

}  // namespace lw
