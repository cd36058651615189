#pragma once
// The one music and sound player of the editor, on SDL2_mixer. While the author edits, a chosen
// BGM (looping) or sound effect (once) is heard at once; every play first stops whatever sounds,
// so at most one preview is heard at a time.
//
// Two banks of 256 slots hold loaded files: BGM slots hold streamed music (MIDI through a General
// MIDI soundfont, WAV, OGG, MP3, FLAC, Opus, MOD...), sound slots hold decoded chunks, each played
// on the mixing channel of its own number. Editors use slot 0 of each bank with volume 0.
//
// Failures are reported once, at the step that failed, through the message sink (the app shows
// them as error boxes with no owner). Calls that find no usable player, a slot outside 0..255 or an
// empty slot fail silently. How the steps map onto SDL:
//   set-up   SDL audio subsystem        "DirectMusicLoader8の作成に失敗しました。"   (player unusable)
//            opening the audio device   "DirectMusicPerformance8の作成に失敗しました。" (player unusable)
//            mixing channels            "パフォーマンスの初期化に失敗しました。"        (player stays usable)
//   loading  Mix_LoadMUS / Mix_LoadWAV  "BGMの読み込みに失敗しました。" / "Soundの読み込みに失敗しました。"
//            a sound slot's channel     "パスの作成に失敗しました。"
//            volume outside -96..0 dB   "パスのボリューム設定に失敗しました。" (a BGM still plays, a sound does not)
//   playing  Mix_PlayMusic / Mix_PlayChannel   "DirectMusic Error" (no caption)
// A machine without an audio device therefore shows one message at start-up and runs on silently.
//
// One player may be initialised at a time in a process (SDL's audio is process-wide). All calls
// come from the user-interface thread; SDL mixes on a thread of its own.

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

struct _Mix_Music;
struct Mix_Chunk;

namespace lw {

// A message for the author. Texts are UTF-8; an empty caption means a box without a caption.
struct AudioMessage {
    std::string text;
    std::string caption;
    bool error = true;
};
using AudioMessageSink = std::function<void(const AudioMessage&)>;

class MusicPlayer {
public:
    static constexpr int kSlots = 256;
    // Whole decibels of attenuation the player can apply: 0 is full volume, -96 silence.
    static constexpr int kMinVolumeDb = -96;

    struct Options {
        // Soundfonts tried, in order, when SDL_SOUNDFONTS is not set (see sound_fonts.h).
        std::vector<std::filesystem::path> soundFontCandidates;
        Options();
    };

    explicit MusicPlayer(AudioMessageSink sink = {}, Options options = Options());
    ~MusicPlayer();  // shuts down
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    // Opens the audio device. Called once at start-up; the program goes on whatever it returns.
    // Later calls change nothing and show nothing.
    bool Initialise();
    // Stops everything, releases every slot and closes the device. Harmless twice.
    void Shutdown();

    bool StopAll();
    // Stops everything, loads `path` into the BGM slot and plays it looping.
    bool PlayMusicFile(int slot, const std::filesystem::path& path, int volumeDb);
    // Stops everything (a BGM too), loads `path` into the sound slot and plays it once.
    bool PlaySoundFile(int slot, const std::filesystem::path& path, int volumeDb);

    // The steps of the two calls above.
    bool LoadMusic(int slot, const std::filesystem::path& path, int volumeDb);
    bool PlayMusic(int slot);
    bool LoadSound(int slot, const std::filesystem::path& path, int volumeDb);
    bool PlaySound(int slot);

    // True after a successful set-up of subsystem and device, until Shutdown.
    bool usable() const { return audioReady_ && deviceOpen_; }
    // What is heard now, and which file a slot holds (empty when none).
    bool MusicPlaying() const;
    bool SoundPlaying() const;
    std::filesystem::path MusicSlotFile(int slot) const;
    std::filesystem::path SoundSlotFile(int slot) const;
    // The soundfonts handed to the MIDI synthesizer ("a;b" form), or empty when none was found.
    const std::string& soundFonts() const { return soundFonts_; }

    // SDL's volume (0..128) for whole decibels of attenuation, or -1 outside -96..0.
    static int MixerVolume(int volumeDb);

private:
    struct MusicSlot {
        _Mix_Music* music = nullptr;
        bool path = false;  // the music stream is ready for this slot
        std::filesystem::path file;
    };
    struct SoundSlot {
        Mix_Chunk* chunk = nullptr;
        bool path = false;  // the slot's mixing channel exists
        std::filesystem::path file;
    };

    void Report(const char* text, bool dmusicCaption = true);
    void ReportLoadFailure(const char* text, const std::filesystem::path& path);
    void ReleaseMusic(MusicSlot& slot);
    void ReleaseSound(SoundSlot& slot);
    static bool InRange(int slot) { return slot >= 0 && slot < kSlots; }

    AudioMessageSink sink_;
    Options options_;
    bool setUpTried_ = false;
    bool audioReady_ = false;  // SDL audio subsystem
    bool deviceOpen_ = false;  // Mix_OpenAudio
    int channels_ = 0;
    std::string soundFonts_;
    std::array<MusicSlot, kSlots> music_{};
    std::array<SoundSlot, kSlots> sounds_{};
};

}  // namespace lw
