#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話内容の設定)": what a talk shows and which choices it offers.
// - "会話文": a text of the text list (talk_list.txt), the chosen text shown whole;
// - "所持金表示": "あり" or "なし" (at first);
// - "選択肢 1" to "選択肢 4": each a text "文" (at most 255 bytes typed), "無効" (checked at first;
//   checking it greys the choice, empties its text and sets its group to "なし") and the group
//   "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ" the choice runs.
// OK refuses a missing text with "会話文を選択してください"; a choice text holding a blank (the game
// reads the texts as blank-separated words) and a line too long to be stored whole are refused
// too. The line is BuildTalkContent's: "talk %d", "talk %d 1" or the long form with the choices.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>

#include "core/events/event_commands.h"
#include "core/tagfile/file_io.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lw {

struct CommandContext;
struct EditorContext;
class GroupChooser;
class TalkTextChooser;

class TalkContentCommandDialog : public QDialog {
    Q_OBJECT
public:
    TalkContentCommandDialog(CommandContext& context, QWidget* parent = nullptr);
    ~TalkContentCommandDialog() override;

    const std::string& line() const { return line_; }
    ReadStatus textsRead() const { return textsRead_; }
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
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void accept() override;

private:
    void SetDisabled(int index, bool disabled);

    EditorContext& editor_;
    std::string line_;
    ReadStatus textsRead_ = ReadStatus::Missing;
    std::vector<std::string> texts_;
    TalkTextChooser* text_;
    QRadioButton* moneyShown_;
    QRadioButton* moneyHidden_;
    std::array<ChoiceControls, kTalkChoiceCount> choices_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace lw
