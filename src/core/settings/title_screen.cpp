#include "core/settings/title_screen.h"

#include <algorithm>

#include "core/tagfile/record_format.h"
#include "core/tagfile/scan.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"

namespace lw {

namespace {

constexpr std::string_view kBgmTag = "midi_index";
constexpr std::string_view kPositionTag = "menu_pos";
constexpr std::string_view kHeightTag = "menu_item_height";
constexpr std::string_view kFontSizeTag = "font_size";
constexpr std::string_view kColourTag = "font_color";
constexpr std::string_view kNumberTag = "menu_item_number";
constexpr std::string_view kDataTag = "menu_item_data";

// "%d %d": the menu position.
const RecordFormat<TitleScreen>& PositionLine() {
    static const RecordFormat<TitleScreen> format = {IntField(&TitleScreen::x), IntField(&TitleScreen::y)};
    return format;
}

// "%d %d %s": one entry.
const RecordFormat<TitleEntry>& EntryLine() {
    static const RecordFormat<TitleEntry> format = {IntField(&TitleEntry::flag), IntField(&TitleEntry::slot),
                                                    TokenField(&TitleEntry::text, kTitleEntryTextBytes)};
    return format;
}

// The twelve colour components in file order.
std::array<int*, 12> ColourComponents(TitleScreen& t) {
    std::array<int*, 12> out{};
    for (std::size_t i = 0; i < t.colours.size(); ++i) {
        out[i * 3] = &t.colours[i].red;
        out[i * 3 + 1] = &t.colours[i].green;
        out[i * 3 + 2] = &t.colours[i].blue;
    }
    return out;
}

void ScanColours(std::string_view line, TitleScreen& t) {
    FieldScanner scan(line);
    for (int* c : ColourComponents(t)) {
        int value = 0;
        if (!scan.Int(value)) break;
        *c = value & 0xFF;
    }
}

void WriteTitleScreen(TagWriter& w, const TitleScreen& t) {
    w.IntSection(kBgmTag, t.bgm);
    w.Open(kPositionTag);
    AppendRecord(w.BeginLine(), t, PositionLine());
    w.Close(kPositionTag);
    w.IntSection(kHeightTag, t.entryHeight);
    w.IntSection(kFontSizeTag, t.fontSize);
    w.Open(kColourTag);
    std::string& line = w.BeginLine();
    bool first = true;
    for (const Rgb& c : t.colours) {
        for (int v : {c.red, c.green, c.blue}) {
            if (!first) line += ' ';
            first = false;
            AppendInt(line, v);
        }
    }
    w.Close(kColourTag);
    w.IntSection(kNumberTag, CountTitleEntriesOn(t));
    w.Open(kDataTag);
    for (const TitleEntry& e : t.entries) {
        if (e.slot >= 0) AppendRecord(w.BeginLine(), e, EntryLine());
    }
    w.Close(kDataTag);
}

int Clamp(long long value, int low, int high) { return static_cast<int>(std::clamp<long long>(value, low, high)); }

bool IsEditorRow(int row) { return row >= 0 && row < kTitleEditorRows; }

}  // namespace

void ResetTitleScreen(TitleScreen& title) { title = TitleScreen{}; }

void ParseTitleScreen(std::string_view bytes, TitleScreen& title) {
    ResetTitleScreen(title);
    TagReader reader;
    reader.Section(kBgmTag, [&](std::string_view line) { ScanInt(line, title.bgm); });
    reader.Section(kPositionTag, [&](std::string_view line) { ParseRecord(line, title, PositionLine()); });
    reader.Section(kHeightTag, [&](std::string_view line) { ScanInt(line, title.entryHeight); });
    reader.Section(kFontSizeTag, [&](std::string_view line) { ScanInt(line, title.fontSize); });
    reader.Section(kColourTag, [&](std::string_view line) { ScanColours(line, title); });
    reader.Section(kNumberTag, [&](std::string_view line) {
        if (ScanInt(line, title.entryCount) && title.entryCount > kTitleEntrySlots) title.entryCount = kTitleEntrySlots;
    });
    int taken = 0;
    bool entriesSeen = false;
    reader.Section(
        kDataTag,
        [&](std::string_view line) {
            if (taken >= title.entryCount) return;
            ++taken;
            TitleEntry entry;
            ParseRecord(line, entry, EntryLine());
            if (entry.slot >= 0 && entry.slot < kTitleEntrySlots) title.entries[static_cast<std::size_t>(entry.slot)] = entry;
        },
        [&] {
            taken = 0;
            // The file holds the entries that are on: once its entry section begins, every slot
            // starts off. Only the slot numbers change; the texts stay for an entry switched on again.
            if (!entriesSeen) {
                for (TitleEntry& e : title.entries) e.slot = -1;
                entriesSeen = true;
            }
        });
    reader.Read(bytes);
}

ReadStatus LoadTitleScreen(const Project& project, TitleScreen& title) {
    ResetTitleScreen(title);
    FileBytes file = ReadFileBytes(DataFilePath(project, kTitleFile), kSmallFileCeiling);
    if (file.ok()) ParseTitleScreen(file.bytes, title);
    return file.status;
}

std::string TitleScreenBytes(const TitleScreen& title) {
    return TagFileBytes([&](TagWriter& w) { WriteTitleScreen(w, title); });
}

bool SaveTitleScreen(const Project& project, const TitleScreen& title, SaveUi& ui) {
    return SaveDataTagFile(project, kTitleFile, [&](TagWriter& w) { WriteTitleScreen(w, title); }, ui);
}

int CountTitleEntriesOn(const TitleScreen& title) {
    return static_cast<int>(std::count_if(title.entries.begin(), title.entries.end(),
                                          [](const TitleEntry& e) { return e.slot >= 0; }));
}

bool TitleEntryOn(const TitleScreen& title, int row) {
    return IsEditorRow(row) && title.entries[static_cast<std::size_t>(row)].slot == row;
}

void SetTitleEntryOn(TitleScreen& title, int row, bool on) {
    if (IsEditorRow(row)) title.entries[static_cast<std::size_t>(row)].slot = on ? row : -1;
}

void SetTitleEntryText(TitleScreen& title, int row, std::string_view text) {
    if (IsEditorRow(row)) title.entries[static_cast<std::size_t>(row)].text = CutCopy(text, kTitleEntryTextBytes);
}

void ApplyTitleEditorFlags(TitleScreen& title) {
    static constexpr std::array<int, kTitleEditorRows> flags = {1, 0, 1, 0};
    for (int i = 0; i < kTitleEditorRows; ++i) title.entries[static_cast<std::size_t>(i)].flag = flags[static_cast<std::size_t>(i)];
}

int ClampTitleX(long long value) { return Clamp(value, 0, kTitleXMax); }
int ClampTitleY(long long value) { return Clamp(value, 0, kTitleYMax); }
int ClampTitleFontSize(long long value) { return Clamp(value, 5, 255); }
int ClampTitleSpacing(long long value) { return Clamp(value, 0, 255); }
int ClampTitleColour(long long value) { return Clamp(value, 0, 255); }

void SetTitleBackground(ImageTable& backTable, std::string_view fileName) {
    ImageEntry& slot = backTable.entries[kTitleBackgroundSlot];
    slot = ImageEntry{};
    slot.fileName = CutCopy(fileName, kImageFileNameBytes);
}

}  // namespace lw
