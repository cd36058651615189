#include "widgets/play_on_select.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

#include "app/editor_context.h"
#include "app/services.h"
#include "audio/music_player.h"

namespace lw {

PlayOnSelect::PlayOnSelect(QComboBox* files, QCheckBox* play, EditorContext& context, AudioKind kind)
    : QObject(files), files_(files), play_(play), context_(context), kind_(kind) {
    // Any change of the box (mouse, keys, accessibility action) takes its new state; Reset does not
    // play.
    connect(play_, &QCheckBox::toggled, this, [this](bool checked) {
        flag_ = checked;
        Run();
    });
    connect(files_, &QComboBox::currentIndexChanged, this, [this] { Run(); });
}

void PlayOnSelect::Reset() {
    {
        QSignalBlocker block(play_);
        play_->setChecked(false);
    }
    flag_ = false;
    if (context_.player) context_.player->StopAll();
}

void PlayOnSelect::Stop() {
    if (context_.player) context_.player->StopAll();
}

void PlayOnSelect::Run() { PlaySelection(context_.player, kind_, flag_, context_.project, ChosenName(files_)); }

std::string PlayOnSelect::ChosenName(const QComboBox* files) {
    const int index = files->currentIndex();
    if (index < 0) return {};
    const QVariant data = files->itemData(index, Qt::UserRole);
    if (data.typeId() == QMetaType::QByteArray) return data.toByteArray().toStdString();
    return ToCp932(files->itemText(index)).value_or(std::string());
}

}  // namespace lw
