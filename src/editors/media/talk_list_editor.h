#pragma once
// The text-list editor "文章 ﾘｽﾄ" (talk_list.txt). The author writes a text in "文章内容" (Enter
// starts a new line), inserts talk commands at the caret from the command menu (each through its
// small dialog), and adds it to the list ("追加": an equal text is selected instead of added
// again) or puts it in place of the selected one ("更新"). OK writes talk_list.txt; Cancel writes
// nothing. Text in the edit that was neither added nor used to update an item is not kept.
//
// Limits are checked before anything is stored: a text whose stored form exceeds 4095 bytes is
// counted in red below the edit, and "追加"/"更新" ask before cutting it (at a character
// boundary); a text the file cannot give back (one that reads as a tag of the file) is refused.
// Characters that CP932 cannot hold cannot be typed or pasted.

class QWidget;

namespace lw {

struct EditorContext;

// Runs the editor modally; returns 1 after OK, 0 after Cancel. OK writes talk_list.txt (after the
// overwrite question; never over a file that could not be read). When talk_list.txt exists but
// cannot be read, tells the author and returns 0 without opening.
int RunTalkListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
