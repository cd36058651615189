#include "core/world/placed_lists.h"

#include <algorithm>
#include <system_error>
#include <unordered_map>

#include "core/world/scene.h"

namespace lw {

namespace {

int RowsStandingIn(std::span<const SceneListRow> rows, int scene, int exceptRow) {
    int n = 0;
    for (std::size_t p = 0; p < rows.size(); ++p)
        if (static_cast<int>(p) != exceptRow && rows[p].scene == scene) ++n;
    return n;
}
}  // namespace

bool SceneHasRoomForChest(std::span<const SceneListRow> rows, int scene, int exceptRow) {
    return RowsStandingIn(rows, scene, exceptRow) < kSceneTreasureCapacity;
}

bool SceneHasRoomForShop(const SceneCatalog& catalog, std::span<const SceneListRow> rows, int scene, int exceptRow) {
    int used = RowsStandingIn(rows, scene, exceptRow);
    if (const SceneCatalogEntry* e = FindCatalogEntry(catalog, scene))
        used += static_cast<int>(std::count_if(e->eventPositions().begin(), e->eventPositions().end(),
                                               [](const EventPosition& p) { return p.kind != kShopPosition; }));
    return used < kSceneEventPositionCapacity;
}

PlacedListSave SavePlacedList(const Project& project, const PlacedListFiles& files, SaveUi& ui,
                              const WriteFault* listFault, const CommitFault* commitFault) {
    PlacedListSave result;
    // The files that lead the batch: flag_exp.txt, then the list file.
    std::vector<std::string_view> leading;
    if (files.flags) leading.push_back(kFlagFile);
    if (!files.listFile.empty()) leading.push_back(files.listFile);
    const std::vector<SceneFileEntry> scenes = ListSceneFiles(project);

    std::vector<std::filesystem::path> targets;
    std::vector<std::string> displays;
    targets.reserve(leading.size() + scenes.size());
    displays.reserve(targets.capacity());
    for (std::string_view name : leading) {
        targets.push_back(DataFilePath(project, name));
        displays.push_back(DataFileDisplayPath(project, name));
        if (targets.back().empty()) {
            ui.CannotCreate();
            result.outcome = PlacedListOutcome::ListFailed;
            return result;
        }
    }
    for (const SceneFileEntry& f : scenes) {
        targets.push_back(DataFilePath(project, f.fileName));
        displays.push_back(DataFileDisplayPath(project, f.fileName));
    }

    ProjectBatch batch(project);
    const FileBatch::Check check = batch.Plan(targets);
    if (!check.ok()) {
        std::unordered_map<std::string, std::size_t> position;
        position.reserve(targets.size());
        for (std::size_t i = 0; i < targets.size(); ++i) position.emplace(targets[i].string(), i);
        auto display = [&](const std::filesystem::path& p) { return displays[position.at(p.string())]; };
        for (const std::filesystem::path& p : check.outside) result.outside.push_back(display(p));
        if (check.sameFile) result.sameFile = {display(check.sameFile->first), display(check.sameFile->second)};
        result.outcome = PlacedListOutcome::Refused;
        return result;
    }

    ui.WritingTogether(displays);
    BatchSession session(ui, targets.size());
    for (std::size_t i = 0; i < leading.size(); ++i) {
        if (!session.Next(displays[i])) {
            result.outcome = PlacedListOutcome::Cancelled;
            return result;
        }
        if (session.Ask(targets[i], displays[i]) == OverwriteAnswer::No) {
            result.declinedFile = displays[i];
            result.outcome = PlacedListOutcome::Declined;
            return result;
        }
        const bool prepared = leading[i] == kFlagFile && files.flags
                                  ? batch.Prepare(targets[i], FlagExplanationsBytes(*files.flags))
                                  : batch.PrepareTag(targets[i], files.content, listFault);
        if (!prepared) {
            batch.Discard();
            ui.CannotCreate();
            result.outcome = PlacedListOutcome::ListFailed;
            return result;
        }
    }

    result.scenes = PrepareSceneRebuild(project, files.which, files.rows, files.catalog, scenes, session, batch);
    if (!batch.ok()) {
        batch.Discard();
        result.scenes.rewritten.clear();
        if (!result.scenes.declined.empty()) {
            result.declinedFile = DataFileDisplayPath(project, result.scenes.declined.front());
            result.outcome = PlacedListOutcome::Declined;
        } else if (result.scenes.cancelled) {
            result.outcome = PlacedListOutcome::Cancelled;
        } else {
            if (!result.scenes.failed.empty()) ui.CannotCreate();
            result.outcome = PlacedListOutcome::ScenesFailed;
        }
        return result;
    }

    const std::size_t prepared = batch.prepared();
    if (batch.CommitAll(commitFault)) return result;
    // Files are renamed in the order prepared: the leading files first.
    const std::size_t replaced = prepared - batch.notReplaced().size();
    const bool listReplaced = replaced >= leading.size();
    for (const std::filesystem::path& p : batch.notReplaced()) {
        std::string name = Cp932Name(p.filename()).value_or(p.filename().string());
        if (std::find(leading.begin(), leading.end(), name) != leading.end()) continue;
        result.scenes.notReplaced.push_back(name);
        std::erase(result.scenes.rewritten, name);
    }
    if (!batch.notReplaced().empty()) ui.CannotCreate();
    result.outcome = listReplaced ? PlacedListOutcome::NotReplaced : PlacedListOutcome::ListFailed;
    return result;
}

}  // namespace lw
