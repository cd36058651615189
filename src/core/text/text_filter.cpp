#include "core/text/text_filter.h"

#include <array>
#include <cstdint>

namespace lw {

namespace {

// Full-width forms of the half-width katakana U+FF61..U+FF9F.
constexpr std::array<char16_t, 63> kHalfWidthKana = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9, 0x30E3, 0x30E5,
    0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB, 0x30AD, 0x30AF, 0x30B1, 0x30B3,
    0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1, 0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC,
    0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5, 0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4,
    0x30E6, 0x30E8, 0x30E9, 0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3, 0x309B, 0x309C};

constexpr char32_t kVoicedMark = 0x309B;
constexpr char32_t kSemiVoicedMark = 0x309C;

// ハ to ホ take both marks; カ to ト and ウ the voiced one.
bool TakesSemiVoicedMark(char32_t c) { return c >= 0x30CF && c <= 0x30DB && (c - 0x30CF) % 3 == 0; }
bool TakesVoicedMark(char32_t c) {
    return (c >= 0x30AB && c <= 0x30C1 && (c - 0x30AB) % 2 == 0) || c == 0x30C4 || c == 0x30C6 || c == 0x30C8 ||
           c == 0x30A6 || TakesSemiVoicedMark(c);
}

// The next code point of `s` from `i` (advanced); a byte that does not start a valid sequence is
// taken alone as itself.
char32_t NextCodePoint(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t length = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (length <= 1 || i + length > s.size()) {
        ++i;
        return b;
    }
    char32_t c = b & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto t = static_cast<unsigned char>(s[i + k]);
        if ((t & 0xC0) != 0x80) {
            ++i;
            return b;
        }
        c = (c << 6) | (t & 0x3F);
    }
    i += length;
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t FoldOne(char32_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E) c = c - 0xFF01 + 0x21;  // full-width ASCII
    if (c == 0x3000) c = ' ';
    if (c >= 0xFF61 && c <= 0xFF9F) c = kHalfWidthKana[c - 0xFF61];
    if (c >= 'A' && c <= 'Z') c = c - 'A' + 'a';
    return c;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

}  // namespace

std::string FoldForSearch(std::string_view utf8) {
    std::u32string folded;
    folded.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = FoldOne(NextCodePoint(utf8, i));
        // A voiced mark after a kana that takes it makes one character, as the full-width text has.
        if (!folded.empty() && (c == kVoicedMark || c == 0x3099) && TakesVoicedMark(folded.back())) {
            folded.back() = folded.back() == 0x30A6 ? char32_t{0x30F4} : folded.back() + 1;
            continue;
        }
        if (!folded.empty() && (c == kSemiVoicedMark || c == 0x309A) && TakesSemiVoicedMark(folded.back())) {
            folded.back() += 2;
            continue;
        }
        folded += c;
    }
    std::string out;
    out.reserve(utf8.size());
    for (char32_t c : folded) AppendUtf8(out, c);
    return out;
}

TextFilter::TextFilter(std::string_view query) {
    const std::string folded = FoldForSearch(query);
    folded_ = Trimmed(folded);
    if (!folded_.empty() && folded_.size() <= 9 &&
        folded_.find_first_not_of("0123456789") == std::string::npos)
        number_ = std::stoi(folded_);
}

bool TextFilter::MatchesFolded(int number, std::string_view foldedText) const {
    if (folded_.empty()) return true;
    if (number_ && number >= 0 && *number_ == number) return true;
    return foldedText.find(folded_) != std::string_view::npos;
}

}  // namespace lw
