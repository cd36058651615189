#include "core/media/audio_lists.h"

#include <algorithm>

#include "core/tagfile/string_list.h"
#include "core/tagfile/tag_writer.h"
#include "core/tagfile/tag_reader.h"
#include "core/text/cp932.h"

namespace lw {

namespace {

constexpr AudioListFormat kBgm{"midi_list.txt", "midi_number", "midi_data"};
constexpr AudioListFormat kSound{"wave_list.txt", "wave_number", "wave_data"};

unsigned char FoldAscii(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c; }

}  // namespace

const AudioListFormat& FormatOf(AudioList list) { return list == AudioList::Bgm ? kBgm : kSound; }

std::string_view AudioTable::Name(int index) const {
    if (index < 0 || index >= count || index >= kAudioTableCapacity) return {};
    return names[static_cast<std::size_t>(index)];
}

std::vector<std::string> TableNames(const AudioTable& table) {
    std::vector<std::string> names;
    const int count = std::clamp(table.count, 0, kAudioTableCapacity);
    names.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) names.emplace_back(table.Name(i));
    return names;
}

std::vector<std::string> LoadTableNames(const Project& project, AudioList list) {
    AudioTable table;
    LoadAudioTable(project, list, table);
    return TableNames(table);
}

void ParseAudioTable(std::string_view bytes, AudioList list, AudioTable& table) {
    table = AudioTable{};
    const AudioListFormat& f = FormatOf(list);
    TagReader reader;
    BoundedList bounded{.count = 0, .position = 0, .capacity = kAudioTableCapacity};
    bounded.AddTo(reader, f.numberTag, f.dataTag, [&](int position, std::string_view line) {
        table.names[static_cast<std::size_t>(position)] = CutCopy(line, kAudioNameBytes);
    });
    reader.Read(bytes);
    table.count = bounded.count;
}

ReadStatus LoadAudioTable(const Project& project, AudioList list, AudioTable& table) {
    table = AudioTable{};
    FileBytes file = ReadFileBytes(DataFilePath(project, FormatOf(list).fileName), kSmallFileCeiling);
    if (file.ok()) ParseAudioTable(file.bytes, list, table);
    return file.status;
}

std::vector<std::string> ParseAudioListNames(std::string_view bytes, AudioList list) {
    const AudioListFormat& f = FormatOf(list);
    return ReadStringListLines(bytes, f.numberTag, f.dataTag, kAudioNameBytes);
}

ReadStatus LoadAudioListNames(const Project& project, AudioList list, std::vector<std::string>& names) {
    names.clear();
    FileBytes file = ReadFileBytes(DataFilePath(project, FormatOf(list).fileName), kSmallFileCeiling);
    if (file.ok()) names = ParseAudioListNames(file.bytes, list);
    return file.status;
}

std::string AudioListBytes(AudioList list, const std::vector<std::string>& names) {
    const AudioListFormat& f = FormatOf(list);
    return WriteStringList(f.numberTag, f.dataTag, names);
}

bool SaveAudioList(const Project& project, AudioList list, const std::vector<std::string>& names, SaveUi& ui) {
    const AudioListFormat& f = FormatOf(list);
    return SaveDataTagFile(project, f.fileName, [&](TagWriter& w) { WriteStringList(w, f.numberTag, f.dataTag, names); }, ui);
}

bool AudioNameLess(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char ca = FoldAscii(static_cast<unsigned char>(a[i]));
        unsigned char cb = FoldAscii(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb;
        // A double-byte character is compared whole: its trail byte is never folded.
        if (IsLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < n) {
            ++i;
            if (a[i] != b[i]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]);
        }
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;  // names equal but for case: byte order keeps the sort stable
}

std::vector<std::string> AudioFolderChoices(const Project& project) {
    std::vector<std::string> names = ListFolderFiles(project, project.audioFolder, "*.*");
    std::erase_if(names, [](const std::string& n) { return n.find_first_of("\r\n") != std::string::npos; });
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return AudioNameLess(a, b); });
    return names;
}

}  // namespace lw
