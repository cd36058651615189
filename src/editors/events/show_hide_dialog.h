#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(NPCの表示・非表示)": an NPC or a treasure chest, and whether it is shown ("表示", the
// default) or hidden ("非表示").
//
//   ShowHideTarget::Npc    group "NPC番号": the display names of npc_list.txt; "画像表示" (checked at
//                          first) shows the chosen NPC walking in the image preview (view mode 17); line
//                          "show_npc %d %d"; OK without an NPC: "NPC番号を選択してください"
//   ShowHideTarget::Chest  group "宝箱番号": one "scene x y" entry per chest of treasure_list.txt
//                          (the scene from the scene files), no preview; line "show_tre %d %d";
//                          OK without a chest: "宝箱番号を選択してください"
//
// Without its list file the dialog says "npc_list.txt がありません" / "treasure_list.txt がありません"
// and does not open. OK and Cancel close the preview and leave it in view mode 0.

#include <vector>

#include "core/world/npc_list.h"
#include "editors/events/command_dialog.h"

namespace lw {

enum class ShowHideTarget { Npc, Chest };

class ShowHideDialog : public CommandDialog {
    Q_OBJECT
public:
    // Does not open when the list file is missing or could not be read.
    ShowHideDialog(EditorContext& context, ShowHideTarget target, QWidget* parent = nullptr);
    ~ShowHideDialog() override;

    ShowHideTarget target() const { return target_; }
    QGroupBox* targetGroup() const;
    QComboBox* targetChoice() const { return choice_; }
    // "画像表示"; null for chests.
    QCheckBox* showImageBox() const { return showImage_; }
    QButtonGroup* stateChoice() const { return state_; }

protected:
    std::optional<std::string> Build() override;
    void ShowPreview() override;

private:
    ShowHideTarget target_;
    std::vector<Npc> npcs_;
    QComboBox* choice_;
    QCheckBox* showImage_ = nullptr;
    QButtonGroup* state_;
};

}  // namespace lw
