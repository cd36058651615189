#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <set>

#include "core/sample/sample_game.h"

namespace lw {

QStringList ProgramArguments(int argc, char** argv) {
    // The toolkit's own options, and whether each takes a value.
    static const std::set<QString> withValue = {
        QStringLiteral("-platform"), QStringLiteral("-platformpluginpath"), QStringLiteral("-platformtheme"),
        QStringLiteral("-plugin"),   QStringLiteral("-qwindowgeometry"),    QStringLiteral("-qwindowicon"),
        QStringLiteral("-qwindowtitle"), QStringLiteral("-style"),          QStringLiteral("-stylesheet"),
        QStringLiteral("-display"),  QStringLiteral("-geometry"),           QStringLiteral("-session"),
    };
    static const std::set<QString> alone = {QStringLiteral("-reverse"), QStringLiteral("-widgetcount"),
                                            QStringLiteral("-nograb"), QStringLiteral("-dograb")};
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (i > 0 && withValue.count(a) != 0) {
            ++i;
            continue;
        }
        if (i > 0 && alone.count(a) != 0) continue;
        arguments << a;
    }
    return arguments;
}

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine", "ゲームのデータを作るエディタ"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QCoreApplication::translate("CommandLine", "この説明を表示して終了します。"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QCoreApplication::translate("CommandLine", "版を表示して終了します。"));
    const QCommandLineOption sample(QStringLiteral("sample"), QCoreApplication::translate("CommandLine", "空のフォルダにサンプルゲームを作って開きます。"),
                                    QCoreApplication::translate("CommandLine", "フォルダ"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(sample);
    parser.addPositionalArgument(QCoreApplication::translate("CommandLine", "プロジェクト"), QCoreApplication::translate("CommandLine", "開くプロジェクトのフォルダ、またはその prepare.txt。"),
                                 QCoreApplication::translate("CommandLine", "[フォルダ|prepare.txt]"));

    CommandLine result;
    const auto fail = [&result, &parser](const QString& message) {
        result.finished = true;
        result.exitCode = 2;
        result.output = message + QLatin1Char('\n') + parser.helpText();
        return result;
    };
    if (!parser.parse(arguments)) return fail(parser.errorText());
    if (parser.isSet(help)) {
        result.finished = true;
        result.output = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.finished = true;
        result.output = QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
                        QLatin1Char('\n');
        return result;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) return fail(QCoreApplication::translate("CommandLine", "開くプロジェクトは1つだけ指定してください。"));
    if (parser.isSet(sample)) {
        if (!positional.isEmpty()) return fail(QCoreApplication::translate("CommandLine", "--sample と開くプロジェクトは同時に指定できません。"));
        result.options.sampleFolder = parser.value(sample);
        if (result.options.sampleFolder.isEmpty()) return fail(QCoreApplication::translate("CommandLine", "--sample にはフォルダを指定してください。"));
    }
    if (!positional.isEmpty()) result.options.project = positional.front();
    return result;
}

QString WriteSampleFolder(const QString& folder) {
    const QString shown = QDir::toNativeSeparators(folder);
    const SampleWriteResult written = WriteSampleGame(std::filesystem::path(folder.toStdString()));
    switch (written.status) {
    case SampleWriteStatus::Written: return {};
    case SampleWriteStatus::NotEmpty:
        return QCoreApplication::translate("CommandLine", "%1 は空のフォルダではありません。サンプルゲームは空のフォルダか新しいフォルダに作ります。").arg(shown);
    case SampleWriteStatus::NotFolder: return QCoreApplication::translate("CommandLine", "%1 にフォルダを作れません。").arg(shown);
    case SampleWriteStatus::Failed: {
        QString list;
        for (const auto& path : written.failed) list += QDir::toNativeSeparators(QString::fromStdString(path.string())) + "\n";
        return list + QCoreApplication::translate("CommandLine", "サンプルゲームを %1 に書き込めません。").arg(shown);
    }
    }
    return {};
}

int PrintOutcome(const CommandLine& commandLine) {
    const QByteArray text = commandLine.output.toLocal8Bit();
    std::fputs(text.constData(), commandLine.exitCode == 0 ? stdout : stderr);
    return commandLine.exitCode;
}

}  // namespace lw
