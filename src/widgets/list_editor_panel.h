#pragma once
// The view half of a list editor: a list of rows (one or more columns) with its buttons "追加",
// "編集..." (optional), "削除", "上へ移動" and "下へ移動", and any extra buttons a list needs.
// It knows nothing of records: ListEditor<T> (list_editor.h) drives it. Buttons are enabled by the
// rows shown: "削除" and "編集..." need a selected row, "上へ移動" / "下へ移動" a selected row that
// is not at the top / bottom; "追加" is always enabled.

#include <QStringList>
#include <QWidget>
#include <vector>

#include "core/check/reference_index.h"

class QPushButton;
class QTreeWidget;
class QVBoxLayout;

namespace lw {

class ListFilter;
struct Project;

struct ListEditorOptions {
    // Column titles. Empty: one column and no header, like a plain list box.
    QStringList headers;
    // "追加..." where adding opens a dialog; empty: "追加".
    QString addLabel;
    // Adds "編集..." (double click on a row edits too, see ListEditor::OnEdit).
    bool editButton = false;
    bool moveButtons = true;
};

class ListEditorPanel : public QWidget {
    Q_OBJECT
public:
    // When an extra button (or a widget outside the panel) is enabled.
    enum class Enable { Always, WithSelection, WithRows };

    explicit ListEditorPanel(const ListEditorOptions& options = {}, QWidget* parent = nullptr);

    QTreeWidget* view() const { return view_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* editButton() const { return edit_; }  // nullptr without "編集..."
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* upButton() const { return up_; }      // nullptr without move buttons
    QPushButton* downButton() const { return down_; }

    // A further button in the button column (before the move buttons), enabled by `rule`.
    QPushButton* AddButton(const QString& label, Enable rule = Enable::Always);
    // "使用箇所...": shows every place of `project` that refers to the selected row, a row of
    // `target` (the list file's rows in the order the panel shows them).
    QPushButton* AddUsagesButton(const Project& project, RefTarget target);
    QPushButton* usagesButton() const { return usages_; }
    // Selects `row` as the author would, so the editor driving the panel follows (selectionChanged).
    void ChooseRow(int row);

    // A widget outside the panel (a dialog's OK, a "表示" check box) enabled by `rule`.
    void EnableBy(QWidget* widget, Enable rule);

    // Shows `rows` (the column texts of each) with `selected` selected (-1: none).
    void ShowRows(const std::vector<QStringList>& rows, int selected);
    void SetSelectedRow(int row);
    int selectedRow() const;
    int rowCount() const;
    QString rowText(int row, int column = 0) const;

signals:
    void addClicked();
    void editClicked();
    void deleteClicked();
    void moveUpClicked();
    void moveDownClicked();
    void rowDoubleClicked(int row);
    // The author selected another row (or none) with the mouse or the keyboard.
    void selectionChanged(int row);

private:
    void UpdateButtons();
    // A button of the column, at `at` (-1: the end).
    QPushButton* MakeButton(const QString& label, int at = -1);

    QTreeWidget* view_;
    // The filter box above the list ("絞り込み", shown once the list holds more than 20 rows): it
    // hides rows, so row numbers and the selection stay those of the list.
    ListFilter* filter_;
    QVBoxLayout* buttons_;
    int extraInsertAt_ = 0;
    QPushButton* add_;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
    QPushButton* usages_ = nullptr;
    std::vector<std::pair<QWidget*, Enable>> governed_;
    bool updating_ = false;
};

// The Delete key (without modifiers) on `list` presses `button` when it is enabled: "削除" from the
// keyboard, under the button's own rules.
void DeleteKeyPresses(QWidget* list, QPushButton* button);

}  // namespace lw
