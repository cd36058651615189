#pragma once
// Helpers for Shift-JIS (code page 932) byte strings. Every text held by a record is a
// std::string of CP932 bytes exactly as stored in the project files; limits are byte limits.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lw {

// True for the first byte of a double-byte CP932 character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length in bytes of the character starting at `pos` (1 or 2; 1 for a lead byte at the end).
std::size_t CharLength(std::string_view s, std::size_t pos);

// The longest prefix of `s` of at most `maxBytes` bytes that does not split a character.
std::string_view CutToBytes(std::string_view s, std::size_t maxBytes);
inline std::string CutCopy(std::string_view s, std::size_t maxBytes) {
    return std::string(CutToBytes(s, maxBytes));
}

// Position of the last single-byte occurrence of `c` (never a trail byte), or npos.
std::size_t FindLastSingleByte(std::string_view s, char c);

// Multi-line texts are stored on one line: every CR LF becomes "#".
std::string EncodeLineBreaks(std::string_view text);
void AppendEncodedLineBreaks(std::string& out, std::string_view text);
// The reverse: every single-byte "#" (not the trail byte of a double-byte character) becomes CR LF.
std::string DecodeLineBreaks(std::string_view stored);
void AssignDecodedLineBreaks(std::string& out, std::string_view stored);

// CP932 <-> UTF-8 (used for file names on disk). nullopt when the input cannot be converted.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
std::optional<std::string> Utf8ToCp932(std::string_view utf8);
// Lossless-where-possible conversion for display of names: bytes that do not convert become U+FFFD.
std::string Cp932ToUtf8Lossy(std::string_view cp932);

}  // namespace lw
