#include "core/world/scene_numbers.h"

#include <charconv>
#include <vector>

namespace lw {

int NextFreeFileNumber(std::span<const int> used) {
    const std::size_t count = used.size();
    std::vector<bool> taken(count, false);
    for (int n : used)
        if (n >= 0 && static_cast<std::size_t>(n) < count) taken[static_cast<std::size_t>(n)] = true;
    for (std::size_t n = 0; n < count; ++n)
        if (!taken[n]) return static_cast<int>(n);
    return static_cast<int>(count);
}

namespace {

// `a` equals `b` with ASCII letters compared without case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

}  // namespace

std::optional<int> FileNumberFromName(std::string_view name, std::string_view prefix, std::string_view suffix) {
    if (name.size() <= prefix.size() + suffix.size()) return std::nullopt;
    if (!EqualsIgnoringCase(name.substr(0, prefix.size()), prefix)) return std::nullopt;
    if (!EqualsIgnoringCase(name.substr(name.size() - suffix.size()), suffix)) return std::nullopt;
    std::string_view digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    if (digits.size() > 1 && digits[0] == '0') return std::nullopt;
    for (char c : digits)
        if (c < '0' || c > '9') return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

}  // namespace lw
