#include "editors/events/scene_change_command_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/command_dialog_rules.h"
#include "editors/events/command_context.h"
#include "editors/events/command_dialog_support.h"
#include "editors/events/group_chooser.h"
#include "editors/events/shared_command_dialog.h"
#include "previews/map_view.h"
#include "widgets/dialog_buttons.h"
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
    : QDialog(parent), editor_(context.editor) {
    setWindowTitle(tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(場面変更)"));
    auto* layout = new QVBoxLayout(this);
    auto* sceneBox = new QGroupBox(tr("PC移動先場面"), this);
    auto* sceneRow = new QHBoxLayout(sceneBox);
    scene_ = new QComboBox(sceneBox);
    scene_->setMinimumContentsLength(18);
    scene_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    scene_->setMaxVisibleItems(20);
    sceneRow->addWidget(scene_, 1);
    layout->addWidget(sceneBox);

    auto* positionBox = new QGroupBox(tr("PC移動先位置"), this);
    auto* positionRow = new QHBoxLayout(positionBox);
    x_ = new NumberSpin(0, 0, 0, positionBox);
    y_ = new NumberSpin(0, 0, 0, positionBox);
    positionRow->addWidget(new QLabel(tr("X"), positionBox));
    positionRow->addWidget(x_, 1);
    positionRow->addWidget(new QLabel(tr("Y"), positionBox));
    positionRow->addWidget(y_, 1);
    layout->addWidget(positionBox);

    group_ = new GroupChooser(tr("PC移動先ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations, this);
    layout->addWidget(group_);
    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);

    files_ = ListSceneFiles(editor_.project);
    for (const SceneFileEntry& f : files_) scene_->addItem(FromCp932(f.fileName));
    scene_->setCurrentIndex(FirstSceneChoice(files_));
    connect(scene_, &QComboBox::currentIndexChanged, this, [this] { ShowChosenScene(); });
    connect(x_, &QSpinBox::valueChanged, this, [this] { MarkDestination(); });
    connect(y_, &QSpinBox::valueChanged, this, [this] { MarkDestination(); });
    connect(editor_.mapView.get(), &MapView::cellClicked, this, [this](QWidget* owner, int x, int y) {
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
    QDialog::showEvent(event);
    if (!mapOpened_) OpenMapView();
}

void SceneChangeCommandDialog::OpenMapView() {
    mapOpened_ = true;
    MapView& view = *editor_.mapView;
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
    MapView& view = *editor_.mapView;
    Scene scene;
    const int row = scene_->currentIndex();
    if (row >= 0 && row < static_cast<int>(files_.size()))
        LoadSceneFile(editor_.project, files_[static_cast<std::size_t>(row)].fileName, scene);
    MapViewScene shown = SceneOnMap(scene);
    shown.npcMarkers = BuildNpcMarkers(editor_.project, scene.npcIndices, editor_.npcs);
    shown.chestMarkers = BuildChestMarkers(editor_.project, scene.treasureIndices, editor_.chests);
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
    MapView& view = *editor_.mapView;
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
    MapView& view = *editor_.mapView;
    view.ReleaseContents();
    view.Close();
    if (!mapOpened_) return;
    view.state().sprite = previousSprite_;
    view.state().excludedNpc = previousExcludedNpc_;
    view.state().excludedChest = previousExcludedChest_;
    view.SetMode(previousMode_);
}

void SceneChangeCommandDialog::accept() {
    const int scene = chosenScene();
    if (scene < 0) {
        WarnAuthor(editor_, this, tr("場面を選択してください"));
        return;
    }
    line_ = BuildSceneChange(scene, x_->TakenValue(), y_->TakenValue(), group_->value());
    Leave();
    done(QDialog::Accepted);
}

void SceneChangeCommandDialog::reject() {
    Leave();
    done(QDialog::Rejected);
}

std::optional<std::string> RunSceneChangeDialog(CommandContext& context, QWidget* parent) {
    SceneChangeCommandDialog dialog(context, parent);
    return RunForLine(dialog);
}

}  // namespace lw
