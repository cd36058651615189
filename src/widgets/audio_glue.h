#pragma once
// The Qt side of the music player and of the audio lists: the player's messages as message boxes,
// and drop-downs filled with audio names.

#include <string>
#include <vector>

#include "audio/music_player.h"
#include "core/media/audio_lists.h"

class QComboBox;

namespace lw {

class Services;

// A sink for MusicPlayer that shows each message with the error icon, no owner window, an OK
// button and the message's own caption (none when empty).
AudioMessageSink AudioMessagesTo(Services& services);

// Empties `combo` and adds `names` in order, each shown as text and carrying its CP932 bytes.
void FillAudioCombo(QComboBox* combo, const std::vector<std::string>& names);

// Fills `combo` with the names of the project's BGM or sound table (LoadTableNames), "なし"
// (storing "なし") first.
void FillAudioTableCombo(QComboBox* combo, const Project& project, AudioList list);

// Fills `combo` with every name of the project's BGM or sound list file, in file order (the
// count is ignored and no limit applies), after "なし" (storing "なし") when `noneFirst`. When the
// file is missing or unreadable the combo holds no name of it.
ReadStatus LoadAudioListIntoCombo(QComboBox* combo, const Project& project, AudioList list, bool noneFirst = false);

}  // namespace lw
