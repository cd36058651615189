#pragma once
// The talk markup: markers and commands written inside a text of the text list, which the game
// carries out while it types the text out. "#" ends a line, "*" a page; every other command is one
// "<" ... ">" group, numbers in decimal, arguments separated by one blank.
//
// Each builder below is a pure function of the values its dialog collects and clamps them to the
// command's range first. The music, face and earthquake commands are the event commands of the same
// name (event_commands.h) wrapped in "<" and ">".
//
// The number dialog serves the event command "exp" as well as three talk commands; its ranges and
// its one builder are here too (NumberCommand).

#include <string>
#include <string_view>

#include "core/events/event_commands.h"

namespace lw {

// The command menu of the text-list editor, in menu order.
enum class TalkCommand {
    NewLine,          // "改行"      "#"
    NewPage,          // "改ﾍﾟｰｼﾞ"   "*"
    Bgm,              // "BGM"       "<midi %d>"
    Face,             // "顔画像"    "<face %d>"
    Sound,            // "効果音"    "<wave %d>"
    Speed,            // "文字速度"  "<speed %d>"
    FacePosition,     // "顔画像位置" "<pos_face %d %d>"
    TextPosition,     // "文字位置"  "<pos_talk %d %d>"
    Background,       // "背景画像"  "<name_back %s>"
    ShowAnimation,    // "ｱﾆﾒ表示"   "<anim %d %d %d %d>"
    DeleteAnimation,  // "ｱﾆﾒ削除"   "<del_anim %d>"
    Earthquake,       // "地震"      "<quake %d %d %d [%d [%d]]>"
    Wait,             // "待ち時間"  "<wait %d>"
};
inline constexpr int kTalkCommandCount = 13;

// The menu label (UTF-8).
std::string_view TalkCommandMenuLabel(TalkCommand command);

// ---- Ranges ----

inline constexpr int kTalkSpeedLimit = 100;          // "<speed>": 0..100
inline constexpr int kTalkScreenWidth = 320;         // positions: x 0..320
inline constexpr int kTalkScreenHeight = 240;        //            y 0..240
inline constexpr int kTalkAnimationIdMax = 255;      // animation identifier 0..255
inline constexpr int kTalkWaitTenthsMax = 1000;      // wait: 0..1000 tenths of a second
inline constexpr int kTalkWaitMsPerTenth = 100;

// How an animation of "<anim>" runs, and what the text does meanwhile.
enum class TalkAnimationKind { NoLoop, Loop, Once };     // "ﾙｰﾌﾟなし", "ﾙｰﾌﾟ", "1度だけ"
enum class TalkWhileAnimating { Continue, Stop };        // "続行", "停止"
std::string_view TalkAnimationKindLabel(TalkAnimationKind kind);
std::string_view TalkWhileAnimatingLabel(TalkWhileAnimating text);

// ---- Builders (results are CP932 bytes) ----

std::string TalkNewLine();  // "#"
std::string TalkNewPage();  // "*"
// "<midi %d>", -1 = none (stops the music).
std::string TalkBgmCommand(int bgm);
// "<face %d>", -1 = no face.
std::string TalkFaceCommand(int face);
// "<wave %d>", -1 = no sound.
std::string TalkSoundCommand(int sound);
// "<speed %d>", the speed clamped to 0..100.
std::string TalkSpeedCommand(long long speed);
// "<pos_face %d %d>" / "<pos_talk %d %d>", x clamped to 0..320 and y to 0..240.
std::string TalkFacePositionCommand(long long x, long long y);
std::string TalkTextPositionCommand(long long x, long long y);
// "<name_back %s>": a file of the image folder, written whole (empty when none was chosen).
std::string TalkBackgroundCommand(std::string_view imageFile);

struct TalkAnimationCommand {
    long long id = 0;  // the identifier "<del_anim>" names it by, clamped to 0..255
    int effect = 0;    // effect animation, 0-based
    TalkAnimationKind kind = TalkAnimationKind::NoLoop;
    TalkWhileAnimating text = TalkWhileAnimating::Continue;
};
// "<anim %d %d %d %d>": identifier, effect animation, kind, text flag.
std::string TalkShowAnimationCommand(const TalkAnimationCommand& animation);
// "<del_anim %d>", the identifier clamped to 0..255.
std::string TalkDeleteAnimationCommand(long long id);
// "<quake ...>" in the three forms of BuildEarthquake; every value clamped to its range first.
std::string TalkEarthquakeCommand(const QuakeCommand& quake);
// The earthquake's values clamped to their ranges (the group is kept, negative meaning none).
QuakeCommand ClampQuake(const QuakeCommand& quake);
// "<wait %d>": milliseconds, the tenths of a second clamped to 0..1000 and multiplied by 100.
std::string TalkWaitCommand(long long tenths);

// ---- The number dialog ----

enum class NumberCommand {
    ExperienceUp,         // event command "exp %d", -999999..999999
    TalkSpeed,            // "<speed %d>", 0..100
    TalkDeleteAnimation,  // "<del_anim %d>", 0..255
    TalkWait,             // "<wait %d>", 0..1000 tenths of a second
};
struct NumberCommandRange {
    int min = 0;
    int max = 0;
    int step = 1;  // the spin's step: 100 while the range exceeds 10000
};
NumberCommandRange RangeOf(NumberCommand command);
// The line for a typed value: clamped to the range, then built.
std::string BuildNumberCommand(NumberCommand command, long long typed);

}  // namespace lw
