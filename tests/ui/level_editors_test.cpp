// The level list and the growth-type editors end to end through their widgets, opened as the hub
// opens them.
#include <gtest/gtest.h>

#include <QDir>
#include <filesystem>

#include "app/services.h"
#include "core/rules/levels.h"
#include "core/settings/game_settings.h"
#include "support/qt/editor_test.h"
#include "support/qt/named.h"

namespace lw {
namespace {

using namespace test;

class LevelEditorsTest : public test::EditorTest {
protected:
    // Opens the hub's `editor`, runs `drive` on it and its list, then presses `press`.
    void Run(HubEditor editor, const QString& press, const std::function<void(QDialog*, ListEditorPanel*)>& drive) {
        RunFromHub<QDialog>(editor, [&](QDialog* d) {
            drive(d, d->findChild<ListEditorPanel*>());
            Press(d, press);
        });
    }
};

TEST_F(LevelEditorsTest, LevelListOnANewProjectShowsAndWritesTheDefaultTable) {
    Run(HubEditor::LevelList, "OK", [&](QDialog* d, ListEditorPanel* panel) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("ﾚﾍﾞﾙﾘｽﾄ"));
        EXPECT_EQ(panel->view()->headerItem()->text(0), QStringLiteral("ﾚﾍﾞﾙ"));
        EXPECT_EQ(panel->view()->headerItem()->text(1), QStringLiteral("経験点"));
        EXPECT_EQ(Rows(panel), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
        EXPECT_EQ(Rows(panel, 1).last(), "4500");
        EXPECT_EQ(panel->selectedRow(), 0);
        auto* experience = NamedAs<QSpinBox>(d, "必要経験点");
        EXPECT_EQ(experience->value(), 0);
        EXPECT_EQ(experience->singleStep(), 100);
        EXPECT_EQ(experience->maximum(), 999999);
        EXPECT_EQ(NamedAs<QSpinBox>(d, "最大ﾚﾍﾞﾙ")->value(), 10);
        EXPECT_EQ(NamedAs<QSpinBox>(d, "最大ﾚﾍﾞﾙ")->maximum(), 256);
    });
    EXPECT_EQ(tp.ReadData("level_list.txt"), LevelListBytes(DefaultLevelTable().rows));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(LevelEditorsTest, LevelListEditsExperienceAndTheMaximumLevel) {
    tp.WriteData("level_list.txt", LevelListBytes(DefaultLevelTable().rows));
    Run(HubEditor::LevelList, "OK", [&](QDialog* d, ListEditorPanel* panel) {
        // The row selected on opening is the one "更新" changes.
        Enter(NamedAs<QSpinBox>(d, "必要経験点"), 50);
        Press(d, "必要経験点 更新");
        EXPECT_EQ(panel->rowText(0, 1), "50");

        ClickRow(panel, 2);
        EXPECT_EQ(NamedAs<QSpinBox>(d, "必要経験点")->value(), 1000);
        Enter(NamedAs<QSpinBox>(d, "必要経験点"), 1234);
        Press(d, "必要経験点 更新");
        EXPECT_EQ(panel->rowText(2, 1), "1234");

        // Maximum 12 appends levels 11 and 12 with no experience; 8 cuts the table to 8 levels.
        Enter(NamedAs<QSpinBox>(d, "最大ﾚﾍﾞﾙ"), 12);
        Press(d, "最大ﾚﾍﾞﾙ 更新");
        EXPECT_EQ(Rows(panel).size(), 12);
        EXPECT_EQ(panel->rowText(11, 1), "0");
        Enter(NamedAs<QSpinBox>(d, "最大ﾚﾍﾞﾙ"), 8);
        Press(d, "最大ﾚﾍﾞﾙ 更新");
        EXPECT_EQ(Rows(panel), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}));
    });
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
    Run(HubEditor::LevelList, "ｷｬﾝｾﾙ", [&](QDialog* d, ListEditorPanel* panel) {
        EXPECT_EQ(Rows(panel), (QStringList{"1", "2", "3", "4", "5"}));
        EXPECT_EQ(NamedAs<QSpinBox>(d, "最大ﾚﾍﾞﾙ")->value(), 5);
        ClickRow(panel, 1);
        Enter(NamedAs<QSpinBox>(d, "必要経験点"), 99);
    });
    EXPECT_EQ(tp.ReadData("level_list.txt"), old);
    // Showing level 3 and updating it untouched keeps its value.
    Run(HubEditor::LevelList, "OK", [&](QDialog* d, ListEditorPanel* panel) {
        ClickRow(panel, 2);
        Press(d, "必要経験点 更新");
    });
    EXPECT_EQ(tp.ReadData("level_list.txt"), "<level_number>\r\n5\r\n</level_number>\r\n<level_data>\r\n1 0\r\n2 10\r\n3 2000000\r\n"
                                             "4 999999\r\n5 999999\r\n</level_data>");
}

TEST_F(LevelEditorsTest, GrowthTypesOnANewProjectShowTheBuiltInTypesAndCancelWritesNothing) {
    Run(HubEditor::LevelUp, "ｷｬﾝｾﾙ", [&](QDialog*, ListEditorPanel* panel) {
        ClickRow(panel, 0);
        Click(panel->deleteButton());
    });
    EXPECT_FALSE(std::filesystem::exists(DataFilePath(tp.project, "level_ability_list.txt")));
    Run(HubEditor::LevelUp, "OK", [&](QDialog* d, ListEditorPanel* panel) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("ﾚﾍﾞﾙｱｯﾌﾟの能力値上昇"));
        EXPECT_EQ(NamedAs<QLineEdit>(d, "案内文")->text(), QStringLiteral("上昇させる能力値を決めてください"));
        ASSERT_EQ(panel->rowCount(), 9);
        EXPECT_EQ(panel->rowText(0), QStringLiteral("バランス型 2 2 2 2 2 2 4 4"));
        EXPECT_EQ(panel->rowText(8), QStringLiteral("精神点型 0 0 0 0 0 0 0 20"));
        EXPECT_EQ(NamedAs<QSpinBox>(d, "敏捷度")->maximum(), 9999);  // the default maximum ability value
    });
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
    Run(HubEditor::LevelUp, "OK", [&](QDialog* d, ListEditorPanel* panel) {
        EXPECT_EQ(NamedAs<QSpinBox>(d, "精神点")->maximum(), 50);
        EXPECT_EQ(panel->selectedRow(), -1);

        ClickRow(panel, 0);
        EXPECT_EQ(NamedAs<QLineEdit>(d, "型名")->text(), "Fast");
        EXPECT_EQ(NamedAs<QSpinBox>(d, "回避力")->value(), 1);
        Enter(NamedAs<QSpinBox>(d, "回避力"), 3);
        Press(d, "更新");
        EXPECT_EQ(panel->rowText(0), "Fast 70 3 0 0 0 0 0 0");

        // A new type from the fields, appended and selected; the agility shown from "Fast" and left
        // alone keeps its 70.
        TypeText(NamedAs<QLineEdit>(d, "型名"), QStringLiteral("魔法剣士"));
        Enter(NamedAs<QSpinBox>(d, "魔力"), 45);
        Click(panel->addButton());
        ASSERT_EQ(panel->rowCount(), 3);
        EXPECT_EQ(panel->selectedRow(), 2);
        EXPECT_EQ(panel->rowText(2), QStringLiteral("魔法剣士 70 3 0 0 45 0 0 0"));

        // Names the file cannot carry are refused with a message; nothing changes.
        TypeText(NamedAs<QLineEdit>(d, "型名"), "");
        Click(panel->addButton());
        TypeText(NamedAs<QLineEdit>(d, "型名"), "Two words");
        Press(d, "更新");
        EXPECT_EQ(services.texts(), (QStringList{QStringLiteral("型名がありません"), QStringLiteral("型名に空白は使えません")}));
        EXPECT_EQ(panel->rowCount(), 3);
        EXPECT_EQ(panel->rowText(2), QStringLiteral("魔法剣士 70 3 0 0 45 0 0 0"));

        // Moving, deleting and the guidance.
        Click(panel->upButton());
        EXPECT_EQ(panel->selectedRow(), 1);
        ClickRow(panel, 2);
        Click(panel->deleteButton());
        TypeText(NamedAs<QLineEdit>(d, "案内文"), QStringLiteral("能力を 選んで"));
        services.messages.clear();
    });
    EXPECT_EQ(tp.ReadData("level_ability_list.txt"),
              "<level_ability_number>\r\n2\r\n</level_ability_number>\r\n<level_ability_data>\r\nFast 70 3 0 0 0 0 0 0\r\n"
              "\x96\x82\x96@\x8c\x95\x8em 70 3 0 0 45 0 0 0\r\n</level_ability_data>\r\n<level_ability_message>\r\n"
              "\x94\x5c\x97\xcd\x82\xf0 \x91I\x82\xf1\x82\xc5\r\n</level_ability_message>");
}

}  // namespace
}  // namespace lw
