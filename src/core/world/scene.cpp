#include "core/world/scene.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "core/tagfile/record_format.h"
#include "core/tagfile/scan.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"
#include "core/world/scene_numbers.h"

namespace lw {

namespace {

// The sections of a scene file. The order of this table is the order of the tag names below.
enum class Sec : int {
    None = -1,
    Kind,
    Name,
    MapData,
    BgChip,
    Layer,
    Midi,
    SceneChangeNumber,
    SceneChangeData,
    NpcNumber,
    NpcData,
    TreasureNumber,
    TreasureData,
    BattleNumber,
    BattleData,
    BattleFieldData,
    AnimFileName,
    AnimFieldData,
    EventPosNumber,
    EventPosData,
    FlagNumber,
    FlagData,
    FlagCmdExp,
    FlagCmdNumber,
    FlagCmdData,
    Count
};

constexpr std::string_view kTagNames[] = {
    "scene_kind",          "scene_name",        "filename_map_data",  "filename_bg_map_chip", "lyer_map_chip",
    "midi_index",          "scene_change_number", "scene_change_data", "npc_index_number",  "npc_index_data",
    "treasure_index_number", "treasure_index_data", "battle_number",    "battle_data",       "battle_field_data",
    "anim_field_filename", "anim_field_data",   "event_pos_number",   "event_pos_data",     "flag_number",
    "flag_data",           "flag_cmd_exp",      "flag_cmd_number",    "flag_cmd_data",
};
static_assert(std::size(kTagNames) == static_cast<std::size_t>(Sec::Count));

constexpr std::string_view Tag(Sec s) { return kTagNames[static_cast<int>(s)]; }

const RecordFormat<SceneChange>& SceneChangeLine() {
    static const RecordFormat<SceneChange> f = {IntField(&SceneChange::x), IntField(&SceneChange::y),
                                                IntField(&SceneChange::direction), IntField(&SceneChange::group)};
    return f;
}

const RecordFormat<EventPosition>& EventPositionLine() {
    static const RecordFormat<EventPosition> f = {
        IntField(&EventPosition::kind),      IntField(&EventPosition::x),     IntField(&EventPosition::y),
        IntField(&EventPosition::direction), IntField(&EventPosition::group), IntField(&EventPosition::shopIndex)};
    return f;
}

const RecordFormat<FieldBattle>& BattleLine() {
    static const RecordFormat<FieldBattle> f = {IntField(&FieldBattle::enemyUnit), Float1Field(&FieldBattle::rate),
                                                TokenField(&FieldBattle::backgroundImage, kSceneFileNameBytes)};
    return f;
}

// The layer line: "%s %d %d %d %d %d".
const RecordFormat<Scene>& LayerLine() {
    static const RecordFormat<Scene> f = {TokenField(&Scene::layerChipSet, kSceneFileNameBytes),
                                          IntField(&Scene::layerDrawMode),  IntField(&Scene::layerColourKey),
                                          IntField(&Scene::layerKeyRed),    IntField(&Scene::layerKeyGreen),
                                          IntField(&Scene::layerKeyBlue)};
    return f;
}
const RecordFormat<Scene>& LayerNumbers() {
    static const RecordFormat<Scene> f = {IntField(&Scene::layerDrawMode), IntField(&Scene::layerColourKey),
                                          IntField(&Scene::layerKeyRed), IntField(&Scene::layerKeyGreen),
                                          IntField(&Scene::layerKeyBlue)};
    return f;
}

// The layer line of a scene without a layer chip set is written " d d d d d" (the empty name, then
// a blank). Read as "%s" that would take the draw mode for the name and shift every number by one,
// so a line of exactly a blank and five numbers reads as an empty name and the five numbers.
void ParseLayerLine(std::string_view line, Scene& scene) {
    if (!line.empty() && line[0] == ' ') {
        Scene numbers;
        FieldScanner probe(line.substr(1));
        int value = 0;
        bool fiveNumbers = true;
        for (int i = 0; i < 5 && fiveNumbers; ++i) fiveNumbers = probe.Int(value);
        if (fiveNumbers && probe.rest().empty()) {
            scene.layerChipSet.clear();
            ParseRecord(line.substr(1), scene, LayerNumbers());
            return;
        }
    }
    ParseRecord(line, scene, LayerLine());
}

// A count line: the number clamped to 0..capacity, or nullopt when the line holds no number.
std::optional<std::size_t> ScanCount(std::string_view line, int capacity) {
    int value = 0;
    if (!ScanInt(line, value)) return std::nullopt;
    return static_cast<std::size_t>(std::clamp(value, 0, capacity));
}

// One grid row: up to 16 numbers; numbers that do not parse keep the row's values.
void ParseGridRow(std::string_view line, std::array<int, kChipGridSize>& row) {
    FieldScanner scan(line);
    for (int& cell : row)
        if (!scan.Int(cell)) break;
}

void AppendGridRow(std::string& out, const std::array<int, kChipGridSize>& row) {
    bool first = true;
    for (int cell : row) {
        if (!first) out += ' ';
        first = false;
        AppendInt(out, cell);
    }
}

// Finds the section a tag line opens or closes. Lines that are not tags give None.
Sec FindTag(std::string_view line, bool& closing) {
    if (line.size() < 3 || line.front() != '<' || line.back() != '>') return Sec::None;
    std::string_view name = line.substr(1, line.size() - 2);
    closing = name.front() == '/';
    if (closing) name.remove_prefix(1);
    // The names of each length (at most four share one), so a line is compared with few of them.
    constexpr std::size_t kLongest = 24, kSameLength = 4;
    static constexpr auto kByLength = [] {
        std::array<std::array<signed char, kSameLength>, kLongest> table{};
        for (auto& names : table) names.fill(-1);
        for (int i = 0; i < static_cast<int>(Sec::Count); ++i) {
            auto& names = table[kTagNames[i].size()];
            *std::find(names.begin(), names.end(), -1) = static_cast<signed char>(i);
        }
        return table;
    }();
    if (name.size() >= kLongest) return Sec::None;
    for (signed char i : kByLength[name.size()]) {
        if (i < 0) break;
        if (kTagNames[i] == name) return static_cast<Sec>(i);
    }
    return Sec::None;
}

class SceneParser {
public:
    // With `views`, the groups' command lines are not stored in the scene but kept as views of the
    // file's bytes in views[group] (the vectors are reused: cleared, not released).
    explicit SceneParser(Scene& scene, std::vector<std::vector<std::string_view>>* views = nullptr)
        : s_(scene), views_(views) {
        if (views_)
            for (auto& v : *views_) v.clear();
    }

    void Line(std::string_view line) {
        bool closing = false;
        Sec tag = FindTag(line, closing);
        if (tag != Sec::None) {
            if (tag == Sec::FlagData) return;  // the group block's own tags carry nothing
            if (closing) {
                state_ = Sec::None;
                if (tag == Sec::FlagCmdData) {
                    Flush();
                    ++groupIndex_;
                }
            } else {
                state_ = tag;
                row_ = 0;
            }
            return;
        }
        if (state_ != Sec::None) Content(line);
    }

    // Stores the lines of the group being read (see pending_).
    void Flush() {
        if (pendingGroup_ < s_.groups.size()) {
            if (views_)
                Views(pendingGroup_).assign(pending_.begin(), pending_.end());
            else
                s_.groups[pendingGroup_].commands.Assign(pending_);
        }
        pendingGroup_ = kNoGroup;
    }

private:
    static constexpr std::size_t kNoGroup = static_cast<std::size_t>(-1);

    template <class T>
    void Count(std::string_view line, std::vector<T>& rows, int capacity) {
        if (auto n = ScanCount(line, capacity)) rows.resize(*n);
    }
    template <class T>
    T* NextRow(std::vector<T>& rows) {
        return row_ < rows.size() ? &rows[row_++] : nullptr;
    }
    EventCommandGroup* CurrentGroup() { return groupIndex_ < s_.groups.size() ? &s_.groups[groupIndex_] : nullptr; }
    std::vector<std::string_view>& Views(std::size_t group) {
        if (views_->size() <= group) views_->resize(group + 1);
        return (*views_)[group];
    }

    void Content(std::string_view line) {
        switch (state_) {
        case Sec::Kind: ScanInt(line, s_.kind); break;
        case Sec::Name: s_.name = CutCopy(line, kSceneNameBytes); break;
        case Sec::MapData: FieldScanner(line).Token(s_.mapDataFile, kSceneFileNameBytes); break;
        case Sec::BgChip: FieldScanner(line).Token(s_.backgroundChipSet, kSceneFileNameBytes); break;
        case Sec::Layer: ParseLayerLine(line, s_); break;
        case Sec::Midi: ScanInt(line, s_.bgmIndex); break;
        case Sec::SceneChangeNumber: Count(line, s_.sceneChanges, kSceneChangeCapacity); break;
        case Sec::SceneChangeData:
            if (SceneChange* r = NextRow(s_.sceneChanges)) ParseRecord(line, *r, SceneChangeLine());
            break;
        case Sec::NpcNumber: Count(line, s_.npcIndices, kSceneNpcCapacity); break;
        case Sec::NpcData:
            if (int* r = NextRow(s_.npcIndices)) ScanInt(line, *r);
            break;
        case Sec::TreasureNumber: Count(line, s_.treasureIndices, kSceneTreasureCapacity); break;
        case Sec::TreasureData:
            if (int* r = NextRow(s_.treasureIndices)) ScanInt(line, *r);
            break;
        case Sec::BattleNumber: Count(line, s_.battles, kSceneBattleCapacity); break;
        case Sec::BattleData:
            if (FieldBattle* r = NextRow(s_.battles)) ParseRecord(line, *r, BattleLine());
            break;
        case Sec::BattleFieldData:
            if (row_ < kChipGridSize) ParseGridRow(line, s_.terrainBattle[row_++]);
            break;
        case Sec::AnimFileName: s_.mapAnimationFile = CutCopy(line, kSceneFileNameBytes); break;
        case Sec::AnimFieldData:
            if (row_ < kChipGridSize) ParseGridRow(line, s_.terrainAnimation[row_++]);
            break;
        case Sec::EventPosNumber: Count(line, s_.eventPositions, kSceneEventPositionCapacity); break;
        case Sec::EventPosData:
            if (EventPosition* r = NextRow(s_.eventPositions)) ParseRecord(line, *r, EventPositionLine());
            break;
        case Sec::FlagNumber:
            Flush();
            Count(line, s_.groups, kSceneGroupCapacity);
            if (views_)  // groups dropped by the count lose their lines, as the stored ones do
                for (std::size_t g = s_.groups.size(); g < views_->size(); ++g) (*views_)[g].clear();
            break;
        case Sec::FlagCmdExp:
            if (EventCommandGroup* g = CurrentGroup()) g->explanation = CutCopy(line, kGroupExplanationBytes);
            break;
        case Sec::FlagCmdNumber:
            if (EventCommandGroup* g = CurrentGroup()) {
                if (auto n = ScanCount(line, kGroupCommandCapacity)) {
                    Flush();
                    if (views_)
                        Views(groupIndex_).clear();
                    else
                        g->commands.clear();
                    pending_.assign(*n, std::string_view{});
                    pendingGroup_ = groupIndex_;
                }
            }
            break;
        case Sec::FlagCmdData:
            if (EventCommandGroup* g = CurrentGroup()) {
                if (pendingGroup_ == groupIndex_) {
                    if (row_ < pending_.size()) pending_[row_++] = CutToBytes(line, kCommandBytes);
                } else if (views_) {
                    std::vector<std::string_view>& v = Views(groupIndex_);
                    if (row_ < v.size()) v[row_++] = CutToBytes(line, kCommandBytes);
                } else if (row_ < g->commands.size()) {
                    g->commands.Set(row_++, CutToBytes(line, kCommandBytes));
                }
            }
            break;
        case Sec::FlagData:
        case Sec::None:
        case Sec::Count: break;
        }
    }

    Scene& s_;
    std::vector<std::vector<std::string_view>>* views_;
    Sec state_ = Sec::None;
    std::size_t row_ = 0;         // the row counter of the current data section
    std::size_t groupIndex_ = 0;  // the group the group sections fill
    // The command lines of the group whose count was read last, as views into the file's bytes
    // until the group is complete; then stored in one go.
    std::vector<std::string_view> pending_;
    std::size_t pendingGroup_ = kNoGroup;
};

// Capped row counts for writing.
template <class T>
std::size_t Capped(const std::vector<T>& rows, int capacity) {
    return std::min(rows.size(), static_cast<std::size_t>(capacity));
}

void WriteGrid(TagWriter& w, const ChipGrid& grid) {
    for (const auto& row : grid) AppendGridRow(w.BeginLine(), row);
}

}  // namespace

CommandLines::CommandLines(std::initializer_list<std::string_view> lines) {
    spans_.reserve(lines.size());
    for (std::string_view l : lines) push_back(l);
}

CommandLines::CommandLines(const std::vector<std::string>& lines) {
    spans_.reserve(lines.size());
    for (const std::string& l : lines) push_back(l);
}

void CommandLines::Assign(const std::vector<std::string_view>& lines) {
    std::size_t total = 0;
    for (std::string_view l : lines) total += l.size();
    std::string text;
    text.reserve(total);
    std::vector<Span> spans;
    spans.reserve(lines.size());
    for (std::string_view l : lines) {
        spans.push_back({l.empty() ? 0u : static_cast<std::uint32_t>(text.size()), static_cast<std::uint32_t>(l.size())});
        text.append(l);
    }
    text_ = std::move(text);
    spans_ = std::move(spans);
    unused_ = 0;
}

std::vector<std::string> CommandLines::ToVector() const {
    std::vector<std::string> out;
    out.reserve(size());
    for (std::string_view l : *this) out.emplace_back(l);
    return out;
}

CommandLines::Span CommandLines::Store(std::string_view line) {
    if (line.empty()) return {};
    if (line.data() >= text_.data() && line.data() < text_.data() + text_.size()) {
        const std::string copy(line);  // a line of this group: keep it through a compaction
        return Store(copy);
    }
    if (unused_ > 256 && unused_ > text_.size() / 2) Compact();
    Span span{static_cast<std::uint32_t>(text_.size()), static_cast<std::uint32_t>(line.size())};
    text_.append(line);
    return span;
}

void CommandLines::Compact() {
    std::string packed;
    packed.reserve(text_.size() - unused_);
    for (Span& s : spans_) {
        std::uint32_t offset = static_cast<std::uint32_t>(packed.size());
        packed.append(text_, s.offset, s.length);
        s.offset = s.length ? offset : 0;
    }
    text_ = std::move(packed);
    unused_ = 0;
}

void CommandLines::Set(std::size_t i, std::string_view line) {
    if ((*this)[i] == line) return;
    unused_ += spans_[i].length;
    spans_[i] = Store(line);
}

void CommandLines::Insert(std::size_t i, std::string_view line) {
    Span span = Store(line);
    spans_.insert(spans_.begin() + static_cast<std::ptrdiff_t>(i), span);
}

void CommandLines::Erase(std::size_t i) {
    unused_ += spans_[i].length;
    spans_.erase(spans_.begin() + static_cast<std::ptrdiff_t>(i));
}

void CommandLines::Resize(std::size_t n) {
    for (std::size_t i = n; i < spans_.size(); ++i) unused_ += spans_[i].length;
    spans_.resize(n);
}

void CommandLines::clear() {
    text_.clear();
    spans_.clear();
    unused_ = 0;
}

bool CommandLines::operator==(const CommandLines& other) const {
    if (size() != other.size()) return false;
    for (std::size_t i = 0; i < size(); ++i)
        if ((*this)[i] != other[i]) return false;
    return true;
}

void ReplaceEventPositions(std::vector<EventPosition>& positions, int kind, std::vector<EventPosition> rows) {
    std::vector<EventPosition> same;
    for (const EventPosition& p : positions)
        if (p.kind == kind) same.push_back(p);
    if (same == rows) return;
    std::vector<EventPosition> kept;
    for (const EventPosition& p : positions)
        if (p.kind != kind) kept.push_back(p);
    kept.insert(kept.end(), rows.begin(), rows.end());
    positions = std::move(kept);
}

Scene NewScene() {
    Scene s;
    s.groups = {
        {"\x83\x5e\x83\x43\x83\x67\x83\x8b\x81\x69\x8f\x98\x8f\xcd\x81\x6a", {"nar 0"}},  // タイトル（序章）
        {"\x83\x5e\x83\x43\x83\x67\x83\x8b\x81\x69\x83\x58\x83\x5e\x81\x5b\x83\x67\x81\x6a", {""}},  // タイトル（スタート）
        {"\x83\x5e\x83\x43\x83\x67\x83\x8b\x81\x69\x83\x8d\x81\x5b\x83\x68\x81\x6a", {"load"}},  // タイトル（ロード）
        {"\x83\x5e\x83\x43\x83\x67\x83\x8b\x81\x69\x8f\x49\x97\xb9\x81\x6a", {"exit"}},  // タイトル（終了）
    };
    return s;
}

std::string SceneFileName(int sceneNumber) { return "scene" + FormatInt(sceneNumber) + ".txt"; }

std::optional<int> SceneNumberFromFileName(std::string_view name) {
    return FileNumberFromName(name, "scene", ".txt");
}

void ParseScene(std::string_view bytes, Scene& scene) {
    scene = Scene{};
    SceneParser parser(scene);
    ForEachLine(bytes, [&](std::string_view line) { parser.Line(line); });
    parser.Flush();
}

void ParseSceneLineViews(std::string_view bytes, Scene& scene, std::vector<std::vector<std::string_view>>& lines) {
    scene = Scene{};
    SceneParser parser(scene, &lines);
    ForEachLine(bytes, [&](std::string_view line) { parser.Line(line); });
    parser.Flush();
    if (lines.size() < scene.groups.size()) lines.resize(scene.groups.size());
}

void WriteScene(TagWriter& w, const Scene& s) {
    w.IntSection(Tag(Sec::Kind), s.kind);
    w.StringSection(Tag(Sec::Name), CutToBytes(s.name, kSceneNameBytes));
    w.StringSection(Tag(Sec::MapData), CutToBytes(s.mapDataFile, kSceneFileNameBytes));
    w.StringSection(Tag(Sec::BgChip), CutToBytes(s.backgroundChipSet, kSceneFileNameBytes));
    w.Open(Tag(Sec::Layer));
    {
        std::string& line = w.BeginLine();
        line += CutToBytes(s.layerChipSet, kSceneFileNameBytes);
        line += ' ';
        AppendRecord(line, s, LayerNumbers());
    }
    w.Close(Tag(Sec::Layer));
    w.IntSection(Tag(Sec::Midi), s.bgmIndex);

    if (std::size_t n = Capped(s.sceneChanges, kSceneChangeCapacity)) {
        w.IntSection(Tag(Sec::SceneChangeNumber), static_cast<long long>(n));
        w.Open(Tag(Sec::SceneChangeData));
        for (std::size_t i = 0; i < n; ++i) AppendRecord(w.BeginLine(), s.sceneChanges[i], SceneChangeLine());
        w.Close(Tag(Sec::SceneChangeData));
    }
    if (std::size_t n = Capped(s.npcIndices, kSceneNpcCapacity)) {
        w.IntSection(Tag(Sec::NpcNumber), static_cast<long long>(n));
        w.Open(Tag(Sec::NpcData));
        for (std::size_t i = 0; i < n; ++i) w.Int(s.npcIndices[i]);
        w.Close(Tag(Sec::NpcData));
    }
    if (std::size_t n = Capped(s.treasureIndices, kSceneTreasureCapacity)) {
        w.IntSection(Tag(Sec::TreasureNumber), static_cast<long long>(n));
        w.Open(Tag(Sec::TreasureData));
        for (std::size_t i = 0; i < n; ++i) w.Int(s.treasureIndices[i]);
        w.Close(Tag(Sec::TreasureData));
    }
    if (std::size_t n = Capped(s.battles, kSceneBattleCapacity)) {
        w.IntSection(Tag(Sec::BattleNumber), static_cast<long long>(n));
        w.Open(Tag(Sec::BattleData));
        for (std::size_t i = 0; i < n; ++i) {
            FieldBattle b = s.battles[i];
            b.backgroundImage = CutCopy(b.backgroundImage, kSceneFileNameBytes);
            AppendRecord(w.BeginLine(), b, BattleLine());
        }
        w.Close(Tag(Sec::BattleData));
        w.Open(Tag(Sec::BattleFieldData));
        WriteGrid(w, s.terrainBattle);
        w.Close(Tag(Sec::BattleFieldData));
    }
    if (!s.mapAnimationFile.empty()) {
        w.StringSection(Tag(Sec::AnimFileName), CutToBytes(s.mapAnimationFile, kSceneFileNameBytes));
        w.Open(Tag(Sec::AnimFieldData));
        WriteGrid(w, s.terrainAnimation);
        w.Close(Tag(Sec::AnimFieldData));
    }
    if (std::size_t n = Capped(s.eventPositions, kSceneEventPositionCapacity)) {
        w.IntSection(Tag(Sec::EventPosNumber), static_cast<long long>(n));
        w.Open(Tag(Sec::EventPosData));
        for (std::size_t i = 0; i < n; ++i) AppendRecord(w.BeginLine(), s.eventPositions[i], EventPositionLine());
        w.Close(Tag(Sec::EventPosData));
    }
    if (std::size_t n = Capped(s.groups, kSceneGroupCapacity)) {
        w.IntSection(Tag(Sec::FlagNumber), static_cast<long long>(n));
        for (std::size_t i = 0; i < n; ++i) {
            const EventCommandGroup& g = s.groups[i];
            w.RecordHeader(static_cast<int>(i));
            w.Open(Tag(Sec::FlagData));
            w.StringSection(Tag(Sec::FlagCmdExp), CutToBytes(g.explanation, kGroupExplanationBytes));
            const std::size_t lines = std::min(g.commands.size(), static_cast<std::size_t>(kGroupCommandCapacity));
            w.IntSection(Tag(Sec::FlagCmdNumber), static_cast<long long>(lines));
            w.Open(Tag(Sec::FlagCmdData));
            for (std::size_t k = 0; k < lines; ++k) w.Line(CutToBytes(g.commands[k], kCommandBytes));
            w.Close(Tag(Sec::FlagCmdData));
            w.Close(Tag(Sec::FlagData));
        }
    }
}

std::string SceneBytes(const Scene& scene) {
    return TagFileBytes([&](TagWriter& w) { WriteScene(w, scene); });
}

ReadStatus LoadSceneFile(const Project& project, std::string_view fileName, Scene& scene) {
    scene = Scene{};
    FileBytes file = ReadFileBytes(DataFilePath(project, fileName), kListFileCeiling);
    if (file.ok()) ParseScene(file.bytes, scene);
    return file.status;
}

ReadStatus LoadSceneFile(const Project& project, int sceneNumber, Scene& scene) {
    return LoadSceneFile(project, SceneFileName(sceneNumber), scene);
}

bool SaveSceneFile(const Project& project, std::string_view fileName, const Scene& scene, SaveUi& ui) {
    return SaveDataTagFile(project, fileName, [&](TagWriter& w) { WriteScene(w, scene); }, ui);
}

DataFileWrite SceneFileWrite(std::string_view fileName, const Scene& scene) {
    return DataFileWrite::Tag(std::string(fileName), [&scene](TagWriter& w) { WriteScene(w, scene); });
}

bool SaveSceneFile(const Project& project, int sceneNumber, const Scene& scene, SaveUi& ui) {
    return SaveSceneFile(project, SceneFileName(sceneNumber), scene, ui);
}

}  // namespace lw
