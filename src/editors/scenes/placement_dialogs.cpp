#include "editors/scenes/placement_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <climits>
#include <tuple>
#include <utility>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/rules/player_character.h"
#include "core/world/placement.h"
#include "editors/scenes/placement_dialog_widgets.h"
#include "widgets/accessible_names.h"
#include "widgets/list_filter.h"
#include "widgets/record_names_ui.h"
#include "widgets/dialog_buttons.h"
#include "render/bitmap.h"
#include "widgets/preview_box.h"
#include "widgets/kept_value.h"
#include "widgets/number_spin.h"
#include "widgets/read_guard.h"

namespace lw {

PlacedSprite SheetSprite(const Project& project, const std::string& fileName, int x, int y, int width, int height,
                         const DrawSpec& spec) {
    return PlacedSprite{.image = LoadImageFile(ImageFilePath(project, fileName)),
                        .regionX = x, .regionY = y, .regionWidth = width, .regionHeight = height, .spec = spec};
}

PlacedSprite PlayerCharacterSprite(const Project& project, const PlayerCharacter& pc) {
    const PcSpriteOnMap on = PcSprite(pc);
    PlacedSprite sprite = SheetSprite(project, on.fileName, on.regionX, on.regionY, on.regionWidth, on.regionHeight, on.spec);
    sprite.direction = on.direction;
    sprite.offset = on.offset;
    return sprite;
}

OwnerStep OwnerFormWhereRoom(EditorContext& context, SceneCatalog& catalog, EventOwner owner,
                             std::function<bool(int sceneNumber)> hasRoom, QString full) {
    return [&context, &catalog, owner, hasRoom = std::move(hasRoom), full = std::move(full)](
               int scene, int group, QWidget* parent) -> std::optional<int> {
        if (!hasRoom(scene)) {
            Warn(context, parent, full);
            return std::nullopt;
        }
        return EditOwnerGroups(context, catalog, owner, scene, group, parent);
    };
}

void FillDirections(QComboBox* combo) {
    combo->addItems({QObject::tr("下"), QObject::tr("左"), QObject::tr("右"), QObject::tr("上"), QObject::tr("全方向")});
}

namespace {

// Runs a placement dialog; on OK its result is copied to `values`.
template <class Dialog, class Values, class... Args>
bool RunPlacement(Values& values, Args&&... args) {
    Dialog dialog(std::forward<Args>(args)...);
    if (dialog.exec() != QDialog::Accepted) return false;
    values = dialog.result();
    return true;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The shared frame

ScenePlacementDialog::ScenePlacementDialog(EditorContext& context, const QString& caption, MapViewMode mode,
                                           const PlacedSprite& sprite, int loadedScene, QWidget* parent)
    : QDialog(parent), context_(context), mode_(mode), sprite_(sprite), loadedScene_(loadedScene) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    form_ = new QFormLayout();
    scene_ = new QComboBox(this);
    scene_->setMinimumWidth(160);
    form_->addRow(tr("場面"), scene_);
    layout->addLayout(form_);
    buttonRow_ = new QHBoxLayout();
    layout->addStretch(1);
    layout->addLayout(buttonRow_);

    for (const SceneFileEntry& file : ListSceneFiles(context_.project)) {
        Scene scene;
        LoadSceneFile(context_.project, file.fileName, scene);  // a file that cannot be read shows no map
        files_.push_back(file);
        // "scene0.txt — 始まりの村": the file, then the scene's name.
        scene_->addItem(scene.name.empty() ? FromCp932(file.fileName)
                                           : FromCp932(file.fileName) + QStringLiteral(" \u2014 ") + FromCp932(scene.name));
        scenes_.push_back(std::move(scene));
    }
    AddComboFilter(scene_, tr("場面"));
    int at = -1;
    for (std::size_t i = 0; i < files_.size(); ++i)
        if (files_[i].sceneNumber == loadedScene) {
            at = static_cast<int>(i);
            break;
        }
    LoadComboIndex(scene_, at);
}

ScenePlacementDialog::~ScenePlacementDialog() = default;

void ScenePlacementDialog::Finish() {
    connect(scene_, &QComboBox::currentIndexChanged, this, [this] { ShowChosenScene(true); });
    auto* view = context_.mapView.get();
    connect(view, &MapView::cellClicked, this, [this](QWidget* owner, int x, int y) {
        if (owner == this) ClickCell(x, y);
    });
    ShowChosenScene(false);
}

int ScenePlacementDialog::chosenScene() const {
    if (!ChangedSinceLoad(scene_)) return loadedScene_;
    const int i = scene_->currentIndex();
    return i >= 0 && i < static_cast<int>(files_.size()) ? files_[static_cast<std::size_t>(i)].sceneNumber : -1;
}

void ScenePlacementDialog::ChooseScene(int sceneNumber) {
    for (std::size_t i = 0; i < files_.size(); ++i)
        if (files_[i].sceneNumber == sceneNumber) scene_->setCurrentIndex(static_cast<int>(i));
}

void ScenePlacementDialog::ClickCell(int x, int y) {
    if (scene_->currentIndex() < 0) return;  // no scene, no map to place on
    TakeCell(x, y);
    RefreshSprite();
}

const MapData& ScenePlacementDialog::map() const { return context_.mapView->state().map; }

QSpinBox* ScenePlacementDialog::MakeSpin() {
    auto* spin = new NumberSpin(this);
    spin->setMinimumWidth(64);
    // Loaded values show as they are until the spins are ranged to the chosen map.
    spin->setRange(INT_MIN, INT_MAX);
    connect(spin, &QSpinBox::valueChanged, this, [this] { RefreshSprite(); });
    return spin;
}

void ScenePlacementDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!mapOpened_) OpenMapView();
}

void ScenePlacementDialog::ShowChosenScene(bool reset) {
    MapView& view = *context_.mapView;
    view.SetMode(mode_, this);
    view.state().excludedNpc = excludedNpc_;
    view.state().excludedChest = excludedChest_;
    const int i = scene_->currentIndex();
    if (i >= 0 && i < static_cast<int>(scenes_.size())) {
        const Scene& scene = scenes_[static_cast<std::size_t>(i)];
        MapViewScene shown = SceneOnMap(scene);
        shown.npcMarkers = BuildNpcMarkers(context_.project, scene.npcIndices, context_.npcs);
        shown.chestMarkers = BuildChestMarkers(context_.project, scene.treasureIndices, context_.chests);
        view.ShowScene(shown);
    } else {
        view.ReleaseContents();
        view.SetCaption(QString());
    }
    RangeSpins(reset);
    RefreshSprite();
}

void ScenePlacementDialog::RefreshSprite() {
    MapView& view = *context_.mapView;
    if (view.owner() != this) return;
    PlacedSprite sprite = sprite_;
    if (scene_->currentIndex() < 0) sprite.image = QImage();  // nothing stands on no map
    PlaceSprite(sprite);
    view.state().sprite = std::move(sprite);
    view.Repaint();
}

void ScenePlacementDialog::OpenMapView() {
    mapOpened_ = true;
    MapView& view = *context_.mapView;
    view.Open(this);
    ShowChosenScene(false);
    view.Show();
}

void ScenePlacementDialog::CloseMapView() {
    MapView& view = *context_.mapView;
    view.state().sprite = PlacedSprite{};
    view.state().excludedNpc = -1;
    view.state().excludedChest = -1;
    view.ReleaseContents();
    view.Close();
}

bool ScenePlacementDialog::RunNext(const OwnerStep& next, int currentGroup, int& group) {
    if (!next) return false;
    const std::optional<int> chosen = next(chosenScene(), currentGroup, this);
    // The next step may have used the map view for its own dialogs: it comes back to this one.
    if (isVisible()) OpenMapView();
    if (!chosen) return false;
    group = *chosen;
    return true;
}

QHBoxLayout* ScenePlacementDialog::AddPairRow(const QString& label, QSpinBox*& xSpin, QSpinBox*& ySpin, int x, int y) {
    xSpin = MakeSpin();
    ySpin = MakeSpin();
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QObject::tr("X"), row));
    layout->addWidget(xSpin);
    layout->addWidget(new QLabel(QObject::tr("Y"), row));
    layout->addWidget(ySpin);
    layout->addStretch(1);
    form_->addRow(label, row);
    NameParts(label, {xSpin, ySpin}, {u"X", u"Y"});
    LoadSpin(xSpin, x);
    LoadSpin(ySpin, y);
    return layout;
}

void ScenePlacementDialog::AddNextButtons() { std::tie(ok_, cancel_) = AddDialogButtons(this, buttonRow_, tr("次へ")); }

void ScenePlacementDialog::RangeSpins(bool reset) {
    const SpinRange across = CellSpinRange(map().width);
    const SpinRange down = CellSpinRange(map().height);
    Range(x_, across.minimum, across.maximum, reset);
    Range(y_, down.minimum, down.maximum, reset);
}

void ScenePlacementDialog::TakeCell(int x, int y) {
    Take(x_, x);
    Take(y_, y);
}

void ScenePlacementDialog::PlaceSprite(PlacedSprite& sprite) const {
    sprite.position = QPoint(x_->value(), y_->value());
}

// ---------------------------------------------------------------------------------------------
// "PC配置"

PlayerStartDialog::PlayerStartDialog(EditorContext& context, const PlacedSprite& sprite, int spriteHeight,
                                     const PlayerStartPlacement& start, QWidget* parent)
    : PlacementDialogOf(context, tr("PC配置"), MapViewMode::Placement, sprite, start, parent),
      spriteHeight_(spriteHeight) {
    AddBoundPair(tr("ビュー位置"), viewX_, viewY_, &PlayerStartPlacement::viewX, &PlayerStartPlacement::viewY);
    AddPairRow(tr("ビュー内位置"), inViewX_, inViewY_, InViewCellX(start.inViewX), InViewCellY(start.inViewY, spriteHeight));
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttonRow_);
    Finish();
    // The position within the view is stored in pixels: kept as stored until the author moves it.
    for (QSpinBox* spin : {inViewX_, inViewY_})
        connect(spin, &QSpinBox::valueChanged, this, [this] { inViewTouched_ = true; });
}

void PlayerStartDialog::RangeSpins(bool reset) {
    const ViewRanges r = ViewRangesOf(map());
    Range(viewX_, r.viewX.minimum, r.viewX.maximum, reset);
    Range(viewY_, r.viewY.minimum, r.viewY.maximum, reset);
    Range(inViewX_, 0, kViewColumns - 1, reset);
    Range(inViewY_, 0, kViewRows - 1, reset);
    if (reset) inViewTouched_ = true;
}

void PlayerStartDialog::TakeCell(int x, int y) {
    const ViewRanges r = ViewRangesOf(map());
    const ViewPlace across = PlaceInView(x, kPlayerViewColumn, r.viewX, kViewColumns);
    const ViewPlace down = PlaceInView(y, PlayerViewRow(spriteHeight_), r.viewY, kViewRows);
    Take(viewX_, across.view);
    Take(viewY_, down.view);
    Take(inViewX_, across.inView);
    Take(inViewY_, down.inView);
    inViewTouched_ = true;
}

void PlayerStartDialog::PlaceSprite(PlacedSprite& sprite) const {
    sprite.origin = QPoint(viewX_->value(), viewY_->value());
    sprite.position = QPoint(inViewX_->value(), inViewY_->value());
    sprite.offset = spriteHeight_ - kCellPixels;
}

PlayerStartPlacement PlayerStartDialog::Values() const {
    PlayerStartPlacement v = PlacementDialogOf::Values();
    // Until the author moves it, the position within the view stays as loaded.
    if (inViewTouched_) {
        v.inViewX = InViewPixelsX(inViewX_->value());
        v.inViewY = InViewPixelsY(inViewY_->value(), spriteHeight_);
    }
    return v;
}

bool PlacePlayerStart(EditorContext& context, const PlacedSprite& sprite, int spriteHeight,
                      PlayerStartPlacement& start, QWidget* parent) {
    return RunPlacement<PlayerStartDialog>(start, context, sprite, spriteHeight, start, parent);
}

// ---------------------------------------------------------------------------------------------
// "NPC配置", "宝箱配置", "店配置"

namespace {

class NpcPlacementDialog : public PlacementDialogOf<NpcPlacement> {
    Q_OBJECT
public:
    NpcPlacementDialog(EditorContext& context, const PlacedSprite& sprite, int npcIndex, const NpcPlacement& placement,
                       const OwnerStep& next, QWidget* parent)
        : PlacementDialogOf(context, tr("NPC配置"), MapViewMode::Placement, sprite, placement, parent) {
        next_ = next;
        excludedNpc_ = npcIndex;
        AddPosition();
        AddBoundPair(tr("移動範囲中心位置"), centreX_, centreY_, &NpcPlacement::centreX, &NpcPlacement::centreY);
        QHBoxLayout* rangeRow = AddBoundPair(tr("移動範囲"), rangeX_, rangeY_, &NpcPlacement::rangeX, &NpcPlacement::rangeY);
        showRange_ = NewPreviewBox(tr("表示"), this);
        rangeRow->insertWidget(4, showRange_);
        AddNextButtons();
        connect(showRange_, &QCheckBox::toggled, this, [this] { RefreshSprite(); });
        Finish();
    }

protected:
    void RangeSpins(bool reset) override {
        const SpinRange across = CellSpinRange(map().width);
        const SpinRange down = CellSpinRange(map().height);
        for (QSpinBox* s : {x_, centreX_, rangeX_}) Range(s, across.minimum, across.maximum, reset);
        for (QSpinBox* s : {y_, centreY_, rangeY_}) Range(s, down.minimum, down.maximum, reset);
    }

    void TakeCell(int x, int y) override {
        ScenePlacementDialog::TakeCell(x, y);
        Take(centreX_, x);
        Take(centreY_, y);
    }

    void PlaceSprite(PlacedSprite& sprite) const override {
        ScenePlacementDialog::PlaceSprite(sprite);
        sprite.rangeCentre = QPoint(centreX_->value(), centreY_->value());
        sprite.rangeX = rangeX_->value();
        sprite.rangeY = rangeY_->value();
        sprite.showRange = showRange_->isChecked();
    }

private:
    QSpinBox* centreX_;
    QSpinBox* centreY_;
    QSpinBox* rangeX_;
    QSpinBox* rangeY_;
    QCheckBox* showRange_;
};

class ChestPlacementDialog : public PlacementDialogOf<ChestPlacement> {
    Q_OBJECT
public:
    ChestPlacementDialog(EditorContext& context, const PlacedSprite& sprite, int chestIndex,
                         const ChestPlacement& placement, const OwnerStep& next, QWidget* parent)
        : PlacementDialogOf(context, tr("宝箱配置"), MapViewMode::SingleFramePlacement, sprite, placement, parent) {
        next_ = next;
        excludedChest_ = chestIndex;
        AddPosition();
        AddNextButtons();
        Finish();
    }

    void accept() override {
        ChestPlacement v = Values();
        if (v.scene < 0) {
            Warn(context_, this, tr("場面を選択してください"));
            return;
        }
        ConfirmWithNext(v, result_);
    }
};

class ShopPlacementDialog : public PlacementDialogOf<ShopPlacementValues> {
    Q_OBJECT
public:
    ShopPlacementDialog(EditorContext& context, const PlacedSprite& sprite, const ShopPlacementValues& placement,
                        const OwnerStep& next, QWidget* parent)
        : PlacementDialogOf(context, tr("店配置"), MapViewMode::Placement, sprite, placement, parent) {
        next_ = next;
        AddPosition();
        direction_ = new QComboBox(this);
        FillDirections(direction_);
        form_->addRow(tr("方向"), direction_);
        AddNextButtons();
        LoadComboIndex(direction_, placement.direction);
        Finish();
    }

    ShopPlacementValues Values() const override {
        ShopPlacementValues v = PlacementDialogOf::Values();
        v.direction = ComboIndexValue(direction_);
        return v;
    }

private:
    QComboBox* direction_;
};

}  // namespace

bool PlaceNpc(EditorContext& context, const PlacedSprite& sprite, int npcIndex, NpcPlacement& placement,
              const OwnerStep& next, QWidget* parent) {
    return RunPlacement<NpcPlacementDialog>(placement, context, sprite, npcIndex, placement, next, parent);
}

bool PlaceChest(EditorContext& context, const PlacedSprite& sprite, int chestIndex, ChestPlacement& placement,
                const OwnerStep& next, QWidget* parent) {
    return RunPlacement<ChestPlacementDialog>(placement, context, sprite, chestIndex, placement, next, parent);
}

bool PlaceShop(EditorContext& context, const PlacedSprite& sprite, ShopPlacementValues& placement,
               const OwnerStep& next, QWidget* parent) {
    return RunPlacement<ShopPlacementDialog>(placement, context, sprite, placement, next, parent);
}

}  // namespace lw

#include "placement_dialogs.moc"
