#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(場面変更)": where the player character goes.
// - "PC移動先場面": the scene files of the data folder ("scene*.txt" carrying a scene number), the
//   one of scene 0 chosen at first when there is one; the map view shows the chosen scene (map,
//   chip sets, NPC markers, grid) in the single-frame placement mode, the destination framed in red.
// - "PC移動先位置": "X" 0..width-1 and "Y" 0..height-1 of the chosen scene's map, both reset to 0
//   when the scene changes and set by a click on a cell of the map view.
// - the group "PC移動先ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ".
// OK refuses a missing scene with "場面を選択してください" and builds "scene %d %d %d [%d]". OK and
// Cancel release the map view's contents and close its window; its mode, the exclusions and the
// sprite being placed are those it had before (the dialog that opened this one shows its own
// scene again).

#include <vector>

#include "core/world/scene.h"
#include "core/world/scene_catalog.h"
#include "editors/events/command_dialog.h"
#include "render/map_view_state.h"

namespace lw {

struct CommandContext;

class SceneChangeCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    SceneChangeCommandDialog(CommandContext& context, QWidget* parent = nullptr);
    ~SceneChangeCommandDialog() override;

    // The chosen scene's number, -1 when none is chosen.
    int chosenScene() const;

    QComboBox* sceneChoice() const { return scene_; }
    NumberSpin* xField() const { return x_; }
    NumberSpin* yField() const { return y_; }
    GroupChooser* destinationGroup() const { return group_; }

protected:
    std::optional<std::string> Build() override;
    void Leave() override;
    void showEvent(QShowEvent* event) override;

private:
    void OpenMapView();
    void ShowChosenScene();
    void MarkDestination();

    std::vector<SceneFileEntry> files_;
    bool mapOpened_ = false;
    // What the map view showed for the dialog below this one, put back when this one closes.
    MapViewMode previousMode_ = MapViewMode::Browse;
    int previousExcludedNpc_ = -1;
    int previousExcludedChest_ = -1;
    PlacedSprite previousSprite_;
    QComboBox* scene_;
    NumberSpin* x_;
    NumberSpin* y_;
    GroupChooser* group_;
};

}  // namespace lw
