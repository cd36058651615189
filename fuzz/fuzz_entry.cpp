#include "fuzz_entry.h"

#include "core/events/flag_explanations.h"
#include "core/project/project.h"
#include "core/tagfile/string_list.h"

namespace lw::fuzz {

namespace {

std::string PrepareSeed() {
    Project p;
    p.dataFolder = "data";
    p.imageFolder = "image";
    p.audioFolder = "audio";
    p.waitImage = "loading.bmp";
    return PrepareFileBytes(p);
}
void PrepareRead(std::string_view bytes) {
    Project p;
    ParsePrepareFile(p, bytes);
}

std::string FlagSeed() {
    FlagExplanations t;
    t.text[0] = "first flag";
    t.text[7] = "\x83\x74\x83\x89\x83\x4f";  // a CP932 word
    return FlagExplanationsBytes(t);
}
void FlagRead(std::string_view bytes) {
    static FlagExplanations t;
    ParseFlagExplanations(bytes, t);
}

std::string StringListSeed() {
    std::vector<std::string> names = {"a.mid", "b c.mid", ""};
    return WriteStringList("midi_number", "midi_data", names);
}
void StringListRead(std::string_view bytes) { ReadStringListLines(bytes, "midi_number", "midi_data", 255); }

}  // namespace

const std::vector<Reader>& Readers() {
    static const std::vector<Reader> readers = {
        {"prepare.txt", PrepareSeed, PrepareRead},
        {"flag_exp.txt", FlagSeed, FlagRead},
        {"string list", StringListSeed, StringListRead},
    };
    return readers;
}

void FuzzOneInput(const unsigned char* data, std::size_t size) {
    if (size == 0) return;
    const auto& readers = Readers();
    const Reader& r = readers[data[0] % readers.size()];
    r.read(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
}

}  // namespace lw::fuzz
