#pragma once
// "基本設定": the game-wide settings of setting.txt, as one list of 83 rows beside an editing area
// (PropertyEditor). The preview beside the dialog plays the effect animation of an animation row
// while "画像表示" is checked, shows the battle focus picture of the image row and the colour
// palette of the colour rows; a click on the picture or the palette picks the row's colour. The
// sound and BGM rows play their choice while "MIDI・WAVE再生" is checked.
//
// The editor works on its own copy of the settings: OK writes setting.txt (after the overwrite
// question) and makes the copy the program's settings; Cancel writes nothing and leaves the
// settings as they were read. OK and Cancel release the effect table, stop playback and close the
// preview. A setting.txt that exists but cannot be read is never saved over.

class QWidget;

namespace lw {

struct EditorContext;

// Runs the editor modally; 1 after OK, 0 after Cancel. When setting.txt exists but cannot be read
// the author is told and the editor does not open (0).
int RunBasicSettingsEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
