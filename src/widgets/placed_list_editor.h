#pragma once
// The list editors of what stands in the scenes (NPCs, treasure chests, shops) share one shape:
// the list with "追加..." / "編集..." and "使用箇所...", OK and "ｷｬﾝｾﾙ" below it, the scene catalog
// loaded on opening (which scene each row stands in is kept in the scene files) and freed on
// closing, and one OK that writes flag_exp.txt, the list file and every scene file that holds the
// list's indices as one change (SavePlacedList), telling the author what was not saved and why.
//
//   class ShopListEditor : public PlacedListEditor<Shop> {
//       ShopListEditor(EditorContext& c, QWidget* parent)
//           : PlacedListEditor(c, parent, tr("店ﾘｽﾄ1"), {.target = RefTarget::Shop},
//                              {kShopFile, LoadShopList, AssignShopPlacements, WriteShopList, SceneList::Shop},
//                              ShopLabel, ShopRow) {
//           list_.OnChain(NewShop, [this](Shop& s, int index) { return RunShopChain(s, index); });
//           Load(0);
//       }
//   };
//
// An editor whose list file could not be read never saves over it: OK then closes without writing.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "app/editor_context.h"
#include "app/load_progress.h"
#include "core/check/record_names.h"
#include "core/check/reference_index.h"
#include "core/world/placed_lists.h"
#include "core/world/scene_catalog.h"
#include "widgets/list_editor.h"
#include "widgets/preview_dialog.h"

class QCheckBox;
class QDialog;
class QPushButton;
class QWidget;

namespace lw {

struct EditorContext;
class TagWriter;

struct PlacedListOptions {
    RefTarget target = RefTarget::Npc;  // what "使用箇所..." looks for
    int minimumWidth = 200;             // of the list
    int minimumHeight = 300;
    bool okNeedsRows = true;            // OK is enabled (and saves) only while the list has a row
    bool showBox = false;               // a "表示" box (the preview) between the list and the buttons
};

// The half that knows no record type: the panel, the buttons, the catalog and the save.
class PlacedListFrame {
public:
    PlacedListFrame(EditorContext& context, QDialog* dialog, const PlacedListOptions& options);
    ~PlacedListFrame();
    PlacedListFrame(const PlacedListFrame&) = delete;
    PlacedListFrame& operator=(const PlacedListFrame&) = delete;

    SceneCatalog& catalog() { return catalog_; }
    const SceneCatalog& catalog() const { return catalog_; }
    // What the rows' numbers stand for, the scenes and groups taken from the catalog above.
    RecordNames& names() { return *names_; }
    // Frees the catalog (closing the editor; the destructor does it too).
    void Release();

protected:
    friend class PlacedListDialog;
    const Project& project() const;
    // The catalog's command lines renumbered by `step` (ReferenceKeeper::RenumberInMemory): the
    // save rebuilds every scene file with them. Nothing changes when a place refuses.
    std::vector<Problem> RenumberCatalogLines(RefTarget target, const RowRenumbering& step);
    // Writes flag_exp.txt (unless it could not be read when the hub opened), the list file and the
    // rebuilt scene files as one change (SavePlacedList); when they were not written, says so and
    // why, naming the files. True when the editor may close: saved, or nothing to save over an
    // unreadable file.
    bool SaveRows(std::string_view listFile, const TagContentFn& content, SceneList which,
                  std::span<const SceneListRow> rows);

    EditorContext& context_;
    QDialog* dialog_;
    SceneCatalog catalog_;
    std::unique_ptr<RecordNames> names_;
    ReadStatus loadStatus_ = ReadStatus::Missing;
    PlacedListSave report_;
    bool okNeedsRows_;
    ListEditorPanel* panel_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QCheckBox* show_ = nullptr;
};

// The dialog of a placed list: what tests and callers reach, whatever the record type. The derived
// editor holds a PlacedList<T> and points `frame_` at it. Without a preview of its own
// (OpenPreview left as it is) the dialog opens no preview window.
class PlacedListDialog : public PreviewDialog {
    Q_OBJECT
public:
    ListEditorPanel* panel() const { return frame_->panel_; }
    QCheckBox* showBox() const { return frame_->show_; }  // nullptr without one
    // How reading the list file went; an unreadable file is never saved over.
    ReadStatus loadStatus() const { return frame_->loadStatus_; }
    // What the last OK did (Saved when nothing stood in the way).
    const PlacedListSave& saveReport() const { return frame_->report_; }

protected:
    PlacedListDialog(EditorContext& context, QWidget* parent) : PreviewDialog(context, parent) {}
    void OpenPreview() override {}

    PlacedListFrame* frame_ = nullptr;
};

// The list of `T` read from and saved to its `File`.
template <class T>
class PlacedList : public PlacedListFrame {
public:
    using Labels = typename ListEditor<T>::Labels;
    using RowOf = std::function<SceneListRow(const T&)>;
    struct File {
        std::string_view name;
        ReadStatus (*load)(const Project&, std::vector<T>&);
        void (*assign)(std::vector<T>&, const SceneCatalog&);  // tells each row its scene
        void (*write)(TagWriter&, const std::vector<T>&);
        SceneList which;
    };

    PlacedList(EditorContext& context, QDialog* dialog, const PlacedListOptions& options, const File& file, Labels labels,
               RowOf rowOf)
        : PlacedListFrame(context, dialog, options), file_(file), list_(panel_, std::move(labels)), rowOf_(std::move(rowOf)) {
        // The scene rows follow the list through the rebuild; the command lines through the catalog.
        list_.KeepReferences(context, dialog, options.target, {.sceneRowsRebuilt = true});
        list_.keeper()->RenumberInMemory(
            [this, target = options.target](const RowRenumbering& step) { return RenumberCatalogLines(target, step); });
    }

    ListEditor<T>& list() { return list_; }
    const std::vector<T>& records() const { return list_.records(); }

    // "追加..." runs `chain` on `make()` (index -1), "編集..." on a copy of the selected row; the
    // row is added or replaced when the chain returns true.
    void OnChain(std::function<T()> make, std::function<bool(T&, int index)> chain) {
        list_.OnAdd([make, chain]() -> std::optional<T> {
            T record = make();
            if (!chain(record, -1)) return std::nullopt;
            return record;
        });
        list_.OnEdit([this, chain](T& record) { return chain(record, list_.selected()); });
    }

    // Loads the catalog and the list, each row told the scene it stands in, `selected` selected.
    void Load(int selected) {
        LoadSceneCatalogShown(context_.services, dialog_->parentWidget(), project(), catalog_);
        std::vector<T> records;
        loadStatus_ = file_.load(project(), records);
        file_.assign(records, catalog_);
        if (records.empty()) selected = -1;
        list_.SetRecords(std::move(records), selected);
    }

    // The rows as the scene files hold them.
    std::vector<SceneListRow> Rows() const {
        std::vector<SceneListRow> rows;
        rows.reserve(records().size());
        for (const T& r : records()) rows.push_back(rowOf_(r));
        return rows;
    }

    // OK: the one change of the list and its scene files; true when the editor may close.
    bool Save() {
        return SaveRows(file_.name, [this](TagWriter& w) { file_.write(w, list_.records()); }, file_.which, Rows());
    }

private:
    File file_;
    ListEditor<T> list_;
    RowOf rowOf_;
};

// The editor of a placed list: the dialog and its PlacedList<T> read from and saved to `File`. OK
// saves (staying open when that did not go through), then runs Leave() and Saved(); Cancel runs
// Leave(). Leave() frees the catalog; an editor that holds more lets that go too.
template <class T>
class PlacedListEditor : public PlacedListDialog {
public:
    using File = typename PlacedList<T>::File;

    const std::vector<T>& records() const { return list_.records(); }

    void accept() override {
        if (!list_.Save()) return;
        Leave();
        Saved();
        done(QDialog::Accepted);
    }
    void reject() override {
        Leave();
        done(QDialog::Rejected);
    }

protected:
    PlacedListEditor(EditorContext& context, QWidget* parent, const QString& caption, const PlacedListOptions& options,
                     const File& file, typename PlacedList<T>::Labels labels, typename PlacedList<T>::RowOf rowOf)
        : PlacedListDialog(context, parent), list_(context, this, options, file, std::move(labels), std::move(rowOf)) {
        frame_ = &list_;
        setWindowTitle(caption);
    }
    // Loads the catalog and the list, `selected` selected.
    void Load(int selected) { list_.Load(selected); }
    virtual void Leave() { list_.Release(); }
    // After a save went through (the tables the map view draws from read again).
    virtual void Saved() {}

    PlacedList<T> list_;
};

}  // namespace lw
