#include "core/rules/magic.h"
#include "core/text/ui_text.h"

#include <algorithm>
#include <limits>

#include "core/tagfile/record_format.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"

namespace lw {

namespace {

constexpr std::string_view kNumberTag = "magic_number";
constexpr std::string_view kDataTag = "magic_data";

// "%d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %s %s"
const RecordFormat<Magic>& MagicLine() {
    static const RecordFormat<Magic> format = {
        IntField(&Magic::learnable),     IntField(&Magic::allTargets),      IntField(&Magic::damage),
        IntField(&Magic::agility),       IntField(&Magic::evasion),         IntField(&Magic::attack),
        IntField(&Magic::magicPower),    IntField(&Magic::physicalDefence), IntField(&Magic::mentalDefence),
        IntField(&Magic::maxHp),         IntField(&Magic::maxMp),           IntField(&Magic::hp),
        IntField(&Magic::mp),            IntField(&Magic::healthState),     IntField(&Magic::cost),
        IntField(&Magic::level),         IntField(&Magic::attackAnimation), IntField(&Magic::sound),
        TokenField(&Magic::name, kMagicNameBytes),
        TextField(&Magic::description, kMagicDescriptionBytes),
    };
    return format;
}

// Calls `take` with every record the count lets through, in file order. Lines are taken whole, so
// a long description never spills into a further record.
template <class F>
void ReadMagicLines(std::string_view bytes, F&& take) {
    TagReader reader;
    // The records are made one per line taken, so any count is safe.
    BoundedList bounded{.count = 0, .position = 0, .capacity = std::numeric_limits<int>::max()};
    bounded.AddTo(reader, kNumberTag, kDataTag, [&](int, std::string_view line) {
        Magic magic;
        ParseRecord(line, magic, MagicLine());
        take(std::move(magic));
    });
    reader.Read(bytes);
}

void WriteMagicList(TagWriter& w, const std::vector<Magic>& spells) {
    w.IntSection(kNumberTag, static_cast<long long>(spells.size()));
    w.Open(kDataTag);
    for (const Magic& magic : spells) AppendRecord(w.BeginLine(), magic, MagicLine());
    w.Close(kDataTag);
}

bool HasBlank(std::string_view token) { return CheckTokenField(token) == FieldProblem::HasBlank; }

}  // namespace

int MagicAbilityMaximum(int settingsAbilityMax) { return std::max(settingsAbilityMax, 0); }

std::vector<Magic> ParseMagicList(std::string_view bytes) {
    std::vector<Magic> spells;
    ReadMagicLines(bytes, [&](Magic&& magic) { spells.push_back(std::move(magic)); });
    return spells;
}

ReadStatus LoadMagicList(const Project& project, std::vector<Magic>& spells) {
    spells.clear();
    FileBytes file = ReadFileBytes(DataFilePath(project, kMagicFile), kListFileCeiling);
    if (file.ok()) spells = ParseMagicList(file.bytes);
    return file.status;
}

std::string MagicListBytes(const std::vector<Magic>& spells) {
    return TagFileBytes([&](TagWriter& w) { WriteMagicList(w, spells); });
}

bool SaveMagicList(const Project& project, const std::vector<Magic>& spells, SaveUi& ui) {
    return SaveDataTagFile(project, kMagicFile, [&](TagWriter& w) { WriteMagicList(w, spells); }, ui);
}

void ParseMagicNames(std::string_view bytes, std::vector<std::string>& out) {
    ReadMagicLines(bytes, [&](Magic&& magic) { out.push_back(std::move(magic.name)); });
}

ReadStatus LoadMagicNames(const Project& project, std::vector<std::string>& out) {
    FileBytes file = ReadFileBytes(DataFilePath(project, kMagicFile), kListFileCeiling);
    if (file.ok()) ParseMagicNames(file.bytes, out);
    return file.status;
}

MagicProblem CheckMagicName(std::string_view name) {
    return HasBlank(name) ? MagicProblem::NameHasBlank : MagicProblem::None;
}

MagicProblem CheckMagicDescription(std::string_view description) {
    return HasBlank(EncodeLineBreaks(description)) ? MagicProblem::DescriptionHasBlank : MagicProblem::None;
}

MagicProblem CheckMagic(const Magic& magic) {
    if (MagicProblem p = CheckMagicName(magic.name); p != MagicProblem::None) return p;
    if (MagicProblem p = CheckMagicDescription(magic.description); p != MagicProblem::None) return p;
    if (magic.name.empty() && !magic.description.empty()) return MagicProblem::DescriptionWithoutName;
    return MagicProblem::None;
}

std::string MagicProblemMessage(MagicProblem problem) {
    switch (problem) {
    case MagicProblem::None: return {};
    case MagicProblem::NameHasBlank: return LW_UI_TEXT("lw", "魔法名に半角の空白やﾀﾌﾞは使えません（全角の空白は使えます）");
    case MagicProblem::DescriptionHasBlank:
        return LW_UI_TEXT("lw", "魔法説明に半角の空白やﾀﾌﾞは使えません（全角の空白と改行は使えます）");
    case MagicProblem::DescriptionWithoutName: return LW_UI_TEXT("lw", "魔法説明のある魔法には魔法名を付けてください");
    }
    return {};
}

}  // namespace lw
