#pragma once
// The picture files the image drop-downs offer, and how a typed or stored name finds its entry.

#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"

namespace lw {

// Every regular file of the project's image folder ("*.*"; folders, "." and ".." are not files),
// sorted as the audio choices are: ASCII letters compared without case, then byte for byte.
std::vector<std::string> ImageFolderChoices(const Project& project);

// True when `name` begins with `prefix`, single-byte letters compared without case (the two bytes
// of a double-byte character are compared as they are).
bool BeginsWithIgnoringCase(std::string_view name, std::string_view prefix);

// The first entry that begins with `prefix` (CP932), ignoring case; -1 when none does or the
// prefix is empty.
int FirstEntryWithPrefix(const std::vector<std::string>& entries, std::string_view prefix);

}  // namespace lw
