#include <gtest/gtest.h>

#include "core/media/talk_list.h"
#include "core/media/talk_markup.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

const std::string kA = "\x82\xA0";  // "あ", a double-byte character

TEST(TalkList, LineBreaksAreWrittenAsHashAndReadBackAsHash) {
    const std::vector<std::string> texts = {"Hello\r\nworld*", "", "one\ntwo", "lone\rCR", "#typed#"};
    const std::string bytes = TalkListBytes(texts);
    EXPECT_EQ(bytes,
              "<talk_number>\r\n5\r\n</talk_number>\r\n<talk_data>\r\nHello#world*\r\n\r\none#two\r\n"
              "lone\rCR\r\n#typed#\r\n</talk_data>");
    // "#" is not turned back into a line break; a lone CR survives the trip.
    CheckFileThroughProject(kTalkFile, std::vector<std::string>{"Hello#world*", "", "one#two", "lone\rCR", "#typed#"}, bytes,
                            LoadTalkList, SaveTalkList);
    EXPECT_EQ(TalkListBytes({}), "<talk_number>\r\n0\r\n</talk_number>\r\n<talk_data>\r\n</talk_data>");
}

TEST(TalkList, CountIsReadButEveryDataLineIsAText) {
    const std::string file = "<talk_number>\n1\n</talk_number>\n<talk_data>\nfirst\nsecond\n\nthird\n</talk_data>\nafter";
    EXPECT_EQ(ParseTalkList(file), (std::vector<std::string>{"first", "second", "", "third"}));
    EXPECT_EQ(ParseTalkList("<talk_number>\r\n-2000000000\r\n</talk_number>\r\n<talk_data>\r\nx"),
              (std::vector<std::string>{"x"}));
    EXPECT_TRUE(ParseTalkList("no tags at all\r\n").empty());
}

TEST(TalkList, TextsAreCutTo4095BytesAtACharacterBoundary) {
    // 4094 single bytes and a double-byte character: 4096 bytes, cut before the character.
    const std::string longText = std::string(4094, 'a') + kA + "tail";
    const std::string stored = TalkStoredText(longText);
    EXPECT_EQ(stored, std::string(4094, 'a'));
    EXPECT_FALSE(TalkTextFits(longText));
    EXPECT_EQ(ParseTalkList("<talk_data>\r\n" + longText + "\r\n</talk_data>"), (std::vector<std::string>{std::string(4094, 'a')}));
    EXPECT_EQ(ParseTalkList(TalkListBytes({std::string(4095, 'z')})), std::vector<std::string>{std::string(4095, 'z')});

    // Line breaks count as the one byte they become: 2000 CR LFs and 2095 letters fit exactly.
    std::string breaks;
    for (int i = 0; i < 2000; ++i) breaks += "\r\n";
    const std::string fits = breaks + std::string(2095, 'b');
    EXPECT_EQ(TalkStoredSize(fits), 4095u);
    EXPECT_TRUE(TalkTextFits(fits));
    EXPECT_EQ(CutTalkText(fits), fits);
    // One more letter: the cut keeps the stored size at 4095 and the text as typed.
    EXPECT_EQ(CutTalkText(fits + "c"), fits);
    // A cut never separates CR from LF.
    const std::string edge = std::string(4094, 'x') + "\r\n";
    EXPECT_EQ(TalkStoredSize(edge), 4095u);
    EXPECT_EQ(CutTalkText(edge + "y"), edge);
    EXPECT_EQ(CutTalkText(std::string(4095, 'x') + "\r\n"), std::string(4095, 'x'));
}

TEST(TalkList, LabelIsTheFirst31StoredBytesCutAtACharacterBoundary) {
    std::string text = std::string(30, 'a') + kA + "zz";
    EXPECT_EQ(TalkListLabel(text), std::string(30, 'a'));
    EXPECT_EQ(TalkListLabel("short\r\nline"), "short#line");
    // Two texts that differ after byte 31 share their label.
    EXPECT_EQ(TalkListLabel(std::string(31, 'q') + "1"), TalkListLabel(std::string(31, 'q') + "2"));
    std::string breaks;
    for (int i = 0; i < 40; ++i) breaks += "\r\n";
    EXPECT_EQ(TalkListLabel(breaks), std::string(31, '#'));
}

TEST(TalkList, TextsEqualToATagCannotBeStored) {
    EXPECT_FALSE(TalkTextStorable("</talk_data>"));
    EXPECT_FALSE(TalkTextStorable("<talk_number>"));
    EXPECT_TRUE(TalkTextStorable("</talk_data> "));
    EXPECT_TRUE(TalkTextStorable("<wave 3>"));
    // Why: the reader takes such a line as a tag and the texts after it are lost.
    EXPECT_EQ(ParseTalkList(TalkListBytes({"a", "</talk_data>", "b"})), (std::vector<std::string>{"a"}));
}

// ---- The commands the talk texts carry ----

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
}

TEST(TalkMarkup, MenuLabelsInMenuOrder) {
    EXPECT_EQ(TalkCommandMenuLabel(TalkCommand::NewLine), "改行");
    EXPECT_EQ(TalkCommandMenuLabel(TalkCommand::Background), "背景画像");
    EXPECT_EQ(TalkCommandMenuLabel(TalkCommand::Wait), "待ち時間");
    EXPECT_EQ(static_cast<int>(TalkCommand::Wait) + 1, kTalkCommandCount);
}

}  // namespace
}  // namespace lw
