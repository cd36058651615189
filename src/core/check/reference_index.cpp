#include "core/check/reference_index.h"

#include "core/tagfile/file_io.h"

#include <algorithm>
#include <array>

namespace lw {

namespace {

struct TargetInfo {
    std::string_view file;
    std::string_view noun;
};

constexpr std::array<TargetInfo, kRefTargetCount> kTargets = {{
    {"midi_list.txt", "BGM"},
    {"wave_list.txt", "sound"},
    {"talk_list.txt", "text"},
    {"image_face.txt", "face"},
    {"image_effect.txt", "effect animation"},
    {"narration_list.txt", "narration"},
    {"item_list.txt", "item"},
    {"magic_list.txt", "magic"},
    {"monster_list.txt", "monster"},
    {"enemy_list.txt", "enemy unit"},
    {"npc_list.txt", "NPC"},
    {"treasure_list.txt", "chest"},
    {"shop_list.txt", "shop"},
    {{}, "scene"},
    {{}, "group"},
    {{}, "flag"},
    {{}, "map animation"},
    {{}, "picture"},
    {{}, "sound file"},
    {{}, "map data file"},
    {{}, "map animation file"},
}};

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string_view ListFileOf(RefTarget target) { return kTargets[static_cast<std::size_t>(target)].file; }
std::string_view TargetNoun(RefTarget target) { return kTargets[static_cast<std::size_t>(target)].noun; }

std::optional<RefTarget> ListTargetOfFile(std::string_view fileName) {
    for (int t = 0; t < kRefTargetCount; ++t)
        if (!kTargets[static_cast<std::size_t>(t)].file.empty() &&
            SameFileName(kTargets[static_cast<std::size_t>(t)].file, fileName))
            return static_cast<RefTarget>(t);
    return std::nullopt;
}

std::string FoldedFileName(std::string_view name) {
    // Letters are folded only in single-byte characters: the second byte of a double-byte CP932
    // character may be 0x41..0x5A and is part of that character.
    std::string out(name);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
            ++i;
            continue;
        }
        out[i] = FoldAscii(out[i]);
    }
    return out;
}

bool SameFileName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && FoldedFileName(a) == FoldedFileName(b);
}

int ReferenceIndex::AddFile(std::string_view fileName) {
    files_.emplace_back(fileName);
    return static_cast<int>(files_.size()) - 1;
}

std::optional<int> ReferenceIndex::FindFile(std::string_view fileName) const {
    for (std::size_t i = 0; i < files_.size(); ++i)
        if (files_[i] == fileName) return static_cast<int>(i);
    return std::nullopt;
}

int ReferenceIndex::AddName(std::string_view name) {
    if (lastName_ >= 0 && names_[static_cast<std::size_t>(lastName_)] == name) return lastName_;
    if (auto it = nameIds_.find(name); it != nameIds_.end()) return lastName_ = it->second;
    const int id = static_cast<int>(names_.size());
    names_.emplace_back(name);
    nameIds_.emplace(std::string(name), id);
    return lastName_ = id;
}

void ReferenceIndex::Append(const ReferenceIndex& other, std::span<const int> fileOf) {
    std::vector<int> nameOf(other.names_.size(), -1);
    std::vector<int> partOf(other.parts_.size(), -1);
    const std::size_t from = references_.size();
    references_.resize(from + other.references_.size());
    Reference* to = references_.data() + from;
    for (const Reference& r : other.references_) {
        *to = r;
        to->file = fileOf[static_cast<std::size_t>(r.file)];
        int& part = partOf[r.part];
        if (part < 0) part = PartId(other.parts_[r.part]);
        to->part = static_cast<std::uint16_t>(part);
        if (r.name >= 0) {
            int& name = nameOf[static_cast<std::size_t>(r.name)];
            if (name < 0) name = AddName(other.names_[static_cast<std::size_t>(r.name)]);
            to->name = name;
        }
        ++to;
    }
    sorted_ = false;
}

void ReferenceIndex::Reserve(std::size_t references) {
    references_.reserve(references);
    // Filling the array is otherwise about as costly in page faults as the scan that fills it.
    AdviseHugePages(references_.data(), references_.capacity() * sizeof(Reference));
}

std::uint16_t ReferenceIndex::PartIdSlow(const char* text, std::size_t slot) {
    auto it = std::find(parts_.begin(), parts_.end(), text);
    if (it == parts_.end()) {
        if (parts_.size() > UINT16_MAX) return 0;  // never: parts are the program's own texts
        parts_.push_back(text);
        it = parts_.end() - 1;
    }
    const auto id = static_cast<std::uint16_t>(it - parts_.begin());
    partCache_[slot] = {text, id};
    return id;
}

void ReferenceIndex::SetListSize(RefTarget target, std::optional<int> size) {
    listSizes_[static_cast<std::size_t>(target)] = size;
}

std::optional<int> ReferenceIndex::ListSize(RefTarget target) const {
    return listSizes_[static_cast<std::size_t>(target)];
}

std::uint64_t ReferenceIndex::Key(RefTarget target, int scope, std::uint32_t index) {
    // target: 5 bits; scope + 1: 27 bits (file ids); index: 32 bits, biased so that negative
    // indices sort first.
    return (static_cast<std::uint64_t>(target) << 59) |
           ((static_cast<std::uint64_t>(static_cast<std::uint32_t>(scope + 1)) & ((1u << 27) - 1)) << 32) | index;
}

namespace {
std::uint32_t Biased(int index) { return static_cast<std::uint32_t>(index) ^ 0x80000000u; }
}  // namespace

void ReferenceIndex::Sort() const {
    if (sorted_) return;
    order_.resize(references_.size());
    for (std::uint32_t i = 0; i < order_.size(); ++i) {
        const Reference& r = references_[i];
        order_[i] = {Key(r.target, r.scope(), Biased(r.index)), i};
    }
    std::sort(order_.begin(), order_.end());
    sorted_ = true;
}

std::vector<const Reference*> ReferenceIndex::ReferencesTo(RefTarget target, int index, int scope) const {
    Sort();
    if (target != RefTarget::Group) scope = -1;
    const std::uint64_t key = Key(target, scope, Biased(index));
    auto it = std::lower_bound(order_.begin(), order_.end(), std::make_pair(key, std::uint32_t{0}));
    std::vector<const Reference*> out;
    for (; it != order_.end() && it->first == key; ++it) out.push_back(&references_[it->second]);
    return out;
}

}  // namespace lw
