#include "core/tagfile/string_list.h"

#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"

namespace lw {

void WriteStringList(TagWriter& w, std::string_view numberTag, std::string_view dataTag,
                     std::span<const std::string> entries) {
    w.IntSection(numberTag, static_cast<long long>(entries.size()));
    w.Open(dataTag);
    for (const auto& e : entries) w.Line(e);
    w.Close(dataTag);
}

std::string WriteStringList(std::string_view numberTag, std::string_view dataTag, std::span<const std::string> entries) {
    TagWriter w;
    std::size_t total = 64;
    for (const auto& e : entries) total += e.size() + 2;
    w.Reserve(total);
    WriteStringList(w, numberTag, dataTag, entries);
    return w.Take();
}

std::vector<std::string> ReadStringListLines(std::string_view bytes, std::string_view numberTag,
                                             std::string_view dataTag, std::size_t width) {
    std::vector<std::string> out;
    TagReader reader;
    reader.Section(numberTag, [](std::string_view) {});
    reader.Section(dataTag, [&](std::string_view line) { out.push_back(CutCopy(line, width)); });
    reader.Read(bytes);
    return out;
}

}  // namespace lw
