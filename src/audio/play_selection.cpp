#include "audio/play_selection.h"

#include "audio/music_player.h"

namespace lw {

void PlaySelection(MusicPlayer* player, AudioKind kind, bool playFlag, const Project& project,
                   std::string_view nameCp932) {
    if (!player) return;
    if (!playFlag || nameCp932.empty() || nameCp932 == kNoneName) {
        player->StopAll();
        return;
    }
    const auto path = AudioFilePath(project, nameCp932);
    if (kind == AudioKind::Bgm) {
        player->PlayMusicFile(0, path, 0);
    } else {
        player->PlaySoundFile(0, path, 0);
    }
}

}  // namespace lw
