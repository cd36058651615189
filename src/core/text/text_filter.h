#pragma once
// The rule of the filter boxes above long lists and choosers: what the author types narrows the rows
// to those whose text holds it, or whose number it is.
//
// Texts are compared as the author reads them, not byte by byte: ASCII letters without case, the
// full-width forms of ASCII as ASCII, and the half-width katakana CP932 keeps in one byte as their
// full-width forms (voiced marks joined), so "ﾌﾗｸﾞ", "フラグ" and "ﾌﾗｸﾞ" all find one another.
// Texts are UTF-8 (what the interface shows, converted from CP932), so a match never starts inside
// a character.

#include <optional>
#include <string>
#include <string_view>

namespace lw {

// The text folded for comparison (see above); other characters are kept as they are.
std::string FoldForSearch(std::string_view utf8);

class TextFilter {
public:
    // `query` as typed (UTF-8); blanks at either end do not count.
    explicit TextFilter(std::string_view query = {});

    // True when nothing is typed: every row is shown.
    bool empty() const { return folded_.empty(); }
    // The row numbered `number` (-1: a row without a number) whose text is `utf8Text` matches when
    // the query is empty, the text holds the query, or the query is that number.
    bool Matches(int number, std::string_view utf8Text) const { return MatchesFolded(number, FoldForSearch(utf8Text)); }
    // The same for a text already folded with FoldForSearch (a list folds its rows once).
    bool MatchesFolded(int number, std::string_view foldedText) const;

private:
    std::string folded_;
    std::optional<int> number_;
};

}  // namespace lw
