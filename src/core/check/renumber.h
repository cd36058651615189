#pragma once
// Keeping references right when a list's rows are deleted or moved. Records are referred to by
// their position, so deleting row 3 of the item list makes every later item one lower and moving a
// row swaps two numbers; every file that refers to the list must follow, or the game shows another
// record than the author chose.
//
// A `RowRenumbering` says, for every row number the files hold now, which row it must name after the
// change (-1: the row was deleted). The list editor composes it while the author deletes and moves
// rows, and `RenumberReferences` gives the new bytes of every other file that refers to the list.
// Each file is rewritten through its own reader and writer (a file that would change in more than
// the numbers is refused instead); event command lines and the talk markup of texts keep every byte
// but the number of the field that changes.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/check/problem.h"
#include "core/check/project_index.h"
#include "core/project/data_file_set.h"
#include "core/project/project.h"
#include "core/world/scene.h"

namespace lw {

class RowRenumbering {
public:
    RowRenumbering() = default;
    // No change yet for a list of `rows` rows.
    explicit RowRenumbering(int rows);

    int size() const { return static_cast<int>(rows_.size()); }
    // The row that number `n` names after the change: `n` itself for numbers outside the list
    // (a reference past its end stays as it was), -1 for a deleted row.
    int operator()(int n) const { return n < 0 || n >= size() ? n : rows_[static_cast<std::size_t>(n)]; }
    // The numbers whose row changes.
    std::vector<int> Changed() const;

    // Row `row` of the list as it stands now is deleted: references to it are to become none, those
    // to later rows follow them down.
    void Delete(int row);
    // Rows `a` and `b` of the list as it stands now change places.
    void Swap(int a, int b);

    bool operator==(const RowRenumbering&) const = default;

private:
    std::vector<int> rows_;
};

struct RenumberOptions {
    // The scene files' NPC and chest lists and shop positions are rebuilt from the list itself
    // (placed lists): leave them to that rebuild.
    bool sceneRowsRebuilt = false;
};

struct Renumbered {
    // The files whose bytes change, in the index's file order; unchanged files are not here.
    std::vector<DataFileWrite> files;
    // Why the renumbering cannot be done, one problem per place: a deleted row referred to by a
    // field that has no "none", an event command line that would grow past 63 bytes, a file that
    // could not be read or is not in the form its editor writes.
    std::vector<Problem> refused;
    bool ok() const { return refused.empty(); }
};

// The new bytes of every file `index` records as referring to `target` through a number that
// `renumbering` changes. The files are read again (as they are on disk now); the list file of
// `target` itself is never among them.
Renumbered RenumberReferences(const Project& project, const ProjectIndex& index, RefTarget target,
                              const RowRenumbering& renumbering, const RenumberOptions& options = {});

// The event command lines of `groups` (of the scene file `fileName`, for the places) renumbered in
// place. Nothing is changed when some place refuses; the places are returned.
std::vector<Problem> RenumberGroupLines(std::vector<EventCommandGroup>& groups, std::string_view fileName,
                                        RefTarget target, const RowRenumbering& renumbering);

// How many references the index records to the numbers of `numbers` (each counted once); with
// `options.sceneRowsRebuilt` the scene rows a placed list rebuilds itself are not counted.
int CountReferencesTo(const ReferenceIndex& index, RefTarget target, std::span<const int> numbers,
                      const RenumberOptions& options = {});

// A reference an editor holds in memory, to a number of a list that lives inside a scene (its
// field battles, its groups): where it stands, as a problem's place, and the number it names.
struct HeldReference {
    int number = -1;
    Problem place;
};

// The references of `held` to the numbers of `numbers`, each counted once.
int CountHeldReferences(std::span<const HeldReference> held, std::span<const int> numbers);

// The chips of a scene's terrain battle grid name battle row n-1 by n (0: none). One reference
// per chip (record: the chip's number, row * 16 + column) in the scene file `fileName`.
std::vector<HeldReference> TerrainBattleReferences(const ChipGrid& grid, std::string_view fileName);
// The grid after the battle rows were deleted or moved: each chip follows its row, a deleted row's
// chips become none. Values that name no row are left as they are.
void RenumberTerrainBattles(ChipGrid& grid, const RowRenumbering& battles);

// What refers to the event command groups of one scene, as an editor holds it: the scene's exits,
// event positions and command lines (of `hidden` groups, above a lowered count, too), and the
// group of each NPC and chest the scene lists, in the bytes the NPC and chest lists are to be
// written with (null: no such file). Groups are numbered over the scene's groups followed by the
// hidden ones.
struct SceneGroupHolders {
    Scene* scene = nullptr;
    std::string fileName;  // the scene file, for the places
    std::vector<EventCommandGroup>* hidden = nullptr;
    std::string* npcList = nullptr;
    std::string* chestList = nullptr;
};
std::vector<HeldReference> SceneGroupReferences(const SceneGroupHolders& holders);
// Renumbers every reference of `holders` by `groups` (the groups themselves are not moved). A
// deleted group becomes none; a command line that would grow past 63 bytes, or an NPC or chest list
// not in the form its editor writes, refuses: nothing is changed and the places are returned.
std::vector<Problem> RenumberSceneGroups(SceneGroupHolders& holders, const RowRenumbering& groups);

// True when some data file that can refer to `target` exists: with none, nothing can refer to the
// list and no index is needed.
bool MayBeReferred(const Project& project, RefTarget target);

}  // namespace lw
