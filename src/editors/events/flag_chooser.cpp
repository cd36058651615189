#include "editors/events/flag_chooser.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/events/event_commands.h"
#include "core/events/flag_explanations.h"
#include "core/text/cp932.h"
#include "widgets/cp932_validator.h"
#include "widgets/kept_value.h"
#include "widgets/usages_dialog.h"

namespace lw {

FlagChooser::FlagChooser(FlagExplanations& flags, Explanation explanation, QWidget* parent)
    : QGroupBox(tr("ｲﾍﾞﾝﾄﾌﾗｸﾞ"), parent), flags_(flags), editable_(explanation == Explanation::Editable) {
    auto* row = new QHBoxLayout(this);
    choice_ = new QComboBox(this);
    QStringList numbers;
    numbers.reserve(kFlagNumberMax + 1);
    for (int i = 0; i <= kFlagNumberMax; ++i) numbers << QString::number(i);
    choice_->addItems(numbers);
    choice_->setCurrentIndex(-1);
    choice_->setMaxVisibleItems(20);
    choice_->setMinimumContentsLength(5);
    row->addWidget(choice_);
    row->addWidget(new QLabel(tr("説明"), this));
    explanation_ = new QLineEdit(this);
    explanation_->setMinimumWidth(260);
    explanation_->setReadOnly(!editable_);
    if (editable_) {
        explanation_->setMaxLength(256);
        LimitToCp932(explanation_, static_cast<int>(kFlagExplanationBytes));
        explanation_->installEventFilter(this);
        // Every change is stored at once, typed or set through an accessibility action.
        connect(explanation_, &QLineEdit::textChanged, this, [this] { StoreExplanation(); });
    }
    explanation_->setEnabled(false);
    row->addWidget(explanation_, 1);
    connect(choice_, &QComboBox::currentIndexChanged, this, [this] { ShowExplanation(); });
}

void FlagChooser::AddUsagesButton(const Project& project) {
    usages_ = new QPushButton(tr("使用箇所..."), this);
    usages_->setAutoDefault(false);
    usages_->setAccessibleName(tr("選択したﾌﾗｸﾞの使用箇所"));
    usages_->setEnabled(flag() >= 0);
    layout()->addWidget(usages_);
    connect(choice_, &QComboBox::currentIndexChanged, usages_, [this] { usages_->setEnabled(flag() >= 0); });
    connect(usages_, &QPushButton::clicked, this, [this, &project] {
        if (flag() >= 0) ShowUsages(this, project, RefTarget::Flag, flag(), tr("ﾌﾗｸﾞ %1").arg(flag()));
    });
}

int FlagChooser::flag() const { return choice_->currentIndex(); }

void FlagChooser::setFlag(int flag) { choice_->setCurrentIndex(flag >= 0 && flag <= kFlagNumberMax ? flag : -1); }

void FlagChooser::StoreExplanation() {
    if (!editable_ || shownFlag_ < 0 || !ChangedSinceLoad(explanation_)) return;
    std::string text = TextValue(explanation_);
    std::string& stored = flags_.text[static_cast<std::size_t>(shownFlag_)];
    stored = CutCopy(text, kFlagExplanationBytes);
    // What is in the table now is what the field shows (rewritten only when cut, so typing keeps
    // its caret).
    if (stored != text) LoadText(explanation_, stored);
}

void FlagChooser::ShowExplanation() {
    StoreExplanation();
    shownFlag_ = flag();
    explanation_->setEnabled(shownFlag_ >= 0);
    LoadText(explanation_, shownFlag_ >= 0 ? std::string_view(flags_.text[static_cast<std::size_t>(shownFlag_)])
                                           : std::string_view());
}

bool FlagChooser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == explanation_ && event->type() == QEvent::FocusOut) StoreExplanation();
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace lw
