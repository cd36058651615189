#include "core/check/project_check.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <initializer_list>
#include <unordered_map>
#include <tuple>

#include "core/text/cp932.h"
#include "core/world/map_animation.h"

namespace lw {

std::string_view SeverityWord(Severity s) { return s == Severity::Error ? "error" : "warning"; }

std::string PlaceText(const Problem& p) {
    std::string out;
    auto add = [&](const std::string& piece) {
        if (piece.empty()) return;
        if (!out.empty()) out += ' ';
        out += piece;
    };
    if (p.group >= 0) {
        add("group " + std::to_string(p.group));
        if (p.line >= 0) add("line " + std::to_string(p.line + 1));
    } else if (p.record >= 0) {
        // A row of a scene section is named by its section; a list row is a record.
        const bool sectionRow = !p.part.empty() && p.part != "file" && p.file.rfind("scene", 0) == 0;
        add((sectionRow ? p.part : std::string("record")) + " " + std::to_string(p.record));
        if (!sectionRow) add(p.part);
    } else {
        add(p.part);
    }
    return out;
}

namespace {

std::string Name(std::string_view cp932) { return "\"" + Cp932ToUtf8Lossy(cp932) + "\""; }

// A sentence from pieces, sized once: a large project may give tens of thousands of problems.
class Piece {
public:
    Piece(std::string_view text) : text_(text) {}  // NOLINT: pieces are given inline
    Piece(const char* text) : text_(text) {}       // NOLINT
    Piece(const std::string& text) : text_(text) {}  // NOLINT
    Piece(int number) {  // NOLINT
        size_ = static_cast<std::size_t>(std::to_chars(digits_, digits_ + sizeof digits_, number).ptr - digits_);
    }
    std::string_view view() const { return size_ ? std::string_view(digits_, size_) : text_; }

private:
    std::string_view text_;
    char digits_[12];
    std::size_t size_ = 0;
};

std::string Cat(std::initializer_list<Piece> pieces) {
    std::size_t size = 0;
    for (const Piece& p : pieces) size += p.view().size();
    std::string out;
    out.reserve(size);
    for (const Piece& p : pieces) out += p.view();
    return out;
}

class Checker {
public:
    explicit Checker(const ProjectIndex& index) : index_(index), refs_(index.references) {}

    std::vector<Problem> Run();

private:
    void Add(Severity s, const Place& at, std::string message) {
        Problem& p = problems_.emplace_back();
        p.severity = s;
        p.file = refs_.FileName(at.file);
        p.record = at.record;
        p.group = at.group;
        p.line = at.line;
        p.part = at.part;
        p.message = std::move(message);
    }
    // Whether the file a file target names is there, asked once per name and folder.
    bool HasFile(RefTarget target, int nameId) {
        const int folder = target == RefTarget::ImageFile ? 0 : target == RefTarget::AudioFile ? 1 : 2;
        std::uint8_t& known = fileKnown_[static_cast<std::size_t>(nameId) * 3 + static_cast<std::size_t>(folder)];
        if (known == 0) {
            const std::string& name = refs_.Name(nameId);
            const bool found = folder == 0 ? index_.HasImage(name) : folder == 1 ? index_.HasAudio(name) : index_.HasDataFile(name);
            known = found ? 1 : 2;
        }
        return known == 1;
    }
    // A list row, flag or group that exists (most references): settled by a comparison with a size
    // looked up without a branch on the target, which a million references of mixed kinds defeat.
    bool InRange(const Reference& r) const {
        const int size = r.target == RefTarget::Group ? groupCounts_[static_cast<std::size_t>(r.file)]
                                                      : listSizes_[static_cast<std::size_t>(r.target)];
        return r.index >= 0 && r.index < size;
    }
    void CheckReference(const Reference& r);
    void CheckPlacements(RefTarget target, const std::vector<int>& ownGroups, int listFile,
                         std::vector<std::vector<int>>& placedIn);

    const ProjectIndex& index_;
    const ReferenceIndex& refs_;
    std::vector<Problem> problems_;
    std::vector<std::uint8_t> fileKnown_ = std::vector<std::uint8_t>(static_cast<std::size_t>(refs_.NameCount()) * 3);
    // Each list's size (and the flags'), -1 while it could not be read and for targets that are not
    // counted rows.
    std::array<int, kRefTargetCount> listSizes_ = [this] {
        std::array<int, kRefTargetCount> sizes{};
        for (int t = 0; t < kRefTargetCount; ++t) {
            const auto target = static_cast<RefTarget>(t);
            const bool counted = IsListTarget(target) || target == RefTarget::Flag;
            sizes[static_cast<std::size_t>(t)] = counted ? refs_.ListSize(target).value_or(-1) : -1;
        }
        return sizes;
    }();
    // The group count of each file's scene; for a file that is not a scene read whole there is
    // nothing to compare with, and any group counts as there.
    std::vector<int> groupCounts_ = [this] {
        std::vector<int> counts(static_cast<std::size_t>(refs_.FileCount()), INT32_MAX);
        for (const SceneSummary& s : index_.scenes) counts[static_cast<std::size_t>(s.file)] = s.groupCount;
        return counts;
    }();
};

void Checker::CheckReference(const Reference& r) {
    // Most references are rows inside their list: settled before anything else.
    if (IsListTarget(r.target)) {
        const int size = listSizes_[static_cast<std::size_t>(r.target)];
        if (size >= 0 && r.index >= 0 && r.index < size) return;
    }
    const std::string_view noun = TargetNoun(r.target);
    switch (r.target) {
    case RefTarget::ImageFile:
    case RefTarget::AudioFile:
    case RefTarget::MapFile:
    case RefTarget::MapAnimationFile: {
        const std::string& name = refs_.Name(r.name);
        if (!HasFile(r.target, r.name)) {
            const char* folder = r.target == RefTarget::ImageFile   ? "image"
                                 : r.target == RefTarget::AudioFile ? "audio"
                                                                    : "data";
            Add(Severity::Error, refs_.PlaceOf(r),
                "the " + std::string(noun) + " " + Name(name) + " is not in the " + folder +
                    " folder; put the file there or choose another");
        }
        return;
    }
    case RefTarget::MapAnimation: {
        const std::string& file = refs_.Name(r.name);
        const std::optional<int> count = index_.MapAnimationCount(file);
        if (!count) return;  // the missing file is reported by its own reference
        if (r.index < 0 || r.index >= *count)
            Add(Severity::Error, refs_.PlaceOf(r),
                Cat({"terrain animation ", r.index + 1, " is not in ", Name(file), ", which holds ", *count,
                     "; choose an animation that exists"}));
        return;
    }
    case RefTarget::Scene:
        if (!index_.SceneByNumber(r.index))
            Add(Severity::Error, refs_.PlaceOf(r),
                Cat({"scene ", r.index, " does not exist; create scene", r.index, ".txt or choose another scene"}));
        return;
    case RefTarget::Group: {
        const SceneSummary* scene = index_.SceneByFile(r.scope());
        if (scene && (r.index < 0 || r.index >= scene->groupCount))
            Add(Severity::Error, refs_.PlaceOf(r),
                Cat({"group ", r.index, " does not exist: the scene has ", scene->groupCount,
                     " groups; choose a group that exists"}));
        return;
    }
    case RefTarget::Flag:
        if (r.index < 0 || r.index >= *refs_.ListSize(RefTarget::Flag))
            Add(Severity::Error, refs_.PlaceOf(r),
                Cat({"flag ", r.index, " does not exist (flags are 0..4095); choose a flag in that range"}));
        return;
    default:
        break;
    }
    // A row of a list file.
    const std::optional<int> size = refs_.ListSize(r.target);
    if (size && r.index >= 0 && r.index < *size) return;
    const std::string list(ListFileOf(r.target));
    if (!size) {
        Add(Severity::Error, refs_.PlaceOf(r),
            Cat({noun, " ", r.index, " is used but ", list, " is missing or could not be read; make the list in its editor"}));
        return;
    }
    if (*size == 0)
        Add(Severity::Error, refs_.PlaceOf(r),
            Cat({noun, " ", r.index, " does not exist: ", list, " holds 0; add it to the list or choose another"}));
    else
        Add(Severity::Error, refs_.PlaceOf(r),
            Cat({noun, " ", r.index, " does not exist: ", list, " holds ", *size, " (0..", *size - 1,
                 "); choose one of them or add it to the list"}));
}

// Every row of the NPC or chest list stands in exactly one scene, and its own group is a group of
// that scene. `placedIn[i]` holds the scene files whose list names row i.
void Checker::CheckPlacements(RefTarget target, const std::vector<int>& ownGroups, int listFile,
                              std::vector<std::vector<int>>& placedIn) {
    const std::optional<int> size = refs_.ListSize(target);
    if (!size || listFile < 0) return;
    const std::string noun(TargetNoun(target));
    for (int i = 0; i < *size; ++i) {
        std::vector<int> sceneFiles =
            i < static_cast<int>(placedIn.size()) ? std::move(placedIn[static_cast<std::size_t>(i)]) : std::vector<int>{};
        const Place row{listFile, i, -1, -1, ""};
        if (sceneFiles.empty()) {
            Add(Severity::Warning, row,
                "the " + noun + " is placed in no scene; place it with its editor or delete it");
            continue;
        }
        std::sort(sceneFiles.begin(), sceneFiles.end());
        sceneFiles.erase(std::unique(sceneFiles.begin(), sceneFiles.end()), sceneFiles.end());
        if (sceneFiles.size() > 1) {
            std::string names;
            for (int f : sceneFiles) names += (names.empty() ? "" : ", ") + Cp932ToUtf8Lossy(refs_.FileName(f));
            Add(Severity::Error, row,
                "the " + noun + " is listed in " + std::to_string(sceneFiles.size()) + " scenes (" + names +
                    "); keep it in one scene with its editor");
            continue;
        }
        const int group = i < static_cast<int>(ownGroups.size()) ? ownGroups[static_cast<std::size_t>(i)] : -1;
        const SceneSummary* scene = index_.SceneByFile(sceneFiles.front());
        if (group != -1 && scene && (group < 0 || group >= scene->groupCount))
            Add(Severity::Error, {listFile, i, -1, -1, "group"},
                "group " + std::to_string(group) + " does not exist in " +
                    Cp932ToUtf8Lossy(refs_.FileName(scene->file)) + ", which has " +
                    std::to_string(scene->groupCount) + " groups; choose a group that exists");
    }
}

std::vector<Problem> Checker::Run() {
    problems_ = index_.findings;
    // Where each NPC and chest stands: the scene lists (references from a scene file outside its groups).
    std::vector<std::vector<int>> npcScenes(static_cast<std::size_t>(std::max(0, refs_.ListSize(RefTarget::Npc).value_or(0))));
    std::vector<std::vector<int>> chestScenes(static_cast<std::size_t>(std::max(0, refs_.ListSize(RefTarget::Chest).value_or(0))));
    // The references that need more than a comparison (a list row in range is most of them), so
    // that their problems are made in a vector sized once.
    std::vector<const Reference*> doubtful;
    for (const Reference& r : refs_.references()) {
        if (!InRange(r)) doubtful.push_back(&r);
        if ((r.target == RefTarget::Npc || r.target == RefTarget::Chest) && r.group < 0 &&
            index_.SceneByFile(r.file)) {
            auto& placed = r.target == RefTarget::Npc ? npcScenes : chestScenes;
            if (r.index >= 0 && r.index < static_cast<int>(placed.size()))
                placed[static_cast<std::size_t>(r.index)].push_back(r.file);
        }
    }
    problems_.reserve(problems_.size() + doubtful.size() + npcScenes.size() + chestScenes.size());
    for (const Reference* r : doubtful) CheckReference(*r);
    CheckPlacements(RefTarget::Npc, index_.npcGroups, refs_.FindFile(ListFileOf(RefTarget::Npc)).value_or(-1), npcScenes);
    CheckPlacements(RefTarget::Chest, index_.chestGroups, refs_.FindFile(ListFileOf(RefTarget::Chest)).value_or(-1),
                    chestScenes);

    // Files in the order they were read, then by place.
    std::unordered_map<std::string_view, int> fileOrder;
    fileOrder.reserve(static_cast<std::size_t>(refs_.FileCount()));
    for (int f = 0; f < refs_.FileCount(); ++f) fileOrder.emplace(refs_.FileName(f), f);
    // Grouped by file first (a counting pass), then each file's problems sorted by place: most
    // files hold a few problems, so this costs far less than one sort of them all.
    std::vector<int> fileOf(problems_.size());
    std::vector<std::size_t> start(static_cast<std::size_t>(refs_.FileCount()) + 2, 0);
    for (std::size_t i = 0; i < problems_.size(); ++i) {
        auto it = fileOrder.find(problems_[i].file);
        fileOf[i] = it == fileOrder.end() ? -1 : it->second;
        ++start[static_cast<std::size_t>(fileOf[i] + 2)];
    }
    for (std::size_t b = 1; b < start.size(); ++b) start[b] += start[b - 1];
    using Key = std::tuple<int, int, int, std::size_t>;  // group, line, record, position
    std::vector<Key> keys(problems_.size());
    {
        std::vector<std::size_t> next(start.begin(), start.end() - 1);
        for (std::size_t i = 0; i < problems_.size(); ++i) {
            const Problem& p = problems_[i];
            keys[next[static_cast<std::size_t>(fileOf[i] + 1)]++] = {p.group, p.line, p.record, i};
        }
    }
    for (std::size_t b = 0; b + 1 < start.size(); ++b)
        std::sort(keys.begin() + static_cast<std::ptrdiff_t>(start[b]), keys.begin() + static_cast<std::ptrdiff_t>(start[b + 1]));
    // Position k takes the problem keys[k] names: moved in place, cycle by cycle.
    std::vector<std::size_t> from(keys.size());
    for (std::size_t k = 0; k < keys.size(); ++k) from[k] = std::get<3>(keys[k]);
    for (std::size_t i = 0; i < from.size(); ++i) {
        if (from[i] == i) continue;
        Problem first = std::move(problems_[i]);
        std::size_t j = i;
        while (from[j] != i) {
            const std::size_t next = from[j];
            problems_[j] = std::move(problems_[next]);
            from[j] = j;
            j = next;
        }
        problems_[j] = std::move(first);
        from[j] = j;
    }
    return std::move(problems_);
}

void AppendJsonString(std::string& out, std::string_view s) {
    out += '"';
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                static const char kHex[] = "0123456789abcdef";
                out += "\\u00";
                out += kHex[c >> 4];
                out += kHex[c & 15];
            } else {
                out += ch;
            }
        }
    }
    out += '"';
}

void AppendJsonNumber(std::string& out, int n) { out += n < 0 ? std::string("null") : std::to_string(n); }

}  // namespace

std::vector<Problem> CheckIndex(const ProjectIndex& index) { return Checker(index).Run(); }

CheckSummary Summarise(const std::vector<Problem>& problems) {
    CheckSummary s;
    for (const Problem& p : problems) (p.severity == Severity::Error ? s.errors : s.warnings)++;
    return s;
}

std::string ProblemFilePath(const Project& project, const Problem& p) {
    if (p.file == "prepare.txt") return ".\\prepare.txt";
    return Cp932ToUtf8Lossy(DataFileDisplayPath(project, p.file));
}

std::string ProblemLine(const Project& project, const Problem& p) {
    std::string out = ProblemFilePath(project, p);
    const std::string place = PlaceText(p);
    if (!place.empty()) out += ":" + place;
    out += ": ";
    out += SeverityWord(p.severity);
    out += ": " + p.message;
    return out;
}

std::string SummaryLine(const CheckSummary& s) {
    if (s.errors == 0 && s.warnings == 0) return "no problems";
    auto plural = [](int n, const char* word) { return std::to_string(n) + " " + word + (n == 1 ? "" : "s"); };
    return plural(s.errors, "error") + ", " + plural(s.warnings, "warning");
}

std::string ProblemsJson(const Project& project, const std::vector<Problem>& problems) {
    const CheckSummary s = Summarise(problems);
    std::string out = "{\"project\": ";
    AppendJsonString(out, project.root.string());
    out += ", \"errors\": " + std::to_string(s.errors) + ", \"warnings\": " + std::to_string(s.warnings);
    out += ", \"problems\": [";
    bool first = true;
    for (const Problem& p : problems) {
        out += first ? "\n  {" : ",\n  {";
        first = false;
        out += "\"severity\": ";
        AppendJsonString(out, SeverityWord(p.severity));
        out += ", \"file\": ";
        AppendJsonString(out, ProblemFilePath(project, p));
        out += ", \"record\": ";
        AppendJsonNumber(out, p.record);
        out += ", \"group\": ";
        AppendJsonNumber(out, p.group);
        out += ", \"line\": ";
        AppendJsonNumber(out, p.line < 0 ? -1 : p.line + 1);
        out += ", \"part\": ";
        AppendJsonString(out, p.part);
        out += ", \"place\": ";
        AppendJsonString(out, PlaceText(p));
        out += ", \"message\": ";
        AppendJsonString(out, p.message);
        out += "}";
    }
    out += problems.empty() ? "]}\n" : "\n]}\n";
    return out;
}

}  // namespace lw

namespace lw {

std::optional<HubEditor> OwningEditor(const Problem& p) {
    using H = HubEditor;
    static const std::pair<std::string_view, HubEditor> kOwners[] = {
        {"midi_list.txt", H::BgmList},       {"wave_list.txt", H::SoundList},
        {"talk_list.txt", H::TextList},      {"image_effect.txt", H::AnimeList},
        {"item_list.txt", H::ItemList},      {"image_back.txt", H::BackImages},
        {"image_select.txt", H::SelectImages}, {"level_list.txt", H::LevelList},
        {"level_ability_list.txt", H::LevelUp}, {"magic_list.txt", H::MagicList},
        {"image_face.txt", H::FaceImages},   {"narration_list.txt", H::NarrationList},
        {"title.txt", H::Title},             {"setting.txt", H::BasicSettings},
        {"pc.txt", H::PlayerCharacter},      {"start_game.txt", H::PlayerCharacter},
        {"npc_list.txt", H::Npc},            {"treasure_list.txt", H::TreasureChest},
        {"shop_list.txt", H::Shop},          {"monster_list.txt", H::MonsterList},
        {"enemy_list.txt", H::EnemyUnitList}, {"flag_exp.txt", H::EventCommands},
    };
    for (const auto& [file, editor] : kOwners)
        if (SameFileName(file, p.file)) return editor;
    if (SceneNumberFromFileName(p.file)) return p.group >= 0 ? H::EventCommands : H::SceneSettings;
    if (MapAnimationNumberFromFileName(p.file)) return H::MapAnimeList;
    return std::nullopt;
}

}  // namespace lw
