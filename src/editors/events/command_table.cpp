// The command menu's table: which dialog builds the line of each menu position.
#include <array>

#include "app/editor_context.h"
#include "app/language.h"
#include "app/services.h"
#include "core/media/talk_markup.h"
#include "editors/events/command_context.h"
#include "editors/events/earthquake_command_dialog.h"
#include "editors/events/face_command_dialog.h"
#include "editors/events/music_command_dialog.h"
#include "editors/events/number_command_dialog.h"

namespace lw {

// ---- The shared dialogs in event mode ----

std::optional<std::string> RunExperienceUpDialog(CommandContext& context, QWidget* parent) {
    return RunNumberCommand(context.editor, NumberCommand::ExperienceUp, parent);
}
std::optional<std::string> RunTalkFaceDialog(CommandContext& context, QWidget* parent) {
    return RunFaceCommand(context.editor, CommandDialogMode::Event, parent);
}
std::optional<std::string> RunPlayBgmDialog(CommandContext& context, QWidget* parent) {
    return RunMusicCommand(context.editor, CommandDialogMode::Event, parent);
}
std::optional<std::string> RunEarthquakeDialog(CommandContext& context, QWidget* parent) {
    return RunEarthquakeCommand(context.editor, CommandDialogMode::Event, context.groupExplanations, parent);
}

namespace {

// Menu order. Null: a keyword command (no dialog).
constexpr std::array<CommandRunner, kEventCommandCount> kRunners = {
    RunConditionalBranchDialog,  // 0 条件分岐
    nullptr,                     // 1 条件分岐終了
    RunAbilityUpDialog,          // 2 能力値ｱｯﾌﾟ
    RunBattleDialog,             // 3 戦闘
    RunShowEffectDialog,         // 4 ｴﾌｪｸﾄ表示
    nullptr,                     // 5 ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ終了
    RunEquipDialog,              // 6 装備の設定･解除
    nullptr,                     // 7 ｹﾞｰﾑ終了
    RunExperienceUpDialog,       // 8 経験点ｱｯﾌﾟ
    RunTalkFaceDialog,           // 9 会話時の顔画像
    nullptr,                     // 10 ﾌｪｰﾄﾞｱｳﾄ･ｲﾝ
    nullptr,                     // 11 PCﾌｪｰﾄﾞｲﾝ
    nullptr,                     // 12 PCﾌｪｰﾄﾞｱｳﾄ
    RunSetFlagDialog,            // 13 ﾌﾗｸﾞに数値を設定
    nullptr,                     // 14 生命点と精神点の全回復
    nullptr,                     // 15 ｹﾞｰﾑ開始時の状態に設定
    RunAddRemoveItemsDialog,     // 16 ｱｲﾃﾑの追加と削除
    nullptr,                     // 17 ﾌﾟﾚｲﾃﾞｰﾀのﾛｰﾄﾞ画面表示
    RunMagicLearnFlagDialog,     // 18 魔法修得可能ﾌﾗｸﾞ設定
    RunShowTalkDialog,           // 19 会話表示
    RunPlayBgmDialog,            // 20 BGM再生･停止
    RunChangeMoneyDialog,        // 21 所持金の増減
    RunShowNarrationDialog,      // 22 ﾅﾚｰｼｮﾝ画面表示
    RunItemCountToFlagDialog,    // 23 ｱｲﾃﾑ所持数をﾌﾗｸﾞに設定
    RunLevelToFlagDialog,        // 24 ﾚﾍﾞﾙをﾌﾗｸﾞに設定
    RunMoneyToFlagDialog,        // 25 所持金額をﾌﾗｸﾞに設定
    RunEarthquakeDialog,         // 26 地震
    RunSceneChangeDialog,        // 27 場面変更
    RunShowNpcDialog,            // 28 NPC表示･非表示
    RunShowTreasureDialog,       // 29 宝箱の表示･非表示
    RunTalkContentDialog,        // 30 会話内容
    nullptr,                     // 31 ﾀｲﾄﾙ画面表示
    RunPlaySoundDialog,          // 32 効果音再生
};

}  // namespace

CommandRunner EventCommandRunner(EventCommandKind kind) {
    const int position = static_cast<int>(kind);
    if (position < 0 || position >= kEventCommandCount) return nullptr;
    return kRunners[static_cast<std::size_t>(position)];
}

std::optional<std::string> BuildEventCommand(CommandContext& context, EventCommandKind kind, QWidget* parent) {
    if (auto keyword = BuildKeywordCommand(kind)) return keyword;
    if (CommandRunner runner = EventCommandRunner(kind)) return runner(context, parent);
    // A command whose dialog is missing says so rather than doing nothing.
    if (context.editor.services) {
        context.editor.services->ShowMessage(
            parent, Message{.text = QObject::tr("「%1」の入力画面はまだありません。この行は手で入力してください。")
                                        .arg(CoreText(EventCommandMenuLabel(kind))),
                            .icon = MessageIcon::Warning});
    }
    return std::nullopt;
}

}  // namespace lw
