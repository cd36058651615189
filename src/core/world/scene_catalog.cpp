#include "core/world/scene_catalog.h"

#include <algorithm>
#include <utility>

#include "core/tagfile/tag_writer.h"

namespace lw {

std::vector<SceneFileEntry> ListSceneFiles(const Project& project) {
    std::vector<SceneFileEntry> out;
    for (std::string& name : ListFolderFiles(project, project.dataFolder, kSceneFilePattern)) {
        if (auto number = SceneNumberFromFileName(name)) out.push_back({std::move(name), *number});
    }
    return out;
}

SceneCatalogEntry MakeCatalogEntry(int sceneNumber, std::string fileName, ReadStatus status, Scene&& scene) {
    SceneCatalogEntry e;
    e.sceneNumber = sceneNumber;
    e.fileName = std::move(fileName);
    e.status = status;
    e.fields_.groups = std::move(scene.groups);
    e.fields_.npcIndices = std::move(scene.npcIndices);
    e.fields_.treasureIndices = std::move(scene.treasureIndices);
    e.fields_.eventPositions = std::move(scene.eventPositions);
    return e;
}

SceneCatalogEntry MakeUnparsedCatalogEntry(int sceneNumber, std::string fileName, std::shared_ptr<const char[]> bytes,
                                           std::size_t size) {
    SceneCatalogEntry e;
    e.sceneNumber = sceneNumber;
    e.fileName = std::move(fileName);
    e.status = ReadStatus::Ok;
    e.bytes_ = std::move(bytes);
    e.byteCount_ = size;
    e.unparsed_ = true;
    return e;
}

void SceneCatalogEntry::Parse() const {
    Scene scene;
    ParseScene(std::string_view(bytes_.get(), byteCount_), scene);
    fields_.groups = std::move(scene.groups);
    fields_.npcIndices = std::move(scene.npcIndices);
    fields_.treasureIndices = std::move(scene.treasureIndices);
    fields_.eventPositions = std::move(scene.eventPositions);
    unparsed_ = false;
    bytes_.reset();
    byteCount_ = 0;
}

namespace {

// Reads a scene file with a reader shared by many files; the scene is cleared first.
ReadStatus ReadScene(const Project& project, std::string_view fileName, FileReader& reader, Scene& scene) {
    const ReadStatus status = reader.Read(DataFilePath(project, fileName), kListFileCeiling);
    if (status == ReadStatus::Ok)
        ParseScene(reader.content(), scene);
    else
        scene = Scene{};
    return status;
}

}  // namespace

ReadStatus ReadKeptSceneFile(const Project& project, std::string_view fileName, std::unique_ptr<char[]>& bytes,
                             std::size_t& size) {
    // Read as ReadFileBytes reads, into a buffer that is not cleared first (it is kept).
    ReadableFile file(DataFilePath(project, fileName), kListFileCeiling);
    size = 0;
    if (file.status != ReadStatus::Ok) return file.status;
    bytes = std::make_unique_for_overwrite<char[]>(file.size);
    return file.ReadUpTo(bytes.get(), file.size, size) ? ReadStatus::Ok : ReadStatus::Unreadable;
}

void LoadSceneCatalog(const Project& project, SceneCatalog& catalog, const LoadProgressFn& progress) {
    FreeSceneCatalog(catalog);
    std::vector<SceneFileEntry> files = ListSceneFiles(project);
    catalog.entries.reserve(files.size());
    for (SceneFileEntry& f : files) {
        if (progress) progress(catalog.entries.size(), files.size(), f.fileName);
        std::unique_ptr<char[]> bytes;
        std::size_t size = 0;
        const ReadStatus status = ReadKeptSceneFile(project, f.fileName, bytes, size);
        if (status == ReadStatus::Ok)
            catalog.entries.push_back(MakeUnparsedCatalogEntry(f.sceneNumber, std::move(f.fileName), std::move(bytes), size));
        else
            catalog.entries.push_back(MakeCatalogEntry(f.sceneNumber, std::move(f.fileName), status, Scene{}));
    }
}

void FreeSceneCatalog(SceneCatalog& catalog) {
    catalog.entries.clear();
    catalog.entries.shrink_to_fit();
}

const SceneCatalogEntry* FindCatalogEntry(const SceneCatalog& catalog, int sceneNumber) {
    for (const SceneCatalogEntry& e : catalog.entries)
        if (e.sceneNumber == sceneNumber) return &e;
    return nullptr;
}

SceneCatalogEntry* FindCatalogEntry(SceneCatalog& catalog, int sceneNumber) {
    return const_cast<SceneCatalogEntry*>(FindCatalogEntry(std::as_const(catalog), sceneNumber));
}

std::vector<int> PlacedScenes(const SceneCatalog& catalog, SceneList which, std::size_t rowCount) {
    std::vector<int> scenes(rowCount, -1);
    for (const SceneCatalogEntry& e : catalog.entries)
        for (int index : which == SceneList::Npc ? e.npcIndices() : e.treasureIndices())
            if (index >= 0 && static_cast<std::size_t>(index) < rowCount && scenes[index] < 0)
                scenes[index] = e.sceneNumber;
    return scenes;
}

std::vector<std::optional<ShopPlacement>> ShopPlacements(const SceneCatalog& catalog, std::size_t shopCount) {
    std::vector<std::optional<ShopPlacement>> placements(shopCount);
    for (const SceneCatalogEntry& e : catalog.entries)
        for (const EventPosition& p : e.eventPositions())
            if (p.kind == kShopPosition && p.shopIndex >= 0 && static_cast<std::size_t>(p.shopIndex) < shopCount &&
                !placements[p.shopIndex])
                placements[p.shopIndex] = ShopPlacement{e.sceneNumber, p.x, p.y, p.direction, p.group};
    return placements;
}

RowsByScene IndexRowsByScene(std::span<const SceneListRow> rows) {
    RowsByScene index;
    for (std::size_t p = 0; p < rows.size(); ++p)
        if (rows[p].scene >= 0) index[rows[p].scene].push_back(static_cast<int>(p));
    return index;
}

bool RebuildSceneList(Scene& scene, SceneList which, std::span<const SceneListRow> rows,
                      const std::vector<int>& standing) {
    switch (which) {
    case SceneList::Npc:
    case SceneList::Chest: {
        const int capacity = which == SceneList::Npc ? kSceneNpcCapacity : kSceneTreasureCapacity;
        if (standing.size() > static_cast<std::size_t>(capacity)) return false;
        (which == SceneList::Npc ? scene.npcIndices : scene.treasureIndices) = standing;
        return true;
    }
    case SceneList::Shop: {
        std::vector<EventPosition> shops;
        for (int p : standing) {
            const SceneListRow& r = rows[static_cast<std::size_t>(p)];
            shops.push_back({kShopPosition, r.x, r.y, r.direction, r.group, p});
        }
        std::size_t others = 0;
        for (const EventPosition& e : scene.eventPositions) others += e.kind != kShopPosition;
        if (others + shops.size() > static_cast<std::size_t>(kSceneEventPositionCapacity)) return false;
        ReplaceEventPositions(scene.eventPositions, kShopPosition, std::move(shops));
        return true;
    }
    }
    return false;
}

bool RebuildSceneList(Scene& scene, int sceneNumber, SceneList which, std::span<const SceneListRow> rows) {
    std::vector<int> standing;
    for (std::size_t p = 0; p < rows.size(); ++p)
        if (rows[p].scene == sceneNumber) standing.push_back(static_cast<int>(p));
    return RebuildSceneList(scene, which, rows, standing);
}

namespace {

// Where a scene file takes its groups from: the catalog entry of the same file, else the first of
// the same number; only an entry read whole (an unreadable file's entry holds no groups of its
// own). Looked up by name and number in one pass over the catalog.
class GroupSources {
public:
    explicit GroupSources(const SceneCatalog* catalog) {
        if (!catalog) return;
        byName_.reserve(catalog->entries.size());
        for (const SceneCatalogEntry& e : catalog->entries) {
            byName_.emplace(e.fileName, &e);
            byNumber_.emplace(e.sceneNumber, &e);  // the first of each number stays
        }
    }
    const SceneCatalogEntry* For(const SceneFileEntry& file) const {
        const SceneCatalogEntry* found = nullptr;
        if (auto it = byName_.find(file.fileName); it != byName_.end())
            found = it->second;
        else if (auto n = byNumber_.find(file.sceneNumber); n != byNumber_.end())
            found = n->second;
        return found && found->status == ReadStatus::Ok ? found : nullptr;
    }

private:
    std::unordered_map<std::string, const SceneCatalogEntry*> byName_;
    std::unordered_map<int, const SceneCatalogEntry*> byNumber_;
};

}  // namespace

SceneRebuildReport PrepareSceneRebuild(const Project& project, SceneList which, std::span<const SceneListRow> rows,
                                       const SceneCatalog* catalog, const std::vector<SceneFileEntry>& files,
                                       BatchSession& session, FileBatch& batch) {
    SceneRebuildReport report;
    const RowsByScene standing = IndexRowsByScene(rows);
    const GroupSources sources(catalog);
    const std::vector<int> none;
    Scene scene;
    FileReader reader;
    for (const SceneFileEntry& file : files) {
        const std::filesystem::path path = DataFilePath(project, file.fileName);
        const std::string display = DataFileDisplayPath(project, file.fileName);
        if (batch.ok() && !session.Next(display)) {
            report.cancelled = true;
            batch.MarkFailed(path);
            break;
        }
        const ReadStatus status = ReadScene(project, file.fileName, reader, scene);
        if (status == ReadStatus::Missing) continue;  // gone since the listing: nothing to rebuild
        if (status == ReadStatus::Unreadable) {
            report.unreadable.push_back(file.fileName);
            batch.MarkFailed(path);
            continue;
        }
        const auto in = standing.find(file.sceneNumber);
        if (!RebuildSceneList(scene, which, rows, in == standing.end() ? none : in->second)) {
            report.overfull.push_back(file.fileName);
            batch.MarkFailed(path);
            continue;
        }
        // Once the batch has failed nothing will be replaced: the remaining files are only checked,
        // so that the report names every file that stands in the way, and the author is asked nothing.
        if (!batch.ok()) continue;
        // The entry's groups replace the file's, unless the entry is still the unparsed bytes just
        // read or its groups are the file's own.
        if (const SceneCatalogEntry* source = sources.For(file)) {
            const std::optional<std::string_view> bytes = source->unparsedBytes();
            if ((!bytes || *bytes != reader.content()) && scene.groups != source->groups()) scene.groups = source->groups();
        }
        if (session.Ask(path, display) == OverwriteAnswer::No) {
            report.declined.push_back(file.fileName);
            batch.MarkFailed(path);
            break;
        }
        if (batch.PrepareTag(path, [&](TagWriter& w) { WriteScene(w, scene); }))
            report.rewritten.push_back(file.fileName);
        else
            report.failed.push_back(file.fileName);
    }
    return report;
}

}  // namespace lw
