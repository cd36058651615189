#pragma once
// What the small command dialogs shared by the event command editor and the text-list editor have
// in common.
//
// Each shared dialog (music, face, number, earthquake) is built once and runs in one of two modes:
// in event mode it builds an event command line (event_commands.h) under an "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(...)"
// caption; in talk mode it builds the talk markup of the same command (talk_markup.h) under a
// "会話ｺﾏﾝﾄﾞ(...)" caption. Use:
//
//   MusicCommandDialog dialog(context, CommandDialogMode::Event, this);
//   if (dialog.exec() == QDialog::Accepted) InsertCommandLine(dialog.line());
//
// or in one call: if (auto line = RunMusicCommand(context, CommandDialogMode::Event, this)) ...
// line() is the built text in CP932 bytes; it is empty until the dialog was confirmed.

#include <QDialog>
#include <optional>
#include <string>

namespace lw {

enum class CommandDialogMode { Event, Talk };

// Runs `dialog` modally and gives its line when it was confirmed.
template <class Dialog>
std::optional<std::string> RunForLine(Dialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.line();
}

}  // namespace lw
