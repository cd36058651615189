#pragma once
// The rules the editors of placed objects (treasure chests, shops) share: whether a scene has room
// for one more of them, and the save of a list together with the scene files that hold its
// indices, as one change.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"
#include "core/tagfile/file_io.h"
#include "core/world/scene_catalog.h"

namespace lw {

// True when `scene` can take one more chest: fewer than 256 rows other than `exceptRow` (the row
// being edited, -1 for a new one) stand in it.
bool SceneHasRoomForChest(std::span<const SceneListRow> rows, int scene, int exceptRow);
// True when `scene` can take one more shop: its event positions that are not shops (from the
// catalog) and the shop rows other than `exceptRow` standing in it are fewer than 64.
bool SceneHasRoomForShop(const SceneCatalog& catalog, std::span<const SceneListRow> rows, int scene, int exceptRow);

// How saving a list with its scene files went.
enum class PlacedListOutcome {
    Saved,         // the list and every scene file the author let be replaced were written
    ListDeclined,  // the author declined to overwrite the list file: nothing was written
    ListFailed,    // the list file could not be prepared: nothing was written
    ScenesFailed,  // some scene file could not be rebuilt (see the report): nothing was written
    NotReplaced,   // every file was prepared, but some could not be renamed into place
};

struct PlacedListSave {
    PlacedListOutcome outcome = PlacedListOutcome::Saved;
    SceneRebuildReport scenes;
    bool listWritten() const { return outcome == PlacedListOutcome::Saved || outcome == PlacedListOutcome::NotReplaced; }
};

// Writes the list file `listFile` of the data folder (made by `content`) and rebuilds `which` in
// every scene file from `rows`, as one change. The overwrite question is asked for the list file
// first: when the author declines, nothing else is asked or written. Then every scene file is
// prepared (PrepareSceneRebuild) into the same batch; only when all could be prepared are they
// renamed into place, the list file first. "ファイルを作成できません" is reported through `ui`
// once when a file could not be written.
PlacedListSave SavePlacedList(const Project& project, std::string_view listFile, const TagContentFn& content,
                              SceneList which, std::span<const SceneListRow> rows, const SceneCatalog* catalog,
                              SaveUi& ui, const WriteFault* listFault = nullptr);

}  // namespace lw
