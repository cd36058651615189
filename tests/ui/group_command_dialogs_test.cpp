// The command dialogs that choose groups of the scene (battle, effect, show talk, money,
// narration, scene change, talk content) and the group chooser they share, driven through their
// widgets: each builds its exact line, refuses what it must, and closes its previews.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "core/media/effect_animation.h"
#include "core/media/narration_list.h"
#include "core/media/talk_list.h"
#include "core/rules/enemy_units.h"
#include "core/settings/game_settings.h"
#include "core/world/scene.h"
#include "editors/events/battle_command_dialog.h"
#include "editors/events/group_chooser.h"
#include "editors/events/party_command_dialogs.h"
#include "editors/events/scene_change_command_dialog.h"
#include "editors/events/show_effect_command_dialog.h"
#include "editors/events/talk_content_command_dialog.h"
#include "editors/events/talk_text_chooser.h"
#include "support/core/map_makers.h"
#include "support/qt/command_dialog_driver.h"
#include "widgets/number_spin.h"

namespace lw {
namespace {

// CP932: "はい", "いいえ".
const std::string kYes = "\x82\xCD\x82\xA2";
const std::string kNo = "\x82\xA2\x82\xA2\x82\xA6";

class GroupCommandDialogTest : public test::CommandDialogTest {};

TEST_F(GroupCommandDialogTest, ShowTalkOffersTheScenesGroupsWithTheirExplanations) {
    ShowTalkCommandDialog d(command);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話表示)"));
    GroupChooser* g = d.contentGroup();
    EXPECT_EQ(g->title(), QStringLiteral("会話内容のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"));
    ASSERT_EQ(g->combo()->count(), 4);
    EXPECT_EQ(g->combo()->itemText(0), QStringLiteral("なし"));
    EXPECT_EQ(g->combo()->itemText(2), QStringLiteral("1 — 宝箱"));  // the explanation beside the number
    EXPECT_EQ(g->combo()->itemText(3), QStringLiteral("2"));
    EXPECT_EQ(g->combo()->currentIndex(), 0);
    EXPECT_EQ(g->value(), -1);
    EXPECT_TRUE(g->explanation()->isReadOnly());
    Choose(g->combo(), 2);
    EXPECT_EQ(g->explanation()->text(), QStringLiteral("宝箱"));
    Choose(g->combo(), 0);
    EXPECT_EQ(g->explanation()->text(), QString());
    EXPECT_EQ(Confirmed(d), "message -1");
    EXPECT_EQ(d.result(), QDialog::Accepted);

    // Through the menu: the line of the chosen group, or nothing when cancelled.
    EXPECT_EQ(Run<ShowTalkCommandDialog>(EventCommandKind::ShowTalk,
                                         [&](ShowTalkCommandDialog* shown) {
                                             Choose(shown->contentGroup()->combo(), 2);
                                             Click(shown->okButton());
                                         }),
              std::optional<std::string>("message 1"));
    EXPECT_EQ(Run<ShowTalkCommandDialog>(EventCommandKind::ShowTalk,
                                         [&](ShowTalkCommandDialog* shown) {
                                             Choose(shown->contentGroup()->combo(), 1);
                                             Click(shown->cancelButton());
                                         }),
              std::nullopt);
}

TEST_F(GroupCommandDialogTest, MoneyNeedsASignAndWritesItsGroupsOnlyWhenChosen) {
    struct Case {
        bool minus;
        QString typed;
        int done;  // combo positions: 0 "なし"
        int shortOf;
        std::string line;
    };
    const Case cases[] = {
        {false, "500", 0, 0, "money 500"},
        {true, "30", 0, 2, "money -30 -1 1"},  // a short-money group writes the done group too
        {false, "10", 1, 0, "money 10 0"},
        {true, "10", 1, 3, "money -10 0 2"},
        {false, "", 0, 0, "money 0"},
        {false, "12a3", 0, 0, "money 123"},           // only digits are typed
        {false, "99999999999", 0, 0, "money 2147483647"},  // ten digits kept, the largest amount
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ChangeMoneyCommandDialog d(command);
        d.show();
        EXPECT_EQ(d.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(所持金の増減)"));
        EXPECT_EQ(d.doneGroup()->title(), QStringLiteral("終了時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"));
        EXPECT_EQ(d.shortGroup()->title(), QStringLiteral("所持金不足時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"));
        Click(c.minus ? d.minusButton() : d.plusButton());
        Type(d.amountField(), c.typed);
        Choose(d.doneGroup()->combo(), c.done);
        Choose(d.shortGroup()->combo(), c.shortOf);
        EXPECT_EQ(Confirmed(d), c.line);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(services.messages.empty());

    ChangeMoneyCommandDialog unsigned_(command);
    unsigned_.show();
    EXPECT_EQ(unsigned_.plusButton()->text(), QStringLiteral("+ (加算)"));
    EXPECT_EQ(unsigned_.minusButton()->text(), QStringLiteral("- (減算)"));
    EXPECT_FALSE(unsigned_.plusButton()->isChecked() || unsigned_.minusButton()->isChecked());
    Type(unsigned_.amountField(), "5");
    Click(unsigned_.okButton());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, QStringLiteral("符号を選択してください"));
    EXPECT_EQ(services.messages[0].caption, QStringLiteral("Lorewright"));
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(unsigned_.isVisible());
    EXPECT_EQ(unsigned_.line(), "");
}

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
};

TEST_F(BattleDialogTest, BuildsTheLineAndPreviewsTheBackground) {
    BattleCommandDialog d(command);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(戦闘)"));
    ASSERT_EQ(d.enemyChoice()->count(), 2);
    EXPECT_EQ(d.enemyChoice()->currentIndex(), -1);
    EXPECT_EQ(d.textBefore()->title(), QStringLiteral("会話文(戦闘前)"));
    EXPECT_EQ(d.textAfter()->title(), QStringLiteral("会話文(戦闘後)"));
    EXPECT_EQ(d.afterGroup()->title(), QStringLiteral("戦闘後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"));
    EXPECT_EQ(d.speedField()->value(), 7);  // the basic setting "文字表示速度"
    EXPECT_FALSE(d.escapeBox()->isChecked());
    EXPECT_FALSE(imageView().IsShown());

    // A chosen text is shown whole.
    Choose(d.textAfter()->combo(), 1);
    EXPECT_EQ(d.textAfter()->shownText()->toPlainText(), QStringLiteral("はい いいえ"));
    Choose(d.enemyChoice(), 1);
    Type(d.speedField(), "250");
    Click(d.escapeBox());
    Choose(d.afterGroup()->combo(), 2);
    // With no background chosen the line ends in a blank.
    EXPECT_EQ(Confirmed(d), "battle 1 -1 1 100 1 1 ");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(imageView().IsOpen());
    EXPECT_EQ(imageView().state().mode, ViewMode::None);

    BattleCommandDialog shown(command);
    shown.show();
    Choose(shown.backgroundChoice(), shown.backgroundChoice()->findText("field.bmp"));
    EXPECT_EQ(imageView().state().mode, ViewMode::Sprites);
    EXPECT_TRUE(imageView().IsShown());
    EXPECT_EQ(imageView().state().main.width, 320);
    Click(shown.showBox());
    EXPECT_FALSE(imageView().IsShown());
    Click(shown.showBox());
    EXPECT_TRUE(imageView().IsShown());
    Choose(shown.textBefore()->combo(), 0);
    EXPECT_EQ(Confirmed(shown), "battle -1 0 -1 7 0 -1 field.bmp");
    EXPECT_FALSE(imageView().IsOpen());
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(BattleDialogTest, RefusesBackgroundsTheLineCannotCarry) {
    // The game reads the name up to its first blank.
    BattleCommandDialog blank(command);
    blank.show();
    Choose(blank.backgroundChoice(), blank.backgroundChoice()->findText("field two.bmp"));
    Click(blank.okButton());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.startsWith(QStringLiteral("空白を含む名前の画像は使えません")));
    EXPECT_TRUE(blank.isVisible());
    EXPECT_EQ(blank.line(), "");
    Click(blank.cancelButton());
    EXPECT_EQ(blank.result(), QDialog::Rejected);

    // A name that would be cut off at the end of the stored line.
    const std::string longName = std::string(40, 'b') + ".bmp";
    WriteImage(longName, 8, 8);
    BattleCommandDialog tooLong(command);
    tooLong.show();
    Choose(tooLong.enemyChoice(), 0);
    Choose(tooLong.backgroundChoice(), tooLong.backgroundChoice()->findText(QString::fromStdString(longName)));
    Click(tooLong.okButton());
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_TRUE(services.messages[1].text.contains(QStringLiteral("背景画像のﾌｧｲﾙ名を短くしてください")));
    EXPECT_TRUE(services.messages[1].text.contains(QStringLiteral("63")));
    EXPECT_TRUE(tooLong.isVisible());
    EXPECT_EQ(tooLong.line(), "");
    Click(tooLong.cancelButton());
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

TEST_F(ShownThingTest, EffectIsChosenPlayedAndGivenItsGroupOnlyWhenChosen) {
    ShowEffectCommandDialog d(command, ShownThing::Effect);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｴﾌｪｸﾄ表示)"));
    EXPECT_EQ(d.numberBox()->title(), QStringLiteral("ｴﾌｪｸﾄ番号"));
    EXPECT_EQ(d.showBox()->text(), QStringLiteral("画像表示"));
    EXPECT_EQ(d.afterGroup()->title(), QStringLiteral("ｴﾌｪｸﾄ後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"));
    ASSERT_EQ(d.choice()->count(), 2);
    EXPECT_EQ(d.choice()->itemText(0), QStringLiteral("0: spark"));
    EXPECT_EQ(d.choice()->itemText(1), QStringLiteral("1: smoke.bmp"));

    Click(d.okButton());  // nothing chosen
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, QStringLiteral("ｴﾌｪｸﾄ番号を選択してください"));
    EXPECT_TRUE(d.isVisible());

    Choose(d.choice(), 0);
    ImageView& v = imageView();
    EXPECT_EQ(v.state().mode, ViewMode::Animation);
    EXPECT_TRUE(v.IsShown());
    EXPECT_TRUE(v.IsAnimating());
    EXPECT_EQ(v.state().main.width, 32);  // one cell
    EXPECT_EQ(v.state().animation.frameCount, 2);
    Click(d.showBox());
    EXPECT_FALSE(v.IsShown());
    Click(d.showBox());
    EXPECT_TRUE(v.IsShown());
    Choose(d.choice(), 1);  // its picture is missing
    EXPECT_FALSE(v.IsShown());
    EXPECT_EQ(Confirmed(d), "effect 1");
    EXPECT_FALSE(v.IsOpen());
    EXPECT_EQ(v.state().mode, ViewMode::None);

    ShowEffectCommandDialog withGroup(command, ShownThing::Effect);
    withGroup.show();
    Choose(withGroup.choice(), 0);
    Choose(withGroup.afterGroup()->combo(), 1);
    EXPECT_EQ(Confirmed(withGroup), "effect 0 0");
}

TEST_F(ShownThingTest, NarrationIsTheEffectDialogWithItsOwnTextsAndPreview) {
    ShowEffectCommandDialog d(command, ShownThing::Narration);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ﾅﾚｰｼｮﾝ表示)"));
    EXPECT_EQ(d.numberBox()->title(), QStringLiteral("ﾅﾚｰｼｮﾝ番号"));
    EXPECT_EQ(d.afterGroup()->title(), QStringLiteral("ﾅﾚｰｼｮﾝ後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"));
    ASSERT_EQ(d.choice()->count(), 1);
    EXPECT_EQ(d.choice()->itemText(0), QStringLiteral("0: nar.bmp"));
    Click(d.okButton());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, QStringLiteral("ﾅﾚｰｼｮﾝ番号を選択してください"));

    Choose(d.choice(), 0);
    ImageView& v = imageView();
    EXPECT_EQ(v.state().mode, ViewMode::Narration);
    EXPECT_TRUE(v.IsShown());
    EXPECT_EQ(v.state().main.width, 320);
    EXPECT_EQ(v.state().narration.text, "Long ago...");  // the narration's text of the text list
    EXPECT_EQ(v.state().narration.fontHeight, 20);
    Choose(d.afterGroup()->combo(), 3);
    EXPECT_EQ(Confirmed(d), "nar 0 2");
    EXPECT_FALSE(v.IsOpen());

    ShowEffectCommandDialog plain(command, ShownThing::Narration);
    plain.show();
    Choose(plain.choice(), 0);
    EXPECT_EQ(Confirmed(plain), "nar 0");
}

class SceneChangeTest : public GroupCommandDialogTest {
protected:
    void SetUp() override {
        GroupCommandDialogTest::SetUp();
        AddScene(3, "east.bin", 5, 4);
        AddScene(0, "home.bin", 10, 8);
    }
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

TEST_F(SceneChangeTest, TheMapShowsTheChosenSceneAndAClickedCellIsTheDestination) {
    SceneChangeCommandDialog d(command);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(場面変更)"));
    EXPECT_EQ(d.destinationGroup()->title(), QStringLiteral("PC移動先ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"));
    ASSERT_EQ(d.sceneChoice()->count(), 2);
    EXPECT_EQ(d.sceneChoice()->currentText(), QStringLiteral("scene0.txt — scene 0"));
    EXPECT_EQ(d.chosenScene(), 0);
    MapView& v = mapView();
    ASSERT_TRUE(v.IsShown());
    EXPECT_EQ(v.state().mode, MapViewMode::SingleFramePlacement);
    EXPECT_EQ(v.caption(), QStringLiteral("scene 0"));
    EXPECT_EQ(v.state().map.width, 10u);
    EXPECT_EQ(d.xField()->maximum(), 9);
    EXPECT_EQ(d.yField()->maximum(), 7);

    ClickCell(4, 2);
    EXPECT_EQ(d.xField()->value(), 4);
    EXPECT_EQ(d.yField()->value(), 2);
    // The destination is framed on the map.
    EXPECT_FALSE(v.state().sprite.image.isNull());
    EXPECT_EQ(v.state().sprite.position, QPoint(4, 2));
    const QImage frame = v.ComposeFrame();
    EXPECT_EQ(frame.pixel(4 * 32, 2 * 32 + 10), kPlacedSpriteFrameColour);
    Type(d.yField(), "99");  // beyond the map: its last row
    Choose(d.destinationGroup()->combo(), 2);
    EXPECT_EQ(Confirmed(d), "scene 0 4 7 1");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(v.IsOpen());
    EXPECT_EQ(v.state().map.width, 0u);  // released
    EXPECT_TRUE(v.state().sprite.image.isNull());
    EXPECT_EQ(v.state().mode, MapViewMode::Browse);

    // Another scene: its own map and ranges, the position back at 0, 0. The placement that had the
    // view before gets its mode and exclusion back.
    v.SetMode(MapViewMode::Placement);
    v.state().excludedNpc = 4;
    SceneChangeCommandDialog other(command);
    other.show();
    ClickCell(3, 3);
    Choose(other.sceneChoice(), other.sceneChoice()->findText("scene3.txt", Qt::MatchStartsWith));
    EXPECT_EQ(other.xField()->value(), 0);
    EXPECT_EQ(other.yField()->value(), 0);
    EXPECT_EQ(other.xField()->maximum(), 4);
    EXPECT_EQ(other.yField()->maximum(), 3);
    EXPECT_EQ(mapView().caption(), QStringLiteral("scene 3"));
    Type(other.xField(), "9");
    EXPECT_EQ(Confirmed(other), "scene 3 4 0");
    EXPECT_EQ(v.state().mode, MapViewMode::Placement);
    EXPECT_EQ(v.state().excludedNpc, 4);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(GroupCommandDialogTest, SceneChangeWithoutSceneFilesAsksForAScene) {
    SceneChangeCommandDialog d(command);
    d.show();
    EXPECT_EQ(d.sceneChoice()->count(), 0);
    EXPECT_EQ(d.chosenScene(), -1);
    EXPECT_FALSE(mapView().IsShown());
    Click(d.okButton());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, QStringLiteral("場面を選択してください"));
    EXPECT_TRUE(d.isVisible());
    Click(d.cancelButton());
    EXPECT_FALSE(mapView().IsOpen());
}

class TalkContentTest : public GroupCommandDialogTest {
protected:
    void SetUp() override {
        GroupCommandDialogTest::SetUp();
        tp.WriteData(kTalkFile, TalkListBytes({"Buy a sword?", "Welcome"}));
    }
    static void Enable(TalkContentCommandDialog& d, int choice, const QString& text, int groupPosition) {
        const auto& c = d.choice(choice);
        Click(c.disabled);
        Type(c.text, text);
        Choose(c.group->combo(), groupPosition);
    }
};

TEST_F(TalkContentTest, ChoicesStartDisabledAndEnabledOnesAreWrittenInTheLongForm) {
    TalkContentCommandDialog d(command);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話内容の設定)"));
    EXPECT_EQ(d.textChoice()->title(), QStringLiteral("会話文"));
    EXPECT_TRUE(d.moneyHidden()->isChecked());
    for (int i = 0; i < kTalkChoiceCount; ++i) {
        const auto& c = d.choice(i);
        EXPECT_TRUE(c.disabled->isChecked());
        EXPECT_FALSE(c.text->isEnabled());
        EXPECT_FALSE(c.group->isEnabled());
        EXPECT_EQ(c.group->title(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"));
    }
    Click(d.okButton());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, QStringLiteral("会話文を選択してください"));
    EXPECT_TRUE(d.isVisible());

    Choose(d.textChoice()->combo(), 0);
    EXPECT_EQ(d.textChoice()->shownText()->toPlainText(), QStringLiteral("Buy a sword?"));
    // Choices 1 and 2 enabled, 3 and 4 disabled: 2 disabled, empty texts written as "なし".
    Enable(d, 0, QStringLiteral("はい"), 2);
    Enable(d, 1, QString(), 0);
    EXPECT_EQ(Confirmed(d), "talk 0 0 2 1 -1 -1 -1 " + kYes + " \x82\xC8\x82\xB5 \x82\xC8\x82\xB5 \x82\xC8\x82\xB5");
    EXPECT_EQ(d.result(), QDialog::Accepted);

    // All disabled: the short forms.
    TalkContentCommandDialog money(command);
    money.show();
    Choose(money.textChoice()->combo(), 1);
    Click(money.moneyShown());
    EXPECT_EQ(Confirmed(money), "talk 1 1");
    TalkContentCommandDialog plain(command);
    plain.show();
    Choose(plain.textChoice()->combo(), 1);
    EXPECT_EQ(Confirmed(plain), "talk 1");
}

TEST_F(TalkContentTest, DisablingAChoiceEmptiesItAndRefusalsKeepTheDialogOpen) {
    TalkContentCommandDialog d(command);
    d.show();
    Choose(d.textChoice()->combo(), 1);
    Enable(d, 3, QStringLiteral("buy it"), 3);
    EXPECT_TRUE(d.choice(3).text->isEnabled());
    EXPECT_EQ(d.choice(3).group->explanation()->text(), QString());  // group 2 has none
    Click(d.okButton());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, QStringLiteral("選択肢 4 の文に空白は使えません"));
    EXPECT_TRUE(d.isVisible());

    // Disabling it again greys it, empties its text and sets its group to "なし".
    Click(d.choice(3).disabled);
    EXPECT_FALSE(d.choice(3).text->isEnabled());
    EXPECT_EQ(d.choice(3).text->text(), QString());
    EXPECT_EQ(d.choice(3).group->value(), -1);
    EXPECT_EQ(d.choice(3).group->combo()->currentText(), QStringLiteral("なし"));

    // Texts longer than the stored line holds are refused rather than cut.
    Enable(d, 0, QString(20, QChar('a')), 1);
    Enable(d, 1, QString(20, QChar('b')), 2);
    Click(d.okButton());
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_TRUE(services.messages[1].text.contains(QStringLiteral("選択肢の文を短くしてください")));
    EXPECT_TRUE(d.isVisible());
    Type(d.choice(1).text, "bb");
    EXPECT_EQ(Confirmed(d), "talk 1 0 2 0 1 -1 -1 " + std::string(20, 'a') + " bb \x82\xC8\x82\xB5 \x82\xC8\x82\xB5");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_LE(d.line().size(), kEventCommandStoredBytes);
}

}  // namespace
}  // namespace lw
