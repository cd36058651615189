#pragma once
// The "OK" of the NPC, treasure chest and shop lists: the flag explanations, the list file and
// every scene file that holds its indices as one change, and the author told what was not saved.

#include <span>
#include <string_view>

#include "core/world/placed_lists.h"

class QWidget;

namespace lw {

struct EditorContext;

// Writes flag_exp.txt (unless it could not be read when the hub opened), the list file and the
// rebuilt scene files as one change (SavePlacedList). When they were not written, says so and why,
// naming the files; the editor stays open unless the outcome is Saved.
PlacedListSave SaveListWithScenes(EditorContext& context, QWidget* owner, std::string_view listFile,
                                  const TagContentFn& content, SceneList which, std::span<const SceneListRow> rows,
                                  const SceneCatalog& catalog);

}  // namespace lw
