// The music player through SDL's disk driver: every test records what the mixer played into a
// file of raw samples and checks the samples (16-bit stereo at 44100 Hz, in real time).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <thread>

#include "audio/music_player.h"
#include "audio/play_selection.h"
#include "audio/sound_fonts.h"
#include "support/core/media_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;
namespace fs = std::filesystem;

void Wait(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Sets an environment variable for the scope and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) setenv(name, value->c_str(), 1);
        else unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class DiskAudio : public ::testing::Test {
protected:
    TempProject tp;
    fs::path raw = tp.dir.path() / "out.raw";
    ScopedEnv driver{"SDL_AUDIODRIVER", "disk"};
    ScopedEnv output{"SDL_DISKAUDIOFILE", raw.string()};
    std::vector<AudioMessage> messages;
    std::optional<MusicPlayer> player;

    void SetUp() override {
        player.emplace([this](const AudioMessage& m) { messages.push_back(m); });
        ASSERT_TRUE(player->Initialise());
        ASSERT_TRUE(messages.empty());
    }
    fs::path Audio(const std::string& name, const std::string& bytes) {
        fs::path p = AudioFilePath(tp.project, name);
        test::WriteBytes(p, bytes);
        return p;
    }
    // Closes the device (which flushes the recording) and reads what was played.
    Samples Finish() {
        player->Shutdown();
        return Samples::FromRaw(test::ReadBytes(raw));
    }
    long F(double ms) const { return static_cast<long>(ms * test::kTestRate / 1000.0); }
};

TEST_F(DiskAudio, BgmLoopsPastItsLengthAndStopAllSilences) {
    auto bgm = Audio("loop.wav", MakeWav({{100, 8000}}));
    ASSERT_TRUE(player->PlayMusicFile(0, bgm, 0));
    Wait(450);
    EXPECT_TRUE(player->MusicPlaying());
    ASSERT_TRUE(player->StopAll());
    EXPECT_FALSE(player->MusicPlaying());
    Wait(250);
    Samples s = Finish();

    long start = s.FirstLoud();
    ASSERT_GE(start, 0) << "nothing was played";
    EXPECT_EQ(s.Peak(start, start + F(90)), 8000);
    // Still sounding 150 to 250 ms in: the 100 ms file has looped.
    EXPECT_EQ(s.Peak(start + F(150), start + F(250)), 8000);
    // After StopAll the output stays silent to the end of the recording.
    long last = s.LastLoud();
    EXPECT_GT(s.frames() - last, F(150));
    EXPECT_EQ(messages.size(), 0u);
}

// A sound plays once, whole, and stops the BGM.
TEST_F(DiskAudio, PlayingASoundStopsTheBgmAndPlaysOnce) {
    auto bgm = Audio("bgm.wav", MakeWav({{100, 8000}}));
    auto sound = Audio("hit.wav", MakeWav({{60, 3000}}));
    ASSERT_TRUE(player->PlayMusicFile(0, bgm, 0));
    Wait(150);
    ASSERT_TRUE(player->PlaySoundFile(0, sound, 0));
    EXPECT_FALSE(player->MusicPlaying());
    Wait(300);
    EXPECT_FALSE(player->SoundPlaying());
    Samples s = Finish();

    long last = s.LastLoud();
    ASSERT_GE(last, 0);
    // The last thing heard is the whole sound alone (not mixed with the BGM), and silence follows it.
    EXPECT_EQ(s.Peak(last - F(59), last + 1), 3000);
    EXPECT_GT(s.frames() - last, F(150));
}

TEST_F(DiskAudio, PlayingTheSameFileAgainRestartsIt) {
    // 50 ms quiet, then 250 ms loud: a restart shows as the quiet part again after the loud one.
    auto sound = Audio("two.wav", MakeWav({{50, 2000}, {250, 6000}}));
    ASSERT_TRUE(player->PlaySoundFile(0, sound, 0));
    Wait(150);
    ASSERT_TRUE(player->PlaySoundFile(0, sound, 0));
    Wait(450);
    Samples s = Finish();

    // Levels in 5 ms windows, runs collapsed: quiet, loud, quiet, loud, silence.
    std::vector<int> runs;
    for (long f = s.FirstLoud(); f >= 0 && f < s.frames(); f += F(5)) {
        int p = s.Peak(f, f + F(5));
        int level = p == 0 ? 0 : (p <= 2000 ? 1 : 2);
        if (runs.empty() || runs.back() != level) runs.push_back(level);
    }
    EXPECT_EQ(runs, (std::vector<int>{1, 2, 1, 2, 0}));
}

TEST_F(DiskAudio, VolumeIsWholeDecibelsAndOutOfRangeFailsByKind) {
    auto loud = Audio("loud.wav", MakeWav({{200, 8000}}));
    // Out of range: a BGM still plays after the message, a sound does not play.
    EXPECT_TRUE(player->PlayMusicFile(0, loud, 5));
    EXPECT_TRUE(player->MusicPlaying());
    EXPECT_FALSE(player->PlaySoundFile(0, loud, -200));
    EXPECT_FALSE(player->SoundPlaying());
    ASSERT_EQ(messages.size(), 2u);
    for (const auto& m : messages) EXPECT_EQ(m.text, "パスのボリューム設定に失敗しました。");

    // -6 dB halves the amplitude.
    ASSERT_TRUE(player->PlaySoundFile(0, loud, -6));
    Wait(300);
    Samples s = Finish();
    long last = s.LastLoud();
    ASSERT_GE(last, 0);
    EXPECT_EQ(s.Peak(last - F(100), last + 1), 4000);
}

TEST_F(DiskAudio, MissingFilesAreReportedOnceAndBadSlotsFailSilently) {
    EXPECT_FALSE(player->PlayMusicFile(0, tp.dir.path() / "audio" / "missing.wav", 0));
    EXPECT_FALSE(player->PlaySoundFile(0, tp.dir.path() / "audio" / "missing.wav", 0));
    auto garbage = Audio("garbage.wav", "not a sound at all");
    EXPECT_FALSE(player->PlaySoundFile(3, garbage, 0));
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].text, "BGMの読み込みに失敗しました。");
    EXPECT_EQ(messages[1].text, "Soundの読み込みに失敗しました。");
    EXPECT_EQ(messages[2].text, "Soundの読み込みに失敗しました。");
    for (const auto& m : messages) {
        EXPECT_EQ(m.caption, "DMusic8");
        EXPECT_TRUE(m.error);
    }
    messages.clear();

    auto ok = Audio("ok.wav", MakeWav({{50, 1000}}));
    for (int slot : {-1, 256}) {
        EXPECT_FALSE(player->PlayMusicFile(slot, ok, 0));
        EXPECT_FALSE(player->PlaySoundFile(slot, ok, 0));
    }
    // Empty slots, and the slot a failed load left behind.
    EXPECT_FALSE(player->PlayMusic(7));
    EXPECT_FALSE(player->PlaySound(7));
    EXPECT_FALSE(player->PlaySound(3));
    EXPECT_TRUE(messages.empty());

    // The player stays usable after the failures; the highest slot works.
    EXPECT_TRUE(player->PlaySoundFile(255, ok, 0));
    EXPECT_EQ(player->SoundSlotFile(255), ok);
    EXPECT_TRUE(player->PlayMusicFile(255, ok, 0));
    EXPECT_TRUE(messages.empty());
}

TEST_F(DiskAudio, MidiSoundsThroughTheGeneralMidiSoundfont) {
    ASSERT_FALSE(player->soundFonts().empty()) << "no General MIDI soundfont found (timgm6mb-soundfont)";
    auto midi = Audio("tune.mid", MakeMidi(300));
    ASSERT_TRUE(player->PlayMusicFile(0, midi, 0));
    Wait(700);
    Samples s = Finish();
    EXPECT_TRUE(messages.empty());
    long start = s.FirstLoud(200);
    ASSERT_GE(start, 0) << "the MIDI file made no sound";
    EXPECT_GT(s.Peak(start, s.frames()), 1000);
}

// The MIDI decoder accepts any .mid when loading and fails only when playing; such a file says so
// at once, as a damaged WAV does.
TEST_F(DiskAudio, AnEmptyOrDamagedMidiFileIsALoadFailure) {
    const std::string good = MakeMidi(200);
    std::string noTrack = good.substr(0, 14);  // the header alone
    std::string noEvents = good.substr(0, 14) + std::string("MTrk\0\0\0\0", 8);
    std::string zeroTracks = good;
    zeroTracks[10] = zeroTracks[11] = 0;
    int n = 0;
    for (const std::string& bytes : {std::string(), std::string("this is no music at all"), noTrack, noEvents, zeroTracks}) {
        messages.clear();
        auto bad = Audio("bad" + std::to_string(n++) + ".mid", bytes);
        EXPECT_FALSE(player->PlayMusicFile(0, bad, 0)) << n;
        ASSERT_EQ(messages.size(), 1u) << n;
        EXPECT_EQ(messages[0].text.rfind("BGMの読み込みに失敗しました。", 0), 0u) << n;
        EXPECT_EQ(messages[0].caption, "DMusic8");
        EXPECT_FALSE(player->MusicPlaying());
    }
    // A sound MIDI file, and one in an RMID wrapper, are played.
    EXPECT_TRUE(MidiFileIsPlayable(good));
    std::string rmid = "RIFF" + std::string(4, '\0') + "RMIDdata" + std::string(4, '\0') + good;
    EXPECT_TRUE(MidiFileIsPlayable(rmid));
    EXPECT_FALSE(MidiFileIsPlayable(rmid.substr(0, 20)));
    messages.clear();
    ASSERT_TRUE(player->PlayMusicFile(0, Audio("good.mid", good), 0));
    EXPECT_TRUE(messages.empty());
}

TEST_F(DiskAudio, PlaySelectionStopsForAClearFlagNoneOrNothingAndPlaysByKind) {
    auto wav = Audio("a.wav", MakeWav({{300, 4000}}));
    for (auto [flag, name] : {std::pair{false, std::string_view("a.wav")}, {true, kNoneName}, {true, std::string_view()}}) {
        ASSERT_TRUE(player->PlayMusicFile(0, wav, 0));
        PlaySelection(&*player, AudioKind::Bgm, flag, tp.project, name);
        EXPECT_FALSE(player->MusicPlaying()) << name;
    }
    PlaySelection(&*player, AudioKind::Sound, true, tp.project, "a.wav");
    EXPECT_TRUE(player->SoundPlaying());
    EXPECT_EQ(player->SoundSlotFile(0), wav);
    EXPECT_TRUE(messages.empty());
}

// Start-up failures: one message, then silence.
struct StartUpCase {
    const char* driver;
    bool badOutput;
    const char* message;
};

class AudioStartUp : public ::testing::TestWithParam<StartUpCase> {};

TEST_P(AudioStartUp, ShowsOneMessageThenEveryCallFailsSilently) {
    TempProject tp;
    ScopedEnv driver("SDL_AUDIODRIVER", GetParam().driver);
    ScopedEnv output("SDL_DISKAUDIOFILE",
                     GetParam().badOutput ? (tp.dir.path() / "no" / "such" / "folder.raw").string()
                                          : (tp.dir.path() / "out.raw").string());
    std::vector<AudioMessage> messages;
    MusicPlayer player([&](const AudioMessage& m) { messages.push_back(m); });
    EXPECT_FALSE(player.Initialise());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, GetParam().message);
    EXPECT_EQ(messages[0].caption, "DMusic8");

    auto file = AudioFilePath(tp.project, "x.wav");
    test::WriteBytes(file, MakeWav({{50, 1000}}));
    EXPECT_FALSE(player.StopAll());
    EXPECT_FALSE(player.PlayMusicFile(0, file, 0));
    EXPECT_FALSE(player.PlaySoundFile(0, file, 0));
    EXPECT_FALSE(player.Initialise());  // no second set-up in the same run
    player.Shutdown();
    EXPECT_EQ(messages.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    NoDevice, AudioStartUp,
    ::testing::Values(StartUpCase{"no_such_driver", false, "DirectMusicLoader8の作成に失敗しました。"},
                      StartUpCase{"disk", true, "DirectMusicPerformance8の作成に失敗しました。"}));

TEST(SoundFonts, EnvironmentFirstThenTheSystemDefault) {
    auto exists = [](const fs::path& p) { return p == "/sf/a.sf2" || p == "/sf/b.sf2" || p == "/usr/gm.sf2"; };
    const std::vector<fs::path> candidates = {"/missing.sf2", "/usr/gm.sf2"};
    EXPECT_EQ(ResolveSoundFonts("/sf/a.sf2;/nope.sf2;/sf/b.sf2", candidates, exists), "/sf/a.sf2;/sf/b.sf2");
    EXPECT_EQ(ResolveSoundFonts("", candidates, exists), "/usr/gm.sf2");
    EXPECT_EQ(ResolveSoundFonts("/nope.sf2", candidates, exists), "/usr/gm.sf2");
    EXPECT_EQ(ResolveSoundFonts("", {"/missing.sf2"}, exists), "");
}

TEST(SoundFonts, AMidiThatCannotBeLoadedWithoutASoundfontSaysWhy) {
    TempProject tp;
    ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    ScopedEnv output("SDL_DISKAUDIOFILE", (tp.dir.path() / "out.raw").string());
    // No soundfont anywhere: none among the candidates, and SDL held to a path that does not exist.
    ScopedEnv fonts("SDL_SOUNDFONTS", (tp.dir.path() / "none.sf2").string());
    ScopedEnv force("SDL_FORCE_SOUNDFONTS", "1");
    auto midi = AudioFilePath(tp.project, "tune.mid");
    test::WriteBytes(midi, MakeMidi(200));

    std::vector<AudioMessage> messages;
    MusicPlayer::Options options;
    options.soundFontCandidates.clear();
    MusicPlayer player([&](const AudioMessage& m) { messages.push_back(m); }, options);
    ASSERT_TRUE(player.Initialise());
    EXPECT_TRUE(player.soundFonts().empty());
    EXPECT_FALSE(player.PlayMusicFile(0, midi, 0));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.rfind("BGMの読み込みに失敗しました。\n", 0), 0u);
    EXPECT_NE(messages[0].text.find("サウンドフォント"), std::string::npos);
    EXPECT_NE(messages[0].text.find("SDL_SOUNDFONTS"), std::string::npos);
    // A WAV still plays without a soundfont.
    auto wav = AudioFilePath(tp.project, "a.wav");
    test::WriteBytes(wav, MakeWav({{50, 1000}}));
    EXPECT_TRUE(player.PlayMusicFile(0, wav, 0));
    EXPECT_EQ(messages.size(), 1u);
}

}  // namespace
}  // namespace lw
