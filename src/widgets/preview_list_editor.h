#pragma once
// A list editor with the image preview beside it: the list of one data file with "追加...",
// "編集...", "削除", the move buttons and "使用箇所...", the "表示" box that shows or hides the
// selected row in the preview, and OK / ｷｬﾝｾﾙ. Used by the effect animation, face, narration,
// magic and monster lists, and without a preview (no "表示", no preview window) by the enemy units.
//
//   - The preview opens in the editor's view mode when the editor is shown, and (optionally) comes
//     back whenever the editor is active again with none open: a step dialog closes it.
//   - Every change of the selection or of the rows, and the "表示" box, show the selected row again
//     (ShowSelection, the one part each list does its own way).
//   - "追加..." makes a fresh record and runs the edit step on it; "編集..." and a double click run
//     it on a copy of the selected row. Either keeps the result only when the step ends with OK.
//   - OK and "表示" need a row. OK writes the file (after the overwrite question) unless it could not
//     be read; when writing fails the editor stays open with the author's work. OK, ｷｬﾝｾﾙ, Escape
//     and the close box close the preview and end the editor (1 after OK, 0 otherwise).
//
//   class FaceListEditor : public PreviewListEditor<FaceEntry> {
//       FaceListEditor(EditorContext& c, QWidget* parent)
//           : PreviewListEditor(c, {tr("顔画像ﾘｽﾄ"), RefTarget::Face, {280, 260}, ViewMode::Animation},
//                               kFaceListFile, LabelOfFace, parent) {
//           OnEditStep([this](FaceEntry& f, bool) { return RunStep([&] { ... }); });
//           Load();
//       }
//       void ShowSelection() override { ... selectedRecord() ... }
//   };
//   RunPreviewList<FaceListEditor>(context, parent);  // runs it

#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "core/check/reference_index.h"
#include "core/tagfile/file_io.h"
#include "render/image_view_state.h"
#include "widgets/list_editor.h"
#include "widgets/preview_dialog.h"
#include "widgets/read_guard.h"

class QCheckBox;
class QPushButton;

namespace lw {

struct Project;

// What the editor looks like: its caption, the list whose usages "使用箇所..." shows, the least size
// of the list, the preview's view mode, whether the preview comes back when the editor is active
// again, and whether there is a preview at all (without one: no "表示" box, no preview window).
struct PreviewListLook {
    QString caption;
    RefTarget usages;
    QSize listSize;
    ViewMode mode;
    bool reopenOnActivation = true;
    bool preview = true;
};

// The part that does not depend on the record type.
class PreviewListDialog : public PreviewDialog {
    Q_OBJECT
public:
    ~PreviewListDialog() override;

    ListEditorPanel* panel() const { return panel_; }
    QCheckBox* showBox() const { return show_; }  // nullptr without a preview
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    // How reading the list file went; an unreadable file is never saved over.
    ReadStatus loadStatus() const { return loadStatus_; }

public slots:
    void accept() override;
    void reject() override;

protected:
    PreviewListDialog(EditorContext& context, const PreviewListLook& look, QWidget* parent);

    // Shows the selected row in the preview as "表示" says (or hides it).
    virtual void ShowSelection() = 0;
    // Writes the rows through `ui`.
    virtual void Save(SaveUi& ui) = 0;
    // Closes the preview (when there is one); the editor ends after it.
    virtual void Leave();
    // Opens the preview in the editor's view mode when there is none, then shows the selection.
    void OpenPreview() override;
    // Runs a step dialog with the preview closed (the step opens its own) and brings the preview
    // back after it; returns what the step returned.
    bool RunStep(const std::function<bool()>& step);
    // After the rows are loaded: "表示" starts checked and follows the author.
    void StartShowing();
    bool showChecked() const;
    const Project& project() const;

    ReadStatus loadStatus_ = ReadStatus::Missing;

private:
    ViewMode mode_;
    bool preview_;
    ListEditorPanel* panel_;
    QCheckBox* show_ = nullptr;
    QPushButton* ok_;
    QPushButton* cancel_;
};

template <class T>
class PreviewListEditor : public PreviewListDialog {
public:
    // The list file and how it is read and written.
    struct File {
        std::string_view name;
        ReadStatus (*load)(const Project&, std::vector<T>&);
        bool (*save)(const Project&, const std::vector<T>&, SaveUi&);
        // The file's bytes: when given, deletes and moves keep the references to the rows right
        // (ListEditor::KeepReferences) and OK writes the renumbered files with the list.
        std::string (*bytes)(const std::vector<T>&) = nullptr;
    };
    using Labels = typename ListEditor<T>::Labels;

    const std::vector<T>& records() const { return list_.records(); }
    std::string_view fileName() const { return file_.name; }

protected:
    PreviewListEditor(EditorContext& context, const PreviewListLook& look, const File& file, Labels labels,
                      QWidget* parent)
        : PreviewListDialog(context, look, parent), file_(file), list_(panel(), std::move(labels)) {
        list_.OnSelectionChanged([this](int) { ShowSelection(); });
        list_.OnChanged([this] { ShowSelection(); });
        if (file.bytes) list_.KeepReferences(context, this, look.usages);
    }

    // The edit step of "追加..." (on `fresh()`, isNew true) and of "編集..." (on a copy of the row).
    void OnEditStep(std::function<bool(T&, bool isNew)> step, std::function<T()> fresh = [] { return T{}; }) {
        list_.OnAdd([this, step, fresh]() -> std::optional<T> {
            T record = fresh();
            if (!step(record, true)) return std::nullopt;
            return record;
        });
        list_.OnEdit([step](T& copy) { return step(copy, false); });
    }
    // Reads the list file, selects the first row and starts showing it.
    void Load() {
        std::vector<T> records;
        loadStatus_ = file_.load(project(), records);
        list_.SetRecords(std::move(records), 0);
        StartShowing();
    }
    // The selected record, or nullptr.
    const T* selectedRecord() const {
        const int row = list_.selected();
        return row >= 0 ? &list_.records()[static_cast<std::size_t>(row)] : nullptr;
    }
    void Save(SaveUi& ui) override {
        list_.Save(ui, file_.name, file_.bytes, [this](SaveUi& u) { return file_.save(project(), list_.records(), u); });
    }

    File file_;
    ListEditor<T> list_;
};

// Runs the editor modally; 1 after OK, 0 after Cancel. When its list file exists but cannot be read,
// tells the author and returns 0 without opening.
template <class Editor>
int RunPreviewList(EditorContext& context, QWidget* parent) {
    Editor editor(context, parent);
    if (ReportUnreadable(context, parent, editor.fileName(), editor.loadStatus())) return 0;
    return editor.exec();
}

}  // namespace lw
