#pragma once
// The rule by which an audio drop-down plays its choice. Every dialog that offers a BGM or sound
// file keeps a play flag mirroring its "再生" check box; whenever the box is clicked or the
// drop-down's choice changes:
//   - flag clear: stop everything;
//   - nothing chosen, or "なし": stop everything;
//   - otherwise play the file of that name in the project's audio folder, from slot 0 at full
//     volume: as looping BGM or as a sound played once, by the drop-down's kind.
// The Qt binding of a drop-down and its check box is PlayOnSelect (src/widgets/play_on_select.h).

#include <string_view>

#include "core/project/project.h"

namespace lw {

class MusicPlayer;

enum class AudioKind { Bgm, Sound };

// "なし" in CP932.
inline constexpr std::string_view kNoneName = "\x82\xC8\x82\xB5";

// Runs the rule for `nameCp932` (the drop-down's selected text). Does nothing without a player.
void PlaySelection(MusicPlayer* player, AudioKind kind, bool playFlag, const Project& project,
                   std::string_view nameCp932);

}  // namespace lw
