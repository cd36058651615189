#include "widgets/audio_glue.h"

#include <QByteArray>
#include <QComboBox>
#include <QSignalBlocker>

#include "app/services.h"

namespace lw {

AudioMessageSink AudioMessagesTo(Services& services) {
    return [&services](const AudioMessage& m) {
        Message box;
        box.text = QString::fromStdString(m.text);
        box.caption = QString::fromStdString(m.caption);
        box.icon = m.error ? MessageIcon::Error : MessageIcon::Information;
        services.ShowMessage(nullptr, box);
    };
}

void FillAudioCombo(QComboBox* combo, const std::vector<std::string>& names) {
    {
        // Filling is not a choice of the author: no play-on-select while the items go in.
        QSignalBlocker block(combo);
        combo->clear();
        for (const auto& name : names) {
            combo->addItem(FromCp932(name), QByteArray(name.data(), static_cast<qsizetype>(name.size())));
        }
    }
}

ReadStatus LoadAudioListIntoCombo(QComboBox* combo, const Project& project, AudioList list) {
    std::vector<std::string> names;
    const ReadStatus status = LoadAudioListNames(project, list, names);
    FillAudioCombo(combo, names);
    return status;
}

}  // namespace lw
