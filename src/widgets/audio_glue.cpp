#include "widgets/audio_glue.h"
#include "app/language.h"

#include <QByteArray>
#include <QComboBox>
#include <QSignalBlocker>

#include "app/services.h"
#include "audio/play_selection.h"

namespace lw {

AudioMessageSink AudioMessagesTo(Services& services) {
    return [&services](const AudioMessage& m) {
        Message box;
        // A message is one text, or a text and a line of advice after it: each is translated.
        const std::size_t lineBreak = m.text.find('\n');
        box.text = lineBreak == std::string::npos
                       ? CoreText(m.text)
                       : CoreText(std::string_view(m.text).substr(0, lineBreak)) + QLatin1Char('\n') +
                             CoreText(std::string_view(m.text).substr(lineBreak + 1));
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
            combo->addItem(name == kNoneName ? NoneLabel() : FromCp932(name), QByteArray(name.data(), static_cast<qsizetype>(name.size())));
        }
    }
}

void FillAudioTableCombo(QComboBox* combo, const Project& project, AudioList list) {
    std::vector<std::string> names{std::string(kNoneName)};
    for (std::string& name : LoadTableNames(project, list)) names.push_back(std::move(name));
    FillAudioCombo(combo, names);
}

ReadStatus LoadAudioListIntoCombo(QComboBox* combo, const Project& project, AudioList list, bool noneFirst) {
    std::vector<std::string> names;
    const ReadStatus status = LoadAudioListNames(project, list, names);
    if (noneFirst) names.insert(names.begin(), std::string(kNoneName));
    FillAudioCombo(combo, names);
    return status;
}

}  // namespace lw
