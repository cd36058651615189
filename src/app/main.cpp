// Lorewright: start-up and shutdown.

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <cstdio>

#include "app/app_controller.h"
#include "app/check_command.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/services.h"
#include "app/signal_quit.h"
#include "app/single_instance.h"
#include "audio/music_player.h"
#include "widgets/audio_glue.h"

int main(int argc, char** argv) {
    const lw::LanguageArgument language = lw::TakeLanguageArgument(argc, argv);
    if (!language.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(language.error));
        return 2;
    }
    // "--check" runs without a window or a display.
    if (const auto status = lw::RunCheckCommand(argc, argv)) return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lorewright"));
    lw::InstallLanguage(language.language.value_or(lw::LanguageOfLocale(lw::LocaleOfEnvironment())));

    lw::SingleInstance instance;
    if (!instance.Acquire()) return 0;  // another copy runs: end silently

    // SIGTERM, SIGINT and SIGHUP end the program through the shutdown below.
    lw::QuitOnSignals quitOnSignals;

    int code = 0;
    {
        lw::QtServices services;
        // The music player is set up before the main window. When that fails it has shown its one
        // message, and the program runs on without sound.
        lw::MusicPlayer player(lw::AudioMessagesTo(services));
        player.Initialise();
        lw::AppController controller(services);
        controller.context().player = &player;

        lw::MainWindow window(controller);
        window.adjustSize();
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                                   screen->availableGeometry()));
        }
        window.show();
        QObject::connect(&window, &QDialog::finished, &app, [] { QApplication::quit(); });
        code = app.exec();

        controller.ReleaseTables();
        player.Shutdown();
    }
    instance.Release();
    return code;
}
