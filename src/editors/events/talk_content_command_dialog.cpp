#include "editors/events/talk_content_command_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/command_dialog_rules.h"
#include "core/media/talk_list.h"
#include "core/tagfile/record_format.h"
#include "editors/events/command_context.h"
#include "editors/events/command_dialog_support.h"
#include "editors/events/group_chooser.h"
#include "editors/events/shared_command_dialog.h"
#include "editors/events/talk_text_chooser.h"
#include "widgets/cp932_validator.h"
#include "widgets/dialog_buttons.h"

namespace lw {

namespace {
constexpr int kChoiceTextBytes = 255;
}  // namespace

TalkContentCommandDialog::TalkContentCommandDialog(CommandContext& context, QWidget* parent)
    : QDialog(parent), editor_(context.editor) {
    setWindowTitle(tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話内容の設定)"));
    textsRead_ = LoadTalkList(editor_.project, texts_);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout();
    text_ = new TalkTextChooser(tr("会話文"), texts_, this);
    auto* moneyBox = new QGroupBox(tr("所持金表示"), this);
    auto* moneyColumn = new QVBoxLayout(moneyBox);
    moneyShown_ = new QRadioButton(tr("あり"), moneyBox);
    moneyHidden_ = new QRadioButton(tr("なし"), moneyBox);
    moneyHidden_->setChecked(true);
    moneyColumn->addWidget(moneyShown_);
    moneyColumn->addWidget(moneyHidden_);
    moneyColumn->addStretch(1);
    top->addWidget(text_, 1);
    top->addWidget(moneyBox);
    layout->addLayout(top);

    auto* grid = new QGridLayout();
    for (int i = 0; i < kTalkChoiceCount; ++i) {
        ChoiceControls& c = choices_[static_cast<std::size_t>(i)];
        auto* box = new QGroupBox(tr("選択肢 %1").arg(i + 1), this);
        auto* boxGrid = new QGridLayout(box);
        auto* label = new QLabel(tr("文"), box);
        c.text = new QLineEdit(box);
        LimitToCp932(c.text, kChoiceTextBytes);
        label->setBuddy(c.text);
        c.disabled = new QCheckBox(tr("無効"), box);
        c.group = new GroupChooser(tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations, box);
        boxGrid->addWidget(label, 0, 0);
        boxGrid->addWidget(c.text, 0, 1);
        boxGrid->addWidget(c.disabled, 0, 2);
        boxGrid->addWidget(c.group, 1, 0, 1, 3);
        boxGrid->setColumnStretch(1, 1);
        grid->addWidget(box, i / 2, i % 2);
        connect(c.disabled, &QCheckBox::toggled, this, [this, i](bool on) { SetDisabled(i, on); });
        c.disabled->setChecked(true);
    }
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);
}

TalkContentCommandDialog::~TalkContentCommandDialog() = default;

void TalkContentCommandDialog::SetDisabled(int index, bool disabled) {
    const ChoiceControls& c = choices_[static_cast<std::size_t>(index)];
    if (disabled) {
        c.text->clear();
        c.group->SetValue(kNoEventGroup);
    }
    c.text->setEnabled(!disabled);
    c.group->setEnabled(!disabled);
}

TalkContentCommand TalkContentCommandDialog::talk() const {
    TalkContentCommand t;
    t.text = text_->value();
    t.showMoney = moneyShown_->isChecked();
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        const ChoiceControls& c = choices_[i];
        TalkChoice& choice = t.choices[i];
        choice.disabled = c.disabled->isChecked();
        choice.group = c.group->value();
        // The validator lets through only text CP932 holds.
        choice.text = ToCp932(c.text->text()).value_or(std::string());
    }
    return t;
}

void TalkContentCommandDialog::accept() {
    const TalkContentCommand t = talk();
    if (t.text < 0) {
        WarnAuthor(editor_, this, tr("会話文を選択してください"));
        return;
    }
    for (std::size_t i = 0; i < t.choices.size(); ++i) {
        const TalkChoice& c = t.choices[i];
        if (!c.disabled && CheckTokenField(c.text) == FieldProblem::HasBlank) {
            WarnAuthor(editor_, this, tr("選択肢 %1 の文に空白は使えません").arg(i + 1));
            choices_[i].text->setFocus();
            return;
        }
    }
    if (const std::size_t bytes = TalkContentLineBytes(t); !FitsStoredLine(bytes)) {
        WarnAuthor(editor_, this, LineTooLongText(bytes, tr("選択肢の文")));
        return;
    }
    line_ = BuildTalkContent(t);
    done(QDialog::Accepted);
}

std::optional<std::string> RunTalkContentDialog(CommandContext& context, QWidget* parent) {
    TalkContentCommandDialog dialog(context, parent);
    if (ReportUnreadableList(context.editor, parent, {{kTalkFile, dialog.textsRead()}})) return std::nullopt;
    return RunForLine(dialog);
}

}  // namespace lw
