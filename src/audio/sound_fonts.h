#pragma once
// Finding the General MIDI soundfont that MIDI files are played through.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lw {

// Where Debian's GM soundfont packages put their fonts, in the order they are tried (the system's
// chosen default first).
std::vector<std::filesystem::path> DefaultSoundFontCandidates();

// The soundfonts to use, in SDL's "a;b" form: the entries of `environment` (SDL_SOUNDFONTS) that
// exist when it is set and not empty, else the first existing candidate; empty when none is found.
std::string ResolveSoundFonts(std::string_view environment, const std::vector<std::filesystem::path>& candidates,
                              const std::function<bool(const std::filesystem::path&)>& exists);

// True when the file begins like a Standard MIDI File ("MThd", or an RMID "RIFF" wrapper) or is
// named *.mid, *.midi, *.rmi, *.smf.
bool LooksLikeMidi(const std::filesystem::path& file);

// True when `head` (the start of a file, at least its first chunks) has the structure of a
// Standard MIDI File that can be played: a header chunk "MThd" of at least 6 bytes naming one track
// or more and a time division, followed by a track chunk "MTrk" that holds events (an RMID "RIFF"
// wrapper is looked into). The MIDI decoder loads lazily and accepts an empty or damaged file
// without a word; this tells them apart.
bool MidiFileIsPlayable(std::string_view head);
// The first `limit` bytes of a file (fewer when it is shorter; empty when it cannot be read).
std::string FileHead(const std::filesystem::path& file, std::size_t limit);

}  // namespace lw
