#pragma once
// The scene settings "場面設定2": a scene's kind, name, map data file, the two chip sets, how the
// upper layer is drawn and its BGM, with the scene's map shown in the map view (grid on) and redrawn
// at every change. OK fills scene() from the controls; values the author did not touch come back as
// they were read, so a scene confirmed unchanged is the scene that was opened.

#include <QDialog>
#include <string>

#include "core/world/scene.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace lw {

struct EditorContext;
class DrawingGroup;
class ImageChooser;
class PlayOnSelect;

class SceneSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // `scene` null: a new scene (every field empty, the four default groups).
    SceneSettingsDialog(EditorContext& context, const Scene* scene, QWidget* parent = nullptr);
    ~SceneSettingsDialog() override;

    // The edit buffer; after OK it holds what the controls show.
    const Scene& scene() const { return buffer_; }

    QComboBox* kindCombo() const { return kind_; }
    QLineEdit* nameEdit() const { return name_; }
    ImageChooser* mapChooser() const { return map_; }
    ImageChooser* backgroundChooser() const { return background_; }
    ImageChooser* layerChooser() const { return layer_; }
    QComboBox* bgmCombo() const { return bgm_; }
    QCheckBox* playBox() const { return play_; }
    QCheckBox* showImageBox() const { return showImage_; }
    DrawingGroup* drawing() const { return drawing_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    // OK: refuses a chosen file name holding a blank (it would split its line of the scene file),
    // else fills the buffer and closes.
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Gather();
    void OpenMapView();
    void EditMap();

    EditorContext& context_;
    Scene buffer_;
    bool mapOpened_ = false;
    QComboBox* kind_;
    QLineEdit* name_;
    ImageChooser* map_;
    QPushButton* editMap_;
    ImageChooser* background_;
    ImageChooser* layer_;
    QComboBox* bgm_;
    QCheckBox* play_;
    QCheckBox* showImage_;
    DrawingGroup* drawing_;
    PlayOnSelect* playOnSelect_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace lw
