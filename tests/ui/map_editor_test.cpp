// "ﾏｯﾌﾟ編集" through its widgets: a new map painted with every tool on both layers, undone, redone,
// saved and then shown by the scene settings' map view as painted; unsaved changes asked about,
// unreadable map files left alone, a saved map read back the same; painting repaints its cells
// only.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QRadioButton>
#include <QScrollBar>

#include "app/services.h"
#include "core/world/map_editing.h"
#include "core/world/scene.h"
#include "editors/maps/chip_palette.h"
#include "editors/maps/map_canvas.h"
#include "editors/maps/map_editor.h"
#include "editors/maps/map_size_dialog.h"
#include "editors/scenes/scene_settings_dialog.h"
#include "support/core/map_makers.h"
#include "support/core/village_makers.h"
#include "support/qt/editor_driver.h"
#include "widgets/number_spin.h"

namespace lw {
namespace {

using namespace test;

class MapEditorTest : public test::EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        test::WriteBytes(ImageFilePath(tp.project, "ground.bmp"), test::VillageGroundBmp());
        test::WriteBytes(ImageFilePath(tp.project, "upper.bmp"), test::VillageUpperBmp());
        Scene scene = NewScene();
        scene.name = "field";
        scene.mapDataFile = "field.bin";
        scene.backgroundChipSet = "ground.bmp";
        scene.layerChipSet = "upper.bmp";
        scene.layerColourKey = 1;
        scene.layerKeyRed = scene.layerKeyBlue = 255;
        tp.WriteData("scene0.txt", SceneBytes(scene));
    }

    // The mouse on the map: buttons held while moving, as a hand does.
    static void Mouse(MapEditor& e, QEvent::Type type, QPoint cell, Qt::MouseButton button, Qt::MouseButtons held) {
        QWidget* viewport = e.canvas()->viewport();
        const QPointF at(e.canvas()->CellCentre(cell));
        QMouseEvent event(type, at, viewport->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
    static void Drag(MapEditor& e, QPoint from, QPoint to) {
        Mouse(e, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        Mouse(e, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        Mouse(e, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }
    static void ClickCell(MapEditor& e, QPoint cell, Qt::MouseButton button = Qt::LeftButton) {
        Mouse(e, QEvent::MouseButtonPress, cell, button, button);
        Mouse(e, QEvent::MouseButtonRelease, cell, button, Qt::NoButton);
    }
    static void Key(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        // The window's shortcuts answer while it is the active window (a dialog it opened may have
        // been active last).
        QApplication::setActiveWindow(w->window());
        QTest::keyClick(w, key, modifiers);
    }
    static int Chip(MapEditor& e, int layer, int x, int y) {
        return ChipOnLayer(e.session().map().At(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)), layer);
    }
    // Answers the next "ﾏｯﾌﾟ新規作成" or "ﾏｯﾌﾟｻｲｽﾞ変更" dialog with a name (New only) and a size.
    static void InSizeDialog(QPushButton* opener, const QString& name, int width, int height, int chip) {
        bool ran = false;
        test::OnNextModal<MapSizeDialog>([&](MapSizeDialog* d) {
            ran = true;
            if (d->nameEdit() != nullptr) d->nameEdit()->setText(name);
            d->widthSpin()->setValue(width);
            d->heightSpin()->setValue(height);
            d->chipSpin()->setValue(chip);
            d->okButton()->click();
        });
        opener->click();
        EXPECT_TRUE(ran);
    }
    void Show(MapEditor& e) {
        e.move(10, 10);
        e.show();
        QApplication::setActiveWindow(&e);
        e.canvas()->setFocus();
        QApplication::processEvents();
    }
};

TEST_F(MapEditorTest, NewMapPaintedWithEveryToolIsSavedAndShownByTheSceneMapViewAsPainted) {
    MapEditor e(context, MapEditorStart{});
    Show(e);
    EXPECT_EQ(e.windowTitle(), QStringLiteral("ﾏｯﾌﾟ編集"));
    EXPECT_FALSE(e.session().HasMap());  // no map file in the project yet
    EXPECT_FALSE(e.saveButton()->isEnabled());

    InSizeDialog(e.newButton(), QStringLiteral("field"), 12, 8, test::kGrass);
    ASSERT_TRUE(e.session().HasMap());
    EXPECT_EQ(e.fileName(), "field.bin");
    // The scene that names the map gives its chip sets.
    EXPECT_EQ(e.sceneCombo()->currentIndex(), 1);
    ASSERT_FALSE(e.canvas()->view().chipSets.images[1].isNull());
    const MapData fresh = e.session().map();

    // Layer 0. Pencil: water chosen in the palette, a stroke along row 1.
    const PaletteLayout layout = e.palette()->layout();
    ASSERT_GT(layout.chips, test::kWater);
    const QPointF chipAt((test::kWater % layout.columns) * 32 + 16, (test::kWater / layout.columns) * 32 + 16);
    QMouseEvent pick(QEvent::MouseButtonPress, chipAt, e.palette()->viewport()->mapToGlobal(chipAt), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(e.palette()->viewport(), &pick);
    EXPECT_EQ(e.chipSpin()->value(), test::kWater);
    Drag(e, {1, 1}, {4, 1});
    // Rectangle of sand.
    e.toolButton(MapTool::Rectangle)->click();
    e.chipSpin()->setValue(test::kSand);
    Drag(e, {5, 5}, {2, 3});
    // Flood fill: the grass around them becomes path.
    e.toolButton(MapTool::Fill)->click();
    e.chipSpin()->setValue(test::kPath);
    ClickCell(e, {11, 7});
    EXPECT_EQ(Chip(e, 0, 1, 1), test::kWater);
    EXPECT_EQ(Chip(e, 0, 4, 1), test::kWater);
    EXPECT_EQ(Chip(e, 0, 2, 3), test::kSand);
    EXPECT_EQ(Chip(e, 0, 5, 5), test::kSand);
    EXPECT_EQ(Chip(e, 0, 0, 0), test::kPath);
    EXPECT_EQ(Chip(e, 0, 6, 5), test::kPath);

    // Layer 1 by keyboard: the cursor moved with the arrows, Space paints.
    e.layerButton(1)->click();
    e.toolButton(MapTool::Pencil)->click();
    e.chipSpin()->setValue(test::kTree);
    e.canvas()->setFocus();
    e.canvas()->SetCursorCell({0, 0});
    Key(e.canvas(), Qt::Key_Right);
    Key(e.canvas(), Qt::Key_Down);
    Key(e.canvas(), Qt::Key_Space);
    Key(e.canvas(), Qt::Key_Right);
    Key(e.canvas(), Qt::Key_Space);
    EXPECT_EQ(Chip(e, 1, 1, 1), test::kTree);
    EXPECT_EQ(Chip(e, 1, 2, 1), test::kTree);
    EXPECT_EQ(Chip(e, 0, 1, 1), test::kWater);  // the other layer untouched
    // Eraser.
    e.toolButton(MapTool::Eraser)->click();
    ClickCell(e, {2, 1});
    EXPECT_EQ(Chip(e, 1, 2, 1), 0);
    // The right button takes the chip of the layer painted.
    ClickCell(e, {1, 1}, Qt::RightButton);
    EXPECT_EQ(e.chipSpin()->value(), test::kTree);
    EXPECT_EQ(e.palette()->chosen(), test::kTree);

    // Select, copy both layers, paste at the cursor, partly off the map's right edge.
    e.toolButton(MapTool::Select)->click();
    Drag(e, {1, 1}, {2, 2});
    EXPECT_TRUE(e.copyButton()->isEnabled());
    Key(e.canvas(), Qt::Key_C, Qt::ControlModifier);
    e.canvas()->SetCursorCell({11, 0});
    Key(e.canvas(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Chip(e, 0, 11, 0), test::kWater);
    EXPECT_EQ(Chip(e, 1, 11, 0), test::kTree);
    EXPECT_EQ(Chip(e, 0, 11, 1), test::kPath);
    EXPECT_EQ(Chip(e, 1, 10, 0), 0);

    const MapData painted = e.session().map();
    const std::size_t steps = e.session().history().size();
    EXPECT_EQ(steps, 7u);  // stroke, rectangle, fill, two cells, eraser, paste
    EXPECT_NE(e.statusLabel()->text().indexOf(QStringLiteral("未保存")), -1);

    // Every step undone by Ctrl+Z gives the new map back; Ctrl+Y and Ctrl+Shift+Z redo them all.
    for (std::size_t i = 0; i < steps; ++i) Key(e.canvas(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(e.session().map(), fresh);
    EXPECT_FALSE(e.undoButton()->isEnabled());
    for (std::size_t i = 0; i < steps; ++i)
        Key(e.canvas(), i % 2 == 0 ? Qt::Key_Y : Qt::Key_Z, i % 2 == 0 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(e.session().map(), painted);

    // "保存": a new file, no question; what the reader reads is the map painted.
    e.saveButton()->click();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(tp.ReadData("field.bin"), MapDataBytes(painted));
    MapData read;
    ASSERT_EQ(LoadMapData(tp.project, "field.bin", read), ReadStatus::Ok);
    EXPECT_EQ(read, painted);
    EXPECT_EQ(e.lastSaved(), "field.bin");
    e.closeButton()->click();  // saved: no question
    EXPECT_FALSE(e.isVisible());
    EXPECT_TRUE(services.messages.empty());

    // The scene's settings show it in the map view exactly as the editor drew it.
    Scene scene;
    ASSERT_EQ(LoadSceneFile(tp.project, "scene0.txt", scene), ReadStatus::Ok);
    MapEditView drawn = e.canvas()->view();
    drawn.map = &painted;
    drawn.scroll = QPoint(0, 0);
    drawn.zoom = 100;
    drawn.other = OtherLayer::Shown;
    drawn.grid = true;
    drawn.cursor.reset();
    drawn.outline.reset();
    InDialog<QDialog>([&] { EditSceneSettings(context, &scene, nullptr); }, [&](QDialog* settings) {
        const MapView& view = *context.mapView;
        EXPECT_EQ(view.state().map, painted);
        EXPECT_EQ(ComposeMapView(view.state(), QSize(320, 240)), ComposeMapEditArea(drawn, QRect(0, 0, 320, 240)));
        settings->reject();
    });
}

TEST_F(MapEditorTest, UnsavedChangesAreAskedAboutAndUnreadableFilesNeverWritten) {
    const std::string village = test::VillageMapBytes() + "tail";
    tp.WriteData("village.bin", village);
    const std::string shortFile = test::MakeMapHeader(3, 2, 20);
    tp.WriteData("short.bin", shortFile);
    {
        MapEditor e(context, MapEditorStart{.mapFile = "village.bin"});
        Show(e);
        ASSERT_TRUE(e.session().HasMap());
        EXPECT_EQ(e.sceneCombo()->currentIndex(), 0);  // no scene names it
        // Saved unchanged: the same bytes, the trailing ones too, and no question.
        e.saveButton()->click();
        EXPECT_EQ(tp.ReadData("village.bin"), village);
        EXPECT_TRUE(services.messages.empty());

        e.chipSpin()->setValue(200);
        e.canvas()->setFocus();
        Key(e.canvas(), Qt::Key_Space);
        EXPECT_EQ(Chip(e, 0, 0, 0), 200);
        services.answers = {MessageAnswer::No};
        e.closeButton()->click();
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(services.messages[0].defaultAnswer, MessageAnswer::No);
        EXPECT_TRUE(e.isVisible());
        // Opening another map asks the same; No keeps this one.
        services.answers = {MessageAnswer::No};
        e.OpenMap("short.bin");
        EXPECT_EQ(e.fileName(), "village.bin");
        EXPECT_EQ(services.messages.size(), 2u);
        services.answers = {MessageAnswer::Yes};
        e.closeButton()->click();
        EXPECT_FALSE(e.isVisible());
        EXPECT_EQ(tp.ReadData("village.bin"), village);
    }
    services.messages.clear();
    {
        MapEditor e(context, MapEditorStart{.mapFile = "short.bin"});
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_NE(services.messages[0].text.indexOf(QStringLiteral("読み込めません")), -1);
        EXPECT_EQ(services.messages[0].icon, MessageIcon::Warning);
        EXPECT_FALSE(e.session().HasMap());
        EXPECT_FALSE(e.saveButton()->isEnabled());
        EXPECT_FALSE(e.Save());
        // Not even as a new map of that name.
        InSizeDialog(e.newButton(), QStringLiteral("short.bin"), 4, 4, 1);
        EXPECT_EQ(services.messages.size(), 2u);
        EXPECT_FALSE(e.session().HasMap());
        EXPECT_EQ(tp.ReadData("short.bin"), shortFile);
        // A name that cannot be a file of the data folder is refused in the dialog.
        bool refused = false;
        test::OnNextModal<MapSizeDialog>([&](MapSizeDialog* d) {
            d->nameEdit()->setText(QStringLiteral("../out"));
            d->okButton()->click();
            refused = d->isVisible();
            d->reject();
        });
        e.newButton()->click();
        EXPECT_TRUE(refused);
    }
    {
        // Painted, resized, saved: opening it again gives the same map; the trailing bytes stay.
        MapEditor e(context, MapEditorStart{.mapFile = "village.bin"});
        Show(e);
        e.chipSpin()->setValue(200);
        Key(e.canvas(), Qt::Key_Space);
        InSizeDialog(e.resizeButton(), {}, 41, 29, test::kSand);
        EXPECT_EQ(e.session().map().width, 41u);
        EXPECT_EQ(Chip(e, 0, 40, 0), test::kSand);
        EXPECT_TRUE(e.Save());
        MapEditor again(context, MapEditorStart{.mapFile = "village.bin"});
        EXPECT_EQ(again.session().map(), e.session().map());
        EXPECT_EQ(again.session().map().trailing, "tail");
        // Undoing the resize gives the size back, and the drawing area follows.
        e.Undo();
        EXPECT_EQ(e.session().map().width, test::kVillageWidth);
        EXPECT_EQ(e.canvas()->horizontalScrollBar()->maximum(),
                  EditViewExtent(e.session().map(), 100).width() - e.canvas()->viewport()->width());
    }
}

TEST_F(MapEditorTest, PaintingRepaintsOnlyTheCellsPainted) {
    tp.WriteData("village.bin", test::VillageMapBytes());
    MapEditor e(context, MapEditorStart{.mapFile = "village.bin"});
    Show(e);
    e.canvas()->SetCursorCell({5, 5});
    QApplication::processEvents();

    struct PaintWatch : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } watch;
    e.canvas()->viewport()->installEventFilter(&watch);
    e.chipSpin()->setValue(200);
    e.canvas()->setFocus();
    Key(e.canvas(), Qt::Key_Space);
    QApplication::processEvents();
    const QRect cell = ViewRectOfCells(e.canvas()->view(), CellRect{5, 5, 1, 1});
    EXPECT_FALSE(watch.painted.isEmpty());
    EXPECT_TRUE(cell.contains(watch.painted.boundingRect())) << watch.painted.boundingRect().x();

    // A stroke across a row repaints that row's cells only.
    watch.painted = QRegion();
    e.chipSpin()->setValue(201);
    Drag(e, {2, 8}, {9, 8});
    QApplication::processEvents();
    EXPECT_TRUE(ViewRectOfCells(e.canvas()->view(), CellRect{2, 8, 8, 1}).united(cell).contains(watch.painted.boundingRect()));
    services.answers = {MessageAnswer::Yes};
    e.reject();
}

}  // namespace
}  // namespace lw
