#pragma once
// The random battles of a scene: "ﾌｨｰﾙﾄﾞ戦闘2" lists them (enemy unit, appearance rate, battle
// background) and "次へ" opens "ﾌｨｰﾙﾄﾞ戦闘3", which assigns them to the chips of the scene's
// background chip set. OK there closes both; its Cancel returns to the list. A scene holds 64
// battles: the 65th is refused with a message. The chips name battles by their row: deleting or
// moving a row that chips name asks first whether the chips follow it (reference_keeper.h).

#include <QDialog>
#include <QImage>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/world/chip_rows.h"
#include "core/world/scene.h"
#include "widgets/list_editor.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace lw {

class RecordNames;

struct EditorContext;
class ImageChooser;

class TerrainBattleDialog : public QDialog {
    Q_OBJECT
public:
    TerrainBattleDialog(EditorContext& context, const Scene& scene, QWidget* parent = nullptr);
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    const ChipGrid& grid() const { return grid_; }
    void accept() override;
    void reject() override;

private:
    void SetSelected(int value);
    void PreviewChip();
    void RefreshRow(int row);
    int& GridOf(int row);  // the grid entry of list row `row`

    EditorContext& context_;
    ChipGrid grid_;
    QImage chipSet_;
    ChipListShape shape_;  // the chip set in 32 x 32 chips; list row i is chip i
    QListWidget* chips_;
    QComboBox* battle_;
    QPushButton* update_;
    QPushButton* clear_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

class FieldBattleDialog : public QDialog {
    Q_OBJECT
public:
    // `fileName` is the scene's file, for the places the chips are shown at.
    FieldBattleDialog(EditorContext& context, Scene& scene, QWidget* parent = nullptr, std::string fileName = {});
    ~FieldBattleDialog() override;
    ListEditorPanel* panel() const { return panel_; }
    QCheckBox* showBox() const { return show_; }
    QPushButton* updateButton() const { return update_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* cancelButton() const { return cancel_; }
    // The terrain battle grid as the rows stand (renumbered with them when the author chose so).
    const ChipGrid& grid() const { return grid_; }
    void accept() override;
    void reject() override;

private:
    // The battle the controls describe; `base` gives the values of untouched controls. nullopt (and
    // a message) when it cannot be stored.
    std::optional<FieldBattle> FromControls(const FieldBattle& base, bool adding);
    void ShowBattle(int row);
    void UpdateSelected();
    void ShowBackground();

    EditorContext& context_;
    Scene& scene_;
    std::string fileName_;
    ChipGrid grid_;
    ListEditorPanel* panel_;
    std::unique_ptr<RecordNames> names_;
    std::unique_ptr<ListEditor<FieldBattle>> list_;
    QComboBox* enemy_;
    QSpinBox* rate_;
    ImageChooser* background_;
    QCheckBox* show_;
    QPushButton* update_;
    QPushButton* next_;
    QPushButton* cancel_;
};

// Runs "ﾌｨｰﾙﾄﾞ戦闘2" (and "ﾌｨｰﾙﾄﾞ戦闘3" from it) on `scene`; true on OK, with the scene's battles
// and terrain battle grid changed.
bool EditFieldBattles(EditorContext& context, Scene& scene, QWidget* parent, std::string fileName = {});

}  // namespace lw
