// The command line: what it asks of the start-up, what ends the program at once, and the project
// named on it opened as "開く..." opens one.

#include <gtest/gtest.h>

#include <QProcess>

#include "app/app_controller.h"
#include "app/command_line.h"
#include "support/core/sample_project.h"
#include "support/core/temp_dir.h"
#include "support/qt/fake_services.h"

namespace lw {
namespace {

QString Q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

CommandLine Parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("lorewright"));
    return ParseCommandLine(arguments);
}

TEST(CommandLine, TellsWhatToOpenOrEndsWithAReason) {
    EXPECT_FALSE(Parse({}).finished);
    EXPECT_TRUE(Parse({}).options.project.isEmpty());
    const CommandLine open = Parse({QStringLiteral("/games/quest")});
    EXPECT_FALSE(open.finished);
    EXPECT_EQ(open.options.project, QStringLiteral("/games/quest"));
    const CommandLine sample = Parse({QStringLiteral("--sample"), QStringLiteral("/tmp/s")});
    EXPECT_FALSE(sample.finished);
    EXPECT_EQ(sample.options.sampleFolder, QStringLiteral("/tmp/s"));
    EXPECT_TRUE(sample.options.project.isEmpty());

    for (const char* ask : {"--help", "-h", "--version", "-v"}) {
        const CommandLine c = Parse({QString::fromLatin1(ask)});
        EXPECT_TRUE(c.finished) << ask;
        EXPECT_EQ(c.exitCode, 0) << ask;
    }

    // Mistakes end with code 2 and say why.
    for (const QStringList& wrong : {QStringList{QStringLiteral("--nonsense")}, QStringList{QStringLiteral("a"), QStringLiteral("b")},
                                     QStringList{QStringLiteral("--sample")},
                                     QStringList{QStringLiteral("--sample"), QStringLiteral("x"), QStringLiteral("y")}}) {
        const CommandLine c = Parse(wrong);
        EXPECT_TRUE(c.finished) << wrong.join(' ').toStdString();
        EXPECT_EQ(c.exitCode, 2) << wrong.join(' ').toStdString();
        EXPECT_FALSE(c.output.isEmpty());
    }
}

TEST(CommandLine, LeavesTheToolkitsOptionsToIt) {
    const char* argv[] = {"lorewright", "-platform", "offscreen", "/games/quest", "-reverse", "-style", "fusion"};
    EXPECT_EQ(ProgramArguments(7, const_cast<char**>(argv)), (QStringList{"lorewright", "/games/quest"}));
}

TEST(CommandLine, OpensAFolderOrItsPrepareFileAsOpenDoes) {
    test::SampleProject sample;
    for (const QString& path : {Q(sample.dir.path()), Q(sample.dir.path() / "prepare.txt")}) {
        test::FakeServices services;
        AppController controller(services);
        controller.OpenProjectFile(nullptr, path);
        EXPECT_TRUE(controller.IsProjectOpen()) << path.toStdString();
        EXPECT_EQ(controller.context().project.root, sample.dir.path());
        EXPECT_TRUE(services.messages.empty());
    }
    // A folder that holds no project opens nothing, silently, as "開く..." with a missing file.
    test::TempDir empty;
    test::FakeServices services;
    AppController controller(services);
    controller.OpenProjectFile(nullptr, Q(empty.path()));
    EXPECT_FALSE(controller.IsProjectOpen());
    EXPECT_TRUE(services.messages.empty());
}

// The program itself: help and version need no display, and the sample goes only into an empty
// folder.
TEST(CommandLine, ProgramPrintsAndRefusesWithoutAWindow) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none-such"));  // any window would fail
    const auto run = [&env](const QStringList& arguments) {
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(LW_APP_BINARY, arguments);
        EXPECT_TRUE(program.waitForFinished(10000));
        return std::tuple{program.exitCode(), QString::fromLocal8Bit(program.readAllStandardOutput()),
                          QString::fromLocal8Bit(program.readAllStandardError())};
    };
    const auto [helpCode, help, helpErrors] = run({QStringLiteral("--help")});
    EXPECT_EQ(helpCode, 0);
    EXPECT_TRUE(help.contains(QStringLiteral("--sample"))) << help.toStdString();
    const auto [versionCode, version, versionErrors] = run({QStringLiteral("--version")});
    EXPECT_EQ(versionCode, 0);
    EXPECT_TRUE(version.startsWith(QStringLiteral("Lorewright "))) << version.toStdString();

    test::TempDir used;
    test::WriteBytes(used.path() / "notes.txt", "mine");
    const auto [sampleCode, out, errors] = run({QStringLiteral("--sample"), Q(used.path())});
    EXPECT_EQ(sampleCode, 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("空のフォルダではありません"))) << errors.toStdString();
    EXPECT_FALSE(std::filesystem::exists(used.path() / "prepare.txt"));
}

}  // namespace
}  // namespace lw
