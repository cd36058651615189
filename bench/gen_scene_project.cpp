// Writes a synthetic project of N scenes (scene files, map data files, npc_list.txt,
// treasure_list.txt) for trying the editors or the benchmarks on a large project.
//
//   gen_scene_project folder [scenes=500] [--no-maps]

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scene_generator.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: gen_scene_project folder [scenes=500] [--no-maps]\n");
        return 2;
    }
    const int scenes = argc > 2 ? std::atoi(argv[2]) : 500;
    const bool maps = !(argc > 3 && std::strcmp(argv[3], "--no-maps") == 0);
    auto g = lw::bench::GenerateProject(argv[1], scenes, maps);
    std::printf("%d scenes (%.1f MB), maps %.1f MB, %d NPCs, %d chests in %s\n", g.scenes,
                static_cast<double>(g.sceneBytes) / 1e6, static_cast<double>(g.mapBytes) / 1e6, g.npcs, g.chests,
                argv[1]);
    return 0;
}
