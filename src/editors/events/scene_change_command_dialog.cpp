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
#include <QComboBox>
#include <QCoreApplication>
#include <tuple>
#include <vector>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/command_dialog_rules.h"
#include "core/world/scene.h"
#include "core/world/scene_catalog.h"
#include "editors/events/command_context.h"
#include "editors/events/command_dialog.h"
#include "previews/map_view.h"
#include "render/map_view_state.h"
#include "widgets/number_spin.h"
#include "widgets/record_names_ui.h"

namespace lw {

namespace {

// The destination as the map view frames it: a clear cell-sized picture, so that only the red
// frame of the placed sprite shows.
QImage DestinationPicture() {
    QImage picture(kCellPixels, kCellPixels, QImage::Format_ARGB32);
    picture.fill(0);
    return picture;
}

class SceneChangeCommandDialog : public CommandDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::SceneChangeCommandDialog)
public:
    SceneChangeCommandDialog(CommandContext& context, QWidget* parent)
        : CommandDialog(context.editor, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(場面変更)"), parent) {
        scene_ = AddChoice(tr("PC移動先場面"), 18);
        scene_->setMaxVisibleItems(20);
        std::tie(x_, y_) = AddPoint(tr("PC移動先位置"), 0, 0);
        group_ = AddGroup(tr("PC移動先ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations);
        AddButtons();

        files_ = ListSceneFiles(context_.project);
        for (const SceneFileEntry& f : files_) scene_->addItem(SceneChoiceText(names(), f));
        scene_->setCurrentIndex(FirstSceneChoice(files_));
        connect(scene_, &QComboBox::currentIndexChanged, this, [this] { ShowChosenScene(); });
        connect(x_, &QSpinBox::valueChanged, this, [this] { MarkDestination(); });
        connect(y_, &QSpinBox::valueChanged, this, [this] { MarkDestination(); });
        connect(context_.mapView.get(), &MapView::cellClicked, this, [this](QWidget* owner, int x, int y) {
            if (owner != this) return;
            x_->setValue(x);
            y_->setValue(y);
        });
    }

private:
    // The chosen scene's number, -1 when none is chosen.
    int ChosenScene() const {
        const int row = scene_->currentIndex();
        return row >= 0 && row < static_cast<int>(files_.size()) ? files_[static_cast<std::size_t>(row)].sceneNumber : -1;
    }

    void showEvent(QShowEvent* event) override {
        // The map view, not the image preview.
        QDialog::showEvent(event);
        if (!mapOpened_) OpenMapView();
    }

    void OpenMapView() {
        mapOpened_ = true;
        MapView& view = *context_.mapView;
        previousMode_ = view.state().mode;
        previousExcludedNpc_ = view.state().excludedNpc;
        previousExcludedChest_ = view.state().excludedChest;
        previousSprite_ = view.state().sprite;
        view.Open(this);
        view.SetMode(MapViewMode::SingleFramePlacement, this);
        view.state().excludedNpc = -1;
        view.state().excludedChest = -1;
        ShowChosenScene();
    }

    void ShowChosenScene() {
        MapView& view = *context_.mapView;
        Scene scene;
        const int row = scene_->currentIndex();
        if (row >= 0 && row < static_cast<int>(files_.size()))
            LoadSceneFile(context_.project, files_[static_cast<std::size_t>(row)].fileName, scene);
        MapViewScene shown = SceneOnMap(scene);
        shown.npcMarkers = BuildNpcMarkers(context_.project, scene.npcIndices, context_.npcs);
        shown.chestMarkers = BuildChestMarkers(context_.project, scene.treasureIndices, context_.chests);
        view.ShowScene(shown);
        view.SetScroll(0, 0);
        // A new scene: the position starts again at its top-left cell, within its map.
        const MapData& map = view.state().map;
        {
            const QSignalBlocker blockX(x_);
            const QSignalBlocker blockY(y_);
            x_->setRange(0, LastCell(map.width));
            y_->setRange(0, LastCell(map.height));
            x_->setValue(0);
            y_->setValue(0);
        }
        MarkDestination();
        if (view.IsOpen() && row >= 0) {
            view.Show();
        } else {
            view.Hide();
        }
    }

    void MarkDestination() {
        MapView& view = *context_.mapView;
        PlacedSprite& sprite = view.state().sprite;
        sprite = PlacedSprite{};
        if (ChosenScene() >= 0) {
            sprite.image = DestinationPicture();
            sprite.regionWidth = kCellPixels;
            sprite.regionHeight = kCellPixels;
            sprite.spec.mode = kDrawAlpha;
            sprite.position = QPoint(x_->value(), y_->value());
        }
        view.Repaint();
    }

    void Leave() override {
        MapView& view = *context_.mapView;
        view.ReleaseContents();
        view.Close();
        if (!mapOpened_) return;
        view.state().sprite = previousSprite_;
        view.state().excludedNpc = previousExcludedNpc_;
        view.state().excludedChest = previousExcludedChest_;
        view.SetMode(previousMode_);
    }

    std::optional<std::string> Build() override {
        const int scene = ChosenScene();
        if (scene < 0) return Refuse(tr("場面を選択してください"));
        return BuildSceneChange(scene, x_->TakenValue(), y_->TakenValue(), group_->value());
    }

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

}  // namespace

std::optional<std::string> RunSceneChangeCommand(CommandContext& context, EventCommandKind, QWidget* parent) {
    return RunCommandDialog<SceneChangeCommandDialog>(context, parent);
}

}  // namespace lw
