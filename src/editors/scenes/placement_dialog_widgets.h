#pragma once
// The frame of the dialogs behind PlacePlayerStart, PlaceNpc, PlaceChest and PlaceShop
// (placement_dialogs.h), and "PC配置".
//
// Each lists the scene files in a chooser, shows the chosen scene in the map view with the owner's
// sprite at the position (NPC markers of the scene drawn, the owner itself left out), takes a
// clicked cell as the position, and ranges its spins to the chosen scene's map. Choosing another
// scene resets every spin to 0. Values loaded from the owner's record come back unchanged while
// their control is untouched.

#include <QDialog>
#include <string>
#include <vector>

#include "core/world/scene.h"
#include "core/world/scene_catalog.h"
#include "editors/scenes/placement_dialogs.h"
#include "render/map_view_state.h"
#include "widgets/kept_value.h"

class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QPushButton;
class QSpinBox;

namespace lw {

struct EditorContext;

class ScenePlacementDialog : public QDialog {
    Q_OBJECT
public:
    ~ScenePlacementDialog() override;

    QPushButton* okButton() const { return ok_; }  // "OK" or "次へ"
    QPushButton* cancelButton() const { return cancel_; }

    // Chooses the scene file with that number, as the author would (nothing when there is none).
    void ChooseScene(int sceneNumber);
    // The cell a click on the map gave (what MapView::cellClicked delivers).
    void ClickCell(int x, int y);

    void reject() override {
        CloseMapView();
        QDialog::reject();
    }

protected:
    ScenePlacementDialog(EditorContext& context, const QString& caption, MapViewMode mode, const PlacedSprite& sprite,
                         int loadedScene, QWidget* parent);
    // The chosen scene's number, -1 when none is chosen (the loaded number while untouched).
    int chosenScene() const;
    // Builds the rest once the derived dialog has made its controls: loads the scene (ranging the
    // spins without moving the loaded values).
    void Finish();

    // What the derived dialog does when the scene changes (the spins are re-ranged and reset),
    // when a cell is clicked, and how the placed sprite stands. Without overrides: the position
    // row's two spins (x_, y_).
    virtual void RangeSpins(bool reset);
    virtual void TakeCell(int x, int y);
    virtual void PlaceSprite(PlacedSprite& sprite) const;

    // A form row `label` of two cell spins side by side ("X", "Y"; MakeSpin, named "`label` X" and
    // "`label` Y") loaded with `x` and `y`; returns the row's layout.
    QHBoxLayout* AddPairRow(const QString& label, QSpinBox*& xSpin, QSpinBox*& ySpin, int x, int y);
    // The confirming button "次へ" under the form.
    void AddNextButtons();
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
    QSpinBox* MakeSpin();
    // Ranges `spin` to `range`; `reset` loads 0 (taken as the new value), else the loaded value stays.
    static void Range(QSpinBox* spin, int minimum, int maximum, bool reset) {
        KeepRange(spin, minimum, maximum);
        if (reset) LoadSpin(spin, 0);
    }
    // Sets a spin as the author would, so that the value is taken even when it equals the loaded one:
    // loading the value makes it the spin's own, so a click on the cell the spin already shows for an
    // out-of-range stored value still takes the clicked cell.
    static void Take(QSpinBox* spin, int value) { LoadSpin(spin, value); }
    const MapData& map() const;
    void RefreshSprite();
    void CloseMapView();
    void OpenMapView();
    // Runs the caller's next step; true when it gave OK (`group` then holds the owner's group).
    bool RunNext(const OwnerStep& next, int currentGroup, int& group);

    void showEvent(QShowEvent* event) override;

    EditorContext& context_;
    OwnerStep next_;          // the step after "次へ" (the owner form)
    QSpinBox* x_ = nullptr;   // the position row
    QSpinBox* y_ = nullptr;
    int excludedNpc_ = -1;    // the NPC or chest being placed: drawn as the sprite, not as a marker
    int excludedChest_ = -1;
    QFormLayout* form_;
    QHBoxLayout* buttonRow_;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;

private:
    void ShowChosenScene(bool reset);

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
class PlacementDialogOf : public ScenePlacementDialog {
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
        : ScenePlacementDialog(context, caption, mode, sprite, loaded.scene, parent), result_(loaded) {}
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

// "PC配置".
class PlayerStartDialog : public PlacementDialogOf<PlayerStartPlacement> {
    Q_OBJECT
public:
    PlayerStartDialog(EditorContext& context, const PlacedSprite& sprite, int spriteHeight,
                      const PlayerStartPlacement& start, QWidget* parent = nullptr);
    PlayerStartPlacement Values() const override;

protected:
    void RangeSpins(bool reset) override;
    void TakeCell(int x, int y) override;
    void PlaceSprite(PlacedSprite& sprite) const override;

private:
    int spriteHeight_;
    bool inViewTouched_ = false;
    QSpinBox* viewX_;
    QSpinBox* viewY_;
    QSpinBox* inViewX_;
    QSpinBox* inViewY_;
};

}  // namespace lw
