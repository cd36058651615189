#include "editors/events/scene_change_command_dialog.h"

#include <QComboBox>
#include <tuple>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/command_dialog_rules.h"
#include "editors/events/command_context.h"
#include "editors/events/group_chooser.h"
#include "previews/map_view.h"
#include "widgets/record_names_ui.h"
#include "widgets/number_spin.h"

namespace lw {

namespace {

// The destination as the map view frames it: a clear cell-sized picture, so that only the red
// frame of the placed sprite shows.
QImage DestinationPicture() {
    QImage picture(kCellPixels, kCellPixels, QImage::Format_ARGB32);
    picture.fill(0);
    return picture;
}

}  // namespace

SceneChangeCommandDialog::SceneChangeCommandDialog(CommandContext& context, QWidget* parent)
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

SceneChangeCommandDialog::~SceneChangeCommandDialog() = default;

int SceneChangeCommandDialog::chosenScene() const {
    const int row = scene_->currentIndex();
    return row >= 0 && row < static_cast<int>(files_.size()) ? files_[static_cast<std::size_t>(row)].sceneNumber : -1;
}

void SceneChangeCommandDialog::showEvent(QShowEvent* event) {
    // The map view, not the image preview.
    QDialog::showEvent(event);
    if (!mapOpened_) OpenMapView();
}

void SceneChangeCommandDialog::OpenMapView() {
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

void SceneChangeCommandDialog::ShowChosenScene() {
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

void SceneChangeCommandDialog::MarkDestination() {
    MapView& view = *context_.mapView;
    PlacedSprite& sprite = view.state().sprite;
    sprite = PlacedSprite{};
    if (chosenScene() >= 0) {
        sprite.image = DestinationPicture();
        sprite.regionWidth = kCellPixels;
        sprite.regionHeight = kCellPixels;
        sprite.spec.mode = kDrawAlpha;
        sprite.position = QPoint(x_->value(), y_->value());
    }
    view.Repaint();
}

void SceneChangeCommandDialog::Leave() {
    MapView& view = *context_.mapView;
    view.ReleaseContents();
    view.Close();
    if (!mapOpened_) return;
    view.state().sprite = previousSprite_;
    view.state().excludedNpc = previousExcludedNpc_;
    view.state().excludedChest = previousExcludedChest_;
    view.SetMode(previousMode_);
}

std::optional<std::string> SceneChangeCommandDialog::Build() {
    const int scene = chosenScene();
    if (scene < 0) return Refuse(tr("場面を選択してください"));
    return BuildSceneChange(scene, x_->TakenValue(), y_->TakenValue(), group_->value());
}

}  // namespace lw
