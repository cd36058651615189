#pragma once
// The scene settings "場面設定2": a scene's kind, name, map data file, the two chip sets, how the
// upper layer is drawn and its BGM, with the scene's map shown in the map view (grid on) and redrawn
// at every change. OK gives the scene as the controls show it; values the author did not touch come
// back as they were read, so a scene confirmed unchanged is the scene that was opened.

#include <optional>

#include "core/world/scene.h"

class QWidget;

namespace lw {

struct EditorContext;

// Runs "場面設定2" on `scene` (null: a new scene, every field empty, the four default groups); the
// scene on OK, nullopt on Cancel.
std::optional<Scene> EditSceneSettings(EditorContext& context, const Scene* scene, QWidget* parent);

}  // namespace lw
