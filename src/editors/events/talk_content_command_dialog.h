#pragma once
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

#include <array>
#include <vector>

#include "core/events/event_commands.h"
#include "editors/events/command_dialog.h"

class QLineEdit;
class QRadioButton;

namespace lw {

struct CommandContext;
class TalkTextChooser;

class TalkContentCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    TalkContentCommandDialog(CommandContext& context, QWidget* parent = nullptr);
    ~TalkContentCommandDialog() override;

    // The values as the controls hold them now.
    TalkContentCommand talk() const;

    struct ChoiceControls {
        QLineEdit* text = nullptr;
        QCheckBox* disabled = nullptr;
        GroupChooser* group = nullptr;
    };
    TalkTextChooser* textChoice() const { return text_; }
    QRadioButton* moneyShown() const { return moneyShown_; }
    QRadioButton* moneyHidden() const { return moneyHidden_; }
    const ChoiceControls& choice(int index) const { return choices_[static_cast<std::size_t>(index)]; }

protected:
    std::optional<std::string> Build() override;

private:
    static constexpr int kChoiceTextBytes = 255;
    void SetDisabled(int index, bool disabled);

    std::vector<std::string> texts_;
    TalkTextChooser* text_;
    QRadioButton* moneyShown_;
    QRadioButton* moneyHidden_;
    std::array<ChoiceControls, kTalkChoiceCount> choices_;
};

class ShowTalkCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    ShowTalkCommandDialog(CommandContext& context, QWidget* parent = nullptr);
    GroupChooser* contentGroup() const { return group_; }

protected:
    std::optional<std::string> Build() override;

private:
    GroupChooser* group_;
};

}  // namespace lw
