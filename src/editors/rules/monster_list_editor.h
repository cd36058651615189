#pragma once
// "怪物 ﾘｽﾄ": the monster list (monster_list.txt). "怪物ﾘｽﾄ1" lists the monsters; "追加..." and
// "編集..." open "怪物ﾘｽﾄ2", the property editor of one monster (abilities, rewards, attacks,
// picture with its drawing mode and colour key picked from the preview), whose "次へ" opens
// "ﾌｫｰｶｽ座標" to place the battle focus point on the picture. OK of the focus dialog closes both
// with the record; OK of the list writes the file, Cancel writes nothing.

#include <memory>
#include <vector>

#include "core/rules/monsters.h"
#include "core/settings/property_rows.h"
#include "widgets/list_editor.h"
#include "widgets/preview_dialog.h"

class QCheckBox;
class QPushButton;
class QSpinBox;

namespace lw {

struct EditorContext;
class PropertyEditor;

// "ﾌｫｰｶｽ座標": the monster picture with the battle focus picture drawn at the point.
class MonsterFocusDialog : public PreviewDialog {
    Q_OBJECT
public:
    MonsterFocusDialog(EditorContext& context, Monster& monster, QWidget* parent = nullptr);
    QSpinBox* xSpin() const { return x_; }
    QSpinBox* ySpin() const { return y_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
public slots:
    void accept() override;
    void reject() override;

private:
    void OpenPreview() override;
    void Redraw();
    void Leave();
    Monster& monster_;
    QSpinBox* x_;
    QSpinBox* y_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// "怪物ﾘｽﾄ2": one monster in the property editor. Ends with 1 when the focus dialog was confirmed.
class MonsterPropertyDialog : public PreviewDialog {
    Q_OBJECT
public:
    MonsterPropertyDialog(EditorContext& context, Monster& monster, QWidget* parent = nullptr);
    ~MonsterPropertyDialog() override;
    PropertyEditor* properties() const { return properties_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* cancelButton() const { return cancel_; }
    // "次へ": stores the fields and runs the focus dialog; its OK ends this dialog with success.
    void Next();
public slots:
    void reject() override;

private:
    void OpenPreview() override;
    void ShowPreview(int row);
    void Leave();
    Monster& monster_;
    PropertyEditor* properties_;
    QPushButton* next_;
    QPushButton* cancel_;
};

// The property rows of a monster, bound to `m`, with the ranges of the settings.
std::vector<PropertyRow> MonsterRows(Monster& m, int abilityMax, const std::string& currencyUtf8);

// "怪物ﾘｽﾄ1".
class MonsterListEditor : public PreviewDialog {
    Q_OBJECT
public:
    explicit MonsterListEditor(EditorContext& context, QWidget* parent = nullptr);
    ~MonsterListEditor() override;
    ListEditorPanel* panel() const { return panel_; }
    QCheckBox* showBox() const { return show_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    const std::vector<Monster>& monsters() const { return list_->records(); }
    ReadStatus loadStatus() const { return loadStatus_; }
    // Runs the property editor on `m` (the hook "追加..." and "編集..." use; tests replace it).
    std::function<bool(Monster& m)> runProperties;
public slots:
    void accept() override;
    void reject() override;

private:
    void OpenPreview() override;
    void ShowPreview();
    void Leave();
    ListEditorPanel* panel_;
    std::unique_ptr<ListEditor<Monster>> list_;
    QCheckBox* show_;
    QPushButton* ok_;
    QPushButton* cancel_;
    ReadStatus loadStatus_ = ReadStatus::Missing;
};

int RunMonsterListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
