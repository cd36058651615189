// "PC" through its widgets: "ﾌﾟﾚｰﾔｰｷｬﾗｸﾀｰ設定" -> "所持品" -> "装備" -> face -> "ｷｬﾗﾁｯﾌﾟ" -> "PC配置",
// to the bytes of pc.txt and start_game.txt; Cancel at every step; the belongings and equipment
// rules as the author meets them.
#include <gtest/gtest.h>

#include "core/rules/items.h"
#include "core/rules/player_character_rows.h"
#include "core/world/scene.h"
#include "editors/rules/player_character_editor.h"
#include "editors/scenes/placement_dialog_widgets.h"
#include "previews/map_view.h"
#include "support/core/bmp_makers.h"
#include "support/core/scene_makers.h"
#include "support/core/village_makers.h"
#include "support/qt/editor_test.h"
#include "support/qt/named.h"
#include "support/qt/property_driver.h"
#include "widgets/face_dialog.h"
#include "widgets/image_chooser.h"
#include "widgets/number_spin.h"

namespace lw {
namespace {

using namespace test;


std::string Cp932(const char* utf8) { return ToCp932(QString::fromUtf8(utf8)).value(); }

Item MakeItem(int kind, const char* name) {
    Item i;
    i.kind = kind;
    i.name = Cp932(name);
    return i;
}

class PlayerCharacterEditorTest : public test::EditorTest {
protected:

    void SetUp() override {
        EditorTest::SetUp();
        // Two swords of one name: only their places in the list tell them apart.
        tp.WriteData(kItemFile, ItemListBytes({MakeItem(kItemWeapon, "剣"), MakeItem(kItemHelmet, "兜"),
                                               MakeItem(kItemRecovery, "薬草"), MakeItem(kItemWeapon, "剣"),
                                               MakeItem(kItemArmour, "鎧")}));
        test::WriteBytes(ImageFilePath(tp.project, "face.bmp"), test::MakeSolidBmp24(64, 64, 0x806040));
        test::WriteBytes(ImageFilePath(tp.project, "hero.bmp"), test::VillagerSheetBmp(0x3050C0));
        WriteVillage(tp);
        tp.WriteData("scene0.txt", SceneBytes(VillageScene()));
    }

    static void Area(FaceDialog* d, const char* file, int width, int height) {
        SelectText(NamedControl<ImageChooser>(d, "画像ﾌｧｲﾙ"), QString::fromUtf8(file));
        Enter(NamedControl<NumberSpin>(d, "幅"), width, Leave::Stay);
        Enter(NamedControl<NumberSpin>(d, "高さ"), height, Leave::Stay);
    }
    // The texts of `column` of the table of the active dialog.
    static QStringList RowTexts(int column) {
        const auto* t = QApplication::activeModalWidget()->findChild<QTreeWidget*>();
        QStringList out;
        for (int i = 0; i < t->topLevelItemCount(); ++i) out << t->topLevelItem(i)->text(column);
        return out;
    }
    // A click on the equipment slot `row`.
    static void ClickSlot(int row) {
        auto* t = QApplication::activeModalWidget()->findChild<QTreeWidget*>();
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->topLevelItem(row)).center());
    }
    // The belongings: `item` (its place in the drop-down) and `count` added.
    static void AddBelonging(int item, int count) {
        Control<QComboBox>("ｱｲﾃﾑ名")->setCurrentIndex(item);
        Enter(Control<QSpinBox>("個数"), count, Leave::Stay);
        Press("追加");
    }
};

TEST_F(PlayerCharacterEditorTest, TheChainWritesThePlayerCharacterAndTheStartScene) {
    bool placed = false;
    RunFromHub<QDialog>(HubEditor::PlayerCharacter, [&](QDialog* editor) {
        EXPECT_EQ(editor->windowTitle(), QStringLiteral("ﾌﾟﾚｰﾔｰｷｬﾗｸﾀｰ設定"));
        Enter(Property<QSpinBox>(editor, "動作速度"), 0, Leave::Stay);  // a typed 0 is stored as 1
        Property<QLineEdit>(editor, "名前")->setText(QStringLiteral("勇者 一世"));  // "次へ" stores it
        OnNextModal<QDialog>([&](QDialog* b) {
            EXPECT_EQ(b->windowTitle(), QStringLiteral("所持品"));
            EXPECT_EQ(Control<QComboBox>("ｱｲﾃﾑ名")->count(), 5);
            EXPECT_EQ(Control<QSpinBox>("個数")->maximum(), 99);  // the per-item maximum of the settings
            // The same item twice keeps one row with the last count; the second sword is its own item
            // (pc.txt below); a count of 0 adds nothing.
            for (auto [row, count] : {std::pair{0, 3}, std::pair{0, 5}, std::pair{3, 2}, std::pair{2, 0}}) AddBelonging(row, count);
            EXPECT_EQ(RowTexts(0), (QStringList{"剣", "剣"}));
            EXPECT_EQ(RowTexts(1), (QStringList{"5", "2"}));

            OnNextModal<QDialog>([&](QDialog* e) {
                EXPECT_EQ(RowTexts(0), (QStringList{"武器", "兜", "鎧", "盾", "その他"}));
                auto* item = Control<QComboBox>("ｱｲﾃﾑ名");
                ClickSlot(0);
                // The weapon slot offers an empty entry and the two swords.
                EXPECT_EQ(item->count(), 3);
                item->setCurrentIndex(2);  // the second sword, item 4
                ClickSlot(2);
                EXPECT_EQ(item->count(), 2);
                item->setCurrentIndex(1);  // the armour, not among the belongings
                EXPECT_EQ(RowTexts(1), (QStringList{"剣", "", "鎧", "", ""}));

                OnNextModal<FaceDialog>([&](FaceDialog* face) {
                    EXPECT_EQ(face->windowTitle(), QStringLiteral("顔画像(ﾒﾆｭｰ用)"));
                    Area(face, "face.bmp", 64, 64);
                    OnNextModal<FaceDialog>(
                        [&](FaceDialog* chip) {
                            EXPECT_EQ(chip->windowTitle(), QStringLiteral("ｷｬﾗﾁｯﾌﾟ"));
                            Area(chip, "hero.bmp", 96, 200);  // cut back to the 192 rows of the picture
                            OnNextModal<ScenePlacementDialog>([&](ScenePlacementDialog* place) {
                                EXPECT_EQ(place->windowTitle(), QStringLiteral("PC配置"));
                                place->ChooseScene(0);
                                place->ClickCell(10, 12);
                                placed = true;
                                Click(place->okButton());
                            });
                            Click(chip->nextButton());
                        },
                        face);
                    Click(face->nextButton());
                });
                Press(e, "次へ");
            }, b);
            Press(b, "次へ");
        }, editor);
        Press(editor, "次へ");
    });
    ASSERT_TRUE(placed);

    // A click on cell (10, 12) of the 40 x 30 village: view (6, 9), the PC at (4, 3) within it, its
    // 48-pixel frames rising 16 pixels above the cell.
    const std::string expected = test::JoinLines(
        {"<pc_name>", Cp932("勇者 一世"), "</pc_name>", "<pc_main_data>",
         "1 6 9 128 80 1 0 0 1 20 20 20 20 10 10 100 50 0 0 1000 0", "</pc_main_data>", "<pc_chip_data>",
         "hero.bmp 0 0 96 192 0 0 0 0 0 1 2 1 0 0 1 2 3", "</pc_chip_data>", "<pc_face_data>",
         "face.bmp 0 0 64 64 0 0 0 0 0", "</pc_face_data>", "<pc_equipment_number>", "5", "</pc_equipment_number>",
         "<pc_equipment_data>", "4", "0", "5", "0", "0", "</pc_equipment_data>", "<pc_item_max_number>", "256",
         "</pc_item_max_number>", "<pc_item_number>", "3", "</pc_item_number>", "<pc_item_data>", "1 5", "4 2", "5 1",
         "</pc_item_data>"});
    EXPECT_EQ(tp.ReadData(kPlayerCharacterFile), expected);
    EXPECT_EQ(tp.ReadData("start_game.txt"), "<start_scene_index>\r\n0\r\n</start_scene_index>");
    EXPECT_TRUE(services.messages.empty()) << services.texts().join("\n").toStdString();
}

TEST_F(PlayerCharacterEditorTest, CancelReturnsStepByStepAndWritesNothing) {
    bool wentBack = false;
    RunFromHub<QDialog>(HubEditor::PlayerCharacter, [&](QDialog* editor) {
        OnNextModal<QDialog>([&](QDialog* b) {
            AddBelonging(2, 4);
            OnNextModal<QDialog>([&](QDialog* e) {
                ClickSlot(0);
                Control<QComboBox>("ｱｲﾃﾑ名")->setCurrentIndex(1);
                OnNextModal<FaceDialog>([&](FaceDialog* face) {
                    Area(face, "face.bmp", 64, 64);
                    OnNextModal<FaceDialog>(
                        [&](FaceDialog* chip) {
                            Area(chip, "hero.bmp", 96, 192);
                            OnNextModal<ScenePlacementDialog>([&](ScenePlacementDialog* place) { Click(place->cancelButton()); });
                            Click(chip->nextButton());
                            // Back from the placement: the chip dialog is still open.
                            EXPECT_TRUE(chip->isVisible());
                            Click(chip->cancelButton());
                        },
                        face);
                    Click(face->nextButton());
                    EXPECT_TRUE(face->isVisible());
                    Click(face->cancelButton());
                });
                Press(e, "次へ");
                EXPECT_TRUE(e->isVisible());
                Press(e, "ｷｬﾝｾﾙ");
            }, b);
            Press(b, "次へ");
            // The sword the equipment added to the belongings went with its cancel.
            EXPECT_TRUE(b->isVisible());
            EXPECT_EQ(RowTexts(0), QStringList{"薬草"});
            wentBack = true;
            Press(b, "ｷｬﾝｾﾙ");
        }, editor);
        Press(editor, "次へ");
        test::CancelPendingModalWatches();
        EXPECT_TRUE(editor->isVisible());
        Press(editor, "ｷｬﾝｾﾙ");
    });
    ASSERT_TRUE(wentBack);
    EXPECT_FALSE(DataFileExists(tp.project, kPlayerCharacterFile));
    EXPECT_FALSE(DataFileExists(tp.project, "start_game.txt"));
}

TEST_F(PlayerCharacterEditorTest, ADeclinedStartSceneStillWritesThePlayerCharacter) {
    tp.WriteData("start_game.txt", "<start_scene_index>\r\n3\r\n</start_scene_index>");
    PlayerCharacter pc = DefaultPlayerCharacter();
    pc.face = PcPicture{"face.bmp", 0, 0, 64, 64, 0, 0, 0, 0, 0};
    pc.chip = PcPicture{"hero.bmp", 0, 0, 96, 192, 0, 0, 0, 0, 0};
    tp.WriteData(kPlayerCharacterFile, PlayerCharacterBytes(pc));
    services.answers = {MessageAnswer::No, MessageAnswer::Yes};
    int sceneShown = -1;
    OnNextModal<QDialog>([](QDialog* editor) { Press(editor, "次へ"); });
    RunPlayerCharacterEditor(context, nullptr, [&](PlayerCharacter& p, int& scene, QWidget*) {
        sceneShown = scene;
        p.money = 7;
        scene = 0;
        return true;
    });
    EXPECT_EQ(sceneShown, 3);
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[0].caption, QStringLiteral(".\\data\\start_game.txt"));
    EXPECT_EQ(tp.ReadData("start_game.txt"), "<start_scene_index>\r\n3\r\n</start_scene_index>");
    pc.money = 7;
    EXPECT_EQ(tp.ReadData(kPlayerCharacterFile), PlayerCharacterBytes(pc));
}

TEST_F(PlayerCharacterEditorTest, EquipmentThatWouldOverfillTheBelongingsIsRefused) {
    PlayerCharacter pc = DefaultPlayerCharacter();
    for (int i = 0; i < kPcBelongingsCapacity; ++i) pc.belongings.push_back({i + 100, 1});
    pc.equipment = {1, 0, 0, 0, 0};  // a weapon from the file, not among the full belongings
    tp.WriteData(kPlayerCharacterFile, PlayerCharacterBytes(pc));
    bool wentOn = false;
    RunFromHub<QDialog>(HubEditor::PlayerCharacter, [&](QDialog* editor) {
        OnNextModal<QDialog>([&](QDialog* b) {
            OnNextModal<QDialog>([&](QDialog* e) {
                Press(e, "次へ");
                EXPECT_TRUE(e->isVisible());
                EXPECT_EQ(services.texts().size(), 1);
                // Emptied, the slot adds nothing and the chain goes on.
                ClickSlot(0);
                Control<QComboBox>("ｱｲﾃﾑ名")->setCurrentIndex(0);
                OnNextModal<FaceDialog>([&](FaceDialog* face) {
                    wentOn = true;
                    Click(face->cancelButton());
                }, e);
                Press(e, "次へ");
                Press(e, "ｷｬﾝｾﾙ");
            }, b);
            Press(b, "次へ");
            Press(b, "ｷｬﾝｾﾙ");
        }, editor);
        Press(editor, "次へ");
        Press(editor, "ｷｬﾝｾﾙ");
    });
    EXPECT_TRUE(wentOn);
}

}  // namespace
}  // namespace lw
