#pragma once
// What every editor works with: the open project, the tables several editors share, the desktop
// services, the music player and the preview windows. The app owns one; dialogs receive it, so
// every dialog can be built in a test around a temporary project.

#include "core/events/flag_explanations.h"
#include "core/project/project.h"

namespace lw {

class MusicPlayer;
class Services;

struct EditorContext {
    Project project;
    Services* services = nullptr;
    // The one music and sound player (none in tests that do not play).
    MusicPlayer* player = nullptr;
    FlagExplanations flags;
    // The mode the placement dialog opens in (set by the hub before opening it).
    int placementMode = 0;
};

}  // namespace lw
