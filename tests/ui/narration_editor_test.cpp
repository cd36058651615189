// The narration editors "ﾅﾚｰｼｮﾝﾘｽﾄ1" and "ﾅﾚｰｼｮﾝ ﾘｽﾄ2" end to end through their widgets: a project
// with two pictures, two pieces of music played by a real player on SDL's dummy driver, and a text
// list of three texts.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTimer>

#include "core/media/audio_lists.h"
#include "core/media/narration_list.h"
#include "core/tagfile/string_list.h"
#include "editors/media/picture_list_editors.h"
#include "support/core/bmp_makers.h"
#include "support/core/media_makers.h"
#include "support/qt/editor_driver.h"
#include "support/qt/named.h"
#include "widgets/image_chooser.h"
#include "widgets/preview_step_dialog.h"

namespace lw {
namespace {

using namespace test;

const std::string kNone = "\x82\xc8\x82\xb5";                        // なし
const std::string kSunset = "\x97\x5b\x8f\xc4\x82\xaf\x82\xcc\x92\xac";  // 夕焼けの町

class NarrationEditorTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        StartPlayer();
        WriteBytes(ImageFilePath(tp.project, "sky.bmp"), MakeSolidBmp24(160, 120, 0x203040));
        WriteBytes(ImageFilePath(tp.project, "town.bmp"), MakeSolidBmp24(100, 80, 0x406020));
        for (const char* name : {"intro.wav", "theme.wav"}) WriteBytes(AudioFilePath(tp.project, name), MakeWav({{1000, 3000}}));
        tp.WriteData("midi_list.txt", AudioListBytes(AudioList::Bgm, {"intro.wav", "theme.wav"}));
        tp.WriteData("talk_list.txt", WriteStringList("talk_number", "talk_data",
                                                      std::vector<std::string>{"first#text", kSunset + "<wave 1>*end", std::string(40, 'z')}));
    }

    void RunEditor(const std::function<void(NarrationListEditor&)>& drive) { RunShown(drive); }
    // The controls of "ﾅﾚｰｼｮﾝ ﾘｽﾄ2" by their names.
    static ImageChooser* Image(QWidget* d) { return NamedControl<ImageChooser>(d, "画像"); }
    static QComboBox* Combo(QWidget* d, const char* name) { return NamedControl<QComboBox>(d, name); }
    static QSpinBox* Spin(QWidget* d, const char* name) { return NamedControl<QSpinBox>(d, name); }
};

TEST_F(NarrationEditorTest, AddingANarrationThroughItsDialogAndOkWritesIt) {
    RunEditor([&](NarrationListEditor& e) {
        EXPECT_EQ(e.windowTitle(), "ﾅﾚｰｼｮﾝﾘｽﾄ1");

        InDialog<PreviewStepDialog>([&] { QTest::mouseClick(e.panel()->addButton(), Qt::LeftButton); }, [&](PreviewStepDialog* d) {
            EXPECT_EQ(d->windowTitle(), "ﾅﾚｰｼｮﾝ ﾘｽﾄ2");
            EXPECT_EQ(Items(Image(d)), (QStringList{"なし", "sky.bmp", "town.bmp"}));
            EXPECT_EQ(Items(Combo(d, "BGM")), (QStringList{"なし", "intro.wav", "theme.wav"}));
            EXPECT_EQ(Items(Combo(d, "文章")).size(), 3);
            EXPECT_EQ(Combo(d, "文章")->itemText(2), QString(31, u'z'));  // 31 bytes shown
            EXPECT_EQ(Combo(d, "BGM")->currentIndex(), 0);                 // "なし" for -1
            EXPECT_EQ(Combo(d, "文章")->currentIndex(), -1);
            EXPECT_TRUE(NamedControl<QCheckBox>(d, "表示")->isChecked());
            EXPECT_FALSE(NamedControl<QCheckBox>(d, "再生")->isChecked());
            EXPECT_EQ(Spin(d, "ｻｲｽﾞ")->value(), 15);
            EXPECT_EQ(Spin(d, "右")->value(), 320);
            EXPECT_EQ(view().state().mode, ViewMode::Narration);

            // "再生" plays what is chosen in "BGM".
            auto* play = NamedControl<QCheckBox>(d, "再生");
            QTest::mouseClick(play, Qt::LeftButton, {}, QPoint(6, play->height() / 2));
            Combo(d, "BGM")->setCurrentIndex(2);
            EXPECT_EQ(player->MusicSlotFile(0).filename(), "theme.wav");
            EXPECT_TRUE(player->MusicPlaying());

            // Without a picture OK refuses and the dialog stays.
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
            EXPECT_TRUE(services.texts().contains("画像を選択してください"));
            ASSERT_TRUE(d->isVisible());

            Image(d)->SelectByPrefix("sky");
            EXPECT_TRUE(view().IsShown());
            Combo(d, "文章")->setCurrentIndex(1);
            EXPECT_EQ(NamedControl<QPlainTextEdit>(d, "ﾅﾚｰｼｮﾝ ﾘｽﾄ2")->toPlainText(), QString::fromUtf8("夕焼けの町<wave 1>*end"));
            Type(Spin(d, "ｻｲｽﾞ"), 500);  // typed sizes are not clamped
            Type(Spin(d, "左"), 8);
            Type(Spin(d, "赤"), 300);
            Type(Spin(d, "速度"), 150);  // the speed is: 100
            Type(Spin(d, "文字描画待ち時間"), 25);
            Type(Spin(d, "最終ﾍﾟｰｼﾞ表示時間"), 7);
            EXPECT_EQ(view().state().narration.fontHeight, 500);
            EXPECT_EQ(view().state().narration.left, 8);
            EXPECT_EQ(view().state().narration.colour, (Rgb{44, 255, 255}));
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
        });
        EXPECT_FALSE(player->MusicPlaying());  // stopped when the dialog closed
        EXPECT_EQ(e.panel()->rowCount(), 1);
        EXPECT_EQ(e.panel()->rowText(0), "sky.bmp");
        EXPECT_EQ(e.panel()->selectedRow(), 0);
        EXPECT_TRUE(view().IsShown());  // the list shows the selected narration's picture
        EXPECT_EQ(view().state().mode, ViewMode::None);

        // A second one of which only "なし" is chosen as picture.
        OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* d) {
            Image(d)->setCurrentIndex(0);
            EXPECT_FALSE(view().IsShown());
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
        });
        QTest::mouseClick(e.panel()->addButton(), Qt::LeftButton);
        EXPECT_EQ(e.panel()->rowText(1), "なし");
        EXPECT_FALSE(view().IsShown());
        QTest::mouseClick(e.okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(tp.ReadData(kNarrationFile),
              "<narration_number>\r\n2\r\n</narration_number>\r\n<narration_data>\r\n"
              "1 500 300 255 255 8 0 320 240 100 2500 700 sky.bmp 1\r\n"
              "-1 15 255 255 255 0 0 320 240 4 0 0 " + kNone + " -1\r\n</narration_data>");
    EXPECT_FALSE(view().IsOpen());
}

TEST_F(NarrationEditorTest, EditingReplacesTheRowAndCancelInTheDialogKeepsIt) {
    Narration n = NewNarrationDefaults();
    n.image = "town.bmp";
    n.text = 0;
    n.size = 20;
    tp.WriteData(kNarrationFile, NarrationListBytes({n, n}));

    RunEditor([&](NarrationListEditor& e) {
        ASSERT_EQ(e.panel()->rowCount(), 2);
        EXPECT_EQ(e.panel()->selectedRow(), 0);
        ClickRow(e.panel(), 1);
        OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* d) {
            EXPECT_EQ(Image(d)->currentText(), "town.bmp");
            EXPECT_EQ(Combo(d, "文章")->currentIndex(), 0);
            EXPECT_EQ(NamedControl<QPlainTextEdit>(d, "ﾅﾚｰｼｮﾝ ﾘｽﾄ2")->toPlainText(), "first#text");
            EXPECT_EQ(view().state().narration.text, "first#text");
            Image(d)->SelectByPrefix("sky");
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
        });
        QTest::mouseClick(e.panel()->editButton(), Qt::LeftButton);
        EXPECT_EQ(e.panel()->rowText(1), "sky.bmp");
        EXPECT_EQ(e.panel()->selectedRow(), 1);

        // Cancel in the dialog changes nothing.
        OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* d) {
            Image(d)->SelectByPrefix("town");
            Type(Spin(d, "ｻｲｽﾞ"), 44);
            QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
        });
        QTest::mouseClick(e.panel()->editButton(), Qt::LeftButton);
        EXPECT_EQ(e.panel()->rowText(1), "sky.bmp");
        EXPECT_TRUE(services.messages.empty());
        QTest::mouseClick(e.okButton(), Qt::LeftButton);
    });
    Narration sky = n;
    sky.image = "sky.bmp";
    EXPECT_EQ(tp.ReadData(kNarrationFile), NarrationListBytes({n, sky}));
}

}  // namespace
}  // namespace lw
