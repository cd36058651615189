#pragma once
// Which editors of the hub may be opened, given which files exist. An editor is available exactly
// when every file it needs exists.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"

namespace lw {

// The hub's editor buttons, in the order they are laid out.
enum class HubEditor {
    BgmList, SoundList, TextList, AnimeList, ItemList, BackImages, SelectImages, LevelList, LevelUp,
    MagicList, FaceImages, NarrationList, Title, BasicSettings, SceneSettings, MapAnimeList,
    MapAnimePlacement, PlayerCharacter, Npc, SceneChange, TreasureChest, Shop, Inn, Signboard,
    MonsterList, EnemyUnitList, FixedBattle, FieldBattle, EventCommands,
    MapEditing,  // "ﾏｯﾌﾟ編集": needs nothing, a map may be made before any scene
};
inline constexpr int kHubEditorCount = 30;

// The button label (UTF-8).
std::string_view HubEditorLabel(HubEditor editor);

// The placement dialog's mode for the six buttons that open it, or -1.
int PlacementMode(HubEditor editor);

// What the enabling rules look at.
struct HubFiles {
    std::function<bool(std::string_view dataFile)> dataFileExists;
    bool sceneFileExists = false;    // a regular file matching "scene*.txt" in the data folder
    bool prepareFileExists = false;  // prepare.txt in the project folder
};
HubFiles ProbeHubFiles(const Project& project);

// The files each editor still waits for, in the order the rules name them ("scene*.txt" for any
// scene file). An editor is available exactly when its list is empty.
using HubNeeds = std::array<std::vector<std::string>, kHubEditorCount>;
HubNeeds ComputeHubNeeds(const HubFiles& files);

using HubEnabling = std::array<bool, kHubEditorCount>;
HubEnabling ComputeHubEnabling(const HubFiles& files);

inline bool IsEnabled(const HubEnabling& e, HubEditor editor) { return e[static_cast<std::size_t>(editor)]; }

}  // namespace lw
