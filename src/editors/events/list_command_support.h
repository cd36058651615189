#pragma once
// What the command dialogs that choose a row of another list share: the check of the list file
// when the dialog opens, the warning of an OK check, and the row of radio buttons of a two- or
// three-way choice.
//
// A dialog whose list cannot be used says so while it is built and remembers it; its runner then
// gives nullopt without showing it (the dialog "closes as Cancel"):
//
//   MagicLearnFlagDialog dialog(context.editor, parent);
//   if (!dialog.opened()) return std::nullopt;
//   return RunForLine(dialog);

#include <QString>
#include <string_view>
#include <vector>

#include "core/tagfile/file_io.h"

class QButtonGroup;
class QGroupBox;
class QWidget;

namespace lw {

struct EditorContext;

// True when the list file `fileName` of the data folder was read. Otherwise tells the author:
// "<file> がありません" when it is missing and `missingStops` is set, the unreadable-file message
// when it exists but could not be read; gives false then (and true for a missing file that the
// dialog can do without, which leaves its list empty).
bool ListFileUsable(EditorContext& context, QWidget* owner, std::string_view fileName, ReadStatus status,
                    bool missingStops);

// An OK check's message: caption "Lorewright", exclamation icon, OK button.
void WarnCommand(EditorContext& context, QWidget* owner, const QString& text);

// Radio buttons in a row inside `box`, one per label, the button of `checked` checked; the button
// ids are the label positions.
QButtonGroup* AddRadioRow(QGroupBox* box, const std::vector<QString>& labels, int checked);

}  // namespace lw
