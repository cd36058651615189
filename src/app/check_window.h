#pragma once
// "ﾌﾟﾛｼﾞｪｸﾄ検査": the problems of the whole project grouped by file, filtered by severity and
// text. A double click (or Enter) on a problem opens the editor that owns its record, with the
// record selected where that editor shows a list; the check runs again when the editor closes.

#include <QDialog>
#include <vector>

#include "core/check/problem.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace lw {

class AppController;

class CheckWindow : public QDialog {
    Q_OBJECT
public:
    CheckWindow(AppController& controller, QWidget* parent);

    QTreeWidget* view() const { return view_; }
    QComboBox* severityFilter() const { return severity_; }
    QLineEdit* textFilter() const { return text_; }
    QPushButton* recheckButton() const { return recheck_; }
    QLabel* summary() const { return summary_; }
    const std::vector<Problem>& problems() const { return problems_; }

    // Reads the project again and shows its problems.
    void Recheck();
    // Opens the editor owning problem `i` (an index into problems()).
    void OpenOwner(int i);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Fill();
    AppController& controller_;
    QComboBox* severity_;
    QLineEdit* text_;
    QPushButton* recheck_;
    QTreeWidget* view_;
    QLabel* summary_;
    std::vector<Problem> problems_;
    std::vector<int> sceneRows_;  // per problem: the scene's row in the scene list, or -1
    bool checked_ = false;
};

}  // namespace lw
