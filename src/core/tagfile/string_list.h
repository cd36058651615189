#pragma once
// Lists whose records are one string per line (the BGM and sound lists, the flag explanations):
// "<x_number>" count "</x_number>" "<x_data>" one line per entry "</x_data>".

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lw {

class TagWriter;

// The whole file for `entries`; the count written is the number of entries.
void WriteStringList(TagWriter& w, std::string_view numberTag, std::string_view dataTag,
                     std::span<const std::string> entries);
std::string WriteStringList(std::string_view numberTag, std::string_view dataTag, std::span<const std::string> entries);

// Every content line of the data section, the count ignored and no limit applied (lists shown in
// controls). Each line is kept whole, cut to `width` bytes; a blank line is an empty entry.
std::vector<std::string> ReadStringListLines(std::string_view bytes, std::string_view numberTag,
                                             std::string_view dataTag, std::size_t width);

}  // namespace lw
