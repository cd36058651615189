#pragma once
// One dialog for two commands that show something and then may run a group:
// - "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｴﾌｪｸﾄ表示)": an effect animation of image_effect.txt ("ｴﾌｪｸﾄ番号"), played in the
//   image preview (view mode 2) while "画像表示" is checked; group "ｴﾌｪｸﾄ後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"; OK refuses
//   a missing choice with "ｴﾌｪｸﾄ番号を選択してください" and builds "effect %d [%d]";
// - "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ﾅﾚｰｼｮﾝ表示)": a narration of narration_list.txt ("ﾅﾚｰｼｮﾝ番号"), previewed as the
//   game shows it (its picture with its text, view mode 16); group "ﾅﾚｰｼｮﾝ後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"; OK
//   refuses a missing choice with "ﾅﾚｰｼｮﾝ番号を選択してください" and builds "nar %d [%d]".
// The group field is written only when a group is chosen. OK and Cancel close the preview and
// leave it in view mode 0.

#include <vector>

#include "core/media/effect_animation.h"
#include "core/media/narration_list.h"
#include "editors/events/command_dialog.h"

namespace lw {

struct CommandContext;

enum class ShownThing { Effect, Narration };

class ShowEffectCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    ShowEffectCommandDialog(CommandContext& context, ShownThing thing, QWidget* parent = nullptr);
    ~ShowEffectCommandDialog() override;

    ShownThing thing() const { return thing_; }
    // The chosen effect or narration, -1 for none.
    int chosen() const;

    QGroupBox* numberBox() const;
    QComboBox* choice() const { return choice_; }
    QCheckBox* showBox() const { return show_; }
    GroupChooser* afterGroup() const { return group_; }

protected:
    std::optional<std::string> Build() override;
    void ShowPreview() override;

private:
    ShownThing thing_;
    EffectTable effects_;
    std::vector<Narration> narrations_;
    std::vector<std::string> texts_;  // the text list, for the narration's text
    QComboBox* choice_;
    QCheckBox* show_;
    GroupChooser* group_;
};

}  // namespace lw
