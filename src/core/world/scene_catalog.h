#pragma once
// The scene catalog: a summary of every scene file of the data folder (its groups, NPC and chest
// indices and event positions), which the editors that place objects work on; and the rebuild of
// the scene files that the NPC, treasure-chest and shop editors run when they save.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/project/project.h"
#include "core/tagfile/file_io.h"
#include "core/world/scene.h"

namespace lw {

struct SceneCatalogEntry {
    int sceneNumber = 0;
    std::string fileName;  // CP932, as found in the data folder ("scene7.txt")
    // How reading the file went. An entry that is not Ok has every field empty, and its file is
    // never written back over.
    ReadStatus status = ReadStatus::Missing;
    std::vector<EventCommandGroup> groups;
    std::vector<int> npcIndices;
    std::vector<int> treasureIndices;
    std::vector<EventPosition> eventPositions;

    int groupCount() const { return static_cast<int>(groups.size()); }
    int npcCount() const { return static_cast<int>(npcIndices.size()); }
    int treasureCount() const { return static_cast<int>(treasureIndices.size()); }
    int eventPositionCount() const { return static_cast<int>(eventPositions.size()); }
};

struct SceneCatalog {
    std::vector<SceneCatalogEntry> entries;  // in the order of the folder listing (by name)
    int count() const { return static_cast<int>(entries.size()); }
};

// The scene files of the data folder: names matching "scene*.txt" (without case) that carry a
// scene number (SceneNumberFromFileName), sorted by name.
struct SceneFileEntry {
    std::string fileName;
    int sceneNumber = 0;
};
std::vector<SceneFileEntry> ListSceneFiles(const Project& project);

// Rebuilds the catalog from the files (the old entries are released first). Reading each file
// parses all of it; only the catalog fields are kept.
void LoadSceneCatalog(const Project& project, SceneCatalog& catalog);
// The catalog fields of one scene, taken over from `scene` (which is left emptied of them).
SceneCatalogEntry MakeCatalogEntry(int sceneNumber, std::string fileName, ReadStatus status, Scene&& scene);
// Releases every entry; releasing twice is harmless.
void FreeSceneCatalog(SceneCatalog& catalog);
// The first entry with that scene number, or null.
const SceneCatalogEntry* FindCatalogEntry(const SceneCatalog& catalog, int sceneNumber);
SceneCatalogEntry* FindCatalogEntry(SceneCatalog& catalog, int sceneNumber);
// The entries that could not be read (status Unreadable), for telling the author.
std::vector<std::string> UnreadableSceneFiles(const SceneCatalog& catalog);

// Where a list row stands, found from the catalog: the scene number of the first entry (in catalog
// order) whose NPC / chest indices contain `index`, or -1.
int FindNpcScene(const SceneCatalog& catalog, int npcIndex);
int FindChestScene(const SceneCatalog& catalog, int chestIndex);
// A shop's placement: the first shop event position (kind 0) whose shopIndex is `shopIndex`.
struct ShopPlacement {
    int scene = -1;
    int x = 0;
    int y = 0;
    int direction = 0;
    int group = -1;
};
std::optional<ShopPlacement> FindShopPlacement(const SceneCatalog& catalog, int shopIndex);

// The rebuild of the scene files from a list whose rows carry the scene they stand in.
enum class SceneList { Npc, Chest, Shop };

// One row of the NPC, chest or shop list: its scene (-1 none) and, for a shop, its placement.
struct SceneListRow {
    int scene = -1;
    int x = 0;
    int y = 0;
    int direction = 0;
    int group = -1;
};

// What a rebuild did. Names are the scene files' CP932 names.
struct SceneRebuildReport {
    std::vector<std::string> rewritten;   // replaced by their rebuilt content
    std::vector<std::string> declined;    // the author declined to overwrite them: left as they were
    std::vector<std::string> unreadable;  // could not be read, so they cannot be rebuilt
    std::vector<std::string> overfull;    // the rows would exceed the scene's room (256 NPCs or chests,
                                          // 64 event positions)
    std::vector<std::string> failed;      // could not be written beside their target
    std::vector<std::string> notReplaced; // prepared, but the final rename failed
    // True when every scene file that had to change was replaced (or declined by the author).
    bool ok() const {
        return unreadable.empty() && overfull.empty() && failed.empty() && notReplaced.empty();
    }
};

// Rebuilds one list of `scene` from the rows: NPC and chest lists become the positions of the rows
// standing in `sceneNumber`; for shops the event positions that are not shops are kept in order and
// one shop is appended per row in that scene (shopIndex = the row's position). False when the
// result does not fit the scene (the scene is then unchanged).
bool RebuildSceneList(Scene& scene, int sceneNumber, SceneList which, std::span<const SceneListRow> rows);

// Prepares the rebuild of every scene file of the data folder into `batch`: each file is read,
// its list rebuilt from `rows`, its groups replaced by those of the catalog entry of the same file
// (when the catalog holds one that was read whole), and its new content written beside it. The
// overwrite question is asked for each file; a declined file is left out. Files that cannot be
// read, whose rows do not fit, or that cannot be written are recorded in the report and marked
// failed in the batch, so that committing it replaces nothing; once the batch has failed, the files
// after it are only read and checked (no question, nothing written). The caller may prepare its own list
// file into the same batch, so that the list and the scenes change together.
SceneRebuildReport PrepareSceneRebuild(const Project& project, SceneList which, std::span<const SceneListRow> rows,
                                       const SceneCatalog* catalog, SaveUi& ui, FileBatch& batch);

// The whole rebuild as one change: prepares every scene file, then replaces them all, or none when
// any could not be prepared ("cannot create" is then reported once through `ui`, and the report
// says which files).
SceneRebuildReport RebuildSceneFiles(const Project& project, SceneList which, std::span<const SceneListRow> rows,
                                     const SceneCatalog* catalog, SaveUi& ui);

}  // namespace lw
