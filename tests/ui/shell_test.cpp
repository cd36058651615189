// The main window, the new-project dialog, the open operation and the hub, driven through their
// widgets with scripted services.

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/app_controller.h"
#include "app/hub_dialog.h"
#include "app/main_window.h"
#include "app/new_project_dialog.h"
#include "app/services.h"
#include "core/rules/treasure_list.h"
#include "core/world/npc_list.h"
#include "support/core/temp_dir.h"
#include "support/qt/fake_services.h"
#include "support/qt/modal.h"

namespace lw {
namespace {

namespace fs = std::filesystem;
using namespace test;

QString Q(const fs::path& p) { return QString::fromStdString(p.string()); }

class ShellTest : public ::testing::Test {
protected:
    FakeServices services;
    TempDir dir;
    std::unique_ptr<AppController> controller = std::make_unique<AppController>(services);

    // Clicks "新規...", lets `fill` act on the dialog, presses its OK (and closes the dialog if it
    // stays open), and records whether the hub came up afterwards.
    bool RunNew(std::function<void(NewProjectDialog*)> fill, int okPresses = 1) {
        MainWindow window(*controller);
        bool hubShown = false;
        OnNextModal<NewProjectDialog>([&](NewProjectDialog* d) {
            OnNextModal<HubDialog>([&](HubDialog* hub) {
                hubShown = true;
                hub->reject();
            }, d);
            if (fill) fill(d);
            for (int i = 0; i < okPresses; ++i) QTest::mouseClick(d->okButton(), Qt::LeftButton);
            if (d->isVisible()) d->reject();
        });
        QTest::mouseClick(window.newButton(), Qt::LeftButton);
        test::CancelPendingModalWatches();
        return hubShown;
    }

    bool RunOpen() {
        MainWindow window(*controller);
        bool hubShown = false;
        OnNextModal<HubDialog>([&](HubDialog* hub) {
            hubShown = true;
            hub->reject();
        });
        QTest::mouseClick(window.openButton(), Qt::LeftButton);
        test::CancelPendingModalWatches();
        return hubShown;
    }
};

TEST_F(ShellTest, NewProjectWithDefaultsMakesFoldersAndPrepareFileThenOpensHub) {
    services.folders.push_back(Q(dir.path()));
    EXPECT_TRUE(RunNew(nullptr));
    fs::path game = dir.path() / "game";
    for (const char* sub : {"image", "audio", "data"}) EXPECT_TRUE(fs::is_directory(game / sub)) << sub;
    EXPECT_EQ(ReadBytes(game / "prepare.txt"),
              "<folder_name_data>\r\n.\\data\r\n</folder_name_data>\r\n<folder_name_image>\r\n.\\image\r\n"
              "</folder_name_image>\r\n<folder_name_audio>\r\n.\\audio\r\n</folder_name_audio>\r\n<load_image>\r\n"
              ".\\image\\loading.bmp\r\n</load_image>");
    EXPECT_EQ(services.folderTitles.at(0), QStringLiteral("ﾌｫﾙﾀﾞを作成する場所を指定して下さい"));
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(controller->context().project.root, game);

    // A second new project in the same place: the old prepare.txt brings the overwrite question,
    // no folder failure is reported, and the chooser preselects the earlier location.
    services.answers.push_back(MessageAnswer::No);
    WriteBytes(game / "prepare.txt", "old");
    EXPECT_TRUE(RunNew(nullptr));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].caption, QStringLiteral(".\\prepare.txt"));
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(ReadBytes(game / "prepare.txt"), "old");
    EXPECT_EQ(services.folderInitials.at(1), Q(dir.path()));
}

TEST_F(ShellTest, NewProjectRefusalsKeepTheDialogOpenAndTheLocationIsKept) {
    // An empty data name, then no location ever chosen.
    bool hub = RunNew([&](NewProjectDialog* d) { d->dataFolderEdit()->clear(); });
    EXPECT_FALSE(hub);
    EXPECT_EQ(services.texts(), QStringList{QStringLiteral("未入力の項目があります")});
    services.messages.clear();

    // Names complete but the chooser cancelled: "保存場所が未定です"; cancelling the dialog then
    // still opens the hub, because the names were taken over on OK.
    hub = RunNew(nullptr);
    EXPECT_EQ(services.texts(), QStringList{QStringLiteral("保存場所が未定です")});
    EXPECT_TRUE(hub);
    EXPECT_EQ(controller->context().project.dataFolder, "data");

    // A later cancelled chooser reuses the location chosen before.
    services.messages.clear();
    services.folders.push_back(Q(dir.path()));
    RunNew(nullptr);
    hub = RunNew([](NewProjectDialog* d) { d->gameFolderEdit()->setText("second"); });
    EXPECT_TRUE(hub);
    EXPECT_TRUE(fs::exists(dir.path() / "second" / "prepare.txt"));
    // No game folder name: the folders go in the location itself.
    EXPECT_TRUE(RunNew([](NewProjectDialog* d) { d->gameFolderEdit()->clear(); }));
    EXPECT_TRUE(fs::is_directory(dir.path() / "data"));
    EXPECT_TRUE(fs::exists(dir.path() / "prepare.txt"));
}

TEST_F(ShellTest, FoldersThatCannotBeMadeAreListed) {
    WriteBytes(dir.path() / "game", "a file where the project folder should be");
    services.folders.push_back(Q(dir.path()));
    EXPECT_TRUE(RunNew(nullptr));
    // prepare.txt cannot be written either: that is reported first, then the folder list.
    QStringList texts = services.texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0], QStringLiteral("ファイルを作成できません"));
    EXPECT_TRUE(texts[1].startsWith(Q(dir.path() / "game") + "\n" + Q(dir.path() / "game" / "image") + "\n"));
    EXPECT_TRUE(texts[1].endsWith(QStringLiteral("\n\n以上のフォルダを作成できません")));
}

TEST_F(ShellTest, OpenReadsPrepareFileAndCancelReopensEarlierProject) {
    // Cancelled before any project: nothing happens.
    EXPECT_FALSE(RunOpen());
    EXPECT_EQ(services.fileFilters.at(0).size(), 2);

    WriteBytes(dir.path() / "prepare.txt",
               "<folder_name_data>\r\n.\\d\r\n</folder_name_data>\r\n<folder_name_image>\r\n.\\i\r\n</folder_name_image>"
               "\r\n<folder_name_audio>\r\n.\\a\r\n</folder_name_audio>");
    services.files.push_back(Q(dir.path() / "prepare.txt"));
    EXPECT_TRUE(RunOpen());
    EXPECT_EQ(controller->context().project.root, dir.path());
    EXPECT_EQ(controller->context().project.dataFolder, "d");

    // A cancelled open still brings back the hub of the project opened before.
    EXPECT_TRUE(RunOpen());

    // An unreadable choice leaves no project open, silently.
    services.files.push_back(Q(dir.path() / "missing.txt"));
    EXPECT_FALSE(RunOpen());
    EXPECT_TRUE(services.messages.empty());

    // A file whose audio section is empty opens nothing either.
    WriteBytes(dir.path() / "other.txt",
               "<folder_name_data>\r\n.\\d\r\n</folder_name_data>\r\n<folder_name_image>\r\n.\\i\r\n</folder_name_image>"
               "\r\n<folder_name_audio>\r\n</folder_name_audio>");
    services.files.push_back(Q(dir.path() / "other.txt"));
    EXPECT_FALSE(RunOpen());
}

TEST_F(ShellTest, FolderNamesThatLeaveTheLocationAreRefused) {
    services.folders.push_back(Q(dir.path() / "location"));
    fs::create_directories(dir.path() / "location");
    const QString refused = QStringLiteral("ﾌｫﾙﾀﾞ名に「\\」「/」を含む名前や「.」「..」は使えません");
    // An absolute game folder, "..", and a data folder with a path in it: each refused, the
    // dialog stays, nothing is made anywhere.
    for (auto fill : std::vector<std::function<void(NewProjectDialog*)>>{
             [&](NewProjectDialog* d) { d->gameFolderEdit()->setText(Q(dir.path() / "elsewhere")); },
             [](NewProjectDialog* d) { d->gameFolderEdit()->setText(".."); },
             [](NewProjectDialog* d) { d->dataFolderEdit()->setText("..\\data"); }}) {
        services.messages.clear();
        bool stayed = false;
        RunNew([&](NewProjectDialog* d) {
            fill(d);
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
            stayed = d->isVisible();
        }, 0);
        EXPECT_TRUE(stayed);
        EXPECT_EQ(services.texts(), QStringList{refused});
    }
    EXPECT_TRUE(services.folderTitles.empty());  // the chooser was never asked
    EXPECT_FALSE(fs::exists(dir.path() / "elsewhere"));
    EXPECT_TRUE(fs::is_empty(dir.path() / "location"));
}

TEST_F(ShellTest, OpenSaysWhenPrepareFileCannotBeReadAndTidiesLeftovers) {
    // A FIFO where prepare.txt should be: it is not waited on, and the author is told.
    const fs::path fifo = dir.path() / "prepare.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    services.files.push_back(Q(fifo));
    EXPECT_FALSE(RunOpen());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, Q(fifo) + QStringLiteral(" を読み込めません。"));
    EXPECT_EQ(services.fileFilters.at(0),
              (QStringList{QStringLiteral("prepare.txt (prepare.txt)"), QStringLiteral("すべてのファイル (*.*)")}));

    // A good project: leftovers of cut-short saves go when it opens, other files stay.
    fs::remove(fifo);
    fs::create_directories(dir.path() / "data");
    WriteBytes(fifo,
               "<folder_name_data>\r\n.\\data\r\n</folder_name_data>\r\n<folder_name_image>\r\n.\\image\r\n"
               "</folder_name_image>\r\n<folder_name_audio>\r\n.\\audio\r\n</folder_name_audio>");
    WriteBytes(dir.path() / "data" / ".lw0a1b2c3d.00ff00ff.tmp", "left by a crash");
    WriteBytes(dir.path() / ".lw0a1b2c3d.11111111.tmp", "left by a crash");
    WriteBytes(dir.path() / "data" / "item_list.txt", "kept");
    services.files.push_back(Q(fifo));
    EXPECT_TRUE(RunOpen());
    EXPECT_FALSE(fs::exists(dir.path() / "data" / ".lw0a1b2c3d.00ff00ff.tmp"));
    EXPECT_FALSE(fs::exists(dir.path() / ".lw0a1b2c3d.11111111.tmp"));
    EXPECT_TRUE(fs::exists(dir.path() / "data" / "item_list.txt"));
}

TEST(OpenFileDialog, FiltersReadAsGivenAndAllFilesMatchesNamesWithoutADot) {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    SetOpenFileFilters(dialog, {QStringLiteral("prepare.txt (prepare.txt)"), QStringLiteral("すべてのファイル (*.*)")});
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    ASSERT_EQ(types->count(), 2);
    EXPECT_EQ(types->itemText(0), QStringLiteral("prepare.txt (prepare.txt)"));
    EXPECT_EQ(types->itemText(1), QStringLiteral("すべてのファイル (*.*)"));
    // What the second filter matches: every name, as "*.*" does on Windows.
    ASSERT_EQ(dialog.nameFilters().size(), 2);
    EXPECT_TRUE(dialog.nameFilters()[1].endsWith(QStringLiteral("(*)")));
    EXPECT_TRUE(dialog.nameFilters()[0].endsWith(QStringLiteral("(prepare.txt)")));
}

// Starts the real program with its own runtime folder and waits until it holds its single-instance lock.
void StartHoldingTheLock(QProcess& program, const QTemporaryDir& runtime, const char* audioDriver) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("SDL_AUDIODRIVER", audioDriver);
    program.setProcessEnvironment(env);
    program.start(LW_APP_BINARY, {});
    ASSERT_TRUE(program.waitForStarted());
    const QString lock = runtime.path() + "/Lorewright.lock";
    for (int i = 0; i < 200 && !QFile::exists(lock); ++i) QTest::qWait(50);
    ASSERT_TRUE(QFile::exists(lock));
}

// The real program ends on SIGTERM and SIGINT through its own shutdown: the single-instance lock
// is given back (the lock file goes), and the exit is a normal one. That holds too when the signal
// comes while the start-up message of a missing sound device is still open.
TEST(Signals, TermAndIntEndTheProgramCleanly) {
    struct Case {
        int signal;
        const char* audioDriver;
    };
    for (const Case& c : {Case{SIGTERM, "dummy"}, Case{SIGINT, "dummy"}, Case{SIGTERM, "no-such-driver"}}) {
        const int signal = c.signal;
        QTemporaryDir runtime;
        QProcess program;
        ASSERT_NO_FATAL_FAILURE(StartHoldingTheLock(program, runtime, c.audioDriver));
        QTest::qWait(300);  // past start-up, into the event loop
        ::kill(static_cast<pid_t>(program.processId()), signal);
        ASSERT_TRUE(program.waitForFinished(10000)) << "signal " << signal;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "signal " << signal;
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_FALSE(QFile::exists(runtime.path() + "/Lorewright.lock"));
    }
}

TEST_F(ShellTest, HubEnablesByFilesAndReevaluatesAfterAnEditor) {
    Project& p = controller->context().project;
    p.root = dir.path();
    p.dataFolder = "data";
    p.imageFolder = "image";
    p.audioFolder = "audio";
    fs::create_directories(dir.path() / "data");
    WriteBytes(DataFilePath(p, "flag_exp.txt"),
               "<flag_exp_number>\r\n1\r\n</flag_exp_number>\r\n<flag_exp_data>\r\nthe door is open\r\n</flag_exp_data>");

    // An editor that writes midi_list.txt, standing in for the BGM list.
    controller->registry().Register(HubEditor::BgmList, [](EditorContext& c, QWidget*) {
        WriteBytes(DataFilePath(c.project, "midi_list.txt"), "");
    });
    // The tables of NPCs and chests the map markers come from live while the hub is open.
    Npc guard = NewNpc();
    guard.spriteFile = "guard.bmp";
    WriteBytes(DataFilePath(p, "npc_list.txt"), NpcListBytes({guard, NewNpc()}));
    WriteBytes(DataFilePath(p, "treasure_list.txt"), TreasureListBytes({NewTreasureChest()}));
    {
        HubDialog opened(*controller, nullptr);
        EXPECT_EQ(controller->context().npcs.count(), 2);
        EXPECT_EQ(controller->context().chests.count(), 1);
    }
    EXPECT_EQ(controller->context().npcs.count(), 0);
    EXPECT_EQ(controller->context().chests.count(), 0);
    fs::remove(DataFilePath(p, "npc_list.txt"));
    fs::remove(DataFilePath(p, "treasure_list.txt"));

    HubDialog hub(*controller, nullptr);
    EXPECT_EQ(hub.windowTitle(), QStringLiteral("ﾒﾆｭｰ"));
    EXPECT_EQ(controller->context().flags.text[0], "the door is open");
    EXPECT_FALSE(hub.button(HubEditor::SceneSettings)->isEnabled());
    EXPECT_TRUE(hub.button(HubEditor::BgmList)->isEnabled());
    // A disabled button names the files it waits for; an enabled one says nothing.
    EXPECT_EQ(hub.button(HubEditor::Title)->toolTip(), QStringLiteral("midi_list.txt と image_back.txt が必要です"));
    EXPECT_EQ(hub.button(HubEditor::Title)->accessibleDescription(), hub.button(HubEditor::Title)->toolTip());
    for (int i = 0; i < kHubEditorCount; ++i) {
        const QPushButton* b = hub.button(static_cast<HubEditor>(i));
        EXPECT_EQ(b->isEnabled(), b->accessibleDescription().isEmpty()) << b->text().toStdString();
    }
    EXPECT_EQ(hub.button(HubEditor::SceneSettings)->text(), QStringLiteral("場面設定"));
    QTest::mouseClick(hub.button(HubEditor::BgmList), Qt::LeftButton);
    EXPECT_TRUE(hub.button(HubEditor::SceneSettings)->isEnabled());
    // An enabled button's tip is its key, where it has one.
    EXPECT_EQ(hub.button(HubEditor::SceneSettings)->toolTip(), QStringLiteral("Ctrl+1"));
    EXPECT_EQ(hub.button(HubEditor::Title)->toolTip(), QStringLiteral("image_back.txt が必要です"));
    EXPECT_TRUE(hub.keysLabel()->text().startsWith(QStringLiteral("Ctrl+1 場面設定")));
    // Ctrl+digit opens the commonest editors from the keyboard.
    bool sceneSettingsOpened = false;
    controller->registry().Register(HubEditor::SceneSettings,
                                    [&](EditorContext&, QWidget*) { sceneSettingsOpened = true; });
    hub.show();
    QApplication::setActiveWindow(&hub);
    hub.button(HubEditor::BgmList)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_1, Qt::ControlModifier);
    // A button's key presses it as a click does, a moment later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return sceneSettingsOpened; }, 2000));

    // A button whose editor is not there yet says so instead of doing nothing.
    controller->registry().Register(HubEditor::LevelList, {});
    QTest::mouseClick(hub.button(HubEditor::LevelList), Qt::LeftButton);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.contains(QStringLiteral("ﾚﾍﾞﾙ ﾘｽﾄ")));

    // A placement button sets the placement mode before its editor opens.
    int seenMode = -1;
    controller->registry().Register(HubEditor::Inn, [&](EditorContext& c, QWidget*) { seenMode = c.placementMode; });
    hub.button(HubEditor::Inn)->setEnabled(true);
    QTest::mouseClick(hub.button(HubEditor::Inn), Qt::LeftButton);
    EXPECT_EQ(seenMode, 2);

    // Escape closes the hub, and so does Enter when no editor button has the focus.
    hub.show();
    QTest::keyClick(&hub, Qt::Key_Escape);
    EXPECT_FALSE(hub.isVisible());
    hub.show();
    // Active, so the focus really moves (the last editor button clicked may have passed its focus
    // on to an enabled button after it).
    QApplication::setActiveWindow(&hub);
    hub.closeButton()->setFocus();
    QTest::keyClick(&hub, Qt::Key_Return);
    EXPECT_FALSE(hub.isVisible());
}

TEST_F(ShellTest, EscapeAndEnterLeaveTheMainWindowOpenAndExitClosesIt) {
    MainWindow window(*controller);
    window.show();
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    // "終了" is no default button: Enter on it does not quit.
    EXPECT_FALSE(window.exitButton()->isDefault());
    EXPECT_FALSE(window.exitButton()->autoDefault());
    window.exitButton()->setFocus();
    QTest::keyClick(window.exitButton(), Qt::Key_Return);
    QTest::keyClick(window.exitButton(), Qt::Key_Enter);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.result(), 0);
    QTest::mouseClick(window.exitButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST(SingleInstance, SecondCopyExitsAtOnceWithZero) {
    QTemporaryDir runtime;
    QProcess first;
    ASSERT_NO_FATAL_FAILURE(StartHoldingTheLock(first, runtime, "dummy"));

    QProcess second;
    second.setProcessEnvironment(first.processEnvironment());
    second.start(LW_APP_BINARY, {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);  // the first copy is untouched

    first.kill();
    first.waitForFinished();
}

}  // namespace
}  // namespace lw
