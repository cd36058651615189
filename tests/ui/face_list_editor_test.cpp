// The face list editor end to end through its widgets: the faces of image_face.txt shown in the
// preview exactly as their rectangles, the list buttons, the face dialog for adding and changing
// a face, and what OK leaves in image_face.txt. (An odd file confirmed unchanged, and Escape:
// unchanged_confirm_test.cpp.)
#include <gtest/gtest.h>

#include <QCheckBox>

#include "app/services.h"
#include "editors/media/picture_list_editors.h"
#include "support/core/bmp_makers.h"
#include "support/qt/editor_driver.h"
#include "support/qt/named.h"
#include "widgets/face_dialog.h"
#include "widgets/image_chooser.h"
#include "widgets/number_spin.h"

namespace lw {
namespace {

using namespace test;

// Four faces of 32 x 32 side by side on a magenta key colour, each a disc of its own colour.
constexpr std::uint32_t kFaceColours[4] = {0xF0C080, 0x80C0F0, 0xC0F080, 0xF080C0};

class FaceListEditorTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        WriteBytes(ImageFilePath(tp.project, "faces.bmp"), MakeBmp24(128, 32, [](int x, int y) {
                             const int cx = (x / 32) * 32 + 16, dx = x - cx, dy = y - 16;
                             return dx * dx + dy * dy < 14 * 14 ? kFaceColours[x / 32] : std::uint32_t{0xFF00FF};
                         }));
    }

    static FaceEntry Face(std::string file, int left, int top, int width, int height) {
        FaceEntry f{.fileName = std::move(file), .areaLeft = left, .areaTop = top, .areaWidth = width,
            .areaHeight = height};
        return f;
    }
    void Run(const std::function<void(FaceListEditor*)>& drive) { RunFromHub(HubEditor::FaceImages, drive); }
    // The colour at the centre of the preview's frame.
    QRgb PreviewCentre() {
        const QImage frame = view().ComposeFrame();
        return frame.isNull() ? 0 : frame.pixel(frame.width() / 2, frame.height() / 2) & 0xFFFFFF;
    }
};

TEST_F(FaceListEditorTest, FacesAreShownAsTheirRectanglesAndDeleted) {
    FaceEntry keyed = Face("faces.bmp", 32, 0, 32, 32);
    keyed.colorKey = 1;
    keyed.keyRed = 255;
    keyed.keyBlue = 255;
    tp.WriteData("image_face.txt", FaceListBytes({Face("faces.bmp", 0, 0, 32, 32), keyed, Face("faces.bmp", 64, 0, 32, 32)}));
    Run([&](FaceListEditor* e) {
        EXPECT_EQ(e->windowTitle(), "顔画像ﾘｽﾄ");
        EXPECT_EQ(Rows(e->panel()), (QStringList{"faces.bmp 0 0 32 32", "faces.bmp 32 0 32 32", "faces.bmp 64 0 32 32"}));
        EXPECT_EQ(e->panel()->selectedRow(), 0);
        EXPECT_TRUE(NamedControl<QCheckBox>(e, "表示")->isChecked());
        // Mode 2: exactly the first face's rectangle.
        EXPECT_EQ(view().state().mode, ViewMode::Animation);
        ASSERT_TRUE(view().IsShown());
        EXPECT_EQ(view().window()->size(), QSize(32, 32));
        EXPECT_EQ(PreviewCentre(), kFaceColours[0]);
        // The second, drawn with its key colour: the magenta corners are not drawn.
        ClickRow(e->panel(), 1);
        EXPECT_EQ(PreviewCentre(), kFaceColours[1]);
        EXPECT_NE(view().ComposeFrame().pixel(0, 0) & 0xFFFFFF, 0xFF00FFu);

        // Delete shows the face now at that position, none after the last.
        Click(e->panel()->deleteButton());
        EXPECT_EQ(Rows(e->panel()), (QStringList{"faces.bmp 0 0 32 32", "faces.bmp 64 0 32 32"}));
        EXPECT_EQ(e->panel()->selectedRow(), 1);
        EXPECT_EQ(PreviewCentre(), kFaceColours[2]);
        Click(e->panel()->deleteButton());
        EXPECT_EQ(e->panel()->selectedRow(), -1);
        EXPECT_FALSE(view().IsShown());
        Click(e->okButton());
    });
    EXPECT_EQ(tp.ReadData("image_face.txt"),
              "<image_face_number>\r\n1\r\n</image_face_number>\r\n<image_face_data>\r\n0 0 faces.bmp 0 0 0 0 0 0 0 32 32\r\n"
              "</image_face_data>");
    EXPECT_EQ(view().state().mode, ViewMode::None);
    EXPECT_FALSE(view().IsOpen());
}

TEST_F(FaceListEditorTest, FacesAddedAndChangedThroughTheFaceDialog) {
    Run([&](FaceListEditor* e) {
        InDialog<FaceDialog>([&] { Click(e->panel()->addButton()); }, [&](FaceDialog* d) {
            EXPECT_EQ(d->windowTitle(), "顔画像(ﾒﾆｭｰ用)");
            EXPECT_EQ(view().state().mode, ViewMode::AreaFrame);
            test::Choose(NamedControl<ImageChooser>(d, "画像ﾌｧｲﾙ"), "faces.bmp");
            Type(NamedControl<QSpinBox>(d, "左上X座標"), 100);
            Type(NamedControl<QSpinBox>(d, "高さ"), 32);
            Type(NamedControl<QSpinBox>(d, "幅"), 28);
            Click(NamedControl<QCheckBox>(d, "ｶﾗｰｷｰあり"));
            Click(d->nextButton());
        });
        EXPECT_EQ(Rows(e->panel()), QStringList{"faces.bmp 100 0 28 32"});
        EXPECT_EQ(e->panel()->selectedRow(), 0);
        EXPECT_TRUE(e->okButton()->isEnabled());
        // The list's preview is back, showing the new face.
        EXPECT_EQ(view().state().mode, ViewMode::Animation);
        EXPECT_TRUE(view().IsShown());
        EXPECT_EQ(view().window()->size(), QSize(28, 32));

        // Changed: the dialog opens on a copy, and "次へ" replaces the row in place.
        OnNextModal<FaceDialog>([&](FaceDialog* d) {
            EXPECT_EQ(NamedControl<QSpinBox>(d, "左上X座標")->value(), 100);
            EXPECT_EQ(NamedControl<QSpinBox>(d, "幅")->value(), 28);
            EXPECT_TRUE(NamedControl<QCheckBox>(d, "ｶﾗｰｷｰあり")->isChecked());
            Type(NamedControl<QSpinBox>(d, "左上X座標"), 32);
            Click(d->nextButton());
        });
        Click(e->panel()->editButton());
        EXPECT_EQ(Rows(e->panel()), QStringList{"faces.bmp 32 0 28 32"});
        EXPECT_EQ(PreviewCentre(), kFaceColours[1]);

        // Cancelled: nothing added, nothing changed.
        OnNextModal<FaceDialog>([&](FaceDialog* d) { Click(d->cancelButton()); });
        Click(e->panel()->addButton());
        OnNextModal<FaceDialog>([&](FaceDialog* d) {
            Type(NamedControl<QSpinBox>(d, "左上Y座標"), 3);
            Click(d->cancelButton());
        });
        Click(e->panel()->editButton());
        EXPECT_EQ(Rows(e->panel()), QStringList{"faces.bmp 32 0 28 32"});
        Click(e->okButton());
    });
    EXPECT_EQ(tp.ReadData("image_face.txt"),
              "<image_face_number>\r\n1\r\n</image_face_number>\r\n<image_face_data>\r\n"
              "0 0 faces.bmp 0 1 0 0 0 32 0 28 32\r\n</image_face_data>");
}

}  // namespace
}  // namespace lw
