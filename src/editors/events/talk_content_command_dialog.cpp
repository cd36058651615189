#include "editors/events/talk_content_command_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/command_dialog_rules.h"
#include "core/media/talk_list.h"
#include "core/tagfile/record_format.h"
#include "editors/events/command_context.h"
#include "editors/events/group_chooser.h"
#include "editors/events/talk_text_chooser.h"
#include "widgets/cp932_validator.h"

namespace lw {

TalkContentCommandDialog::TalkContentCommandDialog(CommandContext& context, QWidget* parent)
    : CommandDialog(context.editor, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話内容の設定)"), parent) {
    NeedList(kTalkFile, LoadTalkList(context_.project, texts_));

    QHBoxLayout* top = AddLine();
    text_ = new TalkTextChooser(tr("会話文"), texts_, this);
    top->addWidget(text_, 1);
    const auto money = AddRadioColumn(tr("所持金表示"), {tr("あり"), tr("なし")}, top);
    moneyShown_ = money[0];
    moneyHidden_ = money[1];
    moneyHidden_->setChecked(true);

    auto* grid = new QGridLayout();
    body()->addLayout(grid);
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
    AddButtons();
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

std::optional<std::string> TalkContentCommandDialog::Build() {
    const TalkContentCommand t = talk();
    if (t.text < 0) return Refuse(tr("会話文を選択してください"));
    for (std::size_t i = 0; i < t.choices.size(); ++i) {
        const TalkChoice& c = t.choices[i];
        if (!c.disabled && CheckTokenField(c.text) == FieldProblem::HasBlank) {
            Refuse(tr("選択肢 %1 の文に空白は使えません").arg(i + 1));
            choices_[i].text->setFocus();
            return std::nullopt;
        }
    }
    if (const std::size_t bytes = TalkContentLineBytes(t); !FitsStoredLine(bytes))
        return Refuse(LineTooLongText(bytes, tr("選択肢の文")));
    return BuildTalkContent(t);
}

ShowTalkCommandDialog::ShowTalkCommandDialog(CommandContext& context, QWidget* parent)
    : CommandDialog(context.editor, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話表示)"), parent) {
    group_ = AddGroup(tr("会話内容のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations);
    AddButtons();
}

std::optional<std::string> ShowTalkCommandDialog::Build() { return BuildShowTalk(group_->value()); }

}  // namespace lw
