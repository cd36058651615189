#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/events/group_text.h"

namespace lw {
namespace {

EventCommandGroup Group(std::initializer_list<std::string_view> lines, std::string explanation = {}) {
    return EventCommandGroup{std::move(explanation), CommandLines(lines)};
}

std::vector<std::string> Lines(const EventCommandGroup& g) { return g.commands.ToVector(); }

TEST(GroupText, ShowingAndStoringAGroupGivesItsLinesBackIncludingEmptyOnes) {
    // "あ" is 82 A0 in CP932 and E3 81 82 in UTF-8.
    std::vector<EventCommandGroup> groups{Group({"fade", "", "\x82\xA0", ""}, "expl")};
    const ShownGroup shown = ShowGroup(groups, 0);
    ASSERT_TRUE(shown.shown);
    EXPECT_EQ(shown.text, "fade\n\n\xE3\x81\x82\n");  // no break after the last (empty) line
    EXPECT_EQ(shown.explanation, "expl");

    const EventCommandGroup before = groups[0];
    EXPECT_TRUE(StoreGroupText(groups, 0, shown.text, shown.explanation).ok());
    EXPECT_EQ(groups[0], before);

    // Outside the groups nothing is shown and nothing is stored.
    for (int n : {-1, 1, 300}) {
        EXPECT_FALSE(ShowGroup(groups, n).shown);
        EXPECT_TRUE(ShowGroup(groups, n).text.empty());
        EXPECT_TRUE(StoreGroupText(groups, n, "x", "").ok());
    }
    EXPECT_EQ(groups[0], before);
}

TEST(GroupText, StoringSplitsAtEachLineBreakAndAnEmptyFieldIsOneEmptyLine) {
    std::vector<EventCommandGroup> groups(2);
    ASSERT_TRUE(StoreGroupText(groups, 0, "", "").ok());
    EXPECT_EQ(Lines(groups[0]), std::vector<std::string>{""});

    ASSERT_TRUE(StoreGroupText(groups, 1, "a\r\nb\nc\r\n", "\x82\xA0").ok());
    EXPECT_EQ(Lines(groups[1]), (std::vector<std::string>{"a", "b", "c", ""}));
    EXPECT_EQ(groups[1].explanation, "\x82\xA0");

    // A lone CR is part of its line, not a break.
    EXPECT_EQ(SplitEditLines("a\rb"), std::vector<std::string_view>{"a\rb"});
}

TEST(GroupText, TextBeyondTheGroupsRoomIsRefusedNamingTheProblemAndNothingIsStored) {
    std::vector<EventCommandGroup> groups{Group({"keep"}, "old")};
    const EventCommandGroup before = groups[0];

    std::string sixtyFour;
    for (int i = 0; i < 64; ++i) sixtyFour += (i ? "\nline" : "line");
    ASSERT_TRUE(CheckGroupText(sixtyFour, "", groups[0]).ok());
    GroupTextCheck c = StoreGroupText(groups, 0, sixtyFour + "\nexit", "");
    EXPECT_EQ(c.problem, GroupTextProblem::TooManyLines);
    EXPECT_EQ(c.line, 65);
    // A trailing break after 64 lines is a 65th (empty) line too.
    EXPECT_EQ(StoreGroupText(groups, 0, sixtyFour + "\n", "").problem, GroupTextProblem::TooManyLines);

    // 63 bytes fit; 64 do not. Full-width characters count two bytes: 31 of them and one more byte
    // make 63, 32 of them make 64.
    const std::string ascii63(63, 'x');
    EXPECT_TRUE(CheckGroupText("a\n" + ascii63, "", groups[0]).ok());
    c = StoreGroupText(groups, 0, "a\n" + ascii63 + "y\nb", "");
    EXPECT_EQ(c.problem, GroupTextProblem::LineTooLong);
    EXPECT_EQ(c.line, 2);
    EXPECT_EQ(c.bytes, 64u);
    std::string wide;
    for (int i = 0; i < 32; ++i) wide += "\xE3\x81\x82";
    c = CheckGroupText(wide, "", groups[0]);
    EXPECT_EQ(c.problem, GroupTextProblem::LineTooLong);
    EXPECT_EQ(c.bytes, 64u);

    // A character without a CP932 form (an emoji) is named by its line.
    c = StoreGroupText(groups, 0, "a\nb\nsmile \xF0\x9F\x98\x80", "");
    EXPECT_EQ(c.problem, GroupTextProblem::LineNotCp932);
    EXPECT_EQ(c.line, 3);

    c = StoreGroupText(groups, 0, "a", std::string(64, 'e'));
    EXPECT_EQ(c.problem, GroupTextProblem::ExplanationTooLong);
    EXPECT_EQ(groups[0], before);
}

TEST(GroupText, AnUnchangedLineKeepsBytesThatDoNotDecodeWhileAnEditedOneIsConverted) {
    // 81 7F is no CP932 character; it shows as U+FFFD and must not be lost when the line is untouched.
    std::vector<EventCommandGroup> groups{Group({"odd \x81\x7F", "fade"})};
    const ShownGroup shown = ShowGroup(groups, 0);
    ASSERT_TRUE(StoreGroupText(groups, 0, shown.text + "\nexit", "").ok());
    EXPECT_EQ(Lines(groups[0]), (std::vector<std::string>{"odd \x81\x7F", "fade", "exit"}));

    // The same text on another line position is new text: U+FFFD has no CP932 form.
    GroupTextCheck c = StoreGroupText(groups, 0, "first\n" + shown.text, "");
    EXPECT_EQ(c.problem, GroupTextProblem::LineNotCp932);
    EXPECT_EQ(c.line, 2);
}

TEST(GroupText, ACommandGoesAtTheCaretAtALineStartElseOnANewLineAfterTheCaretsLine) {
    auto insert = [](std::string text, std::size_t caret, std::string line) {
        const CommandInsertion ins = InsertCommandLine(text, caret, line);
        return std::make_pair(ApplyInsertion(text, ins), ins.caret);
    };
    // Caret in the middle of "fade": the new command follows on its own line.
    EXPECT_EQ(insert("fade\nexit", 2, "end"), std::make_pair(std::string("fade\nend\nexit"), std::size_t{8}));
    // Caret at the end of a line is not at its start either.
    EXPECT_EQ(insert("fade", 4, "end"), std::make_pair(std::string("fade\nend"), std::size_t{8}));
    // Caret at the start of an empty last line fills that line.
    EXPECT_EQ(insert("fade\n", 5, "end"), std::make_pair(std::string("fade\nend"), std::size_t{8}));
    // An empty field: inserted as is.
    EXPECT_EQ(insert("", 0, "title"), std::make_pair(std::string("title"), std::size_t{5}));
    // The start of a line that has text: the command is a line of its own before it, never joined
    // to it ("wave -1 1fade", "endtalk 0").
    EXPECT_EQ(insert("fade", 0, "wave -1 1"), std::make_pair(std::string("wave -1 1\nfade"), std::size_t{9}));
    EXPECT_EQ(insert("a\ntalk 0", 2, "end"), std::make_pair(std::string("a\nend\ntalk 0"), std::size_t{5}));
    EXPECT_EQ(insert("a\r\nfade\r\n", 3, "end").first, "a\r\nend\nfade\r\n");
    // The start of an empty line in the middle fills it.
    EXPECT_EQ(insert("a\n\nb", 2, "end").first, "a\nend\nb");
    EXPECT_EQ(insert("a\n\r\nb", 2, "end").first, "a\nend\r\nb");
    // A CR LF line end: the new line goes before the CR, never between CR and LF.
    EXPECT_EQ(insert("fade\r\nexit", 1, "end").first, "fade\nend\r\nexit");
    // A caret beyond the text is at its end.
    EXPECT_EQ(insert("ab", 99, "c").first, "ab\nc");
}

TEST(GroupText, AChooserListsAGroupByNumberWithItsExplanationBesideIt) {
    EXPECT_EQ(GroupChoiceLabel(4, "\x91\xba\x92\xb7\x82\xcc\x89\xc6"), "4 \u2014 \u6751\u9577\u306e\u5bb6");  // 村長の家
    EXPECT_EQ(GroupChoiceLabel(0, ""), "0");
    EXPECT_EQ(GroupChoiceLabel(12, "\x81\x7f").rfind("12 \u2014 \ufffd", 0), 0u);  // undecodable bytes shown as such
}

TEST(GroupText, LoweringTheCountHidesTheGroupsAboveItAndRaisingItBringsThemBack) {
    std::vector<EventCommandGroup> groups{Group({"g0"}), Group({"g1"}), Group({"g2"}), Group({"g3"})};
    std::vector<EventCommandGroup> hidden;
    SetGroupCount(groups, hidden, 2);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(hidden.size(), 2u);
    SetGroupCount(groups, hidden, 1);
    SetGroupCount(groups, hidden, 3);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(Lines(groups[1]), std::vector<std::string>{"g1"});
    EXPECT_EQ(Lines(groups[2]), std::vector<std::string>{"g2"});
    SetGroupCount(groups, hidden, 6);
    ASSERT_EQ(groups.size(), 6u);
    EXPECT_EQ(Lines(groups[3]), std::vector<std::string>{"g3"});
    EXPECT_EQ(groups[5], EventCommandGroup{});
    EXPECT_TRUE(hidden.empty());

    // The count stays within 1..256.
    SetGroupCount(groups, hidden, 0);
    EXPECT_EQ(groups.size(), 1u);
    SetGroupCount(groups, hidden, 1000);
    EXPECT_EQ(groups.size(), 256u);
    EXPECT_EQ(Lines(groups[1]), std::vector<std::string>{"g1"});
}

}  // namespace
}  // namespace lw
