#include "core/rules/player_character.h"

#include <algorithm>
#include <limits>
#include <span>

#include "core/tagfile/record_format.h"
#include "core/tagfile/scan.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"

namespace lw {

namespace {

constexpr std::string_view kNameTag = "pc_name";
constexpr std::string_view kMainTag = "pc_main_data";
constexpr std::string_view kChipTag = "pc_chip_data";
constexpr std::string_view kFaceTag = "pc_face_data";
constexpr std::string_view kEquipmentNumberTag = "pc_equipment_number";
constexpr std::string_view kEquipmentDataTag = "pc_equipment_data";
constexpr std::string_view kItemMaxTag = "pc_item_max_number";
constexpr std::string_view kItemNumberTag = "pc_item_number";
constexpr std::string_view kItemDataTag = "pc_item_data";

using PC = PlayerCharacter;

// The 21 main numbers in file order.
const RecordFormat<PC>& MainLine() {
    static const RecordFormat<PC> format = {
        IntField(&PC::speed),      IntField(&PC::viewCellX),       IntField(&PC::viewCellY),
        IntField(&PC::startX),     IntField(&PC::startY),          IntField(&PC::reserved6),
        IntField(&PC::reserved7),  IntField(&PC::direction),       IntField(&PC::level),
        IntField(&PC::agility),    IntField(&PC::evasion),         IntField(&PC::attack),
        IntField(&PC::magicPower), IntField(&PC::physicalDefence), IntField(&PC::mentalDefence),
        IntField(&PC::maxHp),      IntField(&PC::maxMp),           IntField(&PC::reserved18),
        IntField(&PC::experience), IntField(&PC::money),           IntField(&PC::reserved21),
    };
    return format;
}

// "item count": the pair's two numbers, for the reader and the writer alike.
template <class B, class F>
void VisitPair(B& pair, F&& onInt) {
    onInt(pair.item);
    onInt(pair.count);
}

// The numbers of a picture line after its file name, in file order.
template <class P, class F>
void VisitPictureNumbers(P& p, F&& onInt) {
    for (auto* f : {&p.x, &p.y, &p.width, &p.height, &p.drawMode, &p.colourKey, &p.keyRed, &p.keyGreen, &p.keyBlue})
        onInt(*f);
}

// A picture line: the file name, the nine numbers, then `extra` numbers. The writer puts one blank
// between fields, so an empty file name leaves the line beginning with a blank; read as "%s" that
// would take the first number for the name and shift every field after it, so such a line reads
// as an empty name followed by the numbers.
void ParsePictureLine(std::string_view line, PcPicture& picture, std::span<int> extra) {
    const bool emptyName = !line.empty() && line.front() == ' ';
    FieldScanner scan(emptyName ? line.substr(1) : line);
    if (emptyName)
        picture.fileName.clear();
    else
        scan.Token(picture.fileName, kPcPictureFileBytes);
    VisitPictureNumbers(picture, [&](int& v) { scan.Int(v); });
    for (int& v : extra) scan.Int(v);
}

void AppendPictureLine(std::string& line, const PcPicture& picture, std::span<const int> extra) {
    line += CutToBytes(picture.fileName, kPcPictureFileBytes);
    VisitPictureNumbers(picture, [&](const int& v) {
        line += ' ';
        AppendInt(line, v);
    });
    for (int v : extra) {
        line += ' ';
        AppendInt(line, v);
    }
}

int Saturate(long long v) {
    return static_cast<int>(
        std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Division rounding toward minus infinity.
long long FloorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

}  // namespace

DrawSpec SpecOf(const PcPicture& p) { return DrawSpec{p.drawMode, p.colourKey, Rgb{p.keyRed, p.keyGreen, p.keyBlue}}; }

PlayerCharacter DefaultPlayerCharacter() { return PlayerCharacter{}; }

PlayerCharacter ParsePlayerCharacter(std::string_view bytes) {
    PlayerCharacter pc = DefaultPlayerCharacter();
    TagReader reader;
    reader.Section(kNameTag, [&](std::string_view line) { pc.name = CutCopy(line, kPcNameBytes); });
    reader.Section(kMainTag, [&](std::string_view line) { ParseRecord(line, pc, MainLine()); });
    reader.Section(kChipTag, [&](std::string_view line) {
        std::array<int, 8> order{};
        std::copy(pc.chipFrameOrder.begin(), pc.chipFrameOrder.end(), order.begin());
        std::copy(pc.chipFacingRow.begin(), pc.chipFacingRow.end(), order.begin() + 4);
        ParsePictureLine(line, pc.chip, order);
        std::copy(order.begin(), order.begin() + 4, pc.chipFrameOrder.begin());
        std::copy(order.begin() + 4, order.end(), pc.chipFacingRow.begin());
    });
    reader.Section(kFaceTag, [&](std::string_view line) { ParsePictureLine(line, pc.face, {}); });

    int equipmentCount = 0;
    int equipmentRead = 0;
    reader.Section(kEquipmentNumberTag, [&](std::string_view line) { ScanInt(line, equipmentCount); });
    reader.Section(kEquipmentDataTag, [&](std::string_view line) {
        if (equipmentRead >= equipmentCount || equipmentRead >= kPcEquipmentSlots) return;
        ScanInt(line, pc.equipment[static_cast<std::size_t>(equipmentRead)]);
        ++equipmentRead;
    });
    reader.Section(kItemMaxTag, [&](std::string_view line) { ScanInt(line, pc.belongingsMax); });

    int pairCount = 0;
    reader.Section(kItemNumberTag, [&](std::string_view line) {
        if (ScanInt(line, pairCount)) pairCount = std::clamp(pairCount, 0, kPcBelongingsCapacity);
    });
    reader.Section(kItemDataTag, [&](std::string_view line) {
        // One pair per line that is there, so a huge count allocates nothing it does not fill.
        if (static_cast<int>(pc.belongings.size()) >= pairCount) return;
        PcBelonging pair;
        FieldScanner scan(line);
        VisitPair(pair, [&](int& v) { scan.Int(v); });
        pc.belongings.push_back(pair);
    });
    reader.Read(bytes);
    return pc;
}

ReadStatus LoadPlayerCharacter(const Project& project, PlayerCharacter& pc) {
    FileBytes file = ReadFileBytes(DataFilePath(project, kPlayerCharacterFile), kListFileCeiling);
    pc = file.ok() ? ParsePlayerCharacter(file.bytes) : DefaultPlayerCharacter();
    return file.status;
}

void WritePlayerCharacter(TagWriter& w, const PlayerCharacter& pc) {
    w.StringSection(kNameTag, CutToBytes(pc.name, kPcNameBytes));
    w.Open(kMainTag);
    AppendRecord(w.BeginLine(), pc, MainLine());
    w.Close(kMainTag);

    std::array<int, 8> order{};
    std::copy(pc.chipFrameOrder.begin(), pc.chipFrameOrder.end(), order.begin());
    std::copy(pc.chipFacingRow.begin(), pc.chipFacingRow.end(), order.begin() + 4);
    w.Open(kChipTag);
    AppendPictureLine(w.BeginLine(), pc.chip, order);
    w.Close(kChipTag);
    w.Open(kFaceTag);
    AppendPictureLine(w.BeginLine(), pc.face, {});
    w.Close(kFaceTag);

    w.IntSection(kEquipmentNumberTag, kPcEquipmentSlots);
    w.Open(kEquipmentDataTag);
    for (int slot : pc.equipment) w.Int(slot);
    w.Close(kEquipmentDataTag);
    w.IntSection(kItemMaxTag, pc.belongingsMax);
    w.IntSection(kItemNumberTag, static_cast<long long>(pc.belongings.size()));
    w.Open(kItemDataTag);
    for (const PcBelonging& pair : pc.belongings) {
        std::string& line = w.BeginLine();
        const char* separator = "";
        VisitPair(pair, [&](const int& v) {
            line += separator;
            AppendInt(line, v);
            separator = " ";
        });
    }
    w.Close(kItemDataTag);
}

std::string PlayerCharacterBytes(const PlayerCharacter& pc) {
    return TagFileBytes([&](TagWriter& w) { WritePlayerCharacter(w, pc); });
}

bool SavePlayerCharacter(const Project& project, const PlayerCharacter& pc, SaveUi& ui) {
    return SaveDataTagFile(project, kPlayerCharacterFile, [&](TagWriter& w) { WritePlayerCharacter(w, pc); }, ui);
}

int PcFrameWidth(const PlayerCharacter& pc) { return pc.chip.width / 3; }
int PcFrameHeight(const PlayerCharacter& pc) { return pc.chip.height / 4; }

CellPoint StartCellInView(const PlayerCharacter& pc) {
    const long long rise = static_cast<long long>(PcFrameHeight(pc)) - kPcCellPixels;
    return CellPoint{Saturate(FloorDiv(pc.startX, kPcCellPixels)),
                     Saturate(FloorDiv(static_cast<long long>(pc.startY) + rise, kPcCellPixels))};
}

int StartPixelX(int cellX) { return Saturate(static_cast<long long>(cellX) * kPcCellPixels); }

int StartPixelY(int cellY, int frameHeight) {
    return Saturate(static_cast<long long>(cellY) * kPcCellPixels - (static_cast<long long>(frameHeight) - kPcCellPixels));
}

PcSpriteOnMap PcSprite(const PlayerCharacter& pc) {
    PcSpriteOnMap s;
    s.fileName = pc.chip.fileName;
    s.regionX = pc.chip.x;
    s.regionY = pc.chip.y;
    s.regionWidth = pc.chip.width;
    s.regionHeight = pc.chip.height;
    s.spec = SpecOf(pc.chip);
    s.origin = CellPoint{pc.viewCellX, pc.viewCellY};
    s.position = StartCellInView(pc);
    s.direction = pc.direction;
    s.offset = Saturate(static_cast<long long>(PcFrameHeight(pc)) - kPcCellPixels);
    return s;
}

}  // namespace lw
