#pragma once
// The event command language: one builder per command of the command menu. Every builder is a pure
// function of the values its dialog collects and returns the command line as CP932 bytes, cut to
// kEventCommandBuiltBytes at a character boundary. A group stores each line cut further, to
// kEventCommandStoredBytes (StoredEventCommandLine).
//
// Conventions shared by every command:
// - a reference to a row of another list is its 0-based position; a group reference is the group's
//   number in the same scene, kNoEventGroup (-1) meaning none;
// - fields are separated by one blank, numbers are decimal; "flag" and "item" are glued in front of
//   flag numbers and item indices; a "-" is glued in front of the amount of a removal (items, money)
//   and the amount itself is written without a sign.
//
// The talk markup reuses the music and earthquake builders: its "<midi ...>" and "<quake ...>"
// commands are BuildPlayBgm and BuildEarthquake wrapped in "<" and ">".

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lw {

// A built line holds at most 64 bytes; a stored command line at most 63.
inline constexpr std::size_t kEventCommandBuiltBytes = 64;
inline constexpr std::size_t kEventCommandStoredBytes = 63;

inline constexpr int kNoEventGroup = -1;

// The 33 commands, in the order of the command menu (the value is the menu position).
enum class EventCommandKind {
    ConditionalBranch,   // "? flag%d %s %d"
    EndBranch,           // "!"
    AbilityUp,           // "ability %d %d"
    Battle,              // "battle %d %d %d %d %d %d %s"
    ShowEffect,          // "effect %d [%d]"
    EndEvent,            // "end"
    Equip,               // "equip %d item%d"
    ExitGame,            // "exit"
    ExperienceUp,        // "exp %d"
    TalkFace,            // "face %d"
    Fade,                // "fade"
    FadeInPc,            // "fade_in_pc"
    FadeOutPc,           // "fade_out_pc"
    SetFlag,             // "flag%d %s %d"
    FullRecovery,        // "hp_mp_max"
    ResetToStart,        // "init_param"
    AddRemoveItems,      // "item%d %s%d %d"
    LoadScreen,          // "load"
    MagicLearnFlag,      // "magic_flag %d %d"
    ShowTalk,            // "message %d"
    PlayBgm,             // "midi %d"
    ChangeMoney,         // "money %s%d [%d [%d]]"
    ShowNarration,       // "nar %d [%d]"
    ItemCountToFlag,     // "num_item flag%d item%d"
    LevelToFlag,         // "num_level flag%d"
    MoneyToFlag,         // "num_money flag%d"
    Earthquake,          // "quake %d %d %d [%d [%d]]"
    SceneChange,         // "scene %d %d %d [%d]"
    ShowNpc,             // "show_npc %d %d"
    ShowTreasure,        // "show_tre %d %d"
    TalkContent,         // "talk %d [%d | %d %d %d %d %d %d %s %s %s %s]"
    TitleScreen,         // "title"
    PlaySound,           // "wave %d %d"
};
inline constexpr int kEventCommandCount = 33;

// The command menu's label (UTF-8), in menu order.
std::string_view EventCommandMenuLabel(EventCommandKind kind);

// The keyword a line of this kind starts with: "?", "!", "ability", ... For the two commands whose
// keyword is a prefix glued to a number it is that prefix: "flag" (SetFlag) and "item"
// (AddRemoveItems).
std::string_view EventCommandKeyword(EventCommandKind kind);

// The ten commands without arguments are their keyword alone; the menu inserts them without a
// dialog. nullopt for a command that takes arguments.
std::optional<std::string> BuildKeywordCommand(EventCommandKind kind);

// Which command a line is, from its first blank-separated token: an exact keyword, or "flag" / "item"
// followed by a decimal number (an optional "-" then digits). Only the keyword is looked at, not the
// arguments; nullopt for an empty line or a token the language does not know.
std::optional<EventCommandKind> RecognizeEventCommand(std::string_view line);
// The same for the line's first field alone (the text before its first blank).
std::optional<EventCommandKind> RecognizeEventKeyword(std::string_view firstField);
// The same as the command's menu position, or -1: a plain number comes back in a register, which
// matters to a scan of a million lines.
int EventKeywordPosition(std::string_view firstField);

// The line as a group stores it: at most kEventCommandStoredBytes, cut at a character boundary.
std::string StoredEventCommandLine(std::string_view line);

// ---- Choices whose position is the written value (labels are UTF-8, in dialog order) ----

// Comparison of a conditional branch, in the order the dialog offers "＝", "≠", "＜", "＞", "≦", "≧".
enum class FlagComparison { Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual };
inline constexpr int kFlagComparisonCount = 6;
std::string_view FlagComparisonLabel(FlagComparison c);     // "＝" ...
std::string_view FlagComparisonOperator(FlagComparison c);  // "==" ...

// Operation of "set a number to a flag": "= (代入)", "+ (加算)", "- (減算)".
enum class FlagOperation { Assign, Add, Subtract };
inline constexpr int kFlagOperationCount = 3;
std::string_view FlagOperationLabel(FlagOperation op);
std::string_view FlagOperationOperator(FlagOperation op);  // "=", "+", "-"

// Direction of the item and money commands: "+ (加算)" or "- (減算)".
enum class AmountSign { Plus, Minus };
std::string_view AmountSignLabel(AmountSign sign);

// The eight abilities, written as their position.
enum class Ability {
    Agility, Evasion, Attack, PhysicalDefence, MagicPower, MagicDefence, MaxLifePoints, MaxMindPoints,
};
inline constexpr int kAbilityCount = 8;
std::string_view AbilityLabel(Ability a);  // "敏捷度" ...

// The five equipment kinds, written as their position.
enum class EquipmentKind { Weapon, Helmet, Armour, Shield, Other };
inline constexpr int kEquipmentKindCount = 5;
std::string_view EquipmentKindLabel(EquipmentKind k);  // "武器" ...

// How items change hands: 0 "授受" (given and received), 1 "売買" (bought and sold).
enum class ItemTrade { GiveAndReceive, BuyAndSell };
std::string_view ItemTradeLabel(ItemTrade t);

// When a sound effect plays: 0 "ｲﾍﾞﾝﾄ前", 1 "ｲﾍﾞﾝﾄ後", 2 "ﾌｪｰﾄﾞ".
enum class SoundTiming { BeforeEvent, AfterEvent, WithFade };
inline constexpr int kSoundTimingCount = 3;
std::string_view SoundTimingLabel(SoundTiming t);

// ---- Ranges the dialogs offer ----

inline constexpr int kFlagNumberMax = 4095;
inline constexpr int kTalkSpeedMin = 1, kTalkSpeedMax = 100;
inline constexpr int kItemCountMax = 1024;
inline constexpr int kExperienceLimit = 999999;  // the amount is -limit..limit
inline constexpr int kQuakeSpeedMin = 1, kQuakeSpeedMax = 100;
inline constexpr int kQuakeAmplitudeXLimit = 320;  // -320..320
inline constexpr int kQuakeAmplitudeYLimit = 240;  // -240..240
inline constexpr int kQuakeCountMin = 1, kQuakeCountMax = 100;
inline constexpr int kTalkChoiceCount = 4;

// "なし" in CP932: the text written for a talk choice left empty or disabled.
inline constexpr std::string_view kTalkChoiceNoneText = "\x82\xC8\x82\xB5";

// ---- Builders, in menu order ----

// "? flag%d %s %d": the branch is taken when the flag compares so with the value.
std::string BuildConditionalBranch(int flag, FlagComparison comparison, int value);

// "ability %d %d": amount in -M..M, M the basic setting "最大能力値".
std::string BuildAbilityUp(Ability ability, int amount);

struct BattleCommand {
    int enemyUnit = -1;
    int textBefore = -1;  // talk text shown before the battle, -1 = none chosen
    int textAfter = -1;   // talk text shown after it
    int talkSpeed = kTalkSpeedMin;
    bool canEscape = false;
    int afterGroup = kNoEventGroup;
    std::string background;  // CP932 file name in the image folder; empty = none (the line ends in a blank)
};
std::string BuildBattle(const BattleCommand& battle);

// "effect %d" or, with a group, "effect %d %d".
std::string BuildShowEffect(int effect, int afterGroup);

// "equip %d item%d"; item -1 ("なし") takes the equipment of that kind off.
std::string BuildEquip(EquipmentKind kind, int item);

// "exp %d", amount in -kExperienceLimit..kExperienceLimit.
std::string BuildExperienceUp(int amount);

// "face %d", -1 = no face.
std::string BuildTalkFace(int face);

// "flag%d %s %d".
std::string BuildSetFlag(int flag, FlagOperation operation, int value);

// "item%d %s%d %d": the count is written without its own sign after the direction's ("" or "-").
std::string BuildAddRemoveItems(int item, AmountSign sign, int count, ItemTrade trade);

// "magic_flag %d %d": 1 may learn, 0 may not.
std::string BuildMagicLearnFlag(int magic, bool mayLearn);

// "message %d": the group holding the talk content, -1 = none.
std::string BuildShowTalk(int group);

// "midi %d", -1 = none (stops the music).
std::string BuildPlayBgm(int bgm);

// "money %s%d", "money %s%d %d" (a done group chosen) or "money %s%d %d %d" (a short-money group
// chosen; the done group is then written even when it is -1).
std::string BuildChangeMoney(AmountSign sign, int amount, int doneGroup, int shortGroup);

// "nar %d" or, with a group, "nar %d %d".
std::string BuildShowNarration(int narration, int afterGroup);

// "num_item flag%d item%d", "num_level flag%d", "num_money flag%d".
std::string BuildItemCountToFlag(int flag, int item);
std::string BuildLevelToFlag(int flag);
std::string BuildMoneyToFlag(int flag);

struct QuakeCommand {
    int speed = 3;
    int amplitudeX = 5;
    int amplitudeY = 0;
    int count = 1;
    int afterGroup = kNoEventGroup;
};
// "quake %d %d %d" + " %d" (count) when the count is 2 or more or a group is chosen
// + " %d" (group) when a group is chosen.
std::string BuildEarthquake(const QuakeCommand& quake);

// "scene %d %d %d" or, with a group run at the destination, "scene %d %d %d %d".
std::string BuildSceneChange(int scene, int x, int y, int group);

// "show_npc %d %d" and "show_tre %d %d": 1 shown, 0 hidden.
std::string BuildShowNpc(int npc, bool shown);
std::string BuildShowTreasure(int chest, bool shown);

struct TalkChoice {
    bool disabled = true;       // "無効": written as group -1 and text "なし" whatever the fields hold
    int group = kNoEventGroup;
    std::string text;           // CP932; empty is written as "なし"
};
struct TalkContentCommand {
    int text = -1;              // the talk text
    bool showMoney = false;     // "所持金表示"
    std::array<TalkChoice, kTalkChoiceCount> choices;
};
// All choices disabled: "talk %d", or "talk %d 1" with the money shown. Otherwise the long form
// "talk %d %d %d %d %d %d %d %s %s %s %s": text, money flag, number of disabled choices, the four
// groups, the four texts.
std::string BuildTalkContent(const TalkContentCommand& talk);

// "wave %d %d", -1 = no sound.
std::string BuildPlaySound(int sound, SoundTiming timing);

}  // namespace lw
