#include "editors/events/music_command_dialog.h"
#include "audio/play_selection.h"
#include "app/language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "core/events/event_commands.h"
#include "core/media/talk_markup.h"
#include "widgets/audio_glue.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"
#include "widgets/play_on_select.h"

namespace lw {

MusicCommandDialog::MusicCommandDialog(EditorContext& context, CommandDialogMode mode, QWidget* parent)
    : QDialog(parent), context_(context), mode_(mode) {
    setWindowTitle(mode == CommandDialogMode::Talk ? tr("会話ｺﾏﾝﾄﾞ(BGM再生)") : tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(BGM再生)"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr("BGM"), this);
    auto* row = new QHBoxLayout(group);
    bgm_ = new QComboBox(group);
    bgm_->setMinimumContentsLength(24);
    bgm_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    play_ = new QCheckBox(tr("再生"), group);
    DiscardGuard::IgnoreChangesOf(play_);  // a preview: nothing saved
    row->addWidget(bgm_, 1);
    row->addWidget(play_);
    layout->addWidget(group);
    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);

    LoadAudioListIntoCombo(bgm_, context_.project, AudioList::Bgm);
    {
        QSignalBlocker block(bgm_);
        bgm_->insertItem(0, NoneLabel(), QByteArray(kNoneName.data(), static_cast<qsizetype>(kNoneName.size())));
        bgm_->setCurrentIndex(0);
    }
    playOnSelect_ = new PlayOnSelect(bgm_, play_, context_, AudioKind::Bgm);
    playOnSelect_->Reset();
}

int MusicCommandDialog::chosenBgm() const { return bgm_->currentIndex() < 0 ? -1 : bgm_->currentIndex() - 1; }

void MusicCommandDialog::accept() {
    line_ = mode_ == CommandDialogMode::Talk ? TalkBgmCommand(chosenBgm()) : BuildPlayBgm(chosenBgm());
    playOnSelect_->Stop();
    done(QDialog::Accepted);
}

void MusicCommandDialog::reject() {
    playOnSelect_->Stop();
    done(QDialog::Rejected);
}

std::optional<std::string> RunMusicCommand(EditorContext& context, CommandDialogMode mode, QWidget* parent) {
    MusicCommandDialog dialog(context, mode, parent);
    return RunForLine(dialog);
}

}  // namespace lw
