#include "editors/events/battle_command_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/command_dialog_rules.h"
#include "core/media/talk_list.h"
#include "core/tagfile/record_format.h"
#include "editors/events/command_context.h"
#include "editors/events/group_chooser.h"
#include "editors/events/talk_text_chooser.h"
#include "editors/media/effect_combo.h"
#include "previews/image_view.h"
#include "widgets/number_spin.h"

namespace lw {

BattleCommandDialog::BattleCommandDialog(CommandContext& context, QWidget* parent)
    : CommandDialog(context.editor, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(戦闘)"), parent) {
    LoadGameSettings(context_.project, context_.settings);
    NeedList(kEnemyFile, LoadEnemyUnitChoices(context_.project, enemies_));
    NeedList(kTalkFile, LoadTalkList(context_.project, texts_));

    QStringList enemies;
    for (const EnemyUnitChoice& e : enemies_) enemies << QStringLiteral("%1: %2").arg(e.index).arg(FromCp932(e.text));
    enemy_ = AddChoice(tr("敵ﾕﾆｯﾄ"), 24, enemies);
    enemy_->setMaxVisibleItems(20);
    before_ = new TalkTextChooser(tr("会話文(戦闘前)"), texts_, this);
    after_ = new TalkTextChooser(tr("会話文(戦闘後)"), texts_, this);
    body()->addWidget(before_);
    body()->addWidget(after_);

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

BattleCommandDialog::~BattleCommandDialog() = default;

BattleCommand BattleCommandDialog::battle() const {
    BattleCommand b;
    const int unit = enemy_->currentIndex();
    b.enemyUnit = unit >= 0 && unit < static_cast<int>(enemies_.size()) ? enemies_[static_cast<std::size_t>(unit)].index
                                                                         : -1;
    b.textBefore = before_->value();
    b.textAfter = after_->value();
    b.talkSpeed = speed_->TakenValue();
    b.canEscape = escape_->isChecked();
    b.afterGroup = group_->value();
    b.background = ChosenImageFile(background_);
    return b;
}

void BattleCommandDialog::OpenPreview() {
    // The battle field: the background with no monster sprites on it.
    ImageView& v = OpenView(ViewMode::Sprites);
    for (int i = 0; i < 6; ++i) v.LoadSpriteImage(i, {});
    ShowPreview();
}

void BattleCommandDialog::ShowPreview() {
    ImageView& v = view();
    if (!v.IsOpen()) return;
    v.ShowOrHideComboImage(this, background_, show_->isChecked());
}

void BattleCommandDialog::Leave() {
    view().CloseWithSprites();
    view().SetMode(ViewMode::None);
}

std::optional<std::string> BattleCommandDialog::Build() {
    const BattleCommand b = battle();
    if (CheckTokenField(b.background) == FieldProblem::HasBlank)
        return Refuse(tr("空白を含む名前の画像は使えません。\nﾌｧｲﾙ名を変えてから選択してください"));
    if (const std::size_t bytes = BattleLineBytes(b); !FitsStoredLine(bytes))
        return Refuse(LineTooLongText(bytes, tr("背景画像のﾌｧｲﾙ名")));
    return BuildBattle(b);
}

}  // namespace lw
