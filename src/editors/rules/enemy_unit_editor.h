#pragma once
// "敵ﾕﾆｯﾄ ﾘｽﾄ": the enemy units (enemy_list.txt), edited through nested dialogs:
//   "敵ﾕﾆｯﾄ ﾘｽﾄ1"  the units; OK writes the file, Cancel writes nothing;
//   "敵ﾕﾆｯﾄ ﾘｽﾄ2"  the formations of one unit (at most 32), "次へ" goes on to the rates;
//   "敵ﾕﾆｯﾄ ﾘｽﾄ3"  one formation: six monster positions previewed on the 320 x 240 battle field,
//                 boss, dropped item, battle music;
//   "敵ﾕﾆｯﾄ出現率" the appearance rates, split evenly when all are 0 and checked to total 100 %;
//   "敵ﾕﾆｯﾄ名（省略可）" the unit's name; its OK closes every dialog up to the unit list with success.

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "core/rules/enemy_units.h"
#include "core/rules/items.h"
#include "core/settings/game_settings.h"
#include "core/rules/monsters.h"
#include "widgets/list_editor.h"
#include "widgets/preview_list_editor.h"
#include "widgets/preview_step_dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace lw {

class RecordNames;

struct EditorContext;
class ImageChooser;
class PlayOnSelect;

// "敵ﾕﾆｯﾄ名（省略可）".
class EnemyUnitNameDialog : public QDialog {
    Q_OBJECT
public:
    EnemyUnitNameDialog(std::string& name, QWidget* parent = nullptr);
    QPushButton* okButton() const { return ok_; }
public slots:
    void accept() override;

private:
    std::string& name_;
    QLineEdit* edit_;
    QPushButton* ok_;
};

// "敵ﾕﾆｯﾄ出現率": the rates of `formations`; "次へ" runs the name dialog on `name`.
class EnemyRatesDialog : public QDialog {
    Q_OBJECT
public:
    EnemyRatesDialog(EditorContext& context, std::vector<Formation>& formations, std::string& name, QWidget* parent = nullptr);
    QPushButton* nextButton() const { return next_; }
    void Next();

private:
    void ShowSelection();
    void StoreSpin();
    EditorContext& context_;
    std::vector<Formation>& formations_;
    std::string& name_;
    QListWidget* list_;
    QSpinBox* spin_;
    QPushButton* next_;
    bool loading_ = false;
};

// "敵ﾕﾆｯﾄ ﾘｽﾄ3".
class FormationDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    FormationDialog(EditorContext& context, const MonsterTable& monsters, Formation& formation, QWidget* parent = nullptr);
public slots:
    void accept() override;

private:
    // What the controls make now (the record OK stores).
    Formation Collect() const;
    void OpenPreview() override;
    void Redraw();
    void MonsterChosen(int slot);
    void ItemChosen();
    void Leave() override;
    const MonsterTable& monsters_;
    Formation& formation_;
    std::array<QComboBox*, kFormationSlots> monster_{};
    std::array<QSpinBox*, kFormationSlots> x_{};
    std::array<QSpinBox*, kFormationSlots> y_{};
    QComboBox* boss_;
    QComboBox* bgm_;
    QCheckBox* play_;
    PlayOnSelect* playOnSelect_;
    QComboBox* item_;
    QSpinBox* itemRate_;
    QSpinBox* itemCount_;
    ImageChooser* background_;
    bool loading_ = false;
};

// "敵ﾕﾆｯﾄ ﾘｽﾄ2": the formations of `unit`, changed only when the chain ends with the name's OK.
class FormationListDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    FormationListDialog(EditorContext& context, const MonsterTable& monsters, EnemyUnit& unit, QWidget* parent = nullptr);
    ~FormationListDialog() override;
    ListEditorPanel* panel() const { return panel_; }
    void Next();

private:
    void OpenPreview() override;
    void ShowPreview();
    void Leave() override;
    const MonsterTable& monsters_;
    EnemyUnit& unit_;
    std::unique_ptr<RecordNames> names_;
    ListEditorPanel* panel_;
    std::unique_ptr<ListEditor<Formation>> list_;
    QCheckBox* show_;
};

// "敵ﾕﾆｯﾄ ﾘｽﾄ1": a list editor of enemy_list.txt without a preview (widgets/preview_list_editor.h);
// "追加..." and "編集..." run the formations.
class EnemyUnitListEditor : public PreviewListEditor<EnemyUnit> {
    Q_OBJECT
public:
    explicit EnemyUnitListEditor(EditorContext& context, QWidget* parent = nullptr);

private:
    void ShowSelection() override {}
    // Frees the monster table the formations choose from.
    void Leave() override;
    MonsterTable monsters_;
};

int RunEnemyUnitListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
