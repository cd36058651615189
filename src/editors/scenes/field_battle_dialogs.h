#pragma once
// The random battles of a scene: "ﾌｨｰﾙﾄﾞ戦闘2" lists them (enemy unit, appearance rate, battle
// background) and "次へ" opens "ﾌｨｰﾙﾄﾞ戦闘3", which assigns them to the chips of the scene's
// background chip set. OK there closes both; its Cancel returns to the list. A scene holds 64
// battles: the 65th is refused with a message. The chips name battles by their row: deleting or
// moving a row that chips name asks first whether the chips follow it (reference_keeper.h).

#include <string>

#include "core/world/scene.h"

class QWidget;

namespace lw {

struct EditorContext;

// Runs "ﾌｨｰﾙﾄﾞ戦闘2" (and "ﾌｨｰﾙﾄﾞ戦闘3" from it) on `scene`; true on OK, with the scene's battles
// and terrain battle grid changed. `fileName` is the scene's file, for the places the chips are
// shown at.
bool EditFieldBattles(EditorContext& context, Scene& scene, QWidget* parent, std::string fileName = {});

}  // namespace lw
