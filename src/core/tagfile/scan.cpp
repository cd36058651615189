#include "core/tagfile/scan.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/text/cp932.h"

namespace lw {

namespace {
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

void FieldScanner::SkipSpace() {
    while (pos_ < line_.size() && IsSpace(line_[pos_])) ++pos_;
}

bool FieldScanner::Int(int& out) {
    if (!ok_) return false;
    SkipSpace();
    std::size_t p = pos_;
    bool negative = false;
    if (p < line_.size() && (line_[p] == '+' || line_[p] == '-')) negative = line_[p++] == '-';
    std::size_t digitsStart = p;
    // Accumulate with saturation: an out-of-range number clamps to the int range.
    long long value = 0;
    while (p < line_.size() && IsDigit(line_[p])) {
        if (value <= std::numeric_limits<int>::max()) value = value * 10 + (line_[p] - '0');
        ++p;
    }
    if (p == digitsStart) return ok_ = false;
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max()) value = std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min()) value = std::numeric_limits<int>::min();
    out = static_cast<int>(value);
    pos_ = p;
    return true;
}

bool FieldScanner::Float(float& out) {
    if (!ok_) return false;
    SkipSpace();
    std::size_t p = pos_;
    bool negative = false;
    if (p < line_.size() && (line_[p] == '+' || line_[p] == '-')) negative = line_[p++] == '-';
    // from_chars does not take a sign of its own for '+', and takes '-' itself; handle both here.
    if (p < line_.size() && (line_[p] == '+' || line_[p] == '-')) return ok_ = false;
    float value = 0;
    auto [end, ec] = std::from_chars(line_.data() + p, line_.data() + line_.size(), value,
                                     std::chars_format::general);
    if (end == line_.data() + p) return ok_ = false;
    if (ec == std::errc::result_out_of_range) {
        // Overflow saturates, underflow goes to zero (as strtof does).
        double d = 0;
        std::from_chars(line_.data() + p, end, d);
        value = std::fabs(d) > 1 ? std::numeric_limits<float>::infinity() : 0.0f;
    }
    out = negative ? -value : value;
    pos_ = static_cast<std::size_t>(end - line_.data());
    return true;
}

bool FieldScanner::TokenView(std::string_view& out, std::size_t maxBytes) {
    if (!ok_) return false;
    SkipSpace();
    std::size_t start = pos_;
    while (pos_ < line_.size() && !IsSpace(line_[pos_])) ++pos_;
    if (pos_ == start) return ok_ = false;
    out = CutToBytes(line_.substr(start, pos_ - start), maxBytes);
    return true;
}

bool FieldScanner::Token(std::string& out, std::size_t maxBytes) {
    std::string_view token;
    if (!TokenView(token, maxBytes)) return false;
    out.assign(token.data(), token.size());
    return true;
}

bool ScanInt(std::string_view line, int& out) { return FieldScanner(line).Int(out); }
bool ScanFloat(std::string_view line, float& out) { return FieldScanner(line).Float(out); }

void AppendInt(std::string& out, long long value) {
    char buf[24];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, end);
}

void AppendFixed(std::string& out, double value, int decimals) {
    char buf[400];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) {
        out += '0';
        return;
    }
    out.append(buf, end);
}

std::string FormatInt(long long value) {
    std::string s;
    AppendInt(s, value);
    return s;
}

std::string FormatFixed(double value, int decimals) {
    std::string s;
    AppendFixed(s, value, decimals);
    return s;
}

}  // namespace lw
