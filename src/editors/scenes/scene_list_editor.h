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

#include "core/project/data_file_set.h"
#include "core/tagfile/file_io.h"
#include "core/world/scene.h"
#include "widgets/numbered_file_list.h"


namespace lw {

struct EditorContext;

// A dialog over the scene files, each read into a row of a numbered-file list, with the selected
// scene shown in the shared map view while the dialog is shown ("表示" shows or hides the view):
// the scene list and the placement hub. OK writes every row that was read whole, with the files
// AddFilesToSave adds, as one save; OK and Cancel then run Leave().
class SceneFilesDialog : public QDialog, public NumberedFileRows<SceneRow> {
    Q_OBJECT
public:
    ~SceneFilesDialog() override;

public slots:
    void accept() override;
    void reject() override;

protected:
    SceneFilesDialog(EditorContext& context, const QString& caption, bool addAndDelete, QWidget* parent);
    // Reads the scene files into rows (progress over `owner`) and selects the first.
    void LoadRows(QWidget* owner);
    // More files OK writes with the scenes.
    virtual void AddFilesToSave(std::vector<DataFileWrite>& files) const;
    // Drops the rows and closes the map view.
    virtual void Leave();
    void showEvent(QShowEvent* event) override;
    void OpenMapView();
    void ShowSelected();

    EditorContext& context_;
};

class SceneListEditor : public SceneFilesDialog {
    Q_OBJECT
public:
    explicit SceneListEditor(EditorContext& context, QWidget* parent = nullptr);
    ~SceneListEditor() override;
};

// Runs the scene list modally; 1 after OK, 0 after Cancel.
int RunSceneListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
