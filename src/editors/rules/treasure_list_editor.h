#pragma once
// The treasure chests: "宝箱ﾘｽﾄ1" lists them ("%d %d %d": scene, X, Y) with the scene each stands
// in (from the scene files); "追加..." and "編集..." run the chain "宝箱ﾘｽﾄ2" (animation,
// sound, animation kind and flags) → "宝箱配置" (scene and cell) → the owner form (the chest's
// event group). OK writes flag_exp.txt, treasure_list.txt and every scene file's chest list as one
// change, then reads the chest table again; Cancel writes nothing.

#include <vector>

#include "core/rules/treasure_list.h"
#include "core/world/scene_catalog.h"
#include "widgets/placed_list_editor.h"
#include "widgets/preview_step_dialog.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace lw {

struct EditorContext;
class PlayOnSelect;

// "宝箱ﾘｽﾄ2": one chest. "次へ" stores the animation, the sound and the animation kind and runs
// the placement; its success closes this dialog with success. The radio buttons store their value
// when clicked, so values the author did not touch stay as they were.
class TreasureChestDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    // `rows` are the chest list's rows as they stand, `chestIndex` the chest's row (-1 for a new
    // chest): a scene that already holds 256 other chests is refused when chosen.
    TreasureChestDialog(EditorContext& context, SceneCatalog& catalog, const TreasureChest& chest, int chestIndex,
                        std::vector<SceneListRow> rows, QWidget* parent = nullptr);
    ~TreasureChestDialog() override;

    const TreasureChest& record() const { return chest_; }
    QComboBox* animationCombo() const { return animation_; }
    QComboBox* soundCombo() const { return sound_; }
    QComboBox* kindCombo() const { return kind_; }
    QCheckBox* showBox() const { return show_; }
    QCheckBox* playBox() const { return play_; }
    // The three radio pairs: [0] "表示"/"非表示", [1] "1回"/"複数回", [2] "済み"/"まだ"; in each
    // pair the first stores 1, the second 0.
    QRadioButton* radio(int pair, int which) const { return radios_[static_cast<std::size_t>(pair * 2 + which)]; }

public slots:
    // "次へ".
    void accept() override;

private:
    void OpenPreview() override;
    void RefreshPreview();
    void Leave() override;

    SceneCatalog& catalog_;
    TreasureChest chest_;
    int chestIndex_;
    std::vector<SceneListRow> rows_;
    QComboBox* animation_;
    QComboBox* sound_;
    QComboBox* kind_;
    QCheckBox* show_;
    QCheckBox* play_;
    std::vector<QRadioButton*> radios_;
    PlayOnSelect* playOnSelect_ = nullptr;
};

// "宝箱ﾘｽﾄ1".
class TreasureListEditor : public PlacedListEditor<TreasureChest> {
    Q_OBJECT
public:
    explicit TreasureListEditor(EditorContext& context, QWidget* parent = nullptr);
    ~TreasureListEditor() override;

private:
    // Runs the chain on `chest` (row `index`, -1 for a new one); true after its success.
    bool EditChest(TreasureChest& chest, int index);
    void Leave() override;
    void Saved() override;
};

// Runs the editor modally; 1 after OK, 0 after Cancel. When treasure_list.txt exists but cannot be
// read, tells the author and returns 0 without opening.
int RunTreasureListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
