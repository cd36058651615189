// The two event commands of a talk: what it shows, and showing it.
//
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話内容の設定)" (TalkContentCommandDialog): what a talk shows and which choices it
// offers.
// - "会話文": a text of the text list (talk_list.txt), the chosen text shown whole;
// - "所持金表示": "あり" or "なし" (at first);
// - "選択肢 1" to "選択肢 4": each a text "文" (at most 255 bytes typed), "無効" (checked at first;
//   checking it greys the choice, empties its text and sets its group to "なし") and the group
//   "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ" the choice runs.
// OK refuses a missing text with "会話文を選択してください"; a choice text holding a blank (the game
// reads the texts as blank-separated words) and a line too long to be stored whole are refused
// too. The line is BuildTalkContent's: "talk %d", "talk %d 1" or the long form with the choices.
//
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話表示)" (ShowTalkCommandDialog): the group holding the talk content,
// "会話内容のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ" ("なし" first). OK builds "message %d" (-1 for "なし").
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <array>
#include <vector>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/command_dialog_rules.h"
#include "core/events/event_commands.h"
#include "core/media/talk_list.h"
#include "core/tagfile/record_format.h"
#include "editors/events/command_context.h"
#include "editors/events/command_dialog.h"
#include "widgets/cp932_validator.h"

namespace lw {
namespace {

class TalkContentCommandDialog : public CommandDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::TalkContentCommandDialog)
public:
    TalkContentCommandDialog(CommandContext& context, QWidget* parent)
        : CommandDialog(context.editor, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話内容の設定)"), parent) {
        NeedList(kTalkFile, LoadTalkList(context_.project, texts_));

        QHBoxLayout* top = AddLine();
        text_ = AddTalkText(tr("会話文"), texts_, top, 1);
        const auto money = AddRadioColumn(tr("所持金表示"), {tr("あり"), tr("なし")}, top);
        moneyShown_ = money[0];
        money[1]->setChecked(true);

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

private:
    struct ChoiceControls {
        QLineEdit* text = nullptr;
        QCheckBox* disabled = nullptr;
        GroupChooser* group = nullptr;
    };
    static constexpr int kChoiceTextBytes = 255;

    void SetDisabled(int index, bool disabled) {
        const ChoiceControls& c = choices_[static_cast<std::size_t>(index)];
        if (disabled) {
            c.text->clear();
            c.group->SetValue(kNoEventGroup);
        }
        c.text->setEnabled(!disabled);
        c.group->setEnabled(!disabled);
    }

    std::optional<std::string> Build() override {
        TalkContentCommand t;
        t.text = text_->currentIndex();
        t.showMoney = moneyShown_->isChecked();
        for (std::size_t i = 0; i < choices_.size(); ++i) {
            const ChoiceControls& c = choices_[i];
            TalkChoice& choice = t.choices[i];
            choice.disabled = c.disabled->isChecked();
            choice.group = c.group->value();
            // The validator lets through only text CP932 holds.
            choice.text = ToCp932(c.text->text()).value_or(std::string());
        }
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

    std::vector<std::string> texts_;
    QComboBox* text_;
    QRadioButton* moneyShown_;
    std::array<ChoiceControls, kTalkChoiceCount> choices_;
};

class ShowTalkCommandDialog : public CommandDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::ShowTalkCommandDialog)
public:
    ShowTalkCommandDialog(CommandContext& context, QWidget* parent)
        : CommandDialog(context.editor, tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話表示)"), parent) {
        group_ = AddGroup(tr("会話内容のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations);
        AddButtons();
    }

private:
    std::optional<std::string> Build() override { return BuildShowTalk(group_->value()); }

    GroupChooser* group_;
};

}  // namespace

std::optional<std::string> RunTalkCommand(CommandContext& context, EventCommandKind kind, QWidget* parent) {
    if (kind == EventCommandKind::ShowTalk) return RunCommandDialog<ShowTalkCommandDialog>(context, parent);
    return RunCommandDialog<TalkContentCommandDialog>(context, parent);
}

}  // namespace lw
