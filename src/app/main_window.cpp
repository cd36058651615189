#include "app/main_window.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_controller.h"
#include "app/hub_dialog.h"
#include "app/new_project_dialog.h"
#include "widgets/discard_guard.h"

namespace lw {

MainWindow::MainWindow(AppController& controller, QWidget* parent) : QDialog(parent), controller_(controller) {
    setWindowTitle(QStringLiteral("Lorewright"));
    new_ = new QPushButton(tr("新規..."), this);
    open_ = new QPushButton(tr("開く..."), this);
    exit_ = new QPushButton(tr("終了"), this);
    // No default button: Enter is handled in keyPressEvent and never quits.
    for (auto* b : {new_, open_, exit_}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(160);
    }
    // The dialogs below this window ask "変更を破棄しますか？" through the program's services.
    AskThrough(this, &controller.services());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new_);
    layout->addWidget(open_);
    layout->addWidget(exit_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(new_, &QPushButton::clicked, this, &MainWindow::OnNew);
    connect(open_, &QPushButton::clicked, this, &MainWindow::OnOpen);
    connect(exit_, &QPushButton::clicked, this, &QDialog::accept);
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
    // Escape does nothing here: only "終了" and the close box end the program.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    // Enter presses "新規..." or "開く..." when it has the focus, and nothing else: "終了" ends the
    // program on a click or Space only.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        if (auto* b = qobject_cast<QPushButton*>(focusWidget()); b == new_ || b == open_) b->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

void MainWindow::OnNew() {
    NewProjectDialog dialog(controller_, this);
    dialog.exec();
    RunHubIfOpen();
}

void MainWindow::OnOpen() {
    controller_.OpenProject(this);
    RunHubIfOpen();
}

void MainWindow::OpenAtStart(const QString& path) {
    controller_.OpenProjectFile(this, path);
    RunHubIfOpen();
}

void MainWindow::RunHubIfOpen() {
    if (!controller_.IsProjectOpen()) return;
    HubDialog hub(controller_, this);
    hub.exec();
}

}  // namespace lw
