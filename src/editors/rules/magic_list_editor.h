#pragma once
// "魔法ﾘｽﾄ1": the magic list (magic_list.txt), one spell per row by its name. "追加..." and
// "編集..." open the spell in "魔法ﾘｽﾄ2", the property editor of one spell; "表示" plays the attack
// animation of the selected spell in the image preview while the spell deals damage. OK writes the
// file, Cancel writes nothing. While the list is empty only "追加..." and "ｷｬﾝｾﾙ" can be used, so
// this editor never writes an empty list.

class QWidget;

namespace lw {

struct EditorContext;

// Runs the editor modally; returns 1 after OK, 0 after Cancel. When magic_list.txt exists but
// cannot be read, tells the author and returns 0 without opening.
int RunMagicListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
