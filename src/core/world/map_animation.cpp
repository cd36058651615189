#include "core/world/map_animation.h"

#include <algorithm>

#include "core/tagfile/record_format.h"
#include "core/tagfile/scan.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/world/scene_numbers.h"

namespace lw {

namespace {

constexpr std::string_view kMainTag = "map_anim_main_data";
constexpr std::string_view kNumberTag = "map_anim_number";
constexpr std::string_view kDataTag = "map_anim_data";
constexpr std::string_view kPosNumberTag = "map_anim_pos_number";
constexpr std::string_view kPosDataTag = "map_anim_pos_data";

// The main line: "%d %d %d %s" (speed, frame width, frame height, bitmap).
const RecordFormat<MapAnimation>& MainLine() {
    static const RecordFormat<MapAnimation> format = {
        IntField(&MapAnimation::speed), IntField(&MapAnimation::frameWidth), IntField(&MapAnimation::frameHeight),
        TokenField(&MapAnimation::imageFile, kMapAnimationImageBytes)};
    return format;
}

// One frame line: "%d %d" (x, y).
const RecordFormat<MapAnimationFrame>& FrameLine() {
    static const RecordFormat<MapAnimationFrame> format = {IntField(&MapAnimationFrame::x),
                                                           IntField(&MapAnimationFrame::y)};
    return format;
}

// A count line, clamped to 0..capacity; nullopt when the line holds no number.
std::optional<std::size_t> ScanCount(std::string_view line, int capacity) {
    int value = 0;
    if (!ScanInt(line, value)) return std::nullopt;
    return static_cast<std::size_t>(std::clamp(value, 0, capacity));
}

}  // namespace

MapAnimation NewMapAnimation() {
    MapAnimation a;
    a.frameWidth = 32;
    a.frameHeight = 32;
    a.speed = 1;
    return a;
}

std::string MapAnimationFileName(int number) { return "map_anim" + FormatInt(number) + ".txt"; }

std::optional<int> MapAnimationNumberFromFileName(std::string_view fileName) {
    return FileNumberFromName(fileName, "map_anim", ".txt");
}

std::vector<MapAnimationFileEntry> ListMapAnimationFiles(const Project& project) {
    std::vector<MapAnimationFileEntry> out;
    for (std::string& name : ListFolderFiles(project, project.dataFolder, kMapAnimationFilePattern)) {
        if (auto number = MapAnimationNumberFromFileName(name)) out.push_back({std::move(name), *number});
    }
    return out;
}

void ParseMapAnimation(std::string_view bytes, MapAnimation& a) {
    a = MapAnimation{};
    // One animation index, from 0: the record section's opening tag clears the animation at the
    // index, its closing tag advances the index. Animations at or beyond the count are not kept.
    std::size_t index = 0;
    std::size_t frame = 0;
    auto current = [&]() -> MapAnimationSequence* {
        return index < a.animations.size() ? &a.animations[index] : nullptr;
    };
    TagReader reader;
    reader.Section(kMainTag, [&](std::string_view line) { ParseRecord(line, a, MainLine()); });
    reader.Section(kNumberTag, [&](std::string_view line) {
        if (auto n = ScanCount(line, kMapAnimationCapacity)) a.animations.resize(*n);
    });
    reader.Enclosing(
        kDataTag,
        [&] {
            if (MapAnimationSequence* s = current()) *s = MapAnimationSequence{};
        },
        [&] { ++index; });
    reader.Section(kPosNumberTag, [&](std::string_view line) {
        MapAnimationSequence* s = current();
        if (!s) return;
        if (auto n = ScanCount(line, kMapAnimationFrameCapacity)) s->frames.resize(*n);
    });
    reader.Section(
        kPosDataTag,
        [&](std::string_view line) {
            MapAnimationSequence* s = current();
            if (!s || frame >= s->frames.size()) return;
            ParseRecord(line, s->frames[frame++], FrameLine());
        },
        [&] { frame = 0; });
    reader.Read(bytes);
}

void WriteMapAnimation(TagWriter& w, const MapAnimation& a) {
    w.Open(kMainTag);
    AppendRecord(w.BeginLine(), a, MainLine());
    w.Close(kMainTag);
    const int count = std::min(a.animationCount(), kMapAnimationCapacity);
    w.IntSection(kNumberTag, count);
    for (int i = 0; i < count; ++i) {
        const MapAnimationSequence& s = a.animations[static_cast<std::size_t>(i)];
        const int frames = std::min(s.frameCount(), kMapAnimationFrameCapacity);
        w.RecordHeader(i);
        w.Open(kDataTag);
        w.IntSection(kPosNumberTag, frames);
        w.Open(kPosDataTag);
        for (int f = 0; f < frames; ++f) AppendRecord(w.BeginLine(), s.frames[static_cast<std::size_t>(f)], FrameLine());
        w.Close(kPosDataTag);
        w.Close(kDataTag);
    }
}

std::string MapAnimationBytes(const MapAnimation& a) {
    return TagFileBytes([&](TagWriter& w) { WriteMapAnimation(w, a); });
}

ReadStatus LoadMapAnimationFile(const Project& project, std::string_view fileName, MapAnimation& a) {
    a = MapAnimation{};
    FileBytes file = ReadFileBytes(DataFilePath(project, fileName), kListFileCeiling);
    if (file.ok()) ParseMapAnimation(file.bytes, a);
    return file.status;
}

bool SaveMapAnimationFile(const Project& project, std::string_view fileName, const MapAnimation& a, SaveUi& ui) {
    return SaveDataTagFile(project, fileName, [&](TagWriter& w) { WriteMapAnimation(w, a); }, ui);
}

std::string FrameListText(const MapAnimationSequence& s) {
    std::string text;
    for (const MapAnimationFrame& f : s.frames) {
        if (!text.empty()) text += ' ';
        AppendInt(text, f.x);
        text += ' ';
        AppendInt(text, f.y);
    }
    return text;
}

MapAnimationProblem CheckMapAnimationSettings(const MapAnimation& a) {
    if (a.frameWidth < 1 || a.frameHeight < 1) return MapAnimationProblem::FrameSizeBelowOne;
    if (a.imageFile.empty()) return MapAnimationProblem::NoImage;
    if (CheckTokenField(a.imageFile) != FieldProblem::None) return MapAnimationProblem::ImageNameHasBlank;
    return MapAnimationProblem::None;
}

}  // namespace lw
