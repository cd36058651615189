#pragma once
// The one pass over a project that gathers its cross-references (reference_index.h): every list
// file and every scene file is read once, the scenes through the scene catalog's own listing, and
// the catalog is filled from the same reads. What a file shows about itself on the way (a line the
// command language does not know, a value outside the range its editor keeps, a count that
// disagrees with the lines, bytes that are not CP932, a file that could not be read) is kept as a
// finding beside the references.

#include <functional>
#include <string>
#include <vector>

#include "core/check/problem.h"
#include "core/check/reference_index.h"
#include "core/project/project.h"
#include "core/world/scene_catalog.h"

namespace lw {

struct SceneSummary {
    int file = -1;  // id in the index
    int number = 0;
    int groupCount = 0;
};

struct ProjectIndex {
    ReferenceIndex references;
    SceneCatalog catalog;           // the same content LoadSceneCatalog gives
    std::vector<SceneSummary> scenes;  // scene files read whole, in catalog order
    std::vector<Problem> findings;
    // The files found in the image, audio and data folders, folded (SameFileName), sorted.
    std::vector<std::string> imageFiles, audioFiles, dataFiles;
    // map_anim files read: folded name and animation count, sorted by name.
    std::vector<std::pair<std::string, int>> mapAnimations;
    // The NPC and chest lists' own group numbers (the group lies in the scene that lists the row).
    std::vector<int> npcGroups, chestGroups;
    // Look-ups of `scenes`: by file id (-1 where the file is no scene read whole) and by number.
    std::vector<int> sceneOfFile;
    std::vector<std::pair<int, int>> sceneOfNumber;  // (number, position in scenes), sorted

    const SceneSummary* SceneByNumber(int number) const;  // the first scene file of that number
    const SceneSummary* SceneByFile(int fileId) const;
    bool HasImage(std::string_view name) const;
    bool HasAudio(std::string_view name) const;
    bool HasDataFile(std::string_view name) const;
    std::optional<int> MapAnimationCount(std::string_view fileName) const;
};

// Called as files are read: how many of `total` are done. Never called with done > total.
using IndexProgress = std::function<void(int done, int total)>;

// The scene files are read on `threads` threads (0: one for each processor, up to 8), each reading a
// run of them; the index is the same whatever the number. `progress` is called on the caller's
// thread only.
ProjectIndex BuildProjectIndex(const Project& project, const IndexProgress& progress = {}, int threads = 0);

// Data files the check reads besides the scene and map_anim files, in the order they are read.
const std::vector<std::string_view>& IndexedListFiles();

}  // namespace lw
