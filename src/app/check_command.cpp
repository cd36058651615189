#include "app/check_command.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstring>
#include <iostream>

#include "core/check/check_run.h"

namespace lw {

std::optional<int> RunCheckCommand(int argc, char** argv) {
    bool asked = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--check") == 0 || std::strncmp(argv[i], "--check=", 8) == 0) asked = true;
    if (!asked) return std::nullopt;

    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const QCommandLineOption check(QStringLiteral("check"), QStringLiteral("Check a project and print its problems."),
                                   QStringLiteral("project"));
    const QCommandLineOption format(QStringLiteral("format"), QStringLiteral("Output of the check: text or json."),
                                    QStringLiteral("format"), QStringLiteral("text"));
    // The program's other options may stand beside --check; they do not change the check.
    const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("language"));
    parser.addOption(check);
    parser.addOption(format);
    parser.addOption(lang);
    if (!parser.parse(args)) {
        std::cerr << "lorewright: " << parser.errorText().toLocal8Bit().constData() << "\n";
        return kCheckCannotOpen;
    }
    const QString formatName = parser.value(format);
    if (formatName != QStringLiteral("text") && formatName != QStringLiteral("json")) {
        std::cerr << "lorewright: --format takes text or json\n";
        return kCheckCannotOpen;
    }
    const QByteArray path = parser.value(check).toLocal8Bit();
    return RunProjectCheck(std::filesystem::path(path.toStdString()),
                           formatName == QStringLiteral("json") ? CheckFormat::Json : CheckFormat::Text, std::cout,
                           std::cerr);
}

}  // namespace lw
