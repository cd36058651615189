#include "core/world/placed_lists.h"

#include <algorithm>
#include <system_error>

#include "core/world/scene.h"

namespace lw {

namespace {

int RowsStandingIn(std::span<const SceneListRow> rows, int scene, int exceptRow) {
    int n = 0;
    for (std::size_t p = 0; p < rows.size(); ++p)
        if (static_cast<int>(p) != exceptRow && rows[p].scene == scene) ++n;
    return n;
}

bool Exists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec)) || std::filesystem::exists(path, ec);
}

}  // namespace

bool SceneHasRoomForChest(std::span<const SceneListRow> rows, int scene, int exceptRow) {
    return RowsStandingIn(rows, scene, exceptRow) < kSceneTreasureCapacity;
}

bool SceneHasRoomForShop(const SceneCatalog& catalog, std::span<const SceneListRow> rows, int scene, int exceptRow) {
    int used = RowsStandingIn(rows, scene, exceptRow);
    if (const SceneCatalogEntry* e = FindCatalogEntry(catalog, scene))
        used += static_cast<int>(std::count_if(e->eventPositions.begin(), e->eventPositions.end(),
                                               [](const EventPosition& p) { return p.kind != kShopPosition; }));
    return used < kSceneEventPositionCapacity;
}

PlacedListSave SavePlacedList(const Project& project, std::string_view listFile, const TagContentFn& content,
                              SceneList which, std::span<const SceneListRow> rows, const SceneCatalog* catalog,
                              SaveUi& ui, const WriteFault* listFault) {
    PlacedListSave result;
    const std::filesystem::path listPath = DataFilePath(project, listFile);
    if (listPath.empty()) {
        ui.CannotCreate();
        result.outcome = PlacedListOutcome::ListFailed;
        return result;
    }
    if (Exists(listPath) && !ui.ConfirmOverwrite(DataFileDisplayPath(project, listFile))) {
        result.outcome = PlacedListOutcome::ListDeclined;
        return result;
    }
    FileBatch batch;
    if (!batch.PrepareTag(listPath, content, listFault)) {
        batch.Discard();
        ui.CannotCreate();
        result.outcome = PlacedListOutcome::ListFailed;
        return result;
    }
    result.scenes = PrepareSceneRebuild(project, which, rows, catalog, ui, batch);
    if (!batch.ok()) {
        batch.Discard();
        result.scenes.rewritten.clear();
        if (!result.scenes.failed.empty()) ui.CannotCreate();
        result.outcome = PlacedListOutcome::ScenesFailed;
        return result;
    }
    const std::size_t prepared = batch.prepared();
    batch.CommitAll();
    // The list file was prepared first, so it is renamed first: when nothing was replaced, the list
    // was not written either.
    const bool listReplaced = batch.notReplaced().size() < prepared;
    for (const std::filesystem::path& p : batch.notReplaced()) {
        if (p.filename() == SaveTargetOf(listPath).value_or(listPath).filename()) continue;
        std::string name = Cp932Name(p.filename()).value_or(p.filename().string());
        result.scenes.notReplaced.push_back(name);
        std::erase(result.scenes.rewritten, name);
    }
    if (!batch.notReplaced().empty()) {
        ui.CannotCreate();
        result.outcome = listReplaced ? PlacedListOutcome::NotReplaced : PlacedListOutcome::ListFailed;
    }
    return result;
}

}  // namespace lw
