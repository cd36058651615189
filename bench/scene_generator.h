#pragma once
// A synthetic project of many scenes for the benchmarks: scene files with realistic content, their
// map data files, npc_list.txt and treasure_list.txt.

#include <cstdint>
#include <filesystem>

#include "core/project/project.h"

namespace lw::bench {

struct GeneratedProject {
    Project project;
    int scenes = 0;
    int npcs = 0;
    int chests = 0;
    std::uintmax_t sceneBytes = 0;  // all scene files together
    std::uintmax_t mapBytes = 0;    // all map data files together
};

// Writes a project of `scenes` scenes below `root` (folders "data", "image", "audio" and
// prepare.txt). The content is made from `seed`, so two runs make the same files. Each scene has a
// map of 100 x 100 to 500 x 500 cells, 20 to 100 event command groups of 1 to 64 lines, 0 to 20
// NPCs, 0 to 10 chests, 0 to 16 exits, 0 to 12 event positions and 0 to 8 random battles.
GeneratedProject GenerateProject(const std::filesystem::path& root, int scenes, bool withMaps = true,
                                 std::uint64_t seed = 1);

}  // namespace lw::bench
