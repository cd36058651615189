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
#include "core/world/scene.h"
#include "core/world/scene_catalog.h"
#include "editors/scenes/placement_dialog_widgets.h"
#include "previews/map_view.h"
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
//
// Each dialog lists the scene files in a chooser, shows the chosen scene in the map view with the
// owner's sprite at the position (NPC markers of the scene drawn, the owner itself left out), takes a
// clicked cell as the position, and ranges its spins to the chosen scene's map. Choosing another
// scene resets every spin to 0. Values loaded from the owner's record come back unchanged while
// their control is untouched. Its texts are in the translation context of ScenePlacementDialog.

namespace {

class PlacementFrame : public ScenePlacementDialog {
public:
    void ChooseScene(int sceneNumber) override {
        for (std::size_t i = 0; i < files_.size(); ++i)
            if (files_[i].sceneNumber == sceneNumber) scene_->setCurrentIndex(static_cast<int>(i));
    }

    void ClickCell(int x, int y) override {
        if (scene_->currentIndex() < 0) return;  // no scene, no map to place on
        TakeCell(x, y);
        RefreshSprite();
    }

    void reject() override {
        CloseMapView();
        QDialog::reject();
    }

protected:
    PlacementFrame(EditorContext& context, const QString& caption, MapViewMode mode, const PlacedSprite& sprite,
                   int loadedScene, QWidget* parent)
        : ScenePlacementDialog(parent), context_(context), mode_(mode), sprite_(sprite), loadedScene_(loadedScene) {
        setWindowTitle(caption);
        auto* layout = new QVBoxLayout(this);
        form_ = new QFormLayout();
        scene_ = new QComboBox(this);
        scene_->setMinimumWidth(160);
        form_->addRow(ScenePlacementDialog::tr("場面"), scene_);
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
                                               : FromCp932(file.fileName) + QStringLiteral(" \u2014 ") +
                                                     FromCp932(scene.name));
            scenes_.push_back(std::move(scene));
        }
        AddComboFilter(scene_, ScenePlacementDialog::tr("場面"));
        int at = -1;
        for (std::size_t i = 0; i < files_.size(); ++i)
            if (files_[i].sceneNumber == loadedScene) {
                at = static_cast<int>(i);
                break;
            }
        LoadComboIndex(scene_, at);
    }

    // The chosen scene's number, -1 when none is chosen (the loaded number while untouched).
    int chosenScene() const {
        if (!ChangedSinceLoad(scene_)) return loadedScene_;
        const int i = scene_->currentIndex();
        return i >= 0 && i < static_cast<int>(files_.size()) ? files_[static_cast<std::size_t>(i)].sceneNumber : -1;
    }

    // Builds the rest once the derived dialog has made its controls: loads the scene (ranging the
    // spins without moving the loaded values).
    void Finish() {
        connect(scene_, &QComboBox::currentIndexChanged, this, [this] { ShowChosenScene(true); });
        connect(context_.mapView.get(), &MapView::cellClicked, this, [this](QWidget* owner, int x, int y) {
            if (owner == this) ClickCell(x, y);
        });
        ShowChosenScene(false);
    }

    // What the derived dialog does when the scene changes (the spins are re-ranged and reset),
    // when a cell is clicked, and how the placed sprite stands. Without overrides: the position
    // row's two spins (x_, y_).
    virtual void RangeSpins(bool reset) {
        const SpinRange across = CellSpinRange(map().width);
        const SpinRange down = CellSpinRange(map().height);
        Range(x_, across.minimum, across.maximum, reset);
        Range(y_, down.minimum, down.maximum, reset);
    }
    virtual void TakeCell(int x, int y) {
        Take(x_, x);
        Take(y_, y);
    }
    virtual void PlaceSprite(PlacedSprite& sprite) const { sprite.position = QPoint(x_->value(), y_->value()); }

    // A form row `label` of two cell spins side by side ("X", "Y"; MakeSpin, named "`label` X" and
    // "`label` Y") loaded with `x` and `y`; returns the row's layout.
    QHBoxLayout* AddPairRow(const QString& label, QSpinBox*& xSpin, QSpinBox*& ySpin, int x, int y) {
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
    // The confirming button "次へ" under the form.
    void AddNextButtons() { std::tie(ok_, cancel_) = AddDialogButtons(this, buttonRow_, ScenePlacementDialog::tr("次へ")); }
    // Closes the map view and ends with success.
    void CloseAccepted() {
        CloseMapView();
        QDialog::accept();
    }
    // "次へ" with the values `v` of the form: runs the caller's next step (next_); on its OK the
    // values, with the owner's group it gave, become `result` and the dialog ends with success.
    template <class Values>
    void ConfirmWithNext(Values v, Values& result) {
        if (!RunNext(next_, v.group, v.group)) return;
        result = v;
        CloseAccepted();
    }

    // A spin for a map cell, following the sprite when it changes.
    QSpinBox* MakeSpin() {
        auto* spin = new NumberSpin(this);
        spin->setMinimumWidth(64);
        // Loaded values show as they are until the spins are ranged to the chosen map.
        spin->setRange(INT_MIN, INT_MAX);
        connect(spin, &QSpinBox::valueChanged, this, [this] { RefreshSprite(); });
        return spin;
    }
    // Ranges `spin` to `range`; `reset` loads 0 (taken as the new value), else the loaded value stays.
    static void Range(QSpinBox* spin, int minimum, int maximum, bool reset) {
        KeepRange(spin, minimum, maximum);
        if (reset) LoadSpin(spin, 0);
    }
    // Sets a spin as the author would, so that the value is taken even when it equals the loaded one:
    // loading the value makes it the spin's own, so a click on the cell the spin already shows for an
    // out-of-range stored value still takes the clicked cell.
    static void Take(QSpinBox* spin, int value) { LoadSpin(spin, value); }
    const MapData& map() const { return context_.mapView->state().map; }

    void RefreshSprite() {
        MapView& view = *context_.mapView;
        if (view.owner() != this) return;
        PlacedSprite sprite = sprite_;
        if (scene_->currentIndex() < 0) sprite.image = QImage();  // nothing stands on no map
        PlaceSprite(sprite);
        view.state().sprite = std::move(sprite);
        view.Repaint();
    }

    void CloseMapView() {
        MapView& view = *context_.mapView;
        view.state().sprite = PlacedSprite{};
        view.state().excludedNpc = -1;
        view.state().excludedChest = -1;
        view.ReleaseContents();
        view.Close();
    }

    void OpenMapView() {
        mapOpened_ = true;
        MapView& view = *context_.mapView;
        view.Open(this);
        ShowChosenScene(false);
        view.Show();
    }

    // Runs the caller's next step; true when it gave OK (`group` then holds the owner's group).
    bool RunNext(const OwnerStep& next, int currentGroup, int& group) {
        if (!next) return false;
        const std::optional<int> chosen = next(chosenScene(), currentGroup, this);
        // The next step may have used the map view for its own dialogs: it comes back to this one.
        if (isVisible()) OpenMapView();
        if (!chosen) return false;
        group = *chosen;
        return true;
    }

    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        if (!mapOpened_) OpenMapView();
    }

    EditorContext& context_;
    OwnerStep next_;          // the step after "次へ" (the owner form)
    QSpinBox* x_ = nullptr;   // the position row
    QSpinBox* y_ = nullptr;
    int excludedNpc_ = -1;    // the NPC or chest being placed: drawn as the sprite, not as a marker
    int excludedChest_ = -1;
    QFormLayout* form_;
    QHBoxLayout* buttonRow_;

private:
    void ShowChosenScene(bool reset) {
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

    MapViewMode mode_;
    PlacedSprite sprite_;
    int loadedScene_;
    std::vector<SceneFileEntry> files_;
    std::vector<Scene> scenes_;
    QComboBox* scene_;
    bool mapOpened_ = false;
};

// A placement dialog whose form gives the values `V` (a placement record of the owner).
template <class V>
class PlacementDialogOf : public PlacementFrame {
public:
    // The values as they stand now: the record as loaded, with the chosen scene and the value of
    // every bound spin.
    virtual V Values() const {
        V v = result_;
        v.scene = chosenScene();
        for (auto [spin, field] : bound_) v.*field = SpinValue(spin);
        return v;
    }
    // What OK stored (after the next step's OK, where there is one).
    const V& result() const { return result_; }
    // OK: the values are the result; "次へ" (values with an owner's group): they go through the next
    // step first (ConfirmWithNext).
    void accept() override {
        if constexpr (requires(V v) { v.group; }) {
            ConfirmWithNext(Values(), result_);
        } else {
            result_ = Values();
            CloseAccepted();
        }
    }

protected:
    PlacementDialogOf(EditorContext& context, const QString& caption, MapViewMode mode, const PlacedSprite& sprite,
                      const V& loaded, QWidget* parent)
        : PlacementFrame(context, caption, mode, sprite, loaded.scene, parent), result_(loaded) {}
    // A form row of two cell spins bound to the fields `x` and `y` of the record: loaded from it,
    // given back by Values(). AddPosition: the "位置" row (x_, y_), the owner's cell.
    QHBoxLayout* AddBoundPair(const QString& label, QSpinBox*& xSpin, QSpinBox*& ySpin, int V::*x, int V::*y) {
        QHBoxLayout* row = AddPairRow(label, xSpin, ySpin, result_.*x, result_.*y);
        bound_.insert(bound_.end(), {{xSpin, x}, {ySpin, y}});
        return row;
    }
    void AddPosition() { AddBoundPair(ScenePlacementDialog::tr("位置"), x_, y_, &V::x, &V::y); }

    V result_;

private:
    std::vector<std::pair<QSpinBox*, int V::*>> bound_;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// "PC配置"

namespace {

class PlayerStartDialog : public PlacementDialogOf<PlayerStartPlacement> {
    Q_OBJECT
public:
    PlayerStartDialog(EditorContext& context, const PlacedSprite& sprite, int spriteHeight,
                      const PlayerStartPlacement& start, QWidget* parent)
        : PlacementDialogOf(context, tr("PC配置"), MapViewMode::Placement, sprite, start, parent),
          spriteHeight_(spriteHeight) {
        AddBoundPair(tr("ビュー位置"), viewX_, viewY_, &PlayerStartPlacement::viewX, &PlayerStartPlacement::viewY);
        AddPairRow(tr("ビュー内位置"), inViewX_, inViewY_, InViewCellX(start.inViewX),
                   InViewCellY(start.inViewY, spriteHeight));
        std::tie(ok_, cancel_) = AddDialogButtons(this, buttonRow_);
        Finish();
        // The position within the view is stored in pixels: kept as stored until the author moves it.
        for (QSpinBox* spin : {inViewX_, inViewY_})
            connect(spin, &QSpinBox::valueChanged, this, [this] { inViewTouched_ = true; });
    }

    PlayerStartPlacement Values() const override {
        PlayerStartPlacement v = PlacementDialogOf::Values();
        // Until the author moves it, the position within the view stays as loaded.
        if (inViewTouched_) {
            v.inViewX = InViewPixelsX(inViewX_->value());
            v.inViewY = InViewPixelsY(inViewY_->value(), spriteHeight_);
        }
        return v;
    }

protected:
    void RangeSpins(bool reset) override {
        const ViewRanges r = ViewRangesOf(map());
        Range(viewX_, r.viewX.minimum, r.viewX.maximum, reset);
        Range(viewY_, r.viewY.minimum, r.viewY.maximum, reset);
        Range(inViewX_, 0, kViewColumns - 1, reset);
        Range(inViewY_, 0, kViewRows - 1, reset);
        if (reset) inViewTouched_ = true;
    }

    void TakeCell(int x, int y) override {
        const ViewRanges r = ViewRangesOf(map());
        const ViewPlace across = PlaceInView(x, kPlayerViewColumn, r.viewX, kViewColumns);
        const ViewPlace down = PlaceInView(y, PlayerViewRow(spriteHeight_), r.viewY, kViewRows);
        Take(viewX_, across.view);
        Take(viewY_, down.view);
        Take(inViewX_, across.inView);
        Take(inViewY_, down.inView);
        inViewTouched_ = true;
    }

    void PlaceSprite(PlacedSprite& sprite) const override {
        sprite.origin = QPoint(viewX_->value(), viewY_->value());
        sprite.position = QPoint(inViewX_->value(), inViewY_->value());
        sprite.offset = spriteHeight_ - kCellPixels;
    }

private:
    int spriteHeight_;
    bool inViewTouched_ = false;
    QSpinBox* viewX_;
    QSpinBox* viewY_;
    QSpinBox* inViewX_;
    QSpinBox* inViewY_;
};

}  // namespace

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
        PlacementFrame::TakeCell(x, y);
        Take(centreX_, x);
        Take(centreY_, y);
    }

    void PlaceSprite(PlacedSprite& sprite) const override {
        PlacementFrame::PlaceSprite(sprite);
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
