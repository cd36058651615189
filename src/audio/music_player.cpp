#include "audio/music_player.h"
#include "core/text/ui_text.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdlib>
#include <system_error>

#include "audio/sound_fonts.h"

namespace lw {

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kBufferFrames = 1024;
// Enough of a MIDI file to see its header and the start of its first track.
constexpr std::size_t kMidiHeadBytes = 64 * 1024;

constexpr const char* kCaption = "DMusic8";
// Follows the load failure on a line of its own.
constexpr const char* kNoSoundFont = LW_UI_TEXT("lw", 
    "MIDI を鳴らすための General MIDI サウンドフォントが見つかりません。"
    "環境変数 SDL_SOUNDFONTS にサウンドフォント (.sf2) のパスを設定するか、"
    "timgm6mb-soundfont をインストールしてください。");

bool FileExists(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

}  // namespace

MusicPlayer::Options::Options() : soundFontCandidates(DefaultSoundFontCandidates()) {}

MusicPlayer::MusicPlayer(AudioMessageSink sink, Options options) : sink_(std::move(sink)), options_(std::move(options)) {}

MusicPlayer::~MusicPlayer() { Shutdown(); }

void MusicPlayer::Report(const char* text, bool dmusicCaption) {
    if (sink_) sink_(AudioMessage{text, dmusicCaption ? kCaption : "", true});
}

void MusicPlayer::ReportLoadFailure(const char* text, const std::filesystem::path& path) {
    // A MIDI that fails to load with no soundfont found says why.
    std::string message = text;
    if (soundFonts_.empty() && LooksLikeMidi(path)) message = message + "\n" + kNoSoundFont;
    if (sink_) sink_(AudioMessage{message, kCaption, true});
}

int MusicPlayer::MixerVolume(int volumeDb) {
    if (volumeDb > 0 || volumeDb < kMinVolumeDb) return -1;
    return static_cast<int>(std::lround(MIX_MAX_VOLUME * std::pow(10.0, volumeDb / 20.0)));
}

bool MusicPlayer::Initialise() {
    if (setUpTried_) return usable();  // set up once per run: a failed set-up is not tried again
    setUpTried_ = true;

    // SDL would take SIGINT and SIGTERM for itself (turning them into events nobody reads), and
    // the editor would no longer end on them. The program handles them (app/signal_quit).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        Report(LW_UI_TEXT("lw", "DirectMusicLoader8の作成に失敗しました。"));
        return false;
    }
    audioReady_ = true;
    Mix_Init(MIX_INIT_MID | MIX_INIT_OGG | MIX_INIT_MP3 | MIX_INIT_FLAC | MIX_INIT_OPUS | MIX_INIT_MOD);

    // The device is opened at exactly this format; SDL converts for the hardware when it must.
    if (Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, kChannels, kBufferFrames, nullptr, 0) != 0) {
        Report(LW_UI_TEXT("lw", "DirectMusicPerformance8の作成に失敗しました。"));
        return false;
    }
    deviceOpen_ = true;

    const char* env = std::getenv("SDL_SOUNDFONTS");
    soundFonts_ = ResolveSoundFonts(env ? env : "", options_.soundFontCandidates, FileExists);
    if (!soundFonts_.empty()) Mix_SetSoundFonts(soundFonts_.c_str());

    // One mixing channel for each sound slot.
    channels_ = Mix_AllocateChannels(kSlots);
    if (channels_ < kSlots) {
        Report(LW_UI_TEXT("lw", "パフォーマンスの初期化に失敗しました。"));
        return false;
    }
    return true;
}

void MusicPlayer::ReleaseMusic(MusicSlot& slot) {
    if (slot.music) Mix_FreeMusic(slot.music);
    slot = MusicSlot{};
}

void MusicPlayer::ReleaseSound(SoundSlot& slot) {
    if (slot.chunk) Mix_FreeChunk(slot.chunk);
    slot = SoundSlot{};
}

void MusicPlayer::Shutdown() {
    if (deviceOpen_) {
        Mix_HaltMusic();
        Mix_HaltChannel(-1);
    }
    for (auto& slot : music_) ReleaseMusic(slot);
    for (auto& slot : sounds_) ReleaseSound(slot);
    if (deviceOpen_) {
        Mix_CloseAudio();
        deviceOpen_ = false;
    }
    if (audioReady_) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioReady_ = false;
    }
    channels_ = 0;
}

bool MusicPlayer::StopAll() {
    if (!deviceOpen_) return false;
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    return true;
}

bool MusicPlayer::LoadMusic(int slot, const std::filesystem::path& path, int volumeDb) {
    if (!usable() || !InRange(slot)) return false;
    MusicSlot& s = music_[static_cast<std::size_t>(slot)];
    ReleaseMusic(s);  // what a new load replaces is not used again

    s.music = Mix_LoadMUS(path.c_str());
    // The MIDI decoder reads its file only when playing starts, so an empty or damaged MIDI file
    // "loads" and then plays nothing; its structure is checked here instead.
    if (s.music && Mix_GetMusicType(s.music) == MUS_MID && !MidiFileIsPlayable(FileHead(path, kMidiHeadBytes))) {
        Mix_FreeMusic(s.music);
        s.music = nullptr;
    }
    if (!s.music) {
        ReportLoadFailure(LW_UI_TEXT("lw", "BGMの読み込みに失敗しました。"), path);
        return false;
    }
    s.file = path;
    s.path = true;  // music always plays on the mixer's one music stream

    int volume = MixerVolume(volumeDb);
    if (volume < 0) {
        Report(LW_UI_TEXT("lw", "パスのボリューム設定に失敗しました。"));  // the music still plays
    } else {
        Mix_VolumeMusic(volume);
    }
    // Looping is asked for when the music is started (PlayMusic).
    return true;
}

bool MusicPlayer::PlayMusic(int slot) {
    if (!deviceOpen_ || !InRange(slot)) return false;
    MusicSlot& s = music_[static_cast<std::size_t>(slot)];
    if (!s.music) return false;
    if (Mix_PlayMusic(s.music, -1) != 0) {
        Report("DirectMusic Error", false);
        return false;
    }
    return true;
}

bool MusicPlayer::PlayMusicFile(int slot, const std::filesystem::path& path, int volumeDb) {
    if (!StopAll()) return false;
    if (!InRange(slot)) return false;
    ReleaseMusic(music_[static_cast<std::size_t>(slot)]);
    if (!LoadMusic(slot, path, volumeDb)) return false;
    return PlayMusic(slot);
}

bool MusicPlayer::LoadSound(int slot, const std::filesystem::path& path, int volumeDb) {
    if (!usable() || !InRange(slot)) return false;
    SoundSlot& s = sounds_[static_cast<std::size_t>(slot)];
    ReleaseSound(s);

    s.chunk = Mix_LoadWAV(path.c_str());
    if (!s.chunk) {
        ReportLoadFailure(LW_UI_TEXT("lw", "Soundの読み込みに失敗しました。"), path);
        return false;
    }
    s.file = path;
    if (slot >= channels_) {
        Report(LW_UI_TEXT("lw", "パスの作成に失敗しました。"));
        return false;
    }
    s.path = true;

    int volume = MixerVolume(volumeDb);
    if (volume < 0) {
        Report(LW_UI_TEXT("lw", "パスのボリューム設定に失敗しました。"));  // a sound that cannot be set is not played
        return false;
    }
    Mix_VolumeChunk(s.chunk, volume);
    return true;  // no loop: a sound plays once
}

bool MusicPlayer::PlaySound(int slot) {
    if (!deviceOpen_ || !InRange(slot)) return false;
    SoundSlot& s = sounds_[static_cast<std::size_t>(slot)];
    if (!s.path || !s.chunk) return false;
    if (Mix_PlayChannel(slot, s.chunk, 0) < 0) {
        Report("DirectMusic Error", false);
        return false;
    }
    return true;
}

bool MusicPlayer::PlaySoundFile(int slot, const std::filesystem::path& path, int volumeDb) {
    if (!StopAll()) return false;
    if (!InRange(slot)) return false;
    ReleaseSound(sounds_[static_cast<std::size_t>(slot)]);
    if (!LoadSound(slot, path, volumeDb)) return false;
    return PlaySound(slot);
}

bool MusicPlayer::MusicPlaying() const { return deviceOpen_ && Mix_PlayingMusic() != 0; }

bool MusicPlayer::SoundPlaying() const { return deviceOpen_ && Mix_Playing(-1) > 0; }

std::filesystem::path MusicPlayer::MusicSlotFile(int slot) const {
    return InRange(slot) ? music_[static_cast<std::size_t>(slot)].file : std::filesystem::path();
}

std::filesystem::path MusicPlayer::SoundSlotFile(int slot) const {
    return InRange(slot) ? sounds_[static_cast<std::size_t>(slot)].file : std::filesystem::path();
}

}  // namespace lw
