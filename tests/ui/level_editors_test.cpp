// The level list and the growth-type editors end to end through their widgets.
#include <gtest/gtest.h>

#include <QDir>
#include <filesystem>

#include "app/services.h"
#include "editors/rules/level_list_editor.h"
#include "editors/rules/level_up_editor.h"
#include "support/qt/editor_test.h"
#include "support/qt/named.h"

namespace lw {
namespace {

using namespace test;

class LevelEditorsTest : public test::EditorTest {
protected:

    bool DataExists(std::string_view name) const { return std::filesystem::exists(DataFilePath(tp.project, name)); }
};

TEST_F(LevelEditorsTest, LevelListOnANewProjectShowsAndWritesTheDefaultTable) {
    LevelListEditor editor(context);
    editor.show();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("ﾚﾍﾞﾙﾘｽﾄ"));
    EXPECT_EQ(editor.panel()->view()->headerItem()->text(0), QStringLiteral("ﾚﾍﾞﾙ"));
    EXPECT_EQ(editor.panel()->view()->headerItem()->text(1), QStringLiteral("経験点"));
    EXPECT_EQ(Rows(editor.panel()), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(Rows(editor.panel(), 1).last(), "4500");
    EXPECT_EQ(editor.panel()->selectedRow(), 0);
    EXPECT_EQ(NamedAs<QSpinBox>(&editor, "必要経験点")->value(), 0);
    EXPECT_EQ(NamedAs<QSpinBox>(&editor, "必要経験点")->singleStep(), 100);
    EXPECT_EQ(NamedAs<QSpinBox>(&editor, "必要経験点")->maximum(), 999999);
    EXPECT_EQ(NamedAs<QSpinBox>(&editor, "最大ﾚﾍﾞﾙ")->value(), 10);
    EXPECT_EQ(NamedAs<QSpinBox>(&editor, "最大ﾚﾍﾞﾙ")->maximum(), 256);

    Click(editor.okButton());
    EXPECT_EQ(editor.result(), 1);
    EXPECT_EQ(tp.ReadData("level_list.txt"), LevelListBytes(DefaultLevelTable().rows));
    EXPECT_TRUE(tp.ReadData("level_list.txt").starts_with("<level_number>\r\n10\r\n</level_number>\r\n<level_data>\r\n1 0\r\n"));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(LevelEditorsTest, LevelListEditsExperienceAndTheMaximumLevel) {
    tp.WriteData("level_list.txt", LevelListBytes(DefaultLevelTable().rows));
    LevelListEditor editor(context);
    editor.show();

    // The row selected on opening is the one "更新" changes.
    Enter(NamedAs<QSpinBox>(&editor, "必要経験点"), 50);
    Press(&editor, "必要経験点 更新");
    EXPECT_EQ(editor.panel()->rowText(0, 1), "50");

    ClickRow(editor.panel(), 2);
    EXPECT_EQ(NamedAs<QSpinBox>(&editor, "必要経験点")->value(), 1000);
    Enter(NamedAs<QSpinBox>(&editor, "必要経験点"), 1234);
    Press(&editor, "必要経験点 更新");
    EXPECT_EQ(editor.panel()->rowText(2, 1), "1234");

    // Maximum 12 appends levels 11 and 12 with no experience; 8 cuts the table to 8 levels.
    Enter(NamedAs<QSpinBox>(&editor, "最大ﾚﾍﾞﾙ"), 12);
    Press(&editor, "最大ﾚﾍﾞﾙ 更新");
    EXPECT_EQ(Rows(editor.panel()).size(), 12);
    EXPECT_EQ(editor.panel()->rowText(11, 1), "0");
    Enter(NamedAs<QSpinBox>(&editor, "最大ﾚﾍﾞﾙ"), 8);
    Press(&editor, "最大ﾚﾍﾞﾙ 更新");
    EXPECT_EQ(Rows(editor.panel()), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}));

    Click(editor.okButton());
    ASSERT_EQ(services.messages.size(), 1u);  // the overwrite question
    EXPECT_EQ(services.messages[0].caption, QStringLiteral(".\\data\\level_list.txt"));
    EXPECT_EQ(tp.ReadData("level_list.txt"), "<level_number>\r\n8\r\n</level_number>\r\n<level_data>\r\n1 50\r\n2 500\r\n3 1234\r\n"
                                             "4 1500\r\n5 2000\r\n6 2500\r\n7 3000\r\n8 3500\r\n</level_data>");
}

TEST_F(LevelEditorsTest, LevelListOldFilesCancelAndUntouchedValues) {
    // An old file: level 3 needs more than the spin can show; <level_max> asks for 5 levels.
    const std::string old = "<level_number>\r\n3\r\n</level_number>\r\n<level_data>\r\n1 0\r\n2 10\r\n3 2000000\r\n</level_data>\r\n"
                            "<level_add>\r\n0 100\r\n</level_add>\r\n<level_max>\r\n5\r\n</level_max>";
    tp.WriteData("level_list.txt", old);
    {
        LevelListEditor editor(context);
        editor.show();
        EXPECT_EQ(Rows(editor.panel()), (QStringList{"1", "2", "3", "4", "5"}));
        EXPECT_EQ(NamedAs<QSpinBox>(&editor, "最大ﾚﾍﾞﾙ")->value(), 5);
        ClickRow(editor.panel(), 1);
        Enter(NamedAs<QSpinBox>(&editor, "必要経験点"), 99);
        Press(&editor, "ｷｬﾝｾﾙ");
        EXPECT_EQ(editor.result(), 0);
        EXPECT_EQ(tp.ReadData("level_list.txt"), old);
    }
    {
        // Showing level 3 and updating it untouched keeps its value.
        LevelListEditor editor(context);
        editor.show();
        ClickRow(editor.panel(), 2);
        Press(&editor, "必要経験点 更新");
        Click(editor.okButton());
        EXPECT_EQ(tp.ReadData("level_list.txt"), "<level_number>\r\n5\r\n</level_number>\r\n<level_data>\r\n1 0\r\n2 10\r\n3 2000000\r\n"
                                                 "4 999999\r\n5 999999\r\n</level_data>");
    }
}

TEST_F(LevelEditorsTest, GrowthTypesOnANewProjectShowTheBuiltInTypesAndCancelWritesNothing) {
    {
        LevelUpEditor editor(context);
        editor.show();
        ClickRow(editor.panel(), 0);
        Click(editor.panel()->deleteButton());
        Press(&editor, "ｷｬﾝｾﾙ");
        EXPECT_EQ(editor.result(), 0);
        EXPECT_FALSE(DataExists("level_ability_list.txt"));
    }
    LevelUpEditor editor(context);
    editor.show();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("ﾚﾍﾞﾙｱｯﾌﾟの能力値上昇"));
    EXPECT_EQ(NamedAs<QLineEdit>(&editor, "案内文")->text(), QStringLiteral("上昇させる能力値を決めてください"));
    ASSERT_EQ(editor.panel()->rowCount(), 9);
    EXPECT_EQ(editor.panel()->rowText(0), QStringLiteral("バランス型 2 2 2 2 2 2 4 4"));
    EXPECT_EQ(editor.panel()->rowText(8), QStringLiteral("精神点型 0 0 0 0 0 0 0 20"));
    EXPECT_EQ(NamedAs<QSpinBox>(&editor, "敏捷度")->maximum(), 9999);  // the default maximum ability value

    Click(editor.okButton());
    EXPECT_EQ(tp.ReadData("level_ability_list.txt"), GrowthListBytes(BuiltInGrowthList()));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(LevelEditorsTest, GrowthTypesAddUpdateRefuseAndSave) {
    // A maximum ability value of 50 from setting.txt; a stored value above it survives an update
    // that does not touch it.
    GameSettings settings;
    settings.abilityMax = 50;
    tp.WriteData("setting.txt", GameSettingsBytes(settings));
    tp.WriteData("level_ability_list.txt",
                 GrowthListBytes(GrowthList{{{"Fast", 70, 1, 0, 0, 0, 0, 0, 0}, {"Slow", 0, 0, 0, 0, 0, 0, 1, 1}}, "Pick"}));
    LevelUpEditor editor(context);
    editor.show();
    EXPECT_EQ(NamedAs<QSpinBox>(&editor, "精神点")->maximum(), 50);
    EXPECT_EQ(editor.panel()->selectedRow(), -1);

    ClickRow(editor.panel(), 0);
    EXPECT_EQ(NamedAs<QLineEdit>(&editor, "型名")->text(), "Fast");
    EXPECT_EQ(NamedAs<QSpinBox>(&editor, "回避力")->value(), 1);
    Enter(NamedAs<QSpinBox>(&editor, "回避力"), 3);
    Press(&editor, "更新");
    EXPECT_EQ(editor.panel()->rowText(0), "Fast 70 3 0 0 0 0 0 0");

    // A new type from the fields, appended and selected; the agility shown from "Fast" and left
    // alone keeps its 70.
    TypeText(NamedAs<QLineEdit>(&editor, "型名"), QStringLiteral("魔法剣士"));
    Enter(NamedAs<QSpinBox>(&editor, "魔力"), 45);
    Click(editor.panel()->addButton());
    ASSERT_EQ(editor.panel()->rowCount(), 3);
    EXPECT_EQ(editor.panel()->selectedRow(), 2);
    EXPECT_EQ(editor.panel()->rowText(2), QStringLiteral("魔法剣士 70 3 0 0 45 0 0 0"));

    // Names the file cannot carry are refused with a message; nothing changes.
    TypeText(NamedAs<QLineEdit>(&editor, "型名"), "");
    Click(editor.panel()->addButton());
    TypeText(NamedAs<QLineEdit>(&editor, "型名"), "Two words");
    Press(&editor, "更新");
    EXPECT_EQ(services.texts(), (QStringList{QStringLiteral("型名がありません"), QStringLiteral("型名に空白は使えません")}));
    EXPECT_EQ(editor.panel()->rowCount(), 3);
    EXPECT_EQ(editor.panel()->rowText(2), QStringLiteral("魔法剣士 70 3 0 0 45 0 0 0"));

    // Moving, deleting and the guidance.
    Click(editor.panel()->upButton());
    EXPECT_EQ(editor.panel()->selectedRow(), 1);
    ClickRow(editor.panel(), 2);
    Click(editor.panel()->deleteButton());
    TypeText(NamedAs<QLineEdit>(&editor, "案内文"), QStringLiteral("能力を 選んで"));
    services.messages.clear();
    Click(editor.okButton());
    EXPECT_EQ(tp.ReadData("level_ability_list.txt"),
              "<level_ability_number>\r\n2\r\n</level_ability_number>\r\n<level_ability_data>\r\nFast 70 3 0 0 0 0 0 0\r\n"
              "\x96\x82\x96@\x8c\x95\x8em 70 3 0 0 45 0 0 0\r\n</level_ability_data>\r\n<level_ability_message>\r\n"
              "\x94\x5c\x97\xcd\x82\xf0 \x91I\x82\xf1\x82\xc5\r\n</level_ability_message>");
}

TEST_F(LevelEditorsTest, AnUnreadableFileIsNeverSavedOver) {
    std::filesystem::create_directory(DataFilePath(tp.project, kLevelFile));
    std::filesystem::create_directory(DataFilePath(tp.project, kLevelAbilityFile));
    // An editor built on such a file writes nothing on OK, and says nothing more.
    LevelListEditor levels(context);
    LevelUpEditor growth(context);
    const std::size_t said = services.messages.size();
    Click(levels.okButton());
    Click(growth.okButton());
    EXPECT_EQ(services.messages.size(), said);
    EXPECT_TRUE(std::filesystem::is_directory(DataFilePath(tp.project, kLevelFile)));
    EXPECT_TRUE(std::filesystem::is_directory(DataFilePath(tp.project, kLevelAbilityFile)));
}

}  // namespace
}  // namespace lw
