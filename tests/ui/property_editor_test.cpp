// The property editor through its widgets: which controls each row kind enables, values stored
// when a field is left or a choice is made, typed numbers clamped to the row's range, and a drawing
// changed in one part keeping the others as read.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "support/qt/editor_test.h"
#include "support/qt/property_driver.h"
#include "widgets/drawing_group.h"
#include "widgets/image_chooser.h"
#include "widgets/number_spin.h"
#include "widgets/property_editor.h"

namespace lw {
namespace {

using namespace test;

struct Record {
    std::string name = "hero";
    std::string note = "one\r\ntwo";
    int speed = 5;
    int kind = 1;
    int steps = 4;
    int sound = 0;
    int effect = 0;
    Rgb colour{10, 20, 30};
    std::string file = "b.bmp";
    DrawSpec spec{kDrawAdditive, 1, {1, 2, 3}};
};

enum Row { kName, kNote, kSpeed, kKind, kSteps, kSound, kEffect, kColour, kImage };

class PropertyEditorTest : public test::EditorTest {
protected:
    Record rec;

    void SetUp() override {
        EditorTest::SetUp();
        for (const char* f : {"a.bmp", "b.bmp", "c d.bmp"}) test::WriteBytes(ImageFilePath(tp.project, f), "x");
    }

    std::vector<PropertyRow> Rows() {
        std::vector<PropertyRow> rows;
        rows.push_back(TextRow("名前", rec.name, 8));
        rows.push_back(TextRow("説明", rec.note, 20, RowKind::LongText));
        rows.push_back(NumberRow("動作速度", rec.speed, {1, 100}, "px"));
        rows.push_back(ChoiceRow("種別", rec.kind, {"なし", "毒", "睡眠"}));
        rows.push_back(ChoiceRow("歩数", rec.steps, {"1", "2", "4", "8"}, {1, 2, 4, 8}));
        rows.push_back(ListRow("効果音", RowKind::Sound, rec.sound));
        rows.push_back(ListRow("ｱﾆﾒ", RowKind::Effect, rec.effect));
        rows.push_back(ColourRow("色", rec.colour));
        PropertyRow image = ImageRow("画像", rec.file, rec.spec);
        image.refuseText = [](const std::string& v) { return v.find(' ') != std::string::npos ? std::string("空白") : std::string(); };
        rows.push_back(std::move(image));
        return rows;
    }

    std::unique_ptr<PropertyEditor> Make() {
        auto e = std::make_unique<PropertyEditor>(context, Rows());
        e->SetListNames(RowKind::Sound, {"s0.wav", "s1.wav"});
        e->SetListNames(RowKind::Effect, {"burst"});
        e->show();
        QApplication::setActiveWindow(e.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(e.get()));
        return e;
    }

    static void TypeNumber(QSpinBox* spin, const QString& text) {
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, text);
    }
};

TEST_F(PropertyEditorTest, EachRowKindEnablesItsControls) {
    auto e = Make();
    struct Expect {
        Row row;
        bool text, longText, number, choice, showImage, play, mode, key, colour;
        const char* caption;
    };
    const Expect expects[] = {
        {kName, true, false, false, false, false, false, false, false, false, ""},
        {kNote, false, true, false, false, false, false, false, false, false, ""},
        {kSpeed, false, false, true, false, false, false, false, false, false, ""},
        {kKind, false, false, false, true, false, false, false, false, false, ""},
        {kSound, false, false, false, true, false, true, false, false, false, ""},
        {kEffect, false, false, false, true, true, false, false, false, false, ""},
        {kColour, false, false, false, false, false, false, false, false, true, "色"},
        {kImage, false, false, false, true, true, false, true, true, true, "ｶﾗｰｷｰ"},
    };
    for (const Expect& x : expects) {
        e->SelectRow(x.row);
        SCOPED_TRACE(e->row(x.row).label);
        // The field the row uses carries its label as its name; the others what they hold.
        const QString label = e->labelList()->item(x.row)->text();
        EXPECT_EQ(NamedControl<QLineEdit>(e.get(), x.text ? label : "文字列")->isEnabled(), x.text);
        EXPECT_EQ(LongText(e)->isEnabled(), x.longText);
        EXPECT_EQ(NamedControl<QSpinBox>(e.get(), x.number ? label : "数値")->isEnabled(), x.number);
        EXPECT_EQ(e->choice()->isEnabled(), x.choice);
        EXPECT_EQ(ShowImageBox(e)->isEnabled(), x.showImage);
        EXPECT_EQ(PlayBox(e)->isEnabled(), x.play);
        EXPECT_EQ(Drawing(e)->modeGroup()->isEnabled(), x.mode);
        EXPECT_EQ(Drawing(e)->keyBox()->isEnabled(), x.key);
        EXPECT_EQ(Drawing(e)->colourGroup()->isEnabled(), x.colour);
        EXPECT_EQ(Drawing(e)->colourGroup()->title(), QString::fromUtf8(x.caption));
    }
    // Each row shows its value; the area is emptied between rows.
    EXPECT_EQ(Property<QSpinBox>(e.get(), "動作速度")->value(), 5);
    EXPECT_EQ(NamedControl<QSpinBox>(e.get(), "動作速度")->minimum(), 1);
    EXPECT_EQ(AllNamed<QLabel>(e.get(), "px").size(), 1);  // the unit beside the field
    e->SelectRow(kSteps);
    EXPECT_EQ(e->choice()->currentText(), "4");
    EXPECT_EQ(AllNamed<QLabel>(e.get(), "px").size(), 0);
    EXPECT_EQ(NamedControl<QSpinBox>(e.get(), "数値")->value(), 0);
    e->SelectRow(kImage);
    EXPECT_EQ(e->choice()->currentText(), "b.bmp");
    EXPECT_EQ(e->choice()->count(), 3);
    EXPECT_TRUE(Drawing(e)->modeButton(kDrawAdditive)->isChecked());
    EXPECT_TRUE(Drawing(e)->keyBox()->isChecked());
    EXPECT_EQ(Drawing(e)->greenSpin()->value(), 2);
    e->SelectRow(kNote);
    EXPECT_EQ(LongText(e)->toPlainText(), "one\ntwo");
    EXPECT_TRUE(Drawing(e)->modeButton(kDrawOpaque)->isChecked());
}

TEST_F(PropertyEditorTest, NumbersAreStoredAsTypedAndClampedWhenTheFieldIsLeft) {
    auto e = Make();
    QSpinBox* speed = Property<QSpinBox>(e.get(), "動作速度");
    TypeNumber(speed, "150");
    EXPECT_EQ(rec.speed, 15);  // numbers within the range are stored as typed, 150 when it is taken
    e->labelList()->setFocus();
    EXPECT_EQ(rec.speed, 100);
    EXPECT_EQ(speed->value(), 100);
    TypeNumber(speed, "0");
    e->labelList()->setFocus();
    EXPECT_EQ(rec.speed, 1);
    TypeNumber(speed, "42");
    e->SelectRow(kKind);  // moving to another row stores what was typed first
    EXPECT_EQ(rec.speed, 42);

    // Text: stored when left, line breaks dropped, width kept, refused texts not stored.
    QLineEdit* name = Property<QLineEdit>(e.get(), "名前");
    name->setFocus();
    name->selectAll();
    name->insert("ab\ncd");
    EXPECT_EQ(name->text(), "abcd");
    QTest::keyClicks(name, "efghijk");
    EXPECT_EQ(name->text(), "abcdefgh");  // 8 bytes
    e->labelList()->setFocus();
    EXPECT_EQ(rec.name, "abcdefgh");

    e->SelectRow(kNote);
    LongText(e)->setFocus();
    LongText(e)->setPlainText("x\ny");
    e->labelList()->setFocus();
    EXPECT_EQ(rec.note, "x\r\ny");
}

TEST_F(PropertyEditorTest, ChoicesAndColourPicksAreStoredAtOnce) {
    auto e = Make();
    e->SelectRow(kSteps);
    e->choice()->setCurrentIndex(3);
    EXPECT_EQ(rec.steps, 8);
    e->SelectRow(kKind);
    e->choice()->setCurrentIndex(2);
    EXPECT_EQ(rec.kind, 2);
    e->SelectRow(kSound);
    e->choice()->setCurrentIndex(1);
    EXPECT_EQ(rec.sound, 1);

    // Image: the file, then the drawing; a refused file name is not stored and not shown.
    e->SelectRow(kImage);
    e->choice()->setCurrentIndex(0);
    EXPECT_EQ(rec.file, "a.bmp");
    e->choice()->setCurrentIndex(2);
    EXPECT_EQ(services.texts(), QStringList{"空白"});
    EXPECT_EQ(rec.file, "a.bmp");
    EXPECT_EQ(e->choice()->currentText(), "a.bmp");
    QTest::mouseClick(Drawing(e)->modeButton(kDrawAlpha), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(rec.spec.mode, kDrawAlpha);
    QTest::mouseClick(Drawing(e)->keyBox(), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(rec.spec.keyOn, 0);
    TypeNumber(Drawing(e)->redSpin(), "300");
    e->labelList()->setFocus();
    EXPECT_EQ(rec.spec.key, (Rgb{255, 2, 3}));

    // A colour picked from the preview goes to the image and colour rows only.
    EXPECT_TRUE(e->PickColour(QColor(7, 8, 9)));
    EXPECT_EQ(rec.spec.key, (Rgb{7, 8, 9}));
    EXPECT_EQ(rec.spec.mode, kDrawAlpha);
    e->SelectRow(kSpeed);
    EXPECT_FALSE(e->PickColour(QColor(1, 1, 1)));
    e->SelectRow(kColour);
    EXPECT_TRUE(e->PickColour(QColor(200, 100, 50)));
    EXPECT_EQ(rec.colour, (Rgb{200, 100, 50}));
    EXPECT_EQ(Drawing(e)->redSpin()->value(), 200);
}

// (Untouched values of every row kind are kept: the basic settings, magic and monster cases of
// unchanged_confirm_test.cpp.) Changing one part of a drawing keeps the others as read.
TEST_F(PropertyEditorTest, ChangingOnePartOfTheDrawingKeepsTheOthers) {
    rec.file = "missing.bmp";
    rec.spec = DrawSpec{7, 2, {999, 0, -1}};
    auto e = Make();
    e->SelectRow(kImage);
    TypeNumber(Drawing(e)->greenSpin(), "5");
    e->labelList()->setFocus();
    EXPECT_EQ(rec.spec, (DrawSpec{7, 2, {999, 5, -1}}));
    EXPECT_EQ(rec.file, "missing.bmp");
}

TEST_F(PropertyEditorTest, RowsCanBeDisabledByAnotherField) {
    int damage = 0, animation = 0;
    std::vector<PropertyRow> rows;
    rows.push_back(NumberRow("与えるﾀﾞﾒｰｼﾞ", damage, {0, 9999}, ""));
    PropertyRow anim = ListRow("攻撃ｱﾆﾒ", RowKind::Effect, animation);
    anim.enabled = [&damage] { return damage >= 1; };
    rows.push_back(std::move(anim));
    PropertyEditor e(context, std::move(rows));
    e.SetListNames(RowKind::Effect, {"a", "b"});
    e.SelectRow(1);
    EXPECT_FALSE(e.choice()->isEnabled());
    EXPECT_FALSE(ShowImageBox(&e)->isEnabled());
    damage = 5;
    e.Refresh();
    EXPECT_TRUE(e.choice()->isEnabled());
    // Only the parts some row uses are laid out.
    QLineEdit* text = e.findChild<QLineEdit*>();
    ASSERT_EQ(text->accessibleName(), "文字列");
    EXPECT_TRUE(text->isHidden());
    EXPECT_TRUE(Drawing(&e)->isHidden());
    EXPECT_TRUE(PlayBox(&e)->isHidden());
    EXPECT_FALSE(ShowImageBox(&e)->isHidden());
}

}  // namespace
}  // namespace lw
