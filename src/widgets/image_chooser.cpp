#include "widgets/image_chooser.h"
#include "app/language.h"

#include <QApplication>
#include <QByteArray>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "app/services.h"
#include "audio/play_selection.h"
#include "core/media/file_choices.h"

namespace lw {

ImageChooser::ImageChooser(QWidget* parent) : QComboBox(parent) {
    setMinimumContentsLength(20);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

void ImageChooser::Fill(const Project& project, bool withNone) { SetEntries(ImageFolderChoices(project), withNone); }

void ImageChooser::SetEntries(std::vector<std::string> entries, bool withNone) {
    QSignalBlocker block(this);
    withNone_ = withNone;
    entries_ = std::move(entries);
    if (withNone) entries_.insert(entries_.begin(), std::string(kNoneName));
    clear();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const std::string& e = entries_[i];
        addItem(withNone && i == 0 ? NoneLabel() : FromCp932(e), QByteArray(e.data(), static_cast<qsizetype>(e.size())));
    }
    setCurrentIndex(-1);
    loadedIndex_ = -2;
    loadedName_.clear();
}

void ImageChooser::LoadName(std::string_view name) {
    QSignalBlocker block(this);
    setCurrentIndex(FirstEntryWithPrefix(entries_, name));
    loadedName_ = std::string(name);
    loadedIndex_ = currentIndex();
}

std::string ImageChooser::ChosenName() const {
    const int index = currentIndex();
    if (index == loadedIndex_) return loadedName_;
    if (index < 0 || index >= static_cast<int>(entries_.size())) return {};
    return entries_[static_cast<std::size_t>(index)];
}

bool ImageChooser::NoneChosen() const { return withNone_ && currentIndex() == 0; }

int ImageChooser::SelectByPrefix(std::string_view prefix) {
    const int index = FirstEntryWithPrefix(entries_, prefix);
    if (index >= 0) setCurrentIndex(index);
    return index;
}

void ImageChooser::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!printable) {
        QComboBox::keyPressEvent(event);
        return;
    }
    // Keys typed in quick succession make one name, as in a list box.
    if (!typedAt_.isValid() || typedAt_.elapsed() > QApplication::keyboardInputInterval()) typed_.clear();
    typed_ += text;
    typedAt_.restart();
    if (const std::optional<std::string> prefix = ToCp932(typed_)) SelectByPrefix(*prefix);
    event->accept();
}

}  // namespace lw
