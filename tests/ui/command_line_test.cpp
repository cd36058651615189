// The command line: what it asks of the start-up, what ends the program at once, the project
// named on it opened as "開く..." opens one, and what the real program prints with no display
// (help, version, the sample refused, "--check").

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "app/app_controller.h"
#include "app/command_line.h"
#include "support/core/linked_project.h"
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

// ---- the real program, with no display: any window it tried to open would fail ----

struct ProgramRun {
    int status = -1;
    QString out, err;
};

ProgramRun RunProgram(const QStringList& args) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "none-such");
    program.setProcessEnvironment(env);
    program.start(LW_APP_BINARY, args);
    program.waitForFinished(30000);
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardOutput()), QString::fromUtf8(program.readAllStandardError())};
}

// Help and version print, and the sample goes only into an empty folder.
TEST(CommandLine, ProgramPrintsAndRefusesWithoutAWindow) {
    const ProgramRun help = RunProgram({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--sample"))) << help.out.toStdString();
    const ProgramRun version = RunProgram({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("Lorewright "))) << version.out.toStdString();

    test::TempDir used;
    test::WriteBytes(used.path() / "notes.txt", "mine");
    const ProgramRun sample = RunProgram({QStringLiteral("--sample"), Q(used.path())});
    EXPECT_EQ(sample.status, 1);
    EXPECT_TRUE(sample.err.contains(QStringLiteral("空のフォルダではありません"))) << sample.err.toStdString();
    EXPECT_FALSE(std::filesystem::exists(used.path() / "prepare.txt"));
}

TEST(CheckCommand, ExitStatusTextAndJsonWithoutADisplay) {
    test::TempProject t;
    test::WriteBytes(t.project.root / "prepare.txt", PrepareFileBytes(t.project));
    test::LinkedProject p;
    p.Write(t.project);
    const QString root = Q(t.project.root);

    ProgramRun clean = RunProgram({"--check", root});
    EXPECT_EQ(clean.status, 0) << clean.err.toStdString();
    EXPECT_EQ(clean.out, QStringLiteral("no problems\n"));

    p.scene2.groups[4].commands.Set(0, "scene 12 0 0");
    p.Write(t.project);
    ProgramRun faulty = RunProgram({"--check", root + "/prepare.txt"});
    EXPECT_EQ(faulty.status, 1);
    EXPECT_EQ(faulty.out, QStringLiteral(".\\data\\scene2.txt:group 4 line 1: error: scene 12 does not exist; "
                                         "create scene12.txt or choose another scene\n1 error, 0 warnings\n"));

    ProgramRun json = RunProgram({"--format", "json", "--check", root});
    EXPECT_EQ(json.status, 1);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json.out.toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.toStdString();
    const QJsonObject top = doc.object();
    EXPECT_EQ(top.value("errors").toInt(), 1);
    EXPECT_EQ(top.value("warnings").toInt(), 0);
    EXPECT_EQ(top.value("project").toString(), root);
    // The fields of each problem are the check's own (tested with it); here: the one problem found.
    const QJsonArray problems = top.value("problems").toArray();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems.at(0).toObject().value("file").toString(), QStringLiteral(".\\data\\scene2.txt"));

    EXPECT_EQ(RunProgram({"--check", root + "/missing"}).status, 2);
    EXPECT_EQ(RunProgram({"--check", root, "--format", "xml"}).status, 2);
}

}  // namespace
}  // namespace lw
