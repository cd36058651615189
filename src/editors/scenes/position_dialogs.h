#pragma once
// The position list of one scene ("場面変更2", "宿屋2", "立て札2", "定位置戦闘2") and the position
// dialog ("移動元" for exits, "位置" for inns, signposts and fixed-position battles). Each row is a
// cell, the direction the player character must face, and the event command group it runs, chosen
// in the owner form that ends the position dialog. The map view shows the scene; a click on a cell
// of it sets the position.

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "core/world/placement.h"
#include "core/world/scene.h"
#include "editors/scenes/placement_hub.h"
#include "render/map_view_state.h"
#include "widgets/list_editor.h"

class QComboBox;
class QSpinBox;

namespace lw {

// "場面変更2", "宿屋2", "立て札2", "定位置戦闘2"; the position dialog's "移動元" / "位置"; and the
// owner whose group chooser the owner form shows.
QString PositionListCaption(PositionListKind kind);
QString PositionDialogCaption(PositionListKind kind);
EventOwner PositionOwner(PositionListKind kind);

struct PositionSetting {
    EditorContext& context;
    SceneCatalog& catalog;
    const OwnerFormRunner& ownerForm;
    const Scene& scene;  // the scene the positions stand in
    int sceneNumber = 0;
    PositionListKind kind = PositionListKind::SceneChange;
    std::uint32_t mapWidth = 0;  // the scene's map, in cells: the range of the position spins
    std::uint32_t mapHeight = 0;
    PlacedSprite marker;  // the player character's sprite, drawn at the position (null: none)
};

// A dialog over the scene of the positions: the map view shows the scene while the dialog is shown,
// with the player character standing at marked() (nullopt: no one).
class PositionMapDialog : public QDialog {
protected:
    PositionMapDialog(const PositionSetting& setting, QWidget* parent) : QDialog(parent), setting_(setting) {}
    virtual std::optional<PositionRow> marked() const = 0;
    void showEvent(QShowEvent* event) override;
    void OpenMapView();
    void ShowMarker();

    const PositionSetting& setting_;
};

class PositionDialog : public PositionMapDialog {
    Q_OBJECT
public:
    PositionDialog(const PositionSetting& setting, const PositionRow& start, bool fromRow, QWidget* parent = nullptr);
    QPushButton* nextButton() const { return next_; }
    QPushButton* cancelButton() const { return cancel_; }
    // The row as the controls stand (group as started).
    PositionRow Values() const;
    const PositionRow& result() const { return result_; }
    void ClickCell(int x, int y);
    void accept() override;

private:
    std::optional<PositionRow> marked() const override;

    PositionRow result_;
    QSpinBox* x_;
    QSpinBox* y_;
    QComboBox* direction_;
    QPushButton* next_;
    QPushButton* cancel_;
};

class PositionListDialog : public PositionMapDialog {
    Q_OBJECT
public:
    PositionListDialog(const PositionSetting& setting, QWidget* parent = nullptr);
    ~PositionListDialog() override;
    ListEditorPanel* panel() const { return panel_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    const std::vector<PositionRow>& rows() const { return result_; }
    void accept() override;

private:
    std::optional<PositionRow> marked() const override;
    std::optional<PositionRow> RunPosition(const PositionRow& start, bool fromRow);

    ListEditorPanel* panel_;
    std::unique_ptr<ListEditor<PositionRow>> list_;
    std::vector<PositionRow> result_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace lw
