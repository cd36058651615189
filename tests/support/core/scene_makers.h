#pragma once
// Scenes made in code for tests: one with something in every field and section.

#include <string>

#include "core/world/scene.h"
#include "core/world/scene_catalog.h"

namespace lw::test {

// A scene with every section filled: 2 exits, 3 NPCs, 2 chests, 2 battles with both grids, a map
// animation file, 3 event positions (one shop) and 3 groups, names with blanks and CP932 text.
Scene MakeRichScene();

// A catalog of `scenes` read whole, in this order, scene n from "scene<n>.txt".
SceneCatalog CatalogOf(std::vector<std::pair<int, Scene>> scenes);

// The lines of a file joined with CR LF, no line break after the last (the tag-file form).
std::string JoinLines(std::initializer_list<std::string_view> lines);

// A counted list file: <`tag`_number> holding `count` (as written, so that it may be no number),
// then <`tag`_data> holding `lines`.
std::string CountedList(std::string_view tag, std::string_view count, const std::vector<std::string>& lines);

}  // namespace lw::test
