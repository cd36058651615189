#include "core/media/narration_list.h"

#include <algorithm>
#include <limits>

#include "core/tagfile/record_format.h"
#include "core/tagfile/scan.h"
#include "core/tagfile/string_list.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"

namespace lw {

namespace {

constexpr std::string_view kNumberTag = "narration_number";
constexpr std::string_view kDataTag = "narration_data";
constexpr std::string_view kMainTag = "narration_main_data";

// The record line: "%d %d %d %d %d %d %d %d %d %d %d %d %s %d".
const RecordFormat<Narration>& RecordLine() {
    static const RecordFormat<Narration> format = {
        IntField(&Narration::text),   IntField(&Narration::size),        IntField(&Narration::red),
        IntField(&Narration::green),  IntField(&Narration::blue),        IntField(&Narration::left),
        IntField(&Narration::top),    IntField(&Narration::right),       IntField(&Narration::bottom),
        IntField(&Narration::speed),  IntField(&Narration::wait),        IntField(&Narration::lastPageTime),
        TokenField(&Narration::image, kNarrationImageBytes),             IntField(&Narration::bgm),
    };
    return format;
}

void WriteNarrationList(TagWriter& w, const std::vector<Narration>& narrations) {
    w.IntSection(kNumberTag, static_cast<long long>(narrations.size()));
    w.Open(kDataTag);
    for (const Narration& n : narrations) AppendRecord(w.BeginLine(), n, RecordLine());
    w.Close(kDataTag);
}

int Saturate(long long v) {
    return static_cast<int>(std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

Narration NewNarrationDefaults() { return Narration{}; }

Narration ClearedNarration() {
    Narration n;
    n.text = n.left = n.top = n.right = n.bottom = 0;
    n.size = n.speed = n.wait = n.lastPageTime = 0;
    n.red = n.green = n.blue = 0;
    n.bgm = 0;
    return n;
}

std::vector<Narration> ParseNarrationList(std::string_view bytes) {
    std::vector<Narration> out;
    int count = 0;
    // The nested shape: the record being built inside the current "<narration_data>", and whether
    // that section held a "<narration_main_data>" (only then does its closing tag complete a record;
    // the flat shape's one data section completes nothing at its end).
    Narration building = ClearedNarration();
    bool nested = false;
    auto room = [&] { return static_cast<long long>(out.size()) < count; };

    TagReader reader;
    reader.Section(kNumberTag, [&](std::string_view line) { ScanInt(line, count); });
    // Before the data section, whose tags it lies inside: its opening tag is tested first.
    reader.Section(
        kMainTag,
        [&](std::string_view line) {
            if (room()) ParseRecord(line, building, RecordLine());
        },
        [&] { nested = true; });
    reader.Section(
        kDataTag,
        [&](std::string_view line) {
            // The flat shape: a record line directly inside the data section.
            if (!room()) return;
            Narration n = ClearedNarration();
            ParseRecord(line, n, RecordLine());
            out.push_back(std::move(n));
        },
        [&] {
            building = ClearedNarration();
            nested = false;
        },
        [&] {
            if (nested && room()) out.push_back(building);
            nested = false;
        });
    reader.Read(bytes);
    return out;
}

ReadStatus LoadNarrationList(const Project& project, std::vector<Narration>& out) {
    out.clear();
    FileBytes file = ReadFileBytes(DataFilePath(project, kNarrationFile), kListFileCeiling);
    if (file.ok()) out = ParseNarrationList(file.bytes);
    return file.status;
}

std::string NarrationListBytes(const std::vector<Narration>& narrations) {
    return TagFileBytes([&](TagWriter& w) { WriteNarrationList(w, narrations); });
}

bool SaveNarrationList(const Project& project, const std::vector<Narration>& narrations, SaveUi& ui) {
    return SaveDataTagFile(project, kNarrationFile, [&](TagWriter& w) { WriteNarrationList(w, narrations); }, ui);
}

const std::string& NarrationLabel(const Narration& n) { return n.image; }

int MillisecondsFromTenths(long long tenths) { return Saturate(tenths * 100); }
int TenthsFromMilliseconds(int milliseconds) { return milliseconds / 100; }

NarrationProblem CheckNarration(const Narration& n) {
    switch (CheckTokenField(n.image)) {
    case FieldProblem::Empty: return NarrationProblem::NoImage;
    case FieldProblem::HasBlank: return NarrationProblem::ImageNameHasBlank;
    case FieldProblem::None: break;
    }
    return NarrationProblem::None;
}

std::string_view NarrationPreviewText(std::string_view wholeText) {
    return CutToBytes(wholeText, kNarrationPreviewTextBytes);
}

Rgb NarrationTextColour(const Narration& n) { return Rgb{n.red & 0xFF, n.green & 0xFF, n.blue & 0xFF}; }

NarrationRect NarrationPreviewRect(const Narration& n) {
    auto edge = [](int v) { return std::clamp(v, -kNarrationRectLimit, kNarrationRectLimit); };
    return NarrationRect{edge(n.left), edge(n.top), edge(n.right), edge(n.bottom)};
}

std::vector<std::string> ParseNarrationTextChoices(std::string_view bytes) {
    return ReadStringListLines(bytes, "talk_number", "talk_data", kNarrationTextBytes);
}

ReadStatus LoadNarrationTextChoices(const Project& project, std::vector<std::string>& texts) {
    texts.clear();
    FileBytes file = ReadFileBytes(DataFilePath(project, kNarrationTextFile), kListFileCeiling);
    if (file.ok()) texts = ParseNarrationTextChoices(file.bytes);
    return file.status;
}

std::string_view NarrationTextLabel(std::string_view text) { return CutToBytes(text, kNarrationTextLabelBytes); }

}  // namespace lw
