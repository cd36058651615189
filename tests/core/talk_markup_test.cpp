#include <gtest/gtest.h>

#include "core/media/talk_markup.h"

namespace lw {
namespace {

TEST(TalkMarkup, CommandsAndTheirForms) {
    EXPECT_EQ(TalkNewLine(), "#");
    EXPECT_EQ(TalkNewPage(), "*");
    EXPECT_EQ(TalkBgmCommand(-1), "<midi -1>");  // "なし": the music stops
    EXPECT_EQ(TalkBgmCommand(12), "<midi 12>");
    EXPECT_EQ(TalkFaceCommand(-1), "<face -1>");
    EXPECT_EQ(TalkFaceCommand(3), "<face 3>");
    EXPECT_EQ(TalkSoundCommand(0), "<wave 0>");
    EXPECT_EQ(TalkSoundCommand(-1), "<wave -1>");
    EXPECT_EQ(TalkFacePositionCommand(10, 200), "<pos_face 10 200>");
    EXPECT_EQ(TalkTextPositionCommand(320, 240), "<pos_talk 320 240>");
    EXPECT_EQ(TalkBackgroundCommand("town night.bmp"), "<name_back town night.bmp>");
    EXPECT_EQ(TalkBackgroundCommand(""), "<name_back >");
    EXPECT_EQ(TalkShowAnimationCommand({.id = 7, .effect = 2, .kind = TalkAnimationKind::Once, .text = TalkWhileAnimating::Stop}),
              "<anim 7 2 2 1>");
    EXPECT_EQ(TalkShowAnimationCommand({}), "<anim 0 0 0 0>");
    EXPECT_EQ(TalkDeleteAnimationCommand(9), "<del_anim 9>");
    EXPECT_EQ(TalkWaitCommand(15), "<wait 1500>");  // 1.5 seconds
    EXPECT_EQ(TalkWaitCommand(0), "<wait 0>");
}

TEST(TalkMarkup, ValuesAreClampedToTheirRanges) {
    EXPECT_EQ(TalkSpeedCommand(250), "<speed 100>");
    EXPECT_EQ(TalkSpeedCommand(-5), "<speed 0>");
    EXPECT_EQ(TalkSpeedCommand(99999999999LL), "<speed 100>");
    EXPECT_EQ(TalkFacePositionCommand(-1, 241), "<pos_face 0 240>");
    EXPECT_EQ(TalkTextPositionCommand(500, -3), "<pos_talk 320 0>");
    EXPECT_EQ(TalkShowAnimationCommand({.id = 300, .effect = 5}), "<anim 255 5 0 0>");
    EXPECT_EQ(TalkDeleteAnimationCommand(-1), "<del_anim 0>");
    EXPECT_EQ(TalkWaitCommand(1001), "<wait 100000>");
    EXPECT_EQ(TalkWaitCommand(-4), "<wait 0>");
}

TEST(TalkMarkup, EarthquakeTakesTheEventCommandsThreeForms) {
    EXPECT_EQ(TalkEarthquakeCommand(QuakeCommand{}), "<quake 3 5 0>");
    EXPECT_EQ(TalkEarthquakeCommand({.count = 2}), "<quake 3 5 0 2>");
    EXPECT_EQ(TalkEarthquakeCommand({.speed = 1, .amplitudeX = -320, .amplitudeY = 240, .count = 1, .afterGroup = 4}),
              "<quake 1 -320 240 1 4>");
    EXPECT_EQ(TalkEarthquakeCommand({.speed = 0, .amplitudeX = 999, .amplitudeY = -999, .count = 101}),
              "<quake 1 320 -240 100>");
    // The inner text is the event command itself.
    const QuakeCommand q{.speed = 8, .amplitudeX = 2, .amplitudeY = 1, .count = 5, .afterGroup = 0};
    EXPECT_EQ(TalkEarthquakeCommand(q), "<" + BuildEarthquake(q) + ">");
}

TEST(TalkMarkup, NumberDialogCommands) {
    EXPECT_EQ(BuildNumberCommand(NumberCommand::ExperienceUp, 1234567), "exp 999999");
    EXPECT_EQ(BuildNumberCommand(NumberCommand::ExperienceUp, -1234567), "exp -999999");
    EXPECT_EQ(BuildNumberCommand(NumberCommand::ExperienceUp, 50), "exp 50");
    EXPECT_EQ(BuildNumberCommand(NumberCommand::TalkSpeed, 250), "<speed 100>");
    EXPECT_EQ(BuildNumberCommand(NumberCommand::TalkDeleteAnimation, 256), "<del_anim 255>");
    EXPECT_EQ(BuildNumberCommand(NumberCommand::TalkWait, 15), "<wait 1500>");
    EXPECT_EQ(RangeOf(NumberCommand::ExperienceUp).step, 100);
    EXPECT_EQ(RangeOf(NumberCommand::TalkSpeed).step, 1);
    EXPECT_FALSE(IsTalkCommand(NumberCommand::ExperienceUp));
    EXPECT_TRUE(IsTalkCommand(NumberCommand::TalkWait));
}

TEST(TalkMarkup, MenuLabelsInMenuOrder) {
    EXPECT_EQ(TalkCommandMenuLabel(TalkCommand::NewLine), "改行");
    EXPECT_EQ(TalkCommandMenuLabel(TalkCommand::Background), "背景画像");
    EXPECT_EQ(TalkCommandMenuLabel(TalkCommand::Wait), "待ち時間");
    EXPECT_EQ(static_cast<int>(TalkCommand::Wait) + 1, kTalkCommandCount);
}

}  // namespace
}  // namespace lw
