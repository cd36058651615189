#pragma once
// The small main window: "新規...", "開く..." and "終了" (none of them the default: Enter never
// quits). After a new or an open it runs the hub whenever a project is open (also one opened
// earlier in the run).

#include <QDialog>

class QPushButton;

namespace lw {

class AppController;

class MainWindow : public QDialog {
    Q_OBJECT
public:
    MainWindow(AppController& controller, QWidget* parent = nullptr);

    QPushButton* newButton() const { return new_; }
    QPushButton* openButton() const { return open_; }
    QPushButton* exitButton() const { return exit_; }

    // Opens the project at `path` (its folder or its prepare.txt) as "開く..." does with the file
    // chosen, then runs the hub when a project is open.
    void OpenAtStart(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void OnNew();
    void OnOpen();
    void RunHubIfOpen();
    AppController& controller_;
    QPushButton* new_;
    QPushButton* open_;
    QPushButton* exit_;
};

}  // namespace lw
