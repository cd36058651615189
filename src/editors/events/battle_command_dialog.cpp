// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(戦闘)": the enemy unit ("敵ﾕﾆｯﾄ", enemy_list.txt), the texts shown before and after
// the battle ("会話文(戦闘前)", "会話文(戦闘後)", talk_list.txt, each showing the chosen text), the
// talk speed ("会話速度" 1..100, starting at the basic setting "文字表示速度"), the background
// ("背景画像", a file of the image folder, shown in the image preview while "表示" is checked),
// "逃げる", and the group "戦闘後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ". OK builds "battle %d %d %d %d %d %d %s" (nothing
// chosen gives -1, no background leaves a trailing blank). OK refuses a background whose name
// holds a blank (the game would read only its first part) and a line too long to be stored whole.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <algorithm>
#include <vector>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/command_dialog_rules.h"
#include "core/media/talk_list.h"
#include "core/rules/enemy_units.h"
#include "core/tagfile/record_format.h"
#include "editors/events/command_context.h"
#include "editors/events/command_dialog.h"
#include "editors/events/group_chooser.h"
#include "editors/media/effect_combo.h"
#include "previews/image_view.h"
#include "widgets/number_spin.h"

namespace lw {
namespace {

class BattleCommandDialog : public CommandDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::BattleCommandDialog)
public:
    BattleCommandDialog(CommandContext& context, QWidget* parent)
        : CommandDialog(context.editor, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(戦闘)"), parent) {
        LoadGameSettings(context_.project, context_.settings);
        NeedList(kEnemyFile, LoadEnemyUnitChoices(context_.project, enemies_));
        NeedList(kTalkFile, LoadTalkList(context_.project, texts_));

        QStringList enemies;
        for (const EnemyUnitChoice& e : enemies_) enemies << QStringLiteral("%1: %2").arg(e.index).arg(FromCp932(e.text));
        enemy_ = AddChoice(tr("敵ﾕﾆｯﾄ"), 24, enemies);
        enemy_->setMaxVisibleItems(20);
        before_ = AddTalkText(tr("会話文(戦闘前)"), texts_);
        after_ = AddTalkText(tr("会話文(戦闘後)"), texts_);

        QHBoxLayout* speedLine = AddLine();
        speed_ = AddNumber(tr("会話速度"), kTalkSpeedMin, kTalkSpeedMax,
                           std::clamp(context_.settings.letterSpeed, kTalkSpeedMin, kTalkSpeedMax), speedLine);
        escape_ = new QCheckBox(tr("逃げる"), this);
        speedLine->addWidget(escape_);
        speedLine->addStretch(1);
        background_ = AddChoice(tr("背景画像"), 20);
        background_->setMaxVisibleItems(20);
        FillImageFileCombo(background_, context_.project);
        show_ = AddPreviewSwitch(background_, tr("表示"), true);

        group_ = AddGroup(tr("戦闘後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations);
        AddButtons();
    }

private:
    void OpenPreview() override {
        // The battle field: the background with no monster sprites on it.
        ImageView& v = OpenView(ViewMode::Sprites);
        for (int i = 0; i < 6; ++i) v.LoadSpriteImage(i, {});
        ShowPreview();
    }
    void ShowPreview() override {
        if (view().IsOpen()) view().ShowOrHideComboImage(this, background_, show_->isChecked());
    }
    void Leave() override {
        view().CloseWithSprites();
        view().SetMode(ViewMode::None);
    }

    std::optional<std::string> Build() override {
        const int unit = enemy_->currentIndex();
        const BattleCommand b{
            .enemyUnit = unit >= 0 && unit < static_cast<int>(enemies_.size())
                             ? enemies_[static_cast<std::size_t>(unit)].index
                             : -1,
            .textBefore = before_->currentIndex(),
            .textAfter = after_->currentIndex(),
            .talkSpeed = speed_->TakenValue(),
            .canEscape = escape_->isChecked(),
            .afterGroup = group_->value(),
            .background = ChosenImageFile(background_),
        };
        if (CheckTokenField(b.background) == FieldProblem::HasBlank)
            return Refuse(tr("空白を含む名前の画像は使えません。\nﾌｧｲﾙ名を変えてから選択してください"));
        if (const std::size_t bytes = BattleLineBytes(b); !FitsStoredLine(bytes))
            return Refuse(LineTooLongText(bytes, tr("背景画像のﾌｧｲﾙ名")));
        return BuildBattle(b);
    }

    std::vector<EnemyUnitChoice> enemies_;
    std::vector<std::string> texts_;
    QComboBox* enemy_;
    QComboBox* before_;
    QComboBox* after_;
    NumberSpin* speed_;
    QComboBox* background_;
    QCheckBox* show_;
    QCheckBox* escape_;
    GroupChooser* group_;
};

}  // namespace

std::optional<std::string> RunBattleCommand(CommandContext& context, EventCommandKind, QWidget* parent) {
    return RunCommandDialog<BattleCommandDialog>(context, parent);
}

}  // namespace lw
