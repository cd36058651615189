#pragma once
// The growth-type editor "ﾚﾍﾞﾙｱｯﾌﾟの能力値上昇" (level_ability_list.txt): the guidance text
// "案内文" and the list of growth types, each a name and eight ability increases. Without the file
// the nine built-in types and the built-in guidance are offered. OK writes the file, Cancel writes
// nothing.

#include <QDialog>
#include <array>
#include <memory>

#include "core/rules/levels.h"
#include "widgets/list_editor.h"

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace lw {

struct EditorContext;

class LevelUpEditor : public QDialog {
    Q_OBJECT
public:
    explicit LevelUpEditor(EditorContext& context, QWidget* parent = nullptr);

    ListEditorPanel* panel() const { return panel_; }
    QPushButton* okButton() const { return ok_; }
    ReadStatus loadStatus() const { return loadStatus_; }

public slots:
    // OK: writes level_ability_list.txt with the guidance (unless the file could not be read) and
    // closes with 1 whatever the write returned.
    void accept() override;

private:
    void ShowSelection();
    // The record the fields hold, or nullopt (after telling the author) when the name cannot be
    // stored.
    std::optional<GrowthType> Collect();

    EditorContext& context_;
    ReadStatus loadStatus_ = ReadStatus::Missing;
    QLineEdit* guidance_;
    ListEditorPanel* panel_;
    std::unique_ptr<ListEditor<GrowthType>> list_;
    QLineEdit* name_;
    // In file order: 敏捷度, 回避力, 攻撃力, 肉体防御力, 魔力, 魔法防御力, 生命点, 精神点.
    std::array<QSpinBox*, kGrowthValueCount> values_{};
    QPushButton* ok_;
};

// Runs the editor modally; returns 1 after OK, 0 after Cancel. When level_ability_list.txt exists
// but cannot be read, tells the author and returns 0 without opening.
int RunLevelUpEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
