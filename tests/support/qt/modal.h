#pragma once
// Driving nested modal dialogs from a test: the callback runs on the next modal dialog (or the
// dialog of the given class) once it is shown, from the event loop of the dialog that opened it.
//
//   OnNextModal<NewProjectDialog>([&](NewProjectDialog* d) { ...; d->accept(); });
//   QTest::mouseClick(mainWindow.newButton(), Qt::LeftButton);   // exec() runs, callback fires

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

namespace lw::test {

// Watches still waiting (so that a test can stop them before a later dialog could match).
inline QList<QPointer<QTimer>>& PendingModalWatches() {
    static QList<QPointer<QTimer>> pending;
    return pending;
}

// Stops every watch that has not fired yet. Call it at the end of a helper that set a watch for a
// dialog that may not appear.
inline void CancelPendingModalWatches() {
    for (auto& t : PendingModalWatches())
        if (t) t->deleteLater();
    PendingModalWatches().clear();
}

// Polls for a modal widget that is not `ignore` and can be cast to T; gives up after `timeoutMs`.
template <class T = QDialog>
void OnNextModal(std::function<void(T*)> callback, QWidget* ignore = nullptr, int timeoutMs = 5000) {
    auto timer = new QTimer();
    auto elapsed = std::make_shared<int>(0);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer, elapsed, callback, ignore, timeoutMs] {
        QWidget* w = QApplication::activeModalWidget();
        T* target = w && w != ignore ? qobject_cast<T*>(w) : nullptr;
        if (target && target->isVisible()) {
            timer->stop();
            timer->deleteLater();
            callback(target);
            return;
        }
        *elapsed += 1;
        if (*elapsed > timeoutMs) {  // roughly: each idle round takes at least a millisecond
            timer->stop();
            timer->deleteLater();
        }
        timer->setInterval(1);
    });
    PendingModalWatches().append(QPointer<QTimer>(timer));
    timer->start();
}

}  // namespace lw::test
