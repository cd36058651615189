#include "app/signal_quit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace lw {

namespace {

// The handler only writes the signal's number into a pipe; the event loop reads it.
int gPipe[2] = {-1, -1};
bool gRequested = false;
bool gMainLoop = false;
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void OnQuitSignal(int signal) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] ssize_t n = ::write(gPipe[1], &byte, 1);
    // The next one of this kind is not waited for.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(signal, &fallback, nullptr);
    errno = savedErrno;
}

}  // namespace

QuitOnSignals::QuitOnSignals(QObject* parent) : QObject(parent) {
    if (gPipe[0] >= 0) return;  // one instance per process
    if (::pipe2(gPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        gPipe[0] = gPipe[1] = -1;
        return;
    }
    notifier_ = new QSocketNotifier(gPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [] {
        unsigned char buffer[16];
        while (::read(gPipe[0], buffer, sizeof buffer) > 0) {
        }
        gRequested = true;
        // Before the main loop runs, quit() does nothing: the one dialog that can be open then (a
        // start-up message) is ended here.
        if (!gMainLoop)
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->done(QDialog::Rejected);
        QCoreApplication::quit();  // every running event loop ends, dialogs' too
    });
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kSignals) ::sigaction(s, &action, nullptr);
}

int QuitOnSignals::Exec() {
    if (gRequested) return 0;
    gMainLoop = true;
    const int code = QApplication::exec();
    gMainLoop = false;
    return code;
}

QuitOnSignals::~QuitOnSignals() {
    if (!notifier_) return;
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    for (int s : kSignals) ::sigaction(s, &fallback, nullptr);
    delete notifier_;
    notifier_ = nullptr;
    ::close(gPipe[0]);
    ::close(gPipe[1]);
    gPipe[0] = gPipe[1] = -1;
}

}  // namespace lw
