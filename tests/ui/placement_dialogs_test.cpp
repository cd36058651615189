// The four placement dialogs through their widgets: scene choice with spins ranged to the chosen
// map and reset on a change, clicks on the map view taking cells (the player character's view
// rule included), the owner's sprite following the spins, "次へ" running the owner step (staying
// open when it is cancelled), "場面を選択してください", and stored values coming back unchanged
// when untouched.
#include <gtest/gtest.h>

#include <QCheckBox>

#include "core/world/npc_list.h"
#include "core/media/effect_animation.h"
#include "core/rules/treasure_list.h"
#include "render/bitmap.h"
#include "core/world/scene.h"
#include "editors/scenes/placement_dialog_widgets.h"
#include "editors/scenes/placement_dialogs.h"
#include "support/core/map_makers.h"
#include "support/core/village_makers.h"
#include "support/qt/editor_test.h"
#include "support/qt/named.h"

namespace lw {
namespace {

using namespace test;

class PlacementDialogsTest : public test::EditorTest {
protected:
    PlacedSprite sprite;

    void SetUp() override {
        EditorTest::SetUp();
        // scene0: the 40 x 30 village; scene3: a 5 x 4 field.
        tp.WriteData("village.bin", test::VillageMapBytes());
        tp.WriteData("small.bin", test::MakeMapBytes(5, 4));
        Scene village = NewScene();
        village.mapDataFile = "village.bin";
        Scene field = NewScene();
        field.mapDataFile = "small.bin";
        tp.WriteData("scene0.txt", SceneBytes(village));
        tp.WriteData("scene3.txt", SceneBytes(field));
        sprite.image = QImage(96, 192, QImage::Format_ARGB32_Premultiplied);
        sprite.image.fill(Qt::blue);
        sprite.regionWidth = 96;
        sprite.regionHeight = 192;
        sprite.offset = 16;
    }
    // A left click on cell (x, y) of the map view (not scrolled).
    void ClickMap(int x, int y) { context.mapView->HandleLeftButton(QPoint(x * 32 + 5, y * 32 + 7)); }
    static std::pair<int, int> RangeOf(const QSpinBox* s) { return {s->minimum(), s->maximum()}; }
    // A spin of the dialog by its name ("位置 X", "移動範囲 Y").
    static QSpinBox* Spin(QWidget* d, const QString& name) { return NamedAs<QSpinBox>(d, name); }
    // The values of the NPC placement's spins: position, centre and half-extents of the range.
    static std::vector<int> Spins(QWidget* d) {
        std::vector<int> values;
        for (const char* row : {"位置", "移動範囲中心位置", "移動範囲"})
            for (const char* part : {" X", " Y"}) values.push_back(Spin(d, QString(row) + part)->value());
        return values;
    }
};

TEST_F(PlacementDialogsTest, NpcPlacementRangesSpinsTakesClicksAndWaitsForTheOwnerForm) {
    NpcPlacement placement{.scene = 0, .x = 7, .y = 3, .centreX = 7, .centreY = 4, .rangeX = 2, .rangeY = 1, .group = 5};
    std::vector<std::pair<int, int>> calls;
    std::optional<int> answer;  // what the owner form gives
    OwnerStep next = [&](int scene, int group, QWidget*) {
        calls.emplace_back(scene, group);
        return answer;
    };
    bool placed = false;
    InDialog<ScenePlacementDialog>([&] { placed = PlaceNpc(context, sprite, 2, placement, next, nullptr); },
                                 [&](ScenePlacementDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("NPC配置"));
        EXPECT_EQ(d->okButton()->text(), QStringLiteral("次へ"));
        EXPECT_EQ(NamedAs<QComboBox>(d, "場面")->currentText(), QStringLiteral("scene0.txt"));
        EXPECT_EQ(RangeOf(Spin(d, "位置 X")), std::make_pair(0, 39));
        EXPECT_EQ(RangeOf(Spin(d, "移動範囲中心位置 Y")), std::make_pair(0, 29));
        EXPECT_EQ(Spin(d, "位置 X")->value(), 7);
        MapView& view = *context.mapView;
        EXPECT_EQ(view.state().mode, MapViewMode::Placement);
        EXPECT_EQ(view.state().excludedNpc, 2);
        EXPECT_EQ(view.state().sprite.position, QPoint(7, 3));

        // A click sets the position and the centre of the walking range; the sprite follows.
        ClickMap(6, 5);
        EXPECT_EQ(Spins(d), (std::vector<int>{6, 5, 6, 5, 2, 1}));
        EXPECT_EQ(view.state().sprite.position, QPoint(6, 5));
        EXPECT_FALSE(view.state().sprite.showRange);
        NamedAs<QCheckBox>(d, "表示")->setChecked(true);
        EXPECT_TRUE(view.state().sprite.showRange);
        EXPECT_EQ(view.state().sprite.rangeCentre, QPoint(6, 5));
        EXPECT_EQ(view.state().sprite.rangeX, 2);

        // Another scene: every spin back to 0, ranged to its 5 x 4 map.
        d->ChooseScene(3);
        EXPECT_EQ(RangeOf(Spin(d, "位置 X")), std::make_pair(0, 4));
        EXPECT_EQ(RangeOf(Spin(d, "移動範囲 Y")), std::make_pair(0, 3));
        EXPECT_EQ(Spins(d), std::vector<int>(6, 0));
        ClickMap(4, 3);
        Spin(d, "移動範囲 X")->setValue(1);

        // The owner form cancelled: the placement stays open.
        Click(d->okButton());
        EXPECT_TRUE(d->isVisible());
        answer = 9;
        Click(d->okButton());
    });
    EXPECT_TRUE(placed);
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{3, 5}, {3, 5}}));
    EXPECT_EQ(placement.scene, 3);
    EXPECT_EQ(std::tie(placement.x, placement.y, placement.centreX, placement.centreY, placement.rangeX, placement.rangeY),
              std::make_tuple(4, 3, 4, 3, 1, 0));
    EXPECT_EQ(placement.group, 9);
    // The view is left empty for the dialog that comes back.
    EXPECT_TRUE(context.mapView->state().map.empty());
    EXPECT_EQ(context.mapView->state().excludedNpc, -1);
}

TEST_F(PlacementDialogsTest, UntouchedValuesComeBackAsStoredAndAClickOnAClampedCellIsTaken) {
    // Out of the map's range, and a scene with no file: kept while untouched.
    NpcPlacement stored{.scene = 0, .x = 150, .y = -2, .centreX = 41, .centreY = 0, .rangeX = 99, .rangeY = 1, .group = 3};
    NpcPlacement placement = stored;
    OwnerStep keep = [](int, int group, QWidget*) { return std::optional<int>(group); };
    InDialog<ScenePlacementDialog>([&] { PlaceNpc(context, sprite, 0, placement, keep, nullptr); },
                                 [&](ScenePlacementDialog* d) {
        EXPECT_EQ(Spin(d, "位置 X")->value(), 39);  // shown at the end of the range
        Click(d->okButton());
    });
    EXPECT_EQ(std::tie(placement.scene, placement.x, placement.y, placement.centreX, placement.rangeX, placement.group),
              std::tie(stored.scene, stored.x, stored.y, stored.centreX, stored.rangeX, stored.group));

    // A click on the cell a clamped spin shows still takes that cell.
    InDialog<ScenePlacementDialog>([&] { PlaceNpc(context, sprite, 0, placement, keep, nullptr); },
                                 [&](ScenePlacementDialog* d) {
        context.mapView->SetScroll(30 * 32, 0);
        context.mapView->HandleLeftButton(QPoint(9 * 32 + 5, 5));  // cell (39, 0)
        Click(d->okButton());
    });
    EXPECT_EQ(placement.x, 39);
    EXPECT_EQ(placement.centreX, 39);

    ShopPlacementValues shop{.scene = 12, .x = 3, .y = 2, .direction = 7, .group = -1};
    const ShopPlacementValues storedShop = shop;
    InDialog<ScenePlacementDialog>([&] { PlaceShop(context, sprite, shop, keep, nullptr); }, [&](ScenePlacementDialog* d) {
        EXPECT_EQ(NamedAs<QComboBox>(d, "場面")->currentIndex(), -1);  // no scene12.txt
        EXPECT_EQ(NamedAs<QComboBox>(d, "方向")->count(), 5);
        EXPECT_EQ(NamedAs<QComboBox>(d, "方向")->itemText(4), QStringLiteral("全方向"));
        EXPECT_TRUE(context.mapView->state().sprite.image.isNull());  // nothing stands on no map
        Click(d->okButton());
    });
    EXPECT_EQ(std::tie(shop.scene, shop.x, shop.y, shop.direction),
              std::tie(storedShop.scene, storedShop.x, storedShop.y, storedShop.direction));
}

TEST_F(PlacementDialogsTest, ChestPlacementAsksForASceneFirstAndDrawsOneFrame) {
    ChestPlacement placement;  // scene -1
    int calls = 0;
    OwnerStep next = [&](int scene, int group, QWidget*) {
        ++calls;
        EXPECT_EQ(scene, 0);
        EXPECT_EQ(group, -1);
        return std::optional<int>(2);
    };
    bool placed = false;
    InDialog<ScenePlacementDialog>([&] { placed = PlaceChest(context, sprite, 4, placement, next, nullptr); },
                                   [&](ScenePlacementDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("宝箱配置"));
        EXPECT_EQ(NamedAs<QComboBox>(d, "場面")->currentIndex(), -1);
        ClickMap(1, 1);  // no map: nothing taken
        EXPECT_EQ(Spin(d, "位置 X")->value(), 0);
        Click(d->okButton());
        EXPECT_EQ(services.texts(), QStringList{QStringLiteral("場面を選択してください")});
        EXPECT_EQ(calls, 0);
        EXPECT_TRUE(d->isVisible());

        NamedAs<QComboBox>(d, "場面")->setCurrentIndex(0);
        EXPECT_EQ(context.mapView->state().mode, MapViewMode::SingleFramePlacement);
        EXPECT_EQ(context.mapView->state().excludedChest, 4);
        ClickMap(8, 6);
        EXPECT_EQ(context.mapView->state().sprite.position, QPoint(8, 6));
        Click(d->okButton());
    });
    EXPECT_TRUE(placed);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(std::tie(placement.scene, placement.x, placement.y, placement.group), std::make_tuple(0, 8, 6, 2));
}

// The chests of the scene stand on the map as markers (the first frame of each chest's
// animation), all but the chest being placed, which shows as the placed sprite only.
TEST_F(PlacementDialogsTest, ChestPlacementShowsTheSceneChestsButTheOneBeingPlaced) {
    test::WriteVillage(tp);
    test::WriteBytes(ImageFilePath(tp.project, "chest.bmp"), test::ChestBmp());
    EffectAnimation opening;
    opening.imageFile = "chest.bmp";
    opening.colorKey = 1;
    opening.keyRed = opening.keyBlue = 255;
    opening.areaWidth = opening.areaHeight = opening.cellWidth = opening.cellHeight = 32;
    opening.frameCount = 1;
    tp.WriteData(std::string(kEffectFile), EffectFileBytes({opening}));
    std::vector<TreasureChest> chests(3, NewTreasureChest());
    for (TreasureChest& c : chests) c.animation = 0;
    chests[0].x = 12, chests[0].y = 9;
    chests[1].x = 14, chests[1].y = 9;  // the one being placed
    chests[2].x = 16, chests[2].y = 11;
    tp.WriteData(std::string(kTreasureFile), TreasureListBytes(chests));
    Scene village = test::VillageScene();
    village.name = ToCp932(QStringLiteral("はじまりの村")).value();
    village.treasureIndices = {0, 1, 2};
    tp.WriteData("scene0.txt", SceneBytes(village));
    ASSERT_EQ(LoadTreasureTable(tp.project, context.chests), ReadStatus::Ok);

    PlacedSprite chest;
    chest.image = LoadImageFile(ImageFilePath(tp.project, "chest.bmp"));
    chest.regionWidth = chest.regionHeight = 32;
    chest.spec = DrawSpec{kDrawOpaque, 1, Rgb{255, 0, 255}};
    ChestPlacement placement{.scene = 0, .x = 13, .y = 7};
    InDialog<ScenePlacementDialog>([&] { PlaceChest(context, chest, 1, placement, OwnerStep{}, nullptr); },
                                   [&](ScenePlacementDialog* dialog) {
    dialog->move(40, 40);
    QApplication::processEvents();
    MapView& view = *context.mapView;
    const std::vector<MapMarker>& markers = view.state().chestMarkers;
    ASSERT_EQ(markers.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(markers[static_cast<std::size_t>(i)].index, i);
        EXPECT_EQ(markers[static_cast<std::size_t>(i)].image.size(), QSize(32, 32));
    }
    EXPECT_EQ(markers[2].position, QPoint(16 * 32, 11 * 32));
    EXPECT_EQ(view.state().excludedChest, 1);
    // The locks of chests 0 and 2 show on their cells; chest 1's cell shows the map.
    view.SetScroll(10 * 32, 7 * 32);
    const QImage frame = view.ComposeFrame();
    const QRgb lock = qRgb(60, 50, 30);
    const auto lockOnCell = [&](int x, int y) { return frame.pixel((x - 10) * 32 + 15, (y - 7) * 32 + 17) == lock; };
    EXPECT_TRUE(lockOnCell(12, 9));
    EXPECT_TRUE(lockOnCell(16, 11));
    EXPECT_FALSE(lockOnCell(14, 9));
    EXPECT_FALSE(view.window()->frameGeometry().intersects(dialog->frameGeometry()));
    dialog->reject();
    });
}

TEST_F(PlacementDialogsTest, PlayerStartClickSetsTheViewWithTheClickedCellKeptSelected) {
    PlayerStartPlacement start{.scene = 0, .viewX = 1, .viewY = 2, .inViewX = 100, .inViewY = 50};
    const PlayerStartPlacement stored = start;
    // Untouched: every value as stored, the pixel values that lie between cells included.
    InDialog<ScenePlacementDialog>([&] { EXPECT_TRUE(PlacePlayerStart(context, sprite, 48, start, nullptr)); },
                                   [&](ScenePlacementDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("PC配置"));
        EXPECT_EQ(d->okButton()->text(), QStringLiteral("OK"));
        EXPECT_EQ(RangeOf(Spin(d, "ビュー位置 X")), std::make_pair(0, 30));
        EXPECT_EQ(RangeOf(Spin(d, "ビュー位置 Y")), std::make_pair(0, 23));
        EXPECT_EQ(RangeOf(Spin(d, "ビュー内位置 X")), std::make_pair(0, 9));
        EXPECT_EQ(RangeOf(Spin(d, "ビュー内位置 Y")), std::make_pair(0, 6));
        EXPECT_EQ(Spin(d, "ビュー内位置 Y")->value(), 2);  // 50 + 16 = 66 pixels: cell 2
        const PlacedSprite& shown = context.mapView->state().sprite;
        EXPECT_EQ(shown.origin, QPoint(1, 2));
        EXPECT_EQ(shown.offset, 16);
        Click(d->okButton());
    });
    EXPECT_EQ(std::tie(start.scene, start.viewX, start.viewY, start.inViewX, start.inViewY),
              std::tie(stored.scene, stored.viewX, stored.viewY, stored.inViewX, stored.inViewY));

    InDialog<ScenePlacementDialog>([&] { EXPECT_TRUE(PlacePlayerStart(context, sprite, 48, start, nullptr)); },
                                   [&](ScenePlacementDialog* d) {
        // Near the top right: the view stops at 30 across and 0 down; the cell stays selected.
        context.mapView->SetScroll(30 * 32, 0);
        context.mapView->HandleLeftButton(QPoint(8 * 32 + 3, 2 * 32 + 3));  // cell (38, 2)
        EXPECT_EQ(Spin(d, "ビュー位置 X")->value(), 30);
        EXPECT_EQ(Spin(d, "ビュー内位置 X")->value(), 8);
        EXPECT_EQ(Spin(d, "ビュー位置 Y")->value(), 0);
        EXPECT_EQ(Spin(d, "ビュー内位置 Y")->value(), 2);
        const PlacedSprite& shown = context.mapView->state().sprite;
        EXPECT_EQ(shown.origin + shown.position, QPoint(38, 2));
        Click(d->okButton());
    });
    EXPECT_EQ(std::tie(start.viewX, start.viewY, start.inViewX, start.inViewY), std::make_tuple(30, 0, 256, 48));

    // In the middle of the map: 4 cells across, k = 3 rows down for a 48-pixel sprite.
    InDialog<ScenePlacementDialog>([&] { PlacePlayerStart(context, sprite, 48, start, nullptr); },
                                   [&](ScenePlacementDialog* d) {
        context.mapView->SetScroll(0, 0);
        ClickMap(9, 6);
        EXPECT_EQ(Spin(d, "ビュー位置 X")->value(), 5);
        EXPECT_EQ(Spin(d, "ビュー位置 Y")->value(), 3);
        EXPECT_EQ(Spin(d, "ビュー内位置 X")->value(), 4);
        EXPECT_EQ(Spin(d, "ビュー内位置 Y")->value(), 3);
        // Another scene resets every spin; Cancel leaves the start as it was.
        d->ChooseScene(3);
        EXPECT_EQ(Spin(d, "ビュー位置 X")->value(), 0);
        EXPECT_EQ(RangeOf(Spin(d, "ビュー位置 X")), std::make_pair(0, 0));
        Click(d->cancelButton());
    });
    EXPECT_EQ(std::tie(start.scene, start.viewX, start.inViewX), std::make_tuple(0, 30, 256));
}

}  // namespace
}  // namespace lw
