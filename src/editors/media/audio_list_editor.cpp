#include "editors/media/audio_list_editor.h"

#include <tuple>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "app/services.h"
#include "widgets/dialog_buttons.h"
#include "audio/music_player.h"
#include "widgets/audio_glue.h"
#include "widgets/preview_box.h"
#include "widgets/play_on_select.h"
#include "widgets/read_guard.h"

namespace lw {

AudioListEditor::AudioListEditor(EditorContext& context, AudioList list, QWidget* parent)
    : QDialog(parent), context_(context), kind_(list) {
    setWindowTitle(list == AudioList::Bgm ? tr("BGM ﾘｽﾄ") : tr("効果音ﾘｽﾄ"));

    auto* layout = new QVBoxLayout(this);
    ListEditorOptions options;
    panel_ = new ListEditorPanel(options, this);
    panel_->AddUsagesButton(context.project, list == AudioList::Bgm ? RefTarget::Bgm : RefTarget::Sound);
    panel_->view()->setMinimumSize(260, 240);
    layout->addWidget(panel_, 1);

    files_ = new QComboBox(this);
    files_->setEditable(false);
    files_->setAccessibleName(tr("ﾌｧｲﾙ"));  // the drop-down has no label of its own
    play_ = NewPreviewBox(tr("再生"), this);
    layout->addLayout(PreviewChoiceRow(files_, 24, play_));

    auto* buttonRow = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttonRow);
    layout->addLayout(buttonRow);

    list_ = std::make_unique<ListEditor<std::string>>(panel_, [](const std::string& name) {
        return QStringList{FromCp932(name)};
    });
    // "追加": the drop-down's choice, appended unless the list already holds it (then that entry is
    // selected); nothing without a choice.
    list_->OnAdd([this]() -> std::optional<std::string> {
        if (files_->currentIndex() < 0) return std::nullopt;
        return PlayOnSelect::ChosenName(files_);
    });
    list_->AddSelectsEqual([](const std::string& a, const std::string& b) { return a == b; });
    list_->KeepReferences(context_, this, list == AudioList::Bgm ? RefTarget::Bgm : RefTarget::Sound);

    // The drop-down: every file of the audio folder, in the order of AudioFolderChoices, the first
    // one chosen.
    FillAudioCombo(files_, AudioFolderChoices(context_.project));
    playOnSelect_ = new PlayOnSelect(files_, play_, context_,
                                     list == AudioList::Bgm ? AudioKind::Bgm : AudioKind::Sound);
    if (context_.player) context_.player->StopAll();

    // The list comes from the file on disk; a missing file is an empty list.
    std::vector<std::string> names;
    loadStatus_ = LoadAudioListNames(context_.project, kind_, names);
    list_->SetRecords(std::move(names));

    playOnSelect_->Reset();
}

void AudioListEditor::accept() {
    playOnSelect_->Stop();
    if (!SaveUnlessUnreadable(context_, this, loadStatus_,
                              [this](SaveUi& ui) {
                                  list_->Save(ui, FormatOf(kind_).fileName,
                                              [this](const std::vector<std::string>& n) { return AudioListBytes(kind_, n); },
                                              [this](SaveUi& u) { return SaveAudioList(context_.project, kind_, list_->records(), u); });
                              }))
        return;
    done(QDialog::Accepted);
}

void AudioListEditor::reject() {
    playOnSelect_->Stop();
    done(QDialog::Rejected);
}

int RunAudioListEditor(EditorContext& context, AudioList list, QWidget* parent) {
    AudioListEditor editor(context, list, parent);
    if (ReportUnreadable(context, parent, FormatOf(list).fileName, editor.loadStatus())) return QDialog::Rejected;
    return editor.exec();
}

}  // namespace lw
