// The monster dialogs end to end through their widgets, opened as the hub opens them, down to the
// bytes of monster_list.txt.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include "app/services.h"
#include "core/rules/monsters.h"
#include "core/settings/game_settings.h"
#include "support/qt/editor_test.h"
#include "support/qt/property_driver.h"

namespace lw {
namespace {

using namespace test;

class MonsterListEditorTest : public test::EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        GameSettings settings;
        settings.abilityMax = 500;
        settings.currencyName = "Gold";
        tp.WriteData("setting.txt", GameSettingsBytes(settings));
        // A slime on a magenta ground.
        QImage picture(96, 72, QImage::Format_RGB32);
        picture.fill(QColor(255, 0, 255));
        QPainter painter(&picture);
        painter.setBrush(QColor(90, 160, 60));
        painter.setPen(QColor(30, 60, 20));
        painter.drawEllipse(8, 12, 80, 56);
        painter.end();
        ASSERT_TRUE(picture.save(QString::fromStdString(ImageFilePath(tp.project, "slime.bmp").string()), "BMP"));
    }

    // "怪物ﾘｽﾄ2" opened by `button` of the list: `drive` runs on it, then "次へ" and the focus
    // dialog's OK store the monster.
    void InProperties(QPushButton* button, const std::function<void(QDialog*)>& drive) {
        bool focused = false;
        OnNextModal<QDialog>([&](QDialog* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral("怪物ﾘｽﾄ2"));
            drive(d);
            OnNextModal<QDialog>([&](QDialog* f) {
                EXPECT_EQ(f->windowTitle(), QStringLiteral("ﾌｫｰｶｽ座標"));
                focused = true;
                Press(f, "OK");
            }, d);
            Press(d, "次へ");
        });
        Click(button);
        CancelPendingModalWatches();
        EXPECT_TRUE(focused);
    }
};

TEST_F(MonsterListEditorTest, EditingAndAddingThroughThePropertyAndFocusDialogsWritesTheFile) {
    Monster old;
    old.name = "old";
    old.picture = "slime.bmp";
    old.reserved = 42;
    old.specialRate = 20;
    tp.WriteData("monster_list.txt", MonsterListBytes({old}));

    RunFromHub<QDialog>(HubEditor::MonsterList, [&](QDialog* e) {
        auto* panel = e->findChild<ListEditorPanel*>();
        EXPECT_EQ(e->windowTitle(), QStringLiteral("怪物ﾘｽﾄ1"));
        EXPECT_TRUE(NamedControl<QCheckBox>(e, "表示")->isChecked());
        EXPECT_EQ(panel->selectedRow(), 0);

        InProperties(panel->editButton(), [&](QDialog* d) {
            EXPECT_EQ(ConfirmButton(d)->text(), QStringLiteral("次へ"));
            EXPECT_EQ(Items(NamedControl<QListWidget>(d, "項目")),
                      (QStringList{"怪物名", "敏捷度", "回避力", "攻撃力", "魔力", "肉体防御力", "精神防御力", "最大生命点",
                                   "最大精神点", "経験点", "所持金", "特殊攻撃種別", "特殊攻撃率", "特殊攻撃成功率",
                                   "特殊攻撃ﾀﾞﾒｰｼﾞ", "通常攻撃種別", "通常攻撃効果音", "怪物画像"}));
            EXPECT_EQ(Property<QSpinBox>(d, "攻撃力")->maximum(), 500);
            EXPECT_EQ(Property<QSpinBox>(d, "経験点")->singleStep(), 10);
            Enter(NamedControl<QSpinBox>(d, "経験点"), 1234567);  // held to 999999
            SelectProperty(d, "所持金");
            EXPECT_EQ(AllNamed<QLabel>(d, "Gold").size(), 1);  // the unit beside the field

            // No special attack: the rates and the damage are disabled and show 0.
            EXPECT_FALSE(Property<QSpinBox>(d, "特殊攻撃率")->isEnabled());
            EXPECT_EQ(NamedControl<QSpinBox>(d, "特殊攻撃率")->value(), 0);
            // Sleep: the rates take whole percents, the damage stays disabled.
            Choose(Property<QComboBox>(d, "特殊攻撃種別"), 2);
            EXPECT_TRUE(Property<QSpinBox>(d, "特殊攻撃率")->isEnabled());
            EXPECT_EQ(NamedControl<QSpinBox>(d, "特殊攻撃率")->value(), 20);
            Enter(NamedControl<QSpinBox>(d, "特殊攻撃率"), 35);
            EXPECT_FALSE(Property<QSpinBox>(d, "特殊攻撃ﾀﾞﾒｰｼﾞ")->isEnabled());

            // A blank in the name is refused with a message and not stored.
            Property<QLineEdit>(d, "怪物名")->setText(QStringLiteral("big slime"));
            SelectProperty(d, "敏捷度");
            EXPECT_EQ(services.texts(), QStringList{QStringLiteral("怪物名に空白は使えません")});

            // The picture row previews the picture in this dialog's own preview; a click on it picks
            // the key colour, though "ｶﾗｰｷｰあり" is off.
            EXPECT_EQ(Property<QComboBox>(d, "怪物画像")->currentText(), QStringLiteral("slime.bmp"));
            Click(NamedControl<QCheckBox>(d, "画像表示"));
            ASSERT_TRUE(view().IsShown());
            EXPECT_EQ(view().state().mode, ViewMode::MonsterColour);
            const QImage frame = view().ComposeFrame();
            ASSERT_EQ(frame.size(), QSize(96, 72));
            EXPECT_EQ(QColor(frame.pixel(1, 1)), QColor(255, 0, 255));
            view().HandleLeftButton(QPoint(1, 1));
        });

        // A new monster: without a picture the line could not be read back, so "次へ" refuses it.
        services.messages.clear();
        InProperties(panel->addButton(), [&](QDialog* d) {
            Property<QLineEdit>(d, "怪物名")->setText(QStringLiteral("slime"));
            Enter(Property<QSpinBox>(d, "敏捷度"), 7);
            Press(d, "次へ");
            EXPECT_EQ(services.texts(), QStringList{QStringLiteral("怪物画像を選択してください")});
            Choose(Property<QComboBox>(d, "怪物画像"), QStringLiteral("slime.bmp"));
        });
        EXPECT_EQ(Rows(panel), (QStringList{"old", "slime"}));
        services.answers.push_back(MessageAnswer::Yes);
        Press(e, "OK");
    });
    Monster edited = old;
    edited.experience = 999999;
    edited.specialKind = kSpecialSleep;
    edited.specialRate = 35;
    edited.keyRed = 255;
    edited.keyBlue = 255;
    Monster added{.agility = 7, .name = "slime", .picture = "slime.bmp"};
    EXPECT_EQ(tp.ReadData("monster_list.txt"), MonsterListBytes({edited, added}));
}

}  // namespace
}  // namespace lw
