#pragma once
// The talk text chooser of the command dialogs: a titled box with a drop-down of the texts of the
// text list (talk_list.txt), each shown by its first bytes, and below it the chosen text whole,
// read-only. Nothing is chosen at first; value() is the chosen text's position, -1 for none.

#include <QGroupBox>
#include <string>
#include <vector>

class QComboBox;
class QPlainTextEdit;

namespace lw {

class TalkTextChooser : public QGroupBox {
    Q_OBJECT
public:
    // `texts` are the text list's texts (CP932), read by the dialog; they outlive the chooser.
    TalkTextChooser(const QString& title, const std::vector<std::string>& texts, QWidget* parent = nullptr);

    int value() const;
    QComboBox* combo() const { return combo_; }
    QPlainTextEdit* shownText() const { return shown_; }

private:
    void ShowChosen();

    const std::vector<std::string>& texts_;
    QComboBox* combo_;
    QPlainTextEdit* shown_;
};

}  // namespace lw
