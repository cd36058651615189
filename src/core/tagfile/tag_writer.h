#pragma once
// Builds the bytes of a tag file: the first line is written as it stands, every later line with
// CR LF in front of it, and nothing follows the last line.

#include <string>
#include <string_view>

namespace lw {

class TagWriter {
public:
    void Line(std::string_view text);
    // Starts a new line and returns the buffer to append its text to (for formatting in place).
    std::string& BeginLine();
    void Open(std::string_view name);   // "<name>"
    void Close(std::string_view name);  // "</name>"
    void Int(long long value);
    void Fixed(double value, int decimals);
    // A single-value section: "<name>", the value line, "</name>".
    void IntSection(std::string_view name, long long value);
    void FixedSection(std::string_view name, double value, int decimals);
    void StringSection(std::string_view name, std::string_view value);
    // The three lines that stand before each record of a nested list.
    void RecordHeader(int recordNumber);

    const std::string& bytes() const { return bytes_; }
    std::string Take() { return std::move(bytes_); }
    void Reserve(std::size_t n) { bytes_.reserve(n); }

private:
    std::string bytes_;
    bool first_ = true;
};

inline constexpr std::string_view kSeparatorLine = "-------------------------";

}  // namespace lw
