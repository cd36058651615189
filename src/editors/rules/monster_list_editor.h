#pragma once
// "怪物 ﾘｽﾄ": the monster list (monster_list.txt). "怪物ﾘｽﾄ1" lists the monsters; "追加..." and
// "編集..." open "怪物ﾘｽﾄ2", the property editor of one monster (abilities, rewards, attacks,
// picture with its drawing mode and colour key picked from the preview), whose "次へ" opens
// "ﾌｫｰｶｽ座標" to place the battle focus point on the picture. OK of the focus dialog closes both
// with the record; OK of the list writes the file, Cancel writes nothing.

#include "core/rules/monsters.h"
#include "widgets/preview_step_dialog.h"
#include "widgets/preview_list_editor.h"

class QSpinBox;

namespace lw {

struct EditorContext;
class PropertyEditor;

// "ﾌｫｰｶｽ座標": the monster picture with the battle focus picture drawn at the point.
class MonsterFocusDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    MonsterFocusDialog(EditorContext& context, Monster& monster, QWidget* parent = nullptr);
public slots:
    void accept() override;

private:
    void OpenPreview() override;
    void Redraw();
    Monster& monster_;
    QSpinBox* x_;
    QSpinBox* y_;
};

// "怪物ﾘｽﾄ2": one monster in the property editor. Ends with 1 when the focus dialog was confirmed.
class MonsterPropertyDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    MonsterPropertyDialog(EditorContext& context, Monster& monster, QWidget* parent = nullptr);
    PropertyEditor* properties() const { return properties_; }
public slots:
    // "次へ": stores the fields and runs the focus dialog; its OK ends this dialog with success.
    void accept() override;
private:
    void OpenPreview() override;
    void ShowPreview(int row);
    void Leave() override;
    Monster& monster_;
    PropertyEditor* properties_;
};

// "怪物ﾘｽﾄ1": a list editor with the preview (widgets/preview_list_editor.h); "表示" shows the
// selected monster's picture.
class MonsterListEditor : public PreviewListEditor<Monster> {
    Q_OBJECT
public:
    explicit MonsterListEditor(EditorContext& context, QWidget* parent = nullptr);

private:
    void ShowSelection() override;
};

int RunMonsterListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
