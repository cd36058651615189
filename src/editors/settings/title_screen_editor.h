#pragma once
// "ﾀｲﾄﾙ画面": the title screen (title.txt) and its background, slot 1 of the background table
// (image_back.txt). The preview beside it (view mode 5) shows the background with the menu drawn
// over it and follows every change as it is typed; the title music is heard on choice while
// "BGM再生" is checked.
//
// OK closes the preview, stops playback, writes image_back.txt (slot 1 given the chosen
// background) and title.txt, and ends with 1 whatever the writers returned; an entry text with a
// blank is refused with a message and the dialog stays open. Cancel and Escape close the preview,
// stop playback and end with 0; nothing is written.

class QWidget;

namespace lw {

struct EditorContext;

// Runs the editor modally; 1 after OK, 0 after Cancel. When title.txt exists but cannot be read,
// tells the author and returns 0 without opening. An unreadable image_back.txt is reported and
// left alone: the editor opens and writes title.txt only.
int RunTitleScreenEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
