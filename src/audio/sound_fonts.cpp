#include "audio/sound_fonts.h"

#include <algorithm>
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

}  // namespace lw
