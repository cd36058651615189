#pragma once
// The level list editor "ﾚﾍﾞﾙﾘｽﾄ" (level_list.txt): a two-column table of the levels and the
// experience points each needs, the "必要経験点" field that updates the selected row, and the
// "最大ﾚﾍﾞﾙ" field that cuts or extends the table. OK writes the file, Cancel writes nothing.

#include <QDialog>
#include <memory>

#include "core/rules/levels.h"
#include "widgets/list_editor.h"

class QPushButton;
class QSpinBox;

namespace lw {

struct EditorContext;

class LevelListEditor : public QDialog {
    Q_OBJECT
public:
    explicit LevelListEditor(EditorContext& context, QWidget* parent = nullptr);

    ListEditorPanel* panel() const { return panel_; }
    QPushButton* okButton() const { return ok_; }
    ReadStatus loadStatus() const { return loadStatus_; }

public slots:
    // OK: writes level_list.txt (unless it could not be read) and closes with 1 whatever the write
    // returned.
    void accept() override;

private:
    void ShowSelection();
    void UpdateExperience();
    void UpdateMaxLevel();

    EditorContext& context_;
    ReadStatus loadStatus_ = ReadStatus::Missing;
    ListEditorPanel* panel_;
    std::unique_ptr<ListEditor<LevelRow>> list_;
    QSpinBox* experience_;
    QSpinBox* maxLevel_;
    QPushButton* ok_;
};

// Runs the editor modally; returns 1 after OK, 0 after Cancel. When level_list.txt exists but cannot
// be read, tells the author and returns 0 without opening.
int RunLevelListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
