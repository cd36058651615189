#include "editors/events/battle_command_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/command_dialog_rules.h"
#include "core/media/talk_list.h"
#include "core/tagfile/record_format.h"
#include "editors/events/command_context.h"
#include "editors/events/command_dialog_support.h"
#include "editors/events/group_chooser.h"
#include "editors/events/shared_command_dialog.h"
#include "editors/events/talk_text_chooser.h"
#include "editors/media/effect_combo.h"
#include "previews/image_view.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"
#include "widgets/number_spin.h"

namespace lw {

BattleCommandDialog::BattleCommandDialog(CommandContext& context, QWidget* parent)
    : PreviewDialog(context.editor, parent) {
    setWindowTitle(tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(戦闘)"));
    LoadGameSettings(context_.project, context_.settings);
    enemiesRead_ = LoadEnemyUnitChoices(context_.project, enemies_);
    textsRead_ = LoadTalkList(context_.project, texts_);

    auto* layout = new QVBoxLayout(this);
    auto* enemyBox = new QGroupBox(tr("敵ﾕﾆｯﾄ"), this);
    auto* enemyRow = new QHBoxLayout(enemyBox);
    enemy_ = new QComboBox(enemyBox);
    enemy_->setMinimumContentsLength(24);
    enemy_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    enemy_->setMaxVisibleItems(20);
    for (const EnemyUnitChoice& e : enemies_)
        enemy_->addItem(QStringLiteral("%1: %2").arg(e.index).arg(FromCp932(e.text)));
    enemy_->setCurrentIndex(-1);
    enemyRow->addWidget(enemy_, 1);
    layout->addWidget(enemyBox);

    before_ = new TalkTextChooser(tr("会話文(戦闘前)"), texts_, this);
    after_ = new TalkTextChooser(tr("会話文(戦闘後)"), texts_, this);
    layout->addWidget(before_);
    layout->addWidget(after_);

    auto* middle = new QGridLayout();
    auto* speedBox = new QGroupBox(tr("会話速度"), this);
    auto* speedRow = new QHBoxLayout(speedBox);
    speed_ = new NumberSpin(kTalkSpeedMin, kTalkSpeedMax,
                            std::clamp(context_.settings.letterSpeed, kTalkSpeedMin, kTalkSpeedMax), speedBox);
    speedRow->addWidget(speed_);
    escape_ = new QCheckBox(tr("逃げる"), this);
    auto* backgroundBox = new QGroupBox(tr("背景画像"), this);
    auto* backgroundRow = new QHBoxLayout(backgroundBox);
    background_ = new QComboBox(backgroundBox);
    background_->setMinimumContentsLength(20);
    background_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    background_->setMaxVisibleItems(20);
    FillImageFileCombo(background_, context_.project);
    show_ = new QCheckBox(tr("表示"), backgroundBox);
    DiscardGuard::IgnoreChangesOf(show_);  // a preview: nothing saved
    show_->setChecked(true);
    backgroundRow->addWidget(background_, 1);
    backgroundRow->addWidget(show_);
    middle->addWidget(speedBox, 0, 0);
    middle->addWidget(escape_, 0, 1, Qt::AlignLeft);
    middle->addWidget(backgroundBox, 1, 0, 1, 2);
    middle->setColumnStretch(1, 1);
    layout->addLayout(middle);

    group_ = new GroupChooser(tr("戦闘後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations, this);
    layout->addWidget(group_);
    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);

    connect(background_, &QComboBox::currentIndexChanged, this, [this] { ShowBackground(); });
    connect(show_, &QCheckBox::toggled, this, [this] { ShowBackground(); });
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
    ImageView& v = view();
    v.Open(this);
    // The battle field: the background with no monster sprites on it.
    v.SetMode(ViewMode::Sprites, this);
    v.SetCursorShape(Qt::ArrowCursor);
    for (int i = 0; i < 6; ++i) v.LoadSpriteImage(i, {});
    ShowBackground();
}

void BattleCommandDialog::ShowBackground() {
    ImageView& v = view();
    if (!v.IsOpen()) return;
    v.ShowOrHideComboImage(this, background_, show_->isChecked());
}

void BattleCommandDialog::Leave() {
    view().CloseWithSprites();
    view().SetMode(ViewMode::None);
}

void BattleCommandDialog::accept() {
    const BattleCommand b = battle();
    if (CheckTokenField(b.background) == FieldProblem::HasBlank) {
        WarnAuthor(context_, this, tr("空白を含む名前の画像は使えません。\nﾌｧｲﾙ名を変えてから選択してください"));
        return;
    }
    if (const std::size_t bytes = BattleLineBytes(b); !FitsStoredLine(bytes)) {
        WarnAuthor(context_, this, LineTooLongText(bytes, tr("背景画像のﾌｧｲﾙ名")));
        return;
    }
    line_ = BuildBattle(b);
    Leave();
    done(QDialog::Accepted);
}

void BattleCommandDialog::reject() {
    Leave();
    done(QDialog::Rejected);
}

std::optional<std::string> RunBattleDialog(CommandContext& context, QWidget* parent) {
    BattleCommandDialog dialog(context, parent);
    if (ReportUnreadableList(context.editor, parent,
                             {{kEnemyFile, dialog.enemiesRead()}, {kTalkFile, dialog.textsRead()}}))
        return std::nullopt;
    return RunForLine(dialog);
}

}  // namespace lw
