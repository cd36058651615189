// The command dialogs that choose a row of another list (ability, equipment, items, magic, NPC and
// chest display, sound effect), driven through their widgets to the exact line each builds, with
// their OK checks; and what every command dialog that reads a list does when the list is missing
// or cannot be read.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
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
#include "editors/events/shared_command_dialogs.h"
#include "editors/events/party_command_dialogs.h"
#include "editors/events/show_hide_dialog.h"
#include "support/core/item_makers.h"
#include "support/core/media_makers.h"
#include "support/core/scene_makers.h"
#include "support/core/village_makers.h"
#include "support/qt/command_dialog_driver.h"
#include "widgets/audio_glue.h"
#include "widgets/number_spin.h"

namespace lw {
namespace {

using test::ItemListOfKinds;

class ListCommandDialogsTest : public test::CommandDialogTest {};

// ---- ability ------------------------------------------------------------------------------------

TEST_F(ListCommandDialogsTest, AbilityUpRangesTheAmountByTheMaximumAbilityOfTheSettings) {
    GameSettings settings;
    settings.abilityMax = 500;
    tp.WriteData(kSettingFile, GameSettingsBytes(settings));
    context.settings.abilityMax = 77;  // what the shared settings held before: the file counts

    AbilityUpDialog d(context);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(能力値ｱｯﾌﾟ)"));
    EXPECT_EQ(Items(d.abilityChoice()), (QStringList{"敏捷度", "回避力", "攻撃力", "肉体防御力", "魔力", "魔法防御力",
                                                     "最大生命点", "最大精神点"}));
    EXPECT_EQ(d.abilityChoice()->currentIndex(), -1);
    EXPECT_EQ(d.amountField()->minimum(), -500);
    EXPECT_EQ(d.amountField()->maximum(), 500);
    EXPECT_EQ(d.amountField()->value(), 0);
    EXPECT_EQ(context.settings.abilityMax, 77);

    Click(d.okButton());  // no ability: refused, the dialog stays
    EXPECT_EQ(LastWarning(), QStringLiteral("能力を選択してください"));
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.line(), "");

    Choose(d.abilityChoice(), 6);
    Type(d.amountField(), "-900");  // beyond -500: taken as -500
    EXPECT_EQ(Confirmed(d), "ability 6 -500");
    EXPECT_EQ(d.result(), QDialog::Accepted);

    AbilityUpDialog up(context);
    up.show();
    Choose(up.abilityChoice(), 0);
    QTest::keyClick(up.amountField(), Qt::Key_Up);
    EXPECT_EQ(Confirmed(up), "ability 0 1");
}

TEST_F(ListCommandDialogsTest, AbilityUpWithoutReadableSettings) {
    {  // No setting.txt: the game's default maximum.
        AbilityUpDialog d(context);
        EXPECT_TRUE(d.opened());
        EXPECT_EQ(d.amountLimit(), GameSettings{}.abilityMax);
    }
    {  // A negative maximum gives 0..0, not an inverted range.
        GameSettings settings;
        settings.abilityMax = -3;
        tp.WriteData(kSettingFile, GameSettingsBytes(settings));
        AbilityUpDialog d(context);
        EXPECT_EQ(d.amountField()->minimum(), 0);
        EXPECT_EQ(d.amountField()->maximum(), 0);
    }
}

// ---- equipment ----------------------------------------------------------------------------------

TEST_F(ListCommandDialogsTest, EquipOffersTheItemsOfTheChosenKindAndWritesTheirListPosition) {
    tp.WriteData(kItemFile, ItemListOfKinds({1, 0, 5, 1, 0, 1}));  // helmets at 0, 3 and 5
    EquipDialog d(context);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(装備の設定・解除)"));
    EXPECT_EQ(Items(d.kindChoice()), (QStringList{"武器", "兜", "鎧", "盾", "その他"}));
    EXPECT_EQ(d.kindChoice()->currentIndex(), -1);
    EXPECT_EQ(d.itemChoice()->count(), 0);

    Click(d.okButton());
    EXPECT_EQ(LastWarning(), QStringLiteral("装備の種別を選択してください"));
    EXPECT_TRUE(d.isVisible());

    Choose(d.kindChoice(), 1);
    EXPECT_EQ(Items(d.itemChoice()), (QStringList{"なし", "i0", "i3", "i5"}));
    EXPECT_EQ(d.itemChoice()->currentIndex(), 0);
    Choose(d.itemChoice(), 3);
    EXPECT_EQ(d.chosenItem(), 5);
    // Another kind refills the list and goes back to "なし".
    Choose(d.kindChoice(), 0);
    EXPECT_EQ(Items(d.itemChoice()), (QStringList{"なし", "i1", "i4"}));
    EXPECT_EQ(d.itemChoice()->currentIndex(), 0);
    Choose(d.kindChoice(), 1);
    Choose(d.itemChoice(), 2);
    EXPECT_EQ(Confirmed(d), "equip 1 item3");
    EXPECT_EQ(d.result(), QDialog::Accepted);

    // "なし" takes the equipment of that kind off.
    EquipDialog off(context);
    off.show();
    Choose(off.kindChoice(), 4);
    EXPECT_EQ(Items(off.itemChoice()), (QStringList{"なし"}));
    EXPECT_EQ(Confirmed(off), "equip 4 item-1");
}

TEST_F(ListCommandDialogsTest, EquipAndItemsWithoutAnItemList) {
    // Missing: nothing to offer but "なし"; the item command cannot be confirmed.
    EquipDialog d(context);
    d.show();
    EXPECT_TRUE(d.opened());
    Choose(d.kindChoice(), 2);
    EXPECT_EQ(Confirmed(d), "equip 2 item-1");
    AddRemoveItemsDialog items(context);
    items.show();
    EXPECT_EQ(items.itemChoice()->count(), 0);
    ClickRadio(items.signChoice(), 0);
    Click(items.okButton());
    EXPECT_EQ(LastWarning(), QStringLiteral("ｱｲﾃﾑを選択してください"));
    EXPECT_TRUE(services.messages.size() == 1u);
}

// ---- items --------------------------------------------------------------------------------------

TEST_F(ListCommandDialogsTest, AddRemoveItemsBuildsSignCountAndTrade) {
    tp.WriteData(kItemFile, ItemListOfKinds({0, 1, 2, 3, 4, 5, 6, 7, 8}));
    AddRemoveItemsDialog d(context);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｱｲﾃﾑの追加/削除)"));
    EXPECT_EQ(d.itemChoice()->count(), 9);  // the whole list, every kind
    EXPECT_EQ(d.itemChoice()->currentIndex(), -1);
    EXPECT_EQ(Labels(d.signChoice()), (QStringList{"+ (加算)", "- (減算)"}));
    EXPECT_EQ(d.signChoice()->checkedId(), -1);
    EXPECT_EQ(d.countField()->minimum(), 0);
    EXPECT_EQ(d.countField()->maximum(), 1024);
    EXPECT_EQ(Labels(d.tradeChoice()), (QStringList{"授受", "売買"}));
    EXPECT_EQ(d.tradeChoice()->checkedId(), 0);

    // The checks in order: the item first, then the sign.
    Click(d.okButton());
    EXPECT_EQ(LastWarning(), QStringLiteral("ｱｲﾃﾑを選択してください"));
    Choose(d.itemChoice(), 7);
    Click(d.okButton());
    EXPECT_EQ(LastWarning(), QStringLiteral("符号を選択してください"));
    EXPECT_TRUE(d.isVisible());

    // Removing two of item 7 by sale.
    ClickRadio(d.signChoice(), 1);
    Type(d.countField(), "2");
    ClickRadio(d.tradeChoice(), 1);
    EXPECT_EQ(Confirmed(d), "item7 -2 1");
    EXPECT_EQ(d.result(), QDialog::Accepted);

    // Adding two as a gift; a typed count beyond 1024 is taken as 1024.
    AddRemoveItemsDialog gift(context);
    gift.show();
    Choose(gift.itemChoice(), 7);
    ClickRadio(gift.signChoice(), 0);
    Type(gift.countField(), "2");
    EXPECT_EQ(Confirmed(gift), "item7 2 0");
    AddRemoveItemsDialog many(context);
    many.show();
    Choose(many.itemChoice(), 0);
    ClickRadio(many.signChoice(), 1);
    Type(many.countField(), "5000");
    EXPECT_EQ(Confirmed(many), "item0 -1024 0");
}

// ---- magic --------------------------------------------------------------------------------------

TEST_F(ListCommandDialogsTest, MagicLearnFlagChoosesASpellOfTheMagicList) {
    std::vector<Magic> spells(3);
    spells[0].name = "fire";
    spells[1].name = "ice";
    spells[2].name = "\x89\xf1\x95\x9c";  // "回復"
    tp.WriteData(kMagicFile, MagicListBytes(spells));
    MagicLearnFlagDialog d(context);
    d.show();
    EXPECT_TRUE(d.opened());
    EXPECT_EQ(d.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(魔法修得可能ﾌﾗｸﾞ)"));
    EXPECT_EQ(Items(d.magicChoice()), (QStringList{"fire", "ice", "回復"}));
    EXPECT_EQ(d.magicChoice()->currentIndex(), -1);
    EXPECT_EQ(Labels(d.learningChoice()), (QStringList{"可", "不可"}));
    Click(d.okButton());
    EXPECT_EQ(LastWarning(), QStringLiteral("魔法を選択してください"));
    EXPECT_TRUE(d.isVisible());
    Choose(d.magicChoice(), 2);
    ClickRadio(d.learningChoice(), 1);
    EXPECT_EQ(Confirmed(d), "magic_flag 2 0");

    // Through the menu: the default "可".
    EXPECT_EQ(Run<MagicLearnFlagDialog>(EventCommandKind::MagicLearnFlag,
                                        [&](MagicLearnFlagDialog* m) {
                                            Choose(m->magicChoice(), 1);
                                            Click(m->okButton());
                                        }),
              std::optional<std::string>("magic_flag 1 1"));
    EXPECT_EQ(Run<MagicLearnFlagDialog>(EventCommandKind::MagicLearnFlag,
                                        [&](MagicLearnFlagDialog* m) {
                                            Choose(m->magicChoice(), 1);
                                            Click(m->cancelButton());
                                        }),
              std::nullopt);
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

    ShowHideDialog d(context, ShowHideTarget::Npc);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(NPCの表示・非表示)"));
    EXPECT_EQ(d.targetGroup()->title(), QStringLiteral("NPC番号"));
    EXPECT_EQ(Items(d.targetChoice()), (QStringList{"guard", "村人"}));
    EXPECT_EQ(d.targetChoice()->currentIndex(), -1);
    EXPECT_EQ(Labels(d.stateChoice()), (QStringList{"表示", "非表示"}));
    EXPECT_EQ(d.stateChoice()->checkedId(), 0);
    ASSERT_NE(d.showImageBox(), nullptr);
    EXPECT_EQ(d.showImageBox()->text(), QStringLiteral("画像表示"));
    EXPECT_TRUE(d.showImageBox()->isChecked());

    ImageView& view = *context.imageView;
    ASSERT_TRUE(view.IsOpen());
    EXPECT_EQ(view.state().mode, ViewMode::NpcAnimation);
    EXPECT_FALSE(view.IsShown());  // nothing chosen yet
    Click(d.showImageBox());
    Choose(d.targetChoice(), 1);
    EXPECT_FALSE(view.IsShown());  // "画像表示" unchecked
    Click(d.showImageBox());
    ASSERT_TRUE(view.IsShown());
    EXPECT_TRUE(view.IsAnimating());
    EXPECT_EQ(view.state().main.width, 32);  // one frame
    EXPECT_EQ(view.state().main.height, 48);
    EXPECT_EQ(view.state().animation.frames[3].column, 1);
    EXPECT_EQ(view.state().animation.frames[3].row, 2);  // facing right
    EXPECT_EQ(view.animationPeriod(), 20 * 30);          // a new NPC's speed of 20
    // The frame shown is the sheet's frame: the villager drawn, not an empty picture.
    EXPECT_FALSE(view.ComposeFrame().isNull());
    // An NPC whose picture does not load hides the preview.
    Choose(d.targetChoice(), 0);
    EXPECT_FALSE(view.IsShown());
    Choose(d.targetChoice(), 1);
    EXPECT_TRUE(view.IsShown());
    Click(d.showImageBox());
    EXPECT_FALSE(view.IsShown());

    ClickRadio(d.stateChoice(), 1);
    EXPECT_EQ(Confirmed(d), "show_npc 1 0");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(view.IsOpen());
    EXPECT_EQ(view.state().mode, ViewMode::None);

    ShowHideDialog none(context, ShowHideTarget::Npc);
    none.show();
    Click(none.okButton());
    EXPECT_EQ(LastWarning(), QStringLiteral("NPC番号を選択してください"));
    EXPECT_TRUE(none.isVisible());
    Choose(none.targetChoice(), 0);
    EXPECT_EQ(Confirmed(none), "show_npc 0 1");
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

    ShowHideDialog d(context, ShowHideTarget::Chest);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(NPCの表示・非表示)"));
    EXPECT_EQ(d.targetGroup()->title(), QStringLiteral("宝箱番号"));
    EXPECT_EQ(d.showImageBox(), nullptr);
    EXPECT_FALSE(context.imageView->IsOpen());
    // The first scene file (by name) listing a chest is where it stands.
    EXPECT_EQ(Items(d.targetChoice()), (QStringList{"-1 5 6", "0 7 8 — 0 (7, 8)", "0 9 10 — 0 (9, 10)"}));
    Click(d.okButton());
    EXPECT_EQ(LastWarning(), QStringLiteral("宝箱番号を選択してください"));
    Choose(d.targetChoice(), 2);
    EXPECT_EQ(Confirmed(d), "show_tre 2 1");

    EXPECT_EQ(Run<ShowHideDialog>(EventCommandKind::ShowTreasure,
                                  [&](ShowHideDialog* s) {
                                      Choose(s->targetChoice(), 1);
                                      ClickRadio(s->stateChoice(), 1);
                                      Click(s->okButton());
                                  }),
              std::optional<std::string>("show_tre 1 0"));
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

    {
        AudioCommandDialog d(context, AudioList::Sound, CommandDialogMode::Event);
        d.show();
        EXPECT_EQ(d.windowTitle(), QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(効果音再生)"));
        EXPECT_EQ(Items(d.choice()), (QStringList{"なし", "door.wav", "bell.wav"}));
        EXPECT_EQ(d.choice()->currentIndex(), 0);
        EXPECT_FALSE(d.playBox()->isChecked());
        EXPECT_EQ(Labels(d.timingChoice()), (QStringList{"ｲﾍﾞﾝﾄ前", "ｲﾍﾞﾝﾄ後", "ﾌｪｰﾄﾞ"}));
        EXPECT_EQ(d.timingChoice()->checkedId(), 1);
        Click(d.okButton());  // "なし" after the event
        EXPECT_EQ(d.line(), "wave -1 1");
    }
    {  // "再生" plays each sound chosen; OK stops it.
        AudioCommandDialog d(context, AudioList::Sound, CommandDialogMode::Event);
        d.show();
        Choose(d.choice(), 2);
        EXPECT_FALSE(player.SoundPlaying());
        Click(d.playBox());
        EXPECT_TRUE(player.SoundPlaying());
        Choose(d.choice(), 1);
        EXPECT_TRUE(player.SoundPlaying());
        EXPECT_EQ(player.SoundSlotFile(0), AudioFilePath(tp.project, "door.wav"));
        Choose(d.choice(), 0);  // "なし" stops
        EXPECT_FALSE(player.SoundPlaying());
        Choose(d.choice(), 2);
        ClickRadio(d.timingChoice(), 0);
        EXPECT_TRUE(player.SoundPlaying());
        Click(d.okButton());
        EXPECT_FALSE(player.SoundPlaying());
        EXPECT_EQ(d.line(), "wave 1 0");
    }
    {  // Cancel stops it too and builds nothing.
        AudioCommandDialog d(context, AudioList::Sound, CommandDialogMode::Event);
        d.show();
        Click(d.playBox());
        Choose(d.choice(), 1);
        ClickRadio(d.timingChoice(), 2);
        EXPECT_TRUE(player.SoundPlaying());
        Click(d.cancelButton());
        EXPECT_FALSE(player.SoundPlaying());
        EXPECT_EQ(d.line(), "");
    }
    EXPECT_EQ(Run<AudioCommandDialog>(EventCommandKind::PlaySound,
                                   [&](AudioCommandDialog* s) {
                                       Choose(s->choice(), 1);
                                       ClickRadio(s->timingChoice(), 2);
                                       Click(s->okButton());
                                   }),
              std::optional<std::string>("wave 0 2"));
    EXPECT_TRUE(services.messages.empty());
    player.Shutdown();
    context.player = nullptr;

    // No list: only "なし".
    std::filesystem::remove(DataFilePath(tp.project, "wave_list.txt"));
    AudioCommandDialog none(context, AudioList::Sound, CommandDialogMode::Event);
    EXPECT_EQ(Items(none.choice()), (QStringList{"なし"}));
}

// ---- the lists a dialog needs -------------------------------------------------------------------

struct NeededList {
    EventCommandKind kind;
    std::string_view file;
    bool missingStops;  // a missing file stops the dialog too ("<file> がありません")
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
    EXPECT_EQ(RunUnopened(), std::nullopt);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.contains(file + QStringLiteral(" を読み込めません")));
    EXPECT_FALSE(imageView().IsOpen());
}

TEST_F(ListCommandDialogsTest, OnlyTheFirstListThatCannotBeUsedIsReported) {
    MakeUnreadable(kEnemyFile);
    MakeUnreadable(kTalkFile);
    EXPECT_EQ(Run(EventCommandKind::Battle), std::nullopt);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.contains(QStringLiteral("enemy_list.txt")));
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
                                           NeededList{EventCommandKind::Battle, kEnemyFile, false},
                                           NeededList{EventCommandKind::Battle, kTalkFile, false},
                                           NeededList{EventCommandKind::ShowEffect, kEffectFile, false},
                                           NeededList{EventCommandKind::ShowNarration, kNarrationFile, false},
                                           NeededList{EventCommandKind::TalkContent, kTalkFile, false}));

}  // namespace
}  // namespace lw
