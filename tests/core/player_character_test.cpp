#include <gtest/gtest.h>

#include "core/rules/player_character.h"
#include "core/rules/player_character_items.h"
#include "core/rules/player_character_rows.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

PlayerCharacter Hero() {
    PlayerCharacter pc = DefaultPlayerCharacter();
    pc.name = "\x83\x41\x83\x8b \x83\x74";  // "アル フ": blanks are kept
    pc.speed = 6;
    pc.viewCellX = 3;
    pc.viewCellY = 5;
    pc.startX = 128;
    pc.startY = 80;
    pc.reserved6 = 7;
    pc.reserved18 = -2;
    pc.direction = 2;
    pc.level = 3;
    pc.money = 250;
    pc.chip = PcPicture{"hero.bmp", 0, 48, 96, 192, 0, 1, 255, 0, 255};
    pc.chipFrameOrder = {0, 1, 2, 1};
    pc.face = PcPicture{"face.bmp", 10, 20, 64, 64, 2, 0, 1, 2, 3};
    pc.equipment = {3, 0, 5, 0, 0};
    pc.belongingsMax = 99;
    pc.belongings = {{3, 1}, {1, 12}};
    return pc;
}

// Missing or unreadable, the file shows the defaults.
TEST(PlayerCharacterTest, WritesEverySectionAndReadsItBack) {
    const std::string bytes = test::JoinLines({"<pc_name>", "\x83\x41\x83\x8b \x83\x74", "</pc_name>", "<pc_main_data>",
                                               "6 3 5 128 80 7 0 2 3 20 20 20 20 10 10 100 50 -2 0 250 0", "</pc_main_data>",
                                               "<pc_chip_data>", "hero.bmp 0 48 96 192 0 1 255 0 255 0 1 2 1 0 1 2 3",
                                               "</pc_chip_data>", "<pc_face_data>", "face.bmp 10 20 64 64 2 0 1 2 3",
                                               "</pc_face_data>", "<pc_equipment_number>", "5", "</pc_equipment_number>",
                                               "<pc_equipment_data>", "3", "0", "5", "0", "0", "</pc_equipment_data>",
                                               "<pc_item_max_number>", "99", "</pc_item_max_number>", "<pc_item_number>", "2",
                                               "</pc_item_number>", "<pc_item_data>", "3 1", "1 12", "</pc_item_data>"});
    test::CheckFileThroughProject(kPlayerCharacterFile, Hero(), bytes, LoadPlayerCharacter, SavePlayerCharacter,
                                  DefaultPlayerCharacter());
}

TEST(PlayerCharacterTest, NewProjectDefaultsAndTheirFile) {
    PlayerCharacter pc = DefaultPlayerCharacter();
    EXPECT_EQ(pc.speed, 4);
    EXPECT_EQ(pc.money, 1000);
    EXPECT_EQ(pc.belongingsMax, 256);
    // The defaults written as they stand: no picture chosen leaves each picture line beginning with
    // a blank, which reads back as an empty name rather than shifting the numbers.
    const std::string bytes = PlayerCharacterBytes(pc);
    EXPECT_NE(bytes.find("<pc_main_data>\r\n4 0 0 0 0 1 0 0 1 20 20 20 20 10 10 100 50 0 0 1000 0\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("<pc_chip_data>\r\n 0 0 0 0 0 0 0 0 0 1 2 1 0 0 1 2 3\r\n"), std::string::npos);
    EXPECT_EQ(ParsePlayerCharacter(bytes), pc);
}

TEST(PlayerCharacterTest, StartPositionAndTheSpriteTheMapDraws) {
    PlayerCharacter pc = Hero();  // a 96 x 192 sheet: 32 x 48 frames rising 16 pixels above the cell
    EXPECT_EQ(PcFrameHeight(pc), 48);
    pc.startX = StartPixelX(4);
    pc.startY = StartPixelY(3, PcFrameHeight(pc));
    EXPECT_EQ(pc.startX, 128);
    EXPECT_EQ(pc.startY, 80);
    EXPECT_EQ(PcSprite(pc), (PcSpriteOnMap{.fileName = "hero.bmp", .regionX = 0, .regionY = 48, .regionWidth = 96,
                                           .regionHeight = 192, .spec = DrawSpec{0, 1, Rgb{255, 0, 255}},
                                           .origin = {3, 5}, .position = {4, 3}, .direction = 2, .offset = 16}));
    // The top row with a tall chip lies above the view's first pixel row.
    EXPECT_EQ(StartPixelY(0, 48), -16);
    pc.startY = -16;
    EXPECT_EQ(StartCellInView(pc).y, 0);
    pc.startY = -17;  // not on a cell: rounds toward the row above
    EXPECT_EQ(StartCellInView(pc).y, -1);
}

TEST(PlayerCharacterTest, CountsAndHostileLines) {
    std::string many = "<pc_item_number>\n2000\n</pc_item_number>\n<pc_item_data>\n";
    for (int i = 0; i < 1100; ++i) many += std::to_string(i + 1) + " 1\n";
    many += "</pc_item_data>";
    EXPECT_EQ(ParsePlayerCharacter(many).belongings.size(), 1024u);
    // A huge count allocates only the lines there are; a negative count takes none.
    EXPECT_EQ(ParsePlayerCharacter("<pc_item_number>\n2000000000\n</pc_item_number>\n<pc_item_data>\n4 2\n"
                                   "</pc_item_data>")
                  .belongings,
              (std::vector<PcBelonging>{{4, 2}}));
    EXPECT_TRUE(ParsePlayerCharacter("<pc_item_number>\n-3\n</pc_item_number>\n<pc_item_data>\n4 2\n</pc_item_data>")
                    .belongings.empty());

    // Equipment: while below both the file's count and five.
    PlayerCharacter pc = ParsePlayerCharacter(
        "<pc_equipment_number>\n2\n</pc_equipment_number>\n<pc_equipment_data>\n7\n8\n9\n</pc_equipment_data>");
    EXPECT_EQ(pc.equipment, (std::array<int, 5>{7, 8, 0, 0, 0}));
    pc = ParsePlayerCharacter(
        "<pc_equipment_number>\n9\n</pc_equipment_number>\n<pc_equipment_data>\n1\n2\n3\n4\n5\n6\n</pc_equipment_data>");
    EXPECT_EQ(pc.equipment, (std::array<int, 5>{1, 2, 3, 4, 5}));

    // A long name is cut at a character boundary; a short main line keeps the defaults after it.
    std::string name(62, 'a');
    name += "\x83\x41";
    pc = ParsePlayerCharacter("<pc_name>\n" + name + "\n</pc_name>\n<pc_main_data>\n9 1 x\n</pc_main_data>");
    EXPECT_EQ(pc.name, std::string(62, 'a'));
    EXPECT_EQ(pc.speed, 9);
    EXPECT_EQ(pc.viewCellX, 1);
    EXPECT_EQ(pc.viewCellY, 0);
    EXPECT_EQ(pc.money, 1000);
    // A chip line that stops early keeps the default walking order.
    pc = ParsePlayerCharacter("<pc_chip_data>\na.bmp 1 2\n</pc_chip_data>\ngarbage");
    EXPECT_EQ(pc.chip.fileName, "a.bmp");
    EXPECT_EQ(pc.chip.y, 2);
    EXPECT_EQ(pc.chipFrameOrder, (std::array<int, 4>{1, 2, 1, 0}));
}

TEST(PlayerCharacterItemsTest, BelongingsKeepOneRowPerItem) {
    std::vector<PcBelonging> rows;
    EXPECT_EQ(AddBelonging(rows, 4, 3).outcome, BelongingAddOutcome::Added);
    EXPECT_EQ(AddBelonging(rows, 0, 1).row, 1);
    const BelongingAdd again = AddBelonging(rows, 4, 5);
    EXPECT_EQ(again.outcome, BelongingAddOutcome::Replaced);
    EXPECT_EQ(again.row, 0);
    EXPECT_EQ(rows, (std::vector<PcBelonging>{{5, 5}, {1, 1}}));
    EXPECT_EQ(AddBelonging(rows, -1, 5).outcome, BelongingAddOutcome::NoItem);
    EXPECT_EQ(AddBelonging(rows, 2, 0).outcome, BelongingAddOutcome::NoCount);
    EXPECT_EQ(rows.size(), 2u);

    rows.clear();
    for (int i = 0; i < kPcBelongingsEditCapacity; ++i) rows.push_back({i + 1, 1});
    EXPECT_EQ(AddBelonging(rows, 5000, 1).outcome, BelongingAddOutcome::Full);
    EXPECT_EQ(rows.size(), 1023u);
    EXPECT_EQ(AddBelonging(rows, 9, 7).outcome, BelongingAddOutcome::Replaced);
    EXPECT_EQ(rows[9].count, 7);
}

TEST(PlayerCharacterItemsTest, EquippedItemsJoinTheBelongings) {
    std::vector<PcBelonging> belongings = {{2, 4}};
    // A sword (item 6) not among the belongings, armour already there, one item in two slots.
    EXPECT_TRUE(AddEquipmentToBelongings({7, 0, 2, 9, 9}, belongings));
    EXPECT_EQ(belongings, (std::vector<PcBelonging>{{2, 4}, {7, 1}, {9, 1}}));
    EXPECT_EQ(EquipmentMissingFromBelongings({7, 0, 2, 9, 9}, belongings), 0);

    // Never more pairs than a file gives back.
    belongings.clear();
    for (int i = 0; i < kPcBelongingsCapacity - 1; ++i) belongings.push_back({i + 100, 1});
    EXPECT_FALSE(AddEquipmentToBelongings({1, 2, 0, 0, 0}, belongings));
    EXPECT_EQ(belongings.size(), 1023u);
    EXPECT_TRUE(AddEquipmentToBelongings({1, 0, 0, 0, 100}, belongings));
    EXPECT_EQ(belongings.size(), 1024u);
}

TEST(PlayerCharacterItemsTest, SlotChoicesAreItemsByIndex) {
    // Two items share a name; the choices of a kind keep each item's place in the list.
    const std::vector<ItemChoice> swords = {{"sword", 1}, {"sword", 4}, {"axe", 6}};
    EXPECT_EQ(EquipmentChoicePosition(swords, 0), 0);
    EXPECT_EQ(EquipmentChoicePosition(swords, 5), 2);  // item 4, the second "sword"
    EXPECT_EQ(EquipmentChoicePosition(swords, 3), -1);  // not a sword: nothing selected
    EXPECT_EQ(EquipmentSlotValue(swords, 2), 5);
    EXPECT_EQ(EquipmentSlotValue(swords, 0), 0);
    EXPECT_EQ(EquipmentSlotValue(swords, 4), 0);
    const std::vector<std::string> names = {"a", "b"};
    EXPECT_EQ(StoredItemName(names, 2), "b");
    EXPECT_EQ(StoredItemName(names, 0), "");
    EXPECT_EQ(StoredItemName(names, 3), "(3)");
}

TEST(PlayerCharacterRowsTest, RowsBindTheRecordWithTheirRanges) {
    PlayerCharacter pc;
    std::vector<PropertyRow> rows = PlayerCharacterRows(pc, 20000);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kPcRowCount));
    EXPECT_EQ(rows[0].label, "動作速度");
    EXPECT_EQ(rows[kPcNameRow].label, "名前");
    EXPECT_EQ(rows[kPcNameRow].kind, RowKind::Text);
    // Speed typed as 0 is stored as 1.
    rows[0].setNumber(ClampToRange(0, rows[0].range));
    EXPECT_EQ(pc.speed, 1);
    rows[1].setNumber(3);
    EXPECT_EQ(pc.direction, 3);
    // Spins reaching past 10000 step by 100: the money, and the abilities with a large maximum.
    EXPECT_EQ(rows[12].label, "所持金");
    EXPECT_EQ(rows[12].step, 100);
    EXPECT_EQ(rows[3].step, 100);
    EXPECT_EQ(PlayerCharacterRows(pc, 9999)[3].step, 1);
    EXPECT_EQ(PlayerCharacterRows(pc, -5)[3].range.max, 0);
    EXPECT_EQ(rows[13].range.max, 1024);
}

}  // namespace
}  // namespace lw
