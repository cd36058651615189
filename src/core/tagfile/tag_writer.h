#pragma once
// Builds the bytes of a tag file: the first line is written as it stands, every later line with
// CR LF in front of it, and nothing follows the last line.
//
// A writer either gathers the whole file in memory (bytes(), Take()) or, given a sink, hands the
// bytes on in chunks as they are made, so that saving a large list needs one small buffer.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace lw {

class TagWriter {
public:
    using Sink = std::function<bool(std::string_view chunk)>;

    TagWriter() = default;
    explicit TagWriter(Sink sink, std::size_t chunkBytes = std::size_t{1} << 20);

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

    // Without a sink: what has been written so far.
    const std::string& bytes() const { return bytes_; }
    std::string Take() { return std::move(bytes_); }
    void Reserve(std::size_t n) {
        if (!sink_) bytes_.reserve(n);
    }
    // With a sink: hands on what is left. False when any chunk could not be handed on.
    bool Finish();

private:
    // Every line starts here: a full chunk goes to the sink first, then the line break.
    void StartLine();
    std::string bytes_;
    bool first_ = true;
    Sink sink_;
    std::size_t chunkBytes_ = 0;
    bool sinkOk_ = true;
};

inline constexpr std::string_view kSeparatorLine = "-------------------------";

}  // namespace lw
