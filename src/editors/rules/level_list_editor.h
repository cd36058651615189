#pragma once
// The level list editor "ﾚﾍﾞﾙﾘｽﾄ" (level_list.txt): a two-column table of the levels and the
// experience points each needs, the "必要経験点" field that updates the selected row, and the
// "最大ﾚﾍﾞﾙ" field that cuts or extends the table. OK writes the file, Cancel writes nothing.

class QWidget;

namespace lw {

struct EditorContext;

// Runs the editor modally; returns 1 after OK, 0 after Cancel. When level_list.txt exists but cannot
// be read, tells the author and returns 0 without opening.
int RunLevelListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
