// "顔画像(ﾒﾆｭｰ用)" through its widgets: the area outlined on the real preview, the size message,
// clipping on "次へ", the key colour picked from the picture, and the dialog opened on the fields
// of a record other than a face of the list.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

#include "support/core/bmp_makers.h"
#include "support/qt/editor_driver.h"
#include "support/qt/named.h"
#include "widgets/face_dialog.h"
#include "widgets/image_chooser.h"
#include "widgets/number_spin.h"

namespace lw {
namespace {

using test::Click;
using test::NamedControl;
using test::Type;

class FaceDialogTest : public test::EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        // 40 x 30: a blue face on a magenta key.
        test::WriteBytes(ImageFilePath(tp.project, "faces.bmp"), test::MakeBmp24(40, 30, [](int x, int y) {
                             return (x >= 5 && x < 25 && y >= 5 && y < 25) ? 0x3060C0u : 0xFF00FFu;
                         }));
        test::WriteBytes(ImageFilePath(tp.project, "big face.bmp"), test::MakeSolidBmp24(8, 8, 0));
    }

    void Show(QDialog& d) {
        d.show();
        QApplication::setActiveWindow(&d);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    }
};

TEST_F(FaceDialogTest, AreaSizeMessageClippingAndKeyColour) {
    FaceEntry face{.fileName = "faces.bmp", .areaWidth = 20, .areaHeight = 20, .reserved1 = 4, .reserved2 = -9};
    FaceDialog d(context, FaceFieldsOf(face));
    Show(d);
    EXPECT_EQ(d.windowTitle(), "顔画像(ﾒﾆｭｰ用)");
    EXPECT_EQ(NamedControl<ImageChooser>(&d, "画像ﾌｧｲﾙ")->currentText(), "faces.bmp");
    EXPECT_TRUE(NamedControl<QCheckBox>(&d, "表示")->isChecked());
    EXPECT_FALSE(NamedControl<QSpinBox>(&d, "赤")->isEnabled());  // greyed while the key is off
    // The preview: mode 15, the picture with the area outlined, picking colours.
    ASSERT_TRUE(view().IsShown());
    EXPECT_EQ(view().state().mode, ViewMode::AreaFrame);
    EXPECT_EQ(view().window()->size(), QSize(40, 30));

    // Typed area values are stored at once and move the outline.
    Type(NamedControl<QSpinBox>(&d, "左上X座標"), 10);
    EXPECT_EQ(view().state().animation.areaLeft, 10);
    Type(NamedControl<NumberSpin>(&d, "幅"), 0);
    NamedControl<QSpinBox>(&d, "左上Y座標")->setFocus();
    Click(d.nextButton());
    EXPECT_EQ(services.texts(), QStringList{"画像ｻｲｽﾞは1以上に設定してください"});
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(face.areaLeft, 0);  // nothing stored yet

    Type(NamedControl<NumberSpin>(&d, "幅"), 50);
    Click(NamedControl<QCheckBox>(&d, "ｶﾗｰｷｰあり"));
    EXPECT_TRUE(NamedControl<QSpinBox>(&d, "赤")->isEnabled());
    QTest::mouseClick(view().window(), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(NamedControl<QSpinBox>(&d, "緑")->value(), 0);
    EXPECT_EQ(NamedControl<QSpinBox>(&d, "青")->value(), 255);
    Click(NamedControl<QRadioButton>(&d, "加算"));
    Click(d.nextButton());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(view().IsOpen());

    // Left 10 and width 50 on a 40-pixel-wide picture store width 30.
    EXPECT_EQ(face.areaLeft, 10);
    EXPECT_EQ(face.areaWidth, 30);
    EXPECT_EQ(face.areaHeight, 20);
    EXPECT_EQ(SpecOf(face), (DrawSpec{kDrawAdditive, 1, {255, 0, 255}}));
    EXPECT_EQ(face.reserved1, 4);  // carried
    EXPECT_EQ(face.reserved2, -9);
}

TEST_F(FaceDialogTest, CancelStoresNothingAndUntouchedValuesAreKept) {
    FaceEntry face{.fileName = "faces.bmp", .areaWidth = 8, .areaHeight = 8};
    const FaceEntry before = face;
    {
        FaceDialog d(context, FaceFieldsOf(face));
        Show(d);
        Type(NamedControl<QSpinBox>(&d, "左上X座標"), 3);
        NamedControl<ImageChooser>(&d, "画像ﾌｧｲﾙ")->setCurrentIndex(-1);
        Click(d.cancelButton());
        EXPECT_EQ(d.result(), QDialog::Rejected);
    }
    EXPECT_EQ(face, before);

    // A picture that is missing: nothing to cut back to, and values out of the fields' ranges stay.
    face.fileName = "gone.bmp";
    face.areaLeft = 40000;
    face.areaWidth = 99999;
    SetSpec(face, DrawSpec{7, 2, {300, -1, 5}});
    const FaceEntry odd = face;
    FaceDialog d(context, FaceFieldsOf(face));
    Show(d);
    EXPECT_EQ(NamedControl<ImageChooser>(&d, "画像ﾌｧｲﾙ")->currentIndex(), -1);
    EXPECT_FALSE(view().IsShown());
    Click(d.nextButton());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(face, odd);
}

TEST_F(FaceDialogTest, FileNamesThatWouldShiftTheLineAreRefused) {
    FaceEntry face;
    face.areaWidth = face.areaHeight = 4;
    FaceDialog d(context, FaceFieldsOf(face));
    Show(d);
    auto* image = NamedControl<ImageChooser>(&d, "画像ﾌｧｲﾙ");
    image->setCurrentIndex(image->findText("big face.bmp"));
    EXPECT_EQ(image->currentIndex(), -1);
    Click(d.nextButton());  // no picture chosen
    EXPECT_EQ(services.texts(), (QStringList{"空白を含む名前の画像は使えません。\nﾌｧｲﾙ名を変えてから選択してください",
                                             "画像を選択してください"}));
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(face.fileName, "");
}

TEST_F(FaceDialogTest, OpensOnTheFieldsOfAnotherRecordAndChainsToTheNextStep) {
    // A picture entry laid out as the player character keeps it.
    struct Chip {
        int x = 0, y = 0, w = 0, h = 0;
        std::string file = "faces.bmp";
        int mode = 0, key = 0, r = 0, g = 0, b = 0;
    } chip;
    chip.w = 30;
    chip.h = 30;
    FaceDialog d(context, FaceFields{chip.file, chip.x, chip.y, chip.w, chip.h, chip.mode, chip.key, chip.r, chip.g, chip.b},
                 nullptr, QStringLiteral("ｷｬﾗﾁｯﾌﾟ"));
    int steps = 0;
    bool nextSucceeds = false;
    int heightSeen = 0;
    d.SetNext([&](FaceDialog&) {
        ++steps;
        heightSeen = chip.h;  // stored before the next step runs
        return nextSucceeds;
    });
    Show(d);
    EXPECT_EQ(d.windowTitle(), "ｷｬﾗﾁｯﾌﾟ");
    // Top 10 and height 30 on a 30-pixel-high picture store height 20.
    Type(NamedControl<QSpinBox>(&d, "左上Y座標"), 10);
    Click(d.nextButton());
    // The next step was cancelled: this one stays, with its preview again.
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(view().IsShown());
    nextSucceeds = true;
    Click(d.nextButton());
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(heightSeen, 20);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(chip.y, 10);
    EXPECT_EQ(chip.w, 30);
    EXPECT_EQ(chip.h, 20);
}

}  // namespace
}  // namespace lw
