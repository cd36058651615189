#pragma once
// "ﾒﾆｭｰ": one button per editor, each enabled only when the lists its editor needs exist. The
// enabling runs when the hub is shown, whenever it becomes active again and after each editor it
// opened has closed, so a list written by one editor unlocks the next at once.

#include <QDialog>
#include <array>

#include "core/hub/hub_rules.h"

class QLabel;
class QPushButton;

namespace lw {

class AppController;

class HubDialog : public QDialog {
    Q_OBJECT
public:
    HubDialog(AppController& controller, QWidget* parent);
    // Releases the NPC and treasure chest tables the hub read when it opened.
    ~HubDialog() override;

    QPushButton* button(HubEditor editor) const { return buttons_[static_cast<std::size_t>(editor)]; }
    QPushButton* closeButton() const { return close_; }
    // "ﾌﾟﾛｼﾞｪｸﾄ検査": the problems of the whole project (CheckWindow).
    QPushButton* checkButton() const { return check_; }
    // The line below the buttons that shows the keys of the commonest editors.
    QLabel* keysLabel() const { return keys_; }

    // Re-evaluates which buttons are enabled from the files on disk.
    void UpdateEnabling();

protected:
    bool event(QEvent* e) override;

private:
    void OpenEditor(HubEditor editor);
    AppController& controller_;
    std::array<QPushButton*, kHubEditorCount> buttons_{};
    QPushButton* close_;
    QPushButton* check_;
    QLabel* keys_;
};

}  // namespace lw
