#include "core/media/effect_animation.h"

#include <algorithm>
#include <functional>

#include "core/tagfile/record_format.h"
#include "core/tagfile/scan.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"

namespace lw {

namespace {

constexpr std::string_view kNumberTag = "image_effect_number";
constexpr std::string_view kDataTag = "image_effect_data";
constexpr std::string_view kNameTag = "image_effect_name";
constexpr std::string_view kMainTag = "image_effect_main_data";
constexpr std::string_view kPosNumberTag = "image_effect_pos_number";
constexpr std::string_view kPosDataTag = "image_effect_pos_data";

// The main line: "%d %d %d %d %d %d %s %d %d %d %d %d %d %d %d %d".
const RecordFormat<EffectAnimation>& MainLine() {
    static const RecordFormat<EffectAnimation> format = {
        IntField(&EffectAnimation::reserved1),  IntField(&EffectAnimation::speed),
        IntField(&EffectAnimation::cellWidth),  IntField(&EffectAnimation::cellHeight),
        IntField(&EffectAnimation::reserved2),  IntField(&EffectAnimation::reserved3),
        TokenField(&EffectAnimation::imageFile, kEffectImageBytes),
        IntField(&EffectAnimation::drawMode),   IntField(&EffectAnimation::colorKey),
        IntField(&EffectAnimation::keyRed),     IntField(&EffectAnimation::keyGreen),
        IntField(&EffectAnimation::keyBlue),    IntField(&EffectAnimation::areaLeft),
        IntField(&EffectAnimation::areaTop),    IntField(&EffectAnimation::areaWidth),
        IntField(&EffectAnimation::areaHeight),
    };
    return format;
}

// One frame line: column, row, x, y.
const RecordFormat<EffectFrame>& FrameLine() {
    static const RecordFormat<EffectFrame> format = {IntField(&EffectFrame::column), IntField(&EffectFrame::row),
                                                     IntField(&EffectFrame::x), IntField(&EffectFrame::y)};
    return format;
}

int ClampFrameCount(int count) { return std::clamp(count, 0, kEffectFrameCapacity); }

// Walks the record sections of the file. Both readers share it: `onCount` gets each count line
// that holds a number, `onComplete` each record at its closing tag. The record section encloses
// the inner sections: its opening tag clears the record being built, its closing tag completes it.
void WalkEffectFile(std::string_view bytes, const std::function<void(int)>& onCount,
                    const std::function<void(const EffectAnimation&)>& onComplete) {
    EffectAnimation building;
    int framePosition = 0;
    TagReader reader;
    reader.Section(kNumberTag, [&](std::string_view line) {
        int count = 0;
        if (ScanInt(line, count)) onCount(count);
    });
    reader.Enclosing(
        kDataTag, [&] { building = EffectAnimation{}; }, [&] { onComplete(building); });
    reader.Section(kNameTag, [&](std::string_view line) { building.name = CutCopy(line, kEffectNameBytes); });
    reader.Section(kMainTag, [&](std::string_view line) { ParseRecord(line, building, MainLine()); });
    reader.Section(kPosNumberTag, [&](std::string_view line) {
        int count = 0;
        if (ScanInt(line, count)) building.frameCount = ClampFrameCount(count);
    });
    reader.Section(
        kPosDataTag,
        [&](std::string_view line) {
            if (framePosition < building.frameCount) {
                ParseRecord(line, building.frames[static_cast<std::size_t>(framePosition)], FrameLine());
                ++framePosition;
            }
        },
        [&] { framePosition = 0; });
    reader.Read(bytes);
}

}  // namespace

const std::string& EffectDisplayName(const EffectAnimation& a) { return a.name.empty() ? a.imageFile : a.name; }

void WriteEffectFile(TagWriter& w, const std::vector<EffectAnimation>& animations) {
    w.IntSection(kNumberTag, static_cast<long long>(animations.size()));
    int index = 0;
    for (const EffectAnimation& a : animations) {
        w.RecordHeader(index++);
        w.Open(kDataTag);
        w.StringSection(kNameTag, a.name);
        w.Open(kMainTag);
        AppendRecord(w.BeginLine(), a, MainLine());
        w.Close(kMainTag);
        const int frames = ClampFrameCount(a.frameCount);
        w.IntSection(kPosNumberTag, frames);
        w.Open(kPosDataTag);
        for (int i = 0; i < frames; ++i) AppendRecord(w.BeginLine(), a.frames[static_cast<std::size_t>(i)], FrameLine());
        w.Close(kPosDataTag);
        w.Close(kDataTag);
    }
}

std::string EffectFileBytes(const std::vector<EffectAnimation>& animations) {
    return TagFileBytes([&](TagWriter& w) { WriteEffectFile(w, animations); });
}

std::vector<EffectAnimation> ParseEffectList(std::string_view bytes) {
    std::vector<EffectAnimation> out;
    WalkEffectFile(bytes, [](int) {}, [&](const EffectAnimation& a) { out.push_back(a); });
    return out;
}

ReadStatus LoadEffectList(const Project& project, std::vector<EffectAnimation>& out) {
    out.clear();
    FileBytes file = ReadFileBytes(DataFilePath(project, kEffectFile), kListFileCeiling);
    if (file.ok()) out = ParseEffectList(file.bytes);
    return file.status;
}

bool SaveEffectList(const Project& project, const std::vector<EffectAnimation>& animations, SaveUi& ui) {
    return SaveDataTagFile(project, kEffectFile, [&](TagWriter& w) { WriteEffectFile(w, animations); }, ui);
}

void ParseEffectTable(std::string_view bytes, EffectTable& table) {
    table.records.clear();
    // The record position advances at every record section's closing tag, stored or not.
    std::size_t position = 0;
    WalkEffectFile(
        bytes,
        [&](int count) {
            table.records.assign(static_cast<std::size_t>(std::clamp(count, 0, kEffectTableCapacity)), EffectAnimation{});
        },
        [&](const EffectAnimation& a) {
            if (position < table.records.size()) table.records[position] = a;
            ++position;
        });
}

ReadStatus LoadEffectTable(const Project& project, EffectTable& table) {
    ReleaseEffectTable(table);
    FileBytes file = ReadFileBytes(DataFilePath(project, kEffectFile), kListFileCeiling);
    if (file.ok()) ParseEffectTable(file.bytes, table);
    return file.status;
}

void ReleaseEffectTable(EffectTable& table) {
    table.records.clear();
    table.records.shrink_to_fit();
}

std::vector<std::string> EffectComboItems(const EffectTable& table) {
    std::vector<std::string> out;
    out.reserve(table.records.size());
    for (const EffectAnimation& a : table.records) out.push_back(EffectDisplayName(a));
    return out;
}

}  // namespace lw
