#include "editors/events/play_sound_dialog.h"

#include <QButtonGroup>
#include <QComboBox>

#include "app/language.h"
#include "core/events/event_commands.h"
#include "core/media/audio_lists.h"
#include "editors/events/command_context.h"
#include "widgets/play_on_select.h"

namespace lw {

PlaySoundDialog::PlaySoundDialog(EditorContext& context, QWidget* parent)
    : CommandDialog(context, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(効果音再生)"), parent),
      sound_(AddAudioChoice(tr("効果音"), AudioList::Sound)) {
    std::vector<QString> timings;
    for (int i = 0; i < kSoundTimingCount; ++i) timings.push_back(CoreText(SoundTimingLabel(static_cast<SoundTiming>(i))));
    timing_ = AddRadios(tr("再生時期"), timings, static_cast<int>(SoundTiming::AfterEvent));
    AddButtons();
    NeedList(FormatOf(AudioList::Sound).fileName, sound_.read);
}

int PlaySoundDialog::chosenSound() const {
    return sound_.choice->currentIndex() < 0 ? -1 : sound_.choice->currentIndex() - 1;
}

std::optional<std::string> PlaySoundDialog::Build() {
    const int id = timing_->checkedId();
    const SoundTiming timing = id >= 0 && id < kSoundTimingCount ? static_cast<SoundTiming>(id) : SoundTiming::AfterEvent;
    return BuildPlaySound(chosenSound(), timing);
}

void PlaySoundDialog::Leave() { sound_.player->Stop(); }

}  // namespace lw
