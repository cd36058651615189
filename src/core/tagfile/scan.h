#pragma once
// A bounded, locale-independent replacement for the C scanf family as the list files use it:
// "%d", "%f" and "%s" fields, a blank in the format matching any run of white space (or none).
// Scanning stops at the first field that does not parse; the fields not reached keep the values
// they had (the readers clear records before scanning). "%s" never overflows: the caller gives
// the width in bytes and the token is cut at a character boundary.

#include <cstddef>
#include <string>
#include <string_view>

namespace lw {

class FieldScanner {
public:
    explicit FieldScanner(std::string_view line) : line_(line) {}

    // Each call scans one field. After a failed field every later call fails too.
    bool Int(int& out);
    bool Float(float& out);
    bool Token(std::string& out, std::size_t maxBytes);
    // The same token as a view of the line (valid as long as the line).
    bool TokenView(std::string_view& out, std::size_t maxBytes);

    bool ok() const { return ok_; }
    // What is left of the line after the fields scanned so far.
    std::string_view rest() const { return line_.substr(pos_); }

private:
    void SkipSpace();
    std::string_view line_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

// Whole-line helpers for value lines.
bool ScanInt(std::string_view line, int& out);
bool ScanFloat(std::string_view line, float& out);

// Locale-independent number formatting ("%d", "%.1f", "%.2f").
std::string FormatInt(long long value);
std::string FormatFixed(double value, int decimals);
void AppendInt(std::string& out, long long value);
void AppendFixed(std::string& out, double value, int decimals);

}  // namespace lw
