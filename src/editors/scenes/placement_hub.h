#pragma once
// The placement hub: the scene chooser behind the hub buttons "場面変更", "宿屋", "立て札",
// "定位置戦闘", "ﾌｨｰﾙﾄﾞ戦闘" (modes 1 to 5) and "ﾏｯﾌﾟ ｱﾆﾒ配置" (mode 0). It lists every scene file,
// loaded, with the chosen one shown in the map view; "編集..." runs the mode's step on the chosen
// scene: mode 0 the terrain animations (given by the caller), modes 1 to 4 the position list of
// exits, inns, signposts or fixed-position battles (each position ending in the owner form, given by
// the caller), mode 5 the field battles.
//
// OK writes every scene that was read (never one that could not be read) and, for modes 1 to 4,
// flag_exp.txt (unless it could not be read when the hub opened). Cancel writes nothing and puts
// the flag explanations back as they were.

#include <functional>
#include <optional>
#include <vector>

#include "core/events/flag_explanations.h"
#include "core/world/scene.h"
#include "core/world/scene_catalog.h"
#include "editors/events/owner_groups.h"
#include "editors/scenes/scene_list_editor.h"
#include "render/map_view_state.h"

namespace lw {

struct EditorContext;

// Mode 0's step: edits the terrain animations of the scene; true on OK (the scene then changed).
using TerrainAnimationStep = std::function<bool(EditorContext& context, Scene& scene, QWidget* parent)>;
// The owner form, bound to the editor context: the owner's new group (-1 none) on OK, nullopt on
// Cancel (EditOwnerGroups without its context).
using OwnerFormRunner = std::function<std::optional<int>(SceneCatalog& catalog, EventOwner owner, int sceneNumber,
                                                         int currentGroup, QWidget* parent)>;

struct PlacementSteps {
    TerrainAnimationStep terrainAnimations;  // mode 0
    OwnerFormRunner ownerForm;               // modes 1 to 4
};

// The player character's walking chip as the position list's marker (pc.txt); no picture when
// pc.txt or its chip cannot be read.
PlacedSprite PlayerCharacterMarker(const Project& project);

class PlacementHub : public SceneFilesDialog {
    Q_OBJECT
public:
    PlacementHub(EditorContext& context, int mode, PlacementSteps steps, QWidget* parent = nullptr);
    ~PlacementHub() override;

    const SceneCatalog& catalog() const { return catalog_; }

public slots:
    void reject() override;

private:
    void EditSelected();
    void AddFilesToSave(std::vector<DataFileWrite>& files) const override;
    void Leave() override;
    // The position list of `row`; true on OK (the row then changed).
    bool EditPositions(SceneRow& row);

    int mode_;
    PlacementSteps steps_;
    SceneCatalog catalog_;
    PlacedSprite playerMarker_;  // the player character, drawn at the positions (modes 1 to 4)
    FlagExplanations flagsAsOpened_;
};

// Runs the hub in `mode` modally; 1 after OK, 0 after Cancel.
int EditPlacements(EditorContext& context, int mode, const PlacementSteps& steps, QWidget* parent);

}  // namespace lw
