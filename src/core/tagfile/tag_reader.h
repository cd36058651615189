#pragma once
// The line-driven reader shared by every list file.
//
// Lines are split on LF; one CR directly before the LF is removed with it (a lone CR stays part of
// the line). Lines are read whole. Each line is compared, byte for byte, with the tags of the
// sections in the order they were added: for each section in turn, its opening tag makes it the
// current section, its closing tag leaves every section, and when it is the current section the
// line is its content. A line no section claims is ignored.

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace lw {

// Calls `onLine` for every line of `bytes`. A final line break does not make an extra line.
template <class F>
void ForEachLine(std::string_view bytes, F&& onLine) {
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t lf = bytes.find('\n', start);
        if (lf == std::string_view::npos) {
            onLine(bytes.substr(start));
            return;
        }
        std::size_t end = lf;
        if (end > start && bytes[end - 1] == '\r') --end;
        onLine(bytes.substr(start, end - start));
        start = lf + 1;
    }
}

class TagReader {
public:
    using ContentFn = std::function<void(std::string_view line)>;
    using EventFn = std::function<void()>;

    // Adds a section by name (without brackets). onOpen runs on its opening tag, onClose on its
    // closing tag.
    TagReader& Section(std::string_view name, ContentFn content, EventFn onOpen = {}, EventFn onClose = {});
    // A section that encloses other sections (the record section of a nested list): its tags are
    // tested in their place like any other, but it claims no lines, so the lines inside it reach
    // the sections added after it.
    TagReader& Enclosing(std::string_view name, EventFn onOpen, EventFn onClose);

    void Read(std::string_view bytes);
    void HandleLine(std::string_view line);

private:
    struct Entry {
        std::string open;
        std::string close;
        ContentFn content;
        EventFn onOpen;
        EventFn onClose;
        bool claimsContent = true;
    };
    std::vector<Entry> sections_;
    int state_ = -1;  // index of the current section, -1 outside every section
};

// Count rule 2 for a list of records: the count section's number, clamped to `capacity`, bounds
// the data lines taken. Negative counts stay as read and take nothing. `take(position, line)` is
// called for each line taken.
struct BoundedList {
    int count = 0;
    int position = 0;
    int capacity = 0;
    void AddTo(TagReader& reader, std::string_view numberTag, std::string_view dataTag,
               std::function<void(int position, std::string_view line)> take);
};

// The records of a counted list with no table behind it: `parse(line, record)` fills the record of
// each line the count lets through; a data section read again puts its records from the first on.
// A record is only made for a line that is there, so a huge count allocates nothing.
template <class R, class Parse>
std::vector<R> ReadCountedRecords(std::string_view bytes, std::string_view numberTag, std::string_view dataTag,
                                  Parse parse) {
    std::vector<R> out;
    TagReader reader;
    BoundedList bounded{.count = 0, .position = 0, .capacity = std::numeric_limits<int>::max()};
    bounded.AddTo(reader, numberTag, dataTag, [&](int position, std::string_view line) {
        R record;
        parse(line, record);
        if (static_cast<std::size_t>(position) < out.size())
            out[static_cast<std::size_t>(position)] = std::move(record);
        else
            out.push_back(std::move(record));
    });
    reader.Read(bytes);
    return out;
}

}  // namespace lw
