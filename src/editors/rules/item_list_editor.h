#pragma once
// "ｱｲﾃﾑ ﾘｽﾄ": the item list (item_list.txt). A list of items beside one form: name, kind,
// "廃棄・売却不可", the ten ability bonuses, health state, weapon animation (played in the image
// preview beside the dialog), sound effect (heard on choosing it), price and a multi-line
// description. "追加" appends the form as a new item, "更新" replaces the selected one; OK writes
// the file, Cancel writes nothing.

class QWidget;

namespace lw {

struct EditorContext;

// Runs the editor modally; returns 1 after OK, 0 after Cancel. When item_list.txt exists but
// cannot be read, tells the author and returns 0 without opening.
int RunItemListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
