#pragma once
// What the command dialogs of the event command editor work with, and the runner of each dialog.
//
// The editor (scene form or owner form) fills a CommandContext each time the command menu is used:
// the explanations of the current scene's groups (their count is the group count the group
// choosers offer) and the flag explanation table the flag dialogs show and edit. Each command
// dialog is run through its runner, which opens the dialog modally and gives the built line (CP932
// bytes, at most 64) when the author confirmed it, nullopt when the author cancelled or the
// dialog could not open (a list it needs is missing: it says so itself). command_table.cpp maps
// each menu position to its runner.

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

// A command dialog: runs the dialog of menu position `kind` modally and gives the built line when
// confirmed.
using CommandRunner = std::optional<std::string> (*)(CommandContext& context, EventCommandKind kind, QWidget* parent);

// The runner of a menu position, or null for the ten keyword commands (BuildKeywordCommand).
CommandRunner EventCommandRunner(EventCommandKind kind);

// The runners of the dialogs only this menu opens, each defined beside its dialogs (the kind picks
// the dialog or its variant).
std::optional<std::string> RunFlagCommand(CommandContext& context, EventCommandKind kind, QWidget* parent);
std::optional<std::string> RunPartyCommand(CommandContext& context, EventCommandKind kind, QWidget* parent);
std::optional<std::string> RunBattleCommand(CommandContext& context, EventCommandKind kind, QWidget* parent);
std::optional<std::string> RunShowEffectCommand(CommandContext& context, EventCommandKind kind, QWidget* parent);
std::optional<std::string> RunShowHideCommand(CommandContext& context, EventCommandKind kind, QWidget* parent);
std::optional<std::string> RunSceneChangeCommand(CommandContext& context, EventCommandKind kind, QWidget* parent);
std::optional<std::string> RunTalkCommand(CommandContext& context, EventCommandKind kind, QWidget* parent);

// The line of a menu position: the keyword at once, or the dialog's line; nullopt when cancelled.
std::optional<std::string> BuildEventCommand(CommandContext& context, EventCommandKind kind, QWidget* parent);

}  // namespace lw
