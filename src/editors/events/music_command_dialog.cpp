#include "editors/events/music_command_dialog.h"

#include <QComboBox>

#include "core/events/event_commands.h"
#include "core/media/talk_markup.h"
#include "core/media/audio_lists.h"
#include "widgets/play_on_select.h"

namespace lw {

MusicCommandDialog::MusicCommandDialog(EditorContext& context, CommandDialogMode mode, QWidget* parent)
    : CommandDialog(context, mode == CommandDialogMode::Talk ? tr("会話ｺﾏﾝﾄﾞ(BGM再生)") : tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(BGM再生)"),
                    parent),
      mode_(mode) {
    const AudioChoice audio = AddAudioChoice(tr("BGM"), AudioList::Bgm);
    bgm_ = audio.choice;
    play_ = audio.play;
    playOnSelect_ = audio.player;
    AddButtons();
}

int MusicCommandDialog::chosenBgm() const { return bgm_->currentIndex() < 0 ? -1 : bgm_->currentIndex() - 1; }

std::optional<std::string> MusicCommandDialog::Build() {
    return mode_ == CommandDialogMode::Talk ? TalkBgmCommand(chosenBgm()) : BuildPlayBgm(chosenBgm());
}

void MusicCommandDialog::Leave() { playOnSelect_->Stop(); }

std::optional<std::string> RunMusicCommand(EditorContext& context, CommandDialogMode mode, QWidget* parent) {
    return RunCommandDialog<MusicCommandDialog>(context, mode, parent);
}

}  // namespace lw
