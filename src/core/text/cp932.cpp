#include "core/text/cp932.h"

#include <cerrno>
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
    if (text.find('\r') == std::string_view::npos) {
        out.append(text);
        return;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out.push_back('#');
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
}

std::string DecodeLineBreaks(std::string_view stored) {
    std::string out;
    AssignDecodedLineBreaks(out, stored);
    return out;
}

void AssignDecodedLineBreaks(std::string& out, std::string_view stored) {
    out.clear();
    if (stored.find('#') == std::string_view::npos) {
        out.append(stored);
        return;
    }
    for (std::size_t pos = 0; pos < stored.size();) {
        std::size_t len = CharLength(stored, pos);
        if (len == 1 && stored[pos] == '#') {
            out += "\r\n";
        } else {
            out.append(stored.substr(pos, len));
        }
        pos += len;
    }
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
