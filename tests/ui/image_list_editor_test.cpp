// The background and cursor image editors end to end through their widgets: slots chosen from
// the list, pictures from the image folder, drawing values and key colours picked on the real
// preview window, and what OK leaves in image_back.txt and image_select.txt. (Odd tables confirmed
// unchanged, and Escape: unchanged_confirm_test.cpp.)
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <filesystem>

#include "app/services.h"
#include "core/media/image_lists.h"
#include "support/core/bmp_makers.h"
#include "support/qt/editor_driver.h"
#include "support/qt/named.h"
#include "widgets/image_chooser.h"
#include "widgets/number_spin.h"

namespace lw {
namespace {

using namespace test;

constexpr std::uint32_t kMagenta = 0xFF00FF;
const QString kModes[] = {QStringLiteral("不透明"), QStringLiteral("加算"), QStringLiteral("透明度")};

class ImageListEditorTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        // A frame picture: a magenta key colour around a blue panel with a white border.
        test::WriteBytes(ImageFilePath(tp.project, "Frame.bmp"), test::MakeBmp24(160, 48, [](int x, int y) {
                             if (x < 4 || y < 4 || x >= 156 || y >= 44) return kMagenta;
                             if (x < 6 || y < 6 || x >= 154 || y >= 42) return std::uint32_t{0xFFFFFF};
                             return std::uint32_t{0x203070};
                         }));
        test::WriteBytes(ImageFilePath(tp.project, "sky.bmp"), test::MakeSolidBmp24(320, 240, 0x5080C0));
        test::WriteBytes(ImageFilePath(tp.project, "cursor.bmp"), test::MakeSolidBmp24(16, 16, 0xFFFF00));
    }
    // Typed into the field and left with Tab (the dialog made the active window first: a click on
    // the preview may have activated that).
    static void Type(QSpinBox* s, const QString& text) { test::Type(s, text, Then::Tab); }
    // The controls by their names; the slots are the dialog's one plain list.
    static QSpinBox* Spin(QWidget* e, const QString& name) { return NamedControl<QSpinBox>(e, name); }
    static QRadioButton* Mode(QWidget* e, int mode) { return NamedControl<QRadioButton>(e, kModes[mode]); }
    static QListWidget* Slots(QWidget* e) { return e->findChild<QListWidget*>(); }
    void Run(HubEditor button, const std::function<void(QDialog*)>& drive) { RunFromHub(button, drive); }
    static ImageTable Preset(ImageTableKind kind) {
        ImageTable t;
        PresetImageTable(kind, t);
        return t;
    }
};

TEST_F(ImageListEditorTest, NewProjectBackgroundsEditedAndSaved) {
    Run(HubEditor::BackImages, [&](QDialog* e) {
        EXPECT_EQ(e->windowTitle(), "背景画像");
        ASSERT_EQ(Slots(e)->count(), 18);
        EXPECT_EQ(Slots(e)->item(0)->text(), "ロード画面背景");
        EXPECT_EQ(Slots(e)->item(17)->text(), "会話枠（選択肢・所持金）");
        EXPECT_EQ(Slots(e)->currentRow(), 0);
        // "?.bmp" names no file: nothing chosen, the preview hidden, the key colour greyed.
        EXPECT_EQ(NamedControl<ImageChooser>(e, "画像ﾌｧｲﾙ")->currentIndex(), -1);
        EXPECT_TRUE(NamedControl<QCheckBox>(e, "表示")->isChecked());
        EXPECT_FALSE(Spin(e, "赤")->isEnabled());
        EXPECT_TRUE(Mode(e, 0)->isChecked());
        EXPECT_EQ(view().state().mode, ViewMode::MonsterColour);
        EXPECT_FALSE(view().IsShown());

        Choose(NamedControl<ImageChooser>(e, "画像ﾌｧｲﾙ"), "sky.bmp");
        ASSERT_TRUE(view().IsShown());
        EXPECT_EQ(view().window()->size(), QSize(320, 240));
        // Beside the editor where the screen has room, and always on the screen.
        EXPECT_TRUE(e->screen()->availableGeometry().contains(view().window()->frameGeometry()));

        // "会話枠（通常）" (slot 17): the frame with its key colour picked from the picture.
        ClickRow(Slots(e), 15);
        EXPECT_EQ(NamedControl<ImageChooser>(e, "画像ﾌｧｲﾙ")->currentIndex(), -1);
        Choose(NamedControl<ImageChooser>(e, "画像ﾌｧｲﾙ"), "Frame.bmp");
        EXPECT_EQ(view().window()->size(), QSize(160, 48));
        Click(NamedControl<QCheckBox>(e, "ｶﾗｰｷｰあり"));
        EXPECT_TRUE(Spin(e, "赤")->isEnabled());
        ClickPreview(QPoint(1, 1));
        EXPECT_EQ(Spin(e, "赤")->value(), 255);
        EXPECT_EQ(Spin(e, "緑")->value(), 0);
        EXPECT_EQ(Spin(e, "青")->value(), 255);
        // A typed 300 is stored as 255 and -4 as 0 once the field is left.
        Type(Spin(e, "緑"), "300");
        Type(Spin(e, "赤"), "-4");
        EXPECT_EQ(Spin(e, "緑")->value(), 255);
        // A value still being typed when another slot is chosen belongs to the slot it was typed for
        // (slot 17 in the file, below).
        Spin(e, "青")->setFocus();
        Spin(e, "青")->selectAll();
        QTest::keyClicks(Spin(e, "青"), "12");
        ClickRow(Slots(e), 1);
        EXPECT_EQ(Spin(e, "青")->value(), 0);

        // "ロード画面背景" again shows its own values.
        ClickRow(Slots(e), 0);
        EXPECT_EQ(NamedControl<ImageChooser>(e, "画像ﾌｧｲﾙ")->currentText(), "sky.bmp");
        EXPECT_FALSE(NamedControl<QCheckBox>(e, "ｶﾗｰｷｰあり")->isChecked());
        Click(Mode(e, 1));
        Click(ConfirmButton(e));
    });
    ImageTable expected = Preset(ImageTableKind::Back);
    expected.entries[2] = ImageEntry{"sky.bmp", 1, 0, 0, 0, 0};
    expected.entries[17] = ImageEntry{"Frame.bmp", 0, 1, 0, 255, 12};
    EXPECT_EQ(tp.ReadData("image_back.txt"), ImageTableBytes(ImageTableKind::Back, expected));
    EXPECT_EQ(view().state().mode, ViewMode::None);
    EXPECT_FALSE(view().IsOpen());
}

TEST_F(ImageListEditorTest, NewProjectCursorsWrittenAsTheElevenPresetSlots) {
    Run(HubEditor::SelectImages, [&](QDialog* e) {
        EXPECT_EQ(e->windowTitle(), "ｶｰｿﾙ画像");
        ASSERT_EQ(Slots(e)->count(), 10);
        EXPECT_EQ(Slots(e)->item(0)->text(), "ロード画面");
        EXPECT_EQ(Slots(e)->item(9)->text(), "会話枠");
        EXPECT_EQ(view().state().mode, ViewMode::ImageColour);
        // The first row edits slot 1.
        Choose(NamedControl<ImageChooser>(e, "画像ﾌｧｲﾙ"), "cursor.bmp");
        Click(ConfirmButton(e));
    });
    std::string expected = "<image_sel_number>\r\n11\r\n</image_sel_number>\r\n<image_sel_data>";
    for (int i = 0; i < 11; ++i) expected += i == 1 ? "\r\ncursor.bmp 0 0 0 0 0" : "\r\n?.bmp 0 0 0 0 0";
    expected += "\r\n</image_sel_data>";
    EXPECT_EQ(tp.ReadData("image_select.txt"), expected);
}

// The preview follows "表示" and the dialog.
TEST_F(ImageListEditorTest, ThePreviewFollowsTheShowBoxAndTheDialog) {
    ImageTable table = Preset(ImageTableKind::Back);
    table.entries[2].fileName = "sky.bmp";
    tp.WriteData("image_back.txt", ImageTableBytes(ImageTableKind::Back, table));
    Run(HubEditor::BackImages, [&](QDialog* e) {
        ASSERT_TRUE(view().IsShown());
        EXPECT_EQ(view().caption(), "sky.bmp");
        Click(NamedControl<QCheckBox>(e, "表示"));
        EXPECT_FALSE(view().IsShown());
        Click(NamedControl<QCheckBox>(e, "表示"));
        EXPECT_TRUE(view().IsShown());
        e->hide();
        EXPECT_FALSE(view().IsShown());
        e->show();
        EXPECT_TRUE(view().IsShown());
        Press(e, "ｷｬﾝｾﾙ");
    });
}

}  // namespace
}  // namespace lw
