// The real desktop services where they can run without a person: the trash and the save messages.

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/services.h"
#include "support/core/temp_dir.h"
#include "support/qt/fake_services.h"

namespace lw {
namespace {

// A data home that does not exist yet gets the trash folders; a trash that cannot be made is a
// failure with the file left where it was.
TEST(Services, RecycleBinMoveIsRestorableAndFailuresAreReported) {
    QTemporaryDir home;
    const QString dataHome = home.path() + "/not/yet/share";
    qputenv("XDG_DATA_HOME", dataHome.toUtf8());
    test::TempProject tp;
    tp.WriteData("scene3.txt", "scene bytes");
    QtServices services;
    EXPECT_TRUE(MoveDataFileToRecycleBin(services, DataFilePath(tp.project, "scene3.txt")));
    EXPECT_FALSE(DataFileExists(tp.project, "scene3.txt"));
    // The file is in the freedesktop trash with the information needed to put it back.
    EXPECT_EQ(test::ReadBytes((dataHome + "/Trash/files/scene3.txt").toStdString()), "scene bytes");
    EXPECT_TRUE(QFile::exists(dataHome + "/Trash/info/scene3.txt.trashinfo"));
    // A missing file is not reported as moved.
    EXPECT_FALSE(MoveDataFileToRecycleBin(services, DataFilePath(tp.project, "scene3.txt")));

    tp.WriteData("scene5.txt", "kept");
    test::WriteBytes((home.path() + "/blocked").toStdString(), "a file, not a folder");
    qputenv("XDG_DATA_HOME", (home.path() + "/blocked").toUtf8());
    EXPECT_FALSE(MoveDataFileToRecycleBin(services, DataFilePath(tp.project, "scene5.txt")));
    EXPECT_EQ(tp.ReadData("scene5.txt"), "kept");
    qunsetenv("XDG_DATA_HOME");
}

TEST(Services, SaveQuestionsUseTheProgramMessages) {
    test::FakeServices fake;
    DialogSaveUi ui(fake, nullptr);
    fake.answers.push_back(MessageAnswer::No);
    EXPECT_FALSE(ui.ConfirmOverwrite(".\\data\\\x83\x41\x83\x43\x83\x65\x83\x80.txt"));  // アイテム
    ui.CannotCreate();
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[0].text, QStringLiteral("同名のファイルが存在しますが、上書きしますか？"));
    EXPECT_EQ(fake.messages[0].caption, QStringLiteral(".\\data\\アイテム.txt"));
    EXPECT_EQ(fake.messages[0].defaultAnswer, MessageAnswer::Yes);
    EXPECT_EQ(fake.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(fake.messages[1].text, QStringLiteral("ファイルを作成できません"));
    EXPECT_EQ(fake.messages[1].caption, QStringLiteral("Lorewright"));
    EXPECT_EQ(fake.messages[1].icon, MessageIcon::Error);
}

// Files written together are named in the first overwrite question of their save only: at most 12,
// then how many more. A save that asked nothing does not leave its names to the next save.
TEST(Services, FilesWrittenTogetherAreNamedOnceInTheirOwnSave) {
    test::FakeServices fake;
    DialogSaveUi ui(fake, nullptr);
    std::vector<std::string> names;
    for (int i = 0; i < 13; ++i) names.push_back(".\\data\\scene" + std::to_string(i) + ".txt");
    ui.WritingTogether(names);
    fake.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    EXPECT_EQ(ui.ConfirmOverwriteOfMany(names[0]), OverwriteAnswer::Yes);
    EXPECT_EQ(ui.ConfirmOverwriteOfMany(names[1]), OverwriteAnswer::Yes);
    ui.Finished();
    ASSERT_EQ(fake.messages.size(), 2u);
    const QString& first = fake.messages[0].text;
    EXPECT_TRUE(first.contains(QStringLiteral("次のファイルをまとめて書き換えます:\n.\\data\\scene0.txt\n")));
    EXPECT_TRUE(first.contains(QStringLiteral("scene11.txt\nほか 1 ファイル")));
    EXPECT_FALSE(first.contains(QStringLiteral("scene12.txt")));
    EXPECT_EQ(fake.messages[1].text, QStringLiteral("同名のファイルが存在しますが、上書きしますか？"));

    ui.WritingTogether(names);  // every file new: no question asked
    ui.Finished();
    fake.answers = {MessageAnswer::No};
    EXPECT_EQ(ui.ConfirmOverwriteOfMany(names[0]), OverwriteAnswer::No);
    EXPECT_EQ(fake.messages.back().text, QStringLiteral("同名のファイルが存在しますが、上書きしますか？"));
}

}  // namespace
}  // namespace lw
