// The editors as assistive technology meets them, on a project with something in every file:
// every dialog each hub button leads to names each of its controls, by a name no other control of
// the dialog has and that is not the value it shows; and a change made through Qt's accessibility
// interfaces (toggle actions, editable text, values) is stored as the control shows it, so the
// file written holds what the author saw. A typed number beyond a field's range is taken as the
// nearest end.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QAccessible>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <functional>

#include "app/editor_context.h"
#include "app/editor_registry.h"
#include "core/hub/hub_rules.h"
#include "core/media/image_lists.h"
#include "core/rules/enemy_units.h"
#include "core/rules/levels.h"
#include "core/rules/monsters.h"
#include "core/rules/treasure_list.h"
#include "core/settings/game_settings.h"
#include "core/settings/title_screen.h"
#include "core/world/scene.h"
#include "support/core/full_project.h"
#include "support/core/temp_dir.h"
#include "support/qt/accessibility.h"
#include "support/qt/fake_services.h"
#include "support/qt/modal.h"

namespace lw {
namespace {

using namespace test;

class AccessibilityTest : public ::testing::Test {
protected:
    test::TempProject tp;
    test::FakeServices services;
    EditorContext context;
    EditorRegistry registry;

    void SetUp() override {
        test::WriteFullProject(tp);
        context.project = tp.project;
        context.services = &services;
        RegisterEditors(registry);
    }
    void TearDown() override { test::CancelPendingModalWatches(); }

    std::function<void()> Opener(HubEditor editor) {
        return [this, editor] { EXPECT_TRUE(registry.Open(editor, context, nullptr)); };
    }
};

// ctest runs each case in a process of its own: a drop-down made before any dialog was named must
// still be read by its name, not by the entry it shows (Qt keeps the first interface it made).
TEST(DropDownInterface, ADropDownMadeBeforeAnyDialogIsReadByItsName) {
    QComboBox combo;
    combo.addItems({QStringLiteral("剣"), QStringLiteral("盾")});
    combo.setAccessibleName(QStringLiteral("種別"));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&combo);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("種別"));
}

// ---- every control named -----------------------------------------------------------------------

class EveryEditorNamesItsControls : public AccessibilityTest, public ::testing::WithParamInterface<HubEditor> {};

TEST_P(EveryEditorNamesItsControls, InEveryDialogItLeadsTo) {
    QStringList problems;
    const QStringList titles = test::ExploreDialogs(Opener(GetParam()), [&](QDialog* d) {
        for (const QString& p : test::NamingProblems(d)) problems << d->windowTitle() + QStringLiteral(": ") + p;
    });
    EXPECT_FALSE(titles.isEmpty());
    EXPECT_TRUE(problems.isEmpty()) << "dialogs " << titles.join(u", ").toStdString() << "\n"
                                    << problems.join(u'\n').toStdString();
}

std::vector<HubEditor> AllEditors() {
    std::vector<HubEditor> all;
    for (int i = 0; i < kHubEditorCount; ++i) all.push_back(static_cast<HubEditor>(i));
    return all;
}

INSTANTIATE_TEST_SUITE_P(Hub, EveryEditorNamesItsControls, ::testing::ValuesIn(AllEditors()),
                         [](const ::testing::TestParamInfo<HubEditor>& info) {
                             return "Editor" + std::to_string(static_cast<int>(info.param));
                         });

// ---- what a control shows is what is written ------------------------------------------------------

// Selects `row` of the dialog's first list, as the arrow keys would.
void ChooseRow(QDialog* d, int row) {
    for (QAbstractItemView* v : d->findChildren<QAbstractItemView*>()) {
        if (!v->isVisible() || v->model() == nullptr || v->model()->rowCount() <= row) continue;
        v->setCurrentIndex(v->model()->index(row, 0));
        return;
    }
    ADD_FAILURE() << "no list with row " << row << " in " << d->windowTitle().toStdString();
}

// Types into a number field and leaves it with Tab, as the author would.
void TypeAndLeave(QWidget* field, const QString& text) {
    ASSERT_NE(field, nullptr);
    QApplication::setActiveWindow(field->window());
    field->setFocus();
    static_cast<QAbstractSpinBox*>(field)->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

// Switches the drawing group to "加算" with the key colour on and red 12, green 34 (the colour
// fields must be usable once the key is on).
void SetDrawing(QDialog* d) {
    AccessibleToggle(Named(d, QStringLiteral("加算")));
    AccessibleToggle(Named(d, QStringLiteral("ｶﾗｰｷｰあり")));
    QWidget* red = Named(d, QStringLiteral("赤"));
    QWidget* green = Named(d, QStringLiteral("緑"));
    ASSERT_TRUE(red != nullptr && green != nullptr);
    EXPECT_TRUE(red->isEnabled()) << "the key colour stays disabled with the key on";
    AccessibleSetValue(red, 12);
    AccessibleSetText(green, QStringLiteral("34"));
    EXPECT_TRUE(static_cast<QCheckBox*>(Named(d, QStringLiteral("ｶﾗｰｷｰあり")))->isChecked());
}

// The mode, key switch and key colour SetDrawing left in a record.
void ExpectDrawingSet(int mode, int key, int red, int green) {
    EXPECT_EQ(mode, kDrawAdditive);
    EXPECT_EQ(key, 1);
    EXPECT_EQ(red, 12);
    EXPECT_EQ(green, 34);
}

struct StoreCase {
    const char* name;
    HubEditor editor;
    std::function<std::vector<DialogStep>()> steps;
    // Checks what the editor wrote.
    std::function<void(const Project&, const GameSettings&)> check;
};

// The drawing group of an image table's dialog, stored in the first slot the author edits.
StoreCase ImageDrawingCase(const char* name, HubEditor editor, const QString& title, ImageTableKind kind) {
    return {name, editor, [title] { return std::vector<DialogStep>{{title, SetDrawing, QStringLiteral("OK")}}; },
            [kind](const Project& p, const GameSettings&) {
                ImageTable t;
                ASSERT_EQ(LoadImageTable(p, kind, t), ReadStatus::Ok);
                const ImageEntry& e = t.entries[static_cast<std::size_t>(FormatOf(kind).firstEditedSlot)];
                ExpectDrawingSet(e.drawMode, e.colorKey, e.keyRed, e.keyGreen);
            }};
}

const StoreCase kStoreCases[] = {
    ImageDrawingCase("BackImageDrawing", HubEditor::BackImages, QStringLiteral("背景画像"), ImageTableKind::Back),
    ImageDrawingCase("CursorImageDrawing", HubEditor::SelectImages, QStringLiteral("ｶｰｿﾙ画像"), ImageTableKind::Select),
    {"SceneLayerKeyColour", HubEditor::SceneSettings,
     [] {
         return std::vector<DialogStep>{
             {QStringLiteral("場面設定1"), [](QDialog* d) { ChooseRow(d, 0); }, QStringLiteral("編集...")},
             {QStringLiteral("場面設定2"), SetDrawing, QStringLiteral("OK")},
             {QStringLiteral("場面設定1"), {}, QStringLiteral("OK")}};
     },
     [](const Project& p, const GameSettings&) {
         Scene s;
         ASSERT_EQ(LoadSceneFile(p, 0, s), ReadStatus::Ok);
         ExpectDrawingSet(s.layerDrawMode, s.layerColourKey, s.layerKeyRed, s.layerKeyGreen);
     }},
    {"FaceKeyColour", HubEditor::FaceImages,
     [] {
         return std::vector<DialogStep>{
             {QStringLiteral("顔画像ﾘｽﾄ"), [](QDialog* d) { ChooseRow(d, 0); }, QStringLiteral("編集...")},
             {QStringLiteral("顔画像(ﾒﾆｭｰ用)"), SetDrawing, QStringLiteral("次へ")},
             {QStringLiteral("顔画像ﾘｽﾄ"), {}, QStringLiteral("OK")}};
     },
     [](const Project& p, const GameSettings&) {
         std::vector<FaceEntry> faces;
         ASSERT_EQ(LoadFaceList(p, faces), ReadStatus::Ok);
         ASSERT_EQ(faces.size(), 1u);
         ExpectDrawingSet(faces[0].drawMode, faces[0].colorKey, faces[0].keyRed, faces[0].keyGreen);
     }},
    {"MonsterKeyColour", HubEditor::MonsterList,
     [] {
         return std::vector<DialogStep>{
             {QStringLiteral("怪物ﾘｽﾄ1"), [](QDialog* d) { ChooseRow(d, 0); }, QStringLiteral("編集...")},
             {QStringLiteral("怪物ﾘｽﾄ2"),
              [](QDialog* d) {
                  QWidget* rows = Named(d, QStringLiteral("項目"));
                  ASSERT_NE(rows, nullptr);
                  auto* view = static_cast<QAbstractItemView*>(rows);
                  const QModelIndexList picture =
                      view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("怪物画像"), 1, Qt::MatchExactly);
                  ASSERT_FALSE(picture.isEmpty());
                  view->setCurrentIndex(picture[0]);
                  SetDrawing(d);
              },
              QStringLiteral("次へ")},
             {QStringLiteral("ﾌｫｰｶｽ座標"), {}, QStringLiteral("OK")},
             {QStringLiteral("怪物ﾘｽﾄ1"), {}, QStringLiteral("OK")}};
     },
     [](const Project& p, const GameSettings&) {
         MonsterTable t;
         ASSERT_EQ(LoadMonsterTable(p, t), ReadStatus::Ok);
         ASSERT_EQ(t.records.size(), 1u);
         EXPECT_EQ(t.records[0].keyOn, 1);
         EXPECT_EQ(t.records[0].keyRed, 12);
         EXPECT_EQ(t.records[0].keyGreen, 34);
     }},
    {"TitleEntryText", HubEditor::Title,
     [] {
         return std::vector<DialogStep>{{QStringLiteral("ﾀｲﾄﾙ画面"),
                                         [](QDialog* d) { AccessibleSetText(Named(d, QStringLiteral("ｽﾀｰﾄ")), QStringLiteral("Begin")); },
                                         QStringLiteral("OK")}};
     },
     [](const Project& p, const GameSettings&) {
         TitleScreen t;
         ASSERT_EQ(LoadTitleScreen(p, t), ReadStatus::Ok);
         EXPECT_EQ(t.entries[1].text, "Begin");
     }},
    {"ChestRadios", HubEditor::TreasureChest,
     [] {
         return std::vector<DialogStep>{
             {QStringLiteral("宝箱ﾘｽﾄ1"), [](QDialog* d) { ChooseRow(d, 0); }, QStringLiteral("編集...")},
             {QStringLiteral("宝箱ﾘｽﾄ2"),
              [](QDialog* d) {
                  for (const char16_t* radio : {u"非表示", u"複数回", u"まだ"}) {
                      QWidget* r = Named(d, QString::fromUtf16(radio));
                      ASSERT_NE(r, nullptr);
                      AccessibleToggle(r);
                      EXPECT_TRUE(static_cast<QRadioButton*>(r)->isChecked());
                  }
              },
              QStringLiteral("次へ")},
             {QStringLiteral("宝箱配置"), {}, QStringLiteral("次へ")},
             {QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), {}, QStringLiteral("OK")},
             {QStringLiteral("宝箱ﾘｽﾄ1"), {}, QStringLiteral("OK")}};
     },
     [](const Project& p, const GameSettings&) {
         std::vector<TreasureChest> chests;
         ASSERT_EQ(LoadTreasureList(p, chests), ReadStatus::Ok);
         ASSERT_EQ(chests.size(), 1u);
         EXPECT_EQ(chests[0].shown, 0);
         EXPECT_EQ(chests[0].runOnce, 0);
         EXPECT_EQ(chests[0].eventDone, 0);
     }},
    {"GrowthTypedBeyondTheMaximum", HubEditor::LevelUp,
     [] {
         return std::vector<DialogStep>{{QStringLiteral("ﾚﾍﾞﾙｱｯﾌﾟの能力値上昇"),
                                         [](QDialog* d) {
                                             ChooseRow(d, 0);
                                             TypeAndLeave(Named(d, QStringLiteral("攻撃力")), QStringLiteral("9999"));
                                             QWidget* update = Named(d, QStringLiteral("更新"));
                                             ASSERT_NE(update, nullptr);
                                             static_cast<QAbstractButton*>(update)->click();
                                         },
                                         QStringLiteral("OK")}};
     },
     [](const Project& p, const GameSettings& settings) {
         GrowthList list;
         ASSERT_EQ(LoadGrowthList(p, list), ReadStatus::Ok);
         ASSERT_EQ(list.types.size(), 1u);
         EXPECT_EQ(list.types[0].attack, settings.abilityMax);
     }},
    {"FormationTypedBeyondTheField", HubEditor::EnemyUnitList,
     [] {
         const auto edit = [](QDialog* d) { ChooseRow(d, 0); };
         return std::vector<DialogStep>{
             {QStringLiteral("敵ﾕﾆｯﾄ ﾘｽﾄ1"), edit, QStringLiteral("編集...")},
             {QStringLiteral("敵ﾕﾆｯﾄ ﾘｽﾄ2"), edit, QStringLiteral("編集...")},
             {QStringLiteral("敵ﾕﾆｯﾄ ﾘｽﾄ3"),
              [](QDialog* d) { TypeAndLeave(Named(d, QStringLiteral("下左 X")), QStringLiteral("9999")); },
              QStringLiteral("OK")},
             {QStringLiteral("敵ﾕﾆｯﾄ ﾘｽﾄ2"), {}, QStringLiteral("次へ")},
             {QStringLiteral("敵ﾕﾆｯﾄ出現率"), {}, QStringLiteral("次へ")},
             {QStringLiteral("敵ﾕﾆｯﾄ名（省略可）"), {}, QStringLiteral("OK")},
             {QStringLiteral("敵ﾕﾆｯﾄ ﾘｽﾄ1"), {}, QStringLiteral("OK")}};
     },
     [](const Project& p, const GameSettings&) {
         std::vector<EnemyUnit> units;
         ASSERT_EQ(LoadEnemyList(p, units), ReadStatus::Ok);
         ASSERT_EQ(units.size(), 1u);
         ASSERT_FALSE(units[0].formations.empty());
         EXPECT_EQ(units[0].formations[0].x[0], kBattleWidth);
     }},
};

class StoresWhatItShows : public AccessibilityTest, public ::testing::WithParamInterface<StoreCase> {};

TEST_P(StoresWhatItShows, ThroughTheAccessibilityInterfaces) {
    const StoreCase& c = GetParam();
    const QStringList missed = test::PlayDialogs(Opener(c.editor), c.steps());
    EXPECT_TRUE(missed.isEmpty()) << "never reached: " << missed.join(u", ").toStdString() << "\n"
                                  << services.texts().join(u'\n').toStdString();
    GameSettings settings;
    LoadGameSettings(tp.project, settings);
    c.check(tp.project, settings);
}

INSTANTIATE_TEST_SUITE_P(Editors, StoresWhatItShows, ::testing::ValuesIn(kStoreCases),
                         [](const ::testing::TestParamInfo<StoreCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lw
