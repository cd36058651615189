// The command dialogs that choose a row of another list (ability, equipment, NPC and chest display,
// sound effect), driven through their widgets to the exact line each builds, with
// their OK checks; the table of every dialog's line from the author's steps; and what every
// command dialog that reads a list does when the list is missing or cannot be read.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <cstdlib>

#include "audio/music_player.h"
#include "core/media/effect_animation.h"
#include "core/media/narration_list.h"
#include "core/media/talk_list.h"
#include "core/rules/enemy_units.h"
#include "core/rules/items.h"
#include "core/rules/magic.h"
#include "core/rules/treasure_list.h"
#include "core/settings/game_settings.h"
#include "core/world/npc_list.h"
#include "core/world/scene.h"
#include "support/core/full_project.h"
#include "support/core/item_makers.h"
#include "support/core/media_makers.h"
#include "support/core/scene_makers.h"
#include "support/core/village_makers.h"
#include "support/qt/command_dialog_driver.h"
#include "editors/events/shared_command_dialogs.h"
#include "widgets/audio_glue.h"

namespace lw {
namespace {

using test::ItemListOfKinds;

class ListCommandDialogsTest : public test::CommandDialogTest {};

using Kind = EventCommandKind;

// ---- ability ------------------------------------------------------------------------------------

TEST_F(ListCommandDialogsTest, AbilityUpRangesTheAmountByTheMaximumAbilityOfTheSettings) {
    // The amount's limit as the dialog offers it.
    auto limit = [&] {
        int max = -1;
        Run(Kind::AbilityUp, [&](QDialog* d) {
            max = Spin(d, "上昇値")->maximum();
            EXPECT_EQ(Spin(d, "上昇値")->minimum(), -max);
            Cancel(d);
        });
        return max;
    };
    EXPECT_EQ(limit(), GameSettings{}.abilityMax);  // no setting.txt: the game's default
    GameSettings settings;
    settings.abilityMax = -3;
    tp.WriteData(kSettingFile, GameSettingsBytes(settings));
    EXPECT_EQ(limit(), 0);  // a negative maximum gives 0..0, not an inverted range
    settings.abilityMax = 500;
    tp.WriteData(kSettingFile, GameSettingsBytes(settings));
    context.settings.abilityMax = 77;  // what the shared settings held before: the file counts

    EXPECT_EQ(Run(Kind::AbilityUp,
                  [&](QDialog* d) {
                      EXPECT_EQ(d->windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(能力値ｱｯﾌﾟ)"));
                      EXPECT_EQ(Items(Combo(d, "能力")), (QStringList{"敏捷度", "回避力", "攻撃力", "肉体防御力", "魔力",
                                                                       "魔法防御力", "最大生命点", "最大精神点"}));
                      EXPECT_EQ(Combo(d, "能力")->currentIndex(), -1);
                      EXPECT_EQ(Spin(d, "上昇値")->maximum(), 500);
                      EXPECT_EQ(Spin(d, "上昇値")->value(), 0);
                      EXPECT_EQ(OkWarning(d), QStringLiteral("能力を選択してください"));
                      Choose(Combo(d, "能力"), 6);
                      Type(Spin(d, "上昇値"), "-900");  // beyond -500: taken as -500
                      Ok(d);
                  }),
              "ability 6 -500");
    EXPECT_EQ(context.settings.abilityMax, 77);
    EXPECT_EQ(Run(Kind::AbilityUp,
                  [&](QDialog* d) {
                      Choose(Combo(d, "能力"), 0);
                      QTest::keyClick(Spin(d, "上昇値"), Qt::Key_Up);
                      Ok(d);
                  }),
              "ability 0 1");
}

// ---- equipment ----------------------------------------------------------------------------------

TEST_F(ListCommandDialogsTest, EquipOffersTheItemsOfTheChosenKindAndWritesTheirListPosition) {
    tp.WriteData(kItemFile, ItemListOfKinds({1, 0, 5, 1, 0, 1}));  // helmets at 0, 3 and 5
    EXPECT_EQ(Run(Kind::Equip,
                  [&](QDialog* d) {
                      EXPECT_EQ(d->windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(装備の設定・解除)"));
                      QComboBox* kind = Combo(d, "装備の種別");
                      QComboBox* item = Combo(d, "装備するｱｲﾃﾑ");
                      EXPECT_EQ(Items(kind), (QStringList{"武器", "兜", "鎧", "盾", "その他"}));
                      EXPECT_EQ(kind->currentIndex(), -1);
                      EXPECT_EQ(item->count(), 0);
                      Choose(kind, 1);
                      EXPECT_EQ(Items(item), (QStringList{"なし", "i0", "i3", "i5"}));
                      EXPECT_EQ(item->currentIndex(), 0);
                      Choose(item, 3);
                      // Another kind refills the list and goes back to "なし".
                      Choose(kind, 0);
                      EXPECT_EQ(Items(item), (QStringList{"なし", "i1", "i4"}));
                      EXPECT_EQ(item->currentIndex(), 0);
                      Choose(kind, 1);
                      Choose(item, 2);
                      Ok(d);
                  }),
              "equip 1 item3");
}

// ---- NPC and chest display ----------------------------------------------------------------------

TEST_F(ListCommandDialogsTest, ShowNpcPreviewsTheChosenNpcWalking) {
    test::WriteBytes(ImageFilePath(tp.project, "villager.bmp"), test::VillagerSheetBmp(0x3060C0));
    std::vector<Npc> npcs(2, NewNpc());
    npcs[0].displayName = "guard";
    npcs[0].spriteFile = "missing.bmp";
    npcs[1].displayName = "\x91\xba\x90\x6c";  // "村人"
    npcs[1].spriteFile = "villager.bmp";
    npcs[1].regionWidth = 96;  // 3 x 4 frames of 32 x 48
    npcs[1].regionHeight = 192;
    npcs[1].facing = 2;
    npcs[1].facingRow = {0, 1, 2, 3};
    npcs[1].frameOrder = {0, 1, 2, 1};
    tp.WriteData(kNpcFile, NpcListBytes(npcs));

    ImageView& view = imageView();
    EXPECT_EQ(Run(Kind::ShowNpc,
                  [&](QDialog* d) {
                      EXPECT_EQ(d->windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(NPCの表示・非表示)"));
                      QComboBox* npc = Combo(d, "NPC番号");
                      QAbstractButton* show = Button(d, "画像表示");
                      EXPECT_EQ(Items(npc), (QStringList{"guard", "村人"}));
                      EXPECT_EQ(npc->currentIndex(), -1);
                      EXPECT_TRUE(Button(d, "表示")->isChecked());
                      EXPECT_TRUE(show->isChecked());
                      EXPECT_TRUE(view.IsOpen());
                      EXPECT_EQ(view.state().mode, ViewMode::NpcAnimation);
                      EXPECT_FALSE(view.IsShown());  // nothing chosen yet
                      Click(show);
                      Choose(npc, 1);
                      EXPECT_FALSE(view.IsShown());  // "画像表示" unchecked
                      Click(show);
                      EXPECT_TRUE(view.IsShown());
                      EXPECT_TRUE(view.IsAnimating());
                      EXPECT_EQ(view.state().main.width, 32);  // one frame
                      EXPECT_EQ(view.state().main.height, 48);
                      EXPECT_EQ(view.state().animation.frames[3].column, 1);
                      EXPECT_EQ(view.state().animation.frames[3].row, 2);  // facing right
                      EXPECT_EQ(view.animationPeriod(), 20 * 30);          // a new NPC's speed of 20
                      // The frame shown is the sheet's frame: the villager drawn, not an empty picture.
                      EXPECT_FALSE(view.ComposeFrame().isNull());
                      // An NPC whose picture does not load hides the preview.
                      Choose(npc, 0);
                      EXPECT_FALSE(view.IsShown());
                      Choose(npc, 1);
                      EXPECT_TRUE(view.IsShown());
                      Click(show);
                      EXPECT_FALSE(view.IsShown());
                      Press(d, "非表示");
                      Ok(d);
                  }),
              "show_npc 1 0");
    EXPECT_FALSE(view.IsOpen());
    EXPECT_EQ(view.state().mode, ViewMode::None);
}

TEST_F(ListCommandDialogsTest, ShowTreasureListsEachChestWhereItStands) {
    Scene three = test::MakeRichScene();  // lists chests 1 and 9
    tp.WriteData("scene3.txt", SceneBytes(three));
    Scene zero;
    zero.treasureIndices = {2, 1};
    tp.WriteData("scene0.txt", SceneBytes(zero));
    std::vector<TreasureChest> chests(3, NewTreasureChest());
    chests[0].x = 5, chests[0].y = 6;
    chests[1].x = 7, chests[1].y = 8;
    chests[2].x = 9, chests[2].y = 10;
    tp.WriteData(kTreasureFile, TreasureListBytes(chests));

    EXPECT_EQ(Run(Kind::ShowTreasure,
                  [&](QDialog* d) {
                      EXPECT_EQ(d->windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(NPCの表示・非表示)"));
                      EXPECT_TRUE(d->findChildren<QCheckBox*>().isEmpty());  // no preview
                      EXPECT_FALSE(imageView().IsOpen());
                      // The first scene file (by name) listing a chest is where it stands.
                      EXPECT_EQ(Items(Combo(d, "宝箱番号")),
                                (QStringList{"-1 5 6", "0 7 8 — 0 (7, 8)", "0 9 10 — 0 (9, 10)"}));
                      Choose(Combo(d, "宝箱番号"), 2);
                      Ok(d);
                  }),
              "show_tre 2 1");
}

// ---- sound effect -------------------------------------------------------------------------------

TEST_F(ListCommandDialogsTest, PlaySoundChoosesASoundAndWhenItPlays) {
    if (!std::getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);
    MusicPlayer player(AudioMessagesTo(services));
    ASSERT_TRUE(player.Initialise());
    context.player = &player;
    test::WriteBytes(AudioFilePath(tp.project, "door.wav"), test::MakeWav({{2000, 3000}}));
    test::WriteBytes(AudioFilePath(tp.project, "bell.wav"), test::MakeWav({{2000, 3000}}));
    tp.WriteData("wave_list.txt",
                 "<wave_number>\r\n2\r\n</wave_number>\r\n<wave_data>\r\ndoor.wav\r\nbell.wav\r\n</wave_data>");

    // "再生" plays each sound chosen; OK stops it.
    EXPECT_EQ(Run(Kind::PlaySound,
                  [&](QDialog* d) {
                      QComboBox* sound = Combo(d, "効果音");
                      Choose(sound, 2);
                      EXPECT_FALSE(player.SoundPlaying());
                      Press(d, "再生");
                      EXPECT_TRUE(player.SoundPlaying());
                      Choose(sound, 1);
                      EXPECT_TRUE(player.SoundPlaying());
                      EXPECT_EQ(player.SoundSlotFile(0), AudioFilePath(tp.project, "door.wav"));
                      Choose(sound, 0);  // "なし" stops
                      EXPECT_FALSE(player.SoundPlaying());
                      Choose(sound, 2);
                      Press(d, "ｲﾍﾞﾝﾄ前");
                      EXPECT_TRUE(player.SoundPlaying());
                      Ok(d);
                  }),
              "wave 1 0");
    EXPECT_FALSE(player.SoundPlaying());
    // Cancel stops it too and builds nothing.
    EXPECT_EQ(Run(Kind::PlaySound,
                  [&](QDialog* d) {
                      Press(d, "再生");
                      Choose(Combo(d, "効果音"), 1);
                      Press(d, "ﾌｪｰﾄﾞ");
                      EXPECT_TRUE(player.SoundPlaying());
                      Cancel(d);
                  }),
              std::nullopt);
    EXPECT_FALSE(player.SoundPlaying());
    EXPECT_TRUE(services.messages.empty());
    player.Shutdown();
    context.player = nullptr;

    // No list: only "なし".
    std::filesystem::remove(DataFilePath(tp.project, "wave_list.txt"));
    Run(Kind::PlaySound, [&](QDialog* d) {
        EXPECT_EQ(Items(Combo(d, "効果音")), (QStringList{"なし"}));
        Cancel(d);
    });
}

// ---- every dialog's line from what the author chose --------------------------------------------

// The author's steps (Author: a drop-down's position, a typed text or a button pressed), then OK:
// the line built, or the warning of a refused OK (the dialog then cancelled); and the caption, the
// entries a drop-down offers as the dialog opens, and what a control shows after the steps.
struct AuthoredLine {
    EventCommandKind kind;
    std::vector<std::pair<const char*, QString>> steps;
    std::string line;
    const char* warning = nullptr;
    const char* caption = nullptr;                     // not checked when null
    std::pair<const char*, QStringList> offered = {};  // drop-down name, its entries; unchecked when unnamed
    std::pair<const char*, QString> shown = {};        // control name, its text; unchecked when unnamed
    // A dialog shared with the text-list editor run in its talk mode, instead of `kind`'s.
    std::optional<std::string> (*talk)(EditorContext&) = nullptr;
    bool withoutLists = false;  // run on a project that has none of the lists
};

void PrintTo(const AuthoredLine& c, std::ostream* os) { *os << (c.warning ? c.warning : c.line); }

std::optional<std::string> TalkBgm(EditorContext& c) {
    return RunAudioCommand(c, AudioList::Bgm, CommandDialogMode::Talk, nullptr);
}

class AuthoredLineTest : public test::CommandDialogTest, public ::testing::WithParamInterface<AuthoredLine> {};

TEST_P(AuthoredLineTest, OkBuildsTheLineOfTheChoicesOrRefusesWhatIsMissing) {
    const AuthoredLine& c = GetParam();
    if (!c.withoutLists) test::WriteFullProject(tp);  // one or two rows in every list: item 0 a herb, item 1 a sword
    const auto name = [](const char* utf8) { return QString::fromUtf8(utf8); };
    const std::function open = c.talk ? std::function([&] { return c.talk(context); }) : [&] { return Run(c.kind); };
    EXPECT_EQ(Run(open,
                  [&](QDialog* d) {
                      if (c.caption) EXPECT_EQ(d->windowTitle(), name(c.caption));
                      if (c.offered.first) EXPECT_EQ(Items(Combo(d, name(c.offered.first))), c.offered.second);
                      for (const auto& [step, value] : c.steps) Author(d, name(step), value);
                      if (c.shown.first) EXPECT_EQ(Shown(d, name(c.shown.first)), c.shown.second);
                      if (!c.warning) return Ok(d);
                      EXPECT_EQ(OkWarning(d), name(c.warning));
                      Cancel(d);
                  })
                  .value_or(""),
              c.line);
    EXPECT_EQ(services.messages.size(), c.warning ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    EveryDialog, AuthoredLineTest,
    ::testing::Values(
        AuthoredLine{Kind::ConditionalBranch, {}, "", "ﾌﾗｸﾞ番号を選択してください"},
        AuthoredLine{Kind::ConditionalBranch, {{"ｲﾍﾞﾝﾄﾌﾗｸﾞ", "2"}}, "", "不等号を選択してください"},
        AuthoredLine{Kind::ConditionalBranch, {{"ｲﾍﾞﾝﾄﾌﾗｸﾞ", "2"}, {"不等号", "1"}}, "? flag2 != 0"},
        AuthoredLine{Kind::SetFlag, {{"ｲﾍﾞﾝﾄﾌﾗｸﾞ", "0"}}, "", "符号を選択してください"},
        AuthoredLine{Kind::SetFlag, {{"ｲﾍﾞﾝﾄﾌﾗｸﾞ", "0"}, {"符号", "1"}, {"数値", "5"}}, "flag0 + 5", nullptr,
                     "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ﾌﾗｸﾞに数値を設定)"},
        AuthoredLine{Kind::SetFlag, {{"ｲﾍﾞﾝﾄﾌﾗｸﾞ", "0"}, {"符号", "0"}, {"数値", "5"}}, "flag0 = 5"},
        AuthoredLine{Kind::SetFlag, {{"ｲﾍﾞﾝﾄﾌﾗｸﾞ", "0"}, {"符号", "2"}}, "flag0 - 0"},  // empty is 0
        AuthoredLine{Kind::SetFlag, {{"ｲﾍﾞﾝﾄﾌﾗｸﾞ", "0"}, {"符号", "0"}, {"数値", "999999999"}}, "flag0 = 999999999"},
        // Every item offered with its kind.
        AuthoredLine{.kind = Kind::ItemCountToFlag, .steps = {{"ｲﾍﾞﾝﾄﾌﾗｸﾞ", "7"}}, .warning = "ｱｲﾃﾑを選択してください",
                     .caption = "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｱｲﾃﾑ所持数をﾌﾗｸﾞに設定)", .offered = {"ｱｲﾃﾑ", {"herb (回復系消耗品)", "sword (兜)"}}},
        AuthoredLine{Kind::ItemCountToFlag, {{"ｲﾍﾞﾝﾄﾌﾗｸﾞ", "7"}, {"ｱｲﾃﾑ", "1"}}, "num_item flag7 item1"},
        AuthoredLine{Kind::LevelToFlag, {{"ｲﾍﾞﾝﾄﾌﾗｸﾞ", "6"}}, "num_level flag6"},
        AuthoredLine{Kind::MoneyToFlag, {}, "", "ﾌﾗｸﾞ番号を選択してください"},
        AuthoredLine{Kind::MoneyToFlag, {{"ｲﾍﾞﾝﾄﾌﾗｸﾞ", "4095"}}, "num_money flag4095", nullptr, "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(所持金額を設定)"},
        AuthoredLine{Kind::AddRemoveItems, {}, "", "ｱｲﾃﾑを選択してください"},
        AuthoredLine{Kind::AddRemoveItems, {{"ｱｲﾃﾑ", "1"}}, "", "符号を選択してください"},
        AuthoredLine{Kind::AddRemoveItems, {{"ｱｲﾃﾑ", "1"}, {"+ (加算)", ""}, {"個数", "2"}}, "item1 2 0"},
        // Removing two by sale.
        AuthoredLine{Kind::AddRemoveItems, {{"ｱｲﾃﾑ", "1"}, {"- (減算)", ""}, {"個数", "2"}, {"売買", ""}}, "item1 -2 1",
                     nullptr, "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｱｲﾃﾑの追加/削除)"},
        // A typed count beyond 1024 is taken as 1024.
        AuthoredLine{Kind::AddRemoveItems, {{"ｱｲﾃﾑ", "0"}, {"- (減算)", ""}, {"個数", "5000"}}, "item0 -1024 0"},
        AuthoredLine{Kind::Equip, {}, "", "装備の種別を選択してください"},
        AuthoredLine{Kind::Equip, {{"装備の種別", "1"}, {"装備するｱｲﾃﾑ", "1"}}, "equip 1 item1"},
        AuthoredLine{Kind::Equip, {{"装備の種別", "4"}}, "equip 4 item-1"},  // "なし" takes it off
        // Without an item list: nothing to offer but "なし"; the item command cannot be confirmed.
        AuthoredLine{.kind = Kind::Equip, .steps = {{"装備の種別", "2"}}, .line = "equip 2 item-1",
                     .shown = {"装備するｱｲﾃﾑ", "なし"}, .withoutLists = true},
        AuthoredLine{.kind = Kind::AddRemoveItems, .steps = {{"+ (加算)", ""}}, .warning = "ｱｲﾃﾑを選択してください",
                     .offered = {"ｱｲﾃﾑ", {}}, .withoutLists = true},
        AuthoredLine{Kind::MagicLearnFlag, {}, "", "魔法を選択してください"},
        AuthoredLine{Kind::MagicLearnFlag, {{"魔法", "0"}}, "magic_flag 0 1"},
        AuthoredLine{Kind::MagicLearnFlag, {{"魔法", "0"}, {"不可", ""}}, "magic_flag 0 0", nullptr, "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(魔法修得可能ﾌﾗｸﾞ)"},
        AuthoredLine{Kind::ShowNpc, {}, "", "NPC番号を選択してください"},
        AuthoredLine{Kind::ShowNpc, {{"NPC番号", "0"}}, "show_npc 0 1"},
        AuthoredLine{Kind::ShowTreasure, {}, "", "宝箱番号を選択してください"},
        AuthoredLine{Kind::ShowTreasure, {{"宝箱番号", "0"}, {"非表示", ""}}, "show_tre 0 0"},
        // "なし" after the event unless the author chooses otherwise.
        AuthoredLine{.kind = Kind::PlaySound, .line = "wave -1 1", .caption = "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(効果音再生)",
                     .offered = {"効果音", {"なし", "open.wav", "hit.wav"}}, .shown = {"効果音", "なし"}},
        AuthoredLine{Kind::PlaySound, {{"効果音", "1"}, {"ﾌｪｰﾄﾞ", ""}}, "wave 0 2"},
        AuthoredLine{.kind = Kind::PlayBgm, .line = "midi -1", .caption = "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(BGM再生)",
                     .offered = {"BGM", {"なし", "town.mid", "field.mid"}}, .shown = {"BGM", "なし"}},
        AuthoredLine{Kind::PlayBgm, {{"BGM", "2"}}, "midi 1"},
        AuthoredLine{.steps = {{"BGM", "2"}}, .line = "<midi 1>", .caption = "会話ｺﾏﾝﾄﾞ(BGM再生)", .talk = TalkBgm},
        AuthoredLine{Kind::TalkFace, {}, "face -1"},  // nothing chosen
        AuthoredLine{Kind::TalkFace, {{"顔画像", "1"}}, "face 0"},
        AuthoredLine{Kind::ExperienceUp, {{"上昇値", "-12345678"}}, "exp -999999"},  // -999999..999999
        // The group's field written once a group is chosen, the count's once it is above 1.
        AuthoredLine{Kind::Earthquake, {{"速度", "10"}, {"地震後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ", "2"}}, "quake 10 5 0 1 1"},
        AuthoredLine{Kind::Earthquake, {{"回数", "2"}}, "quake 3 5 0 2"},
        // Each group offered with its explanation beside its number, the chosen one's shown apart.
        AuthoredLine{.kind = Kind::ShowTalk, .line = "message -1", .caption = "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話表示)",
                     .offered = {"会話内容のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ", {"なし", "0 — door", "1 — 宝箱", "2"}},
                     .shown = {"会話内容のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ", "なし"}},
        AuthoredLine{.kind = Kind::ShowTalk, .steps = {{"会話内容のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ", "2"}}, .line = "message 1", .shown = {"説明", "宝箱"}},
        AuthoredLine{.kind = Kind::ShowTalk, .steps = {{"会話内容のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ", "2"}, {"会話内容のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ", "0"}},
                     .line = "message -1", .shown = {"説明", ""}},
        AuthoredLine{Kind::ShowEffect, {}, "", "ｴﾌｪｸﾄ番号を選択してください"},
        AuthoredLine{Kind::ShowEffect, {{"ｴﾌｪｸﾄ番号", "0"}, {"ｴﾌｪｸﾄ後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ", "1"}}, "effect 0 0"},
        AuthoredLine{Kind::ShowNarration, {}, "", "ﾅﾚｰｼｮﾝ番号を選択してください"},
        AuthoredLine{Kind::ShowNarration, {{"ﾅﾚｰｼｮﾝ番号", "0"}}, "nar 0"},
        AuthoredLine{Kind::TalkContent, {}, "", "会話文を選択してください"},
        AuthoredLine{Kind::TalkContent, {{"会話文", "1"}, {"あり", ""}}, "talk 1 1"},  // all choices disabled
        AuthoredLine{Kind::TalkContent, {{"会話文", "1"}}, "talk 1"},
        AuthoredLine{Kind::ChangeMoney, {{"金額", "5"}}, "", "符号を選択してください"},
        AuthoredLine{Kind::ChangeMoney, {{"+ (加算)", ""}, {"金額", "500"}}, "money 500"},
        // A short-money group writes the done group too (combo positions: 0 "なし").
        AuthoredLine{Kind::ChangeMoney, {{"- (減算)", ""}, {"金額", "30"}, {"所持金不足時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ", "2"}}, "money -30 -1 1"},
        AuthoredLine{Kind::ChangeMoney, {{"+ (加算)", ""}, {"金額", "10"}, {"終了時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ", "1"}}, "money 10 0"},
        AuthoredLine{Kind::ChangeMoney,
                     {{"- (減算)", ""}, {"金額", "10"}, {"終了時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ", "1"}, {"所持金不足時のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ", "3"}},
                     "money -10 0 2"},
        AuthoredLine{Kind::ChangeMoney, {{"+ (加算)", ""}}, "money 0"},
        AuthoredLine{Kind::ChangeMoney, {{"+ (加算)", ""}, {"金額", "12a3"}}, "money 123"},  // only digits are typed
        // Ten digits kept: the largest amount.
        AuthoredLine{Kind::ChangeMoney, {{"+ (加算)", ""}, {"金額", "99999999999"}}, "money 2147483647"}));

// ---- the lists a dialog needs -------------------------------------------------------------------

struct NeededList {
    EventCommandKind kind;
    std::string_view file;
    bool missingStops;  // a missing file stops the dialog too ("<file> がありません")
    std::string_view later = {};  // a list the dialog reads after `file`, unreadable too: not reported
};

class NeededListTest : public test::CommandDialogTest, public ::testing::WithParamInterface<NeededList> {
protected:
    // The menu position's line; no dialog may open (the watch would close it and fail).
    std::optional<std::string> RunUnopened() {
        test::OnNextModal<QDialog>([](QDialog* d) {
            ADD_FAILURE() << "a dialog opened";
            d->reject();
        });
        std::optional<std::string> line = Run(GetParam().kind);
        test::CancelPendingModalWatches();
        return line;
    }
};

TEST_P(NeededListTest, AListThatCannotBeUsedIsReportedOnceAndNoDialogOpens) {
    const QString file = QString::fromUtf8(GetParam().file.data(), static_cast<qsizetype>(GetParam().file.size()));
    if (GetParam().missingStops) {
        EXPECT_EQ(RunUnopened(), std::nullopt);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(LastWarning(), file + QStringLiteral(" がありません"));
        services.messages.clear();
    }
    MakeUnreadable(GetParam().file);
    if (!GetParam().later.empty()) MakeUnreadable(GetParam().later);
    EXPECT_EQ(RunUnopened(), std::nullopt);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.contains(file + QStringLiteral(" を読み込めません")));
    EXPECT_FALSE(imageView().IsOpen());
}

INSTANTIATE_TEST_SUITE_P(EveryCommandWithAList, NeededListTest,
                         ::testing::Values(NeededList{EventCommandKind::AbilityUp, kSettingFile, false},
                                           NeededList{EventCommandKind::Equip, kItemFile, false},
                                           NeededList{EventCommandKind::AddRemoveItems, kItemFile, false},
                                           NeededList{EventCommandKind::ItemCountToFlag, kItemFile, false},
                                           NeededList{EventCommandKind::MagicLearnFlag, kMagicFile, true},
                                           NeededList{EventCommandKind::ShowNpc, kNpcFile, true},
                                           NeededList{EventCommandKind::ShowTreasure, kTreasureFile, true},
                                           NeededList{EventCommandKind::PlaySound, "wave_list.txt", false},
                                           NeededList{EventCommandKind::Battle, kEnemyFile, false, kTalkFile},
                                           NeededList{EventCommandKind::Battle, kTalkFile, false},
                                           NeededList{EventCommandKind::ShowEffect, kEffectFile, false},
                                           NeededList{EventCommandKind::ShowNarration, kNarrationFile, false},
                                           NeededList{EventCommandKind::TalkContent, kTalkFile, false}));

}  // namespace
}  // namespace lw
