#include "audio/sound_fonts.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

namespace lw {

std::vector<std::filesystem::path> DefaultSoundFontCandidates() {
    return {
        "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf3/default-GM.sf3",
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf3/MuseScore_General.sf3",
    };
}

std::string ResolveSoundFonts(std::string_view environment, const std::vector<std::filesystem::path>& candidates,
                              const std::function<bool(const std::filesystem::path&)>& exists) {
    std::string found;
    std::size_t start = 0;
    while (start <= environment.size() && !environment.empty()) {
        std::size_t end = environment.find(';', start);
        if (end == std::string_view::npos) end = environment.size();
        std::string_view entry = environment.substr(start, end - start);
        if (!entry.empty() && exists(std::filesystem::path(std::string(entry)))) {
            if (!found.empty()) found += ';';
            found += entry;
        }
        start = end + 1;
    }
    if (!found.empty()) return found;
    // SDL_SOUNDFONTS unset, or naming nothing that exists: the system's GM soundfont.
    for (const auto& candidate : candidates) {
        if (exists(candidate)) return candidate.string();
    }
    return {};
}

bool LooksLikeMidi(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".mid" || ext == ".midi" || ext == ".rmi" || ext == ".smf") return true;
    std::ifstream in(file, std::ios::binary);
    char head[12] = {};
    in.read(head, sizeof head);
    if (in.gcount() >= 4 && std::string_view(head, 4) == "MThd") return true;
    return in.gcount() == 12 && std::string_view(head, 4) == "RIFF" && std::string_view(head + 8, 4) == "RMID";
}

namespace {

std::uint32_t BigEndian32(std::string_view s, std::size_t at) {
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) << 24) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 8) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3]));
}

std::uint16_t BigEndian16(std::string_view s, std::size_t at) {
    return static_cast<std::uint16_t>((static_cast<unsigned char>(s[at]) << 8) | static_cast<unsigned char>(s[at + 1]));
}

}  // namespace

bool MidiFileIsPlayable(std::string_view head) {
    std::size_t at = 0;
    if (head.size() >= 12 && head.substr(0, 4) == "RIFF" && head.substr(8, 4) == "RMID") {
        // The MIDI data lies in the wrapper's "data" chunk.
        const std::size_t data = head.find("MThd", 12);
        if (data == std::string_view::npos) return false;
        at = data;
    }
    if (head.size() < at + 14 || head.substr(at, 4) != "MThd") return false;
    const std::uint32_t headerLength = BigEndian32(head, at + 4);
    const std::uint16_t tracks = BigEndian16(head, at + 10);
    const std::uint16_t division = BigEndian16(head, at + 12);
    if (headerLength < 6 || tracks == 0 || division == 0) return false;
    const std::uint64_t track = static_cast<std::uint64_t>(at) + 8 + headerLength;
    if (head.size() < track + 8 || head.substr(static_cast<std::size_t>(track), 4) != "MTrk") return false;
    return BigEndian32(head, static_cast<std::size_t>(track) + 4) > 0 && head.size() > track + 8;
}

std::string FileHead(const std::filesystem::path& file, std::size_t limit) {
    std::ifstream in(file, std::ios::binary);
    std::string out(limit, '\0');
    in.read(out.data(), static_cast<std::streamsize>(limit));
    out.resize(in ? limit : static_cast<std::size_t>(std::max<std::streamsize>(0, in.gcount())));
    return out;
}

}  // namespace lw
