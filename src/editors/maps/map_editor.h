#pragma once
// "ﾏｯﾌﾟ編集": paints the binary map files of the data folder. The map is drawn as the map view
// draws it, with the chip sets of a scene (chosen, or found from the scenes that name the map) or
// chosen by the author; tools pencil, rectangle, flood fill, eraser and select with copy and paste,
// on layer 0 or 1 with the other layer shown, dimmed or hidden; zoom 50-400 %, grid, undo and
// redo of every change since the map was opened; "保存", "新規...", "ｻｲｽﾞ変更...". Closing or
// opening another map with unsaved changes asks first; a map file that cannot be read is reported
// and never written over.

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "core/settings/drawing.h"
#include "core/world/map_edit_session.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace lw {

struct EditorContext;
class ChipPalette;
class ImageChooser;
class MapCanvas;
class NumberSpin;

// Where the editor starts: a map file to open and, from a scene, its chip sets and layer drawing.
struct MapEditorStart {
    std::string mapFile;  // CP932, in the data folder; empty opens the first map file there
    bool fromScene = false;
    std::string backgroundChipSet;
    std::string layerChipSet;
    DrawSpec layerSpec;
};

class MapEditor : public QDialog {
    Q_OBJECT
public:
    MapEditor(EditorContext& context, const MapEditorStart& start, QWidget* parent = nullptr);
    ~MapEditor() override;

    MapEditSession& session() { return session_; }
    // The map file open (CP932), and the last one saved (empty when none was).
    const std::string& fileName() const { return fileName_; }
    const std::string& lastSaved() const { return lastSaved_; }

    // Opens a map file of the data folder (asking first when there are unsaved changes). False when
    // the author kept the map open, or the file could not be read (reported).
    bool OpenMap(const std::string& fileName);
    // "保存": writes the map to its file. False when nothing was written.
    bool Save();

    MapCanvas* canvas() const { return canvas_; }
    ChipPalette* palette() const { return palette_; }
    QComboBox* mapCombo() const { return mapCombo_; }
    QComboBox* sceneCombo() const { return sceneCombo_; }
    ImageChooser* backgroundChooser() const { return background_; }
    ImageChooser* layerChooser() const { return layer_; }
    QPushButton* newButton() const { return new_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* resizeButton() const { return resize_; }
    QPushButton* undoButton() const { return undo_; }
    QPushButton* redoButton() const { return redo_; }
    QPushButton* copyButton() const { return copy_; }
    QPushButton* pasteButton() const { return paste_; }
    QPushButton* closeButton() const { return close_; }
    QRadioButton* toolButton(MapTool tool) const { return tools_[static_cast<std::size_t>(tool)]; }
    QRadioButton* layerButton(int layer) const { return layers_[layer == 0 ? 0 : 1]; }
    QComboBox* otherLayerCombo() const { return other_; }
    QCheckBox* gridBox() const { return grid_; }
    QCheckBox* bothLayersBox() const { return bothLayers_; }
    QComboBox* zoomCombo() const { return zoom_; }
    NumberSpin* chipSpin() const { return chip_; }
    QLabel* statusLabel() const { return status_; }

public slots:
    // Closing asks first when the map has unsaved changes.
    void reject() override;
    void Undo();
    void Redo();
    void Copy();
    void Paste();
    void NewMap();
    void ResizeMap();

protected:
    // Ctrl+Z undo, Ctrl+Y and Ctrl+Shift+Z redo, Ctrl+C copy, Ctrl+V paste at the cell cursor,
    // Ctrl+S save.
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct SceneChoice {
        std::string fileName;  // scene%d.txt
        std::string mapFile;
        std::string backgroundChipSet;
        std::string layerChipSet;
        DrawSpec layerSpec;
    };

    bool MayDiscard();
    void ListMapFiles(const std::string& select);
    void ChooseSceneFor(const std::string& mapFile);
    void ApplyScene(int index);
    void LoadChipSet(int layer, const std::string& name);
    void ChipSetsChanged();
    void SetLayer(int layer);
    void SetChip(int chip);
    void UpdateControls();
    void UpdateStatus();
    void ShowMapReplaced();

    EditorContext& context_;
    MapEditSession session_;
    std::string fileName_;
    std::string lastSaved_;
    bool onDisk_ = false;     // the map came from its file, or was saved there
    bool unreadable_ = false;  // the file named could not be read: it is never written over
    bool keepChipSets_ = false;  // opened from a scene: its chip sets are used for every map
    std::vector<SceneChoice> scenes_;
    DrawSpec layerSpec_;

    MapCanvas* canvas_;
    ChipPalette* palette_;
    QComboBox* mapCombo_;
    QComboBox* sceneCombo_;
    ImageChooser* background_;
    ImageChooser* layer_;
    QPushButton* new_;
    QPushButton* save_;
    QPushButton* resize_;
    QPushButton* undo_;
    QPushButton* redo_;
    QPushButton* copy_;
    QPushButton* paste_;
    QPushButton* close_;
    std::array<QRadioButton*, 5> tools_{};
    std::array<QRadioButton*, 2> layers_{};
    QComboBox* other_;
    QCheckBox* grid_;
    QCheckBox* bothLayers_;
    QComboBox* zoom_;
    NumberSpin* chip_;
    QLabel* status_;
};

// Runs "ﾏｯﾌﾟ編集" modally; returns the name of the map file last saved (empty when none was).
std::string RunMapEditor(EditorContext& context, QWidget* parent, const MapEditorStart& start = {});

}  // namespace lw
