#pragma once
// Sound files made in code for the audio tests: a 16-bit PCM WAV built from square-wave segments
// of known amplitude, and a one-note Standard MIDI File. With a WAV at the mixer's own rate and
// format, every sample reaches the output unchanged, so a test can tell the segments apart by
// their peak level.

#include <cstdint>
#include <string>
#include <vector>

namespace lw::test {

// One stretch of a square wave: `amplitude` 0 is silence.
struct ToneSegment {
    int milliseconds = 100;
    int amplitude = 8000;
    int frequency = 441;
};

inline constexpr int kTestRate = 44100;

// A RIFF/WAVE file of 16-bit little-endian samples holding the segments one after another.
std::string MakeWav(const std::vector<ToneSegment>& segments, int rate = kTestRate, int channels = 2);

// A format-0 MIDI file as the sample game writes it: one note (`key`) on `program` lasting
// `milliseconds` rounded to eighth notes at 120 beats a minute, then the end of the track.
std::string MakeMidi(int milliseconds, int key = 60, int program = 0);

// Interleaved 16-bit samples as written by SDL's disk driver, and what tests ask of them.
struct Samples {
    std::vector<std::int16_t> data;  // interleaved, `channels` per frame
    int channels = 2;
    int rate = kTestRate;
    static Samples FromRaw(const std::string& bytes, int channels = 2, int rate = kTestRate);
    long frames() const { return static_cast<long>(data.size()) / channels; }
    // Largest absolute sample over frames [from, to) (clipped to the recording).
    int Peak(long fromFrame, long toFrame) const;
    // First / last frame whose absolute sample exceeds `threshold`, or -1.
    long FirstLoud(int threshold = 100, long fromFrame = 0) const;
    long LastLoud(int threshold = 100) const;
};

}  // namespace lw::test
