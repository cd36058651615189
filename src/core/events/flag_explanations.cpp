#include "core/events/flag_explanations.h"

#include "core/tagfile/string_list.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"

namespace lw {

std::string FlagExplanationsBytes(const FlagExplanations& table) {
    return WriteStringList("flag_exp_number", "flag_exp_data", table.text);
}

void ParseFlagExplanations(std::string_view bytes, FlagExplanations& table) {
    TagReader reader;
    BoundedList list{.count = 0, .position = 0, .capacity = kFlagCount};
    list.AddTo(reader, "flag_exp_number", "flag_exp_data", [&](int position, std::string_view line) {
        table.text[static_cast<std::size_t>(position)] = CutCopy(line, kFlagExplanationBytes);
    });
    reader.Read(bytes);
}

ReadStatus LoadFlagExplanations(const Project& project, FlagExplanations& table) {
    FileBytes file = ReadFileBytes(DataFilePath(project, kFlagFile), kSmallFileCeiling);
    if (file.ok()) ParseFlagExplanations(file.bytes, table);
    return file.status;
}

DataFileWrite FlagExplanationsWrite(const FlagExplanations& table) {
    return DataFileWrite::Bytes(std::string(kFlagFile), FlagExplanationsBytes(table));
}

bool SaveFlagExplanations(const Project& project, const FlagExplanations& table, SaveUi& ui) {
    return SaveDataTagFile(project, kFlagFile, [&table](TagWriter& w) { WriteStringList(w, "flag_exp_number", "flag_exp_data", table.text); }, ui);
}

}  // namespace lw
