#pragma once
// "背景ｱﾆﾒ設定２": assigns the animations of a map animation file to the chips of a scene's
// background chip set. The file chooser lists an empty entry (no terrain animations) and the
// "map_anim*.txt" files of the data folder; the chip list has one row per frame-sized cell of the
// chip set (at most 16 x 16), "%3d" or, with an animation assigned, "%3d %3d". Selecting a row
// shows its chip beside the list and runs its animation in the preview. "更新" assigns the chosen
// animation to the selected chip, "消去" takes it away. OK hands the file and the grid to the
// scene; the scene file itself is written by the dialog that called this one.

#include <QDialog>
#include <QImage>
#include <string>
#include <vector>

#include "core/world/map_animation.h"
#include "core/world/map_animation_steps.h"
#include "core/world/scene.h"
#include "widgets/preview_step_dialog.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace lw {

struct EditorContext;

class TerrainAnimationDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    TerrainAnimationDialog(EditorContext& context, const Scene& scene, QWidget* parent = nullptr);

    // What OK gives the scene: the chosen file (empty for none) and the grid.
    std::string chosenFile() const;
    const ChipGrid& grid() const { return grid_; }
    // The file chosen now, as read.
    const MapAnimation& animationFile() const { return file_; }
    const ChipListShape& shape() const { return shape_; }

    QComboBox* fileChoice() const { return files_; }
    QComboBox* animationChoice() const { return animations_; }
    QListWidget* chipList() const { return chips_; }
    QLabel* chipPicture() const { return chipPicture_; }
    QPushButton* updateButton() const { return update_; }
    QPushButton* clearButton() const { return clear_; }

private:
    void OpenPreview() override;
    // Reads the chosen file and rebuilds the animation chooser and the chip list.
    void LoadChosenFile();
    void FillChipRows();
    void ShowSelectedChip();
    void ShowChosenAnimation();
    void SetSelectedChip(int value);

    ChipGrid grid_;
    MapAnimation file_;
    QImage chipSet_;
    ChipListShape shape_;
    std::vector<std::string> fileNames_;  // CP932, as offered by files_
    QComboBox* files_;
    QComboBox* animations_;
    QListWidget* chips_;
    QLabel* chipPicture_;
    QPushButton* update_;
    QPushButton* clear_;
};

// Runs "背景ｱﾆﾒ設定２" on `scene`. On OK the scene takes the chosen map animation file (empty:
// none, and its file then holds neither terrain animation section) and the grid; true. On Cancel
// the scene is left as it was; false.
bool EditTerrainAnimations(EditorContext& context, Scene& scene, QWidget* parent);

}  // namespace lw
