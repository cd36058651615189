#include "editors/events/group_chooser.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/services.h"
#include "core/events/group_text.h"
#include "widgets/list_filter.h"

namespace lw {

GroupChooser::GroupChooser(const QString& title, std::vector<std::string> explanations, QWidget* parent)
    : QGroupBox(title, parent), explanations_(std::move(explanations)) {
    auto* grid = new QGridLayout(this);
    combo_ = new QComboBox(this);
    combo_->addItem(tr("なし"));
    // Each group with its explanation beside its number, so that the author sees which it is.
    for (std::size_t i = 0; i < explanations_.size(); ++i)
        combo_->addItem(QString::fromStdString(GroupChoiceLabel(static_cast<int>(i), explanations_[i])));
    combo_->setCurrentIndex(0);
    // A scene may hold 256 groups: show a good part of them when the list drops down, each whole.
    combo_->setMaxVisibleItems(20);
    FitGroupChoices(combo_);
    auto* label = new QLabel(tr("説明"), this);
    explanation_ = new QLineEdit(this);
    explanation_->setReadOnly(true);
    explanation_->setMinimumWidth(220);
    label->setBuddy(explanation_);
    // A scene may hold 256 groups: the filter box above finds one by number or explanation.
    auto* filter = new ListFilter(combo_, title, this);
    filter->SetNumberOf([](int row) { return row - 1; });
    grid->addWidget(filter, 0, 0, 1, 3);
    grid->addWidget(combo_, 1, 0);
    grid->addWidget(label, 1, 1);
    grid->addWidget(explanation_, 1, 2);
    grid->setColumnStretch(2, 1);
    connect(combo_, &QComboBox::currentIndexChanged, this, [this] { ShowExplanation(); });
}

void FitGroupChoices(QComboBox* combo) {
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(12);
    combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + 32);
}

int GroupChooser::value() const {
    const int position = combo_->currentIndex();
    // Nothing chosen and "なし" are both none.
    return position >= 1 && position - 1 < GroupCount() ? position - 1 : -1;
}

void GroupChooser::SetValue(int group) { combo_->setCurrentIndex(group >= 0 && group < GroupCount() ? group + 1 : 0); }

void GroupChooser::ShowExplanation() {
    const int group = value();
    explanation_->setText(group >= 0 ? FromCp932(explanations_[static_cast<std::size_t>(group)]) : QString());
}

}  // namespace lw
