#include "core/sample/sample_sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace lw::sample {

namespace {

constexpr int kTicksPerEighth = 240;  // 480 ticks a quarter note

void PutBig32(std::string& s, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) s += static_cast<char>((v >> shift) & 0xFF);
}
void PutBig16(std::string& s, std::uint32_t v) {
    s += static_cast<char>((v >> 8) & 0xFF);
    s += static_cast<char>(v & 0xFF);
}
void PutLittle(std::string& s, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}
void PutVariable(std::string& s, std::uint32_t v) {
    char bytes[5];
    int n = 0;
    bytes[n++] = static_cast<char>(v & 0x7F);
    while ((v >>= 7) != 0) bytes[n++] = static_cast<char>(0x80 | (v & 0x7F));
    while (n > 0) s += bytes[--n];
}

struct Event {
    std::uint32_t tick;
    int order;  // note-offs before note-ons at the same tick
    std::string bytes;
};

void AddVoice(std::vector<Event>& events, const std::vector<Note>& notes, int channel, int velocity) {
    std::uint32_t tick = 0;
    for (const Note& n : notes) {
        const std::uint32_t length = static_cast<std::uint32_t>(std::max(n.eighths, 1)) * kTicksPerEighth;
        if (n.key > 0 && n.key < 128) {
            const char key = static_cast<char>(n.key);
            events.push_back({tick, 1, {static_cast<char>(0x90 | channel), key, static_cast<char>(velocity)}});
            events.push_back({tick + length - 10, 0, {static_cast<char>(0x80 | channel), key, 0}});
        }
        tick += length;
    }
}

}  // namespace

std::string MidiBytes(const Tune& tune) {
    std::vector<Event> events;
    const std::uint32_t microsPerQuarter = 60000000u / static_cast<std::uint32_t>(std::max(tune.beatsPerMinute, 1));
    events.push_back({0, 0, {'\xFF', '\x51', '\x03', static_cast<char>(microsPerQuarter >> 16),
                             static_cast<char>(microsPerQuarter >> 8), static_cast<char>(microsPerQuarter)}});
    events.push_back({0, 0, {'\xC0', static_cast<char>(tune.melodyProgram & 0x7F)}});
    events.push_back({0, 0, {'\xC1', static_cast<char>(tune.bassProgram & 0x7F)}});
    AddVoice(events, tune.melody, 0, 100);
    AddVoice(events, tune.bass, 1, 80);
    std::stable_sort(events.begin(), events.end(),
                     [](const Event& a, const Event& b) { return a.tick != b.tick ? a.tick < b.tick : a.order < b.order; });
    std::string track;
    std::uint32_t now = 0;
    for (const Event& e : events) {
        PutVariable(track, e.tick - now);
        now = e.tick;
        track += e.bytes;
    }
    PutVariable(track, kTicksPerEighth);
    track += "\xFF\x2F";
    track += '\0';

    std::string s = "MThd";
    PutBig32(s, 6);
    PutBig16(s, 0);  // format 0
    PutBig16(s, 1);  // one track
    PutBig16(s, 2 * kTicksPerEighth);
    s += "MTrk";
    PutBig32(s, static_cast<std::uint32_t>(track.size()));
    return s + track;
}

std::string WavBytes(const std::vector<Tone>& tones) {
    std::vector<std::int16_t> samples;
    std::uint32_t noise = 0x12345678u;
    for (const Tone& t : tones) {
        const int count = kSampleRate * std::max(t.milliseconds, 0) / 1000;
        double phase = 0;
        for (int i = 0; i < count; ++i) {
            const double at = count > 1 ? static_cast<double>(i) / (count - 1) : 0;
            const double hz = t.startHz + (t.endHz - t.startHz) * at;
            phase += hz / kSampleRate;
            noise = noise * 1664525u + 1013904223u;
            const double white = static_cast<double>(noise >> 8) / (1u << 24) * 2 - 1;
            const double wave = hz > 0 ? (std::fmod(phase, 1.0) < 0.5 ? 1.0 : -1.0) * 0.6 + std::sin(phase * 6.283185307) * 0.4 : 0;
            const double value = ((1 - t.noise) * wave + t.noise * white) * t.volume * (1 - at);
            samples.push_back(static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0, 1.0) * 30000)));
        }
    }
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string s = "RIFF";
    PutLittle(s, 36 + dataBytes, 4);
    s += "WAVEfmt ";
    PutLittle(s, 16, 4);
    PutLittle(s, 1, 2);  // PCM
    PutLittle(s, 1, 2);  // mono
    PutLittle(s, kSampleRate, 4);
    PutLittle(s, kSampleRate * 2, 4);
    PutLittle(s, 2, 2);
    PutLittle(s, 16, 2);
    s += "data";
    PutLittle(s, dataBytes, 4);
    for (std::int16_t v : samples) PutLittle(s, static_cast<std::uint16_t>(v), 2);
    return s;
}

// ---- the tunes -----------------------------------------------------------------------------------

namespace {

// Notes from a compact form: keys, each lasting `eighths`.
std::vector<Note> Even(std::initializer_list<int> keys, int eighths) {
    std::vector<Note> notes;
    for (int k : keys) notes.push_back({k, eighths});
    return notes;
}
std::vector<Note> Repeat(const std::vector<Note>& notes, int times) {
    std::vector<Note> out;
    for (int i = 0; i < times; ++i) out.insert(out.end(), notes.begin(), notes.end());
    return out;
}

}  // namespace

Tune TitleTune() {
    Tune t;
    t.beatsPerMinute = 96;
    t.melodyProgram = 48;  // strings
    t.bassProgram = 42;
    t.melody = {{67, 4}, {72, 4}, {74, 2}, {76, 2}, {77, 4}, {76, 4}, {74, 4}, {72, 8},
                {69, 4}, {71, 2}, {72, 2}, {74, 4}, {67, 4}, {72, 12}};
    t.bass = Repeat(Even({48, 43, 45, 41}, 8), 2);
    return t;
}

Tune VillageTune() {
    Tune t;
    t.beatsPerMinute = 112;
    t.melodyProgram = 73;  // flute
    t.bassProgram = 24;
    t.melody = {{72, 2}, {74, 2}, {76, 2}, {79, 2}, {76, 4}, {74, 2}, {72, 2}, {74, 4}, {67, 4},
                {69, 2}, {72, 2}, {74, 2}, {76, 2}, {74, 4}, {72, 2}, {69, 2}, {72, 8}};
    t.bass = Repeat(Even({48, 55, 52, 55}, 2), 5);
    return t;
}

Tune FieldTune() {
    Tune t;
    t.beatsPerMinute = 132;
    t.melodyProgram = 56;  // trumpet
    t.bassProgram = 33;
    t.melody = {{67, 2}, {72, 2}, {76, 3}, {74, 1}, {72, 2}, {74, 2}, {76, 4}, {79, 2}, {77, 2},
                {76, 2}, {74, 2}, {72, 4}, {74, 4}, {67, 8}};
    t.bass = Repeat(Even({36, 43, 41, 43}, 2), 5);
    return t;
}

Tune CaveTune() {
    Tune t;
    t.beatsPerMinute = 80;
    t.melodyProgram = 11;  // vibraphone
    t.bassProgram = 89;
    t.melody = {{69, 3}, {72, 1}, {71, 4}, {68, 4}, {0, 4}, {69, 3}, {64, 1}, {65, 4}, {64, 8}};
    t.bass = Repeat(Even({45, 44}, 8), 2);
    return t;
}

Tune BattleTune() {
    Tune t;
    t.beatsPerMinute = 168;
    t.melodyProgram = 30;  // distortion guitar
    t.bassProgram = 38;
    t.melody = {{64, 1}, {64, 1}, {67, 2}, {64, 1}, {64, 1}, {70, 2}, {69, 2}, {67, 2}, {64, 4},
                {64, 1}, {64, 1}, {67, 2}, {71, 2}, {72, 2}, {71, 2}, {67, 2}, {64, 4}};
    t.bass = Repeat(Even({40, 40, 52, 40}, 1), 8);
    return t;
}

Tune FanfareTune() {
    Tune t;
    t.beatsPerMinute = 140;
    t.melodyProgram = 56;
    t.bassProgram = 57;
    t.melody = {{72, 1}, {72, 1}, {72, 1}, {72, 3}, {68, 3}, {70, 3}, {72, 2}, {70, 1}, {72, 8}};
    t.bass = {{48, 6}, {44, 3}, {46, 3}, {48, 11}};
    return t;
}

Tune GameOverTune() {
    Tune t;
    t.beatsPerMinute = 70;
    t.melodyProgram = 19;  // organ
    t.bassProgram = 19;
    t.melody = {{67, 4}, {66, 4}, {65, 4}, {64, 12}};
    t.bass = {{48, 8}, {47, 4}, {36, 12}};
    return t;
}

}  // namespace lw::sample
