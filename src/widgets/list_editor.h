#pragma once
// The list editor shared by every list of the program: a RecordList<T> of records of any type,
// shown in a ListEditorPanel, with the common button rules (see record_list.h).
//
// Use:
//   auto* panel = new ListEditorPanel({.addLabel = "追加...", .editButton = true}, this);
//   ListEditor<Item> items(panel, [](const Item& i) { return QStringList{FromCp932(i.name)}; });
//   items.OnAdd([this]() -> std::optional<Item> { return RunItemDialog(Item{}); });  // nullopt: nothing added
//   items.OnEdit([this](Item& copy) { return RunItemDialog(copy).has_value(); });     // true: row replaced
//   items.AddSelectsEqual(SameName);        // optional: "追加" selects an equal record instead
//   items.SetCapacity(1023, ShowFullMessage);  // optional: "追加" refused while the list is full
//   panel->EnableBy(okButton, ListEditorPanel::Enable::WithRows);  // optional: OK needs a row
//   items.SetRecords(LoadItems(), 0);
//   ... on OK: SaveItems(items.records());
// "編集..." and a double click on a row both run the edit hook. Extra buttons ("更新", "表示")
// come from panel->AddButton and act on items.model() followed by items.Refresh().
// The ListEditor must not outlive its panel; it disconnects from the panel when destroyed.

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <optional>
#include <vector>

#include "widgets/list_editor_panel.h"
#include "widgets/record_list.h"
#include "widgets/reference_keeper.h"

namespace lw {

template <class T>
class ListEditor {
public:
    using Labels = std::function<QStringList(const T&)>;

    ListEditor(ListEditorPanel* panel, Labels labels) : panel_(panel), labels_(std::move(labels)) {
        connections_ = {
            QObject::connect(panel_, &ListEditorPanel::addClicked, panel_, [this] { Add(); }),
            QObject::connect(panel_, &ListEditorPanel::editClicked, panel_, [this] { Edit(); }),
            QObject::connect(panel_, &ListEditorPanel::deleteClicked, panel_, [this] { Delete(); }),
            QObject::connect(panel_, &ListEditorPanel::moveUpClicked, panel_, [this] { MoveUp(); }),
            QObject::connect(panel_, &ListEditorPanel::moveDownClicked, panel_, [this] { MoveDown(); }),
            QObject::connect(panel_, &ListEditorPanel::rowDoubleClicked, panel_,
                             [this](int row) {
                                 if (edit_ && model_.Select(row)) Edit();
                             }),
            QObject::connect(panel_, &ListEditorPanel::selectionChanged, panel_,
                             [this](int row) {
                                 model_.Select(row);
                                 if (onSelection_) onSelection_(model_.selected());
                             }),
        };
    }
    ~ListEditor() {
        for (const auto& c : connections_) QObject::disconnect(c);
    }
    ListEditor(const ListEditor&) = delete;
    ListEditor& operator=(const ListEditor&) = delete;

    void SetRecords(std::vector<T> records, int selected = -1) {
        model_.Assign(std::move(records), selected);
        Refresh();
    }
    const std::vector<T>& records() const { return model_.rows(); }
    int selected() const { return model_.selected(); }
    void Select(int row) {
        if (model_.Select(row)) panel_->SetSelectedRow(model_.selected());
    }
    // For rules of one list: change the model, then call Refresh().
    RecordList<T>& model() { return model_; }
    void Refresh() {
        std::vector<QStringList> rows;
        rows.reserve(model_.rows().size());
        for (const T& r : model_.rows()) rows.push_back(labels_(r));
        panel_->ShowRows(rows, model_.selected());
    }

    void OnAdd(std::function<std::optional<T>()> make) { add_ = std::move(make); }
    void AddSelectsEqual(std::function<bool(const T&, const T&)> equal) { equal_ = std::move(equal); }
    void OnEdit(std::function<bool(T&)> edit) { edit_ = std::move(edit); }
    void SetCapacity(int maxRows, std::function<void()> onFull) {
        capacity_ = maxRows;
        onFull_ = std::move(onFull);
    }
    // After the author selected another row (the row, or -1).
    void OnSelectionChanged(std::function<void(int)> f) { onSelection_ = std::move(f); }
    // After every change of the rows made through the buttons.
    void OnChanged(std::function<void()> f) { onChanged_ = std::move(f); }
    // Deletes and moves ask first whether and how the references to the rows, rows of `target`,
    // follow (reference_keeper.h); the list's OK then goes through Save.
    void KeepReferences(EditorContext& context, QWidget* owner, RefTarget target, RenumberOptions options = {}) {
        keeper_ = std::make_unique<ReferenceKeeper>(context, owner, target, options);
    }
    void KeepReferences(std::unique_ptr<ReferenceKeeper> keeper) { keeper_ = std::move(keeper); }
    ReferenceKeeper* keeper() const { return keeper_.get(); }
    // The list's OK: `saveAlone` while no reference is renumbered, else the list file `file` (its
    // bytes made by `bytes`) and the renumbered files as one change.
    bool Save(SaveUi& ui, std::string_view file, const std::function<std::string(const std::vector<T>&)>& bytes,
              const std::function<bool(SaveUi&)>& saveAlone) {
        if (!keeper_ || keeper_->files().empty()) return saveAlone(ui);
        return keeper_->Save(ui, file, bytes(records()), saveAlone);
    }

    // What the buttons do.
    void Add() {
        if (!add_) return;
        if (capacity_ >= 0 && model_.size() >= capacity_) {
            if (onFull_) onFull_();
            return;
        }
        std::optional<T> record = add_();
        if (!record) return;
        bool added = true;
        if (equal_) {
            model_.AppendUnique(std::move(*record), equal_, &added);
        } else {
            model_.Append(std::move(*record));
        }
        Changed(added);
    }
    void Edit() {
        if (!edit_ || !model_.hasSelection()) return;
        const int row = model_.selected();
        T copy = model_.at(row);
        if (!edit_(copy)) return;
        model_.Replace(row, std::move(copy));
        Changed(true);
    }
    void Delete() {
        const int row = model_.selected();
        if (keeper_ && model_.hasSelection() && !keeper_->BeforeDelete(row, model_.size(), RowName(row))) return;
        Changed(model_.RemoveSelected());
    }
    void MoveUp() { Move(-1); }
    void MoveDown() { Move(1); }

private:
    void Move(int by) {
        const int row = model_.selected(), other = row + by;
        if (keeper_ && model_.hasSelection() && other >= 0 && other < model_.size() &&
            !keeper_->BeforeSwap(row, other, model_.size(), RowName(row)))
            return;
        Changed(by < 0 ? model_.MoveSelectedUp() : model_.MoveSelectedDown());
    }
    QString RowName(int row) const {
        const QStringList labels = labels_(model_.at(row));
        return QStringLiteral("%1 %2").arg(row).arg(labels.isEmpty() ? QString() : labels.front());
    }
    void Changed(bool rowsChanged) {
        Refresh();
        if (rowsChanged && onChanged_) onChanged_();
    }

    ListEditorPanel* panel_;
    Labels labels_;
    RecordList<T> model_;
    std::function<std::optional<T>()> add_;
    std::function<bool(const T&, const T&)> equal_;
    std::function<bool(T&)> edit_;
    std::function<void()> onFull_;
    std::function<void(int)> onSelection_;
    std::function<void()> onChanged_;
    int capacity_ = -1;
    std::unique_ptr<ReferenceKeeper> keeper_;
    std::vector<QMetaObject::Connection> connections_;
};

}  // namespace lw
