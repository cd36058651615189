// "基本設定" end to end through its widgets, opened from its hub button: a new project's defaults
// edited in rows of every kind and written by OK; the animation rows' preview; names refused at
// entry. (An odd setting.txt confirmed unchanged, and Escape: unchanged_confirm_test.cpp.)
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <filesystem>

#include "app/services.h"
#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "core/settings/basic_settings_rows.h"
#include "support/qt/named.h"
#include "render/bitmap.h"
#include "support/core/bmp_makers.h"
#include "support/qt/editor_test.h"
#include "support/qt/property_driver.h"
#include "widgets/drawing_group.h"
#include "widgets/image_chooser.h"
#include "widgets/number_spin.h"
#include "widgets/property_editor.h"

namespace lw {
namespace {

using namespace test;

class BasicSettingsTest : public test::EditorTest {
protected:
    EditorRegistry registry;

    void SetUp() override {
        EditorTest::SetUp();
        RegisterEditors(registry);
        tp.WriteData("wave_list.txt", AudioListBytes(AudioList::Sound, {"hit.wav", "item.wav", "level.wav"}));
        tp.WriteData("midi_list.txt", AudioListBytes(AudioList::Bgm, {"fanfare.mid", "over.mid"}));
        test::WriteBytes(ImageFilePath(tp.project, "sheet.bmp"),
                         test::MakeBmp24(64, 32, [](int x, int) { return x < 32 ? 0xFFC020u : 0x2080FFu; }));
        test::WriteBytes(ImageFilePath(tp.project, "focus.bmp"),
                         test::MakeBmp24(24, 24, [](int x, int y) { return (x + y) % 8 < 4 ? 0xFF00FFu : 0xFFFFFFu; }));
        EffectAnimation burst{.name = "burst", .imageFile = "sheet.bmp", .areaWidth = 64, .areaHeight = 32};
        burst.cellWidth = burst.cellHeight = 32;
        burst.speed = 2;
        burst.frameCount = 2;
        burst.frames[1] = {1, 0, 0, 0};
        tp.WriteData("image_effect.txt", EffectFileBytes({burst}));
    }

    // Runs the editor from its hub button with `drive` on the open dialog.
    void Run(const std::function<void(QDialog*)>& drive) { RunFromHub(HubEditor::BasicSettings, drive); }

    static PropertyEditor* Properties(QDialog* e) { return e->findChild<PropertyEditor*>(); }
    static void Select(QDialog* e, int row) { Properties(e)->SelectRow(row); }
    static void Choose(QDialog* e, const QString& text) { SelectText(Properties(e)->choice(), text); }
};

TEST_F(BasicSettingsTest, OkOnANewProjectWritesTheEditedSettings) {
    ASSERT_TRUE(registry.Has(HubEditor::BasicSettings));
    const QPoint palettePoint(40, 90);
    const QRgb paletteColour = PalettePicture().pixel(palettePoint);
    Run([&](QDialog* e) {
        PropertyEditor* p = Properties(e);
        EXPECT_EQ(e->windowTitle(), "基本設定");
        EXPECT_EQ(p->labelList()->count(), 83);
        EXPECT_EQ(p->currentRow(), 0);
        EXPECT_FALSE(ShowImageBox(p)->isChecked());
        EXPECT_FALSE(PlayBox(p)->isChecked());

        TypeText(Property<QLineEdit>(e, "ｹﾞｰﾑ名"), QStringLiteral("勇者の旅"));
        TypeText(Property<QLineEdit>(e, "通貨名"), QStringLiteral("ゴールド"));
        Enter(Property<QSpinBox>(e, "線の太さ"), 150, Leave::Stay);
        Select(e, kRowEventBackground);
        Choose(e, QStringLiteral("画像"));
        Select(e, kRowBattleWaitTalk);
        EXPECT_EQ(p->choice()->currentText(), "1.0");
        Choose(e, "2.5");
        Select(e, kRowPcSteps);
        Choose(e, "8");
        QSpinBox* sellRate = Property<QSpinBox>(e, "ｱｲﾃﾑ売却掛け率");
        EXPECT_EQ(sellRate->value(), 50);
        EXPECT_EQ(AllNamed<QLabel>(e, "%").size(), 1);  // the unit beside the field
        Enter(sellRate, 35, Leave::Stay);
        Select(e, kRowBareHandSound);
        EXPECT_TRUE(PlayBox(p)->isEnabled());
        EXPECT_EQ(p->choice()->count(), 3);
        Choose(e, "level.wav");
        Select(e, kRowLevelUpBgm);
        Choose(e, "over.mid");

        // A colour row shows the palette beside the dialog; a click on it is the row's colour.
        Select(e, kRowTalkBackColour);
        ASSERT_TRUE(view().IsShown());
        EXPECT_EQ(view().caption(), "色選択（画像をｸﾘｯｸ）");
        QTest::mouseClick(view().window(), Qt::LeftButton, {}, palettePoint);
        EXPECT_EQ(Drawing(p)->redSpin()->value(), qRed(paletteColour));
        EXPECT_EQ(Drawing(p)->blueSpin()->value(), qBlue(paletteColour));

        // The image row: the battle focus picture beside the dialog, its key colour picked from it.
        Select(e, kRowFocusImage);
        Choose(e, "focus.bmp");
        ASSERT_TRUE(view().IsShown());
        EXPECT_EQ(view().window()->size(), QSize(24, 24));
        Click(Drawing(p)->keyBox());
        Click(Drawing(p)->modeButton(kDrawAdditive));
        QTest::mouseClick(view().window(), Qt::LeftButton, {}, QPoint(1, 1));

        // Rows with nothing to show hide the preview.
        Select(e, kRowLineThickness);
        EXPECT_FALSE(view().IsShown());
        Click(ConfirmButton(e));
    });
    EXPECT_FALSE(view().IsOpen());
    EXPECT_EQ(context.effects.count(), 0);  // released

    GameSettings expected{.title = ToCp932(QStringLiteral("勇者の旅")).value(), .focusImage = "focus.bmp",
        .focusSpec = DrawSpec{kDrawAdditive, 1, {255, 0, 255}}, .soundBareHand = 2, .bgmLevelUp = 1,
        .currencyName = ToCp932(QStringLiteral("ゴールド")).value(), .lineThickness = 100, .eventBackgroundImage = 1,
        .talkBackColour = Rgb{qRed(paletteColour), qGreen(paletteColour), qBlue(paletteColour)}, .moveIntervalPc = 8,
        .itemSellRate = 0.35f, .battleWaitTalk = 2500};
    EXPECT_EQ(tp.ReadData("setting.txt"), GameSettingsBytes(expected));
    EXPECT_EQ(context.settings, expected);
    EXPECT_TRUE(services.messages.empty());
}

// Animation rows play while "画像表示" is checked; Cancel then writes nothing.
TEST_F(BasicSettingsTest, AnimationRowsPlayTheirAnimationWhileShowImageIsChecked) {
    Run([&](QDialog* e) {
        PropertyEditor* p = Properties(e);
        TypeText(Property<QLineEdit>(e, "ｹﾞｰﾑ名"), "lost");
        Select(e, kRowTalkArrow);
        ASSERT_EQ(p->choice()->count(), 1);
        EXPECT_EQ(p->choice()->currentText(), "burst");
        EXPECT_FALSE(view().IsShown());
        Click(ShowImageBox(p));
        ASSERT_TRUE(view().IsShown());
        EXPECT_TRUE(view().state().animate);
        EXPECT_TRUE(view().IsAnimating());
        EXPECT_EQ(view().window()->size(), QSize(32, 32));
        // While animating, clicks pick nothing.
        QTest::mouseClick(view().window(), Qt::LeftButton, {}, QPoint(3, 3));
        Click(ShowImageBox(p));
        EXPECT_FALSE(view().IsShown());
        // A colour row after it picks again.
        Select(e, kRowTalkBackColour);
        EXPECT_FALSE(view().state().animate);
        Press(e, "ｷｬﾝｾﾙ");
    });
    EXPECT_FALSE(std::filesystem::exists(DataFilePath(tp.project, "setting.txt")));
}

TEST_F(BasicSettingsTest, NamesThatWouldBreakTheFileAreRefusedAtEntry) {
    Run([&](QDialog* e) {
        TypeText(Property<QLineEdit>(e, "ｹﾞｰﾑ名"), "</title>");
        SelectProperty(e, "通貨名");
        EXPECT_EQ(services.texts(), QStringList{"この名前は使えません"});
        Click(ConfirmButton(e));
    });
    GameSettings read;
    ParseGameSettings(tp.ReadData("setting.txt"), read);
    EXPECT_EQ(read.title, "");
}

}  // namespace
}  // namespace lw
