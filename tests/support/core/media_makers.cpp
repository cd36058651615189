#include "support/core/media_makers.h"

#include <algorithm>
#include <cstdlib>

#include "support/core/little_endian.h"

namespace lw::test {

namespace {

void Put32Be(std::string& s, unsigned v) {
    for (int shift = 24; shift >= 0; shift -= 8) s += static_cast<char>((v >> shift) & 0xFF);
}
void PutVarLen(std::string& s, unsigned v) {
    unsigned char bytes[5];
    int n = 0;
    do {
        bytes[n++] = static_cast<unsigned char>(v & 0x7F);
        v >>= 7;
    } while (v != 0);
    while (n-- > 0) s += static_cast<char>(bytes[n] | (n > 0 ? 0x80 : 0));
}

}  // namespace

std::string MakeWav(const std::vector<ToneSegment>& segments, int rate, int channels) {
    std::string pcm;
    for (const auto& seg : segments) {
        long frames = static_cast<long>(seg.milliseconds) * rate / 1000;
        long half = seg.frequency > 0 ? std::max<long>(1, rate / seg.frequency / 2) : frames + 1;
        for (long i = 0; i < frames; ++i) {
            int v = ((i / half) % 2 == 0) ? seg.amplitude : -seg.amplitude;
            for (int c = 0; c < channels; ++c) AppendLittleEndian(pcm, static_cast<std::uint16_t>(v), 2);
        }
    }
    std::string out = "RIFF";
    AppendLittleEndian(out, static_cast<unsigned>(36 + pcm.size()));
    out += "WAVEfmt ";
    AppendLittleEndian(out, 16);
    AppendLittleEndian(out, 1, 2);  // PCM
    AppendLittleEndian(out, static_cast<unsigned>(channels), 2);
    AppendLittleEndian(out, static_cast<unsigned>(rate));
    AppendLittleEndian(out, static_cast<unsigned>(rate * channels * 2));
    AppendLittleEndian(out, static_cast<unsigned>(channels * 2), 2);
    AppendLittleEndian(out, 16, 2);
    out += "data";
    AppendLittleEndian(out, static_cast<unsigned>(pcm.size()));
    return out + pcm;
}

std::string MakeMidi(int milliseconds, int key, int program) {
    constexpr unsigned kDivision = 480;  // ticks a quarter note; 120 bpm = 500 ms a quarter
    unsigned ticks = static_cast<unsigned>(milliseconds) * kDivision / 500;
    std::string track;
    PutVarLen(track, 0);
    track += "\xC0";
    track += static_cast<char>(program & 0x7F);
    PutVarLen(track, 0);
    track += "\x90";
    track += static_cast<char>(key & 0x7F);
    track += static_cast<char>(100);
    PutVarLen(track, ticks);
    track += "\x80";
    track += static_cast<char>(key & 0x7F);
    track += static_cast<char>(0);
    PutVarLen(track, 0);
    track += std::string("\xFF\x2F\x00", 3);

    std::string out = "MThd";
    Put32Be(out, 6);
    out += std::string("\x00\x00\x00\x01", 4);  // format 0, one track
    out += static_cast<char>(kDivision >> 8);
    out += static_cast<char>(kDivision & 0xFF);
    out += "MTrk";
    Put32Be(out, static_cast<unsigned>(track.size()));
    return out + track;
}

Samples Samples::FromRaw(const std::string& bytes, int channels, int rate) {
    Samples s;
    s.channels = channels;
    s.rate = rate;
    s.data.resize(bytes.size() / 2);
    for (std::size_t i = 0; i < s.data.size(); ++i) {
        auto lo = static_cast<unsigned char>(bytes[2 * i]);
        auto hi = static_cast<unsigned char>(bytes[2 * i + 1]);
        s.data[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
    }
    return s;
}

int Samples::Peak(long fromFrame, long toFrame) const {
    fromFrame = std::max<long>(0, fromFrame);
    toFrame = std::min(toFrame, frames());
    int peak = 0;
    for (long f = fromFrame; f < toFrame; ++f) {
        for (int c = 0; c < channels; ++c) peak = std::max(peak, std::abs(static_cast<int>(data[static_cast<std::size_t>(f * channels + c)])));
    }
    return peak;
}

long Samples::FirstLoud(int threshold, long fromFrame) const {
    for (long f = std::max<long>(0, fromFrame); f < frames(); ++f) {
        for (int c = 0; c < channels; ++c) {
            if (std::abs(static_cast<int>(data[static_cast<std::size_t>(f * channels + c)])) > threshold) return f;
        }
    }
    return -1;
}

long Samples::LastLoud(int threshold) const {
    for (long f = frames() - 1; f >= 0; --f) {
        for (int c = 0; c < channels; ++c) {
            if (std::abs(static_cast<int>(data[static_cast<std::size_t>(f * channels + c)])) > threshold) return f;
        }
    }
    return -1;
}

}  // namespace lw::test
