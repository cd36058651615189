#include "editors/events/play_sound_dialog.h"
#include "audio/play_selection.h"
#include "app/language.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "core/events/event_commands.h"
#include "core/media/audio_lists.h"
#include "editors/events/command_context.h"
#include "editors/events/list_command_support.h"
#include "widgets/audio_glue.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"
#include "widgets/play_on_select.h"

namespace lw {

PlaySoundDialog::PlaySoundDialog(EditorContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setWindowTitle(tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(効果音再生)"));
    auto* layout = new QVBoxLayout(this);
    auto* soundBox = new QGroupBox(tr("効果音"), this);
    auto* soundRow = new QHBoxLayout(soundBox);
    sound_ = new QComboBox(soundBox);
    sound_->setMinimumContentsLength(24);
    sound_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    play_ = new QCheckBox(tr("再生"), soundBox);
    DiscardGuard::IgnoreChangesOf(play_);  // a preview: nothing saved
    soundRow->addWidget(sound_, 1);
    soundRow->addWidget(play_);
    layout->addWidget(soundBox);

    auto* timingBox = new QGroupBox(tr("再生時期"), this);
    std::vector<QString> timings;
    for (int i = 0; i < kSoundTimingCount; ++i) timings.push_back(CoreText(SoundTimingLabel(static_cast<SoundTiming>(i))));
    timing_ = AddRadioRow(timingBox, timings, static_cast<int>(SoundTiming::AfterEvent));
    layout->addWidget(timingBox);

    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);

    opened_ = ListFileUsable(context_, parent, FormatOf(AudioList::Sound).fileName,
                             LoadAudioListIntoCombo(sound_, context_.project, AudioList::Sound), false);
    {
        QSignalBlocker block(sound_);
        sound_->insertItem(0, NoneLabel(), QByteArray(kNoneName.data(), static_cast<qsizetype>(kNoneName.size())));
        sound_->setCurrentIndex(0);
    }
    playOnSelect_ = new PlayOnSelect(sound_, play_, context_, AudioKind::Sound);
    playOnSelect_->Reset();
}

int PlaySoundDialog::chosenSound() const { return sound_->currentIndex() < 0 ? -1 : sound_->currentIndex() - 1; }

void PlaySoundDialog::accept() {
    const int id = timing_->checkedId();
    const SoundTiming timing = id >= 0 && id < kSoundTimingCount ? static_cast<SoundTiming>(id) : SoundTiming::AfterEvent;
    line_ = BuildPlaySound(chosenSound(), timing);
    playOnSelect_->Stop();
    done(QDialog::Accepted);
}

void PlaySoundDialog::reject() {
    playOnSelect_->Stop();
    done(QDialog::Rejected);
}

std::optional<std::string> RunPlaySoundDialog(CommandContext& context, QWidget* parent) {
    PlaySoundDialog dialog(context.editor, parent);
    if (!dialog.opened()) return std::nullopt;
    return RunForLine(dialog);
}

}  // namespace lw
