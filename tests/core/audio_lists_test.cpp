#include <gtest/gtest.h>

#include <filesystem>

#include "core/media/audio_lists.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

TEST(AudioLists, RoundTripKeepsBlanksEmptyNamesAndEveryNameBeyond256) {
    std::vector<std::string> names = {"town theme.mid", "\x90\xED\x93\xAC.mid", ""};
    for (int i = 0; i < 297; ++i) names.push_back("bgm" + std::to_string(i) + ".mid");
    TempProject tp;
    ScriptedSaveUi ui;
    ASSERT_TRUE(SaveMidiList(tp.project, names, ui));
    const std::string bytes = tp.ReadData("midi_list.txt");
    EXPECT_EQ(bytes.rfind("<midi_number>\r\n300\r\n</midi_number>\r\n<midi_data>\r\ntown theme.mid\r\n", 0), 0u);
    EXPECT_EQ(bytes.substr(bytes.size() - 26), "\r\nbgm296.mid\r\n</midi_data>");

    std::vector<std::string> shown;
    ASSERT_EQ(ReadStatus::Ok, LoadAudioListNames(tp.project, AudioList::Bgm, shown));
    EXPECT_EQ(shown, names);
    MidiTable table;
    ASSERT_EQ(ReadStatus::Ok, LoadMidiTable(tp.project, table));
    EXPECT_EQ(table.count, 256);  // 300 clamped
    EXPECT_EQ(table.Name(0), "town theme.mid");
    EXPECT_EQ(table.Name(255), "bgm252.mid");
    EXPECT_EQ(table.Name(256), "");

    const std::string none = AudioListBytes(AudioList::Sound, {});
    EXPECT_EQ(none, "<wave_number>\r\n0\r\n</wave_number>\r\n<wave_data>\r\n</wave_data>");
    EXPECT_TRUE(ParseAudioListNames(none, AudioList::Sound).empty());
}

TEST(AudioLists, TableCountRules) {
    MidiTable t;
    // Count 5 with 3 names: 5 entries, the last two empty; the control reader sees the 3 lines.
    const std::string five = CountedList("midi", "5", {"a.mid", "b.mid", "c.mid"});
    ParseAudioTable(five, AudioList::Bgm, t);
    EXPECT_EQ(t.count, 5);
    EXPECT_EQ(t.Name(2), "c.mid");
    EXPECT_EQ(t.Name(4), "");
    EXPECT_EQ(ParseAudioListNames(five, AudioList::Bgm).size(), 3u);

    // A negative count stays as read and takes no names; look-ups stay in bounds.
    ParseAudioTable(CountedList("midi", "-4", {"a.mid"}), AudioList::Bgm, t);
    EXPECT_EQ(t.count, -4);
    EXPECT_EQ(t.names[0], "");
    EXPECT_EQ(t.Name(-1), "");

    // The table is cleared before each read; the sound list reads its own tags only.
    ParseAudioTable(CountedList("midi", "2", {"x.mid", "y.mid"}), AudioList::Bgm, t);
    ParseAudioTable(CountedList("midi", "2", {"z.mid"}), AudioList::Bgm, t);
    EXPECT_EQ(t.Name(1), "");
    ParseAudioTable(CountedList("midi", "2", {"x.mid"}), AudioList::Sound, t);
    EXPECT_EQ(t.count, 0);
    EXPECT_EQ(t.names[0], "");

    // The control reader: no limit, empty lines kept, lines outside the data section ignored.
    EXPECT_EQ(ParseAudioListNames("junk\n<midi_number>\n1\n</midi_number>\n<midi_data>\na.mid\n\n b.mid\n</midi_data>\nafter\n",
                                  AudioList::Bgm),
              (std::vector<std::string>{"a.mid", "", " b.mid"}));

    // A missing file leaves both readers empty.
    TempProject tp;
    t.count = 3;
    t.names[0] = "stale";
    EXPECT_EQ(ReadStatus::Missing, LoadWaveTable(tp.project, t));
    EXPECT_EQ(t.count, 0);
    EXPECT_EQ(t.names[0], "");
    std::vector<std::string> names = {"stale"};
    EXPECT_EQ(ReadStatus::Missing, LoadAudioListNames(tp.project, AudioList::Sound, names));
    EXPECT_TRUE(names.empty());
}

TEST(AudioLists, FolderChoicesAreFilesOnlySortedWithoutCaseAndNoLineBreaks) {
    TempProject tp;
    const auto audio = tp.dir.path() / "audio";
    for (const char* name : {"b.wav", "A.mid", "a.mid", "C.ogg", "line\nbreak.wav"}) test::WriteBytes(audio / name, "x");
    std::filesystem::create_directories(audio / "folder.wav");
    EXPECT_EQ(AudioFolderChoices(tp.project), (std::vector<std::string>{"A.mid", "a.mid", "b.wav", "C.ogg"}));
    // Double-byte names sort after ASCII, and their trail bytes are never case-folded.
    EXPECT_TRUE(AudioNameLess("z.wav", "\x82\xA0.wav"));
    EXPECT_TRUE(AudioNameLess("\x82\x41", "\x82\x61"));
    EXPECT_FALSE(AudioNameLess("\x82\x61", "\x82\x41"));
}

}  // namespace
}  // namespace lw
