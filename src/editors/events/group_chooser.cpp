#include "editors/events/group_chooser.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/services.h"

namespace lw {

GroupChooser::GroupChooser(const QString& title, std::vector<std::string> explanations, QWidget* parent)
    : QGroupBox(title, parent), explanations_(std::move(explanations)) {
    auto* grid = new QGridLayout(this);
    combo_ = new QComboBox(this);
    combo_->addItem(tr("なし"));
    for (std::size_t i = 0; i < explanations_.size(); ++i) combo_->addItem(QString::number(i));
    combo_->setCurrentIndex(0);
    // A scene may hold 256 groups: show a good part of them when the list drops down.
    combo_->setMaxVisibleItems(20);
    label_ = new QLabel(tr("説明"), this);
    explanation_ = new QLineEdit(this);
    explanation_->setReadOnly(true);
    explanation_->setMinimumWidth(220);
    label_->setBuddy(explanation_);
    grid->addWidget(combo_, 0, 0);
    grid->addWidget(label_, 0, 1);
    grid->addWidget(explanation_, 0, 2);
    grid->setColumnStretch(2, 1);
    connect(combo_, &QComboBox::currentIndexChanged, this, [this] {
        ShowExplanation();
        emit valueChanged(value());
    });
}

int GroupChooser::value() const {
    const int position = combo_->currentIndex();
    // Nothing chosen and "なし" are both none.
    return position >= 1 && position - 1 < groupCount() ? position - 1 : -1;
}

void GroupChooser::SetValue(int group) { combo_->setCurrentIndex(group >= 0 && group < groupCount() ? group + 1 : 0); }

void GroupChooser::ShowExplanation() {
    const int group = value();
    explanation_->setText(group >= 0 ? FromCp932(explanations_[static_cast<std::size_t>(group)]) : QString());
}

}  // namespace lw
