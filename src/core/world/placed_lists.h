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
#include "core/events/flag_explanations.h"
#include "core/world/scene_catalog.h"

namespace lw {

// True when `scene` can take one more chest: fewer than 256 rows other than `exceptRow` (the row
// being edited, -1 for a new one) stand in it.
bool SceneHasRoomForChest(std::span<const SceneListRow> rows, int scene, int exceptRow);
// True when `scene` can take one more shop: its event positions that are not shops (from the
// catalog) and the shop rows other than `exceptRow` standing in it are fewer than 64.
bool SceneHasRoomForShop(const SceneCatalog& catalog, std::span<const SceneListRow> rows, int scene, int exceptRow);

// One change of a list whose rows stand in scenes (NPCs, chests, shops), or of the scene files
// alone: flag_exp.txt (when `flags` is given), the list file (when `listFile` is not empty) and every
// scene file of the data folder, rebuilt from `rows` (groups taken from `catalog`).
struct PlacedListFiles {
    std::string_view listFile;
    TagContentFn content;
    SceneList which = SceneList::Npc;
    std::span<const SceneListRow> rows;
    const SceneCatalog* catalog = nullptr;
    const FlagExplanations* flags = nullptr;
};

// How saving a list with its scene files went. In every outcome but Saved and NotReplaced nothing
// was written.
enum class PlacedListOutcome {
    Saved,         // every file was replaced
    Declined,      // the author answered "No" for one of the files (declinedFile)
    Cancelled,     // the author cancelled while the files were prepared
    Refused,       // a file resolves outside the project folder, or two names are one file
    ListFailed,    // flag_exp.txt or the list file could not be prepared
    ScenesFailed,  // some scene file could not be rebuilt (see the report)
    NotReplaced,   // every file was prepared, but some could not be renamed into place
};

struct PlacedListSave {
    PlacedListOutcome outcome = PlacedListOutcome::Saved;
    SceneRebuildReport scenes;
    std::string declinedFile;               // display path of the file the author declined
    std::vector<std::string> outside;       // display paths of files that lead out of the project
    std::vector<std::string> sameFile;      // display paths of two names of one file
    bool listWritten() const { return outcome == PlacedListOutcome::Saved || outcome == PlacedListOutcome::NotReplaced; }
};

// Saves the files of `files` as one change. Before anything is prepared every target is resolved:
// one that leads out of the project folder, or two names of one file, refuse the save. Then each
// file is announced (progress) and, when it exists, asked about ("すべてはい" answers the rest); the
// first "No" or a cancel stops the save and nothing is written. Every file is prepared into one
// batch, and only when all were prepared are they renamed into place (journaled, so a process that
// dies meanwhile is completed at the next open). "ファイルを作成できません" is reported through
// `ui` once when a file could not be written.
PlacedListSave SavePlacedList(const Project& project, const PlacedListFiles& files, SaveUi& ui,
                              const WriteFault* listFault = nullptr, const CommitFault* commitFault = nullptr);

}  // namespace lw
