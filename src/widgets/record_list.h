#pragma once
// The rows of a list editor and the one selection, with the rules every list editor shares:
//   - adding appends the record at the end and selects it (AppendUnique selects an equal record
//     that is already there instead of adding it again);
//   - deleting removes the selected row and selects the row that moved into its place, or none
//     when the removed row was the last;
//   - moving up / down swaps the selected row with its neighbour and keeps it selected; nothing
//     happens at the ends or without a selection.
// Plain C++ (no Qt), so the rules are tested without widgets; ListEditor (list_editor.h) shows
// a RecordList in a ListEditorPanel.

#include <algorithm>
#include <utility>
#include <vector>

namespace lw {

template <class T>
class RecordList {
public:
    RecordList() = default;
    explicit RecordList(std::vector<T> rows, int selected = -1) { Assign(std::move(rows), selected); }

    int size() const { return static_cast<int>(rows_.size()); }
    bool empty() const { return rows_.empty(); }
    const std::vector<T>& rows() const { return rows_; }
    const T& at(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    T& at(int row) { return rows_.at(static_cast<std::size_t>(row)); }

    // -1 when no row is selected.
    int selected() const { return selected_; }
    bool hasSelection() const { return selected_ >= 0; }
    // -1 clears the selection; a row outside the list changes nothing and returns false.
    bool Select(int row) {
        if (row < -1 || row >= size()) return false;
        selected_ = row;
        return true;
    }

    // Replaces every row; a selection outside the new rows becomes none.
    void Assign(std::vector<T> rows, int selected = -1) {
        rows_ = std::move(rows);
        selected_ = (selected >= 0 && selected < size()) ? selected : -1;
    }

    int Append(T record) {
        rows_.push_back(std::move(record));
        selected_ = size() - 1;
        return selected_;
    }

    // Selects the first row equal to `record` when there is one; appends it otherwise. Returns the
    // selected row; `added` tells which happened.
    template <class Equal>
    int AppendUnique(T record, Equal equal, bool* added = nullptr) {
        auto it = std::find_if(rows_.begin(), rows_.end(), [&](const T& r) { return equal(r, record); });
        if (added) *added = it == rows_.end();
        if (it != rows_.end()) {
            selected_ = static_cast<int>(it - rows_.begin());
            return selected_;
        }
        return Append(std::move(record));
    }

    // Puts `record` in place of the row and selects it. False for a row outside the list.
    bool Replace(int row, T record) {
        if (row < 0 || row >= size()) return false;
        rows_[static_cast<std::size_t>(row)] = std::move(record);
        selected_ = row;
        return true;
    }

    bool RemoveSelected() {
        if (!hasSelection()) return false;
        rows_.erase(rows_.begin() + selected_);
        if (selected_ >= size()) selected_ = -1;  // the last row went: nothing follows it
        return true;
    }

    bool CanMoveUp() const { return hasSelection() && selected_ > 0; }
    bool CanMoveDown() const { return hasSelection() && selected_ < size() - 1; }

    bool MoveSelectedUp() {
        if (!CanMoveUp()) return false;
        std::swap(rows_[static_cast<std::size_t>(selected_)], rows_[static_cast<std::size_t>(selected_ - 1)]);
        --selected_;
        return true;
    }

    bool MoveSelectedDown() {
        if (!CanMoveDown()) return false;
        std::swap(rows_[static_cast<std::size_t>(selected_)], rows_[static_cast<std::size_t>(selected_ + 1)]);
        ++selected_;
        return true;
    }

private:
    std::vector<T> rows_;
    int selected_ = -1;
};

}  // namespace lw
