#pragma once
// The player character (pc.txt in the data folder): name, the 21 main numbers, the walking chip
// and the menu face, the five equipment slots and the starting belongings.
//
// File shape (CR LF between lines, none after the last), sections in this order:
//   "<pc_name>" the name as a whole line "</pc_name>"
//   "<pc_main_data>" the 21 main numbers on one line "</pc_main_data>"
//   "<pc_chip_data>" "file x y width height mode key red green blue" + 4 walking columns
//                    + 4 facing rows "</pc_chip_data>"
//   "<pc_face_data>" "file x y width height mode key red green blue" "</pc_face_data>"
//   "<pc_equipment_number>" 5 "</pc_equipment_number>"
//   "<pc_equipment_data>" five lines, item index + 1 or 0 "</pc_equipment_data>"
//   "<pc_item_max_number>" the belongings maximum "</pc_item_max_number>"
//   "<pc_item_number>" the number of pairs "</pc_item_number>"
//   "<pc_item_data>" one line "item count" per pair, item index + 1 "</pc_item_data>"
//
// The view origin (main fields 2 and 3) is stored in the file in map cells; the game and the
// placement work with it in pixels (cells x 32). Items are referred
// to by their position in item_list.txt plus one, never by name.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"
#include "core/settings/drawing.h"
#include "core/tagfile/file_io.h"

namespace lw {

class TagWriter;

inline constexpr std::string_view kPlayerCharacterFile = "pc.txt";
inline constexpr std::size_t kPcNameBytes = 63;
inline constexpr std::size_t kPcPictureFileBytes = 259;
inline constexpr int kPcMainFieldCount = 21;
inline constexpr int kPcEquipmentSlots = 5;
// Most belongings pairs a file gives; the belongings dialog keeps at most kPcBelongingsEditCapacity
// rows of its own.
inline constexpr int kPcBelongingsCapacity = 1024;
inline constexpr int kPcBelongingsEditCapacity = 1023;
// Ranges of the settings dialog.
inline constexpr int kPcSpeedMin = 1;
inline constexpr int kPcSpeedMax = 100;
inline constexpr int kPcLevelMax = 256;
inline constexpr int kPcAmountMax = 999999;  // experience and money
inline constexpr int kPcBelongingsMaxLimit = 1024;
// One cell of the map, in pixels.
inline constexpr int kPcCellPixels = 32;

// A picture entry: a rectangle of a file of the image folder and how it is drawn.
struct PcPicture {
    std::string fileName;  // one token, at most kPcPictureFileBytes
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int drawMode = kDrawOpaque;
    int colourKey = 0;
    int keyRed = 0;
    int keyGreen = 0;
    int keyBlue = 0;
    bool operator==(const PcPicture&) const = default;
};
DrawSpec SpecOf(const PcPicture& picture);

// One pair of the belongings: item index + 1 (0 none) and how many.
struct PcBelonging {
    int item = 0;
    int count = 0;
    bool operator==(const PcBelonging&) const = default;
};

struct PlayerCharacter {
    std::string name;  // whole line, blanks kept, at most kPcNameBytes
    // The main numbers, in file order.
    int speed = 4;           // "動作速度" 1..100
    int viewCellX = 0;       // "ビュー位置": the map column at the screen's left edge at the start
    int viewCellY = 0;       // the map row at the screen's top edge
    int startX = 0;          // the position within the view, pixels: cell x 32
    int startY = 0;          // cell x 32 - (chip frame height - 32)
    int reserved6 = 1;       // no control; kept as read
    int reserved7 = 0;
    int direction = 0;       // "向き": 0 down, 1 left, 2 right, 3 up
    int level = 1;           // 0..256
    int agility = 20;        // abilities: 0 .. "最大能力値"
    int evasion = 20;
    int attack = 20;
    int magicPower = 20;
    int physicalDefence = 10;
    int mentalDefence = 10;
    int maxHp = 100;
    int maxMp = 50;
    int reserved18 = 0;
    int experience = 0;      // 0..999999
    int money = 1000;        // 0..999999
    int reserved21 = 0;
    // The walking chip: 3 columns x 4 rows of frames (a frame is width / 3 by height / 4), the
    // column at each of the four walking steps and the row for facing down, left, right, up.
    PcPicture chip;
    std::array<int, 4> chipFrameOrder{1, 2, 1, 0};
    std::array<int, 4> chipFacingRow{0, 1, 2, 3};
    PcPicture face;
    // Weapon, helmet, armour, shield, other: item index + 1, 0 empty. Slot k takes items of kind k.
    std::array<int, kPcEquipmentSlots> equipment{};
    int belongingsMax = 256;  // "ｱｲﾃﾑ最大所持数" 0..1024
    std::vector<PcBelonging> belongings;
    bool operator==(const PlayerCharacter&) const = default;
};

// The record of a project without pc.txt (the member defaults above).
PlayerCharacter DefaultPlayerCharacter();

// The record a file gives: the defaults, then every section found. The name is the whole line cut
// to 63 bytes; equipment lines are read while fewer than both the file's equipment count and 5
// have been read; belongings pairs while fewer than the file's count (at most 1024) have been
// read, one pair per line that is there. A picture line that begins with a blank has an empty
// file name.
PlayerCharacter ParsePlayerCharacter(std::string_view bytes);
// A missing or unreadable file leaves the defaults.
ReadStatus LoadPlayerCharacter(const Project& project, PlayerCharacter& pc);

std::string PlayerCharacterBytes(const PlayerCharacter& pc);
void WritePlayerCharacter(TagWriter& w, const PlayerCharacter& pc);
bool SavePlayerCharacter(const Project& project, const PlayerCharacter& pc, SaveUi& ui);

// ---------------------------------------------------------------------------------------------
// The chip as the map view and the placement draw it

// The frame size of the chip sheet (width / 3, height / 4).
int PcFrameWidth(const PlayerCharacter& pc);
int PcFrameHeight(const PlayerCharacter& pc);

// Where the player character stands at the start, in cells from the view origin: the start
// pixels taken back to the cell they were made from (the rise of a chip taller than a cell
// undone). Division rounds toward minus infinity.
struct CellPoint {
    int x = 0;
    int y = 0;
    bool operator==(const CellPoint&) const = default;
};
CellPoint StartCellInView(const PlayerCharacter& pc);
// The start pixels of a cell within the view: x = cell x 32, y = cell x 32 - (frame height - 32).
int StartPixelX(int cellX);
int StartPixelY(int cellY, int frameHeight);

// Everything the map view needs to draw the player character at its start: the sheet (file,
// region and drawing), the view origin and the cell within the view (cells), the facing and how
// far the chip rises above its cell (frame height - 32).
struct PcSpriteOnMap {
    std::string fileName;
    int regionX = 0;
    int regionY = 0;
    int regionWidth = 0;
    int regionHeight = 0;
    DrawSpec spec;
    CellPoint origin;
    CellPoint position;
    int direction = 0;
    int offset = 0;
    bool operator==(const PcSpriteOnMap&) const = default;
};
PcSpriteOnMap PcSprite(const PlayerCharacter& pc);

}  // namespace lw
