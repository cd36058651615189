#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/check/line_references.h"
#include "core/events/event_commands.h"

namespace lw {
namespace {

using K = EventCommandKind;

// "なし", "はい", "いいえ", "あ" in CP932.
const std::string kNone = "\x82\xC8\x82\xB5";
const std::string kYes = "\x82\xCD\x82\xA2";
const std::string kNo = "\x82\xA2\x82\xA2\x82\xA6";
const std::string kA = "\x82\xA0";

struct Case {
    std::string name;
    std::string built;
    std::string expected;
    EventCommandKind kind;
};

TalkContentCommand Talk(int text, bool money) { return TalkContentCommand{.text = text, .showMoney = money}; }

TalkChoice Choice(int group, std::string text) { return TalkChoice{false, group, std::move(text)}; }

std::vector<Case> Cases() {
    std::vector<Case> c;
    auto add = [&c](std::string name, std::string built, std::string expected, K kind) {
        c.push_back({std::move(name), std::move(built), std::move(expected), kind});
    };

    // Conditional branch: every comparison in dialog order.
    add("BranchAtLeast", BuildConditionalBranch(12, FlagComparison::GreaterOrEqual, 3), "? flag12 >= 3", K::ConditionalBranch);
    add("BranchEqual", BuildConditionalBranch(0, FlagComparison::Equal, 0), "? flag0 == 0", K::ConditionalBranch);
    add("BranchNotEqual", BuildConditionalBranch(4095, FlagComparison::NotEqual, 7), "? flag4095 != 7", K::ConditionalBranch);
    add("BranchLess", BuildConditionalBranch(1, FlagComparison::Less, 2), "? flag1 < 2", K::ConditionalBranch);
    add("BranchGreater", BuildConditionalBranch(1, FlagComparison::Greater, 2), "? flag1 > 2", K::ConditionalBranch);
    add("BranchAtMost", BuildConditionalBranch(1, FlagComparison::LessOrEqual, 2), "? flag1 <= 2", K::ConditionalBranch);

    add("AbilityDown", BuildAbilityUp(Ability::MaxMindPoints, -50), "ability 7 -50", K::AbilityUp);
    add("AbilityUp", BuildAbilityUp(Ability::Agility, 3), "ability 0 3", K::AbilityUp);

    // Battle: no background leaves the blank after the group field.
    add("BattleNoBackground", BuildBattle({2, 0, 1, 20, true, 3, ""}), "battle 2 0 1 20 1 3 ", K::Battle);
    add("BattleNothingChosen", BuildBattle({-1, -1, -1, 1, false, -1, "castle.bmp"}),
        "battle -1 -1 -1 1 0 -1 castle.bmp", K::Battle);

    add("EffectNoGroup", BuildShowEffect(5, kNoEventGroup), "effect 5", K::ShowEffect);
    add("EffectGroupZero", BuildShowEffect(5, 0), "effect 5 0", K::ShowEffect);

    add("EquipRemove", BuildEquip(EquipmentKind::Helmet, -1), "equip 1 item-1", K::Equip);
    add("EquipItem", BuildEquip(EquipmentKind::Other, 12), "equip 4 item12", K::Equip);

    add("ExperienceDown", BuildExperienceUp(-999999), "exp -999999", K::ExperienceUp);
    add("FaceNone", BuildTalkFace(-1), "face -1", K::TalkFace);
    add("Face", BuildTalkFace(3), "face 3", K::TalkFace);

    add("FlagAdd", BuildSetFlag(0, FlagOperation::Add, 5), "flag0 + 5", K::SetFlag);
    add("FlagAssign", BuildSetFlag(0, FlagOperation::Assign, 5), "flag0 = 5", K::SetFlag);
    add("FlagSubtract", BuildSetFlag(4095, FlagOperation::Subtract, 10), "flag4095 - 10", K::SetFlag);

    // Items: the direction is glued to the count, the count never carries a sign of its own.
    add("ItemRemoveBySale", BuildAddRemoveItems(7, AmountSign::Minus, 2, ItemTrade::BuyAndSell), "item7 -2 1", K::AddRemoveItems);
    add("ItemAddAsGift", BuildAddRemoveItems(7, AmountSign::Plus, 2, ItemTrade::GiveAndReceive), "item7 2 0", K::AddRemoveItems);
    add("ItemRemoveAsGift", BuildAddRemoveItems(4, AmountSign::Minus, 3, ItemTrade::GiveAndReceive), "item4 -3 0", K::AddRemoveItems);
    add("ItemNegativeCountAdded", BuildAddRemoveItems(4, AmountSign::Plus, -3, ItemTrade::GiveAndReceive), "item4 3 0", K::AddRemoveItems);
    add("ItemNegativeCountRemoved", BuildAddRemoveItems(4, AmountSign::Minus, -3, ItemTrade::GiveAndReceive), "item4 -3 0", K::AddRemoveItems);
    add("ItemRemoveNone", BuildAddRemoveItems(0, AmountSign::Minus, 0, ItemTrade::GiveAndReceive), "item0 -0 0", K::AddRemoveItems);

    add("MagicMayLearn", BuildMagicLearnFlag(3, true), "magic_flag 3 1", K::MagicLearnFlag);
    add("MagicMayNotLearn", BuildMagicLearnFlag(0, false), "magic_flag 0 0", K::MagicLearnFlag);
    add("TalkGroupNone", BuildShowTalk(-1), "message -1", K::ShowTalk);
    add("TalkGroup", BuildShowTalk(4), "message 4", K::ShowTalk);
    add("BgmNone", BuildPlayBgm(-1), "midi -1", K::PlayBgm);
    add("Bgm", BuildPlayBgm(12), "midi 12", K::PlayBgm);

    // Money: the three forms.
    add("MoneyAdd", BuildChangeMoney(AmountSign::Plus, 500, -1, -1), "money 500", K::ChangeMoney);
    add("MoneyRemove", BuildChangeMoney(AmountSign::Minus, 500, -1, -1), "money -500", K::ChangeMoney);
    add("MoneyDoneGroupOnly", BuildChangeMoney(AmountSign::Minus, 500, 2, -1), "money -500 2", K::ChangeMoney);
    add("MoneyShortGroupOnly", BuildChangeMoney(AmountSign::Minus, 500, -1, 3), "money -500 -1 3", K::ChangeMoney);
    add("MoneyBothGroups", BuildChangeMoney(AmountSign::Plus, 500, 2, 0), "money 500 2 0", K::ChangeMoney);
    add("MoneyNegativeAmount", BuildChangeMoney(AmountSign::Minus, -70, -1, -1), "money -70", K::ChangeMoney);

    add("NarrationNoGroup", BuildShowNarration(1, -1), "nar 1", K::ShowNarration);
    add("NarrationGroup", BuildShowNarration(1, 2), "nar 1 2", K::ShowNarration);
    add("ItemCountToFlag", BuildItemCountToFlag(5, 9), "num_item flag5 item9", K::ItemCountToFlag);
    add("LevelToFlag", BuildLevelToFlag(0), "num_level flag0", K::LevelToFlag);
    add("MoneyToFlag", BuildMoneyToFlag(4095), "num_money flag4095", K::MoneyToFlag);

    // Earthquake: three, four or five fields.
    add("QuakeDefaults", BuildEarthquake({}), "quake 3 5 0", K::Earthquake);
    add("QuakeCountTwo", BuildEarthquake({3, 5, 0, 2, -1}), "quake 3 5 0 2", K::Earthquake);
    add("QuakeGroupWithCountOne", BuildEarthquake({3, 5, 0, 1, 0}), "quake 3 5 0 1 0", K::Earthquake);
    add("QuakeExtremes", BuildEarthquake({100, -320, -240, 100, 255}), "quake 100 -320 -240 100 255", K::Earthquake);

    add("SceneNoGroup", BuildSceneChange(3, 10, 20, -1), "scene 3 10 20", K::SceneChange);
    add("SceneGroup", BuildSceneChange(0, 0, 0, 1), "scene 0 0 0 1", K::SceneChange);
    add("ShowNpc", BuildShowNpc(2, true), "show_npc 2 1", K::ShowNpc);
    add("HideNpc", BuildShowNpc(2, false), "show_npc 2 0", K::ShowNpc);
    add("ShowChest", BuildShowTreasure(0, true), "show_tre 0 1", K::ShowTreasure);
    add("HideChest", BuildShowTreasure(6, false), "show_tre 6 0", K::ShowTreasure);

    // Talk content.
    add("TalkShort", BuildTalkContent(Talk(5, false)), "talk 5", K::TalkContent);
    add("TalkShortWithMoney", BuildTalkContent(Talk(5, true)), "talk 5 1", K::TalkContent);
    {
        TalkContentCommand t = Talk(5, false);
        t.choices[0] = Choice(3, kYes);
        t.choices[1] = Choice(-1, "");
        add("TalkTwoChoicesEnabled", BuildTalkContent(t),
            "talk 5 0 2 3 -1 -1 -1 " + kYes + " " + kNone + " " + kNone + " " + kNone, K::TalkContent);
    }
    {
        // One disabled choice among three enabled: the third field counts the disabled ones. A
        // disabled choice is written as -1 and "なし" even when its fields still hold values.
        TalkContentCommand t = Talk(0, true);
        t.choices[0] = Choice(1, kYes);
        t.choices[1] = TalkChoice{true, 7, kNo};
        t.choices[2] = Choice(2, kNo);
        t.choices[3] = Choice(0, "x");
        add("TalkOneDisabled", BuildTalkContent(t),
            "talk 0 1 1 1 -1 2 0 " + kYes + " " + kNone + " " + kNo + " x", K::TalkContent);
    }

    add("SoundNone", BuildPlaySound(-1, SoundTiming::AfterEvent), "wave -1 1", K::PlaySound);
    add("SoundWithFade", BuildPlaySound(4, SoundTiming::WithFade), "wave 4 2", K::PlaySound);
    add("SoundBefore", BuildPlaySound(0, SoundTiming::BeforeEvent), "wave 0 0", K::PlaySound);

    // The ten commands without arguments.
    add("EndBranch", *BuildKeywordCommand(K::EndBranch), "!", K::EndBranch);
    add("EndEvent", *BuildKeywordCommand(K::EndEvent), "end", K::EndEvent);
    add("Exit", *BuildKeywordCommand(K::ExitGame), "exit", K::ExitGame);
    add("Fade", *BuildKeywordCommand(K::Fade), "fade", K::Fade);
    add("FadeInPc", *BuildKeywordCommand(K::FadeInPc), "fade_in_pc", K::FadeInPc);
    add("FadeOutPc", *BuildKeywordCommand(K::FadeOutPc), "fade_out_pc", K::FadeOutPc);
    add("FullRecovery", *BuildKeywordCommand(K::FullRecovery), "hp_mp_max", K::FullRecovery);
    add("ResetToStart", *BuildKeywordCommand(K::ResetToStart), "init_param", K::ResetToStart);
    add("Load", *BuildKeywordCommand(K::LoadScreen), "load", K::LoadScreen);
    add("Title", *BuildKeywordCommand(K::TitleScreen), "title", K::TitleScreen);
    return c;
}

class EventCommandText : public ::testing::TestWithParam<Case> {};

// What a command dialog builds, the project check's scan takes for the same command and finds
// nothing wrong with.
TEST_P(EventCommandText, BuildsExactLineRecognisedAsItsCommandAndScannedClean) {
    EXPECT_EQ(GetParam().built, GetParam().expected);
    EXPECT_EQ(RecognizeEventCommand(GetParam().built), GetParam().kind);
    LineScan scan;
    ScanEventLine(GetParam().built, {}, scan);
    for (const LineFinding& f : scan.findings) ADD_FAILURE() << f.message;
}

INSTANTIATE_TEST_SUITE_P(Table, EventCommandText, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(EventCommands, TableCoversEveryCommandAndOnlyKeywordCommandsBuildWithoutDialog) {
    std::set<EventCommandKind> covered;
    for (const Case& c : Cases()) covered.insert(c.kind);
    EXPECT_EQ(covered.size(), static_cast<std::size_t>(kEventCommandCount));

    int keywordOnly = 0;
    std::set<std::string_view> labels, keywords;
    for (int i = 0; i < kEventCommandCount; ++i) {
        const auto kind = static_cast<EventCommandKind>(i);
        if (BuildKeywordCommand(kind)) ++keywordOnly;
        labels.insert(EventCommandMenuLabel(kind));
        keywords.insert(EventCommandKeyword(kind));
    }
    EXPECT_EQ(keywordOnly, 10);
    EXPECT_EQ(BuildKeywordCommand(K::SetFlag), std::nullopt);
    EXPECT_EQ(labels.size(), static_cast<std::size_t>(kEventCommandCount));
    EXPECT_EQ(keywords.size(), static_cast<std::size_t>(kEventCommandCount));
    EXPECT_EQ(EventCommandMenuLabel(K::ConditionalBranch), "条件分岐");
    EXPECT_EQ(EventCommandMenuLabel(K::PlaySound), "効果音再生");
    EXPECT_EQ(EventCommandMenuLabel(static_cast<EventCommandKind>(kEventCommandCount)), "");
}

TEST(EventCommands, RecognitionLooksAtTheKeywordOnly) {
    // A leading blank is no keyword, keywords are lower case and whole, and a prefix needs its number.
    for (const char* none : {"", " fade", "Fade", "fade_in", "flag = 1", "flagx = 1", "flag1x = 1", "item- 1 0",
                             "?flag1 == 2", kA.c_str()})
        EXPECT_EQ(RecognizeEventCommand(none), std::nullopt) << none;
    EXPECT_EQ(RecognizeEventCommand("item-1 2 0"), K::AddRemoveItems);
    EXPECT_EQ(RecognizeEventCommand("end"), K::EndEvent);
    EXPECT_EQ(RecognizeEventCommand("end of it"), K::EndEvent);   // arguments are not checked
    EXPECT_EQ(RecognizeEventCommand("num_item"), K::ItemCountToFlag);
}

// ---- Cuts: 64 bytes when built, 63 when stored, never inside a double-byte character ----

TEST(EventCommandCuts, LongTextsAreCutAtSixtyFourBytesNeverSplittingACharacter) {
    TalkContentCommand t = Talk(1, false);
    t.choices[0] = Choice(0, std::string(80, 'a'));
    const std::string line = BuildTalkContent(t);
    const std::string head = "talk 1 0 3 0 -1 -1 -1 ";
    ASSERT_EQ(line.size(), kEventCommandBuiltBytes);
    EXPECT_EQ(line, head + std::string(64 - head.size(), 'a'));
    EXPECT_EQ(StoredEventCommandLine(line), line.substr(0, 63));

    // "talk 1 0 3 0 -1 -1 -1 " is 22 bytes; 21 double-byte characters end at byte 64 and one more
    // single byte in front shifts the last one across the limit.
    std::string text;
    for (int i = 0; i < 30; ++i) text += kA;
    t.choices[0] = Choice(0, text);
    const std::string even = BuildTalkContent(t);
    EXPECT_EQ(even.size(), 64u);
    EXPECT_EQ(StoredEventCommandLine(even).size(), 62u);  // 63 would split the last character

    t.choices[0] = Choice(0, "b" + text);
    const std::string odd = BuildTalkContent(t);
    EXPECT_EQ(odd.size(), 63u);
    EXPECT_EQ(odd.substr(odd.size() - 2), kA);
    EXPECT_EQ(StoredEventCommandLine(odd), odd);

    // A long background name is cut the same way.
    const std::string name(100, 'n');
    const std::string battle = BuildBattle({1, 2, 3, 50, false, -1, name});
    EXPECT_EQ(battle, "battle 1 2 3 50 0 -1 " + name.substr(0, 64 - 21));
    EXPECT_EQ(StoredEventCommandLine("short line"), "short line");
}

}  // namespace
}  // namespace lw
