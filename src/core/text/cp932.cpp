#include "core/text/cp932.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iconv.h>

namespace lw {

std::size_t CharLength(std::string_view s, std::size_t pos) {
    if (pos + 1 < s.size() && IsLeadByte(static_cast<unsigned char>(s[pos]))) return 2;
    return 1;
}

std::string_view CutToBytes(std::string_view s, std::size_t maxBytes) {
    if (s.size() <= maxBytes) return s;
    std::size_t pos = 0;
    while (pos < s.size()) {
        std::size_t len = CharLength(s, pos);
        if (pos + len > maxBytes) break;
        pos += len;
    }
    return s.substr(0, pos);
}

std::size_t FindLastSingleByte(std::string_view s, char c) {
    std::size_t found = std::string_view::npos;
    for (std::size_t pos = 0; pos < s.size(); pos += CharLength(s, pos)) {
        if (s[pos] == c) found = pos;
    }
    return found;
}

std::string EncodeLineBreaks(std::string_view text) {
    std::string out;
    AppendEncodedLineBreaks(out, text);
    return out;
}

void AppendEncodedLineBreaks(std::string& out, std::string_view text) {
    // Copied in runs between the CRs (list files hold hundreds of thousands of these texts).
    std::size_t start = 0;
    for (std::size_t cr = text.find('\r'); cr != std::string_view::npos; cr = text.find('\r', cr + 1)) {
        if (cr + 1 < text.size() && text[cr + 1] == '\n') {
            out.append(text.data() + start, cr - start);
            out.push_back('#');
            start = cr + 2;
            ++cr;
        }
    }
    out.append(text.data() + start, text.size() - start);
}

std::string DecodeLineBreaks(std::string_view stored) {
    std::string out;
    AssignDecodedLineBreaks(out, stored);
    return out;
}

namespace {

// True when no byte of [p, p + n) has its high bit set (so none leads a double-byte character).
bool AllSingleBytes(const char* p, std::size_t n) {
    std::uint64_t acc = 0;
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t v;
        std::memcpy(&v, p, 8);
        acc |= v;
    }
    for (; n > 0; ++p, --n) acc |= static_cast<unsigned char>(*p);
    return (acc & 0x8080808080808080ull) == 0;
}

}  // namespace

void AssignDecodedLineBreaks(std::string& out, std::string_view stored) {
    out.clear();
    const std::size_t size = stored.size();
    std::size_t start = 0, pos = 0;
    // From one "#" to the next: where no byte between may lead a double-byte character, the next
    // "#" is a single byte; otherwise the characters are walked to tell whether it is a trail byte.
    while (pos < size) {
        std::size_t hash = stored.find('#', pos);
        if (hash == std::string_view::npos) break;
        if (!AllSingleBytes(stored.data() + pos, hash - pos)) {
            while (pos < hash) pos += (pos + 1 < size && IsLeadByte(static_cast<unsigned char>(stored[pos]))) ? 2 : 1;
            if (pos != hash) continue;  // the "#" was the trail byte of the character before it
        }
        out.append(stored.data() + start, hash - start);
        out += "\r\n";
        start = pos = hash + 1;
    }
    out.append(stored.data() + start, size - start);
}

namespace {

std::optional<std::string> Convert(const char* to, const char* from, std::string_view in, bool lossy) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out;
    out.resize(in.size() * 4 + 16);
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    bool ok = true;
    while (inLeft > 0) {
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) continue;
        if (errno == E2BIG) {
            std::size_t used = out.size() - outLeft;
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = out.size() - used;
        } else if (lossy && outLeft >= 3) {
            // Invalid or truncated sequence: skip one byte and mark it.
            ++inPtr;
            --inLeft;
            static const char kReplacement[] = "\xEF\xBF\xBD";
            for (char ch : std::string_view(kReplacement, 3)) { *outPtr++ = ch; }
            outLeft -= 3;
        } else if (lossy) {
            std::size_t used = out.size() - outLeft;
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = out.size() - used;
        } else {
            ok = false;
            break;
        }
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) { return Convert("UTF-8", "CP932", cp932, false); }
std::optional<std::string> Utf8ToCp932(std::string_view utf8) { return Convert("CP932", "UTF-8", utf8, false); }
std::string Cp932ToUtf8Lossy(std::string_view cp932) {
    auto out = Convert("UTF-8", "CP932", cp932, true);
    return out ? *out : std::string(cp932);
}

}  // namespace lw
