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
    e.groups = std::move(scene.groups);
    e.npcIndices = std::move(scene.npcIndices);
    e.treasureIndices = std::move(scene.treasureIndices);
    e.eventPositions = std::move(scene.eventPositions);
    return e;
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

void LoadSceneCatalog(const Project& project, SceneCatalog& catalog) {
    FreeSceneCatalog(catalog);
    std::vector<SceneFileEntry> files = ListSceneFiles(project);
    catalog.entries.reserve(files.size());
    Scene scratch;
    FileReader reader;
    for (SceneFileEntry& f : files) {
        ReadStatus status = ReadScene(project, f.fileName, reader, scratch);
        catalog.entries.push_back(MakeCatalogEntry(f.sceneNumber, std::move(f.fileName), status, std::move(scratch)));
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

std::vector<std::string> UnreadableSceneFiles(const SceneCatalog& catalog) {
    std::vector<std::string> out;
    for (const SceneCatalogEntry& e : catalog.entries)
        if (e.status == ReadStatus::Unreadable) out.push_back(e.fileName);
    return out;
}

int FindNpcScene(const SceneCatalog& catalog, int npcIndex) {
    for (const SceneCatalogEntry& e : catalog.entries)
        if (std::find(e.npcIndices.begin(), e.npcIndices.end(), npcIndex) != e.npcIndices.end()) return e.sceneNumber;
    return -1;
}

int FindChestScene(const SceneCatalog& catalog, int chestIndex) {
    for (const SceneCatalogEntry& e : catalog.entries)
        if (std::find(e.treasureIndices.begin(), e.treasureIndices.end(), chestIndex) != e.treasureIndices.end())
            return e.sceneNumber;
    return -1;
}

std::optional<ShopPlacement> FindShopPlacement(const SceneCatalog& catalog, int shopIndex) {
    for (const SceneCatalogEntry& e : catalog.entries)
        for (const EventPosition& p : e.eventPositions)
            if (p.kind == kShopPosition && p.shopIndex == shopIndex)
                return ShopPlacement{e.sceneNumber, p.x, p.y, p.direction, p.group};
    return std::nullopt;
}

bool RebuildSceneList(Scene& scene, int sceneNumber, SceneList which, std::span<const SceneListRow> rows) {
    switch (which) {
    case SceneList::Npc:
    case SceneList::Chest: {
        std::vector<int> indices;
        for (std::size_t p = 0; p < rows.size(); ++p)
            if (rows[p].scene == sceneNumber) indices.push_back(static_cast<int>(p));
        const int capacity = which == SceneList::Npc ? kSceneNpcCapacity : kSceneTreasureCapacity;
        if (indices.size() > static_cast<std::size_t>(capacity)) return false;
        (which == SceneList::Npc ? scene.npcIndices : scene.treasureIndices) = std::move(indices);
        return true;
    }
    case SceneList::Shop: {
        std::vector<EventPosition> shops;
        for (std::size_t p = 0; p < rows.size(); ++p) {
            const SceneListRow& r = rows[p];
            if (r.scene == sceneNumber) shops.push_back({kShopPosition, r.x, r.y, r.direction, r.group, static_cast<int>(p)});
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

namespace {

// The catalog entry whose groups a scene file takes: the entry of the same file, else the first of
// the same number; only an entry read whole (an unreadable file's entry holds no groups of its own).
const SceneCatalogEntry* GroupSource(const SceneCatalog* catalog, const SceneFileEntry& file) {
    if (!catalog) return nullptr;
    const SceneCatalogEntry* found = nullptr;
    for (const SceneCatalogEntry& e : catalog->entries)
        if (e.fileName == file.fileName) {
            found = &e;
            break;
        }
    if (!found) found = FindCatalogEntry(*catalog, file.sceneNumber);
    return found && found->status == ReadStatus::Ok ? found : nullptr;
}

}  // namespace

SceneRebuildReport PrepareSceneRebuild(const Project& project, SceneList which, std::span<const SceneListRow> rows,
                                       const SceneCatalog* catalog, SaveUi& ui, FileBatch& batch) {
    SceneRebuildReport report;
    Scene scene;
    FileReader reader;
    for (const SceneFileEntry& file : ListSceneFiles(project)) {
        const std::filesystem::path path = DataFilePath(project, file.fileName);
        const ReadStatus status = ReadScene(project, file.fileName, reader, scene);
        if (status == ReadStatus::Missing) continue;  // gone since the listing: nothing to rebuild
        if (status == ReadStatus::Unreadable) {
            report.unreadable.push_back(file.fileName);
            batch.MarkFailed(path);
            continue;
        }
        if (!RebuildSceneList(scene, file.sceneNumber, which, rows)) {
            report.overfull.push_back(file.fileName);
            batch.MarkFailed(path);
            continue;
        }
        // Once the batch has failed nothing will be replaced: the remaining files are only checked,
        // so that the report names every file that stands in the way, and the author is asked nothing.
        if (!batch.ok()) continue;
        if (const SceneCatalogEntry* source = GroupSource(catalog, file)) scene.groups = source->groups;
        if (!ui.ConfirmOverwrite(DataFileDisplayPath(project, file.fileName))) {
            report.declined.push_back(file.fileName);
            continue;
        }
        if (batch.PrepareTag(path, [&](TagWriter& w) { WriteScene(w, scene); }))
            report.rewritten.push_back(file.fileName);
        else
            report.failed.push_back(file.fileName);
    }
    return report;
}

SceneRebuildReport RebuildSceneFiles(const Project& project, SceneList which, std::span<const SceneListRow> rows,
                                     const SceneCatalog* catalog, SaveUi& ui) {
    FileBatch batch;
    SceneRebuildReport report = PrepareSceneRebuild(project, which, rows, catalog, ui, batch);
    if (!batch.ok()) {
        batch.Discard();
        report.rewritten.clear();
        if (!report.failed.empty()) ui.CannotCreate();
        return report;
    }
    batch.CommitAll();
    for (const std::filesystem::path& p : batch.notReplaced()) {
        std::string name = Cp932Name(p.filename()).value_or(p.filename().string());
        report.notReplaced.push_back(name);
        std::erase(report.rewritten, name);
    }
    if (!report.notReplaced.empty()) ui.CannotCreate();
    return report;
}

}  // namespace lw
