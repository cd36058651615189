#include "editors/events/flag_chooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/events/event_commands.h"
#include "core/events/group_text.h"
#include "core/events/flag_explanations.h"
#include "core/text/cp932.h"
#include "editors/events/command_dialog.h"
#include "widgets/cp932_validator.h"
#include "widgets/discard_guard.h"
#include "widgets/kept_value.h"
#include "widgets/list_filter.h"
#include "widgets/usages_dialog.h"

namespace lw {

FlagChooser::FlagChooser(FlagExplanations& flags, Explanation explanation, QWidget* parent)
    : QGroupBox(tr("ｲﾍﾞﾝﾄﾌﾗｸﾞ"), parent), flags_(flags), editable_(explanation == Explanation::Editable) {
    auto* column = new QVBoxLayout(this);
    auto* search = new QHBoxLayout();
    auto* row = new QHBoxLayout();
    column->addLayout(search);
    column->addLayout(row);
    row_ = row;
    search_ = search;
    choice_ = new QComboBox(this);
    // "番号 — 説明", so that a flag is found by what it is for.
    QStringList labels;
    labels.reserve(kFlagNumberMax + 1);
    for (int i = 0; i <= kFlagNumberMax; ++i) labels << FlagLabel(i);
    choice_->addItems(labels);
    choice_->setCurrentIndex(-1);
    choice_->setMaxVisibleItems(20);
    FitGroupChoices(choice_);
    filter_ = new ListFilter(choice_, tr("ﾌﾗｸﾞ"), this);
    filter_->ShowFrom(0);
    search->addWidget(filter_, 1);
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
    row_->addWidget(usages_);
    connect(choice_, &QComboBox::currentIndexChanged, usages_, [this] { usages_->setEnabled(flag() >= 0); });
    connect(usages_, &QPushButton::clicked, this, [this, &project] {
        if (flag() >= 0) ShowUsages(this, project, RefTarget::Flag, flag(), tr("ﾌﾗｸﾞ %1").arg(flag()));
    });
}

void FlagChooser::AddUnusedFilter(const Project& project) {
    unused_ = new QCheckBox(tr("未使用のみ"), this);
    unused_->setToolTip(tr("保存済みのﾌｧｲﾙのどこからも使われていないﾌﾗｸﾞだけを示します"));
    DiscardGuard::IgnoreChangesOf(unused_);  // only narrows the list
    search_->addWidget(unused_);
    connect(unused_, &QCheckBox::toggled, this, [this, &project](bool on) {
        if (!on) {
            filter_->SetRowRule({});
            return;
        }
        // The project's references as the files on disk hold them, read once.
        if (used_.empty()) {
            used_.assign(kFlagNumberMax + 1, false);
            const ProjectIndex index = BuildIndexWithProgress(this, project);
            for (const Reference& r : index.references.references())
                if (r.target == RefTarget::Flag && r.index >= 0 && r.index <= kFlagNumberMax)
                    used_[static_cast<std::size_t>(r.index)] = true;
        }
        filter_->SetRowRule([this](int row) { return !used_[static_cast<std::size_t>(row)]; });
    });
}

QString FlagChooser::FlagLabel(int flag) const {
    return QString::fromStdString(GroupChoiceLabel(flag, flags_.text[static_cast<std::size_t>(flag)]));
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
    choice_->setItemText(shownFlag_, FlagLabel(shownFlag_));
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
