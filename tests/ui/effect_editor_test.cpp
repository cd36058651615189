// The effect animation editor end to end through its widgets: the list "ｱﾆﾒ ﾘｽﾄ1" and the three
// steps, with a chip sheet and a background picture made in code and clicks on the real preview
// window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>

#include "core/media/effect_animation_steps.h"
#include "editors/media/effect_steps.h"
#include "editors/media/picture_list_editors.h"
#include "support/core/bmp_makers.h"
#include "support/qt/editor_driver.h"
#include "support/qt/named.h"

namespace lw {
namespace {

using namespace test;

constexpr QRgb kKey = qRgb(255, 0, 255);

// A chip sheet of 8 x 4 cells of 32 x 32 on the key colour: in each cell a ball that grows along
// the row, each row in its own colour, as the frames of a small burst.
QImage MakeChipSheet() {
    QImage sheet(256, 128, QImage::Format_RGB32);
    sheet.fill(kKey);
    QPainter p(&sheet);
    const QColor rows[] = {QColor(255, 200, 40), QColor(80, 200, 255), QColor(120, 255, 120), QColor(255, 90, 60)};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 8; ++column) {
            const int r = 3 + column * 12 / 7;
            p.setPen(Qt::NoPen);
            p.setBrush(rows[row]);
            p.drawEllipse(QPoint(column * 32 + 16, row * 32 + 16), r, r);
            p.setBrush(Qt::white);
            p.drawEllipse(QPoint(column * 32 + 16, row * 32 + 16), r / 3, r / 3);
        }
    }
    return sheet;
}

// A 320 x 240 background: sky over a field.
QImage MakeBackground() {
    QImage back(320, 240, QImage::Format_RGB32);
    QPainter p(&back);
    QLinearGradient sky(0, 0, 0, 160);
    sky.setColorAt(0, QColor(40, 60, 140));
    sky.setColorAt(1, QColor(150, 190, 230));
    p.fillRect(0, 0, 320, 160, sky);
    p.fillRect(0, 160, 320, 80, QColor(60, 130, 50));
    return back;
}

void WriteEffects(const TempProject& tp, const std::vector<EffectAnimation>& list) {
    tp.WriteData("image_effect.txt", EffectFileBytes(list));
}

class EffectEditorTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        WriteBmp("sheet.bmp", MakeChipSheet());
        WriteBmp("back.bmp", MakeBackground());
        WriteBytes(ImageFilePath(tp.project, "wide.bmp"), MakeSolidBmp24(320, 64, 0x008080));
        WriteBytes(ImageFilePath(tp.project, "my sheet.bmp"), MakeSolidBmp24(320, 64, 0x008080));
    }
    // A 24-bit file of the picture.
    void WriteBmp(const char* name, const QImage& picture) {
        WriteBytes(ImageFilePath(tp.project, name), MakeBmp24(picture.width(), picture.height(), [&](int x, int y) {
                       return static_cast<std::uint32_t>(picture.pixel(x, y) & 0xFFFFFFu);
                   }));
    }
    static void Type(QSpinBox* s, int value) { test::Type(s, value, Then::Tab); }
    static QSpinBox* Spin(QWidget* d, const QString& name) { return NamedControl<QSpinBox>(d, name); }
    static ListEditorPanel* Panel(QWidget* d) { return d->findChild<ListEditorPanel*>(); }
    static QListWidget* Frames(QWidget* d) { return d->findChild<QListWidget*>(); }
    // The preview's window lies beside `dialog`, not over it.
    void ExpectBeside(QWidget* dialog) {
        ASSERT_NE(view().window(), nullptr);
        EXPECT_FALSE(view().window()->frameGeometry().intersects(dialog->frameGeometry()));
    }

    EffectAnimation Placed() {
        EffectAnimation a = NewEffectAnimation();
        a.name = "burst";
        a.imageFile = "sheet.bmp";
        a.cellWidth = a.cellHeight = 32;
        a.areaWidth = 256;
        a.areaHeight = 128;
        a.speed = 3;
        a.frameCount = 2;
        a.frames[0] = {1, 0, 10, 20};
        a.frames[1] = {2, 3, 30, 40};
        return a;
    }
};

TEST_F(EffectEditorTest, AddAnAnimationThroughTheThreeStepsAndSaveIt) {
    EffectListEditor editor(context, nullptr);
    bool sawSettings = false, sawOrder = false, sawPositions = false;
    OnNextModal<QDialog>([&](QDialog* s) {
        sawSettings = true;
        // Mode 3: the sheet with its chip area and grid, picking the key colour.
        EXPECT_EQ(view().state().mode, ViewMode::ChipArea);
        EXPECT_EQ(NamedControl<QComboBox>(s, "画像")->currentIndex(), -1);  // nothing chosen yet
        EXPECT_TRUE(NamedControl<QComboBox>(s, "画像")->isEnabled());
        EXPECT_EQ(Spin(s, "速度")->value(), 2);
        EXPECT_FALSE(Spin(s, "赤")->isEnabled());

        TypeText(NamedControl<QLineEdit>(s, "ｱﾆﾒ名"), QStringLiteral("爆発 小"));
        Choose(NamedControl<QComboBox>(s, "画像"), "sheet.bmp");
        // A new animation takes the whole sheet as its chip area; the spins run over the sheet.
        EXPECT_EQ(Spin(s, "左上X座標")->value(), 0);
        EXPECT_EQ(Spin(s, "元画像内の領域 幅")->value(), 256);
        EXPECT_EQ(Spin(s, "元画像内の領域 幅 高さ")->value(), 128);
        EXPECT_EQ(Spin(s, "元画像内の領域 幅")->maximum(), 256);
        EXPECT_EQ(Spin(s, "1ｺﾏの画像ｻｲｽﾞ 幅 高さ")->maximum(), 128);
        EXPECT_TRUE(view().IsShown());
        EXPECT_EQ(view().window()->size(), QSize(256, 128));
        ExpectBeside(s);

        // The key colour is picked from the sheet.
        Click(NamedControl<QCheckBox>(s, "ｶﾗｰｷｰあり"));
        EXPECT_TRUE(Spin(s, "赤")->isEnabled());
        ClickPreview(QPoint(1, 1));
        EXPECT_EQ(Spin(s, "赤")->value(), 255);
        EXPECT_EQ(Spin(s, "緑")->value(), 0);
        EXPECT_EQ(Spin(s, "青")->value(), 255);
        Click(NamedControl<QRadioButton>(s, "不透明"));

        // No cell size yet: refused, the step stays.
        Click(ConfirmButton(s));
        ASSERT_EQ(services.texts(), QStringList{"1ｺﾏの画像ｻｲｽﾞは1以上に設定してください"});
        EXPECT_EQ(services.messages.back().caption, "Lorewright");
        EXPECT_EQ(services.messages.back().icon, MessageIcon::None);
        EXPECT_TRUE(s->isVisible());
        Type(Spin(s, "1ｺﾏの画像ｻｲｽﾞ 幅"), 32);
        Type(Spin(s, "1ｺﾏの画像ｻｲｽﾞ 幅 高さ"), 32);
        Type(Spin(s, "速度"), 4);

        OnNextModal<EffectOrderStep>([&](EffectOrderStep* o) {
            sawOrder = true;
            EXPECT_EQ(ConfirmButton(o)->text(), "次へ");
            EXPECT_EQ(view().state().mode, ViewMode::CellPick);
            EXPECT_EQ(view().window()->size(), QSize(256, 128));
            ExpectBeside(o);
            o->move(o->pos() + QPoint(30, 20));  // the preview follows its dialog
            ExpectBeside(o);
            // 256 ÷ 32 − 1 and 128 ÷ 32 − 1.
            EXPECT_EQ(Spin(o, "X")->maximum(), 7);
            EXPECT_EQ(Spin(o, "Y")->maximum(), 3);

            // Cells clicked on the sheet, in playing order; the hovered cell names itself.
            for (int column : {0, 1, 2, 3}) ClickPreview(QPoint(column * 32 + 5, 32 + 20));
            EXPECT_EQ(view().caption(), "3 1");
            // Typed cells: held to the sheet by the spins.
            Spin(o, "X")->setValue(9);
            Type(Spin(o, "Y"), 2);
            Click(Panel(o)->addButton());
            EXPECT_EQ(Rows(Panel(o)), (QStringList{"0 1", "1 1", "2 1", "3 1", "7 2"}));
            EXPECT_EQ(Panel(o)->selectedRow(), 4);
            // "更新" replaces the selected frame; "削除" and the moves are the list's own.
            Type(Spin(o, "X"), 4);
            Type(Spin(o, "Y"), 1);
            Click(NamedControl<QPushButton>(o, "更新"));
            EXPECT_EQ(Rows(Panel(o)), (QStringList{"0 1", "1 1", "2 1", "3 1", "4 1"}));

            OnNextModal<QDialog>([&](QDialog* p) {
                sawPositions = true;
                EXPECT_EQ(view().state().mode, ViewMode::FramePositions);
                EXPECT_EQ(view().window()->size(), QSize(320, 240));
                ExpectBeside(p);
                EXPECT_TRUE(view().IsAnimating());
                // The sheet is drawn one cell at a time.
                EXPECT_EQ(view().state().main.width, 32);
                EXPECT_EQ(Items(Frames(p)), (QStringList{"0 0", "0 0", "0 0", "0 0", "0 0"}));

                Choose(NamedControl<QComboBox>(p, "背景"), "back.bmp");
                EXPECT_TRUE(view().state().second.exists());
                // A click on the screen places the selected frame.
                Frames(p)->setCurrentRow(0);
                ClickPreview(QPoint(100, 50));
                EXPECT_EQ(Spin(p, "X")->value(), 100);
                EXPECT_EQ(Spin(p, "Y")->value(), 50);
                // Typed positions: at most 320 and 240.
                for (int i = 1; i < 5; ++i) {
                    Frames(p)->setCurrentRow(i);
                    Type(Spin(p, "X"), 100 + i * 10);
                    Spin(p, "Y")->setValue(400);
                    Click(NamedControl<QPushButton>(p, "更新"));
                }
                EXPECT_EQ(Items(Frames(p)),
                          (QStringList{"100 50", "110 240", "120 240", "130 240", "140 240"}));
                // The preview draws the frame over the background: the chip's centre pixel (white)
                // lies at the frame's position plus half a cell.
                view().StopAnimation();
                const QImage frame = view().ComposeFrame();
                EXPECT_EQ(frame.pixel(100 + 16, 50 + 16), qRgb(255, 255, 255));
                EXPECT_EQ(frame.pixel(2, 2), MakeBackground().pixel(2, 2));
                Click(ConfirmButton(p));
            }, o);
            Click(ConfirmButton(o));
        });
        Click(ConfirmButton(s));
    });
    Click(editor.panel()->addButton());
    ASSERT_TRUE(sawSettings && sawOrder && sawPositions);

    // Back in the list: the new animation is listed and selected, and runs in the preview.
    ASSERT_EQ(Rows(editor.panel()), QStringList{"爆発 小"});
    EXPECT_EQ(editor.panel()->selectedRow(), 0);
    EXPECT_EQ(view().state().mode, ViewMode::Animation);
    EXPECT_EQ(view().window()->size(), QSize(32, 32));
    EXPECT_EQ(view().animationPeriod(), 4 * 30);

    Click(editor.okButton());
    std::vector<EffectAnimation> saved;
    ASSERT_EQ(ReadStatus::Ok, LoadEffectList(tp.project, saved));
    ASSERT_EQ(saved.size(), 1u);
    const EffectAnimation& a = saved[0];
    EXPECT_EQ(a.name, "\x94\x9a\x94\xad \x8f\xac");  // 爆発 小 in CP932
    EXPECT_EQ(a.imageFile, "sheet.bmp");
    EXPECT_EQ((std::array{a.speed, a.cellWidth, a.cellHeight, a.drawMode, a.colorKey}), (std::array{4, 32, 32, 0, 1}));
    EXPECT_EQ((std::array{a.keyRed, a.keyGreen, a.keyBlue}), (std::array{255, 0, 255}));
    EXPECT_EQ((std::array{a.areaLeft, a.areaTop, a.areaWidth, a.areaHeight}), (std::array{0, 0, 256, 128}));
    ASSERT_EQ(a.frameCount, 5);
    EXPECT_EQ(a.frames[0], (EffectFrame{0, 1, 100, 50}));
    EXPECT_EQ(a.frames[4], (EffectFrame{4, 1, 140, 240}));
    EXPECT_FALSE(view().IsOpen());
    EXPECT_EQ(view().state().mode, ViewMode::None);
}

TEST_F(EffectEditorTest, CancellingAnyStepLeavesTheListItemUnchanged) {
    WriteEffects(tp, {Placed()});
    EffectListEditor editor(context, nullptr);
    ASSERT_EQ(Rows(editor.panel()), QStringList{"burst"});
    const EffectAnimation before = editor.records()[0];
    int stepsSeen = 0;

    OnNextModal<QDialog>([&](QDialog* s) {
        ++stepsSeen;
        // The image of an existing animation is not chosen again.
        EXPECT_FALSE(NamedControl<QComboBox>(s, "画像")->isEnabled());
        EXPECT_EQ(NamedControl<QComboBox>(s, "画像")->currentText(), "sheet.bmp");
        NamedControl<QLineEdit>(s, "ｱﾆﾒ名")->setText("renamed");
        OnNextModal<EffectOrderStep>([&](EffectOrderStep* o) {
            ++stepsSeen;
            EXPECT_EQ(Rows(Panel(o)), (QStringList{"1 0", "2 3"}));
            ClickRow(Panel(o), 1);
            Click(Panel(o)->deleteButton());
            OnNextModal<QDialog>([&](QDialog* p) {
                ++stepsSeen;
                EXPECT_EQ(Items(Frames(p)), QStringList{"10 20"});
                ClickPreview(QPoint(5, 6));
                EXPECT_EQ(Items(Frames(p)), QStringList{"5 6"});
                Press(p, "ｷｬﾝｾﾙ");
            }, o);
            Click(ConfirmButton(o));
            // Cancelled positions: the order step stays, with its own preview again.
            EXPECT_TRUE(o->isVisible());
            EXPECT_EQ(view().state().mode, ViewMode::CellPick);
            EXPECT_TRUE(view().IsShown());
            Click(o->cancelButton());
        });
        Click(ConfirmButton(s));
        EXPECT_TRUE(s->isVisible());
        EXPECT_EQ(view().state().mode, ViewMode::ChipArea);
        Press(s, "ｷｬﾝｾﾙ");
    });
    ClickRow(editor.panel(), 0);
    Click(editor.panel()->editButton());
    ASSERT_EQ(stepsSeen, 3);
    ASSERT_EQ(editor.records().size(), 1u);
    EXPECT_EQ(editor.records()[0], before);
    EXPECT_EQ(Rows(editor.panel()), QStringList{"burst"});
    EXPECT_EQ(view().state().mode, ViewMode::Animation);
    EXPECT_EQ(view().state().animation, before);
    Click(editor.cancelButton());
}

TEST_F(EffectEditorTest, EditingKeepsTheImageAndClipsOnlyAnAreaTheAuthorSet) {
    EffectAnimation a = Placed();
    a.imageFile = "wide.bmp";  // 320 x 64
    a.areaLeft = 100;
    a.areaWidth = 300;
    a.areaHeight = 0;  // shown as the image's height
    OnNextModal<QDialog>([&](QDialog* s) {
        EXPECT_EQ(Spin(s, "元画像内の領域 幅")->value(), 300);
        EXPECT_EQ(Spin(s, "元画像内の領域 幅 高さ")->value(), 64);
        EXPECT_EQ(Spin(s, "左上X座標")->maximum(), 320);
        // The outline covers the picture's height, while the record keeps its 0.
        EXPECT_EQ(view().state().animation.areaHeight, 64);
        EXPECT_EQ(a.areaHeight, 0);
        int orders = 0;
        auto expectOrder = [&](int areaWidth) {
            OnNextModal<EffectOrderStep>([&, areaWidth](EffectOrderStep* o) {
                ++orders;
                EXPECT_EQ(a.areaWidth, areaWidth);
                EXPECT_EQ(a.areaHeight, 0);
                EXPECT_EQ(a.imageFile, "wide.bmp");
                EXPECT_EQ(Spin(o, "X")->maximum(), 9);  // 320 ÷ 32 − 1
                EXPECT_EQ(Spin(o, "Y")->maximum(), 1);
                Click(o->cancelButton());
            });
        };
        // Untouched, the area read from the file goes on as it is.
        expectOrder(300);
        Click(ConfirmButton(s));
        // Set by the author, it is cut back to the picture: 320 − 100.
        Type(Spin(s, "元画像内の領域 幅"), 310);
        expectOrder(220);
        Click(ConfirmButton(s));
        EXPECT_EQ(orders, 2);
        EXPECT_EQ(Spin(s, "元画像内の領域 幅")->value(), 220);
        Press(s, "ｷｬﾝｾﾙ");
    });
    EXPECT_FALSE(RunEffectSteps(context, a, false, nullptr));
    EXPECT_EQ(view().state().mode, ViewMode::Animation);
    EXPECT_FALSE(view().IsOpen());
}

TEST_F(EffectEditorTest, SettingsRefuseWhatTheFileCannotCarry) {
    EffectAnimation a;
    OnNextModal<QDialog>([&](QDialog* s) {
        Type(Spin(s, "1ｺﾏの画像ｻｲｽﾞ 幅"), 16);
        Type(Spin(s, "1ｺﾏの画像ｻｲｽﾞ 幅 高さ"), 16);
        Click(ConfirmButton(s));  // no image chosen
        Choose(NamedControl<QComboBox>(s, "画像"), "my sheet.bmp");
        Click(ConfirmButton(s));  // the image file is one blank-free field of the file
        NamedControl<QLineEdit>(s, "ｱﾆﾒ名")->setText("</image_effect_data>");
        Choose(NamedControl<QComboBox>(s, "画像"), "wide.bmp");
        Click(ConfirmButton(s));
        EXPECT_EQ(services.texts(), (QStringList{"画像を選択してください",
                                                 "空白を含む名前の画像は使えません。\nﾌｧｲﾙ名を変えてから選択してください",
                                                 "このｱﾆﾒ名は使えません"}));
        EXPECT_TRUE(s->isVisible());
        Press(s, "ｷｬﾝｾﾙ");
    });
    EXPECT_FALSE(RunEffectSteps(context, a, true, nullptr));
}

TEST_F(EffectEditorTest, TheFrameOrderHoldsSixtyFourFrames) {
    EffectAnimation a = Placed();
    a.frameCount = 63;
    EffectOrderStep o(context, a, EffectOrderStep::Options{}, nullptr);
    o.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&o));
    EXPECT_EQ(ConfirmButton(&o)->text(), "OK");
    Click(Panel(&o)->addButton());
    EXPECT_EQ(Panel(&o)->rowCount(), 64);
    EXPECT_TRUE(services.texts().isEmpty());
    Click(Panel(&o)->addButton());   // a 65th frame typed ...
    ClickPreview(QPoint(40, 40));    // ... or clicked
    EXPECT_EQ(services.texts(), (QStringList{"これ以上、追加できません", "これ以上、追加できません"}));
    EXPECT_EQ(Panel(&o)->rowCount(), 64);
    Click(ConfirmButton(&o));  // no later step: ends at once with the list as the frames
    EXPECT_EQ(o.result(), QDialog::Accepted);
    EXPECT_EQ(a.frameCount, 64);
    EXPECT_EQ(a.frames[0], (EffectFrame{1, 0, 10, 20}));  // positions stay with their slots
}

TEST_F(EffectEditorTest, TheListPreviewsTheSelectionAndGuardsAnEmptyList) {
    EffectAnimation second = Placed();
    second.name.clear();  // listed under its image file
    second.speed = 0;
    second.drawMode = 2;
    WriteEffects(tp, {Placed(), second});
    EffectListEditor editor(context, nullptr);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    EXPECT_EQ(Rows(editor.panel()), (QStringList{"burst", "sheet.bmp"}));
    EXPECT_EQ(editor.panel()->selectedRow(), 0);
    EXPECT_TRUE(editor.showBox()->isChecked());
    EXPECT_EQ(view().state().mode, ViewMode::Animation);
    EXPECT_TRUE(view().IsShown());
    EXPECT_EQ(view().animationPeriod(), 90);
    ExpectBeside(&editor);

    // The animation runs: frame 0 is chip (1, 0), frame 1 chip (2, 3) of the sheet.
    view().StopAnimation();
    EXPECT_EQ(view().ComposeFrame().pixel(16, 16), MakeChipSheet().pixel(32 + 16, 16));
    view().RestartAnimation();
    EXPECT_TRUE(QTest::qWaitFor([&] { return view().state().currentFrame == 1; }, 3000));
    EXPECT_EQ(view().ComposeFrame().pixel(16, 16), MakeChipSheet().pixel(2 * 32 + 16, 3 * 32 + 16));

    ClickRow(editor.panel(), 1);
    EXPECT_EQ(view().state().animation.drawMode, 2);
    EXPECT_EQ(view().animationPeriod(), 50);  // a speed of 0: 50 ms

    Click(editor.showBox());
    EXPECT_FALSE(view().IsShown());
    Click(editor.showBox());
    EXPECT_TRUE(view().IsShown());

    // With no row selected the preview holds no animation (the empty list is the shared editor's).
    Click(editor.panel()->deleteButton());
    EXPECT_EQ(editor.panel()->selectedRow(), -1);
    EXPECT_EQ(view().state().animation, EffectAnimation{});
    Click(editor.cancelButton());
}

}  // namespace
}  // namespace lw
