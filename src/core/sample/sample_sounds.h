#pragma once
// The music and sounds of the sample game, made in code: Standard MIDI Files of a melody over a
// bass line, and 16-bit mono WAV files of short tones.

#include <string>
#include <vector>

namespace lw::sample {

// One note: a MIDI key (0 a rest) lasting `eighths` eighth notes.
struct Note {
    int key = 0;
    int eighths = 1;
};
struct Tune {
    int beatsPerMinute = 120;
    int melodyProgram = 0;  // General MIDI program numbers, 0-based
    int bassProgram = 32;
    std::vector<Note> melody;
    std::vector<Note> bass;
};
// A format-0 file: tempo, the two programs, melody on channel 0 and bass on channel 1, then the
// end of the track.
std::string MidiBytes(const Tune& tune);

// One stretch of a tone: frequency sliding from `startHz` to `endHz`, its loudness decaying
// linearly from `volume` (0..1) to 0; `noise` mixes in white noise (0..1). 0 Hz is silence.
struct Tone {
    int milliseconds = 100;
    double startHz = 440;
    double endHz = 440;
    double volume = 0.5;
    double noise = 0;
};
inline constexpr int kSampleRate = 22050;
// A RIFF/WAVE file of 16-bit mono samples at kSampleRate, the tones one after another.
std::string WavBytes(const std::vector<Tone>& tones);

// The tunes and sounds the sample game lists.
Tune TitleTune();
Tune VillageTune();
Tune FieldTune();
Tune CaveTune();
Tune BattleTune();
Tune FanfareTune();
Tune GameOverTune();

}  // namespace lw::sample
