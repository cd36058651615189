// "魔法ﾘｽﾄ1" and "魔法ﾘｽﾄ2" end to end through their widgets, opened from the hub button: a spell
// added and edited in the property editor and written by OK; Cancel writing nothing; the
// damage-dependent rows; texts the file cannot hold refused at entry; the attack animation
// previews (what every list with a preview does alike: preview_list_editor_test.cpp).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/services.h"
#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "core/rules/magic.h"
#include "core/rules/magic_rows.h"
#include "support/core/bmp_makers.h"
#include "support/qt/editor_test.h"
#include "support/qt/property_driver.h"
#include "widgets/image_chooser.h"
#include "widgets/number_spin.h"
#include "widgets/preview_list_editor.h"
#include "widgets/preview_step_dialog.h"
#include "widgets/property_editor.h"

namespace lw {
namespace {

using namespace test;

constexpr int kRowName = 0;
constexpr int kRowDescription = 1;
constexpr int kRowHealth = 12;
constexpr int kRowLearnable = 18;

class MagicEditorTest : public EditorTest {
protected:
    EditorRegistry registry;

    void SetUp() override {
        EditorTest::SetUp();
        RegisterEditors(registry);
        tp.WriteData("wave_list.txt", AudioListBytes(AudioList::Sound, {"hit.wav", "fire.wav"}));
        test::WriteBytes(ImageFilePath(tp.project, "sheet.bmp"),
                         test::MakeBmp24(64, 32, [](int x, int) { return x < 32 ? 0xFF4020u : 0xFFE040u; }));
        EffectAnimation flame{.name = "flame", .imageFile = "sheet.bmp", .areaWidth = 64, .areaHeight = 32};
        flame.cellWidth = flame.cellHeight = 32;
        flame.speed = 2;
        flame.frameCount = 2;
        flame.frames[1] = {1, 0, 0, 0};
        EffectAnimation spark = flame;
        spark.name = "spark";
        tp.WriteData("image_effect.txt", EffectFileBytes({flame, spark}));
        GameSettings settings;
        ResetGameSettings(settings);
        settings.abilityMax = 500;
        tp.WriteData("setting.txt", GameSettingsBytes(settings));
    }
    void Run(const std::function<void(PreviewListDialog*)>& drive) { RunFromHub(HubEditor::MagicList, drive); }
    // Clicks `button` of the list and drives "魔法ﾘｽﾄ2", the dialog it opens, and its property editor.
    static void InProperties(QPushButton* button, const std::function<void(PreviewStepDialog*, PropertyEditor*)>& drive) {
        InDialog<PreviewStepDialog>([button] { QTest::mouseClick(button, Qt::LeftButton); }, [&](PreviewStepDialog* d) {
            EXPECT_EQ(d->windowTitle(), "魔法ﾘｽﾄ2");
            QApplication::setActiveWindow(d);
            drive(d, d->findChild<PropertyEditor*>());
        });
    }
};

std::string Cp932(const QString& text) { return ToCp932(text).value(); }

TEST_F(MagicEditorTest, ASpellAddedAndEditedIsWrittenByOk) {
    ASSERT_TRUE(registry.Has(HubEditor::MagicList));
    Magic expected{.learnable = 1, .allTargets = 1, .damage = 30,
        .agility = 500,  // typed 9999, the game's maximum is 500
        .healthState = 2, .cost = 4,
        .level = 256,  // typed 300
        .attackAnimation = 1, .sound = 1, .name = Cp932(QStringLiteral("火炎")),
        .description = Cp932(QStringLiteral("敵を焼く\r\n炎"))};

    Run([&](PreviewListDialog* e) {
        EXPECT_EQ(e->windowTitle(), "魔法ﾘｽﾄ1");

        InProperties(e->panel()->addButton(), [&](PreviewStepDialog* d, PropertyEditor* p) {
            EXPECT_EQ(p->labelList()->count(), kMagicRowCount);
            EXPECT_EQ(p->currentRow(), kRowName);
            EXPECT_FALSE(ShowImageBox(p)->isChecked());
            EXPECT_FALSE(PlayBox(p)->isChecked());

            QLineEdit* name = Property<QLineEdit>(d, "魔法名");
            TypeText(name, QStringLiteral("火炎"));
            p->SelectRow(kRowDescription);
            EXPECT_TRUE(LongText(p)->isEnabled());
            EXPECT_FALSE(name->isEnabled());
            LongText(p)->setFocus();
            QTest::sendKeyEvent(QTest::Click, LongText(p), Qt::Key_unknown, QStringLiteral("敵を焼く"), Qt::NoModifier);
            QTest::keyClick(LongText(p), Qt::Key_Return);
            QTest::sendKeyEvent(QTest::Click, LongText(p), Qt::Key_unknown, QStringLiteral("炎"), Qt::NoModifier);
            p->labelList()->setFocus();

            EXPECT_EQ(Property<QSpinBox>(d, "敏捷度")->maximum(), 500);
            Type(Property<QSpinBox>(d, "敏捷度"), 9999);
            p->SelectRow(kRowHealth);
            Choose(p->choice(), QStringLiteral("睡眠"));

            // No damage yet: the attack animation and the all-targets flag cannot be chosen.
            p->SelectRow(kMagicAnimationRow);
            EXPECT_FALSE(p->choice()->isEnabled());
            EXPECT_FALSE(ShowImageBox(p)->isEnabled());
            p->SelectRow(kMagicAllTargetsRow);
            EXPECT_FALSE(p->choice()->isEnabled());

            Type(Property<QSpinBox>(d, "与えるﾀﾞﾒｰｼﾞ"), 30);
            Type(Property<QSpinBox>(d, "消費精神点"), 4);
            EXPECT_EQ(Property<QSpinBox>(d, "必要ﾚﾍﾞﾙ")->maximum(), kMagicLevelMax);
            Type(Property<QSpinBox>(d, "必要ﾚﾍﾞﾙ"), 300);

            // With damage the attack animation is chosen and "画像表示" plays it beside the dialog.
            p->SelectRow(kMagicAnimationRow);
            ASSERT_TRUE(p->choice()->isEnabled());
            EXPECT_EQ(p->choice()->count(), 2);
            Click(ShowImageBox(p));
            Choose(p->choice(), "spark");
            ASSERT_TRUE(view().IsShown());
            EXPECT_TRUE(view().IsAnimating());
            EXPECT_EQ(view().caption(), "spark");
            EXPECT_EQ(view().window()->size(), QSize(32, 32));

            // The sound drop-down lists the sound effects and has no entry for none.
            p->SelectRow(kMagicSoundRow);
            EXPECT_FALSE(view().IsShown());
            EXPECT_EQ(p->choice()->count(), 2);
            EXPECT_TRUE(PlayBox(p)->isEnabled());
            Choose(p->choice(), "fire.wav");
            p->SelectRow(kRowLearnable);
            Choose(p->choice(), QStringLiteral("修得可能"));
            p->SelectRow(kMagicAllTargetsRow);
            ASSERT_TRUE(p->choice()->isEnabled());
            Choose(p->choice(), QStringLiteral("全体魔法"));
            Click(d->okButton());
        });
        // The new spell is the last row, selected; its attack animation plays beside the list.
        ASSERT_EQ(e->panel()->rowCount(), 1);
        EXPECT_EQ(e->panel()->selectedRow(), 0);
        EXPECT_EQ(e->panel()->rowText(0), "火炎");
        EXPECT_TRUE(e->okButton()->isEnabled());
        ASSERT_TRUE(view().IsShown());
        EXPECT_EQ(view().caption(), "spark");

        // "編集..." then Cancel changes nothing; then OK replaces the row.
        InProperties(e->panel()->editButton(), [&](PreviewStepDialog* d, PropertyEditor* p) {
            EXPECT_EQ(Property<QLineEdit>(d, "魔法名")->text(), "火炎");
            TypeText(Property<QLineEdit>(d, "魔法名"), "lost");
            Click(d->cancelButton());
        });
        EXPECT_EQ(e->panel()->rowText(0), "火炎");
        InProperties(e->panel()->editButton(), [&](PreviewStepDialog* d, PropertyEditor* p) {
            p->SelectRow(kMagicAnimationRow);
            EXPECT_EQ(p->choice()->currentText(), "spark");
            Choose(p->choice(), "flame");
            Click(d->okButton());
        });
        expected.attackAnimation = 0;
        EXPECT_EQ(view().caption(), "flame");

        // "表示" unchecked hides the preview.
        Click(e->showBox());
        EXPECT_FALSE(view().IsShown());
        Click(e->okButton());
    });
    EXPECT_FALSE(view().IsOpen());
    EXPECT_EQ(context.effects.count(), 0);
    EXPECT_EQ(tp.ReadData(kMagicFile), MagicListBytes({expected}));
    EXPECT_TRUE(services.messages.empty()) << services.texts().join("\n").toStdString();
}

TEST_F(MagicEditorTest, ANewSpellAcceptedUnchangedIsWrittenAsZerosAndEmptyTexts) {
    Run([&](PreviewListDialog* e) {
        InProperties(e->panel()->addButton(), [&](PreviewStepDialog* d, PropertyEditor*) { Click(d->okButton()); });
        Click(e->okButton());
    });
    EXPECT_EQ(tp.ReadData(kMagicFile),
              "<magic_number>\r\n1\r\n</magic_number>\r\n<magic_data>\r\n0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0  \r\n</magic_data>");
}

TEST_F(MagicEditorTest, TextsTheFileCannotHoldAreRefusedAtEntry) {
    Run([&](PreviewListDialog* e) {
        InProperties(e->panel()->addButton(), [&](PreviewStepDialog* d, PropertyEditor* p) {
            TypeText(Property<QLineEdit>(d, "魔法名"), "Fire Ball");
            p->SelectRow(kRowDescription);
            ASSERT_EQ(services.messages.size(), 1u);
            EXPECT_TRUE(services.messages[0].text.startsWith("魔法名に半角の空白"));

            LongText(p)->setFocus();
            QTest::keyClicks(LongText(p), "burns all");
            p->SelectRow(kRowName);
            ASSERT_EQ(services.messages.size(), 2u);
            EXPECT_TRUE(services.messages[1].text.startsWith("魔法説明に半角の空白"));
            EXPECT_EQ(NamedControl<QLineEdit>(d, "魔法名")->text(), "");  // the refused name was not stored

            // A description behind an empty name would be read back as the name: OK refuses it.
            p->SelectRow(kRowDescription);
            LongText(p)->setFocus();
            QTest::keyClicks(LongText(p), "burns");
            Click(d->okButton());
            ASSERT_EQ(services.messages.size(), 3u);
            EXPECT_EQ(services.messages[2].text, "魔法説明のある魔法には魔法名を付けてください");
            ASSERT_TRUE(d->isVisible());
            EXPECT_EQ(p->currentRow(), kRowName);
            TypeText(NamedControl<QLineEdit>(d, "魔法名"), "Fire");
            Click(d->okButton());
        });
        Click(e->okButton());
    });
    // Neither refused text was stored.
    EXPECT_EQ(tp.ReadData(kMagicFile), MagicListBytes({Magic{.name = "Fire", .description = "burns"}}));
}

// (Cancel and an emptied list as every list with a preview: preview_list_editor_test.cpp.)
TEST_F(MagicEditorTest, ThePreviewFollowsTheSelectionAndAnEmptyListIsNeverWritten) {
    Magic a{.damage = 1, .attackAnimation = 1, .name = "a"};
    Magic b{.attackAnimation = 0, .name = "b"};  // no damage: nothing to show
    const std::string bytes = MagicListBytes({a, b});
    tp.WriteData(kMagicFile, bytes);
    Run([&](PreviewListDialog* e) {
        EXPECT_EQ(view().caption(), "spark");
        ClickRow(e->panel(), 1);
        EXPECT_FALSE(view().IsShown());
        Click(e->panel()->deleteButton());
        EXPECT_EQ(e->panel()->selectedRow(), -1);  // none after the last
        ClickRow(e->panel(), 0);
        EXPECT_TRUE(view().IsShown());
        Click(e->panel()->deleteButton());
        e->accept();  // even when called, an empty list is not written
        EXPECT_TRUE(e->isVisible());
        Click(e->cancelButton());
    });
    EXPECT_EQ(tp.ReadData(kMagicFile), bytes);
}

}  // namespace
}  // namespace lw
