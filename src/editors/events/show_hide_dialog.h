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

#include <optional>
#include <string>
#include <vector>

#include "core/world/npc_list.h"
#include "editors/events/shared_command_dialog.h"
#include "widgets/preview_dialog.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

namespace lw {

struct CommandContext;

enum class ShowHideTarget { Npc, Chest };

class ShowHideDialog : public PreviewDialog {
    Q_OBJECT
public:
    ShowHideDialog(EditorContext& context, ShowHideTarget target, QWidget* parent = nullptr);
    ~ShowHideDialog() override;

    // False when the list file is missing or could not be read (the author has been told).
    bool opened() const { return opened_; }
    ShowHideTarget target() const { return target_; }
    const std::string& line() const { return line_; }

    QGroupBox* targetGroup() const { return targetBox_; }
    QComboBox* targetChoice() const { return choice_; }
    // "画像表示"; null for chests.
    QCheckBox* showImageBox() const { return showImage_; }
    QButtonGroup* stateChoice() const { return state_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void accept() override;
    void reject() override;

protected:
    void OpenPreview() override;

private:
    void ShowChosenNpc();
    void Leave();

    ShowHideTarget target_;
    bool opened_ = true;
    std::string line_;
    std::vector<Npc> npcs_;
    QGroupBox* targetBox_;
    QComboBox* choice_;
    QCheckBox* showImage_ = nullptr;
    QButtonGroup* state_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace lw
