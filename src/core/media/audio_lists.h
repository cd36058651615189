#pragma once
// The BGM list (midi_list.txt) and the sound-effect list (wave_list.txt): ordered file names of
// files in the project's audio folder. A name's position in its list is the number by which every
// other list and every event command refers to that piece of music or that sound.
//
// Each file is a counted list of whole-line names:
//   "<midi_number>" count "</midi_number>" "<midi_data>" one name per line "</midi_data>"
// (wave_ in place of midi_ for the sound list). Two readers serve each list:
//   - the table reader (LoadMidiTable / LoadWaveTable) for editors that need the names by index:
//     the count bounds the names taken and is clamped to the table's 256 entries;
//   - the control reader (LoadAudioListNames) for lists shown in a control: the count is ignored,
//     every line of the data section is one entry (an empty line an empty entry), no limit.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"
#include "core/tagfile/file_io.h"

namespace lw {

enum class AudioList { Bgm, Sound };

struct AudioListFormat {
    std::string_view fileName;   // "midi_list.txt" / "wave_list.txt"
    std::string_view numberTag;  // "midi_number" / "wave_number"
    std::string_view dataTag;    // "midi_data" / "wave_data"
};
const AudioListFormat& FormatOf(AudioList list);

inline constexpr int kAudioTableCapacity = 256;
// A name holds at most this many bytes of CP932 text.
inline constexpr std::size_t kAudioNameBytes = 255;

// The in-memory table of one list. `count` is the count read from the file, clamped to 256; it may
// exceed the names the file held (those entries stay empty) and may be negative when the file says
// so (no names are taken then). Use Name() for a bounds-checked look-up.
struct AudioTable {
    int count = 0;
    std::array<std::string, kAudioTableCapacity> names{};

    // The name at `index`, or an empty name when `index` is outside both the count and the table.
    std::string_view Name(int index) const;
};
using MidiTable = AudioTable;
using WaveTable = AudioTable;

// Clears `table` and fills it from the file's bytes / the project's file (which, when missing or
// unreadable, leaves it cleared).
void ParseAudioTable(std::string_view bytes, AudioList list, AudioTable& table);
ReadStatus LoadAudioTable(const Project& project, AudioList list, AudioTable& table);
inline ReadStatus LoadMidiTable(const Project& project, MidiTable& table) { return LoadAudioTable(project, AudioList::Bgm, table); }
inline ReadStatus LoadWaveTable(const Project& project, WaveTable& table) { return LoadAudioTable(project, AudioList::Sound, table); }
// The names of the table's first `count` entries, as its drop-downs list them; the project's file
// read as a table (none when it is missing or unreadable).
std::vector<std::string> TableNames(const AudioTable& table);
std::vector<std::string> LoadTableNames(const Project& project, AudioList list);

// Every name of the data section in file order (the control reader). `names` is emptied first.
std::vector<std::string> ParseAudioListNames(std::string_view bytes, AudioList list);
ReadStatus LoadAudioListNames(const Project& project, AudioList list, std::vector<std::string>& names);

// The file's bytes for `names` (all of them, however many), and the save with the overwrite
// question. Names are written as they stand, blanks included. False when the author declined the
// overwrite or the file could not be written.
std::string AudioListBytes(AudioList list, const std::vector<std::string>& names);
bool SaveAudioList(const Project& project, AudioList list, const std::vector<std::string>& names, SaveUi& ui);
inline bool SaveMidiList(const Project& project, const std::vector<std::string>& names, SaveUi& ui) {
    return SaveAudioList(project, AudioList::Bgm, names, ui);
}
inline bool SaveWaveList(const Project& project, const std::vector<std::string>& names, SaveUi& ui) {
    return SaveAudioList(project, AudioList::Sound, names, ui);
}

// The names the list editors offer: every regular file of the audio folder ("*.*"; folders, "."
// and ".." are not files), sorted with ASCII letters compared without case and then byte for byte,
// so "Battle.mid" and "battle.mid" stand together and the order is the same on every run. Names
// holding a line break are left out: a list file keeps one name per line and could not hold them.
std::vector<std::string> AudioFolderChoices(const Project& project);
// The order AudioFolderChoices uses.
bool AudioNameLess(std::string_view a, std::string_view b);

}  // namespace lw
