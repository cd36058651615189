#pragma once
// What the command dialogs of the event command editor work with, and the runner of each dialog.
//
// The editor (scene form or owner form) fills a CommandContext each time the command menu is used:
// the explanations of the current scene's groups (their count is the group count the group
// choosers offer) and the flag explanation table the flag dialogs show and edit. Each command
// dialog is run through its runner, which opens the dialog modally and gives the built line (CP932
// bytes, at most 64) when the author confirmed it, nullopt when the author cancelled or the
// dialog could not open (a list it needs is missing: it says so itself).

#include <optional>
#include <string>
#include <vector>

#include "core/events/event_commands.h"

class QWidget;

namespace lw {

struct EditorContext;
struct FlagExplanations;

struct CommandContext {
    EditorContext& editor;
    // The flag explanations the flag dialogs show and edit in place (the editor's table).
    FlagExplanations& flags;
    // The explanations (CP932) of the groups of the scene whose groups are edited, by group number;
    // the size is the scene's group count.
    std::vector<std::string> groupExplanations;
    // The scene whose groups are edited (its number), -1 when none.
    int sceneNumber = -1;
};

// A command dialog: runs it modally and gives the built line when confirmed.
using CommandRunner = std::optional<std::string> (*)(CommandContext& context, QWidget* parent);

// ---- The runners, in menu order (each is defined beside its dialog) ----
std::optional<std::string> RunConditionalBranchDialog(CommandContext& context, QWidget* parent);  // 0
std::optional<std::string> RunAbilityUpDialog(CommandContext& context, QWidget* parent);          // 2
std::optional<std::string> RunBattleDialog(CommandContext& context, QWidget* parent);             // 3
std::optional<std::string> RunShowEffectDialog(CommandContext& context, QWidget* parent);         // 4
std::optional<std::string> RunEquipDialog(CommandContext& context, QWidget* parent);              // 6
std::optional<std::string> RunExperienceUpDialog(CommandContext& context, QWidget* parent);       // 8
std::optional<std::string> RunTalkFaceDialog(CommandContext& context, QWidget* parent);           // 9
std::optional<std::string> RunSetFlagDialog(CommandContext& context, QWidget* parent);            // 13
std::optional<std::string> RunAddRemoveItemsDialog(CommandContext& context, QWidget* parent);     // 16
std::optional<std::string> RunMagicLearnFlagDialog(CommandContext& context, QWidget* parent);     // 18
std::optional<std::string> RunShowTalkDialog(CommandContext& context, QWidget* parent);           // 19
std::optional<std::string> RunPlayBgmDialog(CommandContext& context, QWidget* parent);            // 20
std::optional<std::string> RunChangeMoneyDialog(CommandContext& context, QWidget* parent);        // 21
std::optional<std::string> RunShowNarrationDialog(CommandContext& context, QWidget* parent);      // 22
std::optional<std::string> RunItemCountToFlagDialog(CommandContext& context, QWidget* parent);    // 23
std::optional<std::string> RunLevelToFlagDialog(CommandContext& context, QWidget* parent);        // 24
std::optional<std::string> RunMoneyToFlagDialog(CommandContext& context, QWidget* parent);        // 25
std::optional<std::string> RunEarthquakeDialog(CommandContext& context, QWidget* parent);         // 26
std::optional<std::string> RunSceneChangeDialog(CommandContext& context, QWidget* parent);        // 27
std::optional<std::string> RunShowNpcDialog(CommandContext& context, QWidget* parent);            // 28
std::optional<std::string> RunShowTreasureDialog(CommandContext& context, QWidget* parent);       // 29
std::optional<std::string> RunTalkContentDialog(CommandContext& context, QWidget* parent);        // 30
std::optional<std::string> RunPlaySoundDialog(CommandContext& context, QWidget* parent);          // 32

// The runner of a menu position, or null for the ten keyword commands (BuildKeywordCommand).
CommandRunner EventCommandRunner(EventCommandKind kind);

// The line of a menu position: the keyword at once, or the dialog's line; nullopt when cancelled.
std::optional<std::string> BuildEventCommand(CommandContext& context, EventCommandKind kind, QWidget* parent);

}  // namespace lw
