#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings/game_settings.h"
#include "core/tagfile/scan.h"
#include "core/tagfile/tag_reader.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

// The value lines of section `tag` in `bytes`.
std::vector<std::string> SectionLines(std::string_view bytes, std::string_view tag) {
    std::vector<std::string> out;
    bool inside = false;
    ForEachLine(bytes, [&](std::string_view l) {
        if (l == "<" + std::string(tag) + ">") inside = true;
        else if (l == "</" + std::string(tag) + ">") inside = false;
        else if (inside) out.emplace_back(l);
    });
    return out;
}
std::string Value(const GameSettings& s, std::string_view tag) { return SectionLines(GameSettingsBytes(s), tag).at(0); }

GameSettings Parsed(std::string_view bytes) {
    GameSettings s;
    s.abilityMax = 1;  // parsing starts from the defaults whatever the record held
    ParseGameSettings(bytes, s);
    return s;
}

TEST(GameSettingsFile, DefaultsAreWrittenInOrderAndReadBackUnchanged) {
    const std::string bytes = GameSettingsBytes(GameSettings{});
    EXPECT_TRUE(bytes.starts_with("<title>\r\n\r\n</title>\r\n<img_focus>\r\n 0 0 0 0 0\r\n</img_focus>\r\n<effect_arrow_talk>"));
    EXPECT_TRUE(bytes.ends_with("</effect_wave_crt>\r\n<vol_sound_crt>\r\n0\r\n</vol_sound_crt>"));
    EXPECT_EQ(Value(GameSettings{}, "enemy_damage__speed"), "2");
    EXPECT_EQ(Value(GameSettings{}, "font_name"), kDefaultFontFace);
    EXPECT_EQ(SectionLines(bytes, "font_color"),
              (std::vector<std::string>{"255 255 255", "155 155 155", "55 55 55", "255 55 55", "155 55 55", "255 64 255",
                                        "0 255 255", "255 255 64", "255 64 64"}));
    EXPECT_EQ(Value(GameSettings{}, "item_sell_rate"), "0.50");
    // The empty focus image too: its line starts with the blank before the numbers.
    EXPECT_EQ(Parsed(bytes), GameSettings{});
}

TEST(GameSettingsFile, EveryNumberReadsIntoItsOwnField) {
    // Every number of the default file replaced by a distinct one: writing what was read must give
    // the same file back, which fails when two sections share a field or one is not read.
    std::string changed;
    int next = 1000;
    ForEachLine(GameSettingsBytes(GameSettings{}), [&](std::string_view l) {
        std::string out(l);
        FieldScanner scan(l);
        int v = 0;
        if (l == "7" && changed.ends_with("<font_weight>")) {
            out = "3";  // stored divided by 100 and clamped to 0..9
        } else if (l.find('.') != std::string_view::npos) {
            out = "0.75";
        } else if (!l.starts_with('<') && scan.Int(v)) {
            out = (l.starts_with(' ') ? " " : "") + FormatInt(next++);
            while (scan.Int(v)) out += ' ' + FormatInt(next++);
        }
        changed += (changed.empty() ? "" : "\r\n") + out;
    });
    const GameSettings s = Parsed(changed);
    EXPECT_EQ(GameSettingsBytes(s), changed);
    EXPECT_EQ(s.font.weight, 300);
    EXPECT_EQ(s.focusSpec.key.blue, 1004);
    EXPECT_EQ(s.criticalSoundVolume, next - 1);
}

TEST(GameSettingsFile, FontWeightIsClampedWhenReadAndDividedWhenWritten) {
    GameSettings s = Parsed("<title>\r\nx\r\n</title>");
    EXPECT_EQ(s.font.weight, 700);
    EXPECT_EQ(Value(s, "font_weight"), "7");
    s = Parsed("<font_weight>\r\n12\r\n</font_weight>");
    EXPECT_EQ(s.font.weight, 900);
    EXPECT_EQ(Value(s, "font_weight"), "9");
    EXPECT_EQ(Parsed("<font_weight>\r\n-3\r\n</font_weight>").font.weight, 0);
    EXPECT_EQ(Parsed("<font_weight>\r\nbold\r\n</font_weight>").font.weight, 700);
    s.font.weight = 450;
    EXPECT_EQ(Value(s, "font_weight"), "4");
}

TEST(GameSettingsFile, WholeLineNamesKeepBlanksAndTheFocusImageEndsAtOne) {
    GameSettings s;
    s.title = "My  Game II";
    s.currencyName = "Gold coin";
    s.font.face = "IPA Gothic";
    test::CheckFileThroughProject(kSettingFile, s, GameSettingsBytes(s), LoadGameSettings, SaveGameSettings);

    s = Parsed("<img_focus>\r\nfocus image.bmp 2 1 10 20 30\r\n</img_focus>");
    EXPECT_EQ(s.focusImage, "focus");
    EXPECT_EQ(s.focusSpec, DrawSpec{});  // "image.bmp" is no number: the rest stay at 0
    s = Parsed("<img_focus>\r\nfocus.bmp 2 1 10 20 30\r\n</img_focus>");
    EXPECT_EQ(s.focusImage, "focus.bmp");
    EXPECT_EQ(s.focusSpec, (DrawSpec{kDrawAlpha, 1, Rgb{10, 20, 30}}));
    EXPECT_EQ(Parsed("<font_name>\r\n" + std::string(40, 'F') + "\r\n</font_name>").font.face, std::string(31, 'F'));
}

TEST(GameSettingsFile, ColoursAreClearedBeforeParsingAndFontColoursTakeNineLines) {
    std::string file = "<font_color>";
    for (int i = 0; i < 10; ++i) file += "\r\n" + std::to_string(i) + " " + std::to_string(i) + " " + std::to_string(i);
    GameSettings s = Parsed(file + "\r\n</font_color>");
    for (int i = 0; i < kFontColourCount; ++i) EXPECT_EQ(s.fontColours[static_cast<std::size_t>(i)], (Rgb{i, i, i}));

    // A malformed line keeps what parsed and 0 for the rest; a later section starts at colour 0;
    // colours after the last line keep their defaults.
    s = Parsed("<font_color>\r\n1 2\r\n</font_color>\r\n<font_color>\r\n\r\n9 9 9\r\n</font_color>"
               "\r\n<rgb_back>\r\n12 x 40\r\n</rgb_back>\r\n<rgb_line>\r\n\r\n</rgb_line>");
    EXPECT_EQ(s.fontColours[0], (Rgb{0, 0, 0}));
    EXPECT_EQ(s.fontColours[1], (Rgb{9, 9, 9}));
    EXPECT_EQ(s.fontColours[2], GameSettings{}.fontColours[2]);
    EXPECT_EQ(s.eventBackColour, (Rgb{12, 0, 0}));
    EXPECT_EQ(s.eventFrameColour, (Rgb{0, 0, 0}));
    // Other numbers that do not parse keep their defaults.
    s = Parsed("<no_scroll_area>\r\n100 x\r\n</no_scroll_area>\r\n<talk_y>\r\n\r\n</talk_y>");
    EXPECT_EQ(s.noScrollWidth, 100);
    EXPECT_EQ(s.noScrollHeight, 60);
    EXPECT_EQ(s.talkY, 160);
}

TEST(GameSettingsFile, OnlyATitleGivesTheDefaultsAndTheRateHasTwoDecimals) {
    GameSettings expected;
    expected.title = "Quest";
    EXPECT_EQ(Parsed("<title>\r\nQuest\r\n</title>"), expected);

    GameSettings s;
    s.itemSellRate = 35 / 100.0f;
    EXPECT_EQ(Value(s, "item_sell_rate"), "0.35");
    EXPECT_NEAR(Parsed(GameSettingsBytes(s)).itemSellRate, 0.35f, 1e-6);
    s.itemSellRate = 1.0f / 3.0f;
    EXPECT_EQ(Value(s, "item_sell_rate"), "0.33");
}

}  // namespace
}  // namespace lw
