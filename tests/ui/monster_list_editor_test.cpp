// The monster dialogs end to end through their widgets, down to the bytes of monster_list.txt.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include "app/services.h"
#include "editors/rules/monster_list_editor.h"
#include "support/core/bmp_makers.h"
#include "support/qt/editor_test.h"
#include "widgets/drawing_group.h"
#include "widgets/image_chooser.h"
#include "widgets/number_spin.h"
#include "widgets/property_editor.h"

namespace lw {
namespace {

using namespace test;

class MonsterListEditorTest : public test::EditorTest {
protected:

    static int Row(PropertyEditor* p, const char* label) {
        for (int i = 0; i < p->rowCount(); ++i)
            if (p->row(i).label == label) return i;
        return -1;
    }
};

TEST_F(MonsterListEditorTest, PropertyEditorRowsRangesAndTheSpecialAttackRule) {
    GameSettings settings;
    settings.abilityMax = 500;
    settings.currencyName = "Gold";
    Monster m;
    m.reserved = 42;
    context.settings = settings;
    MonsterPropertyDialog dialog(context, m);
    PropertyEditor* p = dialog.properties();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("怪物ﾘｽﾄ2"));
    EXPECT_EQ(dialog.nextButton()->text(), QStringLiteral("次へ"));
    std::vector<std::string> labels;
    for (int i = 0; i < p->rowCount(); ++i) labels.push_back(p->row(i).label);
    EXPECT_EQ(labels, (std::vector<std::string>{"怪物名", "敏捷度", "回避力", "攻撃力", "魔力", "肉体防御力", "精神防御力",
                                                "最大生命点", "最大精神点", "経験点", "所持金", "特殊攻撃種別", "特殊攻撃率",
                                                "特殊攻撃成功率", "特殊攻撃ﾀﾞﾒｰｼﾞ", "通常攻撃種別", "通常攻撃効果音", "怪物画像"}));
    p->SelectRow(Row(p, "攻撃力"));
    EXPECT_EQ(p->numberSpin()->maximum(), 500);
    p->SelectRow(Row(p, "経験点"));
    EXPECT_EQ(p->numberSpin()->singleStep(), 10);
    Enter(p->numberSpin(), 1234567);
    p->SelectRow(Row(p, "所持金"));
    EXPECT_EQ(m.experience, 999999);
    EXPECT_EQ(p->unitLabel()->text(), QStringLiteral("Gold"));

    // No special attack: the rates and the damage are disabled and show 0.
    m.specialRate = 20;
    p->SelectRow(Row(p, "特殊攻撃率"));
    EXPECT_FALSE(p->numberSpin()->isEnabled());
    EXPECT_EQ(p->numberSpin()->value(), 0);
    // Sleep: the rates take whole percents, the damage stays disabled.
    p->SelectRow(Row(p, "特殊攻撃種別"));
    p->choice()->setCurrentIndex(2);
    emit p->choice()->activated(2);
    EXPECT_EQ(m.specialKind, kSpecialSleep);
    p->SelectRow(Row(p, "特殊攻撃率"));
    EXPECT_TRUE(p->numberSpin()->isEnabled());
    EXPECT_EQ(p->numberSpin()->value(), 20);
    Enter(p->numberSpin(), 35);
    p->SelectRow(Row(p, "特殊攻撃ﾀﾞﾒｰｼﾞ"));
    EXPECT_FLOAT_EQ(m.specialRate, 35.0f);
    EXPECT_FALSE(p->numberSpin()->isEnabled());
    EXPECT_NE(MonsterListBytes({m}).find(" 35.0 0.0 2 "), std::string::npos);
    EXPECT_EQ(m.reserved, 42);

    // The picture row: the colour key can be picked while "ｶﾗｰｷｰあり" is off.
    p->SelectRow(Row(p, "怪物画像"));
    EXPECT_TRUE(p->PickColour(QColor(10, 20, 30)));
    EXPECT_EQ(m.keyOn, 0);
    EXPECT_EQ((std::array<int, 3>{m.keyRed, m.keyGreen, m.keyBlue}), (std::array<int, 3>{10, 20, 30}));

    // A blank in the name is refused with a message and not stored.
    p->SelectRow(0);
    p->textEdit()->setText(QStringLiteral("big slime"));
    p->SelectRow(1);
    EXPECT_EQ(m.name, "");
    EXPECT_EQ(services.texts(), QStringList{QStringLiteral("怪物名に空白は使えません")});
}

TEST_F(MonsterListEditorTest, AddingThroughTheFocusDialogWritesTheFile) {
    Monster old;
    old.name = "old";
    old.picture = "old.bmp";
    old.reserved = 5;
    old.specialRate = 12.5f;
    tp.WriteData("monster_list.txt", MonsterListBytes({old}));
    test::WriteBytes(ImageFilePath(tp.project, "slime.bmp"), test::MakeSolidBmp24(8, 8, 0x00ff00));

    MonsterListEditor editor(context);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("怪物ﾘｽﾄ1"));
    EXPECT_TRUE(editor.showBox()->isChecked());
    EXPECT_EQ(editor.panel()->selectedRow(), 0);
    bool focused = false;
    OnNextModal<MonsterPropertyDialog>([&](MonsterPropertyDialog* d) {
        PropertyEditor* p = d->properties();
        p->SelectRow(0);
        p->textEdit()->setText(QStringLiteral("slime"));
        p->SelectRow(Row(p, "敏捷度"));
        Enter(p->numberSpin(), 7);
        // Without a picture the line could not be read back: refused.
        Click(d->nextButton());
        EXPECT_EQ(services.texts(), QStringList{QStringLiteral("怪物画像を選択してください")});
        p->SelectRow(Row(p, "怪物画像"));
        const int entry = p->choice()->findText(QStringLiteral("slime.bmp"));
        ASSERT_GE(entry, 0);
        p->choice()->setCurrentIndex(entry);
        emit p->choice()->activated(entry);
        OnNextModal<MonsterFocusDialog>([&](MonsterFocusDialog* f) {
            EXPECT_EQ(f->windowTitle(), QStringLiteral("ﾌｫｰｶｽ座標"));
            focused = true;
            Click(f->okButton());
        });
        Click(d->nextButton());
    });
    Click(editor.panel()->addButton());
    ASSERT_TRUE(focused);
    ASSERT_EQ(editor.records().size(), 2u);
    EXPECT_EQ(editor.panel()->rowText(1), QStringLiteral("slime"));

    services.answers.push_back(MessageAnswer::Yes);
    Click(editor.okButton());
    Monster added{.agility = 7, .name = "slime", .picture = "slime.bmp"};
    EXPECT_EQ(tp.ReadData("monster_list.txt"), MonsterListBytes({old, added}));
}

TEST_F(MonsterListEditorTest, ThePictureRowPreviewsThePictureAndPicksTheKeyFromIt) {
    QImage picture(96, 72, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 255));
    QPainter painter(&picture);
    painter.setBrush(QColor(90, 160, 60));
    painter.setPen(QColor(30, 60, 20));
    painter.drawEllipse(8, 12, 80, 56);
    painter.setBrush(Qt::white);
    painter.drawEllipse(30, 28, 12, 12);
    painter.drawEllipse(56, 28, 12, 12);
    painter.end();
    ASSERT_TRUE(picture.save(QString::fromStdString(ImageFilePath(tp.project, "slime.bmp").string()), "BMP"));
    Monster m{.agility = 12, .name = "slime", .picture = "slime.bmp"};
    MonsterPropertyDialog dialog(context, m);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    PropertyEditor* p = dialog.properties();
    p->SelectRow(Row(p, "怪物画像"));
    EXPECT_EQ(p->choice()->currentText(), QStringLiteral("slime.bmp"));
    Click(p->showImageBox());
    ImageView& v = *context.imageView;
    ASSERT_TRUE(v.IsShown());
    const QImage frame = v.ComposeFrame();
    ASSERT_EQ(frame.size(), QSize(96, 72));
    EXPECT_EQ(QColor(frame.pixel(1, 1)), QColor(255, 0, 255));
    // A click on the picture picks its colour as the key.
    v.HandleLeftButton(QPoint(1, 1));
    EXPECT_EQ((std::array<int, 3>{m.keyRed, m.keyGreen, m.keyBlue}), (std::array<int, 3>{255, 0, 255}));
    dialog.reject();
}

}  // namespace
}  // namespace lw
