#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(戦闘)": the enemy unit ("敵ﾕﾆｯﾄ", enemy_list.txt), the texts shown before and after
// the battle ("会話文(戦闘前)", "会話文(戦闘後)", talk_list.txt, each showing the chosen text), the
// talk speed ("会話速度" 1..100, starting at the basic setting "文字表示速度"), the background
// ("背景画像", a file of the image folder, shown in the image preview while "表示" is checked),
// "逃げる", and the group "戦闘後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ". OK builds "battle %d %d %d %d %d %d %s" (nothing
// chosen gives -1, no background leaves a trailing blank). OK refuses a background whose name
// holds a blank (the game would read only its first part) and a line too long to be stored whole.

#include <vector>

#include "core/events/event_commands.h"
#include "core/rules/enemy_units.h"
#include "editors/events/command_dialog.h"

namespace lw {

struct CommandContext;
class TalkTextChooser;

class BattleCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    BattleCommandDialog(CommandContext& context, QWidget* parent = nullptr);
    ~BattleCommandDialog() override;

    // The values as the controls hold them now (typed text taken).
    BattleCommand battle() const;

    QComboBox* enemyChoice() const { return enemy_; }
    TalkTextChooser* textBefore() const { return before_; }
    TalkTextChooser* textAfter() const { return after_; }
    NumberSpin* speedField() const { return speed_; }
    QComboBox* backgroundChoice() const { return background_; }
    QCheckBox* showBox() const { return show_; }
    QCheckBox* escapeBox() const { return escape_; }
    GroupChooser* afterGroup() const { return group_; }

protected:
    std::optional<std::string> Build() override;
    void Leave() override;
    void OpenPreview() override;
    void ShowPreview() override;

private:
    std::vector<EnemyUnitChoice> enemies_;
    std::vector<std::string> texts_;
    QComboBox* enemy_;
    TalkTextChooser* before_;
    TalkTextChooser* after_;
    NumberSpin* speed_;
    QComboBox* background_;
    QCheckBox* show_;
    QCheckBox* escape_;
    GroupChooser* group_;
};

}  // namespace lw
