// The preview windows beside their dialogs: the image preview's modes, clicks and animation timer,
// and the map view's scene, scrolling and placement clicks.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "app/services.h"
#include "pictures.h"
#include "previews/image_view.h"
#include "previews/map_view.h"
#include "render/bitmap.h"
#include "support/core/bmp_makers.h"
#include "support/core/map_makers.h"
#include "support/core/temp_dir.h"
#include "support/core/village_makers.h"

namespace lw {
namespace {

// A dialog with the preview open beside it, in a temporary project with a chip sheet
// (6 x 4 cells of 32 pixels) and a plain picture in its image folder.
class ImagePreviewWindow : public test::PreviewBesideDialog<ImageView> {
protected:
    void SetUp() override {
        WriteImage("chips.bmp", test::MakeBmp24(192, 128, [](int x, int y) {
            const int dx = x % 32 - 16, dy = y % 32 - 16;
            const QRgb cell = test::CellColour(x / 32, y / 32);
            return dx * dx + dy * dy < 100 ? 0xFFFFFFu - cell : cell;
        }));
        WriteImage("plain.bmp", test::MakeSolidBmp24(50, 40, 0x406080));
        OpenBeside(std::make_unique<ImageView>(project.project, settings));
    }
    void WriteImage(const std::string& name, const std::string& bytes) {
        test::WriteBytes(ImageFilePath(project.project, name), bytes);
    }
    void Press(QPoint at) { test::SendMouse(window(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void Move(QPoint at, Qt::MouseButtons held) { test::SendMouse(window(), QEvent::MouseMove, at, held); }

    GameSettings settings;
};

TEST_F(ImagePreviewWindow, OpensBesideItsDialogAndShowsOrHidesTheChosenImage) {
    ASSERT_NE(window(), nullptr);
    EXPECT_FALSE(window()->isVisible());
    EXPECT_EQ(window()->parentWidget(), dialog.get());
    EXPECT_TRUE(window()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window()->windowType(), Qt::Tool);

    EXPECT_TRUE(view->ShowImageByName(dialog.get(), QStringLiteral("chips.bmp")));
    const QRect d = dialog->frameGeometry();
    EXPECT_EQ(window()->pos(), QPoint(d.right() + 1, d.top()));
    EXPECT_EQ(window()->size(), QSize(192, 128));
    view->FitViewTo320x240(dialog.get());
    EXPECT_EQ(window()->size(), QSize(320, 240));
    EXPECT_EQ(window()->pos(), QPoint(d.right() + 1, d.top()));
    // Moving the dialog takes the shown preview along.
    dialog->show();
    view->Show();
    dialog->move(dialog->pos() + QPoint(37, 21));
    QApplication::processEvents();
    const QRect moved = dialog->frameGeometry();
    EXPECT_EQ(window()->pos(), QPoint(moved.right() + 1, moved.top()));
    view->Hide();
    dialog->hide();

    // The show-or-hide helpers follow the check box, the choice ("なし" hides) and the file.
    QComboBox combo;
    combo.addItems({QStringLiteral("なし"), QStringLiteral("plain.bmp"), QStringLiteral("missing.bmp")});
    combo.setCurrentIndex(1);
    EXPECT_TRUE(view->ShowOrHideComboImage(dialog.get(), &combo, true));
    EXPECT_TRUE(view->IsShown());
    EXPECT_EQ(view->caption(), QStringLiteral("plain.bmp"));
    EXPECT_EQ(window()->size(), QSize(50, 40));

    view->ShowOrHideComboImage(dialog.get(), &combo, false);
    EXPECT_FALSE(view->IsShown());
    combo.setCurrentIndex(0);
    EXPECT_FALSE(view->ShowOrHideComboImage(dialog.get(), &combo, true));
    EXPECT_FALSE(view->IsShown());
    EXPECT_EQ(view->state().main.width, 50);  // "なし" changes nothing else
    combo.setCurrentIndex(2);  // a file that does not load
    view->ShowOrHideComboImage(dialog.get(), &combo, true);
    EXPECT_FALSE(view->IsShown());
    EXPECT_FALSE(view->state().main.exists());

    // The list variant.
    QListWidget list(dialog.get());
    list.addItems({QStringLiteral("chips.bmp"), QStringLiteral("plain.bmp")});
    EXPECT_FALSE(view->ShowOrHideListImage(dialog.get(), &list, true));  // nothing selected
    list.setCurrentRow(0);
    EXPECT_TRUE(view->ShowOrHideListImage(dialog.get(), &list, true));
    EXPECT_EQ(window()->size(), QSize(192, 128));

    // A missing animation image hides the window; reopening keeps the pictures; closing with the
    // sprites drops them.
    view->ShowAnimationCell(dialog.get(), "missing.bmp");
    EXPECT_FALSE(view->IsShown());
    view->LoadSpriteImage(0, "plain.bmp");
    view->Open(dialog.get());
    EXPECT_TRUE(view->state().sprites[0].exists());
    view->CloseWithSprites();
    EXPECT_FALSE(view->state().sprites[0].exists());
}

TEST_F(ImagePreviewWindow, PalettePickerSendsTheClickedColourToItsOwner) {
    QSignalSpy picked(view.get(), &ImageView::colourPicked);
    view->SetMode(ViewMode::SettingsColour, dialog.get());
    EXPECT_EQ(window()->cursor().shape(), Qt::CrossCursor);
    view->ShowPalettePicker(dialog.get());
    EXPECT_TRUE(view->IsShown());
    EXPECT_EQ(window()->size(), QSize(128, 128));
    EXPECT_EQ(view->caption(), QStringLiteral("色選択（画像をｸﾘｯｸ）"));

    QTest::mouseClick(window(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 70));  // swatch (1, 2)
    ASSERT_EQ(picked.count(), 1);
    EXPECT_EQ(picked[0][0].value<QWidget*>(), dialog.get());
    const QRgb swatch = PalettePicture().pixel(40, 70);
    EXPECT_EQ(picked[0][1].value<QColor>(), QColor(swatch));

    // While animating, mode 1 ignores clicks; right clicks never pick.
    view->state().animate = true;
    QTest::mouseClick(window(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 70));
    view->state().animate = false;
    QTest::mouseClick(window(), Qt::RightButton, Qt::NoModifier, QPoint(40, 70));
    EXPECT_EQ(picked.count(), 1);

    // A click for an owner that has gone is dropped.
    auto other = std::make_unique<QWidget>();
    view->SetOwner(OwnerSlot::SettingsColour, other.get());
    other.reset();
    QTest::mouseClick(window(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 70));
    EXPECT_EQ(picked.count(), 1);
}

TEST_F(ImagePreviewWindow, CellPickHoversCaptionsAndSendsTheCell) {
    QSignalSpy cells(view.get(), &ImageView::cellPicked);
    view->SetMode(ViewMode::CellPick, dialog.get());
    EXPECT_EQ(window()->cursor().shape(), Qt::ArrowCursor);
    EffectAnimation& a = view->state().animation;
    a.areaLeft = 32;
    a.areaWidth = 128;
    a.areaHeight = 96;
    a.cellWidth = a.cellHeight = 32;
    view->ShowImageByName(dialog.get(), QStringLiteral("chips.bmp"));
    view->Show();

    Move(QPoint(100, 40), Qt::NoButton);
    EXPECT_EQ(view->caption(), QStringLiteral("2 1"));
    view->SetCaption(QStringLiteral("unchanged"));
    Move(QPoint(127, 63), Qt::NoButton);  // same cell: nothing happens
    Move(QPoint(10, 10), Qt::NoButton);   // outside the area: nothing either
    EXPECT_EQ(view->caption(), QStringLiteral("unchanged"));

    // The window shows exactly the composed frame, with the hovered cell.
    EXPECT_EQ(window()->grab().toImage().convertToFormat(QImage::Format_RGB32), view->ComposeFrame());

    // A click sends the cell under the pointer; outside the area, the one still highlighted.
    Press(QPoint(150, 5));
    Press(QPoint(170, 5));
    ASSERT_EQ(cells.count(), 2);
    EXPECT_EQ(cells[0][0].value<QWidget*>(), dialog.get());
    EXPECT_EQ(QPoint(cells[0][1].toInt(), cells[0][2].toInt()), QPoint(3, 0));
    EXPECT_EQ(QPoint(cells[1][1].toInt(), cells[1][2].toInt()), QPoint(3, 0));
    EXPECT_EQ(view->caption(), QStringLiteral("3 0"));

    // Closing clears the hovered cell and drops the window and the main image; the mode stays.
    view->Close();
    EXPECT_FALSE(view->IsOpen());
    EXPECT_EQ(view->state().hoverColumn, -1);
    EXPECT_TRUE(view->state().highlight.isEmpty());
    EXPECT_FALSE(view->state().main.exists());
    EXPECT_EQ(view->state().mode, ViewMode::CellPick);
}

TEST_F(ImagePreviewWindow, DraggingASpriteMovesItAndSetsTheOwnersSpins) {
    view->SetMode(ViewMode::SpriteDrag, dialog.get());
    QSpinBox x(dialog.get()), y(dialog.get());
    x.setRange(-1000, 1000);
    y.setRange(-1000, 1000);
    view->SetSpriteSpinBoxes(2, &x, &y);
    view->LoadSpriteImage(2, "plain.bmp");
    view->state().spritePlacements[2] = {10, 20, DrawSpec{}};
    view->FitViewTo320x240(dialog.get());
    view->Show();

    Press(QPoint(15, 30));
    EXPECT_EQ(view->state().selectedSprite, 2);
    Move(QPoint(115, 60), Qt::LeftButton);
    EXPECT_EQ(view->state().spritePlacements[2].x, 110);
    EXPECT_EQ(view->state().spritePlacements[2].y, 50);
    EXPECT_EQ(x.value(), 110);
    EXPECT_EQ(y.value(), 50);
    // Without the button held nothing moves.
    Move(QPoint(200, 200), Qt::NoButton);
    EXPECT_EQ(view->state().spritePlacements[2].x, 110);
    EXPECT_EQ(test::RgbAt(view->ComposeFrame(), 110, 50), 0x406080u);
}

TEST_F(ImagePreviewWindow, AnimationTimerRestartsStopsAndCyclesFrames) {
    view->SetMode(ViewMode::Animation, dialog.get());
    EffectAnimation& a = view->state().animation;
    a.cellWidth = a.cellHeight = 32;
    a.speed = 2;
    a.frameCount = 3;
    a.frames[1] = {1, 0, 0, 0};
    a.frames[2] = {2, 0, 0, 0};
    view->ShowAnimationCell(dialog.get(), "chips.bmp");
    EXPECT_TRUE(view->IsShown());
    EXPECT_EQ(window()->size(), QSize(32, 32));
    EXPECT_EQ(view->state().main.width, 32);

    view->state().currentFrame = 2;
    view->RestartAnimation();
    EXPECT_TRUE(view->IsAnimating());
    EXPECT_EQ(view->animationPeriod(), 60);
    EXPECT_EQ(view->state().currentFrame, 0);
    a.speed = 0;
    view->RestartAnimation();
    EXPECT_EQ(view->animationPeriod(), 50);

    // The frames run 0, 1, 2, 0, ...
    std::vector<int> seen;
    QElapsedTimer clock;
    clock.start();
    while (seen.size() < 5 && clock.elapsed() < 5000) {
        const int f = view->state().currentFrame;
        if (seen.empty() || seen.back() != f) seen.push_back(f);
        QTest::qWait(5);
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 0, 1}));

    view->StopAnimation();
    EXPECT_FALSE(view->IsAnimating());
    EXPECT_EQ(view->state().currentFrame, 0);

    // A dialog that goes takes the window with it, and the timer stops.
    view->RestartAnimation();
    dialog.reset();
    EXPECT_FALSE(view->IsOpen());
    EXPECT_FALSE(view->IsAnimating());
    view->RestartAnimation();  // without a window: nothing
    EXPECT_FALSE(view->IsAnimating());
}

// A dialog with the map view open beside it, in a temporary project holding a 30 x 20 map whose
// cell (x, y) has background chip 1 + (x + y) % 8, a 256 x 32 chip set (8 chips) and a layer set.
class MapViewWindowTest : public test::PreviewBesideDialog<MapView> {
protected:
    void SetUp() override {
        project.WriteData("field.bin", test::MakeMapBytes(30, 20, [](std::uint32_t x, std::uint32_t y) {
            return MakeMapCell(static_cast<int>(1 + (x + y) % 7), x == 0 && y == 0 ? 1 : 0);
        }));
        test::WriteBytes(ImageFilePath(project.project, "ground.bmp"),
                         test::MakeBmp24(256, 32, [](int x, int y) { return test::CellColour(x / 32, y / 32); }));
        test::WriteBytes(ImageFilePath(project.project, "upper.bmp"), test::MakeSolidBmp24(64, 32, 0xFFFFFF));
        OpenBeside(std::make_unique<MapView>(project.project));
    }
    QWidget* area() const { return static_cast<QAbstractScrollArea*>(view->window())->viewport(); }
    void Move(QPoint at) { test::SendMouse(area(), QEvent::MouseMove, at, Qt::NoButton); }
    MapViewScene Field() const {
        MapViewScene s{
            .name = "\x8c\xb4\x96\xec",  // "原野" in CP932
            .mapDataFile = "field.bin", .backgroundChipSet = "ground.bmp", .layerChipSet = "upper.bmp"};
        return s;
    }
};

TEST_F(MapViewWindowTest, OpensBesideItsDialogAndShowsTheScene) {
    ASSERT_NE(window(), nullptr);
    EXPECT_FALSE(window()->isVisible());
    EXPECT_EQ(window()->parentWidget(), dialog.get());
    EXPECT_TRUE(window()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window()->windowType(), Qt::Tool);
    EXPECT_EQ(view->caption(), QString());
    EXPECT_EQ(view->clientSize(), QSize(320, 240));
    const QRect d = dialog->frameGeometry();
    EXPECT_EQ(window()->pos(), QPoint(d.right() + 1, d.top()));

    view->ShowScene(Field());
    view->Show();
    EXPECT_TRUE(view->IsShown());
    EXPECT_EQ(view->caption(), QStringLiteral("原野"));
    EXPECT_EQ(view->state().map.width, 30u);
    // The window shows exactly the composed frame: layer 0 and, at (0, 0), layer-1 chip 1.
    const QImage shown = area()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, view->ComposeFrame());
    EXPECT_EQ(test::RgbAt(shown, 5, 5), 0xFFFFFFu);
    EXPECT_EQ(test::RgbAt(shown, 40, 5), test::CellColour(2, 0));

    // Scroll bars run over the map less the drawing area, a page being the drawing area.
    auto* scrollArea = static_cast<QAbstractScrollArea*>(window());
    EXPECT_EQ(scrollArea->horizontalScrollBar()->maximum(), 30 * 32 - 320);
    EXPECT_EQ(scrollArea->verticalScrollBar()->maximum(), 20 * 32 - 240);
    EXPECT_EQ(scrollArea->horizontalScrollBar()->pageStep(), 320);
    EXPECT_EQ(scrollArea->horizontalScrollBar()->singleStep(), 1);
    scrollArea->horizontalScrollBar()->setValue(40);
    EXPECT_EQ(view->scroll(), QPoint(40, 0));
    view->SetScroll(5000, 100);
    EXPECT_EQ(view->scroll(), QPoint(30 * 32 - 320, 100));
    EXPECT_EQ(scrollArea->verticalScrollBar()->value(), 100);

    // A missing map leaves the view blank and the scroll at 0.
    MapViewScene missing = Field();
    missing.mapDataFile = "none.bin";
    view->ShowScene(missing);
    EXPECT_EQ(view->scroll(), QPoint(0, 0));
    EXPECT_EQ(scrollArea->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(test::RgbAt(view->ComposeFrame(), 5, 5), 0u);

    // The window moves along with its dialog.
    const QPoint before = window()->pos();
    dialog->move(dialog->pos() + QPoint(37, 21));
    QApplication::processEvents();
    EXPECT_EQ(window()->pos(), before + QPoint(37, 21));
}

// Both previews open beside their dialog, inside the screen, and never over the dialog while the
// screen has room: to its right, else its left, else below or above it; they keep so when it moves.
TEST_F(MapViewWindowTest, PreviewsOpenBesideTheirDialogInsideTheScreenNeverOverIt) {
    const QRect screen = dialog->screen()->availableGeometry();
    GameSettings settings;
    ImageView image(project.project, settings);
    test::WriteBytes(ImageFilePath(project.project, "plain.bmp"), test::MakeSolidBmp24(320, 240, 0x406080));
    const QRect cases[] = {
        {screen.left() + 20, screen.top() + 20, 300, 200},                    // room on the right
        {screen.right() - 300, screen.top() + 40, 280, 200},                  // only on the left
        {screen.left() + 200, screen.top() + 10, screen.width() - 300, 300},  // neither side: below
        {screen.left() + 200, screen.bottom() - 300, screen.width() - 300, 280},  // only above
    };
    for (const QRect& at : cases) {
        dialog->setGeometry(at);
        QApplication::processEvents();
        view->Open(dialog.get());
        view->Show();
        image.Open(dialog.get());
        ASSERT_TRUE(image.ShowImageByName(dialog.get(), QStringLiteral("plain.bmp")));
        image.Show();
        QApplication::processEvents();
        for (QWidget* preview : {window(), image.window()}) {
            const QRect frame = preview->frameGeometry();
            EXPECT_TRUE(screen.contains(frame)) << at.x() << "," << at.y();
            EXPECT_FALSE(frame.intersects(dialog->frameGeometry())) << at.x() << "," << at.y() << " " << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height() << " d " << dialog->frameGeometry().x() << "," << dialog->frameGeometry().y() << " " << dialog->frameGeometry().width() << "x" << dialog->frameGeometry().height() << " s " << screen.width() << "x" << screen.height();
        }
        // Moving the dialog to the left edge: the previews follow to its right.
        dialog->move(screen.left(), dialog->y());
        QApplication::processEvents();
        for (QWidget* preview : {window(), image.window()}) {
            EXPECT_FALSE(preview->frameGeometry().intersects(dialog->frameGeometry())) << at.x() << "," << at.y();
            EXPECT_TRUE(screen.contains(preview->frameGeometry()));
        }
    }
    image.Close();
}

TEST_F(MapViewWindowTest, PlacementCaptionsTheHoveredCellAndSignalsClicks) {
    QSignalSpy clicks(view.get(), &MapView::cellClicked);
    view->ShowScene(Field());
    view->SetMode(MapViewMode::Placement, dialog.get());
    view->Show();
    view->SetScroll(40, 0);

    Move(QPoint(30, 40));
    EXPECT_EQ(view->caption(), QStringLiteral("2 1"));
    EXPECT_EQ(view->state().hover, QPoint(2, 1));
    Move(QPoint(1000, 40));  // off the map: no cell
    EXPECT_EQ(view->caption(), QString());

    // A click sends the cell under the pointer to the owner and clears the hover; a click off the
    // map sends nothing.
    Move(QPoint(30, 40));
    QTest::mouseClick(area(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 70));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0][0].value<QWidget*>(), dialog.get());
    EXPECT_EQ(clicks[0][1].toInt(), 4);
    EXPECT_EQ(clicks[0][2].toInt(), 2);
    EXPECT_FALSE(view->state().hover);
    view->SetScroll(0, 0);
    view->state().map.width = 2;  // narrower than the click
    view->state().map.cells.resize(2 * 20);
    QTest::mouseClick(area(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 70));
    EXPECT_EQ(clicks.count(), 1);

    // Leaving the drawing area clears the hover and the caption.
    Move(QPoint(10, 10));
    EXPECT_EQ(view->caption(), QStringLiteral("0 0"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(area(), &leave);
    EXPECT_FALSE(view->state().hover);
    EXPECT_EQ(view->caption(), QString());

    // Outside the placement modes the mouse does nothing.
    view->SetMode(MapViewMode::Settings);
    Move(QPoint(10, 10));
    QTest::mouseClick(area(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(view->caption(), QString());
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(MapViewWindowTest, OneWindowAtATimeGoingWithItsDialog) {
    view->ShowScene(Field());
    QDialog second;
    second.setGeometry(50, 50, 200, 100);
    second.show();
    QWidget* first = window();
    QSignalSpy gone(first, &QObject::destroyed);
    view->Open(&second);
    EXPECT_NE(window(), first);
    EXPECT_EQ(window()->parentWidget(), &second);
    EXPECT_EQ(view->owner(), &second);
    EXPECT_TRUE(gone.wait(1000));
    EXPECT_EQ(view->state().map.width, 30u);  // the contents stay

    // Clicks go to the dialog the window now belongs to.
    QSignalSpy clicks(view.get(), &MapView::cellClicked);
    view->SetMode(MapViewMode::SingleFramePlacement);
    view->Show();
    QTest::mouseClick(area(), Qt::LeftButton, Qt::NoModifier, QPoint(33, 1));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0][0].value<QWidget*>(), &second);

    // Releasing the contents keeps the window; a closing dialog takes the window with it.
    view->ReleaseContents();
    EXPECT_TRUE(view->IsOpen());
    EXPECT_TRUE(view->state().map.cells.empty());
    view->state().hover = QPoint(1, 1);
    delete window();
    EXPECT_FALSE(view->IsOpen());
    EXPECT_FALSE(view->state().hover);
    view->Show();  // harmless without a window
    EXPECT_EQ(view->caption(), QString());
}

TEST_F(MapViewWindowTest, AScenesRecordAndTheNpcTableGiveWhatIsShown) {
    // Two NPCs share a sprite sheet (3 x 4 frames of 32 x 48 on magenta); the scene lists NPC 1, an
    // index beyond the table, and NPC 0.
    test::WriteBytes(ImageFilePath(project.project, "folk.bmp"), test::VillagerSheetBmp(0x3060C0));
    std::vector<Npc> npcs(2, NewNpc());
    for (Npc& n : npcs) {
        n.spriteFile = "folk.bmp";
        n.regionWidth = 96;
        n.regionHeight = 192;
        n.colourKey = 1;
        n.keyRed = n.keyBlue = 255;
        n.facingRow = {0, 1, 2, 3};
    }
    npcs[0].x = 2;
    npcs[0].y = 3;
    npcs[1].x = 5;
    npcs[1].y = 1;
    npcs[1].facing = 3;
    NpcTable table;
    BuildNpcTable(npcs, table);
    const std::vector<MapMarker> markers = BuildNpcMarkers(project.project, {1, 9, 0}, table);
    ASSERT_EQ(markers.size(), 3u);
    EXPECT_EQ(markers[0].index, 1);
    EXPECT_EQ(markers[0].position, QPoint(5 * 32, 32 - 16));
    EXPECT_EQ(markers[0].image.size(), QSize(32, 48));
    EXPECT_EQ(markers[1].index, 9);
    EXPECT_TRUE(markers[1].image.isNull());
    EXPECT_EQ(markers[2].position, QPoint(64, 96 - 16));
    // The keyed background is clear, the figure opaque; NPC 1 faces up (hair where NPC 0 has a face).
    EXPECT_EQ(markers[2].image.pixel(0, 0), 0u);
    EXPECT_EQ(qAlpha(markers[2].image.pixel(16, 28)), 255);
    EXPECT_NE(markers[0].image.pixel(16, 15), markers[2].image.pixel(16, 15));

    Scene scene{.name = "\x8c\xb4\x96\xec", .mapDataFile = "field.bin", .backgroundChipSet = "ground.bmp",
        .layerChipSet = "upper.bmp", .layerDrawMode = kDrawAlpha, .layerColourKey = 1, .layerKeyRed = 7};
    MapViewScene shown = SceneOnMap(scene);
    shown.npcMarkers = markers;
    view->SetMode(MapViewMode::Placement, dialog.get());
    view->ShowScene(shown);
    EXPECT_EQ(view->caption(), QStringLiteral("原野"));
    EXPECT_EQ(view->state().layerSpec, (DrawSpec{kDrawAlpha, 1, Rgb{7, 0, 0}}));
    EXPECT_FALSE(view->state().chipSets.images[1].isNull());
    // NPC 0 stands on cell (2, 3): its tunic shows there; the keyed corner shows the map.
    const QImage f = view->ComposeFrame();
    EXPECT_EQ(f.pixel(64 + 16, 80 + 28), markers[2].image.pixel(16, 28));
    EXPECT_EQ(test::RgbAt(f, 64 + 1, 80 + 17), test::CellColour((2 + 3) % 7 + 1, 0));
}

}  // namespace
}  // namespace lw
