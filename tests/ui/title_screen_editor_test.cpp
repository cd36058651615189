// The title screen editor end to end through its widgets: the record shown and edited, the
// preview in view mode 5 following every change, and what OK and Cancel leave in title.txt and
// image_back.txt.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <filesystem>

#include "app/services.h"
#include "core/media/image_lists.h"
#include "core/settings/title_screen.h"
#include "support/core/bmp_makers.h"
#include "support/core/media_makers.h"
#include "support/qt/editor_test.h"
#include "support/qt/named.h"
#include "widgets/image_chooser.h"

namespace lw {
namespace {

using namespace test;

const QString kRows[] = {QStringLiteral("序章"), QStringLiteral("ｽﾀｰﾄ"), QStringLiteral("ﾛｰﾄﾞ"), QStringLiteral("終了")};

std::string Sjis(const QString& text) { return ToCp932(text).value(); }

// title.txt of a new project, written without changes (its bytes: title_screen_test).
std::string DefaultTitleFile() { return TitleScreenBytes(TitleScreen{}); }

class TitleScreenEditorTest : public test::EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        tp.WriteData("midi_list.txt", "<midi_number>\r\n2\r\n</midi_number>\r\n<midi_data>\r\nopening.mid\r\nfield.mid\r\n</midi_data>");
        tp.WriteData("image_back.txt", ImageTableBytes(ImageTableKind::Back, Preset()));
        // Sky over a field.
        test::WriteBytes(ImageFilePath(tp.project, "title.bmp"), test::MakeBmp24(320, 240, [](int, int y) {
                             return static_cast<std::uint32_t>(y < 160 ? 0x283C8C + (y / 4) * 0x010101 : 0x3C8232);
                         }));
        test::WriteBytes(ImageFilePath(tp.project, "night.bmp"), test::MakeSolidBmp24(320, 240, 0x101030));
    }

    static ImageTable Preset() {
        ImageTable t;
        PresetImageTable(ImageTableKind::Back, t);
        return t;
    }

    // Typed over the field, which is then left with Tab.
    static void Type(QSpinBox* s, const QString& text) { test::Type(s, text, Then::Tab); }
    // The controls by their names: the row's text and its "無効", a number, a drop-down or box.
    static QLineEdit* Text(QWidget* e, int row) { return NamedControl<QLineEdit>(e, kRows[row]); }
    static QCheckBox* Off(QWidget* e, int row) { return NamedControl<QCheckBox>(e, kRows[row] + QStringLiteral(" 無効")); }
    static QSpinBox* Spin(QWidget* e, const QString& name) { return NamedControl<QSpinBox>(e, name); }
    static QComboBox* Bgm(QWidget* e) { return NamedControl<QComboBox>(e, "BGM"); }
    static ImageChooser* Back(QWidget* e) { return NamedControl<ImageChooser>(e, "背景画像"); }
    static QCheckBox* Box(QWidget* e, const QString& name) { return NamedControl<QCheckBox>(e, name); }
    // Runs the editor through the hub's registry; `drive` acts on it once it is shown.
    void Run(const std::function<void(QDialog*)>& drive) { RunFromHub(HubEditor::Title, drive); }
    bool DataExists(const char* name) { return std::filesystem::exists(DataFilePath(tp.project, name)); }
};

TEST_F(TitleScreenEditorTest, NewProjectShowsTheDefaultsAndOkWritesThemByteForByte) {
    Run([&](QDialog* e) {
        EXPECT_EQ(e->windowTitle(), "ﾀｲﾄﾙ画面");
        const char* texts[] = {"序章", "スタート", "ロード", "終了"};
        for (int row = 0; row < 4; ++row) {
            EXPECT_EQ(Text(e, row)->text(), QString::fromUtf8(texts[row]));
            EXPECT_FALSE(Off(e, row)->isChecked());
            EXPECT_TRUE(Text(e, row)->isEnabled());
        }
        EXPECT_EQ(Spin(e, "X")->value(), 122);
        EXPECT_EQ(Spin(e, "Y")->value(), 150);
        EXPECT_EQ(Spin(e, "ｻｲｽﾞ")->value(), 15);
        EXPECT_EQ(Spin(e, "高さ間隔")->value(), 20);
        EXPECT_EQ(Spin(e, "選択色 赤")->value(), 150);
        EXPECT_EQ(Spin(e, "未選択影色 青")->value(), 55);
        // "なし" heads the music; index 0 is the first title of the list.
        ASSERT_EQ(Bgm(e)->count(), 3);
        EXPECT_EQ(Bgm(e)->itemText(0), "なし");
        EXPECT_EQ(Bgm(e)->currentText(), "opening.mid");
        EXPECT_TRUE(Box(e, "画像表示")->isChecked());
        EXPECT_FALSE(Box(e, "BGM再生")->isChecked());
        // Slot 1 names no picture yet: nothing is chosen.
        EXPECT_EQ(Back(e)->currentIndex(), -1);
        EXPECT_EQ(view().state().mode, ViewMode::TitleMenu);
        EXPECT_FALSE(view().IsShown());
        Click(ConfirmButton(e));
    });
    EXPECT_EQ(tp.ReadData("title.txt"), DefaultTitleFile());
    EXPECT_EQ(tp.ReadData("image_back.txt"), ImageTableBytes(ImageTableKind::Back, Preset()));
    EXPECT_EQ(view().state().mode, ViewMode::None);
    EXPECT_FALSE(view().IsOpen());
}

TEST_F(TitleScreenEditorTest, EditsAreClampedAsTypedAndOkWritesThem) {
    Run([&](QDialog* e) {
        Choose(Back(e), "title.bmp");
        // The preview shows the background beside the dialog with the menu over it.
        ASSERT_TRUE(view().IsShown());
        EXPECT_EQ(view().window()->size(), QSize(320, 240));
        // Beside the editor where the screen has room, and always on the screen.
        EXPECT_TRUE(e->screen()->availableGeometry().contains(view().window()->frameGeometry()));
        // Hidden with "画像表示" cleared, shown again when checked.
        Click(Box(e, "画像表示"));
        EXPECT_FALSE(view().IsShown());
        Click(Box(e, "画像表示"));
        EXPECT_TRUE(view().IsShown());

        Click(Off(e, 2));  // "ﾛｰﾄﾞ" off
        EXPECT_FALSE(Text(e, 2)->isEnabled());
        TypeText(Text(e, 0), QStringLiteral("はじまり"));
        Type(Spin(e, "Y"), "300");
        Type(Spin(e, "X"), "400");
        Type(Spin(e, "ｻｲｽﾞ"), "3");
        Type(Spin(e, "高さ間隔"), "24");
        Type(Spin(e, "選択色 青"), "999");
        EXPECT_EQ(Spin(e, "Y")->value(), 240);
        EXPECT_EQ(Spin(e, "ｻｲｽﾞ")->value(), 5);

        // The overlay follows: "ﾛｰﾄﾞ" hidden, the new text, the new position and colours.
        const TitleMenuOverlay& menu = view().state().titleMenu;
        EXPECT_EQ(menu.x, 320);
        EXPECT_EQ(menu.y, 240);
        EXPECT_EQ(menu.lineHeight, 24);
        EXPECT_EQ(menu.fontHeight, 5);
        EXPECT_EQ(menu.firstText, (Rgb{150, 255, 255}));
        EXPECT_EQ(menu.items[0].text, Sjis(QStringLiteral("はじまり")));
        EXPECT_LT(menu.items[2].shown, 0);
        EXPECT_EQ(menu.items[3].shown, 3);

        Choose(Bgm(e), "なし");
        Click(ConfirmButton(e));
    });
    const std::string title = tp.ReadData("title.txt");
    EXPECT_NE(title.find("<midi_index>\r\n-1\r\n"), std::string::npos) << title;
    EXPECT_NE(title.find("<menu_pos>\r\n320 240\r\n"), std::string::npos);
    EXPECT_NE(title.find("<menu_item_height>\r\n24\r\n"), std::string::npos);
    EXPECT_NE(title.find("<font_size>\r\n5\r\n"), std::string::npos);
    EXPECT_NE(title.find("150 255 255 50"), std::string::npos);  // 999 typed into blue stored 255
    EXPECT_NE(title.find("<menu_item_number>\r\n3\r\n"), std::string::npos);
    EXPECT_NE(title.find(Sjis(QStringLiteral("<menu_item_data>\r\n1 0 はじまり\r\n0 1 スタート\r\n0 3 終了\r\n</menu_item_data>"))),
              std::string::npos)
        << title;
    ImageTable back;
    ASSERT_EQ(ReadStatus::Ok, LoadImageTable(tp.project, ImageTableKind::Back, back));
    EXPECT_EQ(back.entries[1].fileName, "title.bmp");
    EXPECT_EQ(back.count, 20);

    // Reopened, "ﾛｰﾄﾞ" is still off and its field greyed.
    Run([&](QDialog* e) {
        EXPECT_TRUE(Off(e, 2)->isChecked());
        EXPECT_FALSE(Text(e, 2)->isEnabled());
        EXPECT_FALSE(Off(e, 0)->isChecked());
        EXPECT_EQ(Text(e, 0)->text(), QStringLiteral("はじまり"));
        EXPECT_EQ(Bgm(e)->currentText(), "なし");
        EXPECT_EQ(Back(e)->currentText(), "title.bmp");
        // Switched on again it takes its default text back into the file.
        Click(Off(e, 2));
        EXPECT_TRUE(Text(e, 2)->isEnabled());
        Click(ConfirmButton(e));
    });
    EXPECT_NE(tp.ReadData("title.txt").find(Sjis(QStringLiteral("1 2 ロード\r\n"))), std::string::npos);
    EXPECT_NE(tp.ReadData("title.txt").find("<menu_item_number>\r\n4\r\n"), std::string::npos);
}

// A title whose entries are all off shows them off (its count of 0 does not leave the rows showing
// entries the record does not have), and its other values as read.
TEST_F(TitleScreenEditorTest, ATitleWithNoEntryOnShowsEveryRowOff) {
    tp.WriteData("title.txt", "<menu_pos>\r\n10 20\r\n</menu_pos>\r\n<menu_item_number>\r\n0\r\n</menu_item_number>\r\n"
                              "<menu_item_data>\r\n</menu_item_data>");
    Run([&](QDialog* e) {
        for (int row = 0; row < 4; ++row) {
            EXPECT_TRUE(Off(e, row)->isChecked()) << row;
            EXPECT_FALSE(Text(e, row)->isEnabled()) << row;
        }
        EXPECT_EQ(Spin(e, "X")->value(), 10);
        EXPECT_EQ(Spin(e, "Y")->value(), 20);
        Click(ConfirmButton(e));
    });
    const std::string title = tp.ReadData("title.txt");
    EXPECT_NE(title.find("<menu_item_number>\r\n0\r\n</menu_item_number>\r\n<menu_item_data>\r\n</menu_item_data>"),
              std::string::npos)
        << title;
}

// A refused entry keeps the editor open; Cancel then makes no file.
TEST_F(TitleScreenEditorTest, AnEntryWithABlankIsRefusedAndCancelWritesNothing) {
    Run([&](QDialog* e) {
        TypeText(Text(e, 1), QStringLiteral("ニュー ゲーム"));
        Click(ConfirmButton(e));
        ASSERT_EQ(services.texts(), QStringList{"「ｽﾀｰﾄ」の名前に空白は使えません"});
        EXPECT_TRUE(e->isVisible());
        EXPECT_FALSE(DataExists("title.txt"));
        Press(e, "ｷｬﾝｾﾙ");
    });
    EXPECT_FALSE(DataExists("title.txt"));
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(view().state().mode, ViewMode::None);
}

// image_back.txt unreadable: said once; title.txt is written, the table left alone.
TEST_F(TitleScreenEditorTest, AnUnreadableBackgroundTableIsNeverSavedOver) {
    std::filesystem::remove(DataFilePath(tp.project, "image_back.txt"));
    std::filesystem::create_directories(DataFilePath(tp.project, "image_back.txt"));
    Run([&](QDialog* e) {
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_TRUE(services.messages[0].text.contains("image_back.txt"));
        Choose(Back(e), "night.bmp");
        Click(ConfirmButton(e));
    });
    EXPECT_EQ(tp.ReadData("title.txt"), DefaultTitleFile());
    EXPECT_TRUE(std::filesystem::is_directory(DataFilePath(tp.project, "image_back.txt")));
}

// The title music is heard on choice while "BGM再生" is checked, and never outlives the editor.
TEST_F(TitleScreenEditorTest, TheTitleMusicPlaysOnChoice) {
    StartPlayer();
    MusicPlayer& player = *this->player;
    tp.WriteData("midi_list.txt", "<midi_number>\r\n2\r\n</midi_number>\r\n<midi_data>\r\nopening.wav\r\nfield.wav\r\n</midi_data>");
    for (const char* name : {"opening.wav", "field.wav"}) test::WriteBytes(AudioFilePath(tp.project, name), test::MakeWav({{1000, 3000}}));
    ASSERT_TRUE(player.PlayMusicFile(0, AudioFilePath(tp.project, "field.wav"), 0));
    Run([&](QDialog* e) {
        EXPECT_FALSE(player.MusicPlaying());  // opening stops what played
        Click(Box(e, "BGM再生"));
        EXPECT_TRUE(player.MusicPlaying());
        EXPECT_EQ(player.MusicSlotFile(0), AudioFilePath(tp.project, "opening.wav"));
        Choose(Bgm(e), "field.wav");
        EXPECT_EQ(player.MusicSlotFile(0), AudioFilePath(tp.project, "field.wav"));
        Choose(Bgm(e), "なし");
        EXPECT_FALSE(player.MusicPlaying());
        Choose(Bgm(e), "opening.wav");
        EXPECT_TRUE(player.MusicPlaying());
        Click(ConfirmButton(e));
    });
    EXPECT_FALSE(player.MusicPlaying());
    EXPECT_NE(tp.ReadData("title.txt").find("<midi_index>\r\n0\r\n"), std::string::npos);
}

}  // namespace
}  // namespace lw
