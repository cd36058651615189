// The treasure chest and shop chains end to end through their widgets, down to the bytes of
// treasure_list.txt, shop_list.txt and the rebuilt scene files.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>
#include <filesystem>

#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "core/rules/items.h"
#include "core/rules/shop_list.h"
#include "core/rules/treasure_list.h"
#include "editors/scenes/placement_dialog_widgets.h"
#include "support/core/village_makers.h"
#include "support/qt/accessibility.h"
#include "support/qt/editor_test.h"
#include "support/qt/named.h"
#include "widgets/image_chooser.h"
#include "widgets/placed_list_editor.h"

namespace lw {
namespace {

using namespace test;

class ChestShopEditorTest : public test::EditorTest {
protected:
    Scene scene0, scene1;

    void SetUp() override {
        EditorTest::SetUp();
        test::WriteVillage(tp);
        test::WriteBytes(tp.project.root / "image" / "chest.bmp", test::ChestBmp());
        test::WriteBytes(tp.project.root / "image" / "buy.bmp", test::ChestBmp());
        test::WriteBytes(tp.project.root / "image" / "sell.bmp", test::ChestBmp());
        for (Scene* s : {&scene0, &scene1}) {
            *s = NewScene();
            s->mapDataFile = "village.bin";
            s->backgroundChipSet = "ground.bmp";
            s->eventPositions = {{kInnPosition, 2, 2, 0, 1, 0}};
        }
        EffectAnimation chest;
        chest.name = "chest";
        chest.imageFile = "chest.bmp";
        chest.areaWidth = chest.areaHeight = chest.cellWidth = chest.cellHeight = 32;
        chest.frameCount = 1;
        chest.colorKey = 1;  // the chest stands on magenta
        chest.keyRed = 255;
        chest.keyBlue = 255;
        tp.WriteData(kEffectFile, EffectFileBytes({chest}));
        tp.WriteData("wave_list.txt", AudioListBytes(AudioList::Sound, {"open.wav", "close.wav"}));
        Item a, b, c;
        a.name = "herb";
        b.name = "sword";
        c.name = "shield";
        tp.WriteData(kItemFile, ItemListBytes({a, b, c}));
    }
    void WriteScenes() {
        tp.WriteData("scene0.txt", SceneBytes(scene0));
        tp.WriteData("scene1.txt", SceneBytes(scene1));
    }

    // The chain after the chest list ("宝箱ﾘｽﾄ2") or the shop list ("店ﾘｽﾄ2", "店ﾘｽﾄ3"), then the
    // placement and its owner form, each confirmed after its act in `acts` (none past the last).
    static std::vector<DialogStep> Chain(HubEditor list, std::vector<std::function<void(QDialog*)>> acts = {}) {
        QStringList titles = list == HubEditor::Shop ? QStringList{"店ﾘｽﾄ2", "店ﾘｽﾄ3", "店配置"} : QStringList{"宝箱ﾘｽﾄ2", "宝箱配置"};
        titles << QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ");
        acts.resize(static_cast<std::size_t>(titles.size()));
        std::vector<DialogStep> steps;
        for (int i = 0; i < titles.size(); ++i)
            steps.push_back({titles[i], acts[static_cast<std::size_t>(i)], i + 1 < titles.size() ? "次へ" : "OK"});
        return steps;
    }
    // Plays `steps` from a click on `start` (the list's "追加..." or "編集..."); true when all were reached.
    static bool RunChain(QAbstractButton* start, std::vector<DialogStep> steps) {
        return PlayDialogs([start] { Click(start); }, std::move(steps)).isEmpty();
    }
    // A placement's act: the scene file with that number, then a click on cell (x, y) of its map.
    static std::function<void(QDialog*)> PlaceAt(int scene, int x, int y) {
        return [=](QDialog* d) {
            auto* placement = qobject_cast<ScenePlacementDialog*>(d);
            placement->ChooseScene(scene);
            placement->ClickCell(x, y);
        };
    }
    // Edits the first `rows` rows of a list editor through its chain, changing nothing, then OK;
    // how many chains were confirmed.
    int ConfirmEveryRow(HubEditor button, int rows) {
        int confirmed = 0;
        RunFromHub<PlacedListDialog>(button, [&](PlacedListDialog* editor) {
            for (int row = 0; row < rows; ++row) {
                ClickRow(editor->panel(), row);
                confirmed += RunChain(editor->panel()->editButton(), Chain(button)) ? 1 : 0;
            }
            Press(editor, "OK");
        });
        return confirmed;
    }
};

TEST_F(ChestShopEditorTest, AddingAChestRunsTheChainAndRebuildsTheScenes) {
    scene1.treasureIndices = {0};
    WriteScenes();
    TreasureChest old = NewTreasureChest();
    old.animation = 0;
    old.x = 1;
    tp.WriteData("treasure_list.txt", TreasureListBytes({old}));

    RunFromHub<PlacedListDialog>(HubEditor::TreasureChest, [&](PlacedListDialog* editor) {
        EXPECT_EQ(editor->windowTitle(), QStringLiteral("宝箱ﾘｽﾄ1"));
        EXPECT_EQ(editor->panel()->rowText(0), QStringLiteral("1 1 0 — 1 (1, 0)"));  // scene 1 has no name

        const auto settings = [&](QDialog* d) {
            EXPECT_FALSE(NamedAs<QCheckBox>(d, "表示")->isChecked());
            EXPECT_FALSE(NamedAs<QCheckBox>(d, "再生")->isChecked());
            EXPECT_EQ(NamedAs<QComboBox>(d, "効果音")->itemText(0), QStringLiteral("なし"));
            EXPECT_EQ(NamedAs<QComboBox>(d, "ｱﾆﾒの種類")->currentText(), QStringLiteral("宝箱"));
            EXPECT_TRUE(NamedAs<QRadioButton>(d, "表示状態 表示")->isChecked());
            Press(d, "次へ");  // no animation yet
            ASSERT_EQ(services.texts(), QStringList{QStringLiteral("ｱﾆﾒを選択してください")});
            EXPECT_TRUE(d->isVisible());
            Choose(NamedAs<QComboBox>(d, "ｱﾆﾒ"), 0);
            Choose(NamedAs<QComboBox>(d, "効果音"), 2);
            Choose(NamedAs<QComboBox>(d, "ｱﾆﾒの種類"), 2);
            Press(d, "非表示");
            Press(d, "済み");
        };
        ASSERT_TRUE(RunChain(editor->panel()->addButton(), Chain(HubEditor::TreasureChest, {settings, PlaceAt(0, 12, 7)})));
        ASSERT_EQ(editor->panel()->rowCount(), 2);
        EXPECT_EQ(editor->panel()->rowText(1), QStringLiteral("0 12 7 — 0 (12, 7)"));

        Press(editor, "OK");
    });
    TreasureChest added{0, 0, 1, 1, 2, 12, 7, 0, 1, -1};
    old.scene = -1;
    added.scene = -1;
    EXPECT_EQ(tp.ReadData("treasure_list.txt"), TreasureListBytes({old, added}));
    scene0.treasureIndices = {1};
    EXPECT_EQ(tp.ReadData("scene0.txt"), SceneBytes(scene0));
    EXPECT_EQ(tp.ReadData("scene1.txt"), SceneBytes(scene1));
    EXPECT_EQ(context.chests.count(), 2);  // the table the markers use was read again
}

TEST_F(ChestShopEditorTest, MovesAndDeletesRenumberTheScenesAndCancelWritesNothing) {
    // Chest 2 is listed by both scenes: it stands in the first (scene0), and only there afterwards.
    scene0.treasureIndices = {0, 2};
    scene1.treasureIndices = {1, 2};
    WriteScenes();
    std::vector<TreasureChest> chests(4, NewTreasureChest());
    for (int i = 0; i < 4; ++i) chests[static_cast<std::size_t>(i)].x = i;
    tp.WriteData("treasure_list.txt", TreasureListBytes(chests));
    const std::string list = tp.ReadData("treasure_list.txt");
    const std::string zero = tp.ReadData("scene0.txt");

    RunFromHub<PlacedListDialog>(HubEditor::TreasureChest, [&](PlacedListDialog* editor) {
        ClickRow(editor->panel(), 0);
        Click(editor->panel()->deleteButton());
        Press(editor, "ｷｬﾝｾﾙ");
    });
    EXPECT_EQ(tp.ReadData("treasure_list.txt"), list);
    EXPECT_EQ(tp.ReadData("scene0.txt"), zero);
    EXPECT_FALSE(std::filesystem::exists(tp.project.root / "data" / "flag_exp.txt"));

    RunFromHub<PlacedListDialog>(HubEditor::TreasureChest, [&](PlacedListDialog* editor) {
        ASSERT_EQ(editor->panel()->rowText(2), QStringLiteral("0 2 0 — 0 (2, 0)"));
        ClickRow(editor->panel(), 2);
        Click(editor->panel()->upButton());  // chest 2 now row 1
        ClickRow(editor->panel(), 0);
        Click(editor->panel()->deleteButton());  // chest 0 gone: the old chest 2 is row 0
        Press(editor, "OK");
    });
    std::vector<TreasureChest> written = {chests[2], chests[1], chests[3]};
    EXPECT_EQ(tp.ReadData("treasure_list.txt"), TreasureListBytes(written));
    scene0.treasureIndices = {0};
    scene1.treasureIndices = {1};
    EXPECT_EQ(tp.ReadData("scene0.txt"), SceneBytes(scene0));
    EXPECT_EQ(tp.ReadData("scene1.txt"), SceneBytes(scene1));
}

TEST_F(ChestShopEditorTest, AFullSceneRefusesTheNextChest) {
    scene0.treasureIndices.resize(256);
    for (int i = 0; i < 256; ++i) scene0.treasureIndices[static_cast<std::size_t>(i)] = i;
    WriteScenes();
    TreasureChest c = NewTreasureChest();
    c.animation = 0;
    tp.WriteData("treasure_list.txt", TreasureListBytes(std::vector<TreasureChest>(257, c)));
    RunFromHub<PlacedListDialog>(HubEditor::TreasureChest, [&](PlacedListDialog* editor) {
        ASSERT_EQ(editor->panel()->rowText(256), QStringLiteral("-1 0 0 — (なし)"));
        ClickRow(editor->panel(), 256);
        const auto refused = [&](QDialog* p) {
            qobject_cast<ScenePlacementDialog*>(p)->ChooseScene(0);
            Press(p, "次へ");
            ASSERT_EQ(services.texts().size(), 1);
            EXPECT_TRUE(services.texts()[0].contains(QStringLiteral("256")));
            EXPECT_TRUE(p->isVisible());
        };
        EXPECT_TRUE(RunChain(editor->panel()->editButton(),
                             {{"宝箱ﾘｽﾄ2", {}, "次へ"}, {"宝箱配置", refused, "ｷｬﾝｾﾙ"}, {"宝箱ﾘｽﾄ2", {}, "ｷｬﾝｾﾙ"}}));
        EXPECT_EQ(editor->panel()->rowText(256), QStringLiteral("-1 0 0 — (なし)"));
        // A chest of that scene may still be edited and stay there.
        ClickRow(editor->panel(), 3);
        EXPECT_TRUE(RunChain(editor->panel()->editButton(), Chain(HubEditor::TreasureChest)));
        EXPECT_EQ(services.texts().size(), 1);
        Press(editor, "ｷｬﾝｾﾙ");
    });
}

TEST_F(ChestShopEditorTest, AddingAShopRunsTheChainAndWritesItsSceneOnly) {
    WriteScenes();
    Shop unplaced = NewShop();
    SetShopGoods(unplaced, {2});
    tp.WriteData("shop_list.txt", ShopListBytes({unplaced}));

    RunFromHub<PlacedListDialog>(HubEditor::Shop, [&](PlacedListDialog* editor) {
        EXPECT_EQ(editor->windowTitle(), QStringLiteral("店ﾘｽﾄ1"));
        ASSERT_EQ(editor->panel()->rowText(0), QStringLiteral("武器屋 — (なし)"));

        const auto kind = [&](QDialog* d) {
            EXPECT_TRUE(NamedAs<QCheckBox>(d, "画像表示")->isChecked());
            EXPECT_EQ(NamedAs<QComboBox>(d, "背景画像ﾌｧｲﾙ名（買う）")->currentText(), QStringLiteral("なし"));
            Choose(NamedAs<QComboBox>(d, "店の種類"), 2);
            NamedAs<ImageChooser>(d, "背景画像ﾌｧｲﾙ名（売る）")->SelectByPrefix("sell");
            EXPECT_EQ(view().caption(), QStringLiteral("sell.bmp"));
        };
        const auto goods = [&](QDialog* g) {
            auto* item = NamedAs<QComboBox>(g, "ｱｲﾃﾑ");
            auto* goods = g->findChild<ListEditorPanel*>();
            EXPECT_EQ(item->count(), 3);
            for (int i : {1, 0, 1}) {  // sword again: selected, not added
                Choose(item, i);
                Click(goods->addButton());
            }
            EXPECT_EQ(Rows(goods), (QStringList{"sword", "herb"}));
            EXPECT_EQ(goods->selectedRow(), 0);
            Choose(item, 2);
            Click(goods->addButton());
            Click(goods->upButton());  // shield before herb
            EXPECT_EQ(goods->rowText(1), QStringLiteral("shield"));
        };
        const auto place = [&](QDialog* p) {
            PlaceAt(1, 5, 6)(p);
            Choose(NamedAs<QComboBox>(p, "方向"), 3);
        };
        ASSERT_TRUE(RunChain(editor->panel()->addButton(), Chain(HubEditor::Shop, {kind, goods, place})));
        ASSERT_TRUE(editor->panel()->rowText(1).startsWith(QStringLiteral("道具屋 — ")));

        Press(editor, "OK");
    });
    Shop added = NewShop();
    added.kind = 2;
    added.sellPicture = "sell.bmp";
    SetShopGoods(added, {1, 2, 0});
    EXPECT_EQ(tp.ReadData("shop_list.txt"), ShopListBytes({unplaced, added}));
    EXPECT_EQ(tp.ReadData("scene0.txt"), SceneBytes(scene0));  // the unplaced shop stands nowhere
    scene1.eventPositions.push_back({kShopPosition, 5, 6, 3, -1, 1});
    EXPECT_EQ(tp.ReadData("scene1.txt"), SceneBytes(scene1));
}

TEST_F(ChestShopEditorTest, EditingAndMovingShopsRewritesTheirIndexes) {
    scene0.eventPositions.push_back({kShopPosition, 1, 1, 0, 2, 2});  // shop 2 stands in scene 0
    WriteScenes();
    Shop full = NewShop();
    std::vector<int> goods(256);
    for (int i = 0; i < 256; ++i) goods[static_cast<std::size_t>(i)] = i + 3;  // beyond the item list
    SetShopGoods(full, goods);
    tp.WriteData("shop_list.txt", ShopListBytes({NewShop(), NewShop(), full}));

    RunFromHub<PlacedListDialog>(HubEditor::Shop, [&](PlacedListDialog* editor) {
        ClickRow(editor->panel(), 2);
        const auto kind = [](QDialog* d) { Choose(NamedAs<QComboBox>(d, "店の種類"), 2); };
        const auto goods = [&](QDialog* g) {
            auto* goods = g->findChild<ListEditorPanel*>();
            EXPECT_EQ(goods->rowText(0), QStringLiteral("3"));  // an index the list does not hold
            Choose(NamedAs<QComboBox>(g, "ｱｲﾃﾑ"), 0);
            Click(goods->addButton());  // the 257th good
            ASSERT_EQ(services.texts().size(), 1);
            EXPECT_TRUE(services.texts()[0].contains(QStringLiteral("256")));
            EXPECT_EQ(goods->rowCount(), 256);
        };
        const auto kept = [](QDialog* p) {
            EXPECT_TRUE(NamedAs<QComboBox>(p, "場面")->currentText().startsWith(QStringLiteral("scene0.txt")));
            EXPECT_EQ(NamedAs<QSpinBox>(p, "位置 X")->value(), 1);
        };
        EXPECT_TRUE(RunChain(editor->panel()->editButton(), Chain(HubEditor::Shop, {kind, goods, kept})));
        EXPECT_EQ(editor->panel()->rowText(2), QStringLiteral("道具屋 — 0 (1, 1)"));
        // Row 2 to row 0: written first, and its scene's shop position now refers to index 0.
        Click(editor->panel()->upButton());
        Click(editor->panel()->upButton());
        Press(editor, "OK");
    });
    full.kind = 2;
    EXPECT_EQ(tp.ReadData("shop_list.txt"), ShopListBytes({full, NewShop(), NewShop()}));
    scene0.eventPositions.back().shopIndex = 0;
    EXPECT_EQ(tp.ReadData("scene0.txt"), SceneBytes(scene0));

    // Cancelling the kind dialog leaves the list as it was.
    RunFromHub<PlacedListDialog>(HubEditor::Shop, [&](PlacedListDialog* again) {
        ClickRow(again->panel(), 1);
        const auto kind = [](QDialog* d) { Choose(NamedAs<QComboBox>(d, "店の種類"), 1); };
        EXPECT_TRUE(RunChain(again->panel()->editButton(), {{"店ﾘｽﾄ2", kind, "ｷｬﾝｾﾙ"}}));
        EXPECT_EQ(again->panel()->rowText(1), QStringLiteral("武器屋 — (なし)"));
        Press(again, "ｷｬﾝｾﾙ");
    });
}

// Opening every chest and shop and confirming each step untouched writes every file back byte for
// byte, also for values the controls cannot show (flags and kinds without a radio button or row,
// references beyond their lists, cells beyond the map, picture names that do not decode).
TEST_F(ChestShopEditorTest, ConfirmingEveryRecordUnchangedWritesTheSameBytes) {
    scene0.treasureIndices = {0, 1};
    scene0.eventPositions.push_back({kShopPosition, 99, -4, 9, 3, 0});
    scene1.eventPositions.push_back({kShopPosition, 1, 2, 4, -1, 1});
    WriteScenes();
    TreasureChest odd{-1, 5, -3, 7, 9, 100, -2, 99, -7, 3};
    TreasureChest plain = NewTreasureChest();
    plain.animation = 0;
    tp.WriteData("treasure_list.txt", TreasureListBytes({odd, plain}));
    Shop strange{.kind = 7, .buyPicture = std::string("\x85\x40\x79 x.bmp", 9), .sellPicture = ""};
    SetShopGoods(strange, {-1, 40, 2});
    Shop usual = NewShop();
    usual.kind = 1;
    usual.sellPicture = "sell.bmp";
    tp.WriteData("shop_list.txt", ShopListBytes({strange, usual}));
    const std::string chests = tp.ReadData("treasure_list.txt");
    const std::string shops = tp.ReadData("shop_list.txt");
    const std::string zero = tp.ReadData("scene0.txt");
    const std::string one = tp.ReadData("scene1.txt");

    const int confirmed = ConfirmEveryRow(HubEditor::TreasureChest, 2) + ConfirmEveryRow(HubEditor::Shop, 2);
    EXPECT_EQ(confirmed, 4);
    EXPECT_EQ(tp.ReadData("treasure_list.txt"), chests);
    EXPECT_EQ(tp.ReadData("shop_list.txt"), shops);
    EXPECT_EQ(tp.ReadData("scene0.txt"), zero);
    EXPECT_EQ(tp.ReadData("scene1.txt"), one);
    for (const auto& m : services.messages)
        EXPECT_TRUE(m.text.startsWith(QStringLiteral("同名のファイルが存在しますが、上書きしますか？"))) << m.text.toStdString();
}

}  // namespace
}  // namespace lw
