// The placement hub through its widgets: captions by mode, the position list and the position
// dialog ending in the owner form (clicks on the map, the owner form's Cancel keeping the dialog
// open, the rows of other kinds kept in order, the groups edited in the catalog taken back), the
// 65th event position refused, OK writing every readable scene and the flag explanations, Cancel
// writing nothing, an unreadable scene never written; and the field battles with their chip grid.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <filesystem>

#include "core/events/flag_explanations.h"
#include "core/rules/enemy_units.h"
#include "core/rules/player_character.h"
#include "core/world/scene.h"
#include "editors/events/event_command_editor.h"
#include "editors/scenes/placement_hub.h"
#include "support/core/bmp_makers.h"
#include "support/core/map_makers.h"
#include "support/qt/editor_driver.h"
#include "support/qt/named.h"
#include "support/qt/titled.h"
#include "widgets/image_chooser.h"

namespace lw {
namespace {

namespace fs = std::filesystem;
using namespace test;

class PlacementHubTest : public test::EditorTest {
protected:
    Scene town;
    // What the owner form does: records its calls and runs `ownerAction`.
    struct OwnerCall {
        EventOwner owner;
        int scene;
        int group;
    };
    std::vector<OwnerCall> ownerCalls;
    std::function<std::optional<int>(SceneCatalog&, int scene)> ownerAction;
    PlacementSteps steps;

    void SetUp() override {
        EditorTest::SetUp();
        tp.WriteData("town.bin", test::MakeMapBytes(20, 15));
        town = NewScene();
        town.name = "town";
        town.mapDataFile = "town.bin";
        town.eventPositions = {{kShopPosition, 1, 1, 0, 2, 3},
                               {kInnPosition, 2, 2, 1, 1, 0},
                               {kSignpostPosition, 3, 3, 2, 0, 0},
                               {kInnPosition, 4, 4, 3, 3, 0}};
        tp.WriteData("scene0.txt", SceneBytes(town));
        steps.ownerForm = [this](SceneCatalog& catalog, EventOwner owner, int scene, int group, QWidget*) {
            ownerCalls.push_back({owner, scene, group});
            return ownerAction ? ownerAction(catalog, scene) : std::nullopt;
        };
    }
    // A scene file over the ceiling of list files: it cannot be read.
    void AddUnreadableScene(const char* name) {
        const fs::path huge = DataFilePath(tp.project, name);
        test::WriteBytes(huge, "x");
        fs::resize_file(huge, kListFileCeiling + 1);
    }
    // The scene file as OK wrote it.
    Scene Written() const {
        Scene written;
        ParseScene(tp.ReadData("scene0.txt"), written);
        return written;
    }
};

TEST_F(PlacementHubTest, CaptionsFollowTheMode) {
    const QStringList expected = {QStringLiteral("背景ｱﾆﾒ設定１"), QStringLiteral("場面変更1"), QStringLiteral("宿屋1"),
                                  QStringLiteral("立て札1"),       QStringLiteral("定位置戦闘1"), QStringLiteral("ﾌｨｰﾙﾄﾞ戦闘1")};
    for (int mode = 0; mode <= 5; ++mode) {
        PlacementHub hub(context, mode, steps);
        EXPECT_EQ(hub.windowTitle(), expected[mode]);
        EXPECT_EQ(hub.list()->count(), 1);
        EXPECT_TRUE(hub.showBox()->isChecked());
        // Only the position modes work on the scene catalog.
        EXPECT_EQ(hub.catalog().count(), mode >= 1 && mode <= 4 ? 1 : 0);
    }
}

// The player character, from pc.txt, stands at the selected position.
TEST_F(PlacementHubTest, InnPositionsFromAClickThroughTheOwnerFormToTheSceneFile) {
    test::WriteBytes(ImageFilePath(tp.project, "hero.bmp"), test::MakeSolidBmp24(96, 192, 0xC03030));
    PlayerCharacter pc = DefaultPlayerCharacter();
    pc.chip = PcPicture{.fileName = "hero.bmp", .x = 0, .y = 0, .width = 96, .height = 192};
    pc.direction = 2;
    tp.WriteData("pc.txt", PlayerCharacterBytes(pc));
    const PlacedSprite marker = PlayerCharacterMarker(tp.project);
    EXPECT_EQ(marker.image.size(), QSize(96, 192));
    EXPECT_EQ(marker.offset, 48 - 32);
    EXPECT_EQ(marker.direction, 2);
    AddUnreadableScene("scene5.txt");
    const std::string unreadableBefore = test::ReadBytes(DataFilePath(tp.project, "scene5.txt")).substr(0, 8);
    PlacementHub hub(context, 2, steps);
    ASSERT_EQ(hub.list()->count(), 2);
    EXPECT_EQ(services.messages.size(), 1u);  // the unreadable scene is named once
    hub.show();

    // Editing the unreadable scene is refused.
    hub.SelectRow(1);
    Click(hub.editButton());
    EXPECT_EQ(services.messages.size(), 2u);
    hub.SelectRow(0);

    InTitled("宿屋2", [&] { Click(hub.editButton()); }, [&](QDialog* list) {
        EXPECT_EQ(Rows(PanelOf(list)), (QStringList{"2 2 1 1 — タイトル（スタート）", "4 4 3 3 — タイトル（終了）"}));
        const PlacedSprite& shown = context.mapView->state().sprite;
        EXPECT_FALSE(shown.image.isNull());
        EXPECT_EQ(shown.position, QPoint(2, 2));  // the first inn
        EXPECT_EQ(shown.direction, 1);            // facing as the row says
        ClickRow(PanelOf(list), 1);
        EXPECT_EQ(shown.position, QPoint(4, 4));

        // "追加...": the position dialog starts at the nearest cell in range; a click on the map
        // sets it; the owner form's Cancel keeps the dialog open, its OK gives the group.
        InTitled("位置", [&] { Click(PanelOf(list)->addButton()); }, [&](QDialog* d) {
            QSpinBox* x = NamedAs<QSpinBox>(d, "X");
            QSpinBox* y = NamedAs<QSpinBox>(d, "Y");
            EXPECT_EQ(x->value(), 0);
            EXPECT_EQ(x->maximum(), 19);
            EXPECT_EQ(y->maximum(), 14);
            EXPECT_EQ(context.mapView->state().mode, MapViewMode::Placement);
            context.mapView->HandleLeftButton(QPoint(6 * 32 + 4, 5 * 32 + 4));
            EXPECT_EQ(x->value(), 6);
            EXPECT_EQ(y->value(), 5);
            NamedAs<QComboBox>(d, "PCの向き")->setCurrentIndex(4);
            Click(ConfirmButton(d));
            EXPECT_TRUE(d->isVisible());
            ownerAction = [](SceneCatalog& catalog, int scene) {
                SceneCatalogEntry* e = FindCatalogEntry(catalog, scene);
                e->groups()[1].explanation = "inn";
                e->groups().push_back(EventCommandGroup{"sleep", {"heal"}});
                return std::optional<int>(4);
            };
            Click(ConfirmButton(d));
        });
        ASSERT_EQ(ownerCalls.size(), 2u);
        EXPECT_EQ(ownerCalls[1].owner, EventOwner::Inn);
        EXPECT_EQ(ownerCalls[1].scene, 0);
        EXPECT_EQ(ownerCalls[1].group, 0);  // a new position starts from group 0
        EXPECT_EQ(Rows(PanelOf(list)), (QStringList{"2 2 1 1 — タイトル（スタート）", "4 4 3 3 — タイトル（終了）", "6 5 4 4"}));
        EXPECT_EQ(PanelOf(list)->selectedRow(), 2);

        // Delete the first, move the new one up.
        ClickRow(PanelOf(list), 0);
        Click(PanelOf(list)->deleteButton());
        ClickRow(PanelOf(list), 1);
        Click(PanelOf(list)->upButton());
        EXPECT_EQ(Rows(PanelOf(list)), (QStringList{"6 5 4 4", "4 4 3 3 — タイトル（終了）"}));
        Click(ConfirmButton(list));
    });

    Click(hub.okButton());
    const Scene written = Written();
    // The shop, the signpost and the untouched inn keep their places; the changed inn takes the
    // place of the one it replaced.
    EXPECT_EQ(written.eventPositions, (std::vector<EventPosition>{{kShopPosition, 1, 1, 0, 2, 3},
                                                                   {kInnPosition, 6, 5, 4, 4, 0},
                                                                   {kSignpostPosition, 3, 3, 2, 0, 0},
                                                                   {kInnPosition, 4, 4, 3, 3, 0}}));
    ASSERT_EQ(written.groupCount(), 5);
    EXPECT_EQ(written.groups[1].explanation, "inn");
    EXPECT_EQ(written.groups[4].commands, (CommandLines{"heal"}));
    EXPECT_EQ(written.name, "town");
    EXPECT_TRUE(fs::exists(DataFilePath(tp.project, kFlagFile)));
    EXPECT_EQ(fs::file_size(DataFilePath(tp.project, "scene5.txt")), kListFileCeiling + 1);
    EXPECT_EQ(test::ReadBytes(DataFilePath(tp.project, "scene5.txt")).substr(0, 8), unreadableBefore);
    // Without pc.txt there is no marker.
    fs::remove(DataFilePath(tp.project, "pc.txt"));
    EXPECT_TRUE(PlayerCharacterMarker(tp.project).image.isNull());
}

// The hub button "立て札" as the program registers it: a click on the map sets the position, the
// owner form of the event command editor writes the group and picks it, and OK writes the scene.
TEST_F(PlacementHubTest, SignpostFromTheHubButtonThroughTheRealOwnerForm) {
    bool flowRan = false;
    RunFromHub<PlacementHub>(HubEditor::Signboard, [&](PlacementHub* hub) {
        EXPECT_EQ(hub->windowTitle(), QStringLiteral("立て札1"));
        InTitled("立て札2", [&] { Click(hub->editButton()); }, [&](QDialog* list) {
            InTitled("位置", [&] { Click(PanelOf(list)->addButton()); }, [&](QDialog* d) {
                context.mapView->HandleLeftButton(QPoint(7 * 32 + 9, 8 * 32 + 9));
                NamedAs<QComboBox>(d, "PCの向き")->setCurrentIndex(3);
                InDialog<EventCommandEditor>([&] { Click(ConfirmButton(d)); }, [&](EventCommandEditor* owner) {
                    EXPECT_EQ(owner->form(), EventCommandEditor::Form::Owner);
                    EXPECT_EQ(owner->ownerGroupLabel()->text(), QStringLiteral("立て札ｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号"));
                    owner->groupChoice()->setCurrentIndex(2);
                    owner->explanationField()->setText(QStringLiteral("sign"));
                    owner->textField()->setPlainText(QStringLiteral("msg 4"));
                    owner->ownerGroupChoice()->setCurrentIndex(3);  // group 2
                    Click(owner->okButton());
                });
            });
            EXPECT_EQ(Rows(PanelOf(list)), (QStringList{"3 3 2 0 — タイトル（序章）", "7 8 3 2 — タイトル（ロード）"}));
            Click(ConfirmButton(list));
        });
        Click(hub->okButton());
        flowRan = true;
    });
    EXPECT_TRUE(flowRan);
    const Scene written = Written();
    EXPECT_EQ(written.eventPositions.back(), (EventPosition{kSignpostPosition, 7, 8, 3, 2, 0}));
    EXPECT_EQ(written.eventPositions.size(), 5u);
    EXPECT_EQ(written.groups[2].explanation, "sign");
    EXPECT_EQ(written.groups[2].commands, (CommandLines{"msg 4"}));
    EXPECT_EQ(written.groups[0].commands, (CommandLines{"nar 0"}));
    EXPECT_TRUE(fs::exists(DataFilePath(tp.project, kFlagFile)));
}

TEST_F(PlacementHubTest, CancelWritesNothingAndPutsTheFlagExplanationsBack) {
    const std::string before = tp.ReadData("scene0.txt");
    context.flags.text[3] = "door";
    {
        PlacementHub hub(context, 1, steps);
        hub.show();
        ownerAction = [this](SceneCatalog&, int) {
            context.flags.text[3] = "changed";
            return std::optional<int>(2);
        };
        InTitled("場面変更2", [&] { Click(hub.editButton()); }, [&](QDialog* list) {
            InTitled("移動元", [&] { Click(PanelOf(list)->addButton()); }, [&](QDialog* d) {
                Click(ConfirmButton(d));
            });
            EXPECT_EQ(Rows(PanelOf(list)), (QStringList{"0 0 0 2 — タイトル（ロード）"}));
            Click(ConfirmButton(list));
        });
        EXPECT_EQ(hub.rows()[0].scene.sceneChanges, (std::vector<SceneChange>{{0, 0, 0, 2}}));
        Click(hub.cancelButton());
    }
    EXPECT_EQ(tp.ReadData("scene0.txt"), before);
    EXPECT_FALSE(fs::exists(DataFilePath(tp.project, kFlagFile)));
    EXPECT_EQ(context.flags.text[3], "door");
    EXPECT_TRUE(services.messages.empty());
}

// With a flag file that could not be read: OK writes the scene, and leaves the flag file alone.
TEST_F(PlacementHubTest, TheSixtyFifthEventPositionIsRefusedAndAnUnreadableFlagFileIsNotWrittenOver) {
    context.flagsRead = ReadStatus::Unreadable;
    // 62 shops and one signpost: room for no more than one inn.
    Scene full = town;
    full.eventPositions.assign(62, EventPosition{kShopPosition, 1, 1, 0, 0, 0});
    full.eventPositions.push_back({kSignpostPosition, 2, 2, 0, 0, 0});
    tp.WriteData("scene0.txt", SceneBytes(full));
    ownerAction = [](SceneCatalog&, int) { return std::optional<int>(1); };
    PlacementHub hub(context, 2, steps);
    hub.show();
    InTitled("宿屋2", [&] { Click(hub.editButton()); }, [&](QDialog* list) {
        InTitled("位置", [&] { Click(PanelOf(list)->addButton()); }, [](QDialog* d) { Click(ConfirmButton(d)); });
        EXPECT_EQ(PanelOf(list)->rowCount(), 1);
        // The 65th: refused with a message, no position dialog.
        Click(PanelOf(list)->addButton());
        EXPECT_EQ(PanelOf(list)->rowCount(), 1);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_TRUE(services.messages[0].text.contains(QStringLiteral("64")));
        Click(ConfirmButton(list));
    });
    Click(hub.okButton());
    const Scene written = Written();
    EXPECT_EQ(written.eventPositionCount(), 64);
    EXPECT_EQ(written.eventPositions.back(), (EventPosition{kInnPosition, 0, 0, 0, 1, 0}));
    EXPECT_FALSE(fs::exists(DataFilePath(tp.project, kFlagFile)));
}

TEST_F(PlacementHubTest, TerrainAnimationStepEditsACopyTakenOnOk) {
    int runs = 0;
    steps.terrainAnimations = [&](EditorContext&, Scene& scene, QWidget*) {
        scene.mapAnimationFile = "map_anim0.txt";
        scene.terrainAnimation[0][1] = 2;
        return ++runs == 2;  // the first run is cancelled
    };
    PlacementHub hub(context, 0, steps);
    Click(hub.editButton());
    EXPECT_TRUE(hub.rows()[0].scene.mapAnimationFile.empty());
    Click(hub.editButton());
    EXPECT_EQ(hub.rows()[0].scene.terrainAnimation[0][1], 2);
    Click(hub.okButton());
    const Scene written = Written();
    EXPECT_EQ(written.mapAnimationFile, "map_anim0.txt");
    EXPECT_FALSE(fs::exists(DataFilePath(tp.project, kFlagFile)));  // mode 0 edits no groups
}

class FieldBattleTest : public PlacementHubTest {
protected:
    void SetUp() override {
        PlacementHubTest::SetUp();
        // A 512 x 64 chip set: 16 chips across, 2 down.
        test::WriteBytes(ImageFilePath(tp.project, "ground.bmp"),
                         test::MakeBmp24(512, 64, [](int x, int y) { return static_cast<std::uint32_t>((x / 32) * 16 + y / 32); }));
        test::WriteBytes(ImageFilePath(tp.project, "forest.bmp"), test::MakeSolidBmp24(8, 8, 0x00FF00));
        test::WriteBytes(ImageFilePath(tp.project, "cave.bmp"), test::MakeSolidBmp24(8, 8, 0x404040));
        std::vector<EnemyUnit> units(2);
        units[0].name = "slimes";
        units[1].name = "bats";
        tp.WriteData("enemy_list.txt", EnemyListBytes(units));
        town.backgroundChipSet = "ground.bmp";
        town.battles = {{0, 12.5f, "cave.bmp"}};
        town.terrainBattle[0][3] = 1;
        tp.WriteData("scene0.txt", SceneBytes(town));
    }
};

TEST_F(FieldBattleTest, BattlesListedUpdatedAndAssignedToChips) {
    PlacementHub hub(context, 5, steps);
    InTitled("ﾌｨｰﾙﾄﾞ戦闘2", [&] { Click(hub.editButton()); }, [&](QDialog* d) {
        QSpinBox* rate = NamedAs<QSpinBox>(d, "出現率");
        QComboBox* enemy = NamedAs<QComboBox>(d, "敵ﾕﾆｯﾄ");
        EXPECT_EQ(Rows(PanelOf(d)), (QStringList{"0 12 cave.bmp — slimes"}));
        EXPECT_EQ(rate->value(), 12);
        EXPECT_EQ(rate->minimum(), 1);
        EXPECT_EQ(rate->maximum(), 100);
        ASSERT_EQ(enemy->count(), 2);
        EXPECT_EQ(enemy->currentIndex(), 0);

        // "更新" with the rate untouched keeps 12.5; a new choice of background is taken.
        ClickRow(PanelOf(d), 0);
        enemy->setCurrentIndex(1);
        NamedAs<ImageChooser>(d, "背景")->SelectByPrefix("forest");
        Press(d, "更新");  // the file written below holds the kept rate

        rate->setValue(40);
        NamedAs<ImageChooser>(d, "背景")->SelectByPrefix("cave");
        Click(PanelOf(d)->addButton());
        EXPECT_EQ(Rows(PanelOf(d)), (QStringList{"1 12 forest.bmp — bats", "1 40 cave.bmp — bats"}));

        // Up to 64 battles; the 65th is refused.
        for (int i = 2; i < kSceneBattleCapacity; ++i) Click(PanelOf(d)->addButton());
        EXPECT_EQ(PanelOf(d)->rowCount(), 64);
        services.messages.clear();
        Click(PanelOf(d)->addButton());
        EXPECT_EQ(PanelOf(d)->rowCount(), 64);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_TRUE(services.messages[0].text.contains(QStringLiteral("64")));
        for (int i = 2; i < kSceneBattleCapacity; ++i) {
            ClickRow(PanelOf(d), 2);
            Click(PanelOf(d)->deleteButton());
        }

        // "次へ": the chips of the set, 16 to a row; row 17 is grid row 1, column 1.
        InTitled("ﾌｨｰﾙﾄﾞ戦闘3", [&] { Click(ConfirmButton(d)); }, [&](QDialog* t) {
            QListWidget* chips = NamedAs<QListWidget>(t, "ﾌｨｰﾙﾄﾞ戦闘3");
            QComboBox* battle = NamedAs<QComboBox>(t, "ﾌｨｰﾙﾄﾞ戦闘");
            ASSERT_EQ(chips->count(), 32);
            EXPECT_EQ(chips->item(3)->text(), QStringLiteral("  3   0"));
            EXPECT_EQ(battle->count(), 2);
            EXPECT_EQ(battle->itemText(1), QStringLiteral("cave.bmp"));
            chips->setCurrentRow(17);
            // The chip is previewed: row 1, column 1 of the set.
            EXPECT_EQ(context.imageView->state().main.image.size(), QSize(32, 32));
            EXPECT_EQ(context.imageView->state().main.image.pixel(5, 5) & 0xFFFFFF, 1u * 16 + 1);
            battle->setCurrentIndex(1);
            Click(NamedAs<QPushButton>(t, "更新"));
            EXPECT_EQ(chips->item(17)->text(), QStringLiteral(" 17   1"));
            chips->setCurrentRow(3);
            Click(NamedAs<QPushButton>(t, "消去"));
            Click(ConfirmButton(t));
        });
    });
    Click(hub.okButton());
    const Scene written = Written();
    EXPECT_EQ(written.battles, (std::vector<FieldBattle>{{1, 12.5f, "forest.bmp"}, {1, 40.0f, "cave.bmp"}}));
    EXPECT_EQ(written.terrainBattle[1][1], 2);
    EXPECT_EQ(written.terrainBattle[0][3], 0);
}

TEST_F(FieldBattleTest, CancelInTheChipDialogReturnsToTheListAndCancelThereChangesNothing) {
    const std::string before = tp.ReadData("scene0.txt");
    PlacementHub hub(context, 5, steps);
    InTitled("ﾌｨｰﾙﾄﾞ戦闘2", [&] { Click(hub.editButton()); }, [&](QDialog* d) {
        Click(PanelOf(d)->deleteButton());
        InTitled("ﾌｨｰﾙﾄﾞ戦闘3", [&] { Click(ConfirmButton(d)); }, [&](QDialog* t) {
            Press(t, "ｷｬﾝｾﾙ");
        });
        EXPECT_TRUE(d->isVisible());
        Press(d, "ｷｬﾝｾﾙ");
    });
    EXPECT_EQ(hub.rows()[0].scene.battles.size(), 1u);
    Click(hub.okButton());
    EXPECT_EQ(tp.ReadData("scene0.txt"), before);
}

}  // namespace
}  // namespace lw
