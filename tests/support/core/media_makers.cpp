#include "support/core/media_makers.h"

#include <algorithm>
#include <cstdlib>

#include "core/sample/sample_sounds.h"
#include "support/core/little_endian.h"

namespace lw::test {

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
    // At 120 beats a minute an eighth note lasts 250 ms.
    const sample::Tune tune{.melodyProgram = program, .melody = {{key, std::max(1, (milliseconds + 125) / 250)}}};
    return sample::MidiBytes(tune);
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
