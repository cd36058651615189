#pragma once
// The map animation list "ﾏｯﾌﾟｱﾆﾒ": one row per map animation file of the data folder
// ("map_anim%d.txt", sorted by name), the selected file's animations running in the preview.
// "追加..." makes a file with the next free number through "ﾏｯﾌﾟｱﾆﾒ2" and "ﾏｯﾌﾟｱﾆﾒ3", "編集..."
// changes the selected one through the same steps, "削除" moves its file to the desktop trash at
// once after a question. OK writes every row (one overwrite question per file); Cancel writes
// nothing, and deletions already made stay made. A file that could not be read keeps its row
// (saying so) but is never written back over.

#include <string>
#include <vector>

#include "core/tagfile/file_io.h"
#include "core/world/map_animation.h"
#include "widgets/numbered_file_list.h"
#include "widgets/preview_dialog.h"


namespace lw {

struct EditorContext;

struct MapAnimationRow {
    std::string fileName;  // CP932, as in the data folder ("map_anim3.txt")
    int number = 0;
    ReadStatus status = ReadStatus::Ok;  // a new row is Ok; Unreadable rows are never written
    MapAnimation animation;
};

class MapAnimationListEditor : public PreviewDialog {
    Q_OBJECT
public:
    explicit MapAnimationListEditor(EditorContext& context, QWidget* parent = nullptr);
    ~MapAnimationListEditor() override;

    const std::vector<MapAnimationRow>& rows() const { return rows_; }
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
    static QString RowText(const MapAnimationRow& row);

public slots:
    void Add();
    void EditSelected();
    void DeleteSelected();
    void accept() override;
    void reject() override;

private:
    void OpenPreview() override;
    void ShowSelected();
    // Runs "ﾏｯﾌﾟｱﾆﾒ2" and "ﾏｯﾌﾟｱﾆﾒ3" on `working`; true when they ended with OK.
    bool RunSteps(MapAnimation& working);
    void Leave();

    std::vector<MapAnimationRow> rows_;
    NumberedFileList* files_;
};

// Runs the map animation list modally; 1 after OK, 0 after Cancel.
int RunMapAnimationListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
