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

struct SceneRow {
    std::string fileName;  // CP932, as in the data folder ("scene7.txt")
    int number = 0;        // the scene number
    ReadStatus status = ReadStatus::Ok;  // a new row is Ok; only Ok rows are written
    Scene scene;
};

class SceneListEditor : public QDialog {
    Q_OBJECT
public:
    explicit SceneListEditor(EditorContext& context, QWidget* parent = nullptr);
    ~SceneListEditor() override;

    const std::vector<SceneRow>& rows() const { return rows_; }
    int selectedRow() const;
    void SelectRow(int row);

    QListWidget* list() const { return files_->list(); }
    QCheckBox* showBox() const { return files_->showBox(); }
    QPushButton* addButton() const { return files_->addButton(); }
    QPushButton* editButton() const { return files_->editButton(); }
    QPushButton* deleteButton() const { return files_->deleteButton(); }
    QPushButton* okButton() const { return files_->okButton(); }
    QPushButton* cancelButton() const { return files_->cancelButton(); }

    // The row text: the file name, and a note when the file could not be read.
    static QString RowText(const SceneRow& row);

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
    std::vector<SceneRow> rows_;
    NumberedFileList* files_;
};

// Runs the scene list modally; 1 after OK, 0 after Cancel.
int RunSceneListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
