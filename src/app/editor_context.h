#pragma once
// What every editor works with: the open project, the tables several editors share, the desktop
// services, the music player and the preview windows. The app owns one; dialogs receive it, so
// every dialog can be built in a test around a temporary project.

#include <memory>

#include "core/events/flag_explanations.h"
#include "core/media/effect_animation.h"
#include "core/project/project.h"
#include "core/rules/treasure_list.h"
#include "core/world/npc_list.h"
#include "core/settings/game_settings.h"
#include "previews/image_view.h"
#include "previews/map_view.h"

namespace lw {

class Services;
class MusicPlayer;

struct EditorContext {
    Project project;
    Services* services = nullptr;
    // The one music and sound player (none in tests that do not play).
    MusicPlayer* player = nullptr;
    FlagExplanations flags;
    // How reading flag_exp.txt went when the hub opened. Editors that write the flag explanations
    // leave an unreadable flag_exp.txt alone.
    ReadStatus flagsRead = ReadStatus::Missing;
    // The NPC and treasure chest tables the map view's markers are made from: read when the hub
    // opens, released when it closes.
    NpcTable npcs;
    TreasureTable chests;
    // The game-wide settings (setting.txt); every editor that uses them re-reads the file on opening.
    GameSettings settings;
    // The one image preview: its state, and its window while a dialog has it open. It reads the
    // project and the settings above, so the context is never copied or moved.
    std::unique_ptr<ImageView> imageView = std::make_unique<ImageView>(project, settings);
    // The one map view: its contents (map, chip sets, markers), and its window while a scene dialog
    // has it open. It reads the project above.
    std::unique_ptr<MapView> mapView = std::make_unique<MapView>(project);
    // The effect animations other editors choose from: loaded by each editor that offers the
    // choice (LoadEffectTable), released by the common clean-up (ReleaseEffectTable).
    EffectTable effects;
    // The mode the placement dialog opens in (set by the hub before opening it).
    int placementMode = 0;
};

}  // namespace lw
