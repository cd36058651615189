#include <cstddef>
#include <cstdint>

#include "fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lw::fuzz::FuzzOneInput(data, size);
    return 0;
}
