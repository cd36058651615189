#pragma once
// NPCs: npc_list.txt in the data folder holds every NPC of the project; which scene an NPC stands
// in is not stored there but in the scene files (the scene whose NPC indices list its position).
// The NPC table is what the map view's NPC markers are made from.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"
#include "core/settings/drawing.h"
#include "core/tagfile/file_io.h"
#include "core/world/map_markers.h"

namespace lw {

class TagWriter;
struct SceneCatalog;

inline constexpr std::string_view kNpcFile = "npc_list.txt";
inline constexpr std::size_t kNpcSpriteBytes = 255;
inline constexpr std::size_t kNpcNameBytes = 63;
// What a display name that is empty in the file reads as.
inline constexpr std::string_view kUnknownNpcName = "unknown";

struct Npc {
    int scene = -1;  // not in the file: the scene whose NPC indices list this NPC, -1 none
    int actionKind = 0;  // 0 standing, 1 walking
    int facing = 0;      // 0 down, 1 left, 2 right, 3 up
    int shown = 0;       // 1 shown, 0 hidden
    int speed = 0;       // 1..100
    int reserved4 = 0;   // no control; kept as read
    int reserved5 = 0;
    int x = 0;
    int y = 0;
    int rangeCentreX = 0;
    int rangeCentreY = 0;
    int rangeX = 0;
    int rangeY = 0;
    int group = 0;  // -1 none
    std::string spriteFile;  // one token, at most 255 bytes
    int regionX = 0;  // the 3 x 4 frame sheet inside the bitmap, in pixels
    int regionY = 0;
    int regionWidth = 0;
    int regionHeight = 0;
    int drawMode = 0;
    int colourKey = 0;
    int keyRed = 0;
    int keyGreen = 0;
    int keyBlue = 0;
    std::array<int, 4> frameOrder{};  // the sheet column at each of the 4 walking steps
    std::array<int, 4> facingRow{};   // the sheet row for facing down, left, right, up
    std::string displayName;  // one token, at most 63 bytes
    bool operator==(const Npc&) const = default;
};

// The values a new NPC starts with (speed 20, shown, reserved 1 and 0, group 0).
Npc NewNpc();

// The editor's list: one NPC per data line while fewer than the count have been taken, in file
// order, scenes -1. A display name that is empty reads as "unknown".
std::vector<Npc> ParseNpcList(std::string_view bytes);
ReadStatus LoadNpcList(const Project& project, std::vector<Npc>& out);
// Sets each NPC's scene from the catalog: the first entry listing its position, or -1.
void AssignNpcScenes(std::vector<Npc>& npcs, const SceneCatalog& catalog);
// The display names in order (the "show_npc" chooser).
std::vector<std::string> NpcNames(const std::vector<Npc>& npcs);

std::string NpcListBytes(const std::vector<Npc>& npcs);
void WriteNpcList(TagWriter& w, const std::vector<Npc>& npcs);
bool SaveNpcList(const Project& project, const std::vector<Npc>& npcs, SaveUi& ui);

// One NPC as the map view draws its marker: the middle column's frame of its facing row
// (source x = regionX + frame width, y = regionY + facingRow[facing] x frame height; the frame is
// regionWidth / 3 by regionHeight / 4).
using NpcMarkerSource = MarkerSource;
NpcMarkerSource MakeNpcMarkerSource(const Npc& npc, int index);

struct NpcTable {
    std::vector<NpcMarkerSource> entries;  // one per NPC of the file, in order
    int count() const { return static_cast<int>(entries.size()); }
};
void BuildNpcTable(const std::vector<Npc>& npcs, NpcTable& table);
// Releases the old table first; a missing or unreadable file leaves it empty.
ReadStatus LoadNpcTable(const Project& project, NpcTable& table);
void ReleaseNpcTable(NpcTable& table);

}  // namespace lw
