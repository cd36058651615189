#pragma once
// The group chooser of the command dialogs: a titled box holding a drop-down of "なし" then the
// groups 0..n-1 of the scene whose groups are being edited, each with its explanation beside its
// number ("4 — 村長の家"), and, beside "説明", the chosen group's explanation, read-only. Its value
// is the drop-down position less one: -1 for "なし".
//
//   auto* after = new GroupChooser(tr("地震後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations, this);
//   layout->addWidget(after);
//   ... after->value() ...

#include <QGroupBox>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;

namespace lw {

// Sizes a drop-down of groups (GroupChoiceLabel rows): narrow when closed, wide enough for every
// explanation when dropped down.
void FitGroupChoices(QComboBox* combo);

class GroupChooser : public QGroupBox {
    Q_OBJECT
public:
    // `explanations` are the groups' explanations (CP932) in group order; their number is the
    // number of groups offered. "なし" is chosen at first.
    GroupChooser(const QString& title, std::vector<std::string> explanations, QWidget* parent = nullptr);

    // The chosen group, -1 for "なし".
    int value() const;
    // Chooses group `group`; -1 or a number that is not offered chooses "なし".
    void SetValue(int group);
private:
    int GroupCount() const { return static_cast<int>(explanations_.size()); }
    void ShowExplanation();

    std::vector<std::string> explanations_;
    QComboBox* combo_;
    QLineEdit* explanation_;
};

}  // namespace lw
