// The command menu's table: which dialog builds the line of each menu position.
#include <array>

#include "app/editor_context.h"
#include "app/language.h"
#include "app/services.h"
#include "editors/events/shared_command_dialogs.h"
#include "editors/events/command_context.h"

namespace lw {

namespace {

// A dialog shared with the text editor, in event mode: `run` given `arguments` (what chooses its
// command) after the editor context.
template <auto run, auto... arguments>
std::optional<std::string> Run(CommandContext& context, EventCommandKind, QWidget* parent) {
    return run(context.editor, arguments..., parent);
}

// The earthquake offers the current scene's groups.
std::optional<std::string> RunEarthquake(CommandContext& context, EventCommandKind, QWidget* parent) {
    return RunEarthquakeCommand(context.editor, CommandDialogMode::Event, context.groupExplanations, parent);
}

constexpr auto kEvent = CommandDialogMode::Event;

// Menu order. Null: a keyword command (no dialog).
constexpr std::array<CommandRunner, kEventCommandCount> kRunners = {
    RunFlagCommand,                                             // 0 条件分岐
    nullptr,                                                    // 1 条件分岐終了
    RunPartyCommand,                                            // 2 能力値ｱｯﾌﾟ
    RunBattleCommand,                                           // 3 戦闘
    RunShowEffectCommand,                                       // 4 ｴﾌｪｸﾄ表示
    nullptr,                                                    // 5 ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ終了
    RunPartyCommand,                                            // 6 装備の設定･解除
    nullptr,                                                    // 7 ｹﾞｰﾑ終了
    Run<RunNumberCommand, NumberCommand::ExperienceUp>,         // 8 経験点ｱｯﾌﾟ
    Run<RunFaceCommand, kEvent>,                                // 9 会話時の顔画像
    nullptr,                                                    // 10 ﾌｪｰﾄﾞｱｳﾄ･ｲﾝ
    nullptr,                                                    // 11 PCﾌｪｰﾄﾞｲﾝ
    nullptr,                                                    // 12 PCﾌｪｰﾄﾞｱｳﾄ
    RunFlagCommand,                                             // 13 ﾌﾗｸﾞに数値を設定
    nullptr,                                                    // 14 生命点と精神点の全回復
    nullptr,                                                    // 15 ｹﾞｰﾑ開始時の状態に設定
    RunPartyCommand,                                            // 16 ｱｲﾃﾑの追加と削除
    nullptr,                                                    // 17 ﾌﾟﾚｲﾃﾞｰﾀのﾛｰﾄﾞ画面表示
    RunPartyCommand,                                            // 18 魔法修得可能ﾌﾗｸﾞ設定
    RunTalkCommand,                                             // 19 会話表示
    Run<RunAudioCommand, AudioList::Bgm, kEvent>,               // 20 BGM再生･停止
    RunPartyCommand,                                            // 21 所持金の増減
    RunShowEffectCommand,                                       // 22 ﾅﾚｰｼｮﾝ画面表示
    RunFlagCommand,                                             // 23 ｱｲﾃﾑ所持数をﾌﾗｸﾞに設定
    RunFlagCommand,                                             // 24 ﾚﾍﾞﾙをﾌﾗｸﾞに設定
    RunFlagCommand,                                             // 25 所持金額をﾌﾗｸﾞに設定
    RunEarthquake,                                              // 26 地震
    RunSceneChangeCommand,                                      // 27 場面変更
    RunShowHideCommand,                                         // 28 NPC表示･非表示
    RunShowHideCommand,                                         // 29 宝箱の表示･非表示
    RunTalkCommand,                                             // 30 会話内容
    nullptr,                                                    // 31 ﾀｲﾄﾙ画面表示
    Run<RunAudioCommand, AudioList::Sound, kEvent>,             // 32 効果音再生
};

}  // namespace

CommandRunner EventCommandRunner(EventCommandKind kind) {
    const int position = static_cast<int>(kind);
    if (position < 0 || position >= kEventCommandCount) return nullptr;
    return kRunners[static_cast<std::size_t>(position)];
}

std::optional<std::string> BuildEventCommand(CommandContext& context, EventCommandKind kind, QWidget* parent) {
    if (auto keyword = BuildKeywordCommand(kind)) return keyword;
    if (CommandRunner runner = EventCommandRunner(kind)) return runner(context, kind, parent);
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
