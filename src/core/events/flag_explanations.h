#pragma once
// The author's explanations of the 4096 event flags (flag_exp.txt in the data folder).

#include <array>
#include <string>
#include <string_view>

#include "core/project/data_file_set.h"

namespace lw {

inline constexpr int kFlagCount = 4096;
inline constexpr std::size_t kFlagExplanationBytes = 255;

struct FlagExplanations {
    std::array<std::string, kFlagCount> text;  // index = flag number; empty = no explanation
};

inline constexpr std::string_view kFlagFile = "flag_exp.txt";

std::string FlagExplanationsBytes(const FlagExplanations& table);
// flag_exp.txt with the content of `table`, for a save of several files.
DataFileWrite FlagExplanationsWrite(const FlagExplanations& table);
// Fills entries 0, 1, ... from the file's lines while below the file's count (clamped to 4096);
// the entries after the last line read keep their text.
void ParseFlagExplanations(std::string_view bytes, FlagExplanations& table);
// A file that is missing or cannot be read leaves the table unchanged.
ReadStatus LoadFlagExplanations(const Project& project, FlagExplanations& table);
bool SaveFlagExplanations(const Project& project, const FlagExplanations& table, SaveUi& ui);

}  // namespace lw
