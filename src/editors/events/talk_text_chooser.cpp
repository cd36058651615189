#include "editors/events/talk_text_chooser.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/services.h"
#include "core/media/talk_list.h"

namespace lw {

TalkTextChooser::TalkTextChooser(const QString& title, const std::vector<std::string>& texts, QWidget* parent)
    : QGroupBox(title, parent), texts_(texts) {
    auto* layout = new QVBoxLayout(this);
    combo_ = new QComboBox(this);
    combo_->setMinimumContentsLength(24);
    combo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo_->setMaxVisibleItems(20);
    for (std::size_t i = 0; i < texts_.size(); ++i)
        combo_->addItem(QStringLiteral("%1: %2").arg(i).arg(FromCp932(TalkListLabel(texts_[i]))));
    combo_->setCurrentIndex(-1);
    shown_ = new QPlainTextEdit(this);
    shown_->setReadOnly(true);
    shown_->setMinimumHeight(60);
    shown_->setMaximumHeight(90);
    layout->addWidget(combo_);
    layout->addWidget(shown_);
    connect(combo_, &QComboBox::currentIndexChanged, this, [this] { ShowChosen(); });
}

int TalkTextChooser::value() const {
    const int row = combo_->currentIndex();
    return row >= 0 && row < static_cast<int>(texts_.size()) ? row : -1;
}

void TalkTextChooser::ShowChosen() {
    const int row = value();
    shown_->setPlainText(row >= 0 ? FromCp932(texts_[static_cast<std::size_t>(row)]) : QString());
}

}  // namespace lw
