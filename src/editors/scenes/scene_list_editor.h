#pragma once
// The scene list "場面設定1": one row per scene file of the data folder (sorted by name), the
// selected scene shown in the map view. "追加..." makes a scene with the next free number,
// "編集..." edits the selected one in "場面設定2", "削除" moves its file to the desktop trash at
// once after a question. OK writes every row (one overwrite question per file); Cancel writes
// nothing, and deletions already made stay made. A scene file that could not be read keeps its row
// (saying so) but is never written back over.

#include <QDialog>
#include <string>
#include <vector>

#include "core/tagfile/file_io.h"
#include "core/world/scene.h"
#include "widgets/numbered_file_list.h"


namespace lw {

struct EditorContext;

class SceneListEditor : public QDialog, public NumberedFileRows<SceneRow> {
    Q_OBJECT
public:
    explicit SceneListEditor(EditorContext& context, QWidget* parent = nullptr);
    ~SceneListEditor() override;

public slots:
    void Add();
    void EditSelected();
    void DeleteSelected();
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OpenMapView();
    void ShowSelected();
    void CloseMapView();

    EditorContext& context_;
};

// Runs the scene list modally; 1 after OK, 0 after Cancel.
int RunSceneListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
