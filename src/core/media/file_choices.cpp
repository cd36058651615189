#include "core/media/file_choices.h"

#include <algorithm>

#include "core/media/audio_lists.h"
#include "core/text/cp932.h"

namespace lw {

std::vector<std::string> ImageFolderChoices(const Project& project) {
    std::vector<std::string> names = ListFolderFiles(project, project.imageFolder, "*.*");
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return AudioNameLess(a, b); });
    return names;
}

namespace {
unsigned char Fold(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c; }
}  // namespace

bool BeginsWithIgnoringCase(std::string_view name, std::string_view prefix) {
    if (prefix.size() > name.size()) return false;
    std::size_t i = 0;
    while (i < prefix.size()) {
        const auto a = static_cast<unsigned char>(name[i]);
        const auto b = static_cast<unsigned char>(prefix[i]);
        if (IsLeadByte(b)) {
            // A double-byte character matches only whole and exactly.
            if (i + 1 >= prefix.size() || name[i] != prefix[i] || name[i + 1] != prefix[i + 1]) return false;
            i += 2;
            continue;
        }
        if (IsLeadByte(a) || Fold(a) != Fold(b)) return false;
        ++i;
    }
    return true;
}

int FirstEntryWithPrefix(const std::vector<std::string>& entries, std::string_view prefix) {
    if (prefix.empty()) return -1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (BeginsWithIgnoringCase(entries[i], prefix)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace lw
