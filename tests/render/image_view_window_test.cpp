#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "pictures.h"
#include "previews/image_view.h"
#include "render/bitmap.h"
#include "support/core/bmp_makers.h"
#include "support/core/temp_dir.h"

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
    void Press(QPoint at, Qt::MouseButtons held = Qt::LeftButton) {
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(at), window()->mapToGlobal(QPointF(at)), Qt::LeftButton, held,
                      Qt::NoModifier);
        QApplication::sendEvent(window(), &e);
    }
    void Move(QPoint at, Qt::MouseButtons held) {
        QMouseEvent e(QEvent::MouseMove, QPointF(at), window()->mapToGlobal(QPointF(at)), Qt::NoButton, held,
                      Qt::NoModifier);
        QApplication::sendEvent(window(), &e);
    }

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
    EXPECT_EQ(view->state().highlight, QRect(96, 32, 32, 32));
    view->SetCaption(QStringLiteral("unchanged"));
    Move(QPoint(127, 63), Qt::NoButton);  // same cell: nothing happens
    Move(QPoint(10, 10), Qt::NoButton);   // outside the area: nothing either
    EXPECT_EQ(view->caption(), QStringLiteral("unchanged"));

    // The window shows exactly the composed frame, the hovered cell inverted.
    const QImage shown = window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, view->ComposeFrame());
    EXPECT_EQ(test::RgbAt(shown, 100, 34), test::CellColour(3, 1) ^ 0xFFFFFFu);

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

}  // namespace
}  // namespace lw
