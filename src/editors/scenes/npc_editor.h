#pragma once
// "NPC": every NPC of the project (npc_list.txt). "NPC設定1" lists them by display name; "追加..."
// and "編集..." run the chain
//   sprite ("顔画像(ﾒﾆｭｰ用)") -> "ｱﾆﾒﾁｯﾌﾟの順番" (the sheet column of each walking step and the
//   row of each facing, the sprite walking in the preview) -> "NPC設定2" (behaviour, facing,
//   display, speed, name; the sprite walking in the preview) -> "NPC配置" (scene, position,
//   walking range) -> the owner form (the event command group the NPC runs in its scene)
// on a copy of the NPC; only the owner form's OK completes it, a Cancel returns one step.
//
// Which scene an NPC stands in is kept in the scene files (their NPC index lists), so the editor
// works on the scene catalog (loaded on opening, freed on closing), and OK saves npc_list.txt and
// rebuilds every scene's NPC index list as one change: when npc_list.txt is not written (the
// overwrite declined, the write failed) no scene file is rewritten, and when some scene file
// cannot be rebuilt neither is npc_list.txt; the author is told either way. The flag explanations
// edited in the owner form are saved first (unless flag_exp.txt could not be read).

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "core/world/npc_editing.h"
#include "core/world/placed_lists.h"
#include "core/world/npc_list.h"
#include "core/world/scene_catalog.h"
#include "widgets/placed_list_editor.h"
#include "widgets/preview_dialog.h"
#include "widgets/preview_step_dialog.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;

namespace lw {

class PropertyEditor;

// The step after "NPC設定2": the placement and the owner form, given the NPC and its position in
// the list (-1 for a new one); true when the owner form ended with OK.
using NpcStep = std::function<bool(Npc& npc, int index, QWidget* parent)>;

// The step after the sprite, given the NPC: true when the rest of the chain ended with OK.
using NpcNextStep = std::function<bool(Npc& npc, QWidget* parent)>;

// "ｱﾆﾒﾁｯﾌﾟの順番": which column of the 3 x 4 sheet each of the four walking steps shows, and which
// row each facing walks in, with the sprite walking in the preview in a facing the author picks
// (only for the preview). "初期値" gives back the order a new NPC starts with.
class NpcWalkStep : public PreviewStepDialog {
    Q_OBJECT
public:
    NpcWalkStep(EditorContext& context, Npc& npc, NpcNextStep next, QWidget* parent = nullptr);
    ~NpcWalkStep() override;

    QSpinBox* stepSpin(int step) const { return steps_[static_cast<std::size_t>(step)]; }
    QSpinBox* rowSpin(int facing) const { return rows_[static_cast<std::size_t>(facing)]; }
    QComboBox* facingChoice() const { return facing_; }
    QCheckBox* showBox() const { return show_; }
    QPushButton* defaultsButton() const { return defaults_; }
    const Npc& working() const { return working_; }

public slots:
    void accept() override;

private:
    void OpenPreview() override;
    void ShowWalking();
    void ShowValues();
    void Leave() override;

    Npc& npc_;
    Npc working_;
    NpcNextStep next_;
    std::array<QSpinBox*, 4> steps_{};
    std::array<QSpinBox*, 4> rows_{};
    QComboBox* facing_;
    QCheckBox* show_;
    QPushButton* defaults_;
};

// "NPC設定2": the NPC's behaviour in the property editor, with the sprite walking in the preview
// (its walking order, the row of its facing, its speed).
class NpcSettingsDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    NpcSettingsDialog(EditorContext& context, Npc& npc, int index, NpcStep next, QWidget* parent = nullptr);
    ~NpcSettingsDialog() override;

    PropertyEditor* properties() const { return properties_; }

public slots:
    // "次へ": stores the fields and runs the next step; its OK ends this dialog with 1.
    void accept() override;

private:
    void OpenPreview() override;
    void ShowWalking();
    void Leave() override;

    Npc& npc_;
    Npc working_;
    int index_;
    NpcStep next_;
    PropertyEditor* properties_;
};

// "NPC設定1".
class NpcListEditor : public PlacedListEditor<Npc> {
    Q_OBJECT
public:
    explicit NpcListEditor(EditorContext& context, QWidget* parent = nullptr);
    ~NpcListEditor() override;

    // Runs the chain on `npc` (the hook "追加..." and "編集..." use); true when it ended with OK.
    std::function<bool(Npc& npc, int index)> runChain;
    // The chain's last step, the owner form on the editor's catalog: the NPC's new group (-1 none)
    // on OK, nullopt on Cancel.
    std::function<std::optional<int>(SceneCatalog& catalog, int sceneNumber, int currentGroup, QWidget* parent)>
        ownerForm;

private:
    void OpenPreview() override;
    void ShowPreview();
    void Leave() override;
    void Saved() override;
    bool DefaultChain(Npc& npc, int index);
    bool PlaceAndChooseGroup(Npc& npc, int index, QWidget* parent);
};

// Opens "NPC設定1" with `ownerForm` as the chain's last step (see NpcListEditor::ownerForm).
int RunNpcListEditor(EditorContext& context, QWidget* parent,
                     std::function<std::optional<int>(SceneCatalog&, int, int, QWidget*)> ownerForm);

}  // namespace lw
