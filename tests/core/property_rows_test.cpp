// The property editors' rules: which controls a row kind enables, how typed numbers are taken and
// clamped, the drop-downs whose entries stand for other values, and the 83 rows of "基本設定"
// bound to the settings record.
#include <gtest/gtest.h>

#include <set>

#include "core/media/file_choices.h"
#include "core/settings/basic_settings_rows.h"
#include "core/settings/property_rows.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

TEST(PropertyRows, EachKindEnablesItsControlsOnly) {
    const RowControls text = ControlsFor(RowKind::Text);
    EXPECT_EQ(text, (RowControls{.text = true}));
    EXPECT_EQ(ControlsFor(RowKind::Number), (RowControls{.number = true}));
    EXPECT_EQ(ControlsFor(RowKind::Sound), (RowControls{.choice = true, .play = true}));
    EXPECT_EQ(ControlsFor(RowKind::Bgm), ControlsFor(RowKind::Sound));
    EXPECT_EQ(ControlsFor(RowKind::Effect), (RowControls{.choice = true, .showImage = true}));
    EXPECT_EQ(ControlsFor(RowKind::Colour), (RowControls{.colour = true}));
    EXPECT_EQ(ControlsFor(RowKind::Image), (RowControls{.choice = true, .showImage = true, .colour = true, .keyFlag = true, .drawMode = true}));
    EXPECT_EQ(ColourCaptionFor(RowKind::Colour), "色");
    EXPECT_EQ(ColourCaptionFor(RowKind::Image), "ｶﾗｰｷｰ");
    EXPECT_EQ(ColourCaptionFor(RowKind::Number), "");
}

TEST(PropertyRows, TypedNumbersAreTakenAsIntegersAndClamped) {
    long long v = 7;
    EXPECT_TRUE(ParseTypedInteger("150", v));
    EXPECT_EQ(v, 150);
    EXPECT_EQ(ClampToRange(v, {1, 100}), 100);
    EXPECT_TRUE(ParseTypedInteger(" -96px", v));
    EXPECT_EQ(v, -96);
    EXPECT_TRUE(ParseTypedInteger("+0", v));
    EXPECT_EQ(ClampToRange(v, {1, 100}), 1);
    v = 7;
    EXPECT_FALSE(ParseTypedInteger("", v));
    EXPECT_FALSE(ParseTypedInteger("-", v));
    EXPECT_FALSE(ParseTypedInteger("x1", v));
    EXPECT_EQ(v, 7);
    // Far beyond any range: saturates, then clamps, never wraps round.
    EXPECT_TRUE(ParseTypedInteger("99999999999999999999999", v));
    EXPECT_EQ(ClampToRange(v, {-96, 0}), 0);
    EXPECT_TRUE(ParseTypedInteger("-99999999999999999999999", v));
    EXPECT_EQ(ClampToRange(v, {-96, 0}), -96);
}

TEST(PropertyRows, ChoiceEntriesStandForTheirValues) {
    GameSettings s;
    PropertyRow steps = ChoiceRow("PC歩数/ﾏｽ", s.moveIntervalPc, {"1", "2", "4", "8"}, {1, 2, 4, 8});
    EXPECT_EQ(steps.ChoicePosition(2), 1);
    EXPECT_EQ(steps.ChoicePosition(3), -1);  // shown as nothing, kept as read
    EXPECT_EQ(steps.ChoiceValue(3), 8);
    PropertyRow plain = ChoiceRow("x", s.talkFace, {"a", "b"});
    EXPECT_EQ(plain.ChoicePosition(1), 1);
    EXPECT_EQ(plain.ChoiceValue(1), 1);

    const std::vector<std::string> seconds = SecondsChoiceTexts();
    ASSERT_EQ(seconds.size(), 101u);
    EXPECT_EQ(seconds.front(), "0.0");
    EXPECT_EQ(seconds[25], "2.5");
    EXPECT_EQ(seconds.back(), "10.0");
    // Every entry stores its tenths exactly (2.3 s is 2300 ms, not 2299).
    EXPECT_EQ(SecondsChoiceValues()[23], 2300);
    EXPECT_EQ(SecondsChoiceValues()[25], 2500);
    EXPECT_EQ(SecondsChoicePosition(1000), 10);
    EXPECT_EQ(SecondsChoicePosition(2500), 25);
    EXPECT_EQ(SecondsChoicePosition(20000), -1);
    EXPECT_EQ(SecondsChoicePosition(-100), -1);
}

TEST(PropertyRows, SellingRateIsEditedInWholePercentAndTextRowsHoldOneLine) {
    EXPECT_EQ(RateToPercent(0.5f), 50);
    EXPECT_EQ(RateToPercent(0.29f), 29);  // 28.99999… shown as 29
    EXPECT_EQ(RateToPercent(0.35f), 35);
    GameSettings s;
    s.itemSellRate = PercentToRate(35);
    EXPECT_NE(GameSettingsBytes(s).find("<item_sell_rate>\r\n0.35\r\n</item_sell_rate>"), std::string::npos);

    EXPECT_EQ(WithoutLineBreaks("ab\r\ncd\ne\r"), "abcde");
    // A double-byte character keeps both its bytes ("ア" is 0x83 0x41).
    EXPECT_EQ(WithoutLineBreaks("\x83\x41\n"), "\x83\x41");
}

TEST(BasicSettingsRows, EightyThreeRowsInOrderWithTheirKinds) {
    GameSettings s;
    const std::vector<PropertyRow> rows = BasicSettingsRows(s);
    ASSERT_EQ(static_cast<int>(rows.size()), kBasicSettingsRowCount);
    EXPECT_EQ(rows[0].label, "ｹﾞｰﾑ名");
    EXPECT_EQ(rows[kRowFocusImage].kind, RowKind::Image);
    EXPECT_EQ(rows[14].label, "通貨名");
    EXPECT_EQ(rows[48].label, "文字色(睡眠)");
    EXPECT_EQ(rows[62].label, "戦闘待ち時間（開始会話）");
    EXPECT_EQ(rows[82].label, "ｸﾘﾃｨｶﾙ ﾋｯﾄ時の効果音音量");
    std::set<std::string> labels;
    std::string kinds;
    for (const PropertyRow& r : rows) {
        labels.insert(r.label);
        kinds += "TLNCSBEcI"[static_cast<int>(r.kind)];
    }
    EXPECT_EQ(labels.size(), rows.size());
    // Row kinds in list order: text, image, 4 effects, 6 sounds, 2 BGM, text, number, ...
    EXPECT_EQ(kinds,
              "TIEEEESSSSSSBBTNCCCNcccNcNCNNCCNNNNNNNNNNNcccccccNNNNNNNNNNNNNCCNNNNCCNNNNNNNNNNNNN");
}

TEST(BasicSettingsRows, DefaultsLieInsideEveryRangeAndRowsEditTheirFields) {
    GameSettings s;
    std::vector<PropertyRow> rows = BasicSettingsRows(s);
    for (const PropertyRow& r : rows) {
        if (r.kind == RowKind::Number) {
            const int v = r.getNumber();
            EXPECT_GE(v, r.range.min) << r.label;
            EXPECT_LE(v, r.range.max) << r.label;
            EXPECT_FALSE(r.unit.empty()) << r.label;
        }
        if (r.kind == RowKind::Choice) EXPECT_GE(r.ChoicePosition(r.getNumber()), 0) << r.label;
    }
    EXPECT_EQ(rows[kRowLineThickness].range, (NumberRange{1, 100}));
    EXPECT_EQ(rows[19].unit, "（0 ～ 32）");
    EXPECT_EQ(rows[81].range, (NumberRange{-1, 4}));
    EXPECT_EQ(rows[81].unit, "（-1 ～ 4）");

    rows[kRowLineThickness].setNumber(ClampToRange(150, rows[kRowLineThickness].range));
    EXPECT_EQ(s.lineThickness, 100);
    rows[kRowSellRate].setNumber(35);
    EXPECT_FLOAT_EQ(s.itemSellRate, 0.35f);
    const PropertyRow& wait = rows[kRowBattleWaitTalk];
    wait.setNumber(wait.ChoiceValue(25));
    EXPECT_EQ(s.battleWaitTalk, 2500);
    EXPECT_EQ(wait.ChoicePosition(1000), 10);
    rows[kRowPcSteps].setNumber(rows[kRowPcSteps].ChoiceValue(3));
    EXPECT_EQ(s.moveIntervalPc, 8);
    rows[kRowEventBackground].setNumber(1);
    EXPECT_EQ(s.eventBackgroundImage, 1);
    rows[kRowTalkBackColour].setColour(Rgb{1, 2, 3});
    EXPECT_EQ(s.talkBackColour, (Rgb{1, 2, 3}));
    rows[47].setColour(Rgb{9, 9, 9});
    EXPECT_EQ(s.fontColours[5], (Rgb{9, 9, 9}));
    rows[kRowFocusImage].setText("focus.bmp");
    rows[kRowFocusImage].setSpec(DrawSpec{2, 1, {4, 5, 6}});
    EXPECT_EQ(s.focusImage, "focus.bmp");
    EXPECT_EQ(s.focusSpec, (DrawSpec{2, 1, {4, 5, 6}}));
    rows[73].setNumber(12);
    EXPECT_EQ(s.keyInterval, 12);
    rows[82].setNumber(-5);
    EXPECT_EQ(s.criticalSoundVolume, -5);
}

TEST(BasicSettingsRows, NamesThatWouldBreakSettingTxtAreRefused) {
    GameSettings s;
    const std::vector<PropertyRow> rows = BasicSettingsRows(s);
    const PropertyRow& name = rows[kRowGameName];
    ASSERT_TRUE(name.refuseText);
    EXPECT_EQ(name.refuseText("My <Game>"), "");
    EXPECT_EQ(name.refuseText("<RPG>"), "");
    EXPECT_NE(name.refuseText("</title>"), "");
    EXPECT_NE(rows[kRowCurrencyName].refuseText("<img_focus>"), "");
    const PropertyRow& focus = rows[kRowFocusImage];
    ASSERT_TRUE(focus.refuseText);
    EXPECT_EQ(focus.refuseText("focus.bmp"), "");
    EXPECT_NE(focus.refuseText("my focus.bmp"), "");
    EXPECT_EQ(focus.textBytes, kFocusImageBytes);
}

TEST(FileChoices, FirstEntryThatBeginsWithTheNameIgnoringCase) {
    const std::vector<std::string> entries = {"Back.bmp", "back2.bmp", "face.BMP", "\x83\x41.bmp", "\x83\x61.bmp"};
    EXPECT_EQ(FirstEntryWithPrefix(entries, "back"), 0);
    EXPECT_EQ(FirstEntryWithPrefix(entries, "BACK2"), 1);
    EXPECT_EQ(FirstEntryWithPrefix(entries, "face.bmp"), 2);
    EXPECT_EQ(FirstEntryWithPrefix(entries, "?.bmp"), -1);
    EXPECT_EQ(FirstEntryWithPrefix(entries, ""), -1);
    EXPECT_EQ(FirstEntryWithPrefix(entries, "backs"), -1);
    // The trail byte of a double-byte character is never folded: "ア" (83 41) is not "ャ" (83 61).
    EXPECT_EQ(FirstEntryWithPrefix(entries, "\x83\x61"), 4);
    EXPECT_EQ(FirstEntryWithPrefix(entries, "\x83\x41"), 3);
    // Nor does a single "A" match the trail byte of a double-byte name.
    EXPECT_FALSE(BeginsWithIgnoringCase("\x83\x41", "\x83"));
}

TEST(FileChoices, ImageFolderFilesSortedWithoutCase) {
    test::TempProject tp;
    for (const char* name : {"b.bmp", "A.bmp", "a.bmp", "C.bmp"}) test::WriteBytes(ImageFilePath(tp.project, name), "x");
    std::filesystem::create_directory(tp.dir.path() / "image" / "folder");
    EXPECT_EQ(ImageFolderChoices(tp.project), (std::vector<std::string>{"A.bmp", "a.bmp", "b.bmp", "C.bmp"}));
}

}  // namespace
}  // namespace lw
