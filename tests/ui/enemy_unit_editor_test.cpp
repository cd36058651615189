// The enemy unit dialogs end to end through their widgets, down to the bytes of enemy_list.txt.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "app/services.h"
#include "core/rules/enemy_units.h"
#include "core/rules/monsters.h"
#include "widgets/image_chooser.h"
#include "support/qt/editor_test.h"
#include "support/qt/named.h"
#include "widgets/list_editor_panel.h"
#include "widgets/preview_step_dialog.h"

namespace lw {
namespace {

using namespace test;

class EnemyUnitEditorTest : public test::EditorTest {
protected:

    void SetUp() override {
        EditorTest::SetUp();
        Monster a, b;
        a.name = "slime";
        b.name = "bat";
        tp.WriteData("monster_list.txt", MonsterListBytes({a, b}));
    }

    // Opens the editor as the hub does and runs `drive` on it and its list; `drive` closes it.
    void Run(const std::function<void(QDialog*, ListEditorPanel*)>& drive) {
        RunFromHub<QDialog>(HubEditor::EnemyUnitList, [&](QDialog* e) { drive(e, e->findChild<ListEditorPanel*>()); });
    }
    // Runs `inList` on the formations of the first unit ("敵ﾕﾆｯﾄ ﾘｽﾄ2") and cancels them, then
    // `inUnits` on the list of units, and cancels the editor.
    void OnFirstUnitsFormations(const std::function<void(PreviewStepDialog*, ListEditorPanel*)>& inList,
                                const std::function<void(ListEditorPanel*)>& inUnits = {}) {
        Run([&](QDialog* editor, ListEditorPanel* units) {
            ClickRow(units, 0);
            InDialog<PreviewStepDialog>([&] { Click(units->editButton()); }, [&](PreviewStepDialog* list) {
                inList(list, list->findChild<ListEditorPanel*>());
                list->reject();
            });
            if (inUnits) inUnits(units);
            Press(editor, "ｷｬﾝｾﾙ");
        });
    }
};

TEST_F(EnemyUnitEditorTest, AddingAUnitRunsEveryDialogAndWritesTheFile) {
    Run([&](QDialog* editor, ListEditorPanel* units) {
        EXPECT_EQ(editor->windowTitle(), QStringLiteral("敵ﾕﾆｯﾄ ﾘｽﾄ1"));
        EXPECT_FALSE(ConfirmButton(editor)->isEnabled());  // no units yet

        bool reachedName = false;
        OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* list) {
            EXPECT_EQ(list->windowTitle(), QStringLiteral("敵ﾕﾆｯﾄ ﾘｽﾄ2"));
            auto* panel = list->findChild<ListEditorPanel*>();
            EXPECT_FALSE(ConfirmButton(list)->isEnabled());
            // First formation: "bat" bottom left, boss there, with a stored position.
            OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* f) {
                EXPECT_EQ(f->windowTitle(), QStringLiteral("敵ﾕﾆｯﾄ ﾘｽﾄ3"));
                EXPECT_FALSE(NamedAs<QSpinBox>(f, "下左 X")->isEnabled());
                EXPECT_FALSE(NamedAs<QSpinBox>(f, "出現率")->isEnabled());
                EXPECT_EQ(NamedAs<QComboBox>(f, "下左")->itemText(2), QStringLiteral("bat"));
                Choose(NamedAs<QComboBox>(f, "下左"), 2);
                EXPECT_TRUE(NamedAs<QSpinBox>(f, "下左 X")->isEnabled());
                Enter(NamedAs<QSpinBox>(f, "下左 X"), 15);
                Choose(NamedAs<QComboBox>(f, "ﾎﾞｽ"), 1);
                Press(f, "OK");
            }, list);
            Click(panel->addButton());
            // Second: "slime" top right, then "なし" again, which clears its position.
            OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* f) {
                Choose(NamedAs<QComboBox>(f, "上右"), 1);
                Enter(NamedAs<QSpinBox>(f, "上右 X"), 100);
                Enter(NamedAs<QSpinBox>(f, "上右 Y"), 20);
                Choose(NamedAs<QComboBox>(f, "上右"), 0);
                EXPECT_EQ(NamedAs<QSpinBox>(f, "上右 X")->value(), 0);
                EXPECT_FALSE(NamedAs<QSpinBox>(f, "上右 Y")->isEnabled());
                Choose(NamedAs<QComboBox>(f, "下中"), 1);
                Press(f, "OK");
            }, list);
            Click(panel->addButton());
            EXPECT_EQ(panel->rowText(0), QStringLiteral("2 0 0 0 0 0 — bat"));
            EXPECT_EQ(panel->rowText(1), QStringLiteral("0 1 0 0 0 0 — slime"));

            OnNextModal<QDialog>([&](QDialog* rates) {
                EXPECT_EQ(rates->windowTitle(), QStringLiteral("敵ﾕﾆｯﾄ出現率"));
                EXPECT_EQ(rates->findChild<QListWidget*>()->item(0)->text(), QStringLiteral("50 %"));
                EXPECT_EQ(rates->findChild<QListWidget*>()->item(1)->text(), QStringLiteral("50 %"));
                rates->findChild<QListWidget*>()->setCurrentRow(1);
                Enter(NamedAs<QSpinBox>(rates, "出現率"), 49);
                EXPECT_EQ(rates->findChild<QListWidget*>()->item(1)->text(), QStringLiteral("49 %"));
                Press(rates, "次へ");  // 99 in all: refused, the dialog stays
                ASSERT_EQ(services.texts(), QStringList{QStringLiteral("出現率の総和は、100% にしてください")});
                EXPECT_EQ(services.messages.back().caption, QStringLiteral("Lorewright"));
                rates->findChild<QListWidget*>()->setCurrentRow(0);
                Enter(NamedAs<QSpinBox>(rates, "出現率"), 51);
                OnNextModal<QDialog>([&](QDialog* name) {
                    EXPECT_EQ(name->windowTitle(), QStringLiteral("敵ﾕﾆｯﾄ名（省略可）"));
                    auto* edit = NamedAs<QLineEdit>(name, "敵ﾕﾆｯﾄ名");
                    EXPECT_EQ(edit->maxLength(), 64);
                    edit->setText(QStringLiteral("bats and slimes"));
                    reachedName = true;
                    Press(name, "OK");
                }, rates);
                Press(rates, "次へ");
            }, list);
            Press(list, "次へ");
        });
        Click(units->addButton());
        EXPECT_TRUE(reachedName);
        EXPECT_EQ(Rows(units), QStringList{"bats and slimes"});
        Press(editor, "OK");
    });
    Formation first = NewFormation();
    first.monster[0] = 2;
    first.x[0] = 15;
    first.boss = 0;
    first.rate = 0.51f;
    Formation second = NewFormation();
    second.monster[1] = 1;
    second.rate = 0.49f;
    EnemyUnit expected;
    expected.name = "bats and slimes";
    SetUnitFormations(expected, {first, second});
    EXPECT_EQ(tp.ReadData("enemy_list.txt"), EnemyListBytes({expected}));
}

TEST_F(EnemyUnitEditorTest, AUnitHoldsAtMost32Formations) {
    EnemyUnit unit;
    SetUnitFormations(unit, std::vector<Formation>(32, NewFormation()));
    tp.WriteData("enemy_list.txt", EnemyListBytes({unit, EnemyUnit{}}));
    OnFirstUnitsFormations(
        [&](PreviewStepDialog* list, ListEditorPanel* panel) {
            ASSERT_EQ(panel->rowCount(), 32);
            bool opened = false;
            OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* f) {
                opened = true;
                f->reject();
            }, list, 200);
            Click(panel->addButton());
            QTest::qWait(50);
            EXPECT_FALSE(opened);
            EXPECT_EQ(panel->rowCount(), 32);
        },
        [](ListEditorPanel* units) { EXPECT_EQ(units->rowText(1), QStringLiteral("0 体")); });
    EXPECT_EQ(services.texts(), QStringList{QStringLiteral("1つの敵ﾕﾆｯﾄに登録できる編成は 32 個までです")});
}

// A picture of `size` in `colour` with a darker outline, saved in the image folder.
void SavePicture(const Project& project, const char* name, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QPainter painter(&image);
    painter.setPen(colour.darker(200));
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    painter.drawEllipse(size.width() / 4, size.height() / 4, size.width() / 2, size.height() / 2);
    painter.end();
    ASSERT_TRUE(image.save(QString::fromStdString(ImageFilePath(project, name).string()), "BMP"));
}

// The formation preview of red, green and blue (80 x 60, 60 x 40, 100 x 50) bottom left to right
// and top right to left, over `field` as the provisional picture.
void PlaceThreeMonstersInEachRow(PreviewStepDialog& dialog, EditorContext& context, const QImage& field) {
    Choose(NamedAs<QComboBox>(&dialog, "仮画"), NamedAs<QComboBox>(&dialog, "仮画")->findText("field.bmp"));
    ImageView& v = *context.imageView;
    ASSERT_TRUE(v.IsShown());
    QImage frame = v.ComposeFrame();
    ASSERT_EQ(frame.size(), QSize(320, 240));
    // Both rows: W = 240, gap 20. Bottom row on the talk frame (Y 160), top row on Y 0.
    auto at = [&](int x, int y) { return QColor(frame.pixel(x, y)); };
    EXPECT_EQ(at(20 + 5, 100 + 5), QColor(220, 40, 40));   // red 80 x 60 at (20, 100)
    EXPECT_EQ(at(120 + 5, 120 + 5), QColor(40, 200, 60));  // green 60 x 40 at (120, 120)
    EXPECT_EQ(at(200 + 5, 110 + 5), QColor(40, 80, 230));  // blue 100 x 50 at (200, 110)
    EXPECT_EQ(at(20 + 5, 5), QColor(40, 80, 230));         // blue at (20, 0)
    EXPECT_EQ(at(140 + 5, 5), QColor(40, 200, 60));        // green at (140, 0)
    EXPECT_EQ(at(220 + 5, 5), QColor(220, 40, 40));        // red at (220, 0)
    EXPECT_EQ(at(10, 200), QColor(field.pixel(10, 200)));  // the provisional picture around them

    // Typing a position moves the picture at once; the translucent menu stands the bottom row on 240.
    context.settings.battleMenuTranslucent = 1;
    Enter(NamedAs<QSpinBox>(&dialog, "下左 X"), 3);
    frame = v.ComposeFrame();
    EXPECT_EQ(at(3 + 1, 1), QColor(220, 40, 40));           // stored (3, 0) overrides the placement
    EXPECT_EQ(at(120 + 5, 200 + 5), QColor(40, 200, 60));   // green's lower edge on 240
    dialog.reject();
}

TEST_F(EnemyUnitEditorTest, FormationPreviewPlacesThreeMonstersInEachRow) {
    SavePicture(tp.project, "red.bmp", {80, 60}, QColor(220, 40, 40));
    SavePicture(tp.project, "green.bmp", {60, 40}, QColor(40, 200, 60));
    SavePicture(tp.project, "blue.bmp", {100, 50}, QColor(40, 80, 230));
    QImage field(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x) field.setPixel(x, y, qRgb(30 + y / 4, 60 + y / 3, 90 + x / 8));
    ASSERT_TRUE(field.save(QString::fromStdString(ImageFilePath(tp.project, "field.bmp").string()), "BMP"));
    Monster r, g, b;
    r.picture = "red.bmp";
    g.picture = "green.bmp";
    b.picture = "blue.bmp";
    r.name = "red";
    g.name = "green";
    b.name = "blue";
    tp.WriteData("monster_list.txt", MonsterListBytes({r, g, b}));
    Formation f = NewFormation();
    f.monster = {1, 2, 3, 3, 2, 1};
    EnemyUnit unit;
    SetUnitFormations(unit, {f});
    tp.WriteData("enemy_list.txt", EnemyListBytes({unit}));
    OnFirstUnitsFormations([&](PreviewStepDialog* list, ListEditorPanel* panel) {
        context.settings.battleMenuTranslucent = 0;
        context.settings.talkY = 160;
        OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* dialog) { PlaceThreeMonstersInEachRow(*dialog, context, field); }, list);
        ClickRow(panel, 0);
        Click(panel->editButton());
    });
}

}  // namespace
}  // namespace lw
