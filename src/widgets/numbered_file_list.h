#pragma once
// A list whose rows are numbered files of the data folder ("scene7.txt", "map_anim3.txt"), one file
// a row, sorted by name as the folder lists them: the list with "追加...", "編集...", "削除", "表示"
// and OK / ｷｬﾝｾﾙ beside it; the rows read with progress, the unreadable files named in one message
// and their rows marked (never written back); a new row given the lowest free number and put in name order;
// "削除" moving the file to the desktop trash at once after a question. Used by the scene list and
// the map animation list, whose rows carry `fileName`, `number` and `status`; ReadDataFiles also by
// the placement hub and the event command editor.

#include <QObject>
#include <QString>
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/editor_context.h"
#include "app/load_progress.h"
#include "app/services.h"
#include "core/project/data_file_set.h"
#include "core/tagfile/file_io.h"
#include "core/world/scene.h"
#include "core/world/scene_catalog.h"
#include "core/world/scene_numbers.h"
#include "widgets/read_guard.h"

class QCheckBox;
class QDialog;
class QListWidget;
class QPushButton;

namespace lw {

// Reads each of `files` into a row of `rows` (`read(file, row)` fills it) with progress, and tells
// `added(row)` of each row as it comes; then names the files that could not be read, all in one
// message.
template <class Row, class Entry, class ReadFn, class AddedFn>
void ReadDataFiles(EditorContext& context, QWidget* owner, const std::vector<Entry>& files, std::vector<Row>& rows,
                   ReadFn read, AddedFn added) {
    {
        // Closed before any file is named.
        LoadProgress progress(context.services, owner);
        for (const Entry& file : files) {
            progress.Step(rows.size(), files.size(), file.fileName);
            Row row;
            read(file, row);
            added(row);
            rows.push_back(std::move(row));
        }
    }
    std::vector<std::string> unreadable;
    for (const Row& row : rows)
        if (row.status == ReadStatus::Unreadable) unreadable.push_back(row.fileName);
    ReportUnreadableFiles(context, owner, unreadable);
}

// What every row of a numbered-file list carries; the editor's row adds the file's contents.
struct NumberedFileRow {
    std::string fileName;  // CP932, as in the data folder ("scene7.txt")
    int number = 0;        // the number in the file name
    ReadStatus status = ReadStatus::Ok;  // a new row is Ok; an unreadable one is never written
};

// A scene file of the data folder read into a row (`number` is the scene number).
struct SceneRow : NumberedFileRow {
    Scene scene;
};

// Reads every scene file of the data folder into `rows` (rows of SceneRow or more) as ReadDataFiles
// does: the scene list, the placement hub and the event command editor read them alike.
template <class Row, class AddedFn>
void ReadSceneRows(EditorContext& context, QWidget* owner, std::vector<Row>& rows, AddedFn added) {
    ReadDataFiles(
        context, owner, ListSceneFiles(context.project), rows,
        [&context](const SceneFileEntry& file, Row& row) {
            row.fileName = file.fileName;
            row.number = file.sceneNumber;
            row.status = LoadSceneFile(context.project, file.fileName, row.scene);
        },
        added);
}

class NumberedFileList : public QObject {
    Q_OBJECT
public:
    // Lays the list and its buttons out in `dialog`; without `addAndDelete` there are no "追加..."
    // and "削除" (addButton() and deleteButton() are nullptr).
    NumberedFileList(EditorContext& context, QDialog* dialog, bool addAndDelete = true);

    QListWidget* list() const { return list_; }
    QCheckBox* showBox() const { return show_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* editButton() const { return edit_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    int selected() const;
    void Select(int row);

    // The row text: the file name, and a note when the file could not be read.
    static QString RowText(std::string_view fileName, ReadStatus status);

    // Reads every file of `files` into a row (`read(file, row)` fills it), with progress; the files
    // that cannot be read are then named in one message. LoadScenes: the scene files.
    template <class Row, class Entry, class ReadFn>
    void Load(const std::vector<Entry>& files, std::vector<Row>& rows, QWidget* owner, ReadFn read) {
        ReadDataFiles(context_, owner, files, rows, read, [this](const Row& row) { AddRowOf(row); });
    }
    void LoadScenes(std::vector<SceneRow>& rows, QWidget* owner) {
        ReadSceneRows(context_, owner, rows, [this](const SceneRow& row) { AddRowOf(row); });
    }
    // Gives `row` the lowest free number (its file name from `nameOf`), puts it in name order and
    // selects it.
    template <class Row, class NameFn>
    void Insert(std::vector<Row>& rows, Row row, NameFn nameOf) {
        std::vector<int> used;
        used.reserve(rows.size());
        for (const Row& r : rows) used.push_back(r.number);
        row.number = NextFreeFileNumber(used);
        row.fileName = nameOf(row.number);
        auto at = std::lower_bound(rows.begin(), rows.end(), row.fileName,
                                   [](const Row& r, const std::string& name) { return r.fileName < name; });
        const int index = static_cast<int>(at - rows.begin());
        InsertItem(index, RowText(row.fileName, row.status));
        rows.insert(at, std::move(row));
        Select(index);
    }
    // "削除": after the question, moves the selected row's file to the trash and drops the row. A
    // file that cannot be moved keeps its row. True when a row went.
    template <class Row>
    bool DeleteSelected(std::vector<Row>& rows) {
        const int index = selected();
        if (index < 0 || index >= static_cast<int>(rows.size()) || !TrashFile(rows[static_cast<std::size_t>(index)].fileName))
            return false;
        rows.erase(rows.begin() + index);
        RemoveItem(index);
        return true;
    }

private:
    void AddRowOf(const NumberedFileRow& row) { AddItem(RowText(row.fileName, row.status)); }
    void AddItem(const QString& text);
    void InsertItem(int index, const QString& text);
    void RemoveItem(int index);
    bool TrashFile(const std::string& fileName);

    EditorContext& context_;
    QDialog* dialog_;
    QListWidget* list_;
    QCheckBox* show_;
    QPushButton* add_ = nullptr;
    QPushButton* edit_;
    QPushButton* delete_ = nullptr;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// What an editor built on a numbered-file list shows of it: its rows (`Row` carries `fileName`,
// `number` and `status`) and its controls. The editor's constructor sets `files_`.
template <class Row>
class NumberedFileRows {
public:
    const std::vector<Row>& rows() const { return rows_; }
    int selectedRow() const { return files_->selected(); }
    void SelectRow(int row) { files_->Select(row); }

    QListWidget* list() const { return files_->list(); }
    QCheckBox* showBox() const { return files_->showBox(); }
    QPushButton* addButton() const { return files_->addButton(); }
    QPushButton* editButton() const { return files_->editButton(); }
    QPushButton* deleteButton() const { return files_->deleteButton(); }
    QPushButton* okButton() const { return files_->okButton(); }
    QPushButton* cancelButton() const { return files_->cancelButton(); }

    // The row text: the file name, and a note when the file could not be read.
    static QString RowText(const Row& row) { return NumberedFileList::RowText(row.fileName, row.status); }

protected:
    // "追加...": `make` fills a new row; on true the row takes the lowest free number (its file name
    // from `nameOf`), goes in name order and is selected, and `after()` runs.
    template <class MakeFn>
    void AddRow(MakeFn make, std::string (*nameOf)(int), const std::function<void()>& after) {
        Row row;
        if (!make(row)) return;
        files_->Insert(rows_, std::move(row), nameOf);
        after();
    }
    // "編集...": `edit` changes a copy of the selected row, kept when it gives true; then `after()`
    // runs. A row whose file could not be read is refused, saying so: edited as an empty one it
    // would only be lost.
    template <class EditFn>
    void EditSelectedRow(EditorContext& context, QWidget* owner, EditFn edit, const std::function<void()>& after) {
        Row* row = selectedRecord();
        if (row == nullptr || ReportUnreadable(context, owner, row->fileName, row->status)) return;
        Row copy = *row;
        if (edit(copy)) *row = std::move(copy);
        after();
    }
    // OK: writes the rows `writeOf` gives a file for, and `more`, as one save; false when something
    // could not be written (the dialog then stays open with the author's work).
    template <class WriteFn>
    bool SaveRows(EditorContext& context, QWidget* owner, WriteFn writeOf, std::vector<DataFileWrite> more = {}) {
        if (!context.services) return true;
        DialogSaveUi ui(*context.services, owner);
        std::vector<DataFileWrite> files;
        for (const Row& row : rows_)
            if (std::optional<DataFileWrite> file = writeOf(row)) files.push_back(std::move(*file));
        for (DataFileWrite& file : more) files.push_back(std::move(file));
        SaveDataFileSet(context.project, files, ui);
        return !ui.failed();
    }

    // The selected row, or nullptr.
    Row* selectedRecord() {
        const int index = selectedRow();
        return index >= 0 && index < static_cast<int>(rows_.size()) ? &rows_[static_cast<std::size_t>(index)] : nullptr;
    }

    std::vector<Row> rows_;
    NumberedFileList* files_ = nullptr;
};

}  // namespace lw
