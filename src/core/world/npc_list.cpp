#include "core/world/npc_list.h"
#include "core/world/npc_editing.h"

#include <algorithm>
#include <limits>

#include "core/tagfile/scan.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"
#include "core/world/scene_catalog.h"

namespace lw {

namespace {

constexpr std::string_view kNumberTag = "npc_number";
constexpr std::string_view kDataTag = "npc_data";

// The fields of an npc_data line in order, for the reader and the writer alike: 13 numbers, the
// sprite file, 18 numbers, the display name.
template <class N, class IntFn, class TextFn>
void VisitNpcLine(N& n, IntFn&& onInt, TextFn&& onText) {
    for (auto* f : {&n.actionKind, &n.facing, &n.shown, &n.speed, &n.reserved4, &n.reserved5, &n.x, &n.y,
                    &n.rangeCentreX, &n.rangeCentreY, &n.rangeX, &n.rangeY, &n.group})
        onInt(*f);
    onText(n.spriteFile, kNpcSpriteBytes);
    for (auto* f : {&n.regionX, &n.regionY, &n.regionWidth, &n.regionHeight, &n.drawMode, &n.colourKey, &n.keyRed,
                    &n.keyGreen, &n.keyBlue})
        onInt(*f);
    for (auto& f : n.frameOrder) onInt(f);
    for (auto& f : n.facingRow) onInt(f);
    onText(n.displayName, kNpcNameBytes);
}

// The writer puts one blank between fields, so an empty sprite file leaves two blanks in a row.
// Read as "%s" that would take the next number for the name and shift every field after it; two
// blanks followed by a number therefore read as an empty name.
bool EmptyTokenFollows(std::string_view rest) {
    if (rest.size() < 3 || rest[0] != ' ' || rest[1] != ' ') return false;
    int probe = 0;
    return FieldScanner(rest.substr(2)).Int(probe);
}

void ParseNpcLine(std::string_view line, Npc& npc) {
    FieldScanner scan(line);
    std::size_t textField = 0;
    VisitNpcLine(
        npc, [&](int& v) { scan.Int(v); },
        [&](std::string& s, std::size_t width) {
            if (textField++ == 0 && scan.ok() && EmptyTokenFollows(scan.rest())) {
                s.clear();
                scan = FieldScanner(scan.rest().substr(1));
                return;
            }
            scan.Token(s, width);
        });
    if (npc.displayName.empty()) npc.displayName = std::string(kUnknownNpcName);
}

}  // namespace

Npc NewNpc() {
    Npc n;
    n.speed = 20;
    n.shown = 1;
    n.reserved4 = 1;
    n.reserved5 = 0;
    n.group = 0;
    n.frameOrder = kDefaultWalkOrder;  // the walking order a new player character has
    n.facingRow = kDefaultFacingRows;
    return n;
}

std::vector<Npc> ParseNpcList(std::string_view bytes) {
    return ReadCountedRecords<Npc>(bytes, kNumberTag, kDataTag, ParseNpcLine);
}

ReadStatus LoadNpcList(const Project& project, std::vector<Npc>& out) {
    return LoadDataList(project, kNpcFile, out, ParseNpcList);
}

void AssignNpcScenes(std::vector<Npc>& npcs, const SceneCatalog& catalog) {
    const std::vector<int> scenes = PlacedScenes(catalog, SceneList::Npc, npcs.size());
    for (std::size_t i = 0; i < npcs.size(); ++i) npcs[i].scene = scenes[i];
}

std::vector<std::string> NpcNames(const std::vector<Npc>& npcs) {
    std::vector<std::string> out;
    out.reserve(npcs.size());
    for (const Npc& n : npcs) out.push_back(n.displayName);
    return out;
}

void WriteNpcList(TagWriter& w, const std::vector<Npc>& npcs) {
    w.IntSection(kNumberTag, static_cast<long long>(npcs.size()));
    w.Open(kDataTag);
    for (const Npc& n : npcs) {
        std::string& line = w.BeginLine();
        bool first = true;
        auto sep = [&] {
            if (!first) line += ' ';
            first = false;
        };
        VisitNpcLine(
            n,
            [&](const int& v) {
                sep();
                AppendInt(line, v);
            },
            [&](const std::string& s, std::size_t width) {
                sep();
                line += CutToBytes(s, width);
            });
    }
    w.Close(kDataTag);
}

std::string NpcListBytes(const std::vector<Npc>& npcs) {
    return TagFileBytes([&](TagWriter& w) { WriteNpcList(w, npcs); });
}

bool SaveNpcList(const Project& project, const std::vector<Npc>& npcs, SaveUi& ui) {
    return SaveDataTagFile(project, kNpcFile, [&](TagWriter& w) { WriteNpcList(w, npcs); }, ui);
}

NpcMarkerSource MakeNpcMarkerSource(const Npc& npc, int index) {
    NpcMarkerSource m;
    m.index = index;
    m.spriteFile = npc.spriteFile;
    m.frameWidth = npc.regionWidth / 3;
    m.frameHeight = npc.regionHeight / 4;
    // A facing outside 0..3 takes the row of its remainder, as the placed sprite does.
    const int facing = ((npc.facing % 4) + 4) % 4;
    m.sourceX = SaturateInt(static_cast<long long>(npc.regionX) + m.frameWidth);
    m.sourceY = SaturateInt(static_cast<long long>(npc.regionY) +
                         static_cast<long long>(npc.facingRow[static_cast<std::size_t>(facing)]) * m.frameHeight);
    m.pixelX = SaturateInt(static_cast<long long>(npc.x) * 32);
    m.pixelY = SaturateInt(static_cast<long long>(npc.y) * 32 - (static_cast<long long>(m.frameHeight) - 32));
    m.draw = DrawSpec{npc.drawMode, npc.colourKey, Rgb{npc.keyRed, npc.keyGreen, npc.keyBlue}};
    return m;
}

void BuildNpcTable(const std::vector<Npc>& npcs, NpcTable& table) {
    ReleaseNpcTable(table);
    table.entries.reserve(npcs.size());
    for (std::size_t i = 0; i < npcs.size(); ++i)
        table.entries.push_back(MakeNpcMarkerSource(npcs[i], static_cast<int>(i)));
}

ReadStatus LoadNpcTable(const Project& project, NpcTable& table) {
    ReleaseNpcTable(table);
    std::vector<Npc> npcs;
    ReadStatus status = LoadNpcList(project, npcs);
    BuildNpcTable(npcs, table);
    return status;
}

void ReleaseNpcTable(NpcTable& table) {
    table.entries.clear();
    table.entries.shrink_to_fit();
}

}  // namespace lw
