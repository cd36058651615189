// The command dialogs that choose groups of the scene (battle, effect, narration, scene change,
// talk content), driven through their widgets: each builds its exact line, refuses what it must,
// and closes its previews. (The group chooser they share, and the lines of the show-talk and money
// dialogs, are in the authored-line table.)
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QPlainTextEdit>

#include "core/media/effect_animation.h"
#include "core/media/narration_list.h"
#include "core/media/talk_list.h"
#include "core/rules/enemy_units.h"
#include "core/settings/game_settings.h"
#include "core/world/scene.h"
#include "support/core/map_makers.h"
#include "support/qt/command_dialog_driver.h"

namespace lw {
namespace {

// CP932: "はい", "いいえ".
const std::string kYes = "\x82\xCD\x82\xA2";
const std::string kNo = "\x82\xA2\x82\xA2\x82\xA6";

class GroupCommandDialogTest : public test::CommandDialogTest {};

using Kind = EventCommandKind;

class BattleDialogTest : public GroupCommandDialogTest {
protected:
    void SetUp() override {
        GroupCommandDialogTest::SetUp();
        EnemyUnit slimes;
        slimes.name = "slimes";
        EnemyUnit bats;
        bats.name = "bats";
        tp.WriteData(kEnemyFile, EnemyListBytes({slimes, bats}));
        tp.WriteData(kTalkFile, TalkListBytes({"Here they come!", kYes + " " + kNo}));
        GameSettings settings;
        settings.letterSpeed = 7;
        tp.WriteData(kSettingFile, GameSettingsBytes(settings));
        WriteImage("field.bmp", 320, 240);
        WriteImage("field two.bmp", 320, 240);
    }
    static void ChooseBackground(QDialog* d, const QString& name) {
        QComboBox* background = Combo(d, "背景画像");
        Choose(background, background->findText(name));
    }
};

TEST_F(BattleDialogTest, BuildsTheLinePreviewsTheBackgroundAndRefusesBackgroundsTheLineCannotCarry) {
    EXPECT_EQ(Run(Kind::Battle,
                  [&](QDialog* d) {
                      EXPECT_EQ(d->windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(戦闘)"));
                      EXPECT_EQ(Items(Combo(d, "敵ﾕﾆｯﾄ")), (QStringList{"0: slimes", "1: bats"}));
                      EXPECT_EQ(Combo(d, "敵ﾕﾆｯﾄ")->currentIndex(), -1);
                      EXPECT_EQ(Spin(d, "会話速度")->value(), 7);  // the basic setting "文字表示速度"
                      EXPECT_FALSE(Button(d, "逃げる")->isChecked());
                      EXPECT_FALSE(imageView().IsShown());
                      // A chosen text is shown whole.
                      Choose(Combo(d, "会話文(戦闘後)"), 1);
                      EXPECT_EQ(test::NamedControl<QPlainTextEdit>(d, "会話文(戦闘後)")->toPlainText(), QStringLiteral("はい いいえ"));
                      Choose(Combo(d, "敵ﾕﾆｯﾄ"), 1);
                      Type(Spin(d, "会話速度"), "250");
                      Press(d, "逃げる");
                      Choose(Combo(d, "戦闘後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), 2);
                      Ok(d);
                  }),
              "battle 1 -1 1 100 1 1 ");  // with no background chosen the line ends in a blank
    EXPECT_FALSE(imageView().IsOpen());
    EXPECT_EQ(imageView().state().mode, ViewMode::None);

    EXPECT_EQ(Run(Kind::Battle,
                  [&](QDialog* d) {
                      ChooseBackground(d, "field.bmp");
                      EXPECT_EQ(imageView().state().mode, ViewMode::Sprites);
                      EXPECT_TRUE(imageView().IsShown());
                      EXPECT_EQ(imageView().state().main.width, 320);
                      Press(d, "表示");
                      EXPECT_FALSE(imageView().IsShown());
                      Press(d, "表示");
                      EXPECT_TRUE(imageView().IsShown());
                      Choose(Combo(d, "会話文(戦闘前)"), 0);
                      Ok(d);
                  }),
              "battle -1 0 -1 7 0 -1 field.bmp");
    EXPECT_FALSE(imageView().IsOpen());
    EXPECT_TRUE(services.messages.empty());

    // The game reads the name up to its first blank; a name that would be cut off at the end of the
    // stored line is refused too.
    const std::string longName = std::string(40, 'b') + ".bmp";
    WriteImage(longName, 8, 8);
    EXPECT_EQ(Run(Kind::Battle,
                  [&](QDialog* d) {
                      ChooseBackground(d, "field two.bmp");
                      EXPECT_TRUE(OkWarning(d).startsWith(QStringLiteral("空白を含む名前の画像は使えません")));
                      Choose(Combo(d, "敵ﾕﾆｯﾄ"), 0);
                      ChooseBackground(d, QString::fromStdString(longName));
                      const QString warning = OkWarning(d);
                      EXPECT_TRUE(warning.contains(QStringLiteral("背景画像のﾌｧｲﾙ名を短くしてください")));
                      EXPECT_TRUE(warning.contains(QStringLiteral("63")));
                      Cancel(d);
                  }),
              std::nullopt);
    EXPECT_EQ(services.messages.size(), 2u);
}

class ShownThingTest : public GroupCommandDialogTest {
protected:
    void SetUp() override {
        GroupCommandDialogTest::SetUp();
        EffectAnimation spark{.name = "spark", .imageFile = "fx.bmp", .areaWidth = 64, .areaHeight = 32,
                              .cellWidth = 32, .cellHeight = 32, .speed = 2, .frameCount = 2};
        spark.frames[1].column = 1;
        EffectAnimation smoke;
        smoke.imageFile = "smoke.bmp";  // listed by its picture, which does not exist
        tp.WriteData(kEffectFile, EffectFileBytes({spark, smoke}));
        WriteImage("fx.bmp", 64, 32);
        Narration opening = NewNarrationDefaults();
        opening.image = "nar.bmp";
        opening.text = 1;
        opening.size = 20;
        tp.WriteData(kNarrationFile, NarrationListBytes({opening}));
        tp.WriteData(kTalkFile, TalkListBytes({"unused", "Long ago..."}));
        WriteImage("nar.bmp", 320, 240);
    }
};

TEST_F(ShownThingTest, EffectOrNarrationIsChosenPreviewedAndGivenItsGroupOnlyWhenChosen) {
    ImageView& v = imageView();
    EXPECT_EQ(Run(Kind::ShowEffect,
                  [&](QDialog* d) {
                      EXPECT_EQ(d->windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｴﾌｪｸﾄ表示)"));
                      QComboBox* effect = Combo(d, "ｴﾌｪｸﾄ番号");
                      EXPECT_EQ(Items(effect), (QStringList{"0: spark", "1: smoke.bmp"}));
                      Choose(effect, 0);
                      EXPECT_EQ(v.state().mode, ViewMode::Animation);
                      EXPECT_TRUE(v.IsShown());
                      EXPECT_TRUE(v.IsAnimating());
                      EXPECT_EQ(v.state().main.width, 32);  // one cell
                      EXPECT_EQ(v.state().animation.frameCount, 2);
                      Press(d, "画像表示");
                      EXPECT_FALSE(v.IsShown());
                      Press(d, "画像表示");
                      EXPECT_TRUE(v.IsShown());
                      Choose(effect, 1);  // its picture is missing
                      EXPECT_FALSE(v.IsShown());
                      Ok(d);
                  }),
              "effect 1");
    EXPECT_FALSE(v.IsOpen());
    EXPECT_EQ(v.state().mode, ViewMode::None);

    // The narration is the same dialog with its own texts and preview.
    EXPECT_EQ(Run(Kind::ShowNarration,
                  [&](QDialog* d) {
                      EXPECT_EQ(d->windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ﾅﾚｰｼｮﾝ表示)"));
                      EXPECT_EQ(Items(Combo(d, "ﾅﾚｰｼｮﾝ番号")), QStringList{"0: nar.bmp"});
                      Choose(Combo(d, "ﾅﾚｰｼｮﾝ番号"), 0);
                      EXPECT_EQ(v.state().mode, ViewMode::Narration);
                      EXPECT_TRUE(v.IsShown());
                      EXPECT_EQ(v.state().main.width, 320);
                      EXPECT_EQ(v.state().narration.text, "Long ago...");  // the narration's text of the text list
                      EXPECT_EQ(v.state().narration.fontHeight, 20);
                      Choose(Combo(d, "ﾅﾚｰｼｮﾝ後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), 3);
                      Ok(d);
                  }),
              "nar 0 2");
    EXPECT_FALSE(v.IsOpen());
}

class SceneChangeTest : public GroupCommandDialogTest {
protected:
    void AddScene(int number, const std::string& map, std::uint32_t width, std::uint32_t height) {
        Scene s = NewScene();
        s.name = "scene " + std::to_string(number);
        s.mapDataFile = map;
        s.backgroundChipSet = "chips.bmp";
        tp.WriteData(SceneFileName(number), SceneBytes(s));
        test::WriteBytes(DataFilePath(tp.project, map), test::MakeMapBytes(width, height, [](auto, auto) { return 1u; }));
        WriteImage("chips.bmp", 64, 32);
    }
    void ClickCell(int x, int y) {
        auto* area = qobject_cast<QAbstractScrollArea*>(mapView().window());
        ASSERT_NE(area, nullptr);
        const QPoint scroll = mapView().scroll();
        QTest::mouseClick(area->viewport(), Qt::LeftButton, {},
                          QPoint(x * 32 + 10 - scroll.x(), y * 32 + 20 - scroll.y()));
    }
};

TEST_F(SceneChangeTest, WithoutSceneFilesItAsksForAScene) {
    EXPECT_EQ(Run(Kind::SceneChange,
                  [&](QDialog* d) {
                      EXPECT_EQ(Combo(d, "PC移動先場面")->count(), 0);
                      EXPECT_FALSE(mapView().IsShown());
                      EXPECT_EQ(OkWarning(d), QStringLiteral("場面を選択してください"));
                      Cancel(d);
                  }),
              std::nullopt);
    EXPECT_FALSE(mapView().IsOpen());
}

TEST_F(SceneChangeTest, TheMapShowsTheChosenSceneAndAClickedCellIsTheDestination) {
    AddScene(3, "east.bin", 5, 4);
    AddScene(0, "home.bin", 10, 8);
    MapView& v = mapView();
    EXPECT_EQ(Run(Kind::SceneChange,
                  [&](QDialog* d) {
                      EXPECT_EQ(d->windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(場面変更)"));
                      EXPECT_EQ(Combo(d, "PC移動先場面")->count(), 2);
                      EXPECT_EQ(Combo(d, "PC移動先場面")->currentText(), QStringLiteral("scene0.txt — scene 0"));
                      EXPECT_TRUE(v.IsShown());
                      EXPECT_EQ(v.state().mode, MapViewMode::SingleFramePlacement);
                      EXPECT_EQ(v.caption(), QStringLiteral("scene 0"));
                      EXPECT_EQ(v.state().map.width, 10u);
                      EXPECT_EQ(Spin(d, "X")->maximum(), 9);
                      EXPECT_EQ(Spin(d, "Y")->maximum(), 7);
                      ClickCell(4, 2);
                      EXPECT_EQ(Spin(d, "X")->value(), 4);
                      EXPECT_EQ(Spin(d, "Y")->value(), 2);
                      // The destination is framed on the map.
                      EXPECT_FALSE(v.state().sprite.image.isNull());
                      EXPECT_EQ(v.state().sprite.position, QPoint(4, 2));
                      EXPECT_EQ(v.ComposeFrame().pixel(4 * 32, 2 * 32 + 10), kPlacedSpriteFrameColour);
                      Type(Spin(d, "Y"), "99");  // beyond the map: its last row
                      Choose(Combo(d, "PC移動先ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), 2);
                      Ok(d);
                  }),
              "scene 0 4 7 1");
    EXPECT_FALSE(v.IsOpen());
    EXPECT_EQ(v.state().map.width, 0u);  // released
    EXPECT_TRUE(v.state().sprite.image.isNull());
    EXPECT_EQ(v.state().mode, MapViewMode::Browse);

    // Another scene: its own map and ranges, the position back at 0, 0. The placement that had the
    // view before gets its mode and exclusion back.
    v.SetMode(MapViewMode::Placement);
    v.state().excludedNpc = 4;
    EXPECT_EQ(Run(Kind::SceneChange,
                  [&](QDialog* d) {
                      ClickCell(3, 3);
                      QComboBox* scene = Combo(d, "PC移動先場面");
                      Choose(scene, scene->findText("scene3.txt", Qt::MatchStartsWith));
                      EXPECT_EQ(Spin(d, "X")->value(), 0);
                      EXPECT_EQ(Spin(d, "Y")->value(), 0);
                      EXPECT_EQ(Spin(d, "X")->maximum(), 4);
                      EXPECT_EQ(Spin(d, "Y")->maximum(), 3);
                      EXPECT_EQ(v.caption(), QStringLiteral("scene 3"));
                      Type(Spin(d, "X"), "9");
                      Ok(d);
                  }),
              "scene 3 4 0");
    EXPECT_EQ(v.state().mode, MapViewMode::Placement);
    EXPECT_EQ(v.state().excludedNpc, 4);
    EXPECT_TRUE(services.messages.empty());
}

class TalkContentTest : public GroupCommandDialogTest {
protected:
    void SetUp() override {
        GroupCommandDialogTest::SetUp();
        tp.WriteData(kTalkFile, TalkListBytes({"Buy a sword?", "Welcome"}));
    }
    // The controls of choice `n` (1 to 4).
    static QString Part(int n, const char* part) { return QStringLiteral("選択肢 %1 %2").arg(n).arg(QString::fromUtf8(part)); }
    static void Enable(QDialog* d, int n, const QString& text, int groupPosition) {
        Press(d, Part(n, "文 無効"));
        Type(Edit(d, Part(n, "文")), text);
        Choose(Combo(d, Part(n, "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ")), groupPosition);
    }
};

TEST_F(TalkContentTest, ChoicesStartDisabledEnabledOnesAreWrittenInTheLongFormAndRefusalsKeepTheDialogOpen) {
    EXPECT_EQ(Run(Kind::TalkContent,
                  [&](QDialog* d) {
                      EXPECT_EQ(d->windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話内容の設定)"));
                      EXPECT_TRUE(Button(d, "なし")->isChecked());
                      for (int n = 1; n <= kTalkChoiceCount; ++n) {
                          EXPECT_TRUE(Button(d, Part(n, "文 無効"))->isChecked());
                          EXPECT_FALSE(Edit(d, Part(n, "文"))->isEnabled());
                          EXPECT_FALSE(Combo(d, Part(n, "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"))->isEnabled());
                      }
                      Choose(Combo(d, "会話文"), 0);
                      EXPECT_EQ(test::NamedControl<QPlainTextEdit>(d, "会話文")->toPlainText(), QStringLiteral("Buy a sword?"));
                      // Choices 1 and 2 enabled, 3 and 4 disabled: 2 disabled, empty texts written as "なし".
                      Enable(d, 1, QStringLiteral("はい"), 2);
                      Enable(d, 2, QString(), 0);
                      Ok(d);
                  }),
              "talk 0 0 2 1 -1 -1 -1 " + kYes + " \x82\xC8\x82\xB5 \x82\xC8\x82\xB5 \x82\xC8\x82\xB5");

    // Disabling a choice again empties it; refusals keep the dialog open.
    const std::optional<std::string> line = Run(Kind::TalkContent, [&](QDialog* d) {
        Choose(Combo(d, "会話文"), 1);
        Enable(d, 4, QStringLiteral("buy it"), 3);
        EXPECT_TRUE(Edit(d, Part(4, "文"))->isEnabled());
        EXPECT_EQ(Edit(d, Part(4, "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ 説明"))->text(), QString());  // group 2 has none
        EXPECT_TRUE(Edit(d, Part(4, "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ 説明"))->isReadOnly());
        EXPECT_EQ(OkWarning(d), QStringLiteral("選択肢 4 の文に空白は使えません"));
        // Disabling it again greys it, empties its text and sets its group to "なし".
        Press(d, Part(4, "文 無効"));
        EXPECT_FALSE(Edit(d, Part(4, "文"))->isEnabled());
        EXPECT_EQ(Edit(d, Part(4, "文"))->text(), QString());
        EXPECT_EQ(Combo(d, Part(4, "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"))->currentText(), QStringLiteral("なし"));
        // Texts longer than the stored line holds are refused rather than cut.
        Enable(d, 1, QString(20, QChar('a')), 1);
        Enable(d, 2, QString(20, QChar('b')), 2);
        EXPECT_TRUE(OkWarning(d).contains(QStringLiteral("選択肢の文を短くしてください")));
        Type(Edit(d, Part(2, "文")), "bb");
        Ok(d);
    });
    EXPECT_EQ(line, "talk 1 0 2 0 1 -1 -1 " + std::string(20, 'a') + " bb \x82\xC8\x82\xB5 \x82\xC8\x82\xB5");
    EXPECT_LE(line.value_or("").size(), kEventCommandStoredBytes);
}

}  // namespace
}  // namespace lw
