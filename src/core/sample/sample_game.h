#pragma once
// The sample game: a small but complete project made entirely in code, for a newcomer to open and
// look at. Every list of the hub is filled (music, sounds, texts with talk markup, images, effect
// animations, narrations, items, magic, monsters, enemy units, levels, growth types, the player
// character, NPCs, chests, shops, title, settings, flag explanations) and three scenes with their
// maps (a village, a field, a cave) hold NPCs with talk events, chests, shops, an inn, signposts,
// exits between the maps, field battles, a fixed battle and map animations.
//
// Every list file is made by the writer its editor saves with, so opening any record in any editor
// and confirming it unchanged writes the same bytes.

#include <filesystem>
#include <string>
#include <vector>

#include "core/world/map_data.h"

namespace lw {

// Where a file of the project lies.
enum class SampleFolder { Project, Data, Image, Audio };

struct SampleFile {
    SampleFolder folder = SampleFolder::Data;
    std::string name;  // CP932 (every name of the sample is ASCII)
    std::string bytes;
};

// The folder names prepare.txt gives.
inline constexpr std::string_view kSampleDataFolder = "data";
inline constexpr std::string_view kSampleImageFolder = "image";
inline constexpr std::string_view kSampleAudioFolder = "audio";

// Every file of the sample game. The same on every call.
std::vector<SampleFile> SampleGameFiles();

// The three maps (also among the files, as village.bin, field.bin and cave.bin).
MapData SampleVillageMap();
MapData SampleFieldMap();
MapData SampleCaveMap();

// Writes the sample game into `folder`, which is made when missing and must be empty otherwise.
// Every file is prepared first and then all are put in place, or none.
enum class SampleWriteStatus {
    Written,
    NotEmpty,   // the folder holds something already (nothing was written)
    NotFolder,  // the path names a file, or the folder cannot be made or listed
    Failed,     // a file could not be written (nothing was left behind)
};
struct SampleWriteResult {
    SampleWriteStatus status = SampleWriteStatus::Written;
    std::vector<std::filesystem::path> failed;  // the files that could not be written
};
SampleWriteResult WriteSampleGame(const std::filesystem::path& folder);

}  // namespace lw
