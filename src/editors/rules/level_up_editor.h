#pragma once
// The growth-type editor "ﾚﾍﾞﾙｱｯﾌﾟの能力値上昇" (level_ability_list.txt): the guidance text
// "案内文" and the list of growth types, each a name and eight ability increases. Without the file
// the nine built-in types and the built-in guidance are offered. OK writes the file, Cancel writes
// nothing.

class QWidget;

namespace lw {

struct EditorContext;

// Runs the editor modally; returns 1 after OK, 0 after Cancel. When level_ability_list.txt exists
// but cannot be read, tells the author and returns 0 without opening.
int RunLevelUpEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
