#pragma once
// "背景画像" and "ｶｰｿﾙ画像": the fixed picture slots of the game's screens (image_back.txt) and of
// its menu cursors (image_select.txt). A list of the slots' names, the picture of the selected
// slot chosen from the image folder, and how it is drawn; the preview beside it shows the whole
// picture, and a click on it picks the key colour.
//
// OK writes the table (after the overwrite question), closes the preview and ends with 1 whether
// or not the file was written. Cancel and Escape close the preview and end with 0; nothing is
// written.

// The table names a member `slots`, which Qt's keyword macro of that name would swallow.
#include "core/media/image_lists.h"

class QWidget;

namespace lw {

struct EditorContext;

// Runs the editor modally; 1 after OK, 0 after Cancel. When the table's file exists but cannot be
// read, tells the author and returns 0 without opening.
int RunImageTableEditor(EditorContext& context, ImageTableKind kind, QWidget* parent);

}  // namespace lw
