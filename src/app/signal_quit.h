#pragma once
// Ending the program from outside: SIGTERM (a session that logs out, a kill), SIGINT (Ctrl+C in a
// terminal) and SIGHUP (the terminal closing) leave every event loop, open dialogs included, so
// that main() runs the same shutdown as "終了": tables and previews released, the music player
// shut down, the single-instance lock given back. A second signal of the same kind ends the
// program at once.

#include <QObject>

class QSocketNotifier;

namespace lw {

class QuitOnSignals : public QObject {
    Q_OBJECT
public:
    explicit QuitOnSignals(QObject* parent = nullptr);
    ~QuitOnSignals() override;
    QuitOnSignals(const QuitOnSignals&) = delete;
    QuitOnSignals& operator=(const QuitOnSignals&) = delete;

    // False when the handlers could not be installed (the signals then act as the system's
    // default: the program ends without its shutdown).
    bool installed() const { return notifier_ != nullptr; }
    // Runs the main event loop, unless a signal came before it (while the start-up sound message
    // was open, say: that message is closed then), in which case the program goes straight to its
    // shutdown.
    int Exec();

private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace lw
