#pragma once
// Every reader of a project file, as a function of bytes, with a seed that is a valid file.
// New readers are added to the table in fuzz_entry.cpp.

#include <string>
#include <string_view>
#include <vector>

namespace lw::fuzz {

struct Reader {
    const char* name;
    std::string (*seed)();
    void (*read)(std::string_view bytes);
};

const std::vector<Reader>& Readers();

// libFuzzer style: the first byte picks the reader, the rest is its input.
void FuzzOneInput(const unsigned char* data, std::size_t size);

}  // namespace lw::fuzz
