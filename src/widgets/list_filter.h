#pragma once
// The filter box of long lists and choosers: "絞り込み" and a field; what the author types narrows
// the rows to those whose text holds it or whose number it is (TextFilter: ASCII letters without
// case, half-width and full-width kana alike), and "該当なし" says when nothing is left.
//
// Rows are hidden, never removed, so row positions, the selection and the chosen entry stay those
// of the list (a hidden entry stays chosen). The box shows itself once the list holds more than
// kFilterFromRows rows (or while it holds text). In the field, Enter takes the first row shown
// (it never presses the dialog's default button) and Down goes to the list (opens the drop-down).
//
//   auto* filter = new ListFilter(combo, tr("ｱｲﾃﾑ"), this);   // a drop-down
//   layout->insertWidget(layout->indexOf(combo), filter);
//   filter->SetNumberOf([](int row) { return row - 1; });      // "なし" first: rows number from -1

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "core/text/text_filter.h"

class QAbstractItemModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace lw {

inline constexpr int kFilterFromRows = 21;

class ListFilter : public QWidget {
    Q_OBJECT
public:
    // `what` names the list in the field's accessible name ("ｱｲﾃﾑの絞り込み"); empty: "絞り込み".
    ListFilter(QTreeWidget* view, const QString& what, QWidget* parent);
    ListFilter(QComboBox* combo, const QString& what, QWidget* parent);

    // The filter of a drop-down, or null.
    static ListFilter* Of(const QComboBox* combo);

    QLineEdit* field() const { return field_; }
    QLabel* emptyNote() const { return empty_; }

    // The number a row answers to (default: its position).
    void SetNumberOf(std::function<int(int row)> numberOf);
    // A further condition a row must meet to be shown (the flag chooser's "未使用のみ"); empty: none.
    void SetRowRule(std::function<bool(int row)> rule);
    // Shows the box from `rows` rows on instead of kFilterFromRows (0: always).
    void ShowFrom(int rows);

    // Applies the filter again, the rows' texts read anew (the list calls it after changing rows;
    // changes of the model are noticed by themselves, after the event loop runs).
    void Apply();
    bool IsShown(int row) const;

signals:
    void applied();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ListFilter(const QString& what, QWidget* parent);
    void Watch(QAbstractItemModel* model);
    void ModelChanged();
    int RowCount() const;
    QString RowText(int row) const;
    void SetHidden(int row, bool hidden);
    void TakeFirstShown();
    void UpdateVisibility();

    QTreeWidget* view_ = nullptr;
    QComboBox* combo_ = nullptr;
    QLineEdit* field_;
    QLabel* empty_;
    std::function<int(int)> numberOf_;
    std::function<bool(int)> rule_;
    std::vector<std::string> folded_;  // the rows' texts folded for the filter, while valid
    bool stale_ = true;
    bool pending_ = false;
    int showFrom_ = kFilterFromRows;
};

// The filter box of a drop-down, placed beside it in its layout (after it in a row, above it in a
// column or a form); shown once the drop-down holds more than 20 entries. Null (and no box) when no
// box or form layout holds the drop-down. `what` names the drop-down ("ｱｲﾃﾑ"); `firstNumber` is the
// number of the first entry (-1 after a "なし" entry).
ListFilter* AddComboFilter(QComboBox* combo, const QString& what, int firstNumber = 0);

// Gives every drop-down below `dialog` that holds more than 20 entries (and has no filter box yet) a
// filter box, each time the dialog is shown; a drop-down whose first entry is "なし" numbers its
// entries from -1. Every editor dialog gets this through AddDialogButtons.
void FilterLongChoosersWhenShown(QWidget* dialog);

}  // namespace lw
