#pragma once
// The scene catalog: a summary of every scene file of the data folder (its groups, NPC and chest
// indices and event positions), which the editors that place objects work on; and the rebuild of
// the scene files that the NPC, treasure-chest and shop editors run when they save.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <span>
#include <string>
#include <vector>

#include "core/project/project.h"
#include "core/tagfile/file_io.h"
#include "core/world/scene.h"

namespace lw {

// One scene file of the catalog. Loading keeps the file's bytes; its fields (groups, NPC and chest
// indices, event positions) are parsed from them when one of them is first asked for, and the bytes
// are then released. Asking through a const entry parses too, so an entry is not for sharing
// between threads.
class SceneCatalogEntry {
public:
    int sceneNumber = 0;
    std::string fileName;  // CP932, as found in the data folder ("scene7.txt")
    // How reading the file went. An entry that is not Ok has every field empty, and its file is
    // never written back over.
    ReadStatus status = ReadStatus::Missing;

    const std::vector<EventCommandGroup>& groups() const { return Fields().groups; }
    std::vector<EventCommandGroup>& groups() { return Fields().groups; }
    const std::vector<int>& npcIndices() const { return Fields().npcIndices; }
    std::vector<int>& npcIndices() { return Fields().npcIndices; }
    const std::vector<int>& treasureIndices() const { return Fields().treasureIndices; }
    std::vector<int>& treasureIndices() { return Fields().treasureIndices; }
    const std::vector<EventPosition>& eventPositions() const { return Fields().eventPositions; }
    std::vector<EventPosition>& eventPositions() { return Fields().eventPositions; }

    int groupCount() const { return static_cast<int>(groups().size()); }
    int npcCount() const { return static_cast<int>(npcIndices().size()); }
    int treasureCount() const { return static_cast<int>(treasureIndices().size()); }
    int eventPositionCount() const { return static_cast<int>(eventPositions().size()); }

    // The file's bytes while the fields are not parsed yet (nullopt once they are): a reader that
    // reads the file again and finds the same bytes knows the fields without parsing them.
    std::optional<std::string_view> unparsedBytes() const {
        if (!unparsed_) return std::nullopt;
        return std::string_view(bytes_.get(), byteCount_);
    }

private:
    friend SceneCatalogEntry MakeCatalogEntry(int, std::string, ReadStatus, Scene&&);
    friend SceneCatalogEntry MakeUnparsedCatalogEntry(int, std::string, std::shared_ptr<const char[]>, std::size_t);
    struct Parsed {
        std::vector<EventCommandGroup> groups;
        std::vector<int> npcIndices;
        std::vector<int> treasureIndices;
        std::vector<EventPosition> eventPositions;
    };
    Parsed& Fields() const {
        if (unparsed_) Parse();
        return fields_;
    }
    void Parse() const;

    mutable bool unparsed_ = false;
    // The file's content while unparsed_ (shared by copies of the entry, never changed).
    mutable std::shared_ptr<const char[]> bytes_;
    mutable std::size_t byteCount_ = 0;
    mutable Parsed fields_;
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

// Rebuilds the catalog from the files (the old entries are released first). Each file is read
// whole (so a file that cannot be read is known at once); its fields are parsed when first asked
// for.
// `progress`, when set, is told of each file before it is read (`done` of `total` read so far).
using LoadProgressFn = std::function<void(std::size_t done, std::size_t total, std::string_view fileName)>;
void LoadSceneCatalog(const Project& project, SceneCatalog& catalog, const LoadProgressFn& progress = {});
// Reads a scene file whole into a buffer of its own, as the catalog load keeps it (`size` bytes).
ReadStatus ReadKeptSceneFile(const Project& project, std::string_view fileName, std::unique_ptr<char[]>& bytes,
                             std::size_t& size);
// The catalog fields of one scene, taken over from `scene` (which is left emptied of them).
SceneCatalogEntry MakeCatalogEntry(int sceneNumber, std::string fileName, ReadStatus status, Scene&& scene);
// The entry of a file read whole (`size` bytes) whose bytes are parsed when a field is first asked
// for.
SceneCatalogEntry MakeUnparsedCatalogEntry(int sceneNumber, std::string fileName, std::shared_ptr<const char[]> bytes,
                                           std::size_t size);
// Releases every entry; releasing twice is harmless.
void FreeSceneCatalog(SceneCatalog& catalog);
// The first entry with that scene number, or null.
const SceneCatalogEntry* FindCatalogEntry(const SceneCatalog& catalog, int sceneNumber);
SceneCatalogEntry* FindCatalogEntry(SceneCatalog& catalog, int sceneNumber);

// A shop's placement: the first shop event position (kind 0) that names the shop.
struct ShopPlacement {
    int scene = -1;
    int x = 0;
    int y = 0;
    int direction = 0;
    int group = -1;
};

// The rebuild of the scene files from a list whose rows carry the scene they stand in.
enum class SceneList { Npc, Chest, Shop };

// Where each of `rowCount` NPC (or chest) rows stands, found in one pass over the catalog: the
// scene number of the first entry (in catalog order) whose NPC (chest) indices hold the row, or -1.
std::vector<int> PlacedScenes(const SceneCatalog& catalog, SceneList which, std::size_t rowCount);
// The placement of each of `shopCount` shops, found in one pass.
std::vector<std::optional<ShopPlacement>> ShopPlacements(const SceneCatalog& catalog, std::size_t shopCount);

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
    std::vector<std::string> declined;    // the author declined to overwrite it, so the save stopped
    std::vector<std::string> unreadable;  // could not be read, so they cannot be rebuilt
    std::vector<std::string> overfull;    // the rows would exceed the scene's room (256 NPCs or chests,
                                          // 64 event positions)
    std::vector<std::string> failed;      // could not be written beside their target
    std::vector<std::string> notReplaced; // prepared, but the final rename failed
    bool cancelled = false;               // the author cancelled while the files were prepared
    // True when every scene file that had to change was prepared.
    bool ok() const {
        return declined.empty() && !cancelled && unreadable.empty() && overfull.empty() && failed.empty() &&
               notReplaced.empty();
    }
};

// The positions of the rows standing in each scene, in row order, so that rebuilding every scene
// costs one pass over the rows.
using RowsByScene = std::unordered_map<int, std::vector<int>>;
RowsByScene IndexRowsByScene(std::span<const SceneListRow> rows);

// Rebuilds one list of `scene` from the rows: NPC and chest lists become the positions of the rows
// standing in `sceneNumber`; for shops the event positions that are not shops are kept in order and
// one shop is appended per row in that scene (shopIndex = the row's position). False when the
// result does not fit the scene (the scene is then unchanged).
bool RebuildSceneList(Scene& scene, int sceneNumber, SceneList which, std::span<const SceneListRow> rows);
// The same with the rows standing in the scene already found (`standing`, from IndexRowsByScene).
bool RebuildSceneList(Scene& scene, SceneList which, std::span<const SceneListRow> rows,
                      const std::vector<int>& standing);

// Prepares the rebuild of the scene files `files` into `batch` (which has planned their targets):
// each file is read, its list rebuilt from `rows`, its groups replaced by those of the catalog
// entry of the same file (when the catalog holds one that was read whole), and its new content
// written beside it. Each file is announced to `session` and asked about; "No" or a cancel stops
// the rebuild (the batch then fails, so nothing is replaced). Files that cannot be read, whose rows
// do not fit, or that cannot be written are recorded in the report and marked failed in the batch;
// once the batch has failed, the files after it are only read and checked (no question, nothing
// written), so that the report names every file that stands in the way.
SceneRebuildReport PrepareSceneRebuild(const Project& project, SceneList which, std::span<const SceneListRow> rows,
                                       const SceneCatalog* catalog, const std::vector<SceneFileEntry>& files,
                                       BatchSession& session, FileBatch& batch);

}  // namespace lw
