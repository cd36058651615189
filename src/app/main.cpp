// Lorewright: start-up and shutdown.

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <cstdio>

#include "app/app_controller.h"
#include "app/check_command.h"
#include "app/command_line.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/services.h"
#include "app/signal_quit.h"
#include "app/single_instance.h"
#include "audio/music_player.h"
#include "widgets/accessible_names.h"
#include "widgets/audio_glue.h"

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("Lorewright"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LW_VERSION));
    // "--lang" is taken out of the arguments first; the rest is read before any window can be
    // made, so --check, --help and --version need no display.
    const lw::LanguageArgument language = lw::TakeLanguageArgument(argc, argv);
    if (!language.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(language.error));
        return 2;
    }
    if (const auto status = lw::RunCheckCommand(argc, argv)) return *status;
    const lw::CommandLine commandLine = lw::ParseCommandLine(lw::ProgramArguments(argc, argv));
    if (commandLine.finished) return lw::PrintOutcome(commandLine);
    QString projectAtStart = commandLine.options.project;
    if (!commandLine.options.sampleFolder.isEmpty()) {
        const QString problem = lw::WriteSampleFolder(commandLine.options.sampleFolder);
        if (!problem.isEmpty()) {
            std::fputs((problem + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
            return 1;
        }
        projectAtStart = commandLine.options.sampleFolder;
    }

    QApplication app(argc, argv);
    lw::InstallDropDownInterface();
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
        // A project named on the command line opens once the event loop runs, as "開く..." would.
        if (!projectAtStart.isEmpty()) QTimer::singleShot(0, &window, [&window, projectAtStart] { window.OpenAtStart(projectAtStart); });
        QObject::connect(&window, &QDialog::finished, &app, [] { QApplication::quit(); });
        code = quitOnSignals.Exec();

        controller.ReleaseTables();
        player.Shutdown();
    }
    instance.Release();
    return code;
}
