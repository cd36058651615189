#pragma once
// Numbers appended to the bytes of a binary file made in code, lowest byte first.

#include <cstdint>
#include <string>

namespace lw::test {

// The low `bytes` bytes of `value`, lowest first.
inline void AppendLittleEndian(std::string& out, std::uint32_t value, int bytes = 4) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFFu);
}

}  // namespace lw::test
